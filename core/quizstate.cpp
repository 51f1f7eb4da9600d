// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quizstate.h"

#include "answercheck.h"
#include "int16.h"

namespace core {

int QuizState::slot(int number)
{
    return fishRow(number).number - 1;
}

void QuizState::setAllAnswersToPrompt()
{
    m_storedAnswers.fill(Prompt);
}

const QString &QuizState::storedAnswer(int number) const
{
    return m_storedAnswers[slot(number)];
}

bool QuizState::isCorrect(int number) const
{
    return m_correct[slot(number)];
}

void QuizState::checkAnswer(int number, const QString &text)
{
    const int i = slot(number);
    m_storedAnswers[i] = text;
    m_workText = normalisedAnswer(text);
    if (!isAcceptedAnswer(fishRow(number), text) || m_correct[i])
        return;
    m_correct[i] = true;
    m_score = checkedAdd(m_score, 1);
}

} // namespace core
