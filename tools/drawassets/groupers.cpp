// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <QPainter>
#include <QPolygonF>
#include <QRandomGenerator>

// Groupers and squirrelfish: heavy heads, big mouths or big eyes.

namespace fishart {

using namespace fishkit;

namespace {

// The two groupers share one heavy build with a rounded tail and a big mouth;
// their size, head and pattern tell them apart.
struct Grouper
{
    BodyShape shape;
    QColor back, flank, belly;
    QColor fin, ray;
};

struct GrouperParts
{
    QPainterPath body;
    Fin tail, dorsal, anal;
};

GrouperParts paintGrouperBody(QPainter &p, const Grouper &g)
{
    const BodyShape &s = g.shape;
    GrouperParts parts;
    parts.tail = tail(TailKind::Rounded, s.at(1, 0) - QPointF(6, 0), s.depth * s.stalk + 8,
                      s.depth * 0.45, s.depth * 0.7);
    const QPointF lift(0, -s.depth * 0.14);
    parts.dorsal = fin(s.at(0.32, -0.95),
                       {s.at(0.38, -1) + lift, s.at(0.6, -1) + lift * 0.8,
                        s.at(0.8, -1) + lift * 1.3, s.at(0.96, -1) + lift * 0.8},
                       s.at(0.99, -0.75));
    parts.anal =
        fin(s.at(0.7, 0.95), {s.at(0.8, 1) - lift * 1.5, s.at(0.95, 1) - lift}, s.at(0.99, 0.75));
    paintFin(p, parts.tail, g.fin, g.ray, 14);
    paintFin(p, parts.dorsal, g.fin, g.ray, 20);
    paintFin(p, parts.anal, g.fin, g.ray, 8);
    parts.body = bodyOutline(s);
    fillBody(p, parts.body, g.back, g.flank, g.belly);
    paintScales(p, parts.body, 6, withAlpha(g.back.darker(140), 70), 0.5);
    return parts;
}

// Shading, the wide mouth with its jutting lower jaw, the gill cover, the
// rounded pectoral and pelvic fins and the eye.
Fin paintGrouperFace(QPainter &p, const Grouper &g, const QPainterPath &body, QColor pelvic,
                     double eye, QColor iris)
{
    const BodyShape &s = g.shape;
    shadeBody(p, body, g.back.darker(180), 0.9);
    const QPointF corner = s.at(0.2, 0.12);
    stroke(p, curve(s.snout, (s.snout + corner) / 2 + QPointF(0, 5), corner), QColor(60, 40, 28),
           1.9);
    p.fillPath(smoothClosedPath({s.snout + QPointF(-1, 2), s.snout + QPointF(14, 9), corner,
                                 corner + QPointF(-14, 12), s.snout + QPointF(4, 11)}),
               g.belly.darker(115));
    stroke(p, curveThrough({s.at(0.33, -0.85), s.at(0.42, 0), s.at(0.32, 0.9)}),
           withAlpha(g.back.darker(160), 200), 1.5);
    const QPointF root = s.at(0.36, 0.95);
    paintFin(p, fin(root, {root + QPointF(10, 24), root + QPointF(26, 28)}, root + QPointF(22, 2)),
             pelvic, g.ray, 6);
    const QPointF base = s.at(0.38, 0.1);
    const Fin pectoral = fin(base + QPointF(0, -6),
                             {base + QPointF(24, -20), base + QPointF(56, -16),
                              base + QPointF(62, 4), base + QPointF(40, 16)},
                             base + QPointF(4, 10));
    paintFin(p, pectoral, withAlpha(g.fin.lighter(110), 210), g.ray, 10);
    paintEye(p, s.at(0.2, -0.42), eye, iris);
    return pectoral;
}

} // namespace

// Red with silvery-white stripes, a huge dark eye, a spiny dorsal fin with
// yellow tips and a deeply forked tail.
void paintSquirrelfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.45);
    paintReefRock(p, Canvas::frame, 200);
    paintCoralHead(p, QPointF(270, 222), 60, QColor(150, 130, 90));
    paintSeaFan(p, QPointF(24, 214), 140, QColor(160, 80, 140));

    const QColor red(214, 50, 40);
    const QColor finColour(220, 66, 56, 225);
    const QColor rays(110, 10, 10, 150);
    const BodyShape shape{.snout = {40, 122},
                          .length = 208,
                          .depth = 96,
                          .deepestAt = 0.48,
                          .bluntness = 0.6,
                          .stalk = 0.26,
                          .back = 0.54};
    // The upper lobe of the deeply forked tail is the longer.
    paintFin(p, tail(TailKind::Forked, {242, 120}, 22, 62, 116, 0.62), finColour, rays, 14);
    const QPointF soft = shape.at(0.8, -0.9);
    paintFin(p,
             fin(soft, {soft + QPointF(10, -22), soft + QPointF(26, -20), shape.at(0.97, -1)},
                 shape.at(0.99, -0.7)),
             finColour, rays, 8);
    const QPointF anal = shape.at(0.75, 0.9);
    paintFin(p, fin(anal, {anal + QPointF(18, 22), anal + QPointF(36, 20)}, shape.at(0.99, 0.7)),
             finColour, rays, 8);
    stroke(p, curve(anal, anal + QPointF(8, 12), anal + QPointF(20, 21)), QColor(250, 220, 210),
           1.6);
    // Red membranes between stiff spines, each tipped yellow.
    const QPointF tips[] = {{104, 50}, {118, 38}, {132, 34}, {146, 34}, {160, 38},
                            {172, 44}, {184, 52}, {194, 60}, {202, 70}};
    QPolygonF spiny;
    for (int i = 0; i < 9; ++i) {
        const QPointF root = shape.at(0.29 + i * 0.06, -0.85);
        if (i == 0)
            spiny << root;
        spiny << tips[i] << tips[i] + QPointF(5, 10);
        stroke(p, curve(root, (root + tips[i]) / 2, tips[i]), QColor(240, 200, 190), 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 220, 40));
        p.drawEllipse(tips[i] + QPointF(1.5, 3), 3.0, 3.5);
    }
    spiny << shape.at(0.8, -0.85);
    p.setBrush(QColor(200, 40, 36, 170));
    p.drawPolygon(spiny);

    const QPainterPath body = bodyOutline(shape);
    fillBody(p, body, QColor(150, 24, 24), red, QColor(240, 150, 140));
    paintStripes(p, body, 88, 10, 7, 3.0, QColor(250, 236, 236, 190), 0.5);
    paintScales(p, body, 9, QColor(120, 10, 10, 110), 0.8);
    shadeBody(p, body, QColor(110, 10, 10));

    stroke(p, curveThrough({{92, 80}, {110, 120}, {90, 156}}), QColor(110, 10, 10, 220), 1.4);
    // The sharp spine at the corner of the cheek.
    p.setBrush(QColor(250, 220, 210));
    p.drawPolygon(QPolygonF({{86, 148}, {112, 152}, {88, 156}}));
    paintFin(p, fin({100, 160}, {{112, 182}, {124, 186}}, {120, 166}), finColour, rays, 5);
    paintFin(p, fin({104, 122}, {{124, 112}, {146, 114}, {150, 128}, {130, 136}}, {104, 130}),
             QColor(240, 120, 100, 180), rays, 9);
    stroke(p, curve({41, 124}, {50, 128}, {60, 126}), QColor(100, 10, 10), 1.3);
    // The very large night eye, dark and red-rimmed.
    p.setBrush(QColor(180, 30, 30));
    p.drawEllipse(QPointF(78, 106), 17, 16);
    paintEye(p, {78, 106}, 14.5, QColor(120, 30, 30));
}

