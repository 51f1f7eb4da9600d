// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "finalescreen.h"

#include <int16.h>
#include <picturebox.h>
#include <quiz.h>

namespace screens {

using namespace ui;

FinaleScreen::FinaleScreen(Quiz &quiz, QObject *parent)
    : Screen(quiz.program, QStringLiteral("frmFinale"), parent)
    , m_quiz(quiz)
{
}

FormSpec FinaleScreen::layout() const
{
    FormSpec form{
        .name = QStringLiteral("frmFinale"),
        .caption = QStringLiteral("Reefwise!"),
        .clientWidth = 4875,
        .clientHeight = 3810,
        .backColour = colours::Black,
        .borderless = true,
    };
    form.controls = {
        {.name = QStringLiteral("Picture2"),
         .kind = ControlKind::PictureBox,
         .left = 3120,
         .top = 1680,
         .width = 1275,
         .height = 1275,
         .tabIndex = 2,
         .border = Border::Sunken,
         .picture = QStringLiteral("FinaleExitImage"),
         .button = true,
         .accessibleName = QStringLiteral("Exit")},
        {.name = QStringLiteral("Picture1"),
         .kind = ControlKind::PictureBox,
         .left = 120,
         .top = 1200,
         .width = 2250,
         .height = 2250,
         .tabIndex = 1,
         .picture = QStringLiteral("FinaleReviewImage"),
         .button = true,
         .accessibleName = QStringLiteral("Review")},
        {.name = QStringLiteral("Label1"),
         .left = 360,
         .top = 120,
         .width = 3615,
         .height = 735,
         .text = QStringLiteral("Label1"),
         .foreColour = colours::Red,
         .backColour = colours::ButtonText,
         .wordWrap = true},
    };
    return form;
}

void FinaleScreen::connectHandlers()
{
    on(control<PictureBox>(QStringLiteral("Picture1")), &PictureBox::clicked,
       [this] { Picture1_Click(); });
    on(control<PictureBox>(QStringLiteral("Picture2")), &PictureBox::clicked,
       [this] { Picture2_Click(); });
}

void FinaleScreen::Form_Load()
{
    auto *message = control<Label>(QStringLiteral("Label1"));
    if (m_quiz.state.reviewFlag() == core::QuizState::ReviewOn) {
        auto *exit = control<PictureBox>(QStringLiteral("Picture2"));
        message->setVisible(false);
        // Left outside the reduced window, where neither a click nor the
        // focus may reach it.
        control<PictureBox>(QStringLiteral("Picture1"))->setVisible(false);
        window()->setAccessibleDescription(tr("End of the review"));
        // Borderless, so the outer size is the client area.
        window()->setClientSize(exit->size());
        exit->move(0, 0);
        return;
    }
    message->setText(QStringLiteral("You got ") + core::numberText(m_quiz.state.score()) +
                     QStringLiteral(" out of 47 right!  Congratulations!"));
    // Spoken as the screen appears, before its focused button.
    window()->setAccessibleDescription(message->text());
}

void FinaleScreen::Picture1_Click()
{
    m_quiz.state.enterReviewMode();
    changeScreen(m_quiz.registry.slot(Registry::FinaleSlot), m_quiz.registry.slot(0));
}

void FinaleScreen::Picture2_Click()
{
    m_quiz.registry.slot(Registry::FinaleSlot).Unload();
    program().end(0);
}

} // namespace screens
