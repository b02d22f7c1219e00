#pragma once

#include "core/RYXScriptedPrompter.h"

class QTextStream;

// Answers every message box by its default button, as the scripted
// prompter does, and writes its title and text to a stream first, so no
// prompt ever waits for a person and none goes unseen.
class RYXCliPrompter : public RYXScriptedPrompter
{
public:
    explicit RYXCliPrompter(QTextStream *output) : m_output(output) {}

    QMessageBox::StandardButton message(QMessageBox::Icon icon, QWidget *parent,
                                        const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton,
                                        QMessageBox::StandardButton escapeButton) override;

private:
    QTextStream *m_output;
};
