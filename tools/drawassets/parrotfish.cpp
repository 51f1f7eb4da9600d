// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QTransform>

#include <algorithm>
#include <functional>

// Parrotfish and wrasses: heavy or cigar-shaped, beaks and crescent tails.

namespace fishart {

using namespace fishkit;

namespace {

// Parrotfish are wrasses with a beak; one build with long low dorsal and anal
// fins, a crescent tail and big scales serves both. A transparent `beak`
// leaves the wrasse's thin lips.
struct Wrasse
{
    BodyShape shape;
    QColor back, flank, belly, fin, ray, beak, iris;
    QPointF tail{56, 112}; // length and span
    double notch = 0.28;
    double dorsalFrom = 0.3, analFrom = 0.6;
    double lift = 0.16; // height of the dorsal and anal fins, as a share of the depth
    double pectoralAt = 0.37;
    QPointF eye{0.2, -0.42};
};

struct WrasseParts
{
    QPainterPath body;
    Fin tail, dorsal, anal;
};

// Fused tooth plates at the tip of the snout, the parrotfish hallmark.
void paintBeak(QPainter &p, QPointF tip, double size, QColor colour)
{
    const auto jaw = [&](std::initializer_list<QPointF> points) {
        const QPainterPath path = QTransform::fromTranslate(tip.x(), tip.y())
                                      .scale(size, size)
                                      .map(smoothClosedPath(points));
        QLinearGradient g(path.boundingRect().topLeft(), path.boundingRect().bottomRight());
        g.setColorAt(0, colour.lighter(140));
        g.setColorAt(1, colour.darker(115));
        p.fillPath(path, g);
        stroke(p, path, colour.darker(170), 0.6);
    };
    jaw({{0.1, -0.1}, {0.3, -0.6}, {0.95, -0.75}, {1.2, -0.25}, {0.9, 0.0}});
    jaw({{0.15, 0.08}, {0.95, 0.08}, {1.15, 0.45}, {0.7, 0.62}, {0.3, 0.4}});
}

// Paints the fish, its colour pattern by `marks` before the shading.
void paintWrasse(QPainter &p, const Wrasse &f,
                 const std::function<void(const WrasseParts &)> &marks)
{
    const BodyShape &s = f.shape;
    const QPointF lift(0, -s.depth * f.lift);
    WrasseParts parts;
    parts.tail = tail(TailKind::Lunate, (s.at(1, -1) + s.at(1, 1)) / 2 - QPointF(6, 0),
                      s.depth * s.stalk + 6, f.tail.x(), f.tail.y(), f.notch);
    // Both fins long and even, their flexible spines hardly standing out.
    parts.dorsal = spinyFin(s.at(f.dorsalFrom, -0.9),
                            {s.at(f.dorsalFrom + 0.03, -1) + lift * 0.8, s.at(0.55, -1) + lift,
                             s.at(0.82, -1) + lift * 0.95, s.at(0.93, -0.9) + lift * 0.7},
                            s.at(0.97, -0.75), 9, 10, 0.08);
    parts.anal = spinyFin(s.at(f.analFrom, 0.88),
                          {s.at(f.analFrom + 0.04, 1) - lift * 0.8, s.at(0.84, 1) - lift * 0.9,
                           s.at(0.94, 0.9) - lift * 0.6},
                          s.at(0.97, 0.75), 3, 9, 0.08);
    paintFin(p, parts.tail, f.fin, f.ray, 16);
    paintFin(p, parts.dorsal, f.fin, f.ray, 0);
    paintFin(p, parts.anal, f.fin, f.ray, 0);
    parts.body = bodyOutline(s);
    fillBody(p, parts.body, f.back, f.flank, f.belly);
    paintScales(p, parts.body, std::max(6.0, s.depth * 0.1), withAlpha(f.back.darker(150), 120),
                0.9);
    marks(parts);

    shadeBody(p, parts.body, f.back.darker(200));
    const double gill = f.pectoralAt - 0.07;
    stroke(p, curveThrough({s.at(gill, -0.85), s.at(gill + 0.05, -0.1), s.at(gill, 0.8)}),
           withAlpha(f.back.darker(180), 160), 1.4);
    paintFin(p, pairedFin(s.at(f.pectoralAt, 0.9), s.depth * 0.26, 66, s.depth * 0.1, 0.9, 6, 1),
             f.fin, f.ray, 0);
    paintFin(p,
             pairedFin(s.at(f.pectoralAt + 0.01, 0.08), s.depth * 0.38, 8, s.depth * 0.2, 0.55, 13),
             withAlpha(f.fin.lighter(115), 180), f.ray, 0);
    if (f.beak.alpha() > 0)
        paintBeak(p, s.snout + QPointF(-3, 0), s.depth * 0.14, f.beak);
    else
        stroke(p, curve(s.snout, s.snout + QPointF(6, 3), s.snout + QPointF(12, 1)),
               f.back.darker(200), 1.2);
    paintEye(p, s.at(f.eye.x(), f.eye.y()), std::max(4.8, s.depth * 0.058), f.iris);
}

} // namespace

// The bluehead wrasse's terminal male: a blue head, then two black bands with
// a pale band between them behind the pectoral fin, and a green body.
void paintBluegreenWrasse(QPainter &p, double w, double h)
{
    Canvas canvas(p, w, h);
    paintReef(p, 0.3, 0, 0, {70, 250}, 80, QColor(190, 160, 90), {270, 240}, 120,
              QColor(120, 60, 140));
    canvas.faceRight();
    const QColor green(40, 170, 120);
    const Wrasse wrasse(BodyShape{{32, 122}, 218, 58, 0.38, 0.55, 0.38, 0.52}, green.darker(140),
                        green, QColor(140, 220, 180), QColor(60, 150, 150, 225),
                        QColor(20, 80, 90, 140), Qt::transparent, QColor(210, 90, 80), {42, 70},
                        0.22, 0.3, 0.52, 0.3, 0.26, {0.12, -0.4});
    paintWrasse(p, wrasse, [&](const WrasseParts &parts) {
        edgeFin(p, parts.tail, QColor(20, 60, 90), 5);
        {
            const Saved s(p);
            p.setClipPath(parts.body, Qt::IntersectClip);
            QLinearGradient blue(0, 90, 0, 154);
            blue.setColorAt(0, QColor(20, 60, 190));
            blue.setColorAt(1, QColor(70, 130, 235));
            p.fillPath(smoothClosedPath({{20, 80}, {88, 80}, {94, 122}, {88, 164}, {20, 164}}),
                       blue);
        }
        paintBars(p, parts.body, 101, 24, 2, 12, QColor(14, 16, 24), 4);
        paintBars(p, parts.body, 113, 0, 1, 9, QColor(205, 230, 245), 4);
    });
}

// A big pinkish wrasse with a long pig-like snout, a dark patch over the
// snout, three long dorsal filaments and a black spot at the rear of the dorsal.
void paintHogfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.4, 212, 0, {290, 222}, 50, QColor(160, 130, 150));
    const Wrasse hogfish(BodyShape{{24, 140}, 224, 112, 0.6, 0.12, 0.3, 0.64},
                         QColor(214, 160, 156), QColor(236, 200, 194), QColor(248, 238, 232),
                         QColor(220, 150, 150, 215), QColor(150, 90, 90, 140), Qt::transparent,
                         QColor(210, 80, 60), {60, 114}, 0.22, 0.5, 0.62, 0.21, 0.48,
                         {0.31, -0.66});
    const BodyShape &s = hogfish.shape;
    paintWrasse(p, hogfish, [&](const WrasseParts &parts) {
        // The first three dorsal spines trail long filaments above a short membrane.
        paintFin(p,
                 fin(s.at(0.37, -0.95),
                     {s.at(0.38, -1) + QPointF(0, -26), s.at(0.5, -1) + QPointF(0, -24)},
                     s.at(0.52, -0.95)),
                 hogfish.fin, hogfish.ray, 0);
        for (int i = 0; i < 3; ++i) {
            const QPointF base = s.at(0.4 + 0.05 * i, -0.95);
            stroke(p,
                   curve(base, base + QPointF(-6 + 2 * i, -36), base + QPointF(-6 + 10 * i, -70)),
                   QColor(150, 80, 80), 2.0);
        }
        const Saved saved(p);
        p.setClipPath(parts.body, Qt::IntersectClip);
        // The male's dark mask over the snout and forehead.
        p.fillPath(
            smoothClosedPath({{18, 130}, {70, 96}, {140, 48}, {150, 72}, {100, 100}, {34, 144}}),
            QColor(90, 40, 45, 220));
        paintDisc(p, s.at(0.9, -0.78), 7, 6, QColor(20, 15, 18));
    });
}

