// ryxcli run as a process against the simulator over loopback TCP: usage
// errors, an upload/download round trip, and connect checks that fail with
// their result codes.
#include "SimCatalog.h"
#include "SimStation.h"
#include "SimThread.h"
#include "support/CliProcess.h"

#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>

#include <memory>

namespace {

std::unique_ptr<SimThread> startSim(const QString &modules)
{
    SimOptions options;
    SimCatalog::parseModuleList(modules, options.modules, nullptr);
    options.httpEnabled = true;
    auto sim = std::make_unique<SimThread>(options);
    return sim->startServing() ? std::move(sim) : nullptr;
}

QString address(const SimThread &sim)
{
    return QStringLiteral("127.0.0.1:%1").arg(sim.httpPort());
}

QByteArray readFile(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_RyxCli : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");

        QTest::newRow("no command") << QStringList{} << "no command given";
        QTest::newRow("unknown command") << QStringList{"erase"} << "unknown command \"erase\"";
        QTest::newRow("no transport") << QStringList{"verify", "a.xml"} << "give one of --tcp and --serial";
        QTest::newRow("two transports")
            << QStringList{"verify", "a.xml", "--tcp", "h", "--serial", "/dev/x"} << "exactly one of";
        QTest::newRow("upload without type")
            << QStringList{"upload", "--tcp", "h", "--out", "o.xml"} << "upload needs --type";
        QTest::newRow("upload without output")
            << QStringList{"upload", "--type", "eim", "--tcp", "h"} << "upload needs --out";
        QTest::newRow("download without file") << QStringList{"download", "--tcp", "h"} << "needs a configuration file";
        QTest::newRow("value missing") << QStringList{"verify", "a.xml", "--tcp"} << "--tcp needs a value";
        QTest::newRow("download takes no type")
            << QStringList{"download", "a.xml", "--type", "eim", "--tcp", "h"} << "unexpected argument \"--type\"";
        QTest::newRow("second file") << QStringList{"verify", "a.xml", "b.xml", "--tcp", "h"} << "unexpected argument \"b.xml\"";
        // The Ethernet station is reached over TCP/IP only.
        QTest::newRow("serial to an Ethernet station")
            << QStringList{"upload", "--type", "eim", "--serial", "/dev/null", "--out", "o.xml"}
            << "EIM cannot be reached over a serial line";
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const CliRun run = runCli(arguments);
        QCOMPARE(run.exitCode, 64);
        QVERIFY2(run.errors.contains(reason), qPrintable(run.errors));
        QVERIFY2(run.errors.contains(QLatin1String("usage: ryxcli upload")), qPrintable(run.errors));
    }

    void uploadThenDownloadRoundTrips()
    {
        auto sim = startSim(QString());
        QVERIFY(sim);
        QTemporaryDir dir;
        const QString uploaded = dir.filePath(QStringLiteral("station.xml"));
        CliRun run = runCli({"upload", "--type", "eim", "--tcp", address(*sim), "--out", uploaded});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        QVERIFY(run.errors.contains(QLatin1String("Connection was succesful.")));
        QVERIFY(run.errors.contains(QLatin1String("EIM overall upload success!")));
        QByteArray xml = readFile(uploaded);
        QVERIFY2(xml.startsWith("<EIM>") && xml.contains("key=\"descriptor\" value=\"EIM\""), xml.constData());

        // The station name edited in the file reaches the station...
        QVERIFY(writeFile(uploaded, xml.replace("value=\"EIM\"", "value=\"PUMP7\"")));
        run = runCli({"download", uploaded, "--tcp", address(*sim)});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        QVERIFY(run.errors.contains(QLatin1String("EIM overall download success!")));
        QByteArray descriptor;
        QVERIFY(sim->station()->readPoint(0, 0x0C, descriptor));
        QVERIFY2(descriptor.startsWith("PUMP7"), descriptor.constData());

        // ...and a second upload reads it back into a new file.
        const QString again = dir.filePath(QStringLiteral("again.xml"));
        run = runCli({"upload", "--type", "eim", "--tcp", address(*sim), "--out", again});
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        QVERIFY(readFile(again).contains("key=\"descriptor\" value=\"PUMP7\""));
    }

    void connectCheckFailsWithItsCode_data()
    {
        QTest::addColumn<QString>("deviceModules");
        QTest::addColumn<int>("fileModules");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");

        QTest::newRow("module count") << "none" << 1 << 5 << "The number of modules does not match.";
        QTest::newRow("matching") << "UNK,UNK" << 2 << 0 << "Connection was succesful.";
    }

    void connectCheckFailsWithItsCode()
    {
        QFETCH(QString, deviceModules);
        QFETCH(int, fileModules);
        QFETCH(int, code);
        QFETCH(QString, message);
        auto sim = startSim(deviceModules);
        QVERIFY(sim);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("station.xml"));
        const QByteArray modules = QByteArray(" <UNDETERMINED>\n </UNDETERMINED>\n").repeated(fileModules);
        QVERIFY(writeFile(name, "<EIM>\n <VALUE key=\"descriptor\" value=\"EIM\" />\n" + modules + "</EIM>\n"));

        const CliRun run = runCli({"verify", name, "--tcp", address(*sim)});
        QVERIFY2(run.exitCode == code, qPrintable(run.errors));
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
        const QString last = run.errors.trimmed().section(QLatin1Char('\n'), -1);
        QCOMPARE(last, code == 0 ? QStringLiteral("ryxcli: success") : QStringLiteral("ryxcli: ") + message);
    }

    void unreadableFileFails()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("broken.xml"));
        QVERIFY(writeFile(name, "<EIM>\n <VALUE key=\"descriptor\""));
        const CliRun run = runCli({"download", name, "--tcp", "127.0.0.1:1"});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(QLatin1String("Failed to parse the input file.")), qPrintable(run.errors));
    }
};

QTEST_GUILESS_MAIN(tst_RyxCli)
#include "tst_ryxcli.moc"
