#include "model/RYXObject.h"

#include "core/RYXImages.h"
#include "core/RYXPrompter.h"
#include "core/StartupFlags.h"
#include "database/RYXDatabase.h"
#include "model/events/addToEventBoxEvent.h"
#include "model/events/createTreeItemEvent.h"
#include "model/events/destroyTreeItemEvent.h"
#include "model/events/setTreeItemPixEvent.h"
#include "model/events/updateDialogEvent.h"
#include "model/events/updateUIEnableStateEvent.h"
#include "model/RYXClassInfo.h"
#include "model/RYXConfigurationText.h"
#include "model/RYXConnectionBase.h"
#include "model/RYXDialogProvider.h"
#include "model/RYXDragIdentity.h"
#include "model/RYXEventReceiver.h"
#include "model/RYXListViewItem.h"
#include "model/RYXObjectMenu.h"
#include "model/RYXPropertiesHtml.h"
#include "model/RYXSysManager.h"
#include "model/VELXmlHandler.h"
#include "model/VELXmlWriter.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDebug>
#include <QtCore/QThread>
#include <QtWidgets/QMenu>
#include <QtWidgets/QPushButton>

RYXObject::RYXObject(QObject *parent)
    : QObject(parent),
      database(new RYXDatabase),
      eventPixmap(QStringLiteral("SmallOliveLED")),
      currentPixmap(QStringLiteral("SmallGreenLED")),
      offlinePixmap(QStringLiteral("SmallOliveLED")),
      notCurrentPixmap(QStringLiteral("SmallYellowLED")),
      errorPixmap(QStringLiteral("SmallRedLED")),
      childNotCurrentPixmap(QStringLiteral("SmallYellowLED")),
      childErrorPixmap(QStringLiteral("SmallRedLED")),
      xmlTag(QStringLiteral("NO_XML_TAG_SPECIFIED")),
      name(QStringLiteral("RYX Object")),
      family(QStringLiteral("RYX"))
{
    m_identity = RYXDragIdentity::add(this);
}

// The tree item is not touched here: it is removed with destroyTreeItem
// while the view still exists; the view may already be gone now.
RYXObject::~RYXObject()
{
    RYXDragIdentity::remove(m_identity);
    delete database;
    database = nullptr;
    children.clear();
}

void RYXObject::applyClassInfo(const RYXClassInfo &info)
{
    xmlTag = QLatin1String(info.element);
    name = QLatin1String(info.displayName);
    family = QLatin1String(info.family);
    if (info.level == RYXObjectFactory::ModuleLevel)
        moduleType = info.typeCode;
    else
        typeCode = info.typeCode;
    setObjectName(name);
    if (!info.pixmapFamily)
        return;
    const QString prefix = QLatin1String(info.pixmapFamily);
    eventPixmap = prefix + QStringLiteral("_OK");
    if (!TypeIcons)
        return;
    currentPixmap = eventPixmap;
    offlinePixmap = eventPixmap;
    notCurrentPixmap = prefix + QStringLiteral("_DIRTY");
    errorPixmap = prefix + QStringLiteral("_ERR");
    childNotCurrentPixmap = prefix + QStringLiteral("_CHILDDIRTY");
    childErrorPixmap = prefix + QStringLiteral("_CHILDERR");
}

RYXObject *RYXObject::getParentObject() const
{
    return qobject_cast<RYXObject *>(parent());
}

RYXObject *RYXObject::childAt(int index) const
{
    return index >= 0 && index < children.size() ? children.at(index) : nullptr;
}

// ---------------------------------------------------------------- tree

bool RYXObject::createTreeItem(QTreeWidgetItem *parentItem)
{
    if (!showInTree || treeItem)
        return true;
    if (!parentItem) {
        RYXObject *parentObject = getParentObject();
        if (parentObject && parentObject->getTreeItem())
            parentItem = parentObject->getTreeItem();
    }
    if (parentItem) {
        treeItem = new RYXListViewItem(this, parentItem, treeName());
        return true;
    }
    RYXSysManager *manager = nullptr;
    if (!getSysManager(this, manager) || !manager->listView())
        return false;
    treeItem = new RYXListViewItem(this, manager->listView(), treeName());
    return true;
}

