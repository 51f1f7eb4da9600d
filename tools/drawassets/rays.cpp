// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rays.h"

#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"

#include <QImage>
#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <tuple>
#include <utility>
#include <vector>

// Rays, seen from above resting on the sand or gliding.

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

} // namespace rays

using namespace rays;

namespace {

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
    QPainterPath hind;    // the fin at the tail's end
    double stingAt = 0.2; // where the sting sits along the tail
    QColor colour;
    QPointF eye; // the right eye; the left one mirrors it
    double eyeSize = 3.0;
    double sting = 10.0; // length of the sting
    QRectF body;         // the raised head and trunk in the middle of the disc
};

// A ray lying on the bottom casts no shadow apart from itself: the sand only
// darkens in a narrow soft band where the rim meets it, a little deeper on
// the side turned `away` from the light.
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

// The Yellow Stingray's spine: a slender dark barb of horn lying flat along
// the top of the tail, its edges cut into fine teeth that point back
// towards the root, its point sharp, with a thin shadow on the skin beside it.
void paintBarb(QPainter &p, QPointF root, QPointF d, double length, QColor horn)
{
    const QPointF n(-d.y(), d.x());
    const double half = 0.95;
    QPolygonF left, right;
    constexpr int teeth = 11;
    for (int i = 0; i <= teeth; ++i) {
        const double t = 0.08 + 0.88 * i / teeth, w = half * (1.0 - t * 0.8);
        const QPointF c = root + d * length * t;
        // Each tooth: out to its point and straight back in a little behind it.
        left << c + n * w << c - d * 0.9 + n * (w + 0.5);
        right.prepend(c - n * w);
        right.prepend(c - d * 0.9 - n * (w + 0.5));
    }
    QPolygonF blade{root + n * half * 0.8};
    blade << left << root + d * length << right << root - n * half * 0.8;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 28, 10, 110));
    p.drawPolygon(blade.translated(0.6, 0.8));
    // It comes out of the tail's skin at its root and darkens to the point.
    QLinearGradient along(root, root + d * length);
    along.setColorAt(0.0, withAlpha(horn.lighter(150), 0));
    along.setColorAt(0.08, horn.lighter(120));
    along.setColorAt(1.0, horn.darker(140));
    p.setBrush(along);
    p.drawPolygon(blade);
    QPainterPath ridge(root + d * length * 0.15);
    ridge.lineTo(root + d * length * 0.85);
    stroke(p, ridge.translated(n * 0.15), withAlpha(horn.lighter(170), 120), 0.3);
}

