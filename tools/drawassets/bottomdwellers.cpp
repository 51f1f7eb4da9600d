// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

// Goby and seahorse: small fish that keep to coral or sea whips.

namespace fishart {

using namespace fishkit;

namespace {

// A point `offset` to the left of travel along `spine` at `t`: above the
// spine of a fish swimming to the right.
QPointF beside(const QPainterPath &spine, double t, double offset)
{
    const double a = spine.angleAtPercent(t) * std::numbers::pi / 180.0;
    return spine.pointAtPercent(t) + QPointF(-std::sin(a), -std::cos(a)) * offset;
}

// Where a line from `from` along `dir` leaves `area`, to within half a unit.
QPointF exitPoint(const QPainterPath &area, QPointF from, QPointF dir)
{
    double d = 0;
    while (d < 60 && area.contains(from + dir * (d + 0.5)))
        d += 0.5;
    return from + dir * d;
}

// The armour of a seahorse's trunk: rings of bony plate round `spine`, ten
// or so wide ones over the trunk and narrower ones down the tail, each ring
// a raised rim lit on its upper side and shaded below, following the curve
// of the body; a knob stands where each ring crosses the ridge of the back,
// the ridge high along the flank and, on the trunk, a second one low on it.
void paintBonyRings(QPainter &p, const QPainterPath &trunk, const QPainterPath &spine, QColor plate,
                    QColor light)
{
    struct Ring
    {
        QPointF top, ridge, low, bottom, down;
        double t;
    };
    // Each ring is about a quarter as long as the body is deep there, so they
    // close up gradually down the tail, and no two are quite alike.
    QRandomGenerator rng(3707);
    std::vector<Ring> rings;
    const double length = spine.length();
    for (double d = length * 0.05; d < length * 0.985;) {
        const double t = spine.percentAtLength(d);
        const QPointF c = spine.pointAtPercent(t);
        const QPointF back = beside(spine, t, 1) - c, down(back.y(), -back.x());
        const QPointF top = exitPoint(trunk, c, back), bottom = exitPoint(trunk, c, -back);
        const double depth = QLineF(top, bottom).length();
        const QPointF bow = down * depth * 0.12;
        rings.push_back({top, top + (bottom - top) * 0.3 + bow * 0.8,
                         top + (bottom - top) * 0.72 + bow * 0.8, bottom, down, t});
        d += std::clamp(depth * (t < 0.5 ? 0.26 : 0.3), 3.4, 11.0) *
             (0.9 + 0.2 * rng.generateDouble());
    }
    // The edges of a ring run from ridge to ridge, each stretch of plate
    // bowed a little towards the tail.
    const auto stretches = [](const Ring &r) {
        std::vector<std::pair<QPointF, QPointF>> out{{r.top, r.ridge}};
        if (r.t < 0.5)
            out.insert(out.end(), {{r.ridge, r.low}, {r.low, r.bottom}});
        else
            out.emplace_back(r.ridge, r.bottom);
        return out;
    };
    p.save();
    p.setClipPath(trunk, Qt::IntersectClip);
    // Each plate swells between its rims, catching the light in its middle.
    for (size_t i = 0; i + 1 < rings.size(); ++i) {
        const auto here = stretches(rings[i]), next = stretches(rings[i + 1]);
        for (size_t k = 0; k < std::min(here.size(), next.size()); ++k) {
            const QPointF mid =
                (here[k].first + here[k].second + next[k].first + next[k].second) / 4.0;
            const double size = std::min(QLineF(here[k].first, here[k].second).length(),
                                         QLineF(here[k].first, next[k].first).length() + 2.0);
            paintGlow(p, mid - QPointF(0.4, 0.4), size * 0.55, withAlpha(light.lighter(118), 70));
        }
    }
    std::vector<QPointF> flankRidge, lowRidge;
    for (const Ring &r : rings) {
        const auto parts = stretches(r);
        for (size_t k = 0; k < parts.size(); ++k) {
            const auto &[from, to] = parts[k];
            const QPointF sag = r.down * QLineF(from, to).length() * 0.12;
            const QPainterPath rim = curve(from, (from + to) / 2 + sag, to);
            // A raised rim: its shade falls soft behind it, its crest is lit.
            // The rims stand highest over the back and flatten towards the
            // soft belly, where some all but vanish.
            const double relief = (k == 0                  ? 1.0
                                   : k + 1 == parts.size() ? 0.45
                                                           : 0.7) *
                                  (0.7 + 0.5 * rng.generateDouble());
            stroke(p, rim.translated(r.down * 1.1), QColor(150, 70, 10, int(45 * relief)), 2.4);
            stroke(p, rim.translated(r.down * 0.5), QColor(150, 70, 10, int(95 * relief)), 0.8);
            stroke(p, rim.translated(-r.down * 0.5),
                   withAlpha(light.lighter(125), int(std::min(1.0, relief) * 150)),
                   0.8 + 0.6 * relief);
        }
        flankRidge.push_back(r.ridge);
        if (r.t < 0.5)
            lowRidge.push_back(r.low);
    }
    // The ridges along the flank, low crests joining the rings' corners.
    for (const std::vector<QPointF> *line : {&flankRidge, &lowRidge}) {
        const QPainterPath crest = curveThrough(*line);
        stroke(p, crest.translated(-0.6, -0.6), withAlpha(light.lighter(130), 140), 1.2);
        stroke(p, crest.translated(0.6, 0.8), QColor(150, 70, 10, 110), 1.0);
    }
    p.restore();
    // Where the rings cross the ridges stand blunt knobs, the largest on
    // the back of the trunk, smaller and fewer down the tail.
    for (const Ring &r : rings) {
        std::vector<QPointF> knobs{r.top, r.ridge};
        if (r.t < 0.5)
            knobs.push_back(r.low);
        for (const QPointF &k : knobs) {
            const double size = (r.t < 0.5 ? 1.7 : 1.7 - (r.t - 0.5) * 1.8) *
                                (k == r.top ? 1.0 : 0.8) * (0.6 + 0.7 * rng.generateDouble());
            if (size < 0.5 || (r.t > 0.6 && rng.bounded(3) == 0))
                continue;
            paintGlow(p, k + QPointF(0.6, 0.9), size * 1.8, QColor(110, 50, 0, 90));
            if (k == r.top) {
                // Along the back the knobs rise into low, rounded tubercles
                // breaking the outline, part of the ring's plate, not set on it.
                const QPointF back(-r.down.y(), r.down.x());
                const QPointF tip = k + (back * (0.9 + 0.6 * rng.generateDouble()) +
                                         r.down * (0.2 + 0.4 * rng.generateDouble())) *
                                            size;
                const QPainterPath bump = ribbon(curve(k - back * size * 0.6, (k + tip) / 2, tip),
                                                 {size * 2.8, size * 2.2, size * 1.1});
                fillBody(p, bump, light.lighter(108), plate, plate.darker(118));
                paintGlow(p, tip - back * size * 0.3 - r.down * size * 0.2, size * 0.9,
                          withAlpha(light.lighter(125), 150));
                continue;
            }
            // On the flank the ridges carry only low swellings of the plate.
            paintGlow(p, k, size * 1.2, withAlpha(plate.darker(104), 160));
            paintGlow(p, k - QPointF(0.4, 0.5), size * 0.6, withAlpha(light.lighter(125), 140));
        }
    }
}

} // namespace

// A tiny goby resting on a star coral whose polyps are a sixth of its
// length: black above and whitish below, split by a brilliant electric-blue
// stripe from the snout over the eye to the rounded tail; a broad rounded
// head, two dorsal fins, and the pelvic fins it props itself on.
void paintNeonGoby(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.35, Water::Open);
    paintSeaFan(p, QPointF(282, 170), 120, QColor(150, 70, 160));
    paintSeaFan(p, QPointF(26, 180), 90, QColor(200, 110, 60));
    // At this scale the fans stand far back, softened by the water between.
    p.fillRect(Canvas::frame, QColor(30, 110, 150, 100));
    // Only the top of the coral head, running out of the picture: a low,
    // uneven boulder surface rather than a dome, its far side falling away.
    const QPainterPath coral = smoothClosedPath({{-30, 250},
                                                 {-24, 206},
                                                 {20, 182},
                                                 {80, 166},
                                                 {150, 158},
                                                 {214, 160},
                                                 {262, 170},
                                                 {300, 186},
                                                 {346, 204},
                                                 {350, 260}});
    anatomy::paintStarCoral(p, coral, 27, QColor(150, 134, 80));

