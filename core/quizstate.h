// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "catalogue.h"

#include <QString>

#include <array>

namespace core {

// What outlives every screen of a run: the stored answers, the correct flags,
// the score and the review flag. Nothing here is ever saved or reset.
class QuizState
{
public:
    static inline const QString Prompt = QStringLiteral("REEFWISE");
    static constexpr qint16 ReviewOn = -1;

    void setAllAnswersToPrompt();

    const QString &storedAnswer(int number) const;
    bool isCorrect(int number) const;
    qint16 score() const { return m_score; }

    qint16 reviewFlag() const { return m_reviewFlag; }
    // There is no way back: review mode lasts for the rest of the run.
    void enterReviewMode() { m_reviewFlag = ReviewOn; }

    // Scratch text of the answer-box handler that is running.
    QString &workText() { return m_workText; }

    // Stores `text` as typed, then judges it: a first correct answer sets the
    // fish's flag and earns its one point; nothing ever takes a point away.
    void checkAnswer(int number, const QString &text);

private:
    static int slot(int number);

    std::array<bool, FishCount> m_correct{};
    qint16 m_reviewFlag = 0;
    QString m_workText;
    std::array<QString, FishCount> m_storedAnswers;
    qint16 m_score = 0;
};

} // namespace core
