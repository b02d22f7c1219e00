#include "app/RYXWindowActions.h"

#include "app/RYXConfigWindow.h"
#include "comm/RYXTransferSettings.h"
#include "core/RYXImages.h"
#include "core/StartupFlags.h"
#include "devices/RYXClassRegistry.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QToolBar>
#include <QtWidgets/QWhatsThis>

namespace {

// One row of the action table. Texts marked for translation are looked up
// in the "RYXWindowActions" context; the others stay as written.
struct ActionSpec
{
    QAction *RYXWindowActions::*member;
    const char *objectName;
    const char *text;
    const char *menuText;
    const char *accel;
    const char *icon;
    bool translated;
    void (RYXConfigWindow::*slot)();
};

using W = RYXConfigWindow;
using A = RYXWindowActions;

// Shared accelerators of the original table are given to one action each
// (New: Ctrl+N, Save As: Ctrl+A, Configure Comms: Ctrl+G); Save, About,
// the legend and Print Setup have none.
const ActionSpec actionTable[] = {
    {&A::newAction, "new", QT_TRANSLATE_NOOP("RYXWindowActions", "New"), QT_TRANSLATE_NOOP("RYXWindowActions", "&New"), "Ctrl+N", "New", true, &W::NewSlot},
    {&A::openAction, "open", QT_TRANSLATE_NOOP("RYXWindowActions", "Open"), QT_TRANSLATE_NOOP("RYXWindowActions", "&Open"), "Ctrl+O", "Open", true, &W::OpenSlot},
    {&A::closeAction, "close", QT_TRANSLATE_NOOP("RYXWindowActions", "Close"), QT_TRANSLATE_NOOP("RYXWindowActions", "&Close"), "Ctrl+L", "Close", true, &W::NotImplSlot},
    {&A::saveAction, "save", QT_TRANSLATE_NOOP("RYXWindowActions", "Save"), QT_TRANSLATE_NOOP("RYXWindowActions", "&Save"), "", "Save", true, &W::SaveSlot},
    {&A::saveAsAction, "save as", QT_TRANSLATE_NOOP("RYXWindowActions", "SaveAs"), QT_TRANSLATE_NOOP("RYXWindowActions", "&Save As"), "Ctrl+A", "SaveAs", true, &W::SaveAsSlot},
    {&A::printAction, "print", QT_TRANSLATE_NOOP("RYXWindowActions", "Print"), QT_TRANSLATE_NOOP("RYXWindowActions", "&Print"), "Ctrl+P", "Print", true, &W::NotImplSlot},
    {&A::printSetupAction, "print setup", QT_TRANSLATE_NOOP("RYXWindowActions", "Print Setup"), QT_TRANSLATE_NOOP("RYXWindowActions", "Print Setup"), "", "Print Setup", true, &W::NotImplSlot},
    {&A::printPreviewAction, "print preview", QT_TRANSLATE_NOOP("RYXWindowActions", "Print Preview"), QT_TRANSLATE_NOOP("RYXWindowActions", "Print Pre&view"), "Ctrl+V", "Print Preview", true, &W::NotImplSlot},
    {&A::exitAction, "exit", QT_TRANSLATE_NOOP("RYXWindowActions", "Exit"), QT_TRANSLATE_NOOP("RYXWindowActions", "E&xit"), "Ctrl+X", "Exit", true, &W::exitSlot},
    {&A::copyAction, "copy", QT_TRANSLATE_NOOP("RYXWindowActions", "Copy"), QT_TRANSLATE_NOOP("RYXWindowActions", "Copy"), "", "Copy", true, &W::copySlot},
    {&A::pasteAction, "paste", QT_TRANSLATE_NOOP("RYXWindowActions", "Paste"), QT_TRANSLATE_NOOP("RYXWindowActions", "Paste"), "", "Paste", true, &W::pasteSlot},
    {&A::deleteAction, "delete", QT_TRANSLATE_NOOP("RYXWindowActions", "Delete"), QT_TRANSLATE_NOOP("RYXWindowActions", "Delete"), "", "Delete", true, &W::deleteSlot},
    {&A::addModuleAction, "addmodule", QT_TRANSLATE_NOOP("RYXWindowActions", "Add module..."), QT_TRANSLATE_NOOP("RYXWindowActions", "Add Module..."), "", "Add", true, &W::addModuleSlot},
    {&A::connectAction, "connect", "Connect", "&Connect", "Ctrl+C", "Connect", false, &W::GoOnlineSlot},
    {&A::disconnectAction, "disconnect", "Disconnect", "&Disconnect", "Ctrl+F", "GoOffline", false, &W::GoOfflineSlot},
    {&A::configureCommsAction, "configure comms", "Configure Comms", "Confi&gure Comms", "Ctrl+G", "ConfigComms", false, &W::ConfigureCommsSlot},
    {&A::uploadAction, "upload", "Upload from device", "&Upload", "Ctrl+U", "Upload", false, &W::UploadSlot},
    {&A::downloadAction, "download", "Download to device", "&Download", "Ctrl+D", "Download", false, &W::DownloadSlot},
    {&A::synchronizeAction, "synchronize", "Synchronize", "&Synchronize", "Ctrl+S", "Synchronize", false, &W::synchronizeSlot},
    {&A::helpAction, "help", "Help", "&Help", "Ctrl+H", "Question", false, &W::HelpSlot},
    {&A::aboutAction, "about", "About RYXConfig", "&About", "", "About", false, &W::aboutSlot},
    {&A::treeLegendAction, "treelegend", "", QT_TRANSLATE_NOOP("RYXWindowActions", "Tree Indicators Legend"), "", "treeLegend", true, &W::treeLegendSlot},
};

// The enable mask's bits and the actions they enable; Synchronize follows
// the low byte of the mask as a whole.
struct EnableSpec
{
    unsigned bit;
    QAction *RYXWindowActions::*member;
};

const EnableSpec enableTable[] = {
    {W::EnableConnect, &A::connectAction},   {W::EnableDisconnect, &A::disconnectAction},
    {W::EnableUpload, &A::uploadAction},     {W::EnableDownload, &A::downloadAction},
    {W::EnableSaveAs, &A::saveAsAction},     {W::EnableSave, &A::saveAction},
    {W::EnablePrintPreview, &A::printPreviewAction}, {W::EnablePrint, &A::printAction},
    {W::EnableCopy, &A::copyAction},         {W::EnablePaste, &A::pasteAction},
    {W::EnableDelete, &A::deleteAction},     {W::EnableAddModule, &A::addModuleMenuAction},
    {W::EnableConfigureComms, &A::configureCommsAction},
};

const char *const languageNames[] = {QT_TRANSLATE_NOOP("RYXWindowActions", "English"),
                                     QT_TRANSLATE_NOOP("RYXWindowActions", "Spanish"),
                                     QT_TRANSLATE_NOOP("RYXWindowActions", "Chinese")};

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

bool isModule(const RYXClassInfo &row)
{
    return row.level == RYXObjectFactory::ModuleLevel;
}

} // namespace

