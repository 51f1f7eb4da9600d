// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <QPolygonF>
#include <QRandomGenerator>

#include <functional>

// Groupers and squirrelfish: heavy heads, big mouths or big eyes.

namespace fishart {

using namespace fishkit;

namespace {

// The two groupers share one heavy build with a rounded tail and a big mouth;
// their size, head and pattern tell them apart.
struct Grouper
{
    BodyShape shape;
    QColor back, flank, belly, fin, ray, pelvic, iris;
    double eye = 7.5;
};

// Paints the grouper, its pattern by `marks` (given the body with its dorsal
// and anal fins, and the tail) before the shading; returns the pectoral fin.
Fin paintGrouper(QPainter &p, const Grouper &g,
                 const std::function<void(const QPainterPath &, const QPainterPath &)> &marks)
{
    const BodyShape &s = g.shape;
    const Fin caudal = tail(TailKind::Rounded, s.at(1, 0) - QPointF(6, 0), s.depth * s.stalk + 8,
                            s.depth * 0.45, s.depth * 0.7);
    const QPointF lift(0, -s.depth * 0.14);
    const Fin dorsal = fin(s.at(0.32, -0.95),
                           {s.at(0.38, -1) + lift, s.at(0.6, -1) + lift * 0.8,
                            s.at(0.8, -1) + lift * 1.3, s.at(0.96, -1) + lift * 0.8},
                           s.at(0.99, -0.75));
    const Fin anal =
        fin(s.at(0.7, 0.95), {s.at(0.8, 1) - lift * 1.5, s.at(0.95, 1) - lift}, s.at(0.99, 0.75));
    paintFin(p, caudal, g.fin, g.ray, 14);
    paintFin(p, dorsal, g.fin, g.ray, 20);
    paintFin(p, anal, g.fin, g.ray, 8);
    const QPainterPath body = bodyOutline(s);
    fillBody(p, body, g.back, g.flank, g.belly);
    paintScales(p, body, 6, withAlpha(g.back.darker(140), 70), 0.5);
    const Fin pectoral =
        finAt(s.at(0.38, 0.1), {{0, -6}, {24, -20}, {56, -16}, {62, 4}, {40, 16}, {4, 10}});
    marks(body.united(dorsal.shape).united(anal.shape), caudal.shape);

    // The wide mouth with its jutting lower jaw, the gill cover and the
    // rounded pectoral and pelvic fins.
    shadeBody(p, body, g.back.darker(180), 0.9);
    const QPointF corner = s.at(0.2, 0.12);
    stroke(p, curve(s.snout, (s.snout + corner) / 2 + QPointF(0, 5), corner), QColor(60, 40, 28),
           1.9);
    p.fillPath(smoothClosedPath({s.snout + QPointF(-1, 2), s.snout + QPointF(14, 9), corner,
                                 corner + QPointF(-14, 12), s.snout + QPointF(4, 11)}),
               g.belly.darker(115));
    stroke(p, curveThrough({s.at(0.33, -0.85), s.at(0.42, 0), s.at(0.32, 0.9)}),
           withAlpha(g.back.darker(160), 200), 1.5);
    paintFin(p, finAt(s.at(0.36, 0.95), {{0, 0}, {10, 24}, {26, 28}, {22, 2}}), g.pelvic, g.ray, 6);
    paintFin(p, pectoral, withAlpha(g.fin.lighter(110), 210), g.ray, 10);
    paintEye(p, s.at(0.2, -0.42), g.eye, g.iris);
    return pectoral;
}

} // namespace

// Red with silvery-white stripes, a huge dark eye, a spiny dorsal fin with
// yellow tips and a deeply forked tail.
void paintSquirrelfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.45, 0, 200, {270, 222}, 60, QColor(150, 130, 90), {24, 214}, 140,
              QColor(160, 80, 140));
    const QColor fins(220, 66, 56, 225);
    const QColor rays(110, 10, 10, 150);
    const BodyShape s{{40, 122}, 208, 96, 0.48, 0.6, 0.26, 0.54};
    const auto red = [&](const Fin &f, int count) { paintFin(p, f, fins, rays, count); };
    red(tail(TailKind::Forked, {242, 120}, 22, 62, 116, 0.62), 14);
    const QPointF soft = s.at(0.8, -0.9);
    const QPointF anal = s.at(0.75, 0.9);
    red(fin(soft, {soft + QPointF(10, -22), soft + QPointF(26, -20), s.at(0.97, -1)},
            s.at(0.99, -0.7)),
        8);
    red(fin(anal, {anal + QPointF(18, 22), anal + QPointF(36, 20)}, s.at(0.99, 0.7)), 8);
    stroke(p, curve(anal, anal + QPointF(8, 12), anal + QPointF(20, 21)), QColor(250, 220, 210),
           1.6);
    // Red membranes between stiff spines, each tipped yellow.
    const QPointF tips[] = {{104, 50}, {118, 38}, {132, 34}, {146, 34}, {160, 38},
                            {172, 44}, {184, 52}, {194, 60}, {202, 70}};
    QPolygonF spiny{s.at(0.29, -0.85)};
    for (int i = 0; i < 9; ++i) {
        const QPointF root = s.at(0.29 + i * 0.06, -0.85);
        spiny << tips[i] << tips[i] + QPointF(5, 10);
        stroke(p, curve(root, (root + tips[i]) / 2, tips[i]), QColor(240, 200, 190), 1.0);
        paintDisc(p, tips[i] + QPointF(1.5, 3), 3.0, 3.5, QColor(255, 220, 40));
    }
    spiny << s.at(0.8, -0.85);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 36, 170));
    p.drawPolygon(spiny);

    const QPainterPath body = bodyOutline(s);
    fillBody(p, body, QColor(150, 24, 24), QColor(214, 50, 40), QColor(240, 150, 140));
    paintStripes(p, body, 88, 10, 7, 3.0, QColor(250, 236, 236, 190), 0.5);
    paintScales(p, body, 9, QColor(120, 10, 10, 110), 0.8);
    shadeBody(p, body, QColor(110, 10, 10));
    stroke(p, curveThrough({{92, 80}, {110, 120}, {90, 156}}), QColor(110, 10, 10, 220), 1.4);
    // The sharp spine at the corner of the cheek.
    p.setBrush(QColor(250, 220, 210));
    p.drawPolygon(QPolygonF({{86, 148}, {112, 152}, {88, 156}}));
    red(finAt({100, 160}, {{0, 0}, {12, 22}, {24, 26}, {20, 6}}), 5);
    paintFin(p, finAt({104, 122}, {{0, 0}, {20, -10}, {42, -8}, {46, 6}, {26, 14}, {0, 8}}),
             QColor(240, 120, 100, 180), rays, 9);
    stroke(p, curve({41, 124}, {50, 128}, {60, 126}), QColor(100, 10, 10), 1.3);
    // The very large night eye, dark and red-rimmed.
    paintDisc(p, {78, 106}, 17, 16, QColor(180, 30, 30));
    paintEye(p, {78, 106}, 14.5, QColor(120, 30, 30));
}

