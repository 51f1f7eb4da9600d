// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <cmath>
#include <numbers>

// Snapper and jack: streamlined open-water fish with forked tails.

namespace fishart {

using namespace fishkit;

// A bluish-silver snapper whose one yellow stripe runs from the snout into
// an all-yellow, deeply forked tail; yellow spots on the olive-blue back.
void paintYellowtailSnapper(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.3);
    paintSand(p, Canvas::frame, 208);
    paintSeaFan(p, QPointF(296, 236), 70, QColor(160, 80, 150));
    paintCoralHead(p, QPointF(40, 240), 56, QColor(160, 140, 90));
    paintCoralHead(p, QPointF(200, 244), 40, QColor(120, 140, 100));

    const QColor yellow(250, 214, 40);
    const BodyShape shape{{28, 124}, 222, 68, 0.53, 0.75, 0.27, 0.57};
    paintFin(p, tail(TailKind::Forked, {238, 124}, 19, 72, 130, 0.58), withAlpha(yellow, 235),
             QColor(190, 150, 20, 120), 16);
    paintFin(p, fin({94, 93}, {{108, 78}, {126, 70}, {150, 72}, {196, 80}, {224, 106}}, {206, 100}),
             QColor(245, 215, 80, 215), QColor(160, 140, 60, 120), 20);
    paintFin(p, fin({168, 146}, {{186, 170}, {214, 160}}, {220, 134}), QColor(245, 220, 150, 170),
             QColor(180, 150, 90, 120), 9);

    const QPainterPath body = bodyOutline(shape);
    fillBody(p, body, QColor(70, 96, 130), QColor(176, 196, 214), QColor(238, 236, 240), 0.55);
    paintScales(p, body, 7.0, QColor(255, 255, 255, 40));
    paintStripes(p, body, 134, 6, 3, 1.4, QColor(245, 210, 90, 90), 0.2);
    // The stripe: thin at the snout, widening until it runs into the tail.
    const std::initializer_list<QPointF> stripe = {{24, 121},  {60, 117},  {110, 115}, {170, 114},
                                                   {225, 113}, {262, 113}, {262, 134}, {225, 131},
                                                   {170, 125}, {110, 122}, {60, 122},  {24, 125}};
    p.fillPath(smoothClosedPath(stripe).intersected(body), yellow);
    QPainterPath upperBack;
    upperBack.addRect(80, 86, 152, 26);
    paintSpots(p, body.intersected(upperBack), 8.5, 1.6, 1.9, QColor(250, 220, 60, 230), 1);
    shadeBody(p, body);
    // No outline where the stripe runs on into the tail: it is one sweep of yellow.
    QPainterPath stalk;
    stalk.addPolygon(QPolygonF({{226, 114}, {254, 113}, {254, 134}, {226, 130.5}}));
    p.fillPath(stalk, yellow);

    stroke(p, curve(shape.at(0.24, -0.9), shape.at(0.29, 0), shape.at(0.25, 0.9)),
           QColor(60, 70, 90, 150), 1.2);
    stroke(p, curve({28, 125}, {38, 129}, {50, 128}), QColor(60, 50, 60), 1.2);
    paintFin(p, fin({94, 124}, {{118, 126}, {138, 134}, {118, 134}}, {96, 131}),
             QColor(240, 220, 200, 150), QColor(170, 140, 120, 120), 7);
    paintFin(p, fin({108, 148}, {{116, 176}}, {130, 150}), QColor(245, 225, 170, 190),
             QColor(180, 150, 90, 120), 5);
    paintEye(p, QPointF(60, 113), 7.5, QColor(200, 70, 50));
}

// A deep silvery jack with a steep blunt head and a greenish-bronze back:
// black spots on the gill cover and at the pectoral base, a keel of scutes
// before the yellowish, deeply forked tail.
void paintCrevalleJack(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.5);

    const BodyShape shape{{38, 124}, 220, 118, 0.38, 0.95, 0.1, 0.56, 0.04};
    const QPainterPath body = bodyOutline(shape);
    const Fin caudal = tail(TailKind::Forked, {252, 123}, 12, 62, 136, 0.55);
    // A few more jacks further off, as they are seldom alone.
    paintShoal(p, body.united(caudal.shape), QColor(40, 80, 110, 70),
               {{200, 18, 0.28}, {250, 40, 0.22}, {20, 190, 0.25}});

    const QColor olive(90, 105, 80, 200), yellow(220, 190, 90, 215);
    const QColor oliveRay(40, 50, 40, 150), yellowRay(130, 110, 50, 140);
    paintFin(p, caudal, QColor(215, 190, 90, 225), yellowRay, 18);
    paintFin(p, fin(shape.at(0.39, -0.95), {{134, 46}}, shape.at(0.5, -0.95)), olive, oliveRay, 5);
    paintFin(p, fin(shape.at(0.55, -0.93), {{172, 36}, {200, 70}}, shape.at(0.9, -0.8)), olive,
             oliveRay, 16);
    paintFin(p, fin(shape.at(0.9, 0.8), {{198, 168}, {182, 188}}, shape.at(0.58, 0.92)), yellow,
             yellowRay, 14);

    fillBody(p, body, QColor(78, 100, 66), QColor(200, 206, 200), QColor(232, 214, 140), 0.45);
    {
        // A bronze sheen high on the flank.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        paintGlow(p, {150, 95}, 90, QColor(200, 170, 90, 90));
    }
    paintScales(p, body, 6.0, QColor(255, 255, 255, 30));
    shadeBody(p, body);

    // The lateral line bends down into the keel of scutes before the tail.
    QPainterPath lateral(QPointF(98, 86));
    lateral.cubicTo(QPointF(140, 78), QPointF(180, 96), QPointF(206, 123));
    lateral.lineTo(QPointF(254, 123));
    stroke(p, lateral, QColor(70, 80, 70, 170), 1.0);
    p.setPen(QPen(QColor(70, 75, 60, 190), 0.6));
    p.setBrush(QColor(190, 190, 170, 200));
    for (int i = 0; i < 12; ++i) {
        const double x = 206 + i * 4.2;
        const double half = 2.2 + 1.2 * std::sin(std::numbers::pi * i / 11.0);
        p.drawPolygon(
            QPolygonF({{x, 122.5 - half}, {x + 5, 122.5}, {x, 122.5 + half}, {x + 1.2, 122.5}}));
    }

    stroke(p, curve({92, 68}, {106, 112}, {90, 156}), QColor(50, 60, 50, 170), 1.4);
    stroke(p, curve({39, 125}, {50, 128}, {62, 124}), QColor(50, 50, 45), 1.5);
    stroke(p, curve({44, 119}, {58, 113}, {64, 123}), QColor(80, 80, 70, 170), 0.9);
    paintFin(p, fin({102, 124}, {{134, 128}, {196, 152}, {130, 141}}, {102, 138}),
             QColor(225, 200, 110, 190), yellowRay, 9);
    paintFin(p, fin({112, 172}, {{124, 194}}, {128, 173}), QColor(230, 210, 150, 200), yellowRay,
             4);
    // The black spots on the gill cover and at the pectoral base.
    paintDisc(p, {96, 84}, 5.0, 4.2, QColor(15, 15, 15));
    paintDisc(p, {106, 131}, 4.2, 5.0, QColor(15, 15, 15));
    paintEye(p, QPointF(66, 98), 9.0, QColor(210, 180, 80));
}

} // namespace fishart
