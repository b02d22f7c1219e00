#include "model/RYXObjectPlugin.h"

#include "database/RYXDatabase.h"

#include <QtCore/QDebug>

RYXObjectPlugin::RYXObjectPlugin(RYXObject *hostObject)
    : RYXObject(hostObject), host(hostObject)
{
    showInTree = false;
    deletable = false;
}

bool RYXObjectPlugin::setValue(const QString &key, const QString &value, bool updateUi)
{
    if (!host)
        return RYXObject::setValue(key, value, updateUi);
    const bool stored = host->setValue(key, value, false);
    trackModification(key);
    updatePluginNotCurrentBit();
    if (updateUi)
        host->updateDialog();
    return stored;
}

// The host's record decides; a key the host lacks reads as an empty
// record, whose value equals its (empty) reference.
void RYXObjectPlugin::trackModification(const QString &key)
{
    DataPoint point;
    host->getDataPoint(key, point);
    if (point.hasAttribute(DataPoint::NotTracked))
        return;
    setModified(key, point.value != point.referenceValue);
}

void RYXObjectPlugin::setModified(const QString &key, bool modified)
{
    QMutexLocker lock(&m_modifiedLock);
    if (modified)
        modifiedKeys.insert(key);
    else if (key.isEmpty())
        modifiedKeys.clear();
    else
        modifiedKeys.remove(key);
}

QStringList RYXObjectPlugin::modifiedPluginKeys() const
{
    QMutexLocker lock(&m_modifiedLock);
    QStringList keys(modifiedKeys.cbegin(), modifiedKeys.cend());
    keys.sort();
    return keys;
}

bool RYXObjectPlugin::getValue(const QString &key, QString &value)
{
    return host ? host->getValue(key, value) : RYXObject::getValue(key, value);
}

void RYXObjectPlugin::markCurrent(const QString &key)
{
    if (host) {
        if (key.isEmpty()) {
            const QList<QString> keys = database->allPoints().keys();
            for (const QString &own : keys)
                host->markCurrent(own);
        } else {
            host->markCurrent(key);
        }
    }
    setModified(key, false);
    database->MarkCurrent(key);
    if (key.isEmpty())
        modifiedWhileOnline = false;
    updatePluginNotCurrentBit();
}

void RYXObjectPlugin::updatePluginNotCurrentBit()
{
    QMutexLocker lock(&m_modifiedLock);
    if (modifiedKeys.isEmpty() && !modifiedWhileOnline)
        statusFlags &= ~unsigned(NotCurrent);
    else
        statusFlags |= NotCurrent;
}

bool RYXObjectPlugin::copyDataFrom(RYXObject *source)
{
    return RYXObject::copyDataFrom(source);
}

bool RYXObjectPlugin::cloneIntoPlugin()
{
    if (!host)
        return false;
    setModified(QString(), false);
    const QList<QString> keys = database->allPoints().keys();
    for (const QString &key : keys) {
        QString value;
        if (host->getValue(key, value))
            database->SetValue(key, value);
    }
    updatePluginNotCurrentBit();
    return true;
}

void RYXObjectPlugin::writeXml(QTextStream &stream, int indent)
{
    if (!cloneIntoPlugin())
        qDebug("*************************************   couldn't clone data into plugin! "
               "**************************");
    RYXObject::writeXml(stream, indent);
}

void RYXObjectPlugin::connectToHost(QObject *sender, const char *signal, QObject *host, const char *slot)
{
    if (host && host->metaObject()->indexOfSlot(QMetaObject::normalizedSignature(slot + 1)) >= 0)
        QObject::connect(sender, signal, host, slot);
}
