#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

// The command line of ryxcli: one command, the station (a type or a
// configuration file), one transport, optionally the reply time-out and,
// for an upload, the output file.
class RYXCliOptions
{
public:
    enum class Command { None, Upload, Download, Verify };
    enum class Transport { None, Tcp, Serial };

    /// Reads \a arguments (without the program name); \a stationTypes are
    /// the values --type takes. On failure returns false and puts the
    /// reason in \a error.
    bool parse(const QStringList &arguments, const QStringList &stationTypes, QString &error);
    static QString usage();
    /// The usage, the options, \a stationTypes and every exit status.
    static QString helpText(const QStringList &stationTypes);

    Command command = Command::None;
    Transport transport = Transport::None;
    QString type;      // upload: the station type ("eim")
    QString file;      // download, verify: the configuration file
    QString out;       // upload: where to save
    QString address;   // "host[:port]" or the serial device
    int timeoutMs = 0; // --timeout; 0: the transport's default
    bool readBack = true; // download: read back and compare what was written
    bool help = false;
    bool version = false;
    bool verbose = false; // Qt's and the program's diagnostics on standard error

    /// The longest --timeout taken, in seconds.
    static constexpr int MaxTimeoutSeconds = 3600;

private:
    bool takeValue(const QStringList &arguments, int &index, QString &value, QString &error);
    bool setTransport(Transport transport, const QString &address, QString &error);
    bool checkType(const QStringList &stationTypes, QString &error);
    bool setTimeout(const QString &seconds, QString &error);

    QString m_timeoutText; // as typed, so that a second --timeout is refused
};
