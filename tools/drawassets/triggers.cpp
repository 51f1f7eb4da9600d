// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>
#include <vector>

// Triggerfish and puffers: a deep trigger, a ball of spines.

namespace fishart {

using namespace fishkit;

namespace {

constexpr double pi = std::numbers::pi;

// How wide a Porcupinefish spine `length` long is at its root, each side:
// a stout quill, about four times as long as it is broad at the skin.
double spineHalf(double length)
{
    return std::max(0.8, length / 8);
}

// The outline of a Porcupinefish spine from `root` along `dir`, `half` wide
// at its root each side: rounded off where it sinks into the skin, then a
// cone whose sides curve in a little to a sharp point.
QPainterPath spineOutline(QPointF root, QPointF dir, double length, double half)
{
    const QPointF n(-dir.y(), dir.x());
    QPolygonF left, right;
    constexpr int steps = 16;
    for (int k = 0; k <= steps; ++k) {
        const double t = double(k) / steps;
        const double w =
            t < 0.06 ? half * std::sqrt(t / 0.06) : half * std::pow(1.0 - (t - 0.06) / 0.94, 1.2);
        const QPointF c = root + dir * length * t;
        left << c + n * w;
        right.prepend(c - n * w);
    }
    QPainterPath path;
    path.addPolygon(left + right);
    path.closeSubpath();
    return path;
}

// Which side of a spine along `dir` faces the light, from the upper left.
QPointF litSide(QPointF dir)
{
    const QPointF n(-dir.y(), dir.x());
    return n.x() + n.y() > 0 ? -n : n;
}

// A spine of the Porcupinefish from `root` along `dir`, `length` long: a
// quill of the skin's own tan, round in section, so lit along the side
// towards the light and shaded along the other, darkening to brown over
// its outer half to the point. A spine lying back on the skin (`shadow`
// valid) stands a little off it, so its shadow leaves the root and falls
// away from the light, further off towards the point.
void paintSpine(QPainter &p, QPointF root, QPointF dir, double length, QColor skin,
                QColor shadow = {})
{
    const double half = spineHalf(length);
    const QPointF lit = litSide(dir);
    if (shadow.isValid()) {
        QPointF fall = dir - lit * 0.22;
        fall /= std::hypot(fall.x(), fall.y());
        const QPointF from = root - lit * half * 0.6 + dir * 0.6;
        for (const auto &[grow, share] : {std::pair{1.8, 0.4}, std::pair{1.1, 0.85}}) {
            QLinearGradient fade(from, from + fall * length);
            fade.setColorAt(0.0, withAlpha(shadow, int(shadow.alpha() * share)));
            fade.setColorAt(0.6, withAlpha(shadow, int(shadow.alpha() * share * 0.6)));
            fade.setColorAt(1.0, withAlpha(shadow, 0));
            p.fillPath(spineOutline(from, fall, length * 0.95, half * grow), fade);
        }
    }
    const QPainterPath rod = spineOutline(root, dir, length, half);
    QLinearGradient across(root + lit * half, root - lit * half);
    across.setColorAt(0.0, skin.lighter(106));
    across.setColorAt(0.3, skin.lighter(116));
    across.setColorAt(0.55, skin.darker(106));
    across.setColorAt(1.0, skin.darker(160));
    p.fillPath(rod, across);
    // The point darkens to brown, the shading still showing through it.
    const QColor tip(78, 52, 26);
    QLinearGradient along(root, root + dir * length);
    along.setColorAt(0.0, withAlpha(tip, 0));
    along.setColorAt(0.25, withAlpha(tip, 0));
    along.setColorAt(0.7, withAlpha(tip, 160));
    along.setColorAt(1.0, withAlpha(tip, 230));
    p.fillPath(rod, along);
    stroke(p, rod, withAlpha(skin.darker(220), 60), 0.25);
}

// The skin raised into a low mound round the root of a spine `length` long
// at `root` lying back along `dir`: drawn out along the spine, lit on the
// side towards the light and shaded on the other, its edge swelling out of
// the body with no line.
void paintSocket(QPainter &p, QPointF root, QPointF dir, double length, QColor skin)
{
    const Saved s(p);
    const double angle = std::atan2(dir.y(), dir.x());
    const double size = std::min(length * 0.32, 4.2);
    p.translate(root + dir * size * 0.1);
    p.rotate(angle * 180.0 / pi);
    // Squashed across the spine, so each soft round patch becomes an oval
    // that fades out on every side.
    p.scale(1.0, 0.6);
    // The light, from the upper left, turned into the socket's frame.
    const QPointF light =
        QPointF(-std::cos(angle) - std::sin(angle), std::sin(angle) - std::cos(angle)) /
        std::sqrt(2.0);
    paintGlow(p, -light * size * 0.4, size * 1.25, withAlpha(skin.darker(170), 200));
    paintGlow(p, light * size * 0.3, size * 0.95, withAlpha(skin.lighter(122), 230));
}

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

// Slim, as it cruises when left alone, its spines laid back along the skin:
// a broad, blunt head with large eyes and a beak of fused teeth in thick
// lips; the body tapering behind the broad pectorals to a narrow stalk, the
// short rounded dorsal and anal fins set far back by a rounded tail; tan to
// olive above, pale below, with small black spots over back, flanks and fins.
void paintPorcupinefish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.3, 214, 0, {30, 232}, 48, QColor(176, 150, 96), {296, 232}, 150,
              QColor(140, 70, 130));
    paintCoralHead(p, QPointF(286, 238), 34, QColor(140, 150, 96));
    const QColor back(118, 102, 60), flank(184, 162, 110), belly(240, 232, 210);
    const QColor finColour(170, 150, 100, 190), rays(80, 62, 36, 150), spineShade(96, 76, 44);
    const QColor spot(28, 22, 16);

