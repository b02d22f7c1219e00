// The pseudo-terminal front of the simulator, driven by a peer on the slave
// side as a serial client would be.
#include "SimOptions.h"
#include "SimPtyServer.h"
#include "SimStation.h"
#include "SimThread.h"

#include "sim/SimTestFrames.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <memory>

using SimTestFrames::frame;

namespace {

const QByteArray DeviceTypeRequest = frame(false, 0x64);
const QByteArray DeviceTypeAnswer = QByteArray::fromHex("050064001C7B");

// The client side: the slave end of the pty, in raw mode.
class PtyPeer
{
public:
    explicit PtyPeer(const QString &path)
    {
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY);
        termios raw;
        if (m_fd >= 0 && ::tcgetattr(m_fd, &raw) == 0) {
            ::cfmakeraw(&raw);
            ::tcsetattr(m_fd, TCSANOW, &raw);
        }
    }
    ~PtyPeer() { close(); }
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }
    bool isOpen() const { return m_fd >= 0; }
    bool write(const QByteArray &bytes) { return ::write(m_fd, bytes.constData(), bytes.size()) == bytes.size(); }
    /// Reads whatever arrives until the line stays quiet for \a quietMs.
    QByteArray drain(int quietMs)
    {
        QByteArray got;
        pollfd p{m_fd, POLLIN, 0};
        char buf[4096];
        while (::poll(&p, 1, quietMs) > 0) {
            const ssize_t n = ::read(m_fd, buf, sizeof buf);
            if (n <= 0)
                break;
            got.append(buf, int(n));
        }
        return got;
    }
    /// Waits for one whole frame (by its length byte) or for \a timeoutMs.
    QByteArray readFrame(int timeoutMs)
    {
        QByteArray got;
        QElapsedTimer timer;
        timer.start();
        while (got.size() < 1 || got.size() < (quint8(got.at(0)) & 0x7F) + 1) {
            pollfd p{m_fd, POLLIN, 0};
            const int left = timeoutMs - int(timer.elapsed());
            if (left <= 0 || ::poll(&p, 1, left) <= 0)
                break;
            char buf[256];
            const ssize_t n = ::read(m_fd, buf, sizeof buf);
            if (n <= 0)
                break;
            got.append(buf, int(n));
        }
        return got;
    }

private:
    int m_fd = -1;
};

std::unique_ptr<SimThread> startStation(int baud = 0, const SimFaults &faults = {})
{
    SimOptions options;
    QString message;
    if (SimOptions::parse({QStringLiteral("--pty"), QString(), QStringLiteral("--modules"),
                           QStringLiteral("TI4")},
                          options, message)
        != SimOptions::Parse::Ok)
        qFatal("options: %s", qPrintable(message));
    options.baud = baud;
    options.faults = faults;
    std::unique_ptr<SimThread> thread(new SimThread(options));
    if (!thread->startServing())
        qFatal("station: %s", qPrintable(thread->errorString()));
    return thread;
}

} // namespace

class tst_PtyServer : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void linkFollowsTheServer();
    void linkNeverReplacesAFile();
    void answersWholeAndSplitFrames();
    void skipsGarbageAndResynchronises();
    void discardsAPartialFrameAfterSilence();
    void clientsOneAfterAnother();
    void goesSilent();
    void survivesRandomBytes();
    void pacesToTheBaudRate_data();
    void pacesToTheBaudRate();
};

void tst_PtyServer::linkFollowsTheServer()
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("ttyRYX"));
    QVERIFY(QFile::link(QStringLiteral("/nonexistent"), link)); // a stale link is replaced
    QString slave;
    {
        SimPtyServer server(nullptr);
        QVERIFY2(server.open(link), qPrintable(server.errorString()));
        slave = server.slavePath();
        QVERIFY(slave.startsWith(QLatin1String("/dev/")));
        QCOMPARE(QFileInfo(link).symLinkTarget(), slave);
        QCOMPARE(server.linkPath(), link);
    }
    QVERIFY(!QFileInfo(link).isSymLink());
    QVERIFY(!QFileInfo::exists(link));
}

void tst_PtyServer::linkNeverReplacesAFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("precious"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep me");
    file.close();
    {
        SimPtyServer server(nullptr);
        QVERIFY(!server.open(path));
        QVERIFY(server.errorString().contains(path));
        QVERIFY(!server.isOpen());
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("keep me"));
}

void tst_PtyServer::answersWholeAndSplitFrames()
{
    auto station = startStation();
    PtyPeer peer(station->slavePath());
    QVERIFY(peer.isOpen());
    QVERIFY(peer.write(DeviceTypeRequest));
    QCOMPARE(peer.readFrame(2000).toHex(' '), DeviceTypeAnswer.toHex(' '));

    QVERIFY(peer.write(DeviceTypeRequest.left(2)));
    QCOMPARE(peer.readFrame(30), QByteArray()); // nothing for half a frame
    QVERIFY(peer.write(DeviceTypeRequest.mid(2)));
    QCOMPARE(peer.readFrame(2000).toHex(' '), DeviceTypeAnswer.toHex(' '));
    QCOMPARE(station->station()->requestCount(), quint64(2));
}

