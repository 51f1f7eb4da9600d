// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <appearance.h>
#include <formwindow.h>
#include <int16.h>
#include <picturebox.h>
#include <program.h>
#include <registry.h>
#include <runtimeerror.h>
#include <screen.h>
#include <textbox.h>

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace ui;

namespace {

// A small screen: an answer box, a picture button that runs whatever the
// test gives it, and a hidden button in front of the lowest tab index.
class ProbeScreen : public Screen
{
public:
    ProbeScreen(Program &program, const QString &name)
        : Screen(program, name)
    {
    }

    int formLoads = 0;
    int clicks = 0;
    int gotFocus = 0;
    int lostFocus = 0;
    std::function<void()> onClick;

    TextBox *box() const { return control<TextBox>(QStringLiteral("Box")); }
    PictureBox *button() const { return control<PictureBox>(QStringLiteral("Go")); }

protected:
    FormSpec layout() const override
    {
        FormSpec form{.name = objectName(),
                      .caption = QStringLiteral("Probe"),
                      .clientWidth = 3000,
                      .clientHeight = 2250};
        form.controls = {
            {.name = QStringLiteral("Hidden"),
             .kind = ControlKind::PictureBox,
             .left = 0,
             .top = 0,
             .tabIndex = 0,
             .picture = QStringLiteral("ExitButtonImage"),
             .visible = false},
            {.name = QStringLiteral("Front"),
             .left = 1500,
             .top = 1500,
             .width = 600,
             .height = 300,
             .text = QStringLiteral("front")},
            {.name = QStringLiteral("Go"),
             .kind = ControlKind::PictureBox,
             .left = 1500,
             .top = 1500,
             .tabIndex = 1,
             .picture = QStringLiteral("NextButtonImage")},
            {.name = QStringLiteral("Box"),
             .kind = ControlKind::TextBox,
             .left = 150,
             .top = 150,
             .width = 1500,
             .height = 375,
             .tabIndex = 2,
             .text = QStringLiteral("laid out")},
            {.name = QStringLiteral("Item"), .index = 3, .text = QStringLiteral("three")},
        };
        return form;
    }

    void connectHandlers() override
    {
        on(box(), &TextBox::gotFocus, [this] { ++gotFocus; });
        on(box(), &TextBox::lostFocus, [this] { ++lostFocus; });
        on(button(), &PictureBox::clicked, [this] {
            ++clicks;
            if (onClick)
                onClick();
        });
    }

    void Form_Load() override { ++formLoads; }
};

// A screen of one control, laid out by the test.
class OneControlScreen : public Screen
{
public:
    OneControlScreen(Program &program, ControlSpec control)
        : Screen(program, QStringLiteral("one"))
        , m_control(std::move(control))
    {
    }

protected:
    FormSpec layout() const override
    {
        return {.name = objectName(),
                .clientWidth = 3000,
                .clientHeight = 2250,
                .controls = {m_control}};
    }

private:
    ControlSpec m_control;
};

bool showAndActivate(Screen &screen)
{
    screen.Load();
    screen.Show();
    return QTest::qWaitForWindowActive(screen.window());
}

} // namespace

Q_DECLARE_METATYPE(ControlSpec)

class TestScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { applyAppearance(*qApp); }

    void loadBuildsHiddenWindowAndRunsFormLoad();
    void layoutTwipsBecomePixels();
    void earlierControlIsDrawnInFront();
    void controlArrayElementsAreFoundByIndex();
    void missingControlIsRuntimeError();
    void loadOfLoadedScreenChangesNothing();
    void reloadRebuildsControls();
    void showFocusesLowestVisibleTabIndex();
    void unloadFromOwnHandlerIsSafe();
    void unloadedWindowGetsNoHandler();
    void screenChangeLeavesExactlyOneScreenLoaded();
    void pressMovesFocusBeforeClick();
    void focusChangesFromOutsideTheWindowAreNotHandled_data();
    void focusChangesFromOutsideTheWindowAreNotHandled();
    void runtimeErrorStopsHandlerAndEndsRun_data();
    void runtimeErrorStopsHandlerAndEndsRun();
    void layoutErrorIsARuntimeError_data();
    void layoutErrorIsARuntimeError();
    void closingTheWindowEndsTheRunWithStatusZero();
    void emptyRegistrySlotIsRuntimeError();
};

