// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPainter>

// Parrotfish and wrasses: heavy or cigar-shaped, beaks and crescent tails.

namespace fishart {

using namespace fishkit;

namespace {

// What sets one parrotfish apart from the next: its build, colours and tail.
struct Parrotfish
{
    BodyShape shape;
    QColor back, flank, belly;
    QColor fin, ray;
    double tailLength = 56;
    double tailSpan = 112;
    double tailNotch = 0.28;
};

// The parts a painter marks after the body is laid down: tail crescents and
// fin edges are what tell the three parrotfish apart.
struct ParrotfishParts
{
    QPainterPath body;
    Fin tail, dorsal, anal;
};

// The long low dorsal and anal fins, the crescent tail and the big-scaled body.
ParrotfishParts paintParrotfishBody(QPainter &p, const Parrotfish &f)
{
    const BodyShape &s = f.shape;
    const QPointF lift(0, -s.depth * 0.16);
    ParrotfishParts parts;
    parts.tail = tail(TailKind::Lunate, s.at(1, 0) - QPointF(6, 0), s.depth * s.stalk + 6,
                      f.tailLength, f.tailSpan, f.tailNotch);
    parts.dorsal =
        fin(s.at(0.3, -0.9), {s.at(0.4, -1) + lift, s.at(0.75, -1) + lift * 0.9}, s.at(0.97, -0.8));
    parts.anal = fin(s.at(0.6, 0.85), {s.at(0.7, 1) - lift * 0.9, s.at(0.9, 1) - lift * 0.6},
                     s.at(0.98, 0.8));
    paintFin(p, parts.tail, f.fin, f.ray, 16);
    paintFin(p, parts.dorsal, f.fin, f.ray, 22);
    paintFin(p, parts.anal, f.fin, f.ray, 10);

    parts.body = bodyOutline(s);
    fillBody(p, parts.body, f.back, f.flank, f.belly);
    paintScales(p, parts.body, s.depth * 0.11, withAlpha(f.back.darker(150), 150), 1.0);
    return parts;
}

// Fused tooth plates at the tip of the snout, the parrotfish hallmark.
void paintBeak(QPainter &p, QPointF tip, double size, QColor colour)
{
    const QPainterPath upper =
        smoothClosedPath({tip + QPointF(0.1, -0.1) * size, tip + QPointF(0.3, -0.6) * size,
                          tip + QPointF(0.95, -0.75) * size, tip + QPointF(1.2, -0.25) * size,
                          tip + QPointF(0.9, 0.0) * size});
    const QPainterPath lower =
        smoothClosedPath({tip + QPointF(0.15, 0.08) * size, tip + QPointF(0.95, 0.08) * size,
                          tip + QPointF(1.15, 0.45) * size, tip + QPointF(0.7, 0.62) * size,
                          tip + QPointF(0.3, 0.4) * size});
    for (const QPainterPath &jaw : {upper, lower}) {
        QLinearGradient g(jaw.boundingRect().topLeft(), jaw.boundingRect().bottomRight());
        g.setColorAt(0, colour.lighter(140));
        g.setColorAt(1, colour.darker(115));
        p.fillPath(jaw, g);
        stroke(p, jaw, colour.darker(170), 0.6);
    }
}

// Shading, gill cover, the fins in front, beak and eye.
void paintParrotfishFace(QPainter &p, const Parrotfish &f, const QPainterPath &body, QColor pelvic,
                         QColor beak, QColor iris)
{
    const BodyShape &s = f.shape;
    shadeBody(p, body, f.back.darker(200));
    stroke(p, curveThrough({s.at(0.3, -0.85), s.at(0.35, -0.1), s.at(0.3, 0.8)}),
           withAlpha(f.back.darker(180), 180), 1.4);
    const QPointF pelvicRoot = s.at(0.38, 0.92);
    paintFin(p, fin(pelvicRoot, {pelvicRoot + QPointF(6, 28)}, pelvicRoot + QPointF(18, 2)), pelvic,
             f.ray, 5);
    const QPointF pectoralRoot = s.at(0.37, 0.1);
    paintFin(p,
             fin(pectoralRoot + QPointF(0, -5),
                 {pectoralRoot + QPointF(30, -14), pectoralRoot + QPointF(50, -6),
                  pectoralRoot + QPointF(30, 8)},
                 pectoralRoot + QPointF(0, 6)),
             withAlpha(f.fin.lighter(115), 180), f.ray, 9);
    paintBeak(p, s.snout + QPointF(-3, 0), s.depth * 0.14, beak);
    paintEye(p, s.at(0.2, -0.42), s.depth * 0.062, iris);
}

} // namespace

// The bluehead wrasse's terminal male: a blue head, then two black bands with
// a pale band between them behind the pectoral fin, and a green body.
void paintBluegreenWrasse(QPainter &p, double w, double h)
{
    Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.3);
    paintCoralHead(p, QPointF(70, 250), 80, QColor(190, 160, 90));
    paintSeaFan(p, QPointF(270, 240), 120, QColor(120, 60, 140));
    canvas.faceRight();

