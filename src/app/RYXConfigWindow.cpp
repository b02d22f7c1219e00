#include "app/RYXConfigWindow.h"

#include "app/AboutDialog.h"
#include "app/HelpSelectorImpl.h"
#include "app/RYXClassTable.h"
#include "app/RYXEventsBox.h"
#include "app/RYXFileCommands.h"
#include "app/RYXListView.h"
#include "app/RYXProgressDialog.h"
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
#include <QtCore/QLocale>
#include <QtCore/QTranslator>
#include <QtGui/QCursor>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QSplitter>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QToolBar>
#include <QtWidgets/QWhatsThis>

namespace {

// One row of the action table. Texts marked for translation are looked up
// in the "RYXConfigWindow" context; the others stay as written.
struct ActionSpec
{
    QAction *RYXConfigWindow::*member;
    const char *objectName;
    const char *text;
    const char *menuText;
    const char *accel;
    const char *icon;
    bool translated;
};

// Shared accelerators of the original table are given to one action each
// (New: Ctrl+N, Save As: Ctrl+A, Configure Comms: Ctrl+G); Save, About,
// the legend and Print Setup have none.
const ActionSpec actionTable[] = {
    {nullptr, "new", QT_TRANSLATE_NOOP("RYXConfigWindow", "New"), QT_TRANSLATE_NOOP("RYXConfigWindow", "&New"), "Ctrl+N", "New", true},
    {nullptr, "open", QT_TRANSLATE_NOOP("RYXConfigWindow", "Open"), QT_TRANSLATE_NOOP("RYXConfigWindow", "&Open"), "Ctrl+O", "Open", true},
    {nullptr, "close", QT_TRANSLATE_NOOP("RYXConfigWindow", "Close"), QT_TRANSLATE_NOOP("RYXConfigWindow", "&Close"), "Ctrl+L", "Close", true},
    {nullptr, "save", QT_TRANSLATE_NOOP("RYXConfigWindow", "Save"), QT_TRANSLATE_NOOP("RYXConfigWindow", "&Save"), "", "Save", true},
    {nullptr, "save as", QT_TRANSLATE_NOOP("RYXConfigWindow", "SaveAs"), QT_TRANSLATE_NOOP("RYXConfigWindow", "&Save As"), "Ctrl+A", "SaveAs", true},
    {nullptr, "print", QT_TRANSLATE_NOOP("RYXConfigWindow", "Print"), QT_TRANSLATE_NOOP("RYXConfigWindow", "&Print"), "Ctrl+P", "Print", true},
    {nullptr, "print setup", QT_TRANSLATE_NOOP("RYXConfigWindow", "Print Setup"), QT_TRANSLATE_NOOP("RYXConfigWindow", "Print Setup"), "", "Print Setup", true},
    {nullptr, "print preview", QT_TRANSLATE_NOOP("RYXConfigWindow", "Print Preview"), QT_TRANSLATE_NOOP("RYXConfigWindow", "Print Pre&view"), "Ctrl+V", "Print Preview", true},
    {nullptr, "exit", QT_TRANSLATE_NOOP("RYXConfigWindow", "Exit"), QT_TRANSLATE_NOOP("RYXConfigWindow", "E&xit"), "Ctrl+X", "Exit", true},
    {nullptr, "copy", QT_TRANSLATE_NOOP("RYXConfigWindow", "Copy"), QT_TRANSLATE_NOOP("RYXConfigWindow", "Copy"), "", "Copy", true},
    {nullptr, "paste", QT_TRANSLATE_NOOP("RYXConfigWindow", "Paste"), QT_TRANSLATE_NOOP("RYXConfigWindow", "Paste"), "", "Paste", true},
    {nullptr, "delete", QT_TRANSLATE_NOOP("RYXConfigWindow", "Delete"), QT_TRANSLATE_NOOP("RYXConfigWindow", "Delete"), "", "Delete", true},
    {nullptr, "addmodule", QT_TRANSLATE_NOOP("RYXConfigWindow", "Add module..."), QT_TRANSLATE_NOOP("RYXConfigWindow", "Add Module..."), "", "Add", true},
    {nullptr, "connect", "Connect", "&Connect", "Ctrl+C", "Connect", false},
    {nullptr, "disconnect", "Disconnect", "&Disconnect", "Ctrl+F", "GoOffline", false},
    {nullptr, "configure comms", "Configure Comms", "Confi&gure Comms", "Ctrl+G", "ConfigComms", false},
    {nullptr, "upload", "Upload from device", "&Upload", "Ctrl+U", "Upload", false},
    {nullptr, "download", "Download to device", "&Download", "Ctrl+D", "Download", false},
    {nullptr, "synchronize", "Synchronize", "&Synchronize", "Ctrl+S", "Synchronize", false},
    {nullptr, "help", "Help", "&Help", "Ctrl+H", "Question", false},
    {nullptr, "about", "About RYXConfig", "&About", "", "About", false},
    {nullptr, "treelegend", "", QT_TRANSLATE_NOOP("RYXConfigWindow", "Tree Indicators Legend"), "", "treeLegend", true},
};

// Connects the triggered action of a popup to a slot taking the entry's id.
template <typename Slot>
void connectIdMenu(QMenu *menu, RYXConfigWindow *window, Slot slot)
{
    QObject::connect(menu, &QMenu::triggered, window,
                     [window, slot](QAction *action) { (window->*slot)(action->data().toInt()); });
}

QAction *addIdEntry(QMenu *menu, const QString &text, int id)
{
    QAction *action = menu->addAction(text);
    action->setData(id);
    return action;
}

} // namespace

