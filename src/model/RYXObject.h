#pragma once

#include "database/DataPoint.h"

#include <QtCore/QList>
#include <QtCore/QMap>
#include <QtCore/QMutex>
#include <QtCore/QObject>
#include <QtCore/QPoint>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtGui/QPixmap>

#include <atomic>
#include <memory>

class QAsyncCustomEvent;
class QAction;
class QByteArray;
class QDragEnterEvent;
class QDropEvent;
class QMenu;
class QMimeData;
class QTextStream;
class QTreeWidgetItem;
class QWidget;
class RYXConnectionBase;
struct RYXClassInfo;
class RYXDatabase;
class RYXDialogProvider;
class RYXEventReceiver;
class RYXListViewItem;
class RYXObjectMenu;
class RYXSysManager;
class TransferContext;
class ZEMPPort;

// Base of every node of the device tree: stations, I/O modules, channels
// and plug-ins. It owns the node's point database, its status flags and
// tree item, its Copy/Paste/Delete/Open/Save As commands and the dispatch
// of device operations. The connection thread calls the point, status and
// transfer operations; those touch no widget and report only through
// events posted to the event receiver.
class RYXObject : public QObject
{
    Q_OBJECT
public:
    // Status bits of statusFlags.
    enum StatusBit : unsigned {
        ConfigError = 0x01,
        NotCurrent = 0x04,
        ChildError = 0x08,
        ChildNotCurrent = 0x10,
        Online = 0x20
    };

    // Events of setStatus.
    enum StatusEvent {
        WentOnline = 1,
        WentOffline = 2,
        ConfigurationUploaded = 3,
        ConfigurationDownloaded = 4,
        InvalidateTree = 5,
        Invalidate = 6,
        ClearConfigError = 7,
        SetConfigError = 8,
        RecomputeChildStatus = 9
    };

    // Identifiers of the context menu items and bits of getMenuItemMask;
    // the main window uses the same bits for its enable flags.
    enum MenuItem : unsigned {
        MenuConnect = 0x0001,
        MenuDisconnect = 0x0002,
        MenuUpload = 0x0004,
        MenuDownload = 0x0008,
        MenuSaveAs = 0x0010,
        MenuSave = 0x0020,
        MenuPrintPreview = 0x0040,
        MenuPrint = 0x0080,
        MenuCopy = 0x0100,
        MenuPaste = 0x0200,
        MenuDelete = 0x0400,
        MenuAddModule = 0x0800,
        MenuConfigureComms = 0x1000
    };

    // Transports a device supports (bits of getTransportMask).
    enum Transport : unsigned { TransportRS232 = 0x1, TransportTCPIP = 0x2 };

    explicit RYXObject(QObject *parent = nullptr);
    ~RYXObject() override;

    // --- tree -------------------------------------------------------------
    virtual bool createTreeItem(QTreeWidgetItem *parentItem);
    virtual bool onTreeItemCreated() { return true; }
    virtual bool initializeChildren();
    virtual QString getName() { return name; }
    /// The class's name as the tree shows it, in the user's language; the
    /// name itself stays as the class gives it (modules are found by it).
    QString treeName() const;
    virtual QString getShortName() { return family; }
    /// Executes the context menu at the global position \a point.
    virtual void showContextMenu(const QPoint &point);
    virtual QWidget *createDialog(QWidget *parent, QWidget *currentDialog, bool *created);
    virtual bool addChild(RYXObject *child);
    /// Puts \a newChild in place of the child at \a index and deletes the old one.
    virtual bool replaceChild(RYXObject *newChild, unsigned index);

    // --- copy, paste, drag and drop ---------------------------------------
    /// The drag and clipboard form: identity header line, then the XML.
    virtual QMimeData *makeDragObject();
    /// Reads \a xml into a new detached tree handed to \a result (null when
    /// the text cannot be read completely); true when it is of this family.
    virtual bool parseXml(const QByteArray &xml, RYXObject *&result);
    virtual bool isSameFamily(const RYXObject *other) const;
    virtual bool copyDataFrom(RYXObject *source);
    virtual bool startDrag();
    virtual void handleDragEnter(QDragEnterEvent *event);
    virtual void handleDrop(QDropEvent *event);
    virtual bool isSameFamilyAs(const RYXObject &other) const;

