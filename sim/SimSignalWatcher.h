#pragma once

#include <QtCore/QObject>

class QSocketNotifier;

// Turns SIGINT, SIGTERM and SIGHUP into a quit of the event loop, so that
// the simulator shuts down normally (and removes its pty symlink).
class SimSignalWatcher : public QObject
{
    Q_OBJECT
public:
    explicit SimSignalWatcher(QObject *parent = nullptr);
    ~SimSignalWatcher() override;

    bool isWatching() const { return m_notifier != nullptr; }

Q_SIGNALS:
    void terminationRequested(int signalNumber);

private:
    static void handle(int signalNumber);
    void drain();

    QSocketNotifier *m_notifier = nullptr;
};
