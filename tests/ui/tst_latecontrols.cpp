// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Text boxes and rich-text labels are built only when asked for or when their
// window is first exposed. Whenever that happens, they must end up exactly
// where building them with the rest would have put them.

#include <appearance.h>
#include <label.h>
#include <program.h>
#include <screen.h>
#include <textbox.h>

#include <QTest>

using namespace ui;

namespace {

ControlSpec picture(const QString &name, int tabIndex = -1)
{
    return {.name = name,
            .kind = ControlKind::PictureBox,
            .left = 150,
            .top = 150,
            .tabIndex = tabIndex,
            .picture = QStringLiteral("NextButtonImage")};
}

ControlSpec label(const QString &name)
{
    return {.name = name, .left = 150, .top = 150, .width = 900, .height = 300, .text = name};
}

ControlSpec richLabel(const QString &name)
{
    ControlSpec c = label(name);
    c.text = QStringLiteral("<b>%1</b>").arg(name);
    c.richText = true;
    return c;
}

ControlSpec textBox(const QString &name, int tabIndex = -1)
{
    return {.name = name,
            .kind = ControlKind::TextBox,
            .left = 150,
            .top = 150,
            .width = 1500,
            .height = 375,
            .tabIndex = tabIndex,
            .text = name};
}

// Runs no handler of its own, so only the forms layer decides when each
// control is built.
class StackScreen : public Screen
{
public:
    StackScreen(Program &program, std::vector<ControlSpec> controls)
        : Screen(program, QStringLiteral("stack"))
        , m_controls(std::move(controls))
    {
    }

    // The controls' names from the back to the front.
    QStringList stacking() const
    {
        QStringList names;
        for (QObject *child : window()->client()->children()) {
            if (child->isWidgetType())
                names << child->objectName();
        }
        return names;
    }

    // The controls that Tab reaches one after the other, from `first` on.
    QStringList tabChain(const QString &first, int length) const
    {
        QStringList names;
        for (QWidget *w = control<QWidget>(first); names.size() < length;
             w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus)
                names << w->objectName();
        }
        return names;
    }

protected:
    FormSpec layout() const override
    {
        FormSpec form{.name = objectName(),
                      .caption = QStringLiteral("Stack"),
                      .clientWidth = 3000,
                      .clientHeight = 2250,
                      .icon = QStringLiteral("ScreenIcon")};
        form.controls = m_controls;
        return form;
    }

private:
    std::vector<ControlSpec> m_controls;
};

QStringList backToFront(const std::vector<ControlSpec> &frontToBack)
{
    QStringList names;
    for (auto c = frontToBack.rbegin(); c != frontToBack.rend(); ++c)
        names << c->name;
    return names;
}

} // namespace

class TestLateControls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { applyAppearance(*qApp); }

    void lateControlsKeepTheirPlaceInFrontAndBehind_data();
    void lateControlsKeepTheirPlaceInFrontAndBehind();
    void fontBoundControlsWaitForTheWindowToBeExposed();
    void lateControlAskedForBeforeShowIsBuiltOnce();
    void lateTextBoxFirstInTabOrderTakesTheFocus();
};

void TestLateControls::lateControlsKeepTheirPlaceInFrontAndBehind_data()
{
    QTest::addColumn<std::vector<ControlSpec>>("controls");
    QTest::addColumn<QStringList>("tabOrder");

    const QString a = QStringLiteral("A"), b = QStringLiteral("B"), c = QStringLiteral("C"),
                  d = QStringLiteral("D");
    // Each late control sits inside the tab order, where appending it to the
    // focus chain as it is built would put it in the wrong place.
    QTest::newRow("text_box_listed_first_stays_in_front")
        << std::vector{textBox(a, 1), picture(b, 0), picture(c, 2)} << QStringList{b, a, c};
    QTest::newRow("rich_label_between_pictures")
        << std::vector{picture(a, 0), richLabel(b), picture(c, 1)} << QStringList{a, c};
    QTest::newRow("two_late_controls_in_a_row")
        << std::vector{picture(a, 0), textBox(b, 1), richLabel(c), picture(d, 2)}
        << QStringList{a, b, d};
    QTest::newRow("late_control_listed_last_stays_at_the_back")
        << std::vector{picture(a, 2), picture(b, 0), textBox(c, 1)} << QStringList{b, c, a};
    QTest::newRow("only_late_controls")
        << std::vector{textBox(a, 1), richLabel(b), textBox(c, 0), textBox(d, 2)}
        << QStringList{c, a, d};
}

void TestLateControls::lateControlsKeepTheirPlaceInFrontAndBehind()
{
    QFETCH(std::vector<ControlSpec>, controls);
    QFETCH(QStringList, tabOrder);
    Program program;
    StackScreen screen(program, controls);
    screen.Show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.window()));
    QTRY_COMPARE(screen.stacking(), backToFront(controls));
    QCOMPARE(screen.tabChain(tabOrder.first(), int(tabOrder.size())), tabOrder);
    screen.Unload();
}

void TestLateControls::fontBoundControlsWaitForTheWindowToBeExposed()
{
    const std::vector controls{textBox(QStringLiteral("Box")), richLabel(QStringLiteral("Rich")),
                               picture(QStringLiteral("Go"), 0), label(QStringLiteral("Plain"))};
    Program program;
    StackScreen screen(program, controls);
    screen.Load();
    QCOMPARE(screen.stacking(), (QStringList{QStringLiteral("Plain"), QStringLiteral("Go")}));
    screen.Show();
    QCOMPARE(screen.stacking(), (QStringList{QStringLiteral("Plain"), QStringLiteral("Go")}));
    QVERIFY(QTest::qWaitForWindowExposed(screen.window()));
    QTRY_COMPARE(screen.stacking(), backToFront(controls));
    QCOMPARE(screen.control<Label>(QStringLiteral("Rich"))->text(), QStringLiteral("<b>Rich</b>"));
    QVERIFY(screen.control<Label>(QStringLiteral("Rich"))->isVisible());
    screen.Unload();
}

void TestLateControls::lateControlAskedForBeforeShowIsBuiltOnce()
{
    Program program;
    StackScreen screen(program,
                       {picture(QStringLiteral("Go"), 0), textBox(QStringLiteral("Box"), 1),
                        label(QStringLiteral("Plain"))});
    screen.Load();
    auto *box = screen.control<TextBox>(QStringLiteral("Box"));
    QCOMPARE(box->text(), QStringLiteral("Box"));
    box->setText(QStringLiteral("typed"));
    QCOMPARE(screen.stacking(),
             (QStringList{QStringLiteral("Plain"), QStringLiteral("Box"), QStringLiteral("Go")}));
    screen.Show();
    QVERIFY(QTest::qWaitForWindowExposed(screen.window()));
    QCOMPARE(screen.window()->client()->findChildren<TextBox *>().size(), 1);
    QCOMPARE(screen.control<TextBox>(QStringLiteral("Box")), box);
    QCOMPARE(box->text(), QStringLiteral("typed"));
    screen.Unload();
}

void TestLateControls::lateTextBoxFirstInTabOrderTakesTheFocus()
{
    Program program;
    StackScreen screen(program,
                       {picture(QStringLiteral("Go"), 1), textBox(QStringLiteral("Box"), 0)});
    screen.Show();
    QVERIFY(QTest::qWaitForWindowActive(screen.window()));
    QTRY_COMPARE(QApplication::focusWidget(), screen.control<QWidget>(QStringLiteral("Box")));
    screen.Unload();
}

QTEST_MAIN(TestLateControls)
#include "tst_latecontrols.moc"
