// Answering a real message box in a GUI test: the box runs its own event
// loop, so the answer is given from a timer once the box shows.
#pragma once

#include <QtCore/QTimer>
#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMessageBox>

#include <functional>

/// Clicks \a button of the next message box that shows, after saving a
/// picture of it to \a screenshot and handing it to \a look.
inline void answerNextMessageBox(QObject *context, QMessageBox::StandardButton button,
                                 const QString &screenshot,
                                 std::function<void(QMessageBox &)> look = {})
{
    auto *poll = new QTimer(context);
    QObject::connect(poll, &QTimer::timeout, context, [=] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        if (look)
            look(*box);
        box->grab().save(screenshot);
        box->button(button)->click();
    });
    poll->start(10);
}
