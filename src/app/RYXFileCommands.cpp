#include "app/RYXFileCommands.h"

#include "app/RYXListView.h"
#include "core/RYXPrompter.h"
#include "core/RYXSaveNamePrompt.h"
#include "model/RYXConfigurationText.h"
#include "model/RYXObject.h"
#include "model/RYXSysManager.h"
#include "model/VELXmlHandler.h"

#include <QtCore/QFile>

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
    RYXConfigurationText::reportValueProblems(*object, m_window);
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
        fileName = RYXSaveNamePrompt::askSaveName(m_window);
    if (!fileName.isEmpty())
        write(object, fileName);
}

void RYXFileCommands::saveAs()
{
    RYXObject *object = requireCurrentObject();
    if (!object)
        return;
    const QString fileName = RYXSaveNamePrompt::askSaveAsName(m_window);
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

bool RYXFileCommands::write(RYXObject *object, const QString &fileName) const
{
    if (!object->saveToFile(fileName, m_window))
        return false;
    if (isTopLevel(object))
        object->setFileName(fileName);
    return true;
}