    // --- points -----------------------------------------------------------
    // Values are text; the typed forms convert to and from the text form
    // ("true"/"false", decimal, "%f") around the text form.
    virtual bool setValue(const QString &key, const QString &value, bool updateUi = false);
    virtual bool setValue(const QString &key, unsigned value, bool updateUi = false)
    {
        return setValue(key, QString::number(value), updateUi);
    }
    virtual bool setValue(const QString &key, int value, bool updateUi = false)
    {
        return setValue(key, QString::number(value), updateUi);
    }
    virtual bool setValue(const QString &key, bool value, bool updateUi = false)
    {
        return setValue(key, value ? QStringLiteral("true") : QStringLiteral("false"), updateUi);
    }
    virtual bool setValue(const QString &key, float value, bool updateUi = false)
    {
        return setValue(key, QString::asprintf("%f", double(value)), updateUi);
    }
    // Literal strings and doubles would otherwise pick the bool or be ambiguous.
    bool setValue(const QString &key, const char *value, bool updateUi = false)
    {
        return setValue(key, QString::fromUtf8(value), updateUi);
    }
    bool setValue(const QString &key, double value, bool updateUi = false)
    {
        return setValue(key, float(value), updateUi);
    }
    virtual bool getValue(const QString &key, QString &value);
    virtual bool getValue(const QString &key, unsigned &value)
    {
        return convertedValue(key, value, [](const QString &text) { return text.toUInt(); });
    }
    virtual bool getValue(const QString &key, int &value)
    {
        return convertedValue(key, value, [](const QString &text) { return text.toInt(); });
    }
    virtual bool getValue(const QString &key, bool &value)
    {
        return convertedValue(key, value, [](const QString &text) { return text == QLatin1String("true"); });
    }
    virtual bool getValue(const QString &key, float &value)
    {
        return convertedValue(key, value, [](const QString &text) { return text.toFloat(); });
    }
    virtual QString getString(const QString &key) { return valueOr(key, QString()); }
    virtual float getFloat(const QString &key) { return valueOr(key, 0.0f); }
    virtual int getInt(const QString &key) { return valueOr(key, 0); }
    virtual bool getBool(const QString &key) { return valueOr(key, false); }
    virtual unsigned getUInt(const QString &key) { return valueOr(key, 0u); }
    virtual bool getDataPoint(const QString &key, DataPoint &point);

    // --- status -----------------------------------------------------------
    virtual bool isNotCurrent() { return statusFlags & NotCurrent; }
    virtual void markNotCurrent();
    virtual void markCurrent(const QString &key);
    virtual bool isOnline() { return statusFlags & Online; }
    virtual void setOnline(bool online);
    virtual unsigned getStatusFlags() { return statusFlags; }
    virtual void setStatus(int event);
    virtual void updateChildStatus() { setStatus(RecomputeChildStatus); }
    virtual void invalidateConfiguration();
    virtual void getMenuItemMask(unsigned &mask);
    virtual QPixmap getStatusPixmap(unsigned flags);
    /// One line per point of this object whose value its device field cannot
    /// carry, naming the object, the point, the value and the reason; such a
    /// value marks the object as in configuration error until it is mended.
    QStringList valueProblems() const;
    /// valueProblems() of this object and of every object below it, in tree order.
    QStringList valueProblemsInTree() const;
    /// Why a download of this object is refused: its valueProblems() one a
    /// line, or "Error in configuration." when only its own validation failed.
    QString configurationErrorText() const;
    /// The image name of the LED for \a flags (usable from any thread).
    virtual QString getStatusPixmapName(unsigned flags);
    virtual int checkOperation(int op);
    /// Posts this object's entry to the event log, then its children's.
    virtual bool addToEventBox(int decimals = 2);
    virtual void updateDialog();

    // --- life in the tree ---------------------------------------------------
    /// Creates the actions, the tree item (children too) and the context menu.
    virtual bool initialize(QTreeWidgetItem *parentItem);
    virtual bool createPopupMenu();
    virtual void attachToTree(QTreeWidgetItem *parentItem);
    virtual bool destroyTreeItem();

    // --- configuration file -------------------------------------------------
    virtual void writeXml(QTextStream &stream, int indent);
    virtual QString getXmlStartTag() { return xmlTag; }
    virtual QString getXmlEndTag() { return xmlTag; }

    // --- lookups up the tree ----------------------------------------------
    virtual bool getPort(RYXObject *requester, ZEMPPort *&port, unsigned &tunnel);
    virtual bool hasConnection();
    virtual bool getSysManager(RYXObject *requester, RYXSysManager *&sysManager);
    virtual bool getConnection(RYXObject *requester, RYXConnectionBase *&connection);
    /// The link to the device that the system manager gives this object as a
    /// root of the tree; the base link never leaves the offline state.
    virtual RYXConnectionBase *createConnection(QObject *parent);
    /// The transports over which this object can be connected to (0: none).
    virtual unsigned getTransportMask() const { return 0; }
    /// The COM port last chosen for this device; -1 when none was.
    virtual int getComPort() const { return -1; }
    virtual void setComPort(int port) { Q_UNUSED(port); }
    /// The receiver of this tree's events (the main window); false when none.
    virtual bool getMainWindow(RYXObject *requester, RYXEventReceiver *&mainWindow);

