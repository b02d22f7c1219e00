#pragma once

#include "model/RYXClassInfo.h"
#include "model/RYXEventReceiver.h"

#include <QtCore/QPointer>
#include <QtWidgets/QMainWindow>

#include <memory>

class QAction;
class QMenu;
class QSplitter;
class QTranslator;
class QTreeWidgetItem;
class RYXEventsBox;
class RYXFileCommands;
class RYXListView;
class RYXObject;
class RYXProgressDialog;
class RYXScrollView;
class RYXSysManager;

// The program's only top-level window: the device tree, the property pane,
// the event log, the progress dialog, every action and menu, and the
// receiver of the events the connection threads post.
class RYXConfigWindow : public QMainWindow, public RYXEventReceiver
{
    Q_OBJECT
public:
    // Bits of the enable mask computed by updateUIEnableState().
    enum UIEnableFlags : unsigned {
        EnableConnect = 1u << 0,
        EnableDisconnect = 1u << 1,
        EnableUpload = 1u << 2,
        EnableDownload = 1u << 3,
        EnableSaveAs = 1u << 4,
        EnableSave = 1u << 5,
        EnablePrintPreview = 1u << 6,
        EnablePrint = 1u << 7,
        EnableCopy = 1u << 8,
        EnablePaste = 1u << 9,
        EnableDelete = 1u << 10,
        EnableAddModule = 1u << 11,
        EnableConfigureComms = 1u << 12,
    };

    // Id of the Edit menu's "Add Module" entry.
    enum { AddModuleMenuId = 2048 };

    /// \a arguments are the command line scanned for the language switches
    /// (the application's arguments when empty).
    explicit RYXConfigWindow(QWidget *parent = nullptr, const QStringList &arguments = QStringList());
    ~RYXConfigWindow() override;

    RYXSysManager *sysManager() const { return m_sysManager; }
    RYXListView *listView() const { return m_listView; }
    RYXEventsBox *eventsBox() const { return m_eventsBox; }
    RYXProgressDialog *progressDialog() const { return m_progress; }
    RYXScrollView *propertyPane() const { return m_scrollPane; }

    void updateUIEnableState();
    /// The mask applied by the last updateUIEnableState().
    unsigned enableMask() const { return m_enableMask; }
    void addRootObject(RYXObject *object);
    void resizePropertyPane();
    void applyLanguage(int language);
    /// Creates the interface module of a popup id; null for an unknown id.
    RYXObject *createInterfaceModule(int id);
    /// Creates the I/O module of an "Add Module" id; null for an unknown id.
    static RYXObject *createModule(int id);

    /// The menus and popups, for tests and the context menus of objects.
    QMenu *newInterfaceModulePopup() const { return m_newIMPopup; }
    QMenu *connectInterfaceModulePopup() const { return m_connectIMPopup; }
    QMenu *uploadInterfaceModulePopup() const { return m_uploadIMPopup; }
    QMenu *addModulePopup() const { return m_addModulePopup; }
    QMenu *treePopup() const { return m_treePopup; }
    QMenu *languagesPopup() const { return m_languagesPopup; }
    QTranslator *currentTranslator() const { return m_translator; }

