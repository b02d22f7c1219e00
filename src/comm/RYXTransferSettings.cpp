#include "comm/RYXTransferSettings.h"

#include <QtCore/QSettings>

#include <atomic>

namespace {

const char VerifyKey[] = "/Verify Downloads";

// -1: take the stored choice; 0 or 1: this run's.
std::atomic<int> g_verifyOverride { -1 };

QSettings settings()
{
    return QSettings(QStringLiteral("Velmark"), QStringLiteral("RYX Config"));
}

} // namespace

bool RYXTransferSettings::verifyDownloads()
{
    const int chosen = g_verifyOverride;
    if (chosen >= 0)
        return chosen == 1;
    return settings().value(QLatin1String(VerifyKey), true).toBool();
}

void RYXTransferSettings::setVerifyDownloads(bool on)
{
    settings().setValue(QLatin1String(VerifyKey), on);
}

void RYXTransferSettings::overrideVerifyDownloads(bool on)
{
    g_verifyOverride = on ? 1 : 0;
}