    // --- device operations --------------------------------------------------
    virtual int executeOperation(const QString &op, bool topLevel = true);
    /// Hands \a op on this object to the station's connection thread.
    virtual bool requestOperation(const QString &op);
    /// True while the station's connection runs (or is about to run) an
    /// operation on this object, one above it or one below it: its values
    /// may be moving to or from the device, so the user may not change them.
    bool isBeingTransferred();
    /// When isBeingTransferred(), tells the user over \a parent that the
    /// change was not made and returns true.
    bool refuseChangeWhileTransferred(QWidget *parent);
    virtual int upload(bool topLevel) { Q_UNUSED(topLevel); return -1; }
    virtual int uploadPoints(TransferContext &context) { Q_UNUSED(context); return 0; }
    virtual bool processUploadedData();
    virtual int download(bool topLevel) { Q_UNUSED(topLevel); return -1; }
    virtual int downloadPoints(TransferContext &context) { Q_UNUSED(context); return 0; }
    virtual bool prepareDownloadData() { return true; }
    virtual int synchronize() { return 0; }
    virtual int synchronizePoints(TransferContext &context) { Q_UNUSED(context); return 0; }
    virtual void showPage(int page) { Q_UNUSED(page); }
    virtual int verifyDevice(ZEMPPort *port);
    virtual bool deleteChild(RYXObject *child) { Q_UNUSED(child); return false; }
    /// Creates a child of the module kind \a kind and adds it (GUI thread);
    /// false when this object holds no modules.
    virtual bool addChildOfKind(int kind) { Q_UNUSED(kind); return false; }
    virtual QString getPropertiesHtml();
    virtual QString getExtraPropertiesHtml() { return QString(); }

    // --- non-virtual helpers ------------------------------------------------
    bool isFirmwareAtLeast(int major, int minor);
    void postUpdateDialog();
    void selectPreviousItem();
    void selectNextItem();
    void setShowInTree(bool show);
    void setSuppressIndicatorRefresh(bool suppress) { suppressIndicatorRefresh = suppress; }

    // --- accessors used by the main window, the file code and the dialogs ---
    RYXDatabase *getDatabase() const { return database; }
    RYXListViewItem *getTreeItem() const { return treeItem; }
    void setTreeItem(RYXListViewItem *item) { treeItem = item; }
    RYXObject *getParentObject() const;
    const QList<RYXObject *> &getChildren() const { return children; }
    int childCount() const { return int(children.size()); }
    RYXObject *childAt(int index) const;
    int indexOfChild(const RYXObject *child) const { return int(children.indexOf(child)); }
    QString getFileName() const { return fileName; }
    void setFileName(const QString &name) { fileName = name; }
    QString getFamily() const { return family; }
    QString getXmlTag() const { return xmlTag; }
    QString getEventPixmap() const { return eventPixmap; }
    RYXConnectionBase *getOwnConnection() const { return connection; }
    void setConnection(RYXConnectionBase *c) { connection = c; }
    bool isDeletable() const { return deletable; }
    void setDeletable(bool d) { deletable = d; }
    bool isShownInTree() const { return showInTree; }
    int getDeviceClass() const { return deviceClass; }
    int getModuleType() const { return moduleType; }
    int getTypeCode() const { return typeCode; }
    bool isTrackChangesDisabled() const { return trackChangesDisabled; }
    bool isModifiedWhileOnline() const { return modifiedWhileOnline; }
    /// The context menu built by createPopupMenu(); null before.
    QMenu *getPopupMenu() const;
    /// Gives this object the maker of its property dialog (owned), which the
    /// base createDialog and updateDialog use.
    void setDialogProvider(RYXDialogProvider *provider);
    /// The property dialog last made or re-targeted for this class's objects, if any.
    QWidget *propertyDialog() const;
    /// The per-object lock (dialog refreshes take it with tryLock).
    QMutex *getMutex() { return &mutex; }
    /// The unique drag identity of this object within the running program.
    quint64 dragIdentity() const { return m_identity; }
    /// True when \a text (header line, then XML) names a live object of this family.
    bool acceptsDragText(const QString &text) const;
    /// Enables the context menu items whose identifiers are set in \a mask.
    void applyMenuItemMask(unsigned mask);

