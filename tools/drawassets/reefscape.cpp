// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backdrop.h"

#include "anatomy.h"
#include "fishkit.h"

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

// How far `water` has turned `colour` towards its own hue at `fog` (0..1).
QColor hazed(QColor colour, double fog, QColor water)
{
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
    {
        // Even far off the reef is lit from the surface: its tops catch a
        // little of the light, so it reads as ground with form, not a
        // cut-out shadow.
        const fishkit::Saved s(p);
        p.setClipPath(reef, Qt::IntersectClip);
        stroke(p, reef.translated(0, rise * 0.06), withAlpha(tone.lighter(160), tone.alpha() / 3),
               std::max(0.8, rise * 0.12));
    }
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

// Fills `wall` lit from the surface and a little from the left, as a round
// wall from `left` to `right`, and clips the painter to it for the detail.
void paintRoundWall(QPainter &p, const QPainterPath &wall, double left, double right, QColor tint)
{
    QLinearGradient round(left, 0, right, 0);
    round.setColorAt(0.0, tint.lighter(112));
    round.setColorAt(0.35, tint.lighter(125));
    round.setColorAt(1.0, tint.darker(175));
    p.fillPath(wall, round);
    p.setClipPath(wall, Qt::IntersectClip);
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
    p.save();
    paintRoundWall(p, tube, mouth.x() - wide / 2, mouth.x() + wide / 2, tint);
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
    // Not every bottom has the reef on its horizon: some lie out on an open
    // plain with only a low far line, and some at the foot of a reef slope
    // rising out of the picture at one side.
    const int view = int(std::lround(horizon)) % 3;
    // The far reef is only a darker shade of whatever water it stands in.
    const QColor far = waterBehind(p, QPointF(area.center().x(), horizon - rise * 2.0));
    auto shade = [&far](int darker, int alpha) { return withAlpha(far.darker(darker), alpha); };
    paintSkyline(p, rng, area, horizon + 1, rise * (view == 1 ? 0.25 : 0.6),
                 shade(125, view == 1 ? 70 : 110));
    if (view == 0)
        paintSkyline(p, rng, area, horizon + 3, rise, shade(150, 150));
    if (view == 2) {
        // The slope loses itself in the blue as it climbs.
        const bool left = rng.bounded(2) == 0;
        const double foot = area.width() * between(rng, 0.3, 0.45);
        const double x0 = left ? area.left() : area.right();
        const double dir = left ? 1.0 : -1.0;
        // Its face is lumpy with coral heads and ledges, never a smooth curve.
        QPainterPath slope(QPointF(x0, horizon + 4));
        QPointF last(x0 + dir * foot, horizon + 4);
        slope.lineTo(last);
        for (int i = 1; i <= 14; ++i) {
            const double t = i / 14.0;
            const QPointF next(x0 + dir * foot * (1.0 - 0.8 * std::pow(t, 0.7)) *
                                        (1.0 + between(rng, -0.06, 0.06)),
                               horizon + 4 - (horizon + 4 - area.top()) * t);
            const QPointF bump =
                (last + next) / 2.0 + QPointF(dir * foot * between(rng, 0.0, 0.08), 0);
            slope.quadTo(bump, next);
            last = next;
        }
        slope.lineTo(x0, area.top());
        slope.closeSubpath();
        QLinearGradient fadeUp(0, horizon, 0, area.top());
        fadeUp.setColorAt(0.0, shade(160, 150));
        fadeUp.setColorAt(0.6, shade(140, 70));
        fadeUp.setColorAt(1.0, shade(130, 0));
        p.fillPath(slope, fadeUp);
        paintSkyline(p, rng, area, horizon + 3, rise * 0.7, shade(150, 120));
    }
    p.restore();
}

void paintTubeSponges(QPainter &p, QPointF base, double radius, QColor colour, quint32 seed,
                      double fog)
{
    const QColor water = waterBehind(p, QPointF(base.x(), base.y() * 0.5));
    QRandomGenerator rng(seed);
    // Not one kind of tube sponge everywhere: tall, slender stove-pipes in
    // lavender or grey, short stout yellow tubes crowded on one base, and
    // brown or dull orange clumps of middling tubes; the colour asked for
    // only leans the sponge's own.
    const int kind = int(rng.bounded(3));
    static constexpr QRgb own[] = {qRgb(150, 128, 168), qRgb(196, 170, 70), qRgb(150, 104, 72),
                                   qRgb(132, 130, 124), qRgb(176, 100, 66)};
    const QColor body = kind == 0   ? QColor::fromRgb(own[rng.bounded(2) ? 0 : 3])
                        : kind == 1 ? QColor::fromRgb(own[1])
                                    : QColor::fromRgb(own[rng.bounded(2) ? 2 : 4]);
    const QColor tint = hazed(blend(body, colour, between(rng, 0.2, 0.45)), fog, water);
    struct Tube
    {
        double dx, tall, wide;
    };
    std::vector<Tube> tubes;
    for (int i = 0, n = kind == 0 ? 2 + rng.bounded(3) : 3 + rng.bounded(3); i < n; ++i) {
        if (kind == 0)
            tubes.push_back({between(rng, -0.6, 0.6) * radius, radius * between(rng, 1.3, 2.2),
                             radius * between(rng, 0.15, 0.22)});
        else if (kind == 1)
            tubes.push_back({between(rng, -0.4, 0.4) * radius, radius * between(rng, 0.5, 1.0),
                             radius * between(rng, 0.3, 0.42)});
        else
            tubes.push_back({between(rng, -0.7, 0.7) * radius, radius * between(rng, 0.7, 1.7),
                             radius * between(rng, 0.2, 0.32)});
    }
    // The tallest stand at the back of the clump.
    std::ranges::sort(tubes, std::greater{}, &Tube::tall);
    for (const Tube &t : tubes)
        // Tubes of one clump differ a little in colour as they age.
        paintTube(p, rng, base + QPointF(t.dx, between(rng, -1.0, 1.0)), t.tall, t.wide,
                  tint.lighter(int(between(rng, 86, 118))));
}

void paintRubbleMound(QPainter &p, QPointF base, double radius, QColor colour, quint32 seed,
                      double fog)
{
    const QColor water = waterBehind(p, QPointF(base.x(), base.y() * 0.5));
    QRandomGenerator rng(seed);
    const QColor stone = hazed(colour.darker(115), fog, water);
    // Broken coral piled in a low heap: the back pieces first, higher up.
    for (int i = 0, n = 14 + rng.bounded(8); i < n; ++i) {
        const double t = double(i) / n, spread = 1.0 - 0.5 * (1.0 - t);
        const QPointF c = base + QPointF(between(rng, -spread, spread) * radius,
                                         -radius * 0.42 * (1.0 - t) * between(rng, 0.6, 1.0));
        const double r = radius * between(rng, 0.12, 0.26);
        // Broken branches lie every way, some long, some stubby.
        const double stretch = between(rng, 1.2, 3.0), turn = between(rng, -0.5, 0.5);
        QPointF rim[7];
        for (int k = 0; k < 7; ++k) {
            const double a = tau * k / 7 + between(rng, -0.25, 0.25),
                         reach = r * between(rng, 0.6, 1.1);
            const QPointF q(std::cos(a) * reach * stretch, std::sin(a) * reach * 0.55);
            rim[k] = c + QPointF(q.x() * std::cos(turn) - q.y() * std::sin(turn),
                                 q.x() * std::sin(turn) * 0.5 + q.y() * std::cos(turn));
        }
        const QPainterPath piece = smoothClosedPath(rim, 7);
        // Dead coral bleaches pale; the pieces are lit on top, not dark lumps.
        const QColor own = stone.lighter(int(between(rng, 105, 150)));
        QRadialGradient lit(c - QPointF(r * 0.3, r * 0.5), r * 1.4);
        lit.setColorAt(0.0, own.lighter(118));
        lit.setColorAt(1.0, own.darker(145));
        p.fillPath(piece.translated(r * 0.1, r * 0.2), QColor(10, 20, 26, 45));
        p.fillPath(piece, lit);
        // Old broken branches keep a few pores; the live ones carry a fuzz of algae.
        if (rng.bounded(3) == 0) {
            const QColor algae = hazed(QColor(96, 112, 52), fog, water);
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

void paintSeagrass(QPainter &p, const QRectF &area, double top, quint32 seed)
{
    const QColor water = waterBehind(p, QPointF(area.center().x(), top * 0.6));
    QRandomGenerator rng(seed);
    const double depthOfBed = area.bottom() - top;
    // Turtle grass grows in tufts of a few flat ribbons from one runner,
    // short and hazed far off, longer and greener near the viewer, the old
    // blade tips browned and furred with growth.
    for (int row = 0; row < 8; ++row) {
        const double t = (row + 0.5) / 8.0, y = top + depthOfBed * t * t + between(rng, -1, 1);
        const double fog = 0.6 * (1.0 - t), tall = (4.0 + 16.0 * t) * between(rng, 0.8, 1.2);
        const double sway = between(rng, -0.35, 0.1);
        // The grass grows in meadows with bare sand between, thick in the
        // middle of a meadow and thinning to stray blades at its edges.
        const double meadow = between(rng, 0, tau), spell = between(rng, 0.02, 0.05);
        for (double x = area.left() + between(rng, -8, 8); x < area.right() + 8;
             x += between(rng, 2, 9) * (0.6 + t)) {
            const double thick = 0.5 + 0.5 * std::sin(x * spell + meadow + row * 1.7);
            if (between(rng, 0, 1) > thick * thick + 0.08)
                continue;
            for (int i = 0, n = 1 + rng.bounded(2 + int(thick * 3)); i < n; ++i) {
                const QPointF root(x + between(rng, -2, 2), y + between(rng, -2, 2));
                const double len = tall * between(rng, 0.5, 1.1),
                             lean = sway + between(rng, -0.25, 0.25);
                const QPointF tip = root + QPointF(lean * len, -len);
                const QColor green =
                    hazed(QColor::fromHsv(int(between(rng, 70, 95)), int(between(rng, 110, 170)),
                                          int(between(rng, 90, 140))),
                          fog, water);
                const QPainterPath blade =
                    curve(root, root + QPointF(lean * len * 0.1, -len * 0.6), tip);
                const double width = std::max(0.6, (0.8 + 1.6 * t) * between(rng, 0.7, 1.1));
                // Flat straps with blunt, square-cut ends, lit along one edge.
                p.strokePath(blade, QPen(green, width, Qt::SolidLine, Qt::FlatCap));
                p.strokePath(blade.translated(-width * 0.25, 0),
                             QPen(withAlpha(green.lighter(130), 90), width * 0.35, Qt::SolidLine,
                                  Qt::FlatCap));
                if (rng.bounded(2) == 0)
                    p.strokePath(curve(blade.pointAtPercent(0.8), blade.pointAtPercent(0.9), tip),
                                 QPen(hazed(QColor(150, 130, 80), fog, water), width, Qt::SolidLine,
                                      Qt::FlatCap));
            }
        }
    }
}

void paintRubbleScatter(QPainter &p, const QRectF &area, double top, quint32 seed)
{
    const QColor water = waterBehind(p, QPointF(area.center().x(), top * 0.6));
    QRandomGenerator rng(seed);
    const double depthOfBed = area.bottom() - top;
    // Coral rubble and shell washed over the sand, small and crowded far
    // off, larger and fewer near the viewer, each piece its own shape.
    for (int i = 0, n = int(area.width() * depthOfBed / 120.0); i < n; ++i) {
        const double t = std::pow(between(rng, 0, 1), 0.7), y = top + depthOfBed * t;
        const QPointF c(between(rng, area.left(), area.right()), y);
        const double r = (0.8 + 4.0 * t) * between(rng, 0.4, 1.2);
        const double turn = between(rng, 0, tau), stretch = between(rng, 1.0, 2.6);
        QPointF rim[6];
        for (int k = 0; k < 6; ++k) {
            const double a = tau * k / 6 + between(rng, -0.3, 0.3),
                         reach = r * between(rng, 0.6, 1.1);
            const QPointF q(std::cos(a) * reach * stretch, std::sin(a) * reach);
            rim[k] = c + QPointF(q.x() * std::cos(turn) - q.y() * std::sin(turn),
                                 (q.x() * std::sin(turn) + q.y() * std::cos(turn)) * 0.45);
        }
        const QPainterPath piece = smoothClosedPath(rim, 6);
        // Mostly bleached coral and shell, some pink with coralline crust,
        // a few dark pieces of old stone.
        static constexpr QRgb kinds[] = {qRgb(226, 218, 196), qRgb(214, 198, 170),
                                         qRgb(200, 160, 156), qRgb(124, 114, 98),
                                         qRgb(230, 222, 206)};
        const QColor stone =
            hazed(QColor::fromRgb(kinds[rng.bounded(5)]).darker(int(between(rng, 95, 118))),
                  0.45 * (1.0 - t), water);
        p.fillPath(piece.translated(r * 0.2, r * 0.25), QColor(60, 50, 30, 50));
        QRadialGradient lit(c - QPointF(r * 0.4, r * 0.3), r * stretch * 1.2);
        lit.setColorAt(0.0, stone.lighter(112));
        lit.setColorAt(1.0, stone.darker(140));
        p.fillPath(piece, lit);
    }
}

void paintFingerCoral(QPainter &p, QPointF base, double radius, QColor colour, quint32 seed,
                      double fog)
{
    const QColor water = waterBehind(p, QPointF(base.x(), base.y() * 0.5));
    QRandomGenerator rng(seed);
    // Finger coral is tan to lilac-brown; the given colour only leans it.
    const QColor stone = hazed(blend(colour, QColor(190, 150, 100), 0.7), fog * 0.6, water);
    struct Finger
    {
        QPointF foot, tip;
        double thick;
    };
    std::vector<Finger> fingers;
    for (int i = 0, n = 9 + rng.bounded(6); i < n; ++i) {
        const double x = between(rng, -0.8, 0.8);
        const double tall = radius * (0.95 - 0.5 * std::abs(x)) * between(rng, 0.55, 1.05);
        const QPointF foot = base + QPointF(x * radius, between(rng, -1, 1));
        fingers.push_back({foot, foot + QPointF(x * tall * 0.35 + between(rng, -2, 2), -tall),
                           radius * between(rng, 0.1, 0.15)});
    }
    // The ones at the back first.
    std::ranges::sort(fingers, std::greater{},
                      [](const Finger &f) { return f.foot.y() - f.tip.y(); });
    QPainterPath clump;
    const auto paintFinger = [&](const Finger &f) {
        // Each finger bends a little and swells and pinches along its
        // length, knobbly, with a rounded tip; they grow fused at the foot.
        const QPointF bend((f.tip - f.foot).y() * between(rng, -0.12, 0.12), 0);
        const QPainterPath axis = curve(f.foot, (f.foot + f.tip) / 2.0 + bend, f.tip);
        const QPainterPath finger =
            fishkit::ribbon(axis, {f.thick * 1.5, f.thick * between(rng, 0.85, 1.05),
                                   f.thick * between(rng, 0.9, 1.15),
                                   f.thick * between(rng, 0.8, 1.0), f.thick * 0.9, f.thick * 0.55})
                .united(fishkit::oval(f.tip, f.thick * 0.47, f.thick * 0.45));
        p.fillPath(finger.translated(f.thick * 0.3, f.thick * 0.1),
                   withAlpha(stone.darker(190), 120));
        QLinearGradient round(axis.pointAtPercent(0.5) - QPointF(f.thick * 0.55, 0),
                              axis.pointAtPercent(0.5) + QPointF(f.thick * 0.55, 0));
        round.setColorAt(0.0, stone.lighter(112));
        round.setColorAt(0.35, stone.lighter(120));
        round.setColorAt(1.0, stone.darker(150));
        p.fillPath(finger, round);
        clump.addPath(finger);
        // Polyps leave the surface finely fuzzed.
        p.save();
        p.setClipPath(finger, Qt::IntersectClip);
        for (int k = 0; k < int(f.thick * 4); ++k) {
            const QPointF at = axis.pointAtPercent(between(rng, 0.05, 1.0)) +
                               QPointF(between(rng, -0.5, 0.5) * f.thick, 0);
            p.setPen(Qt::NoPen);
            p.setBrush(withAlpha(stone.darker(140), 80));
            p.drawEllipse(at, 0.45, 0.45);
        }
        p.restore();
        return axis;
    };
    for (const Finger &f : fingers) {
        const QPainterPath axis = paintFinger(f);
        // Many fingers fork once on the way up, the branch shorter and
        // leaning out, so the clump is a thicket and not a row of pipes.
        if (rng.bounded(5) < 3) {
            const QPointF from = axis.pointAtPercent(between(rng, 0.35, 0.6));
            const double side = f.tip.x() >= f.foot.x() ? 1.0 : -1.0;
            const double reach = QLineF(from, f.tip).length() * between(rng, 0.55, 0.85);
            paintFinger({from, from + QPointF(side * reach * between(rng, 0.35, 0.6), -reach),
                         f.thick * 0.85});
        }
    }
    // The foot of the clump lies in its own shade.
    p.save();
    p.setClipPath(clump, Qt::IntersectClip);
    QLinearGradient shade(0, base.y() - radius * 0.4, 0, base.y());
    shade.setColorAt(0.0, QColor(0, 20, 30, 0));
    shade.setColorAt(1.0, QColor(0, 20, 30, 90));
    p.fillRect(
        QRectF(base.x() - radius * 1.2, base.y() - radius * 0.4, radius * 2.4, radius * 0.45),
        shade);
    p.restore();
}

void paintBarrelSponge(QPainter &p, QPointF base, double radius, QColor colour, quint32 seed,
                       double fog)
{
    const QColor water = waterBehind(p, QPointF(base.x(), base.y() * 0.5));
    QRandomGenerator rng(seed);
    const QColor skin = hazed(blend(colour, QColor(150, 96, 80), 0.55), fog, water);
    // A barrel, not a pot: the sides climb nearly straight from a narrower
    // foot, widening a little towards the flared mouth.
    const double wide = radius * between(rng, 0.75, 0.95), tall = radius * between(rng, 0.85, 1.25),
                 lean = between(rng, -0.1, 0.1) * tall;
    const QPointF mouth = base + QPointF(lean, -tall);
    const double bulgeL = between(rng, 0.58, 0.7), bulgeR = between(rng, 0.58, 0.7);
    QPainterPath vase(base + QPointF(-wide * 0.45, 0));
    vase.cubicTo(base + QPointF(-wide * bulgeL, -tall * 0.35),
                 mouth + QPointF(-wide * 0.66, tall * 0.35), mouth + QPointF(-wide * 0.7, 0));
    vase.lineTo(mouth + QPointF(wide * 0.7, 0));
    vase.cubicTo(mouth + QPointF(wide * 0.66, tall * 0.35),
                 base + QPointF(wide * bulgeR, -tall * 0.35), base + QPointF(wide * 0.5, 0));
    vase.closeSubpath();
    p.save();
    paintRoundWall(p, vase, base.x() - wide * 0.8, base.x() + wide * 0.8, skin);
    // The wall is built of deep ridges running up it, each a lit crest with
    // a shaded groove beside it, wavering and knobbly, fanning out with the
    // wall towards the mouth and crowding together towards the sides as the
    // barrel turns away.
    for (double t = -0.92; t <= 0.92; t += between(rng, 0.14, 0.22)) {
        const double u = std::sin(t * std::numbers::pi / 2);
        QPolygonF ridge;
        for (double v = 0; v <= 1.0; v += 0.1)
            ridge << base + QPointF(lean * v + u * wide * (0.5 + 0.18 * v), -tall * v) +
                         QPointF(between(rng, -0.5, 0.5) * std::max(0.6, wide / 30), 0);
        QPainterPath line;
        line.addPolygon(ridge);
        const double w = std::max(0.6, wide / between(rng, 10, 14)) * (1.0 - 0.5 * std::abs(u));
        stroke(p, line.translated(w * 0.8, 0), withAlpha(skin.darker(175), 90), w * 1.1);
        stroke(p, line, withAlpha(skin.lighter(130), int(70 * (1.0 - 0.6 * std::abs(u)))), w * 0.7);
    }
    // Pitted all over, the pits crowding in the grooves.
    for (int i = 0, n = int(wide * tall / 5); i < n; ++i) {
        const double v = between(rng, 0.05, 0.95), u = between(rng, -0.8, 0.8);
        const QPointF at = base + QPointF(lean * v + u * wide * 0.7, -tall * v);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(skin.darker(170), int(between(rng, 30, 90))));
        p.drawEllipse(at, 0.5, 0.4);
    }
    p.restore();
    // The rim is ragged, worn down here and grown up there, and the dark
    // hollow shows only at the back of the mouth.
    QPointF lip[12], hollow[12];
    for (int i = 0; i < 12; ++i) {
        const double a = tau * i / 12, ragged = between(rng, 0.88, 1.08);
        const QPointF d(std::cos(a) * wide * 0.7, std::sin(a) * wide * 0.14);
        lip[i] = mouth + d * ragged + QPointF(0, between(rng, -0.04, 0.04) * wide);
        hollow[i] = mouth + d * ragged * 0.8 + QPointF(0, wide * 0.02);
    }
    p.fillPath(smoothClosedPath(lip, 12), skin.lighter(112));
    QRadialGradient deep(mouth - QPointF(0, wide * 0.05), wide * 0.5);
    deep.setColorAt(0.0, skin.darker(380));
    deep.setColorAt(1.0, skin.darker(200));
    p.fillPath(smoothClosedPath(hollow, 12), deep);
}

void paintSeaRods(QPainter &p, QPointF base, double height, QColor colour, quint32 seed)
{
    // Even the near rods stand in the same water as the fish and take a
    // little of its colour.
    colour = blend(colour, waterBehind(p, base - QPointF(0, height * 0.6)), 0.2);
    QRandomGenerator rng(seed);
    for (int i = 0, n = 2 + rng.bounded(3); i < n; ++i) {
        const QPointF foot = base + QPointF(between(rng, -0.15, 0.15) * height, 0);
        const double lean = between(rng, -0.35, 0.35) * height,
                     tall = height * between(rng, 0.55, 1.0);
        const QPointF top = foot + QPointF(lean, -tall);
        QPainterPath rod(foot);
        rod.cubicTo(foot + QPointF(lean * 0.1, -tall * 0.4), top + QPointF(-lean * 0.3, tall * 0.3),
                    top);
        const double width = std::max(1.2, height / 28.0) * between(rng, 0.8, 1.2);
        // A branch or two forks off and turns up.
        for (int k = 0, m = rng.bounded(3); k < m; ++k) {
            const QPointF fork = rod.pointAtPercent(between(rng, 0.3, 0.6));
            const double out = (rng.bounded(2) ? 1.0 : -1.0) * height * between(rng, 0.1, 0.2);
            anatomy::paintRodStem(p,
                                  curve(fork, fork + QPointF(out, -height * 0.05),
                                        fork + QPointF(out * 1.1, -tall * between(rng, 0.3, 0.5))),
                                  width * 0.7, colour.darker(108), rng);
        }
        anatomy::paintRodStem(p, rod, width, colour, rng);
    }
}

void paintBurrows(QPainter &p, const QRectF &area, double scale, quint32 seed)
{
    QRandomGenerator rng(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0, n = 5 + rng.bounded(4); i < n; ++i) {
        const QPointF c(between(rng, area.left(), area.right()),
                        between(rng, area.top(), area.bottom()));
        const double r = scale * between(rng, 0.25, 0.6);
        // A low cone of paler, finer sand, lit on its upper left, with a dark
        // hole a little off its top.
        QRadialGradient mound(c - QPointF(r * 0.3, r * 0.35), r * 1.3);
        mound.setColorAt(0.0, QColor(250, 238, 206, 90));
        mound.setColorAt(0.6, QColor(220, 200, 160, 50));
        mound.setColorAt(1.0, QColor(160, 136, 96, 0));
        p.setBrush(mound);
        p.drawEllipse(c, r * 1.3, r * 1.1);
        const QPointF hole = c + QPointF(between(rng, -0.2, 0.2), between(rng, -0.2, 0.2)) * r;
        // A small, clean-edged opening: its near wall in shade, the far rim
        // catching the light, not a soft dark smudge.
        QRadialGradient deep(hole - QPointF(r * 0.03, r * 0.03), r * 0.15);
        deep.setStops({{0.0, QColor(58, 44, 24, 230)},
                       {0.75, QColor(86, 68, 40, 200)},
                       {1.0, QColor(110, 90, 60, 0)}});
        p.setBrush(deep);
        p.drawEllipse(hole, r * 0.15, r * 0.12);
        stroke(p,
               curve(hole + QPointF(r * 0.14, -r * 0.02), hole + QPointF(r * 0.13, r * 0.13),
                     hole + QPointF(-r * 0.02, r * 0.13)),
               QColor(255, 246, 220, 110), std::max(0.4, r * 0.05));
    }
    // Feeding pits and trails: soft shallow hollows, shaded on the lit side.
    for (int i = 0, n = 4 + rng.bounded(4); i < n; ++i) {
        const QPointF c(between(rng, area.left(), area.right()),
                        between(rng, area.top(), area.bottom()));
        const double r = scale * between(rng, 0.3, 0.7);
        QRadialGradient pit(c - QPointF(r * 0.3, r * 0.3), r);
        pit.setColorAt(0.0, QColor(120, 98, 64, 50));
        pit.setColorAt(1.0, QColor(120, 98, 64, 0));
        p.setBrush(pit);
        p.drawEllipse(c, r, r * between(rng, 0.6, 0.9));
    }
    p.restore();
}

void paintShellHash(QPainter &p, const QRectF &area, double scale, quint32 seed)
{
    QRandomGenerator rng(seed);
    p.save();
    p.setPen(Qt::NoPen);
    // Mostly grit, a few larger broken valves, collected in the ripple troughs.
    for (int i = 0, n = int(area.width() * area.height() / (scale * scale) * 1.2); i < n; ++i) {
        const QPointF c(between(rng, area.left(), area.right()),
                        between(rng, area.top(), area.bottom()));
        const double r =
            scale * (rng.bounded(8) == 0 ? between(rng, 0.08, 0.16) : between(rng, 0.025, 0.06));
        const double turn = between(rng, 0, tau);
        QPointF rim[5];
        for (int k = 0; k < 5; ++k) {
            const double a = tau * k / 5 + turn + between(rng, -0.3, 0.3);
            rim[k] = c + QPointF(std::cos(a), std::sin(a)) * r * between(rng, 0.5, 1.1);
        }
        const QPainterPath piece = smoothClosedPath(rim, 5);
        p.fillPath(piece.translated(r * 0.25, r * 0.3), QColor(90, 70, 40, 60));
        const int tone = int(between(rng, 200, 250));
        p.fillPath(piece, QColor(tone, tone - int(between(rng, 4, 30)), tone - 40, 220));
    }
    p.restore();
}

} // namespace backdrop
