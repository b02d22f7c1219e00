#pragma once

#include "io/AIModuleObject.h"

// The cathodic input module (CIM): two voltage channels in different ranges, a
// bipolar voltage channel and a current channel.
class CIMAModuleObject : public AIModuleObject
{
    Q_OBJECT
public:
    static const RYXClassInfo Info;

    explicit CIMAModuleObject(QObject *parent = nullptr);
};
