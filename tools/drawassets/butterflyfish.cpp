// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <QPainter>

// Butterflyfish: round, compressed, pointed snouts, eye bars.

namespace fishart {

using namespace fishkit;

namespace {

// The disc all three share: a short pointed snout, and soft dorsal and anal
// fins wrapping round the rear of the body to a small rounded tail.
struct Butterfly
{
    BodyShape shape{.snout = {64, 128},
                    .length = 174,
                    .depth = 126,
                    .deepestAt = 0.45,
                    .bluntness = 0.1,
                    .stalk = 0.28,
                    .back = 0.5};
    QPainterPath body = discOutline(shape);
    Fin dorsal =
        fin({108, 84}, {{122, 54}, {164, 38}, {210, 40}, {242, 62}, {252, 102}}, {238, 118});
    Fin anal = fin({126, 182}, {{150, 206}, {202, 210}, {240, 188}, {250, 146}}, {238, 130});
    Fin caudal = tail(TailKind::Rounded, {236, 124}, 34, 40, 54);
    Fin pectoral = fin({136, 126}, {{156, 116}, {176, 124}, {160, 140}}, {136, 136});
    Fin pelvic = fin({112, 176}, {{110, 200}, {122, 212}}, {130, 178});
    QPointF eye{100, 112};
};

// Fine lines slanting up towards the tail along the scale rows; with
// `chevron` the lines below the midline slant the other way, meeting those
// above in points that face the head.
void paintSlantLines(QPainter &p, const QPainterPath &body, QColor colour, double width,
                     bool chevron)
{
    const Saved s(p);
    p.setClipPath(body, Qt::IntersectClip);
    for (int k = -8; k < 16; ++k) {
        const double x = 64 + k * 11;
        stroke(p, curve({x, 128}, {x + 40, 86}, {x + 80, 40}), colour, width);
        const QPointF below = chevron ? QPointF(x + 80, 216) : QPointF(x - 70, 216);
        stroke(p, curve({x, 128}, (QPointF(x, 128) + below) / 2 + QPointF(0, 2), below), colour,
               width);
    }
}

// A dark bar from the nape down through the eye to the throat, which hides
// the real eye.
void paintEyeBar(QPainter &p, const QPainterPath &area, QPointF eye, double width, QColor colour)
{
    const Saved s(p);
    p.setClipPath(area, Qt::IntersectClip);
    stroke(p, curveThrough({eye + QPointF(12, -60), eye, eye + QPointF(-4, 70)}), colour, width);
}

// Gill cover, mouth, the fins in front of the body and the eye.
void paintFace(QPainter &p, const Butterfly &b, QColor pelvic, QColor ray)
{
    stroke(p, curveThrough({{134, 82}, {142, 120}, {132, 164}}), QColor(120, 120, 110, 130), 1.1);
    stroke(p, curve(b.shape.snout, b.shape.snout + QPointF(4, 3), b.shape.snout + QPointF(9, 3)),
           QColor(40, 40, 45), 1.2);
    paintFin(p, b.pectoral, QColor(236, 234, 220, 140), ray, 7);
    paintFin(p, b.pelvic, pelvic, ray, 4);
    paintEye(p, b.eye, 6.0, QColor(60, 50, 40));
}

} // namespace

// A white disc with yellow fins whose one mark is a solid black spot on the
// soft dorsal fin, just above the back; no white ring round it, and not on
// the body, unlike the false eye of the Four Eye Butterfly.
void paintSpotfinButterfly(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.3);
    paintSand(p, Canvas::frame, 212);
    paintCoralHead(p, QPointF(272, 242), 62, QColor(180, 140, 100));
    paintSeaFan(p, QPointF(30, 236), 96, QColor(180, 80, 140));

    const Butterfly b;
    const QColor yellow(250, 205, 40, 235);
    const QColor ray(170, 130, 20, 130);
    paintFin(p, b.caudal, yellow, ray, 12);
    edgeFin(p, b.caudal, QColor(236, 242, 240, 220), 7);
    paintFin(p, b.dorsal, yellow, ray, 24);
    paintFin(p, b.anal, yellow, ray, 18);

