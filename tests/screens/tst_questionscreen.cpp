// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quizdriver.h"

#include <formwindow.h>
#include <picturebox.h>
#include <textbox.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(ui::Colour)

using ui::colours::Blue;
using ui::colours::Green;
using ui::colours::Red;
using ui::colours::White;

class TestQuestionScreen : public QObject
{
    Q_OBJECT

private slots:
    void windowOfEveryQuestionScreen_data();
    void windowOfEveryQuestionScreen();
    void controlsStandWhereTheLayoutPutsThem_data();
    void controlsStandWhereTheLayoutPutsThem();
    void onlyNextCarriesATooltip();
    void photoBoxNames_data();
    void photoBoxNames();
    void firstScreenHasNoBackButton();
    void lastScreenHasItsMenuAndKeepsItsClientArea();
    void tabOrderAndFocusOnShow_data();
    void tabOrderAndFocusOnShow();
    void typedAnswerIsStoredBeforeTheScreenGoes();
    void backShowsTheAnswerWithItsBlanks();
    void emptiedBoxStoresThePrompt();
    void deactivationNeitherStoresNorClears();
    void clickingThePhotoOnlyTakesTheFocus();
    void everyArrivalRunsFormLoadAgain();
    void normalModeNeverRevealsOrRecolours();
    void reviewModeColours_data();
    void reviewModeColours();
    void revealOnRedBox_data();
    void revealOnRedBox();
    void clickWhileFocusedRewritesTheReveal();
    void revealedNameScoresWhenLeft();
    void greenBoxWithPromptClearsButRevealsNothing();
    void lastScreenMenuEntriesKeepTheTypedAnswer_data();
    void lastScreenMenuEntriesKeepTheTypedAnswer();
    void exitEndsTheRun_data();
    void exitEndsTheRun();
    void scoreIsNeverLowered();
    void accessibleNamesNeverGiveTheFishAway();
};

void TestQuestionScreen::windowOfEveryQuestionScreen_data()
{
    QTest::addColumn<int>("number");
    for (int n = 1; n <= core::FishCount; ++n)
        QTest::addRow("screen_%d", n) << n;
}

void TestQuestionScreen::windowOfEveryQuestionScreen()
{
    QFETCH(int, number);
    QuizDriver driver;
    screens::QuestionScreen &screen = driver.question(number);
    screen.Load();
    ui::FormWindow *window = screen.window();
    QCOMPARE(window->objectName(), core::fishRow(number).screen);
    QCOMPARE(window->windowTitle(), QStringLiteral("Reefwise!"));
    QCOMPARE(window->client()->size(), QSize(325, 371));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!window->windowIcon().isNull());
    QCOMPARE(window->palette().color(QPalette::Window), QColor(Qt::black));
    screen.Unload();
}

void TestQuestionScreen::controlsStandWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QRect>("geometry");
    for (int n : {2, 5, 33, 47}) {
        QTest::addRow("photo_%d", n) << n << "imgFish" << QRect(0, 0, 320, 240);
        QTest::addRow("answer_box_%d", n) << n << "FISH" << QRect(38, 250, 249, 25);
        QTest::addRow("back_%d", n) << n << "BackButton" << QRect(46, 288, 50, 60);
        QTest::addRow("next_%d", n) << n << "NextButton" << QRect(230, 288, 50, 60);
        QTest::addRow("exit_%d", n) << n << "ExitButton" << QRect(138, 293, 50, 50);
    }
    QTest::newRow("small_photo_4") << 4 << "pic4" << QRect(37, 23, 250, 188);
    QTest::newRow("answer_box_4") << 4 << "FISH" << QRect(38, 250, 249, 25);
    QTest::newRow("hidden_back_keeps_its_place_1") << 1 << "BackButton" << QRect(46, 288, 50, 60);
    QTest::newRow("photo_11") << 11 << "pic11" << QRect(0, 0, 320, 240);
}

