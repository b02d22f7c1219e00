#include "app/RYXFileCommands.h"

#include "app/RYXListView.h"
#include "app/RYXPrompter.h"
#include "database/VELXmlHandler.h"
#include "model/RYXObject.h"
#include "model/RYXSysManager.h"

#include <QtCore/QFile>
#include <QtCore/QFileInfo>

namespace {

const QString FileFilter = QStringLiteral("*.xml");

bool isTopLevel(const RYXObject *object)
{
    return object->getOwnConnection() != nullptr;
}

} // namespace

RYXFileCommands::RYXFileCommands(QWidget *window, RYXListView *listView,
                                 RYXSysManager *sysManager)
    : m_window(window), m_listView(listView), m_sysManager(sysManager)
{
}

QString RYXFileCommands::withDefaultExtension(const QString &name)
{
    // Only the file's own name counts: a dot in a folder name is no extension.
    if (QFileInfo(name).fileName().contains(QLatin1Char('.')))
        return name;
    return name + QStringLiteral(".xml");
}

void RYXFileCommands::open()
{
    if (m_listView) {
        if (RYXObject *selected = RYXListView::objectOf(m_listView->selectedItem())) {
            selected->openSlot();
            return;
        }
    }
    const QString fileName = RYXPrompter::openFileName(m_window, FileFilter);
    if (fileName.isEmpty())
        return;

    VELXmlHandler handler;
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly))
        handler.parse(&file);
    RYXObject *object = handler.takeFirstObject();
    if (!object || !m_sysManager) {
        delete object;
        RYXPrompter::information(m_window, QStringLiteral("Error"),
                                 QStringLiteral("Failed to parse the input file."));
        return;
    }
    m_sysManager->addRootObject(object);
    object->setFileName(fileName);
    RYXPrompter::information(m_window, QStringLiteral("Advisory"),
                             QStringLiteral("A new device was created from the data in the file "
                                            "and was added at the root level."));
}

void RYXFileCommands::save()
{
    RYXObject *object = requireCurrentObject();
    if (!object)
        return;
    QString fileName;
    if (isTopLevel(object))
        fileName = object->getFileName();
    if (fileName.isEmpty())
        fileName = askSaveName(m_window);
    if (!fileName.isEmpty())
        write(object, fileName);
}

void RYXFileCommands::saveAs()
{
    RYXObject *object = requireCurrentObject();
    if (!object)
        return;
    const QString fileName = askSaveAsName(m_window);
    if (!fileName.isEmpty())
        write(object, fileName);
}

RYXObject *RYXFileCommands::currentObject() const
{
    return m_listView ? RYXListView::objectOf(m_listView->currentItem()) : nullptr;
}

RYXObject *RYXFileCommands::requireCurrentObject() const
{
    RYXObject *object = currentObject();
    if (!object)
        RYXPrompter::information(m_window, QStringLiteral("Warning"),
                                 QStringLiteral("Please select a device from the tree first"));
    return object;
}

QString RYXFileCommands::askSaveName(QWidget *parent)
{
    const QString name = RYXPrompter::saveFileName(parent, FileFilter);
    return name.isEmpty() ? name : withDefaultExtension(name);
}

QString RYXFileCommands::askSaveAsName(QWidget *parent)
{
    const QString name = askSaveName(parent);
    if (name.isEmpty() || !QFileInfo::exists(name))
        return name;
    const bool overwrite = RYXPrompter::warningYesNo(
        parent, QStringLiteral("RYX Config"),
        QStringLiteral("This file already exists, would you like to overwrite it?"));
    return overwrite ? name : QString();
}

bool RYXFileCommands::write(RYXObject *object, const QString &fileName) const
{
    if (!object->saveToFile(fileName, m_window))
        return false;
    if (isTopLevel(object))
        object->setFileName(fileName);
    return true;
}