// The Yellow Stingray's skin seen close: a fine net of wavy dark lines round
// small cells of the yellow-brown ground, a pale spot in most cells, here and
// there a larger one or a dark rosette. The cells are even on the skin laid
// flat, so foreshortened on the trunk's slopes, and finer towards the rim.
void paintVermiculation(QPainter &p, const QPainterPath &area, const Stingray &ray, QColor dark,
                        QColor pale)
{
    constexpr double cell = 3.3, perUnit = 4.0;
    const QPointF trunk = ray.body.center(), middle(0, -6);
    const double hw = ray.body.width() / 2, hh = ray.body.height() / 2;
    const auto flatten = [&](QPointF c) {
        // Down the slopes round the trunk more skin lies under each step.
        const QPointF d = c - trunk;
        const double r = std::max(1e-6, std::hypot(d.x() / hw, d.y() / hh));
        const double slope = 0.35 * 0.25 * std::sqrt(std::numbers::pi) / 2 *
                             (std::erf((r - 0.9) / 0.25) + std::erf(0.9 / 0.25));
        c = trunk + d * ((r + slope) / r);
        // Towards the rim and down the tail the cells shrink a little.
        const QPointF m = c - middle;
        const double e = std::max(1e-6, std::hypot(m.x(), m.y())), knee = 90;
        const double s = e <= knee ? e + 0.25 * e * e * e / (3 * 60 * 60)
                                   : knee + 0.25 * knee * knee * knee / (3 * 60 * 60) +
                                         (1 + 0.25 * knee * knee / (60 * 60)) * (e - knee);
        c = middle + m * (s / e);
        // Wandering lines rather than straight-sided cells.
        return c + QPointF(0.5 * std::sin(c.y() * 1.31 + 1.7 * std::sin(c.x() * 0.57)),
                           0.5 * std::sin(c.x() * 1.27 + 1.7 * std::sin(c.y() * 0.61)));
    };
    const auto mix = [](int i, int j, quint32 salt) {
        quint32 h = quint32(i) * 73856093u ^ quint32(j) * 19349663u ^ salt * 83492791u;
        h ^= h >> 13;
        h *= 0x5bd1e995u;
        h ^= h >> 15;
        return (h & 0xffffu) / 65535.0;
    };
    const QRectF box = area.boundingRect();
    QImage skin(int(box.width() * perUnit) + 1, int(box.height() * perUnit) + 1,
                QImage::Format_ARGB32_Premultiplied);
    skin.fill(Qt::transparent);
    const auto smooth = [](double a, double b, double x) {
        const double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
        return t * t * (3 - 2 * t);
    };
    for (int y = 0; y < skin.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(skin.scanLine(y));
        for (int x = 0; x < skin.width(); ++x) {
            const QPointF q = flatten(box.topLeft() + QPointF(x + 0.5, y + 0.5) / perUnit) / cell;
            const int gi = int(std::floor(q.x())), gj = int(std::floor(q.y()));
            double f1 = 1e9, f2 = 1e9;
            int ni = 0, nj = 0;
            for (int j = gj - 1; j <= gj + 1; ++j)
                for (int i = gi - 1; i <= gi + 1; ++i) {
                    const QPointF seed(i + 0.1 + 0.8 * mix(i, j, 1), j + 0.1 + 0.8 * mix(i, j, 2));
                    const double f = std::hypot(q.x() - seed.x(), q.y() - seed.y());
                    if (f < f1) {
                        f2 = f1;
                        f1 = f, ni = i, nj = j;
                    } else if (f < f2) {
                        f2 = f;
                    }
                }
            const double edge = (f2 - f1) * 0.5 * cell, centre = f1 * cell;
            const double kind = mix(ni, nj, 3);
            const double spot = cell * (kind < 0.1 ? 0.24 : 0.11 + 0.05 * mix(ni, nj, 4));
            const double aa = 0.5 / perUnit;
            double ink = 1 - smooth(0.21 - aa, 0.21 + aa, edge);
            double light = 1 - smooth(spot - aa, spot + aa, centre);
            if (kind > 0.92) {
                // A dark rosette: a ring round a pale centre.
                ink = std::max(ink, (1 - smooth(cell * 0.3 - aa, cell * 0.3 + aa, centre)) * 0.85);
                light *= 0.7;
            }
            light *= 1 - ink;
            const double a = std::min(1.0, ink * 0.88 + light * 0.8);
            if (a <= 0)
                continue;
            const double w = ink * 0.88 / a;
            const auto channel = [&](int d, int l) { return int((d * w + l * (1 - w)) * a); };
            row[x] = qRgba(channel(dark.red(), pale.red()), channel(dark.green(), pale.green()),
                           channel(dark.blue(), pale.blue()), int(a * 255));
        }
    }
    const Saved s(p);
    p.setClipPath(area, Qt::IntersectClip);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(box.topLeft(), QSizeF(skin.size()) / perUnit), skin);
}

