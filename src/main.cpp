#include "app/RYXConfigWindow.h"
#include "core/RYXDiagnostics.h"
#include "core/StartupFlags.h"

#include <QtCore/QTextStream>
#include <QtWidgets/QApplication>

#include <cstdio>
#include <exception>
#include <memory>

namespace {

// Conveniences a Linux user expects; they do not change how the program's
// own switches behave.
bool handleInformationalOption(int argc, char *argv[], int &exitCode)
{
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--version")) {
            std::printf("RYXConfig %s\n", RYXProgramVersion);
            exitCode = 0;
            return true;
        }
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            std::printf("Usage: ryxconfig [switches]\n\n"
                        "  /f           extended (factory) mode: patcher, MODBUS network, RO4 module,\n"
                        "               internals pages and the Languages menu\n"
                        "  /d           write debug output to the event log and standard error\n"
                        "  /eim         accepted for compatibility (Ethernet stations are always offered)\n"
                        "  /cuteicons   per-type icons in the device tree\n"
                        "  /spanish     with /f: start in Spanish\n"
                        "  /chinese     with /f: start in Chinese\n"
                        "  /extrares    accepted for compatibility (four decimals are always shown)\n"
                        "  --verbose    write developer diagnostics to standard error\n"
                        "  --version    print the version and exit\n"
                        "  --help       print this help and exit\n");
            exitCode = 0;
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    int exitCode = 0;
    if (handleInformationalOption(argc, argv, exitCode))
        return exitCode;

    QApplication app(argc, argv);
    applyStartupSwitches(QApplication::arguments());
    RYXDiagnostics::show(DebugOutput || QApplication::arguments().contains(QStringLiteral("--verbose")));
    try {
        auto window = std::make_unique<RYXConfigWindow>();
        window->show();
        return app.exec();
    } catch (const std::exception &e) {
        std::fprintf(stderr, "RYXConfig: %s\n", e.what());
        return -1;
    } catch (...) {
        return -1;
    }
}
