#pragma once

#include "comm/ZEMPOpEnum.h"

#include <QtCore/QString>

// One request and its response, run by ZEMPPort::execute. A non-zero tunnel
// address sends the request as an inner frame through the interface module.
struct ZempTransaction
{
    ZempTransaction(ZEMPOpEnum operation, unsigned short address,
                    const BYTE *data = nullptr, int count = 0);

    ZEMPOpEnum op;
    unsigned short address;
    unsigned short tunnelAddress = 0;
    BYTE requestData[ZEMP_MAX_FRAME];
    int requestCount = 0;
    int responseCount = 0;
    BYTE responseData[ZEMP_MAX_FRAME];
    BYTE frame[ZEMP_MAX_FRAME]; // the inner frame of a tunnelled request
    int frameLength = 0;
    QString point; // the point's name, for the report of a failure
};
