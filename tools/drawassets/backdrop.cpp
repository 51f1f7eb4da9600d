// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backdrop.h"

#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace backdrop {

namespace {

constexpr double pi = std::numbers::pi;

// Seeded from the logical geometry, so the @2x picture gets the same scenery
// as the 1x one and every run of the tool gives identical files.
QRandomGenerator seededRandom(double a, double b, double c = 0.0)
{
    return QRandomGenerator(quint32(std::lround(a * 7.0 + b * 131.0 + c * 977.0)) ^ 0x5eedu);
}

double uniform(QRandomGenerator &rng, double lo, double hi)
{
    return lo + (hi - lo) * rng.generateDouble();
}

// A random point in the box. y is drawn before x: the scenery was first drawn
// that way, and the order must be fixed for the pictures to stay the same.
QPointF scatter(QRandomGenerator &rng, double left, double right, double top, double bottom)
{
    const double y = uniform(rng, top, bottom);
    return QPointF(uniform(rng, left, right), y);
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    auto lerp = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

template <typename Gradient> QBrush shaded(Gradient gradient, const QGradientStops &stops)
{
    gradient.setStops(stops);
    return gradient;
}

QBrush vertical(double from, double to, const QGradientStops &stops)
{
    return shaded(QLinearGradient(0, from, 0, to), stops);
}

QBrush radial(QPointF centre, double radius, const QGradientStops &stops)
{
    return shaded(QRadialGradient(centre, radius), stops);
}

// The colour thinning out to nothing along the gradient.
QGradientStops fade(const QColor &colour)
{
    return {{0.0, colour}, {1.0, withAlpha(colour, 0)}};
}

QPainterPath polyline(const QPolygonF &points, bool closed = false)
{
    QPainterPath path(points.value(0));
    for (const QPointF &point : points.mid(1))
        path.lineTo(point);
    if (closed)
        path.closeSubpath();
    return path;
}

void drawOutline(QPainter &p, const QPainterPath &path, const QPen &pen)
{
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// Sand and rock fill `area` from `top` down, and only when there is room for them.
bool beginGround(QPainter &p, const QRectF &area, double top)
{
    if (top >= area.bottom())
        return false;
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    return true;
}

using Twigs = QList<std::pair<QPainterPath, double>>; // each with its width

void growFanBranch(QPointF from, double angle, double length, double width, int level,
                   QRandomGenerator &rng, Twigs &twigs, QList<QPointF> &tips)
{
    const double bend = uniform(rng, -0.15, 0.15);
    const QPointF to = from + QPointF(std::cos(angle), std::sin(angle)) * length;
    const QPointF ctrl =
        (from + to) / 2.0 +
        QPointF(std::cos(angle + pi / 2), std::sin(angle + pi / 2)) * length * bend;
    twigs.append({curve(from, ctrl, to), width});
    if (level == 0) {
        tips.append(to);
        return;
    }
    const double spread = uniform(rng, 0.26, 0.4) * (level > 3 ? 1.3 : 1.0);
    // Branches lean back towards upright so the fan stays a fan, not a bush.
    const double lean = (-pi / 2 - angle) * 0.18;
    for (int side : {-1, 1})
        growFanBranch(to, angle + side * spread + lean, length * uniform(rng, 0.74, 0.86),
                      width * 0.7, level - 1, rng, twigs, tips);
}

} // namespace

void paintWater(QPainter &p, const QRectF &area, double depth)
{
    depth = std::clamp(depth, 0.0, 1.0);
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    const double left = area.left(), right = area.right(), top = area.top(), w = area.width(),
                 h = area.height();
    p.fillRect(area, shaded(QLinearGradient(area.topLeft(), area.bottomLeft()),
                            {{0.0, mix(QColor(120, 214, 232), QColor(44, 128, 178), depth)},
                             {0.35, mix(QColor(52, 164, 196), QColor(24, 96, 150), depth)},
                             {0.7, mix(QColor(22, 112, 158), QColor(12, 62, 112), depth)},
                             {1.0, mix(QColor(12, 76, 126), QColor(6, 34, 72), depth)}}));
    // Sunlight from up to the left warms the water there.
    p.fillRect(area, radial(QPointF(left + w * 0.3, top - h * 0.1), w * 0.75,
                            fade(QColor(220, 255, 245, int(90 * (1.0 - 0.6 * depth))))));
    // A touch of green in the middle distance keeps the blue from looking flat.
    p.fillRect(area, radial(QPointF(right - w * 0.2, area.center().y()), w * 0.6,
                            fade(QColor(40, 170, 150, 45))));

    // Light shafts slanting down from the surface.
    QRandomGenerator rng = seededRandom(w, h, 3.0);
    for (int i = 0; i < 6; ++i) {
        const double x = left + w * (i + uniform(rng, 0.1, 0.7)) / 6,
                     topWidth = w * uniform(rng, 0.025, 0.07),
                     spread = w * uniform(rng, 0.06, 0.14), slant = w * 0.22,
                     reach = h * uniform(rng, 0.65, 1.0);
        const int alpha = int(uniform(rng, 38, 70) * (1.0 - 0.55 * depth));
        p.fillPath(polyline({QPointF(x, top), QPointF(x + topWidth, top),
                             QPointF(x + topWidth + slant + spread, top + reach),
                             QPointF(x + slant - spread * 0.4, top + reach)},
                            true),
                   vertical(top, top + reach,
                            {{0.0, QColor(235, 255, 255, alpha)},
                             {0.55, QColor(200, 245, 255, alpha / 3)},
                             {1.0, QColor(200, 245, 255, 0)}}));
    }

    // The surface shimmers in wavy bright lines, fainter with depth.
    rng = seededRandom(w, h, 5.0);
    const int alphaBase = int(70 * (1.0 - depth));
    for (int row = 0; alphaBase > 0 && row < 7; ++row) {
        const double y0 = top + h * 0.16 * row / 7.0 + uniform(rng, 0, 3),
                     amp = uniform(rng, 0.8, 2.2), freq = uniform(rng, 0.05, 0.12),
                     phase = uniform(rng, 0, 2 * pi);
        QPolygonF line{QPointF(left, y0 + amp * std::sin(phase))};
        for (double x = left; x <= right + 4; x += 4)
            line << QPointF(x, y0 + amp * std::sin(x * freq + phase));
        drawOutline(p, polyline(line),
                    QPen(QColor(230, 255, 255, alphaBase * (7 - row) / 7), 0.9 + 0.1 * (7 - row)));
    }

    // Specks drifting in the water.
    rng = seededRandom(w, h, 11.0);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < int(w * h / 1800.0); ++i) {
        const QPointF c = scatter(rng, left, right, top, area.bottom());
        const double r = uniform(rng, 0.35, 1.1);
        p.setBrush(QColor(220, 245, 255, int(uniform(rng, 25, 90))));
        p.drawEllipse(c, r, r);
    }
    p.fillRect(area, radial(area.center(), std::hypot(w, h) * 0.6,
                            {{0.6, QColor(0, 20, 50, 0)}, {1.0, QColor(0, 20, 50, 70)}}));
    p.restore();
}

void paintSand(QPainter &p, const QRectF &area, double top)
{
    if (!beginGround(p, area, top))
        return;
    QRandomGenerator rng = seededRandom(area.width(), top, 17.0);
    const double left = area.left(), right = area.right(), bottom = area.bottom(),
                 height = bottom - top, phase = uniform(rng, 0, 2 * pi);
    QPolygonF edge{QPointF(left, bottom)};
    for (double x = left; x <= right + 6; x += 6)
        edge << QPointF(x, top + 2.0 * std::sin(x * 0.021 + phase) + 1.2 * std::sin(x * 0.057));
    const QPainterPath sand = polyline(edge << QPointF(right, bottom), true);
    p.fillPath(sand, vertical(top - 3, bottom,
                              {{0.0, QColor(150, 176, 170)},
                               {0.25, QColor(200, 196, 160)},
                               {1.0, QColor(236, 218, 172)}}));
    p.setClipPath(sand, Qt::IntersectClip);

    // Ripples crowd together in the distance and open out towards the viewer.
    for (double t = 0.04; t < 1.0; t += 0.05 + 0.09 * t) {
        const double y0 = top + height * std::pow(t, 1.35), amp = 0.8 + 2.6 * t,
                     freq = 0.045 / (0.5 + t), ph = uniform(rng, 0, 2 * pi),
                     tilt = uniform(rng, -0.03, 0.03);
        QPolygonF crest, trough;
        for (double x = left - 4; x <= right + 4; x += 3) {
            const double y = y0 + amp * std::sin(x * freq + ph) + tilt * (x - left) +
                             0.6 * amp * std::sin(x * freq * 2.3 + ph * 1.7);
            crest << QPointF(x, y);
            trough << QPointF(x, y + 0.8 + 1.4 * t);
        }
        drawOutline(p, polyline(trough),
                    QPen(QColor(140, 118, 82, int(50 + 60 * t)), 0.6 + 1.6 * t));
        drawOutline(p, polyline(crest),
                    QPen(QColor(255, 248, 222, int(70 + 80 * t)), 0.5 + 1.2 * t));
    }

    // Grains, bigger towards the viewer.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < int(area.width() * height / 60.0); ++i) {
        const double y = uniform(rng, top, bottom),
                     r = uniform(rng, 0.3, 0.6 + 0.9 * ((y - top) / height));
        const bool dark = rng.bounded(3) == 0;
        p.setBrush(dark ? QColor(120, 100, 70, int(uniform(rng, 40, 110)))
                        : QColor(255, 250, 235, int(uniform(rng, 40, 120))));
        p.drawEllipse(QPointF(uniform(rng, left, right), y), r, r * 0.8);
    }

