#pragma once

#include "devices/RYXIOModule.h"
#include "model/RYXClassInfo.h"

// Stands in the tree for an I/O module whose type is not known: no
// configuration, no channels, no points of its own, and it refuses transfers.
class UndeterminedModuleObject : public RYXIOModule
{
    Q_OBJECT
public:
    static const RYXClassInfo Info;

    explicit UndeterminedModuleObject(QObject *parent = nullptr);

    bool addToEventBox(int decimals = 2) override;
    int upload(bool topLevel) override;
    int download(bool topLevel) override;
    int executeOperation(const QString &op, bool topLevel = true) override;
    int synchronize() override;

private:
    int refuseTransfer(const QString &title, const QString &line);
};
