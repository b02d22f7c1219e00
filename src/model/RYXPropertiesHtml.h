#pragma once

#include <QtCore/QCoreApplication>
#include <QtCore/QString>

// The properties text of a tree object (its tree item's tool tip): the
// name, the connection status, the data status from the status flags and,
// online, the identity rows and the class's own rows, in one table.
class RYXPropertiesHtml
{
    Q_DECLARE_TR_FUNCTIONS(RYXPropertiesHtml)

public:
    RYXPropertiesHtml(const QString &name, bool online, unsigned statusFlags);

    void addDataStatus();
    /// \a version is major.minor in two bytes, or major.minor.patch in three.
    void addFirmwareVersion(int version, bool threeParts);
    void addSerialNumber(int serialNumber);
    /// Appends table rows the object's class writes itself.
    void addRows(const QString &rows);
    QString text() const;

    static QString row(const QString &label, const QString &value);

private:
    QString m_html;
    bool m_online;
    unsigned m_flags;
};
