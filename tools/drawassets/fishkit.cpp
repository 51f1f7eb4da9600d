// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace fishkit {

namespace {

constexpr double pi = std::numbers::pi;

QPainterPath openSpline(const std::vector<QPointF> &v)
{
    QPainterPath path(v.front());
    for (size_t i = 0; i + 1 < v.size(); ++i) {
        const QPointF p0 = v[i == 0 ? 0 : i - 1];
        const QPointF p1 = v[i];
        const QPointF p2 = v[i + 1];
        const QPointF p3 = v[std::min(i + 2, v.size() - 1)];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    return path;
}

// Share of the greatest depth the body has at `t` of its length.
double profile(const BodyShape &s, double t)
{
    const double a = std::clamp(s.deepestAt, 0.05, 0.95);
    if (t <= a) {
        const double k = 1.6 - 1.3 * std::clamp(s.bluntness, 0.0, 1.0);
        const double q = std::clamp(s.tube, 0.0, a * 0.5);
        const double head = std::pow(std::sin(std::clamp((t - q) / (a - q), 0.0, 1.0) * pi / 2), k);
        if (q <= 0)
            return head;
        // The snout is a slender cone that the forehead swells out of, the
        // two joined in a smooth hollow rather than at a corner.
        const double snout = 0.15 * std::sqrt(std::min(t / q, 2.0));
        return std::pow(std::pow(head, 4.0) + std::pow(snout, 4.0), 0.25);
    }
    const double v = (t - a) / (1.0 - a);
    // Eased, the stalk runs level into the tail; a quarter wave keeps narrowing.
    const double eased = (1.0 + std::cos(v * pi)) / 2.0;
    const double narrowing = std::cos(v * pi / 2);
    const double k = std::clamp(s.taper, 0.0, 1.0);
    return s.stalk + (1.0 - s.stalk) * (eased + (narrowing - eased) * k);
}

// A fin whose outline runs through `points`: the first and last are its base.
// Every fin fills by winding, so that where its edge crosses back over its
// base the membrane still covers both sides.
Fin finThrough(const std::vector<QPointF> &points)
{
    Fin f;
    f.edge = openSpline(points);
    f.base = QLineF(points.front(), points.back());
    f.shape = f.edge;
    f.shape.closeSubpath();
    f.shape.setFillRule(Qt::WindingFill);
    return f;
}

// The ring of an outline: snout, back from head to tail, the tip of the
// stalk, then the belly back to the head, `side` giving the points.
template <typename Side>
QPainterPath outlineRing(const BodyShape &shape, int samples, double crowding, Side side)
{
    std::vector<QPointF> ring{shape.snout};
    for (int i = 1; i <= samples; ++i)
        ring.push_back(side(std::pow(double(i) / samples, crowding), -1));
    ring.push_back(shape.at(1, 0) + QPointF(shape.depth * shape.stalk * 0.15, 0));
    for (int i = samples; i >= 1; --i)
        ring.push_back(side(std::pow(double(i) / samples, crowding), 1));
    return smoothClosedPath(ring.data(), int(ring.size()));
}

double bump(double t, double centre, double width)
{
    const double d = (t - centre) / width;
    return std::exp(-d * d);
}

} // namespace

QPointF BodyShape::at(double along, double across) const
{
    const double t = std::clamp(along, 0.0, 1.0);
    double full = depth * profile(*this, t);
    const double a = std::clamp(deepestAt, 0.05, 0.95);
    if (across < 0 && brow > 0 && t < a) {
        // A jack's forehead is a steep ramp easing over at the nape; only a
        // small rounded nub of the head's own curve is left at the snout.
        const double ramp = 1.0 - std::pow(1.0 - t / a, 3.0);
        const double k = std::clamp(brow, 0.0, 1.0);
        full = depth * ((1.0 - k) * profile(*this, t) + k * ramp);
    }
    const double headRise = std::sin(std::min(1.0, t / std::max(0.05, deepestAt)) * pi / 2);
    const double top = full * back + hump * depth * bump(t, deepestAt * 0.55, 0.2) * headRise;
    const double bottom = full * (1.0 - back) + belly * depth * bump(t, 0.45, 0.22);
    const double y = across < 0 ? -top * -across : bottom * across;
    // The midline arches up towards the middle of the body and the tail
    // swings down behind it; the snout stays where it is.
    const auto sway = [](double u) { return 4.0 * (u - 0.42) * (u - 0.42) - 0.16 * (1.0 - u); };
    const double arch = bend * length * (sway(t) - sway(0));
    return QPointF(snout.x() + length * t, snout.y() + y + arch);
}

QPainterPath bodyOutline(const BodyShape &shape)
{
    // Samples crowd towards the snout, where the outline bends most.
    return outlineRing(shape, 16, 1.3,
                       [&shape](double t, double across) { return shape.at(t, across); });
}

void fillBody(QPainter &p, const QPainterPath &body, QColor back, QColor flank, QColor belly,
              double flankAt)
{
    if (Silhouette::record(p, body))
        return;
    const QRectF box = body.boundingRect();
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0.0, back);
    g.setColorAt(flankAt, flank);
    g.setColorAt(1.0, belly);
    p.fillPath(body, g);
}

