// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backdrop.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

// The reef beyond and around the fish: the far reef lost in the blue, and the
// growths other than coral heads that stand on the bottom near the viewer.
namespace backdrop {

namespace {

constexpr double tau = 2.0 * std::numbers::pi;

double between(QRandomGenerator &rng, double lo, double hi)
{
    return lo + (hi - lo) * rng.generateDouble();
}

// How far the water has turned `colour` towards its own blue at `fog` (0..1).
QColor hazed(QColor colour, double fog)
{
    const QColor water(52, 118, 146);
    auto mix = [fog](int a, int b) { return int(std::lround(a + (b - a) * fog)); };
    return QColor(mix(colour.red(), water.red()), mix(colour.green(), water.green()),
                  mix(colour.blue(), water.blue()), colour.alpha());
}

// A soft skyline of reef `rise` high at most sitting on y = `ground`, filled
// with `tone` thinning upwards, so it reads as shape without detail.
void paintSkyline(QPainter &p, QRandomGenerator &rng, const QRectF &area, double ground,
                  double rise, QColor tone)
{
    QPainterPath reef(QPointF(area.left() - 4, ground + 4));
    double x = area.left() - 4;
    reef.lineTo(x, ground - rise * between(rng, 0.1, 0.5));
    while (x < area.right() + 4) {
        const double run = area.width() * between(rng, 0.05, 0.16);
        // Mostly low rubble, now and then a coral head or a sponge standing up.
        const double top = ground - rise * (rng.bounded(4) == 0 ? between(rng, 0.7, 1.0)
                                                                : between(rng, 0.15, 0.55));
        const QPointF peak(x + run * between(rng, 0.3, 0.7), top);
        reef.quadTo(QPointF(x + run * 0.1, top), peak);
        x += run;
        reef.quadTo(QPointF(x - run * 0.1, top),
                    QPointF(x, ground - rise * between(rng, 0.1, 0.3)));
    }
    reef.lineTo(area.right() + 4, ground + 4);
    reef.closeSubpath();
    QLinearGradient fade(0, ground - rise, 0, ground);
    fade.setColorAt(0.0, withAlpha(tone, tone.alpha() / 3));
    fade.setColorAt(1.0, tone);
    p.fillPath(reef, fade);
    // Here and there a far sea fan or rod, no more than a smudge in the blue.
    for (int i = 0, n = 1 + rng.bounded(3); i < n; ++i) {
        const QPointF foot(between(rng, area.left(), area.right()), ground - rise * 0.3);
        const double tall = rise * between(rng, 1.2, 2.0), wide = tall * between(rng, 0.3, 0.6);
        QRadialGradient smudge(foot - QPointF(0, tall * 0.55), std::max(wide, tall) * 0.6);
        smudge.setColorAt(0.0, withAlpha(tone, tone.alpha() * 2 / 3));
        smudge.setColorAt(1.0, withAlpha(tone, 0));
        p.save();
        p.translate(foot - QPointF(0, tall * 0.55));
        p.scale(wide / tall, 1.0);
        p.setPen(Qt::NoPen);
        p.setBrush(smudge);
        p.drawEllipse(QPointF(0, 0), tall * 0.6, tall * 0.55);
        p.restore();
        stroke(p, curve(foot, foot - QPointF(0, tall * 0.2), foot - QPointF(0, tall * 0.45)),
               withAlpha(tone, tone.alpha() / 2), std::max(0.5, rise / 18));
    }
}

// One sponge tube standing from `foot`, `tall` high and `wide` across its mouth.
void paintTube(QPainter &p, QRandomGenerator &rng, QPointF foot, double tall, double wide,
               QColor tint)
{
    // Narrow at the foot, swelling and bending a little as it grows, flared at the mouth.
    const double lean = between(rng, -0.18, 0.18) * tall, waist = wide * between(rng, 0.45, 0.65),
                 bow = between(rng, -0.12, 0.12) * tall, swell = wide * between(rng, 0.85, 1.0);
    const QPointF mouth = foot + QPointF(lean, -tall),
                  mid = foot + QPointF(lean * 0.4 + bow, -tall * 0.5);
    QPainterPath tube(foot + QPointF(-waist / 2, 0));
    tube.cubicTo(foot + QPointF(-waist / 2, -tall * 0.25), mid + QPointF(-swell / 2, tall * 0.1),
                 mid + QPointF(-swell / 2, 0));
    tube.cubicTo(mid + QPointF(-swell / 2, -tall * 0.25),
                 mouth + QPointF(-wide * 0.42, tall * 0.12), mouth + QPointF(-wide / 2, 0));
    tube.lineTo(mouth + QPointF(wide / 2, 0));
    tube.cubicTo(mouth + QPointF(wide * 0.42, tall * 0.12), mid + QPointF(swell / 2, -tall * 0.25),
                 mid + QPointF(swell / 2, 0));
    tube.cubicTo(mid + QPointF(swell / 2, tall * 0.1), foot + QPointF(waist / 2, -tall * 0.25),
                 foot + QPointF(waist / 2, 0));
    tube.closeSubpath();
    // Lit from the surface and a little from the left: a round wall.
    QLinearGradient round(mouth.x() - wide / 2, 0, mouth.x() + wide / 2, 0);
    round.setColorAt(0.0, tint.lighter(112));
    round.setColorAt(0.35, tint.lighter(125));
    round.setColorAt(1.0, tint.darker(175));
    p.fillPath(tube, round);
    p.save();
    p.setClipPath(tube, Qt::IntersectClip);
    // The wall is pitted with small pores, and grows darker towards its foot.
    for (int i = 0, n = int(tall * wide / 6); i < n; ++i) {
        const double t = between(rng, 0.05, 0.95), s = between(rng, -0.45, 0.45);
        const QPointF at = foot + (mouth - foot) * t + QPointF(s * wide, 0);
        const double r = between(rng, 0.25, 0.6) * std::max(0.8, wide / 10);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(tint.darker(190), int(between(rng, 40, 110))));
        p.drawEllipse(at, r, r * 0.8);
    }
    QLinearGradient footShade(0, mouth.y(), 0, foot.y());
    footShade.setColorAt(0.5, QColor(0, 10, 20, 0));
    footShade.setColorAt(1.0, QColor(0, 10, 20, 120));
    p.fillRect(tube.boundingRect(), footShade);
    p.restore();
    // The open mouth: a lit rim round a dark, deep cavity.
    const QRectF rim(mouth.x() - wide / 2, mouth.y() - wide * 0.13, wide, wide * 0.26);
    p.setPen(Qt::NoPen);
    p.setBrush(tint.lighter(118));
    p.drawEllipse(rim);
    QRadialGradient cavity(rim.center() + QPointF(0, wide * 0.05), wide * 0.45);
    cavity.setColorAt(0.0, QColor(16, 12, 14));
    cavity.setColorAt(1.0, tint.darker(260));
    p.setBrush(cavity);
    p.drawEllipse(rim.adjusted(wide * 0.12, wide * 0.05, -wide * 0.12, -wide * 0.03));
}

} // namespace

