#pragma once

#include <QtCore/QPointer>
#include <QtCore/QThread>
#include <QtWidgets/QWidget>

// The property pane's dialog rule shared by the plug-ins: a dialog of the
// same class already shown is re-targeted to the object and refreshed (the
// pane keeps it, no new dialog is returned); otherwise a new one is built
// and named "PropDialog". Either way \a slot remembers the dialog so that
// later refreshes reach it.
template<typename Dialog, typename Object>
QWidget *createOrReuseDialog(Object *object, QWidget *parent, QWidget *current, bool *reused,
                             QPointer<Dialog> &slot)
{
    if (auto *shown = qobject_cast<Dialog *>(current)) {
        shown->setObject(object);
        shown->requestUpdate();
        slot = shown;
        if (reused)
            *reused = true;
        return nullptr;
    }
    if (reused)
        *reused = false;
    auto *dialog = new Dialog(object, parent);
    dialog->setObjectName(QStringLiteral("PropDialog"));
    slot = dialog;
    return dialog;
}

/// Refreshes \a object's dialog held in \a slot. Off the object's thread
/// (the connection thread) the refresh is posted to the GUI thread, which
/// calls the object's updateDialog() again there.
template<typename Dialog, typename Object>
void refreshObjectDialog(Object *object, const QPointer<Dialog> &slot)
{
    if (QThread::currentThread() != object->thread()) {
        object->postUpdateDialog();
        return;
    }
    if (slot && slot->object() == object)
        slot->requestUpdate();
}

/// Connects \a signal of \a sender to \a slot of \a host when the host has
/// that slot (every interface module has the plug-ins' slots).
inline void connectToHost(QObject *sender, const char *signal, QObject *host, const char *slot)
{
    if (host && host->metaObject()->indexOfSlot(QMetaObject::normalizedSignature(slot + 1)) >= 0)
        QObject::connect(sender, signal, host, slot);
}
