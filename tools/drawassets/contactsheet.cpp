// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "contactsheet.h"

#include <QFont>
#include <QPainter>

#include <algorithm>
#include <array>

namespace contactsheet {

namespace {

constexpr int cellWidth = 320;
constexpr int cellHeight = 240;
constexpr int labelHeight = 26;
constexpr int gap = 14;
constexpr int columns = 6;

const QColor ground(46, 46, 50);
const QColor labelColour(225, 225, 225);

} // namespace

QString fishName(int number)
{
    static const std::array<const char *, 47> names = {
        "Yellowtail Snapper",
        "Crevalle Jack",
        "Neon Goby",
        "French Angelfish",
        "Blue Tang",
        "Porkfish",
        "Needlefish",
        "Great Barracuda",
        "Silverside",
        "Spotfin Butterfly",
        "Blue Chromis",
        "Doctorfish",
        "Atlantic Spadefish",
        "Spotted Trunkfish",
        "Nurse Shark",
        "Bluegreen Wrasse",
        "Southern Stingray",
        "Four Eye Butterfly",
        "Queen Angelfish",
        "French Grunt",
        "Surgeonfish",
        "Bonnethead Shark",
        "Trunkfish",
        "Green Moray",
        "Hogfish",
        "Yellow Stingray",
        "Blue Parrotfish",
        "Queen Triggerfish",
        "Sergeant Major",
        "Porcupinefish",
        "Rock Angel Beauty",
        "Spotted Eagle Ray",
        "Bluestriped Grunt",
        "Gray Angelfish",
        "Beaugregory",
        "Yellowtailed Damselfish",
        "Longnosed Seahorse",
        "Stoplight Parrotfish",
        "Banded Butterfly",
        "Cowfish",
        "Flounder",
        "Trumpetfish",
        "Squirrelfish",
        "Nassau Grouper",
        "Spotted Jewfish",
        "Spotted Moray",
        "Rainbow Parrotfish",
    };
    if (number < 1 || number > int(names.size()))
        return QString();
    return QString::fromLatin1(names[number - 1]);
}

bool write(const QString &path, const QList<FishPicture> &fish, const QList<Swatch> &extras)
{
    const int fishColumns = std::clamp(int(fish.size()), 1, columns);
    const int fishRows = (int(fish.size()) + columns - 1) / columns;

    int extrasWidth = gap;
    int extrasHeight = 0;
    for (const Swatch &swatch : extras) {
        extrasWidth += std::max(swatch.image.width(), 90) + gap;
        extrasHeight = std::max(extrasHeight, swatch.image.height());
    }

    const int width = std::max(gap + fishColumns * (cellWidth + gap), extrasWidth);
    const int fishBlock = fishRows * (cellHeight + labelHeight + gap);
    const int extrasBlock = extras.isEmpty() ? 0 : extrasHeight + labelHeight + gap;
    QImage sheet(width, gap + fishBlock + extrasBlock, QImage::Format_RGB32);
    sheet.fill(ground);

    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    p.setFont(font);
    p.setPen(labelColour);

    for (int i = 0; i < fish.size(); ++i) {
        const int x = gap + (i % columns) * (cellWidth + gap);
        const int y = gap + (i / columns) * (cellHeight + labelHeight + gap);
        const QImage &image = fish.at(i).image;
        // Smaller canvases sit centred in the cell, so sizes stay comparable.
        p.drawImage(
            QPoint(x + (cellWidth - image.width()) / 2, y + (cellHeight - image.height()) / 2),
            image);
        const QString label =
            QStringLiteral("%1  %2").arg(fish.at(i).number).arg(fishName(fish.at(i).number));
        p.drawText(QRect(x, y + cellHeight, cellWidth, labelHeight), Qt::AlignCenter, label);
    }

    int x = gap;
    const int y = gap + fishBlock;
    for (const Swatch &swatch : extras) {
        const int slot = std::max(swatch.image.width(), 90);
        p.drawImage(
            QPoint(x + (slot - swatch.image.width()) / 2, y + extrasHeight - swatch.image.height()),
            swatch.image);
        QFont small = font;
        small.setPixelSize(11);
        p.setFont(small);
        p.drawText(QRect(x - gap / 2, y + extrasHeight, slot + gap, labelHeight), Qt::AlignCenter,
                   swatch.label);
        p.setFont(font);
        x += slot + gap;
    }
    p.end();
    return sheet.save(path, "PNG");
}

} // namespace contactsheet
