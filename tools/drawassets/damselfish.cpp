// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

// Damselfish: small oval reef fish.

namespace fishart {

using namespace fishkit;

namespace {

// All four damsels: a long dorsal fin rising to a point over the tail stalk, a
// short anal fin and a forked tail; only the proportions differ.
Build damsel(const BodyShape &s, double tailLength, double tailSpan, double notch)
{
    // `rise` fin heights out from the back (`side` -1) or belly (1), `dx` further back.
    const auto out = [&s](double along, double side, double rise, double dx = 0) {
        return s.at(along, side) + QPointF(dx, side * s.depth * 0.2 * rise);
    };
    return Build(
        s, bodyOutline(s),
        fin(s.at(0.22, -0.9),
            {out(0.3, -1, 0.6), out(0.6, -1, 0.75), out(0.86, -1, 1.1, 4), out(1, -1, 0.2, 10)},
            s.at(0.97, -0.6)),
        fin(s.at(0.58, 0.9), {out(0.66, 1, 0.9, 2), out(0.86, 1, 1.1, 6), out(1, 1, 0.2, 10)},
            s.at(0.97, 0.6)),
        tail(TailKind::Forked, s.at(0.96, 0), s.depth * s.stalk * 1.2, tailLength, tailSpan, notch),
        fin(s.at(0.3, 0.05), {s.at(0.4, -0.2), s.at(0.5, 0), s.at(0.42, 0.2)}, s.at(0.3, 0.2)),
        fin(s.at(0.28, 0.8), {out(0.3, 1, 0.9), out(0.36, 1, 1.1, 4)}, s.at(0.38, 0.85)),
        s.at(0.15, -0.32));
}

} // namespace

// Slim and electric blue, a deeply forked tail, and a black band along the back
// running out onto both edges of the tail; a shoal behind.
void paintBlueChromis(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.3, Floor::Sand, {70, 242}, 70, QColor(170, 150, 100));
    paintCoralHead(p, QPointF(250, 246), 52, QColor(140, 120, 150));
    const Build d = damsel({{64, 124}, 166, 72, 0.42, 0.6, 0.22, 0.55}, 76, 112, 0.62);
    paintShoal(p, d.body.united(d.caudal.shape), QColor(40, 110, 210, 120),
               {{20, 20, 0.26}, {230, 10, 0.22}, {250, 170, 0.2}, {0, 160, 0.22}});
    const QColor blue(30, 120, 245, 230);
    const QColor black(16, 20, 30);
    const Livery look(blue, blue, QColor(10, 50, 120, 140), QColor(120, 190, 255, 150), blue,
                      QColor(60, 100, 160), 4.7);
    paintBackFins(p, d, look);
    const QPointF r = d.shape.at(1, 0);
    for (const double s : {-1.0, 1.0})
        strokeInside(p, d.caudal.shape,
                     curve(r + QPointF(0, 12 * s), r + QPointF(40, 38 * s), {306, 124 + 58 * s}),
                     black, 8);
    paintFin(p, d.dorsal, withAlpha(black, 230), QColor(60, 90, 150, 150), 20);
    edgeFin(p, d.dorsal, QColor(40, 140, 255, 200), 2);
    fillBody(p, d.body, QColor(20, 100, 230), QColor(40, 140, 255), QColor(110, 190, 255));
    paintScales(p, d.body, 6.0, QColor(150, 220, 255, 60), 0.7);
    strokeInside(p, d.body, curveThrough({{58, 112}, {110, 88}, {170, 84}, {236, 112}}), black, 16);
    shadeBody(p, d.body, QColor(10, 30, 70, 150), 0.8);
    paintFront(p, d, look);
}

