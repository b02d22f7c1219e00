#include "SimOptions.h"

#include "SimCatalog.h"

#include <QtCore/QCommandLineParser>

namespace {

bool parseCount(const QCommandLineParser &parser, const QString &name, int minimum, int &out,
                QString &message)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    out = parser.value(name).toInt(&ok);
    if (ok && out >= minimum)
        return true;
    message = QStringLiteral("--%1 needs a whole number of at least %2, not \"%3\"")
                  .arg(name)
                  .arg(minimum)
                  .arg(parser.value(name));
    return false;
}

struct OptionRow
{
    const char *name;
    const char *value;
    const char *help;
};

const OptionRow OptionRows[] = {
    {"type", "TYPE", "Station kind: eim (the default)."},
    {"modules", "LIST",
     "Comma-separated modules by element name (TI4, AI4, AO4, CI4, II4, VI4, CC8, LV8, HV8, "
     "RO4, RO8, UNDETERMINED) or type code; at most 16. Default: none."},
    {"status", "WORD", "Interface module status word (each set bit reports a fault); default 0."},
    {"p2p-status", "WORD", "Peer-to-peer status word; default 0."},
    {"channel-status", "MODULE:CHANNEL=WORD",
     "Status word of an input channel (module and channel counted from 1), for example "
     "1:2=0x30 for a broken wire, 1:1=1 for a failed channel; repeatable. Default 0 (no fault). "
     "Input channels have four value registers: 0 PV, 1 ambient temperature (floats that drift "
     "over a minute), 2 status word (its two bytes first), 3 capture block. For a discrete input "
     "or relay module (CC8, LV8, HV8, RO4, RO8) MODULE:1=WORD sets the module status word "
     "(register 2 of the module; register 0 is its I/O word, inputs in bits 24-31 changing "
     "once a second, relay states as last written)."},
    {"capture-delay", "MS",
     "Milliseconds an input channel takes to answer a capture (write register 3, then read "
     "it: device error 6 until done, then the captured PV), or \"never\"; default 9500."},
    {"http", "HOST:PORT", "Serve ZEMP over HTTP on this address (port 0 picks a free port)."},
    {"pty", "PATH", "Serve raw frames on a pseudo-terminal, symlinked at PATH."},
    {"baud", "N", "Pace pty answers to the wire time at N baud (10 bits per byte)."},
    {"drop-every", "N", "Send no answer to every Nth request."},
    {"corrupt-every", "N", "Answer every Nth request with a wrong checksum."},
    {"device-error", "CODE@ADDRESS",
     "Answer requests to ADDRESS (or TUNNEL:ADDRESS) with device error CODE; repeatable."},
    {"forget-write", "ADDRESS",
     "Answer writes to ADDRESS (or TUNNEL:ADDRESS) as done and keep the old value; repeatable."},
    {"delay-ms", "D", "Wait D milliseconds before every answer."},
    {"silent-after", "N", "Answer the first N requests, then nothing."},
};

void addOptions(QCommandLineParser &parser)
{
    for (const OptionRow &row : OptionRows) {
        parser.addOption(QCommandLineOption(QString::fromLatin1(row.name),
                                            QString::fromLatin1(row.help),
                                            QString::fromLatin1(row.value)));
    }
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Show this help.")));
}

bool parseWord(const QCommandLineParser &parser, const QString &name, quint16 &out, QString &message)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    const uint value = parser.value(name).toUInt(&ok, 0);
    if (ok && value <= 0xFFFF) {
        out = quint16(value);
        return true;
    }
    message = QStringLiteral("--%1 needs a 16-bit word (0 to 65535, or 0x0 to 0xFFFF), not \"%2\"")
                  .arg(name, parser.value(name));
    return false;
}

bool parseFaults(const QCommandLineParser &parser, SimFaults &faults, QString &message)
{
    int dropEvery = 0, corruptEvery = 0, delayMs = 0, silentAfter = -1;
    if (!parseCount(parser, QStringLiteral("drop-every"), 1, dropEvery, message)
        || !parseCount(parser, QStringLiteral("corrupt-every"), 1, corruptEvery, message)
        || !parseCount(parser, QStringLiteral("delay-ms"), 0, delayMs, message)
        || !parseCount(parser, QStringLiteral("silent-after"), 0, silentAfter, message))
        return false;
    faults.setDropEvery(dropEvery);
    faults.setCorruptEvery(corruptEvery);
    faults.setDelayMs(delayMs);
    faults.setSilentAfter(silentAfter);
    for (const QString &text : parser.values(QStringLiteral("device-error"))) {
        SimFaults::DeviceError error;
        if (!SimFaults::parseDeviceError(text, error, &message))
            return false;
        faults.addDeviceError(error);
    }
    for (const QString &text : parser.values(QStringLiteral("forget-write"))) {
        SimFaults::PointAddress point;
        if (!SimFaults::parsePointAddress(text, point, &message))
            return false;
        faults.addForgottenWrite(point);
    }
    return true;
}

bool parseInputOptions(const QCommandLineParser &parser, SimOptions &options, QString &message)
{
    for (const QString &text : parser.values(QStringLiteral("channel-status"))) {
        SimOptions::ChannelStatus row;
        if (!SimOptions::parseChannelStatus(text, row, &message))
            return false;
        options.channelStatus.append(row);
    }
    return !parser.isSet(QStringLiteral("capture-delay"))
           || SimOptions::parseCaptureDelay(parser.value(QStringLiteral("capture-delay")),
                                            options.captureDelayMs, &message);
}

} // namespace