void shadeBody(QPainter &p, const QPainterPath &body, QColor outline, double strength)
{
    if (Silhouette::active(p))
        return;
    const QRectF r = body.boundingRect();
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        p.setBrush(Qt::NoBrush);
        const QColor rim = outline.darker(120);
        p.setPen(QPen(withAlpha(rim, int(45 * strength)), 10));
        p.drawPath(body);
        p.setPen(QPen(withAlpha(rim, int(60 * strength)), 4));
        p.drawPath(body);

        QLinearGradient under(r.topLeft(), r.bottomLeft());
        under.setColorAt(0.7, QColor(0, 10, 30, 0));
        under.setColorAt(1.0, QColor(0, 10, 30, int(70 * strength)));
        p.fillRect(r, under);

        p.translate(r.left() + r.width() * 0.38, r.top() + r.height() * 0.3);
        p.scale(1.0, r.height() / r.width() * 1.2);
        const double radius = r.width() * 0.42;
        QRadialGradient sheen(QPointF(0, 0), radius);
        sheen.setColorAt(0, QColor(255, 255, 255, int(70 * strength)));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(sheen);
        p.drawEllipse(QPointF(0, 0), radius, radius);
    }
    paintBodyEdge(p, body, outline, r.right());
}

void paintBodyEdge(QPainter &p, const QPainterPath &body, QColor outline, double tailRoot)
{
    const QRectF r = body.boundingRect();
    const Saved s(p);
    p.setClipPath(body, Qt::IntersectClip);
    p.setClipRect(QRectF(r.left() - 2, r.top() - 2, tailRoot - r.left() + 2, r.height() + 4),
                  Qt::IntersectClip);
    // Multiplying keeps the skin's own hue: the edge is the body darkened
    // where it turns away from the light below, and lost along the lit back.
    p.setCompositionMode(QPainter::CompositionMode_Multiply);
    const double weight = outline.alphaF();
    const auto shade = [&outline, weight](double darkening) {
        const QColor tint = blend(QColor(255, 255, 255), outline, 0.35);
        return blend(QColor(255, 255, 255), tint.darker(100 + int(70 * darkening)),
                     std::min(1.0, weight * darkening * 1.3));
    };
    QLinearGradient side(r.topLeft(), r.bottomLeft());
    side.setColorAt(0.0, QColor(255, 255, 255));
    side.setColorAt(0.3, shade(0.12));
    side.setColorAt(0.6, shade(0.35));
    side.setColorAt(1.0, shade(0.7));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(side), 3.2));
    p.drawPath(body);
    p.setPen(QPen(QBrush(side), 1.4));
    p.drawPath(body);
}

Fin fin(QPointF front, std::initializer_list<QPointF> edge, QPointF rear)
{
    std::vector<QPointF> points{front};
    points.insert(points.end(), edge.begin(), edge.end());
    points.push_back(rear);
    return finThrough(points);
}

void paintStripes(QPainter &p, const QPainterPath &area, double firstY, double spacing, int count,
                  double width, QColor colour, double converge)
{
    const QRectF box = area.boundingRect();
    const double mid = box.center().y();
    const Saved s(p);
    p.setClipPath(area, Qt::IntersectClip);
    for (int i = 0; i < count; ++i) {
        const double y0 = firstY + i * spacing;
        QPolygonF stripe;
        for (double x = box.left() - 4; x <= box.right() + 4; x += 4) {
            const double u = (x - box.center().x()) / (box.width() / 2);
            stripe << QPointF(x, y0 + (mid - y0) * converge * u * u);
        }
        QPainterPath line;
        line.addPolygon(stripe);
        stroke(p, line, colour, width);
    }
}

std::vector<QPointF> scatterPoints(const QPainterPath &area, int count, quint32 seed)
{
    QRandomGenerator rng(seed);
    const QRectF r = area.boundingRect();
    std::vector<QPointF> points;
    for (int tries = 0; int(points.size()) < count && tries < count * 30; ++tries) {
        // Drawn y first: the order the checked-in pictures were made with.
        const double y = r.top() + rng.bounded(r.height());
        const QPointF pt(r.left() + rng.bounded(r.width()), y);
        if (area.contains(pt))
            points.push_back(pt);
    }
    return points;
}

