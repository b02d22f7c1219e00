#include "io/TIModuleDialog.h"

#include "dialogs/ControlBinding.h"

#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

namespace {
const ControlBinding PageButtons[] = {
    {"Channel1Button", ControlBinding::Page, "1"},
    {"Channel2Button", ControlBinding::Page, "2"},
    {"Channel3Button", ControlBinding::Page, "3"},
    {"Channel4Button", ControlBinding::Page, "4"},
};
} // namespace

TIModuleDialog::TIModuleDialog(RYXObject *module, QWidget *parent)
    : TIModuleDialog(module, parent, tr("TImodule"),
                     tr("There are no configurable parameters for the TIM, please select a channel."))
{
    bindControls(PageButtons);
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_common.html"));
}

TIModuleDialog::TIModuleDialog(RYXObject *module, QWidget *parent, const QString &caption, const QString &text)
    : ConfigBaseDialog(parent)
{
    setWindowTitle(caption);
    auto *page = new QVBoxLayout(this);
    auto *group = new QGroupBox(tr("Select Channel"), this);
    group->setObjectName(QStringLiteral("selectChannelGroupBox"));
    auto *column = new QVBoxLayout(group);
    auto *label = new QLabel(text, group);
    label->setObjectName(QStringLiteral("textLabel"));
    label->setWordWrap(true);
    column->addWidget(label);
    for (int n = 1; n <= 4; ++n) {
        auto *button = new QPushButton(tr("Channel %1").arg(n), group);
        button->setObjectName(QStringLiteral("Channel%1Button").arg(n));
        column->addWidget(button);
        m_buttons << button;
    }
    page->addWidget(group);
    page->addStretch();
    setObject(module);
}

QPushButton *TIModuleDialog::channelButton(int n) const
{
    return m_buttons.value(n - 1);
}