    // Far sand fades into the water haze.
    p.fillRect(QRectF(left, top - 4, area.width(), height + 4),
               vertical(top - 4, top + height * 0.35, fade(QColor(60, 140, 170, 120))));
    p.restore();
}

void paintCoralHead(QPainter &p, QPointF base, double radius, QColor colour)
{
    QRandomGenerator rng = seededRandom(base.x(), base.y(), radius);
    p.save();
    const QPointF shadowAt(base.x() + radius * 0.15, base.y() + radius * 0.04);
    p.setPen(Qt::NoPen);
    p.setBrush(radial(shadowAt, radius * 1.25, fade(QColor(10, 30, 40, 110))));
    p.drawEllipse(shadowAt, radius * 1.25, radius * 0.22);

    // A lumpy dome: a wobbling half ellipse closed along the base.
    QPolygonF rim;
    for (int i = 0; i <= 14; ++i) {
        const double a = pi + pi * i / 14, wobble = 1.0 + uniform(rng, -0.05, 0.05);
        rim << QPointF(base.x() + radius * std::cos(a) * wobble,
                       base.y() + radius * 0.82 * std::sin(a) * wobble);
    }
    rim << QPointF(base.x() + radius * 0.6, base.y() + radius * 0.06)
        << QPointF(base.x() - radius * 0.6, base.y() + radius * 0.06);
    const QPainterPath dome = smoothClosedPath(rim.constData(), int(rim.size()));
    p.fillPath(dome,
               radial(QPointF(base.x() - radius * 0.35, base.y() - radius * 0.65), radius * 1.5,
                      {{0.0, colour.lighter(150)}, {0.4, colour}, {1.0, colour.darker(230)}}));
    p.setClipPath(dome, Qt::IntersectClip);

    // Polyp cups in staggered rows; each gets a dark socket and a lit rim.
    const double step = std::clamp(radius / 7.5, 2.2, 6.5);
    int row = 0;
    for (double y = base.y() - radius * 0.9; y < base.y() + step; y += step * 0.87, ++row) {
        for (double x = base.x() - radius * 1.1 + ((row % 2) ? step * 0.5 : 0.0);
             x < base.x() + radius * 1.1; x += step) {
            const double jitter = uniform(rng, -0.12, 0.12) * step;
            const QPointF c(x + uniform(rng, -0.12, 0.12) * step, y + jitter);
            const double r = step * uniform(rng, 0.28, 0.36);
            p.setBrush(withAlpha(colour.darker(170), 100));
            p.drawEllipse(c, r, r);
            p.setBrush(withAlpha(colour.lighter(150), 90));
            p.drawEllipse(c - QPointF(r * 0.3, r * 0.35), r * 0.42, r * 0.42);
        }
    }

    // Shade the underside so the dome reads as round.
    p.fillRect(QRectF(base.x() - radius * 1.2, base.y() - radius, radius * 2.4, radius * 1.2),
               vertical(base.y() - radius * 0.5, base.y(),
                        {{0.0, QColor(0, 20, 40, 0)}, {1.0, QColor(0, 20, 40, 110)}}));
    p.setClipping(false);
    drawOutline(p, dome, QPen(withAlpha(colour.darker(260), 160), std::max(0.6, radius / 40.0)));
    p.restore();
}