void TestQuestionScreen::controlsStandWhereTheLayoutPutsThem()
{
    QFETCH(int, number);
    QFETCH(QString, control);
    QFETCH(QRect, geometry);
    QuizDriver driver;
    driver.question(number).Load();
    auto *widget = driver.question(number).control<QWidget>(control);
    QCOMPARE(widget->geometry(), geometry);
    driver.question(number).Unload();
}

void TestQuestionScreen::onlyNextCarriesATooltip()
{
    QuizDriver driver;
    driver.question(9).Load();
    const auto controls = driver.question(9).window()->client()->findChildren<QWidget *>();
    QCOMPARE(controls.size(), 5);
    for (QWidget *w : controls)
        QCOMPARE(w->toolTip(),
                 w->objectName() == "NextButton" ? QStringLiteral("Next Fish") : QString());
    driver.question(9).Unload();
}

void TestQuestionScreen::photoBoxNames_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    const QList<int> ownName{4, 11, 12, 13, 14, 15, 16, 18, 19, 20};
    for (int n = 1; n <= core::FishCount; ++n)
        QTest::addRow("screen_%d", n)
            << n << (ownName.contains(n) ? QStringLiteral("pic%1").arg(n) : "imgFish");
}

void TestQuestionScreen::photoBoxNames()
{
    QFETCH(int, number);
    QFETCH(QString, name);
    QuizDriver driver;
    driver.question(number).Load();
    auto *photo = driver.question(number).control<ui::PictureBox>(name);
    QCOMPARE(photo->pixmap().deviceIndependentSize().toSize(),
             number == 4 ? QSize(250, 188) : QSize(320, 240));
    driver.question(number).Unload();
}

void TestQuestionScreen::firstScreenHasNoBackButton()
{
    QuizDriver driver;
    QVERIFY(driver.startQuiz());
    ui::PictureBox *back = driver.button(1, "BackButton");
    QVERIFY(!back->isVisible());
    // A click where it would stand lands on the black window and goes nowhere.
    QWidget *client = driver.question(1).window()->client();
    QTest::mouseClick(client, Qt::LeftButton, {}, back->geometry().center());
    QCOMPARE(driver.loadedScreens(), QStringList{"frm1YellowtailSnapper"});
}

void TestQuestionScreen::lastScreenHasItsMenuAndKeepsItsClientArea()
{
    QuizDriver driver;
    driver.question(47).Load();
    ui::FormWindow *window = driver.question(47).window();
    QMenuBar *bar = window->menuBar();
    QVERIFY(bar);
    QCOMPARE(window->client()->size(), QSize(325, 371));
    QCOMPARE(window->height(), 371 + bar->height());
    QCOMPARE(window->client()->y(), bar->height());
    QStringList captions;
    for (QAction *action : bar->actions())
        captions << action->text();
    QCOMPARE(captions, (QStringList{"&File", "&Previous Fish", "&Next Fish"}));
    QStringList fileItems;
    for (QAction *action : bar->actions().first()->menu()->actions())
        fileItems << action->text();
    QCOMPARE(fileItems, (QStringList{"&Help", "&Exit"}));
    for (int n = 1; n < core::FishCount; ++n) {
        driver.question(n).Load();
        QVERIFY(!driver.question(n).window()->menuBar());
        driver.question(n).Unload();
    }
    driver.question(47).Unload();
}

void TestQuestionScreen::tabOrderAndFocusOnShow_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("template") << 10
                              << QStringList{"imgFish", "ExitButton", "NextButton", "BackButton",
                                             "FISH"};
    QTest::newRow("no_back_on_1") << 1
                                  << QStringList{"imgFish", "ExitButton", "NextButton", "FISH"};
    QTest::newRow("reversed_on_4")
        << 4 << QStringList{"BackButton", "NextButton", "ExitButton", "FISH", "pic4"};
    QTest::newRow("own_photo_name_on_12")
        << 12 << QStringList{"pic12", "ExitButton", "NextButton", "BackButton", "FISH"};
}

