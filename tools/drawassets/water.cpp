// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backdrop.h"

#include "fishkit.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>

// The water a picture is set in. A field guide's plates do not share one sea:
// each place has its own colour, clarity and light, and most show no sunbeams.
namespace backdrop {

namespace {

// How a water looks from the surface down to the bottom of the picture.
struct Character
{
    std::array<QColor, 4> column; // top, a third down, two thirds down, bottom
    double glow = 0;              // strength of the sky's light from above
    int beams = 0;                // how many sunbeams reach down, at most
    double murk = 0;              // particles hanging in the water, 0..1
    double falloff = 0;           // how fast the far water closes in at the edges
};

Character characterOf(Water kind)
{
    switch (kind) {
    case Water::Coastal:
        return {
            {QColor(128, 186, 164), QColor(70, 142, 128), QColor(40, 104, 98), QColor(22, 70, 72)},
            0.6,
            0,
            1.0,
            0.55};
    case Water::Shallow:
        return {{QColor(156, 226, 228), QColor(72, 182, 204), QColor(34, 132, 170),
                 QColor(18, 92, 136)},
                1.2,
                5,
                0.15,
                0.3};
    case Water::Deep:
        return {{QColor(46, 104, 168), QColor(20, 62, 128), QColor(10, 36, 92), QColor(4, 18, 56)},
                0.35,
                0,
                0.1,
                0.6};
    case Water::Lagoon:
        return {{QColor(176, 228, 214), QColor(110, 200, 198), QColor(72, 160, 176),
                 QColor(52, 128, 154)},
                0.8,
                0,
                0.2,
                0.2};
    case Water::Blue:
        return {{QColor(70, 152, 214), QColor(28, 96, 170), QColor(14, 62, 130), QColor(8, 38, 92)},
                0.7,
                0,
                0.0,
                0.4};
    case Water::Open:
    case Water::ByDepth:
        break;
    }
    return {{QColor(104, 196, 222), QColor(40, 140, 186), QColor(20, 96, 146), QColor(10, 62, 108)},
            1.0,
            0,
            0.15,
            0.4};
}

// Scenes painted without a kind of water of their own take one from how deep
// they are set, so that neighbouring depths do not share one water.
Water byDepth(double depth)
{
    if (depth < 0.22)
        return Water::Shallow;
    if (depth > 0.5)
        return Water::Deep;
    constexpr Water middle[] = {Water::Blue, Water::Coastal, Water::Open, Water::Lagoon};
    return middle[int(std::lround(depth * 20)) % 4];
}

QColor darkened(QColor colour, double by)
{
    return QColor::fromRgbF(float(colour.redF() * (1.0 - by)), float(colour.greenF() * (1.0 - by)),
                            float(colour.blueF() * (1.0 - by * 0.7)));
}

QColor clear(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

} // namespace

void paintWater(QPainter &p, const QRectF &area, double depth, Water kind)
{
    depth = std::clamp(depth, 0.0, 1.0);
    if (kind == Water::ByDepth)
        kind = byDepth(depth);
    const Character c = characterOf(kind);
    QRandomGenerator rng(quint32(std::lround(depth * 1000.0)) * 7919u + quint32(kind) * 104729u);
    auto pick = [&rng](double lo, double hi) { return lo + (hi - lo) * rng.generateDouble(); };
    const double left = area.left(), top = area.top(), w = area.width(), h = area.height();
    p.save();
    p.setClipRect(area, Qt::IntersectClip);

    // The deeper the scene, the darker its whole column of water.
    const double dim = std::clamp((depth - 0.3) * 0.8, -0.1, 0.3);
    QLinearGradient column(0, top, 0, area.bottom());
    for (int i = 0; i < 4; ++i)
        column.setColorAt(i / 3.0, darkened(c.column[size_t(i)], dim));
    p.fillRect(area, column);

    // The sky's light comes down from one side, and the water on the far
    // side of the picture is a shade darker for it.
    const bool fromLeft = rng.bounded(3) != 0;
    const double sunX = fromLeft ? left + w * pick(0.05, 0.4) : left + w * pick(0.6, 0.95);
    QRadialGradient sky(QPointF(sunX, top - h * 0.2), w * pick(0.7, 1.0));
    sky.setColorAt(0.0, QColor(230, 255, 246, int(std::min(150.0, 80 * c.glow))));
    sky.setColorAt(1.0, QColor(230, 255, 246, 0));
    p.fillRect(area, sky);
    QLinearGradient side(left, 0, left + w, 0);
    const QColor shade(0, 16, 40, int(40 + 40 * c.falloff));
    side.setColorAt(fromLeft ? 0.0 : 1.0, clear(shade, 0));
    side.setColorAt(fromLeft ? 1.0 : 0.0, shade);
    p.fillRect(area, side);

    // Sunbeams only where the water is clear and the sun is high over it,
    // leaning away from the sun and dying out before the bottom.
    const int beams = c.beams > 0 ? c.beams - int(rng.bounded(c.beams)) : 0;
    for (int i = 0; i < beams; ++i) {
        const double x = sunX + w * pick(-0.35, 0.35), reach = h * pick(0.35, 0.8),
                     lean = (x - sunX) * pick(0.3, 0.7), wide = w * pick(0.02, 0.06);
        QPainterPath beam;
        beam.moveTo(x - wide * 0.3, top);
        beam.lineTo(x + wide * 0.3, top);
        beam.lineTo(x + lean + wide, top + reach);
        beam.lineTo(x + lean - wide, top + reach);
        beam.closeSubpath();
        const int alpha = int(pick(10, 24) * (1.0 - depth));
        QLinearGradient fall(0, top, 0, top + reach);
        fall.setColorAt(0.0, QColor(235, 255, 250, alpha));
        fall.setColorAt(1.0, QColor(235, 255, 250, 0));
        p.fillPath(beam, fall);
    }

    // Just under a calm surface its underside shows as a bright, broken band.
    if (kind == Water::Shallow || kind == Water::Lagoon) {
        for (int i = 0; i < int(w / 6); ++i) {
            const QPointF at(pick(left, left + w), top + h * 0.08 * std::pow(pick(0, 1), 2));
            const double r = pick(2, 8) * (1.3 - (at.y() - top) / (h * 0.08));
            QRadialGradient glint(at, r);
            glint.setColorAt(0.0, QColor(240, 255, 255, int(pick(15, 45))));
            glint.setColorAt(1.0, QColor(240, 255, 255, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(glint);
            p.drawEllipse(at, r, r * pick(0.2, 0.4));
        }
    }

    // Murky water carries fine silt, soft and out of focus, not bright specks.
    const int motes = int(w * h / 2400.0 * c.murk);
    for (int i = 0; i < motes; ++i) {
        const QPointF at(pick(left, left + w), pick(top, top + h));
        const double r = pick(0.4, 1.6);
        QRadialGradient silt(at, r);
        silt.setColorAt(0.0, QColor(210, 230, 215, int(pick(20, 60))));
        silt.setColorAt(1.0, QColor(210, 230, 215, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(silt);
        p.drawEllipse(at, r, r);
    }

    // Visibility: the water closes in towards the corners and the depths.
    QRadialGradient view(QPointF(left + w * 0.5, top + h * 0.4), std::hypot(w, h) * 0.62);
    view.setColorAt(0.55, QColor(0, 18, 44, 0));
    view.setColorAt(1.0, QColor(0, 18, 44, int(60 + 90 * c.falloff)));
    p.fillRect(area, view);
    p.restore();
}

QColor waterBehind(const QPainter &p, QPointF at)
{
    return fishkit::colourUnder(p, at, QColor(52, 118, 146));
}

void paintCastShadow(QPainter &p, const QPainterPath &body, double floor)
{
    if (fishkit::Silhouette::active(p))
        return;
    const QRectF box = body.boundingRect();
    const double lift = std::max(0.0, floor - box.bottom());
    // The light comes down from the surface, so the shadow lies under the
    // fish, flattened on the bottom; the higher the fish swims, the wider,
    // softer and fainter it falls.
    QTransform flat;
    flat.translate(box.center().x() + lift * 0.12, floor + 1.5 + lift * 0.03);
    flat.scale(1.0 + lift * 0.003, 0.12);
    flat.translate(-box.center().x(), -box.center().y());
    const QPainterPath shadow = flat.map(body);
    const double soft = 0.6 + lift * 0.035;
    const int alpha = int(std::clamp(130.0 - lift * 1.2, 40.0, 130.0));
    p.save();
    for (int ring = 4; ring >= 0; --ring) {
        QPainterPathStroker blur;
        blur.setWidth(std::max(0.1, soft * ring * 2.0));
        blur.setJoinStyle(Qt::RoundJoin);
        p.fillPath(blur.createStroke(shadow).united(shadow), QColor(24, 30, 30, alpha / 4));
    }
    p.restore();
}

} // namespace backdrop
