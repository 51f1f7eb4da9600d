// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <cmath>
#include <functional>
#include <numbers>

// Rays and sharks, mostly seen from above or resting on the sand.

namespace fishart {

using namespace fishkit;

namespace {

// Shark fins are firm flesh, not membranes: opaque, shaded like the body.
void paintFleshFin(QPainter &p, const QPainterPath &shape, QColor top, QColor bottom, QColor line)
{
    fillBody(p, shape, top, bottom.lighter(104), bottom);
    stroke(p, shape, line, 0.8);
}

// A stingray on the sand seen from above, head up, around the origin of a
// frame moved to `at` and turned by `turn` degrees. What tells the stingrays
// apart is the outline of the disc, the tail and the skin `pattern`.
struct Stingray
{
    QPointF at;
    double turn = 0.0;
    QPainterPath disc;
    QPainterPath tailLine; // from under the disc to the tip
    double tailRoot = 10.0, tailTip = 1.0;
    QPainterPath hind;    // pelvic fins peeping out behind, or the fin at the tail's end
    double stingAt = 0.2; // where the sting sits along the tail
    QColor colour;
    QPointF eye; // the right eye; the left one mirrors it
    double eyeSize = 3.0;
    double sting = 10.0; // length of the sting
    double ridge = 0.0;  // half width of the raised body down the middle of the disc
};

// The serrated venomous spine, lying along the tail from `root` towards `to`
// and standing a little off it, so that it shows against the tail.
void paintSting(QPainter &p, QPointF root, QPointF to, double length, QColor edge)
{
    const QPointF d = (to - root) / std::max(1e-6, QLineF(root, to).length());
    const QPointF n(-d.y(), d.x());
    const double half = length * 0.075;
    QPolygonF barb{root + n * half};
    // Teeth point back along both edges, like the barbs on a real sting.
    for (int i = 1; i <= 6; ++i) {
        const double t = i / 7.0, w = half * (1.0 - t);
        barb << root + d * length * (t - 0.04) + n * (w + half * 0.45)
             << root + d * length * t + n * w;
    }
    barb << root + d * length;
    for (int i = 6; i >= 1; --i) {
        const double t = i / 7.0, w = half * (1.0 - t);
        barb << root + d * length * t - n * w << root + d * length * (t - 0.04) - n * (w + half * 0.45);
    }
    barb << root - n * half;
    p.setPen(QPen(edge, 0.6));
    p.setBrush(QColor(206, 192, 156));
    p.drawPolygon(barb);
    stroke(p, curve(root, root + d * length * 0.5, root + d * length * 0.9), withAlpha(edge, 120),
           0.5);
}

// A disc with sharp outer corners: from the snout `nose` straight out to the
// corner at (`span`, `cornerY`), then back in to the rear at `rear`.
QPainterPath rhombus(double nose, double span, double cornerY, double rear)
{
    QPainterPath disc(QPointF(0, nose));
    for (const double x : {1.0, -1.0}) {
        if (x < 0)
            disc.moveTo(0, nose);
        disc.cubicTo(QPointF(x * span * 0.1, nose + 3), QPointF(x * span * 0.6, cornerY - 36),
                     QPointF(x * span, cornerY));
        disc.cubicTo(QPointF(x * span * 0.74, cornerY + 26), QPointF(x * span * 0.38, rear - 8),
                     QPointF(x * span * 0.1, rear));
        disc.lineTo(0, rear + 1);
    }
    return disc.simplified();
}

// The raised body down the middle of the disc, lit from the upper left, with
// its row of thorny bumps along the spine.
void paintRidge(QPainter &p, const Stingray &ray)
{
    const Saved c(p);
    p.setClipPath(ray.disc, Qt::IntersectClip);
    const QRectF box = ray.disc.boundingRect();
    const double w = ray.ridge, top = box.top() + box.height() * 0.22, bottom = box.bottom();
    const QPainterPath hump = smoothClosedPath({{0, top},
                                                {w * 0.8, top + 12},
                                                {w, (top + bottom) / 2},
                                                {w * 0.5, bottom - 6},
                                                {0, bottom},
                                                {-w * 0.5, bottom - 6},
                                                {-w, (top + bottom) / 2},
                                                {-w * 0.8, top + 12}});
    QLinearGradient across(QPointF(-w, 0), QPointF(w, 0));
    across.setColorAt(0.0, QColor(255, 245, 210, 0));
    across.setColorAt(0.35, QColor(255, 245, 210, 70));
    across.setColorAt(0.5, QColor(255, 245, 210, 95));
    across.setColorAt(0.58, QColor(40, 30, 10, 50));
    across.setColorAt(1.0, QColor(40, 30, 10, 0));
    p.fillPath(hump, across);
    const QColor pale = ray.colour.lighter(150);
    for (double y = top + 18; y < bottom - 4; y += 5.5) {
        const double r = 1.0 + 0.6 * std::sin((y - top) / (bottom - top) * 3.1);
        paintDisc(p, QPointF(0.8, y + 0.8), r, r, withAlpha(ray.colour.darker(200), 120));
        paintDisc(p, QPointF(0, y), r, r, pale);
    }
}

void paintStingray(QPainter &p, const Stingray &ray,
                   const std::function<void(const QPainterPath &)> &pattern)
{
    const Saved s(p);
    p.translate(ray.at);
    p.rotate(ray.turn);
    const QPainterPath tail = ribbon(ray.tailLine, {ray.tailRoot, ray.tailTip});
    castShadow(p, ray.disc.united(ray.hind).united(tail), QPointF(5, 7), 60);

    const QColor line = ray.colour.darker(170);
    for (const QPainterPath &part : {ray.hind, tail}) {
        fillBody(p, part, ray.colour.darker(110), ray.colour, ray.colour.darker(104));
        pattern(part);
        stroke(p, part, line, 0.8);
    }
    paintSting(p, ray.tailLine.pointAtPercent(ray.stingAt),
               ray.tailLine.pointAtPercent(ray.stingAt + 0.1) + QPointF(3, -2), ray.sting, line);

    QRadialGradient g(QPointF(0, -6), ray.disc.boundingRect().width() * 0.55);
    g.setColorAt(0, ray.colour.darker(110));
    g.setColorAt(0.6, ray.colour);
    g.setColorAt(1, ray.colour.lighter(112));
    p.fillPath(ray.disc, g);
    pattern(ray.disc);
    {
        // The body rises in the middle of the flat disc.
        const Saved c(p);
        p.setClipPath(ray.disc, Qt::IntersectClip);
        p.scale(0.55, 1.0);
        paintGlow(p, {0, -6}, ray.disc.boundingRect().height() * 0.6, QColor(255, 240, 190, 70));
    }
    if (ray.ridge > 0)
        paintRidge(p, ray);
    shadeBody(p, ray.disc, line, 0.6);

    for (const double x : {-1.0, 1.0}) {
        const QPointF eye(ray.eye.x() * x, ray.eye.y());
        paintDisc(p, eye, ray.eyeSize * 1.7, ray.eyeSize * 1.45, ray.colour.darker(104), line, 0.6);
        paintEye(p, eye, ray.eyeSize, QColor(130, 112, 70));
        // The spiracle behind each eye, through which a resting ray breathes.
        paintDisc(p, eye + QPointF(x * 2, ray.eyeSize * 3.2), ray.eyeSize * 0.9, ray.eyeSize * 0.65,
                  QColor(50, 40, 26), ray.colour.lighter(125), 0.8);
    }
}

} // namespace

// Tan all over, resting on the sand: two rounded dorsals far back, the long
// low upper lobe of the tail and barbels hanging at the nostrils.
void paintNurseShark(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.55);
    paintCoralHead(p, QPointF(262, 160), 48, QColor(130, 120, 100));
    paintSeaFan(p, QPointF(40, 150), 110, QColor(150, 80, 120));
    paintSand(p, Canvas::frame, 148);

