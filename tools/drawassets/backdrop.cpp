// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backdrop.h"

#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <numbers>

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

QColor mix(const QColor &a, const QColor &b, double t)
{
    auto lerp = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

void paintLightShafts(QPainter &p, const QRectF &area, double depth)
{
    QRandomGenerator rng = seededRandom(area.width(), area.height(), 3.0);
    const double strength = 1.0 - 0.55 * depth;
    const int shafts = 6;
    for (int i = 0; i < shafts; ++i) {
        const double x = area.left() + area.width() * (i + uniform(rng, 0.1, 0.7)) / shafts;
        const double topWidth = area.width() * uniform(rng, 0.025, 0.07);
        const double spread = area.width() * uniform(rng, 0.06, 0.14);
        const double slant = area.width() * 0.22;
        const double reach = area.height() * uniform(rng, 0.65, 1.0);

        QPainterPath shaft;
        shaft.moveTo(x, area.top());
        shaft.lineTo(x + topWidth, area.top());
        shaft.lineTo(x + topWidth + slant + spread, area.top() + reach);
        shaft.lineTo(x + slant - spread * 0.4, area.top() + reach);
        shaft.closeSubpath();

        QLinearGradient fade(QPointF(0, area.top()), QPointF(0, area.top() + reach));
        const int alpha = int(uniform(rng, 38, 70) * strength);
        fade.setColorAt(0.0, QColor(235, 255, 255, alpha));
        fade.setColorAt(0.55, QColor(200, 245, 255, alpha / 3));
        fade.setColorAt(1.0, QColor(200, 245, 255, 0));
        p.fillPath(shaft, fade);
    }
}

void paintSurfaceShimmer(QPainter &p, const QRectF &area, double depth)
{
    QRandomGenerator rng = seededRandom(area.width(), area.height(), 5.0);
    const double band = area.height() * 0.16;
    const int alphaBase = int(70 * (1.0 - depth));
    if (alphaBase <= 0)
        return;
    for (int row = 0; row < 7; ++row) {
        const double y0 = area.top() + band * row / 7.0 + uniform(rng, 0, 3);
        const double amp = uniform(rng, 0.8, 2.2);
        const double freq = uniform(rng, 0.05, 0.12);
        const double phase = uniform(rng, 0, 2 * pi);
        QPainterPath line;
        line.moveTo(area.left(), y0 + amp * std::sin(phase));
        for (double x = area.left(); x <= area.right() + 4; x += 4)
            line.lineTo(x, y0 + amp * std::sin(x * freq + phase));
        const int alpha = alphaBase * (7 - row) / 7;
        p.setPen(QPen(QColor(230, 255, 255, alpha), 0.9 + 0.1 * (7 - row)));
        p.setBrush(Qt::NoBrush);
        p.drawPath(line);
    }
}

void paintParticles(QPainter &p, const QRectF &area)
{
    QRandomGenerator rng = seededRandom(area.width(), area.height(), 11.0);
    p.setPen(Qt::NoPen);
    const int count = int(area.width() * area.height() / 1800.0);
    for (int i = 0; i < count; ++i) {
        const QPointF c(uniform(rng, area.left(), area.right()),
                        uniform(rng, area.top(), area.bottom()));
        const double r = uniform(rng, 0.35, 1.1);
        p.setBrush(QColor(220, 245, 255, int(uniform(rng, 25, 90))));
        p.drawEllipse(c, r, r);
    }
}

// Points along a lumpy arc, used for the dome of a coral head.
QPainterPath lumpyDome(QPointF base, double radius, double heightRatio, QRandomGenerator &rng)
{
    constexpr int steps = 14;
    QPointF pts[steps + 3];
    int n = 0;
    for (int i = 0; i <= steps; ++i) {
        const double a = pi + pi * i / steps;
        const double wobble = 1.0 + uniform(rng, -0.05, 0.05);
        pts[n++] = QPointF(base.x() + radius * std::cos(a) * wobble,
                           base.y() + radius * heightRatio * std::sin(a) * wobble);
    }
    pts[n++] = QPointF(base.x() + radius * 0.6, base.y() + radius * 0.06);
    pts[n++] = QPointF(base.x() - radius * 0.6, base.y() + radius * 0.06);
    return smoothClosedPath(pts, n);
}

} // namespace

