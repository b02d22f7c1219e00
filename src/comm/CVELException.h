#pragma once

#include <QtCore/QString>

// A failed point transfer inside a device operation; caught by the
// operation or the connection thread and turned into a result code.
class CVELException
{
public:
    explicit CVELException(const QString &message);
    virtual ~CVELException();
    QString message() const { return m_message; }

private:
    QString m_message;
};