    // Widest across the head and shoulders, the back arching low over the
    // pectorals and falling to a stalk a fifth of the depth.
    const QPainterPath body = smoothClosedPath(
        {{35, 124},  {39, 108},  {52, 94},   {72, 84},   {100, 78},  {132, 79},  {162, 86},
         {190, 96},  {214, 106}, {232, 112}, {246, 114}, {246, 132}, {232, 134}, {212, 140},
         {188, 150}, {160, 160}, {128, 167}, {98, 167},  {70, 161},  {50, 151},  {38, 139}});

    paintCastShadow(p, body, 222);
    const Fin tailFin = tail(TailKind::Rounded, {240, 123}, 20, 40, 48);
    const Fin dorsal = fin({206, 103}, {{211, 89}, {221, 83}, {231, 90}}, {236, 110});
    const Fin anal = fin({206, 145}, {{211, 158}, {221, 164}, {231, 157}}, {236, 136});
    // Thin soft-rayed fins the water shows through towards their edges.
    paintSheerFin(p, tailFin, finColour, rays, 16);
    paintSheerFin(p, dorsal, finColour, rays, 11);
    paintSheerFin(p, anal, QColor(206, 192, 150, 190), rays, 11);
    for (const auto &[f, root, skin] :
         {std::tuple{&tailFin, QPointF(244, 123), QColor(170, 146, 96)},
          std::tuple{&dorsal, QPointF(218, 104), QColor(150, 128, 80)},
          std::tuple{&anal, QPointF(218, 144), QColor(214, 198, 160)}}) {
        const Saved s(p);
        p.setClipPath(f->shape, Qt::IntersectClip);
        paintGlow(p, root, 14, withAlpha(skin, 200));
    }
    // Fewer, smaller spots out on the fins, none on their clear margins.
    anatomy::paintFreckles(p, tailFin.shape.intersected(oval({258, 123}, 22, 26)), 9, 0.4, 1.4,
                           withAlpha(spot, 210), 301, {248, 123}, 20);
    anatomy::paintFreckles(p, dorsal.shape.intersected(oval({220, 98}, 10, 10)), 8, 0.4, 1.2,
                           withAlpha(spot, 200), 302, {216, 102}, 10);

    QRandomGenerator rng(3001);
    const auto unit = [](QPointF v) { return v / std::max(1e-6, std::hypot(v.x(), v.y())); };
    // Longest over the nape and shoulders, about an eye across, short on the
    // snout and the stalk, and no two quite alike.
    const auto reach = [&rng](double x) {
        const double hump = std::exp(-std::pow((x - 118) / 56, 2));
        return (5 + 9 * hump) * (0.8 + 0.35 * rng.generateDouble());
    };
    // Turned by up to `spread` degrees either way.
    const auto veer = [&rng](QPointF v, double spread) {
        const double a = (rng.generateDouble() * 2 - 1) * spread * pi / 180;
        return QPointF(v.x() * std::cos(a) - v.y() * std::sin(a),
                       v.x() * std::sin(a) + v.y() * std::cos(a));
    };
    // Along the back and belly the laid-back spines stand well off the skin,
    // so their points break the outline; their roots are under the skin.
    for (double t = 0.02; t < 0.98; t += 0.02 + 0.02 * rng.generateDouble()) {
        const QPointF at = body.pointAtPercent(t);
        if (at.x() < 56 || at.x() > 226)
            continue;
        const double a = body.angleAtPercent(t) * pi / 180;
        QPointF along(std::cos(a), -std::sin(a));
        if (along.x() < 0)
            along = -along;
        const QPointF out(0, at.y() < 123 ? -1 : 1);
        const QPointF dir = unit(veer(along + out * 0.7, 10));
        const QColor skin = at.y() < 123 ? QColor(150, 130, 84) : QColor(196, 182, 146);
        paintSpine(p, at - out * 1.2 - dir * 1.5, dir, reach(at.x()) * 1.1, skin);
    }

