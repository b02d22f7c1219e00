#include "app/RYXConfigWindow.h"

#include "app/AboutDialog.h"
#include "app/HelpSelectorImpl.h"
#include "app/RYXClassTable.h"
#include "app/RYXDocumentTitle.h"
#include "app/RYXDownloadConfirmation.h"
#include "app/RYXEventsBox.h"
#include "app/RYXFileCommands.h"
#include "app/RYXListView.h"
#include "app/RYXProgressDialog.h"
#include "app/RYXRecentFiles.h"
#include "app/RYXScrollView.h"
#include "app/TreeLegendDialog.h"
#include "core/MessageRelay.h"
#include "core/RYXImages.h"
#include "core/RYXPrompter.h"
#include "core/StartupFlags.h"
#include "devices/RYXChildCreator.h"
#include "devices/RYXClassRegistry.h"
#include "dialogs/ConfigBaseDialog.h"
#include "model/RYXConnectionBase.h"
#include "model/RYXListViewItem.h"
#include "model/RYXObject.h"
#include "model/RYXSysManager.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QLocale>
#include <QtCore/QSettings>
#include <QtCore/QLibraryInfo>
#include <QtCore/QTranslator>
#include <QtGui/QCloseEvent>
#include <QtGui/QCursor>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QSplitter>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QToolBar>
#include <QtWidgets/QWhatsThis>

RYXConfigWindow::RYXConfigWindow(QWidget *parent, const QStringList &arguments)
    : QMainWindow(parent)
{
    // Files and pastes can name every class from the start.
    RYXClassTable::registerAll();
    setWindowIcon(RYXImages::icon(QStringLiteral("VEL")));
    statusBar()->setSizeGripEnabled(false);

    buildLayout();
    resize(800, 600);
    m_actions.setup(this);
    m_recentFiles = new RYXRecentFiles(m_actions.fileMenu, this);
    m_fileCommands = std::make_unique<RYXFileCommands>(this, m_listView, m_sysManager, m_recentFiles);
    connect(m_recentFiles, &RYXRecentFiles::openRequested, this,
            [this](const QString &fileName) {
                m_fileCommands->openRecent(fileName);
                updateDocumentTitle();
            });
    restoreWindowSettings();

    MessageRelay *relay = MessageRelay::instance();
    connect(relay, &MessageRelay::DebugMessage, m_eventsBox, &RYXEventsBox::AddEventItem);
    connect(relay, &MessageRelay::DebugMessagex, m_eventsBox, &RYXEventsBox::AddEventItemx);

    applyLanguageFromCommandLine(arguments.isEmpty() ? QCoreApplication::arguments() : arguments);
    resizePropertyPane();
    updateUIEnableState();
}

RYXConfigWindow::~RYXConfigWindow()
{
    saveWindowSettings();
    // Connections and their threads go before the tree they work on.
    delete m_sysManager;
    m_sysManager = nullptr;
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
    }
}

void RYXConfigWindow::buildLayout()
{
    m_verticalSplitter = new QSplitter(Qt::Vertical, this);
    m_horizontalSplitter = new QSplitter(Qt::Horizontal, m_verticalSplitter);
    setCentralWidget(m_verticalSplitter);

    m_eventsBox = new RYXEventsBox(this, m_verticalSplitter);
    connect(m_eventsBox, &RYXEventsBox::DebugMessage, m_eventsBox, &RYXEventsBox::AddEventItem);

    m_listView = new RYXListView(m_horizontalSplitter);
    connect(m_listView, &RYXListView::rightButtonClicked, this, &RYXConfigWindow::RButtonSlot);
    connect(m_listView, &RYXListView::selectionChanged, this, &RYXConfigWindow::selectionChangedSlot);
    connect(m_listView, &RYXListView::clicked, this, &RYXConfigWindow::TreeClickedSlot);
    connect(m_listView, &RYXListView::mouseButtonPressed, this, &RYXConfigWindow::mouseButtonPressed);
    connect(m_listView, &RYXListView::DebugMessage, m_eventsBox, &RYXEventsBox::AddEventItem);

    m_scrollPane = new RYXScrollView(m_horizontalSplitter);
    m_scrollPane->setObjectName(QStringLiteral("scrollPane"));
    m_verticalSplitter->setSizes({400, 200});
    m_horizontalSplitter->setSizes({250, 550});

    m_sysManager = new RYXSysManager(this, m_listView);
    connect(m_sysManager, &RYXSysManager::DebugMessage, m_eventsBox, &RYXEventsBox::AddEventItem);

    m_progress = new RYXProgressDialog(this);
    connect(m_progress, &RYXProgressDialog::cancelled, this, &RYXConfigWindow::ProgCancelledSlot);
}

