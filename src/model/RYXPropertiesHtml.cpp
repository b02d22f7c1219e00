#include "model/RYXPropertiesHtml.h"

#include "model/RYXObject.h"

RYXPropertiesHtml::RYXPropertiesHtml(const QString &name, bool online, unsigned statusFlags)
    : m_html(QStringLiteral("<b>") + name + QStringLiteral("</b><br>")
             + QStringLiteral("<table border=1 width=0 cellspacing=0 cellpadding=0>")
             + QStringLiteral("<tr><td width=150>%1</td><td width=150>%2</td></tr>")
                   .arg(tr("Connection Status:"), online ? tr("ONLINE") : tr("OFFLINE"))),
      m_online(online),
      m_flags(statusFlags)
{
}

QString RYXPropertiesHtml::row(const QString &label, const QString &value)
{
    return QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(label, value);
}

// Errors show whatever the connection; the other states only online.
void RYXPropertiesHtml::addDataStatus()
{
    QString status;
    if (m_flags & RYXObject::ConfigError)
        status = tr("CONFIGURATION ERROR");
    else if (m_flags & RYXObject::ChildError)
        status = tr("ERROR IN CHILD");
    else if (!m_online)
        return;
    else if (m_flags & RYXObject::NotCurrent)
        status = tr("CONFIGURATION NOT CURRENT");
    else if (m_flags & RYXObject::ChildNotCurrent)
        status = tr("CONFIGURATION NOT CURRENT IN ONE OR MORE CHILD");
    else
        status = tr("CONFIGURATION CURRENT");
    m_html += row(tr("Data Status:"), status);
}

void RYXPropertiesHtml::addFirmwareVersion(int version, bool threeParts)
{
    const QString text = threeParts
        ? QString::asprintf(" %d.%d.%02d", version >> 16 & 0xFF, version >> 8 & 0xFF, version & 0xFF)
        : QString::asprintf(" %d.%02d", version >> 8 & 0xFF, version & 0xFF);
    m_html += row(tr("Firmware Version:"), text);
}

void RYXPropertiesHtml::addSerialNumber(int serialNumber)
{
    m_html += row(tr("Serial Number:"), QString::asprintf(" %d", serialNumber));
}

void RYXPropertiesHtml::addRows(const QString &rows)
{
    m_html += rows;
}

QString RYXPropertiesHtml::text() const
{
    return m_html + QStringLiteral("</table>");
}