void paintDistantReef(QPainter &p, const QRectF &area, double horizon)
{
    QRandomGenerator rng(quint32(std::lround(area.width() * 3 + horizon * 61)) ^ 0x4eefu);
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    const double rise = area.height() * 0.09;
    // Two ranges: the farthest barely darker than the water, the nearer a
    // little firmer and taller, neither with any detail.
    paintSkyline(p, rng, area, horizon + 1, rise * 0.6, QColor(44, 104, 134, 110));
    paintSkyline(p, rng, area, horizon + 3, rise, QColor(34, 88, 114, 150));
    p.restore();
}

void paintTubeSponges(QPainter &p, QPointF base, double radius, QColor colour, quint32 seed,
                      double fog)
{
    QRandomGenerator rng(seed);
    const QColor tint = hazed(colour, fog);
    struct Tube
    {
        double dx, tall, wide;
    };
    std::vector<Tube> tubes;
    for (int i = 0, n = 3 + rng.bounded(3); i < n; ++i)
        tubes.push_back({between(rng, -0.7, 0.7) * radius, radius * between(rng, 0.7, 1.7),
                         radius * between(rng, 0.2, 0.32)});
    // The tallest stand at the back of the clump.
    std::ranges::sort(tubes, std::greater{}, &Tube::tall);
    for (const Tube &t : tubes)
        paintTube(p, rng, base + QPointF(t.dx, between(rng, -1.0, 1.0)), t.tall, t.wide, tint);
}

void paintRubbleMound(QPainter &p, QPointF base, double radius, QColor colour, quint32 seed,
                      double fog)
{
    QRandomGenerator rng(seed);
    const QColor stone = hazed(colour.darker(115), fog);
    // Broken coral piled in a low heap: the back pieces first, higher up.
    for (int i = 0, n = 14 + rng.bounded(8); i < n; ++i) {
        const double t = double(i) / n, spread = 1.0 - 0.5 * (1.0 - t);
        const QPointF c = base + QPointF(between(rng, -spread, spread) * radius,
                                         -radius * 0.42 * (1.0 - t) * between(rng, 0.6, 1.0));
        const double r = radius * between(rng, 0.12, 0.26);
        // Broken branches lie every way, some long, some stubby.
        const double stretch = between(rng, 1.0, 2.2), turn = between(rng, -0.5, 0.5);
        QPointF rim[7];
        for (int k = 0; k < 7; ++k) {
            const double a = tau * k / 7 + between(rng, -0.25, 0.25),
                         reach = r * between(rng, 0.6, 1.1);
            const QPointF q(std::cos(a) * reach * stretch, std::sin(a) * reach * 0.55);
            rim[k] = c + QPointF(q.x() * std::cos(turn) - q.y() * std::sin(turn),
                                 q.x() * std::sin(turn) * 0.5 + q.y() * std::cos(turn));
        }
        const QPainterPath piece = smoothClosedPath(rim, 7);
        const QColor own = stone.lighter(int(between(rng, 85, 125)));
        QRadialGradient lit(c - QPointF(r * 0.3, r * 0.5), r * 1.4);
        lit.setColorAt(0.0, own.lighter(125));
        lit.setColorAt(1.0, own.darker(190));
        p.fillPath(piece.translated(r * 0.1, r * 0.2), QColor(10, 20, 26, 70));
        p.fillPath(piece, lit);
        // Old broken branches keep a few pores; the live ones carry a fuzz of algae.
        if (rng.bounded(3) == 0) {
            const QColor algae = hazed(QColor(96, 112, 52), fog);
            for (int k = 0; k < 5; ++k) {
                const QPointF at = c + QPointF(between(rng, -0.6, 0.6) * r, -r * 0.4);
                stroke(p,
                       curve(at, at + QPointF(between(rng, -1, 1), -r * 0.3),
                             at + QPointF(between(rng, -2, 2), -r * between(rng, 0.4, 0.8))),
                       withAlpha(algae, 170), std::max(0.4, r / 10));
            }
        }
    }
}

} // namespace backdrop
