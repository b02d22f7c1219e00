#include "comm/ZEMPRSPort.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QThread>
#include <QtTest/QTest>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <functional>

namespace {

QByteArray bytes(const char *hex) { return QByteArray::fromHex(hex); }

// The device end of a pseudo-terminal: the port under test opens the slave.
class PtyDevice
{
public:
    PtyDevice()
    {
        m_master = posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master >= 0 && grantpt(m_master) == 0 && unlockpt(m_master) == 0)
            m_slave = QString::fromLocal8Bit(ptsname(m_master));
    }
    ~PtyDevice()
    {
        if (m_master >= 0)
            ::close(m_master);
    }
    QString slavePath() const { return m_slave; }

    /// Reads until \a size bytes came or \a ms passed.
    QByteArray read(int size, int ms)
    {
        QByteArray got;
        QElapsedTimer clock;
        clock.start();
        while (got.size() < size && clock.elapsed() < ms) {
            pollfd p{m_master, POLLIN, 0};
            if (::poll(&p, 1, 10) <= 0)
                continue;
            char buffer[256];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n > 0)
                got.append(buffer, int(n));
        }
        return got;
    }
    void write(const QByteArray &data) { QCOMPARE(::write(m_master, data.constData(), data.size()), data.size()); }

private:
    int m_master = -1;
    QString m_slave;
};

// Runs \a device beside the transaction that the test thread performs.
class DeviceThread
{
public:
    explicit DeviceThread(std::function<void()> device) : m_thread(QThread::create(std::move(device)))
    {
        m_thread->start();
    }
    ~DeviceThread()
    {
        m_thread->wait();
        delete m_thread;
    }

private:
    QThread *m_thread;
};

} // namespace

class tst_ZEMPRSPort : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void deviceNames_data();
    void deviceNames();
    void openFailure();
    void answeredInChunks();
    void timeoutWithoutAnswer();
    void reopenAfterClose();
};

void tst_ZEMPRSPort::deviceNames_data()
{
    QTest::addColumn<int>("com");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("device");
    QTest::newRow("COM 1") << 1 << QString() << "/dev/ttyS0";
    QTest::newRow("COM 3") << 3 << QString() << "/dev/ttyS2";
    QTest::newRow("path wins over number") << 3 << "/dev/ttyUSB0" << "/dev/ttyUSB0";
}

void tst_ZEMPRSPort::deviceNames()
{
    QFETCH(int, com);
    QFETCH(QString, path);
    QFETCH(QString, device);
    ZEMPRSPort port;
    port.setComPort(com);
    port.setDevicePath(path);
    QCOMPARE(port.deviceName(), device);
}

void tst_ZEMPRSPort::openFailure()
{
    ZEMPRSPort port;
    port.setDevicePath(QStringLiteral("/dev/does-not-exist-ryx"));
    QVERIFY(!port.openPort());
    QVERIFY(!port.isPortOpen());
    QVERIFY(!port.errorString().isEmpty());
    // A transaction on a port that is not open fails at once.
    QElapsedTimer clock;
    clock.start();
    int count = 0;
    BYTE buffer[ZEMP_MAX_FRAME];
    QCOMPARE(port.readCommand(0x1234, &count, buffer), ZEMP_ERR_TIMEOUT);
    QVERIFY(clock.elapsed() < 500);
}

void tst_ZEMPRSPort::answeredInChunks()
{
    PtyDevice device;
    QVERIFY(!device.slavePath().isEmpty());
    ZEMPRSPort port;
    port.setDevicePath(device.slavePath());
    QVERIFY2(port.openPort(), qPrintable(port.errorString()));

    QByteArray request;
    const QByteArray reply = bytes("051234ABCD") + char(0x100 - ((0x05 + 0x12 + 0x34 + 0xAB + 0xCD) & 0xFF));
    {
        DeviceThread answer([&] {
            request = device.read(4, 3000);
            device.write(reply.left(2));
            QThread::msleep(30); // the reader sees a partial frame first
            device.write(reply.mid(2));
        });
        int count = 0;
        BYTE buffer[ZEMP_MAX_FRAME];
        QCOMPARE(port.readCommand(0x1234, &count, buffer), 0);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer), count), bytes("ABCD"));
    }
    QCOMPARE(request, bytes("031234B7"));
    QVERIFY(port.closePort());
}

void tst_ZEMPRSPort::timeoutWithoutAnswer()
{
    PtyDevice device;
    ZEMPRSPort port;
    port.setDevicePath(device.slavePath());
    QVERIFY(port.openPort());
    QCOMPARE(port.timeout(), 2000);

    QElapsedTimer clock;
    clock.start();
    int count = 1;
    BYTE buffer[ZEMP_MAX_FRAME] = {0x05};
    QCOMPARE(port.writeCommand(0x0010, &count, buffer), ZEMP_ERR_TIMEOUT);
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed > 2000 && elapsed < 2300, qPrintable(QString::number(elapsed)));
    QCOMPARE(count, 0);
    QCOMPARE(device.read(5, 1000), bytes("8400100567"));
}

void tst_ZEMPRSPort::reopenAfterClose()
{
    PtyDevice device;
    ZEMPRSPort port;
    port.setDevicePath(device.slavePath());
    QVERIFY(port.openPort());
    QVERIFY(port.openPort()); // already open: nothing changes
    QVERIFY(port.closePort());
    QVERIFY(!port.isPortOpen());
    QVERIFY(port.openPort());

    DeviceThread answer([&] {
        if (device.read(4, 3000).size() == 4)
            device.write(bytes("031234B7"));
    });
    int count = 0;
    BYTE buffer[ZEMP_MAX_FRAME];
    QCOMPARE(port.readCommand(0x1234, &count, buffer), 0);
    QCOMPARE(count, 0);
}

QTEST_GUILESS_MAIN(tst_ZEMPRSPort)
#include "tst_zemprsport.moc"
