// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <QPainter>
#include <QRandomGenerator>

#include <cmath>

// Slender fish: needlefish, barracuda, silversides, trumpetfish.

namespace fishart {

using namespace fishkit;

namespace {

// One fish of a group: where, turned how, and how large and clear for its distance.
struct Member
{
    double x, y, scale, angle, opacity;
};

void paintGroup(QPainter &p, std::initializer_list<Member> group, void (*paintOne)(QPainter &))
{
    for (const Member &m : group) {
        const Saved s(p);
        p.setOpacity(m.opacity);
        p.translate(m.x, m.y);
        p.rotate(m.angle);
        p.scale(m.scale, m.scale);
        paintOne(p);
    }
}

// A needlefish around the origin, snout to the left: a thin silver body
// behind both jaws drawn out into one long needle.
void paintNeedlefishBody(QPainter &p)
{
    p.translate(-160, -120);
    const QColor rays(30, 70, 80, 140);
    paintFin(p, tail(TailKind::Forked, {268, 120}, 9, 40, 38, 0.45), QColor(90, 150, 160, 210),
             QColor(40, 80, 90, 140), 9);
    paintFin(p, fin({224, 113}, {{236, 100}, {250, 106}}, {262, 114}), QColor(70, 140, 150, 210),
             rays, 8);
    paintFin(p, fin({214, 126}, {{228, 140}, {246, 132}}, {256, 125}), QColor(170, 200, 205, 200),
             rays, 8);
    const QPainterPath jaws = smoothClosedPath({{6, 122}, {10, 120}, {84, 114}, {86, 126}});
    fillBody(p, jaws, QColor(40, 100, 110), QColor(120, 160, 165), QColor(200, 215, 215));
    stroke(p, jaws, QColor(20, 50, 60, 180), 0.6);
    stroke(p, curve({9, 121}, {50, 119.5}, {88, 121}), QColor(20, 30, 35), 0.9);
    p.setPen(QPen(QColor(240, 240, 235), 0.6));
    for (double x = 16; x < 80; x += 4.5)
        p.drawLine(QPointF(x, 119.6 - (x - 9) * 0.02), QPointF(x + 0.8, 122.2 - (x - 9) * 0.02));
    const QPainterPath body = bodyOutline({{80, 120}, 192, 25, 0.4, 0.9, 0.45});
    fillBody(p, body, QColor(20, 95, 95), QColor(190, 212, 215), QColor(245, 248, 248));
    paintStripes(p, body, 118, 4, 1, 2.2, QColor(60, 110, 170, 160), 0);
    paintStripes(p, body, 122, 4, 1, 1.2, QColor(255, 255, 255, 170), 0);
    shadeBody(p, body, QColor(10, 20, 35, 130), 0.8);
    paintFin(p, fin({104, 121}, {{124, 124}}, {106, 126}), QColor(160, 200, 205, 180), rays, 3);
    paintEye(p, QPointF(92, 117), 5.0, QColor(190, 200, 170));
}

// One silverside around the origin, snout to the left, 100 units long.
void paintSilversideBody(QPainter &p)
{
    const QColor fins(170, 200, 190, 130);
    const QColor rays(90, 120, 110, 120);
    paintFin(p, tail(TailKind::Forked, {84, 0}, 5, 20, 24, 0.5), fins, rays, 5);
    paintFin(p, fin({44, -7}, {{48, -13}}, {54, -7}), fins, rays, 3);
    paintFin(p, fin({62, -6}, {{66, -12}}, {74, -5}), fins, rays, 3);
    paintFin(p, fin({58, 6}, {{64, 11}}, {74, 5}), fins, rays, 3);
    const QPainterPath body = bodyOutline({{-2, 0}, 88, 16, 0.4, 0.5, 0.3});
    // A clear body: the water shows through, and the gut and spine faintly.
    fillBody(p, body, QColor(90, 135, 115, 140), QColor(160, 195, 180, 60),
             QColor(220, 235, 230, 90));
    strokeInside(p, body, curve({16, 1}, {50, 0}, {86, 0}), QColor(80, 110, 100, 100), 0.8);
    const QPainterPath stripe =
        smoothClosedPath({{14, -1.5}, {50, -1.6}, {86, -1.2}, {86, 1.6}, {50, 2.2}, {14, 2.4}});
    fillBody(p, body.intersected(stripe), QColor(255, 255, 255), QColor(225, 235, 245),
             QColor(120, 140, 190), 0.45);
    p.fillPath(body.intersected(smoothClosedPath({{2, 0}, {8, -4}, {16, -3}, {18, 3}, {8, 4}})),
               QColor(200, 215, 215, 160));
    stroke(p, body, QColor(60, 90, 80, 120), 0.5);
    paintEye(p, QPointF(8, -1), 2.9, QColor(140, 150, 160));
}

// Soft-coral sea rods: bendy, knobbly stems a trumpetfish hides among.
void paintSeaRods(QPainter &p, QPointF base, double height, QColor colour, quint32 seed)
{
    QRandomGenerator rng(seed);
    p.setPen(Qt::NoPen);
    for (int stem = 0; stem < 4; ++stem) {
        const double lean = rng.bounded(70.0) - 35.0;
        const QPointF top = base + QPointF(lean, -height * (0.65 + rng.bounded(0.35)));
        const double sway = rng.bounded(20.0) - 10;
        const double bend = rng.bounded(24.0) - 12;
        QPainterPath rod(base);
        rod.cubicTo(base + QPointF(lean * 0.1 + sway, -height * 0.4),
                    top + QPointF(bend, height * 0.3), top);
        stroke(p, rod, colour.darker(140), 6.5);
        stroke(p, rod, colour, 4.8);
        p.setBrush(colour.lighter(150));
        for (int k = 2; k < 40; ++k) {
            const double dx = rng.bounded(3.0) - 1.5;
            const double dy = rng.bounded(3.0) - 1.5;
            p.drawEllipse(rod.pointAtPercent(k / 40.0) + QPointF(dx, dy), 1.1, 1.1);
        }
    }
}

} // namespace

// Two needlefish cruising just under the surface, the far one small and hazy.
void paintNeedlefish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.1);
    // Seen from just below, the surface is a bright rippled ceiling.
    QPainterPath surface;
    surface.addRect(0, 0, 320, 34);
    fillBody(p, surface, QColor(230, 255, 255, 230), QColor(170, 235, 245, 120),
             QColor(170, 235, 245, 0), 0.4);
    for (int i = 0; i < 5; ++i) {
        QPainterPath wave(QPointF(0, 4 + i * 5.0 + std::sin(i * 1.0)));
        for (double x = 4; x <= 324; x += 4)
            wave.lineTo(x,
                        4 + i * 5.0 + 1.8 * std::sin(x * 0.08 + i * 2.1) + std::sin(x * 0.21 + i));
        stroke(p, wave, QColor(255, 255, 255, 150 - i * 25), 1.3);
    }
    paintGroup(p, {{216, 179, 0.55, 2, 0.45}, {160, 74, 1.06, -4, 1}}, paintNeedlefishBody);
}