void TestQuestionScreen::tabOrderAndFocusOnShow()
{
    QFETCH(int, number);
    QFETCH(QStringList, order);
    QuizDriver driver;
    QVERIFY(driver.startQuiz());
    QVERIFY(driver.goTo(number));
    QStringList visited;
    for (int i = 0; i <= order.size(); ++i) {
        QTRY_VERIFY(QApplication::focusWidget());
        visited << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, order + QStringList{order.first()});
    // Tabbing through the box stored its prompt, which is never right.
    QCOMPARE(driver.state().storedAnswer(number), QStringLiteral("REEFWISE"));
    QCOMPARE(driver.state().score(), qint16(0));
}

void TestQuestionScreen::typedAnswerIsStoredBeforeTheScreenGoes()
{
    QuizDriver driver;
    QVERIFY(driver.startQuiz());
    QVERIFY(driver.goTo(8));
    driver.type(8, QStringLiteral("Great Barracuda"));
    QCOMPARE(driver.state().storedAnswer(8), QStringLiteral("REEFWISE"));
    QTest::mousePress(driver.button(8, "NextButton"), Qt::LeftButton);
    // Stored and judged on the press, while screen 8 is still the one loaded.
    QCOMPARE(driver.state().storedAnswer(8), QStringLiteral("Great Barracuda"));
    QVERIFY(driver.state().isCorrect(8));
    QCOMPARE(driver.state().score(), qint16(1));
    QCOMPARE(driver.loadedScreens(), QStringList{"frm8GreatBarracuda"});
    QTest::mouseRelease(driver.button(8, "NextButton"), Qt::LeftButton);
    QCOMPARE(driver.loadedScreens(), QStringList{"frm9Silverside"});
}

void TestQuestionScreen::backShowsTheAnswerWithItsBlanks()
{
    QuizDriver driver;
    QVERIFY(driver.startQuiz());
    QVERIFY(driver.goTo(20));
    const QString typed = QStringLiteral("  french   grunt ");
    driver.type(20, typed);
    QVERIFY(driver.clickAndWait(20, "NextButton", driver.question(21)));
    QCOMPARE(driver.answerBox(21)->text(), QStringLiteral("REEFWISE"));
    QVERIFY(driver.clickAndWait(21, "BackButton", driver.question(20)));
    QCOMPARE(driver.answerBox(20)->text(), typed);
    QCOMPARE(driver.answerBox(20)->foreColour(), White);
    QVERIFY(driver.state().isCorrect(20));
}

void TestQuestionScreen::emptiedBoxStoresThePrompt()
{
    QuizDriver driver;
    QVERIFY(driver.startQuiz());
    driver.type(1, QStringLiteral("snapper"));
    QVERIFY(driver.clickAndWait(1, "NextButton", driver.question(2)));
    QVERIFY(driver.clickAndWait(2, "BackButton", driver.question(1)));
    driver.type(1, QString());
    QVERIFY(driver.clickAndWait(1, "NextButton", driver.question(2)));
    QCOMPARE(driver.state().storedAnswer(1), QStringLiteral("REEFWISE"));
    // A box of blanks is not empty: it is stored as it stands.
    driver.type(2, QStringLiteral("   "));
    QVERIFY(driver.clickAndWait(2, "BackButton", driver.question(1)));
    QCOMPARE(driver.state().storedAnswer(2), QStringLiteral("   "));
    QCOMPARE(driver.state().score(), qint16(0));
}

void TestQuestionScreen::deactivationNeitherStoresNorClears()
{
    QuizDriver driver;
    QVERIFY(driver.startQuiz());
    driver.type(1, QStringLiteral("Yellow"));
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    QCOMPARE(driver.state().storedAnswer(1), QStringLiteral("REEFWISE"));
    driver.question(1).window()->activateWindow();
    QVERIFY(waitActive(driver.question(1)));
    QCOMPARE(driver.answerBox(1)->text(), QStringLiteral("Yellow"));
    QVERIFY(driver.answerBox(1)->hasFocus());
    // Coming back with the prompt in the box does not clear it either.
    driver.answerBox(1)->setText(QStringLiteral("REEFWISE"));
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
    driver.question(1).window()->activateWindow();
    QVERIFY(waitActive(driver.question(1)));
    QCOMPARE(driver.answerBox(1)->text(), QStringLiteral("REEFWISE"));
    QCOMPARE(driver.state().storedAnswer(1), QStringLiteral("REEFWISE"));
}

