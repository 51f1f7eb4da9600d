// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <appearance.h>
#include <formbuilder.h>
#include <formwindow.h>
#include <textbox.h>

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTest>

using namespace ui;

namespace {

// What a dark desktop theme hands the program: light text on dark grounds.
QPalette darkDesktopPalette()
{
    QPalette dark(QColor(50, 50, 50));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, QColor(240, 240, 240));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    return dark;
}

FormSpec labelsOnSystemGrounds()
{
    FormSpec form{.name = QStringLiteral("frmProbe"),
                  .caption = QStringLiteral("Reefwise!"),
                  .clientWidth = 3000,
                  .clientHeight = 3000};
    form.controls = {
        {.name = QStringLiteral("OnWindowText"),
         .width = 1500,
         .height = 300,
         .text = QStringLiteral("Here will be the picture of a fish"),
         .foreColour = colours::White,
         .backColour = colours::WindowText},
        {.name = QStringLiteral("OnButtonText"),
         .top = 600,
         .width = 1500,
         .height = 300,
         .text = QStringLiteral("PRETTY OBVIOUS ISNT IT"),
         .foreColour = colours::White,
         .backColour = colours::ButtonText},
        {.name = QStringLiteral("InkWindowText"),
         .top = 1200,
         .width = 1500,
         .height = 300,
         .text = QStringLiteral("default ink"),
         .backColour = colours::White},
    };
    form.menu = {{.name = QStringLiteral("mnuFile"), .caption = QStringLiteral("&File")}};
    return form;
}

} // namespace

class TestAppearance : public QObject
{
    Q_OBJECT

private slots:
    void designPaletteIsQtsLightPalette_data();
    void designPaletteIsQtsLightPalette();
    void systemColoursIgnoreADarkDesktop_data();
    void systemColoursIgnoreADarkDesktop();
    void menuBarAndAnswerBoxKeepTheDesignColours();
};

void TestAppearance::designPaletteIsQtsLightPalette_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("role");
    const QMetaEnum roles = QMetaEnum::fromType<QPalette::ColorRole>();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const QByteArray name =
                QByteArray(QMetaEnum::fromType<QPalette::ColorGroup>().valueToKey(group)) + '_' +
                roles.valueToKey(r);
            QTest::newRow(name.constData()) << int(group) << r;
        }
    }
}

// On a desktop without a theme the screens already look as designed; the
// fixed palette must not change a single colour there.
void TestAppearance::designPaletteIsQtsLightPalette()
{
    QFETCH(int, group);
    QFETCH(int, role);
    const QPalette untouched = QGuiApplication::palette();
    const auto g = QPalette::ColorGroup(group);
    const auto r = QPalette::ColorRole(role);
    QCOMPARE(QColor::fromRgba(designPalette().color(g, r).rgba()).name(QColor::HexArgb),
             QColor::fromRgba(untouched.color(g, r).rgba()).name(QColor::HexArgb));
}

void TestAppearance::systemColoursIgnoreADarkDesktop_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("ground_window_text_8_is_black")
        << QStringLiteral("OnWindowText") << int(QPalette::Window) << QColor(Qt::black);
    QTest::newRow("ground_button_text_18_is_black")
        << QStringLiteral("OnButtonText") << int(QPalette::Window) << QColor(Qt::black);
    QTest::newRow("ink_window_text_8_is_black")
        << QStringLiteral("InkWindowText") << int(QPalette::WindowText) << QColor(Qt::black);
}

void TestAppearance::systemColoursIgnoreADarkDesktop()
{
    QFETCH(QString, label);
    QFETCH(int, role);
    QFETCH(QColor, expected);
    const QPalette before = QGuiApplication::palette();
    QApplication::setPalette(darkDesktopPalette());
    applyAppearance(*qApp);
    const auto window = buildForm(labelsOnSystemGrounds());
    const QLabel *l = window->findChild<QLabel *>(label);
    QVERIFY(l);
    QCOMPARE(l->palette().color(QPalette::ColorRole(role)), expected);
    QApplication::setPalette(before);
}

void TestAppearance::menuBarAndAnswerBoxKeepTheDesignColours()
{
    const QPalette before = QGuiApplication::palette();
    QApplication::setPalette(darkDesktopPalette());
    applyAppearance(*qApp);
    const auto window = buildForm(labelsOnSystemGrounds());
    const QPalette design = designPalette();
    QCOMPARE(window->menuBar()->palette().color(QPalette::ButtonText),
             design.color(QPalette::ButtonText));
    QCOMPARE(window->menuBar()->palette().color(QPalette::Window), design.color(QPalette::Window));
    TextBox box;
    QCOMPARE(box.palette().color(QPalette::Light), design.color(QPalette::Light));
    QCOMPARE(box.palette().color(QPalette::Dark), design.color(QPalette::Dark));
    QApplication::setPalette(before);
}

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