namespace {

QSettings windowSettings()
{
    return QSettings(QStringLiteral("Velmark"), QStringLiteral("RYX Config"));
}

const QString GeometryKey = QStringLiteral("/MainWindow/Geometry");
const QString VerticalSplitterKey = QStringLiteral("/MainWindow/VerticalSplitter");
const QString HorizontalSplitterKey = QStringLiteral("/MainWindow/HorizontalSplitter");

} // namespace

// The size, place and splitter sizes of the last window that closed; the
// built-in sizes stay when nothing was stored.
void RYXConfigWindow::restoreWindowSettings()
{
    const QSettings store = windowSettings();
    restoreGeometry(store.value(GeometryKey).toByteArray());
    m_verticalSplitter->restoreState(store.value(VerticalSplitterKey).toByteArray());
    m_horizontalSplitter->restoreState(store.value(HorizontalSplitterKey).toByteArray());
}

void RYXConfigWindow::saveWindowSettings() const
{
    QSettings store = windowSettings();
    store.setValue(GeometryKey, saveGeometry());
    store.setValue(VerticalSplitterKey, m_verticalSplitter->saveState());
    store.setValue(HorizontalSplitterKey, m_horizontalSplitter->saveState());
}

void RYXConfigWindow::applyLanguageFromCommandLine(const QStringList &args)
{
    if (!ExtendedMode)
        return;
    int language = -1;
    if (args.size() > 1) {
        for (const QString &arg : args) {
            if (arg == QLatin1String("/spanish"))
                language = 1;
            else if (arg == QLatin1String("/chinese"))
                language = 2;
        }
    }
    if (language >= 0) {
        applyLanguage(language);
        return;
    }
    const QList<QAction *> entries = m_actions.languagesPopup->actions();
    if (!entries.isEmpty())
        entries.first()->setChecked(true);
}

void RYXConfigWindow::applyLanguage(int language)
{
    for (QTranslator *installed : { m_translator, m_qtTranslator }) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    m_translator = new QTranslator(this);
    m_qtTranslator = new QTranslator(this);
    if (m_actions.languagesPopup) {
        const QList<QAction *> entries = m_actions.languagesPopup->actions();
        for (QAction *entry : entries)
            entry->setChecked(entry->data().toInt() == language);
    }
    QString locale;
    QString file;
    switch (language) {
    case 1:
        locale = QStringLiteral("es");
        file = QStringLiteral("RYXConfig_es.qm");
        break;
    case 2:
        locale = QStringLiteral("zh_CN");
        file = QStringLiteral("RYXConfig_zh_CN.qm");
        break;
    default:
        locale = QLocale::system().name();
        file = QStringLiteral("RYXConfig_") + locale;
        break;
    }
    // Qt's own texts (Yes, No, Cancel, the file dialog) in the same language.
    if (m_qtTranslator->load(QStringLiteral("qtbase_") + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(m_qtTranslator);
    // The current directory first, then the folder of the executable.
    // An unloaded translator translates nothing: the English texts stay.
    if (!m_translator->load(file, QStringLiteral("."))
        && !m_translator->load(file, QCoreApplication::applicationDirPath()))
        debugPrint(QStringLiteral("No translation file %1").arg(file));
    QCoreApplication::installTranslator(m_translator);
}

void RYXConfigWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        m_actions.retranslate(this);
        updateDocumentTitle();
    }
    QMainWindow::changeEvent(event);
}