    const QColor back(150, 115, 62), flank(186, 150, 96), line(110, 80, 40);
    const std::initializer_list<QPointF> tailFin = {{250, 172}, {290, 175}, {316, 185}, {318, 196},
                                                    {300, 200}, {284, 210}, {270, 204}, {254, 198}};
    const QPainterPath pectoral =
        smoothClosedPath({{72, 200}, {98, 204}, {118, 214}, {112, 228}, {84, 232}, {62, 224}});
    const QPainterPath pelvic =
        smoothClosedPath({{176, 206}, {198, 206}, {214, 220}, {196, 226}, {178, 218}});
    const QPainterPath shark =
        bodyOutline({{12, 188}, 254, 69, 0.5, 0.95, 0.38, 0.6}).united(smoothClosedPath(tailFin));
    castShadow(p, shark.united(pectoral).united(pelvic), QPointF(6, 12), 70);

    for (const QPainterPath &f :
         {smoothClosedPath({{222, 200}, {238, 196}, {250, 206}, {236, 212}}), pelvic,
          fin({164, 154}, {{170, 124}, {190, 115}, {204, 128}}, {212, 160}).shape,
          fin({220, 164}, {{226, 142}, {240, 136}, {248, 148}}, {254, 172}).shape})
        paintFleshFin(p, f, back, flank, line);
    fillBody(p, shark, back, flank, QColor(210, 182, 132));
    // Faint freckles, so that the tan still reads as one colour.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 90, 45, 40));
    for (const QPointF &c : scatterPoints(shark, 160, 15))
        p.drawEllipse(c, 1.2, 1.1);
    shadeBody(p, shark, QColor(95, 70, 35));

