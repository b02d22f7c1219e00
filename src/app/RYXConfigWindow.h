#pragma once

#include "app/RYXWindowActions.h"
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
class RYXRecentFiles;
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
    enum { AddModuleMenuId = RYXWindowActions::AddModuleMenuId };

    /// \a arguments are the command line scanned for the language switches
    /// (the application's arguments when empty).
    explicit RYXConfigWindow(QWidget *parent = nullptr, const QStringList &arguments = QStringList());
    ~RYXConfigWindow() override;

    RYXSysManager *sysManager() const { return m_sysManager; }
    RYXListView *listView() const { return m_listView; }
    RYXEventsBox *eventsBox() const { return m_eventsBox; }
    RYXProgressDialog *progressDialog() const { return m_progress; }
    RYXScrollView *propertyPane() const { return m_scrollPane; }
    RYXFileCommands *fileCommands() const { return m_fileCommands.get(); }
    RYXRecentFiles *recentFiles() const { return m_recentFiles; }
    QSplitter *verticalSplitter() const { return m_verticalSplitter; }
    QSplitter *horizontalSplitter() const { return m_horizontalSplitter; }

    void updateUIEnableState();
    /// Shows the file of the current station in the title, with "*" while
    /// the tree has unsaved changes.
    void updateDocumentTitle();
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
    QMenu *newInterfaceModulePopup() const { return m_actions.newIMPopup; }
    QMenu *connectInterfaceModulePopup() const { return m_actions.connectIMPopup; }
    QMenu *uploadInterfaceModulePopup() const { return m_actions.uploadIMPopup; }
    QMenu *addModulePopup() const { return m_actions.addModulePopup; }
    QMenu *treePopup() const { return m_actions.treePopup; }
    QMenu *languagesPopup() const { return m_actions.languagesPopup; }
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
    void setProgressStepCount(int count) override;
    void addProgressResult(const QString &iconName, const QString &text) override;
    void showWarningMessage(const QString &text) override;
    bool confirmDownload(RYXObject *object) override;
    void showFailureMessage(const QString &text, const QString &cause) override;

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
    int retryAfterSeekFailure(const QString &cause) override;
    /// Ends the event loop with \a exitCode (tests observe it instead).
    virtual void quitApplication(int exitCode);
    void customEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    /// Closing the window with unsaved changes asks first, as Exit does.
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLayout();
    void applyLanguageFromCommandLine(const QStringList &arguments);
    void applyEnableMask(unsigned mask);
    QTreeWidgetItem *currentTreeItem() const;
    RYXObject *currentObject() const;
    RYXObject *selectedObject() const;
    void startConnection(RYXObject *object, bool upload);
    void addCreatedRoot(RYXObject *object);
    /// Settles the unsaved changes before the program ends; false to stay.
    bool settleUnsavedBeforeExit();
    void restoreWindowSettings();
    void saveWindowSettings() const;
    /// Puts the progress dialog, when shown, above the window.
    void raiseProgress();

    RYXSysManager *m_sysManager = nullptr;
    RYXListView *m_listView = nullptr;
    RYXScrollView *m_scrollPane = nullptr;
    RYXEventsBox *m_eventsBox = nullptr;
    RYXProgressDialog *m_progress = nullptr;
    std::unique_ptr<RYXFileCommands> m_fileCommands;
    RYXRecentFiles *m_recentFiles = nullptr;
    QSplitter *m_verticalSplitter = nullptr;
    QSplitter *m_horizontalSplitter = nullptr;
    QTranslator *m_translator = nullptr;
    QTranslator *m_qtTranslator = nullptr; // Qt's own texts: stock buttons, file dialogs
    unsigned m_enableMask = 0;

    RYXWindowActions m_actions;
};
