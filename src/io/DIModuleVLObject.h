#pragma once

#include "io/DIModuleObject.h"

// The low voltage discrete input module (LV8), and the base of the high
// voltage one: its inputs are filtered against the mains frequency by a
// count and per-input up and down filter words.
class DIModuleVLObject : public DIModuleObject
{
    Q_OBJECT
public:
    static const RYXClassInfo Info;
    /// "filtercountinit" for a 60 Hz and for a 50 Hz filter.
    static constexpr int Count60Hz = 41;
    static constexpr int Count50Hz = 49;

    explicit DIModuleVLObject(QObject *parent = nullptr);

protected:
    DIModuleVLObject(QObject *parent, const RYXClassInfo &info);

    QStringList uploadKeys() const override;
    QStringList downloadKeys() const override;
    void deriveDeviceWords() override;
    void decodeDeviceWords() override;
    QString stateText(bool set) const override;
};
