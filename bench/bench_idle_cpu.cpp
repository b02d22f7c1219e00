// Idle CPU of many connected stations: sixteen Ethernet interface modules,
// each connected over TCP loopback to its own in-process simulator, sit
// online for ten seconds, the keep-alive reading each one every five
// seconds. Prints the process CPU time as a share of one core (simulators
// included), and against the floor measured in the same run: the CPU time
// of the same number of keep-alive reads made back to back, which no idle
// station can do without.
#include "comm/RYXConnection.h"
#include "comm/TransferContext.h"
#include "comm/ZEMPTCPPort.h"
#include "model/RYXHeadlessReceiver.h"
#include "stations/EIModuleObject.h"

#include "BenchWorker.h"
#include "SimStation.h"
#include "SimThread.h"

#include <QtCore/QDeadlineTimer>
#include <QtCore/QElapsedTimer>
#include <QtCore/QEventLoop>
#include <QtCore/QTimer>
#include <QtWidgets/QApplication>

#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int Stations = 16;
constexpr int IdleSeconds = 10;

double cpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void runEventLoop(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The process's CPU time over IdleSeconds of event loop, as a share of one core.
double idleShare()
{
    const double before = cpuSeconds();
    QElapsedTimer idle;
    idle.start();
    runEventLoop(IdleSeconds * 1000);
    return (cpuSeconds() - before) / (double(idle.elapsed()) / 1000.0);
}

struct Link
{
    std::unique_ptr<SimThread> sim;
    std::unique_ptr<EIModuleObject> station;
    std::unique_ptr<RYXConnection> connection;
};

// The CPU time of \a reads keep-alive reads, one station after the other,
// made on a worker thread as the connection threads make them.
double readsBackToBack(std::vector<Link> &links, int reads)
{
    const double before = cpuSeconds();
    runOnWorker([&links, reads] {
        for (int i = 0; i < reads; ++i) {
            TransferContext context(false, links[size_t(i) % links.size()].station.get(), true);
            context.readPoint(QStringLiteral("devicetype"), true, true);
        }
    });
    return cpuSeconds() - before;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    RYXHeadlessReceiver receiver;
    std::vector<Link> links(Stations);
    for (Link &link : links) {
        SimOptions options;
        options.httpEnabled = true;
        link.sim = std::make_unique<SimThread>(options);
        if (!link.sim->startServing()) {
            std::fprintf(stderr, "simulator: %s\n", qPrintable(link.sim->errorString()));
            return 1;
        }
        link.station = std::make_unique<EIModuleObject>();
        link.connection = std::make_unique<RYXConnection>(link.station.get());
        link.connection->setEventReceiver(&receiver);
        link.station->setConnection(link.connection.get());
        const QString address = QStringLiteral("127.0.0.1:%1").arg(link.sim->httpPort());
        auto *port = new ZEMPTCPPort(address);
        port->setEventReceiver(&receiver);
        link.connection->setComPortNumber(0);
        link.connection->setIpAddress(address);
        link.connection->setPort(port);
    }

    for (Link &link : links)
        link.connection->connectSlot(false);

    QElapsedTimer connecting;
    connecting.start();
    auto online = [&links] {
        for (const Link &link : links)
            if (link.connection->state() != RYXConnection::Online)
                return false;
        return true;
    };
    while (!online() && connecting.elapsed() < 60000)
        runEventLoop(50);
    if (!online()) {
        std::fprintf(stderr, "not every station came online\n");
        return 1;
    }
    std::printf("%d stations online after %lld ms\n", Stations, qint64(connecting.elapsed()));

    runEventLoop(500); // let the connect traffic settle
    quint64 requestsBefore = 0;
    for (const Link &link : links)
        requestsBefore += link.sim->station()->requestCount();
    const double share = idleShare();
    quint64 requests = 0;
    for (const Link &link : links)
        requests += link.sim->station()->requestCount();
    requests -= requestsBefore;
    const double used = share * IdleSeconds;
    const double floorUsed = readsBackToBack(links, int(requests));
    std::printf("online idle %d s, %llu keep-alive reads: CPU %.3f s = %.3f%% of one core (target under 1%%)\n",
                IdleSeconds, (unsigned long long)requests, used, 100.0 * share);
    std::printf("floor, the same reads back to back: CPU %.3f s; idle / floor = %.2f\n", floorUsed,
                floorUsed > 0 ? used / floorUsed : 0.0);

    for (Link &link : links) {
        link.station->setConnection(nullptr);
        link.connection.reset();
        link.sim->stopServing();
    }
    return 0;
}
