#include "plugins/TrimPluginDialog.h"

#include "plugins/RYXTrimObjectPlugin.h"

#include "ui_TrimPluginForm.h"

#include <QtCore/QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {

const ControlBinding Bindings[] = {
    {"TrimPointZeroEdit", ControlBinding::Float, "trimpointz"},
    {"TrimPointFullEdit", ControlBinding::Float, "trimpointf"},
};

// The texts of one kind of channel: an output maps its trim points onto
// the captured values, an input maps the captured values onto its points.
struct KindTexts
{
    int kinds[2];
    const char *pointZero;
    const char *pointFull;
    const char *captureZero;
    const char *captureFull;
    const char *lowerButton;
    const char *upperButton;
    const char *helpPage;
};

const KindTexts kindTexts[] = {
    {{RYXTrimObjectPlugin::AnalogOutput, RYXTrimObjectPlugin::AnalogOutput},
     QT_TRANSLATE_NOOP("TrimPluginDialog", "Specifies the Lower Trim Point.  When the output variable equals this "
                                           "value, it is mapped to the Lower Captured Value."),
     QT_TRANSLATE_NOOP("TrimPluginDialog", "Specifies the Upper Trim Point.  When the output variable equals this "
                                           "value, it is mapped to the Upper Captured Value."),
     QT_TRANSLATE_NOOP("TrimPluginDialog", "Displays the Lower Captured Value.  When the output variable equals the "
                                           "Lower Trim Point, it is mapped to this value."),
     QT_TRANSLATE_NOOP("TrimPluginDialog", "Displays the Upper Captured Value.  When the output variable equals the "
                                           "Upper Trim Point, it is mapped to this value."),
     QT_TRANSLATE_NOOP("TrimPluginDialog", "Displays and allows modification of the Lower Trim Capture by "
                                           "controlling the actual output"),
     QT_TRANSLATE_NOOP("TrimPluginDialog", "Displays and allows modification of the Upper Trim Capture by "
                                           "controlling the actual output"),
     "popuphelp/popuphelp_aotrim.html"},
    {{RYXTrimObjectPlugin::TemperatureInput, RYXTrimObjectPlugin::AnalogInput},
     QT_TRANSLATE_NOOP("TrimPluginDialog", "Specifies the Lower Trim Point.  When the measured input equals the "
                                           "Lower Captured Value, it is mapped to this value."),
     QT_TRANSLATE_NOOP("TrimPluginDialog", "Specifies the Upper trim point.  When the measured input equals the "
                                           "Upper Captured Value, it is mapped to this value."),
     QT_TRANSLATE_NOOP("TrimPluginDialog", "Displays the Lower Captured Value.  When the measured input equals this "
                                           "value, it is mapped to the Lower Trim Point."),
     QT_TRANSLATE_NOOP("TrimPluginDialog", "Displays the Upper Captured Value.  When the measured input equals this "
                                           "value, it is mapped to the Upper Trim Point."),
     QT_TRANSLATE_NOOP("TrimPluginDialog", "Allows modification of the Lower Trim Capture by capturing the actual "
                                           "input"),
     QT_TRANSLATE_NOOP("TrimPluginDialog", "Allows modification of the Upper Trim Capture by capturing the actual "
                                           "input"),
     "popuphelp/popuphelp_titrim.html"},
};

const KindTexts *textsOf(int moduleType)
{
    for (const KindTexts &texts : kindTexts) {
        if (std::find(std::begin(texts.kinds), std::end(texts.kinds), moduleType) != std::end(texts.kinds))
            return &texts;
    }
    return nullptr;
}

QString translated(const char *text)
{
    return QCoreApplication::translate("TrimPluginDialog", text);
}

} // namespace

TrimPluginDialog::TrimPluginDialog(RYXTrimObjectPlugin *plugin, QWidget *parent)
    : ConfigBaseDialog(parent), m_ui(std::make_unique<Ui::TrimPluginForm>())
{
    m_ui->setupUi(this);
    setObject(plugin);
    bindControls(Bindings);
    connect(m_ui->TrimmingCheckBox, &QCheckBox::toggled, this, &TrimPluginDialog::TrimmingCheckBoxChangeSlot);
    connect(m_ui->OnePointRadioButton, &QRadioButton::toggled, this,
            &TrimPluginDialog::OnePointRadioButtonChangeSlot);
    connect(m_ui->TwoPointRadioButton, &QRadioButton::toggled, this,
            &TrimPluginDialog::TwoPointRadioButtonChangeSlot);
    connect(m_ui->TrimLowerButton, &QPushButton::clicked, this, &TrimPluginDialog::TrimLowerButtonClickedSlot);
    connect(m_ui->TrimUpperButton, &QPushButton::clicked, this, &TrimPluginDialog::TrimUpperButtonClickedSlot);
    requestUpdate();
}