void paintWater(QPainter &p, const QRectF &area, double depth)
{
    depth = std::clamp(depth, 0.0, 1.0);
    p.save();
    p.setClipRect(area, Qt::IntersectClip);

    QLinearGradient water(area.topLeft(), area.bottomLeft());
    water.setColorAt(0.0, mix(QColor(120, 214, 232), QColor(44, 128, 178), depth));
    water.setColorAt(0.35, mix(QColor(52, 164, 196), QColor(24, 96, 150), depth));
    water.setColorAt(0.7, mix(QColor(22, 112, 158), QColor(12, 62, 112), depth));
    water.setColorAt(1.0, mix(QColor(12, 76, 126), QColor(6, 34, 72), depth));
    p.fillRect(area, water);

    // Sunlight from up to the left warms the water there.
    QRadialGradient glow(
        QPointF(area.left() + area.width() * 0.3, area.top() - area.height() * 0.1),
        area.width() * 0.75);
    glow.setColorAt(0.0, QColor(220, 255, 245, int(90 * (1.0 - 0.6 * depth))));
    glow.setColorAt(1.0, QColor(220, 255, 245, 0));
    p.fillRect(area, glow);

    // A touch of green in the middle distance keeps the blue from looking flat.
    QRadialGradient green(QPointF(area.right() - area.width() * 0.2, area.center().y()),
                          area.width() * 0.6);
    green.setColorAt(0.0, QColor(40, 170, 150, 45));
    green.setColorAt(1.0, QColor(40, 170, 150, 0));
    p.fillRect(area, green);

    paintLightShafts(p, area, depth);
    paintSurfaceShimmer(p, area, depth);
    paintParticles(p, area);

    QRadialGradient vignette(area.center(), std::hypot(area.width(), area.height()) * 0.6);
    vignette.setColorAt(0.6, QColor(0, 20, 50, 0));
    vignette.setColorAt(1.0, QColor(0, 20, 50, 70));
    p.fillRect(area, vignette);

    p.restore();
}