    const QColor green(40, 170, 120);
    const QColor finColour(60, 150, 150, 225);
    const QColor rays(20, 80, 90, 140);
    const BodyShape shape{.snout = {32, 122},
                          .length = 218,
                          .depth = 58,
                          .deepestAt = 0.38,
                          .bluntness = 0.55,
                          .stalk = 0.38,
                          .back = 0.52};
    const Fin tailFin = tail(TailKind::Lunate, {244, 122}, 26, 42, 70, 0.22);
    paintFin(p, tailFin, finColour, rays, 14);
    edgeFin(p, tailFin, QColor(20, 60, 90), 5);
    paintFin(p,
             fin(shape.at(0.3, -0.9), {shape.at(0.4, -1.3), shape.at(0.92, -1.3)},
                 shape.at(0.98, -0.85)),
             finColour, rays, 30);
    paintFin(
        p,
        fin(shape.at(0.52, 0.9), {shape.at(0.6, 1.3), shape.at(0.92, 1.3)}, shape.at(0.98, 0.85)),
        finColour, rays, 18);

    const QPainterPath body = bodyOutline(shape);
    fillBody(p, body, green.darker(140), green, QColor(140, 220, 180));
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        QLinearGradient blue(0, 90, 0, 154);
        blue.setColorAt(0, QColor(20, 60, 190));
        blue.setColorAt(1, QColor(70, 130, 235));
        p.fillPath(smoothClosedPath({{20, 80}, {88, 80}, {94, 122}, {88, 164}, {20, 164}}), blue);
    }
    paintBars(p, body, 101, 0, 1, 12, QColor(14, 16, 24), 4);
    paintBars(p, body, 113, 0, 1, 9, QColor(205, 230, 245), 4);
    paintBars(p, body, 125, 0, 1, 12, QColor(14, 16, 24), 4);
    paintScales(p, body, 6, QColor(10, 60, 60, 60));
    shadeBody(p, body, QColor(15, 50, 70));

    stroke(p, curve({32, 123}, {37, 125}, {42, 124}), QColor(10, 20, 50), 1.2);
    paintFin(p, fin({84, 118}, {{94, 110}, {108, 114}, {98, 126}}, {84, 126}),
             QColor(90, 150, 230, 190), QColor(20, 50, 110, 150), 7);
    paintEye(p, shape.at(0.12, -0.4), 4.8, QColor(210, 90, 80));
}

