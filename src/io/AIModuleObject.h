#pragma once

#include "io/TIModuleObject.h"

// The analog input module (AIM, four plain analog input channels) and the
// base of the cathodic, current and voltage input modules, which differ
// only in their channel variants.
class AIModuleObject : public TIModuleObject
{
    Q_OBJECT
public:
    static const RYXClassInfo Info;

    explicit AIModuleObject(QObject *parent = nullptr);

protected:
    AIModuleObject(QObject *parent, const RYXClassInfo &info, const int (&variants)[ChannelCount]);
};
