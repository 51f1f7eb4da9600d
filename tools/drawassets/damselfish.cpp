// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>

#include <tuple>

// Damselfish: small oval reef fish.

namespace fishart {

using namespace fishkit;

namespace {

// One damselfish build for all four: a long dorsal fin low in front and
// rising to a point over the tail stalk, a short anal fin below it, and a
// forked tail; only the proportions differ.
Build damsel(const BodyShape &s, double tailLength, double tailSpan, double notch)
{
    const double h = s.depth * 0.2;
    const auto at = [&s](double along, double across, double dx = 0, double dy = 0) {
        return s.at(along, across) + QPointF(dx, dy);
    };
    Build d;
    d.shape = s;
    d.body = bodyOutline(s);
    d.dorsal = fin(at(0.22, -0.9),
                   {at(0.3, -1, 0, -h * 0.6), at(0.6, -1, 0, -h * 0.75), at(0.86, -1, 4, -h * 1.1),
                    at(1.0, -1, 10, -h * 0.2)},
                   at(0.97, -0.6));
    d.anal = fin(at(0.58, 0.9),
                 {at(0.66, 1, 2, h * 0.9), at(0.86, 1, 6, h * 1.1), at(1.0, 1, 10, h * 0.2)},
                 at(0.97, 0.6));
    d.caudal =
        tail(TailKind::Forked, at(0.96, 0), s.depth * s.stalk * 1.2, tailLength, tailSpan, notch);
    d.pectoral = fin(at(0.3, 0.05), {at(0.4, -0.2), at(0.5, 0), at(0.42, 0.2)}, at(0.3, 0.2));
    d.pelvic =
        fin(at(0.28, 0.8), {at(0.3, 1, 0, h * 0.9), at(0.36, 1, 4, h * 1.1)}, at(0.38, 0.85));
    d.eye = at(0.15, -0.32);
    return d;
}

// Gill cover, mouth, the fins in front of the body and the eye.
void paintFace(QPainter &p, const Build &d, QColor pectoral, QColor pelvic, QColor ray, QColor iris)
{
    const BodyShape &s = d.shape;
    stroke(p, curveThrough({s.at(0.25, -0.85), s.at(0.29, 0), s.at(0.24, 0.85)}),
           withAlpha(ray, 170), 1.2);
    stroke(p, curve(s.snout, s.snout + QPointF(5, 3), s.snout + QPointF(11, 1)), QColor(20, 24, 40),
           1.2);
    paintFin(p, d.pectoral, pectoral, ray, 8);
    paintFin(p, d.pelvic, pelvic, ray, 4);
    paintEye(p, d.eye, s.depth * 0.065, iris);
}

} // namespace

// A slim electric-blue damsel with a deeply forked tail and a black band
// along the back running out onto both edges of the tail; a shoal behind.
void paintBlueChromis(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.3);
    paintSand(p, Canvas::frame, 206);
    paintCoralHead(p, QPointF(70, 242), 70, QColor(170, 150, 100));
    paintCoralHead(p, QPointF(250, 246), 52, QColor(140, 120, 150));

    const Build d = damsel({.snout = {64, 124},
                            .length = 166,
                            .depth = 72,
                            .deepestAt = 0.42,
                            .bluntness = 0.6,
                            .stalk = 0.22,
                            .back = 0.55},
                           76, 112, 0.62);
    const QPainterPath silhouette = d.body.united(d.caudal.shape);
    for (const auto &[dx, dy, size] :
         {std::tuple{20.0, 20.0, 0.26}, std::tuple{230.0, 10.0, 0.22},
          std::tuple{250.0, 170.0, 0.2}, std::tuple{0.0, 160.0, 0.22}}) {
        QTransform far;
        far.translate(dx, dy);
        far.scale(size, size);
        p.fillPath(far.map(silhouette), QColor(40, 110, 210, 120));
    }

    const QColor blue(30, 120, 245, 230);
    const QColor black(16, 20, 30);
    const QColor ray(10, 50, 120, 140);
    paintFin(p, d.caudal, blue, ray, 16);
    {
        const Saved s(p);
        p.setClipPath(d.caudal.shape, Qt::IntersectClip);
        const QPointF root = d.shape.at(1, 0);
        stroke(p, curve(root + QPointF(0, -12), root + QPointF(40, -38), {306, 66}), black, 8);
        stroke(p, curve(root + QPointF(0, 12), root + QPointF(40, 38), {306, 182}), black, 8);
    }
    paintFin(p, d.dorsal, withAlpha(black, 230), QColor(60, 90, 150, 150), 20);
    edgeFin(p, d.dorsal, QColor(40, 140, 255, 200), 2);
    paintFin(p, d.anal, blue, ray, 10);

    fillBody(p, d.body, QColor(20, 100, 230), QColor(40, 140, 255), QColor(110, 190, 255));
    paintScales(p, d.body, 6.0, QColor(150, 220, 255, 60), 0.7);
    {
        const Saved s(p);
        p.setClipPath(d.body, Qt::IntersectClip);
        stroke(p, curveThrough({{58, 112}, {110, 88}, {170, 84}, {236, 112}}), black, 16);
    }
    shadeBody(p, d.body, QColor(10, 30, 70, 150), 0.8);
    paintFace(p, d, QColor(120, 190, 255, 150), blue, ray, QColor(60, 100, 160));
}

