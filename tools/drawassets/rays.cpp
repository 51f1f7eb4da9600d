// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rays.h"

#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

// The Southern Stingray, seen from above resting on the sand, and what the rays share.

namespace fishart {

using namespace fishkit;

namespace rays {

QPainterPath pelvicPair(std::initializer_list<QPointF> right)
{
    const QPainterPath lobe = smoothClosedPath(right);
    return lobe.united(QTransform::fromScale(-1, 1).map(lobe));
}

void paintSting(QPainter &p, QPointF root, QPointF to, double length, QColor edge, QColor bone)
{
    const QPointF d = (to - root) / std::max(1e-6, QLineF(root, to).length());
    const QPointF n(-d.y(), d.x());
    const double half = std::max(1.5, length * 0.058);
    QPolygonF barb{root + n * half * 0.7};
    for (int i = 1; i <= 9; ++i) {
        const double t = i / 10.0, w = half * (1.0 - t * 0.85);
        barb << root + d * length * (t - 0.05) + n * w << root + d * length * t + n * (w + 0.3);
    }
    barb << root + d * length;
    for (int i = 9; i >= 1; --i) {
        const double t = i / 10.0, w = half * (1.0 - t * 0.85);
        barb << root + d * length * t - n * (w + 0.3) << root + d * length * (t - 0.05) - n * w;
    }
    barb << root - n * half * 0.7;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 24, 12, 110));
    p.drawPolygon(barb.translated(0.5, 0.7));
    // Sheathed in the tail's skin at its root, bare bone towards the point.
    QLinearGradient blade(root, root + d * length);
    blade.setColorAt(0.0, withAlpha(edge.lighter(150), 0));
    blade.setColorAt(0.3, withAlpha(bone, 240));
    blade.setColorAt(1.0, bone.darker(139));
    p.setBrush(blade);
    p.drawPolygon(barb);
    // Its toothed edges are a darker horn, so the blade reads on a pale tail.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(edge.darker(160), 170), 0.45));
    p.drawPolygon(barb);
    QPainterPath ridge(root + d * length * 0.3 + n * half * 0.2);
    ridge.lineTo(root + d * length * 0.9);
    stroke(p, ridge, QColor(230, 222, 196, 90), 0.4);
}

void paintContactShadow(QPainter &p, const QPainterPath &shape, QPointF away)
{
    if (Silhouette::active(p))
        return;
    const Saved s(p);
    QPainterPath around;
    around.addRect(shape.boundingRect().adjusted(-20, -20, 20, 20));
    p.setClipPath(around.subtracted(shape), Qt::IntersectClip);
    for (int i = 10; i >= 1; --i)
        stroke(p, shape.translated(away * (0.16 * i)), QColor(64, 46, 20, 11), 0.84 * i);
}

} // namespace rays

using namespace rays;

