#include "io/AOChannelDialog.h"

#include "dialogs/RYXLineEdit.h"
#include "io/AOChannelObject.h"
#include "io/AOControlOutputDialog.h"
#include "io/InputChannelBindings.h"
#include "io/InputChannelDialog.h"

#include <QtCore/QSignalBlocker>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

namespace {

using B = ControlBinding;
using Form = InputChannelDialog;

#define OUTPUT_RULE QT_TRANSLATE_NOOP("ConfigBaseDialog", "within the limits of the output type")

const ControlBinding Bindings[] = {
    {"channelNotUsedCheckBox", B::CheckBox, "channelnotused"},
    {"VoltRadioButton", B::Radio, "outputtype", "v"},
    {"CurrentRadioButton", B::Radio, "outputtype", "ma"},
    {"OutputZeroEdit", B::Float, "outputzero", nullptr, nullptr, nullptr, nullptr, "ozisvalid",
     QT_TRANSLATE_NOOP("ConfigBaseDialog", "within the limits of the output type, at least 0.9997 below Output Full")},
    {"OutputFullEdit", B::Float, "outputfull", nullptr, nullptr, nullptr, nullptr, "ofisvalid",
     QT_TRANSLATE_NOOP("ConfigBaseDialog", "within the limits of the output type, at least 0.9997 above Output Zero")},
    {"ScalingZeroEdit", B::Float, "scalingzero", nullptr, nullptr, nullptr, nullptr, "scalingisvalid", SCALING_RULE},
    {"ScalingFullEdit", B::Float, "scalingfull", nullptr, nullptr, nullptr, nullptr, "scalingisvalid", SCALING_RULE},
    {"ScalingCheckBox", B::CheckBox, "scalingenabled"},
    {"UnderRangeEdit", B::Float, "outputonunderrange", nullptr, nullptr, nullptr, nullptr, "urangeisvalid", OUTPUT_RULE},
    {"OverRangeEdit", B::Float, "outputonoverrange", nullptr, nullptr, nullptr, nullptr, "orangeisvalid", OUTPUT_RULE},
    {"OutputDampingEdit", B::Float, "outputdamping", nullptr, nullptr, nullptr, nullptr, "dampingisvalid",
     QT_TRANSLATE_NOOP("ConfigBaseDialog", "from 0 to 30 seconds")},
    {"HoldRadioButton", B::Radio, "failuremode", "hold"},
    {"PresetRadioButton", B::Radio, "failuremode", "preset"},
    {"FValEdit", B::Float, "failurevalue", nullptr, nullptr, nullptr, nullptr, "fvalisvalid", OUTPUT_RULE},
    {"tagEdit", B::Text, "tag1", nullptr, nullptr, nullptr, nullptr, "tag1isvalid", TAG_RULE},
    {"eguEdit", B::Text, "egu1", nullptr, nullptr, nullptr, nullptr, "egu1isvalid",
     QT_TRANSLATE_NOOP("ConfigBaseDialog", "at most 8 characters")},
};

} // namespace

AOChannelDialog::AOChannelDialog(RYXObject *channel, QWidget *parent) : ConfigBaseDialog(parent)
{
    setWindowTitle(tr("Analog Output Channel"));
    auto *page = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    Form::addCheck(top, tr("Channel Not Used"), "channelNotUsedCheckBox");
    auto *tagForm = new QFormLayout;
    Form::addEdit(tagForm, tr("Tag:"), "tagEdit");
    top->addLayout(tagForm);
    page->addLayout(top);
    buildOutput(page);
    buildOptions(page);
    setObject(qobject_cast<AOChannelObject *>(channel));
    bindControls(Bindings);
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_aochannel.html"));
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_common.html"));
    requestUpdate();
}

