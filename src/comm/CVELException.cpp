#include "comm/CVELException.h"

CVELException::CVELException(const QString &message)
    : m_message(message)
{
}

CVELException::~CVELException() = default;
