// A small station tree and the simulator it talks to over loopback TCP,
// shared by the station, module and channel tests.
#pragma once

#include "app/RYXClassTable.h"
#include "comm/RYXConnection.h"
#include "comm/TransferContext.h"
#include "comm/ZEMPRSPort.h"
#include "comm/ZEMPTCPPort.h"
#include "devices/RYXChannel.h"
#include "devices/RYXChildCreator.h"
#include "devices/RYXInterfaceModule.h"
#include "devices/RYXIOModule.h"
#include "io/UndeterminedModuleObject.h"
#include "model/RYXHeadlessReceiver.h"
#include "model/RYXObjectFactory.h"
#include "support/RunOnWorker.h"

#include "SimCatalog.h"
#include "SimPointMap.h"
#include "SimStation.h"
#include "SimThread.h"

#include <QtTest/QtTest>

#include <algorithm>
#include <functional>
#include <memory>

namespace rig {

// Installs the program's class table (which names the test modules after
// their module types) and the test classes' elements.
inline void installClasses();

// Called with the module and the operation each time a test module runs one.
inline std::function<void(RYXIOModule *, const QString &)> &operationHook()
{
    static std::function<void(RYXIOModule *, const QString &)> hook;
    return hook;
}

// A channel of the given device type; its transfers move its tag.
class TestChannel : public RYXChannel
{
public:
    TestChannel(int number, int deviceType)
    {
        name = QStringLiteral("Test Channel");
        xmlTag = QStringLiteral("TESTCHANNEL");
        typeCode = deviceType;
        setChannelNumber(number);
        InsertPoint(QStringLiteral("tag"), QString(), 0x107, ZEMP_TEXT, 24);
    }
    int uploadPoints(TransferContext &context) override { return context.readPoint(QStringLiteral("tag")); }
    int downloadPoints(TransferContext &context) override { return context.writePoint(QStringLiteral("tag")); }
};

// A four-channel module of a given type code; "failure" makes its upload
// read a point the device does not have, without (-1 result) or with the
// retry failure.
class TestModule : public RYXIOModule
{
public:
    enum Failure { None, Result, Retries };

    explicit TestModule(int code = RYXInterfaceModule::TIMType)
    {
        installClasses();
        moduleType = code;
        xmlTag = QStringLiteral("TESTMODULE_%1").arg(code);
        RYXInterfaceModule::moduleTypeName(code, name);
        RYXInterfaceModule::moduleTypeElement(code, family);
        notCurrentPixmap = QStringLiteral("SmallYellowLED");
        currentPixmap = QStringLiteral("SmallGreenLED");
        InsertPoint(QStringLiteral("nosuchpoint"), 0, 0x0777, ZEMP_UINT8);
        for (int n = 1; n <= 4; ++n)
            addChild(new TestChannel(n, code));
    }
    int executeOperation(const QString &op, bool topLevel) override
    {
        if (operationHook())
            operationHook()(this, op);
        return RYXIOModule::executeOperation(op, topLevel);
    }
    int uploadPoints(TransferContext &context) override
    {
        if (failure == None)
            return context.readPoint(QStringLiteral("synch_serialnumber"));
        const int status = context.readPoint(QStringLiteral("nosuchpoint"), false, failure == Result);
        return status == 0 ? 0 : -1;
    }
    Failure failure = None;
};

// A station of the simulator's device type, standing in for the concrete
// station classes, with a switch for the download preparation.
class TestStation : public RYXInterfaceModule
{
public:
    TestStation()
    {
        name = QStringLiteral("Test Station");
        xmlTag = QStringLiteral("TESTSTATION");
        typeCode = 28;
        InsertPoint(descriptorKey(), QString(), DataPoint::Attributes(7), 0x0C, 12, ZEMP_TEXT);
    }
    bool addChild(RYXObject *child) override
    {
        if (auto *module = qobject_cast<RYXIOModule *>(child))
            return appendModule(module);
        return RYXObject::addChild(child);
    }
    int checkOperation(int) override { return 0; }
    bool prepareDownloadData() override { return prepareSucceeds; }
    int uploadPoints(TransferContext &context) override { return context.readPoint(descriptorKey()); }
    int downloadPoints(TransferContext &context) override { return context.writePoint(descriptorKey()); }
    static QString descriptorKey() { return QStringLiteral("synch_descriptor"); }
    void setTypeCode(int code) { typeCode = code; }
    bool prepareSucceeds = true;
};

// A download's read-back copies the tree through its configuration text,
// so the test classes have elements too.
inline void installClasses()
{
    static const bool installed = [] {
        RYXClassTable::registerAll();
        RYXObjectFactory::registerClass(QStringLiteral("TESTSTATION"), RYXObjectFactory::StationLevel,
                                        [](int) { return new TestStation; });
        for (int code : RYXInterfaceModule::moduleTypeCodes())
            RYXObjectFactory::registerClass(QStringLiteral("TESTMODULE_%1").arg(code), RYXObjectFactory::ModuleLevel,
                                            [code](int) { return new TestModule(code); });
        RYXObjectFactory::registerClass(QStringLiteral("TESTCHANNEL"), RYXObjectFactory::ChannelLevel,
                                        [](int number) { return new TestChannel(number, 0); });
        return true;
    }();
    Q_UNUSED(installed);
}

// Records the LEDs the tree would show and the progress bar's steps.
class RecordingReceiver : public RYXHeadlessReceiver
{
public:
    void setTreeItemPixmap(RYXObject *object, const QString &pixmapName) override
    {
        pixmaps.append({object, pixmapName});
    }
    void setProgressStep(int step) override
    {
        steps << step;
        RYXHeadlessReceiver::setProgressStep(step);
    }
    void setProgressStepCount(int count) override
    {
        stepCounts << count;
        RYXHeadlessReceiver::setProgressStepCount(count);
    }
    QList<QPair<RYXObject *, QString>> pixmaps;
    QList<int> steps;
    QList<int> stepCounts;
};

// A simulator and a connection to it over loopback TCP or a pty, for a
// station the caller owns; modules the connect check asks for are made as
// the main window makes them, and their kinds recorded. A second link may
// share the first one's simulator, as a second program would.
class SimLink
{
    // First: the connection below is built for it.
    RYXObject &m_station;

public:
    SimLink(RYXObject &station, SimOptions options, bool tcp = true) : m_station(station)
    {
        installClasses();
        options.httpEnabled = tcp;
        options.ptyEnabled = !tcp;
        sim = std::make_shared<SimThread>(options);
        const bool serving = sim->startServing();
        ok = openPort(tcp) && serving;
    }
    SimLink(RYXObject &station, const SimLink &other) : m_station(station), sim(other.sim)
    {
        ok = openPort(true);
    }
    ~SimLink()
    {
        m_station.setConnection(nullptr);
        connection.getPort()->closePort();
    }

