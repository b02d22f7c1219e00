#include "core/RYXWidgetPrompter.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QFileDialog>

QMessageBox::StandardButton RYXWidgetPrompter::message(QMessageBox::Icon icon, QWidget *parent,
                                                       const QString &title, const QString &text,
                                                       QMessageBox::StandardButtons buttons,
                                                       QMessageBox::StandardButton defaultButton,
                                                       QMessageBox::StandardButton escapeButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    setDefaultAndEscape(box, defaultButton, escapeButton);
    return QMessageBox::StandardButton(box.exec());
}

QMessageBox::StandardButton RYXWidgetPrompter::messageWithCheckBox(
        QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text,
        const QString &checkBoxText, bool *checked, QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton, QMessageBox::StandardButton escapeButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    setDefaultAndEscape(box, defaultButton, escapeButton);
    auto *check = new QCheckBox(checkBoxText, &box);
    check->setChecked(checked && *checked);
    box.setCheckBox(check);
    const auto answer = QMessageBox::StandardButton(box.exec());
    if (checked)
        *checked = check->isChecked();
    return answer;
}

void RYXWidgetPrompter::setDefaultAndEscape(QMessageBox &box, QMessageBox::StandardButton defaultButton,
                                            QMessageBox::StandardButton escapeButton)
{
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (escapeButton != QMessageBox::NoButton)
        box.setEscapeButton(escapeButton);
}

QString RYXWidgetPrompter::getOpenFileName(QWidget *parent, const QString &caption,
                                           const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
}

QString RYXWidgetPrompter::getSaveFileName(QWidget *parent, const QString &caption,
                                           const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, QString(), filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}
