// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <accessibility.h>
#include <appearance.h>
#include <formwindow.h>
#include <picturebox.h>
#include <program.h>
#include <screen.h>
#include <textbox.h>

#include <QAccessible>
#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <optional>

using namespace ui;

namespace {

// A screen with an answer box, a picture button, a photo with no handler, a
// button hidden under the first one and a button that is not shown.
class ProbeScreen : public Screen
{
public:
    ProbeScreen(Program &program, bool borderless = false)
        : Screen(program, QStringLiteral("probe"))
        , m_borderless(borderless)
    {
    }

    int clicks = 0;
    int lostFocus = 0;
    int lostFocusSeenByClick = -1;
    QString textSeenByLostFocus;

    TextBox *box() const { return control<TextBox>(QStringLiteral("Box")); }
    PictureBox *picture(const QString &name) const { return control<PictureBox>(name); }

protected:
    FormSpec layout() const override
    {
        FormSpec form{.name = objectName(),
                      .caption = QStringLiteral("Probe!"),
                      .clientWidth = 3000,
                      .clientHeight = 2250,
                      .borderless = m_borderless};
        form.controls = {
            {.name = QStringLiteral("Go"),
             .kind = ControlKind::PictureBox,
             .left = 1500,
             .top = 1500,
             .tabIndex = 1,
             .picture = QStringLiteral("NextButtonImage"),
             .button = true,
             .accessibleName = QStringLiteral("Next")},
            {.name = QStringLiteral("Under"),
             .kind = ControlKind::PictureBox,
             .left = 1500,
             .top = 1500,
             .tabIndex = 2,
             .picture = QStringLiteral("ExitButtonImage"),
             .button = true,
             .accessibleName = QStringLiteral("Covered")},
            {.name = QStringLiteral("Hidden"),
             .kind = ControlKind::PictureBox,
             .left = 0,
             .top = 1500,
             .tabIndex = 3,
             .picture = QStringLiteral("BackButtonImage"),
             .button = true,
             .visible = false,
             .accessibleName = QStringLiteral("Back")},
            {.name = QStringLiteral("Photo"),
             .kind = ControlKind::PictureBox,
             .left = 2250,
             .top = 0,
             .tabIndex = 0,
             .picture = QStringLiteral("ExitButtonImage"),
             .accessibleName = QStringLiteral("A picture")},
            {.name = QStringLiteral("Box"),
             .kind = ControlKind::TextBox,
             .left = 150,
             .top = 150,
             .width = 1500,
             .height = 375,
             .tabIndex = 4,
             .text = QStringLiteral("laid out")},
        };
        return form;
    }

    void connectHandlers() override
    {
        on(box(), &TextBox::lostFocus, [this] {
            ++lostFocus;
            textSeenByLostFocus = box()->text();
        });
        for (const char *name : {"Go", "Under", "Hidden"}) {
            on(picture(QLatin1String(name)), &PictureBox::clicked, [this] {
                ++clicks;
                lostFocusSeenByClick = lostFocus;
            });
        }
    }

private:
    bool m_borderless = false;
};

bool showAndActivate(Screen &screen)
{
    screen.Load();
    screen.Show();
    return QTest::qWaitForWindowActive(screen.window());
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

void pressThroughAccessibility(QObject *object)
{
    accessible(object)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        applyAppearance(*qApp);
        installAccessibility();
    }

    void windowIsAFrameNamedByItsCaption_data();
    void windowIsAFrameNamedByItsCaption();
    void pictureBoxIsAButtonWhereItsLayoutSaysSo_data();
    void pictureBoxIsAButtonWhereItsLayoutSaysSo();
    void pressMovesFocusBeforeClick_data();
    void pressMovesFocusBeforeClick();
    void pressRunsNothingWhereNoClickReaches_data();
    void pressRunsNothingWhereNoClickReaches();
};

void TestAccessibility::windowIsAFrameNamedByItsCaption_data()
{
    QTest::addColumn<bool>("borderless");
    QTest::newRow("title_bar") << false;
    QTest::newRow("borderless") << true;
}

void TestAccessibility::windowIsAFrameNamedByItsCaption()
{
    QFETCH(bool, borderless);
    Program program;
    ProbeScreen screen(program, borderless);
    QVERIFY(showAndActivate(screen));
    QAccessibleInterface *window = accessible(screen.window());
    QVERIFY(window);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Probe!"));
    QVERIFY(window->state().active);
    screen.Unload();
}

void TestAccessibility::pictureBoxIsAButtonWhereItsLayoutSaysSo_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("pressable");
    // A spy on the box's Click, as a test or a tool attaches one.
    QTest::addColumn<bool>("watched");
    QTest::newRow("laid_out_as_a_button")
        << "Go"
        << "Next" << int(QAccessible::Button) << true << true << false;
    QTest::newRow("laid_out_as_a_picture")
        << "Photo"
        << "A picture" << int(QAccessible::Graphic) << true << false << false;
    QTest::newRow("picture_watched_by_a_spy")
        << "Photo"
        << "A picture" << int(QAccessible::Graphic) << true << false << true;
    QTest::newRow("covered_by_a_control_in_front")
        << "Under"
        << "Covered" << int(QAccessible::Button) << false << false << false;
    QTest::newRow("not_visible") << "Hidden"
                                 << "Back" << int(QAccessible::Button) << false << false << false;
}

