// Typing into a line edit as a user does: key presses for plain ASCII, the
// input method's committed text for anything else (QTest has no keys for
// it), then Return.
#pragma once

#include <QtCore/QCoreApplication>
#include <QtGui/QInputMethodEvent>
#include <QtTest/QTest>
#include <QtWidgets/QLineEdit>

#include <algorithm>

inline void typeText(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    edit->del();
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; })) {
        QTest::keyClicks(edit, text);
    } else {
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QCoreApplication::sendEvent(edit, &commit);
    }
    QTest::keyClick(edit, Qt::Key_Return);
}
