// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <fontwarmup.h>

#include <QTest>

#include <chrono>
#include <future>

// Start-up may end at any step once the font thread runs (before the
// application exists, or with the first screen failed), so the thread must let
// the program end from every one of them.
class TestFontWarmUp : public QObject
{
    Q_OBJECT

private slots:
    void endsFromEveryStepOfStartUp_data();
    void endsFromEveryStepOfStartUp();
};

void TestFontWarmUp::endsFromEveryStepOfStartUp_data()
{
    QTest::addColumn<bool>("applicationCreated");
    QTest::addColumn<int>("finishCalls"); // the destructor comes after them

    QTest::newRow("application_never_created") << false << 0;
    QTest::newRow("application_never_created_then_finished") << false << 1;
    QTest::newRow("first_screen_shown") << true << 1;
    QTest::newRow("finished_twice") << true << 2;
    QTest::newRow("first_screen_threw_left_to_destructor") << true << 0;
}

void TestFontWarmUp::endsFromEveryStepOfStartUp()
{
    QFETCH(bool, applicationCreated);
    QFETCH(int, finishCalls);

    auto ended = std::async(std::launch::async, [&] {
        FontWarmUp fonts;
        if (applicationCreated)
            fonts.applicationCreated();
        for (int i = 0; i < finishCalls; ++i)
            fonts.finish();
    });
    QVERIFY2(ended.wait_for(std::chrono::seconds(30)) == std::future_status::ready,
             "the font thread kept start-up from ending");
}

QTEST_MAIN(TestFontWarmUp)
#include "tst_fontwarmup.moc"
