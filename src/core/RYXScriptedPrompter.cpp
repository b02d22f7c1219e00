#include "core/RYXScriptedPrompter.h"

#include <QtCore/QThread>

QStringList RYXScriptedPrompter::promptTexts() const
{
    QStringList texts;
    for (const Prompt &p : m_prompts)
        texts << p.text;
    return texts;
}

void RYXScriptedPrompter::clear()
{
    m_buttons.clear();
    m_fileNames.clear();
    m_checks.clear();
    m_prompts.clear();
    m_fileDialogs = 0;
}

QMessageBox::StandardButton RYXScriptedPrompter::message(QMessageBox::Icon icon, QWidget *,
                                                         const QString &title, const QString &text,
                                                         QMessageBox::StandardButtons buttons,
                                                         QMessageBox::StandardButton defaultButton,
                                                         QMessageBox::StandardButton escapeButton)
{
    m_prompts.append({icon, title, text, QThread::currentThread()});
    if (!m_buttons.isEmpty()) {
        const QMessageBox::StandardButton b = m_buttons.dequeue();
        if (buttons.testFlag(b))
            return b;
    }
    return defaultButton != QMessageBox::NoButton ? defaultButton : escapeButton;
}

QMessageBox::StandardButton RYXScriptedPrompter::messageWithCheckBox(
        QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text,
        const QString &checkBoxText, bool *checked, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton, QMessageBox::StandardButton escapeButton)
{
    const QMessageBox::StandardButton answer =
            message(icon, parent, title, text, buttons, defaultButton, escapeButton);
    m_prompts.last().checkBoxText = checkBoxText;
    if (!m_checks.isEmpty()) {
        const bool state = m_checks.dequeue();
        if (checked)
            *checked = state;
    }
    return answer;
}

QString RYXScriptedPrompter::nextFileName()
{
    ++m_fileDialogs;
    return m_fileNames.isEmpty() ? QString() : m_fileNames.dequeue();
}

QString RYXScriptedPrompter::getOpenFileName(QWidget *, const QString &, const QString &)
{
    return nextFileName();
}

QString RYXScriptedPrompter::getSaveFileName(QWidget *, const QString &, const QString &)
{
    return nextFileName();
}
