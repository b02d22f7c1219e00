#pragma once

#include "comm/ZEMPPort.h"

#include <QtCore/QString>

class ZEMPRSReaderThread;

// ZEMP frames sent raw on a serial line. A reader thread owns the device,
// feeds received bytes to the frame reassembly and writes the request frames.
class ZEMPRSPort : public ZEMPPort
{
    Q_OBJECT
public:
    explicit ZEMPRSPort(QObject *parent = nullptr);
    ~ZEMPRSPort() override;

    /// Selects COM port \a number (1-based).
    void setComPort(int number);
    int comPort() const { return m_comPort; }
    /// Selects a device by path (a USB adapter, a pseudo-terminal) instead of
    /// a COM number; an empty path returns to the COM number.
    void setDevicePath(const QString &path);
    /// The device opened: the path when one was set, otherwise the name of
    /// the COM port.
    QString deviceName() const;
    /// The system device of COM port \a number.
    static QString comPortDeviceName(int number);
    /// Why the last openPort failed.
    QString errorString() const;

    bool openPort() override;
    bool closePort() override;
    bool writeFrame(BYTE *frame, int length) override;

private:
    ZEMPRSReaderThread *m_reader;
    int m_comPort = 1;
    QString m_devicePath;
};
