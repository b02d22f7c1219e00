#pragma once

#include "devices/RYXIOModule.h"
#include "model/RYXClassInfo.h"

// Stands in the tree for an I/O module whose type is not known: no
// configuration, no channels, and it refuses transfers. Made for a module
// the device reports with a type code the program has no class for, it
// keeps that code, so that the station still matches the device.
class UndeterminedModuleObject : public RYXIOModule
{
    Q_OBJECT
public:
    static const RYXClassInfo Info;

    explicit UndeterminedModuleObject(QObject *parent = nullptr);

    /// The device module type code this module stands for (0 when made by the user).
    int standInType();
    void setStandInType(int typeCode);

    bool standsInFor(int typeCode) override;
    QString getExtraPropertiesHtml() override;
    bool addToEventBox(int decimals = 2) override;
    int upload(bool topLevel) override;
    int download(bool topLevel) override;
    int executeOperation(const QString &op, bool topLevel = true) override;
    int synchronize() override;

private:
    int refuseTransfer(const QString &title, const QString &line);
};