// White to silver with five black bars and a yellow upper back.
void paintSergeantMajor(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.3, Floor::Open, {280, 252}, 76, QColor(180, 150, 100),
                               {30, 240}, 120, QColor(160, 70, 140));
    const Build d = damsel({{52, 126}, 184, 128, 0.45, 0.75, 0.22, 0.52}, 60, 110, 0.5);
    const Livery look(QColor(200, 200, 180, 215), QColor(210, 200, 130, 220),
                      QColor(120, 120, 110, 150), QColor(230, 230, 220, 150),
                      QColor(60, 60, 70, 230), QColor(210, 190, 90), 8.3);
    paintBackFins(p, d, look);
    edgeFin(p, d.caudal, QColor(40, 40, 45, 120), 2);
    fillBody(p, d.body, QColor(240, 205, 50), QColor(232, 234, 236), QColor(242, 244, 246), 0.45);
    paintBars(p, d.body, 104, 29, 5, 15, QColor(20, 24, 32, 235), 2);
    paintScales(p, d.body, 7, QColor(120, 120, 110, 50));
    shadeBody(p, d.body, QColor(70, 72, 80), 0.7);
    paintFront(p, d, look);
}

// The bright juvenile: lemon-yellow under a sharply edged, blue-dotted
// blue-purple saddle, and one large blue-ringed black spot straddling the back
// and the base of the soft dorsal fin; yellow where the Yellowtailed is dark.
void paintBeaugregory(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.3, Floor::Sand, {270, 236}, 70, QColor(170, 150, 90),
                               {34, 240}, 100, QColor(170, 80, 140));
    const Build d = damsel({{44, 124}, 196, 104, 0.42, 0.55, 0.24, 0.52}, 54, 86, 0.4);
    const QColor yellow(255, 224, 0, 250);
    // Fins paler than the body, so that the spot plainly sits across the fin's base.
    const Livery look(yellow, QColor(255, 222, 70, 215), QColor(190, 120, 0, 190),
                      QColor(255, 240, 150, 160), yellow, QColor(230, 190, 60), 6.8);
    paintBackFins(p, d, look);
    fillBody(p, d.body, QColor(255, 220, 0), QColor(255, 230, 20), QColor(255, 240, 100));
    paintScales(p, d.body, 8, QColor(210, 150, 0, 55));
    // The saddle takes in the spiny dorsal fin and ends in a clean line.
    const QPainterPath saddle =
        smoothClosedPath(
            {{30, 134}, {70, 122}, {130, 102}, {172, 84}, {186, 40}, {80, 30}, {30, 80}})
            .intersected(d.body.united(d.dorsal.shape));
    fillBody(p, saddle, QColor(40, 36, 160), QColor(58, 44, 176), QColor(72, 44, 180));
    paintSpots(p, saddle, 8, 1.0, 1.6, QColor(110, 215, 255), 35);
    shadeBody(p, d.body, QColor(150, 100, 0, 220), 0.6);
    strokeInside(p, d.body, curveThrough({{40, 127}, {70, 122}, {130, 102}, {172, 84}, {190, 40}}),
                 QColor(16, 14, 80), 2.0);
    paintDisc(p, d.shape.at(0.8, -1) + QPointF(0, 1), 10, 10, QColor(8, 8, 16),
              QColor(40, 160, 255), 4);
    paintFront(p, d, look);
}

// The adult: dark navy to blue-brown with a few electric-blue
// spots on the upper front only, and a bright yellow tail; deep and blunt.
void paintYellowtailedDamselfish(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.3, Floor::Rock, {40, 224}, 56, QColor(190, 130, 90),
                               {300, 214}, 150, QColor(200, 120, 60));
    const Build d = damsel({{46, 128}, 190, 136, 0.45, 0.95, 0.26, 0.54, 0.04}, 66, 118, 0.45);
    const QColor dark(34, 34, 62, 240);
    const Livery look(QColor(255, 218, 30, 245), dark, QColor(70, 70, 110, 140),
                      QColor(120, 110, 120, 150), dark, QColor(80, 110, 170), 8.8);
    paintBackFins(p, d, look);
    fillBody(p, d.body, QColor(28, 30, 60), QColor(44, 40, 72), QColor(62, 50, 66));
    paintScales(p, d.body, 8, QColor(90, 90, 140, 80));
    paintSpots(p, d.body.intersected(oval({104, 90}, 50, 24)), 16, 1.8, 2.6, QColor(40, 170, 255),
               36);
    shadeBody(p, d.body, QColor(10, 10, 30, 150), 0.8);
    paintFront(p, d, look);
}

} // namespace fishart