void paintSand(QPainter &p, const QRectF &area, double top)
{
    if (top >= area.bottom())
        return;
    QRandomGenerator rng = seededRandom(area.width(), top, 17.0);
    p.save();
    p.setClipRect(area, Qt::IntersectClip);

    const double bottom = area.bottom();
    const double height = bottom - top;

    QPainterPath sand;
    sand.moveTo(area.left(), bottom);
    const double phase = uniform(rng, 0, 2 * pi);
    for (double x = area.left(); x <= area.right() + 6; x += 6) {
        const double y = top + 2.0 * std::sin(x * 0.021 + phase) + 1.2 * std::sin(x * 0.057);
        sand.lineTo(x, y);
    }
    sand.lineTo(area.right(), bottom);
    sand.closeSubpath();

    QLinearGradient ground(QPointF(0, top - 3), QPointF(0, bottom));
    ground.setColorAt(0.0, QColor(150, 176, 170));
    ground.setColorAt(0.25, QColor(200, 196, 160));
    ground.setColorAt(1.0, QColor(236, 218, 172));
    p.fillPath(sand, ground);

    p.setClipPath(sand, Qt::IntersectClip);

    // Ripples crowd together in the distance and open out towards the viewer.
    double t = 0.04;
    while (t < 1.0) {
        const double y0 = top + height * std::pow(t, 1.35);
        const double amp = 0.8 + 2.6 * t;
        const double freq = 0.045 / (0.5 + t);
        const double ph = uniform(rng, 0, 2 * pi);
        const double tilt = uniform(rng, -0.03, 0.03);
        QPainterPath crest;
        QPainterPath trough;
        for (double x = area.left() - 4; x <= area.right() + 4; x += 3) {
            const double y = y0 + amp * std::sin(x * freq + ph) + tilt * (x - area.left()) +
                             0.6 * amp * std::sin(x * freq * 2.3 + ph * 1.7);
            if (x == area.left() - 4) {
                crest.moveTo(x, y);
                trough.moveTo(x, y + 0.8 + 1.4 * t);
            } else {
                crest.lineTo(x, y);
                trough.lineTo(x, y + 0.8 + 1.4 * t);
            }
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(140, 118, 82, int(50 + 60 * t)), 0.6 + 1.6 * t));
        p.drawPath(trough);
        p.setPen(QPen(QColor(255, 248, 222, int(70 + 80 * t)), 0.5 + 1.2 * t));
        p.drawPath(crest);
        t += 0.05 + 0.09 * t;
    }

    p.setPen(Qt::NoPen);
    const int grains = int(area.width() * height / 60.0);
    for (int i = 0; i < grains; ++i) {
        const double y = uniform(rng, top, bottom);
        const double near = (y - top) / height;
        const double r = uniform(rng, 0.3, 0.6 + 0.9 * near);
        const bool dark = rng.bounded(3) == 0;
        p.setBrush(dark ? QColor(120, 100, 70, int(uniform(rng, 40, 110)))
                        : QColor(255, 250, 235, int(uniform(rng, 40, 120))));
        p.drawEllipse(QPointF(uniform(rng, area.left(), area.right()), y), r, r * 0.8);
    }

    // Far sand fades into the water haze.
    QLinearGradient haze(QPointF(0, top - 4), QPointF(0, top + height * 0.35));
    haze.setColorAt(0.0, QColor(60, 140, 170, 120));
    haze.setColorAt(1.0, QColor(60, 140, 170, 0));
    p.fillRect(QRectF(area.left(), top - 4, area.width(), height + 4), haze);

    p.restore();
}

void paintCoralHead(QPainter &p, QPointF base, double radius, QColor colour)
{
    QRandomGenerator rng = seededRandom(base.x(), base.y(), radius);
    p.save();

    QRadialGradient shadow(QPointF(base.x() + radius * 0.15, base.y() + radius * 0.04),
                           radius * 1.25);
    shadow.setColorAt(0.0, QColor(10, 30, 40, 110));
    shadow.setColorAt(1.0, QColor(10, 30, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(QPointF(base.x() + radius * 0.15, base.y() + radius * 0.04), radius * 1.25,
                  radius * 0.22);

    const QPainterPath dome = lumpyDome(base, radius, 0.82, rng);

    QRadialGradient body(QPointF(base.x() - radius * 0.35, base.y() - radius * 0.65), radius * 1.5);
    body.setColorAt(0.0, colour.lighter(150));
    body.setColorAt(0.4, colour);
    body.setColorAt(1.0, colour.darker(230));
    p.fillPath(dome, body);

    p.setClipPath(dome, Qt::IntersectClip);

    // Polyp cups in staggered rows; each gets a dark socket and a lit rim.
    const double step = std::clamp(radius / 7.5, 2.2, 6.5);
    int row = 0;
    for (double y = base.y() - radius * 0.9; y < base.y() + step; y += step * 0.87, ++row) {
        const double offset = (row % 2) ? step * 0.5 : 0.0;
        for (double x = base.x() - radius * 1.1 + offset; x < base.x() + radius * 1.1; x += step) {
            const QPointF c(x + uniform(rng, -0.12, 0.12) * step,
                            y + uniform(rng, -0.12, 0.12) * step);
            const double r = step * uniform(rng, 0.28, 0.36);
            p.setBrush(withAlpha(colour.darker(170), 100));
            p.drawEllipse(c, r, r);
            p.setBrush(withAlpha(colour.lighter(150), 90));
            p.drawEllipse(c - QPointF(r * 0.3, r * 0.35), r * 0.42, r * 0.42);
        }
    }

    // Shade the underside so the dome reads as round.
    QLinearGradient under(QPointF(0, base.y() - radius * 0.5), QPointF(0, base.y()));
    under.setColorAt(0.0, QColor(0, 20, 40, 0));
    under.setColorAt(1.0, QColor(0, 20, 40, 110));
    p.fillRect(QRectF(base.x() - radius * 1.2, base.y() - radius, radius * 2.4, radius * 1.2),
               under);

    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(colour.darker(260), 160), std::max(0.6, radius / 40.0)));
    p.drawPath(dome);
    p.restore();
}

