// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <commandline.h>
#include <platformchoice.h>

#include <QTest>
#include <QTextStream>

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void answersBeforeAnyWindow_data();
    void answersBeforeAnyWindow();
    void windowsGoWhereTheyCanBePlaced_data();
    void windowsGoWhereTheyCanBePlaced();
};

void TestCommandLine::answersBeforeAnyWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    // What QApplication leaves of them, having taken its own options.
    QTest::addColumn<QStringList>("leftovers");
    QTest::addColumn<int>("status"); // -1: goes on to play
    QTest::addColumn<QString>("out");
    // Words the complaint must hold, Qt's own wording aside.
    QTest::addColumn<QStringList>("err");

    const QString help = QStringLiteral("Usage: reefwise [options]");
    const QString seeHelp = QStringLiteral("Try 'reefwise --help'");
    const QStringList qtTookAll;
    QTest::newRow("no_arguments_plays")
        << QStringList{} << qtTookAll << -1 << QString() << QStringList{};
    QTest::newRow("help_long") << QStringList{QStringLiteral("--help")} << qtTookAll << 0 << help
                               << QStringList{};
    QTest::newRow("help_short") << QStringList{QStringLiteral("-h")} << qtTookAll << 0 << help
                                << QStringList{};
    QTest::newRow("help_offers_help_all") << QStringList{QStringLiteral("--help")} << qtTookAll << 0
                                          << QStringLiteral("--help-all") << QStringList{};
    QTest::newRow("version_long") << QStringList{QStringLiteral("--version")} << qtTookAll << 0
                                  << QStringLiteral("reefwise " REEFWISE_VERSION "\n")
                                  << QStringList{};
    QTest::newRow("version_short")
        << QStringList{QStringLiteral("-v")} << qtTookAll << 0
        << QStringLiteral("reefwise " REEFWISE_VERSION "\n") << QStringList{};
    QTest::newRow("help_among_qt_options")
        << QStringList{QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("--help")}
        << qtTookAll << 0 << help << QStringList{};
    QTest::newRow("unknown_option_refused")
        << QStringList{QStringLiteral("--no-such-option")}
        << QStringList{QStringLiteral("--no-such-option")} << 2 << QString()
        << QStringList{QStringLiteral("no-such-option"), seeHelp};
    QTest::newRow("argument_refused")
        << QStringList{QStringLiteral("fish.txt")} << QStringList{QStringLiteral("fish.txt")} << 2
        << QString()
        << QStringList{
               QStringLiteral("reefwise: the quiz takes no arguments, but was given 'fish.txt'"),
               seeHelp};
    QTest::newRow("argument_after_a_qt_flag_refused")
        << QStringList{QStringLiteral("-reverse"), QStringLiteral("fish.txt")}
        << QStringList{QStringLiteral("fish.txt")} << 2 << QString()
        << QStringList{QStringLiteral("given 'fish.txt'")};
    QTest::newRow("qt_platform_option_passes")
        << QStringList{QStringLiteral("-platform"), QStringLiteral("xcb")} << qtTookAll << -1
        << QString() << QStringList{};
    QTest::newRow("qt_geometry_and_title_pass")
        << QStringList{QStringLiteral("-geometry"), QStringLiteral("300x300"),
                       QStringLiteral("-title"), QStringLiteral("Foo")}
        << qtTookAll << -1 << QString() << QStringList{};
    QTest::newRow("qt_reverse_flag_passes")
        << QStringList{QStringLiteral("-reverse")} << qtTookAll << -1 << QString() << QStringList{};
    QTest::newRow("option_qt_left_refused")
        << QStringList{QStringLiteral("-style")} << QStringList{QStringLiteral("-style")} << 2
        << QString() << QStringList{QStringLiteral("style"), seeHelp};
}

void TestCommandLine::answersBeforeAnyWindow()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, leftovers);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QStringList, err);
    QString printed;
    QString complained;
    QTextStream outStream(&printed);
    QTextStream errStream(&complained);
    const QString program = QStringLiteral("/usr/bin/reefwise");
    auto answer = answerCommandLine(QStringList{program} + arguments, outStream, errStream);
    if (!answer)
        answer = answerLeftovers(QStringList{program} + leftovers, errStream);
    outStream.flush();
    errStream.flush();
    QCOMPARE(answer.value_or(-1), status);
    if (out.isEmpty())
        QVERIFY2(printed.isEmpty(), qPrintable(printed));
    else
        QVERIFY2(printed.contains(out), qPrintable(printed));
    if (err.isEmpty())
        QVERIFY2(complained.isEmpty(), qPrintable(complained));
    for (const QString &words : err)
        QVERIFY2(complained.contains(words), qPrintable(complained));
}

void TestCommandLine::windowsGoWhereTheyCanBePlaced_data()
{
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<bool>("x11Opens");
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QString>("error");

    const QString noSession = QStringLiteral("graphical session");
    QTest::newRow("x11_session") << QByteArray() << QByteArray(":0") << QByteArray() << true
                                 << QByteArray("xcb") << QString();
    QTest::newRow("xwayland_runs_through_x11")
        << QByteArray() << QByteArray(":0") << QByteArray("wayland-0") << true << QByteArray("xcb")
        << QString();
    QTest::newRow("pure_wayland_runs_natively")
        << QByteArray() << QByteArray() << QByteArray("wayland-0") << false << QByteArray("wayland")
        << QString();
    QTest::newRow("dead_x11_falls_back_to_wayland")
        << QByteArray() << QByteArray(":9") << QByteArray("wayland-0") << false
        << QByteArray("wayland") << QString();
    QTest::newRow("user_choice_kept_under_wayland")
        << QByteArray("wayland") << QByteArray(":0") << QByteArray("wayland-0") << true
        << QByteArray() << QString();
    QTest::newRow("user_choice_kept_without_display")
        << QByteArray("offscreen") << QByteArray() << QByteArray() << false << QByteArray()
        << QString();
    QTest::newRow("dead_x11_alone_is_an_error")
        << QByteArray() << QByteArray(":9") << QByteArray() << false << QByteArray()
        << QStringLiteral("cannot open the X11 display :9");
    QTest::newRow("no_display_is_an_error")
        << QByteArray() << QByteArray() << QByteArray() << false << QByteArray()
        << QStringLiteral("no display: neither DISPLAY nor WAYLAND_DISPLAY is set");
}

void TestCommandLine::windowsGoWhereTheyCanBePlaced()
{
    QFETCH(QByteArray, chosen);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, wayland);
    QFETCH(bool, x11Opens);
    QFETCH(QByteArray, platform);
    QFETCH(QString, error);
    QList<QByteArray> tried;
    const PlatformChoice choice =
        choosePlatform({chosen, display, wayland}, [&](const QByteArray &d) {
            tried << d;
            return x11Opens;
        });
    QCOMPARE(choice.platform, platform);
    if (error.isEmpty()) {
        QVERIFY2(choice.error.isEmpty(), qPrintable(choice.error));
    } else {
        QVERIFY2(choice.error.startsWith(error), qPrintable(choice.error));
        QVERIFY(choice.error.contains(QStringLiteral("graphical session")));
    }
    // Only the display the session names is tried, and only when nothing was chosen.
    QCOMPARE(tried, chosen.isEmpty() && !display.isEmpty() ? QList<QByteArray>{display}
                                                           : QList<QByteArray>{});
}

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
