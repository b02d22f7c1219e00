#include "RYXCliOptions.h"

#include "comm/TransferContext.h"
#include "comm/ZEMPTCPPort.h"
#include "model/RYXConnectionBase.h"
#include "model/RYXObject.h"

namespace {

// The port of a station's web server, where --tcp gives none.
constexpr unsigned short StationTcpPort = 80;

QString exitStatusText()
{
    QString text = QStringLiteral(
        "Exit status:\n"
        "  0   success\n"
        "  1   any other failure: one without a code of its own (a device error during\n"
        "      synchronization, a refused download), a file that cannot be read or holds\n"
        "      values the device cannot take, an output file that cannot be written\n");
    for (int code = TransferContext::CommunicationLost; code <= TransferContext::NotAsDownloaded; ++code) {
        text += QStringLiteral("  %1   %2\n").arg(code).arg(TransferContext::failureMessage(code));
        if (code == TransferContext::CommunicationLost)
            text += QStringLiteral("      Also: no answer, a refused connection, a station that answers badly.\n");
    }
    text += QStringLiteral("  64  usage error: nothing is sent to the station\n");
    return text;
}

} // namespace

QString RYXCliOptions::usage()
{
    return QStringLiteral(
        "usage: ryxcli upload --type TYPE (--tcp HOST[:PORT] | --serial DEVICE) [--timeout SECONDS] --out FILE\n"
        "       ryxcli download FILE (--tcp HOST[:PORT] | --serial DEVICE) [--timeout SECONDS] [--no-verify]\n"
        "       ryxcli verify FILE (--tcp HOST[:PORT] | --serial DEVICE) [--timeout SECONDS]\n"
        "       ryxcli --help | --version\n");
}

QString RYXCliOptions::helpText(const QStringList &stationTypes)
{
    return usage()
        + QStringLiteral(
              "\nCommands:\n"
              "  upload    connect, read the station's configuration and save it to --out\n"
              "  download  send a configuration file to the station, then read it back and compare\n"
              "  verify    connect and check that the station matches the file\n"
              "\nOptions:\n"
              "  --type TYPE        the station type to upload: %1\n"
              "  --tcp HOST[:PORT]  the station's address (port 80 when none is given)\n"
              "  --serial DEVICE    the serial line (/dev/ttyS0, /dev/ttyUSB0, a pseudo-terminal)\n"
              "  --timeout SECONDS  how long to wait for each reply, above 0 and at most %2\n"
              "                     (default 30 over TCP/IP, 2 over a serial line)\n"
              "  --out FILE         where upload saves; checked before connecting\n"
              "  --no-verify        download: do not read back what was written\n"
              "  --verbose          also print Qt's and the program's diagnostics\n"
              "\nProgress, results and messages go to standard error.\n\n")
              .arg(stationTypes.join(QStringLiteral(", ")))
              .arg(MaxTimeoutSeconds)
        + exitStatusText();
}

bool RYXCliOptions::takeValue(const QStringList &arguments, int &index, QString &value, QString &error)
{
    const QString &option = arguments.at(index);
    if (index + 1 >= arguments.size() || arguments.at(index + 1).isEmpty()) {
        error = QStringLiteral("%1 needs a value").arg(option);
        return false;
    }
    if (!value.isEmpty()) {
        error = QStringLiteral("%1 given twice").arg(option);
        return false;
    }
    value = arguments.at(++index);
    return true;
}

bool RYXCliOptions::setTransport(Transport chosen, const QString &value, QString &error)
{
    if (transport != Transport::None) {
        error = QStringLiteral("give exactly one of --tcp and --serial");
        return false;
    }
    QString host;
    unsigned short port = 0;
    if (chosen == Transport::Tcp && !ZEMPTCPPort::parseAddress(value, StationTcpPort, &host, &port)) {
        error = QStringLiteral("\"%1\" is not a station address: give a host name or IP address, "
                               "optionally followed by \":\" and a port number from 1 to 65535")
                    .arg(value);
        return false;
    }
    transport = chosen;
    address = value;
    return true;
}

bool RYXCliOptions::checkType(const QStringList &stationTypes, QString &error)
{
    if (stationTypes.contains(type, Qt::CaseInsensitive))
        return true;
    error = QStringLiteral("unknown station type \"%1\"; the station types are: %2")
                .arg(type, stationTypes.join(QStringLiteral(", ")));
    return false;
}

bool RYXCliOptions::setTimeout(const QString &seconds, QString &error)
{
    bool ok = false;
    const double value = seconds.toDouble(&ok);
    // NaN fails both comparisons.
    if (ok && value > 0 && value <= MaxTimeoutSeconds && qRound(value * 1000) > 0) {
        timeoutMs = qRound(value * 1000);
        return true;
    }
    error = QStringLiteral("--timeout needs a number of seconds above 0 and at most %1, not \"%2\"")
                .arg(MaxTimeoutSeconds)
                .arg(seconds);
    return false;
}

bool RYXCliOptions::parse(const QStringList &given, const QStringList &stationTypes, QString &error)
{
    if (given.contains(QLatin1String("--help")) || given.contains(QLatin1String("-h"))) {
        help = true;
        return true;
    }
    if (given.contains(QLatin1String("--version"))) {
        version = true;
        return true;
    }
    QStringList arguments = given;
    verbose = arguments.removeAll(QStringLiteral("--verbose")) > 0;
    if (arguments.isEmpty()) {
        error = QStringLiteral("no command given");
        return false;
    }
    const QString name = arguments.first();
    if (name == QLatin1String("upload"))
        command = Command::Upload;
    else if (name == QLatin1String("download"))
        command = Command::Download;
    else if (name == QLatin1String("verify"))
        command = Command::Verify;
    else {
        error = QStringLiteral("unknown command \"%1\"").arg(name);
        return false;
    }

    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        QString value;
        if (argument == QLatin1String("--tcp") || argument == QLatin1String("--serial")) {
            if (!takeValue(arguments, i, value, error)
                || !setTransport(argument == QLatin1String("--tcp") ? Transport::Tcp : Transport::Serial,
                                 value, error))
                return false;
        } else if (argument == QLatin1String("--timeout")) {
            if (!takeValue(arguments, i, m_timeoutText, error) || !setTimeout(m_timeoutText, error))
                return false;
        } else if (argument == QLatin1String("--type") && command == Command::Upload) {
            if (!takeValue(arguments, i, type, error) || !checkType(stationTypes, error))
                return false;
        } else if (argument == QLatin1String("--out") && command == Command::Upload) {
            if (!takeValue(arguments, i, out, error))
                return false;
        } else if (argument == QLatin1String("--no-verify") && command == Command::Download) {
            readBack = false;
        } else if (!argument.startsWith(QLatin1Char('-')) && command != Command::Upload && file.isEmpty()) {
            file = argument;
        } else {
            error = QStringLiteral("unexpected argument \"%1\"").arg(argument);
            return false;
        }
    }

    if (transport == Transport::None)
        error = QStringLiteral("give one of --tcp and --serial");
    else if (command == Command::Upload && type.isEmpty())
        error = QStringLiteral("upload needs --type");
    else if (command == Command::Upload && out.isEmpty())
        error = QStringLiteral("upload needs --out");
    else if (command != Command::Upload && file.isEmpty())
        error = QStringLiteral("%1 needs a configuration file").arg(name);
    return error.isEmpty();
}
