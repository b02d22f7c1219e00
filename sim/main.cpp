// ryxsim: a simulated RYX station answering ZEMP over HTTP and/or a pty.
#include "SimCatalog.h"
#include "SimHttpServer.h"
#include "SimOptions.h"
#include "SimPtyServer.h"
#include "SimSignalWatcher.h"
#include "SimStation.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QTextStream>

#include <memory>

static QString moduleNames(const QVector<quint8> &codes)
{
    QStringList names;
    for (quint8 code : codes) {
        const QString element = SimCatalog::moduleClass(code).element;
        names << (element.isEmpty() ? QString::number(code) : element);
    }
    return names.join(QLatin1Char(','));
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    SimOptions options;
    QString message;
    switch (SimOptions::parse(app.arguments().mid(1), options, message)) {
    case SimOptions::Parse::Help:
        out << message;
        return 0;
    case SimOptions::Parse::Error:
        err << "ryxsim: " << message << "\nTry 'ryxsim --help'.\n";
        return 64;
    case SimOptions::Parse::Ok:
        break;
    }

    std::unique_ptr<SimStation> station(SimStation::create(options.type, options.modules, &message));
    if (!station) {
        err << "ryxsim: " << message << '\n';
        return 64;
    }
    station->configure(options);
    SimSignalWatcher signalWatcher;
    QObject::connect(&signalWatcher, &SimSignalWatcher::terminationRequested, &app,
                     &QCoreApplication::quit);

    SimHttpServer http(station.get());
    SimPtyServer pty(station.get());
    out << "ryxsim: " << options.type << " station, modules "
        << (options.modules.isEmpty() ? QStringLiteral("none") : moduleNames(options.modules))
        << '\n';
    if (options.httpEnabled) {
        if (!http.listen(options.httpAddress, options.httpPort)) {
            err << "ryxsim: cannot listen on " << options.httpAddress.toString() << ':'
                << options.httpPort << ": " << http.errorString() << '\n';
            return 1;
        }
        out << "http " << http.address().toString() << ':' << http.port() << '\n';
    }
    if (options.ptyEnabled) {
        pty.setBaudRate(options.baud);
        if (!pty.open(options.ptyLink)) {
            err << "ryxsim: cannot open a pty: " << pty.errorString() << '\n';
            return 1;
        }
        out << "pty " << pty.slavePath() << '\n';
    }
    out.flush();
    return app.exec();
}
