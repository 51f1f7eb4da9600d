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
    const BodyShape s{{28, 124}, 206, 62, 0.42, 0.35, 0.24, 0.56};
    const double d = s.depth;
    const QColor ray(190, 150, 20, 120);
    // The tail grows out of the yellow stalk and is drawn over it, so that the
    // stripe runs on into it as one sweep of yellow.
    const Fin caudal = tail(TailKind::Forked, s.at(0.94, 0), d * s.stalk * 1.3, 82, 124, 0.62);
    // A low spiny dorsal running straight on into the soft one; a short anal fin.
    const auto out = [&s, d](double along, double side, double rise) {
        return s.at(along, side) + QPointF(0, side * d * rise);
    };
    paintFin(p,
             spinyFin(s.at(0.3, -0.92),
                      {out(0.34, -1, 0.3), out(0.55, -1, 0.22), out(0.7, -1, 0.24),
                       out(0.88, -0.9, 0.2)},
                      s.at(0.93, -0.7), 10, 13, 0.12),
             QColor(245, 215, 80, 215), QColor(160, 140, 60, 120), 0);
    paintFin(p,
             spinyFin(s.at(0.68, 0.92), {out(0.72, 1, 0.34), out(0.88, 0.9, 0.2)}, s.at(0.93, 0.7),
                      3, 8),
             QColor(245, 220, 150, 170), QColor(180, 150, 90, 120), 0);

    const QPainterPath body = bodyOutline(s);
    fillBody(p, body, QColor(70, 96, 130), QColor(176, 196, 214), QColor(238, 236, 240), 0.55);
    paintScales(p, body, 7.0, QColor(255, 255, 255, 40));
    paintStripes(p, body, s.snout.y() + 12, 6, 3, 1.4, QColor(245, 210, 90, 90), 0.2);
    // The stripe: thin at the snout, widening until it fills the stalk and runs into the tail.
    const QPainterPath stripe = smoothClosedPath(
        {s.at(0, -0.05) - QPointF(6, 0), s.at(0.25, -0.16), s.at(0.5, -0.18), s.at(0.75, -0.32),
         s.at(1, -1.4) + QPointF(14, 0), s.at(1, 1.4) + QPointF(14, 0), s.at(0.75, 0.14),
         s.at(0.5, 0.04), s.at(0.25, 0.02), s.at(0, 0.08) - QPointF(6, 0)});
    p.fillPath(stripe.intersected(body), yellow);
    QPainterPath upperBack;
    upperBack.addRect(QRectF(s.at(0.25, 0).x(), 0, s.length * 0.62, s.snout.y() - 8));
    paintSpots(p, body.intersected(upperBack).subtracted(stripe), 8.5, 1.6, 1.9,
               QColor(250, 220, 60, 230), 1);
    shadeBody(p, body);
    paintFin(p, caudal, yellow, ray, 18);

    stroke(p, curve(s.at(0.2, -0.9), s.at(0.25, 0), s.at(0.21, 0.9)), QColor(60, 70, 90, 150), 1.2);
    stroke(p, curve(s.snout, s.snout + QPointF(10, 4), s.snout + QPointF(22, 3)),
           QColor(60, 50, 60), 1.2);
    paintFin(p, pairedFin(s.at(0.27, 0.12), d * 0.5, 12, d * 0.2, 1, 14),
             QColor(240, 220, 200, 150), QColor(170, 140, 120, 120), 0);
    paintFin(p, pairedFin(s.at(0.33, 0.9), d * 0.42, 64, d * 0.16, 0.9, 6, 1),
             QColor(245, 225, 170, 190), QColor(180, 150, 90, 120), 0);
    paintEye(p, s.at(0.13, -0.28), 7.5, QColor(200, 70, 50));
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
    // A low spiny first dorsal; the second dorsal and the anal fin rise to a
    // sickle lobe in front and run on low to the tail.
    paintFin(p,
             spinyFin(shape.at(0.38, -0.97), {shape.at(0.41, -1.2), shape.at(0.47, -1.16)},
                      shape.at(0.52, -0.97), 8, 0, 0.25),
             olive, oliveRay, 0);
    paintFin(p,
             spinyFin(shape.at(0.55, -0.94),
                      {shape.at(0.57, -1.3), shape.at(0.62, -1.78) + QPointF(14, 0),
                       shape.at(0.67, -1.12), shape.at(0.85, -1.22)},
                      shape.at(0.95, -0.6), 1, 20, 0.1),
             olive, oliveRay, 0);
    paintFin(p,
             spinyFin(shape.at(0.62, 0.92),
                      {shape.at(0.65, 1.4), shape.at(0.7, 1.85) + QPointF(14, 0),
                       shape.at(0.75, 1.18), shape.at(0.87, 1.28)},
                      shape.at(0.95, 0.6), 1, 17, 0.1),
             yellow, yellowRay, 0);

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
    // The long sickle pectoral of an open-water hunter.
    paintFin(p, pairedFin({102, 131}, 98, 16, 20, 1, 16), QColor(225, 200, 110, 190), yellowRay, 0);
    paintFin(p, pairedFin({114, 174}, 24, 66, 10, 0.9, 6, 1), QColor(230, 210, 150, 200), yellowRay,
             0);
    // The black spots on the gill cover and at the pectoral base.
    paintDisc(p, {96, 84}, 5.0, 4.2, QColor(15, 15, 15));
    paintDisc(p, {106, 131}, 4.2, 5.0, QColor(15, 15, 15));
    paintEye(p, QPointF(66, 98), 9.0, QColor(210, 180, 80));
}

} // namespace fishart