void TestAccessibility::pictureBoxIsAButtonWhereItsLayoutSaysSo()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(bool, shown);
    QFETCH(bool, pressable);
    QFETCH(bool, watched);
    Program program;
    ProbeScreen screen(program);
    QVERIFY(showAndActivate(screen));
    std::optional<QSignalSpy> spy;
    if (watched)
        spy.emplace(screen.picture(control), &PictureBox::clicked);
    QAccessibleInterface *box = accessible(screen.picture(control));
    QVERIFY(box);
    QCOMPARE(int(box->role()), role);
    QCOMPARE(box->text(QAccessible::Name), name);
    QCOMPARE(!box->state().invisible, shown);
    const QStringList actions = actionNames(screen.picture(control));
    QCOMPARE(actions.contains(QAccessibleActionInterface::pressAction()), pressable);
    // Pressing is what a screen reader offers first on a button.
    if (pressable)
        QCOMPARE(actions.first(), QAccessibleActionInterface::pressAction());
    screen.Unload();
}

void TestAccessibility::pressMovesFocusBeforeClick_data()
{
    QTest::addColumn<bool>("otherWindowActive");
    QTest::newRow("window_active") << false;
    QTest::newRow("another_window_active") << true;
}

void TestAccessibility::pressMovesFocusBeforeClick()
{
    QFETCH(bool, otherWindowActive);
    Program program;
    ProbeScreen screen(program);
    QVERIFY(showAndActivate(screen));
    QTest::mouseClick(screen.box(), Qt::LeftButton);
    QVERIFY(screen.box()->holdsFocus());
    screen.box()->selectAll();
    QTest::keyClicks(screen.box(), QStringLiteral("typed"));
    QWidget other;
    if (otherWindowActive) {
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!screen.window()->isActiveWindow());
    }
    QCOMPARE(screen.lostFocus, 0);

    pressThroughAccessibility(screen.picture(QStringLiteral("Go")));
    // The assistive technology gets its answer before any handler runs.
    QCOMPARE(screen.clicks, 0);
    QCOMPARE(screen.lostFocus, 0);
    QTRY_COMPARE(screen.clicks, 1);
    QCOMPARE(screen.lostFocus, 1);
    QCOMPARE(screen.lostFocusSeenByClick, 1);
    QCOMPARE(screen.textSeenByLostFocus, QStringLiteral("typed"));
    QVERIFY(!screen.box()->holdsFocus());
    QCOMPARE(screen.window()->focusWidget(), screen.picture(QStringLiteral("Go")));
    screen.Unload();
}

void TestAccessibility::pressRunsNothingWhereNoClickReaches_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("unloaded");
    QTest::newRow("covered_by_a_control_in_front") << "Under" << false;
    QTest::newRow("not_visible") << "Hidden" << false;
    QTest::newRow("screen_unloaded") << "Go" << true;
}

void TestAccessibility::pressRunsNothingWhereNoClickReaches()
{
    QFETCH(QString, control);
    QFETCH(bool, unloaded);
    Program program;
    ProbeScreen screen(program);
    QVERIFY(showAndActivate(screen));
    QTest::mouseClick(screen.box(), Qt::LeftButton);
    QPointer<PictureBox> box = screen.picture(control);
    QAccessibleInterface *accessibleBox = accessible(box);
    if (unloaded)
        screen.Unload();
    accessibleBox->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTest::qWait(50);
    QCOMPARE(screen.clicks, 0);
    QCOMPARE(screen.lostFocus, 0);
    if (!unloaded) {
        QVERIFY(screen.box()->hasFocus());
        screen.Unload();
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
