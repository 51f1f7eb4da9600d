// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGlobal>

#include <stdexcept>

namespace core {

// The quiz keeps its counters as 16-bit integers; leaving their range is a
// run-time error that ends the run, never a silent wrap-around.
class OverflowError : public std::overflow_error
{
public:
    OverflowError()
        : std::overflow_error("Overflow")
    {
    }
};

qint16 checkedAdd(qint16 value, int delta);

// Decimal text with one leading position for the sign: " 24", " 0", "-5".
QString numberText(qint16 value);

} // namespace core
