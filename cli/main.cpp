// ryxcli: connects to a station without a window and uploads, downloads or
// verifies its configuration.
#include "RYXCliOptions.h"
#include "RYXCliRunner.h"

#include "app/RYXClassTable.h"
#include "core/StartupFlags.h"

#include <QtCore/QTextStream>
#include <QtWidgets/QApplication>

#include <cstring>

namespace {

QtMessageHandler qtHandler = nullptr;

// Without --verbose only what ryxcli reports reaches standard error: Qt's
// warnings and the program's diagnostics are dropped (a fatal one still
// says why the program stops).
void dropDiagnostics(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg)
        qtHandler(type, context, text);
}

bool hasArgument(int argc, char *argv[], const char *name)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], name) == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    // Decided before the application exists: its start-up already speaks.
    if (!hasArgument(argc, argv, "--verbose"))
        qtHandler = qInstallMessageHandler(dropDiagnostics);
    // The tree objects make no widgets, but they build their LED pixmaps,
    // which need a GUI application: run one without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream err(stderr);

    RYXClassTable::registerAll();
    const QStringList stationTypes = RYXCliRunner::stationTypes();
    RYXCliOptions options;
    QString error;
    if (!options.parse(app.arguments().mid(1), stationTypes, error)) {
        err << "ryxcli: " << error << '\n' << RYXCliOptions::usage() << "Run ryxcli --help for more.\n";
        return RYXCliRunner::Usage;
    }
    if (options.help) {
        QTextStream(stdout) << RYXCliOptions::helpText(stationTypes);
        return 0;
    }
    if (options.version) {
        QTextStream(stdout) << "ryxcli " << RYXProgramVersion << '\n';
        return 0;
    }
    RYXCliRunner runner(options, &err);
    return runner.run();
}