    for (int i = 0; i < 5; ++i) {
        const double x = 66 + i * 5.5;
        stroke(p, curveThrough({{x, 170 + i * 0.6}, {x - 2.5, 182}, {x, 194 - i * 0.4}}),
               QColor(105, 75, 40, 170), 1.1);
    }
    stroke(p, curveThrough({{18, 200}, {28, 203}, {38, 201}}), QColor(90, 60, 30), 1.4);
    for (const double x : {16.0, 21.0}) {
        stroke(p, curveThrough({{x, 191}, {x - 1.5, 199}, {x - 4, 207}}), QColor(140, 105, 60),
               2.0);
        paintDisc(p, QPointF(x, 189 + (x - 16) * 0.4), 1.6, 1.2, QColor(80, 55, 30));
    }
    paintEye(p, QPointF(44, 176), 3.0, QColor(190, 150, 60));
    paintFleshFin(p, pectoral, flank.darker(108), flank, line);
    stroke(p, curveThrough({{76, 206}, {94, 214}, {108, 222}}), QColor(120, 90, 50, 120), 1.0);
}

// Grey-brown on a rhombus of a disc with sharp outer corners and a raised
// ridge down the middle, lying on rippled sand; a whip of a tail far longer
// than the Yellow Stingray's stub, with the serrated sting near its root.
void paintSouthernStingray(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    // A disc a metre and more across: the ripples, a hand apart, look small beside it.
    paintSeabed(p, Canvas::frame, 22);

    QPainterPath whip(QPointF(0, 58));
    whip.cubicTo(QPointF(2, 120), QPointF(60, 136), QPointF(190, 150));
    const Stingray ray{.at = QPointF(150, 96),
                       .turn = -8,
                       .disc = rhombus(-84, 132, 0, 62),
                       .tailLine = whip,
                       .tailRoot = 11,
                       .tailTip = 1,
                       .hind = mirroredOutline({{0, 50}, {18, 56}, {17, 66}, {7, 71}, {0, 69}}),
                       .stingAt = 0.17,
                       .colour = QColor(128, 116, 86),
                       .eye = QPointF(15, -46),
                       .eyeSize = 3.2,
                       .sting = 30,
                       .ridge = 30};
    paintStingray(p, ray, [&p](const QPainterPath &area) {
        paintSpots(p, area, 12, 3, 8, QColor(90, 80, 58, 35), 17);
        // Sand dusted over the edges, as on a ray that has just settled.
        QRandomGenerator rng(17);
        p.setPen(Qt::NoPen);
        for (const QPointF &c : scatterPoints(area, 500, 170)) {
            if (c.y() < 56 && std::hypot(c.x() / 124, (c.y() + 8) / 72) > 0.72) {
                p.setBrush(QColor(225, 210, 170, 90 + int(rng.bounded(100))));
                p.drawEllipse(c, 0.8, 0.8);
            }
        }
    });
}