RYXConfigWindow::RYXConfigWindow(QWidget *parent, const QStringList &arguments)
    : QMainWindow(parent)
{
    // Files and pastes can name every class from the start.
    RYXClassTable::registerAll();
    setWindowTitle(tr("RYX Configuration Program V") + QLatin1String(RYXProgramVersion));
    setWindowIcon(RYXImages::icon(QStringLiteral("VEL")));
    statusBar()->setSizeGripEnabled(false);

    buildLayout();
    resize(800, 600);
    createActions();
    createToolBar();
    createInterfaceModulePopups();
    createMenuBar();
    createTreePopup();

    MessageRelay *relay = MessageRelay::instance();
    connect(relay, &MessageRelay::DebugMessage, m_eventsBox, &RYXEventsBox::AddEventItem);
    connect(relay, &MessageRelay::DebugMessagex, m_eventsBox, &RYXEventsBox::AddEventItemx);

    applyLanguageFromCommandLine(arguments.isEmpty() ? QCoreApplication::arguments() : arguments);
    resizePropertyPane();
    updateUIEnableState();
}

RYXConfigWindow::~RYXConfigWindow()
{
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

    m_fileCommands = std::make_unique<RYXFileCommands>(this, m_listView, m_sysManager);
}

void RYXConfigWindow::createActions()
{
    QAction **members[] = {
        &m_newAction, &m_openAction, &m_closeAction, &m_saveAction, &m_saveAsAction,
        &m_printAction, &m_printSetupAction, &m_printPreviewAction, &m_exitAction,
        &m_copyAction, &m_pasteAction, &m_deleteAction, &m_addModuleAction,
        &m_connectAction, &m_disconnectAction, &m_configureCommsAction, &m_uploadAction,
        &m_downloadAction, &m_synchronizeAction, &m_helpAction, &m_aboutAction,
        &m_treeLegendAction,
    };
    static_assert(sizeof(members) / sizeof(members[0]) == sizeof(actionTable) / sizeof(actionTable[0]),
                  "one member per action");
    for (size_t i = 0; i < sizeof(actionTable) / sizeof(actionTable[0]); ++i) {
        const ActionSpec &entry = actionTable[i];
        auto *action = new QAction(this);
        action->setObjectName(QLatin1String(entry.objectName));
        action->setIcon(RYXImages::icon(QLatin1String(entry.icon)));
        if (*entry.accel)
            action->setShortcut(QKeySequence(QLatin1String(entry.accel)));
        // Actions in no menu or tool bar still answer their keys.
        addAction(action);
        *members[i] = action;
    }
    retranslateUi();

    connect(m_newAction, &QAction::triggered, this, &RYXConfigWindow::NewSlot);
    connect(m_openAction, &QAction::triggered, this, &RYXConfigWindow::OpenSlot);
    connect(m_closeAction, &QAction::triggered, this, &RYXConfigWindow::NotImplSlot);
    connect(m_saveAction, &QAction::triggered, this, &RYXConfigWindow::SaveSlot);
    connect(m_saveAsAction, &QAction::triggered, this, &RYXConfigWindow::SaveAsSlot);
    connect(m_printAction, &QAction::triggered, this, &RYXConfigWindow::NotImplSlot);
    connect(m_printSetupAction, &QAction::triggered, this, &RYXConfigWindow::NotImplSlot);
    connect(m_printPreviewAction, &QAction::triggered, this, &RYXConfigWindow::NotImplSlot);
    connect(m_exitAction, &QAction::triggered, this, &RYXConfigWindow::exitSlot);
    connect(m_copyAction, &QAction::triggered, this, &RYXConfigWindow::copySlot);
    connect(m_pasteAction, &QAction::triggered, this, &RYXConfigWindow::pasteSlot);
    connect(m_deleteAction, &QAction::triggered, this, &RYXConfigWindow::deleteSlot);
    connect(m_addModuleAction, &QAction::triggered, this, &RYXConfigWindow::addModuleSlot);
    connect(m_connectAction, &QAction::triggered, this, &RYXConfigWindow::GoOnlineSlot);
    connect(m_disconnectAction, &QAction::triggered, this, &RYXConfigWindow::GoOfflineSlot);
    connect(m_configureCommsAction, &QAction::triggered, this, &RYXConfigWindow::ConfigureCommsSlot);
    connect(m_uploadAction, &QAction::triggered, this, &RYXConfigWindow::UploadSlot);
    connect(m_downloadAction, &QAction::triggered, this, &RYXConfigWindow::DownloadSlot);
    connect(m_synchronizeAction, &QAction::triggered, this, &RYXConfigWindow::synchronizeSlot);
    connect(m_helpAction, &QAction::triggered, this, &RYXConfigWindow::HelpSlot);
    connect(m_aboutAction, &QAction::triggered, this, &RYXConfigWindow::aboutSlot);
    connect(m_treeLegendAction, &QAction::triggered, this, &RYXConfigWindow::treeLegendSlot);
}

