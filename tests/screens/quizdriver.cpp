// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quizdriver.h"

#include <accessibility.h>
#include <appearance.h>
#include <label.h>
#include <picturebox.h>
#include <textbox.h>

#include <QApplication>
#include <QTest>

QuizDriver::QuizDriver()
{
    ui::applyAppearance(*qApp);
    ui::installAccessibility();
    quiz().program.setReporter([this](const QString &message) { reports << message; });
    m_startUp.Main();
}

screens::IntroScreen &QuizDriver::intro()
{
    return static_cast<screens::IntroScreen &>(quiz().registry.intro());
}

screens::QuestionScreen &QuizDriver::question(int number)
{
    return static_cast<screens::QuestionScreen &>(quiz().registry.slot(number - 1));
}

screens::FinaleScreen &QuizDriver::finale()
{
    return static_cast<screens::FinaleScreen &>(quiz().registry.slot(ui::Registry::FinaleSlot));
}

QStringList QuizDriver::loadedScreens()
{
    QStringList names;
    if (intro().isLoaded())
        names << intro().objectName();
    for (int slot = 0; slot < ui::Registry::SlotCount; ++slot)
        if (quiz().registry.slot(slot).isLoaded())
            names << quiz().registry.slot(slot).objectName();
    return names;
}

bool QuizDriver::startQuiz()
{
    if (!waitActive(intro()))
        return false;
    click(intro().control<ui::Label>(QStringLiteral("Starting"), 2));
    return waitActive(question(1));
}

bool QuizDriver::goTo(int number)
{
    ui::Screen *current = nullptr;
    for (int slot = 0; slot < ui::Registry::SlotCount && !current; ++slot)
        if (quiz().registry.slot(slot).isLoaded())
            current = &quiz().registry.slot(slot);
    if (intro().isLoaded())
        current = &intro();
    if (current != &question(number))
        ui::changeScreen(*current, question(number));
    return waitActive(question(number));
}

ui::TextBox *QuizDriver::answerBox(int number)
{
    return question(number).control<ui::TextBox>(QStringLiteral("FISH"));
}

ui::PictureBox *QuizDriver::button(int number, const char *name)
{
    return question(number).control<ui::PictureBox>(QLatin1String(name));
}

void QuizDriver::click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void QuizDriver::type(int number, const QString &text)
{
    ui::TextBox *box = answerBox(number);
    click(box);
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}

bool QuizDriver::clickAndWait(int number, const char *name, ui::Screen &target)
{
    click(button(number, name));
    return waitActive(target);
}

bool waitActive(ui::Screen &screen)
{
    return screen.isLoaded() && QTest::qWaitForWindowActive(screen.window());
}
