// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>
#include <vector>

// Triggerfish: a deep trigger with streaming fin tips.

namespace fishart {

using namespace fishkit;

namespace {

constexpr double pi = std::numbers::pi;

// The blue margin of a trigger's fin: pigment in the membrane along its free
// edge, deepest at the rim and fading inwards into the fin's own tone.
void paintFinMargin(QPainter &p, const Fin &f, QColor blue)
{
    const Saved s(p);
    p.setClipPath(f.shape, Qt::IntersectClip);
    for (const auto &[width, alpha] : {std::pair{9.0, 44}, std::pair{5.6, 70}, std::pair{2.6, 110}})
        stroke(p, f.edge, withAlpha(blue, alpha), width);
}

// The top and bottom of `body` over each `step`-wide column, front to back.
struct Column
{
    double x, top, bottom;
};

std::vector<Column> columns(const QPainterPath &body, double step)
{
    std::vector<Column> out;
    const QRectF box = body.boundingRect();
    for (double x = box.left(); x < box.right(); x += step) {
        QPainterPath slice;
        slice.addRect(QRectF(x, box.top() - 1, step, box.height() + 2));
        const QRectF r = body.intersected(slice).boundingRect();
        if (!r.isEmpty())
            out.push_back({x, r.top(), r.bottom()});
    }
    return out;
}

// The queen's colours run round the flank, column by column: a dark
// blue-green back, olive on the upper flank, then yellow below. The yellow
// climbs highest over the head and throat, warming to orange at the chin,
// and sinks towards the stalk, which stays blue-green.
void paintQueenColours(QPainter &p, const std::vector<Column> &cols, double step)
{
    for (const Column &c : cols) {
        const double head = std::clamp((c.x - 60) / 170, 0.0, 1.0);
        const double parting = 0.5 + 0.32 * head * head;
        QLinearGradient g(QPointF(0, c.top), QPointF(0, c.bottom));
        g.setColorAt(0.0, QColor(18, 92, 112));
        g.setColorAt(0.16, QColor(34, 128, 144));
        g.setColorAt(parting - 0.2, QColor(70, 148, 128));
        g.setColorAt(parting - 0.05, QColor(150, 168, 96));
        g.setColorAt(std::min(parting + 0.1, 0.97),
                     blend(QColor(236, 196, 80), QColor(120, 160, 112), head * head));
        g.setColorAt(1.0, blend(QColor(244, 150, 54), QColor(150, 160, 96), head));
        p.fillRect(QRectF(c.x - step * 0.25, c.top - 1, step * 1.5, c.bottom - c.top + 2), g);
    }
}

// Triggerfish skin is a mail of small hard plates laid round the flank in
// diamonds, the rows crowding together where the body turns away from view.
// Each plate is only a slight swell of tone, lighter at its centre on the
// lit upper flank, with no line between plates, fainter over the face and
// fading out towards back, belly and stalk.
void paintPlates(QPainter &p, const std::vector<Column> &cols, double cell, QColor light)
{
    const double row = 0.13;
    for (const Column &c : cols) {
        const double fade =
            std::clamp((c.x - 70) / 60, 0.25, 1.0) * std::clamp((244 - c.x) / 24, 0.0, 1.0);
        if (fade <= 0)
            continue;
        QLinearGradient g(QPointF(0, c.top), QPointF(0, c.bottom));
        for (int k = 0; k <= 160; ++k) {
            const double y = -0.999 + 1.998 * k / 160;
            const double phi = std::asin(std::clamp(y / 0.96, -1.0, 1.0));
            // The plate's place in the two diagonal rows that cross here.
            const double a = phi / row + c.x / cell, b = -phi / row + c.x / cell;
            const double swell =
                std::sin(pi * (a - std::floor(a))) * std::sin(pi * (b - std::floor(b)));
            const double lit = std::pow(std::max(0.0, std::cos(phi)), 0.7) * (0.75 - 0.5 * y);
            g.setColorAt(k / 160.0, withAlpha(light, int(light.alpha() * fade * lit * swell)));
        }
        p.fillRect(QRectF(c.x, c.top - 1, 0.5, c.bottom - c.top + 2), g);
    }
}

// Rays for a soft fin whose long first rays stream out into a filament at
// `tip`: each runs straight from its root until it leaves the fin, the front
// ones towards the filament and those behind lower and lower, `rear` the
// direction of the last, so that none crosses another.
Fin streamingRays(Fin f, QPointF tip, QPointF rear, int count)
{
    f.tips.clear();
    const QPointF front = tip - f.base.p1();
    for (int i = 0; i < count; ++i) {
        const double u = double(i) / (count - 1);
        const QPointF root = f.base.pointAt((i + 0.5) / count);
        const QPointF d = front / std::hypot(front.x(), front.y()) * (1 - u) +
                          rear / std::hypot(rear.x(), rear.y()) * u;
        const QPointF step = d / std::hypot(d.x(), d.y()) * 0.5;
        QPointF end = root;
        bool inside = false;
        for (int k = 0; k < 400; ++k) {
            const QPointF next = end + step;
            if (f.shape.contains(next))
                inside = true;
            else if (inside)
                break;
            end = next;
        }
        f.tips.push_back(end);
    }
    return f;
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
    // The fins' margins are a softer, greyer blue than the face's bands.
    const QColor margin(70, 150, 200);
    const QColor finColour(90, 140, 120, 190);
    const QColor rays(60, 90, 70, 140);
    // Places the trigger and the pelvic flap; the outline itself is drawn
    // point by point below.
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
    const Fin anal = fin({168, 172},
                         {{172, 188},
                          {179, 203},
                          {195, 213},
                          {226, 225},
                          {262, 238},
                          {228, 223},
                          {200, 211},
                          {191, 205},
                          {200, 188},
                          {216, 166},
                          {232, 150}},
                         {244, 139.5});
    const Fin caudal = tail(TailKind::Lunate, {240, 125}, 32, 76, 146, 0.45);
    const Fin rayedDorsal = streamingRays(dorsal, {262, 9}, {1, -0.3}, 16);
    const Fin rayedAnal = streamingRays(anal, {262, 238}, {1, 0.3}, 14);
    for (const Fin &f : {caudal, rayedDorsal, rayedAnal}) {
        paintFin(p, f, finColour, rays, 20);
        paintFinMargin(p, f, margin);
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
    // Deep and thin-sided, the depth well over half the length: a small
    // blunt mouth with thick lips, the profile climbing from it in a long,
    // slightly swelling slope to the trigger, the back arching broadly over
    // it and easing down to a short narrow stalk; below, the chin drops into
    // a deep round belly that tapers evenly along the anal fin to the stalk.
    const QPainterPath body = smoothClosedPath(
        {{40, 138.5}, {42.5, 134.5}, {47, 129},    {56, 120},    {67, 109.5},  {80, 99},
         {94, 89.5},  {107, 82},     {120, 76.5},  {134, 69.5},  {148, 64.5},  {162, 63},
         {177, 65.5}, {193, 72.5},   {209, 83},    {223, 95},    {235, 106.5}, {244, 114},
         {248, 118},  {248, 139},    {240, 142},   {229, 146.5}, {217, 152},   {204, 158.5},
         {190, 165},  {176, 171},    {163, 175.5}, {150, 178.5}, {136, 180},   {120, 180},
         {104, 178},  {88, 174.5},   {73, 169},    {60, 162},    {50, 155},    {44, 150.5},
         {41, 147},   {39.5, 143}});
    if (!Silhouette::record(p, body)) {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        const std::vector<Column> cols = columns(body, 0.5);
        paintQueenColours(p, cols, 0.5);
        paintPlates(p, cols, 7.0, QColor(255, 250, 220, 16));
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
              curveThrough({{48, 151}, {74, 158}, {101, 164.5}, {128, 169.5}})}) {
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
        paintFinMargin(p, caudal, margin);
    }
    // The groove in the back behind the spines, into which they fold flat.
    strokeInside(p, body, curveThrough({{146, 63}, {158, 64}, {171, 68.5}}),
                 QColor(30, 46, 44, 170), 1.2);
    strokeInside(p, body, curveThrough({{146, 64.4}, {158, 65.4}, {171, 70}}),
                 QColor(200, 220, 200, 60), 0.7);
    anatomy::paintNaturalEye(p, eye, 6.2, QColor(170, 120, 50), 0.46);
    {
        // The small mouth at the blunt snout tip between thick, fleshy lips
        // that close over the teeth and stand out a little from the face, a
        // short dark gape between them.
        const QPointF m(40.5, 142.2);
        const Saved s(p);
        p.translate(m);
        p.scale(1.4, 1.4);
        p.translate(-m);
        const QPainterPath upper = smoothClosedPath(
            {m + QPointF(-1.4, -0.2), m + QPointF(0.6, -2.2), m + QPointF(4.5, -4.4),
             m + QPointF(7.5, -3.4), m + QPointF(4, -0.6), m + QPointF(1, 0)});
        const QPainterPath lower =
            smoothClosedPath({m + QPointF(-1, 0.4), m + QPointF(3, 0.6), m + QPointF(7, 2.6),
                              m + QPointF(5, 4.2), m + QPointF(1.2, 2.6)});
        fillBody(p, lower, QColor(232, 178, 92), QColor(214, 154, 70), QColor(168, 110, 46));
        fillBody(p, upper, QColor(100, 140, 112), QColor(176, 166, 92), QColor(190, 138, 64));
        for (const QPainterPath &lip : {upper, lower})
            anatomy::paintShadedEdge(p, lip, QColor(90, 60, 30, 110), 0.6);
        stroke(p, curve(m + QPointF(0.4, -1.2), m + QPointF(3, -2.6), m + QPointF(5.6, -3.2)),
               QColor(255, 236, 180, 90), 0.5);
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
        p.translate(8, -31);
        const QPointF knob = shape.at(0.42, 0.99);
        p.translate(knob);
        p.rotate(5);
        p.translate(-knob);
        const QPainterPath flap =
            smoothClosedPath({shape.at(0.4, 0.96), knob + QPointF(4, 5), knob + QPointF(16, 4.5),
                              shape.at(0.62, 0.97), shape.at(0.55, 0.9)});
        fillBody(p, flap, QColor(204, 166, 84), QColor(188, 146, 70), QColor(140, 102, 46));
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