// A big pinkish wrasse with a long pig-like snout, a dark patch over the
// snout, three long dorsal filaments and a black spot at the rear of the dorsal.
void paintHogfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.4);
    paintSand(p, Canvas::frame, 212);
    paintCoralHead(p, QPointF(290, 222), 50, QColor(160, 130, 150));

    const QColor finColour(220, 150, 150, 215);
    const QColor rays(150, 90, 90, 140);
    const BodyShape shape{.snout = {24, 140},
                          .length = 224,
                          .depth = 112,
                          .deepestAt = 0.6,
                          .bluntness = 0.12,
                          .stalk = 0.3,
                          .back = 0.64};
    paintFin(p, tail(TailKind::Lunate, {244, 122}, 26, 60, 114, 0.22), finColour, rays, 16);
    paintFin(p,
             fin(shape.at(0.5, -0.95),
                 {shape.at(0.6, -1) + QPointF(0, -24), shape.at(0.86, -1) + QPointF(0, -22)},
                 shape.at(0.97, -0.85)),
             finColour, rays, 18);
    paintFin(p,
             fin(shape.at(0.62, 0.9),
                 {shape.at(0.72, 1) + QPointF(0, 24), shape.at(0.92, 1) + QPointF(0, 20)},
                 shape.at(0.98, 0.8)),
             finColour, rays, 14);
    // The first three dorsal spines trail long filaments above a short membrane.
    paintFin(p,
             fin(shape.at(0.37, -0.95),
                 {shape.at(0.38, -1) + QPointF(0, -26), shape.at(0.5, -1) + QPointF(0, -24)},
                 shape.at(0.52, -0.95)),
             finColour, rays, 0);
    for (int i = 0; i < 3; ++i) {
        const QPointF base = shape.at(0.4 + 0.05 * i, -0.95);
        stroke(p, curve(base, base + QPointF(-6 + 2 * i, -36), base + QPointF(-6 + 10 * i, -70)),
               QColor(150, 80, 80), 2.0);
    }

    const QPainterPath body = bodyOutline(shape);
    fillBody(p, body, QColor(214, 160, 156), QColor(236, 200, 194), QColor(248, 238, 232));
    paintScales(p, body, 8, QColor(180, 110, 110, 70), 0.7);
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        // The male's dark mask over the snout and forehead.
        const QColor mask(90, 40, 45, 220);
        p.fillPath(
            smoothClosedPath({{18, 130}, {70, 96}, {140, 48}, {150, 72}, {100, 100}, {34, 144}}),
            mask);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 15, 18));
        p.drawEllipse(shape.at(0.9, -0.78), 7, 6);
    }
    shadeBody(p, body, QColor(140, 80, 80));

    stroke(p, curve({22, 141}, {30, 143}, {38, 141}), QColor(110, 50, 50), 1.1);
    stroke(p, curveThrough({{122, 78}, {130, 112}, {126, 146}, {114, 166}}),
           QColor(160, 100, 100, 130), 1.3);
    paintFin(p, fin({112, 172}, {{116, 200}, {126, 208}}, {132, 176}), finColour, rays, 4);
    paintFin(p, fin({132, 126}, {{156, 114}, {178, 122}, {154, 148}}, {132, 138}),
             QColor(240, 190, 180, 170), rays, 9);
    paintEye(p, QPointF(94, 104), 6, QColor(210, 80, 60));
}

// A heavy, uniformly powder-blue parrotfish with a rounded hump on the
// forehead and a white-blue beak.
void paintBlueParrotfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.35);
    paintCoralHead(p, QPointF(240, 252), 80, QColor(180, 150, 90));
    paintSeaFan(p, QPointF(20, 240), 110, QColor(150, 70, 130));

    const Parrotfish blue{.shape = {.snout = {24, 136},
                                    .length = 226,
                                    .depth = 116,
                                    .deepestAt = 0.46,
                                    .bluntness = 0.85,
                                    .stalk = 0.34,
                                    .back = 0.6,
                                    .hump = 0.1},
                          .back = QColor(74, 132, 206),
                          .flank = QColor(116, 170, 228),
                          .belly = QColor(170, 206, 240),
                          .fin = QColor(110, 160, 220, 230),
                          .ray = QColor(60, 100, 170, 140)};
    const ParrotfishParts parts = paintParrotfishBody(p, blue);
    edgeFin(p, parts.tail, QColor(190, 220, 250, 170), 3);
    paintParrotfishFace(p, blue, parts.body, blue.fin, QColor(200, 225, 245),
                        QColor(230, 200, 110));
}

