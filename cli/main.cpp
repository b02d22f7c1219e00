// ryxcli: connects to a station without a window and uploads, downloads or
// verifies its configuration.
#include "RYXCliOptions.h"
#include "RYXCliRunner.h"

#include <QtCore/QTextStream>
#include <QtWidgets/QApplication>

int main(int argc, char *argv[])
{
    // The tree objects make no widgets, but they build their LED pixmaps,
    // which need a GUI application: run one without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream err(stderr);

    RYXCliOptions options;
    QString error;
    if (!options.parse(app.arguments().mid(1), error)) {
        err << "ryxcli: " << error << '\n' << RYXCliOptions::usage();
        return RYXCliRunner::Usage;
    }
    if (options.help) {
        QTextStream(stdout) << RYXCliOptions::usage();
        return 0;
    }
    RYXCliRunner runner(options, &err);
    return runner.run();
}