// A long silver torpedo with a jutting, fanged lower jaw: dark slanting bars
// on the upper side, black blotches low on the rear, a dark pale-tipped tail.
void paintGreatBarracuda(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.45, 220, 0, {}, 0, {});
    const Fin caudal = tail(TailKind::Forked, {254, 124}, 18, 56, 96, 0.5);
    paintFin(p, caudal, QColor(50, 60, 70, 235), QColor(20, 25, 30, 150), 14);
    {
        const Saved s(p);
        p.setClipPath(caudal.shape, Qt::IntersectClip);
        for (const QPointF tip : {QPointF(306, 80), QPointF(306, 168)})
            paintGlow(p, tip, 14, QColor(235, 240, 240, 240));
    }
    const BodyShape shape{{10, 128}, 248, 52, 0.45, 0.35, 0.36, 0.56};
    const QColor pale(170, 180, 185, 220);
    const QColor rays(30, 40, 45, 150);
    // A fin from `from` to `to` of the length on the back (side -1) or belly (1).
    const auto finOn = [&](double from, double to, double side, QPointF tip, int count) {
        const QPointF a = shape.at(from, side * 0.85);
        const QPointF b = shape.at(to, side * 0.85);
        paintFin(p, fin(a, {a + tip, (a + tip + b) / 2 + QPointF(0, tip.y() * 0.2)}, b),
                 side < 0 ? QColor(70, 85, 95, 220) : pale, rays, count);
    };
    finOn(0.43, 0.57, -1, {12, -24}, 7);
    finOn(0.78, 0.88, -1, {8, -16}, 6);
    finOn(0.8, 0.9, 1, {8, 16}, 6);
    const QPainterPath body = bodyOutline(shape);
    fillBody(p, body, QColor(72, 88, 100), QColor(196, 206, 212), QColor(242, 244, 245), 0.45);
    paintScales(p, body, 5.0, QColor(255, 255, 255, 35), 0.5);
    for (double x = 77; x < 257; x += 10)
        strokeInside(p, body, curve({x, 94}, {x - 4, 108}, {x - 7.5, 121}), QColor(40, 50, 60, 110),
                     5);
    QPainterPath rear;
    rear.addRect(150, 124, 100, 17);
    paintSpots(p, body.intersected(rear), 13, 1.5, 2.6, QColor(15, 15, 20, 220), 8);
    shadeBody(p, body);
    // The gape, fangs in both jaws; the lower jaw juts past the upper.
    const QPainterPath jaw =
        smoothClosedPath({{5, 130}, {30, 131}, {58, 132}, {50, 138}, {22, 136}});
    fillBody(p, jaw, QColor(196, 206, 212), QColor(225, 230, 232), QColor(242, 244, 245));
    stroke(p, jaw, QColor(10, 20, 35, 130), 0.9);
    p.fillPath(smoothClosedPath({{12, 130}, {40, 127}, {62, 126}, {56, 131}, {30, 132}}),
               QColor(40, 20, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(248, 248, 240));
    for (int i = 0; i < 6; ++i) {
        const double x = 22 + i * 6.5;
        const double y = 130 - (x - 16) * 0.1;
        const double fang = (i == 1 || i == 3) ? 5.5 : 3.2;
        p.drawPolygon(
            QPolygonF({{x - 1.2, y - 1.5}, {x + 1.2, y - 1.5}, {x + 0.2, y + fang - 1.5}}));
        p.drawPolygon(QPolygonF({{x + 2, y + 2.2}, {x + 4.2, y + 2.2}, {x + 3.2, y - fang + 2.6}}));
    }
    stroke(p, curve({84, 104}, {94, 124}, {82, 142}), QColor(50, 60, 70, 160), 1.2);
    paintFin(p, fin({90, 127}, {{116, 132}}, {92, 133}), pale, rays, 4);
    paintFin(p, fin({132, 145}, {{140, 160}}, {148, 145}), pale, rays, 4);
    paintEye(p, QPointF(56, 116), 6.5, QColor(200, 190, 140));
}