TrimPluginDialog::~TrimPluginDialog() = default;

RYXTrimObjectPlugin *TrimPluginDialog::plugin() const
{
    return qobject_cast<RYXTrimObjectPlugin *>(object());
}

void TrimPluginDialog::setUpTexts(int moduleType)
{
    m_textsType = moduleType;
    const KindTexts *texts = textsOf(moduleType);
    if (!texts)
        return;
    loadHelpPopups(QLatin1String(texts->helpPage));
    m_ui->TrimPointZeroEdit->setToolTip(translated(texts->pointZero));
    m_ui->TrimPointFullEdit->setToolTip(translated(texts->pointFull));
    m_ui->TrimCaptureZeroValueLabel->setToolTip(translated(texts->captureZero));
    m_ui->TrimCaptureFullValueLabel->setToolTip(translated(texts->captureFull));
    m_ui->TrimLowerButton->setToolTip(translated(texts->lowerButton));
    m_ui->TrimUpperButton->setToolTip(translated(texts->upperButton));
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_common.html"));
}

void TrimPluginDialog::setRadio(QAbstractButton *button, bool on)
{
    if (button->isChecked() == on)
        return;
    // A button of an exclusive pair cannot be switched off on its own.
    button->setAutoExclusive(false);
    button->setChecked(on);
    button->setAutoExclusive(true);
}

void TrimPluginDialog::updateControls()
{
    RYXTrimObjectPlugin *trim = plugin();
    if (!trim)
        return;
    // A dialog taken over from another channel's plug-in, or a channel that
    // changed its kind, shows that kind's texts.
    if (trim->getModuleType() != m_textsType)
        setUpTexts(trim->getModuleType());
    trim->validate();
    const bool enabled = readBool(QStringLiteral("trimenable"));
    const bool onePoint = readInt(QStringLiteral("numtrimpts")) == 1;
    const bool lowerOn = enabled;
    const bool upperOn = enabled && !onePoint;
    m_ui->TrimmingCheckBox->setChecked(enabled);
    setRadio(m_ui->OnePointRadioButton, enabled && onePoint);
    setRadio(m_ui->TwoPointRadioButton, enabled && !onePoint);
    m_ui->OnePointRadioButton->setEnabled(enabled);
    m_ui->TwoPointRadioButton->setEnabled(enabled);
    m_ui->TrimPointZeroEdit->setEnabled(lowerOn);
    m_ui->TrimPointFullEdit->setEnabled(upperOn);
    m_ui->TrimCaptureZeroValueLabel->setText(valueText(readFloat(QStringLiteral("trimcapturez"))));
    m_ui->TrimCaptureFullValueLabel->setText(valueText(readFloat(QStringLiteral("trimcapturef"))));
    showValidity(m_ui->TrimPointZeroLabel, QStringLiteral("tzisvalid"));
    showValidity(m_ui->TrimPointFullLabel, QStringLiteral("tfisvalid"));
    showValidity(m_ui->TrimCaptureZeroLabel, QStringLiteral("tcapzisvalid"));
    showValidity(m_ui->TrimCaptureFullLabel, QStringLiteral("tcapfisvalid"));
    const bool online = trim->isOnline();
    m_ui->TrimLowerButton->setEnabled(online && lowerOn);
    m_ui->TrimUpperButton->setEnabled(online && upperOn);
}

// As the channel's own trimming switch does: trimming switched on without
// a trim point gets one, switched off it has none, so that the mode shown
// is the count stored.
void TrimPluginDialog::TrimmingCheckBoxChangeSlot(bool on)
{
    if (m_refreshing)
        return;
    if (!on || readInt(QStringLiteral("numtrimpts")) < 1)
        storeValue(QStringLiteral("numtrimpts"), on ? QStringLiteral("1") : QStringLiteral("0"));
    storeValue(QStringLiteral("trimenable"), on ? QStringLiteral("true") : QStringLiteral("false"));
}

// Switching one button on switches the other off: only the button switched
// on stores its count.
void TrimPluginDialog::OnePointRadioButtonChangeSlot(bool on)
{
    if (!m_refreshing && on)
        storeValue(QStringLiteral("numtrimpts"), QStringLiteral("1"));
}

void TrimPluginDialog::TwoPointRadioButtonChangeSlot(bool on)
{
    if (!m_refreshing && on)
        storeValue(QStringLiteral("numtrimpts"), QStringLiteral("2"));
}

void TrimPluginDialog::TrimLowerButtonClickedSlot()
{
    if (RYXTrimObjectPlugin *trim = plugin(); trim && !m_refreshing)
        trim->lowerClicked();
    requestUpdate();
}

void TrimPluginDialog::TrimUpperButtonClickedSlot()
{
    if (RYXTrimObjectPlugin *trim = plugin(); trim && !m_refreshing)
        trim->upperClicked();
    requestUpdate();
}
