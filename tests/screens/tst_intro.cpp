// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quizdriver.h"

#include <announcement.h>

#include <label.h>
#include <picturebox.h>
#include <textbox.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

// Records windows appearing and going, in the order they do.
class WindowLog : public QObject
{
public:
    WindowLog() { qApp->installEventFilter(this); }
    QStringList events;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && w->isWindow() && !w->objectName().isEmpty() &&
            (event->type() == QEvent::Show || event->type() == QEvent::Hide))
            events << (event->type() == QEvent::Show ? "show " : "hide ") + w->objectName();
        return false;
    }
};

QString caption(QuizDriver &driver)
{
    return driver.intro().control<ui::Label>(QStringLiteral("Starting"), 2)->text();
}

void tick(QuizDriver &driver)
{
    driver.intro().dispatch([&] { driver.intro().Timer1_Timer(); });
}

} // namespace

class TestIntro : public QObject
{
    Q_OBJECT

private slots:
    void windowAndControls_data();
    void windowAndControls();
    void focusRestsOnTheCountdownToStartNow();
    void countdownCaptionsTickByTick();
    void tickAndClickStartTheQuizAlike_data();
    void tickAndClickStartTheQuizAlike();
    void noTickAfterTheStart();
    void everyLoadStartsTheCountAt25();
    void mockControlsDoNothing();
    void timerTicksEverySecond();
};

void TestIntro::windowAndControls_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("mock_answer_box") << "FISH" << -1 << QRect(32, 88, 249, 25);
    QTest::newRow("mock_back") << "BackButton" << -1 << QRect(54, 128, 50, 60);
    QTest::newRow("mock_next") << "NextButton" << -1 << QRect(220, 128, 50, 60);
    QTest::newRow("mock_exit") << "ExitButton" << -1 << QRect(137, 133, 50, 50);
    QTest::newRow("title") << "lblMonth" << 0 << QRect(6, 0, 313, 49);
    QTest::newRow("class_of") << "lblMonth" << 1 << QRect(0, 368, 313, 49);
    QTest::newRow("web_address") << "lblMonth" << 2 << QRect(24, 304, 265, 65);
    QTest::newRow("countdown") << "Starting" << 2 << QRect(0, 400, 313, 49);
    QTest::newRow("credit") << "Me" << 1 << QRect(0, 272, 313, 41);
    QTest::newRow("placeholder") << "Label1" << -1 << QRect(40, 40, 233, 41);
    QTest::newRow("remark") << "Label2" << -1 << QRect(102, 192, 137, 17);
    QTest::newRow("paragraph") << "Label3" << -1 << QRect(24, 208, 289, 57);
}

void TestIntro::windowAndControls()
{
    QFETCH(QString, control);
    QFETCH(int, index);
    QFETCH(QRect, geometry);
    QuizDriver driver;
    ui::FormWindow *window = driver.intro().window();
    QCOMPARE(window->size(), QSize(311, 443));
    QCOMPARE(window->windowTitle(), QStringLiteral("Reefwise!"));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(driver.intro().control<QWidget>(control, index)->geometry(), geometry);
    QCOMPARE(caption(driver), QStringLiteral("Starting in 25"));
    QCOMPARE(driver.intro().control<QWidget>("NextButton")->toolTip(), QStringLiteral("Next Fish"));
}

void TestIntro::focusRestsOnTheCountdownToStartNow()
{
    QuizDriver driver;
    QVERIFY(waitActive(driver.intro()));
    QTRY_COMPARE(QApplication::focusWidget(),
                 driver.intro().control<QWidget>(QStringLiteral("Starting"), 2));
}

void TestIntro::countdownCaptionsTickByTick()
{
    QuizDriver driver;
    QCOMPARE(driver.intro().countdown(), qint16(25));
    for (int left = 24; left >= 1; --left) {
        tick(driver);
        QCOMPARE(caption(driver), QStringLiteral("Starting in  %1").arg(left));
        QCOMPARE(driver.loadedScreens(), QStringList{"frmINTRo"});
        // A listener hears the count at 10 and 5 seconds, not every second.
        const auto *said = driver.intro().window()->findChild<ui::Announcement *>();
        const int spoken = left > 10 ? 0 : left > 5 ? 10 : 5;
        QCOMPARE(said ? said->accessibleName() : QString(),
                 spoken ? QStringLiteral("Starting in %1 seconds").arg(spoken) : QString());
    }
    QPointer<ui::Label> label = driver.intro().control<ui::Label>(QStringLiteral("Starting"), 2);
    tick(driver);
    // The last tick starts the quiz and leaves the caption as it was.
    QCOMPARE(driver.intro().countdown(), qint16(0));
    QCOMPARE(label->text(), QStringLiteral("Starting in  1"));
    QCOMPARE(driver.loadedScreens(), QStringList{"frm1YellowtailSnapper"});
}

