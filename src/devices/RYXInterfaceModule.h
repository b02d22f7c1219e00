#pragma once

#include "model/RYXObject.h"

#include <QtCore/QList>
#include <QtCore/QString>

#include <functional>

class RYXIOModule;

// Base of every station root. Adds the identity points, the module list the
// device reports and the check of the tree against it, the station-level
// upload and download sequences, the save handshake that makes the
// interface module store downloaded data, and the module type table used
// throughout the program. Its children are the I/O modules, in position
// order, and the station's plug-ins; moduleCount counts the modules only.
class RYXInterfaceModule : public RYXObject
{
    Q_OBJECT
public:
    // Module type codes of the device's module list.
    enum ModuleTypeCode {
        UndeterminedType = 0,
        AOMType = 1,
        TIMType = 2,
        CIMType = 3,
        IIMType = 4,
        VIMType = 5,
        AIMType = 7,
        DIMCC8Type = 23,
        ROM4Type = 25,
        DIMLV8Type = 100,
        DIMHV8Type = 101,
        ROM8Type = 102
    };

    /// The largest number of I/O modules one station holds.
    static constexpr int MaxModules = 16;
    /// Address of the save handshake.
    static constexpr unsigned short CommitAddress = 0x200;

    explicit RYXInterfaceModule(QObject *parent = nullptr);

    // --- module type table ---------------------------------------------------
    /// The display name of a module type code; false (and empty) when the code has none.
    static bool moduleTypeName(int code, QString &name);
    /// The configuration file element of a module type code; false when none.
    static bool moduleTypeElement(int code, QString &element);
    /// The module type code of a configuration file element; false when none.
    static bool moduleTypeForElement(const QString &element, int &code);
    /// Every code that has a display name, in ascending order.
    static QList<int> moduleTypeCodes();
    /// The object name a module of \a code carries at \a position (empty
    /// when the code has no display name, which matches no module).
    static QString moduleObjectName(int code, int position);

    // --- new operations --------------------------------------------------------
    /// Makes the interface module store the data just downloaded; 0 or -1.
    virtual int commitDeviceData();
    /// Reads the device's module count and one type code per module into
    /// \a types (room for MaxModules bytes). Returns a transfer result code.
    virtual int readModuleList(ZEMPPort *port, int &count, unsigned char *types);
    /// Moves the station's own configuration points, which its configuration
    /// plug-in presents (none in this base); 0, or a point's status.
    virtual int transferCorePoints(TransferContext &context, bool download);

    // --- overrides -------------------------------------------------------------
    int verifyDevice(ZEMPPort *port) override;
    int upload(bool topLevel) override;
    int download(bool topLevel) override;
    bool deleteChild(RYXObject *child) override;
    bool addChildOfKind(int kind) override;
    void getMenuItemMask(unsigned &mask) override;
    QString getExtraPropertiesHtml() override;

    // --- helpers shared with the module and channel transfers ---------------
    /// The counting pass: runs \a pass with \a context inactive, so that every
    /// transfer is skipped and counted, and makes the context active again.
    static int countTransfers(TransferContext &context, RYXObject *object,
                              int (RYXObject::*pass)(TransferContext &));
    /// The counting pass of \a object and every object below it: the points
    /// an upload (or a download) of the whole subtree transfers.
    static int countTreeTransfers(TransferContext &context, RYXObject *object, bool download);
    /// The save step that ends a top-level download: the result lines
    /// around \a commit (a commitDeviceData) and one progress step.
    static void runSaveStep(TransferContext &context, const QString &name,
                            const std::function<int()> &commit);

    /// The check that ends a top-level download: reads \a object back from
    /// the device (unless the user turned that off) and lists every point it
    /// does not hold as written. 0, or the failure reported (NotAsDownloaded
    /// when the device holds something else).
    static int verifyDownload(TransferContext &context, RYXObject *object);

    /// A transaction status as a transfer result code (time-out: lost communication).
    static int resultOfStatus(int status);
    /// Runs the upload or download of \a object alone: the counting pass of
    /// its subtree (plus \a extraSteps) as the progress bar's step count, the
    /// progress title, then \a body. Running out of retries ends it with the
    /// retry result and \a failure, after \a onRetries (the LED to show).
    static int runTransfer(RYXObject *object, bool download, const QString &failure,
                           const std::function<int(TransferContext &)> &body,
                           const std::function<void()> &onRetries = {}, int extraSteps = 0);
    /// The checks before a download's first transfer: the object prepares its
    /// data and has no configuration error. 0, or the failure reported.
    static int checkDownloadReady(TransferContext &context, RYXObject *object);
    /// Runs \a op on every child of \a parent in order, stopping once the
    /// communication is lost (each further child would only time out).
    /// 0, or the last child's failure.
    static int runOnChildren(RYXObject *parent, const QString &op);

    // --- accessors ---------------------------------------------------------------
    int getModuleCount() const { return moduleCount; }
    /// The I/O modules among the children, in position order.
    QList<RYXIOModule *> modules() const;
    /// The transports this station class supports (TransportRS232 | TransportTCPIP).
    unsigned getTransportMask() const override;
    int getComPort() const override { return m_comPort; }
    void setComPort(int port) override { m_comPort = port; }
    /// A station is reached through a connection with its own worker thread.
    RYXConnectionBase *createConnection(QObject *parent) override;

protected:
    /// Appends \a module as the last module (position moduleCount + 1) and
    /// reparents it; the station classes call it from addChild after their checks.
    bool appendModule(RYXIOModule *module);
    /// Gives every module its position again (1, 2, ...), renaming it.
    void renumberModules();
    /// The configuration plug-in that follows the station's status after an
    /// upload; null when the class has none.
    virtual RYXObject *configurationPlugin();
    /// True when the station's connection is in the offline state.
    bool isConnectionOffline();

    int moduleCount = 0;

private:
    /// True when the module at \a position is one of \a typeCode.
    bool holdsModuleType(int typeCode, int position) const;
    int runUpload(TransferContext &context);
    int runDownload(TransferContext &context, bool topLevel);
    void addOverallResult(TransferContext &context, const QString &operation, int overall);

    int m_comPort = -1;
};
