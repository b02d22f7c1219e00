#pragma once

#include "core/RYXPrompter.h"

#include <QtCore/QList>
#include <QtCore/QQueue>
#include <QtCore/QStringList>

class QThread;

// Answers prompts from queued answers, recording every prompt it was
// shown. With no queued answer a message box takes its default button
// (its escape button when it has none) and a file dialog is cancelled.
// Used by tests and by the headless front end.
class RYXScriptedPrompter : public RYXPrompter
{
public:
    struct Prompt
    {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QThread *thread; // where the prompt was shown
        QString checkBoxText = QString(); // empty: the box had no check box
    };

    void queueButton(QMessageBox::StandardButton button) { m_buttons.enqueue(button); }
    void queueFileName(const QString &name) { m_fileNames.enqueue(name); }
    /// The state a check box is left in by the next prompt that has one
    /// (without a queued state it keeps the state it was shown with).
    void queueCheckBox(bool checked) { m_checks.enqueue(checked); }

    const QList<Prompt> &prompts() const { return m_prompts; }
    QStringList promptTexts() const;
    int fileDialogCount() const { return m_fileDialogs; }
    void clear();

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
    QString nextFileName();

    QQueue<QMessageBox::StandardButton> m_buttons;
    QQueue<QString> m_fileNames;
    QQueue<bool> m_checks;
    QList<Prompt> m_prompts;
    int m_fileDialogs = 0;
};
