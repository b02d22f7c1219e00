#include "dialogs/ComboBoxCtl.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QComboBox>

ComboBoxCtl::ComboBoxCtl(QObject *parent)
    : QObject(parent)
{
}

void ComboBoxCtl::attach(QComboBox *comboBox)
{
    if (m_comboBox)
        disconnect(m_comboBox, nullptr, this, nullptr);
    m_comboBox = comboBox;
    m_table = nullptr;
    m_userIndex = -1;
    m_count = 0;
    if (comboBox)
        connect(comboBox, QOverload<int>::of(&QComboBox::activated), this,
                &ComboBoxCtl::ComboBoxChangeSlot);
}

QComboBox *ComboBoxCtl::comboBox() const
{
    return m_comboBox.data();
}

void ComboBoxCtl::setChoices(const ComboChoice *table)
{
    m_table = table;
    m_count = 0;
    if (!m_comboBox)
        return;
    m_comboBox->clear();
    for (const ComboChoice *entry = table; entry && entry->text; ++entry) {
        m_comboBox->addItem(QCoreApplication::translate("ComboBoxCtl", entry->text));
        ++m_count;
    }
}

void ComboBoxCtl::selectValue(int value)
{
    if (!m_comboBox || !m_table)
        return;
    for (int i = 0; i < m_count; ++i) {
        if (m_table[i].value == value) {
            // setCurrentIndex() does not emit activated(), so this is never
            // mistaken for a choice of the user.
            m_comboBox->setCurrentIndex(i);
            return;
        }
    }
}

void ComboBoxCtl::setChoicesAndValue(const ComboChoice *table, int value)
{
    setChoices(table);
    selectValue(value);
}

QString ComboBoxCtl::valueText() const
{
    if (!m_table || m_userIndex < 0 || m_userIndex >= m_count)
        return QStringLiteral("0");
    return QString::number(m_table[m_userIndex].value);
}

void ComboBoxCtl::show()
{
    if (m_comboBox)
        m_comboBox->show();
}

void ComboBoxCtl::hide()
{
    if (m_comboBox)
        m_comboBox->hide();
}

void ComboBoxCtl::ComboBoxChangeSlot(int index)
{
    m_userIndex = index;
    if (m_table)
        emit ValueChanged();
}