// A green parrotfish with pink-orange bands across the face, a yellow spot at
// the top of the gill cover and an orange crescent in the tail.
void paintStoplightParrotfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.3);
    paintReefRock(p, Canvas::frame, 206);
    paintCoralHead(p, QPointF(286, 226), 50, QColor(160, 150, 100));
    paintSeaFan(p, QPointF(20, 220), 120, QColor(150, 70, 140));

    const QColor salmon(250, 130, 110);
    const Parrotfish stoplight{.shape = {.snout = {34, 128},
                                         .length = 220,
                                         .depth = 112,
                                         .deepestAt = 0.48,
                                         .bluntness = 0.75,
                                         .stalk = 0.34,
                                         .back = 0.56},
                               .back = QColor(14, 104, 84),
                               .flank = QColor(30, 160, 110),
                               .belly = QColor(70, 190, 130),
                               .fin = QColor(40, 150, 130, 235),
                               .ray = QColor(10, 70, 60, 150)};
    const ParrotfishParts parts = paintParrotfishBody(p, stoplight);
    {
        const Saved s(p);
        p.setClipPath(parts.tail.shape, Qt::IntersectClip);
        stroke(p, curve({300, 66}, {258, 124}, {300, 182}), QColor(250, 140, 40), 9);
    }
    edgeFin(p, parts.dorsal, withAlpha(salmon, 200), 2);
    edgeFin(p, parts.anal, withAlpha(salmon, 200), 2);
    {
        const Saved s(p);
        p.setClipPath(parts.body, Qt::IntersectClip);
        const BodyShape &f = stoplight.shape;
        stroke(p, curve(f.at(0.02, -0.5), f.at(0.12, -0.8), f.at(0.27, -0.9)), salmon, 5);
        stroke(p, curve(f.at(0.0, 0.05), f.at(0.14, -0.12), f.at(0.29, -0.3)), salmon, 5);
        stroke(p, curve(f.at(0.04, 0.5), f.at(0.17, 0.42), f.at(0.31, 0.3)), salmon, 5);
    }
    paintParrotfishFace(p, stoplight, parts.body, QColor(240, 130, 90, 220), QColor(110, 210, 190),
                        QColor(240, 170, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 226, 30));
    p.drawEllipse(stoplight.shape.at(0.32, -0.6), 7.5, 6);
}

// A long-bodied parrotfish, bronze-orange in front and green behind, with a
// green-blue beak, bronze fins edged green and long streaming tail lobes.
void paintRainbowParrotfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.3);
    paintSand(p, Canvas::frame, 214);
    paintCoralHead(p, QPointF(36, 230), 40, QColor(160, 150, 100));
    paintSeaFan(p, QPointF(300, 230), 110, QColor(160, 80, 140));

    const QColor green(40, 166, 84);
    const QColor bronze(214, 118, 38);
    const Parrotfish rainbow{.shape = {.snout = {18, 124},
                                       .length = 236,
                                       .depth = 94,
                                       .deepestAt = 0.45,
                                       .bluntness = 0.9,
                                       .stalk = 0.36,
                                       .back = 0.56},
                             .back = bronze.darker(140),
                             .flank = bronze,
                             .belly = QColor(240, 170, 90),
                             .fin = QColor(220, 130, 50, 230),
                             .ray = QColor(120, 60, 20, 150),
                             .tailLength = 58,
                             .tailSpan = 170,
                             .tailNotch = 0.42};
    const ParrotfishParts parts = paintParrotfishBody(p, rainbow);
    for (const Fin *f : {&parts.tail, &parts.dorsal, &parts.anal})
        edgeFin(p, *f, green, 4);
    {
        // The green takes over from the middle of the body backwards.
        QLinearGradient rear(QPointF(110, 0), QPointF(170, 0));
        rear.setColorAt(0, withAlpha(green, 0));
        rear.setColorAt(1, withAlpha(green, 215));
        p.fillPath(parts.body, rear);
    }
    paintParrotfishFace(p, rainbow, parts.body, rainbow.fin, QColor(50, 180, 160),
                        QColor(240, 170, 60));
}

} // namespace fishart
