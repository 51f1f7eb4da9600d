// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quizdriver.h"

#include <textbox.h>

#include <QTest>

class TestStartUp : public QObject
{
    Q_OBJECT

private slots:
    void loadsAndShowsOnlyTheIntroScreen();
    void registryHoldsQuestionScreensThenFinale();
    void everyStoredAnswerStartsAsThePrompt();
    void firstVisitShowsThePromptInWhite();
};

void TestStartUp::loadsAndShowsOnlyTheIntroScreen()
{
    QuizDriver driver;
    QCOMPARE(driver.loadedScreens(), QStringList{QStringLiteral("frmINTRo")});
    QVERIFY(driver.intro().window()->isVisible());
    QVERIFY(waitActive(driver.intro()));
    QCOMPARE(driver.state().score(), qint16(0));
    QCOMPARE(driver.state().reviewFlag(), qint16(0));
}

void TestStartUp::registryHoldsQuestionScreensThenFinale()
{
    QuizDriver driver;
    for (int n = 1; n <= core::FishCount; ++n) {
        QCOMPARE(driver.question(n).number(), n);
        QCOMPARE(driver.question(n).objectName(), core::fishRow(n).screen);
    }
    QCOMPARE(driver.finale().objectName(), QStringLiteral("frmFinale"));
    for (int slot = 0; slot < ui::Registry::SlotCount; ++slot)
        QVERIFY(&driver.quiz().registry.slot(slot) != &driver.intro());
}

void TestStartUp::everyStoredAnswerStartsAsThePrompt()
{
    QuizDriver driver;
    for (int n = 1; n <= core::FishCount; ++n) {
        QCOMPARE(driver.state().storedAnswer(n), QStringLiteral("REEFWISE"));
        QVERIFY(!driver.state().isCorrect(n));
    }
}

void TestStartUp::firstVisitShowsThePromptInWhite()
{
    QuizDriver driver;
    QVERIFY(driver.startQuiz());
    for (int n = 1; n <= core::FishCount; ++n) {
        QVERIFY(driver.goTo(n));
        QCOMPARE(driver.answerBox(n)->text(), QStringLiteral("REEFWISE"));
        QCOMPARE(driver.answerBox(n)->foreColour(), ui::colours::White);
        QCOMPARE(driver.loadedScreens(), QStringList{core::fishRow(n).screen});
    }
}

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
