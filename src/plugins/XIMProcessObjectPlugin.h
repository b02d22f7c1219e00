#pragma once

#include "model/RYXClassInfo.h"
#include "model/RYXObjectPlugin.h"

#include <QtCore/QList>
#include <QtCore/QMutex>

class XIMProcessDialog;

// The "Process Data" child of an interface module. The station's monitoring
// fills the process value list (under the plug-in's mutex); the dialog
// shows it. The check box of the dialog switches the station's monitoring.
class XIMProcessObjectPlugin : public RYXObjectPlugin
{
    Q_OBJECT
public:
    /// One row of the process value table.
    struct ProcessValue
    {
        QString iconName;
        QString name;
        QString value;
        QString statusIconName;
        QString statusText;
    };

    static const RYXClassInfo Info;

    explicit XIMProcessObjectPlugin(RYXObject *host = nullptr);

    void updateDialog() override;
    void setOnline(bool online) override;
    QString getStatusPixmapName(unsigned flags) override;
    QPixmap getStatusPixmap(unsigned flags) override;
    QString getExtraPropertiesHtml() override;
    int executeOperation(const QString &op, bool topLevel = true) override;

    /// Guards the process value list; the dialog only ever tries it.
    QMutex *listMutex() { return &m_listMutex; }
    /// The list itself; hold listMutex() while using it.
    QList<ProcessValue> &processValues() { return m_values; }
    /// Replaces the list under the mutex.
    void setProcessValues(const QList<ProcessValue> &values);

    bool isDataCurrent() const { return m_dataCurrent; }
    /// Marks the data current or stale; a change updates the tree LED.
    void setDataCurrent(bool current);
    /// The dialog currently showing this plug-in, if any.
    XIMProcessDialog *dialog() const;
    /// Emits monitorEnableButtonToggledSignal (the dialog's check box).
    void toggleMonitoring(bool on) { emit monitorEnableButtonToggledSignal(on); }

Q_SIGNALS:
    void monitorEnableButtonToggledSignal(bool on);

private:
    QMutex m_listMutex;
    QList<ProcessValue> m_values;
    bool m_dataCurrent = false;
};
