#include "RYXCliOptions.h"

QString RYXCliOptions::usage()
{
    return QStringLiteral(
        "usage: ryxcli upload --type eim (--tcp HOST[:PORT] | --serial DEVICE) [--timeout SECONDS] --out FILE\n"
        "       ryxcli download FILE (--tcp HOST[:PORT] | --serial DEVICE) [--timeout SECONDS] [--no-verify]\n"
        "       ryxcli verify FILE (--tcp HOST[:PORT] | --serial DEVICE) [--timeout SECONDS]\n"
        "--timeout: how long to wait for each reply (default 30 over TCP/IP, 2 over a serial line)\n"
        "--no-verify: do not read back what a download wrote\n");
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
    transport = chosen;
    address = value;
    return true;
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

bool RYXCliOptions::parse(const QStringList &arguments, QString &error)
{
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        help = true;
        return true;
    }
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
            if (!takeValue(arguments, i, type, error))
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
