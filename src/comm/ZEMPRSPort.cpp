#include "comm/ZEMPRSPort.h"

#include "comm/ZEMPRSReaderThread.h"

ZEMPRSPort::ZEMPRSPort(QObject *parent)
    : ZEMPPort(parent), m_reader(new ZEMPRSReaderThread(this, this))
{
}

ZEMPRSPort::~ZEMPRSPort()
{
    m_reader->stop();
}

void ZEMPRSPort::setComPort(int number)
{
    m_comPort = number;
}

void ZEMPRSPort::setDevicePath(const QString &path)
{
    m_devicePath = path;
}

QString ZEMPRSPort::comPortDeviceName(int number)
{
#ifdef Q_OS_WIN
    return QStringLiteral("\\\\.\\COM%1").arg(number);
#else
    return QStringLiteral("/dev/ttyS%1").arg(number - 1);
#endif
}

QString ZEMPRSPort::deviceName() const
{
    return m_devicePath.isEmpty() ? comPortDeviceName(m_comPort) : m_devicePath;
}

QString ZEMPRSPort::errorString() const
{
    return m_reader->errorString();
}

bool ZEMPRSPort::openPort()
{
    if (m_reader->isRunning() && isPortOpen())
        return true;
    const bool ok = m_reader->openDevice(deviceName());
    setPortOpen(ok);
    return ok;
}

bool ZEMPRSPort::closePort()
{
    m_reader->stop();
    ZEMPPort::closePort();
    return true;
}

bool ZEMPRSPort::writeFrame(BYTE *frame, int length)
{
    return m_reader->writeFrame(QByteArray(reinterpret_cast<const char *>(frame), length));
}