    // Gobies perch with the head a little raised, following the coral's curve.
    // It rests on the coral: the belly lies along the surface and only the
    // tail is lifted a little off it.
    const QPainterPath spine = curve({64, 156}, {146, 134}, {228, 150});
    const auto above = [&spine](double t, double offset) { return beside(spine, t, offset); };
    // Slender, about five times as long as deep: a full head and trunk
    // tapering to a narrow stalk.
    const QPainterPath body = ribbon(spine, {26, 33, 34, 33, 31, 28, 25, 21, 17, 14, 12})
                                  .united(oval(spine.pointAtPercent(0.03), 14, 14.5));
    {
        // Where it lies on the coral the polyps under it are in its shade.
        const Saved s(p);
        p.setClipPath(coral, Qt::IntersectClip);
        for (int i = 1; i <= 4; ++i)
            stroke(p, curve({60, 171}, {146, 150}, {220, 160}).translated(2, 1.5 * i),
                   QColor(10, 20, 20, 40), 4.0 * i);
    }
    const QColor fins(40, 48, 62, 120), rays(150, 170, 190, 160);
    const QPointF eye = above(0.08, 3);
    // A neon goby is slimmer than the other gobies: the whole fish drawn a
    // little shallower, its belly still along the coral.
    constexpr double slim = 0.84, rest = 166;
    p.save();
    p.translate(0, rest);
    p.scale(1, slim);
    p.translate(0, -rest);
    {
        const Saved s(p);
        p.translate(spine.pointAtPercent(1));
        p.rotate(-spine.angleAtPercent(1));
        paintSheerFin(p, tail(TailKind::Rounded, {-4, 0}, 12, 28, 26), QColor(34, 40, 52, 150),
                      rays, 14);
    }
    // The short, rounded first dorsal, the low second one and the anal fin
    // beneath it: small, clear fins, dusky at the root and thinning to
    // nothing at the edge, their rays showing through.
    const Fin first = fin(above(0.3, 15), {above(0.33, 26), above(0.4, 25.5)}, above(0.45, 14));
    const Fin second = fin(above(0.52, 13), {above(0.56, 23), above(0.88, 19)}, above(0.93, 9));
    const Fin anal = fin(above(0.93, -9), {above(0.88, -18), above(0.6, -21)}, above(0.56, -13));
    for (const auto &[f, count] : {std::pair{&first, 7}, {&second, 14}, {&anal, 11}}) {
        paintSheerFin(p, *f, fins, rays, count);
        const Saved s(p);
        p.setClipPath(f->shape, Qt::IntersectClip);
        const QPointF mid = f->base.center();
        const QRectF box = f->shape.boundingRect();
        const QPointF far = std::abs(box.top() - mid.y()) > std::abs(box.bottom() - mid.y())
                                ? QPointF(mid.x(), box.top())
                                : QPointF(mid.x(), box.bottom());
        QLinearGradient dusk(mid, far);
        dusk.setColorAt(0.0, QColor(24, 30, 42, 170));
        dusk.setColorAt(0.6, QColor(40, 50, 66, 70));
        dusk.setColorAt(1.0, QColor(60, 72, 90, 20));
        p.fillPath(f->shape, dusk);
    }

