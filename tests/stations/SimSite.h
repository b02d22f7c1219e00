// A connected EIM station of the simulator, its tree filled with the modules
// the device reports, shared by the module transfer tests.
#pragma once

#include "stations/StationTestRig.h"

#include <memory>

namespace rig {

struct SimSite
{
    std::unique_ptr<RYXObject> station;
    std::unique_ptr<SimLink> link;

    /// A station of the simulator's type "eim" holding \a modules.
    explicit SimSite(const QString &modules) : station(newStation())
    {
        SimOptions options;
        options.type = QStringLiteral("eim");
        SimCatalog::parseModuleList(modules, options.modules, nullptr);
        link = std::make_unique<SimLink>(*station, options);
    }
    /// A second station on the simulator of \a other.
    explicit SimSite(const SimSite &other)
        : station(newStation()), link(std::make_unique<SimLink>(*station, *other.link))
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
};

} // namespace rig