// A heavy, uniformly powder-blue parrotfish with a rounded hump on the
// forehead and a white-blue beak.
void paintBlueParrotfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.35, 0, 0, {240, 252}, 80, QColor(180, 150, 90), {20, 240}, 110,
              QColor(150, 70, 130));
    paintWrasse(
        p,
        Wrasse(BodyShape{{26, 140}, 222, 112, 0.46, 0.95, 0.34, 0.6, 0.26}, QColor(74, 132, 206),
               QColor(116, 170, 228), QColor(170, 206, 240), QColor(110, 160, 220, 230),
               QColor(60, 100, 170, 140), QColor(200, 225, 245), QColor(230, 200, 110), {62, 130},
               0.36),
        [&](const WrasseParts &parts) { edgeFin(p, parts.tail, QColor(190, 220, 250, 170), 3); });
}

// The terminal male: green with salmon-pink scale edges, pink-orange blotches
// over the lower head and cheek, a yellow spot at the top of the gill cover,
// a yellow-orange bar across the tail base and an orange crescent in the tail.
void paintStoplightParrotfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.3, 0, 206, {286, 226}, 50, QColor(160, 150, 100), {20, 220}, 120,
              QColor(150, 70, 140));
    const QColor salmon(250, 130, 110);
    const Wrasse stoplight(BodyShape{{38, 128}, 208, 116, 0.5, 0.7, 0.34, 0.55},
                           QColor(14, 104, 84), QColor(30, 160, 110), QColor(70, 190, 130),
                           QColor(40, 150, 130, 235), QColor(10, 70, 60, 150),
                           QColor(110, 210, 190), QColor(240, 170, 60), {48, 100}, 0.12);
    const BodyShape &s = stoplight.shape;
    paintWrasse(p, stoplight, [&](const WrasseParts &parts) {
        edgeFin(p, parts.dorsal, withAlpha(salmon, 200), 2);
        edgeFin(p, parts.anal, withAlpha(salmon, 200), 2);
        paintScales(p, parts.body, std::max(6.0, s.depth * 0.1), withAlpha(salmon, 110), 1.0);
        const QPointF root = s.at(1, 0);
        strokeInside(p, parts.tail.shape,
                     curve(root + QPointF(40, -40), root + QPointF(12, 0), root + QPointF(40, 40)),
                     QColor(250, 140, 40), 7);
        QPainterPath base;
        base.addRect(QRectF(s.at(0.94, 0).x(), 0, s.length * 0.06 + 8, 240));
        p.fillPath(base.intersected(parts.body.united(parts.tail.shape)), QColor(250, 196, 40));
        // Irregular blotches, each two overlapping patches, over the lower head and cheek.
        const Saved saved(p);
        p.setClipPath(parts.body, Qt::IntersectClip);
        const double r = s.depth * 0.055;
        for (const QLineF at : {QLineF(0.07, 0.3, 0.8, -0.4), QLineF(0.15, 0.52, -0.7, 0.5),
                                QLineF(0.24, 0.68, 0.9, 0.3), QLineF(0.12, 0.82, 0.6, -0.6),
                                QLineF(0.25, 0.3, -0.5, -0.8), QLineF(0.19, 0.06, 0.9, 0.5)}) {
            const QPointF c = s.at(at.x1(), at.y1());
            p.fillPath(oval(c, r * 1.2, r * 0.9)
                           .united(oval(c + QPointF(at.x2(), at.y2()) * r, r * 0.8, r * 0.75)),
                       withAlpha(salmon, 235));
        }
        paintDisc(p, s.at(0.31, -0.62), 7.5, 6, QColor(255, 226, 30));
    });
}