// White to silver with five black bars and a yellow upper back.
void paintSergeantMajor(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.3);
    paintCoralHead(p, QPointF(280, 252), 76, QColor(180, 150, 100));
    paintSeaFan(p, QPointF(30, 240), 120, QColor(160, 70, 140));

    const Build d = damsel({.snout = {52, 126},
                            .length = 184,
                            .depth = 128,
                            .deepestAt = 0.45,
                            .bluntness = 0.75,
                            .stalk = 0.22,
                            .back = 0.52},
                           60, 110, 0.5);
    const QColor fin(200, 200, 180, 215);
    const QColor ray(120, 120, 110, 150);
    paintFin(p, d.caudal, fin, ray, 16);
    edgeFin(p, d.caudal, QColor(40, 40, 45, 120), 2);
    paintFin(p, d.dorsal, QColor(210, 200, 130, 220), ray, 22);
    paintFin(p, d.anal, fin, ray, 14);

    fillBody(p, d.body, QColor(240, 205, 50), QColor(232, 234, 236), QColor(242, 244, 246), 0.45);
    paintBars(p, d.body, 104, 29, 5, 15, QColor(20, 24, 32, 235), 2);
    paintScales(p, d.body, 7, QColor(120, 120, 110, 50));
    shadeBody(p, d.body, QColor(70, 72, 80), 0.7);
    paintFace(p, d, QColor(230, 230, 220, 150), QColor(60, 60, 70, 230), ray, QColor(210, 190, 90));
}

// Redrawn as the bright juvenile: a yellow body and tail under a sharply
// edged blue-purple saddle dotted with bright blue, and a blue-ringed black
// spot where the rear dorsal fin meets the back. Longer and lower than the
// Yellowtailed Damselfish, and yellow all over where that one is dark.
void paintBeaugregory(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.3);
    paintSand(p, Canvas::frame, 216);
    paintCoralHead(p, QPointF(270, 236), 70, QColor(170, 150, 90));
    paintCoralHead(p, QPointF(40, 240), 50, QColor(130, 150, 100));

    const Build d = damsel({.snout = {44, 124},
                            .length = 196,
                            .depth = 104,
                            .deepestAt = 0.42,
                            .bluntness = 0.55,
                            .stalk = 0.24,
                            .back = 0.52},
                           54, 86, 0.4);
    const QColor yellow(255, 212, 40, 240);
    const QColor ray(180, 130, 10, 160);
    paintFin(p, d.caudal, yellow, ray, 14);
    paintFin(p, d.dorsal, yellow, ray, 20);
    paintFin(p, d.anal, yellow, ray, 10);

    fillBody(p, d.body, QColor(250, 204, 30), QColor(255, 216, 50), QColor(255, 226, 96));
    paintScales(p, d.body, 8, QColor(190, 130, 0, 90));
    // The saddle takes in the spiny dorsal fin and ends in a clean line.
    const QPainterPath saddle =
        smoothClosedPath(
            {{30, 134}, {70, 122}, {130, 104}, {186, 86}, {200, 40}, {80, 30}, {30, 80}})
            .intersected(d.body.united(d.dorsal.shape));
    {
        const Saved s(p);
        QLinearGradient g(QPointF(60, 60), QPointF(180, 110));
        g.setColorAt(0, QColor(56, 60, 150));
        g.setColorAt(1, QColor(96, 70, 170));
        p.fillPath(saddle, g);
    }
    paintSpots(p, saddle, 8, 0.9, 1.5, QColor(80, 200, 255), 35);
    shadeBody(p, d.body, QColor(110, 80, 20, 150), 0.7);

    const QPointF spot = d.shape.at(0.84, -1);
    p.setPen(QPen(QColor(60, 150, 255), 2.4));
    p.setBrush(QColor(12, 12, 20));
    p.drawEllipse(spot, 7, 7);

    paintFace(p, d, QColor(250, 230, 150, 150), yellow, ray, QColor(230, 190, 60));
}

// Redrawn as the adult: dark navy to blue-brown with a few electric-blue
// spots on the upper front only, and a bright yellow tail; deep and blunt.
void paintYellowtailedDamselfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.3);
    paintReefRock(p, Canvas::frame, 206);
    paintCoralHead(p, QPointF(40, 224), 56, QColor(190, 130, 90));
    paintSeaFan(p, QPointF(300, 214), 150, QColor(200, 120, 60));

    const Build d = damsel({.snout = {46, 128},
                            .length = 190,
                            .depth = 136,
                            .deepestAt = 0.45,
                            .bluntness = 0.95,
                            .stalk = 0.26,
                            .back = 0.54,
                            .hump = 0.04},
                           66, 118, 0.45);
    const QColor dark(34, 34, 62, 240);
    const QColor ray(70, 70, 110, 140);
    paintFin(p, d.caudal, QColor(255, 218, 30, 245), QColor(200, 150, 0, 170), 16);
    paintFin(p, d.dorsal, dark, ray, 20);
    paintFin(p, d.anal, dark, ray, 10);

    fillBody(p, d.body, QColor(28, 30, 60), QColor(44, 40, 72), QColor(62, 50, 66));
    paintScales(p, d.body, 8, QColor(90, 90, 140, 80));
    QPainterPath upperFront;
    upperFront.addEllipse(QPointF(104, 90), 50, 24);
    paintSpots(p, d.body.intersected(upperFront), 16, 1.8, 2.6, QColor(40, 170, 255), 36);
    shadeBody(p, d.body, QColor(10, 10, 30, 150), 0.8);

    paintFace(p, d, QColor(120, 110, 120, 150), dark, ray, QColor(80, 110, 170));
}

} // namespace fishart
