// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <screen.h>

namespace ui {
struct Quiz;
}

namespace screens {

// Question screen `number` (1..47): the fish photo, the answer box and the
// Back, Exit and Next buttons. All 47 behave alike; the catalogue row tells
// them apart.
class QuestionScreen : public ui::Screen
{
    Q_OBJECT

public:
    QuestionScreen(ui::Quiz &quiz, int number, QObject *parent = nullptr);

    int number() const { return m_number; }

    void FISH_GotFocus();
    void FISH_LostFocus();
    void FISH_Click();
    void NextButton_Click();
    void BackButton_Click();
    void ExitButton_Click();

    // The menu bar of the last screen.
    void Help_Click();
    void Exit_Click();
    void PrevFish_Click();
    void NextFish_Click();

protected:
    ui::FormSpec layout() const override;
    void connectHandlers() override;
    void Form_Load() override;

private:
    // A menu entry leaves the answer box holding the focus: judge what it
    // holds before the entry leaves the screen, as leaving the box would.
    void keepTypedAnswer();

    ui::Quiz &m_quiz;
    int m_number = 0;
};

} // namespace screens
