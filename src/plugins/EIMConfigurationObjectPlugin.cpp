#include "plugins/EIMConfigurationObjectPlugin.h"

#include "database/RYXDatabase.h"
#include "devices/PointSpec.h"
#include "devices/RYXInterfaceModule.h"
#include "dialogs/PropertyDialogProvider.h"
#include "plugins/EIMConfigurationDialog.h"

#include <QtCore/QRegularExpression>

namespace {
// Longest station name and location the station itself accepts.
constexpr int descriptorLimit = 24;
constexpr int serverLocationLimit = 32;
} // namespace

const RYXClassInfo EIMConfigurationObjectPlugin::Info = {
    RYXObjectFactory::PluginLevel, "EIMCONFIGPLUGIN", "Configuration", -1, -1,
    QT_TRANSLATE_NOOP("RYXClassInfo", "Configuration"), "Configuration",
    nullptr, 0, 0, &RYXClassInfo::make<EIMConfigurationObjectPlugin>};

EIMConfigurationObjectPlugin::EIMConfigurationObjectPlugin(RYXObject *host)
    : RYXObjectPlugin(host)
{
    applyClassInfo(Info);
    setDialogProvider(new PropertyDialogProvider<EIMConfigurationDialog, EIMConfigurationObjectPlugin>);
    static const PointSpec points[] = {
        {"descriptor", "0", 0, 0x000C, ZEMP_TEXT, 16},
    };
    PointSpec::insertAll(this, points);
    validate();
}

// The station moves the points this plug-in presents; once they arrived,
// the plug-in's LED shows them current, whichever way they went.
int EIMConfigurationObjectPlugin::executeOperation(const QString &op, bool topLevel)
{
    RYXObject *station = getHost();
    const bool upload = op == QLatin1String("upload");
    if (!station || (!upload && op != QLatin1String("download")))
        return RYXObjectPlugin::executeOperation(op, topLevel);
    const int code = station->executeOperation(upload ? QStringLiteral("uploadcore") : QStringLiteral("downloadcore"),
                                               topLevel);
    if (code == 0)
        setStatus(upload ? ConfigurationUploaded : ConfigurationDownloaded);
    return code;
}

int EIMConfigurationObjectPlugin::uploadPoints(TransferContext &context)
{
    return transferStationPoints(context, false);
}

int EIMConfigurationObjectPlugin::downloadPoints(TransferContext &context)
{
    return transferStationPoints(context, true);
}

int EIMConfigurationObjectPlugin::transferStationPoints(TransferContext &context, bool download)
{
    auto *station = qobject_cast<RYXInterfaceModule *>(getHost());
    return station ? station->transferCorePoints(context, download) : 0;
}

void EIMConfigurationObjectPlugin::updateDialog()
{
    validate();
    RYXObjectPlugin::updateDialog();
}

bool EIMConfigurationObjectPlugin::isValidDescriptor(const QString &text, int maxLength)
{
    static const QRegularExpression rule(QStringLiteral("^([A-Za-z_][A-Za-z0-9_]*)?$"));
    return text.size() <= maxLength && rule.match(text).hasMatch();
}

bool EIMConfigurationObjectPlugin::fitsDevice(const QString &key) const
{
    return getHost()->getDatabase()->valueProblem(key).isEmpty();
}

// A value that does not fit its device field is invalid here, before a
// download, rather than refused half way through the transfer.
void EIMConfigurationObjectPlugin::validate()
{
    // A detached plug-in (read from a file) has no station to validate.
    if (!getHost())
        return;
    const QString descriptor = getString(QStringLiteral("descriptor"));
    const QString location = getString(QStringLiteral("serverlocation"));
    const bool descriptorOk =
        isValidDescriptor(descriptor, descriptorLimit) && fitsDevice(QStringLiteral("descriptor"));
    const bool locationOk =
        location.size() <= serverLocationLimit && fitsDevice(QStringLiteral("serverlocation"));
    const bool valid = descriptorOk && locationOk && fitsDevice(QStringLiteral("floatorder"));
    setValue(QStringLiteral("descriptorisvalid"), descriptorOk, false);
    setValue(QStringLiteral("serverlocationisvalid"), locationOk, false);
    setValue(QStringLiteral("ximconfigisvalid"), valid, false);
    setStatus(valid ? ClearConfigError : SetConfigError);
}