void paintSeaFan(QPainter &p, QPointF base, double height, QColor colour)
{
    QRandomGenerator rng = seededRandom(base.x(), base.y(), height);
    p.save();
    Twigs twigs;
    QList<QPointF> tips;
    growFanBranch(base, -pi / 2, height * 0.24, std::max(1.0, height / 30.0), 5, rng, twigs, tips);

    // The living mesh spans the branch tips, so its outline follows the branches.
    std::sort(tips.begin(), tips.end(), [base](const QPointF &a, const QPointF &b) {
        return std::atan2(a.y() - base.y(), a.x() - base.x()) <
               std::atan2(b.y() - base.y(), b.x() - base.x());
    });
    QPolygonF outline{base - QPointF(0, height * 0.15)};
    for (const QPointF &tip : tips)
        outline << base + (tip - base) * 1.04;
    const QPainterPath fan = smoothClosedPath(outline.constData(), int(outline.size()));
    p.fillPath(fan, withAlpha(colour, 55));
    p.setClipPath(fan, Qt::IntersectClip);
    p.setPen(QPen(withAlpha(colour.darker(115), 80), std::max(0.3, height / 260.0)));
    for (double d = -height * 1.5; d < height * 1.5; d += std::max(1.6, height / 45.0)) {
        for (double lean : {height * 1.2, -height * 1.2})
            p.drawLine(QPointF(base.x() + d, base.y()),
                       QPointF(base.x() + d + lean, base.y() - height * 1.2));
    }
    p.setClipping(false);
    for (const auto &[twig, width] : twigs)
        drawOutline(p, twig, QPen(colour.darker(125), width, Qt::SolidLine, Qt::RoundCap));
    p.restore();
}