// Grey above and white below, seen from slightly above so that the rounded
// shovel of the head shows: no hammer, no long tail, a shark's shape.
void paintBonnetheadShark(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.3);
    paintSand(p, Canvas::frame, 70);
    p.translate(168, 128);
    p.rotate(-16);

    // Half the outline drawn nose up like the rays, then laid along the x axis;
    // the white underside shows below the grey back along the near flank.
    const QTransform laid(0, 1, 1, 0, 0, 0), mirror = QTransform::fromScale(1, -1);
    const std::initializer_list<QPointF> half = {{0, -154},  {14, -151}, {25, -142}, {31, -128},
                                                 {29, -116}, {22, -102}, {19, -78},  {18, -40},
                                                 {12, 10},   {7, 60},    {3.5, 102}};
    const QPainterPath back = laid.map(mirroredOutline(half));
    QPainterPath flank;
    flank.addPolygon(QPolygonF({{-124, 0}, {110, 0}, {110, 40}, {-104, 40}}));
    const QPainterPath underside = back.united(back.translated(0, 5).intersected(flank));
    const QPainterPath pectoral =
        smoothClosedPath({{-86, 14}, {-70, 30}, {-50, 54}, {-42, 52}, {-48, 30}, {-56, 14}});
    const QPainterPath pelvic = smoothClosedPath({{22, 9}, {38, 22}, {46, 20}, {44, 8}});
    const Fin upperLobe = fin({98, -3}, {{126, -8}, {156, -20}, {136, -2}}, {100, 3});
    castShadow(p, underside.united(pectoral).united(mirror.map(pectoral)).united(upperLobe.shape),
               QPointF(14, 26), 55);

    const QColor grey(105, 116, 126), pale(150, 160, 170), white(236, 238, 240);
    const QColor line(60, 66, 74);
    paintFleshFin(p, mirror.map(pelvic), grey, pale, line);
    paintFleshFin(p, pelvic, pale, white, line);
    for (const QPainterPath &f : {fin({104, 2}, {{118, 8}, {130, 18}, {124, 6}}, {118, 2}).shape,
                                  upperLobe.shape, mirror.map(pectoral)})
        paintFleshFin(p, f, grey, pale, line);
    paintFleshFin(p, pectoral, grey, white, line);
    p.fillPath(underside, white);
    stroke(p, underside, QColor(120, 126, 134), 0.8);
    fillBody(p, back, pale, grey, pale.lighter(115), 0.45);
    shadeBody(p, back, QColor(50, 56, 64), 0.8);

    for (int i = 0; i < 5; ++i) {
        const double x = -100 + i * 5;
        stroke(p, curveThrough({{x, 14}, {x + 1, 18.5}, {x + 0.5, 22}}), withAlpha(line, 180), 1.0);
    }
    for (const double sign : {-1.0, 1.0}) {
        stroke(p, curveThrough({{-149, 9 * sign}, {-147, 12 * sign}, {-144, 14 * sign}}),
               QColor(45, 50, 56), 1.1);
        paintEye(p, QPointF(-127, 29 * sign), 2.8, QColor(200, 170, 80));
    }
    // The dorsal fins stand up towards the viewer and lean back.
    for (const Fin &dorsal : {fin({-48, -2}, {{-24, -20}, {-6, -34}, {-9, -14}}, {-8, 2}),
                              fin({52, -1}, {{62, -7}, {70, -12}, {68, -5}}, {68, 1})})
        paintFleshFin(p, dorsal.shape, grey.darker(110), pale, QColor(50, 56, 64));
}

