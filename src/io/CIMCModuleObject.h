#pragma once

#include "io/AIModuleObject.h"

// The voltage input module (VIM): a 0 to 100 V channel and three 0 to 125 V channels.
class CIMCModuleObject : public AIModuleObject
{
    Q_OBJECT
public:
    static const RYXClassInfo Info;

    explicit CIMCModuleObject(QObject *parent = nullptr);
};
