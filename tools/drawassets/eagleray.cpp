// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rays.h"

#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

// The eagle ray, gliding in open water seen from above.

namespace fishart {

using namespace fishkit;
using namespace rays;

// Wide pointed wings, a duck-bill snout and a very long thin tail, gliding in
// open water: blue-black above with white spots and rings, white below.
void paintSpottedEagleRay(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.3, Water::Blue);
    // Bar jacks far below, each about a sixth of the ray's span.
    paintJacksFromAbove(p, QRectF(178, 178, 120, 50), 30, 6, -10, 32);
    p.translate(152, 104);
    p.rotate(-14);

    // A long thin whip trailing in a soft curve, tapering evenly to a fine point.
    const QPainterPath whip =
        curveThrough({{0, 50}, {-2.4, 76}, {1, 99}, {14, 117}, {36, 129.5}, {62, 140}, {87, 154}});
    const QPainterPath tail = ribbon(whip, {8.4, 7.2, 6.0, 4.8, 3.7, 2.6, 1.6, 0.7, 0.1});
    p.fillPath(tail, QColor(22, 30, 50));
    // Round in section: lit along its upper side, shaded along the other.
    const auto beside = [&whip](double from, double to, double off) {
        std::vector<QPointF> line;
        for (int i = 0; i <= 10; ++i) {
            const double t = from + (to - from) * i / 10;
            const QPointF d = whip.pointAtPercent(std::min(1.0, t + 0.01)) -
                              whip.pointAtPercent(std::max(0.0, t - 0.01));
            line.push_back(whip.pointAtPercent(t) +
                           QPointF(-d.y(), d.x()) / std::hypot(d.x(), d.y()) * off * (1 - t));
        }
        return curveThrough(line);
    };
    {
        const Saved c(p);
        p.setClipPath(tail, Qt::IntersectClip);
        stroke(p, beside(0.02, 0.98, -2.6), QColor(8, 12, 24, 170), 1.6);
        stroke(p, beside(0.02, 0.8, 1.9), QColor(80, 96, 130, 170), 1.1);
        stroke(p, beside(0.02, 0.5, 0.9), QColor(150, 164, 190, 60), 0.5);
    }
    // Two short venomous spines lie on the tail just behind the pelvic fins,
    // dark horn, not bright bone, on the dark tail.
    for (const double at : {0.08, 0.115})
        paintSting(p, whip.pointAtPercent(at) + QPointF(0.8, 0),
                   whip.pointAtPercent(at + 0.068) + QPointF(0.8, 0), 9, QColor(20, 24, 36),
                   QColor(118, 124, 136));