void paintStingray(QPainter &p, const Stingray &ray,
                   const std::function<void(const QPainterPath &)> &pattern)
{
    const Saved s(p);
    p.translate(ray.at);
    p.rotate(ray.turn);
    const QPainterPath tail = ribbon(ray.tailLine, {ray.tailRoot, ray.tailTip});
    // It lies on the sand, so no drop shadow: only the sand darkening along its rim.
    paintContactShadow(p, ray.disc.united(ray.hind).united(tail), QPointF(1.0, 1.4));

    const QColor line = ray.colour.darker(170);
    // The tail is one skin with the disc: the same colour and one pattern
    // running over both.
    const QPainterPath hindParts = ray.hind.united(tail);
    const QPainterPath whole = ray.disc.united(hindParts);
    fillBody(p, hindParts, ray.colour.darker(106), ray.colour, ray.colour.darker(104));
    QRadialGradient g(QPointF(0, -6), ray.disc.boundingRect().width() * 0.55);
    g.setColorAt(0, ray.colour.darker(110));
    g.setColorAt(0.6, ray.colour);
    g.setColorAt(1, ray.colour.lighter(112));
    p.fillPath(ray.disc, g);
    pattern(whole);
    {
        // Head and trunk rise as a low dome in the middle of the disc and
        // slope down to the thin wings: lit on the slope towards the light,
        // in soft shade on the far one, both lost out on the flat wings.
        const Saved c(p);
        p.setClipPath(whole, Qt::IntersectClip);
        const QPointF light = QTransform().rotate(-ray.turn).map(QPointF(-0.64, -0.77));
        const QPointF body = ray.body.center();
        const double sx = ray.body.width() / ray.body.height();
        p.scale(sx, 1.0);
        const auto squeezed = [&](QPointF at) { return QPointF(at.x() / sx, at.y()); };
        const double reach = ray.body.height() * 0.5;
        paintGlow(p, squeezed(body - light * reach * 0.3), reach * 1.0,
                  withAlpha(line.darker(110), 85));
        paintGlow(p, squeezed(body + light * reach * 0.3), reach * 0.95,
                  QColor(255, 238, 176, 105));
        paintGlow(p, squeezed(body + light * reach * 0.45), reach * 0.45,
                  QColor(255, 246, 210, 50));
        // Where the far slope meets the wing the shade gathers in a soft
        // crescent that marks the edge of the raised trunk.
        const QPointF across(-light.y(), light.x());
        QPolygonF far{body + across * 200, body + across * 200 - light * 200,
                      body - across * 200 - light * 200, body - across * 200};
        QPainterPath farSide;
        farSide.addPolygon(QTransform::fromScale(1 / sx, 1).map(far));
        p.setClipPath(farSide, Qt::IntersectClip);
        QRadialGradient slope(squeezed(body), reach * 1.05);
        slope.setColorAt(0.7, withAlpha(line, 0));
        slope.setColorAt(0.88, withAlpha(line, 55));
        slope.setColorAt(1.0, withAlpha(line, 0));
        p.fillRect(
            QRectF(squeezed(body) - QPointF(reach * 2, reach * 2), QSizeF(reach * 4, reach * 4)),
            slope);
    }
    {
        // Out at the rim the wings are thin enough for the light to come
        // through them, a pale margin round the disc.
        const Saved c(p);
        p.setClipPath(ray.disc, Qt::IntersectClip);
        stroke(p, ray.disc, withAlpha(ray.colour.lighter(135), 45), 6.0);
        stroke(p, ray.disc, withAlpha(ray.colour.lighter(140), 50), 2.4);
    }
    shadeBody(p, ray.disc, withAlpha(line, 150), 0.6);
    {
        // The tail's root goes in under the disc's thin rear edge.
        const Saved c(p);
        p.setClipPath(hindParts.subtracted(ray.disc), Qt::IntersectClip);
        stroke(p, ray.disc.translated(0.4, 0.7), withAlpha(line, 40), 1.6);
        stroke(p, ray.disc.translated(-0.4, -0.7), withAlpha(ray.colour.lighter(130), 50), 1.0);
    }
    {
        // The faint edge of the tail, only where it lies free on the sand.
        const Saved c(p);
        QPainterPath free;
        free.addRect(whole.boundingRect().adjusted(-10, -10, 10, 10));
        p.setClipPath(free.subtracted(ray.disc), Qt::IntersectClip);
        stroke(p, hindParts, withAlpha(line, 110), 0.5);
    }
    {
        // The sting lies along the tail's upper face, a little to the lit side.
        const double along = ray.stingAt;
        const QPointF root = ray.tailLine.pointAtPercent(along);
        const QPointF ahead = ray.tailLine.pointAtPercent(std::min(1.0, along + 0.12));
        const QPointF d = (ahead - root) / std::max(1e-6, QLineF(root, ahead).length());
        const QPointF lift = QPointF(-d.y(), d.x()) * ray.tailRoot * 0.12;
        paintBarb(p, root + lift, d, ray.sting, QColor(62, 42, 20));
    }

    for (const double x : {-1.0, 1.0})
        anatomy::paintRayEye(p, QPointF(ray.eye.x() * x, ray.eye.y()), ray.eyeSize, ray.colour, x);
}

} // namespace

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

