// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <stdexcept>
#include <string>

namespace ui {

// A failed call into the forms layer. Like an overflow, it stops the
// running handler and ends the run after it has been reported.
class RuntimeError : public std::runtime_error
{
public:
    explicit RuntimeError(const std::string &what)
        : std::runtime_error(what)
    {
    }
};

} // namespace ui