void TestIntro::tickAndClickStartTheQuizAlike_data()
{
    QTest::addColumn<int>("key"); // 0: the countdown runs out; -1: it is clicked
    QTest::newRow("countdown_runs_out") << 0;
    QTest::newRow("countdown_clicked") << -1;
    QTest::newRow("return_pressed") << int(Qt::Key_Return);
    QTest::newRow("space_pressed") << int(Qt::Key_Space);
}

void TestIntro::tickAndClickStartTheQuizAlike()
{
    QFETCH(int, key);
    QuizDriver driver;
    QVERIFY(waitActive(driver.intro()));
    WindowLog log;
    auto *starting = driver.intro().control<ui::Label>(QStringLiteral("Starting"), 2);
    if (key == -1) {
        tick(driver);
        driver.click(starting);
    } else if (key) {
        tick(driver);
        QTRY_COMPARE(QApplication::focusWidget(), starting);
        QTest::keyClick(starting, Qt::Key(key));
    } else {
        for (int i = 0; i < 25; ++i)
            tick(driver);
    }
    QCOMPARE(log.events, (QStringList{"show frm1YellowtailSnapper", "hide frmINTRo"}));
    QVERIFY(!driver.intro().isLoaded());
    QVERIFY(waitActive(driver.question(1)));
    QCOMPARE(driver.answerBox(1)->text(), QStringLiteral("REEFWISE"));
}

void TestIntro::noTickAfterTheStart()
{
    QuizDriver driver;
    QPointer<QTimer> timer = driver.intro().control<QTimer>(QStringLiteral("Timer1"));
    QVERIFY(timer->isActive());
    QVERIFY(driver.startQuiz());
    QVERIFY(!timer || !timer->isActive());
    const qint16 left = driver.intro().countdown();
    QTest::qWait(1300);
    QCOMPARE(driver.intro().countdown(), left);
    QCOMPARE(driver.loadedScreens(), QStringList{"frm1YellowtailSnapper"});
}

void TestIntro::everyLoadStartsTheCountAt25()
{
    QuizDriver driver;
    tick(driver);
    tick(driver);
    QCOMPARE(driver.intro().countdown(), qint16(23));
    driver.intro().Unload();
    driver.intro().Load();
    QCOMPARE(driver.intro().countdown(), qint16(25));
    QCOMPARE(caption(driver), QStringLiteral("Starting in 25"));
}

void TestIntro::mockControlsDoNothing()
{
    QuizDriver driver;
    QVERIFY(waitActive(driver.intro()));
    for (const char *name : {"BackButton", "NextButton", "ExitButton"})
        driver.click(driver.intro().control<QWidget>(QLatin1String(name)));
    for (const char *name : {"Label1", "Label2", "Label3"})
        driver.click(driver.intro().control<QWidget>(QLatin1String(name)));
    driver.click(driver.intro().control<QWidget>(QStringLiteral("lblMonth"), 0));
    auto *box = driver.intro().control<ui::TextBox>(QStringLiteral("FISH"));
    driver.click(box);
    QTest::keyClicks(box, QStringLiteral("Yellowtail Snapper"));
    driver.click(driver.intro().control<QWidget>(QStringLiteral("ExitButton")));
    QCOMPARE(driver.loadedScreens(), QStringList{"frmINTRo"});
    QVERIFY(!driver.quiz().program.hasEnded());
    QCOMPARE(driver.state().storedAnswer(1), QStringLiteral("REEFWISE"));
    QCOMPARE(driver.state().score(), qint16(0));
}

void TestIntro::timerTicksEverySecond()
{
    QuizDriver driver;
    QCOMPARE(driver.intro().control<QTimer>(QStringLiteral("Timer1"))->interval(), 1000);
    QTRY_COMPARE_WITH_TIMEOUT(caption(driver), QStringLiteral("Starting in  24"), 2500);
}

QTEST_MAIN(TestIntro)
#include "tst_intro.moc"
