#pragma once

#include <QtCore/QCoreApplication>
#include <QtCore/QString>

class QWidget;
class RYXConnectionBase;
class RYXObject;

// The question asked before a configuration is written to a device,
// naming the station and where it is reached, with a "Do not ask again"
// box whose choice is kept in the settings ("/ConfirmDownloads").
class RYXDownloadConfirmation
{
    Q_DECLARE_TR_FUNCTIONS(RYXDownloadConfirmation)

public:
    /// True when the user agrees to download \a object (or asked not to be
    /// asked any more).
    static bool ask(QWidget *parent, RYXObject *object);
    /// "Download the configuration of EIM to 127.0.0.1:8080?"
    static QString question(RYXObject *object);
    /// Where \a connection reaches its station: "host:port" over TCP/IP, the
    /// serial device otherwise; empty when nothing is set up.
    static QString address(RYXConnectionBase *connection);

    static bool isEnabled();
    static void setEnabled(bool ask);
};