void paintReefRock(QPainter &p, const QRectF &area, double top)
{
    QRandomGenerator rng = seededRandom(area.width(), top, 23.0);
    if (!beginGround(p, area, top))
        return;
    const double left = area.left(), right = area.right(), bottom = area.bottom(),
                 band = bottom - top;

    // A bumpy skyline: each bump rises from one edge point and settles on the next.
    QPointF edge[10];
    for (int i = 0; i <= 9; ++i)
        edge[i] = QPointF(left + area.width() * i / 9, top + band * uniform(rng, -0.08, 0.22));
    QPainterPath rock(QPointF(left - 2, bottom + 2));
    rock.lineTo(left - 2, edge[0].y());
    for (int i = 0; i < 9; ++i) {
        const double run = edge[i + 1].x() - edge[i].x();
        rock.quadTo(QPointF(edge[i].x() + run * 0.2, edge[i].y() - band * 0.1),
                    (edge[i] + edge[i + 1]) / 2.0);
        rock.quadTo(QPointF(edge[i + 1].x() - run * 0.2, edge[i + 1].y() - band * 0.08),
                    edge[i + 1]);
    }
    rock.lineTo(right + 2, bottom + 2);
    rock.closeSubpath();
    p.fillPath(rock, vertical(top - band * 0.1, bottom,
                              {{0.0, QColor(132, 124, 104)},
                               {0.5, QColor(96, 88, 76)},
                               {1.0, QColor(52, 50, 48)}}));
    p.setClipPath(rock, Qt::IntersectClip);

    // Boulders and ledges give the band relief. Each is drawn as a squashed
    // circle so the gradient fades out right at the rim.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const QPointF c = scatter(rng, left, right, top, bottom + band * 0.2);
        const double rx = band * uniform(rng, 0.18, 0.4), ry = rx * uniform(rng, 0.55, 0.8);
        const int shade = int(uniform(rng, 96, 150));
        p.save();
        p.translate(c);
        p.scale(1.0, ry / rx);
        p.setBrush(shaded(QRadialGradient(QPointF(0, 0), rx, QPointF(-rx * 0.35, -rx * 0.5)),
                          {{0.0, QColor(shade + 30, shade + 22, shade + 4, 190)},
                           {0.6, QColor(shade - 20, shade - 26, shade - 34, 140)},
                           {1.0, QColor(40, 38, 36, 0)}}));
        p.drawEllipse(QPointF(0, 0), rx, rx);
        p.restore();
    }

    // Encrusting sponge, algae and small polyps in reef colours, then grit.
    const QColor crust[] = {QColor(150, 80, 140), QColor(210, 120, 60), QColor(90, 140, 80),
                            QColor(200, 90, 90), QColor(120, 150, 110)};
    for (int i = 0; i < 22; ++i) {
        const QPointF c = scatter(rng, left, right, top, bottom);
        const double r = band * uniform(rng, 0.012, 0.035);
        const QColor tint = crust[rng.bounded(int(std::size(crust)))];
        for (int blob = 0; blob < 4; ++blob) {
            p.setBrush(withAlpha(tint, int(uniform(rng, 50, 110))));
            const double ry = r * uniform(rng, 0.5, 0.8), rx = r * uniform(rng, 0.8, 1.4),
                         dy = uniform(rng, -r, r) * 0.6;
            p.drawEllipse(c + QPointF(uniform(rng, -r, r) * 1.5, dy), rx, ry);
        }
    }
    for (int i = 0; i < int(area.width() * band / 40.0); ++i) {
        const QPointF c = scatter(rng, left, right, top, bottom);
        p.setBrush(rng.bounded(2) == 0 ? QColor(190, 180, 150, 70) : QColor(20, 20, 20, 70));
        p.drawEllipse(c, 0.6, 0.6);
    }

    // Crevices: dark holes that swallow the light.
    for (double fx : {0.16, 0.52, 0.84}) {
        const double y = top + band * uniform(rng, 0.5, 0.68);
        const QPointF c(left + area.width() * (fx + uniform(rng, -0.04, 0.04)), y);
        const double rx = band * uniform(rng, 0.16, 0.24), ry = rx * uniform(rng, 0.55, 0.7);
        p.setBrush(radial(c + QPointF(0, ry * 0.2), rx * 1.1,
                          {{0.0, QColor(4, 6, 10)},
                           {0.65, QColor(12, 14, 18, 240)},
                           {1.0, QColor(30, 30, 30, 0)}}));
        p.drawEllipse(c, rx * 1.1, ry * 1.1);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(170, 160, 135, 120), std::max(0.6, band / 60.0)));
        p.drawArc(QRectF(c.x() - rx, c.y() - ry * 1.05, rx * 2, ry * 2), 20 * 16, 140 * 16);
        p.setPen(Qt::NoPen);
    }

    // Water between viewer and rock softens its far edge.
    p.fillRect(area, vertical(top - band * 0.1, top + band * 0.5, fade(QColor(40, 120, 160, 90))));
    p.setClipping(false);
    p.setClipRect(area, Qt::IntersectClip);
    drawOutline(p, rock, QPen(QColor(190, 200, 180, 90), std::max(0.8, band / 50.0)));
    p.restore();
}

