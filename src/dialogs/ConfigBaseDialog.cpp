#include "dialogs/ConfigBaseDialog.h"

#include "core/StartupFlags.h"
#include "dialogs/ComboBoxCtl.h"
#include "dialogs/PopupHelpLoader.h"
#include "dialogs/RYXLineEdit.h"
#include "model/RYXListViewItem.h"
#include "model/RYXObject.h"

#include <QtCore/QRegularExpression>
#include <QtCore/QScopedValueRollback>
#include <QtCore/QtMath>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QTreeWidget>

namespace {
// The key travels as the control's object name; the name the control had
// in its form is kept beside it so help pages can still address it.
const char formNameProperty[] = "ryxFormName";
} // namespace

ConfigBaseDialog::ConfigBaseDialog(QWidget *parent, const char *name, bool modal,
                                   Qt::WindowFlags flags)
    : QDialog(parent, flags)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
}

ConfigBaseDialog::~ConfigBaseDialog()
{
    // A field being edited when the dialog goes away (the pane was rebuilt
    // without the focus leaving it first) commits its text now, while the
    // slots can still run; later focus changes during destruction must not
    // reach this half-destroyed dialog.
    QWidget *focus = QApplication::focusWidget();
    if (focus && isAncestorOf(focus))
        focus->clearFocus();
    const QList<QObject *> descendants = findChildren<QObject *>();
    for (QObject *child : descendants)
        disconnect(child, nullptr, this, nullptr);
}

// --- binding -----------------------------------------------------------------

void ConfigBaseDialog::bindControl(QObject *control, const QString &key)
{
    if (!control->property(formNameProperty).isValid())
        control->setProperty(formNameProperty, control->objectName());
    control->setObjectName(key);
}

QString ConfigBaseDialog::formName(const QObject *control)
{
    return control ? control->property(formNameProperty).toString() : QString();
}

void ConfigBaseDialog::bindText(RYXLineEdit *control, const QString &key)
{
    bindControl(control, key);
    connect(control, &RYXLineEdit::signalDataChange, this, &ConfigBaseDialog::ValueChangedSlot);
}

void ConfigBaseDialog::bindFloat(RYXLineEdit *control, const QString &key)
{
    bindControl(control, key);
    connect(control, &RYXLineEdit::signalDataChange, this,
            &ConfigBaseDialog::FloatValueChangedSlot);
}

void ConfigBaseDialog::bindCheckBox(QCheckBox *control, const QString &key)
{
    bindControl(control, key);
    connect(control, &QCheckBox::clicked, this, &ConfigBaseDialog::CheckboxChangedSlot);
}

void ConfigBaseDialog::bindCombo(ComboBoxCtl *control, const QString &key)
{
    bindControl(control, key);
    connect(control, &ComboBoxCtl::ValueChanged, this, &ConfigBaseDialog::ComboChangedSlot);
}

void ConfigBaseDialog::bindRadioButton(QAbstractButton *button, const QString &key,
                                       const QString &value)
{
    bindControl(button, key);
    m_radioValues.insert(button, value);
    connect(button, &QAbstractButton::toggled, this, &ConfigBaseDialog::RadioButtonChangedSlot);
}

void ConfigBaseDialog::bindPageButton(QAbstractButton *button, const QString &name)
{
    bindControl(button, name);
    connect(button, &QAbstractButton::clicked, this, &ConfigBaseDialog::PageButtonClickedSlot);
}

// --- binding tables ------------------------------------------------------------

void ConfigBaseDialog::bindControls(const ControlBinding *table, std::size_t rows)
{
    for (std::size_t i = 0; i < rows; ++i) {
        if (bindRow(table[i]))
            continue;
        m_missingControls.append(QLatin1String(table[i].control));
        qCDebug(lcDialogs).noquote() << QLatin1String("bindControls failed to find control named:")
                                            + QLatin1String(table[i].control);
    }
}

