// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace core {

// What the picture of question `number`, 1..47, shows, for a listener who
// cannot see it: shape, colours, marks and setting, never the fish's name.
// Any other number is a programming error and throws std::out_of_range.
QString fishDescription(int number);

} // namespace core
