// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>
#include <QString>

class QDir;

// The program's own hard-edged palette pictures: the navigation buttons in red,
// white and near-black, and the window icon, a red square spiral on black.
namespace buttons {

struct ButtonImage
{
    QString id;
    QImage normal; // Format_Indexed8 with exactly the three colours
    QImage doubled;
};

QList<ButtonImage> drawAll();

// Writes <id>.bmp and <id>@2x.bmp into `folder` as 256-colour bitmaps.
bool save(const ButtonImage &button, const QDir &folder);

// The icon at `size` x `size` pixels (a multiple of 16), as Format_Indexed8
// with a 16-entry colour table: black, red, then black again.
QImage drawIcon(int size);

} // namespace buttons
