// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"

#include "backdrop.h"
#include "fishkit.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

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

namespace backdrop {

using anatomy::between;
using anatomy::tau;

void paintPlateCoral(QPainter &p, QPointF base, double radius, QColor colour, quint32 seed,
                     double fog)
{
    const QColor water = waterBehind(p, QPointF(base.x(), base.y() * 0.5));
    QRandomGenerator rng(seed);
    const auto pick = [&rng](double lo, double hi) {
        return lo + (hi - lo) * rng.generateDouble();
    };
    // Lettuce and sheet corals are tan to yellow-brown; the colour asked for
    // only leans them, and the water between turns them towards its own.
    const QColor tan = blend(blend(colour, QColor(184, 150, 80), 0.65), water, fog);
    p.save();
    // A dark, knobbly foot of dead coral that the tiers grow out of.
    const QPainterPath foot = smoothClosedPath(
        {base + QPointF(-radius * 0.45, 0.5), base + QPointF(-radius * 0.3, -radius * 0.3),
         base + QPointF(radius * 0.1, -radius * 0.42), base + QPointF(radius * 0.4, -radius * 0.25),
         base + QPointF(radius * 0.5, 0.5)});
    p.fillPath(foot, tan.darker(190));
    // Thin shelves stacked in tiers, each narrower and set further back than
    // the one below, lit on top, the thin front edge a pale line over the
    // shade of its underside, which darkens the tier below it.
    const int tiers = 3 + int(rng.bounded(3));
    for (int i = 0; i < tiers; ++i) {
        const double width = radius * (1.0 - 0.14 * i) * pick(0.8, 1.05);
        const QPointF c = base + QPointF(radius * pick(-0.25, 0.25), -radius * (0.22 + 0.26 * i));
        // The growing edge is thin and frilled: it waves up and down and
        // in and out along its length, like a lettuce leaf.
        QPointF rim[16];
        const double phase = pick(0, tau), waves = 3 + int(rng.bounded(3));
        for (int k = 0; k < 16; ++k) {
            const double a = tau * k / 16 + pick(-0.08, 0.08);
            rim[k] = c +
                     QPointF(std::cos(a) * width, std::sin(a) * width * 0.18) * pick(0.8, 1.06) +
                     QPointF(0, std::sin(a * waves + phase) * width * 0.07);
        }
        const QPainterPath top = smoothClosedPath(rim, 16);
        const double thick = std::max(0.6, width * 0.035);
        p.fillPath(top.translated(width * 0.04, thick * 3.0), QColor(10, 16, 24, 45));
        p.fillPath(top.translated(0, thick), tan.darker(165));
        QLinearGradient lit(c - QPointF(0, width * 0.2), c + QPointF(0, width * 0.2));
        lit.setColorAt(0.0, tan.lighter(125));
        lit.setColorAt(1.0, tan.darker(108));
        p.fillPath(top, lit);
        // Fine ridges run round the shelf, parallel to its growing edge.
        for (const double in : {0.72, 0.45})
            stroke(p,
                   QTransform()
                       .translate(c.x(), c.y())
                       .scale(in, in)
                       .translate(-c.x(), -c.y())
                       .map(top),
                   withAlpha(tan.darker(150), 70), std::max(0.3, width / 60));
        stroke(p, top.translated(0, thick * 0.6), withAlpha(tan.lighter(140), 90),
               std::max(0.4, thick * 0.5));
    }
    p.restore();
}

void paintHardBottom(QPainter &p, const QRectF &area, double top, quint32 seed)
{
    const QColor water = waterBehind(p, QPointF(area.center().x(), top * 0.6));
    QRandomGenerator rng(seed);
    const double depthOfBed = area.bottom() - top;
    // Limestone pavement with a short turf of algae, sand lying in its
    // hollows: low ledges of pitted stone, each its own ragged shape, solid
    // and lit from above, foreshortened and hazed with distance, spotted
    // here and there with coralline crust and small encrusting sponges.
    for (int i = 0, n = int(area.width() / 16); i < n; ++i) {
        const double t = between(rng, 0.05, 1.0), y = top + depthOfBed * t * t;
        const QPointF c(between(rng, area.left() - 10, area.right() + 10), y);
        const double r = (6 + 30 * t) * between(rng, 0.6, 1.3);
        QPointF rim[13];
        for (int k = 0; k < 13; ++k) {
            const double a = tau * k / 13 + between(rng, -0.15, 0.15);
            // Eroded: here and there a deep bite out of the edge.
            const double reach =
                rng.bounded(5) == 0 ? between(rng, 0.45, 0.65) : between(rng, 0.8, 1.1);
            rim[k] = c + QPointF(std::cos(a), std::sin(a) * (0.14 + 0.25 * t)) * r * reach;
        }
        const QPainterPath slab = smoothClosedPath(rim, 13);
        const double fog = 0.55 * (1.0 - t);
        const QColor turf =
            blend(QColor::fromHsv(int(between(rng, 30, 58)), int(between(rng, 50, 95)),
                                  int(between(rng, 120, 160))),
                  water, fog);
        // A low ledge: its front face in shade below the lit top, a soft
        // shadow on the sand in front of it.
        const double ledge = std::max(0.8, r * between(rng, 0.06, 0.12));
        p.fillPath(slab.translated(r * 0.04, ledge * 1.8), QColor(70, 60, 40, 45));
        p.fillPath(slab.translated(0, ledge), turf.darker(150));
        // The ledge is not one height all along: here and there it stands
        // deeper where the sand has been scoured from its foot.
        for (int k = 0, m = 1 + int(rng.bounded(2)); k < m; ++k) {
            const double from = c.x() + r * between(rng, -0.9, 0.4);
            p.save();
            p.setClipRect(QRectF(from, c.y() - r, r * between(rng, 0.3, 0.6), r * 2),
                          Qt::IntersectClip);
            p.fillPath(slab.translated(0, ledge * between(rng, 1.4, 1.9)), turf.darker(165));
            p.restore();
        }
        QLinearGradient lit(0, c.y() - r * 0.25, 0, c.y() + r * 0.2);
        lit.setColorAt(0.0, turf.lighter(114));
        lit.setColorAt(1.0, turf.darker(108));
        p.fillPath(slab, lit);
        // The worn far rim of the slab catches the light.
        p.fillPath(slab.subtracted(slab.translated(0, 0.6 + 0.8 * t)),
                   withAlpha(turf.lighter(135), 120));
        p.save();
        p.setClipPath(slab.united(slab.translated(0, ledge)), Qt::IntersectClip);
        // The turf is a fuzz of fine dark and pale grains over the stone,
        // pitted with the holes of boring worms and urchins.
        for (int k = 0, m = int(r * r * 0.08); k < m; ++k) {
            const QPointF at = c + QPointF(between(rng, -r, r), between(rng, -r, r) * 0.4);
            p.setPen(Qt::NoPen);
            p.setBrush(rng.bounded(2) ? withAlpha(turf.darker(150), 80)
                                      : withAlpha(turf.lighter(140), 70));
            p.drawEllipse(at, 0.5 + t * 0.6, 0.4 + t * 0.3);
        }
        for (int k = 0, m = int(r * 0.25); k < m; ++k) {
            const QPointF at =
                c + QPointF(between(rng, -0.8, 0.8) * r, between(rng, -0.3, 0.3) * r);
            const double hole = (0.4 + 0.8 * t) * between(rng, 0.6, 1.3);
            p.setBrush(withAlpha(turf.darker(220), 150));
            p.drawEllipse(at, hole, hole * 0.55);
        }
        // Now and then a patch of pink coralline or a small lilac, orange or
        // yellow sponge crust on the stone.
        for (int k = 0, m = int(rng.bounded(3)); k < m; ++k) {
            static constexpr QRgb crusts[] = {qRgb(186, 120, 140), qRgb(150, 110, 170),
                                              qRgb(210, 130, 60), qRgb(200, 180, 70)};
            const QColor crust = blend(QColor::fromRgb(crusts[rng.bounded(4)]), water, fog);
            const QPointF at =
                c + QPointF(between(rng, -0.6, 0.6) * r, between(rng, -0.2, 0.1) * r);
            const double size = r * between(rng, 0.1, 0.22);
            QPointF edge[7];
            for (int e = 0; e < 7; ++e) {
                const double a = tau * e / 7 + between(rng, -0.3, 0.3);
                edge[e] = at + QPointF(std::cos(a), std::sin(a) * (0.3 + 0.25 * t)) * size *
                                   between(rng, 0.5, 1.1);
            }
            p.fillPath(smoothClosedPath(edge, 7), withAlpha(crust, 190));
        }
        p.restore();
    }
}

} // namespace backdrop
