// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "contactsheet.h"

#include <QPainter>

#include <algorithm>

namespace contactsheet {

bool write(const QString &path, const QList<Swatch> &fish, const QList<Swatch> &extras)
{
    constexpr int cellWidth = 320, cellHeight = 240, labelHeight = 26, gap = 14, columns = 6;
    // Narrow extras still get room for their label.
    auto slotWidth = [](const Swatch &swatch) { return std::max(swatch.image.width(), 90); };
    int extrasWidth = gap, extrasHeight = 0;
    for (const Swatch &swatch : extras) {
        extrasWidth += slotWidth(swatch) + gap;
        extrasHeight = std::max(extrasHeight, swatch.image.height());
    }
    const int rowHeight = cellHeight + labelHeight + gap;
    const int fishBlock = (int(fish.size()) + columns - 1) / columns * rowHeight;
    QImage sheet(
        std::max(gap + std::clamp(int(fish.size()), 1, columns) * (cellWidth + gap), extrasWidth),
        gap + fishBlock + (extras.isEmpty() ? 0 : extrasHeight + labelHeight + gap),
        QImage::Format_RGB32);
    sheet.fill(QColor(46, 46, 50));

    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(QColor(225, 225, 225));
    for (int i = 0; i < fish.size(); ++i) {
        const QRect cell(gap + (i % columns) * (cellWidth + gap), gap + (i / columns) * rowHeight,
                         cellWidth, cellHeight);
        const QImage &image = fish.at(i).image;
        // Smaller canvases sit centred in the cell, so sizes stay comparable.
        p.drawImage(cell.center() - image.rect().center(), image);
        p.drawText(QRect(cell.left(), cell.bottom() + 1, cellWidth, labelHeight), Qt::AlignCenter,
                   fish.at(i).label);
    }

    font.setPixelSize(11);
    p.setFont(font);
    int x = gap;
    const int y = gap + fishBlock;
    for (const Swatch &swatch : extras) {
        const int slot = slotWidth(swatch);
        p.drawImage(
            QPoint(x + (slot - swatch.image.width()) / 2, y + extrasHeight - swatch.image.height()),
            swatch.image);
        p.drawText(QRect(x - gap / 2, y + extrasHeight, slot + gap, labelHeight), Qt::AlignCenter,
                   swatch.label);
        x += slot + gap;
    }
    p.end();
    return sheet.save(path, "PNG");
}

} // namespace contactsheet
