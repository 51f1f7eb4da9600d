// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <quiz.h>

#include <memory>
#include <vector>

namespace screens {
class FinaleScreen;
class IntroScreen;
class QuestionScreen;
} // namespace screens

// The program's entry point and the owner of the one quiz state of the run.
class StartUp
{
public:
    StartUp();
    ~StartUp();

    // Creates the 49 screens unloaded, fills the registry, puts the prompt
    // into every stored answer, then loads and shows the intro screen.
    void Main();

    ui::Quiz &quiz() { return m_quiz; }

private:
    ui::Quiz m_quiz;
    std::vector<std::unique_ptr<screens::QuestionScreen>> m_questions;
    std::unique_ptr<screens::IntroScreen> m_intro;
    std::unique_ptr<screens::FinaleScreen> m_finale;
};