void RYXConfigWindow::retranslateUi()
{
    setWindowTitle(tr("RYX Configuration Program V") + QLatin1String(RYXProgramVersion));
    for (const ActionSpec &entry : actionTable) {
        QAction *action = findChild<QAction *>(QLatin1String(entry.objectName), Qt::FindDirectChildrenOnly);
        if (!action)
            continue;
        const QString text = entry.translated ? tr(entry.text) : QString::fromLatin1(entry.text);
        const QString menuText = entry.translated ? tr(entry.menuText) : QString::fromLatin1(entry.menuText);
        action->setText(menuText);
        action->setIconText(text);
        action->setToolTip(text);
    }
    if (m_fileMenu) {
        m_fileMenu->setTitle(tr("&File"));
        m_newMenu->setTitle(tr("New"));
        m_editMenu->setTitle(tr("&Edit"));
        m_addModuleMenuAction->setText(tr("Add Module"));
        m_commsMenu->setTitle(tr("&Communications"));
        m_helpMenu->setTitle(tr("&Help"));
    }
    if (m_settingsMenu) {
        m_settingsMenu->setTitle(tr("Settings"));
        m_languagesPopup->setTitle(tr("Languages"));
        const QList<QAction *> languages = m_languagesPopup->actions();
        const char *names[] = {QT_TR_NOOP("English"), QT_TR_NOOP("Spanish"), QT_TR_NOOP("Chinese")};
        for (int i = 0; i < languages.size() && i < 3; ++i)
            languages[i]->setText(tr(names[i]));
    }
}