void RYXConfigWindow::closeEvent(QCloseEvent *event)
{
    if (!settleUnsavedBeforeExit()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void RYXConfigWindow::customEvent(QEvent *event)
{
    if (!dispatchEvent(event))
        QMainWindow::customEvent(event);
}

void RYXConfigWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    resizePropertyPane();
}

void RYXConfigWindow::resizePropertyPane()
{
    m_scrollPane->fitToViewport();
}

// --- enable state ---------------------------------------------------------

void RYXConfigWindow::updateUIEnableState()
{
    unsigned mask = 0;
    QTreeWidgetItem *item = m_listView->selectedItem();
    if (item) {
        if (RYXObject *object = RYXListView::objectOf(item))
            object->getMenuItemMask(mask);
        if (!item->parent())
            mask |= EnableSave;
    } else {
        mask = EnableConnect;
        if (m_listView->topLevelItemCount() == 0)
            mask |= EnableUpload;
    }
    applyEnableMask(mask);
    updateDocumentTitle();
}

void RYXConfigWindow::updateDocumentTitle()
{
    if (!m_sysManager)
        return;
    const QString caption = tr("RYX Configuration Program V") + QLatin1String(RYXProgramVersion);
    RYXObject *shown = nullptr;
    if (RYXObject *current = currentObject())
        shown = current->topLevelObject();
    bool unsaved = false;
    for (RYXConnectionBase *connection : m_sysManager->getConnections()) {
        RYXObject *device = connection->getDevice();
        if (!device)
            continue;
        if (!shown)
            shown = device;
        unsaved = unsaved || device->hasUnsavedChanges();
    }
    setWindowTitle(RYXDocumentTitle::compose(caption, shown != nullptr,
                                             shown ? shown->getFileName() : QString(), unsaved));
}

void RYXConfigWindow::applyEnableMask(unsigned mask)
{
    m_enableMask = mask;
    m_actions.applyEnableMask(mask);
}

// --- tree -----------------------------------------------------------------

QTreeWidgetItem *RYXConfigWindow::currentTreeItem() const
{
    return m_listView->currentItem();
}

RYXObject *RYXConfigWindow::currentObject() const
{
    return RYXListView::objectOf(m_listView->currentItem());
}

RYXObject *RYXConfigWindow::selectedObject() const
{
    return RYXListView::objectOf(m_listView->selectedItem());
}

void RYXConfigWindow::selectionChangedSlot(QTreeWidgetItem *item)
{
    QWidget *current = m_scrollPane->currentDialog();
    QWidget *next = nullptr;
    RYXObject *object = RYXListView::objectOf(item);
    if (object) {
        bool reused = false;
        next = object->createDialog(nullptr, current, &reused);
        if (reused) {
            updateUIEnableState();
            return;
        }
    }
    if (!next)
        next = new QDialog;
    next->setObjectName(QStringLiteral("PropDialog"));
    // The old dialog may be the sender of this change (its Next button):
    // it goes once control is back in the event loop, out of sight now.
    if (current && current != next) {
        current->hide();
        current->deleteLater();
    }
    m_scrollPane->setDialog(next);
    resizePropertyPane();
    updateUIEnableState();
}

void RYXConfigWindow::ProgCancelledSlot()
{
    m_sysManager->setCancelRequested(true);
}

void RYXConfigWindow::RButtonSlot(QTreeWidgetItem *item, const QPoint &point, int)
{
    if (item) {
        if (RYXObject *object = RYXListView::objectOf(item))
            object->showContextMenu(point);
        return;
    }
    m_actions.treePopup->exec(point);
}

void RYXConfigWindow::mouseButtonPressed(int button, QTreeWidgetItem *item, const QPoint &, int)
{
    if (button != Qt::LeftButton || item)
        return;
    m_listView->clearSelection();
    m_listView->setCurrentItem(nullptr);
    updateUIEnableState();
}

void RYXConfigWindow::TreeClickedSlot(QTreeWidgetItem *)
{
}

// --- file -----------------------------------------------------------------

void RYXConfigWindow::NewSlot()
{
    m_actions.newIMPopup->exec(QCursor::pos());
}

void RYXConfigWindow::OpenSlot()
{
    m_fileCommands->open();
    updateDocumentTitle();
}

void RYXConfigWindow::SaveSlot()
{
    m_fileCommands->save();
    updateDocumentTitle();
}

void RYXConfigWindow::SaveAsSlot()
{
    m_fileCommands->saveAs();
    updateDocumentTitle();
}

// With unsaved changes the question is whether to save them; with none the
// program asks whether to exit at all.
void RYXConfigWindow::exitSlot()
{
    if (m_fileCommands->unsavedRoots().isEmpty()) {
        if (RYXPrompter::warningYesNo(this, QStringLiteral("RYX Config"),
                                      tr("Are you sure you would like to exit RYXConfig?")))
            quitApplication(0);
        return;
    }
    if (settleUnsavedBeforeExit())
        quitApplication(0);
    updateDocumentTitle();
}

bool RYXConfigWindow::settleUnsavedBeforeExit()
{
    const QList<RYXObject *> unsaved = m_fileCommands->unsavedRoots();
    QStringList names;
    for (RYXObject *root : unsaved)
        names << (root->getFileName().isEmpty() ? root->getName()
                                                 : root->getName() + QStringLiteral(" (")
                                                           + QFileInfo(root->getFileName()).fileName()
                                                           + QLatin1Char(')'));
    return m_fileCommands->settleUnsaved(
            unsaved, tr("These devices have changes that are not saved: %1.\n\nSave them before exiting?")
                             .arg(names.join(QStringLiteral(", "))));
}

void RYXConfigWindow::quitApplication(int exitCode)
{
    QCoreApplication::exit(exitCode);
}

// --- edit -----------------------------------------------------------------

void RYXConfigWindow::copySlot()
{
    if (RYXObject *object = selectedObject())
        object->copySlot();
}

void RYXConfigWindow::pasteSlot()
{
    if (RYXObject *object = selectedObject())
        object->pasteSlot();
}

void RYXConfigWindow::deleteSlot()
{
    if (RYXObject *object = selectedObject())
        object->deleteSlot();
}

void RYXConfigWindow::addModuleSlot()
{
    m_actions.addModulePopup->exec(QCursor::pos());
}

RYXObject *RYXConfigWindow::createModule(int id)
{
    return RYXChildCreator::createMenuModule(id);
}

void RYXConfigWindow::addModulePopupMenuActivatedSlot(int id)
{
    QTreeWidgetItem *item = m_listView->selectedItem();
    RYXObject *station = RYXListView::objectOf(item);
    if (!station || !station->inherits("RYXInterfaceModule"))
        return;
    // Only the kinds this menu offers (not the four-relay module of File > New).
    const RYXClassInfo *row = RYXClassRegistry::findKind(RYXObjectFactory::ModuleLevel, id);
    RYXObject *module = row && row->isOffered(RYXClassInfo::AddModuleMenu, ExtendedMode) ? createModule(id) : nullptr;
    if (!module)
        return;
    if (RYXChildCreator::addModule(station, module))
        item->setExpanded(true);
    updateUIEnableState();
}

// --- interface module popups ----------------------------------------------

RYXObject *RYXConfigWindow::createInterfaceModule(int id)
{
    return RYXClassRegistry::createInterfaceModule(id);
}

void RYXConfigWindow::addCreatedRoot(RYXObject *object)
{
    if (object)
        addRootObject(object);
}

void RYXConfigWindow::newInterfaceModulePopupMenuActivatedSlot(int id)
{
    addCreatedRoot(createInterfaceModule(id));
}

void RYXConfigWindow::startConnection(RYXObject *object, bool upload)
{
    RYXConnectionBase *connection = nullptr;
    if (object && object->getConnection(nullptr, connection) && connection)
        connection->connectSlot(upload);
}

void RYXConfigWindow::connectInterfaceModulePopupMenuActivatedSlot(int id)
{
    RYXObject *object = createInterfaceModule(id);
    addCreatedRoot(object);
    startConnection(object, false);
}

void RYXConfigWindow::uploadInterfaceModulePopupMenuActivatedSlot(int id)
{
    RYXObject *object = createInterfaceModule(id);
    addCreatedRoot(object);
    startConnection(object, true);
}

void RYXConfigWindow::addRootObject(RYXObject *object)
{
    setFocus();
    m_sysManager->addRootObject(object);
}

void RYXConfigWindow::setupLanguageActivatedSlot(int id)
{
    applyLanguage(id);
}

// --- communications -------------------------------------------------------

void RYXConfigWindow::GoOnlineSlot()
{
    doConnect(false);
}

void RYXConfigWindow::doConnect(bool upload)
{
    RYXObject *object = selectedObject();
    if (!object) {
        m_actions.connectIMPopup->exec(QCursor::pos());
        return;
    }
    startConnection(object, upload);
}

void RYXConfigWindow::GoOfflineSlot()
{
    RYXConnectionBase *connection = nullptr;
    RYXObject *object = currentObject();
    if (object && object->getConnection(nullptr, connection) && connection)
        connection->disconnectSlot();
}

void RYXConfigWindow::ConfigureCommsSlot()
{
    RYXConnectionBase *connection = nullptr;
    RYXObject *object = currentObject();
    if (object && object->getConnection(nullptr, connection) && connection)
        connection->configureCommsSlot();
}

void RYXConfigWindow::UploadSlot()
{
    if (RYXObject *object = currentObject()) {
        object->requestOperation(QStringLiteral("upload"));
        return;
    }
    m_actions.uploadIMPopup->exec(QCursor::pos());
}

void RYXConfigWindow::DownloadSlot()
{
    if (RYXObject *object = currentObject()) {
        if (!confirmDownload(object))
            return;
        setFocus();
        object->requestOperation(QStringLiteral("download"));
    }
}

void RYXConfigWindow::synchronizeSlot()
{
    if (RYXObject *object = currentObject()) {
        setFocus();
        object->requestOperation(QStringLiteral("synchronize"));
    }
}

// --- help -----------------------------------------------------------------

void RYXConfigWindow::HelpSlot()
{
    HelpSelectorImpl chooser(this);
    chooser.exec();
}

void RYXConfigWindow::aboutSlot()
{
    AboutDialog about(this);
    about.exec();
}

void RYXConfigWindow::treeLegendSlot()
{
    TreeLegendDialog legend(this);
    legend.exec();
}

// --- object creation slots ------------------------------------------------

void RYXConfigWindow::AddMIMSlot() { addCreatedRoot(createInterfaceModule(RYXClassRegistry::IdMIM)); }
void RYXConfigWindow::AddCPSSlot() { addCreatedRoot(createInterfaceModule(RYXClassRegistry::IdCPS)); }
void RYXConfigWindow::AddEIMSlot() { addCreatedRoot(createInterfaceModule(RYXClassRegistry::IdEIM)); }
void RYXConfigWindow::AddEMMSlot() { addCreatedRoot(createInterfaceModule(RYXClassRegistry::IdEMM)); }
void RYXConfigWindow::AddMTPatcherSlot() { addCreatedRoot(createInterfaceModule(RYXClassRegistry::IdMTPatcher)); }
void RYXConfigWindow::AddMODBUSNetworkSlot()
{
    addCreatedRoot(createInterfaceModule(RYXClassRegistry::IdMODBUSNetwork));
}
void RYXConfigWindow::AddTIMSlot() { addCreatedRoot(createModule(RYXClassRegistry::KindTIM)); }
void RYXConfigWindow::AddCIMASlot() { addCreatedRoot(createModule(RYXClassRegistry::KindCIMA)); }
void RYXConfigWindow::AddCIMBSlot() { addCreatedRoot(createModule(RYXClassRegistry::KindCIMB)); }
void RYXConfigWindow::AddCIMCSlot() { addCreatedRoot(createModule(RYXClassRegistry::KindCIMC)); }
void RYXConfigWindow::AddAIMSlot() { addCreatedRoot(createModule(RYXClassRegistry::KindAIM)); }
void RYXConfigWindow::AddAOMSlot() { addCreatedRoot(createModule(RYXClassRegistry::KindAOM)); }
void RYXConfigWindow::AddROMSlot() { addCreatedRoot(createModule(RYXClassRegistry::KindROM)); }
void RYXConfigWindow::AddROM8Slot() { addCreatedRoot(createModule(RYXClassRegistry::KindROM8)); }
void RYXConfigWindow::AddDIMCCSlot() { addCreatedRoot(createModule(RYXClassRegistry::KindDIMCC)); }
void RYXConfigWindow::AddDIMVLSlot() { addCreatedRoot(createModule(RYXClassRegistry::KindDIMVL)); }
void RYXConfigWindow::AddDIMVHSlot() { addCreatedRoot(createModule(RYXClassRegistry::KindDIMVH)); }
void RYXConfigWindow::AddUndeterminedSlot() { addCreatedRoot(createModule(RYXClassRegistry::KindUndetermined)); }
// Single channels are created by the channel classes when they are built.
void RYXConfigWindow::AddTISlot() {}
void RYXConfigWindow::AddAISlot() {}
void RYXConfigWindow::AddAOSlot() {}

void RYXConfigWindow::NotImplSlot()
{
    RYXPrompter::instance()->message(QMessageBox::Information, this, tr("Warning"),
                                     tr("This feature is not implemented."), QMessageBox::Ok,
                                     QMessageBox::Ok, QMessageBox::NoButton);
}

// --- event receiver -------------------------------------------------------

void RYXConfigWindow::createTreeItem(RYXObject *object, RYXObject *parentObject,
                                     const QString &text, bool enabled)
{
    QTreeWidgetItem *parentItem = parentObject ? parentObject->getTreeItem() : nullptr;
    // An object shown before its parent is in the tree gets its item with
    // its parent's; one that has an item keeps it.
    if ((parentObject && !parentItem) || object->getTreeItem())
        return;
    RYXListViewItem *item = parentItem ? new RYXListViewItem(object, parentItem, text)
                                       : new RYXListViewItem(object, m_listView, text);
    item->setDisabled(!enabled);
    object->setTreeItem(item);
}

void RYXConfigWindow::destroyTreeItem(RYXObject *object)
{
    // The object forgets the items of its whole subtree before they go.
    object->destroyTreeItem();
}

void RYXConfigWindow::setTreeItemPixmap(RYXObject *object, const QString &pixmapName)
{
    if (RYXListViewItem *item = object->getTreeItem())
        item->setIcon(0, RYXImages::icon(pixmapName));
}

void RYXConfigWindow::setTreeItemText(RYXObject *object, const QString &text)
{
    if (RYXListViewItem *item = object->getTreeItem())
        item->setText(0, text);
}

void RYXConfigWindow::updateDialog(RYXObject *object)
{
    if (object) {
        object->updateDialog();
        return;
    }
    if (auto *dialog = qobject_cast<ConfigBaseDialog *>(m_scrollPane->currentDialog()))
        dialog->requestUpdate();
}

void RYXConfigWindow::addEventLogLine(const QString &text)
{
    m_eventsBox->appendLine(text);
}

void RYXConfigWindow::showProgress(int mode, int ownerId)
{
    m_progress->showProgress(mode, ownerId);
    raiseProgress();
}

// A closed message box gives the focus back to the window, which would
// then cover the operation's progress.
void RYXConfigWindow::raiseProgress()
{
    if (!m_progress->isVisible())
        return;
    m_progress->raise();
    m_progress->activateWindow();
}

void RYXConfigWindow::setProgressTitle(const QString &text)
{
    m_progress->setProgressTitle(text);
}

void RYXConfigWindow::setProgressStep(int step)
{
    m_progress->setProgressStep(step);
}

void RYXConfigWindow::setProgressStepCount(int count)
{
    m_progress->setProgressStepCount(count);
}

void RYXConfigWindow::addProgressResult(const QString &iconName, const QString &text)
{
    m_progress->addProgressResult(iconName, text);
}

void RYXConfigWindow::showWarningMessage(const QString &text)
{
    RYXPrompter::information(this, tr("Warning"), text);
    raiseProgress();
}

bool RYXConfigWindow::confirmDownload(RYXObject *object)
{
    return RYXDownloadConfirmation::ask(this, object);
}

namespace {
// A box's text with the cause of its failure under it.
QString withCause(const QString &text, const QString &cause)
{
    return cause.isEmpty() ? text : text + QStringLiteral("\n\n") + cause;
}
} // namespace

void RYXConfigWindow::showFailureMessage(const QString &text, const QString &cause)
{
    showWarningMessage(withCause(text, cause));
}

int RYXConfigWindow::retryAfterSeekFailure(const QString &cause)
{
    const bool retry = RYXPrompter::warningYesNo(
        this, QStringLiteral("RYX Config"),
        withCause(tr("Connect failed because:\n\nCommunications timed out.\n\nWould you like to retry?"),
                  cause));
    raiseProgress();
    return retry ? 1 : 0;
}
