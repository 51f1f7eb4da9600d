// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "introscreen.h"

#include <int16.h>
#include <label.h>
#include <quiz.h>

#include <QTimer>

namespace screens {

using namespace ui;

namespace {

const FontSpec Title{QStringLiteral("Times New Roman"), 24, true};

// The review-mode paragraph, with its colour words drawn in their colours.
QString reviewParagraph()
{
    const auto coloured = [](const char *word, const char *colour) {
        return QStringLiteral("<span style=\"color:%1\">%2</span>")
            .arg(QLatin1String(colour), QLatin1String(word));
    };
    return QStringLiteral("When you come back in review mode, if you got it right the color of "
                          "the name of the fish will be %1, if you got it wrong it'll be "
                          "%2.&nbsp; When %3 you can click on it to reveal the true answer in %4.")
        .arg(coloured("green", "#00ff00"), coloured("red", "#ff0000"), coloured("red", "#ff0000"),
             coloured("blue", "#0000ff"));
}

// A listener hears the countdown on arrival, in the explanation, and again
// at 10 and 5 seconds rather than every second.
bool countdownSpoken(int seconds)
{
    return seconds == 10 || seconds == 5;
}

// The intro for a listener who cannot see the mock question screen.
const char *const Explanation =
    "A quiz of 47 reef fish. Each screen shows the picture of a fish: type its name in the "
    "box under the picture, then go on with Next. Back goes to the fish before, and Exit "
    "ends the quiz. Answers are judged quietly; the last screen tells your score and offers a "
    "review, in which a name you got right is green and one you got wrong is red, and pressing "
    "Return in a red name reveals the right one. The quiz starts by itself in 25 seconds; "
    "press Return or Space to start now.";

} // namespace

IntroScreen::IntroScreen(Quiz &quiz, QObject *parent)
    : Screen(quiz.program, QStringLiteral("frmINTRo"), parent)
    , m_quiz(quiz)
{
}

FormSpec IntroScreen::layout() const
{
    FormSpec form{
        .name = QStringLiteral("frmINTRo"),
        .caption = QStringLiteral("Reefwise!"),
        .clientWidth = 4665,
        .clientHeight = 6645,
        .backColour = colours::Black,
    };
    form.controls = {
        {.name = QStringLiteral("FISH"),
         .kind = ControlKind::TextBox,
         .left = 480,
         .top = 1320,
         .width = 3735,
         .height = 375,
         .tabIndex = 3,
         .tabStop = false,
         .text = QStringLiteral("Enter the name of the fish here"),
         .foreColour = colours::White,
         .backColour = colours::Black,
         .accessibleName = QStringLiteral("Example: fish name box")},
        {.name = QStringLiteral("BackButton"),
         .kind = ControlKind::PictureBox,
         .left = 817,
         .top = 1920,
         .width = 750,
         .height = 900,
         .tabIndex = 2,
         .tabStop = false,
         .picture = QStringLiteral("BackButtonImage"),
         .accessibleName = QStringLiteral("Example: Back button")},
        {.name = QStringLiteral("NextButton"),
         .kind = ControlKind::PictureBox,
         .left = 3307,
         .top = 1920,
         .width = 750,
         .height = 900,
         .tabIndex = 1,
         .tabStop = false,
         .picture = QStringLiteral("NextButtonImage"),
         .toolTip = QStringLiteral("Next Fish"),
         .accessibleName = QStringLiteral("Example: Next button")},
        {.name = QStringLiteral("ExitButton"),
         .kind = ControlKind::PictureBox,
         .left = 2062,
         .top = 1995,
         .width = 750,
         .height = 750,
         .tabIndex = 0,
         .tabStop = false,
         .picture = QStringLiteral("ExitButtonImage"),
         .accessibleName = QStringLiteral("Example: Exit button")},
        {.name = QStringLiteral("lblMonth"),
         .index = 2,
         .left = 360,
         .top = 4560,
         .width = 3975,
         .height = 975,
         .text = QStringLiteral("reefwise.example"),
         .foreColour = colours::Red,
         .font = Title,
         .align = Align::Centre,
         .wordWrap = true},
        {.name = QStringLiteral("Starting"),
         .index = 2,
         .left = 0,
         .top = 6000,
         .width = 4695,
         .height = 735,
         .tabIndex = 4,
         .text = QStringLiteral("Starting in 25"),
         .foreColour = colours::Yellow,
         .font = Title,
         .align = Align::Centre,
         .button = true,
         .accessibleName = QStringLiteral("Start now")},
        {.name = QStringLiteral("Label2"),
         .left = 1537,
         .top = 2880,
         .width = 2055,
         .height = 255,
         .text = QStringLiteral("PRETTY OBVIOUS ISNT IT"),
         .foreColour = colours::White,
         .backColour = colours::ButtonText},
        {.name = QStringLiteral("lblMonth"),
         .index = 1,
         .left = 0,
         .top = 5520,
         .width = 4695,
         .height = 735,
         .text = QStringLiteral("Class Of 2001 - 2002"),
         .foreColour = colours::Red,
         .font = Title,
         .align = Align::Centre},
        {.name = QStringLiteral("Me"),
         .index = 1,
         .left = 0,
         .top = 4080,
         .width = 4695,
         .height = 615,
         .text = QStringLiteral("By Tarrow"),
         .foreColour = colours::Red,
         .font = Title,
         .align = Align::Centre},
        {.name = QStringLiteral("Label3"),
         .left = 360,
         .top = 3120,
         .width = 4335,
         .height = 855,
         .text = reviewParagraph(),
         .foreColour = colours::White,
         .wordWrap = true,
         .richText = true},
        {.name = QStringLiteral("Label1"),
         .left = 600,
         .top = 600,
         .width = 3495,
         .height = 615,
         .text = QStringLiteral("Here will be the picture of a fish"),
         .foreColour = colours::White,
         .backColour = colours::WindowText,
         .border = Border::Single},
        {.name = QStringLiteral("lblMonth"),
         .index = 0,
         .left = 90,
         .top = 0,
         .width = 4695,
         .height = 735,
         .text = QStringLiteral("REEFWISE!"),
         .foreColour = colours::Red,
         .font = Title,
         .align = Align::Centre},
        {.name = QStringLiteral("Timer1"), .kind = ControlKind::Timer, .interval = 1000},
    };
    return form;
}

void IntroScreen::connectHandlers()
{
    on(control<QTimer>(QStringLiteral("Timer1")), &QTimer::timeout, [this] { Timer1_Timer(); });
    on(control<Label>(QStringLiteral("Starting"), 2), &Label::clicked,
       [this] { Starting_Click(2); });
}

void IntroScreen::Form_Load()
{
    m_countdown = 25;
    window()->setAccessibleDescription(QLatin1String(Explanation));
}

void IntroScreen::Timer1_Timer()
{
    m_countdown = core::checkedAdd(m_countdown, -1);
    if (m_countdown == 0) {
        Starting_Click(2);
        return;
    }
    auto *starting = control<Label>(QStringLiteral("Starting"), 2);
    starting->setText(QStringLiteral("Starting in ") + core::numberText(m_countdown));
    if (countdownSpoken(m_countdown))
        window()->announce(tr("Starting in %1 seconds").arg(m_countdown));
}

void IntroScreen::Starting_Click(int /*index*/)
{
    changeScreen(m_quiz.registry.intro(), m_quiz.registry.slot(0));
}

} // namespace screens