void RYXConfigWindow::createToolBar()
{
    QToolBar *toolBar = addToolBar(tr("File"));
    toolBar->setObjectName(QStringLiteral("File"));
    toolBar->addAction(m_newAction);
    toolBar->addAction(m_openAction);
    toolBar->addAction(m_saveAction);
    toolBar->addSeparator();
    toolBar->addAction(m_connectAction);
    toolBar->addAction(m_disconnectAction);
    toolBar->addAction(m_configureCommsAction);
    toolBar->addAction(m_uploadAction);
    toolBar->addAction(m_downloadAction);
    toolBar->addSeparator();
    QAction *whatsThis = QWhatsThis::createAction(toolBar);
    whatsThis->setObjectName(QStringLiteral("whatsThis"));
    toolBar->addAction(whatsThis);
}

QMenu *RYXConfigWindow::createInterfaceModulePopup(RYXClassInfo::Menu list)
{
    auto *menu = new QMenu(tr("Interface Module"), this);
    for (const RYXClassInfo *row : RYXClassRegistry::classes()) {
        if (RYXClassRegistry::isInterfaceModule(*row) && row->isOffered(list, ExtendedMode))
            addIdEntry(menu, QLatin1String(row->menuText), row->kind);
    }
    return menu;
}

void RYXConfigWindow::createInterfaceModulePopups()
{
    m_newIMPopup = createInterfaceModulePopup(RYXClassInfo::NewMenu);
    m_newIMPopup->setObjectName(QStringLiteral("newInterfaceModulePopup"));
    connectIdMenu(m_newIMPopup, this, &RYXConfigWindow::newInterfaceModulePopupMenuActivatedSlot);
    m_connectIMPopup = createInterfaceModulePopup(RYXClassInfo::ConnectMenu);
    m_connectIMPopup->setObjectName(QStringLiteral("connectInterfaceModulePopup"));
    connectIdMenu(m_connectIMPopup, this, &RYXConfigWindow::connectInterfaceModulePopupMenuActivatedSlot);
    m_uploadIMPopup = createInterfaceModulePopup(RYXClassInfo::UploadMenu);
    m_uploadIMPopup->setObjectName(QStringLiteral("uploadInterfaceModulePopup"));
    connectIdMenu(m_uploadIMPopup, this, &RYXConfigWindow::uploadInterfaceModulePopupMenuActivatedSlot);
}

QMenu *RYXConfigWindow::createIOModuleMenu(QWidget *parent)
{
    auto *menu = new QMenu(tr("I/O Module"), parent);
    for (const RYXClassInfo *row : RYXClassRegistry::classes()) {
        if (row->level != RYXObjectFactory::ModuleLevel || !row->isOffered(RYXClassInfo::NewMenu, ExtendedMode))
            continue;
        const int kind = row->kind;
        menu->addAction(QLatin1String(row->menuText), this, [this, kind] { addCreatedRoot(createModule(kind)); });
    }
    return menu;
}

QMenu *RYXConfigWindow::createChannelMenu(QWidget *parent)
{
    auto *menu = new QMenu(tr("Channel"), parent);
    menu->addAction(QStringLiteral("TI Channel"), this, &RYXConfigWindow::AddTISlot);
    menu->addAction(QStringLiteral("AI Channel"), this, &RYXConfigWindow::AddAISlot);
    menu->addAction(QStringLiteral("AO Channel"), this, &RYXConfigWindow::AddAOSlot);
    return menu;
}

void RYXConfigWindow::fillNewMenu(QMenu *menu, QMenu *interfaceModuleMenu)
{
    menu->addMenu(interfaceModuleMenu);
    menu->addMenu(createIOModuleMenu(menu));
    menu->addMenu(createChannelMenu(menu));
}

