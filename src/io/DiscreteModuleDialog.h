#pragma once

#include "dialogs/ConfigBaseDialog.h"
#include "dialogs/ControlBinding.h"

#include <QtCore/QByteArray>

#include <deque>
#include <vector>

class DiscreteModuleObject;
class QGridLayout;
class QGroupBox;
class QVBoxLayout;

// What the discrete input and relay output module dialogs share: Channel
// Not Used, one row per channel with its tag and its failure response (and
// a relay's power-up state), the module's own settings above them, and the
// I/O test button that opens the discrete I/O dialog. The per-channel
// controls and their bindings are made from the name patterns of a layout.
class DiscreteModuleDialog : public ConfigBaseDialog
{
    Q_OBJECT
public:
    /// The control names of one dialog, %1 standing for the channel number.
    struct Layout
    {
        int channels;
        const char *failOn;
        const char *failOff;
        const char *failHold;
        const char *powerUp; // null: no power-up state
        bool output;         // the I/O test drives outputs
        const char *channelHelp = nullptr; // help page of the channel rows, if shared
    };
    /// The eight channel rows of the discrete input modules.
    static const Layout InputLayout;

public Q_SLOTS:
    void ioTestClickedSlot();

protected:
    DiscreteModuleDialog(DiscreteModuleObject *module, QWidget *parent, const QString &caption,
                         const Layout &layout);

    /// The box above the channel rows for the module's own settings.
    QGroupBox *settingsGroup() const { return m_settings; }
    QVBoxLayout *page() const { return m_page; }
    /// Binds \a own (the module's settings) and the generated channel rows;
    /// then loads the help pages \a help, the layout's channel help and the common one.
    void bindAll(const ControlBinding *own, std::size_t rows, const char *help);
    template<std::size_t N>
    void bindAll(const ControlBinding (&own)[N], const char *help)
    {
        bindAll(own, N, help);
    }

private:
    void buildChannels();
    const char *stored(const QString &text);
    void addChannelBindings(int n);

    Layout m_layout;
    QVBoxLayout *m_page = nullptr;
    QGroupBox *m_settings = nullptr;
    std::vector<ControlBinding> m_bindings;
    std::deque<QByteArray> m_names; // the texts the generated bindings point to
};
