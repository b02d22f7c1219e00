#pragma once

#include "model/events/QAsyncCustomEvent.h"

#include <QtCore/QPointer>
#include <QtCore/QString>

class ZEMPTCPPort;

// Asks a TCP port, on its own (GUI) thread, to open the connection that
// carries the request it has prepared.
class sendViaSocketEvent : public QAsyncCustomEvent
{
public:
    sendViaSocketEvent(ZEMPTCPPort *port, const QString &host, unsigned short portNumber);
    void execute(RYXEventReceiver *receiver) override;

private:
    QPointer<ZEMPTCPPort> m_port;
    QString m_host;
    unsigned short m_portNumber;
};
