#include "plugins/RYXCustomCurveObjectPlugin.h"

#include "core/RYXImages.h"
#include "core/RYXPrompter.h"
#include "devices/PointSpec.h"
#include "dialogs/PropertyDialogProvider.h"
#include "plugins/CustomCurveCsv.h"
#include "plugins/CustomCurvePluginDialog.h"

#include <QtGui/QAction>
#include <QtWidgets/QMenu>

#include <algorithm>

namespace {

// X values closer than the step by no more than this still count as a step.
constexpr double stepTolerance = 0.0001;

const PointSpec pointTable[] = {
    {"customcurveenable", "false", 0, 0, ZEMP_NONE},
    {"customcurvenumpts", "0", 0, 0xFF37, ZEMP_UINT8},
    {"tablelow", "0.0", 1, 0xFF38, ZEMP_FLOAT},
    {"tablehigh", "0.0", 1, 0xFF39, ZEMP_FLOAT},
    {"ccurveisvalid", "true", 3, 0, ZEMP_NONE},
    {"ccurvenumpointsisvalid", "true", 3, 0, ZEMP_NONE},
};

const PointSpec rangePoints[] = {
    {"customcurverangelow", "0.0", 2, 0xFF38, ZEMP_FLOAT},
    {"customcurverangehigh", "0.0", 2, 0xFF39, ZEMP_FLOAT},
    {"ccurveerrormessage", "", 1, 0, ZEMP_NONE},
};

// The device numbers the curve's X values from 0xFE01 and its Y values
// from 0xF901.
constexpr quint16 xBase = 0xFE00;
constexpr quint16 yBase = 0xF900;

} // namespace

const RYXClassInfo RYXCustomCurveObjectPlugin::Info = {
    RYXObjectFactory::PluginLevel, "CCURVEPLUGIN", "Custom Curve", -1, -1, "Custom Curve", "Custom Curve",
    nullptr, 0, 0, &RYXClassInfo::make<RYXCustomCurveObjectPlugin>};

RYXCustomCurveObjectPlugin::RYXCustomCurveObjectPlugin(RYXObject *host, int type) : RYXObjectPlugin(host)
{
    applyClassInfo(Info);
    moduleType = type;
    currentPixmap = QStringLiteral("SmallGreenLED");
    errorPixmap = QStringLiteral("SmallRedLED");
    notCurrentPixmap = QStringLiteral("SmallYellowLED");
    setDialogProvider(new PropertyDialogProvider<CustomCurvePluginDialog, RYXCustomCurveObjectPlugin>);
    PointSpec::insertAll(this, pointTable);
    for (int i = 1; i <= MaxPoints; ++i) {
        InsertPoint(xKey(i), QStringLiteral("0.0"), DataPoint::Attributes(), quint16(xBase + i), ZEMP_FLOAT);
        InsertPoint(yKey(i), QStringLiteral("0.0"), DataPoint::Attributes(), quint16(yBase + i), ZEMP_FLOAT);
    }
    PointSpec::insertAll(this, rangePoints);
}

QString RYXCustomCurveObjectPlugin::xKey(int point)
{
    return QStringLiteral("customcurve_x_value%1").arg(point);
}

QString RYXCustomCurveObjectPlugin::yKey(int point)
{
    return QStringLiteral("customcurve_y_value%1").arg(point);
}

double RYXCustomCurveObjectPlugin::xOf(int point)
{
    return getString(xKey(point)).toDouble();
}

void RYXCustomCurveObjectPlugin::setPoint(int row, int column, float value)
{
    setValue(column == 0 ? xKey(row + 1) : yKey(row + 1), value, true);
}

int RYXCustomCurveObjectPlugin::pointCount()
{
    return int(getFloat(QStringLiteral("customcurvenumpts")));
}

QList<QPointF> RYXCustomCurveObjectPlugin::points()
{
    QList<QPointF> curve;
    const int n = std::clamp(pointCount(), 0, MaxPoints);
    for (int i = 1; i <= n; ++i)
        curve.append(QPointF(xOf(i), getString(yKey(i)).toDouble()));
    return curve;
}

// Compared as the values were typed, not in their device (float) form, so
// that steps of exactly the minimum pass.
int RYXCustomCurveObjectPlugin::firstNonRisingPoint()
{
    const int n = std::min(pointCount(), int(MaxPoints));
    double previous = xOf(1);
    for (int i = 2; i <= n; ++i) {
        const double x = xOf(i);
        if (x + stepTolerance < previous + MinimumStep)
            return i;
        previous = x;
    }
    return 0;
}