// A school of small clear silversides, each with one shining silver stripe.
void paintSilverside(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.15);
    // Far members first, small and hazy; near ones large and clear.
    const std::initializer_list<Member> school = {
        {200, 40, 0.45, 3, 0.45},  {248, 60, 0.42, -2, 0.45}, {150, 26, 0.4, 4, 0.4},
        {276, 150, 0.44, 2, 0.45}, {110, 70, 0.5, 1, 0.5},    {250, 196, 0.48, -3, 0.45},
        {14, 196, 0.5, 2, 0.5},    {176, 210, 0.55, 4, 0.55}, {190, 100, 0.75, 2, 0.75},
        {96, 146, 0.78, -2, 0.75}, {214, 160, 0.8, 3, 0.8},   {26, 98, 0.8, 1, 0.8},
        {120, 40, 0.85, -4, 0.85}, {64, 190, 1.1, 3, 1.0},    {150, 128, 1.25, -2, 1.0},
        {20, 130, 1.15, 1, 1.0},   {200, 64, 1.15, 4, 1.0}};
    paintGroup(p, school, paintSilversideBody);
}

// A long brown stick of a fish hanging head down among sea rods: tube snout,
// a row of separate spines along the back, pale lines and small dark spots.
void paintTrumpetfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.35, 0, 216, {}, 0, {}, {30, 228}, 120, QColor(120, 80, 130));
    paintSeaRods(p, QPointF(232, 240), 200, QColor(130, 70, 110), 4201);
    paintSeaRods(p, QPointF(120, 240), 150, QColor(150, 110, 70), 4202);
    // Laid out level, snout at the origin, then stood on its head.
    const Saved s(p);
    p.translate(86, 234);
    p.rotate(-56);
    p.scale(0.87, 0.87);
    const QColor membrane(176, 100, 62, 225);
    const QColor rays(70, 30, 20, 160);
    const QPainterPath body =
        ribbon(curve({0, 0}, {140, 0}, {280, 0}), {8, 9, 10, 16, 24, 28, 30, 28, 24, 17, 10});
    paintFin(p, tail(TailKind::Rounded, {276, 0}, 10, 38, 36), QColor(150, 80, 50, 225), rays, 11);
    // Each dorsal spine stands on its own, with no membrane between them.
    for (double x = 122; x < 220; x += 11) {
        const double top = body.intersected(oval({x, -20}, 0.5, 20)).boundingRect().top();
        stroke(p, curve({x, top + 2}, {x + 1, top - 4}, {x + 4, top - 8}), QColor(90, 40, 24), 1.1);
        p.fillPath(smoothClosedPath({{x + 1, top + 1}, {x + 3.5, top - 6}, {x + 6, top + 1}}),
                   withAlpha(membrane, 150));
    }
    paintFin(p, fin({222, -12}, {{244, -26}, {260, -22}}, {256, -9}), membrane, rays, 8);
    paintFin(p, fin({256, 9}, {{260, 22}, {244, 26}}, {222, 12}), membrane, rays, 8);
    fillBody(p, body, QColor(112, 52, 34), QColor(170, 84, 50), QColor(210, 140, 96));
    paintStripes(p, body.intersected(oval({184, 0}, 110, 20)), -7, 7, 3, 1.4,
                 QColor(240, 210, 170, 170), 0.4);
    paintSpots(p, body.intersected(oval({196, 0}, 96, 20)), 8, 0.8, 1.5, QColor(50, 20, 10), 42);
    for (const QPointF spot : {QPointF(270, -3), QPointF(274, 3)})
        paintDisc(p, spot, 2.0, 2.0, QColor(30, 10, 5));
    shadeBody(p, body, QColor(70, 30, 20, 160), 0.8);
    // A dark streak along the snout, and the tiny chin barbel.
    stroke(p, curve({2, -1.5}, {40, -2.5}, {82, -4}), QColor(70, 30, 20, 180), 1.1);
    stroke(p, curve({5, 3}, {1, 7}, {-2, 10}), QColor(90, 40, 25), 0.9);
    stroke(p, curve({108, -11}, {120, 0}, {108, 11}), QColor(70, 30, 20, 180), 1.0);
    paintFin(p, fin({116, 2}, {{128, -3}, {138, 2}, {128, 7}}, {116, 4}), QColor(210, 140, 96, 180),
             rays, 4);
    paintEye(p, QPointF(96, -2), 4.6, QColor(220, 170, 80));
}

} // namespace fishart
