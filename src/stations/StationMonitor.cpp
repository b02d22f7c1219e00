#include "stations/StationMonitor.h"

#include "comm/TransferContext.h"
#include "comm/ZEMPPort.h"
#include "model/events/progressShowDialogEvent.h"
#include "model/events/showMessageBoxSynchEvent.h"
#include "model/RYXConnectionBase.h"
#include "model/RYXEventReceiver.h"
#include "plugins/XIMProcessDialog.h"
#include "plugins/XIMProcessObjectPlugin.h"
#include "stations/EIModuleObject.h"

#include <QtCore/QDateTime>

namespace {
// Progress dialog mode that closes the dialog.
constexpr int ProgressClose = 1;
} // namespace

StationMonitor::StationMonitor(EIModuleObject *station) : m_station(station)
{
    m_interval.start();
}

void StationMonitor::setEnabled(bool on)
{
    m_enabled = on;
    m_refreshNow = on;
    if (!on)
        return;
    // Monitoring lasts as long as the dialog that switched it on.
    if (QWidget *shown = m_station->processPlugin()->dialog())
        QObject::connect(shown, &QObject::destroyed, m_station, [this] { m_enabled = false; });
    else
        m_enabled = false;
}

void StationMonitor::setMonitorState(bool idle, const QString &message)
{
    m_station->setValue(QStringLiteral("monitorisidle"), idle);
    m_station->setValue(QStringLiteral("monitormessage"), message);
}

int StationMonitor::step()
{
    if (!m_enabled)
        return 0;
    const qint64 interval = qint64(qMax(1, m_station->getInt(QStringLiteral("updatefreq")))) * 1000;
    if (!m_refreshNow && m_interval.elapsed() < interval)
        return 0;
    m_refreshNow = false;
    ++m_passes;
    XIMProcessObjectPlugin *process = m_station->processPlugin();
    TransferContext context(false, m_station, true);
    setMonitorState(false, QStringLiteral("VERIFYING DEVICE"));
    process->postUpdateDialog();
    if (m_station->verifyDevice(context.port()) != 0) {
        takeOffline(context.port());
        setMonitorState(true, QStringLiteral("IDLE"));
    } else {
        m_station->setValue(QStringLiteral("monitormessage"), QStringLiteral("REFRESHING DATA"));
        m_station->readProcessData(context);
        if (RYXEventReceiver *receiver = context.connection() ? context.connection()->getEventReceiver() : nullptr)
            QAsyncCustomEvent::post(receiver->eventTarget(), new progressShowDialogEvent(ProgressClose, 0));
        setMonitorState(true, QStringLiteral("IDLE"));
        m_station->setValue(QStringLiteral("lastupdate"), QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss")));
    }
    process->postUpdateDialog();
    m_interval.restart();
    return 0;
}

// The device stopped answering: the user is told (and must reconnect),
// the shown values go stale and the station goes offline.
void StationMonitor::takeOffline(ZEMPPort *port)
{
    const QString cause = port ? port->lastFailure().sentence(port->peerName()) : QString();
    m_enabled = false;
    m_station->processPlugin()->setDataCurrent(false);
    RYXEventReceiver *receiver = nullptr;
    if (m_station->getMainWindow(m_station, receiver))
        QSyncCustomEvent::postAndWait(receiver->eventTarget(),
                                      new showMessageBoxSynchEvent(tr(
                                          "Disconnecting because:\n\nCommunication with the device was lost.\n\n"
                                          "You must reconnect once the problem is resolved."),
                                                                    cause));
    if (RYXConnectionBase *own = m_station->getOwnConnection())
        own->requestDisconnect();
}
