// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quizdriver.h"

#include <formwindow.h>
#include <label.h>
#include <picturebox.h>
#include <textbox.h>

#include <QApplication>
#include <QTest>

namespace {

void answerFirst(QuizDriver &driver, int count)
{
    for (int n = 1; n <= count; ++n)
        driver.state().checkAnswer(n, core::fishRow(n).revealedName);
}

} // namespace

class TestFinale : public QObject
{
    Q_OBJECT

private slots:
    void scoreMessage_data();
    void scoreMessage();
    void normalLayout();
    void reviewModeLeavesOnlyExit();
    void reviewStartsTheSecondPass();
    void exitEndsTheRun_data();
    void exitEndsTheRun();
    void wholeRunThroughBothPasses();
};

void TestFinale::scoreMessage_data()
{
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("message");
    QTest::newRow("none") << 0 << "You got  0 out of 47 right!  Congratulations!";
    QTest::newRow("twelve") << 12 << "You got  12 out of 47 right!  Congratulations!";
    QTest::newRow("all") << 47 << "You got  47 out of 47 right!  Congratulations!";
}

void TestFinale::scoreMessage()
{
    QFETCH(int, score);
    QFETCH(QString, message);
    QuizDriver driver;
    answerFirst(driver, score);
    driver.finale().Load();
    auto *label = driver.finale().control<ui::Label>(QStringLiteral("Label1"));
    QCOMPARE(label->text(), message);
    QVERIFY(label->isVisibleTo(driver.finale().window()));
    // A screen reader hears it as the screen appears.
    QCOMPARE(driver.finale().window()->accessibleDescription(), message);
    driver.finale().Unload();
}

void TestFinale::normalLayout()
{
    QuizDriver driver;
    driver.finale().Load();
    ui::FormWindow *window = driver.finale().window();
    QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(window->size(), QSize(325, 254));
    QCOMPARE(driver.finale().control<QWidget>("Picture2")->geometry(), QRect(208, 112, 85, 85));
    QCOMPARE(driver.finale().control<QWidget>("Picture1")->geometry(), QRect(8, 80, 150, 150));
    QCOMPARE(driver.finale().control<QWidget>("Label1")->geometry(), QRect(24, 8, 241, 49));
    QCOMPARE(driver.finale().control<QWidget>("Picture1")->accessibleName(),
             QStringLiteral("Review"));
    QCOMPARE(driver.finale().control<QWidget>("Picture2")->accessibleName(),
             QStringLiteral("Exit"));
    driver.finale().Show();
    QVERIFY(waitActive(driver.finale()));
    QTRY_COMPARE(QApplication::focusWidget(), driver.finale().control<QWidget>("Picture1"));
    driver.finale().Unload();
}

void TestFinale::reviewModeLeavesOnlyExit()
{
    QuizDriver driver;
    driver.state().enterReviewMode();
    driver.finale().Load();
    driver.finale().Show();
    ui::FormWindow *window = driver.finale().window();
    QCOMPARE(window->size(), QSize(85, 85));
    auto *exit = driver.finale().control<ui::PictureBox>(QStringLiteral("Picture2"));
    QCOMPARE(exit->geometry(), QRect(0, 0, 85, 85));
    QVERIFY(!driver.finale().control<QWidget>(QStringLiteral("Label1"))->isVisible());
    for (const QPoint &p :
         {QPoint(0, 0), QPoint(84, 0), QPoint(0, 84), QPoint(84, 84), QPoint(42, 42)})
        QCOMPARE(window->client()->childAt(p), exit);
    // The reduced window stands in the middle of the screen.
    const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((window->geometry().center() - middle).manhattanLength() <= 2);
    // Nothing hidden takes the focus, on arrival or by Tab.
    QVERIFY(waitActive(driver.finale()));
    QTRY_COMPARE(QApplication::focusWidget(), exit);
    QTest::keyClick(exit, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), exit);
    driver.finale().Unload();
}

void TestFinale::reviewStartsTheSecondPass()
{
    QuizDriver driver;
    QVERIFY(driver.startQuiz());
    answerFirst(driver, 12);
    driver.state().checkAnswer(13, QStringLiteral("spade"));
    QVERIFY(driver.goTo(47));
    QVERIFY(driver.clickAndWait(47, "NextButton", driver.finale()));
    driver.click(driver.finale().control<QWidget>(QStringLiteral("Picture1")));
    QCOMPARE(driver.state().reviewFlag(), qint16(-1));
    QCOMPARE(driver.loadedScreens(), QStringList{"frm1YellowtailSnapper"});
    QVERIFY(waitActive(driver.question(1)));
    QCOMPARE(driver.answerBox(1)->foreColour(), ui::colours::Green);
    QCOMPARE(driver.state().score(), qint16(12));
    QCOMPARE(driver.state().storedAnswer(13), QStringLiteral("spade"));
    QVERIFY(driver.goTo(13));
    QCOMPARE(driver.answerBox(13)->foreColour(), ui::colours::Red);
}

void TestFinale::exitEndsTheRun_data()
{
    QTest::addColumn<bool>("review");
    QTest::newRow("after_first_pass") << false;
    QTest::newRow("after_review_pass") << true;
}

void TestFinale::exitEndsTheRun()
{
    QFETCH(bool, review);
    QuizDriver driver;
    if (review)
        driver.state().enterReviewMode();
    QVERIFY(driver.startQuiz());
    QVERIFY(driver.goTo(47));
    QVERIFY(driver.clickAndWait(47, "NextButton", driver.finale()));
    driver.click(driver.finale().control<QWidget>(QStringLiteral("Picture2")));
    QVERIFY(!driver.finale().isLoaded());
    QVERIFY(driver.quiz().program.hasEnded());
    QCOMPARE(driver.quiz().program.exitStatus(), 0);
    QCOMPARE(driver.loadedScreens(), QStringList());
}

void TestFinale::wholeRunThroughBothPasses()
{
    QuizDriver driver;
    QVERIFY(driver.startQuiz());
    for (int n = 1; n <= core::FishCount; ++n) {
        if (n % 3 == 0)
            driver.type(n, core::fishRow(n).revealedName);
        ui::Screen &next = n < core::FishCount ? static_cast<ui::Screen &>(driver.question(n + 1))
                                               : driver.finale();
        QVERIFY(driver.clickAndWait(n, "NextButton", next));
        QCOMPARE(driver.loadedScreens().size(), 1);
    }
    QCOMPARE(driver.finale().control<ui::Label>(QStringLiteral("Label1"))->text(),
             QStringLiteral("You got  15 out of 47 right!  Congratulations!"));
    driver.click(driver.finale().control<QWidget>(QStringLiteral("Picture1")));
    QVERIFY(waitActive(driver.question(1)));
    for (int n = 1; n <= core::FishCount; ++n) {
        QCOMPARE(driver.answerBox(n)->foreColour(),
                 n % 3 == 0 ? ui::colours::Green : ui::colours::Red);
        ui::Screen &next = n < core::FishCount ? static_cast<ui::Screen &>(driver.question(n + 1))
                                               : driver.finale();
        QVERIFY(driver.clickAndWait(n, "NextButton", next));
    }
    QCOMPARE(driver.finale().window()->size(), QSize(85, 85));
    QVERIFY(driver.reports.isEmpty());
}

QTEST_MAIN(TestFinale)
#include "tst_finale.moc"
