#include "SimCatalog.h"

#include "SimDiscreteModule.h"
#include "SimLiveValues.h"
#include "SimOutputChannel.h"
#include "SimPointMap.h"

namespace {

SimPointDef integer(quint16 address, int width, quint64 initial, int flags = SimPointDef::None)
{
    return SimPointDef{address, width, SimPointKind::Integer,
                       SimPointMap::integerBytes(initial, width), flags};
}

SimPointDef text(quint16 address, int width, const char *initial)
{
    return SimPointDef{address, width, SimPointKind::Text, QByteArray(initial), SimPointDef::None};
}

// The Ethernet interface module head. The module count and type list are
// filled in by the station from its module list; the float order byte at
// 0x200 doubles as the save handshake (read it, write it back to store).
QVector<SimPointDef> eimPoints()
{
    using F = SimPointDef;
    return {
        integer(0x64, 2, 28, F::ReadOnly),         // device type
        integer(0x68, 2, 0x0104, F::ReadOnly),     // firmware 1.4
        integer(0x6A, 3, 100234, F::ReadOnly),     // serial number
        integer(SimCatalog::ModuleCountPoint, 1, 0, F::ReadOnly),
        SimPointDef{SimCatalog::ModuleTypesPoint, 16, SimPointKind::Binary, {}, F::ReadOnly},
        text(0x0C, 12, "EIM"),                     // descriptor
        text(0x214, 32, ""),                       // server location
        integer(0x100, 1, 0),                      // disable scan
        integer(0x101, 1, 0),                      // scan line control
        integer(SimCatalog::P2pStatusPoint, 2, 0, F::ReadOnly),
        integer(0x200, 1, 0, F::SavesStation),     // float order / save handshake
        integer(SimCatalog::StatusPoint, 2, 0, F::ReadOnly),
        integer(0x213, 4, 0, F::ReadOnly | F::Clock),
    };
}

// Tag and custom text of every channel of the analog modules.
QVector<SimPointDef> analogChannelPoints()
{
    return {text(0x107, 24, ""), text(0x10E, 8, "")};
}

SimModuleClass module(quint8 code, const char *element, QStringList aliases,
                      QVector<quint16> channelKinds)
{
    SimModuleClass m;
    m.code = code;
    m.element = QString::fromLatin1(element);
    m.aliases = aliases;
    m.channelKinds = channelKinds;
    if (!channelKinds.isEmpty())
        m.channelPoints = analogChannelPoints();
    m.inputChannels = !channelKinds.isEmpty() && SimLiveValues::isInputModule(code);
    if (SimDiscreteModule::isDiscrete(code)) {
        m.targets = SimDiscreteModule::Targets;
        m.modulePoints = SimDiscreteModule::modulePoints(code);
        m.targetPoints = SimDiscreteModule::targetPoints();
    }
    return m;
}

// The analog output module: four output channels with their points.
SimModuleClass outputModule()
{
    SimModuleClass m = module(SimOutputChannel::ModuleCode, "AO4", {QStringLiteral("AOM")}, {1, 1, 1, 1});
    m.channelPoints += SimOutputChannel::points();
    return m;
}

} // namespace

const QVector<SimStationClass> &SimCatalog::stationClasses()
{
    // The demo station carries no I/O modules: the program connects,
    // uploads and downloads it cleanly, which it cannot yet do for a module
    // whose class it lacks (such a module is undetermined and refuses
    // transfers). --modules gives any other list.
    static const QVector<SimStationClass> classes = {
        {QStringLiteral("eim"), QStringLiteral("Ethernet interface module"), 28, eimPoints(),
         QStringLiteral("none")},
    };
    return classes;
}

const QVector<SimModuleClass> &SimCatalog::moduleClasses()
{
    static const QVector<SimModuleClass> classes = {
        module(0, "UNDETERMINED", {QStringLiteral("UNK")}, {}),
        outputModule(),
        module(2, "TI4", {QStringLiteral("TIM")}, {2, 2, 2, 2}),
        module(3, "CI4", {QStringLiteral("CIM")}, {0x51, 0x52, 0x53, 0x54}),
        module(4, "II4", {QStringLiteral("IIM")}, {0x54, 0x54, 0x54, 0x54}),
        module(5, "VI4", {QStringLiteral("VIM")}, {0x51, 0x52, 0x52, 0x52}),
        module(7, "AI4", {QStringLiteral("AIM")}, {7, 7, 7, 7}),
        module(23, "CC8", {}, {}),
        module(25, "RO4", {}, {}),
        module(100, "LV8", {}, {}),
        module(101, "HV8", {}, {}),
        module(102, "RO8", {}, {}),
    };
    return classes;
}

const SimStationClass *SimCatalog::stationClass(const QString &name)
{
    for (const SimStationClass &c : stationClasses()) {
        if (c.name.compare(name, Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

SimModuleClass SimCatalog::moduleClass(quint8 code)
{
    for (const SimModuleClass &c : moduleClasses()) {
        if (c.code == code)
            return c;
    }
    return module(code, "", {}, {});
}

static bool lookupModule(const QString &item, quint8 &code)
{
    bool isNumber = false;
    const uint number = item.toUInt(&isNumber, 0);
    if (isNumber) {
        code = quint8(number);
        return number <= 255;
    }
    for (const SimModuleClass &c : SimCatalog::moduleClasses()) {
        if (c.element.compare(item, Qt::CaseInsensitive) == 0
            || c.aliases.contains(item, Qt::CaseInsensitive)) {
            code = c.code;
            return true;
        }
    }
    return false;
}

bool SimCatalog::parseModuleList(const QString &text, QVector<quint8> &codes, QString *error)
{
    codes.clear();
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0)
        return true;
    const QStringList items = trimmed.split(QLatin1Char(','));
    if (items.size() > MaxModules) {
        if (error)
            *error = QStringLiteral("at most %1 modules, %2 given").arg(MaxModules).arg(items.size());
        return false;
    }
    for (const QString &raw : items) {
        quint8 code = 0;
        if (!lookupModule(raw.trimmed(), code)) {
            if (error)
                *error = QStringLiteral("unknown module \"%1\"").arg(raw.trimmed());
            codes.clear();
            return false;
        }
        codes.append(code);
    }
    return true;
}