namespace {

// The Southern Stingray's disc, head up: an obtuse snout, leading edges
// bowed gently outwards, the outer corners pointed but rounded off over a
// finger's width, fuller trailing edges, and the pelvic fins growing out of
// the rear margin either side of the tail's root.
QPainterPath southernDisc()
{
    return mirroredOutline({{0, -84},      {4, -82.5},   {9, -79.6},  {17, -74.6},   {32, -66.2},
                            {50, -54.2},   {66, -41.4},  {78.5, -30}, {86.5, -21.8}, {90.2, -16.6},
                            {89.8, -12.4}, {86.2, -6.6}, {77, 6},     {64, 20.6},    {49, 34.6},
                            {34, 47},      {24, 54.5},   {20.5, 60},  {18, 67},      {14.5, 74},
                            {10, 79.5},    {6, 82},      {3, 82.6},   {0, 82.4}});
}

// The ray has shuffled down into the bottom: in drifts here and there along
// the rim the sand lies over the edge of the disc, thinning onto the skin,
// with loose grains scattered a little further in.
void paintSandDrift(QPainter &p, const QPainterPath &disc, quint32 seed)
{
    if (Silhouette::active(p))
        return;
    const Saved s(p);
    p.setClipPath(disc, Qt::IntersectClip);
    QRandomGenerator rng(seed);
    const QPointF middle = disc.boundingRect().center();
    for (double t = rng.generateDouble() * 0.08; t < 0.97;) {
        const double length = 0.025 + rng.generateDouble() * 0.07;
        const double depth = 0.6 + rng.generateDouble() * 0.8;
        for (double u = t; u < std::min(1.0, t + length); u += 0.003) {
            const double swell = std::sin((u - t) / length * std::numbers::pi);
            const QPointF at = disc.pointAtPercent(u);
            // A narrow drift at the very rim, so that the disc keeps an even tone.
            paintGlow(p, at, (1.5 + 3.2 * swell) * depth,
                      QColor(224, 206, 162, int(10 + 36 * swell)));
            if (rng.bounded(3) == 0) {
                const QPointF in = middle - at;
                const QPointF grain = at + in / std::hypot(in.x(), in.y()) *
                                               (rng.generateDouble() * 8 * depth * swell);
                const double r = 0.3 + rng.generateDouble() * 0.45;
                paintDisc(p, grain, r, r,
                          rng.bounded(3) == 0 ? QColor(120, 100, 70, 110)
                                              : QColor(250, 242, 220, 130));
            }
        }
        t += length + 0.03 + rng.generateDouble() * 0.1;
    }
}

// Points along `line` pushed `off` across it (to the right of its run) at
// each of `count` steps from `from` to `to` along its length.
std::vector<QPointF> alongside(const QPainterPath &line, double from, double to, double off,
                               int count)
{
    std::vector<QPointF> points;
    for (int i = 0; i <= count; ++i) {
        const double t = from + (to - from) * i / count;
        const double a = line.angleAtPercent(t) * std::numbers::pi / 180.0;
        points.push_back(line.pointAtPercent(t) + QPointF(std::sin(a), std::cos(a)) * off);
    }
    return points;
}

// The whip of a tail: thick at its root under the pelvic fins, drawn out to
// a thread, with the low keel along its top lit on one side and shaded on
// the other, and the serrated spine lying on it a hand behind the disc.
void paintWhip(QPainter &p, const QPainterPath &whip, QColor skin)
{
    const QPainterPath tail = ribbon(whip, {11.0, 7.4, 5.0, 3.4, 2.4, 1.7, 1.2, 0.8, 0.5});
    fillBody(p, tail, skin.darker(104), skin.darker(110), skin.darker(125));
    stroke(p, curveThrough(alongside(whip, 0.05, 0.75, -0.9, 12)),
           withAlpha(skin.lighter(135), 120), 0.9);
    stroke(p, curveThrough(alongside(whip, 0.05, 0.6, 1.2, 10)), withAlpha(skin.darker(160), 90),
           0.7);
    anatomy::paintShadedEdge(p, tail, withAlpha(skin.darker(175), 90), 0.8);
    const QPointF root = whip.pointAtPercent(0.13), ahead = whip.pointAtPercent(0.2);
    const QPointF d = (ahead - root) / std::max(1e-6, QLineF(root, ahead).length());
    // Horn-coloured, so that it reads against the skin of the tail.
    paintSting(p, root, root + d * 28, 28, blend(skin, QColor(226, 214, 182), 0.55));
}

// An eye seen from above: a low mound of skin round a dull dark lens that
// looks out sideways, and close behind it the larger spiracle, an opening
// whose front wall lies in shade and whose back rim catches the light.
void paintMoundEye(QPainter &p, QPointF eye, double size, QColor skin, double side, QPointF light)
{
    paintGlow(p, eye - light * size * 0.8, size * 2.1, withAlpha(skin.darker(165), 100));
    paintGlow(p, eye + light * size * 0.6, size * 1.7, withAlpha(skin.lighter(135), 130));
    {
        const Saved s(p);
        p.translate(eye);
        p.rotate(side * 14);
        QRadialGradient lens(QPointF(side * size * 0.15, -size * 0.1), size);
        lens.setColorAt(0.0, QColor(84, 78, 58));
        lens.setColorAt(0.6, QColor(52, 46, 32));
        lens.setColorAt(1.0, skin.darker(170));
        p.setPen(Qt::NoPen);
        p.setBrush(lens);
        p.drawEllipse(QPointF(side * size * 0.15, 0), size * 0.5, size * 0.75);
        // The skin of the socket folds over the inner half of the lens.
        QPainterPath lid(QPointF(-side * size * 0.3, -size * 0.95));
        lid.quadTo(QPointF(side * size * 0.25, 0), QPointF(-side * size * 0.3, size * 0.95));
        lid.quadTo(QPointF(-side * size * 0.9, 0), QPointF(-side * size * 0.3, -size * 0.95));
        p.setBrush(withAlpha(skin.lighter(104), 220));
        p.drawPath(lid);
        paintGlow(p, QPointF(side * size * 0.15, 0) + light * size * 0.35, size * 0.35,
                  QColor(200, 196, 170, 60));
    }
    const Saved s(p);
    p.translate(eye + QPointF(side * size * 0.6, size * 2.5));
    p.rotate(side * 20);
    paintGlow(p, {0, 0}, size * 1.8, withAlpha(skin.lighter(118), 70));
    QRadialGradient hole(QPointF(0, -size * 0.3), size * 1.1);
    hole.setColorAt(0.0, skin.darker(145));
    hole.setColorAt(0.7, skin.darker(122));
    hole.setColorAt(1.0, skin.darker(106));
    p.setPen(Qt::NoPen);
    p.setBrush(hole);
    p.drawEllipse(QPointF(0, 0), size * 0.75, size * 1.1);
    stroke(p, curveThrough({{-size * 0.7, size * 0.3}, {0, size * 1.1}, {size * 0.7, size * 0.3}}),
           withAlpha(skin.lighter(140), 120), 0.6);
}

// How strongly the skin's texture shows at `pt`: fully over the thick
// middle of the disc, fading out towards the thin rim of the wings.
double towardsCentre(QPointF pt)
{
    const double d = std::hypot(pt.x() / 88.0, (pt.y() + 4) / 80.0);
    return std::clamp(1.15 - d, 0.15, 1.0);
}

// The skin of the back: a fine grain of denticles under faint darker
// clouding, both plainest over the middle of the disc, a few thorny
// tubercles standing out of it unevenly down the midline, and a dusting of
// sand left near the rim of one wing where the ray has shuffled into the bottom.
void paintRaySkin(QPainter &p, const QPainterPath &disc, QColor skin, QPointF light)
{
    const Saved s(p);
    p.setClipPath(disc, Qt::IntersectClip);
    QRandomGenerator rng(1717);
    for (const QPointF &pt : scatterPoints(disc, 70, 1722)) {
        const double r = 5 + rng.generateDouble() * 8;
        paintGlow(p, pt, r,
                  withAlpha(skin.darker(135), int((14 + rng.bounded(18)) * towardsCentre(pt))));
    }
    for (const QPointF &pt : spreadPoints(disc, 1.7, 0.8, 1718)) {
        const bool dark = rng.bounded(2) == 0;
        const double r = 0.25 + rng.generateDouble() * 0.3;
        const double f = towardsCentre(pt);
        paintDisc(p, pt, r, r,
                  dark ? withAlpha(skin.darker(140), int(46 * f))
                       : withAlpha(skin.lighter(125), int(30 * f)));
    }
    // The thorns: a ragged, broken row down the middle of the back, larger
    // over the shoulders and smaller towards the tail, each a hard little
    // cone drawn out backwards, lit on the light's side and throwing a short
    // shadow on the other.
    std::vector<std::pair<QPointF, double>> thorns;
    for (double y = -34; y < 62; y += 4.0 + rng.generateDouble() * 9.0)
        if (rng.bounded(5) != 0)
            thorns.emplace_back(QPointF((rng.generateDouble() - 0.5) * 2.6, y),
                                (1.1 - 0.006 * (y + 34)) * (0.6 + 0.6 * rng.generateDouble()));
    for (const auto &[c, r] : thorns) {
        paintDisc(p, c - light * r * 0.9 + QPointF(0, r * 0.3), r * 1.0, r * 1.5,
                  withAlpha(skin.darker(190), 80));
        QRadialGradient cone(c + light * r * 0.45, r * 1.3);
        cone.setColorAt(0.0, skin.lighter(165));
        cone.setColorAt(0.6, skin.lighter(118));
        cone.setColorAt(1.0, skin.darker(130));
        p.setPen(Qt::NoPen);
        p.setBrush(cone);
        p.drawEllipse(c + QPointF(0, r * 0.3), r * 0.8, r * 1.4);
    }
    QPainterPath side;
    side.addRect(-100, 0, 100, 100);
    const QPainterPath margin = disc.subtracted(oval({0, -4}, 66, 70)).intersected(side);
    for (const QPointF &pt : scatterPoints(margin, 60, 1719)) {
        const double r = 0.35 + rng.generateDouble() * 0.5;
        paintDisc(p, pt, r, r * 0.8, QColor(228, 210, 166, 40 + rng.bounded(60)));
    }
}

// The disc is flat: only the backbone stands up down its middle as a low
// ridge from behind the eyes to the tail, its slope towards the light lit,
// the other in soft shade, both fading out onto the flat wings; the wings
// thin out to their corners, paler where the light comes through them.
void paintRidge(QPainter &p, const QPainterPath &disc, QColor skin, QPointF light)
{
    const Saved s(p);
    p.setClipPath(disc, Qt::IntersectClip);
    QRadialGradient thin(QPointF(0, -4), 92);
    const QColor seeThrough = blend(skin, QColor(206, 190, 150), 0.5);
    thin.setColorAt(0.55, withAlpha(seeThrough, 0));
    thin.setColorAt(1.0, withAlpha(seeThrough, 120));
    p.strokePath(disc, QPen(QBrush(thin), 9));
    const double lit = light.x() > 0 ? 1.0 : -1.0;
    const Saved narrow(p);
    p.scale(0.16, 1.0);
    paintGlow(p, {lit * 6 / 0.16, 10}, 68, withAlpha(skin.lighter(135), 140));
    paintGlow(p, {-lit * 7 / 0.16, 12}, 64, withAlpha(skin.darker(150), 90));
    p.scale(1 / 0.16, 1.0);
    QLinearGradient crest(QPointF(0, -44), QPointF(0, 70));
    crest.setColorAt(0.0, withAlpha(skin.lighter(150), 0));
    crest.setColorAt(0.3, withAlpha(skin.lighter(150), 150));
    crest.setColorAt(1.0, withAlpha(skin.lighter(150), 0));
    p.strokePath(curve({lit * 0.8, -44}, {lit * 1.2, 10}, {lit * 0.6, 70}), QPen(crest, 1.2));
}

// The wings are fins: under the skin their cartilage rays fan out from the
// sides of the body to the rim, each a faint groove with a lit ridge beside
// it, fading towards the thin margin.
void paintWingRays(QPainter &p, const QPainterPath &disc, QColor skin, QPointF light)
{
    const Saved s(p);
    const QPainterPath trunk = oval({0, -4}, 26, 62);
    p.setClipPath(disc.subtracted(trunk), Qt::IntersectClip);
    QRandomGenerator rng(1721);
    for (int i = 0; i < 64; ++i) {
        const double a =
            std::numbers::pi * (0.08 + 0.84 * ((i % 32) + rng.generateDouble() * 0.7) / 31.7);
        // Under thick skin only some of the rays show, here and there.
        if (rng.bounded(5) < 2)
            continue;
        const double side = i < 32 ? 1.0 : -1.0;
        const QPointF from(side * 24 * std::sin(a), -4 - 60 * std::cos(a));
        const QPointF out(side * std::sin(a) * 1.6, -std::cos(a) * 0.8 + 0.25);
        const QPointF to = from + out * (40 + rng.bounded(40.0));
        const QPainterPath rib = curve(from, (from + to) / 2 + QPointF(0, 4), to);
        QLinearGradient fade(from, to);
        const int depth = 10 + rng.bounded(18);
        fade.setColorAt(0.0, withAlpha(skin.darker(150), 0));
        fade.setColorAt(0.2, withAlpha(skin.darker(150), depth));
        fade.setColorAt(0.7, withAlpha(skin.darker(150), depth / 3));
        fade.setColorAt(1.0, withAlpha(skin.darker(150), 0));
        p.strokePath(rib, QPen(fade, 0.5 + rng.generateDouble() * 0.5));
        QLinearGradient shine(from, to);
        shine.setColorAt(0.0, withAlpha(skin.lighter(135), 0));
        shine.setColorAt(0.2, withAlpha(skin.lighter(135), depth));
        shine.setColorAt(1.0, withAlpha(skin.lighter(135), 0));
        p.strokePath(rib.translated(-light * 0.9), QPen(shine, 0.6));
    }
    // The thin outer margin is paler, the light passing through it.
    stroke(p, disc, withAlpha(skin.lighter(118), 70), 3.0);
}

// The dome over the body cavity stands up from the flat wings, lit on the
// light's side and shaded on the other, and the shoulder girdle makes a low
// transverse swell across it behind the spiracles.
void paintForm(QPainter &p, const QPainterPath &disc, QColor skin, QPointF light)
{
    const Saved s(p);
    p.setClipPath(disc, Qt::IntersectClip);
    {
        const Saved dome(p);
        p.scale(0.6, 1.0);
        paintGlow(p, QPointF(0, 4) + light * 8, 62, withAlpha(skin.lighter(124), 120));
        paintGlow(p, QPointF(0, 8) - light * 22, 64, withAlpha(skin.darker(135), 45));
    }
    p.scale(1.0, 0.22);
    paintGlow(p, QPointF(0, -30 / 0.22) + light * 12, 30, withAlpha(skin.lighter(125), 80));
    paintGlow(p, QPointF(0, -24 / 0.22), 30, withAlpha(skin.darker(140), 60));
}

} // namespace

