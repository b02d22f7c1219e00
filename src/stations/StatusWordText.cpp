#include "stations/StatusWordText.h"

namespace {

const char *const interfaceModuleTexts[] = {
    QT_TRANSLATE_NOOP("StatusWordText", "An error occurred in one of the attached I/O modules."),
    QT_TRANSLATE_NOOP("StatusWordText", "RAM test error or no RAM found."),
    QT_TRANSLATE_NOOP("StatusWordText", "File system initialization error."),
    QT_TRANSLATE_NOOP("StatusWordText", "File system was formatted (possibly due to corrupted file system.)"),
    QT_TRANSLATE_NOOP("StatusWordText", "Missing system configuration file."),
    QT_TRANSLATE_NOOP("StatusWordText", "Bad clock battery."),
    QT_TRANSLATE_NOOP("StatusWordText", "Missing or corrupted password file.  Default loaded."),
    QT_TRANSLATE_NOOP("StatusWordText", "I/O module port failure."),
    QT_TRANSLATE_NOOP("StatusWordText", "Failure to start one or more network services."),
    QT_TRANSLATE_NOOP("StatusWordText", "Data logger could not be initialized."),
    QT_TRANSLATE_NOOP("StatusWordText", "Data Logger failed to restore records from non-volatile ram."),
    QT_TRANSLATE_NOOP("StatusWordText", "File system full."),
    QT_TRANSLATE_NOOP("StatusWordText", "BBM battery failed."),
    QT_TRANSLATE_NOOP("StatusWordText", "Input power failed, running on BBM."),
    QT_TRANSLATE_NOOP("StatusWordText", "ISaGRAF Kernel has caused a system fault and has shut down."),
};

const char *const peerToPeerTexts[] = {
    QT_TRANSLATE_NOOP("StatusWordText", "Lost producer on MODBUS 1."),
    QT_TRANSLATE_NOOP("StatusWordText", "Lost producer on MODBUS 2."),
    QT_TRANSLATE_NOOP("StatusWordText", "Incompatible Module Type(s) on MODBUS 1."),
    QT_TRANSLATE_NOOP("StatusWordText", "Incompatible Module Type(s) on MODBUS 2."),
    QT_TRANSLATE_NOOP("StatusWordText", "Error in producer channel(s) or module(s)."),
    QT_TRANSLATE_NOOP("StatusWordText", "Could not join network, duplicate address."),
};

template<int N>
constexpr int count(const char *const (&)[N])
{
    return N;
}

} // namespace

const StatusWordText StatusWordText::InterfaceModuleStatus = {
    QT_TRANSLATE_NOOP("StatusWordText", "Interface Module Status"), interfaceModuleTexts, count(interfaceModuleTexts),
    (1u << 12) | (1u << 13), QT_TRANSLATE_NOOP("StatusWordText", "BBM is disconnected."), true};

const StatusWordText StatusWordText::PeerToPeerStatus = {
    QT_TRANSLATE_NOOP("StatusWordText", "MODBUS Peer to Peer Status"), peerToPeerTexts, count(peerToPeerTexts), 0, nullptr, true};

QList<StatusWordText::Line> StatusWordText::lines(unsigned value) const
{
    const QString red = QStringLiteral("TinyRedLED");
    QList<Line> result;
    if (value == 0) {
        if (okWhenZero)
            result.append({QStringLiteral("TinyGreenLED"), tr("OK")});
        return result;
    }
    const bool paired = pairMask && (value & pairMask) == pairMask;
    bool pairShown = false;
    for (int bit = 0; bit < bitCount; ++bit) {
        const unsigned mask = 1u << bit;
        if (!(value & mask))
            continue;
        if (paired && (pairMask & mask)) {
            if (!pairShown)
                result.append({red, tr(pairText)});
            pairShown = true;
            continue;
        }
        result.append({red, tr(bitTexts[bit])});
    }
    return result;
}
