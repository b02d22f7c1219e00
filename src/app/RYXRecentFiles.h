#pragma once

#include <QtCore/QObject>
#include <QtCore/QStringList>

class QAction;
class QMenu;

// The files last opened or saved, newest first, kept in the settings
// ("/RecentFiles") and listed at the end of the File menu as "&1 name"
// entries; choosing one asks for it to be opened.
class RYXRecentFiles : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxFiles = 5;

    /// Adds the entries to the end of \a fileMenu (which owns them).
    explicit RYXRecentFiles(QMenu *fileMenu, QObject *parent = nullptr);

    /// The stored files, newest first, as absolute paths.
    static QStringList files();
    /// Puts \a fileName first (once), keeps the newest MaxFiles and relists.
    void add(const QString &fileName);
    /// Takes \a fileName out of the list (a file that is gone) and relists.
    void remove(const QString &fileName);
    /// Lists the stored files in the menu.
    void refresh();
    /// The menu entries, one per possible file; hidden ones are unused.
    const QList<QAction *> &entries() const { return m_entries; }

Q_SIGNALS:
    void openRequested(const QString &fileName);

private:
    static void store(const QStringList &files);

    QAction *m_separator = nullptr;
    QList<QAction *> m_entries;
};
