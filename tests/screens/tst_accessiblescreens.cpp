// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quizdriver.h"

#include <formwindow.h>
#include <picturebox.h>
#include <textbox.h>

#include <QAccessible>
#include <QTest>

namespace {

// Shows the intro (number 0), question screen `number` (1..47) or the finale
// (48), in review mode if asked, the way a run reaches it.
ui::Screen &showScreen(QuizDriver &driver, int number, bool review)
{
    if (review)
        driver.state().enterReviewMode();
    if (number == 0)
        return driver.intro();
    if (!driver.startQuiz())
        throw std::runtime_error("the quiz did not start");
    if (number <= core::FishCount) {
        if (!driver.goTo(number))
            throw std::runtime_error("no question screen");
        return driver.question(number);
    }
    if (!driver.goTo(core::FishCount) ||
        !driver.clickAndWait(core::FishCount, "NextButton", driver.finale()))
        throw std::runtime_error("no finale");
    return driver.finale();
}

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QStringList actionNames(QObject *object)
{
    QAccessibleActionInterface *actions = accessible(object)->actionInterface();
    return actions ? actions->actionNames() : QStringList();
}

// As a screen reader presses a button: only where the button offers it.
// Presses a button through the accessibility bus, or with `key` once Tab
// has brought the focus to it.
bool press(QObject *object, int key = 0)
{
    if (!actionNames(object).contains(QAccessibleActionInterface::pressAction()))
        return false;
    if (key) {
        auto *button = static_cast<QWidget *>(object);
        button->setFocus(Qt::TabFocusReason);
        QTest::keyClick(button, Qt::Key(key));
        return true;
    }
    accessible(object)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    return true;
}

} // namespace

class TestAccessibleScreens : public QObject
{
    Q_OBJECT

private slots:
    void everyScreenIsAFrameNamedReefwise_data();
    void everyScreenIsAFrameNamedReefwise();
    void controlsAsAScreenReaderSeesThem_data();
    void controlsAsAScreenReaderSeesThem();
    void pressKeepsTheTypedAnswerAndChangesScreen_data();
    void pressKeepsTheTypedAnswerAndChangesScreen();
    void pressOnExitEndsTheRun_data();
    void pressOnExitEndsTheRun();
    void pressOnReviewStartsTheSecondPass();
};

void TestAccessibleScreens::everyScreenIsAFrameNamedReefwise_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("review");
    QTest::newRow("intro") << 0 << false;
    QTest::newRow("question_1") << 1 << false;
    QTest::newRow("question_4") << 4 << false;
    QTest::newRow("question_47_with_menu_bar") << 47 << false;
    QTest::newRow("finale_borderless") << 48 << false;
    QTest::newRow("reduced_finale") << 48 << true;
}

void TestAccessibleScreens::everyScreenIsAFrameNamedReefwise()
{
    QFETCH(int, number);
    QFETCH(bool, review);
    QuizDriver driver;
    ui::Screen &screen = showScreen(driver, number, review);
    QVERIFY(waitActive(screen));
    QAccessibleInterface *window = accessible(screen.window());
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Reefwise!"));
}

void TestAccessibleScreens::controlsAsAScreenReaderSeesThem_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("review");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("pressable");
    const int button = QAccessible::Button;
    const int image = QAccessible::Graphic;
    const int entry = QAccessible::EditableText;
    // The intro's mock-ups have no handlers: pictures that say they are examples.
    QTest::newRow("intro_mock_back")
        << 0 << false << "BackButton" << image << "Example: Back button" << true << false;
    QTest::newRow("intro_mock_exit")
        << 0 << false << "ExitButton" << image << "Example: Exit button" << true << false;
    QTest::newRow("intro_mock_next")
        << 0 << false << "NextButton" << image << "Example: Next button" << true << false;
    QTest::newRow("intro_mock_answer_box")
        << 0 << false << "FISH" << entry << "Example: fish name box" << true << false;
    QTest::newRow("intro_countdown_starts_now")
        << 0 << false << "Starting(2)" << button << "Start now" << true << true;
    QTest::newRow("intro_mock_photo") << 0 << false << "Label1" << int(QAccessible::StaticText)
                                      << "Here will be the picture of a fish" << true << false;
    // The photo's name must not give the fish away.
    QTest::newRow("photo") << 1 << false << "imgFish" << image << "Fish photo 1 of 47" << true
                           << false;
    QTest::newRow("photo_of_screen_4")
        << 4 << false << "pic4" << image << "Fish photo 4 of 47" << true << false;
    QTest::newRow("answer_box") << 1 << false << "FISH" << entry << "Fish name" << true << false;
    QTest::newRow("next") << 1 << false << "NextButton" << button << "Next" << true << true;
    QTest::newRow("exit") << 1 << false << "ExitButton" << button << "Exit" << true << true;
    QTest::newRow("screen_1_has_no_back")
        << 1 << false << "BackButton" << image << "Back" << false << false;
    QTest::newRow("back") << 2 << false << "BackButton" << button << "Back" << true << true;
    QTest::newRow("next_on_screen_47")
        << 47 << false << "NextButton" << button << "Next" << true << true;
    QTest::newRow("back_in_review_mode")
        << 30 << true << "BackButton" << button << "Back" << true << true;
    QTest::newRow("finale_review")
        << 48 << false << "Picture1" << button << "Review" << true << true;
    QTest::newRow("finale_exit") << 48 << false << "Picture2" << button << "Exit" << true << true;
    QTest::newRow("reduced_finale_exit")
        << 48 << true << "Picture2" << button << "Exit" << true << true;
    // REVIEW lies under EXIT there: no click reaches it, so no press may.
    QTest::newRow("reduced_finale_review_covered")
        << 48 << true << "Picture1" << button << "Review" << false << false;
}

