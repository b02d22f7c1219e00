#pragma once

#include <QtCore/QCoreApplication>
#include <QtCore/QString>
#include <QtCore/QStringList>

#include <functional>

class CommsConfigDialog;
class RYXConnection;
class RYXObject;

// The communication set-up of one connection: asks the user in
// CommsConfigDialog how to reach the station, creates the matching port
// and remembers the choice in the settings ("/Comm Port", the recent
// addresses under "/RecentIPs", the reply time-out of each transport under
// "/ReplyTimeout"). Runs on the GUI thread while offline.
class CommsSetup
{
    Q_DECLARE_TR_FUNCTIONS(CommsSetup)

public:
    /// Answers the dialog instead of running it (tests, headless use): fills
    /// it in and returns QDialog::Accepted or Rejected. Null runs exec().
    using DialogHook = std::function<int(CommsConfigDialog &)>;
    static void setDialogHook(DialogHook hook);

    /// The address used when the user leaves the address empty.
    static const char DefaultStationAddress[];
    /// The TCP port used when an address names none.
    static constexpr unsigned short StationTcpPort = 80;
    static constexpr int MaxRecentAddresses = 10;

    CommsSetup(RYXConnection *connection, RYXObject *station);

    /// Runs the dialog and creates the port; false when no port was created
    /// (cancelled, nothing chosen, an address that cannot be used).
    bool run();

    /// A message box titled "Error".
    static void showError(const QString &text);

    static QStringList readRecentAddresses();
    static void writeRecentAddresses(const QStringList &addresses);
    /// \a addresses with \a address moved (or added) to the front.
    static QStringList withRecentAddress(QStringList addresses, const QString &address);

    /// The reply time-out stored for TCP/IP or RS 232, in milliseconds; the
    /// transport's own default when none is stored.
    static int readReplyTimeout(bool tcp);
    static void writeReplyTimeout(bool tcp, int milliseconds);

private:
    void present(CommsConfigDialog &dialog) const;
    bool createTcpPort(const QString &typed, int timeoutMs);
    bool createSerialPort(int comPort, const QString &devicePath, int timeoutMs);

    RYXConnection *m_connection;
    RYXObject *m_station;
};
