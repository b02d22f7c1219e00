#include "core/StartupFlags.h"

#include "core/MessageRelay.h"

#include <QtCore/QDebug>
#include <QtCore/QStringList>

bool ExtendedMode = false;
bool DebugOutput = false;
bool EthernetModules = false;
bool TypeIcons = false;
bool ExtraResolution = true;

const char *const RYXProgramVersion = "4.4.00";
const char *const RYXProgramPartNumber = "417-30862-05";

void applyStartupSwitches(const QStringList &arguments)
{
    ExtendedMode = false;
    DebugOutput = false;
    EthernetModules = false;
    TypeIcons = false;
    ExtraResolution = true;

    if (arguments.size() > 1) {
        for (const QString &arg : arguments) {
            if (arg == QLatin1String("/f"))
                ExtendedMode = true;
            else if (arg == QLatin1String("/d"))
                DebugOutput = true;
            else if (arg == QLatin1String("/eim"))
                EthernetModules = true;
            else if (arg == QLatin1String("/cuteicons"))
                TypeIcons = true;
            else if (arg == QLatin1String("/extrares"))
                ExtraResolution = true;
            // "/spanish" and "/chinese" are read by the main window.
        }
    }
    // The Ethernet station entries are always offered.
    EthernetModules = true;
}

void debugPrint(const QString &text)
{
    if (!DebugOutput)
        return;
    qDebug().noquote() << text;
    MessageRelay::instance()->relay(text);
}
