#pragma once

#include "dialogs/RYXConfigDialog.h"

#include <QtCore/QHash>
#include <QtCore/QString>
#include <QtWidgets/QDialog>

class ComboBoxCtl;
class QAbstractButton;
class QCheckBox;
struct ComboChoice;
class RYXLineEdit;

// Base of every property dialog. Each control is bound to one point of the
// owning object: the point key becomes the control's object name, a user
// change is written straight into the object and the whole dialog is then
// reloaded from the object by updateControls().
class ConfigBaseDialog : public QDialog, public RYXConfigDialog
{
    Q_OBJECT
public:
    explicit ConfigBaseDialog(QWidget *parent = nullptr, const char *name = nullptr,
                              bool modal = false, Qt::WindowFlags flags = {});
    ~ConfigBaseDialog() override;

    // --- binding ------------------------------------------------------------
    void bindText(RYXLineEdit *control, const QString &key);
    void bindFloat(RYXLineEdit *control, const QString &key);
    void bindCheckBox(QCheckBox *control, const QString &key);
    void bindCombo(ComboBoxCtl *control, const QString &key);
    /// Binds \a button to \a key; switching it on stores \a value.
    void bindRadioButton(QAbstractButton *button, const QString &key, const QString &value);
    /// \a name is the decimal page number handed to the object's showPage().
    void bindPageButton(QAbstractButton *button, const QString &name);

    /// The name \a control had before a binder gave it its point key.
    static QString formName(const QObject *control);

    // --- loading ------------------------------------------------------------
    /// Shows the float point \a key formatted with the printf format \a format.
    void showFloat(RYXLineEdit *lineEdit, const QString &key, const char *format);
    /// The same with the dialogs' usual format: "%.4f", or "%.2f" without ExtraResolution.
    void showFloat(RYXLineEdit *lineEdit, const QString &key);
    static void setValidColour(QWidget *widget, bool ok);
    void showValidity(QWidget *widget, const QString &key);
    void showRadio(QAbstractButton *button, const QString &value, const QString &key);
    QString readText(const QString &key);
    float readFloat(const QString &key);
    int readInt(const QString &key);
    bool readBool(const QString &key);
    void showCheckBox(QCheckBox *checkBox, const QString &key);
    /// Loads \a table into \a control and selects the point's value, or hides
    /// the combo box when \a table is null; returns the point's value.
    int showCombo(const QString &key, const ComboChoice *table, ComboBoxCtl *control);
    /// Applies the embedded help page \a name; returns how many entries found their control.
    int loadHelpPopups(const QString &name);

    /// Reloads the dialog unless a reload is already running. Use it, not
    /// updateControls(), to refresh from outside.
    void requestUpdate();

    /// The text a float field stores for \a text: the leading number in C
    /// notation printed with "%f", or "0.000000" when there is none.
    static QString floatText(const QString &text);

public Q_SLOTS:
    void ValueChangedSlot();
    void FloatValueChangedSlot();
    void CheckboxChangedSlot();
    void ComboChangedSlot();
    void RadioButtonChangedSlot(bool on);
    void PageButtonClickedSlot();
    void NextButtonClickedSlot();
    void PreviousButtonClickedSlot();

private:
    void bindControl(QObject *control, const QString &key);
    /// Stores \a value under the sender's key, then reloads the dialog.
    void storeFromSender(const QString &value);

    QHash<const QAbstractButton *, QString> m_radioValues;
};
