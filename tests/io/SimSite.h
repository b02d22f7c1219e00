// A station of the simulator's type "eim" with its modules, linked to
// ryxsim over loopback TCP as a connected station is, and the device's
// points of its channels for the tests to set and read.
#pragma once

#include "app/RYXClassTable.h"
#include "devices/RYXIOModule.h"
#include "model/RYXObjectFactory.h"

#include "stations/StationTestRig.h"

#include "SimInputChannel.h"
#include "SimStation.h"

#include <memory>

// A station of the simulator's type "eim" holding \a modules, connected and
// filled with the modules the device reports.
struct SimSite
{
    std::unique_ptr<RYXObject> station;
    std::unique_ptr<rig::SimLink> link;

    explicit SimSite(const QString &modules) : station(newStation())
    {
        SimOptions options;
        options.type = QStringLiteral("eim");
        SimCatalog::parseModuleList(modules, options.modules, nullptr);
        link = std::make_unique<rig::SimLink>(*station, options);
    }
    /// A second station on the simulator of \a other.
    explicit SimSite(const SimSite &other)
        : station(newStation()), link(std::make_unique<rig::SimLink>(*station, *other.link))
    {
    }
    static RYXObject *newStation()
    {
        RYXClassTable::registerAll();
        return RYXObjectFactory::create(QStringLiteral("EIM"), 0);
    }
    bool connected() { return link->ok && link->operation(QStringLiteral("connect")) == 0; }
    /// Runs \a operation; when it fails, its result lines that are no success.
    QString failureOf(const QString &operation)
    {
        if (link->operation(operation) == 0)
            return QString();
        QStringList lines = link->results();
        lines.removeIf([](const QString &line) { return line.endsWith(QLatin1String("success!")); });
        return lines.join(QLatin1Char('\n'));
    }
    SimStation *sim() const { return link->sim->station(); }

    /// The module at \a position of the station; null when there is none.
    RYXIOModule *module(int position) const
    {
        for (RYXObject *child : station->getChildren()) {
            auto *io = qobject_cast<RYXIOModule *>(child);
            if (io && io->getModuleNumber() == position)
                return io;
        }
        return nullptr;
    }
    template<class Channel>
    Channel *channel(int module, int number) const
    {
        RYXIOModule *io = this->module(module);
        return io ? qobject_cast<Channel *>(io->channelByNumber(number)) : nullptr;
    }
    QByteArray devicePoint(int module, int number, quint16 address) const
    {
        QByteArray value;
        sim()->readPoint(SimStation::tunnelAddress(module, number - 1), address, value);
        return value;
    }
    float deviceFloat(int module, int number, quint16 address) const
    {
        return SimInputChannel::floatValue(devicePoint(module, number, address));
    }
    int deviceByte(int module, int number, quint16 address) const
    {
        const QByteArray value = devicePoint(module, number, address);
        return value.isEmpty() ? -1 : quint8(value.at(0));
    }
    void setDeviceByte(int module, int number, quint16 address, quint8 value)
    {
        sim()->setPoint(SimStation::tunnelAddress(module, number - 1), address, QByteArray(1, char(value)));
    }
    void setDeviceFloat(int module, int number, quint16 address, float value)
    {
        sim()->setPoint(SimStation::tunnelAddress(module, number - 1), address, SimInputChannel::floatBytes(value));
    }
};
