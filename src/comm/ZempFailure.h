#pragma once

#include <QtCore/QCoreApplication>
#include <QtCore/QString>

// Why the last transaction of a port failed: its status, the cause as the
// user reads it ("no answer in 2 s", "connection refused", "device error 5")
// and the point it was for. A status of 0 means the last transaction
// succeeded.
struct ZempFailure
{
    Q_DECLARE_TR_FUNCTIONS(ZempFailure)

public:
    int status = 0;
    QString cause;
    QString point;              // the point's name, when the caller gave one
    unsigned short address = 0; // the point's address
    unsigned short tunnel = 0;  // the tunnel it was reached through, 0 if none

    bool isFailure() const { return status != 0; }
    /// "device error 5; point descriptor, address 0x000C" and the like.
    QString text() const;
    /// The cause as a line of a message box: "No answer in 30 s", "Host not
    /// found", "Connection refused by \a peer"; empty when there is no failure.
    QString sentence(const QString &peer) const;

    /// The cause of a connection the station's host refused.
    static QString connectionRefused();

    /// The cause of a status when the transport knows no better.
    static QString causeOf(int status);
    /// "no answer in 2 s", "no answer in 0.3 s".
    static QString noAnswerIn(int milliseconds);
};
