#include "plugins/XIMProcessDialog.h"

#include "core/RYXImages.h"
#include "dialogs/ComboBoxCtl.h"
#include "plugins/XIMProcessObjectPlugin.h"

#include "ui_XIMProcessForm.h"

namespace {
const ComboChoice updateRates[] = {
    { "2", 2 }, { "5", 5 }, { "10", 10 }, { "15", 15 }, { "30", 30 }, { nullptr, 0 }
};
const ComboChoice precisions[] = {
    { "0", 0 }, { "1", 1 }, { "2", 2 }, { "3", 3 }, { "4", 4 }, { "5", 5 }, { "6", 6 }, { nullptr, 0 }
};

const ControlBinding Bindings[] = {
    {"updateFreqComboBox", ControlBinding::Combo, "updatefreq", nullptr, updateRates},
    {"analogPrecisionComboBox", ControlBinding::Combo, "analogprecision", nullptr, precisions},
};

// The monitoring's states as the station's points hold them, shown translated.
[[maybe_unused]] const char *const MonitorStates[] = {
    QT_TRANSLATE_NOOP("XIMProcessDialog", "IDLE"),
    QT_TRANSLATE_NOOP("XIMProcessDialog", "VERIFYING DEVICE"),
    QT_TRANSLATE_NOOP("XIMProcessDialog", "REFRESHING DATA"),
    QT_TRANSLATE_NOOP("XIMProcessDialog", "<n/a>"),
};

QTableWidgetItem *tableItem(const QString &iconName, const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    if (!iconName.isEmpty())
        item->setIcon(RYXImages::icon(iconName));
    return item;
}
} // namespace

XIMProcessDialog::XIMProcessDialog(XIMProcessObjectPlugin *plugin, QWidget *parent)
    : ConfigBaseDialog(parent), m_ui(std::make_unique<Ui::XIMProcessForm>())
{
    m_ui->setupUi(this);
    setObject(plugin);
    bindControls(Bindings);
    connect(m_ui->MonitorCheckBox, &QCheckBox::toggled, this,
            &XIMProcessDialog::monitorEnableButtonToggledSlot);
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_ximprocess.html"));
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_common.html"));
    requestUpdate();
}

XIMProcessDialog::~XIMProcessDialog() = default;

void XIMProcessDialog::monitorEnableButtonToggledSlot(bool on)
{
    if (auto *plugin = qobject_cast<XIMProcessObjectPlugin *>(object()))
        plugin->toggleMonitoring(on);
}

void XIMProcessDialog::updateControls()
{
    auto *plugin = qobject_cast<XIMProcessObjectPlugin *>(object());
    if (!plugin)
        return;
    RYXObject *station = plugin->getHost() ? plugin->getHost() : plugin;
    const bool online = station->isOnline();
    if (!online)
        m_ui->MonitorCheckBox->setChecked(false);
    for (QWidget *control : { static_cast<QWidget *>(m_ui->MonitorCheckBox),
                              static_cast<QWidget *>(m_ui->updateFreqComboBox),
                              static_cast<QWidget *>(m_ui->analogPrecisionComboBox) })
        control->setEnabled(online);
    m_ui->statusText->setText(tr(qPrintable(readText(QStringLiteral("monitormessage")))));
    setValidColour(m_ui->statusText, readBool(QStringLiteral("monitorisidle")));
    m_ui->lastUpdateText->setText(tr(qPrintable(readText(QStringLiteral("lastupdate")))));
    refreshTable(plugin);
}

void XIMProcessDialog::refreshTable(XIMProcessObjectPlugin *plugin)
{
    if (!plugin->listMutex()->tryLock())
        return;
    const QList<XIMProcessObjectPlugin::ProcessValue> &values = plugin->processValues();
    QTableWidget *table = m_ui->PVTable;
    table->setRowCount(int(values.size()));
    for (int row = 0; row < values.size(); ++row) {
        const XIMProcessObjectPlugin::ProcessValue &entry = values.at(row);
        table->setItem(row, 0, tableItem(entry.iconName, entry.name));
        table->setItem(row, 1, tableItem(QString(), entry.value));
        table->setItem(row, 2, tableItem(entry.statusIconName, entry.statusText));
    }
    plugin->listMutex()->unlock();
}
