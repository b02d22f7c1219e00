#pragma once

#include "model/RYXDialogProvider.h"

#include <QtCore/QPointer>
#include <QtCore/QString>

// The property dialog rule of every tree object class whose dialog is a
// Dialog (a ConfigBaseDialog built with its Object): a dialog of the same
// class already shown is re-targeted to the object and refreshed (the pane
// keeps it); otherwise a new one is built and named "PropDialog".
template<typename Dialog, typename Object>
class PropertyDialogProvider : public RYXDialogProvider
{
public:
    QWidget *createDialog(RYXObject *object, QWidget *parent, QWidget *current, bool *reused) override
    {
        if (auto *shown = qobject_cast<Dialog *>(current)) {
            shown->setObject(object);
            shown->requestUpdate();
            m_dialog = shown;
            if (reused)
                *reused = true;
            return nullptr;
        }
        if (reused)
            *reused = false;
        auto *dialog = new Dialog(static_cast<Object *>(object), parent);
        dialog->setObjectName(QStringLiteral("PropDialog"));
        m_dialog = dialog;
        return dialog;
    }

    void refresh(RYXObject *object) override
    {
        if (m_dialog && m_dialog->object() == object)
            m_dialog->requestUpdate();
    }

    QWidget *dialog() const override { return m_dialog; }

private:
    QPointer<Dialog> m_dialog;
};
