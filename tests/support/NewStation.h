// File > New > Interface Module > <entry> in the real main window.
#pragma once

#include "app/RYXConfigWindow.h"
#include "app/RYXListView.h"
#include "model/RYXObject.h"

#include <QtWidgets/QMenu>

/// Triggers the New menu's entry \a entry; returns the new station, which
/// is selected, or null when there is no such entry.
inline RYXObject *newStation(RYXConfigWindow *window, const QString &entry = QStringLiteral("EIM"))
{
    for (QAction *action : window->newInterfaceModulePopup()->actions()) {
        if (action->text() == entry) {
            action->trigger();
            return RYXListView::objectOf(window->listView()->selectedItem());
        }
    }
    return nullptr;
}
