#include "comm/CVELException_ExcessiveRetries.h"

CVELException_ExcessiveRetries::CVELException_ExcessiveRetries(const QString &debugLine)
    : CVELException(QStringLiteral("Excessive Retries during") + debugLine)
{
}
