// Runs the built ryxcli as a process, as a user would, for the tests that
// drive it.
#pragma once

#include <QtCore/QElapsedTimer>
#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QProcessEnvironment>
#include <QtCore/QStringList>

struct CliRun
{
    int exitCode = -1;
    QString errors; // standard error: progress, results, messages
    qint64 ms = 0;  // from start to exit
    QString output; // standard output: --help, --version
};

/// Runs ryxcli with \a arguments, in the test's environment with \a extra
/// variables set.
inline CliRun runCli(const QStringList &arguments, const QProcessEnvironment &extra = {})
{
    QProcess process; // killed on return if it hangs
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(extra);
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(RYX_BIN_DIR "/ryxcli"), arguments);
    const bool exited = process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
    return {exited ? process.exitCode() : -2, QString::fromLocal8Bit(process.readAllStandardError()),
            clock.elapsed(), QString::fromLocal8Bit(process.readAllStandardOutput())};
}

inline bool writeFile(const QString &name, const QByteArray &contents)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}