bool ConfigBaseDialog::bindRow(const ControlBinding &row)
{
    QWidget *widget = PopupHelpLoader::findControl(this, QLatin1String(row.control));
    const QString key = QLatin1String(row.key);
    auto *edit = qobject_cast<RYXLineEdit *>(widget);
    auto *button = qobject_cast<QAbstractButton *>(widget);
    ComboBoxCtl *combo = nullptr;
    switch (row.kind) {
    case ControlBinding::Text:
    case ControlBinding::Float:
        if (!edit)
            return false;
        row.kind == ControlBinding::Text ? bindText(edit, key) : bindFloat(edit, key);
        break;
    case ControlBinding::CheckBox:
        if (!qobject_cast<QCheckBox *>(widget))
            return false;
        bindCheckBox(static_cast<QCheckBox *>(widget), key);
        break;
    case ControlBinding::Combo:
        if (!qobject_cast<QComboBox *>(widget))
            return false;
        combo = new ComboBoxCtl(this);
        combo->attach(static_cast<QComboBox *>(widget));
        bindCombo(combo, key);
        break;
    case ControlBinding::Radio:
        if (!button)
            return false;
        bindRadioButton(button, key, QLatin1String(row.value));
        break;
    case ControlBinding::Page:
        if (!button)
            return false;
        bindPageButton(button, key);
        break;
    }
    if (row.slot)
        redirectChanges(row, combo ? static_cast<QObject *>(combo) : widget);
    m_bound.append({&row, widget, combo});
    return true;
}

// A row with a slot of its own: the control's change reaches that slot of
// the dialog instead of the binder's.
void ConfigBaseDialog::redirectChanges(const ControlBinding &row, QObject *control)
{
    const char *signal = SIGNAL(clicked());
    switch (row.kind) {
    case ControlBinding::Text:
    case ControlBinding::Float:
        signal = SIGNAL(signalDataChange());
        break;
    case ControlBinding::Combo:
        signal = SIGNAL(ValueChanged());
        break;
    case ControlBinding::Radio:
        signal = SIGNAL(toggled(bool));
        break;
    case ControlBinding::CheckBox:
    case ControlBinding::Page:
        break;
    }
    disconnect(control, nullptr, this, nullptr);
    connect(control, signal, this, row.slot);
}

ComboBoxCtl *ConfigBaseDialog::boundCombo(const QString &key) const
{
    for (const BoundControl &bound : m_bound) {
        if (bound.combo && key == QLatin1String(bound.row->key))
            return bound.combo;
    }
    return nullptr;
}

void ConfigBaseDialog::showBound(const BoundControl &bound)
{
    const ControlBinding &row = *bound.row;
    const QString key = QLatin1String(row.key);
    QObject *control = bound.control;
    if (!control)
        return;
    switch (row.kind) {
    case ControlBinding::Text:
        static_cast<RYXLineEdit *>(control)->setText(readText(key));
        break;
    case ControlBinding::Float:
        if (row.format)
            showFloat(static_cast<RYXLineEdit *>(control), key, row.format);
        else
            showFloat(static_cast<RYXLineEdit *>(control), key);
        break;
    case ControlBinding::CheckBox:
        showCheckBox(static_cast<QCheckBox *>(control), key);
        break;
    case ControlBinding::Combo:
        if (row.choices)
            showCombo(key, row.choices, bound.combo);
        else if (bound.combo->choices())
            bound.combo->selectValue(readInt(key));
        break;
    case ControlBinding::Radio:
        showRadio(static_cast<QAbstractButton *>(control), QLatin1String(row.value), key);
        break;
    case ControlBinding::Page:
        break;
    }
}

// --- loading -----------------------------------------------------------------

QString ConfigBaseDialog::readText(const QString &key)
{
    return m_object ? m_object->getString(key) : QString();
}

float ConfigBaseDialog::readFloat(const QString &key)
{
    return m_object ? m_object->getFloat(key) : 0.0f;
}

int ConfigBaseDialog::readInt(const QString &key)
{
    return m_object ? m_object->getInt(key) : 0;
}

bool ConfigBaseDialog::readBool(const QString &key)
{
    return m_object && m_object->getBool(key);
}

void ConfigBaseDialog::showFloat(RYXLineEdit *lineEdit, const QString &key, const char *format)
{
    lineEdit->setText(QString::asprintf(format, double(readFloat(key))));
}

void ConfigBaseDialog::showFloat(RYXLineEdit *lineEdit, const QString &key)
{
    showFloat(lineEdit, key, ExtraResolution ? "%.4f" : "%.2f");
}

void ConfigBaseDialog::setValidColour(QWidget *widget, bool ok)
{
    const QColor colour = ok ? QColor(0, 0, 0) : QColor(255, 0, 0);
    QPalette palette = widget->palette();
    // Disabled text keeps the style's grey.
    for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::Text, colour);
        palette.setColor(group, QPalette::ButtonText, colour);
    }
    widget->setPalette(palette);
}

void ConfigBaseDialog::showValidity(QWidget *widget, const QString &key)
{
    setValidColour(widget, readBool(key));
}

