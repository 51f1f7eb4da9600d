// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "int16.h"

#include <limits>

namespace core {

qint16 checkedAdd(qint16 value, int delta)
{
    const long long sum = static_cast<long long>(value) + delta;
    if (sum < std::numeric_limits<qint16>::min() || sum > std::numeric_limits<qint16>::max())
        throw OverflowError();
    return static_cast<qint16>(sum);
}

QString numberText(qint16 value)
{
    const QString digits = QString::number(value);
    return value < 0 ? digits : QLatin1Char(' ') + digits;
}

} // namespace core