// A heavy tan grouper with five dark bars, a bar through the eye, a dark
// "tuning fork" on the forehead and a black saddle before the tail.
void paintNassauGrouper(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.45);
    paintReefRock(p, Canvas::frame, 196);
    paintCoralHead(p, QPointF(296, 210), 46, QColor(150, 140, 100));
    paintSeaFan(p, QPointF(16, 206), 140, QColor(150, 70, 140));

    const QColor bar(96, 64, 42, 210);
    const Grouper nassau{.shape = {.snout = {22, 134},
                                   .length = 222,
                                   .depth = 114,
                                   .deepestAt = 0.5,
                                   .bluntness = 0.5,
                                   .stalk = 0.3,
                                   .back = 0.61},
                         .back = QColor(180, 154, 114),
                         .flank = QColor(218, 196, 156),
                         .belly = QColor(238, 226, 200),
                         .fin = QColor(196, 168, 128, 235),
                         .ray = QColor(90, 60, 40, 160)};
    const BodyShape &s = nassau.shape;
    const GrouperParts parts = paintGrouperBody(p, nassau);
    {
        // Ragged bars, slanting a little and running up into the dorsal fin.
        const Saved saved(p);
        p.setClipPath(parts.body.united(parts.dorsal.shape).united(parts.anal.shape),
                      Qt::IntersectClip);
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
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(14, 10, 8));
        p.drawEllipse(s.at(0.96, -0.85), 10, 8);
    }
    paintSpots(p, parts.body, 11, 0.8, 1.4, QColor(250, 240, 220, 110), 4401);
    QPainterPath cheek;
    cheek.addEllipse(s.at(0.22, -0.1), 30, 20);
    paintSpots(p, parts.body.intersected(cheek), 6, 0.6, 1.1, QColor(60, 40, 25), 44);
    paintGrouperFace(p, nassau, parts.body, QColor(140, 100, 70, 220), 7.5, QColor(180, 140, 70));
}