// A heavy tan grouper with five dark bars, a bar through the eye, a dark
// "tuning fork" on the forehead and a black saddle before the tail.
void paintNassauGrouper(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.45, 0, 196, {296, 210}, 46, QColor(150, 140, 100), {16, 206}, 140,
              QColor(150, 70, 140));
    const QColor bar(96, 64, 42, 210);
    const Grouper nassau(BodyShape{{22, 134}, 222, 114, 0.5, 0.5, 0.3, 0.61}, QColor(180, 154, 114),
                         QColor(218, 196, 156), QColor(238, 226, 200), QColor(196, 168, 128, 235),
                         QColor(90, 60, 40, 160), QColor(140, 100, 70, 220), QColor(180, 140, 70));
    const BodyShape &s = nassau.shape;
    paintGrouper(p, nassau, [&](const QPainterPath &all, const QPainterPath &) {
        {
            // Ragged bars, slanting a little and running up into the dorsal fin.
            const Saved saved(p);
            p.setClipPath(all, Qt::IntersectClip);
            QRandomGenerator rng(44);
            for (int i = 0; i < 5; ++i) {
                const double x = 108 + i * 31 - i * i * 0.5;
                const double half = 7.5 - i * 0.8;
                std::vector<QPointF> ring;
                for (double y = 40; y <= 190; y += 15)
                    ring.emplace_back(x + half + rng.bounded(4.0) - 2 - (y - 120) * 0.08, y);
                for (double y = 190; y >= 40; y -= 15)
                    ring.emplace_back(x - half + rng.bounded(4.0) - 2 - (y - 120) * 0.08, y);
                p.fillPath(smoothClosedPath(ring.data(), int(ring.size())), bar);
            }
            p.fillPath(smoothClosedPath({s.at(0.05, 0), s.at(0.2, -0.5), s.at(0.34, -0.95),
                                         s.at(0.38, -0.8), s.at(0.22, -0.3), s.at(0.08, 0.1)}),
                       bar);
            // The tuning fork: a stripe up the snout that forks on the forehead.
            const QPointF fork = s.at(0.13, -0.7);
            stroke(p, curve(s.at(0.04, -0.35), s.at(0.08, -0.6), fork), bar, 4.2);
            stroke(p, curve(fork, s.at(0.22, -1), s.at(0.34, -1.05)), bar, 3.4);
            stroke(p, curve(fork, s.at(0.22, -0.8), s.at(0.33, -0.85)), bar, 3.4);
            paintDisc(p, s.at(0.96, -0.85), 10, 8, QColor(14, 10, 8));
        }
        const QPainterPath body = bodyOutline(s);
        paintSpots(p, body, 11, 0.8, 1.4, QColor(250, 240, 220, 110), 4401);
        paintSpots(p, body.intersected(oval(s.at(0.22, -0.1), 30, 20)), 6, 0.6, 1.1,
                   QColor(60, 40, 25), 44);
    });
}

