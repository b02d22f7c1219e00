#pragma once

#include "model/RYXObjectFactory.h"

class RYXObject;

// The one description of a tree object class that the rest of the program
// needs: where its element may stand in a configuration file, the device
// type it stands for, its names and icons, the menus that offer it and how
// it is made. Every concrete class owns one row (its static Info); the
// program's class table lists them all, together with rows for the device
// types whose classes are not built, which have no creator.
struct RYXClassInfo
{
    // The menus that offer a class (bits of menus and extendedMenus).
    enum Menu : unsigned {
        NewMenu = 0x01,       // File > New (and the tree popup's New) for a module,
                              // File > New > Interface Module for a station
        TreePopupMenu = 0x02, // the tree popup's New > Interface Module
        AddModuleMenu = 0x04, // Edit > Add Module
        StationMenu = 0x08,   // a station's own Add Module submenu
        ConnectMenu = 0x10,   // the Connect popup
        UploadMenu = 0x20     // the Upload popup
    };

    using Create = RYXObject *(*)(int channel);

    RYXObjectFactory::Level level;
    const char *element;      // configuration file element
    const char *family;       // family text
    int typeCode;             // device type of a station or channel, module type code of a module; -1 none
    int kind;                 // menu id: Add Module kind or interface module id; -1 none
    const char *displayName;  // display name (the module type table's name for a module)
    const char *menuText;     // its entry in the menus
    const char *pixmapFamily; // prefix of its per-type icons ("TIM" for "TIM_OK"); null: none
    unsigned menus;           // the menus that offer it
    unsigned extendedMenus;   // of those, the ones that offer it only in extended mode
    Create create;            // null while the class is not built

    /// True when \a menu offers this class (in extended mode when \a extendedMode).
    bool isOffered(Menu menu, bool extendedMode) const;

    template<typename T>
    static RYXObject *make(int) { return new T; }
};
