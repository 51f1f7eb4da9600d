// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

// Butterflyfish: round, compressed, pointed snouts, eye bars.

namespace fishart {

using namespace fishkit;

namespace {

// The disc all three share: a short pointed snout, and soft dorsal and anal
// fins wrapping round the rear of the body to a small rounded tail; `grow`
// widens those fins.
Build butterfly(double grow = 0)
{
    const BodyShape shape{{64, 128}, 174, 126, 0.45, 0.1, 0.28, 0.5};
    // A point on a fin's free edge, moved out by `grow` backwards (dx 1) and down (dy 1).
    const auto out = [grow](double x, double y, double dx, double dy) {
        return QPointF(x + dx * 0.6 * grow, y + dy * grow);
    };
    const Fin dorsal = fin({108, 84},
                           {out(122, 54, -1, -1), out(164, 38, -1, -1), out(210, 40, -1, -1),
                            out(242, 62, 1, -1), out(252, 102, 0, 0)},
                           {238, 118});
    const Fin anal =
        fin({126, 182},
            {out(150, 206, 1, 1), out(202, 210, 1, 1), out(240, 188, 1, 1), out(250, 146, 0, 0)},
            {238, 130});
    return Build(shape, discOutline(shape), dorsal, anal,
                 tail(TailKind::Rounded, {236, 124}, 34, 40, 54),
                 fin({136, 126}, {{156, 116}, {176, 124}, {160, 140}}, {136, 136}),
                 fin({112, 176}, {{110, 200}, {122, 212}}, {130, 178}), QPointF(100, 112));
}

// Fine lines slanting up towards the tail along the scale rows; with `chevron`
// those below the midline slant back to meet them in points facing the head.
void paintSlants(QPainter &p, const QPainterPath &body, QColor colour, double width, bool chevron)
{
    const QPointF up(40, -44);
    for (int k = -8; k < 16; ++k) {
        const QPointF from(64 + k * 11, 128);
        const QPointF down = from + QPointF(chevron ? 80 : -70, 88);
        strokeInside(p, body, curve(from, from + up, from + up * 2), colour, width);
        strokeInside(p, body, curve(from, (from + down) / 2 + QPointF(0, 2), down), colour, width);
    }
}

// A bar from the nape down through the eye to the throat, which hides the eye.
QPainterPath eyeBar(QPointF eye)
{
    return curveThrough({eye + QPointF(12, -60), eye, eye + QPointF(-4, 70)});
}

} // namespace

// A white disc with faint slanting lines, broad bright yellow dorsal, anal and
// pelvic fins, a black bar through the eye, and one solid black spot the size
// of an eye on the soft dorsal fin at its base: unringed and off the body,
// unlike the Four Eye's false eye.
void paintSpotfinButterfly(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.3, Floor::Sand, {272, 242}, 62, QColor(180, 140, 100),
                               {30, 236}, 96, QColor(180, 80, 140));
    const Build b = butterfly(8);
    const QColor yellow(255, 212, 0, 250);
    const Livery look(yellow, yellow, QColor(200, 150, 0, 120), QColor(236, 234, 220, 140), yellow,
                      QColor(60, 50, 40), 6);
    paintBackFins(p, b, look);
    edgeFin(p, b.caudal, QColor(236, 242, 240, 220), 7);
    fillBody(p, b.body, QColor(238, 236, 222), QColor(250, 250, 246), QColor(244, 242, 236));
    paintSlants(p, b.body, QColor(150, 150, 140, 75), 0.7, false);
    strokeInside(p, b.body, eyeBar(b.eye), QColor(20, 20, 24), 14);
    shadeBody(p, b.body, QColor(90, 90, 80), 0.7);
    paintDisc(p, {221, 73}, 7.5, 7, QColor(14, 14, 16));
    paintFront(p, b, look);
}

// A pale disc of fine chevron lines, the real eye hidden in a black bar and
// a big white-ringed false eye on the body near the tail.
void paintFourEyeButterfly(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.35, Floor::Open, {282, 250}, 72, QColor(200, 140, 90),
                               {26, 240}, 140, QColor(170, 70, 110));
    const Build b = butterfly();
    const Livery look(QColor(225, 228, 222, 220), QColor(238, 228, 176, 250),
                      QColor(200, 180, 120, 150), QColor(236, 234, 220, 140),
                      QColor(240, 200, 50, 240), QColor(60, 50, 40), 6);
    paintBackFins(p, b, look);
    edgeFin(p, b.dorsal, QColor(240, 200, 60, 230), 9);
    edgeFin(p, b.anal, QColor(240, 200, 60, 230), 9);
    fillBody(p, b.body, QColor(206, 206, 210), QColor(236, 236, 238), QColor(242, 238, 226));
    paintSlants(p, b.body, QColor(70, 70, 82, 150), 1.1, true);
    paintDisc(p, {198, 110}, 15, 15, QColor(250, 250, 250), QColor(30, 30, 35), 0.8);
    paintDisc(p, {198, 110}, 11, 11, QColor(15, 15, 20));
    strokeInside(p, b.body, eyeBar(b.eye), QColor(250, 250, 245), 15);
    strokeInside(p, b.body, eyeBar(b.eye), QColor(20, 20, 26), 10);
    shadeBody(p, b.body, QColor(90, 90, 100), 0.8);
    paintFront(p, b, look);
}

// White with three broad dark bands, the first through the eye and the last
// running out over the soft fins; dark-edged fins and a dark band on the tail.
void paintBandedButterfly(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.35, Floor::Rock, {284, 228}, 50, QColor(180, 140, 80),
                               {24, 224}, 130, QColor(170, 80, 150));
    const Build b = butterfly();
    const QColor band(36, 30, 30);
    const QColor white(240, 238, 232, 252);
    const Livery look(white, white, QColor(110, 110, 110, 150), QColor(236, 234, 220, 140), white,
                      QColor(60, 50, 40), 6);
    paintBackFins(p, b, look);
    paintBars(p, b.caudal.shape, 262, 0, 1, 5, band, 3);
    for (const Fin *f : {&b.dorsal, &b.anal}) {
        edgeFin(p, *f, band, 9);
        edgeFin(p, *f, white, 3);
    }
    fillBody(p, b.body, QColor(224, 224, 220), QColor(250, 250, 246), QColor(236, 236, 232));
    paintBars(p, b.body, 76, 10, 16, 0.7, QColor(150, 150, 150, 90), -10);
    const QPainterPath all = b.body.united(b.dorsal.shape).united(b.anal.shape);
    strokeInside(p, all, eyeBar(b.eye), band, 20);
    paintBars(p, all, 146, 56, 2, 28, band, 6);
    // A light rim only: a dark one would cut the fins off from the white body.
    shadeBody(p, b.body, QColor(60, 60, 60, 110), 0.35);
    paintFront(p, b, look);
}

} // namespace fishart
