// Where the GUI tests save their screenshots.
#pragma once

#include <QtCore/QDir>
#include <QtWidgets/QWidget>

namespace support {

/// Saves a grab of \a widget as build/screenshots/\a name.
inline bool saveScreenshot(QWidget *widget, const QString &name)
{
    QDir().mkpath(RYX_SCREENSHOT_DIR);
    return widget->grab().save(RYX_SCREENSHOT_DIR "/" + name);
}

} // namespace support
