// ryxcli run as a process against the simulator over loopback TCP: help,
// version and usage errors, refusals before any request, a quiet standard
// error, an upload/download round trip, connect checks that fail with
// their result codes, and failures of every kind mapped to their exit
// status within a bound.
#include "comm/RYXConnectionThread.h"
#include "core/StartupFlags.h"

#include "SimCatalog.h"
#include "SimStation.h"
#include "SimThread.h"
#include "support/CliProcess.h"
#include "support/SimFaultRows.h"

#include <QtCore/QFile>
#include <QtCore/QTemporaryDir>
#include <QtNetwork/QTcpServer>
#include <QtTest/QtTest>

#include <memory>

namespace {

std::unique_ptr<SimThread> startSim(const QString &modules, const SimFaults &faults = SimFaults())
{
    SimOptions options;
    SimCatalog::parseModuleList(modules, options.modules, nullptr);
    options.faults = faults;
    options.httpEnabled = true;
    auto sim = std::make_unique<SimThread>(options);
    return sim->startServing() ? std::move(sim) : nullptr;
}

QString address(const SimThread &sim)
{
    return QStringLiteral("127.0.0.1:%1").arg(sim.httpPort());
}

// A loopback address where nothing listens.
QString closedAddress()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return QStringLiteral("127.0.0.1:%1").arg(probe.serverPort());
}

// The reply time-out given with --timeout where a case waits for replies.
constexpr int ShortTimeoutMs = 300;

