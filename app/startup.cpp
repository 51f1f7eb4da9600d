// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include <finale/finalescreen.h>
#include <intro/introscreen.h>
#include <question/questionscreen.h>

StartUp::StartUp() = default;
StartUp::~StartUp() = default;

void StartUp::Main()
{
    ui::Registry &registry = m_quiz.registry;
    for (int number = 1; number <= core::FishCount; ++number) {
        m_questions.push_back(std::make_unique<screens::QuestionScreen>(m_quiz, number));
        registry.setSlot(number - 1, *m_questions.back());
    }
    m_intro = std::make_unique<screens::IntroScreen>(m_quiz);
    registry.setIntro(*m_intro);
    m_finale = std::make_unique<screens::FinaleScreen>(m_quiz);
    registry.setSlot(ui::Registry::FinaleSlot, *m_finale);

    m_quiz.state.setAllAnswersToPrompt();

    registry.intro().Load();
    registry.intro().Show();
}
