// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <layout.h>

namespace screens {

// The layout of question screen `number`: the common template with the
// exceptions of screens 1, 4 and 47.
ui::FormSpec questionLayout(int number);

// The photo box is imgFish on most screens, picN on a few.
QString photoBoxName(int number);

} // namespace screens
