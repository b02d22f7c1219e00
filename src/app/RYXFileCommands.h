#pragma once

#include <QtCore/QCoreApplication>
#include <QtCore/QList>
#include <QtCore/QPointer>
#include <QtCore/QString>

class QWidget;
class RYXListView;
class RYXObject;
class RYXRecentFiles;
class RYXSysManager;

// The main window's Open, Save and Save As commands: they move device trees
// between the tree view and configuration files. Every dialog and message
// box goes through RYXPrompter. Files are written atomically; a failed
// write is reported and leaves any previous file as it was. Files opened
// and saved at the root join the recent files.
class RYXFileCommands
{
    Q_DECLARE_TR_FUNCTIONS(RYXFileCommands)

public:
    /// \a window parents the dialogs; \a listView and \a sysManager are the
    /// main window's tree and system manager; \a recent may be null.
    RYXFileCommands(QWidget *window, RYXListView *listView, RYXSysManager *sysManager,
                    RYXRecentFiles *recent = nullptr);

    /// Runs the selected object's own Open (once its station's unsaved
    /// changes are settled), or reads a file into a new device at the root
    /// of the tree.
    void open();
    /// Reads \a fileName into a new device at the root of the tree.
    void openFile(const QString &fileName);
    /// openFile for an entry of the recent files; a file that is gone is
    /// reported and leaves the list.
    void openRecent(const QString &fileName);
    /// Saves the current object, to its remembered file when it has one.
    void save();
    /// Saves the current object under a name always asked for.
    void saveAs();

    /// The top-level objects whose changes no file holds, in tree order.
    QList<RYXObject *> unsavedRoots() const;
    /// Asks \a question with Save, Discard and Cancel when one of \a roots
    /// has unsaved changes. True when the caller may go on: nothing was
    /// unsaved, the user chose Discard, or Save wrote every one of them.
    bool settleUnsaved(const QList<RYXObject *> &roots, const QString &question);

private:
    RYXObject *currentObject() const;
    /// The current object, or null after telling the user to select one.
    RYXObject *requireCurrentObject() const;
    /// Writes \a object to \a fileName; a top-level object remembers the
    /// name once the file is written.
    bool write(RYXObject *object, const QString &fileName) const;
    /// Saves the top-level object \a root to its file, asking for a name
    /// when it has none; false when cancelled or not written.
    bool saveRoot(RYXObject *root) const;

    QPointer<QWidget> m_window;
    QPointer<RYXListView> m_listView;
    QPointer<RYXSysManager> m_sysManager;
    QPointer<RYXRecentFiles> m_recent;
};
