// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace core {

inline constexpr int FishCount = 47;

struct FishRow
{
    int number = 0;
    QString screen;       // object name of the question screen
    QString revealedName; // written into the answer box by a review-mode reveal
    QStringList accepted; // lower case, in the order they are compared
};

// The fish of question `number`, 1..47. Any other number is a programming
// error and throws std::out_of_range.
const FishRow &fishRow(int number);

} // namespace core