QString RYXObject::treeName() const
{
    return QCoreApplication::translate("RYXClassInfo", name.toUtf8().constData());
}

bool RYXObject::initializeChildren()
{
    bool ok = true;
    for (RYXObject *child : std::as_const(children))
        ok = child->initialize(nullptr) && ok;
    return ok;
}

QWidget *RYXObject::createDialog(QWidget *parent, QWidget *currentDialog, bool *created)
{
    if (m_dialogProvider)
        return m_dialogProvider->createDialog(this, parent, currentDialog, created);
    if (created)
        *created = false;
    auto *placeholder = new QPushButton(tr("I am a RYX Module"), parent);
    placeholder->setObjectName(QStringLiteral("PropDialog"));
    return placeholder;
}

bool RYXObject::addChild(RYXObject *child)
{
    if (!child || child == this)
        return false;
    if (!children.contains(child)) {
        children.append(child);
        watchChild(child);
        noteContentChanged();
    }
    if (child->parent() != this)
        child->setParent(this);
    return true;
}

// A child deleted elsewhere must not stay behind in the list.
void RYXObject::watchChild(RYXObject *child)
{
    // Compared by address only: the object is gone when the signal arrives.
    connect(child, &QObject::destroyed, this, [this, child] {
        if (children.removeAll(child) > 0)
            noteContentChanged();
    });
}

bool RYXObject::replaceChild(RYXObject *newChild, unsigned index)
{
    RYXObject *old = childAt(int(index));
    qDebug().noquote() << QStringLiteral("Replace %1's %2 # %3")
                              .arg(name, newChild ? newChild->name : QString(),
                                   QString::number(index));
    // A position the object does not have leaves the children unchanged;
    // the caller still owns newChild.
    if (!newChild || !old)
        return false;
    children[int(index)] = newChild;
    watchChild(newChild);
    delete old;
    newChild->setParent(this);
    noteContentChanged();
    return true;
}

// ---------------------------------------------------- copy, paste, drag

QMimeData *RYXObject::makeDragObject()
{
    return RYXConfigurationText::mimeData(*this);
}

bool RYXObject::parseXml(const QByteArray &xml, RYXObject *&result)
{
    VELXmlHandler handler;
    handler.parse(xml);
    result = handler.takeFirstObject();
    if (!result)
        qDebug().noquote() << QStringLiteral("Reading configuration text failed at %1:%2: %3")
                                  .arg(handler.errorLine())
                                  .arg(handler.errorColumn())
                                  .arg(handler.errorString());
    return isSameFamily(result);
}

bool RYXObject::isSameFamily(const RYXObject *other) const
{
    return other && other->family == family;
}

bool RYXObject::isSameFamilyAs(const RYXObject &other) const
{
    return other.family == family;
}

bool RYXObject::copyDataFrom(RYXObject *source)
{
    if (!database || !source || !source->database)
        return false;
    const QMap<QString, DataPoint> points = source->database->allPoints();
    for (auto it = points.cbegin(); it != points.cend(); ++it) {
        DataPoint own;
        if (!getDataPoint(it.key(), own))
            continue;
        if (own.hasAttribute(DataPoint::NotSaved) || own.hasAttribute(DataPoint::NotCopied))
            continue;
        // Through the source's getValue: a plug-in's values live in its host.
        QString value;
        if (source->getValue(it.key(), value))
            setValue(it.key(), value, false);
    }
    const int common = qMin(children.size(), source->children.size());
    for (int i = 0; i < common; ++i)
        children.at(i)->copyDataFrom(source->children.at(i));
    updateDialog();
    invalidateConfiguration();
    return true;
}

bool RYXObject::startDrag()
{
    RYXConfigurationText::startDrag(*this);
    return true;
}

bool RYXObject::acceptsDragText(const QString &text) const
{
    return RYXConfigurationText::accepts(*this, text);
}

void RYXObject::handleDragEnter(QDragEnterEvent *event)
{
    RYXConfigurationText::dragEnter(*this, event);
}

void RYXObject::handleDrop(QDropEvent *event)
{
    RYXConfigurationText::drop(*this, event);
}

void RYXObject::copySlot()
{
    RYXConfigurationText::copy(*this);
}

void RYXObject::pasteSlot()
{
    RYXConfigurationText::paste(*this);
}

// ---------------------------------------------------------------- points

