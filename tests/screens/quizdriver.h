// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <startup.h>

#include <finale/finalescreen.h>
#include <intro/introscreen.h>
#include <question/questionscreen.h>

#include <QStringList>

class QWidget;

namespace ui {
class PictureBox;
class TextBox;
} // namespace ui

// Plays the quiz through its real widgets, as a person would with the mouse
// and the keyboard, on a run started the way the program starts it.
class QuizDriver
{
public:
    QuizDriver();

    StartUp &startUp() { return m_startUp; }
    ui::Quiz &quiz() { return m_startUp.quiz(); }
    core::QuizState &state() { return quiz().state; }

    screens::IntroScreen &intro();
    screens::QuestionScreen &question(int number);
    screens::FinaleScreen &finale();

    // The screens that are loaded, by object name.
    QStringList loadedScreens();

    // Clicks the countdown and waits for question screen 1.
    bool startQuiz();
    // Jumps to question screen `number` as Next would, without answering.
    bool goTo(int number);

    ui::TextBox *answerBox(int number);
    ui::PictureBox *button(int number, const char *name);

    void click(QWidget *widget);
    // Clicks into the answer box, replaces its text by `text` and stays there.
    void type(int number, const QString &text);
    // Clicks a button and waits until the screen that it shows is active.
    bool clickAndWait(int number, const char *button, ui::Screen &target);

    QStringList reports;

private:
    StartUp m_startUp;
};

bool waitActive(ui::Screen &screen);
