#include "core/RYXWidgetPrompter.h"

#include <QtWidgets/QFileDialog>

QMessageBox::StandardButton RYXWidgetPrompter::message(QMessageBox::Icon icon, QWidget *parent,
                                                       const QString &title, const QString &text,
                                                       QMessageBox::StandardButtons buttons,
                                                       QMessageBox::StandardButton defaultButton,
                                                       QMessageBox::StandardButton escapeButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (escapeButton != QMessageBox::NoButton)
        box.setEscapeButton(escapeButton);
    return QMessageBox::StandardButton(box.exec());
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
