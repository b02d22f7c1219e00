#include "app/RYXRecentFiles.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QSettings>
#include <QtWidgets/QMenu>

namespace {

QSettings settings()
{
    return QSettings(QStringLiteral("Velmark"), QStringLiteral("RYX Config"));
}

const QString RecentFilesKey = QStringLiteral("/RecentFiles");

QString absolute(const QString &fileName)
{
    return QFileInfo(fileName).absoluteFilePath();
}

} // namespace

RYXRecentFiles::RYXRecentFiles(QMenu *fileMenu, QObject *parent) : QObject(parent)
{
    m_separator = fileMenu->addSeparator();
    for (int i = 0; i < MaxFiles; ++i) {
        QAction *entry = fileMenu->addAction(QString());
        entry->setObjectName(QStringLiteral("recentFile%1").arg(i + 1));
        connect(entry, &QAction::triggered, this,
                [this, entry] { emit openRequested(entry->data().toString()); });
        m_entries << entry;
    }
    // The list may have changed in another window of the program.
    connect(fileMenu, &QMenu::aboutToShow, this, &RYXRecentFiles::refresh);
    refresh();
}

QStringList RYXRecentFiles::files()
{
    QStringList stored = settings().value(RecentFilesKey).toStringList();
    stored.removeAll(QString());
    return stored.mid(0, MaxFiles);
}

void RYXRecentFiles::store(const QStringList &files)
{
    QSettings store = settings();
    store.setValue(RecentFilesKey, files);
}

void RYXRecentFiles::add(const QString &fileName)
{
    const QString path = absolute(fileName);
    QStringList list = files();
    list.removeAll(path);
    list.prepend(path);
    store(list.mid(0, MaxFiles));
    refresh();
}

void RYXRecentFiles::remove(const QString &fileName)
{
    QStringList list = files();
    list.removeAll(absolute(fileName));
    store(list);
    refresh();
}

void RYXRecentFiles::refresh()
{
    const QStringList list = files();
    m_separator->setVisible(!list.isEmpty());
    for (int i = 0; i < m_entries.size(); ++i) {
        QAction *entry = m_entries.at(i);
        const bool used = i < list.size();
        entry->setVisible(used);
        entry->setData(used ? list.at(i) : QString());
        if (!used)
            continue;
        // "&&" keeps an ampersand in a file name from becoming an accelerator.
        const QString name = QFileInfo(list.at(i)).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"));
        entry->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        entry->setToolTip(QDir::toNativeSeparators(list.at(i)));
        entry->setStatusTip(entry->toolTip());
    }
}
