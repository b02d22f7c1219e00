#pragma once

#include <QtCore/QCoreApplication>
#include <QtCore/QString>

class QWidget;

// The questions that pick the configuration file a save writes, shared by
// the main window's Save and Save As and the objects' own Save As.
class RYXSaveNamePrompt
{
    Q_DECLARE_TR_FUNCTIONS(RYXSaveNamePrompt)

public:
    /// \a name with ".xml" appended when its file name part has no ".".
    static QString withDefaultExtension(const QString &name);
    /// Asks for the file to save to (".xml" added); empty when cancelled.
    static QString askSaveName(QWidget *parent);
    /// askSaveName, then asks before an existing file is overwritten;
    /// empty when cancelled or declined.
    static QString askSaveAsName(QWidget *parent);
};
