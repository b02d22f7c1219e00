#include "app/RYXDownloadConfirmation.h"

#include "comm/RYXConnection.h"
#include "comm/ZEMPRSPort.h"
#include "comm/ZEMPTCPPort.h"
#include "core/RYXPrompter.h"
#include "model/RYXObject.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QSettings>

namespace {

QSettings settings()
{
    return QSettings(QStringLiteral("Velmark"), QStringLiteral("RYX Config"));
}

const QString ConfirmKey = QStringLiteral("/ConfirmDownloads");

} // namespace

bool RYXDownloadConfirmation::isEnabled()
{
    return settings().value(ConfirmKey, true).toBool();
}

void RYXDownloadConfirmation::setEnabled(bool ask)
{
    QSettings store = settings();
    store.setValue(ConfirmKey, ask);
}

QString RYXDownloadConfirmation::address(RYXConnectionBase *connection)
{
    ZEMPPort *port = connection ? connection->getPort() : nullptr;
    if (auto *tcp = qobject_cast<ZEMPTCPPort *>(port))
        return QStringLiteral("%1:%2").arg(tcp->host()).arg(tcp->port());
    if (auto *serial = qobject_cast<ZEMPRSPort *>(port))
        return serial->deviceName();
    auto *link = qobject_cast<RYXConnection *>(connection);
    return link ? link->ipAddress() : QString();
}

QString RYXDownloadConfirmation::question(RYXObject *object)
{
    RYXObject *station = object->topLevelObject();
    QString what = object->getName();
    if (station && station != object)
        what = tr("%1 of %2").arg(what, station->getName());
    RYXConnectionBase *connection = nullptr;
    object->getConnection(object, connection);
    const QString where = address(connection);
    if (where.isEmpty())
        return tr("Download the configuration of %1?").arg(what);
    return tr("Download the configuration of %1 to %2?").arg(what, where);
}

bool RYXDownloadConfirmation::ask(QWidget *parent, RYXObject *object)
{
    if (!object || !isEnabled())
        return true;
    bool doNotAsk = false;
    const QMessageBox::StandardButton answer = RYXPrompter::instance()->messageWithCheckBox(
            QMessageBox::Question, parent, QStringLiteral("RYX Config"), question(object),
            tr("Do not ask again"), &doNotAsk, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
            QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return false;
    if (doNotAsk)
        setEnabled(false);
    return true;
}
