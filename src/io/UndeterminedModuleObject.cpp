#include "io/UndeterminedModuleObject.h"

#include "comm/RYXConnection.h"
#include "comm/TransferContext.h"
#include "devices/RYXClassRegistry.h"
#include "devices/PointSpec.h"
#include "devices/RYXInterfaceModule.h"
#include "dialogs/PropertyDialogProvider.h"
#include "io/UndeterminedModuleDialog.h"
#include "model/events/addToEventBoxEvent.h"

const RYXClassInfo UndeterminedModuleObject::Info = {
    RYXObjectFactory::ModuleLevel, "UNDETERMINED", "UNK", RYXInterfaceModule::UndeterminedType,
    RYXClassRegistry::KindUndetermined, QT_TRANSLATE_NOOP("RYXClassInfo", "Undetermined Module"),
    QT_TRANSLATE_NOOP("RYXClassInfo", "Undetermined"), nullptr,
    RYXClassInfo::StationMenu, 0, &RYXClassInfo::make<UndeterminedModuleObject>};

namespace {
// Saved with the tree, so that a station read from a file still matches
// its device; never a change the user made.
const PointSpec StandInPoints[] = {
    {"standintype", "0", DataPoint::NotTracked, 0, ZEMP_NONE},
};
} // namespace

UndeterminedModuleObject::UndeterminedModuleObject(QObject *parent) : RYXIOModule(parent)
{
    applyClassInfo(Info);
    setDialogProvider(new PropertyDialogProvider<UndeterminedModuleDialog, RYXObject>);
    const QString olive = QStringLiteral("SmallOliveLED");
    eventPixmap = olive;
    currentPixmap = olive;
    offlinePixmap = olive;
    notCurrentPixmap = olive;
    errorPixmap = olive;
    childNotCurrentPixmap = olive;
    childErrorPixmap = olive;
    setObjectName(numberedName());
    PointSpec::insertAll(this, StandInPoints);
}

int UndeterminedModuleObject::standInType()
{
    return getInt(QStringLiteral("standintype"));
}

void UndeterminedModuleObject::setStandInType(int typeCode)
{
    setValue(QStringLiteral("standintype"), typeCode);
}

bool UndeterminedModuleObject::standsInFor(int typeCode)
{
    return standInType() == typeCode;
}

QString UndeterminedModuleObject::getExtraPropertiesHtml()
{
    return QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(tr("Module Type Code:")).arg(standInType());
}

bool UndeterminedModuleObject::addToEventBox(int)
{
    bool ok = postToMainWindow(new addToEventBoxEvent(getName()));
    ok = postToMainWindow(new addToEventBoxEvent(QStringLiteral("    ") + tr("Cannot read PV"))) && ok;
    return ok;
}

int UndeterminedModuleObject::refuseTransfer(const QString &title, const QString &line)
{
    TransferContext context(true, this);
    context.setProgressTitle(title);
    context.addProgressResult(QStringLiteral("SmallRedLED"), line.arg(getName()));
    return -1;
}

int UndeterminedModuleObject::upload(bool)
{
    return refuseTransfer(tr("Uploading "), tr("%1 Upload aborted, can't ul undetermined"));
}

int UndeterminedModuleObject::download(bool)
{
    return refuseTransfer(tr("Downloading "), tr("%1...download aborted, can't dl undetermined"));
}

int UndeterminedModuleObject::executeOperation(const QString &op, bool topLevel)
{
    if (op == QLatin1String("upload"))
        return upload(topLevel);
    if (op == QLatin1String("download"))
        return download(topLevel);
    return RYXIOModule::executeOperation(op, topLevel);
}

int UndeterminedModuleObject::synchronize()
{
    return 0;
}
