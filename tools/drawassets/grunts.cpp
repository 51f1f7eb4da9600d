// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

// Grunts and the Porkfish: deep, striped, sloping heads.

namespace fishart {

using namespace fishkit;

namespace {

// The grunts share one build: a spiny and a soft dorsal fin, a forked tail
// and a red-lined mouth; their stripes and fin colours tell them apart.
struct Grunt
{
    BodyShape shape;
    QColor back, flank, belly;
    QColor fin, lowerFin, tailFin, ray;
};

QPainterPath paintGruntBody(QPainter &p, const Grunt &g)
{
    const BodyShape &s = g.shape;
    const QPointF root = s.at(1, 0);
    paintFin(p, tail(TailKind::Forked, root - QPointF(4, 0), s.depth * s.stalk + 4, 56, 96, 0.45),
             g.tailFin, g.ray, 16);
    const QPointF spiny = s.at(0.32, -0.95);
    const QPointF soft = s.at(0.62, -0.98);
    paintFin(p, fin(spiny, {spiny + QPointF(14, -26), spiny + QPointF(48, -24)}, soft), g.fin,
             g.ray, 11);
    paintFin(
        p, fin(soft, {soft + QPointF(14, -14), s.at(0.95, -1) + QPointF(0, -12)}, s.at(0.99, -0.8)),
        g.fin, g.ray, 12);
    const QPointF anal = s.at(0.72, 0.95);
    paintFin(p,
             fin(anal, {anal + QPointF(12, 28), s.at(0.95, 1) + QPointF(2, 14)}, s.at(0.99, 0.8)),
             g.lowerFin, g.ray, 10);

    const QPainterPath body = bodyOutline(s);
    fillBody(p, body, g.back, g.flank, g.belly);
    return body;
}

// Shading, gill cover, the red mouth lining grunts show when they "grunt",
// pectoral and pelvic fins and the eye.
void paintGruntFace(QPainter &p, const Grunt &g, const QPainterPath &body, QColor pectoral,
                    QColor iris)
{
    const BodyShape &s = g.shape;
    shadeBody(p, body, g.back.darker(200), 0.8);
    stroke(p, curveThrough({s.at(0.3, -0.85), s.at(0.34, 0), s.at(0.28, 0.85)}),
           withAlpha(g.back.darker(160), 150), 1.3);
    const QPointF mouth = s.snout + QPointF(2, 2);
    p.fillPath(smoothClosedPath({mouth, mouth + QPointF(12, -1), mouth + QPointF(22, 4),
                                 mouth + QPointF(10, 5)}),
               QColor(200, 60, 50));
    stroke(p, curve(mouth, mouth + QPointF(12, 1), mouth + QPointF(23, 4)), QColor(70, 40, 40),
           1.3);
    const QPointF pelvic = s.at(0.34, 0.92);
    paintFin(
        p,
        fin(pelvic, {pelvic + QPointF(4, 26), pelvic + QPointF(14, 30)}, pelvic + QPointF(18, 2)),
        g.lowerFin, g.ray, 4);
    const QPointF base = s.at(0.38, 0.1);
    paintFin(p,
             fin(base + QPointF(0, -5),
                 {base + QPointF(24, -14), base + QPointF(46, -6), base + QPointF(26, 12)},
                 base + QPointF(0, 5)),
             pectoral, g.ray, 9);
    paintEye(p, s.at(0.18, -0.38), 7.2, iris);
}

} // namespace

// A deep, steep-headed grunt: silver-blue with yellow lengthwise stripes
// behind two black bars, one slanting through the eye and one from the nape
// to the pectoral fin; yellow fins.
void paintPorkfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.35);
    paintReefRock(p, Canvas::frame, 200);
    paintSeaFan(p, QPointF(292, 230), 90, QColor(150, 80, 160));

    const QColor yellow(252, 208, 30);
    const Grunt pork{.shape = {.snout = {54, 140},
                               .length = 194,
                               .depth = 122,
                               .deepestAt = 0.45,
                               .bluntness = 0.9,
                               .stalk = 0.2,
                               .back = 0.66},
                     .back = QColor(140, 165, 185),
                     .flank = QColor(200, 215, 228),
                     .belly = QColor(240, 242, 245),
                     .fin = withAlpha(yellow, 225),
                     .lowerFin = withAlpha(yellow, 225),
                     .tailFin = withAlpha(yellow, 235),
                     .ray = QColor(170, 120, 20, 140)};
    const BodyShape &s = pork.shape;
    const QPainterPath body = paintGruntBody(p, pork);
    paintScales(p, body, 6, QColor(255, 255, 255, 50));
    QPainterPath behindBars;
    behindBars.addRect(QRectF(s.at(0.38, 0).x(), 0, 320, 240));
    paintStripes(p, body.intersected(behindBars), 70, 12, 10, 4.2, yellow, 0.4);
    {
        const Saved saved(p);
        p.setClipPath(body, Qt::IntersectClip);
        // The snout in front of the eye bar is yellow-bronze.
        QRadialGradient snout(s.snout + QPointF(8, -4), 28);
        snout.setColorAt(0.0, QColor(240, 196, 70, 230));
        snout.setColorAt(1.0, QColor(240, 196, 70, 0));
        p.fillRect(Canvas::frame, snout);
        const QColor black(18, 18, 22);
        p.fillPath(smoothClosedPath(
                       {s.at(0.23, -1.1), s.at(0.31, -1.1), s.at(0.15, 0.3), s.at(0.06, 0.3)}),
                   black);
        p.fillPath(
            smoothClosedPath({s.at(0.4, -1.1), s.at(0.5, -1.1), s.at(0.41, 0.3), s.at(0.32, 0.3)}),
            black);
    }
    paintGruntFace(p, pork, body, withAlpha(yellow, 200), QColor(210, 190, 120));
}