void RYXWindowActions::setup(RYXConfigWindow *window)
{
    createActions(window);
    createToolBar(window);
    createInterfaceModulePopups(window);
    createMenuBar(window);
    createTreePopup(window);
}

void RYXWindowActions::createActions(RYXConfigWindow *window)
{
    for (const ActionSpec &entry : actionTable) {
        auto *action = new QAction(window);
        action->setObjectName(QLatin1String(entry.objectName));
        action->setIcon(RYXImages::icon(QLatin1String(entry.icon)));
        if (*entry.accel)
            action->setShortcut(QKeySequence(QLatin1String(entry.accel)));
        // Actions in no menu or tool bar still answer their keys.
        window->addAction(action);
        QObject::connect(action, &QAction::triggered, window, entry.slot);
        this->*entry.member = action;
    }
    retranslate(window);
}

void RYXWindowActions::retranslate(RYXConfigWindow *window)
{
    window->setWindowTitle(tr("RYX Configuration Program V") + QLatin1String(RYXProgramVersion));
    for (const ActionSpec &entry : actionTable) {
        QAction *action = this->*entry.member;
        const QString text = entry.translated ? tr(entry.text) : QString::fromLatin1(entry.text);
        action->setText(entry.translated ? tr(entry.menuText) : QString::fromLatin1(entry.menuText));
        action->setIconText(text);
        action->setToolTip(text);
    }
    if (fileMenu) {
        fileMenu->setTitle(tr("&File"));
        newMenu->setTitle(tr("New"));
        editMenu->setTitle(tr("&Edit"));
        addModuleMenuAction->setText(tr("Add Module"));
        commsMenu->setTitle(tr("&Communications"));
        readBackAction->setText(tr("Read Back Downloads"));
        helpMenu->setTitle(tr("&Help"));
    }
    if (settingsMenu) {
        settingsMenu->setTitle(tr("Settings"));
        languagesPopup->setTitle(tr("Languages"));
        const QList<QAction *> languages = languagesPopup->actions();
        for (int i = 0; i < languages.size() && i < 3; ++i)
            languages[i]->setText(tr(languageNames[i]));
    }
    // Qt's own action keeps the text of the language it was created in.
    if (auto *whatsThis = window->findChild<QAction *>(QStringLiteral("whatsThis")))
        whatsThis->setText(QCoreApplication::translate("QWhatsThisAction", "What's This?"));
}