bool RYXObject::setValue(const QString &key, const QString &value, bool updateUi)
{
    const quint64 revision = database->savedRevision();
    const bool stored = database->SetValue(key, value);
    if (database->savedRevision() != revision)
        noteContentChanged();
    if (stored)
        trackValueProblem(key);
    if (stored && updateUi)
        updateDialog();
    updateNotCurrentBit();
    return stored;
}

bool RYXObject::getValue(const QString &key, QString &value)
{
    return database->GetValue(key, value);
}

bool RYXObject::getDataPoint(const QString &key, DataPoint &point)
{
    return database->GetDataPoint(key, point);
}

bool RYXObject::InsertPoint(const QString &key, int value, quint16 pointNumber, int type)
{
    return database->InsertPoint(key, value, pointNumber, type);
}

bool RYXObject::InsertPoint(const QString &key, const QString &value, quint16 pointNumber,
                            int type, int size)
{
    return database->InsertPoint(key, value, pointNumber, type, size);
}

bool RYXObject::InsertPoint(const QString &key, const QString &value,
                            DataPoint::Attributes attributes, quint16 pointNumber, int size,
                            int type)
{
    return database->InsertPoint(key, value, attributes, pointNumber, size, type);
}

bool RYXObject::InsertPoint(const QString &key, int value, DataPoint::Attributes attributes,
                            quint16 pointNumber, int type)
{
    return database->InsertPoint(key, value, attributes, pointNumber, type);
}

bool RYXObject::InsertPoint(const QString &key, const QString &value,
                            DataPoint::Attributes attributes, quint16 pointNumber, int type)
{
    return database->InsertPoint(key, value, attributes, pointNumber, type);
}

bool RYXObject::SetUntracked(const QString &key)
{
    return database->SetUntracked(key);
}

// ---------------------------------------------------------------- status

void RYXObject::updateNotCurrentBit()
{
    if (modifiedWhileOnline || database->isModified())
        statusFlags |= NotCurrent;
    else
        statusFlags &= ~unsigned(NotCurrent);
}

void RYXObject::markNotCurrent()
{
    if (trackChangesDisabled || !isOnline())
        return;
    modifiedWhileOnline = true;
    statusFlags |= NotCurrent;
}

void RYXObject::markCurrent(const QString &key)
{
    database->MarkCurrent(key);
    if (key.isEmpty())
        modifiedWhileOnline = false;
    updateNotCurrentBit();
}

void RYXObject::setOnline(bool online)
{
    for (RYXObject *child : std::as_const(children))
        child->setOnline(online);
    setStatus(online ? WentOnline : WentOffline);
}

void RYXObject::setStatus(int event)
{
    switch (event) {
    case WentOnline:
        statusFlags |= Online;
        markNotCurrent();
        break;
    case WentOffline:
        statusFlags &= ~unsigned(Online);
        markCurrent(QString());
        break;
    case ConfigurationUploaded:
    case ConfigurationDownloaded:
        markCurrent(QString());
        break;
    case InvalidateTree:
        for (RYXObject *child : std::as_const(children))
            child->setStatus(InvalidateTree);
        markNotCurrent();
        break;
    case Invalidate:
        markNotCurrent();
        break;
    case ClearConfigError:
    case SetConfigError:
        {
            QMutexLocker lock(&m_problemLock);
            m_validationError = event == SetConfigError;
        }
        applyConfigError();
        break;
    case RecomputeChildStatus: {
        unsigned childBits = 0;
        for (RYXObject *child : std::as_const(children)) {
            const unsigned flags = child->getStatusFlags();
            if (flags & (ConfigError | ChildError))
                childBits |= ChildError;
            if (flags & (NotCurrent | ChildNotCurrent))
                childBits |= ChildNotCurrent;
        }
        unsigned flags = statusFlags;
        while (!statusFlags.compare_exchange_weak(flags, (flags & ~unsigned(ChildError | ChildNotCurrent)) | childBits))
            ;
        break;
    }
    default:
        break;
    }
    refreshIndicator();
}

void RYXObject::trackValueProblem(const QString &key)
{
    const QString problem = database->valueProblem(key);
    {
        QMutexLocker lock(&m_problemLock);
        if (problem == m_valueProblems.value(key))
            return;
        if (problem.isEmpty())
            m_valueProblems.remove(key);
        else
            m_valueProblems.insert(key, problem);
    }
    applyConfigError();
    refreshIndicator();
}

