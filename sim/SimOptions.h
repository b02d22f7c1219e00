#pragma once

#include "SimFaults.h"
#include "SimInputRegisters.h"

#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtCore/QVector>
#include <QtNetwork/QHostAddress>

// The simulator's command line, parsed into what the station and its servers
// need. Used by ryxsim and by tests that run a station in-process.
class SimOptions
{
public:
    enum class Parse { Ok, Help, Error };

    QString type = QStringLiteral("eim");
    QVector<quint8> modules;
    bool httpEnabled = false;
    QHostAddress httpAddress = QHostAddress::LocalHost;
    quint16 httpPort = 0;
    QString ptyLink;     // --pty PATH
    bool ptyEnabled = false;
    int baud = 0;
    SimFaults faults;
    quint16 statusWord = 0; // --status: the interface module status word
    quint16 p2pStatus = 0;  // --p2p-status: the peer-to-peer status word
    // --channel-status MODULE:CHANNEL=WORD, both counted from 1
    struct ChannelStatus
    {
        int module = 1;
        int channel = 1;
        quint16 word = 0;
    };
    QVector<ChannelStatus> channelStatus;
    int captureDelayMs = SimInputRegisters::DefaultCaptureDelayMs; // --capture-delay

    /// Parses "MODULE:CHANNEL=WORD" (module 1-16, channel 1-4, a 16-bit word).
    static bool parseChannelStatus(const QString &text, ChannelStatus &out, QString *error);
    /// Parses a capture delay: milliseconds, or "never" (-1).
    static bool parseCaptureDelay(const QString &text, int &ms, QString *error);

    /// Parses the arguments (without the program name). On Error,
    /// \a message says what is wrong; on Help it holds the help text.
    static Parse parse(const QStringList &arguments, SimOptions &out, QString &message);
    static QString helpText();
    /// Parses "HOST:PORT" (HOST may be a name such as localhost, or empty
    /// for all interfaces).
    static bool parseHostPort(const QString &text, QHostAddress &address, quint16 &port,
                              QString *error);
};