    fillBody(p, body, back, flank, belly);
    {
        // The spots keep to the back and flanks, largest over the shoulders,
        // smaller on the head and towards the tail, none on the pale belly.
        QPainterPath upper;
        upper.addPolygon(QPolygonF({QPointF(0, 0), QPointF(320, 0), QPointF(320, 128 + 260 * 0.08),
                                    QPointF(0, 128 - 60 * 0.08)}));
        const QPainterPath spotted = body.intersected(upper)
                                         .subtracted(oval({78, 103}, 12, 12))
                                         .subtracted(oval({30, 124}, 18, 40));
        anatomy::paintFreckles(p, spotted, 8, 0.6, 2.3, withAlpha(spot, 225), 3004, {140, 104}, 80);
    }
    {
        // Over the skin the spines lie back towards the tail, each from its
        // own low socket, scattered unevenly rather than in rows: each root
        // keeps a little room round it. Drawn from the tail forwards, so each
        // front spine lies over the roots of those behind.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        std::vector<QPointF> roots;
        for (int k = 0; k < 4000; ++k) {
            const QPointF at(48 + 188 * rng.generateDouble(), 80 + 90 * rng.generateDouble());
            const double room = 8 + 4 * rng.generateDouble();
            if (body.contains(at) && std::none_of(roots.begin(), roots.end(), [&](QPointF r) {
                    return QLineF(r, at).length() < room;
                }))
                roots.push_back(at);
        }
        std::sort(roots.begin(), roots.end(),
                  [](QPointF a, QPointF b) { return a.x() + a.y() * 0.2 > b.x() + b.y() * 0.2; });
        for (const QPointF &root : roots) {
            if (QLineF(root, {78, 103}).length() < 14 || root.x() < 50 || root.x() > 232 ||
                QLineF(root, {116, 124}).length() < 20)
                continue;
            // The spines follow the taper of the body towards the tail stalk,
            // splaying a little outward over the back and belly, each at its
            // own slant.
            const QPointF dir = unit(
                veer(unit(QPointF(246, 123) - root) + QPointF(0.6, (root.y() - 123) / 120), 16));
            // Each quill is the colour of the skin it grows from, darkening
            // with it into the shade of the lower flank.
            const double down = std::clamp((root.y() - 80) / 86, 0.0, 1.0);
            const QColor tone = down < 0.5 ? blend(back, flank, down * 2)
                                           : blend(flank, belly.darker(112), down * 2 - 1);
            const QColor skin = tone.darker(98 + rng.bounded(12));
            const double length = reach(root.x()) * 1.1;
            // The spine grows out of a small raised socket of skin and, lying
            // close along the body, throws a soft shadow on it below.
            paintSocket(p, root, dir, length, skin);
            paintSpine(p, root, dir, length, skin, withAlpha(spineShade, 150));
        }
    }
    shadeBody(p, body, QColor(90, 72, 40, 160));
    // The small gill opening just in front of the pectoral's base.
    {
        const QPainterPath slit = curveThrough({{103, 113}, {101.5, 122}, {103, 131}});
        p.fillPath(ribbon(slit, {0.3, 1.6, 1.2, 0.3}), QColor(70, 54, 30, 150));
        p.fillPath(ribbon(slit.translated(1.2, 0), {0.2, 1.0, 0.8, 0.2}),
                   QColor(236, 222, 184, 70));
    }
    // A broad fin swept back from a fleshy base, its upper rays the longest,
    // lying back against the flank and seen a little edge-on, the skin's
    // colour running out into it and clearing only towards its wavy edge.
    anatomy::paintGrownPectoral(
        p, {104.5, 109}, {106, 136},
        {{114, 104.5}, {126, 104}, {135, 108}, {138.5, 115}, {137, 123}, {131, 130.5}, {119, 138}},
        QColor(188, 164, 112, 225), QColor(200, 180, 128, 120), QColor(110, 82, 36, 160));
    anatomy::paintFreckles(p, oval({122, 121}, 8, 11), 6, 0.4, 1.0, withAlpha(spot, 110), 303);

