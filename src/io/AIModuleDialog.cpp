#include "io/AIModuleDialog.h"

#include "model/RYXObject.h"

#include <QtWidgets/QPushButton>

AIModuleDialog::AIModuleDialog(RYXObject *module, QWidget *parent)
    : AIModuleDialog(module, parent, tr("Analog Input Module"),
                     tr("There are no module level configurable parameters, please select a channel."))
{
}

AIModuleDialog::AIModuleDialog(RYXObject *module, QWidget *parent, const QString &caption, const QString &text)
    : TIModuleDialog(module, parent, caption, text)
{
    connect(channelButton(1), &QPushButton::clicked, this, &AIModuleDialog::Channel1ButtonClickedSlot);
    connect(channelButton(2), &QPushButton::clicked, this, &AIModuleDialog::Channel2ButtonClickedSlot);
    connect(channelButton(3), &QPushButton::clicked, this, &AIModuleDialog::Channel3ButtonClickedSlot);
    connect(channelButton(4), &QPushButton::clicked, this, &AIModuleDialog::Channel4ButtonClickedSlot);
    loadHelpPopups(QStringLiteral("popuphelp/popuphelp_common.html"));
}

void AIModuleDialog::showChannel(int n)
{
    if (m_object)
        m_object->showPage(n);
}

void AIModuleDialog::Channel1ButtonClickedSlot() { showChannel(1); }
void AIModuleDialog::Channel2ButtonClickedSlot() { showChannel(2); }
void AIModuleDialog::Channel3ButtonClickedSlot() { showChannel(3); }
void AIModuleDialog::Channel4ButtonClickedSlot() { showChannel(4); }
