#pragma once

#include "dialogs/ControlBinding.h"
#include "dialogs/RYXConfigDialog.h"

#include <QtCore/QHash>
#include <QtCore/QList>
#include <QtCore/QPointer>
#include <QtCore/QString>
#include <QtCore/QStringList>
#include <QtWidgets/QDialog>

#include <cstddef>

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

    /// Binds the controls named in \a table (by their form names), each with
    /// the binder of its kind, in the table's order; every refresh then loads
    /// them from their points. A row whose control the form lacks is
    /// recorded (missingControls()).
    void bindControls(const ControlBinding *table, std::size_t rows);
    template<std::size_t N>
    void bindControls(const ControlBinding (&table)[N])
    {
        bindControls(table, N);
    }
    /// The combo box controller made for the combo row of \a key; null when none.
    ComboBoxCtl *boundCombo(const QString &key) const;
    /// The form names of table rows whose control was not found or is of the wrong type.
    const QStringList &missingControls() const { return m_missingControls; }
    /// The help pages this dialog loaded, in order.
    const QStringList &helpPages() const { return m_helpPages; }

    /// The name \a control had before a binder gave it its point key.
    static QString formName(const QObject *control);

    // --- loading ------------------------------------------------------------
    /// Shows the float point \a key formatted with the printf format \a format.
    void showFloat(RYXLineEdit *lineEdit, const QString &key, const char *format);
    /// The same with the dialogs' usual format: "%.4f", or "%.2f" without ExtraResolution.
    void showFloat(RYXLineEdit *lineEdit, const QString &key);
    /// \a value in the dialogs' usual format ("%.4f", or "%.2f" without ExtraResolution).
    static QString valueText(double value);
    static void setValidColour(QWidget *widget, bool ok);
    /// Colours \a widget by the validity point \a key; when a table row is
    /// checked by \a key, the widget's tool tip also gives that row's rule.
    void showValidity(QWidget *widget, const QString &key);
    /// The rule and limit of the value of table row \a row in words, led by
    /// "Not valid." and followed by the device's objection when the value
    /// breaks them; *\a invalid tells which. Empty when nothing limits it.
    QString explainValue(const ControlBinding &row, bool *invalid = nullptr);
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

    /// Reloads the dialog unless a reload is already running: the controls
    /// bound from a table, then updateControls(). Use it, not
    /// updateControls(), to refresh from outside.
    void requestUpdate();

    /// The text a float field stores for \a text: the leading number in C
    /// notation printed with "%f", or "0.000000" when there is none.
    static QString floatText(const QString &text);

protected:
    /// Stores \a value under \a key of the owning object (unless the object
    /// is being transferred), then reloads the dialog. For controls whose
    /// slot is the dialog's own rather than a binder's.
    void storeValue(const QString &key, const QString &value);

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
    struct BoundControl
    {
        const ControlBinding *row;
        QPointer<QObject> control;
        ComboBoxCtl *combo;
    };

    bool bindRow(const ControlBinding &row);
    /// Colours a field by its value and gives the rule in its tool tip.
    void explainBound(const BoundControl &bound);
    /// Lets \a edit take no more than the device field of \a key holds.
    void limitLength(RYXLineEdit *edit, const QString &key, const QString &text);
    /// Where the points of the dialog's object are kept (a plug-in's host).
    RYXObject *pointHolder() const;
    /// Appends \a explanation to the tool tip \a widget has from its form or
    /// help page.
    static void setExplainedToolTip(QWidget *widget, const QString &explanation);
    void redirectChanges(const ControlBinding &row, QObject *control);
    void showBound(const BoundControl &bound);
    void bindControl(QObject *control, const QString &key);
    /// Stores \a value under the sender's key, then reloads the dialog.
    void storeFromSender(const QString &value);

    QHash<const QAbstractButton *, QString> m_radioValues;
    QList<BoundControl> m_bound;
    QStringList m_missingControls;
    QStringList m_helpPages;
};