    // RYXEventReceiver
    QObject *eventTarget() override { return this; }
    void createTreeItem(RYXObject *object, RYXObject *parentObject, const QString &text,
                        bool enabled) override;
    void destroyTreeItem(RYXObject *object) override;
    void setTreeItemPixmap(RYXObject *object, const QString &pixmapName) override;
    void setTreeItemText(RYXObject *object, const QString &text) override;
    void updateDialog(RYXObject *object) override;
    void addEventLogLine(const QString &text) override;
    void showProgress(int mode, int ownerId) override;
    void setProgressTitle(const QString &text) override;
    void setProgressStep(int step) override;
    void addProgressResult(const QString &iconName, const QString &text) override;
    void showWarningMessage(const QString &text) override;
    int askRetryAfterSeekFailure() override;

public Q_SLOTS:
    void selectionChangedSlot(QTreeWidgetItem *item);
    void ProgCancelledSlot();
    void RButtonSlot(QTreeWidgetItem *item, const QPoint &point, int column);
    void mouseButtonPressed(int button, QTreeWidgetItem *item, const QPoint &point, int column);
    void TreeClickedSlot(QTreeWidgetItem *item);
    void NewSlot();
    void OpenSlot();
    void SaveSlot();
    void SaveAsSlot();
    void exitSlot();
    void copySlot();
    void pasteSlot();
    void deleteSlot();
    void addModuleSlot();
    void addModulePopupMenuActivatedSlot(int id);
    void newInterfaceModulePopupMenuActivatedSlot(int id);
    void connectInterfaceModulePopupMenuActivatedSlot(int id);
    void uploadInterfaceModulePopupMenuActivatedSlot(int id);
    void setupLanguageActivatedSlot(int id);
    void GoOnlineSlot();
    void GoOfflineSlot();
    void ConfigureCommsSlot();
    void synchronizeSlot();
    void UploadSlot();
    void DownloadSlot();
    void doConnect(bool upload);
    void HelpSlot();
    void aboutSlot();
    void treeLegendSlot();
    void AddMIMSlot();
    void AddCPSSlot();
    void AddEIMSlot();
    void AddEMMSlot();
    void AddTIMSlot();
    void AddCIMASlot();
    void AddCIMBSlot();
    void AddCIMCSlot();
    void AddAIMSlot();
    void AddAOMSlot();
    void AddROMSlot();
    void AddROM8Slot();
    void AddDIMCCSlot();
    void AddDIMVLSlot();
    void AddDIMVHSlot();
    void AddTISlot();
    void AddAISlot();
    void AddAOSlot();
    void AddMTPatcherSlot();
    void AddMODBUSNetworkSlot();
    void AddUndeterminedSlot();
    void NotImplSlot();

protected:
    /// Ends the event loop with \a exitCode (tests observe it instead).
    virtual void quitApplication(int exitCode);
    void customEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void buildLayout();
    void createActions();
    void createToolBar();
    void createInterfaceModulePopups();
    void createMenuBar();
    void createTreePopup();
    void retranslateUi();
    void applyLanguageFromCommandLine(const QStringList &arguments);
    QMenu *createIOModuleMenu(QWidget *parent);
    QMenu *createChannelMenu(QWidget *parent);
    /// The interface modules that \a list offers, with their ids as action data.
    QMenu *createInterfaceModulePopup(RYXClassInfo::Menu list);
    void fillNewMenu(QMenu *menu, QMenu *interfaceModuleMenu);
    void applyEnableMask(unsigned mask);
    QTreeWidgetItem *currentTreeItem() const;
    RYXObject *currentObject() const;
    RYXObject *selectedObject() const;
    void startConnection(RYXObject *object, bool upload);
    void addCreatedRoot(RYXObject *object);

    RYXSysManager *m_sysManager = nullptr;
    RYXListView *m_listView = nullptr;
    RYXScrollView *m_scrollPane = nullptr;
    RYXEventsBox *m_eventsBox = nullptr;
    RYXProgressDialog *m_progress = nullptr;
    std::unique_ptr<RYXFileCommands> m_fileCommands;
    QSplitter *m_verticalSplitter = nullptr;
    QSplitter *m_horizontalSplitter = nullptr;
    QTranslator *m_translator = nullptr;
    unsigned m_enableMask = 0;

    QAction *m_newAction = nullptr;
    QAction *m_openAction = nullptr;
    QAction *m_closeAction = nullptr;
    QAction *m_saveAction = nullptr;
    QAction *m_saveAsAction = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_printSetupAction = nullptr;
    QAction *m_printPreviewAction = nullptr;
    QAction *m_exitAction = nullptr;
    QAction *m_copyAction = nullptr;
    QAction *m_pasteAction = nullptr;
    QAction *m_deleteAction = nullptr;
    QAction *m_addModuleAction = nullptr;
    QAction *m_connectAction = nullptr;
    QAction *m_disconnectAction = nullptr;
    QAction *m_configureCommsAction = nullptr;
    QAction *m_uploadAction = nullptr;
    QAction *m_downloadAction = nullptr;
    QAction *m_synchronizeAction = nullptr;
    QAction *m_helpAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QAction *m_treeLegendAction = nullptr;

    QMenu *m_fileMenu = nullptr;
    QMenu *m_newMenu = nullptr;
    QMenu *m_newIMPopup = nullptr;
    QMenu *m_connectIMPopup = nullptr;
    QMenu *m_uploadIMPopup = nullptr;
    QMenu *m_treePopup = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_addModulePopup = nullptr;
    QAction *m_addModuleMenuAction = nullptr;
    QMenu *m_settingsMenu = nullptr;
    QMenu *m_languagesPopup = nullptr;
    QMenu *m_commsMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
};
