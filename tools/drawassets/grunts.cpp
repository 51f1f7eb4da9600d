// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <QPainter>

#include <functional>

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
    QColor fin, lowerFin, tailFin, ray, pectoral, iris;
};

// Draws the grunt with `marks` painted on its body before it is shaded.
void paintGrunt(QPainter &p, const Grunt &g, const std::function<void(const QPainterPath &)> &marks)
{
    const BodyShape &s = g.shape;
    paintFin(
        p, tail(TailKind::Forked, s.at(1, 0) - QPointF(4, 0), s.depth * s.stalk + 4, 56, 96, 0.45),
        g.tailFin, g.ray, 16);
    const QPointF spiny = s.at(0.32, -0.95);
    const QPointF soft = s.at(0.62, -0.98);
    const QPointF anal = s.at(0.72, 0.95);
    paintFin(p, fin(spiny, {spiny + QPointF(14, -26), spiny + QPointF(48, -24)}, soft), g.fin,
             g.ray, 11);
    paintFin(p, fin(soft, {s.at(0.66, -1.1), s.at(0.95, -1.12)}, s.at(0.99, -0.8)), g.fin, g.ray,
             12);
    paintFin(p, fin(anal, {anal + QPointF(12, 28), s.at(0.95, 1.14)}, s.at(0.99, 0.8)), g.lowerFin,
             g.ray, 10);
    const QPainterPath body = bodyOutline(s);
    fillBody(p, body, g.back, g.flank, g.belly);
    marks(body);
    shadeBody(p, body, g.back.darker(200), 0.8);
    stroke(p, curveThrough({s.at(0.3, -0.85), s.at(0.34, 0), s.at(0.28, 0.85)}),
           withAlpha(g.back.darker(160), 150), 1.3);
    // The red mouth lining grunts show when they "grunt".
    const QPointF m = s.snout + QPointF(2, 2);
    p.fillPath(smoothClosedPath({m, m + QPointF(12, -1), m + QPointF(22, 4), m + QPointF(10, 5)}),
               QColor(200, 60, 50));
    stroke(p, curve(m, m + QPointF(12, 1), m + QPointF(23, 4)), QColor(70, 40, 40), 1.3);
    paintFin(p, finAt(s.at(0.34, 0.92), {{0, 0}, {4, 26}, {14, 30}, {18, 2}}), g.lowerFin, g.ray,
             4);
    paintFin(p, finAt(s.at(0.38, 0.1), {{0, -5}, {24, -14}, {46, -6}, {26, 12}, {0, 5}}),
             g.pectoral, g.ray, 9);
    paintEye(p, s.at(0.18, -0.38), 7.2, g.iris);
}

} // namespace

// A deep, steep-headed grunt: silver-blue with yellow lengthwise stripes
// behind two black bars, one slanting through the eye and one from the nape
// to the pectoral fin; yellow fins.
void paintPorkfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.35, 0, 200, {}, 0, {}, {292, 230}, 90, QColor(150, 80, 160));
    const QColor yellow(252, 208, 30);
    const Grunt pork(BodyShape{{54, 140}, 194, 122, 0.45, 0.9, 0.2, 0.66}, QColor(140, 165, 185),
                     QColor(200, 215, 228), QColor(240, 242, 245), withAlpha(yellow, 225),
                     withAlpha(yellow, 225), withAlpha(yellow, 235), QColor(170, 120, 20, 140),
                     withAlpha(yellow, 200), QColor(210, 190, 120));
    const BodyShape &s = pork.shape;
    paintGrunt(p, pork, [&](const QPainterPath &body) {
        paintScales(p, body, 6, QColor(255, 255, 255, 50));
        QPainterPath behindBars;
        behindBars.addRect(QRectF(s.at(0.38, 0).x(), 0, 320, 240));
        paintStripes(p, body.intersected(behindBars), 70, 12, 10, 4.2, yellow, 0.4);
        const Saved saved(p);
        p.setClipPath(body, Qt::IntersectClip);
        // The snout in front of the eye bar is yellow-bronze.
        paintGlow(p, s.snout + QPointF(8, -4), 28, QColor(240, 196, 70, 230));
        for (const double x : {0.0, 0.17})
            p.fillPath(smoothClosedPath({s.at(0.23 + x, -1.1), s.at(0.31 + x, -1.1),
                                         s.at(0.15 + x * 1.5, 0.3), s.at(0.06 + x * 1.5, 0.3)}),
                       QColor(18, 18, 22));
    });
}

// A small grunt: bright yellow stripes on blue-white, level along the back
// above the lateral line and slanting up towards the tail below it; a
// yellow-tinged belly and yellow fins, and no black bars.
void paintFrenchGrunt(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.4, 0, 0, {270, 250}, 80, QColor(170, 150, 110), {40, 240}, 110,
              QColor(180, 90, 80));
    const QColor yellow(250, 205, 40);
    const QColor finColour = withAlpha(yellow.darker(105), 225);
    const Grunt french(BodyShape{{40, 130}, 206, 104, 0.45, 0.6, 0.2, 0.56}, QColor(184, 198, 218),
                       QColor(236, 241, 247), QColor(246, 242, 222), finColour, finColour,
                       finColour, QColor(160, 120, 20, 140), withAlpha(yellow, 180),
                       QColor(200, 170, 80));
    const BodyShape &s = french.shape;
    paintGrunt(p, french, [&](const QPainterPath &body) {
        // The lateral line parts the level stripes above from the slanting ones below.
        QPainterPath lateral(s.at(0.22, -0.35));
        for (double t = 0.25; t <= 1.0; t += 0.05)
            lateral.lineTo(s.at(t, -0.35 + 0.3 * t * t));
        QPainterPath above = lateral;
        above.lineTo(320, 0);
        above.lineTo(0, 0);
        const QPainterPath upper = body.intersected(above);
        const QPainterPath lower = body.subtracted(above);
        for (double y = 82; y < 130; y += 9)
            strokeInside(p, upper, curve({30, y}, {150, y}, {270, y}), yellow, 4.6);
        for (double x = -120; x < 250; x += 15)
            strokeInside(p, lower, curve({x, 215}, {x + 95, 157}, {x + 190, 100}), yellow, 4.6);
        stroke(p, lateral, QColor(110, 130, 160, 170), 1.0);
    });
}

// A grunt with a long sloping head: yellow with many blue lengthwise
// stripes; dark dorsal and tail fins.
void paintBluestripedGrunt(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.35, 0, 200, {60, 224}, 40, QColor(170, 150, 100), {300, 220}, 140,
              QColor(160, 90, 140));
    const Grunt bluestriped(BodyShape{{26, 130}, 228, 104, 0.5, 0.35, 0.22, 0.62},
                            QColor(232, 180, 20), QColor(252, 210, 40), QColor(255, 232, 120),
                            QColor(55, 52, 48, 235), QColor(220, 186, 60, 225),
                            QColor(66, 62, 54, 235), QColor(20, 20, 20, 150),
                            QColor(240, 220, 120, 180), QColor(230, 200, 80));
    paintGrunt(p, bluestriped, [&](const QPainterPath &body) {
        paintStripes(p, body, 72, 10.5, 10, 5.0, QColor(20, 50, 120), 0.45);
        paintStripes(p, body, 72, 10.5, 10, 3.2, QColor(40, 120, 230), 0.45);
        paintScales(p, body, 7, QColor(160, 110, 0, 70), 0.5);
    });
}

} // namespace fishart