void RYXWindowActions::applyEnableMask(unsigned mask)
{
    for (const EnableSpec &entry : enableTable)
        (this->*entry.member)->setEnabled(mask & entry.bit);
    addModulePopup->setEnabled(mask & RYXConfigWindow::EnableAddModule);
    synchronizeAction->setEnabled((mask & 0xFFu) != 0);
}

void RYXWindowActions::createToolBar(RYXConfigWindow *window)
{
    QToolBar *toolBar = window->addToolBar(tr("File"));
    toolBar->setObjectName(QStringLiteral("File"));
    toolBar->addActions({newAction, openAction, saveAction});
    toolBar->addSeparator();
    toolBar->addActions({connectAction, disconnectAction, configureCommsAction, uploadAction, downloadAction});
    toolBar->addSeparator();
    QAction *whatsThis = QWhatsThis::createAction(toolBar);
    whatsThis->setObjectName(QStringLiteral("whatsThis"));
    toolBar->addAction(whatsThis);
}

QMenu *RYXWindowActions::createInterfaceModulePopup(RYXConfigWindow *window, RYXClassInfo::Menu list)
{
    auto *menu = new QMenu(tr("Interface Module"), window);
    for (const RYXClassInfo *row : RYXClassRegistry::classes()) {
        if (RYXClassRegistry::isInterfaceModule(*row) && row->isOffered(list, ExtendedMode))
            addIdEntry(menu, QCoreApplication::translate("RYXClassInfo", row->menuText), row->kind);
    }
    return menu;
}

void RYXWindowActions::createInterfaceModulePopups(RYXConfigWindow *window)
{
    newIMPopup = createInterfaceModulePopup(window, RYXClassInfo::NewMenu);
    newIMPopup->setObjectName(QStringLiteral("newInterfaceModulePopup"));
    connectIdMenu(newIMPopup, window, &RYXConfigWindow::newInterfaceModulePopupMenuActivatedSlot);
    connectIMPopup = createInterfaceModulePopup(window, RYXClassInfo::ConnectMenu);
    connectIMPopup->setObjectName(QStringLiteral("connectInterfaceModulePopup"));
    connectIdMenu(connectIMPopup, window, &RYXConfigWindow::connectInterfaceModulePopupMenuActivatedSlot);
    uploadIMPopup = createInterfaceModulePopup(window, RYXClassInfo::UploadMenu);
    uploadIMPopup->setObjectName(QStringLiteral("uploadInterfaceModulePopup"));
    connectIdMenu(uploadIMPopup, window, &RYXConfigWindow::uploadInterfaceModulePopupMenuActivatedSlot);
}

QMenu *RYXWindowActions::createIOModuleMenu(RYXConfigWindow *window, QWidget *parent)
{
    auto *menu = new QMenu(tr("I/O Module"), parent);
    for (const RYXClassInfo *row : RYXClassRegistry::classes()) {
        if (!isModule(*row) || !row->isOffered(RYXClassInfo::NewMenu, ExtendedMode))
            continue;
        const int kind = row->kind;
        menu->addAction(QCoreApplication::translate("RYXClassInfo", row->menuText), window, [window, kind] {
            if (RYXObject *module = RYXConfigWindow::createModule(kind))
                window->addRootObject(module);
        });
    }
    return menu;
}

