// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>
#include <QString>

#include <utility>

class QDir;

// The program's own hard-edged palette pictures: the navigation buttons in red,
// white and near-black, and the window icon, a red square spiral on black.
namespace buttons {

// Draws every button into `folder` as <id>.bmp and <id>@2x.bmp, 256-colour bitmaps
// in exactly the three colours; `drawn` gets each 1x picture under its id.
bool writeAll(const QDir &folder, QList<std::pair<QString, QImage>> &drawn);

// The icon at `size` x `size` pixels (a multiple of 16), as Format_Indexed8
// with a 16-entry colour table: black, red, then black again.
QImage drawIcon(int size);

} // namespace buttons
