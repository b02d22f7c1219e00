#include "SimSignalWatcher.h"

#include <QtCore/QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The self-pipe: the handler may only write to it, the event loop reads it.
int g_pipe[2] = {-1, -1};
const int WatchedSignals[] = {SIGINT, SIGTERM, SIGHUP};

} // namespace

SimSignalWatcher::SimSignalWatcher(QObject *parent) : QObject(parent)
{
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SimSignalWatcher::drain);
    struct sigaction action = {};
    action.sa_handler = &SimSignalWatcher::handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : WatchedSignals)
        ::sigaction(s, &action, nullptr);
}

SimSignalWatcher::~SimSignalWatcher()
{
    if (!m_notifier)
        return;
    for (int s : WatchedSignals)
        ::signal(s, SIG_DFL);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void SimSignalWatcher::handle(int signalNumber)
{
    const char byte = char(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
}

void SimSignalWatcher::drain()
{
    char byte = 0;
    while (::read(g_pipe[0], &byte, 1) == 1)
        emit terminationRequested(int(byte));
}