    // Falcate wings: the leading edge bowed forward, the tips swept back and
    // the trailing edge hollowed. The head stands clear in front of the
    // wings, which meet it just behind the eyes; the eyes bulge from its
    // sides, and before them runs the flat duck bill, as long as it is wide,
    // its sides nearly parallel, widest just behind the tip, and its front
    // one broad elliptical curve.
    const std::initializer_list<QPointF> half = {
        {0, -88},      {7.2, -86.7},  {12.5, -83},   {14.4, -78}, {14.3, -73.2}, {13.7, -68.8},
        {13, -64.9},   {12.8, -61.4}, {15.6, -58.6}, {19, -56.8}, {20.6, -54.4}, {19.8, -51.8},
        {20.6, -49.4}, {23.4, -46.2}, {30, -44.2},   {46, -39},   {74, -29},     {104, -13},
        {132, 6},      {152, 23},     {166, 37},     {156, 32},   {134, 25},     {106, 22},
        {80, 27},      {56, 36},      {36, 46},      {18, 54},    {0, 58}};
    // Banking in mid-stroke, the wings are not a mirror pair: the right one
    // raised and curling up at the tip, seen shorter, the left one pressed
    // down at the end of its beat and spread to its full span. The head
    // between them stays square to the eye.
    const auto wingward = [](double x) { return std::clamp((x - 22) / 24, 0.0, 1.0); };
    std::vector<QPointF> ring;
    for (const QPointF &q : half) {
        const double t = q.x() / 163, k = wingward(q.x());
        ring.emplace_back(q.x() * (0.94 + k * (-0.04 - 0.04 * t)), q.y() - k * 18 * t * t);
    }
    for (auto q = std::rbegin(half); q != std::rend(half); ++q) {
        const double t = q->x() / 163, k = wingward(q->x());
        if (q->x() != 0.0)
            ring.emplace_back(-q->x() * (0.94 + k * (0.04 + 0.02 * t)),
                              q->y() + k * (9 * t * t + 3 * t));
    }
    const QPainterPath wings = smoothClosedPath(ring.data(), int(ring.size()));
    {
        // Only a sliver of the pale belly catches the light along the banked
        // trailing edge, fading where the wing turns edge-on.
        const Saved s(p);
        p.setClipRect(QRectF(-170, 14, 340, 60));
        p.fillPath(wings.translated(0, 1.1).subtracted(wings), QColor(176, 190, 210, 110));
    }
    // The pelvic fins, slim and pointed, reach back either side of the tail.
    // Each a thick lobe of flesh, rounded over its top into the light, its
    // thin rear tip paler where the belly's white shows through.
    const QPainterPath pelvics = pelvicPair(
        {{2, 47}, {11, 49}, {17, 56}, {19.4, 65}, {17.6, 74}, {12.6, 79}, {8, 70}, {3, 60}});
    fillBody(p, pelvics, QColor(34, 46, 76), QColor(22, 30, 52), QColor(40, 50, 74));
    {
        const Saved c(p);
        p.setClipPath(pelvics, Qt::IntersectClip);
        for (const double side : {-1.0, 1.0})
            stroke(p, curveThrough({{side * 5, 51}, {side * 11, 54}, {side * 13.4, 62}}),
                   QColor(90, 110, 150, 90), 1.4);
    }
    anatomy::paintShadedEdge(p, pelvics, QColor(8, 12, 24, 150), 0.9);
    fillBody(p, wings, QColor(30, 44, 74), QColor(22, 32, 58), QColor(14, 20, 38));
    {
        const Saved c(p);
        p.setClipPath(wings, Qt::IntersectClip);
        {
            const Saved ridge(p);
            p.scale(0.6, 1.0);
            paintGlow(p, {0, -10}, 40, QColor(60, 78, 112, 160));
        }
        // White spots of every size, small and crowded over the back of the
        // head and the shoulders, largest over the middle of each wing and
        // shrinking again towards its thin edges; a good few of the larger
        // ones open into rings with a dark centre, no two quite round.
        QRandomGenerator rng(32);
        const QColor white(238, 242, 246);
        const auto inset = [&wings](QPointF pt) {
            for (double d = 2; d < 22; d += 2)
                for (int k = 0; k < 8; ++k)
                    if (!wings.contains(pt + QPointF(std::cos(k * std::numbers::pi / 4),
                                                     std::sin(k * std::numbers::pi / 4)) *
                                                 d))
                        return d;
            return 22.0;
        };
        // The bill is left bare: the spots stop at the back of the head.
        QPainterPath behindBill;
        behindBill.addRect(-200, -73, 400, 200);
        for (const QPointF &pt : spreadPoints(wings.intersected(behindBill), 8.5, 2.8, 3232)) {
            if (pt.y() < -55)
                continue;
            const double out = std::min(1.0, std::hypot(pt.x() / 150, (pt.y() + 44) / 90));
            if (rng.generateDouble() > 0.97 - out * 0.45)
                continue;
            const double edge = 0.4 + 0.6 * inset(pt) / 22.0;
            const double size = rng.generateDouble();
            const double r = (0.8 + out * 1.6 + size * size * (0.6 + out * 1.4)) * edge;
            const double rx = r * (0.85 + 0.3 * rng.generateDouble());
            const double ry = r * (0.85 + 0.3 * rng.generateDouble());
            // Pigment, not paint: each spot a little lopsided, its edge soft.
            const auto blob = [&](QPointF c, double bx, double by, QColor colour) {
                QPointF rim[7];
                const double start = rng.generateDouble() * 2 * std::numbers::pi;
                for (int k = 0; k < 7; ++k) {
                    const double a = start + k * 2 * std::numbers::pi / 7,
                                 wander = 0.8 + 0.35 * rng.generateDouble();
                    rim[k] = c + QPointF(std::cos(a) * bx, std::sin(a) * by) * wander;
                }
                const QPainterPath shape = smoothClosedPath(rim, 7);
                stroke(p, shape, withAlpha(colour, colour.alpha() / 4), 0.9);
                p.fillPath(shape, colour);
            };
            const QColor own = withAlpha(white, 190 + rng.bounded(65));
            if (out > 0.3 && r > 1.7 && rng.bounded(4) == 0) {
                const double hole = 0.36 + 0.24 * rng.generateDouble();
                blob(pt, rx * 1.15, ry * 1.15, own);
                blob(pt + QPointF(rng.generateDouble() - 0.5, rng.generateDouble() - 0.5) * r * 0.3,
                     rx * 1.15 * hole, ry * 1.15 * hole, QColor(22, 32, 58));
            } else {
                blob(pt, rx * 0.8, ry * 0.8, own);
            }
        }
        // The raised wing turns its face to the light; the lowered one dims,
        // spots and all.
        QLinearGradient bank(QPointF(-170, 0), QPointF(150, -20));
        bank.setColorAt(0.0, QColor(6, 10, 22, 90));
        bank.setColorAt(0.45, QColor(6, 10, 22, 0));
        bank.setColorAt(0.75, QColor(90, 110, 150, 0));
        bank.setColorAt(1.0, QColor(90, 110, 150, 70));
        p.fillRect(QRectF(-180, -60, 360, 130), bank);
    }
    anatomy::paintShadedEdge(p, wings, QColor(8, 12, 24, 170), 1.3);