void TestScreen::loadBuildsHiddenWindowAndRunsFormLoad()
{
    Program program;
    ProbeScreen screen(program, QStringLiteral("probe"));
    QVERIFY(!screen.isLoaded());
    QCOMPARE(screen.formLoads, 0);
    screen.Load();
    QVERIFY(screen.isLoaded());
    QCOMPARE(screen.formLoads, 1);
    QVERIFY(!screen.window()->isVisible());
    QCOMPARE(screen.window()->objectName(), QStringLiteral("probe"));
    QCOMPARE(screen.box()->text(), QStringLiteral("laid out"));
}

void TestScreen::layoutTwipsBecomePixels()
{
    Program program;
    ProbeScreen screen(program, QStringLiteral("probe"));
    screen.Load();
    QCOMPARE(screen.window()->client()->size(), QSize(200, 150));
    QCOMPARE(screen.window()->size(), QSize(200, 150));
    QCOMPARE(screen.box()->geometry(), QRect(10, 10, 100, 25));
    // A picture box takes the size of its picture at its laid-out corner.
    QCOMPARE(screen.button()->geometry(), QRect(100, 100, 50, 60));
}

void TestScreen::earlierControlIsDrawnInFront()
{
    Program program;
    ProbeScreen screen(program, QStringLiteral("probe"));
    screen.Load();
    QWidget *atOverlap = screen.window()->client()->childAt(QPoint(105, 105));
    QVERIFY(atOverlap);
    QCOMPARE(atOverlap->objectName(), QStringLiteral("Front"));
}

void TestScreen::controlArrayElementsAreFoundByIndex()
{
    Program program;
    ProbeScreen screen(program, QStringLiteral("probe"));
    screen.Load();
    auto *item = screen.control<Label>(QStringLiteral("Item"), 3);
    QCOMPARE(item->text(), QStringLiteral("three"));
    QVERIFY(!screen.control(QStringLiteral("Item"), 2));
    QVERIFY(!screen.control(QStringLiteral("Item")));
}

void TestScreen::missingControlIsRuntimeError()
{
    Program program;
    ProbeScreen screen(program, QStringLiteral("probe"));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, screen.control<Label>(QStringLiteral("Box")));
    screen.Load();
    QVERIFY_THROWS_EXCEPTION(RuntimeError, screen.control<Label>(QStringLiteral("Nothing")));
    // The right name with the wrong kind of control is no better.
    QVERIFY_THROWS_EXCEPTION(RuntimeError, screen.control<TextBox>(QStringLiteral("Go")));
}

void TestScreen::loadOfLoadedScreenChangesNothing()
{
    Program program;
    ProbeScreen screen(program, QStringLiteral("probe"));
    screen.Load();
    screen.box()->setText(QStringLiteral("typed"));
    FormWindow *window = screen.window();
    screen.Load();
    QCOMPARE(screen.window(), window);
    QCOMPARE(screen.formLoads, 1);
    QCOMPARE(screen.box()->text(), QStringLiteral("typed"));
}

void TestScreen::reloadRebuildsControls()
{
    Program program;
    ProbeScreen screen(program, QStringLiteral("probe"));
    screen.Load();
    screen.box()->setText(QStringLiteral("typed"));
    screen.Unload();
    QVERIFY(!screen.isLoaded());
    screen.Load();
    QCOMPARE(screen.formLoads, 2);
    QCOMPARE(screen.box()->text(), QStringLiteral("laid out"));
}

void TestScreen::showFocusesLowestVisibleTabIndex()
{
    Program program;
    ProbeScreen screen(program, QStringLiteral("probe"));
    QVERIFY(showAndActivate(screen));
    QVERIFY(screen.window()->isVisible());
    QTRY_COMPARE(QApplication::focusWidget(), screen.button());
    QCOMPARE(screen.gotFocus, 0);
    screen.Unload();
}

