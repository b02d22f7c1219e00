#pragma once

#include "io/DIModuleVLObject.h"

// The high voltage discrete input module (HV8): the low voltage module
// under its own name and module type.
class DIModuleVHObject : public DIModuleVLObject
{
    Q_OBJECT
public:
    static const RYXClassInfo Info;

    explicit DIModuleVHObject(QObject *parent = nullptr);
};