void TestQuestionScreen::clickingThePhotoOnlyTakesTheFocus()
{
    QuizDriver driver;
    QVERIFY(driver.startQuiz());
    QVERIFY(driver.goTo(12));
    driver.type(12, QStringLiteral("doctorfish"));
    auto *photo = driver.question(12).control<ui::PictureBox>(QStringLiteral("pic12"));
    driver.click(photo);
    QCOMPARE(QApplication::focusWidget(), photo);
    QCOMPARE(driver.state().storedAnswer(12), QStringLiteral("doctorfish"));
    QCOMPARE(driver.loadedScreens(), QStringList{"frm12Doctorfish"});
}

void TestQuestionScreen::everyArrivalRunsFormLoadAgain()
{
    QuizDriver driver;
    QVERIFY(driver.startQuiz());
    for (int round = 0; round < 3; ++round) {
        driver.answerBox(1)->setText(QStringLiteral("not kept"));
        QVERIFY(driver.clickAndWait(1, "NextButton", driver.question(2)));
        QVERIFY(driver.clickAndWait(2, "BackButton", driver.question(1)));
        QCOMPARE(driver.answerBox(1)->text(), QStringLiteral("REEFWISE"));
    }
}

void TestQuestionScreen::normalModeNeverRevealsOrRecolours()
{
    QuizDriver driver;
    QVERIFY(driver.startQuiz());
    driver.type(1, QStringLiteral("Yellowtail Snapper"));
    QVERIFY(driver.clickAndWait(1, "NextButton", driver.question(2)));
    driver.click(driver.answerBox(2));
    driver.click(driver.answerBox(2));
    QCOMPARE(driver.answerBox(2)->text(), QString());
    QCOMPARE(driver.answerBox(2)->foreColour(), White);
    QVERIFY(driver.clickAndWait(2, "BackButton", driver.question(1)));
    QCOMPARE(driver.answerBox(1)->foreColour(), White);
}

void TestQuestionScreen::reviewModeColours_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("correct");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<ui::Colour>("colour");
    QTest::newRow("right") << "neon goby" << true << "neon goby" << Green;
    QTest::newRow("wrong") << "blue goby" << false << "blue goby" << Red;
    QTest::newRow("untouched") << "" << false << "REEFWISE" << Red;
    QTest::newRow("right_then_emptied") << "Neon Goby|" << true << "REEFWISE" << Green;
}

void TestQuestionScreen::reviewModeColours()
{
    QFETCH(QString, answer);
    QFETCH(bool, correct);
    QFETCH(QString, shown);
    QFETCH(ui::Colour, colour);
    QuizDriver driver;
    for (const QString &typed : answer.split('|', Qt::SkipEmptyParts))
        driver.state().checkAnswer(3, typed);
    if (answer.endsWith('|'))
        driver.state().checkAnswer(3, core::QuizState::Prompt);
    driver.state().enterReviewMode();
    QVERIFY(driver.startQuiz());
    QVERIFY(driver.goTo(3));
    QCOMPARE(driver.state().isCorrect(3), correct);
    QCOMPARE(driver.answerBox(3)->text(), shown);
    QCOMPARE(driver.answerBox(3)->foreColour(), colour);
    QCOMPARE(driver.answerBox(3)->palette().color(QPalette::Text),
             QColor(colour.red(), colour.green(), colour.blue()));
}

void TestQuestionScreen::revealOnRedBox_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("click") << false;
    QTest::newRow("return_in_the_box") << true;
}