void RYXObject::applyConfigError()
{
    QMutexLocker lock(&m_problemLock);
    if (m_validationError || !m_valueProblems.isEmpty())
        statusFlags |= ConfigError;
    else
        statusFlags &= ~unsigned(ConfigError);
}

QStringList RYXObject::valueProblems() const
{
    QMutexLocker lock(&m_problemLock);
    QStringList lines;
    for (const QString &problem : m_valueProblems)
        lines << QStringLiteral("%1, %2").arg(name, problem);
    return lines;
}

QStringList RYXObject::valueProblemsInTree() const
{
    QStringList lines = valueProblems();
    for (const RYXObject *child : children)
        lines += child->valueProblemsInTree();
    return lines;
}

QString RYXObject::configurationErrorText() const
{
    const QStringList problems = valueProblems();
    return problems.isEmpty() ? tr("Error in configuration.") : problems.join(QLatin1Char('\n'));
}

void RYXObject::refreshIndicator()
{
    const unsigned flags = statusFlags;
    if (flags == shownStatusFlags || suppressIndicatorRefresh)
        return;
    if (RYXObject *parentObject = getParentObject())
        parentObject->updateChildStatus();
    RYXEventReceiver *receiver = nullptr;
    if (!getMainWindow(this, receiver))
        return;
    // A station root shows its connection state instead.
    if (!connection)
        QAsyncCustomEvent::post(receiver->eventTarget(),
                                new setTreeItemPixEvent(this, getStatusPixmapName(flags)));
    if (isCurrentTreeItemOrUnknown())
        QAsyncCustomEvent::post(receiver->eventTarget(), new updateUIEnableStateEvent(this));
    shownStatusFlags = flags;
}

// The tree may only be read on the GUI thread; elsewhere the main window
// re-evaluates its actions anyway, which is harmless.
bool RYXObject::isCurrentTreeItemOrUnknown() const
{
    return QThread::currentThread() != thread() || RYXListViewItem::isCurrent(treeItem);
}

void RYXObject::invalidateConfiguration()
{
    for (RYXObject *child : std::as_const(children))
        child->invalidateConfiguration();
    setStatus(Invalidate);
}

void RYXObject::getMenuItemMask(unsigned &mask)
{
    mask = RYXObjectMenu::itemMask(*this);
}

QString RYXObject::getStatusPixmapName(unsigned flags)
{
    if (flags & ConfigError)
        return errorPixmap;
    if (flags & ChildError)
        return childErrorPixmap;
    if (!(flags & Online))
        return offlinePixmap;
    if (flags & NotCurrent)
        return notCurrentPixmap;
    if (flags & ChildNotCurrent)
        return childNotCurrentPixmap;
    return currentPixmap;
}

QPixmap RYXObject::getStatusPixmap(unsigned flags)
{
    return RYXImages::pixmap(getStatusPixmapName(flags));
}

int RYXObject::checkOperation(int op)
{
    if (RYXObject *parentObject = getParentObject())
        return parentObject->checkOperation(op);
    if (connection && connection->getSysManager())
        return connection->getSysManager()->checkOperation(op);
    return 1;
}

bool RYXObject::addToEventBox(int decimals)
{
    RYXEventReceiver *receiver = nullptr;
    bool ok = getMainWindow(this, receiver);
    if (ok)
        QAsyncCustomEvent::post(receiver->eventTarget(), new addToEventBoxEvent(getName()));
    for (RYXObject *child : std::as_const(children))
        ok = child->addToEventBox(decimals) && ok;
    return ok;
}

// Off the object's thread (the connection thread) the refresh is posted to
// the GUI thread, which calls updateDialog() again there.
void RYXObject::updateDialog()
{
    if (!m_dialogProvider)
        return;
    if (QThread::currentThread() != thread()) {
        postUpdateDialog();
        return;
    }
    m_dialogProvider->refresh(this);
}

void RYXObject::setDialogProvider(RYXDialogProvider *provider)
{
    m_dialogProvider.reset(provider);
}

QWidget *RYXObject::propertyDialog() const
{
    return m_dialogProvider ? m_dialogProvider->dialog() : nullptr;
}