QByteArray readFile(const QString &name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every diagnostic Qt or the program logs is printed, each line marked.
QProcessEnvironment allDiagnostics()
{
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.debug=true"));
    environment.insert(QStringLiteral("QT_MESSAGE_PATTERN"), QStringLiteral("diagnostic %{category}: %{message}"));
    return environment;
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
        const QString seconds = QStringLiteral("--timeout needs a number of seconds above 0 and at most 3600, not ");
        QTest::newRow("timeout not a number")
            << QStringList{"verify", "a.xml", "--tcp", "h", "--timeout", "soon"} << seconds + "\"soon\"";
        QTest::newRow("timeout zero") << QStringList{"verify", "a.xml", "--tcp", "h", "--timeout", "0"} << seconds + "\"0\"";
        QTest::newRow("timeout negative")
            << QStringList{"verify", "a.xml", "--timeout", "-2", "--tcp", "h"} << seconds + "\"-2\"";
        QTest::newRow("timeout too long")
            << QStringList{"verify", "a.xml", "--tcp", "h", "--timeout", "1e9"} << seconds + "\"1e9\"";
        QTest::newRow("timeout twice")
            << QStringList{"verify", "a.xml", "--tcp", "h", "--timeout", "1", "--timeout", "2"} << "--timeout given twice";
        QTest::newRow("unknown station type")
            << QStringList{"upload", "--type", "xyz", "--tcp", "h", "--out", "o.xml"}
            << "unknown station type \"xyz\"; the station types are: eim";
        const QString notAnAddress = QStringLiteral("\" is not a station address: give a host name or IP address, "
                                                    "optionally followed by \":\" and a port number from 1 to 65535");
        QTest::newRow("IPv4 out of range")
            << QStringList{"verify", "a.xml", "--tcp", "300.1.1.1"} << "\"300.1.1.1" + notAnAddress;
        QTest::newRow("port 0") << QStringList{"verify", "a.xml", "--tcp", "127.0.0.1:0"} << "\"127.0.0.1:0" + notAnAddress;
        QTest::newRow("port above 65535")
            << QStringList{"verify", "a.xml", "--tcp", "127.0.0.1:65536"} << "\"127.0.0.1:65536" + notAnAddress;
        QTest::newRow("no host") << QStringList{"verify", "a.xml", "--tcp", ":8080"} << "\":8080" + notAnAddress;
        QTest::newRow("blank in the host")
            << QStringList{"verify", "a.xml", "--tcp", "plant station"} << "\"plant station" + notAnAddress;
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

    void informational_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("lines"); // each a whole line of standard output

        QTest::newRow("version") << "--version" << QStringList{QStringLiteral("ryxcli ") + RYXProgramVersion};
        QTest::newRow("help") << "--help" << QStringList{
            "usage: ryxcli upload --type TYPE (--tcp HOST[:PORT] | --serial DEVICE) [--timeout SECONDS] --out FILE",
            "  upload    connect, read the station's configuration and save it to --out",
            "  download  send a configuration file to the station, then read it back and compare",
            "  verify    connect and check that the station matches the file",
            "  --type TYPE        the station type to upload: eim",
            "  --verbose          also print Qt's and the program's diagnostics",
            "  0   success",
            "  1   any other failure: one without a code of its own (a device error during",
            "  2   Communication with the device was lost.",
            "  3   The device is missing or has failed.",
            "  4   The device does not match.",
            "  5   The number of modules does not match.",
            "  6   The type(s) of the module(s) does not match.",
            "  7   Retry limit exceeded.",
            "  8   The device does not hold what was downloaded.",
            "  64  usage error: nothing is sent to the station"};
    }

    // --help and --version answer on standard output whatever else is given.
    void informational()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, lines);
        const CliRun run = runCli({"upload", option, "--type", "xyz"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.errors, QString());
        const QStringList printed = run.output.split(QLatin1Char('\n'));
        for (const QString &line : lines)
            QVERIFY2(printed.contains(line), qPrintable(line + QLatin1String(" in:\n") + run.output));
    }

    void refusedBeforeAnyRequest_data()
    {
        QTest::addColumn<QStringList>("arguments"); // %SIM%: the simulator's address, %DIR%: a new folder
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reason");

        const QStringList upload{"upload", "--type", "eim", "--tcp", "%SIM%", "--out"};
        QTest::newRow("unknown station type")
            << QStringList{"upload", "--type", "eimx", "--tcp", "%SIM%", "--out", "%DIR%/o.xml"} << 64
            << "unknown station type \"eimx\"";
        // Read leniently, the simulator's own port would be reached.
        QTest::newRow("port followed by more")
            << QStringList{"upload", "--type", "eim", "--tcp", "%SIM%x", "--out", "%DIR%/o.xml"} << 64
            << "is not a station address";
        QTest::newRow("output in a missing folder") << upload + QStringList{"%DIR%/missing/o.xml"} << 1
                                                    << "ryxcli: cannot write %DIR%/missing/o.xml: ";
        QTest::newRow("output is a folder") << upload + QStringList{"%DIR%"} << 1 << "ryxcli: cannot write %DIR%: ";
        QTest::newRow("output under a file") << upload + QStringList{"%DIR%/file/o.xml"} << 1
                                             << "ryxcli: cannot write %DIR%/file/o.xml: ";
    }

    // A command that cannot succeed ends before the station is asked
    // anything, and leaves no file behind.
    void refusedBeforeAnyRequest()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, reason);
        auto sim = startSim(QString());
        QVERIFY(sim);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(QStringLiteral("file")), "not a folder"));
        arguments.replaceInStrings(QStringLiteral("%SIM%"), address(*sim));
        arguments.replaceInStrings(QStringLiteral("%DIR%"), dir.path());
        reason.replace(QStringLiteral("%DIR%"), dir.path());

        const CliRun run = runCli(arguments);
        QVERIFY2(run.exitCode == code, qPrintable(run.errors));
        QVERIFY2(run.errors.contains(reason), qPrintable(run.errors));
        QCOMPARE(sim->station()->requestCount(), quint64(0));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{"file"});
    }

    void quietUnlessVerbose_data()
    {
        QTest::addColumn<bool>("verbose");
        QTest::newRow("quiet") << false;
        QTest::newRow("--verbose") << true;
    }

    // Standard error holds the progress and result lines; Qt's and the
    // program's diagnostics join them only when asked for.
    void quietUnlessVerbose()
    {
        QFETCH(bool, verbose);
        auto sim = startSim(QString());
        QVERIFY(sim);
        QTemporaryDir dir;
        QStringList arguments{"upload", "--type", "eim", "--tcp", address(*sim), "--out", dir.filePath("o.xml")};
        if (verbose)
            arguments << "--verbose";
        const CliRun run = runCli(arguments, allDiagnostics());
        QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
        QVERIFY(run.errors.contains(QLatin1String("EIM overall upload success!")));
        const qsizetype diagnostics = run.errors.count(QRegularExpression(QStringLiteral("(^|\n)diagnostic ")));
        QVERIFY2(verbose ? diagnostics > 0 : diagnostics == 0, qPrintable(run.errors.left(2000)));
        // Qt may still speak while the program ends.
        if (!verbose)
            QCOMPARE(run.errors.trimmed().section(QLatin1Char('\n'), -1), QStringLiteral("ryxcli: success"));
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

    void readBackAfterDownload_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("last");
        QTest::newRow("read back") << QStringList{} << 8 << "ryxcli: The device does not hold what was downloaded.";
        QTest::newRow("--no-verify") << QStringList{"--no-verify"} << 0 << "ryxcli: success";
    }

    // A station that answers a write and keeps its old value does not hold
    // the file: the download says so, unless told not to read back.
    void readBackAfterDownload()
    {
        QFETCH(QStringList, extra);
        QFETCH(int, code);
        QFETCH(QString, last);
        SimFaults faults;
        faults.addForgottenWrite({0, 0x0C});
        auto sim = startSim(QString(), faults);
        QVERIFY(sim);
        QTemporaryDir dir;
        const QString name = dir.filePath(QStringLiteral("station.xml"));
        QVERIFY(writeFile(name, "<EIM>\n <VALUE key=\"descriptor\" value=\"PUMP7\" />\n</EIM>\n"));
        const CliRun run = runCli(QStringList{"download", name, "--tcp", address(*sim)} + extra);
        QVERIFY2(run.exitCode == code, qPrintable(run.errors));
        QCOMPARE(run.errors.trimmed().section(QLatin1Char('\n'), -1), last);
        QCOMPARE(run.errors.contains(QLatin1String("EIM: descriptor is \"PUMP7\", the device holds \"EIM\"")), code != 0);
    }

    // Failures of every kind end within their bound, with the exit status of
    // their result code, the failure's line and the cause under it.
    void failuresMapToExitStatus_data()
    {
        QTest::addColumn<QString>("command");   // verify, download or upload
        QTest::addColumn<SimFaults>("faults");
        QTest::addColumn<bool>("closed");       // no simulator: nothing listens
        QTest::addColumn<QByteArray>("descriptor"); // in the file; "1st" is invalid
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("cause");
        QTest::addColumn<int>("bound");         // milliseconds
        QTest::addColumn<QString>("message");   // of the last line

        using namespace faultrows;
        const QString lost = QStringLiteral("Communication with the device was lost.");
        const QString undetermined = QStringLiteral("Undetermined failure (please report.)");
        // Starting the process, and everything that is not a wait for a reply.
        const int slack = 8000;
        const int seekPauses = 2 * RYXConnectionThread::SeekRetryMs;
        QTest::newRow("corrupt every reply") << "verify" << corruptEvery(1) << false << QByteArray("EIM") << 2
            << "Failure: Timeout" << "Cause: checksum fault in the reply; point devicetype, address 0x0064"
            << seekPauses + slack << lost;
        QTest::newRow("silent station") << "verify" << silentAfter(0) << false << QByteArray("EIM") << 2
            << "Failure: Timeout" << "Cause: no answer in 0.3 s; point devicetype, address 0x0064"
            << 3 * ShortTimeoutMs + slack << lost;
        QTest::newRow("closed port") << "verify" << SimFaults() << true << QByteArray("EIM") << 2
            << "Failure: Timeout" << "Cause: connection refused; point devicetype, address 0x0064" << slack << lost;
        // A device error is not a lost connection.
        QTest::newRow("device error at the descriptor") << "verify" << deviceError(5, 0x00C) << false
            << QByteArray("EIM") << 1 << "Connection with device failed during Synhronization."
            << "Cause: device error 5; point synch_descriptor, address 0x000C" << slack << undetermined;
        QTest::newRow("retry limit exceeded") << "upload" << deviceError(5, 0x214) << false << QByteArray("EIM") << 7
            << "EIM upload failure! Retry limit exceeded."
            << "Cause: device error 5; point serverlocation, address 0x0214" << slack << "Retry limit exceeded.";
        QTest::newRow("failure without a code") << "download" << SimFaults() << false << QByteArray("1st") << 1
            << "EIM download aborted! Error in configuration." << QString() << slack << undetermined;
    }

    void failuresMapToExitStatus()
    {
        QFETCH(QString, command);
        QFETCH(SimFaults, faults);
        QFETCH(bool, closed);
        QFETCH(QByteArray, descriptor);
        QFETCH(int, code);
        QFETCH(QString, line);
        QFETCH(QString, cause);
        QFETCH(int, bound);
        QFETCH(QString, message);
        const std::unique_ptr<SimThread> sim = closed ? nullptr : startSim(QString(), faults);
        QVERIFY(sim || closed);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("station.xml"));
        QVERIFY(writeFile(file, "<EIM>\n <VALUE key=\"descriptor\" value=\"" + descriptor + "\" />\n</EIM>\n"));
        QStringList arguments{command};
        arguments << (command == QLatin1String("upload") ? QStringList{"--type", "eim", "--out", file}
                                                         : QStringList{file});
        arguments << "--tcp" << (sim ? address(*sim) : closedAddress()) << "--timeout" << QString::number(ShortTimeoutMs / 1000.0);

        const CliRun run = runCli(arguments);
        qInfo("%s: exit %d after %lld ms (bound %d ms)", QTest::currentDataTag(), run.exitCode, run.ms, bound);
        QVERIFY2(run.exitCode == code, qPrintable(run.errors));
        QVERIFY2(run.ms < bound, qPrintable(QString::number(run.ms)));
        const QStringList lines = run.errors.split(QLatin1Char('\n'));
        const int at = int(lines.indexOf(line));
        QVERIFY2(at >= 0, qPrintable(run.errors));
        if (!cause.isEmpty())
            QCOMPARE(lines.value(at + 1), cause);
        const QString last = run.errors.trimmed().section(QLatin1Char('\n'), -1);
        QCOMPARE(last, QStringLiteral("ryxcli: ") + message);
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
