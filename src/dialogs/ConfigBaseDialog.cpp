#include "dialogs/ConfigBaseDialog.h"

#include "core/StartupFlags.h"
#include "database/PointValueCheck.h"
#include "database/RYXDatabase.h"
#include "dialogs/ComboBoxCtl.h"
#include "dialogs/PopupHelpLoader.h"
#include "dialogs/RYXLineEdit.h"
#include "model/RYXListViewItem.h"
#include "model/RYXObject.h"
#include "model/RYXObjectPlugin.h"

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
// The tool tip a control had before an explanation was added to it, and
// the tool tip with the explanation, to tell a new help text from it.
const char plainToolTipProperty[] = "ryxPlainToolTip";
const char explainedToolTipProperty[] = "ryxExplainedToolTip";
// Set while a field is red because its device field cannot take its value.
const char colouredProperty[] = "ryxColouredByValue";
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
    case ControlBinding::Text: {
        auto *edit = static_cast<RYXLineEdit *>(control);
        const QString text = readText(key);
        limitLength(edit, key, text);
        edit->setText(text);
        break;
    }
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

// --- explaining values ----------------------------------------------------

RYXObject *ConfigBaseDialog::pointHolder() const
{
    auto *plugin = qobject_cast<RYXObjectPlugin *>(m_object.data());
    return plugin && plugin->getHost() ? plugin->getHost() : m_object.data();
}

QString ConfigBaseDialog::explainValue(const ControlBinding &row, bool *invalid)
{
    RYXObject *holder = pointHolder();
    DataPoint point;
    const QString key = QLatin1String(row.key);
    if (!holder || !holder->getDataPoint(key, point))
        point = DataPoint();
    QStringList allowed;
    if (row.rule)
        allowed << QCoreApplication::translate("ConfigBaseDialog", row.rule);
    const QString limit = PointValueCheck::limit(point.type, point.size);
    if (!limit.isEmpty())
        allowed << limit;
    const QString objection = holder ? holder->getDatabase()->valueProblem(key) : QString();
    const bool broken = !objection.isEmpty() || (row.validity && !readBool(QLatin1String(row.validity)));
    if (invalid)
        *invalid = broken;
    if (allowed.isEmpty() && objection.isEmpty())
        return QString();
    QString text = allowed.join(QStringLiteral("; "));
    if (!text.isEmpty())
        text = tr("Allowed: %1.").arg(text);
    if (broken)
        text = tr("Not valid.") + QLatin1Char(' ') + text;
    if (!objection.isEmpty())
        text += QLatin1Char('\n') + tr("The device cannot take it: %1").arg(objection);
    return text.trimmed();
}

void ConfigBaseDialog::setExplainedToolTip(QWidget *widget, const QString &explanation)
{
    const QString shown = widget->toolTip();
    // A tool tip set since the last explanation (a help page) is the plain one now.
    if (shown != widget->property(explainedToolTipProperty).toString())
        widget->setProperty(plainToolTipProperty, shown);
    const QString plain = widget->property(plainToolTipProperty).toString();
    QString text = plain;
    if (!explanation.isEmpty())
        text = plain.isEmpty() ? explanation : plain + QStringLiteral("\n\n") + explanation;
    widget->setProperty(explainedToolTipProperty, text);
    widget->setToolTip(text);
}

void ConfigBaseDialog::limitLength(RYXLineEdit *edit, const QString &key, const QString &text)
{
    RYXObject *holder = pointHolder();
    DataPoint point;
    const int capacity = holder && holder->getDataPoint(key, point)
                                 ? PointValueCheck::textCapacity(point.type, point.size)
                                 : -1;
    // A longer value (read from a file) is shown whole, and red, until it
    // is mended: a field never cuts what it holds.
    edit->setMaxLength(capacity >= 0 ? qMax(capacity, int(text.size())) : 32767);
}

void ConfigBaseDialog::explainBound(const BoundControl &bound)
{
    // A page button's "key" is a page number, not a point.
    if (bound.row->kind == ControlBinding::Page)
        return;
    auto *widget = qobject_cast<QWidget *>(bound.control.data());
    if (bound.combo)
        widget = bound.combo->comboBox();
    if (!widget)
        return;
    const ControlBinding &row = *bound.row;
    bool invalid = false;
    const QString explanation = explainValue(row, &invalid);
    // Other kinds of control speak up when their value is wrong, and once
    // more to take the word back.
    const bool explained = widget->property(explainedToolTipProperty).isValid();
    if (!row.validity && row.kind != ControlBinding::Text && !invalid && !explained)
        return;
    // A dialog may colour a field by a rule the table does not name; only
    // the colour given here is taken back here.
    const bool field = row.kind == ControlBinding::Text || row.kind == ControlBinding::Float;
    if (field && (row.validity || invalid || widget->property(colouredProperty).toBool())) {
        setValidColour(widget, !invalid);
        widget->setProperty(colouredProperty, invalid && !row.validity);
    }
    setExplainedToolTip(widget, explanation);
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

QString ConfigBaseDialog::valueText(double value)
{
    return QString::asprintf(ExtraResolution ? "%.4f" : "%.2f", value);
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
    for (const BoundControl &bound : std::as_const(m_bound)) {
        if (bound.row->validity && key == QLatin1String(bound.row->validity))
            setExplainedToolTip(widget, explainValue(*bound.row));
    }
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
    // After the dialog's own refresh, which may validate the values anew.
    if (m_object) {
        for (const BoundControl &bound : std::as_const(m_bound))
            explainBound(bound);
    }
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
    if (const QObject *control = sender())
        storeValue(control->objectName(), value);
}

void ConfigBaseDialog::storeValue(const QString &key, const QString &value)
{
    if (!m_object)
        return;
    // The object's own refresh may replace this dialog.
    const QPointer<ConfigBaseDialog> self(this);
    if (m_object->refuseChangeWhileTransferred(this)) {
        if (self)
            requestUpdate(); // shows the value the object still holds
        return;
    }
    m_object->setValue(key, value, true);
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
