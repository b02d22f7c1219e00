#include "comm/CommsSetup.h"

#include "comm/CommsConfigDialog.h"
#include "comm/RYXConnection.h"
#include "comm/ZEMPRSPort.h"
#include "comm/ZEMPTCPPort.h"
#include "core/RYXPrompter.h"
#include "model/RYXEventReceiver.h"
#include "model/RYXObject.h"

#include <QtCore/QSettings>

#include <algorithm>

namespace {

const QString CommPortKey = QStringLiteral("/Comm Port");
const QString RecentGroup = QStringLiteral("/RecentIPs");
const QString RecentPrefix = QStringLiteral("IP");
const QString SerialTimeoutKey = QStringLiteral("/ReplyTimeout/RS232");
const QString TcpTimeoutKey = QStringLiteral("/ReplyTimeout/TCPIP");

CommsSetup::DialogHook &dialogHook()
{
    static CommsSetup::DialogHook hook;
    return hook;
}

QSettings settings()
{
    return QSettings(QStringLiteral("Velmark"), QStringLiteral("RYX Config"));
}

int recentIndex(const QString &key)
{
    return key.startsWith(RecentPrefix) ? key.mid(RecentPrefix.size()).toInt() : 0;
}

} // namespace

void CommsSetup::showError(const QString &text)
{
    RYXPrompter::instance()->message(QMessageBox::Critical, nullptr, tr("Error"), text,
                                     QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok);
}

const char CommsSetup::DefaultStationAddress[] = "192.168.1.100";

void CommsSetup::setDialogHook(DialogHook hook)
{
    dialogHook() = std::move(hook);
}

CommsSetup::CommsSetup(RYXConnection *connection, RYXObject *station)
    : m_connection(connection), m_station(station)
{
}

QStringList CommsSetup::readRecentAddresses()
{
    QSettings store = settings();
    store.beginGroup(RecentGroup);
    QStringList keys = store.childKeys();
    // Listed as text, "IP10" would come before "IP2".
    std::stable_sort(keys.begin(), keys.end(),
                     [](const QString &a, const QString &b) { return recentIndex(a) < recentIndex(b); });
    QStringList addresses;
    for (const QString &key : std::as_const(keys))
        addresses << store.value(key, QStringLiteral("oops")).toString();
    return addresses;
}

void CommsSetup::writeRecentAddresses(const QStringList &addresses)
{
    QSettings store = settings();
    store.remove(RecentGroup);
    const int count = std::min<int>(int(addresses.size()), MaxRecentAddresses);
    for (int i = 0; i < count; ++i)
        store.setValue(QStringLiteral("%1/%2%3").arg(RecentGroup, RecentPrefix).arg(i + 1), addresses.at(i));
}

QStringList CommsSetup::withRecentAddress(QStringList addresses, const QString &address)
{
    addresses.removeAll(address);
    addresses.prepend(address);
    return addresses;
}

int CommsSetup::readReplyTimeout(bool tcp)
{
    bool ok = false;
    const int stored = settings().value(tcp ? TcpTimeoutKey : SerialTimeoutKey).toInt(&ok);
    if (ok && stored > 0)
        return stored;
    return tcp ? ZEMPTCPPort::DefaultTimeoutMs : ZEMPPort::DefaultTimeoutMs;
}

void CommsSetup::writeReplyTimeout(bool tcp, int milliseconds)
{
    settings().setValue(tcp ? TcpTimeoutKey : SerialTimeoutKey, milliseconds);
}

void CommsSetup::present(CommsConfigDialog &dialog) const
{
    // The station's own choice first, then the last port that opened.
    QVariant proposal = m_station->getComPort() != -1 ? QVariant(m_station->getComPort())
                                                       : settings().value(CommPortKey, -1);
    bool number = false;
    const int comPort = proposal.toInt(&number);
    const QString devicePath = number ? QString() : proposal.toString();
    switch (m_station->getTransportMask() & (RYXObject::TransportRS232 | RYXObject::TransportTCPIP)) {
    case RYXObject::TransportRS232:
        dialog.presentRS232(number ? comPort : -1, true, devicePath);
        break;
    case RYXObject::TransportTCPIP:
        dialog.presentTCPIP(m_connection->ipAddress(), true);
        break;
    default:
        dialog.presentRS232(number ? comPort : -1, false, devicePath);
        break;
    }
}

bool CommsSetup::run()
{
    CommsConfigDialog dialog;
    dialog.setModal(true);
    dialog.setRecentAddresses(readRecentAddresses());
    dialog.setReplyTimeouts(readReplyTimeout(false), readReplyTimeout(true));
    present(dialog);
    const int result = dialogHook() ? dialogHook()(dialog) : dialog.exec();
    if (result != QDialog::Accepted)
        return false;

    const int comPort = dialog.chosenComPort();
    if (comPort < 0)
        return false;
    const bool tcp = comPort == 0;
    const int timeout = dialog.replyTimeout(tcp);
    writeReplyTimeout(tcp, timeout);
    if (ZEMPPort *old = m_connection->getPort())
        old->closePort();
    m_connection->setPort(nullptr);
    if (tcp)
        return createTcpPort(dialog.chosenIPAddress(), timeout);
    return createSerialPort(comPort, dialog.chosenDevicePath(), timeout);
}

bool CommsSetup::createTcpPort(const QString &typed, int timeoutMs)
{
    const QString address = typed.isEmpty() ? QString::fromLatin1(DefaultStationAddress) : typed;
    QString host;
    unsigned short port = 0;
    if (!ZEMPTCPPort::parseAddress(address, StationTcpPort, &host, &port)) {
        showError(tr("\"%1\" is not a station address. Enter a host name or IP address, "
                    "optionally followed by \":\" and a port number from 1 to 65535.")
                      .arg(address));
        return false;
    }
    writeRecentAddresses(withRecentAddress(readRecentAddresses(), address));
    m_connection->setComPortNumber(0);
    m_connection->setIpAddress(address);
    auto *tcp = new ZEMPTCPPort(address, StationTcpPort);
    tcp->setTimeout(timeoutMs);
    QObject::connect(tcp, &ZEMPTCPPort::ZempDebug, m_connection, &RYXConnection::DebugMessage);
    tcp->setEventReceiver(m_connection->getEventReceiver());
    m_connection->setPort(tcp);
    return true;
}

bool CommsSetup::createSerialPort(int comPort, const QString &devicePath, int timeoutMs)
{
    m_connection->setComPortNumber(comPort);
    auto *serial = new ZEMPRSPort;
    serial->setTimeout(timeoutMs);
    if (devicePath.isEmpty()) {
        m_station->setComPort(comPort);
        serial->setComPort(comPort);
    } else {
        serial->setDevicePath(devicePath);
    }
    m_connection->setPort(serial);
    if (!serial->openPort()) {
        // The port stays, closed; the caller does not go on to open it again.
        showError(tr("Failed to open COM port, it may be in use."));
        return false;
    }
    settings().setValue(CommPortKey, devicePath.isEmpty() ? QVariant(comPort) : QVariant(devicePath));
    return true;
}
