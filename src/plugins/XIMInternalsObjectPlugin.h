#pragma once

#include "model/RYXClassInfo.h"
#include "model/RYXObjectPlugin.h"


// The "Internals" child of an interface module: the scan mode commands.
// Its dialog's buttons become signals that the station answers by asking
// its connection for the matching operation.
class XIMInternalsObjectPlugin : public RYXObjectPlugin
{
    Q_OBJECT
public:
    static const RYXClassInfo Info;

    explicit XIMInternalsObjectPlugin(RYXObject *host = nullptr);

    int executeOperation(const QString &op, bool topLevel = true) override;

    void getScanModeClicked() { emit GetScanModeButtonClickedSignal(); }
    void setScanModeClicked() { emit SetScanModeButtonClickedSignal(); }
    void setScanLinesClicked() { emit SetScanLinesButtonClickedSignal(); }

Q_SIGNALS:
    void GetScanModeButtonClickedSignal();
    void SetScanModeButtonClickedSignal();
    void SetScanLinesButtonClickedSignal();
};
