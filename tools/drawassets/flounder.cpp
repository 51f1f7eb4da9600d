// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>
#include <QVector3D>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>
#include <vector>

// The flounder, drawn from above on its sand flat.

namespace fishart {

using namespace fishkit;

// A peacock flounder seen from above, lying flat on the sand: both eyes on
// the upper side, one long pectoral fin, a fringe of fin rays all round, and
// a pale sandy body covered with bright blue rings and spots.
void paintFlounder(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    // Looking straight down on sand whose ripples are a third of the fish long.
    paintSeabed(p, Canvas::frame, 60);
    p.translate(160, 124);
    p.rotate(-8);

    // The body proper: a small snout, the forehead hollowed in front of the
    // upper eye, widest behind the middle and drawn in to a short tail stalk.
    const QPainterPath disc =
        smoothClosedPath({{-119, 8}, {-116, -6}, {-108, -16}, {-98, -31}, {-80, -48}, {-42, -65},
                          {0, -69},  {44, -60},  {76, -40},   {94, -16},  {102, -9},  {108, -8},
                          {108, 8},  {102, 9},   {92, 18},    {74, 42},   {44, 60},   {10, 64},
                          {-36, 58}, {-76, 44},  {-102, 30},  {-116, 20}});
    // The dorsal and anal fins run right round it as one fringe of rays, from
    // over the eyes to the tail stalk. The dorsal begins over the snout and is
    // widest just ahead of the middle; the anal begins only behind the head
    // and is widest behind the middle, so the outline is no ellipse.
    constexpr int rayCount = 180;
    std::vector<QPointF> roots, edge;
    for (int i = 0; i < rayCount; ++i) {
        const QPointF at = disc.pointAtPercent(double(i) / rayCount);
        const QPointF d = disc.pointAtPercent(double(i + 1) / rayCount) -
                          disc.pointAtPercent(double((i + rayCount - 1) % rayCount) / rayCount);
        QPointF out = QPointF(d.y(), -d.x()) / std::max(1e-6, std::hypot(d.x(), d.y()));
        if (disc.contains(at + out * 2))
            out = -out;
        const bool dorsal = at.y() < 0;
        const double head =
            std::clamp((at.x() + (dorsal ? 112 : 84)) / (dorsal ? 30 : 24), 0.0, 1.0);
        const double stalk = std::clamp((92 - at.x()) / 16, 0.0, 1.0);
        const double swell = dorsal ? 0.9 + 0.3 * std::exp(-std::pow((at.x() + 8) / 50, 2))
                                    : 0.84 + 0.3 * std::exp(-std::pow((at.x() - 28) / 44, 2));
        const double width = 16 * swell * std::sin(head * std::numbers::pi / 2) * stalk *
                             (1 + 0.05 * std::sin(i * 0.23 + 1.0) + 0.03 * std::sin(i * 0.61) +
                              0.045 * std::sin(i * 2.9) * std::sin(i * 0.37));
        roots.push_back(at - out * 2);
        edge.push_back(at + out * width);
    }
    const QPainterPath fringe = smoothClosedPath(edge.data(), int(edge.size())).united(disc);
    const Fin caudal = tail(TailKind::Rounded, {104, 0}, 20, 46, 58);
    // Lying flat on the sand it throws only a thin shadow from its lifted rim.
    anatomy::paintSoftShadow(p, fringe.united(caudal.shape), QPointF(1.2, 1.8), 45);

    const QColor sand(214, 196, 156), ringDark(30, 90, 190), ringBright(80, 170, 255);
    // The tail is skin and fine rays like the body, mottled as it is.
    paintFin(p, caudal, QColor(204, 184, 144, 235), QColor(120, 96, 60, 80), 20);
    anatomy::paintFreckles(p, caudal.shape, 8, 1.2, 4, QColor(150, 126, 88, 70), 4105);
    anatomy::paintFreckles(p, caudal.shape, 8, 0.4, 1.4, QColor(80, 170, 255, 200), 4106, {112, 0},
                           30);
    p.fillPath(fringe, QColor(206, 186, 146, 215));
    {
        // Soft rays sweeping back towards the tail, some plain and some
        // faint, fading out into the thin membrane towards the edge; the
        // body's mottle runs on over them.
        const Saved s(p);
        const QPainterPath fins = fringe.subtracted(disc);
        p.setClipPath(fins, Qt::IntersectClip);
        anatomy::paintMottle(p, fins, 7, QColor(140, 114, 76, 90), QColor(250, 240, 210, 70), 4108);
        QRandomGenerator rays(4109);
        for (size_t i = 0; i < roots.size(); ++i) {
            const QPointF from = roots[i], to = edge[i];
            const QPointF sweep = QPointF(QLineF(from, to).length() * 0.25, 0);
            QLinearGradient fade(from, to);
            const int alpha = 50 + rays.bounded(90);
            fade.setColorAt(0.0, QColor(120, 96, 60, alpha));
            fade.setColorAt(0.75, QColor(120, 96, 60, alpha / 3));
            fade.setColorAt(1.0, QColor(120, 96, 60, 0));
            p.strokePath(curve(from, (from + to) / 2.0 + sweep * 0.3, to + sweep),
                         QPen(fade, 0.5 + rays.generateDouble() * 0.4));
        }
    }
    stroke(p, fringe, QColor(120, 96, 60, 90), 0.5);

    QRadialGradient shade(QPointF(-10, -10), 120);
    shade.setColorAt(0, sand.lighter(108));
    shade.setColorAt(0.8, sand);
    shade.setColorAt(1, QColor(168, 146, 108));
    p.fillPath(disc, shade);
    // Mottling that hides it on the sand, and two dark smudges on its lateral line.
    anatomy::paintMottle(p, disc, 9, QColor(140, 114, 76, 110), QColor(250, 240, 210, 100), 4101);
    // Three ragged dark blotches strung along the lateral line.
    for (const auto &[at, size] :
         {std::pair{QPointF(2, 1), 10.0}, {QPointF(34, -1), 6.5}, {QPointF(72, 1), 9.0}}) {
        paintGlow(p, at, size * 1.3, QColor(70, 54, 36, 120));
        p.fillPath(
            smoothClosedPath(
                {at + QPointF(-size, -0.2 * size), at + QPointF(-0.3 * size, -0.75 * size),
                 at + QPointF(0.6 * size, -0.55 * size), at + QPointF(0.9 * size, 0.2 * size),
                 at + QPointF(0.2 * size, 0.7 * size), at + QPointF(-0.7 * size, 0.5 * size)}),
            QColor(66, 50, 32, 120));
    }
    anatomy::paintFreckles(p, fringe.subtracted(disc), 7.5, 0.5, 1.9, ringBright, 4103, {0, 0},
                           110);

    {
        // The blue is pigment in the skin, not paint laid on it: rings and
        // spots of every size, largest and most crowded on the middle of the
        // body and shrinking towards the fins and edges, some rings broken
        // open and some run together into short curved marks, all soft-edged
        // and a little clear, so the skin's mottle and shade go on over them.
        const Saved s(p);
        p.setClipPath(disc, Qt::IntersectClip);
        QPainterPath pigment;
        pigment.setFillRule(Qt::WindingFill);
        QRandomGenerator rng(41);
        std::vector<QVector3D> placed;
        // A mark of blue: a faint darker halo round a brighter core.
        const auto mark = [&](const QPainterPath &line, double width, int alpha) {
            QPainterPathStroker pen;
            pen.setCapStyle(Qt::RoundCap);
            pen.setWidth(width * 2.4);
            const QPainterPath halo = pen.createStroke(line);
            p.fillPath(halo, withAlpha(ringDark, alpha / 7));
            pen.setWidth(width * 1.6);
            p.fillPath(pen.createStroke(line), withAlpha(ringDark.lighter(130), alpha / 3));
            pen.setWidth(width);
            p.fillPath(pen.createStroke(line), withAlpha(ringBright, alpha));
            pigment.addPath(halo);
        };
        for (const QPointF &c : spreadPoints(disc, 10, 5, 4141)) {
            if (c.x() < -70 && std::abs(c.y()) < 24)
                continue;
            const double middle = 1.0 - std::min(1.0, std::hypot(c.x() / 112, c.y() / 66));
            // The rings gather in loose drifts, leaving patches of plain sand.
            const double drift =
                std::sin(c.x() * 0.047 + 1.3) + std::sin(c.y() * 0.083 + c.x() * 0.021);
            if (rng.generateDouble() > 0.5 + 0.8 * middle || drift < -0.7 - rng.bounded(0.6))
                continue;
            const double r = 1.3 + std::pow(rng.generateDouble(), 1.8) * (2.5 + 5.5 * middle);
            const int alpha = 130 + int(rng.bounded(80));
            // Rings touch and run together but do not pile up on each other.
            if (std::any_of(placed.begin(), placed.end(), [&](const QVector3D &o) {
                    return std::hypot(o.x() - c.x(), o.y() - c.y()) < 0.8 * (r + o.z());
                }))
                continue;
            placed.emplace_back(c.x(), c.y(), r);
            if (r < 2.6) {
                paintGlow(p, c, r * 1.6, withAlpha(ringDark, alpha / 6));
                paintDisc(p, c, r * 0.55, r * 0.5, withAlpha(ringBright, alpha));
                pigment.addEllipse(c, r * 1.2, r * 1.2);
                continue;
            }
            // Most rings close, a few are broken open, and some are only a
            // short bow, the trace of two rings run together.
            const double kind = rng.generateDouble();
            const double squash = 0.8 + rng.generateDouble() * 0.2;
            const double bow = kind < 0.82 ? 1.0 : 1.35;
            const QRectF box(-r * bow, -r * bow * squash, 2 * r * bow, 2 * r * bow * squash);
            const double start = rng.bounded(360.0);
            const double span = kind < 0.6    ? 360.0
                                : kind < 0.82 ? 230 + rng.bounded(90.0)
                                              : 70 + rng.bounded(70.0);
            QPainterPath arc;
            arc.arcMoveTo(box, start);
            arc.arcTo(box, start, span);
            QTransform place;
            place.translate(c.x(), c.y());
            place.rotate(rng.bounded(180.0));
            mark(place.map(arc), 0.6 + r * 0.15, alpha);
        }
        // Small blue spots drift between them, crowding in places and thin
        // in others, fewer and finer towards the edges.
        for (const QPointF &c : spreadPoints(disc, 6.5, 2.8, 4107)) {
            const double middle = 1.0 - std::min(1.0, std::hypot(c.x() / 112, c.y() / 66));
            const double drift =
                std::sin(c.x() * 0.061 + 0.4) + std::sin(c.y() * 0.07 - c.x() * 0.032 + 2.0);
            if (drift < -0.2 - rng.bounded(1.2) || rng.generateDouble() > 0.4 + middle ||
                std::any_of(placed.begin(), placed.end(), [&](const QVector3D &o) {
                    return std::hypot(o.x() - c.x(), o.y() - c.y()) < o.z() + 1.5;
                }))
                continue;
            const double r = 0.4 + rng.bounded(0.5 + middle) + (drift > 1.2 ? 0.3 : 0.0);
            paintGlow(p, c, r * 2.2, withAlpha(ringDark, 20));
            paintDisc(p, c, r * 1.1, r, withAlpha(ringBright, 80 + int(rng.bounded(120))));
            pigment.addEllipse(c, r * 2, r * 2);
        }
        // The skin's mottle and its shade towards the rim lie over the blue
        // as over the sand colour, so the blue dims where the body is dark.
        p.setClipPath(pigment, Qt::IntersectClip);
        anatomy::paintMottle(p, disc, 9, QColor(140, 114, 76, 80), QColor(250, 240, 210, 60), 4101);
        QRadialGradient dim(QPointF(-10, -10), 120);
        dim.setColorAt(0.45, QColor(120, 96, 60, 0));
        dim.setColorAt(1, QColor(120, 96, 60, 90));
        p.fillPath(disc, dim);
    }
    // Blue dots crowd the head around the eyes.
    anatomy::paintFreckles(p, disc.intersected(oval({-92, 0}, 26, 30)), 4.6, 0.5, 1.4, ringBright,
                           4104, {-80, 0}, 24);
    // The lateral line leaves the top of the gill opening, arches high over
    // the pectoral fin and comes down behind its tip to run straight along
    // the middle of the body to the tail.
    const QPainterPath lateral = curveThrough({{-63, -25},
                                               {-54, -32},
                                               {-40, -34},
                                               {-26, -29},
                                               {-12, -17},
                                               {0, -4},
                                               {16, 0},
                                               {60, 0},
                                               {102, 0}});
    strokeInside(p, disc, lateral.translated(0.5, 0.7), QColor(250, 240, 214, 110), 1.2);
    strokeInside(p, disc, lateral, QColor(110, 86, 56, 150), 0.8);
    anatomy::paintShadedEdge(p, disc, QColor(140, 116, 80, 140), 1.3);

    // The one long pectoral fin of the upper side grows from just behind
    // the gill cover and lies flat back along the body under the arch of
    // the lateral line: a narrow fan of fine rays, the upper ones longest,
    // its membrane sand-coloured and thin enough for the rings to show
    // through, throwing only a thin shadow along its edge.
    const Fin pectoral = fanFin({-58.6, -10}, {-57.8, 0}, 42, 10, 26, 0.9, 13);
    if (!Silhouette::active(p)) {
        {
            const Saved s(p);
            p.setClipPath(disc.subtracted(pectoral.shape), Qt::IntersectClip);
            p.fillPath(pectoral.shape.translated(0.6, 0.9), QColor(70, 54, 36, 50));
        }
        QLinearGradient thin(pectoral.base.center(), pectoral.tips.front());
        thin.setColorAt(0, QColor(204, 184, 142, 235));
        thin.setColorAt(1, QColor(214, 196, 156, 190));
        p.fillPath(pectoral.shape, thin);
        const Saved s(p);
        p.setClipPath(pectoral.shape, Qt::IntersectClip);
        const int count = int(pectoral.tips.size());
        for (int i = 0; i < count; ++i) {
            const QPointF root = pectoral.base.pointAt((i + 0.5) / count);
            const QPointF tip = pectoral.tips[size_t(i)];
            const QPointF side = QPointF(root.y() - tip.y(), tip.x() - root.x()) * 0.03;
            stroke(p, curve(root, (root + tip) / 2 + side, tip), QColor(118, 92, 60, 120), 0.45);
        }
        stroke(p, pectoral.edge, QColor(110, 86, 56, 150), 0.6);
    }
    stroke(p, curveThrough({{-76, -40}, {-62, -26}, {-58, -4}, {-66, 20}, {-80, 34}}),
           QColor(120, 96, 64, 130), 1.1);
    // Both eyes on the upper side, one ahead of the other, each raised on a
    // short turret of skin that throws a shadow back.
    // In the male they sit far apart, the front eye the lower.
    // Each turns on its own turret, the two not quite alike.
    for (const auto &[eye, turn, size] :
         {std::tuple{QPointF(-97, 10), 28.0, 4.3}, std::tuple{QPointF(-73, -17), -22.0, 3.9}}) {
        paintGlow(p, eye + QPointF(2.5, 3.5), 8, QColor(80, 60, 36, 110));
        const Saved s(p);
        p.translate(eye);
        p.rotate(turn);
        fillBody(p, oval({0.6, 0}, size * 1.55, size * 1.2), QColor(226, 210, 172),
                 QColor(206, 188, 148), QColor(170, 150, 112));
        anatomy::paintNaturalEye(p, {0, 0}, size, QColor(150, 130, 84), 0.5);
    }
    // The mouth is twisted towards the eyed side: the gape climbs from the
    // snout tip up and back below the lower eye, the lower jaw jutting past
    // the upper as a firm, pale lip.
    const QPainterPath lowerJaw = smoothClosedPath({{-118, 9.5},
                                                    {-116.5, 4.5},
                                                    {-112, 0.5},
                                                    {-106, -2},
                                                    {-106.5, 1.5},
                                                    {-111, 5.5},
                                                    {-115, 10.5}});
    fillBody(p, lowerJaw, QColor(214, 198, 160), QColor(204, 186, 146), QColor(180, 160, 120));
    strokeInside(p, disc, lowerJaw, QColor(120, 96, 64, 130), 0.6);
    // The upper jaw a narrow bony plate over the gape, ending in a rounded
    // rear edge; the gape a short dark wedge between the jaws, not a line.
    const QPainterPath maxilla = smoothClosedPath({{-117.5, 3.5},
                                                   {-112, -1.4},
                                                   {-106, -4.2},
                                                   {-102.5, -4},
                                                   {-103, -2},
                                                   {-108, -0.6},
                                                   {-116, 5}});
    fillBody(p, maxilla, QColor(222, 206, 168), QColor(200, 182, 142), QColor(176, 156, 116));
    strokeInside(p, disc, curve({-106, -4.2}, {-102, -4.6}, {-103, -2}), QColor(120, 96, 64, 150),
                 0.6);
    const QPainterPath gape =
        smoothClosedPath({{-117, 5.4}, {-112, 1.2}, {-106.5, -1}, {-107, 0.6}, {-112, 2.8}});
    p.fillPath(gape, QColor(70, 50, 34, 220));
    strokeInside(p, disc, gape, QColor(70, 50, 34, 220), 0.6);
}

} // namespace fishart