void AOChannelDialog::buildOutput(QVBoxLayout *page)
{
    auto *group = new QGroupBox(tr("Output"), this);
    group->setObjectName(QStringLiteral("outputGroupBox"));
    auto *form = new QFormLayout(group);
    auto *type = new QHBoxLayout;
    Form::addRadio(type, tr("Volts"), "VoltRadioButton");
    Form::addRadio(type, tr("Milliamps"), "CurrentRadioButton");
    form->addRow(tr("Output Type:"), type);
    Form::addEdit(form, tr("Output Zero:"), "OutputZeroEdit");
    Form::addEdit(form, tr("Output Full:"), "OutputFullEdit");
    m_limits = new QLabel(group);
    m_limits->setObjectName(QStringLiteral("limitsLabel"));
    form->addRow(m_limits);
    Form::addEdit(form, tr("Under-Range:"), "UnderRangeEdit");
    Form::addEdit(form, tr("Over-Range:"), "OverRangeEdit");
    Form::addEdit(form, tr("Output Damping:"), "OutputDampingEdit")
        ->setToolTip(tr("Specifies the amount of time it takes for the output to go halfway to the new value"));
    page->addWidget(group);
}

void AOChannelDialog::buildOptions(QVBoxLayout *page)
{
    auto *scaling = new QGroupBox(tr("Scaling"), this);
    scaling->setObjectName(QStringLiteral("scalingGroupBox"));
    auto *form = new QFormLayout(scaling);
    Form::addCheck(form, tr("Output Scaling"), "ScalingCheckBox");
    m_scalingFields << Form::addEdit(form, tr("Scaling Zero:"), "ScalingZeroEdit")
                    << Form::addEdit(form, tr("Scaling Full:"), "ScalingFullEdit");
    page->addWidget(scaling);

    auto *failure = new QGroupBox(tr("Output On Failure"), this);
    failure->setObjectName(QStringLiteral("failureGroupBox"));
    auto *failureForm = new QFormLayout(failure);
    auto *choice = new QHBoxLayout;
    Form::addRadio(choice, tr("Hold Last"), "HoldRadioButton");
    Form::addRadio(choice, tr("Preset"), "PresetRadioButton");
    failureForm->addRow(choice);
    m_failureValue = Form::addEdit(failureForm, tr("Predefined Value:"), "FValEdit");
    page->addWidget(failure);

    auto *actions = new QHBoxLayout;
    m_trimming = Form::addCheck(actions, tr("Trimming"), "TrimmingCheckBox");
    connect(m_trimming, &QCheckBox::clicked, this, &AOChannelDialog::TrimmingButtonClickedSlot);
    m_loopTest = Form::addButton(actions, tr("Loop Test"), "IOTestButton");
    // Return in a field commits the field; it must never start a loop test.
    m_loopTest->setAutoDefault(false);
    connect(m_loopTest, &QPushButton::clicked, this, &AOChannelDialog::ioTestButtonClickedSlot);
    page->addLayout(actions);

    auto *units = new QFormLayout;
    Form::addEdit(units, tr("Custom Engineering Units:"), "eguEdit");
    page->addLayout(units);
}

AOChannelObject *AOChannelDialog::channel() const
{
    return qobject_cast<AOChannelObject *>(m_object.data());
}

void AOChannelDialog::updateControls()
{
    AOChannelObject *object = channel();
    if (!object)
        return;
    m_limits->setText(readText(QStringLiteral("outputtype")) == QLatin1String("v") ? tr("Limits: -0.25 to 11 V")
                                                                                   : tr("Limits: 0 to 23.6 mA"));
    m_failureValue->setEnabled(readText(QStringLiteral("failuremode")) != QLatin1String("hold"));
    for (QWidget *field : std::as_const(m_scalingFields))
        field->setEnabled(readBool(QStringLiteral("scalingenabled")));
    {
        const QSignalBlocker blocker(m_trimming);
        m_trimming->setChecked(readBool(QStringLiteral("trimenable")));
    }
    // The loop test drives the real output: only with the station there.
    m_loopTest->setEnabled(object->isOnline());
}

void AOChannelDialog::TrimmingButtonClickedSlot()
{
    TrimEnableButtonToggledSlot(m_trimming->isChecked());
}

void AOChannelDialog::TrimEnableButtonToggledSlot(bool on)
{
    if (m_refreshing || !channel())
        return;
    channel()->TrimEnableToggled(on);
    requestUpdate();
}

void AOChannelDialog::ioTestButtonClickedSlot()
{
    if (channel())
        channel()->showControlOutputDialog(AOControlOutputDialog::LoopTest);
}
