#pragma once

#include <QtCore/QStringList>
#include <QtWidgets/QDialog>

#include <memory>

namespace Ui {
class CommsConfigForm;
}

// Asks how to reach a station: a serial port ("COM 1" to "COM 4", or any
// other port number or device path under "Other") or a TCP/IP address
// ("host" or "host:port") picked from the recent addresses or typed, each
// with how long to wait for the station's reply.
class CommsConfigDialog : public QDialog
{
    Q_OBJECT
public:
    /// What chosenComPort returns when "Other" holds a device path.
    static constexpr int DevicePathPort = 0x7FFF;
    /// Index of "Other" in the port combo box.
    static constexpr int OtherIndex = 4;

    explicit CommsConfigDialog(QWidget *parent = nullptr);
    ~CommsConfigDialog() override;

    /// Selects RS 232 with COM port \a comPort (or the device \a devicePath
    /// when one is given); \a rsOnly hides the physical selection and TCP/IP.
    void presentRS232(int comPort, bool rsOnly, const QString &devicePath = QString());
    /// Selects TCP/IP with \a address (the first recent address when empty);
    /// \a tcpOnly hides the physical selection and RS 232.
    void presentTCPIP(const QString &address, bool tcpOnly);
    void setRecentAddresses(const QStringList &addresses);
    /// Shows the reply time-outs of RS 232 and TCP/IP, in milliseconds.
    void setReplyTimeouts(int serialMs, int tcpMs);

    /// 0 for TCP/IP, -1 when nothing usable is chosen, otherwise the COM port
    /// number (DevicePathPort for a device path under "Other").
    int chosenComPort() const;
    /// The device path typed under "Other"; empty when a number was typed.
    QString chosenDevicePath() const;
    QString chosenIPAddress() const;
    /// The reply time-out given for TCP/IP or for RS 232, in milliseconds.
    int replyTimeout(bool tcp) const;

public Q_SLOTS:
    void RSClickedSlot();
    void TCPClickedSlot();
    void portComboChanged(int index);

private:
    void setPhysicalChoiceVisible(bool visible);
    QString otherText() const;

    std::unique_ptr<Ui::CommsConfigForm> m_ui;
};
