#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QMutex>
#include <QtCore/QString>
#include <QtCore/QThread>
#include <QtCore/QWaitCondition>

class QSerialPort;
class ZEMPPort;

// Owns the serial device of a ZEMPRSPort: opens it in its own thread, hands
// every received chunk to the port's frame reassembly and writes the frames
// given to it. The device is never touched from any other thread.
class ZEMPRSReaderThread : public QThread
{
    Q_OBJECT
public:
    explicit ZEMPRSReaderThread(ZEMPPort *port, QObject *parent = nullptr);
    ~ZEMPRSReaderThread() override;

    /// Starts the thread and opens \a deviceName in it at 57600 8N1 without
    /// flow control; returns once the open succeeded or failed.
    bool openDevice(const QString &deviceName);
    /// Ends the thread (waiting up to 2500 ms); the device is closed by it.
    void stop();
    /// Queues \a frame for writing; false when the device is not open.
    bool writeFrame(const QByteArray &frame);
    QString errorString() const;

Q_SIGNALS:
    /// A frame for the device, delivered to the reader thread.
    void frameQueued(const QByteArray &frame);

protected:
    void run() override;

private:
    void readAvailable(QSerialPort &serial);
    static void writeNow(QSerialPort &serial, const QByteArray &frame);
    void reportOpened(QSerialPort *serial, bool ok, const QString &error);

    ZEMPPort *m_port;
    QString m_deviceName;
    mutable QMutex m_mutex;
    QWaitCondition m_openedCondition;
    bool m_openDone = false;
    QSerialPort *m_serial = nullptr; // lives on the stack of run()
    QString m_error;
};
