// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"

#include "backdrop.h"
#include "fishkit.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace anatomy {

namespace {

constexpr double tau = 2.0 * std::numbers::pi;

double between(QRandomGenerator &rng, double lo, double hi)
{
    return lo + (hi - lo) * rng.generateDouble();
}

// A ragged patch about `r` across: growth follows the rock's pits, never a circle.
QPainterPath ragged(QRandomGenerator &rng, QPointF c, double r, double flat)
{
    QPointF rim[9];
    for (int i = 0; i < 9; ++i) {
        const double a = tau * i / 9 + between(rng, -0.2, 0.2), reach = r * between(rng, 0.55, 1.1);
        rim[i] = c + QPointF(std::cos(a) * reach, std::sin(a) * reach * flat);
    }
    return backdrop::smoothClosedPath(rim, 9);
}

// Coralline algae: a thin, dull mauve crust stained into the stone, built up
// of overlapping films so that it has no edge of its own, only a faint grain.
void paintCoralline(QPainter &p, QRandomGenerator &rng, QPointF c, double r)
{
    const double reach = r * between(rng, 1.2, 2.2);
    for (int i = 0; i < 3; ++i) {
        const QPointF at = c + QPointF(between(rng, -0.4, 0.4), between(rng, -0.2, 0.2)) * reach;
        p.fillPath(ragged(rng, at, reach * between(rng, 0.5, 0.9), 0.55),
                   QColor(140, 110, 112, 30));
    }
    const QPainterPath crust = ragged(rng, c, reach, 0.55);
    for (const QPointF &grain :
         fishkit::scatterPoints(crust, int(reach * reach * 0.5), rng.generate()))
        fishkit::paintDisc(p, grain, 0.35, 0.3,
                           rng.bounded(2) ? QColor(176, 146, 146, 60) : QColor(96, 74, 76, 50));
}

// A low encrusting sponge, a lumpy cushion lit from above with one or two oscula.
void paintSponge(QPainter &p, QRandomGenerator &rng, QPointF c, double r, QColor tint)
{
    const QPainterPath cushion = ragged(rng, c, r, 0.6);
    QRadialGradient lit(c - QPointF(r * 0.3, r * 0.4), r * 1.3);
    lit.setColorAt(0.0, tint.lighter(118));
    lit.setColorAt(1.0, tint.darker(150));
    p.fillPath(cushion.translated(r * 0.15, r * 0.2), QColor(20, 18, 16, 60));
    p.fillPath(cushion, lit);
    const int oscula = 1 + rng.bounded(2);
    for (int i = 0; i < oscula; ++i)
        fishkit::paintDisc(p,
                           c + QPointF(between(rng, -0.4, 0.4) * r, between(rng, -0.25, 0.1) * r),
                           r * 0.16, r * 0.1, tint.darker(260));
}

// A tuft of turf algae: short, limp blades from one holdfast, nodding in the surge.
void paintAlgaeTuft(QPainter &p, QRandomGenerator &rng, QPointF c, double r)
{
    const QColor blade = QColor::fromHsv(int(between(rng, 60, 95)), int(between(rng, 70, 110)),
                                         int(between(rng, 95, 130)), 170);
    const double sway = between(rng, -0.5, 0.5);
    const int blades = 4 + rng.bounded(4);
    for (int i = 0; i < blades; ++i) {
        const double a = -std::numbers::pi / 2 + between(rng, -0.8, 0.8) + sway * 0.4;
        const double len = r * between(rng, 1.0, 2.2);
        const QPointF root = c + QPointF(between(rng, -0.3, 0.3) * r, 0);
        const QPointF tip = root + QPointF(std::cos(a) * len + sway * len * 0.4, std::sin(a) * len);
        backdrop::stroke(
            p, backdrop::curve(root, (root + tip) / 2.0 + QPointF(sway * len * 0.3, 0), tip), blade,
            std::max(0.4, r * between(rng, 0.12, 0.2)));
    }
}

} // namespace