std::vector<QPointF> spreadPoints(const QPainterPath &area, double spacing, double jitter,
                                  quint32 seed)
{
    QRandomGenerator rng(seed);
    const QRectF r = area.boundingRect();
    std::vector<QPointF> points;
    int row = 0;
    for (double y = r.top(); y <= r.bottom(); y += spacing * 0.87, ++row) {
        for (double x = r.left() + (row % 2) * spacing * 0.5; x <= r.right(); x += spacing) {
            const double dy = (rng.generateDouble() - 0.5) * 2 * jitter;
            const QPointF pt(x + (rng.generateDouble() - 0.5) * 2 * jitter, y + dy);
            if (area.contains(pt))
                points.push_back(pt);
        }
    }
    return points;
}

QPainterPath curveThrough(std::initializer_list<QPointF> points)
{
    return openSpline(std::vector<QPointF>(points));
}

QPainterPath curveThrough(const std::vector<QPointF> &points)
{
    return openSpline(points);
}

QPainterPath ribbon(const QPainterPath &spine, std::initializer_list<double> widths)
{
    return ribbon(spine, std::vector<double>(widths));
}

QPainterPath ribbon(const QPainterPath &spine, const std::vector<double> &w)
{
    constexpr int steps = 64;
    QPolygonF left;
    QPolygonF right;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double at = t * double(w.size() - 1);
        const size_t k = std::min(size_t(at), w.size() - 2);
        const double half = (w[k] + (w[k + 1] - w[k]) * (at - double(k))) / 2.0;
        const QPointF d = spine.pointAtPercent(std::min(1.0, t + 0.01)) -
                          spine.pointAtPercent(std::max(0.0, t - 0.01));
        const QPointF normal = QPointF(-d.y(), d.x()) / std::max(1e-9, std::hypot(d.x(), d.y()));
        left << spine.pointAtPercent(t) + normal * half;
        right.prepend(spine.pointAtPercent(t) - normal * half);
    }
    QPainterPath band;
    band.addPolygon(left << right);
    band.closeSubpath();
    return band;
}

QPainterPath wanderingEdges(QPainterPath band, double seed, double amount)
{
    for (int i = 0; i < band.elementCount(); ++i) {
        const QPainterPath::Element e = band.elementAt(i);
        const double dx = 0.9 * std::sin(e.y * 0.09 + e.x * 0.13 + seed) +
                          0.4 * std::sin(e.y * 0.31 + seed * 2.3) +
                          0.2 * std::sin(e.y * 0.9 + e.x * 0.4 + seed * 0.7);
        band.setElementPositionAt(i, e.x + dx * amount, e.y);
    }
    return band;
}

QPainterPath discOutline(const BodyShape &shape)
{
    const double a = std::clamp(shape.deepestAt, 0.05, 0.95);
    // Scales the tapering side of `at` out to a quarter ellipse behind the
    // deepest point, which keeps the hump and belly of the shape.
    const auto side = [&](double t, double across) {
        const QPointF q = shape.at(t, across);
        if (t <= a)
            return q;
        const double v = (t - a) / (1.0 - a);
        const double taper = profile(shape, t);
        // A tapering disc narrows into the stalk instead of ending square on it.
        const double full = std::sqrt(std::max(0.0, 1.0 - std::pow(v, 2.0 + shape.taper * 1.5)));
        const double round =
            shape.stalk + (1.0 - shape.stalk) * std::pow(full, 1.0 + shape.taper * 1.2);
        return QPointF(q.x(), shape.snout.y() + (q.y() - shape.snout.y()) * round / taper);
    };
    return outlineRing(shape, 24, 1.2, side);
}

void paintReef(QPainter &p, double depth, double sand, double rock, QPointF coral, double coralSize,
               QColor coralColour, QPointF fan, double fanHeight, QColor fanColour)
{
    if (Silhouette::active(p))
        return;
    paintWater(p, Canvas::frame, depth);
    if (sand > 0)
        paintSand(p, Canvas::frame, sand);
    if (rock > 0)
        paintReefRock(p, Canvas::frame, rock);
    if (coralSize > 0)
        paintCoralHead(p, coral, coralSize, coralColour);
    if (fanHeight > 0)
        paintSeaFan(p, fan, fanHeight, fanColour);
}

Fin finAlong(const std::vector<QPointF> &points)
{
    return finThrough(points);
}

Fin finAt(QPointF origin, std::initializer_list<QPointF> offsets)
{
    std::vector<QPointF> points;
    for (const QPointF &o : offsets)
        points.push_back(origin + o);
    return finThrough(points);
}

QPainterPath mirroredOutline(std::initializer_list<QPointF> half)
{
    std::vector<QPointF> ring(half);
    for (auto q = std::rbegin(half); q != std::rend(half); ++q) {
        if (q->x() != 0.0)
            ring.emplace_back(-q->x(), q->y());
    }
    return smoothClosedPath(ring.data(), int(ring.size()));
}

void paintGlow(QPainter &p, QPointF centre, double radius, QColor colour)
{
    if (Silhouette::active(p))
        return;
    QRadialGradient g(centre, radius);
    g.setColorAt(0, colour);
    g.setColorAt(1, withAlpha(colour, 0));
    p.fillRect(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)), g);
}

} // namespace fishkit