void RYXConfigWindow::createMenuBar()
{
    m_fileMenu = menuBar()->addMenu(tr("&File"));
    m_newMenu = m_fileMenu->addMenu(tr("New"));
    fillNewMenu(m_newMenu, m_newIMPopup);
    m_fileMenu->addAction(m_openAction);
    m_fileMenu->addSeparator();
    m_fileMenu->addAction(m_saveAction);
    m_fileMenu->addAction(m_saveAsAction);

    m_editMenu = menuBar()->addMenu(tr("&Edit"));
    m_editMenu->addAction(m_copyAction);
    m_editMenu->addAction(m_pasteAction);
    m_editMenu->addAction(m_deleteAction);
    m_addModulePopup = new QMenu(tr("Add Module"), this);
    m_addModulePopup->setObjectName(QStringLiteral("addModulePopup"));
    for (const RYXClassInfo *row : RYXClassRegistry::classes()) {
        if (row->level == RYXObjectFactory::ModuleLevel && row->isOffered(RYXClassInfo::AddModuleMenu, ExtendedMode))
            addIdEntry(m_addModulePopup, QLatin1String(row->menuText), row->kind);
    }
    connectIdMenu(m_addModulePopup, this, &RYXConfigWindow::addModulePopupMenuActivatedSlot);
    m_addModuleMenuAction = m_editMenu->addMenu(m_addModulePopup);
    m_addModuleMenuAction->setData(int(AddModuleMenuId));

    if (ExtendedMode) {
        m_settingsMenu = menuBar()->addMenu(tr("Settings"));
        m_languagesPopup = m_settingsMenu->addMenu(tr("Languages"));
        m_languagesPopup->setObjectName(QStringLiteral("languagesPopup"));
        const char *names[] = {QT_TR_NOOP("English"), QT_TR_NOOP("Spanish"), QT_TR_NOOP("Chinese")};
        for (int id = 0; id < 3; ++id)
            addIdEntry(m_languagesPopup, tr(names[id]), id)->setCheckable(true);
        connectIdMenu(m_languagesPopup, this, &RYXConfigWindow::setupLanguageActivatedSlot);
    }

    m_commsMenu = menuBar()->addMenu(tr("&Communications"));
    m_commsMenu->addAction(m_connectAction);
    m_commsMenu->addAction(m_disconnectAction);
    m_commsMenu->addAction(m_configureCommsAction);
    m_commsMenu->addSeparator();
    m_commsMenu->addAction(m_uploadAction);
    m_commsMenu->addAction(m_downloadAction);
    m_commsMenu->addAction(m_synchronizeAction);

    m_helpMenu = menuBar()->addMenu(tr("&Help"));
    m_helpMenu->addAction(m_helpAction);
    m_helpMenu->addAction(m_aboutAction);
    m_helpMenu->addAction(m_treeLegendAction);
}

void RYXConfigWindow::createTreePopup()
{
    m_treePopup = new QMenu(this);
    m_treePopup->setObjectName(QStringLiteral("treePopup"));
    QMenu *newMenu = m_treePopup->addMenu(tr("New"));
    QMenu *interfaceModules = createInterfaceModulePopup(RYXClassInfo::TreePopupMenu);
    interfaceModules->setParent(newMenu, interfaceModules->windowFlags());
    connectIdMenu(interfaceModules, this, &RYXConfigWindow::newInterfaceModulePopupMenuActivatedSlot);
    fillNewMenu(newMenu, interfaceModules);
    m_treePopup->addSeparator();
    m_treePopup->addAction(m_openAction);
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
    const QList<QAction *> entries = m_languagesPopup->actions();
    if (!entries.isEmpty())
        entries.first()->setChecked(true);
}

void RYXConfigWindow::applyLanguage(int language)
{
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
    }
    m_translator = new QTranslator(this);
    if (m_languagesPopup) {
        const QList<QAction *> entries = m_languagesPopup->actions();
        for (QAction *entry : entries)
            entry->setChecked(entry->data().toInt() == language);
    }
    QString file;
    switch (language) {
    case 1:
        file = QStringLiteral("RYXConfig_es.qm");
        break;
    case 2:
        file = QStringLiteral("RYXConfig_zh_CN.qm");
        break;
    default:
        file = QStringLiteral("RYXConfig_") + QLocale::system().name();
        break;
    }
    // The current directory first, then the folder of the executable.
    // An unloaded translator translates nothing: the English texts stay.
    if (!m_translator->load(file, QStringLiteral("."))
        && !m_translator->load(file, QCoreApplication::applicationDirPath()))
        debugPrint(QStringLiteral("No translation file %1").arg(file));
    QCoreApplication::installTranslator(m_translator);
}

void RYXConfigWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QMainWindow::changeEvent(event);
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
}

void RYXConfigWindow::applyEnableMask(unsigned mask)
{
    m_enableMask = mask;
    m_connectAction->setEnabled(mask & EnableConnect);
    m_disconnectAction->setEnabled(mask & EnableDisconnect);
    m_uploadAction->setEnabled(mask & EnableUpload);
    m_downloadAction->setEnabled(mask & EnableDownload);
    m_saveAsAction->setEnabled(mask & EnableSaveAs);
    m_saveAction->setEnabled(mask & EnableSave);
    m_printPreviewAction->setEnabled(mask & EnablePrintPreview);
    m_printAction->setEnabled(mask & EnablePrint);
    m_copyAction->setEnabled(mask & EnableCopy);
    m_pasteAction->setEnabled(mask & EnablePaste);
    m_deleteAction->setEnabled(mask & EnableDelete);
    m_addModuleMenuAction->setEnabled(mask & EnableAddModule);
    m_addModulePopup->setEnabled(mask & EnableAddModule);
    m_configureCommsAction->setEnabled(mask & EnableConfigureComms);
    m_synchronizeAction->setEnabled((mask & 0xFFu) != 0);
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
    m_treePopup->exec(point);
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
    m_newIMPopup->exec(QCursor::pos());
}

void RYXConfigWindow::OpenSlot()
{
    m_fileCommands->open();
}

void RYXConfigWindow::SaveSlot()
{
    m_fileCommands->save();
}

void RYXConfigWindow::SaveAsSlot()
{
    m_fileCommands->saveAs();
}

void RYXConfigWindow::exitSlot()
{
    if (RYXPrompter::warningYesNo(this, QStringLiteral("RYX Config"),
                                  tr("Are you sure you would like to exit RYXConfig?")))
        quitApplication(0);
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
    m_addModulePopup->exec(QCursor::pos());
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
        m_connectIMPopup->exec(QCursor::pos());
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
    m_uploadIMPopup->exec(QCursor::pos());
}

void RYXConfigWindow::DownloadSlot()
{
    if (RYXObject *object = currentObject()) {
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
void RYXConfigWindow::AddMODBUSNetworkSlot() { addCreatedRoot(createInterfaceModule(RYXClassRegistry::IdMODBUSNetwork)); }
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
    RYXPrompter::instance()->message(QMessageBox::Information, this, QStringLiteral("Warning"),
                                     tr("This feature is not implemented."), QMessageBox::Ok,
                                     QMessageBox::Ok, QMessageBox::NoButton);
}

// --- event receiver -------------------------------------------------------

void RYXConfigWindow::createTreeItem(RYXObject *object, RYXObject *parentObject,
                                     const QString &text, bool enabled)
{
    QTreeWidgetItem *parentItem = parentObject ? parentObject->getTreeItem() : nullptr;
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
}

void RYXConfigWindow::setProgressTitle(const QString &text)
{
    m_progress->setProgressTitle(text);
}

void RYXConfigWindow::setProgressStep(int step)
{
    m_progress->setProgressStep(step);
}

void RYXConfigWindow::addProgressResult(const QString &iconName, const QString &text)
{
    m_progress->addProgressResult(iconName, text);
}

void RYXConfigWindow::showWarningMessage(const QString &text)
{
    RYXPrompter::information(this, QStringLiteral("Warning"), text);
}

int RYXConfigWindow::askRetryAfterSeekFailure()
{
    if (RYXPrompter::warningYesNo(this, QStringLiteral("RYX Config"),
                                  QStringLiteral("Connect failed because:\n\nCommunications timed out.\n\nWould you like to retry?")))
        return 1;
    RYXPrompter::information(this, QStringLiteral("Warning"),
                             QStringLiteral("The communications resource has been taken offline (i.e. port closed.)"));
    return 0;
}