// Grey-brown, a rhombus of a disc with blunted outer corners lying on rippled
// sand, the backbone a low ridge down its middle, the eyes and spiracles close
// together near the snout, and a whip of a tail far longer than the Yellow
// Stingray's stub, with the serrated sting near its root.
void paintSouthernStingray(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    // A disc a metre and more across: the ripples, a hand apart, look small beside it.
    paintSeabed(p, Canvas::frame, 22);

    const QColor skin(134, 118, 86);
    const QPainterPath disc = southernDisc();
    const QPainterPath whip = curveThrough({{0, 60}, {-1, 100}, {-6, 140}, {-16, 180}, {-30, 220}});
    const Saved s(p);
    p.translate(116, 122);
    const double turn = -84;
    p.rotate(turn);
    // The light falls from the picture's upper left, whichever way the ray lies.
    const QPointF light = QTransform().rotate(-turn).map(QPointF(-0.64, -0.77));
    paintContactShadow(p, disc.united(ribbon(whip, {8, 4, 2, 1})), -light);
    paintWhip(p, whip, skin);

    // One grey-brown, shaded by the disc's form: paler over the dome of the
    // body cavity, darker on the thinning wings, the very rim taking on a
    // little of the sand's colour where the light comes through it.
    QRadialGradient body(QPointF(0, -4), 96);
    body.setColorAt(0.0, skin.lighter(106));
    body.setColorAt(0.45, skin);
    body.setColorAt(0.86, skin.darker(118));
    body.setColorAt(1.0, blend(skin.darker(104), QColor(206, 190, 150), 0.3));
    p.fillPath(disc, body);
    paintForm(p, disc, skin, light);
    anatomy::paintMottle(p, disc, 16, withAlpha(skin.darker(135), 40),
                         withAlpha(skin.lighter(125), 34), 1716);
    paintRidge(p, disc, skin, light);
    paintWingRays(p, disc, skin, light);
    paintRaySkin(p, disc, skin, light);
    anatomy::paintShadedEdge(p, disc, withAlpha(skin.darker(180), 110), 1.0);
    paintSandDrift(p, disc, 1720);
    {
        // The disc's thin margin stays crisp under the drifts: it catches
        // the light on the side the light comes from and darkens on the other.
        const Saved rim(p);
        p.setClipPath(disc, Qt::IntersectClip);
        QLinearGradient edge(light * 90, -light * 90);
        edge.setColorAt(0.0, withAlpha(skin.lighter(150), 130));
        edge.setColorAt(0.45, withAlpha(skin.lighter(120), 30));
        edge.setColorAt(0.55, withAlpha(skin.darker(160), 30));
        edge.setColorAt(1.0, withAlpha(skin.darker(180), 120));
        p.strokePath(disc, QPen(QBrush(edge), 1.6));
    }
    // Each pelvic fin runs on from the disc's rear margin, set off from it
    // only by a soft crease, tapering back along the root of the tail.
    for (const double side : {-1.0, 1.0}) {
        const QPainterPath fold =
            curveThrough({{side * 21, 58.2}, {side * 13, 61.6}, {side * 4, 62.6}});
        strokeInside(p, disc, fold.translated(0, 1.2), withAlpha(skin.lighter(125), 50), 1.6);
        strokeInside(p, disc, fold, withAlpha(skin.darker(150), 60), 1.4);
    }
    for (const double side : {-1.0, 1.0})
        paintMoundEye(p, QPointF(side * 12, -52), 5.6, skin, side, light);
}

} // namespace fishart