namespace {

struct Twig
{
    QPainterPath path;
    double width;
};

void growFanBranch(QPointF from, double angle, double length, double width, int level,
                   QRandomGenerator &rng, QList<Twig> &twigs, QList<QPointF> &tips)
{
    const double bend = uniform(rng, -0.15, 0.15);
    const QPointF to = from + QPointF(std::cos(angle), std::sin(angle)) * length;
    const QPointF ctrl =
        (from + to) / 2.0 +
        QPointF(std::cos(angle + pi / 2), std::sin(angle + pi / 2)) * length * bend;
    QPainterPath twig(from);
    twig.quadTo(ctrl, to);
    twigs.append({twig, width});
    if (level == 0) {
        tips.append(to);
        return;
    }
    const double spread = uniform(rng, 0.26, 0.4) * (level > 3 ? 1.3 : 1.0);
    for (int side : {-1, 1}) {
        // Branches lean back towards upright so the fan stays a fan, not a bush.
        const double lean = (-pi / 2 - angle) * 0.18;
        growFanBranch(to, angle + side * spread + lean, length * uniform(rng, 0.74, 0.86),
                      width * 0.7, level - 1, rng, twigs, tips);
    }
}

} // namespace

void paintSeaFan(QPainter &p, QPointF base, double height, QColor colour)
{
    QRandomGenerator rng = seededRandom(base.x(), base.y(), height);
    p.save();

    QList<Twig> twigs;
    QList<QPointF> tips;
    const double trunkWidth = std::max(1.0, height / 30.0);
    growFanBranch(base, -pi / 2, height * 0.24, trunkWidth, 5, rng, twigs, tips);

    // The living mesh spans the branch tips, so its outline follows the branches.
    std::sort(tips.begin(), tips.end(), [base](const QPointF &a, const QPointF &b) {
        return std::atan2(a.y() - base.y(), a.x() - base.x()) <
               std::atan2(b.y() - base.y(), b.x() - base.x());
    });
    QList<QPointF> outline;
    outline.append(base - QPointF(0, height * 0.15));
    for (const QPointF &tip : tips)
        outline.append(base + (tip - base) * 1.04);
    const QPainterPath fan = smoothClosedPath(outline.constData(), int(outline.size()));

    p.fillPath(fan, withAlpha(colour, 55));
    p.setClipPath(fan, Qt::IntersectClip);
    p.setPen(QPen(withAlpha(colour.darker(115), 80), std::max(0.3, height / 260.0)));
    const double mesh = std::max(1.6, height / 45.0);
    for (double d = -height * 1.5; d < height * 1.5; d += mesh) {
        p.drawLine(QPointF(base.x() + d, base.y()),
                   QPointF(base.x() + d + height * 1.2, base.y() - height * 1.2));
        p.drawLine(QPointF(base.x() + d, base.y()),
                   QPointF(base.x() + d - height * 1.2, base.y() - height * 1.2));
    }
    p.setClipping(false);

    p.setBrush(Qt::NoBrush);
    for (const Twig &twig : twigs) {
        p.setPen(QPen(colour.darker(125), twig.width, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(twig.path);
    }
    p.restore();
}

void paintReefRock(QPainter &p, const QRectF &area, double top)
{
    if (top >= area.bottom())
        return;
    QRandomGenerator rng = seededRandom(area.width(), top, 23.0);
    p.save();
    p.setClipRect(area, Qt::IntersectClip);

    const double bottom = area.bottom();
    const double band = bottom - top;

    QPainterPath rock;
    rock.moveTo(area.left() - 2, bottom + 2);
    const int bumps = 9;
    QPointF edge[bumps + 1];
    for (int i = 0; i <= bumps; ++i) {
        const double x = area.left() + area.width() * i / bumps;
        edge[i] = QPointF(x, top + band * uniform(rng, -0.08, 0.22));
    }
    rock.lineTo(area.left() - 2, edge[0].y());
    for (int i = 0; i < bumps; ++i) {
        const QPointF mid = (edge[i] + edge[i + 1]) / 2.0;
        rock.quadTo(
            QPointF(edge[i].x() + (edge[i + 1].x() - edge[i].x()) * 0.2, edge[i].y() - band * 0.1),
            mid);
        rock.quadTo(QPointF(edge[i + 1].x() - (edge[i + 1].x() - edge[i].x()) * 0.2,
                            edge[i + 1].y() - band * 0.08),
                    edge[i + 1]);
    }
    rock.lineTo(area.right() + 2, bottom + 2);
    rock.closeSubpath();

    QLinearGradient stone(QPointF(0, top - band * 0.1), QPointF(0, bottom));
    stone.setColorAt(0.0, QColor(132, 124, 104));
    stone.setColorAt(0.5, QColor(96, 88, 76));
    stone.setColorAt(1.0, QColor(52, 50, 48));
    p.fillPath(rock, stone);

    p.setClipPath(rock, Qt::IntersectClip);

    // Boulders and ledges give the band relief.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const QPointF c(uniform(rng, area.left(), area.right()),
                        uniform(rng, top, bottom + band * 0.2));
        const double rx = band * uniform(rng, 0.18, 0.4);
        const double ry = rx * uniform(rng, 0.55, 0.8);
        // Drawn as a squashed circle so the gradient fades out right at the rim.
        QRadialGradient lump(QPointF(0, 0), rx, QPointF(-rx * 0.35, -rx * 0.5));
        const int shade = int(uniform(rng, 96, 150));
        lump.setColorAt(0.0, QColor(shade + 30, shade + 22, shade + 4, 190));
        lump.setColorAt(0.6, QColor(shade - 20, shade - 26, shade - 34, 140));
        lump.setColorAt(1.0, QColor(40, 38, 36, 0));
        p.save();
        p.translate(c);
        p.scale(1.0, ry / rx);
        p.setBrush(lump);
        p.drawEllipse(QPointF(0, 0), rx, rx);
        p.restore();
    }

    // Encrusting sponge, algae and small polyps in reef colours.
    const QColor crust[] = {QColor(150, 80, 140), QColor(210, 120, 60), QColor(90, 140, 80),
                            QColor(200, 90, 90), QColor(120, 150, 110)};
    for (int i = 0; i < 22; ++i) {
        const QPointF c(uniform(rng, area.left(), area.right()), uniform(rng, top, bottom));
        const double r = band * uniform(rng, 0.012, 0.035);
        const QColor tint = crust[rng.bounded(int(std::size(crust)))];
        for (int blob = 0; blob < 4; ++blob) {
            p.setBrush(withAlpha(tint, int(uniform(rng, 50, 110))));
            p.drawEllipse(c + QPointF(uniform(rng, -r, r) * 1.5, uniform(rng, -r, r) * 0.6),
                          r * uniform(rng, 0.8, 1.4), r * uniform(rng, 0.5, 0.8));
        }
    }
    for (int i = 0; i < int(area.width() * band / 40.0); ++i) {
        const QPointF c(uniform(rng, area.left(), area.right()), uniform(rng, top, bottom));
        const bool light = rng.bounded(2) == 0;
        p.setBrush(light ? QColor(190, 180, 150, 70) : QColor(20, 20, 20, 70));
        p.drawEllipse(c, 0.6, 0.6);
    }

    // Crevices: dark holes that swallow the light.
    const double holeXs[] = {0.16, 0.52, 0.84};
    for (double fx : holeXs) {
        const QPointF c(area.left() + area.width() * (fx + uniform(rng, -0.04, 0.04)),
                        top + band * uniform(rng, 0.5, 0.68));
        const double rx = band * uniform(rng, 0.16, 0.24);
        const double ry = rx * uniform(rng, 0.55, 0.7);
        QRadialGradient hole(c + QPointF(0, ry * 0.2), rx * 1.1);
        hole.setColorAt(0.0, QColor(4, 6, 10));
        hole.setColorAt(0.65, QColor(12, 14, 18, 240));
        hole.setColorAt(1.0, QColor(30, 30, 30, 0));
        p.setBrush(hole);
        p.drawEllipse(c, rx * 1.1, ry * 1.1);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(170, 160, 135, 120), std::max(0.6, band / 60.0)));
        p.drawArc(QRectF(c.x() - rx, c.y() - ry * 1.05, rx * 2, ry * 2), 20 * 16, 140 * 16);
        p.setPen(Qt::NoPen);
    }

    // Water between viewer and rock softens its far edge.
    QLinearGradient haze(QPointF(0, top - band * 0.1), QPointF(0, top + band * 0.5));
    haze.setColorAt(0.0, QColor(40, 120, 160, 90));
    haze.setColorAt(1.0, QColor(40, 120, 160, 0));
    p.fillRect(area, haze);

    p.setClipping(false);
    p.setClipRect(area, Qt::IntersectClip);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(190, 200, 180, 90), std::max(0.8, band / 50.0)));
    p.drawPath(rock);

    p.restore();
}

