#pragma once

#include "devices/RYXIOModule.h"
#include "model/RYXClassInfo.h"

// The temperature input module (TIM) and the base of the analog input
// modules: four channels, created with the module; all configuration lives
// in them. It offers "patch" and "unpatch", which correct the module type
// that older firmware reports on each channel.
class TIModuleObject : public RYXIOModule
{
    Q_OBJECT
public:
    static const RYXClassInfo Info;
    static constexpr int ChannelCount = 4;
    /// The channel variant of a temperature channel.
    static constexpr int TemperatureVariant = -1;
    /// The target of "unpatch".
    static constexpr int UnpatchedType = 0xFF;

    explicit TIModuleObject(QObject *parent = nullptr);

    int executeOperation(const QString &op, bool topLevel = true) override;

    /// Runs patchChannel with \a target on every channel in order; 0 when all succeeded.
    virtual int patchChannels(int target);

protected:
    /// A module of class \a info whose channel n has variant \a variants[n-1].
    TIModuleObject(QObject *parent, const RYXClassInfo &info, const int (&variants)[ChannelCount]);

private:
    void createChannels(const int (&variants)[ChannelCount]);
};
