// Faults a station may show, against the connection thread over TCP and over
// a pty: each case connects and uploads, and ends within a bound computed
// from the short time-outs set here, with its result line, the cause under
// it, the codes of the operation that failed and the state it leaves.
#include "comm/RYXConnectionThread.h"
#include "core/RYXScriptedPrompter.h"
#include "stations/EIModuleObject.h"

#include "StationTestRig.h"
#include "support/SimFaultRows.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QHash>
#include <QtCore/QMutex>

namespace {

// The reply time-out of the rig's ports, and the allowance for everything
// that is not waiting for a reply (thread wake-ups, pauses before reads).
constexpr int ReplyTimeoutMs = 300;
constexpr int Slack = 4000;

// An Ethernet station that may also be reached over RS-232; records the code
// of every operation the connection thread runs on it, and lets a case act
// when one begins.
class MatrixStation : public EIModuleObject
{
public:
    unsigned getTransportMask() const override { return TransportRS232 | TransportTCPIP; }
    int executeOperation(const QString &op, bool topLevel) override
    {
        if (onStart)
            onStart(op);
        const int code = EIModuleObject::executeOperation(op, topLevel);
        QMutexLocker lock(&m_mutex);
        m_codes[op] << code;
        return code;
    }
    QList<int> codes(const QString &op)
    {
        QMutexLocker lock(&m_mutex);
        return m_codes.value(op);
    }
    std::function<void(const QString &)> onStart;

private:
    QMutex m_mutex;
    QHash<QString, QList<int>> m_codes;
};

using Rig = rig::StationRig<MatrixStation>;

// From the start of the upload on, the station answers only the three
// requests of the upload's device check.
void silenceAfterUploadCheck(Rig &rig)
{
    SimStation *station = rig.sim->station();
    rig.station.onStart = [station](const QString &op) {
        if (op != QLatin1String("upload"))
            return;
        SimFaults later = station->faults();
        later.setSilentAfter(int(station->requestCount()) + 3);
        station->setFaults(later);
    };
}

} // namespace

class tst_FaultMatrix : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { RYXPrompter::setInstance(&m_prompter); }
    void cleanupTestCase() { RYXPrompter::setInstance(nullptr); }
    void faultEndsInBound_data();
    void faultEndsInBound();
    void stationRestartedMidDownload();

private:
    RYXScriptedPrompter m_prompter; // nothing here may ask the user
};

void tst_FaultMatrix::faultEndsInBound_data()
{
    QTest::addColumn<bool>("tcp");
    QTest::addColumn<SimFaults>("faults");
    QTest::addColumn<bool>("silentMidUpload");
    QTest::addColumn<QString>("line");  // the failure's fixed result line
    QTest::addColumn<QString>("cause"); // the line under it
    QTest::addColumn<QString>("op");    // the operation that failed
    QTest::addColumn<QList<int>>("codes"); // what it returned, attempt by attempt
    QTest::addColumn<bool>("online");   // the state the connection ends in
    QTest::addColumn<int>("bound");     // milliseconds

    const QString noAnswer = QStringLiteral("Cause: no answer in 0.3 s; ");
    const int seekPauses = 2 * RYXConnectionThread::SeekRetryMs;
    const int t = ReplyTimeoutMs;
    for (const bool tcp : {true, false}) {
        const auto row = [tcp](const char *name) -> QTestData & {
            return QTest::newRow((QByteArray(name) + (tcp ? " over TCP" : " over a pty")).constData()) << tcp;
        };
        using namespace faultrows;
        // Every reply fails its checksum: three connect attempts, then a time-out.
        row("corrupt every reply") << corruptEvery(1) << false << "Failure: Timeout"
            << "Cause: checksum fault in the reply; point devicetype, address 0x0064"
            << "connect" << QList<int>{-1, -1, -1} << false << seekPauses + Slack;
        // Each point needs one retry; about twenty points in all.
        row("drop every second reply") << dropEvery(2) << false << "EIM overall upload success!" << QString()
            << "upload" << QList<int>{0} << true << 20 * t + Slack;
        row("silent from the start") << silentAfter(0) << false << "Failure: Timeout"
            << noAnswer + "point devicetype, address 0x0064" << "connect" << QList<int>{2} << false
            << 3 * t + Slack;
        // Three attempts at the first point, three at the check that follows.
        row("silent mid-upload") << SimFaults() << true << "EIM upload failure! Retry limit exceeded."
            << noAnswer + "point descriptor, address 0x000C" << "upload" << QList<int>{7} << false
            << 6 * t + Slack;
        // A device error is not a lost connection: it is reported as what it is.
        row("device error at the descriptor") << deviceError(5, 0x00C) << false
            << "Connection with device failed during Synhronization."
            << "Cause: device error 5; point synch_descriptor, address 0x000C" << "synchronize"
            << QList<int>{-1} << false << Slack;
        row("device error at an uploaded point") << deviceError(5, 0x214) << false
            << "EIM upload failure! Retry limit exceeded."
            << "Cause: device error 5; point serverlocation, address 0x0214" << "upload" << QList<int>{7}
            << true << Slack;
    }
}