// ---------------------------------------------------------- life in the tree

bool RYXObject::initialize(QTreeWidgetItem *parentItem)
{
    attachToTree(parentItem);
    createPopupMenu();
    updateDialog();
    return true;
}

bool RYXObject::createPopupMenu()
{
    if (!m_menu)
        m_menu = std::make_unique<RYXObjectMenu>(this);
    m_menu->rebuild(deletable, deviceClass != 0 || !connection);
    return true;
}

QMenu *RYXObject::getPopupMenu() const
{
    return m_menu ? m_menu->menu() : nullptr;
}

void RYXObject::applyMenuItemMask(unsigned mask)
{
    if (!getPopupMenu())
        createPopupMenu();
    m_menu->applyMask(mask);
}

void RYXObject::showContextMenu(const QPoint &point)
{
    unsigned mask = 0;
    getMenuItemMask(mask);
    applyMenuItemMask(mask);
    getPopupMenu()->exec(point);
}

void RYXObject::attachToTree(QTreeWidgetItem *parentItem)
{
    createTreeItem(parentItem);
    onTreeItemCreated();
    initializeChildren();
}

// Deleting an item deletes the items under it; the objects below must
// forget theirs first.
void RYXObject::forgetTreeItems()
{
    const QList<RYXObject *> below = findChildren<RYXObject *>(Qt::FindDirectChildrenOnly);
    for (RYXObject *child : below) {
        child->forgetTreeItems();
        child->treeItem = nullptr;
    }
}

bool RYXObject::destroyTreeItem()
{
    forgetTreeItems();
    delete treeItem;
    treeItem = nullptr;
    return true;
}

// ------------------------------------------------------ configuration file

void RYXObject::writeXml(QTextStream &stream, int indent)
{
    VELXmlWriter::writeObject(*this, stream, indent);
}

void RYXObject::saveAsSlot()
{
    RYXConfigurationText::saveAs(*this);
}

bool RYXObject::saveToFile(const QString &fileName, QWidget *parent)
{
    if (!RYXConfigurationText::save(*this, fileName, parent))
        return false;
    if (connection) {
        setUnsavedChanges(false);
        postEnableStateRefresh();
    }
    return true;
}

// ------------------------------------------------------- unsaved changes

RYXObject *RYXObject::topLevelObject()
{
    for (RYXObject *at = this; at; at = at->getParentObject()) {
        if (at->connection)
            return at;
    }
    return nullptr;
}

void RYXObject::noteContentChanged()
{
    RYXObject *root = topLevelObject();
    if (root && !root->m_unsavedChanges.exchange(true))
        root->postEnableStateRefresh();
}

void RYXObject::postEnableStateRefresh()
{
    postToMainWindow(new updateUIEnableStateEvent(this));
}

void RYXObject::openSlot()
{
    RYXConfigurationText::open(*this);
}

// ---------------------------------------------------- lookups up the tree

bool RYXObject::getPort(RYXObject *requester, ZEMPPort *&port, unsigned &tunnel)
{
    if (connection) {
        port = connection->getPort();
        return port != nullptr;
    }
    RYXObject *parentObject = getParentObject();
    return parentObject && parentObject->getPort(requester, port, tunnel);
}

RYXConnectionBase *RYXObject::createConnection(QObject *parent)
{
    return new RYXConnectionBase(this, parent);
}

bool RYXObject::hasConnection()
{
    if (connection)
        return true;
    RYXObject *parentObject = getParentObject();
    return parentObject && parentObject->hasConnection();
}

bool RYXObject::getSysManager(RYXObject *requester, RYXSysManager *&sysManager)
{
    if (connection) {
        sysManager = connection->getSysManager();
        return sysManager != nullptr;
    }
    RYXObject *parentObject = getParentObject();
    return parentObject && parentObject->getSysManager(requester, sysManager);
}

bool RYXObject::getConnection(RYXObject *requester, RYXConnectionBase *&found)
{
    if (connection) {
        found = connection;
        return true;
    }
    RYXObject *parentObject = getParentObject();
    return parentObject && parentObject->getConnection(requester, found);
}

