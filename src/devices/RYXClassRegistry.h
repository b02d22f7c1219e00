#pragma once

#include "model/RYXClassInfo.h"

#include <QtCore/QList>
#include <QtCore/QString>

class RYXObject;

// The classes the program knows, one row each (RYXClassInfo). The program
// installs its table at start-up; from then on the rows feed the element
// factory of the configuration file reader, the menus that create objects,
// the module type table and the module kinds, and everything that creates
// a module by menu kind or by device module type code. A class that is not
// built yet has a row without a creator: an undetermined module stands in
// for it.
class RYXClassRegistry
{
public:
    // Kinds of the Add Module commands and of createChildObjectSynchEvent.
    enum ModuleKind {
        KindUndetermined = 0,
        KindTIM = 7,
        KindCIMA = 8,
        KindCIMB = 9,
        KindCIMC = 10,
        KindAIM = 11,
        KindAOM = 12,
        KindROM = 13,
        KindROM8 = 14,
        KindDIMCC = 15,
        KindDIMVL = 16,
        KindDIMVH = 17
    };

    // Ids of the interface module popups.
    enum InterfaceModuleId { IdMIM = 1, IdCPS = 2, IdEIM = 3, IdEMM = 4, IdMTPatcher = 5, IdMODBUSNetwork = 6 };

    /// Makes \a rows the known classes (replacing any installed before) and
    /// registers the element of every row with a creator with the object factory.
    static void install(const QList<const RYXClassInfo *> &rows);
    /// Every row, in the order of the table (the order of the menus).
    static const QList<const RYXClassInfo *> &classes();

    /// The row of a configuration file element; null when none.
    static const RYXClassInfo *findElement(const QString &element);
    /// The row of the module type \a typeCode; null when none.
    static const RYXClassInfo *findModuleType(int typeCode);
    /// The row of \a kind at \a level (modules: Add Module kind; stations:
    /// interface module id); null when none.
    static const RYXClassInfo *findKind(RYXObjectFactory::Level level, int kind);

    /// A new detached module for an Add Module kind; an undetermined module
    /// for any kind whose class is not available.
    static RYXObject *createModuleForKind(int kind);
    /// A new detached module for a device module type code; an undetermined
    /// module for any code whose class is not available.
    static RYXObject *createModuleForTypeCode(int typeCode);
    /// The Add Module kind of a module type code; false when none.
    static bool kindForTypeCode(int typeCode, int &kind);
    /// True for the rows of station roots (stations and networks).
    static bool isInterfaceModule(const RYXClassInfo &row);
    /// A new station for an interface module id; null when its class is not built.
    static RYXObject *createInterfaceModule(int id);
};