void TestScreen::unloadFromOwnHandlerIsSafe()
{
    Program program;
    ProbeScreen screen(program, QStringLiteral("probe"));
    QVERIFY(showAndActivate(screen));
    bool ranToItsEnd = false;
    screen.onClick = [&] {
        screen.Unload();
        ranToItsEnd = true;
    };
    QPointer<FormWindow> window = screen.window();
    QTest::mouseClick(screen.button(), Qt::LeftButton);
    QVERIFY(ranToItsEnd);
    QVERIFY(!screen.isLoaded());
    QVERIFY(window);
    QVERIFY(!window->isVisible());
    QTRY_VERIFY(!window);
}

void TestScreen::unloadedWindowGetsNoHandler()
{
    Program program;
    ProbeScreen screen(program, QStringLiteral("probe"));
    QVERIFY(showAndActivate(screen));
    QPointer<PictureBox> button = screen.button();
    QPointer<TextBox> box = screen.box();
    screen.Unload();
    // Events sent straight to the old controls, before their deferred delete.
    QTest::mouseClick(button, Qt::LeftButton);
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(box, &in);
    QCOMPARE(screen.clicks, 0);
    QCOMPARE(screen.gotFocus, 0);
}

void TestScreen::screenChangeLeavesExactlyOneScreenLoaded()
{
    Program program;
    ProbeScreen first(program, QStringLiteral("first"));
    ProbeScreen second(program, QStringLiteral("second"));
    QVERIFY(showAndActivate(first));
    bool targetShownBeforeUnload = false;
    first.onClick = [&] {
        second.Load();
        second.Show();
        targetShownBeforeUnload = second.window()->isVisible() && first.window()->isVisible();
        first.Unload();
    };
    QTest::mouseClick(first.button(), Qt::LeftButton);
    QVERIFY(targetShownBeforeUnload);
    QVERIFY(!first.isLoaded());
    QVERIFY(second.isLoaded());
    QCOMPARE(second.formLoads, 1);
    QVERIFY(QTest::qWaitForWindowActive(second.window()));
    second.onClick = [&] { changeScreen(second, first); };
    QTest::mouseClick(second.button(), Qt::LeftButton);
    QVERIFY(first.isLoaded());
    QVERIFY(!second.isLoaded());
    QCOMPARE(first.formLoads, 2);
    first.Unload();
}

void TestScreen::pressMovesFocusBeforeClick()
{
    Program program;
    ProbeScreen screen(program, QStringLiteral("probe"));
    QVERIFY(showAndActivate(screen));
    QTest::mouseClick(screen.box(), Qt::LeftButton);
    QCOMPARE(screen.gotFocus, 1);
    int lostFocusSeenByClick = -1;
    screen.onClick = [&] { lostFocusSeenByClick = screen.lostFocus; };
    QTest::mousePress(screen.button(), Qt::LeftButton);
    QCOMPARE(screen.lostFocus, 1);
    QCOMPARE(screen.clicks, 0);
    QTest::mouseRelease(screen.button(), Qt::LeftButton);
    QCOMPARE(lostFocusSeenByClick, 1);
    screen.Unload();
}

void TestScreen::focusChangesFromOutsideTheWindowAreNotHandled_data()
{
    QTest::addColumn<int>("reason");
    QTest::newRow("window_deactivated") << int(Qt::ActiveWindowFocusReason);
    QTest::newRow("popup_opened") << int(Qt::PopupFocusReason);
    QTest::newRow("menu_bar") << int(Qt::MenuBarFocusReason);
}

