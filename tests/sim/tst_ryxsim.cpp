// The ryxsim executable: its command line, its output and its shutdown.
#include <QtCore/QFileInfo>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <csignal>

namespace {

QString ryxsimPath()
{
    return QStringLiteral(RYX_BIN_DIR "/ryxsim");
}

} // namespace

class tst_Ryxsim : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QFileInfo(ryxsimPath()).isExecutable(), qPrintable(ryxsimPath()));
    }

    void usage_data()
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
        QTest::newRow("device error, no at sign") << QStringList{"--http", ":0", "--device-error", "66"} << 64 << "bad device error";
        QTest::newRow("device error, no address") << QStringList{"--http", ":0", "--device-error", "66@"} << 64 << "bad device error";
        QTest::newRow("device error, code 0 would read as success") << QStringList{"--http", ":0", "--device-error", "0@0x64"} << 64 << "bad device error";
        QTest::newRow("device error, code 128 is a transport status") << QStringList{"--http", ":0", "--device-error", "128@0x64"} << 64 << "bad device error";
        QTest::newRow("device error, address too large") << QStringList{"--http", ":0", "--device-error", "66@0x10000"} << 64 << "bad device error";
        QTest::newRow("device error, two tunnels") << QStringList{"--http", ":0", "--device-error", "66@1:2:3"} << 64 << "bad device error";
        QTest::newRow("status word too wide") << QStringList{"--http", ":0", "--status", "0x10000"} << 64 << "--status needs a 16-bit word";
        QTest::newRow("status word not a number") << QStringList{"--http", ":0", "--p2p-status", "bad"} << 64 << "--p2p-status needs";
        QTest::newRow("channel status without a channel") << QStringList{"--http", ":0", "--channel-status", "1=0x30"} << 64 << "bad channel status";
        QTest::newRow("capture delay not a number") << QStringList{"--http", ":0", "--capture-delay", "soon"} << 64 << "--capture-delay needs";
        QTest::newRow("help names the input options") << QStringList{"--help"} << 0 << "--capture-delay";
        QTest::newRow("baud without pty") << QStringList{"--http", ":0", "--baud", "57600"} << 64 << "--baud";
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 64 << "frobnicate";
        QTest::newRow("stray argument") << QStringList{"--http", ":0", "extra"} << 64 << "unexpected argument";
    }

    void usage()
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

    void servesAndCleansUp()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath(QStringLiteral("ttyRYX"));
        QProcess sim;
        sim.start(ryxsimPath(), {"--type", "eim", "--modules", "TI4,RO8", "--http", "127.0.0.1:0", "--pty", link});
        // A banner line, then one line per server: "http HOST:PORT", "pty PATH".
        QStringList lines;
        while (lines.size() < 3 && (sim.canReadLine() || sim.waitForReadyRead(5000)))
            lines << QString::fromLocal8Bit(sim.readLine()).trimmed();
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].contains(QLatin1String("TI4,RO8")), qPrintable(lines.join('\n')));
        QVERIFY(lines[1].startsWith(QLatin1String("http 127.0.0.1:")));
        QCOMPARE(QStringLiteral("pty ") + QFileInfo(link).symLinkTarget(), lines[2]);

        // Terminated, it exits normally and removes its link.
        ::kill(pid_t(sim.processId()), SIGTERM);
        QVERIFY(sim.waitForFinished(5000));
        QCOMPARE(sim.exitStatus(), QProcess::NormalExit);
        QCOMPARE(sim.exitCode(), 0);
        QVERIFY(!QFileInfo(link).isSymLink());
    }
};

QTEST_GUILESS_MAIN(tst_Ryxsim)
#include "tst_ryxsim.moc"