    // The pelvic fins, joined into a small round disc under the chest that
    // it props itself on: a dusky film with a few fine rays, its root hidden
    // under the body so only its rim shows below the belly.
    {
        const QPointF root = eye + QPointF(30, 15);
        const QPainterPath disc = smoothClosedPath(
            {root + QPointF(-6, 0), root + QPointF(6, 0), root + QPointF(9, 6),
             root + QPointF(5, 10), root + QPointF(-3, 10.5), root + QPointF(-8, 6)});
        QLinearGradient clear(root, root + QPointF(0, 10));
        clear.setColorAt(0.0, QColor(60, 70, 84, 200));
        clear.setColorAt(1.0, QColor(120, 134, 148, 120));
        p.fillPath(disc, clear);
        for (int i = 0; i <= 5; ++i) {
            const double a = (200 - i * 32.0) * std::numbers::pi / 180;
            strokeInside(p, disc,
                         curve(root, root + QPointF(std::cos(a) * 4, 3),
                               root + QPointF(std::cos(a) * 9, 10 - std::abs(std::cos(a)) * 4)),
                         QColor(150, 164, 178, 90), 0.4);
        }
    }
    p.fillPath(body, QColor(16, 18, 24));
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        const QPainterPath belly = ribbon(spine.translated(0, 14), {0, 20, 20, 20, 18, 15, 12});
        fillBody(p, belly, QColor(120, 130, 140), QColor(170, 178, 184), QColor(214, 218, 220));
        // The glow makes the stripe read as the luminous blue it is underwater.
        // It starts at the very tip of the snout and runs through the top of
        // the eye to the tail.
        // It keeps to the upper side, drawing in with the back towards the tail.
        const QPainterPath stripe = curve({58, 147.5}, {140, 126}, {224, 146});
        const QPainterPath snout = curve({47, 155}, {52, 150.5}, stripe.pointAtPercent(0));
        p.fillPath(ribbon(stripe, {10, 15, 15, 14, 13.5, 12.5, 11.5, 10.5, 9.5, 8.5, 7.5})
                       .united(ribbon(snout, {6, 9, 10})),
                   QColor(40, 170, 255, 90));
        fillBody(p,
                 ribbon(stripe, {5, 9, 9, 8.5, 8, 7.4, 6.8, 6, 5.2, 4.4, 3.8})
                     .united(ribbon(snout, {2.6, 4.2, 5})),
                 QColor(120, 230, 255), QColor(70, 190, 255), QColor(20, 150, 255));
    }
    shadeBody(p, body, QColor(10, 20, 35, 80), 0.6);
    // The pectoral, a small clear fan growing from behind the gill cover,
    // seen mostly by its fine rays over the pale belly.
    anatomy::paintGrownPectoral(
        p, eye + QPointF(27, 3), eye + QPointF(29, 15),
        {eye + QPointF(44, 0), eye + QPointF(54, 6), eye + QPointF(50, 15), eye + QPointF(38, 19)},
        QColor(60, 66, 78, 150), QColor(190, 204, 216, 60), QColor(110, 126, 144, 150));
    // The gill cover's edge, a soft fold shaded behind and catching a little
    // light on its rim, fading out towards the throat.
    strokeInside(
        p, body,
        curveThrough({eye + QPointF(23, -8), eye + QPointF(27.5, 4), eye + QPointF(25, 15)}),
        QColor(0, 0, 0, 90), 2.2);
    strokeInside(
        p, body,
        curveThrough({eye + QPointF(22, -8), eye + QPointF(26.4, 4), eye + QPointF(24, 15)}),
        QColor(150, 170, 190, 70), 0.7);
    // The mouth, a short gape slanting back from under the snout tip, below the stripe.
    // A dark gape between a thin upper lip and the fuller, pale lower jaw.
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        const QPainterPath gape = curveThrough({{47.6, 158.6}, {54, 161.4}, {61, 161.8}});
        p.fillPath(ribbon(curve({48.6, 162.6}, {55, 164.8}, {60.6, 163.6}), {2.0, 1.8, 0.6}),
                   QColor(176, 184, 194, 220));
        p.fillPath(ribbon(curveThrough({{47.4, 157.4}, {54, 160.2}, {61, 160.9}}), {1.6, 1.4, 0.5}),
                   QColor(52, 58, 70));
        stroke(p, gape, QColor(6, 6, 10), 1.0);
        stroke(p, gape.translated(0, 1.0), QColor(90, 96, 108, 140), 0.5);
    }
    // A dark eye of a goby's size, the blue stripe running over its top;
    // round, whatever the body's depth.
    const QPointF centre = eye + QPointF(1, 0.5);
    p.translate(centre);
    p.scale(1, 1 / slim);
    anatomy::paintNaturalEye(p, {0, 0}, 5.8, QColor(58, 62, 60), 0.56);
    p.restore();
}

