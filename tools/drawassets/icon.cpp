// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "icon.h"

#include <array>
#include <utility>

namespace icon {

namespace {

constexpr int grid = 16;

using Cells = std::array<std::array<bool, grid>, grid>;

// Walks the spiral inwards from the top left corner, turning right whenever going
// on would touch an earlier turn, so a one-cell black gap always separates the arms.
Cells spiralCells()
{
    Cells cells{};
    auto inside = [](int x, int y) { return x >= 1 && x <= grid - 2 && y >= 1 && y <= grid - 2; };
    auto canEnter = [&](int x, int y, int dx, int dy) {
        return inside(x, y) && !cells[y][x] && !(inside(x + dx, y + dy) && cells[y + dy][x + dx]);
    };
    int x = 1, y = 1, dx = 1, dy = 0;
    cells[y][x] = true;
    for (int turns = 0; turns < 2;) {
        if (canEnter(x + dx, y + dy, dx, dy)) {
            x += dx;
            y += dy;
            cells[y][x] = true;
            turns = 0;
        } else {
            std::tie(dx, dy) = std::pair(-dy, dx);
            ++turns;
        }
    }
    return cells;
}

} // namespace

QImage draw(int size)
{
    const Cells cells = spiralCells();
    QImage image(size, size, QImage::Format_Indexed8);
    // Unused entries repeat black, so the palette names no colour that the
    // icon does not show.
    QList<QRgb> palette(16, qRgb(0, 0, 0));
    palette[1] = qRgb(255, 0, 0);
    image.setColorTable(palette);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x)
            image.setPixel(x, y, cells[y * grid / size][x * grid / size] ? 1 : 0);
    }
    return image;
}

} // namespace icon