void TestAccessibleScreens::controlsAsAScreenReaderSeesThem()
{
    QFETCH(int, number);
    QFETCH(bool, review);
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(bool, shown);
    QFETCH(bool, pressable);
    QuizDriver driver;
    ui::Screen &screen = showScreen(driver, number, review);
    QVERIFY(waitActive(screen));
    // An element of a control array is written as Name(index).
    const QStringList parts = control.split(QLatin1Char('('));
    QObject *object = parts.size() == 2 ? screen.control(parts[0], parts[1].chopped(1).toInt())
                                        : screen.control(control);
    QVERIFY(object);
    QAccessibleInterface *iface = accessible(object);
    QCOMPARE(int(iface->role()), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(!iface->state().invisible, shown);
    QCOMPARE(actionNames(object).contains(QAccessibleActionInterface::pressAction()), pressable);
}

void TestAccessibleScreens::pressKeepsTheTypedAnswerAndChangesScreen_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("key"); // 0: the press action
    QTest::newRow("next") << 1 << "NextButton"
                          << "Yellowtail  Snapper" << 2 << 0;
    QTest::newRow("back") << 2 << "BackButton"
                          << " crevalle jack " << 1 << 0;
    QTest::newRow("next_to_the_finale") << 47 << "NextButton"
                                        << "RAINBOW PARROTFISH" << 48 << 0;
    QTest::newRow("next_by_return") << 1 << "NextButton"
                                    << "yellowtail snapper" << 2 << int(Qt::Key_Return);
    QTest::newRow("back_by_space") << 2 << "BackButton"
                                   << "Crevalle Jack" << 1 << int(Qt::Key_Space);
    QTest::newRow("next_to_the_finale_by_keypad_enter")
        << 47 << "NextButton"
        << "rainbow parrotfish" << 48 << int(Qt::Key_Enter);
}

void TestAccessibleScreens::pressKeepsTheTypedAnswerAndChangesScreen()
{
    QFETCH(int, number);
    QFETCH(QString, button);
    QFETCH(QString, typed);
    QFETCH(int, target);
    QFETCH(int, key);
    QuizDriver driver;
    QVERIFY(driver.startQuiz());
    QVERIFY(driver.goTo(number));
    driver.type(number, typed);
    QVERIFY(driver.answerBox(number)->holdsFocus());
    QVERIFY(press(driver.button(number, button.toLatin1().constData()), key));
    ui::Screen &next = target > core::FishCount ? static_cast<ui::Screen &>(driver.finale())
                                                : driver.question(target);
    QTRY_VERIFY(next.isLoaded());
    QVERIFY(waitActive(next));
    // The box's LostFocus ran before the Click left the screen.
    QCOMPARE(driver.state().storedAnswer(number), typed);
    QVERIFY(driver.state().isCorrect(number));
    QCOMPARE(driver.state().score(), qint16(1));
    QCOMPARE(driver.loadedScreens(), QStringList{next.objectName()});
}

void TestAccessibleScreens::pressOnExitEndsTheRun_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("review");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key"); // 0: the press action
    QTest::newRow("question_screen") << 15 << false << "ExitButton" << 0;
    QTest::newRow("question_screen_in_review_mode") << 15 << true << "ExitButton" << 0;
    QTest::newRow("finale") << 48 << false << "Picture2" << 0;
    QTest::newRow("reduced_finale") << 48 << true << "Picture2" << 0;
    QTest::newRow("question_screen_by_return")
        << 15 << false << "ExitButton" << int(Qt::Key_Return);
    QTest::newRow("reduced_finale_by_space") << 48 << true << "Picture2" << int(Qt::Key_Space);
}

void TestAccessibleScreens::pressOnExitEndsTheRun()
{
    QFETCH(int, number);
    QFETCH(bool, review);
    QFETCH(QString, button);
    QFETCH(int, key);
    QuizDriver driver;
    ui::Screen &screen = showScreen(driver, number, review);
    QVERIFY(waitActive(screen));
    const bool question = number <= core::FishCount;
    if (question)
        driver.type(number, QStringLiteral("nurse shark"));
    QVERIFY(press(screen.control(button), key));
    QTRY_VERIFY(driver.quiz().program.hasEnded());
    QCOMPARE(driver.quiz().program.exitStatus(), 0);
    QVERIFY(!screen.window() || !screen.window()->isVisible());
    if (question)
        QCOMPARE(driver.state().storedAnswer(number), QStringLiteral("nurse shark"));
}

void TestAccessibleScreens::pressOnReviewStartsTheSecondPass()
{
    QuizDriver driver;
    ui::Screen &finale = showScreen(driver, 48, false);
    QVERIFY(waitActive(finale));
    QVERIFY(press(finale.control(QStringLiteral("Picture1"))));
    QTRY_VERIFY(driver.question(1).isLoaded());
    QCOMPARE(driver.state().reviewFlag(), qint16(-1));
    QVERIFY(waitActive(driver.question(1)));
    QCOMPARE(driver.loadedScreens(), QStringList{"frm1YellowtailSnapper"});
}

QTEST_MAIN(TestAccessibleScreens)
#include "tst_accessiblescreens.moc"