// A small round disc, yellow-brown under a fine mesh of dark and pale spots
// and squiggles, with a short thick tail ending in a fin.
void paintYellowStingray(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    // A disc no wider than a dinner plate: ripples a hand apart look broad beside it.
    paintSeabed(p, Canvas::frame, 46);

    const QColor dark(70, 50, 22), pale(246, 226, 140);
    QPainterPath stub(QPointF(0, 60));
    stub.cubicTo(QPointF(2, 84), QPointF(3, 104), QPointF(2, 122));
    const Stingray ray(QPointF(130, 92), -30, oval({0, -1}, 71, 69), stub, 15, 7,
                       mirroredOutline({{0, 114}, {8, 126}, {8, 146}, {0, 158}}), 0.55,
                       QColor(184, 146, 62), QPointF(12, -36), 4.0, 13);
    paintStingray(p, ray, [&](const QPainterPath &area) {
        const Saved s(p);
        p.setClipPath(area, Qt::IntersectClip);
        const int many = int(area.boundingRect().width() * area.boundingRect().height() / 22);
        QRandomGenerator rng(26);
        for (const QPointF &pt : scatterPoints(area, many / 2, 262)) {
            const double a = rng.generateDouble() * 2 * std::numbers::pi;
            const QPointF d = QPointF(std::cos(a), std::sin(a)) * (2 + rng.generateDouble() * 3);
            const QPointF bend = QPointF(-d.y(), d.x()) * (rng.generateDouble() - 0.5) * 1.4;
            stroke(p, curveThrough({pt - d, pt + bend, pt + d}), withAlpha(dark, 190), 1.0);
        }
        paintSpots(p, area, 6.0, 0.8, 1.8, withAlpha(dark, 210), 26);
        p.setPen(QPen(withAlpha(dark, 150), 0.7));
        p.setBrush(withAlpha(pale, 220));
        for (const QPointF &pt : scatterPoints(area, many / 4, 263)) {
            // Drawn height first: the order the checked-in picture was made with.
            const double ry = 1.0 + rng.generateDouble();
            p.drawEllipse(pt, 1.0 + rng.generateDouble(), ry);
        }
    });
}

// Wide pointed wings, a duck-bill snout and a very long thin tail, gliding in
// open water: blue-black above with white spots and rings, white below.
void paintSpottedEagleRay(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.25);
    p.translate(152, 104);
    p.rotate(-14);

    const QPainterPath whip = curve({0, 50}, {-3, 155}, {20, 260});
    stroke(p, whip, QColor(18, 24, 40), 3.2);
    stroke(p, whip, QColor(50, 60, 90), 1.0);
    p.fillPath(smoothClosedPath({{-2, 60}, {0, 82}, {3, 60}}), QColor(80, 80, 90));

    const std::initializer_list<QPointF> half = {{0, -50},  {20, -48}, {46, -34}, {92, -12},
                                                 {138, 10}, {156, 22}, {120, 22}, {76, 26},
                                                 {40, 38},  {20, 54},  {0, 60}};
    const QPainterPath wings = mirroredOutline(half);
    // The white belly shows along the banked trailing edge.
    p.fillPath(wings.translated(0, 4), QColor(236, 240, 244));
    p.fillPath(mirroredOutline({{0, 56}, {6, 66}, {18, 64}, {12, 46}}), QColor(20, 28, 48));
    fillBody(p, wings, QColor(30, 44, 74), QColor(22, 32, 58), QColor(14, 20, 38));
    {
        const Saved c(p);
        p.setClipPath(wings, Qt::IntersectClip);
        {
            const Saved ridge(p);
            p.scale(0.6, 1.0);
            paintGlow(p, {0, -10}, 40, QColor(60, 78, 112, 160));
        }
        // White spots, some of them rings, growing larger out on the wings.
        QRandomGenerator rng(32);
        const QColor white(235, 240, 245);
        for (const QPointF &pt : spreadPoints(wings, 11, 4, 3232)) {
            const double r =
                1.4 + rng.generateDouble() * 2.2 + std::min(std::abs(pt.x()), 80.0) / 80;
            const bool ring = rng.bounded(4) == 0 && r > 2.8;
            if (ring)
                paintDisc(p, pt, r, r, Qt::transparent, white, 1.3);
            else
                paintDisc(p, pt, r * 0.8, r * 0.8, white);
        }
    }
    stroke(p, wings, QColor(8, 12, 24, 200), 0.8);

    // The head stands out before the wings: wide at the eyes, then the bill.
    const QPainterPath head = mirroredOutline(
        {{0, -86}, {8, -85}, {12, -78}, {14, -66}, {19, -57}, {19, -47}, {10, -40}, {0, -39}});
    fillBody(p, head, QColor(40, 54, 86), QColor(34, 47, 77), QColor(28, 40, 68));
    paintGlow(p, {0, -74}, 12, QColor(120, 140, 180, 90));
    stroke(p, head, QColor(10, 14, 26), 0.8);
    for (const double side : {-1.0, 1.0}) {
        paintDisc(p, QPointF(side * 19, -53), 4.4, 4.0, QColor(40, 52, 84));
        paintEye(p, QPointF(side * 20, -53), 2.8, QColor(150, 140, 90));
    }
}

} // namespace fishart
