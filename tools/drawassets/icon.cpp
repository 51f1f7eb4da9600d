// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "icon.h"

#include <array>

namespace icon {

namespace {

constexpr int grid = 16;

using Cells = std::array<std::array<bool, grid>, grid>;

// Walks the spiral on a 16 x 16 grid, turning right whenever going on would
// touch an earlier turn, so a one-cell black gap always separates the arms.
Cells spiralCells()
{
    Cells cells{};
    constexpr int lo = 1;
    constexpr int hi = grid - 2;
    auto inside = [](int x, int y) { return x >= lo && x <= hi && y >= lo && y <= hi; };
    auto marked = [&](int x, int y) { return inside(x, y) && cells[y][x]; };
    auto canEnter = [&](int x, int y, int dx, int dy) {
        return inside(x, y) && !cells[y][x] && !marked(x + dx, y + dy);
    };

    int x = lo;
    int y = lo;
    int dx = 1;
    int dy = 0;
    cells[y][x] = true;
    for (;;) {
        if (!canEnter(x + dx, y + dy, dx, dy)) {
            const int turnedDx = -dy;
            const int turnedDy = dx;
            if (!canEnter(x + turnedDx, y + turnedDy, turnedDx, turnedDy))
                break;
            dx = turnedDx;
            dy = turnedDy;
        }
        x += dx;
        y += dy;
        cells[y][x] = true;
    }
    return cells;
}

} // namespace

QImage draw(int size)
{
    static const Cells cells = spiralCells();
    QImage image(size, size, QImage::Format_Indexed8);
    // Unused entries repeat black, so the palette names no colour that the
    // icon does not show.
    QList<QRgb> palette(16, qRgb(0, 0, 0));
    palette[1] = qRgb(255, 0, 0);
    image.setColorTable(palette);
    const int cell = size / grid;
    for (int y = 0; y < size; ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < size; ++x)
            line[x] = cells[y / cell][x / cell] ? 1 : 0;
    }
    return image;
}

} // namespace icon