void paintEye(QPainter &p, QPointF centre, double radius, QColor iris)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(18, 18, 24));
    p.drawEllipse(centre, radius, radius);

    QRadialGradient ring(centre - QPointF(radius * 0.2, radius * 0.25), radius);
    ring.setColorAt(0.0, iris.lighter(140));
    ring.setColorAt(0.7, iris);
    ring.setColorAt(1.0, iris.darker(170));
    p.setBrush(ring);
    p.drawEllipse(centre, radius * 0.86, radius * 0.86);

    QRadialGradient pupil(centre, radius * 0.52);
    pupil.setColorAt(0.0, QColor(0, 0, 0));
    pupil.setColorAt(0.85, QColor(8, 10, 16));
    pupil.setColorAt(1.0, QColor(30, 30, 40));
    p.setBrush(pupil);
    p.drawEllipse(centre, radius * 0.52, radius * 0.52);

    p.setBrush(QColor(255, 255, 255, 235));
    p.drawEllipse(centre + QPointF(-radius * 0.24, -radius * 0.28), radius * 0.2, radius * 0.2);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(centre + QPointF(radius * 0.26, radius * 0.24), radius * 0.09, radius * 0.09);
    p.restore();
}

QPainterPath smoothClosedPath(const QPointF *points, int count)
{
    QPainterPath path;
    if (count <= 0)
        return path;
    path.moveTo(points[0]);
    if (count < 3) {
        for (int i = 1; i < count; ++i)
            path.lineTo(points[i]);
        path.closeSubpath();
        return path;
    }
    auto at = [points, count](int i) { return points[((i % count) + count) % count]; };
    for (int i = 0; i < count; ++i) {
        const QPointF p0 = at(i - 1);
        const QPointF p1 = at(i);
        const QPointF p2 = at(i + 1);
        const QPointF p3 = at(i + 2);
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    path.closeSubpath();
    return path;
}

QPainterPath smoothClosedPath(std::initializer_list<QPointF> points)
{
    const std::vector<QPointF> v(points);
    return smoothClosedPath(v.data(), int(v.size()));
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
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

} // namespace backdrop
