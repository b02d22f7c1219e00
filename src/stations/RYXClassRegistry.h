#pragma once

class RYXObject;

// The one place that knows every concrete tree object class: registers the
// configuration file elements with the object factory and creates modules
// by menu kind or by device module type code. Registration is an explicit
// call because a static library drops self-registering statics.
class RYXClassRegistry
{
public:
    // Kinds of the Add Module commands and of createChildObjectSynchEvent.
    enum ModuleKind {
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

    /// Registers every element with RYXObjectFactory; safe to call again.
    static void registerAll();
    /// A new detached module for an Add Module kind; an undetermined module
    /// for any kind whose class is not available.
    static RYXObject *createModuleForKind(int kind);
    /// A new detached module for a device module type code; an undetermined
    /// module for any code whose class is not available.
    static RYXObject *createModuleForTypeCode(int typeCode);
    /// The Add Module kind of a module type code; false when none.
    static bool kindForTypeCode(int typeCode, int &kind);
};
