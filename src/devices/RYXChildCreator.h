#pragma once

class RYXObject;

// Places new I/O modules under a station, the same way for the menus of the
// main window and for the modules that a connect finds on the device.
class RYXChildCreator
{
public:
    /// Adds \a module to \a station, shows it under the station's tree item
    /// (unless the station already did) and clears its modification marks.
    /// False when the station refused it (the station then disposes of it).
    static bool addModule(RYXObject *station, RYXObject *module);
    /// Creates the module of \a kind (an undetermined module for a kind
    /// without a class) and adds it to \a station.
    static bool createChild(RYXObject *station, int kind);
    /// The module class of a menu \a kind, or null when that class is not
    /// available (menus never stand in an undetermined module for it).
    static RYXObject *createMenuModule(int kind);
};
