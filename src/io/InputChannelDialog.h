#pragma once

#include "dialogs/ConfigBaseDialog.h"

class QCheckBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
class TIChannelObject;

// What the temperature and the analog input channel dialogs share: the
// channel's tag, range with its limits and capture buttons, failure
// response, scaling, custom curve, trimming, filter and engineering units.
// Each dialog adds its own input group and binds its own table.
class InputChannelDialog : public ConfigBaseDialog
{
    Q_OBJECT
public:
    void updateControls() override;

    // Form building helpers, shared by the channel dialogs: a named child
    // of the right kind, laid out.
    static RYXLineEdit *addEdit(QFormLayout *form, const QString &label, const char *name);
    static QRadioButton *addRadio(QLayout *layout, const QString &text, const char *name);
    static QCheckBox *addCheck(QLayout *layout, const QString &text, const char *name);
    static QPushButton *addButton(QLayout *layout, const QString &text, const char *name);

public Q_SLOTS:
    void TrimEnableButtonToggledSlot(bool on);
    void CaptureZeroClickedSlot();
    void CaptureFullClickedSlot();

protected:
    InputChannelDialog(TIChannelObject *channel, QWidget *parent, const QString &caption);

    TIChannelObject *channel() const;
    /// The group that holds the input controls of the concrete dialog.
    QGroupBox *inputGroup() const { return m_inputGroup; }
    QFormLayout *inputForm() const { return m_inputForm; }
    /// Enables \a widget only when the point \a key does not hold \a offValue.
    void enableUnless(QWidget *widget, const QString &key, const QString &offValue);


private:
    void buildRange(QVBoxLayout *page);
    void buildFailure(QVBoxLayout *page);
    void buildOptions(QVBoxLayout *page);

    QGroupBox *m_inputGroup = nullptr;
    QFormLayout *m_inputForm = nullptr;
    QLabel *m_limits = nullptr;
    QLabel *m_minSpan = nullptr;
    QCheckBox *m_trimming = nullptr;
    QWidget *m_presetValue = nullptr;
    QList<QWidget *> m_scalingFields;
    QList<QPushButton *> m_captureButtons;
};