void tst_PtyServer::skipsGarbageAndResynchronises()
{
    auto station = startStation();
    PtyPeer peer(station->slavePath());
    // Bytes that cannot start a frame are skipped.
    QVERIFY(peer.write(QByteArray("\x00\x01\x02", 3) + DeviceTypeRequest));
    QCOMPARE(peer.readFrame(2000).toHex(' '), DeviceTypeAnswer.toHex(' '));
    // A frame with a wrong checksum gets no answer; the next one does.
    QByteArray bad = DeviceTypeRequest;
    bad[3] = char(bad.at(3) ^ 0x10);
    QVERIFY(peer.write(bad));
    QTRY_COMPARE(station->station()->requestCount(), quint64(2));
    QVERIFY(peer.write(DeviceTypeRequest));
    QCOMPARE(peer.readFrame(2000).toHex(' '), DeviceTypeAnswer.toHex(' '));
}

void tst_PtyServer::discardsAPartialFrameAfterSilence()
{
    auto station = startStation();
    PtyPeer peer(station->slavePath());
    QVERIFY(peer.write(QByteArray("\x03\x00", 2)));
    // The line stays quiet for longer than the frame gap (no event to wait for).
    QThread::msleep(SimPtyServer::FrameGapMs * 3);
    QVERIFY(peer.write(DeviceTypeRequest));
    QCOMPARE(peer.readFrame(2000).toHex(' '), DeviceTypeAnswer.toHex(' '));
    QCOMPARE(station->station()->requestCount(), quint64(1));
}

void tst_PtyServer::clientsOneAfterAnother()
{
    auto station = startStation();
    for (int i = 0; i < 5; ++i) {
        PtyPeer peer(station->slavePath());
        QVERIFY(peer.isOpen());
        QVERIFY(peer.write(frame(true, 0x0C, "C" + QByteArray::number(i))));
        QCOMPARE(peer.readFrame(2000).toHex(), QByteArray("03000cf1"));
    }
    QByteArray descriptor;
    QVERIFY(station->station()->readPoint(0, 0x0C, descriptor));
    QCOMPARE(descriptor.left(3), QByteArray("C4\0", 3));
}

void tst_PtyServer::goesSilent()
{
    SimFaults faults;
    faults.setSilentAfter(1);
    auto station = startStation(0, faults);
    PtyPeer peer(station->slavePath());
    QVERIFY(peer.write(DeviceTypeRequest));
    QCOMPARE(peer.readFrame(2000).toHex(' '), DeviceTypeAnswer.toHex(' '));
    QVERIFY(peer.write(DeviceTypeRequest));
    QTRY_COMPARE(station->station()->requestCount(), quint64(2));
    QCOMPARE(peer.readFrame(100), QByteArray());
}

void tst_PtyServer::survivesRandomBytes()
{
    auto station = startStation();
    PtyPeer peer(station->slavePath());
    QRandomGenerator random(77);
    for (int chunk = 0; chunk < 200; ++chunk) {
        QByteArray bytes(random.bounded(1, 64), '\0');
        for (char &c : bytes)
            c = char(random.bounded(256));
        QVERIFY(peer.write(bytes));
        peer.drain(0); // whatever happened to form a frame may be answered
    }
    // Once the line has been quiet for a frame gap, the station is in step again.
    peer.drain(SimPtyServer::FrameGapMs * 3);
    QVERIFY(peer.write(DeviceTypeRequest));
    QCOMPARE(peer.readFrame(2000).toHex(' '), DeviceTypeAnswer.toHex(' '));
}

void tst_PtyServer::pacesToTheBaudRate_data()
{
    QTest::addColumn<int>("baud");
    QTest::newRow("unpaced") << 0;
    QTest::newRow("9600") << 9600;
    QTest::newRow("1200") << 1200;
}

void tst_PtyServer::pacesToTheBaudRate()
{
    QFETCH(int, baud);
    auto station = startStation(baud);
    PtyPeer peer(station->slavePath());
    // Request and answer: 10 bytes of 10 bits each.
    const qint64 wireUs = SimPtyServer::wireTimeUs(DeviceTypeRequest.size() + DeviceTypeAnswer.size(), baud);
    QCOMPARE(wireUs, baud ? 100 * 1000000LL / baud : 0LL);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(peer.write(DeviceTypeRequest));
    QCOMPARE(peer.readFrame(2000).toHex(' '), DeviceTypeAnswer.toHex(' '));
    const qint64 elapsedUs = timer.nsecsElapsed() / 1000;
    QVERIFY2(elapsedUs >= wireUs, qPrintable(QStringLiteral("%1 us < %2 us").arg(elapsedUs).arg(wireUs)));
    QVERIFY2(elapsedUs < wireUs + 100000, qPrintable(QStringLiteral("%1 us").arg(elapsedUs)));
}

QTEST_GUILESS_MAIN(tst_PtyServer)
#include "tst_ptyserver.moc"
