#pragma once

#include "SimModuleClass.h"
#include "SimStationClass.h"

#include <QtCore/QString>
#include <QtCore/QVector>

// The tables of station and module kinds the simulator knows. New station or
// module kinds are added here as rows; the engine is driven by these tables.
class SimCatalog
{
public:
    static const QVector<SimStationClass> &stationClasses();
    static const QVector<SimModuleClass> &moduleClasses();

    static const SimStationClass *stationClass(const QString &name);
    /// The class for a module type code; codes without a class of their own
    /// get a bare module (identity points only) reporting that code.
    static SimModuleClass moduleClass(quint8 code);

    /// Parses "TI4,AO4,RO8" (element names, aliases or type codes 0-255,
    /// case-insensitive, blanks ignored) into type codes. At most 16
    /// modules; an empty text gives none.
    static bool parseModuleList(const QString &text, QVector<quint8> &codes, QString *error);

    /// Identity point addresses shared by every module and channel target.
    static constexpr quint16 ModuleTypePoint = 0x13;
    static constexpr quint16 DeviceTypePoint = 0x64;
    static constexpr quint16 FirmwarePoint = 0x68;
    static constexpr quint16 SerialPoint = 0x6A;
    /// Station head points every kind of station answers.
    static constexpr quint16 ModuleCountPoint = 0x102;
    static constexpr quint16 ModuleTypesPoint = 0x103;
    // Status words of the interface module.
    static constexpr quint16 P2pStatusPoint = 0x130;
    static constexpr quint16 StatusPoint = 0x210;
    static constexpr int MaxModules = 16;
};
