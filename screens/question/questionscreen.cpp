// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "questionscreen.h"

#include "questionlayout.h"

#include <catalogue.h>
#include <picturebox.h>
#include <quiz.h>
#include <textbox.h>

#include <QAction>
#include <QMessageBox>

namespace screens {

using core::QuizState;
using ui::colours::Blue;
using ui::colours::Green;
using ui::colours::Red;
using ui::colours::White;

namespace {

// Said on arrival, before the control that takes the focus: the screens
// are all captioned alike.
QString whereThePlayerIs(int number, bool review)
{
    const QString place = QuestionScreen::tr("Question %1 of %2").arg(number).arg(core::FishCount);
    if (!review)
        return place;
    if (number == 1)
        return QuestionScreen::tr("Review mode: each answer shows whether it was right; press "
                                  "Return in a wrong one to reveal the name. %1")
            .arg(place);
    return QuestionScreen::tr("Review, %1").arg(place.toLower());
}

} // namespace

QuestionScreen::QuestionScreen(ui::Quiz &quiz, int number, QObject *parent)
    : ui::Screen(quiz.program, core::fishRow(number).screen, parent)
    , m_quiz(quiz)
    , m_number(number)
{
}

ui::FormSpec QuestionScreen::layout() const
{
    return questionLayout(m_number);
}

void QuestionScreen::connectHandlers()
{
    auto *fish = control<ui::TextBox>(QStringLiteral("FISH"));
    on(fish, &ui::TextBox::gotFocus, [this] { FISH_GotFocus(); });
    on(fish, &ui::TextBox::lostFocus, [this] { FISH_LostFocus(); });
    on(fish, &ui::TextBox::clicked, [this] { FISH_Click(); });
    on(control<ui::PictureBox>(QStringLiteral("NextButton")), &ui::PictureBox::clicked,
       [this] { NextButton_Click(); });
    on(control<ui::PictureBox>(QStringLiteral("ExitButton")), &ui::PictureBox::clicked,
       [this] { ExitButton_Click(); });
    if (m_number > 1)
        on(control<ui::PictureBox>(QStringLiteral("BackButton")), &ui::PictureBox::clicked,
           [this] { BackButton_Click(); });
    if (m_number == core::FishCount) {
        on(control<QAction>(QStringLiteral("Help")), &QAction::triggered, [this] { Help_Click(); });
        on(control<QAction>(QStringLiteral("Exit")), &QAction::triggered, [this] { Exit_Click(); });
        on(control<QAction>(QStringLiteral("PrevFish")), &QAction::triggered,
           [this] { PrevFish_Click(); });
        on(control<QAction>(QStringLiteral("NextFish")), &QAction::triggered,
           [this] { NextFish_Click(); });
    }
}

void QuestionScreen::Form_Load()
{
    QuizState &state = m_quiz.state;
    auto *fish = control<ui::TextBox>(QStringLiteral("FISH"));
    if (state.storedAnswer(m_number) != QuizState::Prompt) {
        fish->setText(state.storedAnswer(m_number));
        fish->setCursorPosition(0);
    }
    const bool review = state.reviewFlag() == QuizState::ReviewOn;
    if (review) {
        const bool correct = state.isCorrect(m_number);
        fish->setForeColour(correct ? Green : Red);
        fish->setAccessibleDescription(
            correct ? tr("Named right")
                    : tr("Not named right; press Return or click here to reveal the name"));
    } else {
        fish->setForeColour(White);
    }
    window()->setAccessibleDescription(whereThePlayerIs(m_number, review));
}

void QuestionScreen::FISH_GotFocus()
{
    auto *fish = control<ui::TextBox>(QStringLiteral("FISH"));
    m_quiz.state.workText() = fish->text().toLower();
    if (m_quiz.state.workText() == QLatin1String("reefwise"))
        fish->setText(QString());
}

void QuestionScreen::FISH_LostFocus()
{
    auto *fish = control<ui::TextBox>(QStringLiteral("FISH"));
    if (fish->text().isEmpty())
        fish->setText(QuizState::Prompt);
    m_quiz.state.checkAnswer(m_number, fish->text());
}

void QuestionScreen::FISH_Click()
{
    if (m_quiz.state.reviewFlag() != QuizState::ReviewOn || m_quiz.state.isCorrect(m_number))
        return;
    auto *fish = control<ui::TextBox>(QStringLiteral("FISH"));
    fish->setForeColour(Blue);
    fish->setText(core::fishRow(m_number).revealedName);
    fish->setAccessibleDescription(tr("Name revealed"));
}

void QuestionScreen::NextButton_Click()
{
    const ui::Registry &registry = m_quiz.registry;
    ui::changeScreen(registry.slot(m_number - 1), registry.slot(m_number));
}

void QuestionScreen::BackButton_Click()
{
    const ui::Registry &registry = m_quiz.registry;
    ui::changeScreen(registry.slot(m_number - 1), registry.slot(m_number - 2));
}

void QuestionScreen::ExitButton_Click()
{
    program().end(0);
}

void QuestionScreen::keepTypedAnswer()
{
    if (control<ui::TextBox>(QStringLiteral("FISH"))->holdsFocus())
        FISH_LostFocus();
}

void QuestionScreen::Help_Click()
{
    QMessageBox::information(
        window(), QStringLiteral("Reefwise!"),
        tr("Type the common name of the fish in the box under its picture, then use Next and "
           "Back to move between the 47 fish. Your answers are judged quietly; the last screen "
           "tells your score.\n\nIn review mode a green name was right and a red one wrong: "
           "click a red name to see the right one in blue."));
}

void QuestionScreen::Exit_Click()
{
    keepTypedAnswer();
    ExitButton_Click();
}

void QuestionScreen::PrevFish_Click()
{
    keepTypedAnswer();
    BackButton_Click();
}

void QuestionScreen::NextFish_Click()
{
    keepTypedAnswer();
    NextButton_Click();
}

} // namespace screens
