#pragma once

#include "devices/RYXInterfaceModule.h"
#include "model/RYXClassInfo.h"
#include "stations/StationMonitor.h"
#include "stations/StatusWordText.h"

#include <QtCore/QStringList>

class EIMConfigurationObjectPlugin;
class QMenu;
class XIMInternalsObjectPlugin;
class XIMProcessObjectPlugin;

// The Ethernet interface module: the head of a station reached over TCP/IP
// and the base of the other interface modules. It owns the station-level
// points and the three plug-ins ("Configuration", "Process Data",
// "Internals"), builds the Add Module menu, and carries out what the
// connection thread asks of a station: connect, verify, synchronize, the
// configuration transfers, monitoring and the scan mode commands.
class EIModuleObject : public RYXInterfaceModule
{
    Q_OBJECT
public:
    static const RYXClassInfo Info;

    explicit EIModuleObject(QObject *parent = nullptr);

    // --- overrides -------------------------------------------------------------
    /// Adds an I/O module at the end (refused online or beyond 16); plug-ins go straight in.
    bool addChild(RYXObject *child) override;
    bool initialize(QTreeWidgetItem *parentItem) override;
    bool createPopupMenu() override;
    bool addToEventBox(int decimals = 2) override;
    void updateDialog() override;
    void setOnline(bool online) override;
    int checkOperation(int op) override;
    int executeOperation(const QString &op, bool topLevel = true) override;
    int uploadPoints(TransferContext &context) override;
    bool processUploadedData() override;
    int downloadPoints(TransferContext &context) override;
    bool prepareDownloadData() override;
    int synchronize() override;
    int transferCorePoints(TransferContext &context, bool download) override;
    void showPage(int page) override;
    unsigned getTransportMask() const override;

    // --- new operations --------------------------------------------------------
    /// Reads the station identification and the float order.
    virtual int uploadCore();
    /// Writes the station identification and the float order.
    virtual int downloadCore();

    EIMConfigurationObjectPlugin *configurationPluginObject() const { return m_configuration; }
    XIMProcessObjectPlugin *processPlugin() const { return m_process; }
    XIMInternalsObjectPlugin *internalsPlugin() const { return m_internals; }
    bool isMonitoring() const { return m_monitor.isEnabled(); }
    /// Monitoring passes that read the device since construction.
    int monitorPasses() const { return m_monitor.passes(); }
    QMenu *moduleMenu() const { return m_moduleMenu; }
    /// Fills the process data plug-in's list from the device (monitoring).
    virtual void readProcessData(TransferContext &context);

public Q_SLOTS:
    void AddCIMASlot();
    void AddCIMBSlot();
    void AddCIMCSlot();
    void AddAIMSlot();
    void AddTIMSlot();
    void AddAOMSlot();
    void AddROMSlot();
    void AddROM8Slot();
    void AddDIMCCSlot();
    void AddDIMVLSlot();
    void AddDIMVHSlot();
    void AddUndeterminedSlot();
    void monitorEnableToggledSlot(bool on);
    void GetScanModeButtonClickedSlot();
    void SetScanModeButtonClickedSlot();
    void SetScanLinesButtonClickedSlot();

protected:
    RYXObject *configurationPlugin() override;
    /// The station identification and float order points moved by the cores.
    virtual QStringList corePoints() const;
    /// The identity points synchronize reads, in order (only those the class has).
    virtual QStringList identityPoints() const;

private:
    /// Validates the configuration plug-in's values and sets this
    /// station's configuration error accordingly; true when valid.
    bool validateConfiguration();
    int connectCheck();
    int createModulesFromDevice(TransferContext &context);
    int verifyQuietly();
    int scanModeTransfer(bool write);
    int runCore(bool download);
    void addModuleOfKind(int kind);
    bool hasPoint(const QString &key);
    /// The heading of \a word, then one line per text \a value stands for.
    void postStatusLines(const StatusWordText &word, unsigned value);
    void postEventLine(const QString &text);

    EIMConfigurationObjectPlugin *m_configuration = nullptr;
    XIMProcessObjectPlugin *m_process = nullptr;
    XIMInternalsObjectPlugin *m_internals = nullptr;
    QMenu *m_moduleMenu = nullptr;
    StationMonitor m_monitor;
    // Set while the connect check creates the device's modules: they are
    // added while the connection is still seeking.
    bool m_creatingFromDevice = false;
};
