#include "app/StartupFlags.h"

#include <QtWidgets/QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyStartupSwitches(app.arguments());
    return app.exec();
}
