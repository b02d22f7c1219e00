#pragma once

#include "io/DIModuleObject.h"

// The contact closure discrete input module (CC8): its inputs are debounced
// by sixteen device words that all take the one debounce time the user
// chooses.
class DIModuleCCObject : public DIModuleObject
{
    Q_OBJECT
public:
    static const RYXClassInfo Info;

    explicit DIModuleCCObject(QObject *parent = nullptr);

    /// The debounce word keys in their download order.
    static QStringList debounceKeys();

protected:
    QStringList uploadKeys() const override;
    QStringList downloadKeys() const override;
    void deriveDeviceWords() override;
    void decodeDeviceWords() override;
};
