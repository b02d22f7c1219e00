#pragma once

#include <QtCore/QCoreApplication>
#include <QtCore/QString>

class QDragEnterEvent;
class QDropEvent;
class QMimeData;
class QWidget;
class RYXObject;

// The text form of a subtree that Copy, Paste and drag and drop carry (the
// source's identity on the first line, then its configuration XML), and the
// flows that put a text or a file in place of an object's configuration or
// write an object to a file. Message boxes go through the prompter; results
// go to the event log.
class RYXConfigurationText
{
    Q_DECLARE_TR_FUNCTIONS(RYXConfigurationText)

public:
    /// The drag and clipboard form of \a object.
    static QMimeData *mimeData(RYXObject &object);
    /// Copy: puts \a object's text on the clipboard.
    static void copy(RYXObject &object);
    /// Paste: the clipboard's text into \a target, after asking.
    static void paste(RYXObject &target);
    static bool clipboardHasText();
    /// Drags \a object's text from its tree view.
    static void startDrag(RYXObject &object);
    /// Accepts a drag of a live object of \a target's family.
    static void dragEnter(RYXObject &target, QDragEnterEvent *event);
    static void drop(RYXObject &target, QDropEvent *event);
    /// True when \a text (header line, then XML) names a live object of \a target's family.
    static bool accepts(const RYXObject &target, const QString &text);
    /// Paste and drop: replaces \a target's configuration with \a text after asking.
    static void import(RYXObject &target, const QString &text, const QString &prefix, bool isDrop);
    /// Replaces \a target's configuration with \a parsed (taken over) after
    /// asking; \a prefix names the command in the event log line.
    static void replace(RYXObject &target, RYXObject *parsed, const QString &prefix, bool postRefresh);
    /// The object's Open: reads a file into it, or into a new root when the file is of another family.
    static void open(RYXObject &target);
    /// The object's Save As: asks for the file, then save().
    static void saveAs(RYXObject &object);
    /// Writes the subtree of \a object to \a fileName atomically; a failure is
    /// reported over \a parent and leaves any previous file intact.
    static bool save(RYXObject &object, const QString &fileName, QWidget *parent);
    /// Tells the user, over \a parent, which values of \a root's subtree
    /// cannot be sent to the device (those objects are marked in error);
    /// nothing when all can.
    static void reportValueProblems(const RYXObject &root, QWidget *parent);
};
