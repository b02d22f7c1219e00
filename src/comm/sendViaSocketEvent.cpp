#include "comm/sendViaSocketEvent.h"

#include "comm/ZEMPTCPPort.h"

sendViaSocketEvent::sendViaSocketEvent(ZEMPTCPPort *port, const QString &host,
                                       unsigned short portNumber)
    : m_port(port), m_host(host), m_portNumber(portNumber)
{
}

void sendViaSocketEvent::execute(RYXEventReceiver *)
{
    if (m_port)
        m_port->sendViaSocket(m_host, m_portNumber);
}