// A small deep grunt: bright yellow stripes on blue-white, level above the
// lateral line and slanting below it; yellow fins.
void paintFrenchGrunt(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.4);
    paintCoralHead(p, QPointF(270, 250), 80, QColor(170, 150, 110));
    paintSeaFan(p, QPointF(40, 240), 110, QColor(180, 90, 80));

    const QColor yellow(250, 205, 40);
    const Grunt french{.shape = {.snout = {40, 134},
                                 .length = 200,
                                 .depth = 110,
                                 .deepestAt = 0.45,
                                 .bluntness = 0.6,
                                 .stalk = 0.2,
                                 .back = 0.6},
                       .back = QColor(150, 176, 214),
                       .flank = QColor(200, 216, 236),
                       .belly = QColor(232, 236, 242),
                       .fin = withAlpha(yellow.darker(110), 215),
                       .lowerFin = withAlpha(yellow.darker(110), 215),
                       .tailFin = withAlpha(yellow.darker(105), 225),
                       .ray = QColor(160, 120, 20, 140)};
    const QPainterPath body = paintGruntBody(p, french);
    // The lateral line divides the level stripes above from the slanting ones below.
    const QPainterPath lateral = curveThrough({{60, 104}, {150, 96}, {200, 104}, {250, 124}});
    QPainterPath above = lateral;
    above.lineTo(300, 0);
    above.lineTo(0, 0);
    above.lineTo(0, 104);
    above.closeSubpath();
    paintStripes(p, body.intersected(above), 72, 9, 4, 4.4, yellow, 0.5);
    {
        const Saved s(p);
        p.setClipPath(body.subtracted(above), Qt::IntersectClip);
        for (double x = -80; x < 250; x += 15)
            stroke(p, curve({x, 200}, {x + 60, 150}, {x + 130, 90}), yellow, 4.4);
    }
    stroke(p, lateral, QColor(120, 140, 170, 140), 0.8);
    paintGruntFace(p, french, body, withAlpha(yellow, 180), QColor(200, 170, 80));
}

// A grunt with a long sloping head: yellow with many blue lengthwise
// stripes; dark dorsal and tail fins.
void paintBluestripedGrunt(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.35);
    paintReefRock(p, Canvas::frame, 200);
    paintSeaFan(p, QPointF(300, 220), 140, QColor(160, 90, 140));
    paintCoralHead(p, QPointF(60, 224), 40, QColor(170, 150, 100));

    const Grunt bluestriped{.shape = {.snout = {26, 130},
                                      .length = 228,
                                      .depth = 104,
                                      .deepestAt = 0.5,
                                      .bluntness = 0.35,
                                      .stalk = 0.22,
                                      .back = 0.62},
                            .back = QColor(232, 180, 20),
                            .flank = QColor(252, 210, 40),
                            .belly = QColor(255, 232, 120),
                            .fin = QColor(55, 52, 48, 235),
                            .lowerFin = QColor(220, 186, 60, 225),
                            .tailFin = QColor(66, 62, 54, 235),
                            .ray = QColor(20, 20, 20, 150)};
    const QPainterPath body = paintGruntBody(p, bluestriped);
    paintStripes(p, body, 72, 10.5, 10, 5.0, QColor(20, 50, 120), 0.45);
    paintStripes(p, body, 72, 10.5, 10, 3.2, QColor(40, 120, 230), 0.45);
    paintScales(p, body, 7, QColor(160, 110, 0, 70), 0.5);
    paintGruntFace(p, bluestriped, body, QColor(240, 220, 120, 180), QColor(230, 200, 80));
}

} // namespace fishart
