#include "comm/ZempFailure.h"

#include "comm/ZEMPOpEnum.h"

namespace {

QString hexAddress(unsigned short address)
{
    return QStringLiteral("0x") + QString::number(address, 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

} // namespace

QString ZempFailure::text() const
{
    QString where = QStringLiteral("; ");
    if (!point.isEmpty())
        where += tr("point ") + point + QStringLiteral(", ");
    where += tr("address ") + hexAddress(address);
    if (tunnel != 0)
        where += tr(" behind ") + hexAddress(tunnel);
    return cause + where;
}

QString ZempFailure::sentence(const QString &peer) const
{
    if (!isFailure() || cause.isEmpty())
        return QString();
    QString line = cause;
    line[0] = line[0].toUpper();
    if (cause == connectionRefused() && !peer.isEmpty())
        line += tr(" by ") + peer;
    return line;
}

QString ZempFailure::connectionRefused()
{
    return tr("connection refused");
}

QString ZempFailure::causeOf(int status)
{
    switch (status) {
    case ZEMP_SUCCESS:
        return QString();
    case ZEMP_ERR_TIMEOUT:
        return tr("no answer");
    case ZEMP_ERR_CHECKSUM:
        return tr("checksum fault in the reply");
    case ZEMP_ERR_REQUEST:
        return tr("request too long to send");
    default:
        return tr("device error %1").arg(status);
    }
}

QString ZempFailure::noAnswerIn(int milliseconds)
{
    return tr("no answer in %1 s").arg(QString::number(milliseconds / 1000.0));
}