void ConfigBaseDialog::showRadio(QAbstractButton *button, const QString &value,
                                 const QString &key)
{
    const bool on = readText(key) == value;
    if (button->isChecked() == on)
        return;
    // Toggling here reflects the point; it is not a choice of the user.
    QScopedValueRollback<bool> refreshing(m_refreshing, true);
    if (on) {
        button->setChecked(true);
        return;
    }
    // An exclusive button refuses to be switched off on its own; a value
    // that none of the buttons stands for must still show none of them.
    QButtonGroup *group = button->group();
    const bool groupExclusive = group && group->exclusive();
    const bool autoExclusive = button->autoExclusive();
    if (group)
        group->setExclusive(false);
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(autoExclusive);
    if (group)
        group->setExclusive(groupExclusive);
}

void ConfigBaseDialog::showCheckBox(QCheckBox *checkBox, const QString &key)
{
    checkBox->setChecked(readBool(key));
}

int ConfigBaseDialog::showCombo(const QString &key, const ComboChoice *table,
                                ComboBoxCtl *control)
{
    const int value = readInt(key);
    if (table) {
        control->show();
        control->setChoicesAndValue(table, value);
    } else {
        control->hide();
    }
    return value;
}

int ConfigBaseDialog::loadHelpPopups(const QString &name)
{
    m_helpPages.append(name);
    return PopupHelpLoader::load(this, name);
}

void ConfigBaseDialog::requestUpdate()
{
    if (m_refreshing)
        return;
    QScopedValueRollback<bool> refreshing(m_refreshing, true);
    if (m_object) {
        for (const BoundControl &bound : std::as_const(m_bound))
            showBound(bound);
    }
    updateControls();
}

// --- change slots ------------------------------------------------------------

QString ConfigBaseDialog::floatText(const QString &text)
{
    // The leading number, as C's atof reads it but always with a decimal
    // point whatever the user's locale; "12abc" is 12, "abc" is 0.
    static const QRegularExpression number(
            QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?"));
    const QRegularExpressionMatch match = number.match(text);
    double value = match.hasMatch() ? match.captured(0).trimmed().toDouble() : 0.0;
    if (!qIsFinite(value) || value == 0.0)
        value = 0.0; // an overflow is no number either, and -0 shows as 0
    return QString::asprintf("%f", value);
}

void ConfigBaseDialog::storeFromSender(const QString &value)
{
    const QObject *control = sender();
    if (!m_object || !control)
        return;
    // The object's own refresh may replace this dialog.
    const QPointer<ConfigBaseDialog> self(this);
    if (m_object->refuseChangeWhileTransferred(this)) {
        if (self)
            requestUpdate(); // shows the value the object still holds
        return;
    }
    m_object->setValue(control->objectName(), value, true);
    if (self)
        requestUpdate();
}

void ConfigBaseDialog::ValueChangedSlot()
{
    if (auto *edit = qobject_cast<QLineEdit *>(sender()))
        storeFromSender(edit->text());
}

void ConfigBaseDialog::FloatValueChangedSlot()
{
    if (auto *edit = qobject_cast<QLineEdit *>(sender()))
        storeFromSender(floatText(edit->text()));
}

void ConfigBaseDialog::CheckboxChangedSlot()
{
    if (auto *box = qobject_cast<QAbstractButton *>(sender()))
        storeFromSender(box->isChecked() ? QStringLiteral("true") : QStringLiteral("false"));
}

void ConfigBaseDialog::ComboChangedSlot()
{
    if (auto *control = qobject_cast<ComboBoxCtl *>(sender()))
        storeFromSender(control->valueText());
}

void ConfigBaseDialog::RadioButtonChangedSlot(bool on)
{
    if (m_refreshing || !on)
        return;
    auto *button = qobject_cast<QAbstractButton *>(sender());
    const auto it = m_radioValues.constFind(button);
    if (it != m_radioValues.constEnd())
        storeFromSender(*it);
}

void ConfigBaseDialog::PageButtonClickedSlot()
{
    const QObject *button = sender();
    if (m_object && button)
        m_object->showPage(button->objectName().toInt());
}

void ConfigBaseDialog::NextButtonClickedSlot()
{
    if (!m_object)
        return;
    // Opening the current item first makes its first child the next item.
    QTreeWidgetItem *own = m_object->getTreeItem();
    QTreeWidget *view = own ? own->treeWidget() : nullptr;
    if (QTreeWidgetItem *current = view ? view->currentItem() : nullptr)
        current->setExpanded(true);
    m_object->selectNextItem();
}

void ConfigBaseDialog::PreviousButtonClickedSlot()
{
    if (m_object)
        m_object->selectPreviousItem();
}