void TestQuestionScreen::revealOnRedBox()
{
    QFETCH(bool, byKey);
    QuizDriver driver;
    driver.state().checkAnswer(5, QStringLiteral("Blue Fish"));
    driver.state().enterReviewMode();
    QVERIFY(driver.startQuiz());
    QVERIFY(driver.goTo(5));
    QCOMPARE(driver.answerBox(5)->foreColour(), Red);
    if (byKey) {
        driver.answerBox(5)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(driver.answerBox(5), Qt::Key_Return);
    } else {
        driver.click(driver.answerBox(5));
    }
    QCOMPARE(driver.answerBox(5)->text(), QStringLiteral("Blue Tang"));
    QCOMPARE(driver.answerBox(5)->foreColour(), Blue);
    // Untouched red box: the prompt is cleared first, then the name goes in.
    QVERIFY(driver.goTo(6));
    driver.click(driver.answerBox(6));
    QCOMPARE(driver.answerBox(6)->text(), QStringLiteral("Porkfish"));
    QCOMPARE(driver.answerBox(6)->foreColour(), Blue);
}

void TestQuestionScreen::clickWhileFocusedRewritesTheReveal()
{
    QuizDriver driver;
    driver.state().enterReviewMode();
    QVERIFY(driver.startQuiz());
    QVERIFY(driver.goTo(31));
    driver.click(driver.answerBox(31));
    QTest::keyClicks(driver.answerBox(31), QStringLiteral(" edit"));
    QCOMPARE(driver.answerBox(31)->text(), QStringLiteral("Rock Angel Beauty edit"));
    driver.click(driver.answerBox(31));
    QCOMPARE(driver.answerBox(31)->text(), QStringLiteral("Rock Angel Beauty"));
    // An edit into a wrong name that is then left is stored and earns nothing.
    QTest::keyClicks(driver.answerBox(31), QStringLiteral("x"));
    QVERIFY(driver.clickAndWait(31, "NextButton", driver.question(32)));
    QCOMPARE(driver.state().storedAnswer(31), QStringLiteral("Rock Angel Beautyx"));
    QVERIFY(!driver.state().isCorrect(31));
    QCOMPARE(driver.state().score(), qint16(0));
}

void TestQuestionScreen::revealedNameScoresWhenLeft()
{
    QuizDriver driver;
    driver.state().enterReviewMode();
    QVERIFY(driver.startQuiz());
    QVERIFY(driver.goTo(32));
    driver.click(driver.answerBox(32));
    QVERIFY(driver.clickAndWait(32, "NextButton", driver.question(33)));
    QCOMPARE(driver.state().storedAnswer(32), QStringLiteral("Spotted Eagle Ray"));
    QCOMPARE(driver.state().score(), qint16(1));
    QVERIFY(driver.clickAndWait(33, "BackButton", driver.question(32)));
    QCOMPARE(driver.answerBox(32)->foreColour(), Green);
    driver.click(driver.answerBox(32));
    QCOMPARE(driver.answerBox(32)->text(), QStringLiteral("Spotted Eagle Ray"));
    QCOMPARE(driver.answerBox(32)->foreColour(), Green);
}

void TestQuestionScreen::greenBoxWithPromptClearsButRevealsNothing()
{
    QuizDriver driver;
    driver.state().checkAnswer(40, QStringLiteral("cowfish"));
    driver.state().checkAnswer(40, core::QuizState::Prompt);
    driver.state().enterReviewMode();
    QVERIFY(driver.startQuiz());
    QVERIFY(driver.goTo(40));
    QCOMPARE(driver.answerBox(40)->text(), QStringLiteral("REEFWISE"));
    QCOMPARE(driver.answerBox(40)->foreColour(), Green);
    driver.click(driver.answerBox(40));
    QCOMPARE(driver.answerBox(40)->text(), QString());
    QCOMPARE(driver.answerBox(40)->foreColour(), Green);
}

void TestQuestionScreen::lastScreenMenuEntriesKeepTheTypedAnswer_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("loadedAfter");
    QTest::addColumn<bool>("ended");
    QTest::newRow("next_fish") << "NextFish"
                               << "frmFinale" << false;
    QTest::newRow("previous_fish") << "PrevFish"
                                   << "frm46SpottedMoray" << false;
    QTest::newRow("exit") << "Exit"
                          << "" << true;
}