// A massive grouper with a broad flat head and small eyes, brown-yellow
// with small black spots over head, body and fins and faint dark blotches.
void paintSpottedJewfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.55);
    paintReefRock(p, Canvas::frame, 210);
    // A few tiny reef fish behind show how big the giant is.
    for (const QPointF at :
         {QPointF(252, 28), QPointF(270, 36), QPointF(262, 18), QPointF(284, 26)})
        p.fillPath(smoothClosedPath({at + QPointF(-6, 0), at + QPointF(0, -2), at + QPointF(6, 0),
                                     at + QPointF(9, -2), at + QPointF(9, 2), at + QPointF(6, 0),
                                     at + QPointF(0, 2)}),
                   QColor(170, 200, 220, 170));

    const QColor black(24, 20, 14);
    const Grouper jewfish{.shape = {.snout = {8, 130},
                                    .length = 258,
                                    .depth = 132,
                                    .deepestAt = 0.45,
                                    .bluntness = 0.75,
                                    .stalk = 0.36,
                                    .back = 0.52},
                          .back = QColor(112, 96, 56),
                          .flank = QColor(150, 130, 78),
                          .belly = QColor(196, 180, 130),
                          .fin = QColor(134, 116, 72, 240),
                          .ray = QColor(60, 50, 30, 150)};
    const GrouperParts parts = paintGrouperBody(p, jewfish);
    const QPainterPath all = parts.body.united(parts.dorsal.shape).united(parts.anal.shape);
    paintBars(p, all, 96, 36, 5, 18, QColor(70, 56, 30, 60), -10);
    paintSpots(p, all.united(parts.tail.shape), 8, 0.9, 1.6, black, 45);
    const Fin pectoral = paintGrouperFace(p, jewfish, parts.body, QColor(130, 110, 66, 230), 5.0,
                                          QColor(160, 130, 60));
    paintSpots(p, pectoral.shape, 8, 0.8, 1.3, black, 4545);
}

} // namespace fishart
