// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace core {

struct FishRow;

// Lower-cased by Qt's Unicode mapping with every U+0020 removed; tabs,
// non-breaking spaces and all other characters are kept as they are.
QString normalisedAnswer(const QString &text);

bool isAcceptedAnswer(const FishRow &row, const QString &text);

} // namespace core
