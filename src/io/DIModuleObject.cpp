#include "io/DIModuleObject.h"

#include "comm/RYXConnection.h"
#include "comm/TransferContext.h"
#include "devices/PointSpec.h"

namespace {

const PointSpec FailurePoints[] = {
    {"ch%1_failresponse", "hold", 0, 0, ZEMP_NONE, -1, DIModuleObject::InputCount},
    // Bit n - 1: input n reports on, or off, while it has failed.
    {"failonmask", "0", 1, 0xF018, ZEMP_UINT8},
    {"failoffmask", "0", 1, 0xF019, ZEMP_UINT8},
};

} // namespace

DIModuleObject::DIModuleObject(QObject *parent, const RYXClassInfo &info)
    : DiscreteModuleObject(parent, info, InputCount)
{
    insertCommonPoints();
    PointSpec::insertAll(this, FailurePoints);
}

bool DIModuleObject::prepareDownloadData()
{
    deriveDeviceWords();
    setValue(QStringLiteral("channelnotusedzemppoint"), 0);
    setShadows();
    unsigned on = 0, off = 0;
    for (int n = 1; n <= InputCount; ++n) {
        const QString response = getString(indexed("ch%1_failresponse", n));
        if (response == QLatin1String("on"))
            on |= 1u << (n - 1);
        else if (response == QLatin1String("off"))
            off |= 1u << (n - 1);
    }
    setValue(QStringLiteral("failonmask"), on);
    setValue(QStringLiteral("failoffmask"), off);
    return true;
}

bool DIModuleObject::processUploadedData()
{
    decodeNotUsed();
    const unsigned on = getUInt(QStringLiteral("failonmask"));
    const unsigned off = getUInt(QStringLiteral("failoffmask"));
    for (int n = 1; n <= InputCount; ++n) {
        const unsigned bit = 1u << (n - 1);
        setValue(indexed("ch%1_failresponse", n),
                 QLatin1String((on & bit) ? "on" : (off & bit) ? "off" : "hold"));
    }
    decodeDeviceWords();
    setShadows();
    updateDialog();
    return true;
}

int DIModuleObject::uploadPoints(TransferContext &context)
{
    readAll(context, QStringList{QStringLiteral("channelnotusedzemppoint")} + uploadKeys()
                         + QStringList{QStringLiteral("failonmask"), QStringLiteral("failoffmask")});
    uploadTags(context);
    return 0;
}

int DIModuleObject::downloadPoints(TransferContext &context)
{
    writeAll(context, QStringList{QStringLiteral("enableeeprom"), QStringLiteral("channelnotusedzemppoint")}
                          + downloadKeys()
                          + QStringList{QStringLiteral("failonmask"), QStringLiteral("failoffmask")});
    writeCommands(context);
    downloadTags(context);
    return 0;
}

// A set input bit is a closed contact, or a high voltage.
QString DIModuleObject::stateText(bool set) const
{
    return set ? tr("CLOSED") : tr("OPEN");
}

QString DIModuleObject::patchedText() const
{
    return tr(" Patched!");
}

QString DIModuleObject::unpatchedText() const
{
    return tr(" No patching necessary!");
}
