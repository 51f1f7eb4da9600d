// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backdrop.h"

#include "anatomy.h"
#include "fishkit.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>

namespace backdrop {

namespace {

constexpr double pi = std::numbers::pi;

// Seeded from the logical geometry, so the @2x picture gets the same scenery
// as the 1x one and every run of the tool gives identical files.
class Dice : public QRandomGenerator
{
public:
    Dice(double a, double b, double c)
        : QRandomGenerator(quint32(std::lround(a * 7.0 + b * 131.0 + c * 977.0)) ^ 0x5eedu)
    {
    }
    double operator()(double lo, double hi) { return lo + (hi - lo) * generateDouble(); }
    // y is drawn before x: the scenery was first drawn that way, and the order
    // must stay fixed for the pictures to stay the same.
    QPointF point(double left, double right, double top, double bottom)
    {
        const double y = (*this)(top, bottom);
        return {(*this)(left, right), y};
    }
};

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

QPainterPath polyline(const QPolygonF &points)
{
    QPainterPath path;
    path.addPolygon(points);
    return path;
}

void dot(QPainter &p, const QBrush &brush, QPointF centre, double rx, double ry)
{
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawEllipse(centre, rx, ry);
}

using Twigs = QList<std::pair<QPainterPath, double>>; // each with its width

void growFanBranch(QPointF from, double angle, double length, double width, int level, Dice &dice,
                   Twigs &twigs, QList<QPointF> &tips, double fork = 1.0)
{
    const double bend = dice(-0.15, 0.15);
    const QPointF to = from + QPointF(std::cos(angle), std::sin(angle)) * length;
    const QPointF across(std::cos(angle + pi / 2), std::sin(angle + pi / 2));
    twigs.append({curve(from, (from + to) / 2.0 + across * length * bend, to), width});
    if (level == 0) {
        tips.append(to);
        return;
    }
    const double spread = dice(0.26, 0.4) * (level > 3 ? 1.3 : 1.0) * fork;
    // Branches lean back towards upright so the fan stays a fan, not a bush.
    const double lean = (-pi / 2 - angle) * 0.18;
    for (int side : {-1, 1})
        growFanBranch(to, angle + side * spread + lean, length * dice(0.74, 0.86), width * 0.7,
                      level - 1, dice, twigs, tips, fork);
}

// A sea plume: a few tall, slender, bending stems from one holdfast, each
// feathered with fine side branchlets, swaying together in the surge.
void paintSeaPlume(QPainter &p, QPointF base, double height, QColor colour, Dice &dice)
{
    p.save();
    const double sway = dice(-0.25, 0.25) * height;
    const int stems = 3 + int(dice(0, 3));
    for (int i = 0; i < stems; ++i) {
        const double lean = dice(-0.3, 0.3) * height, tall = height * dice(0.6, 1.0);
        const QPointF top = base + QPointF(lean + sway, -tall);
        const QPainterPath stem =
            curve(base, base + QPointF(lean * 0.2 + sway * 0.2, -tall * 0.55), top);
        const double thick = std::max(0.8, height / 70.0);
        // Branchlets all along the upper stem, shorter towards its tip,
        // trailing the way the water pushes them.
        for (double t = 0.25; t < 0.98; t += dice(0.025, 0.05)) {
            const QPointF at = stem.pointAtPercent(t);
            const double len = height * 0.1 * (1.1 - t) * dice(0.6, 1.2);
            for (const double side : {-1.0, 1.0}) {
                const QPointF tip = at + QPointF(side * len + sway * 0.05, -len * dice(0.4, 0.9));
                // Solid, like the stem: the water hazes the plume's colour,
                // it does not thin it.
                stroke(p, curve(at, (at + tip) / 2.0 + QPointF(0, len * 0.15), tip),
                       colour.lighter(int(dice(92, 118))), thick * 0.4);
            }
        }
        stroke(p, stem, colour.darker(125), thick);
    }
    p.restore();
}

} // namespace

void paintSand(QPainter &p, const QRectF &area, double top, int variant)
{
    // Sand is seen through the water over it, and takes a little of its colour.
    const QColor water = waterBehind(p, QPointF(area.center().x(), top - 12));
    paintDistantReef(p, area, top);
    Dice dice(area.width(), top, 17.0 + std::max(0, variant) * 29.0);
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    const double left = area.left(), right = area.right(), bottom = area.bottom(),
                 height = bottom - top, phase = dice(0, 2 * pi);
    QPolygonF edge{QPointF(left, bottom)};
    for (double x = left; x <= right + 6; x += 6)
        edge << QPointF(x, top + 2.0 * std::sin(x * 0.021 + phase) + 1.2 * std::sin(x * 0.057));
    const QPainterPath sand = polyline(edge << QPointF(right, bottom));
    // Not every bottom by the reef is clean rippled sand.
    enum { Rippled, Grass, Rubble, Hard };
    const int cover = variant >= 0 ? variant % 4 : int(std::lround(top * 0.5)) % 4;
    const QColor near = cover == Hard    ? QColor(206, 198, 170)
                        : cover == Grass ? QColor(220, 206, 168)
                                         : QColor(236, 218, 172);
    p.fillPath(sand, vertical(top - 3, bottom,
                              {{0.0, blend({150, 176, 170}, water, 0.5)},
                               {0.25, blend(blend({200, 196, 160}, near, 0.3), water, 0.2)},
                               {1.0, blend(near, water, 0.1)}}));
    p.setClipPath(sand, Qt::IntersectClip);
    const double rippling = cover == Rippled ? 1.0 : cover == Rubble ? 0.45 : 0.25;

    // Ripples crowd together in the distance and open out towards the
    // viewer, at uneven spacing, each fading in and out along its length.
    for (double t = 0.04; t < 1.0; t += (0.05 + 0.09 * t) * dice(0.7, 1.3)) {
        const double y0 = top + height * std::pow(t, 1.35), amp = 0.8 + 2.6 * t,
                     freq = 0.045 / (0.5 + t), ph = dice(0, 2 * pi), tilt = dice(-0.03, 0.03),
                     along = dice(0, 2 * pi), span = dice(40, 90);
        QPolygonF crest, trough;
        for (double x = left - 4; x <= right + 4; x += 3) {
            const double y = y0 + amp * std::sin(x * freq + ph) + tilt * (x - left) +
                             0.6 * amp * std::sin(x * freq * 2.3 + ph * 1.7);
            crest << QPointF(x, y);
            trough << QPointF(x, y + 0.8 + 1.4 * t);
        }
        for (qsizetype i = 0; i + 1 < crest.size(); i += 3) {
            const double strength =
                std::clamp(0.6 + 0.55 * std::sin(crest[i].x() / span + along) +
                               0.25 * std::sin(crest[i].x() / (span * 0.37) + ph),
                           0.0, 1.0);
            if (strength < 0.06)
                continue;
            p.strokePath(polyline(trough.mid(i, 4)),
                         QPen(QColor(140, 118, 82, int((50 + 60 * t) * rippling * strength)),
                              0.6 + 1.6 * t, Qt::SolidLine, Qt::FlatCap));
            p.strokePath(polyline(crest.mid(i, 4)),
                         QPen(QColor(255, 248, 222, int((70 + 80 * t) * rippling * strength)),
                              (0.5 + 1.2 * t) * (0.6 + 0.5 * strength), Qt::SolidLine,
                              Qt::FlatCap));
        }
    }

    // Grains, bigger towards the viewer.
    for (int i = 0; i < int(area.width() * height / 60.0); ++i) {
        const double y = dice(top, bottom), r = dice(0.3, 0.6 + 0.9 * ((y - top) / height));
        const QColor grain = dice.bounded(3) == 0 ? QColor(120, 100, 70, int(dice(40, 110)))
                                                  : QColor(255, 250, 235, int(dice(40, 120)));
        dot(p, grain, QPointF(dice(left, right), y), r, r * 0.8);
    }

    const auto seed = quint32(dice.generate());
    if (cover == Grass)
        paintSeagrass(p, area, top, seed);
    else if (cover == Rubble)
        paintRubbleScatter(p, area, top, seed);
    else if (cover == Hard)
        paintHardBottom(p, area, top, seed);

    // Far sand fades into the water haze.
    p.fillRect(
        QRectF(left, top - 4, area.width(), height + 4),
        vertical(top - 4, top + height * 0.35,
                 fade(withAlpha(waterBehind(p, QPointF(area.center().x(), top - 12)), 120))));
    p.restore();
}

void paintCoralHead(QPainter &p, QPointF base, double radius, QColor colour)
{
    Dice dice(base.x(), base.y(), radius);
    // Heads keep well behind the fish and smaller than it, so it stays the subject.
    radius *= 0.7;
    p.save();
    const QPointF shadowAt(base.x() + radius * 0.15, base.y() + radius * 0.04);
    dot(p, radial(shadowAt, radius * 1.25, fade({10, 30, 40, 110})), shadowAt, radius * 1.25,
        radius * 0.22);

    // The smaller the head, the farther off it stands and the more the water
    // between takes of its colour and its edge.
    const double fog = std::clamp((90.0 - radius) / 110.0, 0.15, 0.55);
    // A lumpy dome, a brain coral or a cluster of lobes: a wobbling half
    // ellipse closed along the base, of its own height. Not every head on the
    // bottom is coral: some are sponges or heaps of coral rubble.
    const int kind = int(dice(0, 8));
    if (kind >= 3) {
        const auto seed = quint32(dice.generate());
        if (kind == 3)
            paintTubeSponges(p, base, radius * 0.8, colour, seed, fog);
        else if (kind == 4)
            paintRubbleMound(p, base, radius, colour, seed, fog);
        else if (kind == 5)
            paintFingerCoral(p, base, radius, colour, seed, fog);
        else if (kind == 7)
            paintPlateCoral(p, base, radius, colour, seed, fog);
        else
            paintBarrelSponge(p, base, radius, colour, seed, fog);
        p.restore();
        return;
    }
    // Star coral spreads in low, broad mounds, brain coral rounds into a
    // dome, and lobed colonies stand up taller than they are wide.
    const double reach = dice(0, 1);
    const double tall = kind == 0   ? 0.45 + 0.25 * reach
                        : kind == 1 ? 0.7 + 0.25 * reach
                                    : 0.85 + 0.3 * reach,
                 lobes = dice(3, 5), phase = dice(0, 2 * pi);
    QPolygonF rim;
    for (int i = 0; i <= 20; ++i) {
        const double a = pi + pi * i / 20, wobble = 1.0 + dice(-0.04, 0.04);
        const double lobe = kind == 2 ? 1.0 + 0.1 * std::sin(a * lobes * 2 + phase) : 1.0;
        rim << base + QPointF(radius * std::cos(a) * wobble,
                              radius * tall * std::sin(a) * wobble * lobe);
    }
    rim << base + QPointF(radius * 0.6, radius * 0.06)
        << base + QPointF(-radius * 0.6, radius * 0.06);
    const QPainterPath dome = smoothClosedPath(rim.constData(), int(rim.size()));
    p.fillPath(dome,
               radial(base - QPointF(radius * 0.35, radius * 0.65), radius * 1.5,
                      {{0.0, colour.lighter(150)}, {0.4, colour}, {1.0, colour.darker(230)}}));
    p.setClipPath(dome, Qt::IntersectClip);

    const double step = std::clamp(radius / 7.5, 2.2, 6.5);
    const auto seed = quint32(dice.generate());
    if (kind == 1)
        anatomy::paintBrainGrooves(p, dome, step * 1.2, colour, seed);
    else
        anatomy::paintStarCups(p, dome, kind == 2 ? step * 0.8 : step, colour, seed);
    // Old colonies are not alive all over: patches have died back under a
    // film of turf and silt, softening the cups there.
    anatomy::paintMottle(p, dome, radius * 0.3, QColor(92, 96, 60, 90),
                         withAlpha(colour.lighter(115), 60), seed + 1);
    if (kind == 2) {
        // The clefts between the lobes fall into shade.
        for (int k = 1; k < 5; ++k) {
            const double x = base.x() - radius + radius * 2 * k / 5 + dice(-0.1, 0.1) * radius;
            p.fillRect(QRectF(x - step, base.y() - radius, step * 2, radius),
                       QBrush(withAlpha(colour.darker(200), 40)));
        }
    }

    // A coral head stands back from the fish, softened by the water between.
    p.fillPath(dome, withAlpha(waterBehind(p, QPointF(base.x(), base.y() - radius * 2.0)),
                               int(255 * fog * dice(0.8, 1.1))));
    // Shade the underside so the dome reads as round.
    p.fillRect(QRectF(base.x() - radius * 1.2, base.y() - radius, radius * 2.4, radius * 1.2),
               vertical(base.y() - radius * 0.5, base.y(),
                        {{0.0, {0, 20, 40, 0}}, {1.0, {0, 20, 40, 110}}}));
    // The light comes down from the side where the water is brighter, and
    // the dome's shoulder on that side catches it, as the fish's back does.
    const double sun = waterBehind(p, QPointF(base.x() - radius * 3, 4)).lightnessF() >
                               waterBehind(p, QPointF(base.x() + radius * 3, 4)).lightnessF()
                           ? -1.0
                           : 1.0;
    const QPointF shoulder(base.x() + sun * radius * 0.45, base.y() - radius * 0.7);
    dot(p, radial(shoulder, radius * 0.8, fade({255, 250, 230, int(70 * (1.0 - fog))})), shoulder,
        radius * 0.8, radius * 0.8);
    p.setClipping(false);
    // No drawn rim: the dome's edge is only its own shade on the far side.
    anatomy::paintShadedEdge(p, dome, withAlpha(colour.darker(220), int(90 * (1.0 - fog))),
                             std::max(0.8, radius / 30.0));
    p.restore();
}

void paintSeabed(QPainter &p, const QRectF &area, double ripple)
{
    Dice dice(area.width(), area.height(), ripple);
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    const double left = area.left(), right = area.right();
    p.fillRect(area,
               radial(area.topLeft(), std::hypot(area.width(), area.height()),
                      {{0.0, {238, 222, 180}}, {0.6, {216, 198, 154}}, {1.0, {182, 164, 124}}}));

    // Each bottom its own: fine ripples where the current runs strong, faint
    // ones strewn with shell, flat sand worked over by burrowers in calm
    // water, and broad low ripples in coarse sand.
    const double calm = ripple < 24 ? 1.0 : ripple < 30 ? 0.5 : ripple < 50 ? 0.12 : 0.7;
    // Ripples run across the current, never quite straight nor evenly
    // spaced: each crest sharpens and dies away along its length, breaks off
    // and starts again a little out of line, and now and then forks.
    const double slant = dice(-0.12, 0.12);
    for (double y0 = area.top() - ripple; y0 < area.bottom() + ripple;
         y0 += ripple * dice(0.75, 1.25)) {
        const double ph = dice(0, 2 * pi), amp = ripple * dice(0.12, 0.22),
                     y = y0 + dice(-0.15, 0.15) * ripple, fade = dice(0.5, 1.0),
                     along = dice(0, 2 * pi), fork = dice(left, right);
        double shift = 0;
        QPolygonF crest;
        for (double x = left - 4; x <= right + 4; x += 3) {
            // Where a crest breaks off, the next one starts a little off its line.
            if (dice.bounded(60) == 0)
                shift = dice(-0.25, 0.25) * ripple;
            crest << QPointF(x, y + shift + slant * (x - left) +
                                    amp * std::sin(x / ripple * 0.7 + ph) +
                                    amp * 0.6 * std::sin(x / ripple * 1.9 + ph * 1.3));
        }
        const double w = std::max(0.6, ripple / 14.0);
        for (qsizetype i = 0; i + 1 < crest.size(); i += 3) {
            const double x = crest[i].x();
            const double strength = std::clamp(0.55 + 0.5 * std::sin(x / (ripple * 2.3) + along) +
                                                   0.3 * std::sin(x / (ripple * 0.9) + ph),
                                               0.0, 1.0) *
                                    fade * calm;
            if (strength < 0.08)
                continue;
            const QPolygonF piece = crest.mid(i, 4);
            // The lee slope falls into shade behind the crest, softly.
            for (const auto &[drop, width, alpha] :
                 {std::tuple{0.22, 3.2, 30.0}, std::tuple{0.14, 1.8, 55.0}})
                p.strokePath(polyline(piece.translated(0, ripple * drop)),
                             QPen(QColor(150, 128, 90, int(alpha * strength)), w * width,
                                  Qt::SolidLine, Qt::FlatCap));
            p.strokePath(polyline(piece),
                         QPen(QColor(255, 250, 230, int(110 * strength)),
                              w * (0.6 + 0.6 * strength), Qt::SolidLine, Qt::FlatCap));
        }
        // A fork: a short crest splitting off and bending towards the next.
        if (calm > 0.4 && dice.bounded(3) == 0) {
            const qsizetype at =
                std::clamp<qsizetype>(qsizetype((fork - left) / 3), 0, crest.size() - 1);
            const QPointF from = crest[at];
            const double reach = ripple * dice(1.5, 3.0);
            const QPainterPath branch = curve(from, from + QPointF(reach * 0.5, ripple * 0.1),
                                              from + QPointF(reach, ripple * dice(0.4, 0.6)));
            p.strokePath(branch.translated(0, ripple * 0.14),
                         QPen(QColor(150, 128, 90, int(45 * fade * calm)), w * 2.0));
            p.strokePath(branch, QPen(QColor(255, 250, 230, int(90 * fade * calm)), w * 0.8));
        }
    }
    for (int i = 0; i < int(area.width() * area.height() / 50.0); ++i) {
        const QPointF c = dice.point(left, right, area.top(), area.bottom());
        const double r = dice(0.3, 0.8);
        dot(p, dice.bounded(3) == 0 ? QColor(120, 100, 70, 90) : QColor(255, 250, 235, 100), c, r,
            r);
    }
    if (calm < 0.2)
        paintBurrows(p, area, ripple, quint32(dice.generate()));
    else if (calm < 0.6)
        paintShellHash(p, area, ripple, quint32(dice.generate()));
    // A film of diatoms browns the sand in soft, shapeless patches.
    for (int i = 0; i < 5; ++i) {
        const QPointF c = dice.point(left, right, area.top(), area.bottom());
        const double r = ripple * dice(1.5, 4.0);
        dot(p, radial(c, r, fade({150, 128, 84, int(dice(16, 30))})), c, r, r * dice(0.5, 0.9));
    }
    p.restore();
}

void paintSeaFan(QPainter &p, QPointF base, double height, QColor colour)
{
    Dice dice(base.x(), base.y(), height);
    // Gorgonians stand back from the fish in the water's haze, their colour
    // muted towards the blue; not every one is a fan.
    const QColor haze = waterBehind(p, QPointF(base.x(), base.y() - height));
    const double fog = std::clamp(dice(0.22, 0.36) + (150.0 - height) / 420.0, 0.22, 0.58);
    // Most gorgonians are dull browns, ochres and grey-violets; only a few
    // keep the bright colour asked for.
    static constexpr QRgb earthy[] = {qRgb(120, 92, 70), qRgb(150, 126, 70), qRgb(108, 96, 118),
                                      qRgb(116, 62, 118), qRgb(176, 146, 62)};
    colour = blend(colour, QColor::fromRgb(earthy[dice.bounded(5)]), dice(0.3, 0.7));
    colour = blend(colour, haze, fog * 0.85);
    // Props stay small beside the fish, and a fan is the rarest of them: most
    // gorgonians on these reefs are plumes, and many holdfasts carry sponges.
    height *= 0.8;
    switch (dice.bounded(6)) {
    case 0:
    case 1:
        paintSeaPlume(p, base, height, colour, dice);
        return;
    case 2:
        paintTubeSponges(p, base, height * 0.22, colour.darker(110), quint32(dice.generate()),
                         fog * 0.6);
        return;
    case 3:
        // Sea rods are brown or dull purple whatever the fan beside them.
        paintSeaRods(
            p, base, height * 0.8,
            blend(dice.bounded(2) ? QColor(120, 92, 70) : QColor(112, 82, 104), haze, fog * 0.5),
            quint32(dice.generate()));
        return;
    default:
        break;
    }
    p.save();
    Twigs twigs;
    QList<QPointF> tips;
    // Some fans grow broad and low, others tall and narrow; some rise from
    // one trunk, others from two or three stems on the holdfast, and each
    // forks at its own angle and fineness.
    const double stance = dice(0.75, 1.25), fork = dice(0.8, 1.2);
    const int stems = 1 + int(dice.bounded(3)), levels = stems == 1 ? 5 : 4;
    for (int i = 0; i < stems; ++i) {
        const double angle = -pi / 2 + (i - (stems - 1) / 2.0) * dice(0.3, 0.5);
        growFanBranch(base, angle, height * (stems == 1 ? 0.24 : 0.27) * dice(0.85, 1.05),
                      std::max(1.0, height / 30.0), levels, dice, twigs, tips, fork);
    }
    p.translate(base);
    p.scale(stance, 1.0 / std::sqrt(stance));
    p.translate(-base);
    // The living mesh spans the branch tips, so its outline follows the branches.
    std::ranges::sort(tips, {}, [base](QPointF tip) {
        return std::atan2(tip.y() - base.y(), tip.x() - base.x());
    });
    // The rim runs smoothly over the tips, the mesh filling in between them.
    QPolygonF outline{base - QPointF(0, height * 0.15)};
    for (qsizetype i = 0; i < tips.size(); ++i) {
        const auto reach = [&](qsizetype k) {
            const QPointF d = tips[std::clamp<qsizetype>(k, 0, tips.size() - 1)] - base;
            return std::hypot(d.x(), d.y());
        };
        const QPointF d = tips[i] - base;
        outline << base + d / reach(i) *
                              (0.25 * reach(i - 1) + 0.5 * reach(i) + 0.25 * reach(i + 1)) * 1.06;
    }
    const QPainterPath fan = smoothClosedPath(outline.constData(), int(outline.size()));
    // Each fan leans its own way.
    p.translate(base);
    p.rotate(dice(-10, 10));
    p.translate(-base);
    // The mesh is a lattice of fine threads running out from the holdfast
    // with the branches, tied across by short links at uneven intervals, so
    // that its openings are longer than wide, tight low down where the fan
    // is oldest and opening towards the rim. It is lit on the side the light
    // comes from and darker low down, where it is thickest; the water shows
    // through the openings, never through the threads.
    const QRectF box = fan.boundingRect();
    const double sun = waterBehind(p, QPointF(base.x() - height, 4)).lightnessF() >
                               waterBehind(p, QPointF(base.x() + height, 4)).lightnessF()
                           ? -1.0
                           : 1.0;
    const QBrush lit =
        radial(QPointF(box.center().x() + sun * box.width() * 0.3, box.top()), box.height() * 1.2,
               {{0.0, colour.lighter(118)},
                {0.55, colour},
                {1.0, blend(colour.darker(150), haze, fog * 0.5)}});
    p.setClipPath(fan, Qt::IntersectClip);
    p.fillPath(fan, QBrush(withAlpha(blend(colour, haze, 0.35), 105)));
    const double pitch = std::max(1.8, height / dice(30, 42));
    QPainterPath threads, links;
    QList<QPolygonF> spokes;
    for (double a = -pi; a < 0; a += pitch / height * 1.3 * dice(0.8, 1.2)) {
        QPolygonF spoke;
        const double wave = dice(0, 2 * pi);
        for (double r = height * 0.1; r < height * 1.3; r += pitch) {
            const double turn = a + 0.03 * std::sin(r / height * 7 + wave);
            spoke << base + QPointF(std::cos(turn), std::sin(turn)) * r;
        }
        threads.addPolygon(spoke);
        spokes.append(spoke);
    }
    for (qsizetype i = 0; i + 1 < spokes.size(); ++i) {
        const QPolygonF &from = spokes[i], &to = spokes[i + 1];
        for (qsizetype k = qsizetype(dice(2, 5)); k + 1 < std::min(from.size(), to.size());
             k += qsizetype(dice(1, 3.4))) {
            links.moveTo(from[k]);
            links.lineTo(to[k + (dice.bounded(3) == 0 ? 1 : 0)]);
        }
    }
    p.strokePath(threads, QPen(lit, pitch * 0.32));
    p.strokePath(links, QPen(lit, pitch * 0.4));
    p.setClipping(false);
    for (const auto &[twig, width] : twigs) {
        p.strokePath(twig, QPen(colour.darker(135), width, Qt::SolidLine, Qt::RoundCap));
        p.strokePath(
            twig.translated(-sun * width * 0.25, -width * 0.2),
            QPen(withAlpha(colour.lighter(125), 120), width * 0.35, Qt::SolidLine, Qt::RoundCap));
    }
    p.restore();
}

void paintReefRock(QPainter &p, const QRectF &area, double top)
{
    Dice dice(area.width(), top, 23.0);
    paintDistantReef(p, area, top - (area.bottom() - top) * 0.05);
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    const double left = area.left(), right = area.right(), bottom = area.bottom(),
                 band = bottom - top;
    // Not every reef floor is a bank of boulders: some are slopes of coral
    // rubble, some flat pavement with a turf of algae.
    const int ground = int(std::lround(top * 0.5)) % 3;
    if (ground != 0) {
        QPolygonF edge{QPointF(left, bottom + 2)};
        const double phase = dice(0, 2 * pi);
        for (double x = left; x <= right + 6; x += 6)
            edge << QPointF(x, top + band * 0.06 * std::sin(x * 0.017 + phase) +
                                   band * 0.03 * std::sin(x * 0.053));
        edge << QPointF(right, bottom + 2);
        const QPainterPath floor = polyline(edge);
        p.fillPath(floor, vertical(top - 3, bottom,
                                   ground == 1 ? QGradientStops{{0.0, {120, 140, 136}},
                                                                {0.4, {168, 160, 132}},
                                                                {1.0, {196, 184, 150}}}
                                               : QGradientStops{{0.0, {112, 132, 120}},
                                                                {0.4, {150, 150, 118}},
                                                                {1.0, {176, 170, 132}}}));
        p.setClipPath(floor, Qt::IntersectClip);
        const auto seed = quint32(dice.generate());
        if (ground == 1) {
            paintRubbleScatter(p, area, top, seed);
            paintRubbleScatter(p, area, top + band * 0.3, seed + 1);
        } else {
            paintHardBottom(p, area, top, seed);
        }
        anatomy::paintEncrusting(p, floor, std::max(2.0, band * 0.03), seed + 2);
        p.fillRect(area, vertical(top - band * 0.1, top + band * 0.5, fade({40, 120, 160, 110})));
        p.restore();
        return;
    }

    // A bumpy skyline: each bump rises from one edge point and settles on the next.
    QPointF from(left, top + band * dice(-0.08, 0.22));
    QPainterPath rock(QPointF(left - 2, bottom + 2));
    rock.lineTo(left - 2, from.y());
    QPainterPath skyline(QPointF(left - 2, from.y()));
    for (int i = 1; i <= 9; ++i) {
        const QPointF to(left + area.width() * i / 9, top + band * dice(-0.08, 0.22));
        const double run = to.x() - from.x();
        for (QPainterPath *edge : {&rock, &skyline}) {
            edge->quadTo(from + QPointF(run * 0.2, -band * 0.1), (from + to) / 2.0);
            edge->quadTo(to - QPointF(run * 0.2, band * 0.08), to);
        }
        from = to;
    }
    rock.lineTo(right + 2, bottom + 2);
    p.fillPath(rock, vertical(top - band * 0.1, bottom,
                              {{0.0, {132, 124, 104}}, {0.5, {96, 88, 76}}, {1.0, {52, 50, 48}}}));
    p.setClipPath(rock, Qt::IntersectClip);

    // Boulders and ledges give the band relief. Each is drawn as a squashed
    // circle so the gradient fades out right at the rim.
    for (int i = 0; i < 14; ++i) {
        const QPointF c = dice.point(left, right, top, bottom + band * 0.2);
        const double rx = band * dice(0.18, 0.4), ry = rx * dice(0.55, 0.8);
        const int shade = int(dice(96, 150));
        p.save();
        p.translate(c);
        p.scale(1.0, ry / rx);
        dot(p,
            shaded(QRadialGradient(QPointF(0, 0), rx, QPointF(-rx * 0.35, -rx * 0.5)),
                   {{0.0, {shade + 30, shade + 22, shade + 4, 190}},
                    {0.6, {shade - 20, shade - 26, shade - 34, 140}},
                    {1.0, {40, 38, 36, 0}}}),
            QPointF(0, 0), rx, rx);
        p.restore();
    }

    // Sparse encrusting life, then grit.
    anatomy::paintEncrusting(p, rock, std::max(2.0, band * 0.04), quint32(dice.generate()));
    for (int i = 0; i < int(area.width() * band / 40.0); ++i) {
        const QPointF c = dice.point(left, right, top, bottom);
        dot(p, dice.bounded(2) == 0 ? QColor(190, 180, 150, 70) : QColor(20, 20, 20, 70), c, 0.6,
            0.6);
    }

    // Crevices and overhangs in shadow, each its own size and depth; few,
    // so the rock does not look bored full of holes.
    for (double fx : {0.2 + dice(-0.1, 0.1), 0.7 + dice(-0.12, 0.12)}) {
        const double y = top + band * dice(0.5, 0.75);
        const QPointF c(left + area.width() * fx, y);
        const double rx = band * dice(0.12, 0.26), ry = rx * dice(0.35, 0.6);
        const int deep = int(dice(120, 200));
        dot(p,
            radial(c + QPointF(0, ry * 0.2), rx * 1.1,
                   {{0.0, {8, 10, 14, deep}},
                    {0.6, {14, 16, 20, deep * 2 / 3}},
                    {1.0, {30, 30, 30, 0}}}),
            c, rx * 1.1, ry * 1.1);
        // The stone below the hole is a worn lip catching the light.
        dot(p, radial(c + QPointF(0, ry * 1.2), rx, fade({170, 160, 135, 50})),
            c + QPointF(0, ry * 1.2), rx, ry * 0.5);
    }

    // The tops of the rock catch the light, fading down into its face,
    // with no drawn edge against the water.
    for (const double width : {band * 0.16, band * 0.07})
        p.strokePath(skyline, QPen(QColor(196, 190, 160, 34), width));

    // Water between viewer and rock softens its far edge.
    p.fillRect(area, vertical(top - band * 0.1, top + band * 0.5, fade({40, 120, 160, 90})));
    p.restore();
}

QPainterPath smoothClosedPath(const QPointF *points, int count)
{
    if (count < 3)
        return {};
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
    p.strokePath(path, QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

QColor blend(QColor a, QColor b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

} // namespace backdrop
