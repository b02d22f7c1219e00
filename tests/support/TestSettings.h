// The settings a GUI test reads and writes live in a folder of its own,
// never in the user's.
#pragma once

#include "core/RYXPrompter.h"

#include <QtCore/QDir>
#include <QtCore/QSettings>

/// Points the program's settings at \a folder.
inline void keepSettingsIn(const QString &folder)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

/// Forgets everything the program stored.
inline void clearSettings()
{
    QSettings(QStringLiteral("Velmark"), QStringLiteral("RYX Config")).clear();
}

/// What every test of a window needs first: settings in \a folder, a
/// folder for screenshots, and \a prompter answering the questions.
inline void prepareWindowTest(const QString &folder, RYXPrompter *prompter)
{
    keepSettingsIn(folder);
    QDir().mkpath(QStringLiteral(RYX_SCREENSHOT_DIR));
    RYXPrompter::setInstance(prompter);
}
