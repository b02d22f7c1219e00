// What the GUI tests read of the main window's progress dialog, and where
// they save their screenshots.
#pragma once

#include "app/RYXConfigWindow.h"
#include "app/RYXProgressDialog.h"

#include <QtCore/QDir>
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

/// Saves a grab of \a widget as build/screenshots/\a name.
inline bool saveScreenshot(QWidget *widget, const QString &name)
{
    QDir().mkpath(RYX_SCREENSHOT_DIR);
    return widget->grab().save(RYX_SCREENSHOT_DIR "/" + name);
}

} // namespace support
