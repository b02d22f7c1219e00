#include "comm/ZEMPRSReaderThread.h"

#include "comm/CommLog.h"
#include "comm/ZEMPPort.h"

#include <QtCore/QMutexLocker>
#include <QtSerialPort/QSerialPort>

ZEMPRSReaderThread::ZEMPRSReaderThread(ZEMPPort *port, QObject *parent)
    : QThread(parent), m_port(port)
{
}

ZEMPRSReaderThread::~ZEMPRSReaderThread()
{
    stop();
}

bool ZEMPRSReaderThread::openDevice(const QString &deviceName)
{
    stop();
    QMutexLocker lock(&m_mutex);
    m_deviceName = deviceName;
    m_openDone = false;
    m_error.clear();
    start();
    while (!m_openDone)
        m_openedCondition.wait(&m_mutex);
    return m_serial != nullptr;
}

void ZEMPRSReaderThread::stop()
{
    if (!isRunning())
        return;
    quit();
    if (!wait(2500))
        qCWarning(lcComm) << "ZEMPRSReaderThread - reader thread did not end in time";
}

bool ZEMPRSReaderThread::writeFrame(const QByteArray &frame)
{
    QMutexLocker lock(&m_mutex);
    if (!m_serial)
        return false;
    // Written by the reader thread (the connection made in run() is queued
    // there); dropped if the device goes away first.
    emit frameQueued(frame);
    return true;
}

void ZEMPRSReaderThread::writeNow(QSerialPort &serial, const QByteArray &frame)
{
    // flush() puts the bytes on the line now rather than on the next pass
    // of the event loop.
    if (serial.write(frame) != frame.size() || !serial.flush())
        qCWarning(lcComm) << "ZEMPRSPort - write failed:" << serial.errorString();
}

QString ZEMPRSReaderThread::errorString() const
{
    QMutexLocker lock(&m_mutex);
    return m_error;
}

void ZEMPRSReaderThread::reportOpened(QSerialPort *serial, bool ok, const QString &error)
{
    QMutexLocker lock(&m_mutex);
    m_serial = ok ? serial : nullptr;
    m_error = error;
    m_openDone = true;
    m_openedCondition.wakeAll();
}

void ZEMPRSReaderThread::run()
{
    QString deviceName;
    {
        QMutexLocker lock(&m_mutex);
        deviceName = m_deviceName;
    }
    QSerialPort serial;
    serial.setPortName(deviceName);
    serial.setBaudRate(QSerialPort::Baud57600);
    serial.setDataBits(QSerialPort::Data8);
    serial.setStopBits(QSerialPort::OneStop);
    serial.setParity(QSerialPort::NoParity);
    serial.setFlowControl(QSerialPort::NoFlowControl);
    if (!serial.open(QIODevice::ReadWrite)) {
        qCWarning(lcComm) << "ZEMPRSPort - cannot open" << deviceName << ":" << serial.errorString();
        reportOpened(nullptr, false, serial.errorString());
        return;
    }
    connect(&serial, &QSerialPort::readyRead, &serial, [this, &serial] { readAvailable(serial); });
    connect(this, &ZEMPRSReaderThread::frameQueued, &serial,
            [&serial](const QByteArray &frame) { writeNow(serial, frame); }, Qt::QueuedConnection);
    connect(&serial, &QSerialPort::errorOccurred, &serial, [&serial](QSerialPort::SerialPortError e) {
        if (e != QSerialPort::NoError)
            qCWarning(lcComm) << "ZEMPRSPort - device error" << e << serial.errorString();
    });
    reportOpened(&serial, true, QString());
    exec();
    {
        QMutexLocker lock(&m_mutex);
        m_serial = nullptr;
    }
    serial.close();
}

void ZEMPRSReaderThread::readAvailable(QSerialPort &serial)
{
    BYTE buffer[ZEMP_MAX_FRAME];
    for (;;) {
        const qint64 n = serial.read(reinterpret_cast<char *>(buffer), sizeof buffer);
        if (n <= 0)
            return;
        m_port->processBytesSlot(buffer, int(n));
    }
}
