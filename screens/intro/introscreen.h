// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <screen.h>

namespace ui {
struct Quiz;
}

namespace screens {

// frmINTRo: explains the game on a mock question screen and counts down
// from 25; the quiz starts when the count runs out or the countdown is clicked.
class IntroScreen : public ui::Screen
{
    Q_OBJECT

public:
    explicit IntroScreen(ui::Quiz &quiz, QObject *parent = nullptr);

    qint16 countdown() const { return m_countdown; }

    void Timer1_Timer();
    void Starting_Click(int index);

protected:
    ui::FormSpec layout() const override;
    void connectHandlers() override;
    void Form_Load() override;

private:
    ui::Quiz &m_quiz;
    qint16 m_countdown = 0;
};

} // namespace screens
