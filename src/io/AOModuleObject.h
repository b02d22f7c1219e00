#pragma once

#include "devices/RYXIOModule.h"
#include "model/RYXClassInfo.h"

// The analog output module (AOM): four analog output channels, created with
// the module; all configuration lives in them. It offers "patch" and
// "unpatch", which correct the module type that older firmware reports on
// each channel.
class AOModuleObject : public RYXIOModule
{
    Q_OBJECT
public:
    static const RYXClassInfo Info;
    static constexpr int ChannelCount = 4;
    /// The target of "unpatch".
    static constexpr int UnpatchedType = 0xFF;

    explicit AOModuleObject(QObject *parent = nullptr);

    int executeOperation(const QString &op, bool topLevel = true) override;

    /// Runs patchChannel with \a target on every channel in order; 0 when all succeeded.
    virtual int patchChannels(int target);

private:
    void createChannels();
};