bool SimOptions::parseChannelStatus(const QString &text, ChannelStatus &out, QString *error)
{
    const int colon = text.indexOf(QLatin1Char(':'));
    const int equals = text.indexOf(QLatin1Char('='));
    bool okModule = false, okChannel = false, okWord = false;
    const int module = colon < 0 ? 0 : text.left(colon).trimmed().toInt(&okModule);
    const int channel = equals < colon ? 0 : text.mid(colon + 1, equals - colon - 1).trimmed().toInt(&okChannel);
    const uint word = equals < 0 ? 0 : text.mid(equals + 1).trimmed().toUInt(&okWord, 0);
    if (!okModule || !okChannel || !okWord || module < 1 || module > SimCatalog::MaxModules
        || channel < 1 || channel > 4 || word > 0xFFFF) {
        if (error)
            *error = QStringLiteral("bad channel status \"%1\": expected MODULE:CHANNEL=WORD, "
                                    "module 1-16, channel 1-4, for example 1:2=0x30")
                         .arg(text);
        return false;
    }
    out = ChannelStatus{module, channel, quint16(word)};
    return true;
}

bool SimOptions::parseCaptureDelay(const QString &text, int &ms, QString *error)
{
    if (text.trimmed().compare(QLatin1String("never"), Qt::CaseInsensitive) == 0) {
        ms = -1;
        return true;
    }
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (ok && value >= 0) {
        ms = value;
        return true;
    }
    if (error)
        *error = QStringLiteral("--capture-delay needs milliseconds (0 or more) or \"never\", not \"%1\"")
                     .arg(text);
    return false;
}

QString SimOptions::helpText()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated RYX station answering ZEMP requests over HTTP and/or a pty."));
    addOptions(parser);
    // The parser names the running binary; the usage line names the tool.
    const QString text = parser.helpText();
    return QStringLiteral("Usage: ryxsim [options]\n") + text.mid(text.indexOf(QLatin1Char('\n')) + 1);
}

SimOptions::Parse SimOptions::parse(const QStringList &arguments, SimOptions &out, QString &message)
{
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(QStringList(QStringLiteral("ryxsim")) + arguments)) {
        message = parser.errorText();
        return Parse::Error;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        message = helpText();
        return Parse::Help;
    }
    if (!parser.positionalArguments().isEmpty()) {
        message = QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
        return Parse::Error;
    }
    SimOptions options;
    options.type = parser.isSet(QStringLiteral("type")) ? parser.value(QStringLiteral("type")) : options.type;
    const SimStationClass *stationClass = SimCatalog::stationClass(options.type);
    if (!stationClass) {
        message = QStringLiteral("unknown station type \"%1\" (known: eim)").arg(options.type);
        return Parse::Error;
    }
    const QString modules = parser.isSet(QStringLiteral("modules"))
                                ? parser.value(QStringLiteral("modules"))
                                : stationClass->defaultModules;
    if (!SimCatalog::parseModuleList(modules, options.modules, &message))
        return Parse::Error;
    if (!parseInputOptions(parser, options, message))
        return Parse::Error;
    if (!parseWord(parser, QStringLiteral("status"), options.statusWord, message)
        || !parseWord(parser, QStringLiteral("p2p-status"), options.p2pStatus, message))
        return Parse::Error;
    options.httpEnabled = parser.isSet(QStringLiteral("http"));
    if (options.httpEnabled
        && !parseHostPort(parser.value(QStringLiteral("http")), options.httpAddress,
                          options.httpPort, &message))
        return Parse::Error;
    options.ptyEnabled = parser.isSet(QStringLiteral("pty"));
    options.ptyLink = parser.value(QStringLiteral("pty"));
    if (!parseCount(parser, QStringLiteral("baud"), 1, options.baud, message)
        || !parseFaults(parser, options.faults, message))
        return Parse::Error;
    if (options.baud > 0 && !options.ptyEnabled) {
        message = QStringLiteral("--baud paces the pty only; give --pty as well");
        return Parse::Error;
    }
    if (!options.httpEnabled && !options.ptyEnabled) {
        message = QStringLiteral("nothing to serve: give --http HOST:PORT and/or --pty PATH");
        return Parse::Error;
    }
    out = options;
    return Parse::Ok;
}

bool SimOptions::parseHostPort(const QString &text, QHostAddress &address, quint16 &port,
                               QString *error)
{
    const int colon = text.lastIndexOf(QLatin1Char(':'));
    QString host = text.left(colon).trimmed();
    bool ok = false;
    const uint number = colon < 0 ? 0 : text.mid(colon + 1).toUInt(&ok);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    QHostAddress parsed;
    if (host.isEmpty() || host == QLatin1String("*"))
        parsed = QHostAddress::Any;
    else if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        parsed = QHostAddress::LocalHost;
    else
        parsed.setAddress(host);
    if (!ok || number > 65535 || parsed.isNull()) {
        if (error)
            *error = QStringLiteral("bad address \"%1\": expected HOST:PORT, "
                                    "for example 127.0.0.1:8080")
                         .arg(text);
        return false;
    }
    address = parsed;
    port = quint16(number);
    return true;
}
