#pragma once

#include "comm/CVELException.h"

// The user pressed Cancel on the progress dialog.
class CVELException_Cancel : public CVELException
{
public:
    CVELException_Cancel();
};