// A massive grouper, dwarfing the diver above it: a very broad flat head with
// tiny eyes, brown-yellow to olive with small black spots over head, body and
// fins, and a few irregular slanting dark bars.
void paintSpottedJewfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.55, 0, 212, {}, 0, {});
    {
        // A diver far behind, small beside the giant, trailing bubbles.
        const Saved saved(p);
        p.translate(214, 34);
        p.scale(1.3, 1.3);
        const QColor haze(40, 80, 110, 200);
        p.fillPath(smoothClosedPath({{0, 0}, {10, -5}, {34, -3}, {36, 3}, {10, 5}}), haze);
        p.setPen(Qt::NoPen);
        p.setBrush(haze);
        p.drawEllipse(QPointF(-3, -1), 4.5, 4.5);
        p.drawRoundedRect(QRectF(10, -9, 16, 5), 2, 2);
        stroke(p, curve({8, 2}, {0, 8}, {-8, 6}), haze, 2.4);
        // The fins, one up and one down in the kick.
        for (const double y : {-3.0, 3.0})
            p.fillPath(
                smoothClosedPath({{34, -2}, {52, -4 + y}, {62, -6 + 2 * y}, {52, 1 + y}, {34, 2}}),
                haze);
        p.setBrush(QColor(220, 240, 255, 150));
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(QPointF(-6 - i * 1.5, -8 - i * 6), 1.2 + i * 0.3, 1.2 + i * 0.3);
    }
    const QColor black(24, 20, 14);
    const Grouper jewfish(BodyShape{{4, 140}, 262, 136, 0.48, 0.55, 0.36, 0.5}, QColor(104, 92, 52),
                          QColor(146, 128, 76), QColor(196, 182, 134), QColor(128, 112, 70, 240),
                          QColor(60, 50, 30, 150), QColor(130, 110, 66, 230), QColor(160, 130, 60),
                          3.4);
    const BodyShape &s = jewfish.shape;
    const Fin pectoral =
        paintGrouper(p, jewfish, [&](const QPainterPath &all, const QPainterPath &tail) {
            {
                const Saved saved(p);
                p.setClipPath(all, Qt::IntersectClip);
                QRandomGenerator rng(45);
                for (const double along : {0.32, 0.5, 0.66, 0.82}) {
                    const QPointF top = s.at(along + 0.06, -1.1);
                    const QPointF bottom = s.at(along - 0.04, 0.9);
                    const QPointF sway(rng.bounded(10.0) - 5, 0);
                    p.fillPath(smoothClosedPath({top, top + QPointF(16, 0),
                                                 (top + bottom) / 2 + sway + QPointF(14, 0),
                                                 bottom + QPointF(12, 0), bottom,
                                                 (top + bottom) / 2 + sway}),
                               QColor(62, 50, 26, 95));
                }
            }
            paintSpots(p, all.united(tail), 7, 0.7, 1.2, black, 45);
        });
    paintSpots(p, pectoral.shape, 7, 0.6, 1.0, black, 4545);
}

} // namespace fishart
