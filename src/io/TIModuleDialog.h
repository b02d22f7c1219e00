#pragma once

#include "dialogs/ConfigBaseDialog.h"

class QPushButton;
class RYXObject;

// The property dialog of a temperature input module: nothing to configure
// on the module itself, one button per channel that selects the channel.
// The analog input module dialog shares its form.
class TIModuleDialog : public ConfigBaseDialog
{
    Q_OBJECT
public:
    explicit TIModuleDialog(RYXObject *module, QWidget *parent = nullptr);

protected:
    /// The form with \a caption and \a text; the buttons are left unbound.
    TIModuleDialog(RYXObject *module, QWidget *parent, const QString &caption, const QString &text);
    QPushButton *channelButton(int n) const;

private:
    QList<QPushButton *> m_buttons;
};