QMenu *RYXWindowActions::createChannelMenu(RYXConfigWindow *window, QWidget *parent)
{
    auto *menu = new QMenu(tr("Channel"), parent);
    menu->addAction(QCoreApplication::translate("RYXClassInfo", "TI Channel"), window, &RYXConfigWindow::AddTISlot);
    menu->addAction(QCoreApplication::translate("RYXClassInfo", "AI Channel"), window, &RYXConfigWindow::AddAISlot);
    menu->addAction(QCoreApplication::translate("RYXClassInfo", "AO Channel"), window, &RYXConfigWindow::AddAOSlot);
    return menu;
}

void RYXWindowActions::fillNewMenu(RYXConfigWindow *window, QMenu *menu, QMenu *interfaceModuleMenu)
{
    menu->addMenu(interfaceModuleMenu);
    menu->addMenu(createIOModuleMenu(window, menu));
    menu->addMenu(createChannelMenu(window, menu));
}

void RYXWindowActions::createMenuBar(RYXConfigWindow *window)
{
    QMenuBar *bar = window->menuBar();
    fileMenu = bar->addMenu(tr("&File"));
    newMenu = fileMenu->addMenu(tr("New"));
    fillNewMenu(window, newMenu, newIMPopup);
    fileMenu->addAction(openAction);
    fileMenu->addSeparator();
    fileMenu->addActions({saveAction, saveAsAction});

    editMenu = bar->addMenu(tr("&Edit"));
    editMenu->addActions({copyAction, pasteAction, deleteAction});
    addModulePopup = new QMenu(tr("Add Module"), window);
    addModulePopup->setObjectName(QStringLiteral("addModulePopup"));
    for (const RYXClassInfo *row : RYXClassRegistry::classes()) {
        if (isModule(*row) && row->isOffered(RYXClassInfo::AddModuleMenu, ExtendedMode))
            addIdEntry(addModulePopup, QCoreApplication::translate("RYXClassInfo", row->menuText), row->kind);
    }
    connectIdMenu(addModulePopup, window, &RYXConfigWindow::addModulePopupMenuActivatedSlot);
    addModuleMenuAction = editMenu->addMenu(addModulePopup);
    addModuleMenuAction->setData(int(AddModuleMenuId));

    if (ExtendedMode) {
        settingsMenu = bar->addMenu(tr("Settings"));
        languagesPopup = settingsMenu->addMenu(tr("Languages"));
        languagesPopup->setObjectName(QStringLiteral("languagesPopup"));
        for (int id = 0; id < 3; ++id)
            addIdEntry(languagesPopup, tr(languageNames[id]), id)->setCheckable(true);
        connectIdMenu(languagesPopup, window, &RYXConfigWindow::setupLanguageActivatedSlot);
    }

    commsMenu = bar->addMenu(tr("&Communications"));
    commsMenu->addActions({connectAction, disconnectAction, configureCommsAction});
    commsMenu->addSeparator();
    commsMenu->addActions({uploadAction, downloadAction, synchronizeAction});
    commsMenu->addSeparator();
    readBackAction = commsMenu->addAction(tr("Read Back Downloads"));
    readBackAction->setObjectName(QStringLiteral("read back downloads"));
    readBackAction->setCheckable(true);
    readBackAction->setChecked(RYXTransferSettings::verifyDownloads());
    QObject::connect(readBackAction, &QAction::toggled, window, &RYXTransferSettings::setVerifyDownloads);

    helpMenu = bar->addMenu(tr("&Help"));
    helpMenu->addActions({helpAction, aboutAction, treeLegendAction});
}

void RYXWindowActions::createTreePopup(RYXConfigWindow *window)
{
    treePopup = new QMenu(window);
    treePopup->setObjectName(QStringLiteral("treePopup"));
    QMenu *treeNew = treePopup->addMenu(tr("New"));
    QMenu *interfaceModules = createInterfaceModulePopup(window, RYXClassInfo::TreePopupMenu);
    interfaceModules->setParent(treeNew, interfaceModules->windowFlags());
    connectIdMenu(interfaceModules, window, &RYXConfigWindow::newInterfaceModulePopupMenuActivatedSlot);
    fillNewMenu(window, treeNew, interfaceModules);
    treePopup->addSeparator();
    treePopup->addAction(openAction);
}
