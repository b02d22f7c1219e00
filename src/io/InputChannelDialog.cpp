#include "io/InputChannelDialog.h"

#include "dialogs/RYXLineEdit.h"
#include "io/TIChannelObject.h"

#include <QtCore/QSignalBlocker>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QVBoxLayout>

namespace {
enum CaptureTarget { CaptureInputZero = 0, CaptureInputFull = 1 };
} // namespace

InputChannelDialog::InputChannelDialog(TIChannelObject *channel, QWidget *parent, const QString &caption)
    : ConfigBaseDialog(parent)
{
    setWindowTitle(caption);
    auto *page = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    addCheck(top, tr("Channel Not Used"), "ChannelNotUsedCheck");
    auto *tagForm = new QFormLayout;
    addEdit(tagForm, tr("Tag:"), "tagEdit");
    top->addLayout(tagForm);
    page->addLayout(top);
    m_inputGroup = new QGroupBox(tr("Input"), this);
    m_inputGroup->setObjectName(QStringLiteral("inputGroupBox"));
    m_inputForm = new QFormLayout(m_inputGroup);
    page->addWidget(m_inputGroup);
    buildRange(page);
    buildFailure(page);
    buildOptions(page);
    setObject(channel);
}

void InputChannelDialog::buildRange(QVBoxLayout *page)
{
    auto *group = new QGroupBox(tr("Input Range"), this);
    group->setObjectName(QStringLiteral("rangeGroupBox"));
    auto *form = new QFormLayout(group);
    addEdit(form, tr("Input Zero:"), "InputZeroEdit");
    addEdit(form, tr("Input Full:"), "InputFullEdit");
    m_captureButtons << addButton(form, tr("Capture Lower"), "CaptureZeroButton")
                     << addButton(form, tr("Capture Upper"), "CaptureFullButton");
    connect(m_captureButtons[0], &QPushButton::clicked, this, &InputChannelDialog::CaptureZeroClickedSlot);
    connect(m_captureButtons[1], &QPushButton::clicked, this, &InputChannelDialog::CaptureFullClickedSlot);
    m_limits = new QLabel(group);
    m_limits->setObjectName(QStringLiteral("limitsLabel"));
    m_minSpan = new QLabel(group);
    m_minSpan->setObjectName(QStringLiteral("minSpanLabel"));
    form->addRow(m_limits);
    form->addRow(m_minSpan);
    page->addWidget(group);
}

void InputChannelDialog::buildFailure(QVBoxLayout *page)
{
    auto *group = new QGroupBox(tr("Input Failure Response"), this);
    group->setObjectName(QStringLiteral("failureGroupBox"));
    auto *form = new QFormLayout(group);
    auto *choice = new QHBoxLayout;
    addRadio(choice, tr("Hold Last"), "radioButtonHold");
    addRadio(choice, tr("Preset"), "radioButtonPreset");
    form->addRow(choice);
    m_presetValue = addEdit(form, tr("Predefined Value:"), "presetValueEdit");
    page->addWidget(group);
}

void InputChannelDialog::buildOptions(QVBoxLayout *page)
{
    auto *scaling = new QGroupBox(tr("Scaling"), this);
    scaling->setObjectName(QStringLiteral("scalingGroupBox"));
    auto *form = new QFormLayout(scaling);
    addCheck(form, tr("Input Scaling"), "ScalingCheckBox");
    m_scalingFields << addEdit(form, tr("Scaling Zero:"), "ScalingZeroEdit")
                    << addEdit(form, tr("Scaling Full:"), "ScalingFullEdit");
    page->addWidget(scaling);

    auto *options = new QHBoxLayout;
    addCheck(options, tr("Custom Curve"), "CustomCurveCheck");
    m_trimming = addCheck(options, tr("Trimming"), "TrimmingCheck");
    connect(m_trimming, &QCheckBox::toggled, this, &InputChannelDialog::TrimEnableButtonToggledSlot);
    auto *filter = new QGroupBox(tr("Filter"), this);
    filter->setObjectName(QStringLiteral("filterGroupBox"));
    auto *filterRow = new QHBoxLayout(filter);
    addRadio(filterRow, tr("50 Hz"), "RadioButton50");
    addRadio(filterRow, tr("60 Hz"), "RadioButton60");
    options->addWidget(filter);
    page->addLayout(options);

    auto *units = new QFormLayout;
    addEdit(units, tr("Custom Engineering Units:"), "eguEdit");
    page->addLayout(units);
}

RYXLineEdit *InputChannelDialog::addEdit(QFormLayout *form, const QString &label, const char *name)
{
    auto *edit = new RYXLineEdit(form->parentWidget());
    edit->setObjectName(QLatin1String(name));
    form->addRow(label, edit);
    return edit;
}

template<typename Widget>
static Widget *addWidget(QLayout *layout, const QString &text, const char *name)
{
    auto *widget = new Widget(text, layout->parentWidget());
    widget->setObjectName(QLatin1String(name));
    if (auto *form = qobject_cast<QFormLayout *>(layout))
        form->addRow(widget);
    else
        layout->addWidget(widget);
    return widget;
}

QRadioButton *InputChannelDialog::addRadio(QLayout *layout, const QString &text, const char *name)
{
    return addWidget<QRadioButton>(layout, text, name);
}

QCheckBox *InputChannelDialog::addCheck(QLayout *layout, const QString &text, const char *name)
{
    return addWidget<QCheckBox>(layout, text, name);
}

QPushButton *InputChannelDialog::addButton(QLayout *layout, const QString &text, const char *name)
{
    return addWidget<QPushButton>(layout, text, name);
}

TIChannelObject *InputChannelDialog::channel() const
{
    return qobject_cast<TIChannelObject *>(m_object.data());
}

void InputChannelDialog::enableUnless(QWidget *widget, const QString &key, const QString &offValue)
{
    widget->setEnabled(readText(key) != offValue);
}

void InputChannelDialog::updateControls()
{
    if (!channel())
        return;
    m_limits->setText(tr("Limits: %1 to %2")
                              .arg(QString::asprintf("%.2f", double(readFloat(QStringLiteral("inputmin")))),
                                   QString::asprintf("%.2f", double(readFloat(QStringLiteral("inputmax"))))));
    m_minSpan->setText(tr("Minimum Span: %1")
                               .arg(QString::asprintf("%.2f", double(readFloat(QStringLiteral("inputminspan"))))));
    enableUnless(m_presetValue, QStringLiteral("failmode"), QStringLiteral("hold"));
    for (QWidget *field : std::as_const(m_scalingFields))
        enableUnless(field, QStringLiteral("scalingenabled"), QStringLiteral("false"));
    {
        const QSignalBlocker blocker(m_trimming);
        m_trimming->setChecked(readBool(QStringLiteral("trimenable")));
    }
    // A capture needs the station.
    for (QPushButton *button : std::as_const(m_captureButtons))
        button->setEnabled(channel()->isOnline());
}

void InputChannelDialog::TrimEnableButtonToggledSlot(bool on)
{
    if (m_refreshing || !channel())
        return;
    channel()->TrimEnableToggled(on);
    requestUpdate();
}

void InputChannelDialog::CaptureZeroClickedSlot()
{
    if (channel())
        channel()->showCaptureDialog(CaptureInputZero);
}

void InputChannelDialog::CaptureFullClickedSlot()
{
    if (channel())
        channel()->showCaptureDialog(CaptureInputFull);
}
