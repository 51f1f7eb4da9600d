// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"
#include "platformchoice.h"
#include "startup.h"

#include <accessibility.h>
#include <appearance.h>

#include <QApplication>
#include <QTextStream>

#include <optional>
#include <thread>

#include <fontconfig/fontconfig.h>

namespace {

QStringList argumentList(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// The value of one of Qt's own options such as -platform, which Qt takes
// with two dashes too.
QByteArray qtOptionValue(int argc, char *argv[], const QByteArray &option)
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (argv[i] == "-" + option || argv[i] == "--" + option)
            return argv[i + 1];
    }
    return {};
}

// The status to end with at once, after answering --help and the like.
std::optional<int> answerCommandLine(int argc, char *argv[])
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    return answerCommandLine(argumentList(argc, argv), out, err);
}

// Refuses what QApplication left of the command line, all of it options
// neither Qt nor the quiz knows; the status to end with at once.
std::optional<int> answerLeftovers()
{
    QTextStream err(stderr);
    return answerLeftovers(QCoreApplication::arguments(), err);
}

// Picks the platform for QApplication; the status to end with at once when
// there is no graphical session to start in.
std::optional<int> settlePlatform(int argc, char *argv[])
{
    Session session{qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"), qgetenv("WAYLAND_DISPLAY")};
    if (const QByteArray platform = qtOptionValue(argc, argv, "platform"); !platform.isEmpty())
        session.chosenPlatform = platform;
    if (const QByteArray display = qtOptionValue(argc, argv, "display"); !display.isEmpty())
        session.x11Display = display;
    const PlatformChoice choice = choosePlatform(session, &x11DisplayOpens);
    if (!choice.error.isEmpty()) {
        QTextStream(stderr) << "reefwise: " << choice.error << '\n';
        return 1;
    }
    if (!choice.platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", choice.platform);
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    if (const auto status = answerCommandLine(argc, argv))
        return *status;
    if (const auto status = settlePlatform(argc, argv))
        return *status;

    // Fontconfig takes a few milliseconds to read its configuration and font
    // cache, and the first screen waits for it. It is thread-safe, so it reads
    // them beside QApplication's own start-up rather than after it.
    std::jthread fontconfigStart([] { FcInit(); });
    QApplication app(argc, argv);
    fontconfigStart.join();
    if (const auto status = answerLeftovers())
        return *status;
    QApplication::setApplicationName(QStringLiteral("Reefwise"));
    QApplication::setApplicationVersion(QStringLiteral(REEFWISE_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.reefwise"));
    ui::applyAppearance(app);
    ui::installAccessibility();

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