    fillBody(p, b.body, QColor(238, 234, 214), QColor(248, 248, 244), QColor(242, 240, 232));
    paintSlantLines(p, b.body, QColor(150, 150, 140, 80), 0.8, false);
    shadeBody(p, b.body, QColor(90, 90, 80), 0.7);
    paintEyeBar(p, b.body, b.eye, 14, QColor(20, 20, 24));

    // As big as the eye, and wholly on the fin: its lower edge meets the back.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(14, 14, 16));
    p.drawEllipse(QPointF(222, 77), 6.5, 6.0);

    paintFace(p, b, yellow, ray);
}

// A pale disc of fine chevron lines, the real eye hidden in a black bar and
// a big white-ringed false eye on the body near the tail.
void paintFourEyeButterfly(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.35);
    paintCoralHead(p, QPointF(282, 250), 72, QColor(200, 140, 90));
    paintSeaFan(p, QPointF(26, 240), 140, QColor(170, 70, 110));

    const Butterfly b;
    const QColor pale(238, 228, 176, 250);
    const QColor ray(200, 180, 120, 150);
    paintFin(p, b.caudal, QColor(225, 228, 222, 220), ray, 12);
    for (const Fin *f : {&b.dorsal, &b.anal}) {
        paintFin(p, *f, pale, ray, 22);
        edgeFin(p, *f, QColor(240, 200, 60, 230), 9);
    }

    fillBody(p, b.body, QColor(206, 206, 210), QColor(236, 236, 238), QColor(242, 238, 226));
    paintSlantLines(p, b.body, QColor(70, 70, 82, 150), 1.1, true);
    shadeBody(p, b.body, QColor(90, 90, 100), 0.8);

    const QPointF falseEye(198, 110);
    p.setPen(QPen(QColor(30, 30, 35), 0.8));
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(falseEye, 15, 15);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(15, 15, 20));
    p.drawEllipse(falseEye, 11, 11);
    paintEyeBar(p, b.body, b.eye, 15, QColor(250, 250, 245));
    paintEyeBar(p, b.body, b.eye, 10, QColor(20, 20, 26));

    paintFace(p, b, QColor(240, 200, 50, 240), ray);
}

// White with three broad dark bands, the first through the eye and the last
// running out over the soft fins; dark-edged fins and a dark band on the tail.
void paintBandedButterfly(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.35);
    paintReefRock(p, Canvas::frame, 208);
    paintCoralHead(p, QPointF(284, 228), 50, QColor(180, 140, 80));
    paintSeaFan(p, QPointF(24, 224), 130, QColor(170, 80, 150));

    const Butterfly b;
    const QColor band(36, 30, 30);
    const QColor white(240, 238, 232, 252);
    const QColor ray(110, 110, 110, 150);
    paintFin(p, b.caudal, white, ray, 12);
    paintBars(p, b.caudal.shape, 262, 0, 1, 5, band, 3);
    for (const Fin *f : {&b.dorsal, &b.anal}) {
        paintFin(p, *f, white, ray, 22);
        edgeFin(p, *f, band, 9);
        edgeFin(p, *f, white, 3);
    }

    fillBody(p, b.body, QColor(224, 224, 220), QColor(250, 250, 246), QColor(236, 236, 232));
    paintBars(p, b.body, 76, 10, 16, 0.7, QColor(150, 150, 150, 90), -10);
    const QPainterPath all = b.body.united(b.dorsal.shape).united(b.anal.shape);
    paintEyeBar(p, all, b.eye, 20, band);
    paintBars(p, all, 146, 56, 2, 28, band, 6);
    // A light rim only: a dark one would cut the fins off from the white body.
    shadeBody(p, b.body, QColor(60, 60, 60, 110), 0.35);

    paintFace(p, b, white, ray);
}

} // namespace fishart
