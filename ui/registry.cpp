// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registry.h"

#include "runtimeerror.h"
#include "screen.h"

namespace ui {

Screen &Registry::slot(int index) const
{
    if (index < 0 || index >= SlotCount)
        throw RuntimeError("no registry slot " + std::to_string(index));
    if (!m_slots[index])
        throw RuntimeError("registry slot " + std::to_string(index) + " is empty");
    return *m_slots[index];
}

void Registry::setSlot(int index, Screen &screen)
{
    if (index < 0 || index >= SlotCount)
        throw RuntimeError("no registry slot " + std::to_string(index));
    m_slots[index] = &screen;
}

Screen &Registry::intro() const
{
    if (!m_intro)
        throw RuntimeError("no intro screen");
    return *m_intro;
}

void changeScreen(Screen &from, Screen &to)
{
    to.Load();
    to.Show();
    from.Unload();
}

} // namespace ui
