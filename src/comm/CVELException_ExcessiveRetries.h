#pragma once

#include "comm/CVELException.h"

// Every attempt of a point transfer failed; \a debugLine describes the last.
class CVELException_ExcessiveRetries : public CVELException
{
public:
    explicit CVELException_ExcessiveRetries(const QString &debugLine);
};