void tst_FaultMatrix::faultEndsInBound()
{
    QFETCH(bool, tcp);
    QFETCH(SimFaults, faults);
    QFETCH(bool, silentMidUpload);
    QFETCH(QString, line);
    QFETCH(QString, cause);
    QFETCH(QString, op);
    QFETCH(bool, online);
    QFETCH(int, bound);
    Rig rig(QString(), {}, tcp);
    QVERIFY(rig.ok);
    QCOMPARE(rig.connection.getPort()->timeout(), ReplyTimeoutMs);
    rig.sim->station()->setFaults(faults);
    if (silentMidUpload)
        silenceAfterUploadCheck(rig);
    QSignalSpy progress(&rig.receiver, &RYXHeadlessReceiver::progressShown);
    const auto ended = [&] {
        const bool finished = progress.contains(QVariantList{3})
                              || (rig.connection.isOffline() && !rig.connection.isConnectRequested());
        return finished && rig.connection.isOffline() != online;
    };

    QElapsedTimer clock;
    clock.start();
    rig.connection.connectSlot(true); // connect, then upload
    QTRY_VERIFY_WITH_TIMEOUT(ended(), bound);
    const qint64 took = clock.elapsed();
    qInfo("%s: ended in %lld ms (bound %d ms)", QTest::currentDataTag(), took, bound);

    const QStringList results = rig.results();
    const int at = int(results.indexOf(line));
    QVERIFY2(at >= 0, qPrintable(results.join('\n')));
    QCOMPARE(results.value(at + 1).startsWith(QLatin1String("Cause: ")), !cause.isEmpty());
    if (!cause.isEmpty())
        QCOMPARE(results.at(at + 1), cause);
    QTEST(rig.station.codes(op), "codes");
    // The retry question is asked exactly when the connect ends as a time-out.
    QCOMPARE(rig.receiver.retryQuestions(), line == QLatin1String("Failure: Timeout") ? 1 : 0);
    QVERIFY(m_prompter.prompts().isEmpty());
}

// A station that restarts in the middle of a download has lost what it was
// written before: the read-back finds that, and the download is no success.
void tst_FaultMatrix::stationRestartedMidDownload()
{
    Rig rig;
    QVERIFY(rig.ok);
    SimStation *sim = rig.sim->station();
    // The restart comes right after the station name was written, before the save.
    connect(sim, &SimStation::requestHandled, sim, [sim](quint16 address, bool write) {
        if (write && address == 0x0C)
            sim->restart();
    }, Qt::DirectConnection);
    rig.station.setValue("descriptor", "Pump_9");
    rig.station.setValue("serverlocation", "North");
    QCOMPARE(rig.operation("download"), int(TransferContext::NotAsDownloaded));
    QVERIFY(rig.hasResult("EIM: descriptor is \"Pump_9\", the device holds \"EIM\""));
    QVERIFY(!rig.hasResult("EIM overall download success!"));
    QCOMPARE(sim->saveCount(), 1);
}

QTEST_MAIN(tst_FaultMatrix)
#include "tst_faultmatrix.moc"
