// An Ethernet station of the system manager, connected through its own
// connection thread over loopback TCP to a slowed simulator, as the main
// window runs one; its receiver presses Cancel, as the window does, once a
// given progress title appears.
#pragma once

#include "app/RYXClassTable.h"
#include "comm/RYXConnection.h"
#include "comm/ZEMPTCPPort.h"
#include "model/RYXHeadlessReceiver.h"
#include "model/RYXSysManager.h"
#include "stations/EIModuleObject.h"

#include "SimCatalog.h"
#include "SimStation.h"
#include "SimThread.h"

#include <QtTest/QtTest>

class CancellingReceiver : public RYXHeadlessReceiver
{
public:
    void setProgressTitle(const QString &text) override
    {
        titles << text;
        if (manager && text == cancelOn)
            manager->setCancelRequested(true);
        RYXHeadlessReceiver::setProgressTitle(text);
    }
    RYXSysManager *manager = nullptr;
    QString cancelOn;
    QStringList titles;
};

struct ManagedStation
{
    /// \a modules: the simulator's module list ("TIM,6,UNK"), none by default.
    explicit ManagedStation(int delayMs, const QString &modules = QString()) : sim(options(delayMs, modules))
    {
        // The read-back after a download copies the station by its class.
        RYXClassTable::registerAll();
        ok = sim.startServing();
        receiver.manager = &manager;
        manager.addDevice(station);
        connection = qobject_cast<RYXConnection *>(station->getOwnConnection());
        const QString address = QStringLiteral("127.0.0.1:%1").arg(sim.httpPort());
        auto *port = new ZEMPTCPPort(address);
        port->setEventReceiver(&receiver);
        port->setTimeout(3000);
        connection->setComPortNumber(0);
        connection->setIpAddress(address);
        connection->setPort(port);
    }
    static SimOptions options(int delayMs, const QString &modules)
    {
        SimOptions options;
        options.httpEnabled = true;
        options.faults.setDelayMs(delayMs);
        SimCatalog::parseModuleList(modules, options.modules, nullptr);
        return options;
    }
    /// Connects and waits until the connect sequence has ended well.
    bool connectStation()
    {
        connection->connectSlot(false);
        return QTest::qWaitFor([this] { return hasResult(QStringLiteral("Connection was succesful.")); }, 10000);
    }
    bool hasResult(const QString &text) const { return receiver.progressResults().contains(text); }
    int resultCount(const QString &text) const { return int(receiver.progressResults().count(text)); }
    /// Disconnects and waits until the connection is offline.
    bool disconnectStation()
    {
        connection->disconnectSlot();
        return QTest::qWaitFor([this] { return connection->state() == RYXConnection::Offline; }, 10000);
    }
    quint64 requests() const { return sim.station()->requestCount(); }

    SimThread sim;
    CancellingReceiver receiver;
    RYXSysManager manager{&receiver, nullptr};
    EIModuleObject *station = new EIModuleObject;
    RYXConnection *connection = nullptr;
    bool ok = false;
};