void TestQuestionScreen::lastScreenMenuEntriesKeepTheTypedAnswer()
{
    QFETCH(QString, entry);
    QFETCH(QString, loadedAfter);
    QFETCH(bool, ended);
    QuizDriver driver;
    QVERIFY(driver.startQuiz());
    QVERIFY(driver.goTo(47));
    driver.type(47, QStringLiteral("Rainbow Parrotfish"));
    QVERIFY(driver.answerBox(47)->hasFocus());
    driver.question(47).control<QAction>(entry)->trigger();
    QCOMPARE(driver.state().storedAnswer(47), QStringLiteral("Rainbow Parrotfish"));
    QCOMPARE(driver.state().score(), qint16(1));
    QCOMPARE(driver.quiz().program.hasEnded(), ended);
    QCOMPARE(driver.loadedScreens(), loadedAfter.isEmpty() ? QStringList{"frm47RainbowParrotfish"}
                                                           : QStringList{loadedAfter});
}

void TestQuestionScreen::exitEndsTheRun_data()
{
    QTest::addColumn<bool>("review");
    QTest::newRow("normal_mode") << false;
    QTest::newRow("review_mode") << true;
}

void TestQuestionScreen::exitEndsTheRun()
{
    QFETCH(bool, review);
    QuizDriver driver;
    if (review)
        driver.state().enterReviewMode();
    QVERIFY(driver.startQuiz());
    QVERIFY(driver.goTo(15));
    driver.type(15, QStringLiteral("nurse shark"));
    driver.click(driver.button(15, "ExitButton"));
    QVERIFY(driver.quiz().program.hasEnded());
    QCOMPARE(driver.quiz().program.exitStatus(), 0);
    QCOMPARE(driver.state().storedAnswer(15), QStringLiteral("nurse shark"));
    QVERIFY(!driver.finale().isLoaded());
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY(!w->isVisible());
    QVERIFY(driver.reports.isEmpty());
}

void TestQuestionScreen::scoreIsNeverLowered()
{
    QuizDriver driver;
    QVERIFY(driver.startQuiz());
    driver.type(1, QStringLiteral("yellowtail snapper"));
    QVERIFY(driver.clickAndWait(1, "NextButton", driver.question(2)));
    QVERIFY(driver.clickAndWait(2, "BackButton", driver.question(1)));
    driver.type(1, QStringLiteral("something else"));
    QVERIFY(driver.clickAndWait(1, "NextButton", driver.question(2)));
    QCOMPARE(driver.state().storedAnswer(1), QStringLiteral("something else"));
    QCOMPARE(driver.state().score(), qint16(1));
    QVERIFY(driver.state().isCorrect(1));
}

void TestQuestionScreen::accessibleNamesNeverGiveTheFishAway()
{
    QuizDriver driver;
    driver.question(12).Load();
    screens::QuestionScreen &screen = driver.question(12);
    QCOMPARE(screen.control<QWidget>("pic12")->accessibleName(),
             QStringLiteral("Fish photo 12 of 47"));
    QCOMPARE(screen.control<QWidget>("FISH")->accessibleName(), QStringLiteral("Fish name"));
    QCOMPARE(screen.control<QWidget>("BackButton")->accessibleName(), QStringLiteral("Back"));
    QCOMPARE(screen.control<QWidget>("NextButton")->accessibleName(), QStringLiteral("Next"));
    QCOMPARE(screen.control<QWidget>("ExitButton")->accessibleName(), QStringLiteral("Exit"));
    QVERIFY(screen.control<QWidget>("FISH")->accessibleDescription().isEmpty());
    screen.Unload();
    driver.state().enterReviewMode();
    screen.Load();
    QVERIFY(!screen.control<QWidget>("FISH")->accessibleDescription().isEmpty());
    for (QWidget *w : screen.window()->findChildren<QWidget *>())
        QVERIFY(!w->accessibleName().contains(QStringLiteral("Doctor"), Qt::CaseInsensitive));
    screen.Unload();
}

QTEST_MAIN(TestQuestionScreen)
#include "tst_questionscreen.moc"
