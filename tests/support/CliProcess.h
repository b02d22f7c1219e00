// Runs the built ryxcli as a process, as a user would, for the tests that
// drive it.
#pragma once

#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QStringList>

struct CliRun
{
    int exitCode = -1;
    QString errors; // standard error: progress, results, messages
};

inline CliRun runCli(const QStringList &arguments)
{
    QProcess process; // killed on return if it hangs
    process.start(QStringLiteral(RYX_BIN_DIR "/ryxcli"), arguments);
    const bool exited = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    return {exited ? process.exitCode() : -2, QString::fromLocal8Bit(process.readAllStandardError())};
}

inline bool writeFile(const QString &name, const QByteArray &contents)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}
