#pragma once

#include "dialogs/ConfigBaseDialog.h"

#include <memory>

namespace Ui {
class TrimPluginForm;
}
class QAbstractButton;
class RYXTrimObjectPlugin;

// The property dialog of a trim plug-in: trimming on or off, one- or
// two-point trim, the trim points (bound float fields), the captured values
// and the Trim Lower and Trim Upper buttons, which the plug-in hands to its
// channel. Its tool tips and help page follow the kind of channel shown.
class TrimPluginDialog : public ConfigBaseDialog
{
    Q_OBJECT
public:
    explicit TrimPluginDialog(RYXTrimObjectPlugin *plugin, QWidget *parent = nullptr);
    ~TrimPluginDialog() override;

    void updateControls() override;

public Q_SLOTS:
    void TrimmingCheckBoxChangeSlot(bool on);
    void OnePointRadioButtonChangeSlot(bool on);
    void TwoPointRadioButtonChangeSlot(bool on);
    void TrimLowerButtonClickedSlot();
    void TrimUpperButtonClickedSlot();

private:
    RYXTrimObjectPlugin *plugin() const;
    /// Tool tips and help page of the channel kind \a moduleType.
    void setUpTexts(int moduleType);
    /// Switches \a button on or off, both radio buttons off included.
    static void setRadio(QAbstractButton *button, bool on);

    std::unique_ptr<Ui::TrimPluginForm> m_ui;
    int m_textsType = -2; // the kind whose texts are shown; none yet
};
