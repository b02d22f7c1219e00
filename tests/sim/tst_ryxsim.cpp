// The ryxsim executable: its command line, its output, its shutdown, and a
// serial-port client on its pty.
#include "sim/SimTestFrames.h"

#include <QtCore/QFileInfo>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtNetwork/QTcpSocket>
#include <QtSerialPort/QSerialPort>
#include <QtTest/QSignalSpy>
#include <QtTest/QtTest>

#include <csignal>

namespace {

QString ryxsimPath()
{
    return QStringLiteral(RYX_BIN_DIR "/ryxsim");
}

// Starts ryxsim and collects its start-up lines ("http HOST:PORT", "pty PATH").
class SimProcess
{
public:
    bool start(const QStringList &arguments)
    {
        m_process.setProgram(ryxsimPath());
        m_process.setArguments(arguments);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return false;
        // A banner line, then one line per server.
        const int expected = 1 + arguments.count(QStringLiteral("--pty"))
                             + arguments.count(QStringLiteral("--http"));
        while (m_lines.size() < expected) {
            if (!m_process.canReadLine() && !m_process.waitForReadyRead(5000))
                return false;
            while (m_process.canReadLine())
                m_lines << QString::fromLocal8Bit(m_process.readLine()).trimmed();
        }
        return true;
    }
    QString value(const QString &key) const
    {
        for (const QString &line : m_lines) {
            if (line.startsWith(key + QLatin1Char(' ')))
                return line.mid(key.size() + 1);
        }
        return QString();
    }
    QStringList lines() const { return m_lines; }
    QProcess &process() { return m_process; }

private:
    QProcess m_process;
    QStringList m_lines;
};

} // namespace

class tst_Ryxsim : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void usage_data();
    void usage();
    void servesAndCleansUp();
};

void tst_Ryxsim::initTestCase()
{
    QVERIFY2(QFileInfo(ryxsimPath()).isExecutable(), qPrintable(ryxsimPath()));
}

void tst_Ryxsim::usage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // on stdout for help, stderr otherwise
    QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: ryxsim [options]";
    QTest::newRow("nothing to serve") << QStringList{} << 64 << "nothing to serve";
    QTest::newRow("unknown type") << QStringList{"--type", "xyz", "--http", ":0"} << 64 << "unknown station type \"xyz\"";
    QTest::newRow("unknown module") << QStringList{"--modules", "TI4,Q", "--http", ":0"} << 64 << "unknown module \"Q\"";
    QTest::newRow("bad address") << QStringList{"--http", "127.0.0.1"} << 64 << "bad address";
    QTest::newRow("bad port") << QStringList{"--http", "127.0.0.1:70000"} << 64 << "bad address";
    QTest::newRow("bad count") << QStringList{"--http", ":0", "--drop-every", "0"} << 64 << "--drop-every";
    QTest::newRow("bad device error") << QStringList{"--http", ":0", "--device-error", "66"} << 64 << "bad device error";
    QTest::newRow("status word too wide") << QStringList{"--http", ":0", "--status", "0x10000"} << 64 << "--status needs a 16-bit word";
    QTest::newRow("status word not a number") << QStringList{"--http", ":0", "--p2p-status", "bad"} << 64 << "--p2p-status needs";
    QTest::newRow("baud without pty") << QStringList{"--http", ":0", "--baud", "57600"} << 64 << "--baud";
    QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 64 << "frobnicate";
    QTest::newRow("stray argument") << QStringList{"--http", ":0", "extra"} << 64 << "unexpected argument";
}

void tst_Ryxsim::usage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QProcess process;
    process.start(ryxsimPath(), arguments);
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    const QString text = QString::fromLocal8Bit(exitCode == 0 ? process.readAllStandardOutput()
                                                              : process.readAllStandardError());
    QVERIFY2(text.contains(message), qPrintable(text));
}

void tst_Ryxsim::servesAndCleansUp()
{
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("ttyRYX"));
    SimProcess sim;
    QVERIFY(sim.start({"--type", "eim", "--modules", "TI4,RO8", "--http", "127.0.0.1:0", "--pty", link}));
    QVERIFY2(sim.lines().first().contains(QLatin1String("TI4,RO8")), qPrintable(sim.lines().join('\n')));
    const QString slave = sim.value(QStringLiteral("pty"));
    QCOMPARE(QFileInfo(link).symLinkTarget(), slave);

    // A serial client on the link, set up as the serial transport sets it up.
    QSerialPort serial(link);
    serial.setBaudRate(57600);
    QVERIFY2(serial.open(QIODevice::ReadWrite), qPrintable(serial.errorString()));
    serial.write(SimTestFrames::frame(false, 0x102));
    QByteArray answer;
    while (answer.size() < 5 && serial.waitForReadyRead(5000))
        answer += serial.readAll();
    QCOMPARE(answer.toHex(), QByteArray("04010202f7"));
    serial.close();

    // The HTTP side of the same station.
    const QString http = sim.value(QStringLiteral("http"));
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(http.section(':', 0, 0)), quint16(http.section(':', 1).toUInt()));
    QVERIFY(socket.waitForConnected(5000));
    socket.write("GET /api/zempCommand?wrapperCmd=" + SimTestFrames::frame(false, 0x64).toHex().toUpper() + "\r\n\r\n");
    QByteArray reply;
    while (socket.waitForReadyRead(5000))
        reply += socket.readAll();
    QVERIFY2(reply.startsWith("HTTP/1.0 200 OK\r\n"), reply.constData());
    QVERIFY2(reply.endsWith("\r\n\r\n050064001C7B"), reply.constData());

    // Terminated, it exits normally and removes its link.
    ::kill(pid_t(sim.process().processId()), SIGTERM);
    QVERIFY(sim.process().waitForFinished(5000));
    QCOMPARE(sim.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(sim.process().exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());
}

QTEST_GUILESS_MAIN(tst_Ryxsim)
#include "tst_ryxsim.moc"
