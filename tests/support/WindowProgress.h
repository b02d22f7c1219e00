// What the GUI tests read of the main window's progress dialog, and where
// they save their screenshots.
#pragma once

#include "app/RYXConfigWindow.h"
#include "app/RYXProgressDialog.h"
#include "support/Screenshot.h"

#include <QtCore/QStringList>
#include <QtWidgets/QListWidget>

#include <memory>

namespace support {

/// A main window shown at the size the screenshots are taken at.
inline std::unique_ptr<RYXConfigWindow> shownMainWindow()
{
    auto window = std::make_unique<RYXConfigWindow>();
    window->resize(1000, 700);
    window->show();
    return window;
}

/// The progress dialog's result lines, joined by '|'.
inline QString progressLines(RYXConfigWindow &window)
{
    QStringList lines;
    auto *list = window.progressDialog()->findChild<QListWidget *>("resultList");
    for (int i = 0; list && i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines.join('|');
}

} // namespace support
