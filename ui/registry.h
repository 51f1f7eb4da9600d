// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

namespace ui {

class Screen;

// Slots 0..46 hold question screens 1..47, slot 47 the finale; the intro
// screen is kept apart. Filled once at start-up and never changed.
class Registry
{
public:
    static constexpr int SlotCount = 48;
    static constexpr int FinaleSlot = 47;

    Screen &slot(int index) const;
    void setSlot(int index, Screen &screen);
    Screen &intro() const;
    void setIntro(Screen &screen) { m_intro = &screen; }

private:
    std::array<Screen *, SlotCount> m_slots{};
    Screen *m_intro = nullptr;
};

// The one way between screens: Load the target, Show it, Unload the screen left.
void changeScreen(Screen &from, Screen &to);

} // namespace ui
