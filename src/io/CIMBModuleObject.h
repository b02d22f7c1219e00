#pragma once

#include "io/AIModuleObject.h"

// The current input module (IIM): four current channels.
class CIMBModuleObject : public AIModuleObject
{
    Q_OBJECT
public:
    static const RYXClassInfo Info;

    explicit CIMBModuleObject(QObject *parent = nullptr);
};