    // Point creation, forwarded to the database.
    bool InsertPoint(const QString &key, int value, quint16 pointNumber, int type);
    bool InsertPoint(const QString &key, const QString &value, quint16 pointNumber, int type,
                     int size = -1);
    bool InsertPoint(const QString &key, const QString &value, DataPoint::Attributes attributes,
                     quint16 pointNumber, int size, int type);
    bool InsertPoint(const QString &key, int value, DataPoint::Attributes attributes,
                     quint16 pointNumber, int type);
    bool InsertPoint(const QString &key, const QString &value, DataPoint::Attributes attributes,
                     quint16 pointNumber, int type);
    bool SetUntracked(const QString &key);

    /// Writes this subtree to \a fileName atomically; a failure is reported
    /// in a message box over \a parent and leaves any previous file intact.
    /// A top-level object written whole has no unsaved changes afterwards.
    bool saveToFile(const QString &fileName, QWidget *parent = nullptr);

    // --- unsaved changes, kept by each top-level object for its subtree -----
    /// True when this top-level object's tree holds changes that no file has.
    bool hasUnsavedChanges() const { return m_unsavedChanges.load(); }
    void setUnsavedChanges(bool unsaved) { m_unsavedChanges = unsaved; }
    /// A value a file holds or the shape of the subtree changed: marks the
    /// top-level object above (safe from any thread); the first mark asks
    /// the receiver to refresh its enable state and title.
    void noteContentChanged();
    /// The top-level object above this one (itself when it is one); null
    /// when the object is not in the tree.
    RYXObject *topLevelObject();

Q_SIGNALS:
    void DebugMessage(const QString &text);

public Q_SLOTS:
    void copySlot();
    void pasteSlot();
    void deleteSlot();
    void openSlot();
    void saveAsSlot();
    void uploadSlot();
    void downloadSlot();

protected:
    /// Takes the element, names, type code and icons of this object's class
    /// from its row; constructors call it before creating their points.
    void applyClassInfo(const RYXClassInfo &info);
    /// Recomputes bit 2 from the database and modifiedWhileOnline.
    void updateNotCurrentBit();
    /// Refreshes the tree LED when the flags changed since the last refresh.
    void refreshIndicator();
    /// Posts \a event to this tree's receiver; false (event deleted) when none.
    bool postToMainWindow(QAsyncCustomEvent *event);
    void watchChild(RYXObject *child);
    bool isCurrentTreeItemOrUnknown() const;
    template<typename T, typename Convert>
    bool convertedValue(const QString &key, T &value, Convert convert)
    {
        QString text;
        if (!getValue(key, text))
            return false;
        value = convert(text);
        return true;
    }
    /// The value of \a key, or \a fallback when this object has no such point.
    template<typename T>
    T valueOr(const QString &key, T fallback)
    {
        getValue(key, fallback);
        return fallback;
    }
    void forgetTreeItems();
    /// Asks the receiver to refresh its enable state (and title).
    void postEnableStateRefresh();
    /// Notes whether the value of \a key can travel to the device.
    void trackValueProblem(const QString &key);
    /// Bit 0 follows the class's own validation and the values' problems.
    void applyConfigError();

    // Fields, in the order of their meaning; subclasses set them in their
    // constructors.
    RYXDatabase *database;
    // The connection thread and the GUI thread both change the status: each
    // change of bits is one atomic operation, so that no bit set by one
    // thread is lost to the other.
    std::atomic<bool> modifiedWhileOnline { false };
    RYXListViewItem *treeItem = nullptr;
    QString eventPixmap;
    QString currentPixmap;
    QString offlinePixmap;
    QString notCurrentPixmap;
    QString errorPixmap;
    QString childNotCurrentPixmap;
    QString childErrorPixmap;
    QMutex mutex;
    QString xmlTag;
    bool trackChangesDisabled = false;
    QString fileName;
    int deviceClass = 0;
    QString name;
    QString family;
    int moduleType = -1;
    int typeCode = -1;
    std::atomic<unsigned> statusFlags { 0 };
    std::atomic<unsigned> shownStatusFlags { ~0u };
    RYXConnectionBase *connection = nullptr;
    QList<RYXObject *> children;
    std::atomic<bool> suppressIndicatorRefresh { false };
    bool showInTree = true;
    bool deletable = true;
    bool showDataStatus = true;
    bool showFirmwareVersion = false;
    bool threePartFirmwareVersion = false;
    bool showSerialNumber = false;

private:
    quint64 m_identity = 0;
    std::atomic<bool> m_unsavedChanges { false };
    // Set by validation and value changes on the GUI thread and, during
    // transfers, on the connection thread.
    mutable QMutex m_problemLock;
    bool m_validationError = false;     // the class's own validation failed
    QMap<QString, QString> m_valueProblems; // key -> why its value cannot travel
    std::unique_ptr<RYXDialogProvider> m_dialogProvider;
    std::unique_ptr<RYXObjectMenu> m_menu;
};
