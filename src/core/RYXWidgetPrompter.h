#pragma once

#include "core/RYXPrompter.h"

// Shows real message boxes and file dialogs.
class RYXWidgetPrompter : public RYXPrompter
{
public:
    QMessageBox::StandardButton message(QMessageBox::Icon icon, QWidget *parent,
                                        const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton,
                                        QMessageBox::StandardButton escapeButton) override;
    QMessageBox::StandardButton messageWithCheckBox(
            QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text,
            const QString &checkBoxText, bool *checked, QMessageBox::StandardButtons buttons,
            QMessageBox::StandardButton defaultButton,
            QMessageBox::StandardButton escapeButton) override;
    QString getOpenFileName(QWidget *parent, const QString &caption,
                            const QString &filter) override;
    QString getSaveFileName(QWidget *parent, const QString &caption,
                            const QString &filter) override;

private:
    static void setDefaultAndEscape(QMessageBox &box, QMessageBox::StandardButton defaultButton,
                                    QMessageBox::StandardButton escapeButton);
};
