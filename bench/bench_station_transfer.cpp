// Whole-station upload and download: an Ethernet interface module with
// sixteen four-channel modules against the in-process simulator, over TCP
// loopback and, through a station class that also allows RS-232, over a pty
// paced at 57600 baud. Each run is set against its floor: the pause before
// every paced point read plus, on the serial line, the time the frames
// need on the wire.
#include "app/RYXClassTable.h"
#include "comm/CVELException.h"
#include "comm/RYXConnection.h"
#include "comm/TransferContext.h"
#include "comm/ZEMPRSPort.h"
#include "comm/ZEMPTCPPort.h"
#include "devices/RYXChannel.h"
#include "devices/RYXIOModule.h"
#include "model/RYXHeadlessReceiver.h"
#include "stations/EIModuleObject.h"

#include "BenchWorker.h"
#include "SimCatalog.h"
#include "SimPtyServer.h"
#include "SimStation.h"
#include "SimThread.h"

#include <QtCore/QElapsedTimer>
#include <QtWidgets/QApplication>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int Modules = 16;
constexpr int Channels = 4;
constexpr int Runs = 3;
constexpr int SerialBaud = 57600;
constexpr double ReadPauseMs = 5.0;

// An analog input channel: its transfers move the tag and the custom text.
class BenchChannel : public RYXChannel
{
public:
    explicit BenchChannel(int number)
    {
        name = QStringLiteral("Channel");
        typeCode = RYXInterfaceModule::AIMType;
        setChannelNumber(number);
        InsertPoint(QStringLiteral("tag"), QStringLiteral("TT-%1").arg(number), RYXIOModule::TagPoint,
                    ZEMP_TEXT, RYXIOModule::TagSize);
        InsertPoint(QStringLiteral("text"), QStringLiteral("degC"), RYXIOModule::TextPoint, ZEMP_TEXT,
                    RYXIOModule::TextSize);
    }
    int uploadPoints(TransferContext &context) override { return transfer(context, false); }
    int downloadPoints(TransferContext &context) override { return transfer(context, true); }

private:
    int transfer(TransferContext &context, bool write)
    {
        for (const QString &key : {QStringLiteral("tag"), QStringLiteral("text")}) {
            const int status = write ? context.writePoint(key) : context.readPoint(key);
            if (status != 0)
                return status;
        }
        return 0;
    }
};

// A four-channel analog input module standing in for the module classes:
// it reads its serial number and leaves the rest to its channels.
class BenchModule : public RYXIOModule
{
public:
    BenchModule()
    {
        moduleType = RYXInterfaceModule::AIMType;
        RYXInterfaceModule::moduleTypeName(moduleType, name);
        RYXInterfaceModule::moduleTypeElement(moduleType, family);
        for (int n = 1; n <= Channels; ++n)
            addChild(new BenchChannel(n));
    }
    int uploadPoints(TransferContext &context) override
    {
        return context.readPoint(QStringLiteral("synch_serialnumber"));
    }
};

// The Ethernet interface module, also reachable over RS-232.
class SerialCapableStation : public EIModuleObject
{
public:
    unsigned getTransportMask() const override { return TransportRS232 | TransportTCPIP; }
};

struct Figures
{
    bool ok = false;
    double ms = 0;
    quint64 pausedReads = 0;
    quint64 frameBytes = 0;
};

class Bench
{
public:
    explicit Bench(bool tcp) : m_tcp(tcp)
    {
        SimOptions options;
        for (int i = 0; i < Modules; ++i)
            options.modules.append(quint8(RYXInterfaceModule::AIMType));
        options.httpEnabled = tcp;
        options.ptyEnabled = !tcp;
        options.baud = tcp ? 0 : SerialBaud;
        m_sim = std::make_unique<SimThread>(options);
    }

    bool start()
    {
        if (!m_sim->startServing()) {
            std::fprintf(stderr, "simulator: %s\n", qPrintable(m_sim->errorString()));
            return false;
        }
        ZEMPPort *port;
        if (m_tcp) {
            port = new ZEMPTCPPort(QStringLiteral("127.0.0.1:%1").arg(m_sim->httpPort()));
        } else {
            auto *serial = new ZEMPRSPort;
            serial->setDevicePath(m_sim->slavePath());
            port = serial;
        }
        m_connection.setPort(port);
        m_connection.setEventReceiver(&m_receiver);
        m_station.setConnection(&m_connection);
        for (int i = 0; i < Modules; ++i)
            m_station.addChild(new BenchModule);
        return port->openPort();
    }

    ~Bench()
    {
        m_station.setConnection(nullptr);
        if (ZEMPPort *port = m_connection.getPort())
            port->closePort();
    }

    Figures measure(const QString &op)
    {
        Figures figures;
        SimStation *sim = m_sim->station();
        const quint64 readsBefore = sim->pointReads();
        const quint64 bytesBefore = sim->frameBytes();
        const int savesBefore = sim->saveCount();
        QElapsedTimer clock;
        clock.start();
        int result = -1;
        runOnWorker([&] {
            try {
                result = m_station.executeOperation(op, true);
            } catch (const CVELException &e) {
                std::fprintf(stderr, "transfer stopped: %s\n", qPrintable(e.message()));
            }
        });
        figures.ms = double(clock.nsecsElapsed()) / 1e6;
        figures.ok = result == 0;
        // The save handshake reads its byte without the pause.
        figures.pausedReads = sim->pointReads() - readsBefore - quint64(sim->saveCount() - savesBefore);
        figures.frameBytes = sim->frameBytes() - bytesBefore;
        return figures;
    }

    double floorMs(const Figures &f) const
    {
        const double wireMs = m_tcp ? 0.0 : double(SimPtyServer::wireTimeUs(int(f.frameBytes), SerialBaud)) / 1000.0;
        return double(f.pausedReads) * ReadPauseMs + wireMs;
    }

private:
    bool m_tcp;
    std::unique_ptr<SimThread> m_sim;
    RYXHeadlessReceiver m_receiver;
    SerialCapableStation m_station;
    RYXConnection m_connection { &m_station };
};

void report(const char *transport, bool tcp)
{
    Bench bench(tcp);
    if (!bench.start()) {
        std::printf("%-22s could not start\n", transport);
        return;
    }
    for (const QString &op : {QStringLiteral("upload"), QStringLiteral("download")}) {
        std::vector<Figures> runs;
        for (int i = 0; i < Runs; ++i)
            runs.push_back(bench.measure(op));
        if (std::any_of(runs.begin(), runs.end(), [](const Figures &f) { return !f.ok; })) {
            std::printf("%-22s %-9s failed\n", transport, qPrintable(op));
            continue;
        }
        std::sort(runs.begin(), runs.end(), [](const Figures &a, const Figures &b) { return a.ms < b.ms; });
        const Figures &median = runs[Runs / 2];
        const double floor = bench.floorMs(median);
        std::printf("%-22s %-9s %8.1f ms  %4llu paused reads  %6llu frame bytes  floor %8.1f ms  ratio %5.3f\n",
                    transport, qPrintable(op), median.ms, static_cast<unsigned long long>(median.pausedReads),
                    static_cast<unsigned long long>(median.frameBytes), floor, median.ms / floor);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The module type table names the bench modules.
    RYXClassTable::registerAll();
    std::printf("Station with %d modules of %d channels, median of %d runs each\n", Modules, Channels, Runs);
    report("TCP loopback", true);
    report("pty at 57600 baud", false);
    return 0;
}