// An upright yellow-orange seahorse with small dark dots: a horse's head on
// a long tube snout, a ringed trunk, the tail curled round a sea whip.
void paintLongnosedSeahorse(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.35, Water::Coastal);
    paintSand(p, Canvas::frame, 222);
    paintSeaFan(p, QPointF(40, 236), 160, QColor(150, 70, 130));
    paintSeaFan(p, QPointF(286, 236), 120, QColor(120, 60, 150));
    // Drawn at a comfortable size, then enlarged so the seahorse fills the picture.
    p.translate(146, 120);
    p.scale(1.14, 1.14);
    p.translate(-146, -120);

    QPainterPath whip(QPointF(196, 240));
    whip.cubicTo(QPointF(186, 160), QPointF(206, 80), QPointF(196, 12));
    // A sea whip, a slender gorgonian: a round, muted stem pitted with the
    // pores of its polyps, a few of them open, lit down one side. Drawn the
    // same each time, so the coil can pass in front of it and behind it.
    // It stands in the same water as the seahorse and takes a little of its colour.
    const QColor stem = blend(QColor(150, 62, 78), waterBehind(p, QPointF(120, 120)), 0.15);
    const auto paintWhip = [&] {
        QRandomGenerator rng(3737);
        anatomy::paintRodStem(p, whip, 6.4, stem, rng);
    };
    const QColor yellow(250, 186, 50), orange(228, 120, 30), line(160, 80, 10);
    // Down the trunk, then the tail wound one and a half times round the whip,
    // passing in front of it and behind it in turn.
    QPainterPath spine = curveThrough({{150, 72},
                                       {146, 92},
                                       {142, 114},
                                       {144, 138},
                                       {150, 160},
                                       {158, 176},
                                       {168, 188},
                                       {181, 194},
                                       {191, 195}});
    // The tail runs on as one tapering tube wound one and a half times round
    // the whip, tight against it: over the stem, round behind it, over it
    // again, the tip tucked in behind. A helix seen a little from above, so
    // the far side of each turn rides higher than the near side.
    constexpr double stemX = 193.2, stemRadius = 3.1, tilt = 3.2, pitch = 9.5, startWidth = 5.6;
    struct CoilPoint
    {
        QPointF at;
        double width, near;
    };
    std::vector<CoilPoint> coil;
    const QPointF tailEnd = spine.pointAtPercent(1.0);
    const double a0 = std::asin((tailEnd.x() - stemX) / (stemRadius + startWidth / 2));
    const double a1 = 2.62 * std::numbers::pi, y0 = tailEnd.y() - tilt * std::cos(a0);
    // Begun a little up the tail, so the tube grows out of it.
    for (const double t : {0.95, 0.965, 0.98})
        coil.push_back({spine.pointAtPercent(t), startWidth + 12 * (1 - t), 1.0});
    for (int i = 0; i <= 180; ++i) {
        const double u = i / 180.0, a = a0 + (a1 - a0) * u;
        const double width = startWidth - 3.8 * std::pow(u, 0.7);
        const double r = stemRadius + width / 2;
        coil.push_back(
            {QPointF(stemX + r * std::sin(a),
                     y0 + pitch * (a - a0) / (2 * std::numbers::pi) + tilt * std::cos(a)),
             width, std::cos(a)});
    }
    std::vector<QPointF> across;
    for (std::size_t i = 0; i < coil.size(); ++i) {
        const QPointF d = coil[std::min(i + 1, coil.size() - 1)].at - coil[i ? i - 1 : 0].at;
        across.push_back(QPointF(d.y(), -d.x()) / std::hypot(d.x(), d.y()));
    }
    // The outline of the pieces from `from` to `to`, for clipping.
    const auto coilShape = [&](std::size_t from, std::size_t to) {
        QPainterPath shape;
        QPainterPathStroker tube;
        tube.setCapStyle(Qt::RoundCap);
        for (std::size_t i = from; i < to; ++i) {
            QPainterPath piece(coil[i].at);
            piece.lineTo(coil[i + 1].at);
            tube.setWidth((coil[i].width + coil[i + 1].width) / 2);
            shape = shape.united(tube.createStroke(piece));
        }
        return shape;
    };
    // Shaded as a cylinder lit from above left: opaque bands, each narrower
    // and nearer the lit side, over a thin dark rim; then the fine bony
    // rings, close together, across it.
    const QPointF light = QPointF(-0.45, -0.9) / std::hypot(0.45, 0.9);
    const auto paintTube = [&](std::size_t from, std::size_t to, int shade) {
        constexpr int bands = 10;
        for (int k = 0; k < bands; ++k) {
            const double f = double(k) / (bands - 1);
            const QColor colour =
                k == 0 ? QColor(150, 76, 10)
                       : blend(orange.darker(118), yellow.lighter(122), std::pow(f, 0.8));
            for (std::size_t i = from; i < to; ++i) {
                const auto place = [&](std::size_t j) {
                    const QPointF n = across[j];
                    const double lean = n.x() * light.x() + n.y() * light.y();
                    return coil[j].at + n * lean * coil[j].width * 0.3 * f;
                };
                const double width = (coil[i].width + coil[i + 1].width) / 2;
                // Darker where the tube turns away round the stem.
                const int turn = int(16 * (1 - std::abs(coil[i].near)));
                p.setPen(QPen(colour.darker(shade + turn),
                              k == 0 ? width + 0.8 : width * (1 - 0.86 * f), Qt::SolidLine,
                              i == 0 ? Qt::FlatCap : Qt::RoundCap));
                p.drawLine(place(i), place(i + 1));
            }
        }
        double next = 0, along = 0;
        for (std::size_t i = from; i < to;
             along += QLineF(coil[i].at, coil[i + 1].at).length(), ++i) {
            if (along < next)
                continue;
            const CoilPoint &c = coil[i];
            const QPointF n = across[i] * c.width * 0.46, ahead(n.y(), -n.x());
            const QPainterPath ring = curve(c.at + n, c.at + ahead * 0.25, c.at - n);
            stroke(p, ring, withAlpha(QColor(150, 76, 10).darker(shade), 120), 0.45);
            stroke(p, ring.translated(ahead * 0.12), withAlpha(yellow.lighter(125), 90), 0.35);
            next = along + std::max(0.8, c.width * 0.34);
        }
    };
    paintWhip();
    // The chest keel and belly bulge forward below the neck, the trunk
    // narrowing fast into the tail behind them.
    const QPainterPath trunk = ribbon(spine, {26, 35, 40, 39, 33, 25, 17, 11, 8, 6.6})
                                   .united(smoothClosedPath({{146, 82},
                                                             {130, 90},
                                                             {117, 106},
                                                             {112, 124},
                                                             {120, 144},
                                                             {140, 160},
                                                             {150, 120}}));
    const QColor membrane(255, 220, 120, 170), rays(200, 120, 30, 160);
    // The small dorsal fin stands on the lower back, over the last trunk
    // rings where the tail begins.
    paintSheerFin(p, fin({160, 138}, {{176, 131}, {185, 147}, {180, 166}}, {166, 163}), membrane,
                  rays, 10);
    QLinearGradient side(QPointF(120, 0), QPointF(180, 0));
    side.setColorAt(0, yellow.lighter(115));
    side.setColorAt(0.6, yellow);
    side.setColorAt(1, orange);
    p.fillPath(trunk, side);

    const QPainterPath head = smoothClosedPath({{152, 44},
                                                {160, 52},
                                                {162, 68},
                                                {154, 80},
                                                {140, 82},
                                                {128, 74},
                                                {108, 70},
                                                {80, 70},
                                                {74, 66},
                                                {80, 61},
                                                {106, 60},
                                                {126, 52},
                                                {138, 42}});
    fillBody(p, head, orange, yellow, yellow.lighter(110));
    {
        // The snout is a bony tube, lit along its top and shaded beneath,
        // that flares where it grows into the deep head: the cheek swells
        // out behind it under the eye, and the crown rises into the coronet.
        const Saved s(p);
        p.setClipPath(head, Qt::IntersectClip);
        stroke(p, curveThrough({{78, 62.4}, {100, 62}, {116, 58.6}, {128, 51}}),
               QColor(255, 238, 176, 170), 2.2);
        stroke(p, curveThrough({{78, 69.6}, {102, 70.4}, {118, 72.4}, {130, 77}}),
               withAlpha(line, 95), 3.6);
        paintGlow(p, {140, 68}, 12, withAlpha(yellow.lighter(118), 110));
        paintGlow(p, {124, 67}, 8, withAlpha(line, 35));
        paintGlow(p, {144, 48}, 9, withAlpha(yellow.lighter(120), 90));
        // The bony ridge from the snout's root up over the eye.
        stroke(p, curveThrough({{112, 60.6}, {122, 57.4}, {130, 53.6}}), withAlpha(line, 60), 0.8);
        // The tube is made of fused bony rings: faint creases across it,
        // closer together towards the tip.
        for (const double x : {86.0, 93.0, 101.0, 110.0}) {
            stroke(p, curve({x, 61}, {x + 1.2, 65.5}, {x, 70.5}), withAlpha(line, 45), 0.7);
            stroke(p, curve({x + 0.9, 61}, {x + 2.1, 65.5}, {x + 0.9, 70.5}),
                   QColor(255, 238, 176, 60), 0.5);
        }
    }
    {
        // The tube ends in a small closed mouth: its tip rounded off and
        // turned a little up, the lips only a short dark crease across the
        // end, shut between sips.
        const Saved s(p);
        p.translate(77.4, 65.8);
        p.rotate(12);
        const QPainterPath tip = smoothClosedPath(
            {{3.0, -4.6}, {-0.6, -4.0}, {-2.4, -1.6}, {-2.6, 1.2}, {-1.2, 3.8}, {3.0, 4.6}});
        fillBody(p, tip, yellow.lighter(104), yellow.darker(102), orange);
        // Edged only round its end: behind, it is the tube running on.
        p.setClipRect(QRectF(-4, -6, 4.4, 12), Qt::IntersectClip);
        anatomy::paintShadedEdge(p, tip, withAlpha(line, 110), 0.8);
        stroke(p, curve({-2.5, -0.8}, {-1.4, -0.4}, {-0.2, -0.9}), withAlpha(line, 190), 0.6);
    }
    // The coronet: a low bony column on the crown, tilted back, its top
    // worn into a few blunt knobs that catch the light.
    const QPainterPath coronet = smoothClosedPath({{136, 49},
                                                   {137.5, 43},
                                                   {140, 40.8},
                                                   {142, 38.6},
                                                   {144.6, 39},
                                                   {146.6, 37},
                                                   {149.4, 38},
                                                   {151.6, 37.4},
                                                   {153.4, 40},
                                                   {155.4, 43},
                                                   {158, 47},
                                                   {150, 52}});
    {
        QLinearGradient bone(QPointF(0, 37), QPointF(0, 52));
        bone.setColorAt(0.0, yellow.lighter(112));
        bone.setColorAt(0.5, orange);
        bone.setColorAt(1.0, withAlpha(orange, 0));
        p.fillPath(coronet, bone);
        const Saved s(p);
        QPainterPath clear;
        clear.addRect(coronet.boundingRect().adjusted(-2, -2, 2, 2));
        p.setClipPath(clear.subtracted(head), Qt::IntersectClip);
        stroke(p, coronet, withAlpha(line, 120), 0.5);
    }
    // Each knob of the crown and the small spine over the eye is a bony
    // bump, lit on top with its shadow under it.
    for (const auto &[knob, size] : {std::pair{QPointF(139.8, 41.4), 1.2},
                                     {QPointF(142.4, 39.2), 1.5},
                                     {QPointF(146.8, 37.8), 1.6},
                                     {QPointF(151.4, 38.2), 1.5},
                                     {QPointF(154.6, 41.6), 1.2},
                                     {QPointF(132.6, 56.8), 1.4}}) {
        paintDisc(p, knob + QPointF(0.3, size * 0.6), size, size * 0.7, withAlpha(line, 70));
        paintDisc(p, knob, size * 0.9, size * 0.65, orange.lighter(110));
        paintDisc(p, knob - QPointF(size * 0.2, size * 0.25), size * 0.45, size * 0.3,
                  QColor(255, 240, 190, 170));
    }

    anatomy::paintFreckles(p, trunk.united(head), 6, 0.35, 1.3, QColor(90, 40, 10), 37,
                           trunk.boundingRect().center(), 55);
    {
        // The neck goes in under the back of the head.
        const Saved s(p);
        QPainterPath open;
        open.addRect(Canvas::frame);
        p.setClipPath(open.subtracted(head), Qt::IntersectClip);
        shadeBody(p, trunk, line, 0.7);
        paintBonyRings(p, trunk, spine, orange, yellow);
    }
    anatomy::paintShadedEdge(p, head, withAlpha(line, 150), 1.2);
    {
        // The turns behind the stem lie in its shade, and the stem hides
        // them where it passes in front of them; nothing of them shows
        // through the tail.
        std::vector<std::pair<std::size_t, std::size_t>> runs;
        const auto facing = [&](std::size_t i) { return coil[i].near + coil[i + 1].near >= 0; };
        for (std::size_t i = 0; i + 1 < coil.size(); ++i) {
            if (runs.empty() || facing(runs.back().first) != facing(i))
                runs.emplace_back(i, i);
            runs.back().second = i + 1;
        }
        {
            const Saved s(p);
            QPainterPath open;
            open.addRect(Canvas::frame);
            p.setClipPath(open.subtracted(trunk), Qt::IntersectClip);
            QPainterPath hidden;
            for (const auto &[from, to] : runs)
                if (!facing(from)) {
                    paintTube(from, to, 122);
                    hidden = hidden.united(coilShape(from, to));
                }
            p.setClipPath(hidden, Qt::IntersectClip);
            paintWhip();
        }
        // The near turns hug the stem, shading it a little just below them.
        QPainterPath over;
        for (const auto &[from, to] : runs)
            if (facing(from))
                over = over.united(coilShape(from, to));
        {
            const Saved s(p);
            p.setClipRect(QRectF(stemX - stemRadius, 0, 2 * stemRadius, h), Qt::IntersectClip);
            p.fillPath(over.translated(0.3, 0.8), QColor(40, 10, 20, 45));
            p.fillPath(over.translated(0.5, 1.6), QColor(40, 10, 20, 30));
        }
        for (const auto &[from, to] : runs)
            if (facing(from))
                paintTube(from, to, 100);
    }
    paintSheerFin(p, fin({158, 70}, {{170, 64}, {172, 78}}, {162, 80}), membrane, rays, 8);
    stroke(p, curve({148, 58}, {154, 70}, {144, 80}), withAlpha(line, 180), 1.0);
    // A small eye for the long head, under a bony brow.
    anatomy::paintNaturalEye(p, QPointF(134, 58), 3.5, QColor(200, 140, 56), 0.5);
    stroke(p, curve({129.6, 54.6}, {134, 52.6}, {138.4, 54.4}), withAlpha(line, 110), 0.9);
}

} // namespace fishart
