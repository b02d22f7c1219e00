#pragma once

#include <QtCore/QList>

struct RYXClassInfo;

// The program's table of classes: the row of every concrete tree object
// class, and rows for the device types whose classes are not built yet
// (their modules are shown as undetermined, their stations cannot be
// created). The order is the order of the menus.
class RYXClassTable
{
public:
    static QList<const RYXClassInfo *> rows();
    /// Installs the table in the class registry; safe to call again.
    static void registerAll();
};
