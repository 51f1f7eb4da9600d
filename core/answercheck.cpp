// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "answercheck.h"

#include "catalogue.h"

#include <algorithm>

namespace core {

namespace {

QString withoutBlanks(QString text)
{
    return text.remove(QLatin1Char(' '));
}

} // namespace

QString normalisedAnswer(const QString &text)
{
    return withoutBlanks(text.toLower());
}

bool isAcceptedAnswer(const FishRow &row, const QString &text)
{
    const QString answer = normalisedAnswer(text);
    return std::any_of(row.accepted.cbegin(), row.accepted.cend(),
                       [&](const QString &accepted) { return withoutBlanks(accepted) == answer; });
}

} // namespace core
