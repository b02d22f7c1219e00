#include "plugins/CustomCurvePluginDialog.h"

#include "plugins/CustomCurveChart.h"
#include "plugins/RYXCustomCurveObjectPlugin.h"

#include "ui_CustomCurvePluginForm.h"

#include <QtWidgets/QHeaderView>
#include <QtWidgets/QTableWidgetItem>

namespace {

const ControlBinding Bindings[] = {
    {"NumPointsEdit", ControlBinding::Text, "customcurvenumpts"},
};

void setCell(QTableWidget *table, int row, int column, double value)
{
    QTableWidgetItem *item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        table->setItem(row, column, item);
    }
    item->setText(ConfigBaseDialog::valueText(value));
}

} // namespace

CustomCurvePluginDialog::CustomCurvePluginDialog(RYXCustomCurveObjectPlugin *plugin, QWidget *parent)
    : ConfigBaseDialog(parent), m_ui(std::make_unique<Ui::CustomCurvePluginForm>())
{
    m_ui->setupUi(this);
    setObject(plugin);
    bindControls(Bindings);
    // Room for the longest message, wrapped, so that the table does not squeeze it.
    m_ui->ErrorMessageLabel->setMinimumHeight(3 * fontMetrics().lineSpacing());
    m_ui->CurveTable->horizontalHeader()->setStretchLastSection(true);
    connect(m_ui->CurveTable, &QTableWidget::cellChanged, this, &CustomCurvePluginDialog::tableValueChangedSlot);
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_ccurve.html"));
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_common.html"));
    requestUpdate();
}

CustomCurvePluginDialog::~CustomCurvePluginDialog() = default;

RYXCustomCurveObjectPlugin *CustomCurvePluginDialog::plugin() const
{
    return qobject_cast<RYXCustomCurveObjectPlugin *>(object());
}

void CustomCurvePluginDialog::updateControls()
{
    RYXCustomCurveObjectPlugin *curve = plugin();
    if (!curve)
        return;
    curve->validate();
    showValidity(m_ui->NumPointsLabel, QStringLiteral("ccurvenumpointsisvalid"));
    m_ui->ErrorMessageLabel->setText(readText(QStringLiteral("ccurveerrormessage")));
    setValidColour(m_ui->ErrorMessageLabel, false);
    const QList<QPointF> points = curve->points();
    showTable(points);
    m_ui->CurveChart->showCurve(points, curve->firstNonRisingPoint());
}

void CustomCurvePluginDialog::showTable(const QList<QPointF> &points)
{
    QTableWidget *table = m_ui->CurveTable;
    table->setRowCount(int(points.size()));
    for (int row = 0; row < points.size(); ++row) {
        setCell(table, row, 0, points.at(row).x());
        setCell(table, row, 1, points.at(row).y());
    }
}

void CustomCurvePluginDialog::tableValueChangedSlot(int row, int column)
{
    RYXCustomCurveObjectPlugin *curve = plugin();
    const QTableWidgetItem *item = m_ui->CurveTable->item(row, column);
    if (m_refreshing || !curve || !item)
        return;
    const float value = floatText(item->text()).toFloat();
    // The refresh below may replace this dialog.
    const QPointer<CustomCurvePluginDialog> self(this);
    if (!curve->refuseChangeWhileTransferred(this))
        curve->setPoint(row, column, value);
    if (self)
        requestUpdate();
}