    void silence()
    {
        SimFaults faults = sim->station()->faults();
        faults.setSilentAfter(int(sim->station()->requestCount()));
        sim->station()->setFaults(faults);
    }
    void failAt(quint16 address, int code = SimStation::ErrReadOnly)
    {
        SimFaults faults = sim->station()->faults();
        faults.addDeviceError({code, address, 0});
        sim->station()->setFaults(faults);
    }

    /// Runs \a work on a worker thread, as the connection thread does,
    /// while this thread serves the socket and the posted events.
    int run(const std::function<int()> &work) { return runOnWorker(work); }
    int operation(RYXObject *object, const QString &op, bool topLevel = true)
    {
        return run([&] { return object->executeOperation(op, topLevel); });
    }
    int operation(const QString &op) { return operation(&m_station, op); }

    /// The text the device holds at \a address behind \a tunnel, up to its
    /// terminating zero.
    QString deviceText(quint16 tunnel, quint16 address) const
    {
        QByteArray value;
        if (!sim->station()->readPoint(tunnel, address, value))
            return QStringLiteral("<unreadable>");
        return QString::fromLatin1(value.left(value.indexOf('\0') < 0 ? value.size() : value.indexOf('\0')));
    }
    QStringList results() const { return receiver.progressResults(); }
    bool hasResult(const QString &text) const
    {
        const QStringList &lines = receiver.progressResults();
        return std::any_of(lines.begin(), lines.end(), [&](const QString &line) { return line.endsWith(text); });
    }

    bool ok = false;
    std::shared_ptr<SimThread> sim;
    RecordingReceiver receiver;
    RYXConnection connection{&m_station};
    QList<int> kinds;

private:
    bool openPort(bool tcp)
    {
        ZEMPPort *port = nullptr;
        if (tcp) {
            port = new ZEMPTCPPort(QStringLiteral("127.0.0.1:%1").arg(sim->httpPort()));
        } else {
            auto *serial = new ZEMPRSPort;
            serial->setDevicePath(sim->slavePath());
            port = serial;
        }
        const bool opened = port->openPort();
        port->setTimeout(300);
        connection.setPort(port);
        connection.setEventReceiver(&receiver);
        m_station.setConnection(&connection);
        receiver.setChildFactory([this](RYXObject *parent, int kind) {
            kinds << kind;
            RYXChildCreator::createChild(parent, kind);
        });
        return opened;
    }
};

// Holds the station of a StationRig, so that it is built before the link
// that connects it and outlives it.
template<class Station>
struct StationHolder
{
    Station station;
};

// The simulator with the given modules, and a station of class Station
// connected to it.
template<class Station>
class StationRig : public StationHolder<Station>, public SimLink
{
public:
    /// \a treeModules are the type codes of test modules put in the tree.
    explicit StationRig(const QString &deviceModules = QString(), const QList<int> &treeModules = {}, bool tcp = true)
        : SimLink(this->station, withModules(deviceModules), tcp)
    {
        for (int code : treeModules)
            addModule(code);
    }
    ~StationRig() { operationHook() = nullptr; }

    TestModule *addModule(int code = RYXInterfaceModule::TIMType)
    {
        auto *module = new TestModule(code);
        this->station.addChild(module);
        return module;
    }

private:
    static SimOptions withModules(const QString &deviceModules)
    {
        SimOptions options;
        SimCatalog::parseModuleList(deviceModules, options.modules, nullptr);
        return options;
    }
};

using Rig = StationRig<TestStation>;

} // namespace rig
