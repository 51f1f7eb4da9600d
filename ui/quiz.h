// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "program.h"
#include "registry.h"

#include <quizstate.h>

namespace ui {

// Everything the screens' handlers share for the run: the quiz state, the
// registry of screens and the program they end.
struct Quiz
{
    core::QuizState state;
    Registry registry;
    Program program;
};

} // namespace ui