bool RYXObject::getMainWindow(RYXObject *requester, RYXEventReceiver *&mainWindow)
{
    if (connection) {
        mainWindow = connection->getEventReceiver();
        return mainWindow != nullptr;
    }
    RYXObject *parentObject = getParentObject();
    return parentObject && parentObject->getMainWindow(requester, mainWindow);
}

// ------------------------------------------------------ device operations

int RYXObject::executeOperation(const QString &op, bool topLevel)
{
    if (op == QLatin1String("upload"))
        return upload(topLevel);
    if (op == QLatin1String("download"))
        return download(topLevel);
    if (op == QLatin1String("synchronize"))
        return synchronize();
    return 0;
}

bool RYXObject::isBeingTransferred()
{
    RYXConnectionBase *link = nullptr;
    RYXObject *target = nullptr;
    if (!getConnection(this, link) || link->pendingOperation(&target).isEmpty() || !target)
        return false;
    const auto descends = [](RYXObject *object, RYXObject *ancestor) {
        for (RYXObject *at = object; at; at = at->getParentObject()) {
            if (at == ancestor)
                return true;
        }
        return false;
    };
    return descends(this, target) || descends(target, this);
}

bool RYXObject::refuseChangeWhileTransferred(QWidget *parent)
{
    if (!isBeingTransferred())
        return false;
    RYXPrompter::information(parent, QStringLiteral("RYX Config"),
                             tr("%1 is being transferred to or from the device. The change "
                                "was not made; make it again when the transfer has ended.")
                                 .arg(getName()));
    return true;
}

bool RYXObject::requestOperation(const QString &op)
{
    RYXConnectionBase *found = nullptr;
    if (!getConnection(this, found))
        return false;
    found->setPendingOperation(this, op);
    return true;
}

bool RYXObject::processUploadedData()
{
    updateDialog();
    return true;
}

// Only the device classes have a device to compare with.
int RYXObject::verifyDevice(ZEMPPort *)
{
    return 0;
}

void RYXObject::deleteSlot()
{
    if (connection) {
        if (RYXSysManager *manager = connection->getSysManager())
            manager->DeleteSlot();
        return;
    }
    if (RYXObject *parentObject = getParentObject())
        parentObject->deleteChild(this);
}

void RYXObject::uploadSlot()
{
    requestOperation(QStringLiteral("upload"));
}

void RYXObject::downloadSlot()
{
    RYXEventReceiver *receiver = nullptr;
    if (getMainWindow(this, receiver) && !receiver->confirmDownload(this))
        return;
    requestOperation(QStringLiteral("download"));
}

QString RYXObject::getPropertiesHtml()
{
    RYXPropertiesHtml html(name, isOnline(), statusFlags);
    if (showDataStatus)
        html.addDataStatus();
    if (isOnline()) {
        if (showFirmwareVersion)
            html.addFirmwareVersion(threePartFirmwareVersion ? getInt(QStringLiteral("synch_newfwversion"))
                                                             : getInt(QStringLiteral("synch_fwversion")),
                                    threePartFirmwareVersion);
        if (showSerialNumber)
            html.addSerialNumber(getInt(QStringLiteral("synch_serialnumber")));
        html.addRows(getExtraPropertiesHtml());
    }
    return html.text();
}

// -------------------------------------------------------------- helpers

bool RYXObject::isFirmwareAtLeast(int major, int minor)
{
    return getInt(QStringLiteral("synch_fwversion")) >= major * 256 + minor;
}

bool RYXObject::postToMainWindow(QAsyncCustomEvent *event)
{
    RYXEventReceiver *receiver = nullptr;
    if (!getMainWindow(this, receiver)) {
        delete event;
        return false;
    }
    QAsyncCustomEvent::post(receiver->eventTarget(), event);
    return true;
}

void RYXObject::postUpdateDialog()
{
    postToMainWindow(new updateDialogEvent(this));
}

void RYXObject::setShowInTree(bool show)
{
    if (show == showInTree)
        return;
    if (show)
        postToMainWindow(new createTreeItemEvent(this, getParentObject(), treeName(), true));
    else
        postToMainWindow(new destroyTreeItemEvent(this));
    showInTree = show;
}

void RYXObject::selectPreviousItem()
{
    RYXListViewItem::selectNeighbour(treeItem, false);
}

void RYXObject::selectNextItem()
{
    RYXListViewItem::selectNeighbour(treeItem, true);
}
