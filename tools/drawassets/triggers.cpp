// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>
#include <numbers>
#include <tuple>

// Triggerfish: a deep trigger with streaming fin tips.

namespace fishart {

using namespace fishkit;

namespace {

constexpr double pi = std::numbers::pi;

// The blue margin of a trigger's fin: a band just inside the free edge that
// swells and thins along it, brightest where the fin is widest and fading
// out towards the tips, with a dark thread along the very edge.
void paintFinMargin(QPainter &p, const QPainterPath &shape, QColor blue)
{
    const Saved s(p);
    p.setClipPath(shape, Qt::IntersectClip);
    constexpr int steps = 140;
    for (int i = 0; i < steps; ++i) {
        const double t = double(i) / steps, next = double(i + 1) / steps;
        const double swell = 0.5 + 0.5 * std::sin(t * 2 * pi * 5 + 1.3) * std::sin(t * 2 * pi * 2);
        const double width = 1.6 + 3.2 * swell * swell;
        const QLineF piece(shape.pointAtPercent(t), shape.pointAtPercent(next));
        p.setPen(QPen(withAlpha(blue, int(110 + 110 * swell)), width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(piece);
        p.setPen(QPen(withAlpha(blue.lighter(130), int(60 * swell)), width * 2.2, Qt::SolidLine,
                      Qt::RoundCap));
        p.drawLine(piece);
    }
    stroke(p, shape, QColor(20, 50, 70, 90), 0.6);
}

} // namespace

// A deep triggerfish with streaming tips on the dorsal, anal and both tail
// lobes, two bright blue bands across the face and fine dark lines radiating
// from the eye.
void paintQueenTriggerfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.4, 0, 0, {36, 252}, 66, QColor(170, 140, 100), {296, 240}, 90,
              QColor(170, 80, 100));
    const QColor blue(50, 170, 250);
    const QColor finColour(90, 140, 120, 190);
    const QColor rays(60, 90, 70, 140);
    // The profile climbs in a long straight slope from the pointed snout to the
    // trigger, the back falls away more gently behind it, and the belly hangs
    // deepest under the pelvic knob: a rhomboid, not a lens.
    const BodyShape shape{{40, 142}, 206, 134, 0.46, 0.22, 0.24, 0.6, 0, 0.08, 0.55, 0, 0.2};
    // The soft dorsal (side -1) and anal (1) fins: a third of the body's
    // depth at the front, their first rays drawn out into a long trailing
    // filament, the edge behind it sloping back low to the tail stalk.
    const Fin dorsal = fin({172, 69},
                           {{178, 52},
                            {185, 38},
                            {205, 29},
                            {232, 18.5},
                            {262, 9},
                            {234, 21.5},
                            {208, 32},
                            {193, 41.5},
                            {199, 56},
                            {212, 72},
                            {228, 92},
                            {240, 108}},
                           {246, 118});
    const Fin anal = fin({170, 166},
                         {{173, 184},
                          {180, 200},
                          {196, 211},
                          {226, 225},
                          {262, 238},
                          {228, 223},
                          {200, 209.5},
                          {191, 203},
                          {200, 186},
                          {216, 166},
                          {232, 150}},
                         {244, 139.5});
    const Fin caudal = tail(TailKind::Lunate, {240, 125}, 32, 76, 146, 0.45);
    for (const Fin &f : {caudal, dorsal, anal}) {
        paintFin(p, f, finColour, rays, 20);
        paintFinMargin(p, f.shape, blue);
    }
    // The first dorsal: a tall, stout, rough spine, half raised and raked
    // well back as the fish cruises, and two much shorter spines behind it
    // lying lower still, the last a stub;
    // a thin dusky membrane joins them, slung in shallow curves from high on
    // each spine to the next, darker at its root.
    const QPointF trigger = shape.at(0.48, -0.97);
    const QPointF tip1 = trigger + QPointF(33, -24), tip2 = trigger + QPointF(25, -9),
                  tip3 = trigger + QPointF(24, -3.5);
    const QPointF root2 = trigger + QPointF(10, 1.5), root3 = trigger + QPointF(18, 2.5);
    const auto on = [](QPointF root, QPointF tip, double t) { return root + (tip - root) * t; };
    QPainterPath web(trigger + QPointF(2, 4));
    web.lineTo(on(trigger, tip1, 0.78) + QPointF(1.5, 0));
    web.quadTo(on(trigger, tip1, 0.5) + QPointF(7, 2), on(root2, tip2, 0.86));
    web.quadTo(on(root2, tip2, 0.45) + QPointF(4, 2), on(root3, tip3, 0.82));
    web.quadTo(root3 + QPointF(5, -1), root3 + QPointF(8, 3));
    web.closeSubpath();
    {
        QLinearGradient dusk(QPointF(0, tip1.y()), QPointF(0, trigger.y() + 4));
        dusk.setColorAt(0.0, QColor(96, 128, 118, 80));
        dusk.setColorAt(0.6, QColor(70, 104, 94, 140));
        dusk.setColorAt(1.0, QColor(52, 82, 74, 190));
        p.fillPath(web, dusk);
    }
    stroke(p, web, QColor(40, 60, 54, 70), 0.4);
    for (const auto &[root, end, width] :
         {std::tuple{trigger, tip1, 8.0}, std::tuple{root2, tip2, 3.2},
          std::tuple{root3, tip3, 2.2}}) {
        // Stout and round, blunt at the tip rather than a needle.
        // Curving back a little towards its tip.
        const QPainterPath axis = curve(root, (root + end) / 2 + QPointF(-1.6, -1.4), end);
        const QPainterPath spine = ribbon(axis, {width, width * 0.66, width * 0.3});
        // The back's own blue-green runs up the spine, darkening to horn.
        QLinearGradient up(root, end);
        up.setColorAt(0.0, QColor(34, 124, 136));
        up.setColorAt(0.5, QColor(50, 100, 96));
        up.setColorAt(1.0, QColor(44, 66, 58));
        p.fillPath(spine, up);
        anatomy::paintShadedEdge(p, spine, QColor(20, 50, 50, 90), 0.8);
        stroke(p, axis.translated(-width * 0.18, 0), QColor(190, 220, 206, 70), width * 0.2);
    }
    // The trigger's front edge is rough with small knobs.
    for (int k = 1; k < 8; ++k) {
        const QPointF at =
            trigger + (tip1 - trigger) * (k / 8.5) + QPointF(-2.0 + k * 0.2, -1.4 + k * 0.14);
        paintDisc(p, at, 0.45, 0.45, QColor(140, 160, 148, 110));
    }
    // Deep, half as deep as long, and thin-sided: the snout a long, gently
    // rounded slope up to a brow that swells over the eye, the back arching
    // broadly over the trigger and easing down to a narrow stalk; below, the
    // belly runs back from the chin almost straight to the pelvic flap, then
    // tapers evenly along the anal fin to the stalk.
    const QPainterPath body = smoothClosedPath(
        {{40, 141},    {41, 137.5},  {45, 134},    {56, 124},    {71, 110.5}, {88, 97},
         {105, 85.5},  {120, 76.5},  {134, 69.5},  {148, 64.5},  {162, 63},   {177, 65.5},
         {193, 72.5},  {209, 83},    {223, 95},    {235, 106.5}, {244, 114},  {248, 118},
         {248, 139},   {240, 141.5}, {228, 145.5}, {214, 151},   {199, 157},  {184, 163},
         {170, 168.5}, {156, 172},   {142, 173},   {127, 172},   {112, 169},  {97, 165.5},
         {82, 161.5},  {68, 157.5},  {57, 154},    {48, 150},    {41.5, 145}});
    if (!Silhouette::record(p, body)) {
        // Blue-green over the back and rear, olive over the
        // upper flank, yellow below, warming to orange on the chin and
        // chest; the colours part on a slant, the yellow reaching furthest
        // up on the head.
        QLinearGradient wash(QPointF(196, 78), QPointF(118, 180));
        wash.setColorAt(0.0, QColor(30, 128, 150));
        wash.setColorAt(0.3, QColor(70, 146, 124));
        wash.setColorAt(0.48, QColor(150, 170, 90));
        wash.setColorAt(0.66, QColor(238, 198, 76));
        wash.setColorAt(1.0, QColor(248, 148, 50));
        p.fillPath(body, wash);
        // The back is darker as it turns away from the light.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        QLinearGradient top(QPointF(0, 60), QPointF(0, 110));
        top.setColorAt(0.0, QColor(16, 84, 104, 150));
        top.setColorAt(1.0, QColor(16, 84, 104, 0));
        p.fillRect(QRectF(30, 55, 230, 60), top);
    }
    // The skin of the back rises round the foot of the trigger and its
    // membrane, so spine and fin grow out of the body rather than sit on it.
    {
        const Saved s(p);
        QPainterPath foot(trigger + QPointF(-5, 5));
        foot.quadTo(trigger + QPointF(-1, -3), on(trigger, tip1, 0.22));
        foot.quadTo(trigger + QPointF(12, -4), root3 + QPointF(9, 3));
        foot.quadTo(trigger + QPointF(8, 7), trigger + QPointF(-5, 5));
        QLinearGradient rise(QPointF(0, trigger.y() + 6), QPointF(0, trigger.y() - 6));
        rise.setColorAt(0.0, QColor(34, 132, 146));
        rise.setColorAt(0.6, QColor(36, 126, 136, 230));
        rise.setColorAt(1.0, QColor(40, 112, 118, 0));
        p.fillPath(foot, rise);
    }
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        // The two blue bands are pigment in the skin, sharp edged: the upper
        // from the corner of the mouth below the eye to the pectoral's base,
        // the lower from the chin back across the throat; each swells a
        // little along its length and tapers at its ends.
        for (const QPainterPath &line :
             {curveThrough({{45, 143}, {72, 131}, {104, 119}, {132, 113.5}, {154, 116}}),
              curveThrough({{49, 150.5}, {76, 155.5}, {104, 160.5}, {130, 165.5}})}) {
            p.fillPath(ribbon(line, {2.2, 4.0, 4.4, 4.6, 4.0, 1.4}), QColor(20, 96, 170, 150));
            p.fillPath(ribbon(line, {1.6, 3.2, 3.6, 3.8, 3.2, 0.8}), blue);
            p.fillPath(ribbon(line.translated(0, -0.5), {0.4, 1.2, 1.2, 1.3, 0.9, 0.2}),
                       QColor(190, 236, 255, 170));
        }
        // The ring of blue round the tail stalk.
        p.fillPath(ribbon(curve({239, 109}, {235, 127}, {239, 145}), {1.2, 3.4, 3.8, 3.0, 1.0}),
                   blue);
    }
    // The eye sits high and far back, a long face ahead of it.
    const QPointF eye(130, 84);
    {
        // A few thin dark streaks in the skin run out from the rim of the eye
        // and fade away within one or two eye widths: most down and back over
        // the cheek, two up over the forehead and one forward, each bending a
        // little as the rounded head turns away from the eye.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        struct Line
        {
            double angle, length;
        };
        static constexpr Line lines[] = {{-122, 14}, {-78, 11}, {28, 15},
                                         {62, 22},   {96, 19},  {160, 15}};
        const QPointF droop = QPointF(0.45, 1) / std::hypot(0.45, 1.0);
        for (const Line &k : lines) {
            const QPointF d(std::cos(k.angle * pi / 180), std::sin(k.angle * pi / 180));
            const QPointF bend = (droop - d * QPointF::dotProduct(droop, d)) * k.length * 0.22;
            const QPointF from = eye + d * 5.6, to = from + d * k.length + bend;
            const QPainterPath line = curve(from, from + d * k.length * 0.5 + bend * 0.9, to);
            QLinearGradient fade(from, to);
            fade.setColorAt(0.0, QColor(60, 58, 36, 120));
            fade.setColorAt(0.2, QColor(60, 58, 36, 150));
            fade.setColorAt(0.55, QColor(60, 58, 36, 90));
            fade.setColorAt(1.0, QColor(70, 60, 32, 0));
            p.fillPath(ribbon(line, {1.0, 1.15, 0.85, 0.45, 0.1}), fade);
        }
    }
    modelBody(p, body, 236, QColor(50, 70, 60), 1.0);
    {
        // The tail springs from the stalk instead of the stalk ending in a knob.
        const Saved s(p);
        QPainterPath root;
        root.addRect(QRectF(230, 0, 90, 240));
        p.setClipPath(root.subtracted(oval({222, 125}, 20, 36)), Qt::IntersectClip);
        paintFin(p, caudal, finColour, rays, 20);
        paintFinMargin(p, caudal.shape, blue);
    }
    // The groove in the back behind the spines, into which they fold flat.
    strokeInside(p, body, curveThrough({{146, 63}, {158, 64}, {171, 68.5}}),
                 QColor(30, 46, 44, 170), 1.2);
    strokeInside(p, body, curveThrough({{146, 64.4}, {158, 65.4}, {171, 70}}),
                 QColor(200, 220, 200, 60), 0.7);
    anatomy::paintNaturalEye(p, eye, 6.2, QColor(170, 120, 50), 0.46);
    {
        // The small mouth at the snout tip between strong, fleshy lips that
        // close over the teeth, a short dark gape between them.
        const QPointF m(41.5, 142.2);
        const QPainterPath upper = smoothClosedPath(
            {m + QPointF(-1.4, -0.2), m + QPointF(0.6, -2.2), m + QPointF(4.5, -4.4),
             m + QPointF(7.5, -3.4), m + QPointF(4, -0.6), m + QPointF(1, 0)});
        const QPainterPath lower =
            smoothClosedPath({m + QPointF(-1, 0.4), m + QPointF(3, 0.6), m + QPointF(7, 2.6),
                              m + QPointF(5, 4.2), m + QPointF(1.2, 2.6)});
        fillBody(p, lower, QColor(214, 164, 80), QColor(200, 146, 66), QColor(160, 108, 46));
        fillBody(p, upper, QColor(120, 150, 110), QColor(170, 162, 90), QColor(176, 130, 62));
        stroke(p, curve(m + QPointF(-1, 0.1), m + QPointF(3, 0.5), m + QPointF(7, 0.3)),
               QColor(50, 36, 24, 190), 0.7);
        stroke(p, curve(m + QPointF(6.8, -1.6), m + QPointF(8.6, 0.3), m + QPointF(6.4, 2.4)),
               QColor(90, 66, 40, 110), 0.6);
    }
    stroke(p, curve({151, 100}, {148, 107}, {148, 114}), QColor(60, 70, 60, 90), 1.1);
    // The small pectoral grows from behind the gill slit, clear of the face
    // line: a short fan of stiff rays with clear membrane between them.
    anatomy::paintGrownPectoral(p, {154, 104}, {155, 117},
                                {{162, 99},
                                 {172, 96.5},
                                 {182, 98.5},
                                 {188, 103},
                                 {187.5, 108},
                                 {182, 113},
                                 {172, 117},
                                 {162, 119}},
                                QColor(140, 164, 96, 210), QColor(170, 190, 140, 70),
                                QColor(70, 96, 60, 190));
    {
        // The pelvic rudiment at the end of the belly: a short rough spine
        // lying back, and the fold of skin behind it running back to the anal fin.
        // The belly is shallower than the placing shape's and deepest further
        // back, so the flap moves up and back with it.
        const Saved raised(p);
        p.translate(8, -35);
        const QPointF knob = shape.at(0.42, 0.99);
        p.translate(knob);
        p.rotate(5);
        p.translate(-knob);
        const QPainterPath flap =
            smoothClosedPath({shape.at(0.4, 0.96), knob + QPointF(4, 5), knob + QPointF(16, 4.5),
                              shape.at(0.62, 0.97), shape.at(0.55, 0.9)});
        fillBody(p, flap, QColor(220, 160, 60), QColor(200, 140, 50), QColor(150, 100, 40));
        strokeInside(
            p, QPainterPath().united(flap),
            curve(knob + QPointF(4, 4.5), knob + QPointF(10, 5.5), knob + QPointF(16, 4.3)),
            QColor(90, 60, 30, 120), 0.6);
        const QPainterPath spine =
            ribbon(curve(knob, knob + QPointF(4, 3), knob + QPointF(9, 4.6)), {3.2, 2.0, 0.4});
        fillBody(p, spine, QColor(120, 110, 80), QColor(90, 80, 60), QColor(60, 52, 40));
        stroke(p, spine, QColor(40, 36, 30, 160), 0.4);
    }
}

} // namespace fishart
