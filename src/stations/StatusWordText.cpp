#include "stations/StatusWordText.h"

namespace {

const char *const interfaceModuleTexts[] = {
    "An error occurred in one of the attached I/O modules.",
    "RAM test error or no RAM found.",
    "File system initialization error.",
    "File system was formatted (possibly due to corrupted file system.)",
    "Missing system configuration file.",
    "Bad clock battery.",
    "Missing or corrupted password file.  Default loaded.",
    "I/O module port failure.",
    "Failure to start one or more network services.",
    "Data logger could not be initialized.",
    "Data Logger failed to restore records from non-volatile ram.",
    "File system full.",
    "BBM battery failed.",
    "Input power failed, running on BBM.",
    "ISaGRAF Kernel has caused a system fault and has shut down.",
};

const char *const peerToPeerTexts[] = {
    "Lost producer on MODBUS 1.",
    "Lost producer on MODBUS 2.",
    "Incompatible Module Type(s) on MODBUS 1.",
    "Incompatible Module Type(s) on MODBUS 2.",
    "Error in producer channel(s) or module(s).",
    "Could not join network, duplicate address.",
};

template<int N>
constexpr int count(const char *const (&)[N])
{
    return N;
}

} // namespace

const StatusWordText StatusWordText::InterfaceModuleStatus = {
    "Interface Module Status", interfaceModuleTexts, count(interfaceModuleTexts),
    (1u << 12) | (1u << 13), "BBM is disconnected.", true};

const StatusWordText StatusWordText::PeerToPeerStatus = {
    "MODBUS Peer to Peer Status", peerToPeerTexts, count(peerToPeerTexts), 0, nullptr, true};

QList<StatusWordText::Line> StatusWordText::lines(unsigned value) const
{
    const QString red = QStringLiteral("TinyRedLED");
    QList<Line> result;
    if (value == 0) {
        if (okWhenZero)
            result.append({QStringLiteral("TinyGreenLED"), QStringLiteral("OK")});
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
                result.append({red, QString::fromLatin1(pairText)});
            pairShown = true;
            continue;
        }
        result.append({red, QString::fromLatin1(bitTexts[bit])});
    }
    return result;
}