    {
        // The head between the eyes is a low dome; in front of the eyes it
        // steps down onto the bill, a thin flat plate. Its top takes one even
        // sheen, paler at the flattened tip, and along its near side the pale
        // underside edge shows as a thin band, shadowed beneath where it
        // overhangs.
        const QPainterPath step = curve({-16, -59.4}, {0, -63.6}, {16, -59.4});
        QPainterPath ahead = step;
        ahead.lineTo(30, -100);
        ahead.lineTo(-30, -100);
        ahead.closeSubpath();
        const QPainterPath bill = wings.intersected(ahead);
        const QPointF below(-1.3, -0.35);
        const QPainterPath edge = bill.translated(below).subtracted(wings);
        const QPainterPath overhang =
            bill.translated(below * 1.8).subtracted(wings).subtracted(edge);
        QLinearGradient along(QPointF(0, -62), QPointF(0, -87));
        along.setColorAt(0.0, QColor(8, 12, 26, 0));
        along.setColorAt(0.3, QColor(8, 12, 26, 120));
        along.setColorAt(1.0, QColor(8, 12, 26, 150));
        p.fillPath(overhang, along);
        along.setColorAt(0.0, QColor(120, 136, 166, 0));
        along.setColorAt(0.3, QColor(120, 136, 166, 190));
        along.setColorAt(1.0, QColor(150, 166, 194, 230));
        p.fillPath(edge, along);

        const Saved s(p);
        p.setClipPath(wings, Qt::IntersectClip);
        {
            const Saved dome(p);
            p.scale(0.7, 1.0);
            paintGlow(p, {0, -53}, 16, QColor(80, 100, 140, 130));
        }
        stroke(p, step.translated(0, 1.2), QColor(100, 120, 160, 70), 1.4);
        stroke(p, step.translated(0, -0.6), QColor(8, 12, 26, 60), 1.8);
        p.setClipPath(bill, Qt::IntersectClip);
        QLinearGradient sheen(QPointF(0, -62), QPointF(0, -88));
        sheen.setColorAt(0.0, QColor(8, 12, 26, 110));
        sheen.setColorAt(0.16, QColor(66, 86, 122, 90));
        sheen.setColorAt(0.7, QColor(74, 94, 132, 100));
        sheen.setColorAt(1.0, QColor(104, 124, 160, 120));
        p.fillPath(bill, sheen);
    }
    // The eyes sit in the sides of the head looking sideways, so from above
    // each shows only as a slice along the edge.
    for (const double side : {-1.0, 1.0}) {
        const Saved s(p);
        p.setClipPath(wings, Qt::IntersectClip);
        p.translate(side * 18.2, -54.4);
        p.scale(0.45, 1.0);
        anatomy::paintNaturalEye(p, {0, 0}, 2.8, QColor(150, 130, 80), 0.55);
    }
}

} // namespace fishart