void paintEye(QPainter &p, QPointF centre, double radius, QColor iris)
{
    p.save();
    p.setPen(Qt::NoPen);
    auto disc = [&](const QBrush &brush, QPointF at, double r) {
        p.setBrush(brush);
        p.drawEllipse(at, r, r);
    };
    disc(QColor(18, 18, 24), centre, radius);
    disc(radial(centre - QPointF(radius * 0.2, radius * 0.25), radius,
                {{0.0, iris.lighter(140)}, {0.7, iris}, {1.0, iris.darker(170)}}),
         centre, radius * 0.86);
    disc(radial(centre, radius * 0.52,
                {{0.0, QColor(0, 0, 0)}, {0.85, QColor(8, 10, 16)}, {1.0, QColor(30, 30, 40)}}),
         centre, radius * 0.52);
    disc(QColor(255, 255, 255, 235), centre + QPointF(-radius * 0.24, -radius * 0.28),
         radius * 0.2);
    disc(QColor(255, 255, 255, 120), centre + QPointF(radius * 0.26, radius * 0.24), radius * 0.09);
    p.restore();
}

QPainterPath smoothClosedPath(const QPointF *points, int count)
{
    if (count < 3)
        return count > 0 ? polyline(QPolygonF(QList<QPointF>(points, points + count)), true)
                         : QPainterPath();
    auto at = [points, count](int i) { return points[((i % count) + count) % count]; };
    QPainterPath path(points[0]);
    for (int i = 0; i < count; ++i)
        path.cubicTo(at(i) + (at(i + 1) - at(i - 1)) / 6.0, at(i + 1) - (at(i + 2) - at(i)) / 6.0,
                     at(i + 1));
    path.closeSubpath();
    return path;
}

QPainterPath smoothClosedPath(std::initializer_list<QPointF> points)
{
    return smoothClosedPath(std::data(points), int(points.size()));
}

QPainterPath curve(QPointF a, QPointF c, QPointF b)
{
    QPainterPath path(a);
    path.quadTo(c, b);
    return path;
}

void stroke(QPainter &p, const QPainterPath &path, const QColor &colour, double width)
{
    p.save();
    drawOutline(p, path, QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.restore();
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

} // namespace backdrop
