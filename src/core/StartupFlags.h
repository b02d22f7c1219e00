#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

// Program-wide switches, set once from the command line before the main
// window exists and only read afterwards.
extern bool ExtendedMode;     // "/f": factory functions and the language menu
extern bool DebugOutput;      // "/d": debugPrint writes
extern bool EthernetModules;  // "/eim": forced on after the switches are read
extern bool TypeIcons;        // "/cuteicons": per-type tree icons
extern bool ExtraResolution;  // "/extrares": four decimals in channel dialogs (always on)

extern const char *const RYXProgramVersion;    // "4.4.00"
extern const char *const RYXProgramPartNumber; // "417-30862-05"

/// Resets the flags to their start values and applies the switches in
/// \a arguments (compared whole and case-sensitively; unknown ones ignored).
void applyStartupSwitches(const QStringList &arguments);

/// Writes \a text to the debug output and the event log, only with "/d".
void debugPrint(const QString &text);
