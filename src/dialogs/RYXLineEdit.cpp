#include "dialogs/RYXLineEdit.h"

RYXLineEdit::RYXLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
    connectReturn();
}

RYXLineEdit::RYXLineEdit(const QString &text, QWidget *parent)
    : QLineEdit(text, parent), m_committedText(text)
{
    connectReturn();
}

void RYXLineEdit::connectReturn()
{
    // Enter commits even an unchanged text, so the user can re-send a value
    // that the dialog rejected or that the device changed meanwhile.
    connect(this, &QLineEdit::returnPressed, this, &RYXLineEdit::signalDataChange);
}

void RYXLineEdit::setText(const QString &text)
{
    m_committedText = text;
    QLineEdit::setText(text);
}

void RYXLineEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    const QString shown = text();
    if (shown == m_committedText)
        return;
    m_committedText = shown;
    emit signalDataChange();
}