void RYXCustomCurveObjectPlugin::validate()
{
    // A detached plug-in (read from a file) has no channel to validate.
    if (!getHost())
        return;
    const int n = pointCount();
    const bool countOk = n >= 2 && n <= MaxPoints;
    setValue(QStringLiteral("ccurvenumpointsisvalid"), countOk, false);
    // The range texts are the Y texts themselves, so no digit is lost.
    setValue(QStringLiteral("customcurverangelow"), getString(yKey(1)), false);
    if (countOk)
        setValue(QStringLiteral("customcurverangehigh"), getString(yKey(n)), false);
    const int broken = firstNonRisingPoint();
    const QString message =
        broken ? tr("X Data must be strictly increasing with a minimim span of %1, linearization point # %2 is not.")
                     .arg(QString::asprintf("%.3f", MinimumStep))
                     .arg(broken)
               : QString();
    setValue(QStringLiteral("ccurveerrormessage"), message, false);
    const bool valid = countOk && !broken;
    setValue(QStringLiteral("ccurveisvalid"), valid, false);
    setStatus(valid ? ClearConfigError : SetConfigError);
}

void RYXCustomCurveObjectPlugin::updateDialog()
{
    validate();
    RYXObjectPlugin::updateDialog();
}

int RYXCustomCurveObjectPlugin::executeOperation(const QString &op, bool topLevel)
{
    RYXObject *channel = getHost();
    if (channel && op == QLatin1String("upload"))
        return channel->executeOperation(QStringLiteral("uploadcurve"), topLevel);
    if (channel && op == QLatin1String("download"))
        return channel->executeOperation(QStringLiteral("downloadcurve"), topLevel);
    return RYXObjectPlugin::executeOperation(op, topLevel);
}

bool RYXCustomCurveObjectPlugin::createPopupMenu()
{
    RYXObjectPlugin::createPopupMenu();
    if (!m_importAction) {
        m_importAction = new QAction(RYXImages::icon(QStringLiteral("ImportCSV")), tr("&Import"), this);
        m_importAction->setObjectName(QStringLiteral("import"));
        m_importAction->setToolTip(tr("Import CSV..."));
        m_importAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
        connect(m_importAction, &QAction::triggered, this, &RYXCustomCurveObjectPlugin::importCSVSlot);
        m_exportAction = new QAction(RYXImages::icon(QStringLiteral("ExportCSV")), tr("&Export"), this);
        m_exportAction->setObjectName(QStringLiteral("export"));
        m_exportAction->setToolTip(tr("Export CSV..."));
        m_exportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
        connect(m_exportAction, &QAction::triggered, this, &RYXCustomCurveObjectPlugin::exportCSVSlot);
    }
    QMenu *menu = getPopupMenu();
    menu->addSeparator();
    menu->addAction(m_importAction);
    menu->addAction(m_exportAction);
    return true;
}

QWidget *RYXCustomCurveObjectPlugin::boxParent() const
{
    return propertyDialog();
}

void RYXCustomCurveObjectPlugin::warn(QWidget *parent, const QString &text)
{
    RYXPrompter::instance()->message(QMessageBox::Warning, parent, tr("RYX Config"), text, QMessageBox::Ok,
                                     QMessageBox::Ok, QMessageBox::Ok);
}

// The curve is replaced only by a file read completely and without fault.
void RYXCustomCurveObjectPlugin::importCSVSlot()
{
    QWidget *parent = boxParent();
    const QString fileName = RYXPrompter::openFileName(parent, QStringLiteral("*.csv"), tr("Import CSV..."));
    if (fileName.isEmpty())
        return;
    const CustomCurveCsv::Result read = CustomCurveCsv::readFile(fileName);
    if (read.truncated)
        warn(parent, tr("A custom curve may contain a maximum of %1 points, truncating.").arg(MaxPoints));
    if (!read.error.isEmpty()) {
        warn(parent, read.error);
        return;
    }
    if (refuseChangeWhileTransferred(parent))
        return;
    storeCurve(read.points);
}

void RYXCustomCurveObjectPlugin::storeCurve(const QList<QPointF> &curve)
{
    setValue(QStringLiteral("customcurvenumpts"), int(curve.size()), false);
    for (int i = 0; i < curve.size(); ++i) {
        setValue(xKey(i + 1), float(curve.at(i).x()), false);
        setValue(yKey(i + 1), float(curve.at(i).y()), false);
    }
    updateDialog();
}

void RYXCustomCurveObjectPlugin::exportCSVSlot()
{
    QWidget *parent = boxParent();
    const QString fileName = RYXPrompter::saveFileName(parent, QStringLiteral("*.csv"), tr("Export CSV..."));
    if (fileName.isEmpty())
        return;
    if (!CustomCurveCsv::writeFile(fileName, points()))
        warn(parent, CustomCurveCsv::openFailureText());
}
