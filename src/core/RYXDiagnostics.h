#pragma once

// Which developer diagnostics reach standard error: the plain debug
// messages and the debug output of the program's logging categories
// ("ryx.*") appear only when asked for ("/d" or "--verbose"); warnings and
// errors always do.
class RYXDiagnostics
{
public:
    /// Installs the filter (once) and shows or hides the diagnostics.
    static void show(bool shown);
    static bool isShown();
};
