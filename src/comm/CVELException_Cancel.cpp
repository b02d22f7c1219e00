#include "comm/CVELException_Cancel.h"

CVELException_Cancel::CVELException_Cancel()
    : CVELException(QStringLiteral("Cancel button clicked on progress dialog"))
{
}