void paintEncrusting(QPainter &p, const QPainterPath &rock, double size, quint32 seed)
{
    const QRectF box = rock.boundingRect();
    QRandomGenerator rng(seed);
    const fishkit::Saved s(p);
    p.setClipPath(rock, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    // Sparse: most of a real boulder is bare, grazed stone with a film of turf.
    const int count = std::clamp(int(box.width() * box.height() / (size * size * 45.0)), 4, 40);
    const QColor sponges[] = {{150, 126, 84}, {132, 104, 92}, {112, 112, 80}, {150, 112, 82}};
    for (const QPointF &c : fishkit::scatterPoints(rock, count, seed)) {
        // Life crowds onto the lit upper faces and thins out into the shade below.
        const double down = (c.y() - box.top()) / std::max(1.0, box.height());
        if (rng.generateDouble() < down * 0.7)
            continue;
        const double r = size * between(rng, 0.6, 1.4);
        switch (rng.bounded(5)) {
        case 0:
        case 1:
            paintCoralline(p, rng, c, r);
            break;
        case 2:
            paintSponge(p, rng, c, r, sponges[rng.bounded(4)]);
            break;
        default:
            paintAlgaeTuft(p, rng, c, r);
        }
    }
}

void paintBrainGrooves(QPainter &p, const QPainterPath &dome, double groove, QColor colour,
                       quint32 seed)
{
    QRandomGenerator rng(seed);
    const QRectF box = dome.boundingRect();
    // Painted per pixel at the painter's own scale, so the @2x picture gets
    // finer grooves rather than blurred ones.
    const double scale = std::max(1.0, std::abs(p.transform().m11()));
    const QSize pixels((box.size() * scale).toSize() + QSize(1, 1));
    QImage ridges(pixels, QImage::Format_ARGB32_Premultiplied);
    const double k = tau / groove, tilt = between(rng, -0.6, 0.6);
    double freq[4], phase[4];
    for (int i = 0; i < 4; ++i) {
        freq[i] = k * between(rng, 0.16, 0.3);
        phase[i] = between(rng, 0, tau);
    }
    // The valleys are the level lines of a field folded on itself twice, so
    // they wander side by side the way a brain coral's do, without crossing.
    const auto height = [&](double x, double y) {
        const double along = x * std::sin(tilt) + y * std::cos(tilt);
        const double fold =
            2.6 * std::sin(freq[0] * x + phase[0] + 1.4 * std::sin(freq[1] * y + phase[1])) +
            2.2 * std::sin(freq[2] * y + phase[2] + 1.4 * std::sin(freq[3] * x + phase[3]));
        return std::sin(k * along + fold * 1.6);
    };
    const QColor dark = colour.darker(230), light = colour.lighter(150);
    for (int j = 0; j < pixels.height(); ++j) {
        auto *line = reinterpret_cast<QRgb *>(ridges.scanLine(j));
        for (int i = 0; i < pixels.width(); ++i) {
            const double x = i / scale, y = j / scale;
            const double h = height(x, y), lit = h - height(x - 0.5, y - 0.7);
            const double valley = std::clamp((-h - 0.55) / 0.45, 0.0, 1.0);
            const double shine = std::clamp(lit * 1.6, 0.0, 1.0) * (1.0 - valley);
            const QColor c = valley > shine ? dark : light;
            const int alpha = int(std::max(valley * 170, shine * 90));
            line[i] = qPremultiply(qRgba(c.red(), c.green(), c.blue(), alpha));
        }
    }
    const fishkit::Saved s(p);
    p.setClipPath(dome, Qt::IntersectClip);
    p.drawImage(QRectF(box.topLeft(), QSizeF(pixels) / scale), ridges);
}

void paintStarCups(QPainter &p, const QPainterPath &dome, double cup, QColor colour, quint32 seed)
{
    QRandomGenerator rng(seed);
    const QRectF box = dome.boundingRect();
    const fishkit::Saved s(p);
    p.setClipPath(dome, Qt::IntersectClip);
    for (const QPointF &c : fishkit::spreadPoints(dome, cup * 1.25, cup * 0.5, seed)) {
        // Gaps where cups have died, and young cups budding between the old
        // ones, so sizes and spacing vary across the head.
        if (rng.bounded(6) == 0)
            continue;
        const double r = cup * (0.22 + 0.4 * std::pow(rng.generateDouble(), 1.3));
        const double light =
            std::clamp(1.1 - (c.y() - box.top()) / std::max(1.0, box.height()), 0.3, 1.0);
        // Near the top of the dome the cups are seen edge-on, flattened.
        const double flat = 0.55 + 0.45 * std::min(1.0, (c.y() - box.top()) / (cup * 3.0));
        fishkit::paintDisc(p, c + QPointF(r * 0.25, r * 0.35), r * 1.05, r * 0.9 * flat,
                           QColor(20, 24, 18, 80));
        QRadialGradient raised(c - QPointF(r * 0.3, r * 0.35), r * 1.1);
        raised.setColorAt(0.0, colour.lighter(int(110 + 30 * light)));
        raised.setColorAt(1.0, colour.darker(120));
        p.setPen(Qt::NoPen);
        p.setBrush(raised);
        p.drawEllipse(c, r, r * 0.92 * flat);
        fishkit::paintDisc(p, c + QPointF(r * 0.06, r * 0.08), r * 0.5, r * 0.45 * flat,
                           colour.darker(int(150 + 80 * rng.generateDouble())));
        if (r * std::abs(p.transform().m11()) > 3.5) {
            p.setPen(QPen(backdrop::withAlpha(colour.lighter(150), 110), r * 0.08));
            for (int i = 0; i < 12; ++i) {
                const QPointF d(std::cos(tau * i / 12), std::sin(tau * i / 12));
                p.drawLine(c + d * r * 0.25, c + d * r * 0.5);
            }
        }
    }
}

} // namespace anatomy
