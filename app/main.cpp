#include "startup.h"

#include <appearance.h>

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Reefwise"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.reefwise"));
    ui::applyAppearance(app);

    StartUp startUp;
    ui::Program &program = startUp.quiz().program;
    try {
        startUp.Main();
    } catch (const std::exception &error) {
        program.fail(QString::fromUtf8(error.what()));
    }
    if (!program.hasEnded())
        app.exec();
    // Screens unloaded in the last handler still wait for their deferred delete.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return program.exitStatus();
}
