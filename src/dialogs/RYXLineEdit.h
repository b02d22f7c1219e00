#pragma once

#include <QtWidgets/QLineEdit>

// A line edit that reports committed edits: Enter always commits, leaving
// the field commits only when the text differs from the last text set or
// committed.
class RYXLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit RYXLineEdit(QWidget *parent = nullptr);
    RYXLineEdit(const QString &text, QWidget *parent = nullptr);

    /// Shows \a text and takes it as the committed text.
    void setText(const QString &text);
    QString committedText() const { return m_committedText; }

Q_SIGNALS:
    void signalDataChange();

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void connectReturn();

    QString m_committedText;
};