// A long-bodied parrotfish, bronze-orange in front and green behind, with a
// green-blue beak, bronze fins edged green and long streaming tail lobes.
void paintRainbowParrotfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.3, 214, 0, {36, 230}, 40, QColor(160, 150, 100), {300, 230}, 110,
              QColor(160, 80, 140));
    const QColor green(40, 166, 84);
    const QColor bronze(214, 118, 38);
    const Wrasse rainbow(BodyShape{{18, 124}, 236, 94, 0.42, 1.0, 0.36, 0.55, 0.04},
                         bronze.darker(140), bronze, QColor(240, 170, 90),
                         QColor(220, 130, 50, 230), QColor(120, 60, 20, 150), QColor(50, 180, 160),
                         QColor(240, 170, 60), {58, 170}, 0.42);
    paintWrasse(p, rainbow, [&](const WrasseParts &parts) {
        for (const Fin *f : {&parts.tail, &parts.dorsal, &parts.anal})
            edgeFin(p, *f, green, 4);
        // The green takes over from the middle of the body backwards.
        QLinearGradient rear(QPointF(110, 0), QPointF(170, 0));
        rear.setColorAt(0, withAlpha(green, 0));
        rear.setColorAt(1, withAlpha(green, 215));
        p.fillPath(parts.body, rear);
    });
}

} // namespace fishart
