// Finding a control of a property dialog by the name it has in its form
// (bound controls carry their point key as object name).
#pragma once

#include "dialogs/ConfigBaseDialog.h"

#include <QtWidgets/QWidget>

template<typename T>
T *control(QWidget *dialog, const char *formName)
{
    for (T *candidate : dialog->findChildren<T *>()) {
        if (candidate->objectName() == QLatin1String(formName)
            || ConfigBaseDialog::formName(candidate) == QLatin1String(formName))
            return candidate;
    }
    qFatal("no control %s", formName);
    return nullptr;
}