    // The broad, blunt snout is paler round the mouth.
    paintGlow(p, {42, 128}, 12, QColor(236, 226, 200, 150));
    {
        // The mouth at the tip of the snout, a little open: the ivory rims of
        // the fused upper and lower beak plates in a dark gape, and over them
        // the thick upper and lower lips, each a rounded roll lit on top.
        const Saved s(p);
        p.translate(-46, 5);
        p.fillPath(smoothClosedPath({{81.4, 122.6},
                                     {87, 121.6},
                                     {93.6, 122.2},
                                     {94.4, 124.4},
                                     {87, 125.8},
                                     {81.6, 125.4}}),
                   QColor(62, 44, 28, 235));
        const auto plate = [&p](std::initializer_list<QPointF> edge, QColor from, QColor to) {
            QLinearGradient g(QPointF(0, 121.8), QPointF(0, 126));
            g.setColorAt(0.0, from);
            g.setColorAt(1.0, to);
            p.fillPath(smoothClosedPath(edge), g);
        };
        // The beak: the fused tooth plates of each jaw, ivory, standing a
        // little proud of the lips at the front, each with its middle seam.
        plate(
            {{81.2, 122.6}, {87, 121.4}, {92.8, 122.2}, {92.4, 124.1}, {87, 123.8}, {81.6, 124.2}},
            QColor(216, 202, 168), QColor(168, 152, 118));
        plate(
            {{81.8, 124.6}, {87, 124.3}, {91.8, 124.5}, {91.4, 126.0}, {87, 126.3}, {82.2, 125.8}},
            QColor(198, 184, 150), QColor(140, 124, 94));
        stroke(p, curve({86.8, 121.6}, {87.1, 122.7}, {86.9, 123.7}), QColor(140, 120, 90, 150),
               0.35);
        stroke(p, curve({86.9, 124.4}, {87.1, 125.3}, {86.9, 126.2}), QColor(120, 100, 76, 150),
               0.35);
        // The thick lips close over most of the beak, so only its front
        // edge and a thin line of plate show between them.
        const QPainterPath upperLip = smoothClosedPath({{82.4, 122.6},
                                                        {85.4, 119.8},
                                                        {90, 119.2},
                                                        {94, 120.4},
                                                        {95.8, 123.4},
                                                        {93.2, 123.4},
                                                        {89, 123.1},
                                                        {85.4, 123.2}});
        const QPainterPath lowerLip = smoothClosedPath({{83.4, 125.2},
                                                        {88, 124.9},
                                                        {92.2, 124.8},
                                                        {95.4, 124.6},
                                                        {93.8, 128.2},
                                                        {89, 129.2},
                                                        {85, 128.2}});
        for (const auto &[lip, top, bottom] :
             {std::tuple{&upperLip, QColor(204, 184, 134), QColor(150, 126, 80)},
              std::tuple{&lowerLip, QColor(208, 192, 150), QColor(146, 124, 82)}}) {
            QLinearGradient roll(QPointF(0, lip->boundingRect().top()),
                                 QPointF(0, lip->boundingRect().bottom()));
            roll.setColorAt(0.0, top);
            roll.setColorAt(0.45, top.darker(104));
            roll.setColorAt(1.0, bottom);
            p.fillPath(*lip, roll);
            stroke(p, *lip, QColor(96, 74, 42, 60), 0.35);
        }
        // The fold of the cheek running back and down from the corner of the mouth.
        stroke(p, curve({96, 124}, {100, 127}, {100, 132}), QColor(110, 90, 60, 60), 1.6);
    }
    // The large eye sits high on the broad head, bulging in a rim of skin
    // with a fold beneath it.
    const QPainterPath socket = oval({78, 103}, 11, 10);
    fillBody(p, socket, QColor(176, 154, 102), QColor(160, 138, 90), QColor(130, 110, 70));
    stroke(p, curve({69, 110}, {78, 115.5}, {88, 110}), QColor(90, 72, 40, 120), 1.1);
    anatomy::paintNaturalEye(p, {78, 102.5}, 7.6, QColor(104, 108, 44), 0.6);
}

} // namespace fishart
