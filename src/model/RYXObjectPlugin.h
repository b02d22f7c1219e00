#pragma once

#include "model/RYXObject.h"

#include <QtCore/QMutex>
#include <QtCore/QPointer>
#include <QtCore/QSet>

// A tree object that presents part of its host's configuration in its own
// tree item and dialog. Every value lives in the host's database; the
// plug-in only tracks which of its own keys differ from their reference
// values, so its LED shows "not current" for its part of the host's data.
class RYXObjectPlugin : public RYXObject
{
    Q_OBJECT
public:
    /// \a host is also the QObject parent; null for a detached plug-in.
    explicit RYXObjectPlugin(RYXObject *host = nullptr);

    using RYXObject::getValue;
    using RYXObject::setValue;

    RYXObject *getHost() const { return host; }

    bool setValue(const QString &key, const QString &value, bool updateUi = false) override;
    bool getValue(const QString &key, QString &value) override;
    void markCurrent(const QString &key) override;
    bool copyDataFrom(RYXObject *source) override;
    void writeXml(QTextStream &stream, int indent) override;

    /// Copies the host's current values into the plug-in's own points.
    virtual bool cloneIntoPlugin();

    /// The plug-in's keys whose host value differs from its reference, in key order.
    QStringList modifiedPluginKeys() const;

protected:
    /// Connects \a signal of \a sender to \a slot of \a host when the host has
    /// that slot (every interface module has the plug-ins' slots).
    static void connectToHost(QObject *sender, const char *signal, QObject *host, const char *slot);

private:
    void trackModification(const QString &key);
    /// Records \a key as modified or not; an empty \a key with \a modified
    /// false forgets every key.
    void setModified(const QString &key, bool modified);
    /// Bit 2 follows the plug-in's own keys, not its own database.
    void updatePluginNotCurrentBit();

    QPointer<RYXObject> host;
    // Edited on the GUI thread, cleared by transfers on the connection thread.
    mutable QMutex m_modifiedLock;
    QSet<QString> modifiedKeys;
};
