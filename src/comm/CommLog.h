#pragma once

#include <QtCore/QLoggingCategory>

// Developer diagnostics of the device communication layer ("ryx.comm").
Q_DECLARE_LOGGING_CATEGORY(lcComm)
