#include "RYXCliPrompter.h"

#include <QtCore/QTextStream>

QMessageBox::StandardButton RYXCliPrompter::message(QMessageBox::Icon icon, QWidget *parent,
                                                    const QString &title, const QString &text,
                                                    QMessageBox::StandardButtons buttons,
                                                    QMessageBox::StandardButton defaultButton,
                                                    QMessageBox::StandardButton escapeButton)
{
    const QMessageBox::StandardButton answer =
        RYXScriptedPrompter::message(icon, parent, title, text, buttons, defaultButton, escapeButton);
    if (m_output) {
        QString flat = text;
        flat.replace(QLatin1Char('\n'), QLatin1Char(' '));
        *m_output << title << ": " << flat.simplified() << '\n';
        m_output->flush();
    }
    return answer;
}
