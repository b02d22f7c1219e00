#pragma once

#include <QtCore/QPointer>
#include <QtCore/QString>

class QWidget;
class RYXListView;
class RYXObject;
class RYXSysManager;

// The main window's Open, Save and Save As commands: they move device trees
// between the tree view and configuration files. Every dialog and message
// box goes through RYXPrompter. Files are written atomically; a failed
// write is reported and leaves any previous file as it was.
class RYXFileCommands
{
public:
    /// \a window parents the dialogs; \a listView and \a sysManager are the
    /// main window's tree and system manager.
    RYXFileCommands(QWidget *window, RYXListView *listView, RYXSysManager *sysManager);

    /// Runs the selected object's own Open, or reads a file into a new
    /// device at the root of the tree.
    void open();
    /// Saves the current object, to its remembered file when it has one.
    void save();
    /// Saves the current object under a name always asked for.
    void saveAs();

private:
    RYXObject *currentObject() const;
    /// The current object, or null after telling the user to select one.
    RYXObject *requireCurrentObject() const;
    /// Writes \a object to \a fileName; a top-level object remembers the
    /// name once the file is written.
    bool write(RYXObject *object, const QString &fileName) const;

    QPointer<QWidget> m_window;
    QPointer<RYXListView> m_listView;
    QPointer<RYXSysManager> m_sysManager;
};
