#include "app/RYXFileCommands.h"

#include "app/RYXListView.h"
#include "app/RYXRecentFiles.h"
#include "core/RYXPrompter.h"
#include "core/RYXSaveNamePrompt.h"
#include "model/RYXConfigurationText.h"
#include "model/RYXConnectionBase.h"
#include "model/RYXObject.h"
#include "model/RYXSysManager.h"
#include "model/VELXmlHandler.h"

#include <QtCore/QCoreApplication>
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
                                 RYXSysManager *sysManager, RYXRecentFiles *recent)
    : m_window(window), m_listView(listView), m_sysManager(sysManager), m_recent(recent)
{
}

void RYXFileCommands::open()
{
    if (m_listView) {
        if (RYXObject *selected = RYXListView::objectOf(m_listView->selectedItem())) {
            // The object's own Open replaces its values with the file's.
            RYXObject *root = selected->topLevelObject();
            const QString question =
                    tr("%1 has changes that are not saved. Save them before a file is read into it?")
                            .arg(root ? root->getName() : QString());
            if (root && !settleUnsaved({root}, question))
                return;
            selected->openSlot();
            return;
        }
    }
    const QString fileName = RYXPrompter::openFileName(m_window, FileFilter);
    if (!fileName.isEmpty())
        openFile(fileName);
}

void RYXFileCommands::openRecent(const QString &fileName)
{
    if (!QFileInfo::exists(fileName)) {
        RYXPrompter::information(m_window, tr("Error"),
                                 tr("The file %1 no longer exists; it was taken off the recent files.")
                                         .arg(fileName));
        if (m_recent)
            m_recent->remove(fileName);
        return;
    }
    openFile(fileName);
}

void RYXFileCommands::openFile(const QString &fileName)
{
    VELXmlHandler handler;
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly))
        handler.parse(&file);
    RYXObject *object = handler.takeFirstObject();
    if (!object || !m_sysManager) {
        delete object;
        RYXPrompter::information(m_window, tr("Error"),
                                 tr("Failed to parse the input file."));
        return;
    }
    m_sysManager->addRootObject(object);
    object->setFileName(fileName);
    object->setUnsavedChanges(false);
    if (m_recent)
        m_recent->add(fileName);
    RYXPrompter::information(m_window, tr("Advisory"),
                             tr("A new device was created from the data in the file "
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
                                 tr("Please select a device from the tree first"));
    return object;
}

bool RYXFileCommands::write(RYXObject *object, const QString &fileName) const
{
    if (!object->saveToFile(fileName, m_window))
        return false;
    if (isTopLevel(object)) {
        object->setFileName(fileName);
        if (m_recent)
            m_recent->add(fileName);
    }
    return true;
}

bool RYXFileCommands::saveRoot(RYXObject *root) const
{
    QString fileName = root->getFileName();
    if (fileName.isEmpty())
        fileName = RYXSaveNamePrompt::askSaveName(m_window);
    return !fileName.isEmpty() && write(root, fileName);
}

QList<RYXObject *> RYXFileCommands::unsavedRoots() const
{
    QList<RYXObject *> roots;
    if (!m_sysManager)
        return roots;
    for (RYXConnectionBase *connection : m_sysManager->getConnections()) {
        RYXObject *device = connection->getDevice();
        if (device && device->hasUnsavedChanges())
            roots << device;
    }
    return roots;
}

bool RYXFileCommands::settleUnsaved(const QList<RYXObject *> &roots, const QString &question)
{
    QList<QPointer<RYXObject>> unsaved;
    for (RYXObject *root : roots) {
        if (root && root->hasUnsavedChanges())
            unsaved << root;
    }
    if (unsaved.isEmpty())
        return true;
    const QMessageBox::StandardButton answer = RYXPrompter::instance()->message(
            QMessageBox::Warning, m_window, QStringLiteral("RYX Config"), question,
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save,
            QMessageBox::Cancel);
    if (answer == QMessageBox::Discard)
        return true;
    if (answer != QMessageBox::Save)
        return false;
    // Stops at the first one not written: its changes are still there.
    for (const QPointer<RYXObject> &root : std::as_const(unsaved)) {
        if (root && !saveRoot(root))
            return false;
    }
    return true;
}
