// Point reads per second over TCP loopback and over a pty against the
// in-process simulator, each set against its floor: the pause before every
// read plus the time the frames need on the wire at the paced rate.
#include "comm/RYXConnection.h"
#include "comm/TransferContext.h"
#include "comm/ZEMPRSPort.h"
#include "comm/ZEMPTCPPort.h"
#include "model/RYXObject.h"

#include "BenchWorker.h"
#include "SimCatalog.h"
#include "SimPtyServer.h"
#include "SimThread.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QThread>
#include <QtWidgets/QApplication>

#include <cstdio>
#include <memory>

namespace {

constexpr int Reads = 400;
constexpr double ReadPauseMs = 5.0;
// A read of the 2-byte device type: 4 request bytes, 6 response bytes.
constexpr int FrameBytes = 4 + 6;

class HeadObject : public RYXObject
{
public:
    HeadObject() { InsertPoint(QStringLiteral("devicetype"), 0, SimCatalog::DeviceTypePoint, ZEMP_UINT16); }
};

struct Figures
{
    bool ok = false;
    double msPerRead = 0;
};

// With \a paused, point reads through a transfer context (pause included);
// otherwise bare transactions, which show the round trip alone.
Figures measure(bool tcp, int baud, bool paused)
{
    Figures figures;
    SimOptions options;
    options.httpEnabled = tcp;
    options.ptyEnabled = !tcp;
    options.baud = baud;
    SimThread sim(options);
    if (!sim.startServing()) {
        std::fprintf(stderr, "simulator: %s\n", qPrintable(sim.errorString()));
        return figures;
    }
    HeadObject head;
    RYXConnection connection(&head);
    ZEMPPort *port;
    if (tcp) {
        port = new ZEMPTCPPort(QStringLiteral("127.0.0.1:%1").arg(sim.httpPort()));
    } else {
        auto *rs = new ZEMPRSPort;
        rs->setDevicePath(sim.slavePath());
        port = rs;
    }
    connection.setPort(port);
    head.setConnection(&connection);
    if (!port->openPort())
        return figures;

    int failures = 0;
    qint64 elapsedNs = 0;
    runOnWorker([&] {
        TransferContext context(false, &head, true);
        context.readPoint(QStringLiteral("devicetype"), true, true); // warm-up
        QElapsedTimer clock;
        clock.start();
        BYTE buffer[ZEMP_MAX_FRAME];
        for (int i = 0; i < Reads; ++i) {
            int count = 0;
            const int status = paused ? context.readPoint(QStringLiteral("devicetype"), true, true)
                                      : port->readCommand(SimCatalog::DeviceTypePoint, &count, buffer);
            if (status != 0)
                ++failures;
        }
        elapsedNs = clock.nsecsElapsed();
    });
    port->closePort();
    figures.ok = failures == 0;
    figures.msPerRead = double(elapsedNs) / 1e6 / Reads;
    if (failures)
        std::fprintf(stderr, "%d reads failed\n", failures);
    return figures;
}

// What the pause alone costs on this machine: the sleep overshoots.
double pauseMs()
{
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < Reads / 4; ++i)
        QThread::msleep(unsigned(ReadPauseMs));
    return double(clock.nsecsElapsed()) / 1e6 / (Reads / 4);
}

void report(const char *name, bool tcp, int baud, bool paused = true)
{
    const Figures f = measure(tcp, baud, paused);
    if (!f.ok) {
        std::printf("%-28s failed\n", name);
        return;
    }
    const double wireMs = baud > 0 ? double(SimPtyServer::wireTimeUs(FrameBytes, baud)) / 1000.0 : 0.0;
    const double floorMs = (paused ? ReadPauseMs : 0.0) + wireMs;
    if (floorMs <= 0) {
        std::printf("%-28s %7.1f reads/s  %6.3f ms/read  (no floor: round trip alone)\n",
                    name, 1000.0 / f.msPerRead, f.msPerRead);
        return;
    }
    std::printf("%-28s %7.1f reads/s  %6.3f ms/read  floor %6.3f ms  ratio %5.3f  beyond floor %6.3f ms\n",
                name, 1000.0 / f.msPerRead, f.msPerRead, floorMs, f.msPerRead / floorMs,
                f.msPerRead - floorMs);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("%d single-attempt point reads each, after one warm-up read\n", Reads);
    std::printf("%-28s %6.3f ms (floor counts it as %.3f ms)\n", "pause alone", pauseMs(), ReadPauseMs);
    report("TCP loopback", true, 0);
    report("pty, unpaced", false, 0);
    report("pty, paced at 57600 baud", false, 57600);
    report("TCP loopback, no pause", true, 0, false);
    report("pty, no pause", false, 0, false);
    report("pty 57600, no pause", false, 57600, false);
    return 0;
}
