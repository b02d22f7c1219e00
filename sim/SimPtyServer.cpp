#include "SimPtyServer.h"

#include "SimFrame.h"
#include "SimStation.h"

#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QSocketNotifier>
#include <QtCore/QThread>
#include <QtCore/QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Below this a response is waited for in place rather than with a timer, so
// that paced replies keep sub-millisecond accuracy.
constexpr qint64 SleepThresholdUs = 2000;
// The last stretch of a paced wait is spent spinning, which absorbs the
// usual lateness of a woken thread. Spinning the whole wait is no better on
// an idle machine and much worse on a busy one, where the scheduler then
// treats the simulator as a CPU hog.
constexpr qint64 SpinUs = 300;

} // namespace

SimPtyServer::SimPtyServer(SimStation *station, QObject *parent)
    : QObject(parent), m_station(station), m_gapTimer(new QTimer(this))
{
    m_gapTimer->setSingleShot(true);
    m_gapTimer->setInterval(FrameGapMs);
    connect(m_gapTimer, &QTimer::timeout, this, &SimPtyServer::discardPartial);
    m_clock.start();
}

SimPtyServer::~SimPtyServer()
{
    close();
}

bool SimPtyServer::open(const QString &linkPath)
{
    close();
    m_error.clear();
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (m_master < 0) {
        fail(QStringLiteral("posix_openpt"));
        return false;
    }
    char name[256];
    if (::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0
        || ::ptsname_r(m_master, name, sizeof name) != 0) {
        fail(QStringLiteral("preparing the pseudo-terminal"));
        return false;
    }
    m_slavePath = QString::fromLocal8Bit(name);
    termios raw;
    if (::tcgetattr(m_master, &raw) == 0) {
        ::cfmakeraw(&raw);
        ::tcsetattr(m_master, TCSANOW, &raw);
    }
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_slaveHold = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_slaveHold < 0) {
        fail(QStringLiteral("opening %1").arg(m_slavePath));
        return false;
    }
    if (!linkPath.isEmpty() && !makeLink(linkPath)) {
        close();
        return false;
    }
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SimPtyServer::readMaster);
    return true;
}

bool SimPtyServer::makeLink(const QString &linkPath)
{
    const QFileInfo info(linkPath);
    if (info.isSymLink()) {
        QFile::remove(linkPath);
    } else if (info.exists()) {
        m_error = QStringLiteral("%1 exists and is not a symlink; not replacing it").arg(linkPath);
        return false;
    }
    if (!QFile::link(m_slavePath, linkPath)) {
        m_error = QStringLiteral("cannot create the symlink %1").arg(linkPath);
        return false;
    }
    m_linkPath = linkPath;
    return true;
}

void SimPtyServer::close()
{
    delete m_notifier;
    m_notifier = nullptr;
    m_gapTimer->stop();
    m_buffer.clear();
    if (m_slaveHold >= 0)
        ::close(m_slaveHold);
    if (m_master >= 0)
        ::close(m_master);
    m_slaveHold = m_master = -1;
    // Remove the link only while it still points at our slave.
    if (!m_linkPath.isEmpty() && QFileInfo(m_linkPath).symLinkTarget() == m_slavePath)
        QFile::remove(m_linkPath);
    m_linkPath.clear();
}

void SimPtyServer::fail(const QString &what)
{
    m_error = QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
    close();
}

qint64 SimPtyServer::wireTimeUs(int bytes, int baud)
{
    return baud > 0 ? qint64(bytes) * 10 * 1000000 / baud : 0;
}

void SimPtyServer::readMaster()
{
    char chunk[512];
    for (;;) {
        const ssize_t n = ::read(m_master, chunk, sizeof chunk);
        if (n > 0) {
            if (m_buffer.isEmpty())
                m_firstByteUs = m_clock.nsecsElapsed() / 1000;
            m_buffer.append(chunk, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && m_notifier) {
            // With our own slave descriptor held this should not happen;
            // stop watching rather than spin on a broken descriptor.
            qWarning("ryxsim: reading the pty failed: %s", std::strerror(errno));
            m_notifier->setEnabled(false);
        }
        break;
    }
    takeFrames();
}

void SimPtyServer::takeFrames()
{
    while (!m_buffer.isEmpty()) {
        const int length = SimFrame::sizeAnnouncedBy(m_buffer.at(0));
        if (length < SimFrame::MinSize) {
            // No frame starts with this byte; skip it.
            m_buffer.remove(0, 1);
            continue;
        }
        if (m_buffer.size() < length) {
            m_gapTimer->start();
            return;
        }
        const QByteArray frame = m_buffer.left(length);
        m_buffer.remove(0, length);
        const qint64 firstByteUs = m_firstByteUs;
        m_firstByteUs = m_clock.nsecsElapsed() / 1000;
        emit frameReceived(frame);
        answer(frame, firstByteUs);
    }
    m_gapTimer->stop();
}

void SimPtyServer::discardPartial()
{
    m_buffer.clear();
}

void SimPtyServer::answer(const QByteArray &request, qint64 firstByteUs)
{
    if (!m_station)
        return;
    const SimReply reply = m_station->handleRequest(request);
    if (reply.outcome == SimReply::Invalid) {
        // The stream is out of step: drop what followed the bad frame.
        m_buffer.clear();
        return;
    }
    if (reply.outcome != SimReply::Answered)
        return;
    const qint64 dueUs = firstByteUs + wireTimeUs(request.size() + reply.frame.size(), m_baud)
                         + qint64(reply.delayMs) * 1000;
    const qint64 waitUs = dueUs - m_clock.nsecsElapsed() / 1000;
    if (waitUs <= SleepThresholdUs) {
        waitUntil(dueUs);
        writeMaster(reply.frame);
        return;
    }
    const QByteArray frame = reply.frame;
    QTimer::singleShot(int((waitUs - SleepThresholdUs / 2) / 1000), Qt::PreciseTimer, this,
                       [this, frame, dueUs] {
                           waitUntil(dueUs);
                           writeMaster(frame);
                       });
}

void SimPtyServer::waitUntil(qint64 dueUs)
{
    // Sleep most of the way, then spin: a woken thread may wait for the
    // scheduler, which would stretch short paced answers noticeably.
    const qint64 sleepUs = dueUs - SpinUs - m_clock.nsecsElapsed() / 1000;
    if (sleepUs > 0)
        QThread::usleep(quint64(sleepUs));
    while (m_clock.nsecsElapsed() / 1000 < dueUs) {
    }
}

void SimPtyServer::writeMaster(const QByteArray &bytes)
{
    if (m_master < 0)
        return;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // nobody reads and the queue is full: the answer is lost
        done += n;
    }
    emit responseWritten(bytes);
}
