#pragma once

#include "io/TIModuleDialog.h"

// The property dialog of the analog input, cathodic, current and voltage
// input modules, and the base of the analog output module's: its channel
// buttons select the module's channels.
class AIModuleDialog : public TIModuleDialog
{
    Q_OBJECT
public:
    explicit AIModuleDialog(RYXObject *module, QWidget *parent = nullptr);

public Q_SLOTS:
    void Channel1ButtonClickedSlot();
    void Channel2ButtonClickedSlot();
    void Channel3ButtonClickedSlot();
    void Channel4ButtonClickedSlot();

protected:
    /// The form with \a caption and \a text, its buttons selecting the channels.
    AIModuleDialog(RYXObject *module, QWidget *parent, const QString &caption, const QString &text);

private:
    void showChannel(int n);
};
