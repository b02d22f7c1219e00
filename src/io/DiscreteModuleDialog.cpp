#include "io/DiscreteModuleDialog.h"

#include "dialogs/RYXLineEdit.h"
#include "io/DiscreteIOControlDialog.h"
#include "io/DiscreteModuleObject.h"
#include "io/InputChannelBindings.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QVBoxLayout>

namespace {

template<typename Widget>
Widget *named(Widget *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

DiscreteModuleDialog::DiscreteModuleDialog(DiscreteModuleObject *module, QWidget *parent, const QString &caption,
                                           const Layout &layout)
    : ConfigBaseDialog(parent), m_layout(layout)
{
    setWindowTitle(caption);
    m_page = new QVBoxLayout(this);
    m_page->addWidget(named(new QCheckBox(tr("Channel Not Used"), this), QStringLiteral("ChannelNotUsedCheckBox")));
    m_settings = named(new QGroupBox(tr("Module Settings"), this), QStringLiteral("settingsGroupBox"));
    m_page->addWidget(m_settings);
    buildChannels();
    auto *test = named(new QPushButton(layout.output ? tr("Output Test") : tr("Input Test"), this),
                       QStringLiteral("IOTestButton"));
    connect(test, &QPushButton::clicked, this, &DiscreteModuleDialog::ioTestClickedSlot);
    m_page->addWidget(test);
    m_page->addStretch();
    setObject(module);
}

// One row per channel: its number, tag, power-up state (relays) and its
// three failure responses, which exclude each other within the row only.
void DiscreteModuleDialog::buildChannels()
{
    auto *group = named(new QGroupBox(m_layout.output ? tr("Relays") : tr("Inputs"), this),
                        QStringLiteral("channelsGroupBox"));
    auto *grid = new QGridLayout(group);
    int column = 0;
    grid->addWidget(new QLabel(tr("Channel"), group), 0, column++);
    grid->addWidget(new QLabel(tr("Tag"), group), 0, column++);
    if (m_layout.powerUp)
        grid->addWidget(new QLabel(tr("Power Up State"), group), 0, column++);
    grid->addWidget(new QLabel(m_layout.output ? tr("Output On Fail") : tr("Fail Response"), group), 0, column);
    for (int n = 1; n <= m_layout.channels; ++n) {
        column = 0;
        grid->addWidget(new QLabel(QString::number(n), group), n, column++);
        grid->addWidget(named(new RYXLineEdit(group), QStringLiteral("tag%1Edit").arg(n)), n, column++);
        if (m_layout.powerUp) {
            auto *check = named(new QCheckBox(group), QString::fromLatin1(m_layout.powerUp).arg(n));
            check->setToolTip(tr("When checked, indicates that the corresponding channel should be energized at "
                                 "powerup"));
            grid->addWidget(check, n, column++);
        }
        auto *responses = new QWidget(group);
        auto *row = new QHBoxLayout(responses);
        row->setContentsMargins(0, 0, 0, 0);
        row->addWidget(named(new QRadioButton(tr("On"), responses), QString::fromLatin1(m_layout.failOn).arg(n)));
        row->addWidget(named(new QRadioButton(tr("Off"), responses), QString::fromLatin1(m_layout.failOff).arg(n)));
        row->addWidget(named(new QRadioButton(tr("Hold"), responses), QString::fromLatin1(m_layout.failHold).arg(n)));
        grid->addWidget(responses, n, column);
    }
    m_page->addWidget(group);
}

const char *DiscreteModuleDialog::stored(const QString &text)
{
    m_names.push_back(text.toLatin1());
    return m_names.back().constData();
}

void DiscreteModuleDialog::addChannelBindings(int n)
{
    const char *tagKey = stored(QStringLiteral("tag%1").arg(n));
    m_bindings.push_back({stored(QStringLiteral("tag%1Edit").arg(n)), ControlBinding::Text, tagKey, nullptr, nullptr,
                          nullptr, nullptr, stored(QStringLiteral("tag%1isvalid").arg(n)), TAG_RULE});
    if (m_layout.powerUp)
        m_bindings.push_back({stored(QString::fromLatin1(m_layout.powerUp).arg(n)), ControlBinding::CheckBox,
                              stored(QStringLiteral("ch%1_powerupstate").arg(n))});
    const char *failKey = stored(QStringLiteral("ch%1_failresponse").arg(n));
    const std::pair<const char *, const char *> radios[] = {
        {m_layout.failOn, "on"}, {m_layout.failOff, "off"}, {m_layout.failHold, "hold"}};
    for (const auto &[pattern, value] : radios)
        m_bindings.push_back({stored(QString::fromLatin1(pattern).arg(n)), ControlBinding::Radio, failKey, value});
}

const DiscreteModuleDialog::Layout DiscreteModuleDialog::InputLayout = {
    8, "ch%1FailOn", "ch%1FailOff", "ch%1FailHold", nullptr, false, "popuphelp/popuphelp_dimchannels.html"};

void DiscreteModuleDialog::bindAll(const ControlBinding *own, std::size_t rows, const char *help)
{
    m_bindings.push_back({"ChannelNotUsedCheckBox", ControlBinding::CheckBox, "channelnotused"});
    m_bindings.insert(m_bindings.end(), own, own + rows);
    for (int n = 1; n <= m_layout.channels; ++n)
        addChannelBindings(n);
    bindControls(m_bindings.data(), m_bindings.size());
    loadHelpPopups(QLatin1String(help));
    if (m_layout.channelHelp)
        loadHelpPopups(QLatin1String(m_layout.channelHelp));
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_common.html"));
    requestUpdate();
}

void DiscreteModuleDialog::ioTestClickedSlot()
{
    auto *module = qobject_cast<DiscreteModuleObject *>(m_object.data());
    if (!module)
        return;
    auto *dialog = new DiscreteIOControlDialog(
        module, m_layout.output ? DiscreteIOControlDialog::Output : DiscreteIOControlDialog::Input, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}