void TestScreen::focusChangesFromOutsideTheWindowAreNotHandled()
{
    QFETCH(int, reason);
    Program program;
    ProbeScreen screen(program, QStringLiteral("probe"));
    screen.Load();
    QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(reason));
    QFocusEvent in(QEvent::FocusIn, Qt::FocusReason(reason));
    QApplication::sendEvent(screen.box(), &in);
    QApplication::sendEvent(screen.box(), &out);
    QCOMPARE(screen.gotFocus, 0);
    QCOMPARE(screen.lostFocus, 0);

    QFocusEvent tabIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(screen.box(), &tabIn);
    QVERIFY(screen.box()->holdsFocus());
    QApplication::sendEvent(screen.box(), &out);
    QVERIFY(screen.box()->holdsFocus());
    QCOMPARE(screen.gotFocus, 1);
    QCOMPARE(screen.lostFocus, 0);
}

void TestScreen::runtimeErrorStopsHandlerAndEndsRun_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("overflow") << 0;
    QTest::newRow("failed_runtime_call") << 1;
}

void TestScreen::runtimeErrorStopsHandlerAndEndsRun()
{
    QFETCH(int, kind);
    Program program;
    QStringList reports;
    program.setReporter([&](const QString &message) { reports << message; });
    ProbeScreen screen(program, QStringLiteral("probe"));
    QVERIFY(showAndActivate(screen));
    bool ranPastTheError = false;
    screen.onClick = [&] {
        if (kind == 0)
            core::checkedAdd(32767, 1);
        else
            screen.control<Label>(QStringLiteral("NoSuchControl"));
        ranPastTheError = true;
    };
    QTest::mouseClick(screen.button(), Qt::LeftButton);
    QVERIFY(!ranPastTheError);
    QCOMPARE(reports.size(), 1);
    QVERIFY(program.hasEnded());
    QCOMPARE(program.exitStatus(), 1);
    QVERIFY(!screen.window()->isVisible());
    // After the end no handler runs, whatever arrives.
    screen.dispatch([&] { ranPastTheError = true; });
    QVERIFY(!ranPastTheError);
    QCOMPARE(screen.clicks, 1);
}

void TestScreen::layoutErrorIsARuntimeError_data()
{
    // A system colour the screens do not know.
    constexpr Colour unknown = Colour::system(3);
    QTest::addColumn<ControlSpec>("control");
    QTest::newRow("text_box") << ControlSpec{.name = QStringLiteral("Box"),
                                             .kind = ControlKind::TextBox,
                                             .width = 1500,
                                             .height = 375,
                                             .foreColour = unknown};
    QTest::newRow("rich_text_label") << ControlSpec{.name = QStringLiteral("Rich"),
                                                    .width = 900,
                                                    .height = 300,
                                                    .text = QStringLiteral("<b>rich</b>"),
                                                    .backColour = unknown,
                                                    .richText = true};
    QTest::newRow("plain_label") << ControlSpec{.name = QStringLiteral("Plain"),
                                                .width = 900,
                                                .height = 300,
                                                .text = QStringLiteral("plain"),
                                                .foreColour = unknown};
}

void TestScreen::layoutErrorIsARuntimeError()
{
    QFETCH(ControlSpec, control);
    Program program;
    QStringList reports;
    program.setReporter([&](const QString &message) { reports << message; });
    OneControlScreen screen(program, control);
    // Screens are loaded by the handler that changes to them.
    screen.dispatch([&] {
        screen.Load();
        screen.Show();
    });
    QCOMPARE(reports.size(), 1);
    QVERIFY2(reports.first().contains(QStringLiteral("system colour")),
             qPrintable(reports.first()));
    QCOMPARE(program.exitStatus(), 1);
}

void TestScreen::closingTheWindowEndsTheRunWithStatusZero()
{
    Program program;
    ProbeScreen screen(program, QStringLiteral("probe"));
    QVERIFY(showAndActivate(screen));
    screen.window()->close();
    QVERIFY(program.hasEnded());
    QCOMPARE(program.exitStatus(), 0);
}

void TestScreen::emptyRegistrySlotIsRuntimeError()
{
    Registry registry;
    QVERIFY_THROWS_EXCEPTION(RuntimeError, registry.slot(0));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, registry.slot(48));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, registry.intro());
}

QTEST_MAIN(TestScreen)
#include "tst_screen.moc"
