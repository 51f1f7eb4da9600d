// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <int16.h>
#include <quizstate.h>

#include <QTest>

using namespace core;

class TestQuizState : public QObject
{
    Q_OBJECT

private slots:
    void startsWithThePromptEverywhereAndNoScore();
    void storedAnswerIsKeptExactlyAsTyped_data();
    void storedAnswerIsKeptExactlyAsTyped();
    void onePointPerFishHoweverOftenAnswered();
    void rightAnswerTurnedWrongKeepsItsPoint();
    void reviewModeStaysOnAndStillScores();
    void scoreCountsTheCorrectFlags();
    void checkedAddition_data();
    void checkedAddition();
    void numberText_data();
    void numberText();
};

void TestQuizState::startsWithThePromptEverywhereAndNoScore()
{
    QuizState state;
    state.setAllAnswersToPrompt();
    for (int n = 1; n <= FishCount; ++n) {
        QCOMPARE(state.storedAnswer(n), QStringLiteral("REEFWISE"));
        QVERIFY(!state.isCorrect(n));
    }
    QCOMPARE(state.score(), qint16(0));
    QCOMPARE(state.reviewFlag(), qint16(0));
    QVERIFY(state.workText().isEmpty());
}

void TestQuizState::storedAnswerIsKeptExactlyAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("blanks_kept") << "  yellowtail   snapper ";
    QTest::newRow("case_kept") << "ReefWise";
    QTest::newRow("blanks_only") << "   ";
    QTest::newRow("very_long") << QString(100000, QLatin1Char('x'));
    QTest::newRow("emoji") << QStringLiteral("\U0001F420 fish");
    QTest::newRow("right_to_left") << QStringLiteral("\u05d3\u05d2 \u0633\u0645\u0643");
    QTest::newRow("control_characters") << QStringLiteral("a\u0001\u001b\tb");
}

void TestQuizState::storedAnswerIsKeptExactlyAsTyped()
{
    QFETCH(QString, typed);
    QuizState state;
    state.checkAnswer(7, typed);
    QCOMPARE(state.storedAnswer(7), typed);
    QCOMPARE(state.score(), qint16(0));
}

void TestQuizState::onePointPerFishHoweverOftenAnswered()
{
    QuizState state;
    for (int i = 0; i < 3; ++i)
        state.checkAnswer(12, QStringLiteral("Doctorfish"));
    state.checkAnswer(12, QStringLiteral("doctor fish"));
    QVERIFY(state.isCorrect(12));
    QCOMPARE(state.score(), qint16(1));
}

void TestQuizState::rightAnswerTurnedWrongKeepsItsPoint()
{
    QuizState state;
    state.checkAnswer(3, QStringLiteral("Neon Goby"));
    state.checkAnswer(3, QStringLiteral("Blue Goby"));
    QCOMPARE(state.storedAnswer(3), QStringLiteral("Blue Goby"));
    QVERIFY(state.isCorrect(3));
    QCOMPARE(state.score(), qint16(1));
    state.checkAnswer(3, QuizState::Prompt);
    QCOMPARE(state.score(), qint16(1));
}

void TestQuizState::reviewModeStaysOnAndStillScores()
{
    QuizState state;
    state.enterReviewMode();
    QCOMPARE(state.reviewFlag(), qint16(-1));
    state.checkAnswer(47, QStringLiteral("Rainbow Parrotfish"));
    QCOMPARE(state.score(), qint16(1));
    QCOMPARE(state.reviewFlag(), QuizState::ReviewOn);
}

void TestQuizState::scoreCountsTheCorrectFlags()
{
    QuizState state;
    for (int n = 1; n <= FishCount; ++n) {
        state.checkAnswer(n, fishRow(n).revealedName);
        state.checkAnswer(n, fishRow(n).revealedName.toUpper());
    }
    QCOMPARE(state.score(), qint16(FishCount));
    for (int n = 1; n <= FishCount; ++n)
        QVERIFY(state.isCorrect(n));
}

void TestQuizState::checkedAddition_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("sum"); // ignored when overflowing
    QTest::addColumn<bool>("overflows");
    QTest::newRow("plain_increment") << 46 << 1 << 47 << false;
    QTest::newRow("up_to_the_largest") << 32766 << 1 << 32767 << false;
    QTest::newRow("past_the_largest") << 32767 << 1 << 0 << true;
    QTest::newRow("countdown_to_zero") << 1 << -1 << 0 << false;
    QTest::newRow("below_zero") << 0 << -1 << -1 << false;
    QTest::newRow("down_to_the_smallest") << -32767 << -1 << -32768 << false;
    QTest::newRow("past_the_smallest") << -32768 << -1 << 0 << true;
}

void TestQuizState::checkedAddition()
{
    QFETCH(int, value);
    QFETCH(int, delta);
    QFETCH(int, sum);
    QFETCH(bool, overflows);
    if (overflows)
        QVERIFY_THROWS_EXCEPTION(OverflowError, checkedAdd(qint16(value), delta));
    else
        QCOMPARE(checkedAdd(qint16(value), delta), qint16(sum));
}

void TestQuizState::numberText_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("positive") << 24 << " 24";
    QTest::newRow("zero") << 0 << " 0";
    QTest::newRow("negative") << -5 << "-5";
    QTest::newRow("largest") << 32767 << " 32767";
    QTest::newRow("smallest") << -32768 << "-32768";
}

void TestQuizState::numberText()
{
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(core::numberText(qint16(value)), text);
}

QTEST_APPLESS_MAIN(TestQuizState)
#include "tst_quizstate.moc"
