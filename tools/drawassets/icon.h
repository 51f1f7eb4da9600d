// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

// The application icon: a red square spiral winding inwards on black.
namespace icon {

// The icon at `size` x `size` pixels (a multiple of 16), as Format_Indexed8
// with a 16-entry colour table: black, red, then black again.
QImage draw(int size);

} // namespace icon