// The skin of the back: a fine grain of denticles, a few thorny tubercles
// standing out of it unevenly down the midline, and a dusting of sand left
// on the wings where the ray has shuffled down into the bottom.
void paintRaySkin(QPainter &p, const QPainterPath &disc, QColor skin, QPointF light)
{
    const Saved s(p);
    p.setClipPath(disc, Qt::IntersectClip);
    QRandomGenerator rng(1717);
    for (const QPointF &pt : spreadPoints(disc, 2.4, 1.1, 1718)) {
        const bool dark = rng.bounded(2) == 0;
        const double r = 0.3 + rng.generateDouble() * 0.35;
        paintDisc(p, pt, r, r,
                  dark ? withAlpha(skin.darker(140), 30) : withAlpha(skin.lighter(125), 18));
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
    const QPainterPath wings = disc.subtracted(oval({0, -4}, 44, 74));
    for (const QPointF &pt : scatterPoints(wings, 90, 1719)) {
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
    thin.setColorAt(0.55, withAlpha(skin.lighter(130), 0));
    thin.setColorAt(1.0, withAlpha(skin.lighter(130), 150));
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

    // One even grey-brown, only greyer and paler out at the thin rim.
    QRadialGradient body(QPointF(0, -4), 96);
    body.setColorAt(0.6, skin);
    body.setColorAt(1.0, blend(skin, QColor(160, 156, 140), 0.4));
    p.fillPath(disc, body);
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

// A small round disc, yellow-brown under a fine mesh of dark and pale spots
// and squiggles, with a short thick tail ending in a fin.
void paintYellowStingray(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    // A disc no wider than a dinner plate: ripples a hand apart look broad beside it.
    paintSeabed(p, Canvas::frame, 46);

    const QColor dark(70, 50, 22), pale(246, 226, 140);
    QPainterPath stub(QPointF(0, 56));
    stub.cubicTo(QPointF(1, 86), QPointF(4, 116), QPointF(2, 152));
    // The pelvic fins run on from the disc's rear edge, peeping out behind
    // it either side of the tail's thick root, one skin with the disc.
    const QPainterPath pelvics = mirroredOutline({{0, 48},
                                                  {16, 52},
                                                  {19.5, 56},
                                                  {19.2, 60},
                                                  {16.8, 63.5},
                                                  {12.8, 65.8},
                                                  {8.8, 67.2},
                                                  {6.8, 68.8},
                                                  {5.9, 71},
                                                  {5.4, 73},
                                                  {0, 74}});
    // A little longer than wide, not a coin: a blunt bump of a snout, the
    // widest point ahead of the middle, the rear edge flatter where the
    // pelvic fins reach out behind.
    const QPainterPath disc = mirroredOutline({{0, -72},
                                               {6, -71},
                                               {11, -67.5},
                                               {25, -62},
                                               {41, -51},
                                               {53.5, -33},
                                               {58.5, -11},
                                               {57.5, 12},
                                               {51, 31},
                                               {40, 46},
                                               {27, 54.5},
                                               {14, 58},
                                               {0, 56}})
                                  .united(pelvics);
    // The tail narrows from a thick root to the caudal fin that wraps its end.
    const QPainterPath caudal = mirroredOutline(
        {{0, 108}, {3.5, 114}, {6.5, 126}, {7.5, 136}, {6, 146}, {3, 153}, {0, 156}});
    const Stingray ray(QPointF(130, 92), -30, disc, stub, 12, 3.2, caudal, 0.42,
                       QColor(184, 146, 62), QPointF(12, -38), 4.6, 20, QRectF(-26, -60, 52, 108));
    paintStingray(p, ray, [&](const QPainterPath &area) {
        paintVermiculation(p, area, ray, dark, blend(pale, ray.colour, 0.25));
    });
    const Saved s(p);
    p.translate(ray.at);
    p.rotate(ray.turn);
    // The disc's thin rear edge lies over the root of each pelvic fin, set
    // off from it only by a soft crease.
    for (const double side : {-1.0, 1.0}) {
        const QPainterPath fold =
            curveThrough({{side * 19, 56.6}, {side * 14, 58.4}, {side * 7.5, 58.6}});
        strokeInside(p, disc, fold.translated(0, 1.0), withAlpha(pale, 40), 1.4);
        strokeInside(p, disc, fold, withAlpha(dark, 60), 1.1);
    }
    // The caudal fin round the end of the tail is thin skin over fine rays:
    // the pattern fades on it towards its rim, and the rays show through.
    const QPainterPath fin = caudal.subtracted(ribbon(stub, {ray.tailRoot * 0.6, ray.tailTip}));
    p.setClipPath(fin, Qt::IntersectClip);
    QRadialGradient veil(QPointF(0, 132), 11);
    veil.setColorAt(0.0, QColor(190, 156, 76, 60));
    veil.setColorAt(1.0, QColor(206, 176, 104, 200));
    p.fillPath(fin, veil);
    // Fine rays run out from the tail to the rim, sloping back towards the
    // tip, those on either side offset from each other and a little uneven.
    for (int i = 0; i < 14; ++i) {
        for (const double side : {-1.0, 1.0}) {
            const double y = 109 + i * 3.1 + (side > 0 ? 1.5 : 0) + 0.9 * std::sin(i * 2.1 + side);
            const double reach = (8.0 - std::abs(i - 7.5) * 0.45) *
                                 (0.75 + 0.25 * std::abs(std::sin(i * 1.3 + side * 0.7)));
            stroke(p,
                   curve({side * 1.2, y}, {side * reach * 0.5, y + 2.0}, {side * reach, y + 5.5}),
                   withAlpha(dark, 30 + int(24 * std::abs(std::sin(i * 0.9 + side)))), 0.35);
        }
    }
}

} // namespace fishart
