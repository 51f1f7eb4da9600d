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

// Goby, seahorse and flounder: small fish that keep to coral, sea whips or sand.

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
    std::vector<double> rings;
    for (double t = 0.06; t < 0.5; t += 0.072)
        rings.push_back(t);
    for (double t = 0.52; t < 0.99; t += 0.052)
        rings.push_back(t);
    std::vector<QPointF> flankRidge, lowRidge;
    const Saved s(p);
    for (const double t : rings) {
        const QPointF c = spine.pointAtPercent(t);
        const QPointF back = beside(spine, t, 1) - c, down(back.y(), -back.x());
        const QPointF top = exitPoint(trunk, c, back), bottom = exitPoint(trunk, c, -back);
        const QPointF bow = down * QLineF(top, bottom).length() * 0.12;
        const QPainterPath ring = curve(top, (top + bottom) / 2 + bow, bottom);
        {
            const Saved clip(p);
            p.setClipPath(trunk, Qt::IntersectClip);
            stroke(p, ring.translated(-down * 1.0), withAlpha(light.lighter(125), 170), 1.2);
            stroke(p, ring.translated(down * 0.8), QColor(150, 70, 10, 170), 1.1);
        }
        const QPointF ridge = top + (bottom - top) * 0.3 + bow * 0.8;
        flankRidge.push_back(ridge);
        if (t < 0.5)
            lowRidge.push_back(top + (bottom - top) * 0.72 + bow * 0.8);
        const double size = t < 0.5 ? 1.7 : 1.7 - (t - 0.5) * 1.6;
        std::vector<QPointF> knobs{top, ridge};
        if (t < 0.5)
            knobs.push_back(lowRidge.back());
        for (const QPointF &k : knobs) {
            paintGlow(p, k + QPointF(0.6, 0.9), size * 1.8, QColor(110, 50, 0, 90));
            paintDisc(p, k, size, size, plate.darker(108));
            paintDisc(p, k - QPointF(0.4, 0.5), size * 0.45, size * 0.45, light.lighter(125));
        }
    }
    // The ridge along the flank, a low crest joining its knobs.
    const Saved clip(p);
    p.setClipPath(trunk, Qt::IntersectClip);
    for (const std::vector<QPointF> *line : {&flankRidge, &lowRidge}) {
        const QPainterPath crest = curveThrough(*line);
        stroke(p, crest.translated(-0.6, -0.6), withAlpha(light.lighter(130), 140), 1.2);
        stroke(p, crest.translated(0.6, 0.8), QColor(150, 70, 10, 110), 1.0);
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
    paintWater(p, Canvas::frame, 0.35);
    paintSeaFan(p, QPointF(282, 170), 120, QColor(150, 70, 160));
    paintSeaFan(p, QPointF(26, 180), 90, QColor(200, 110, 60));
    p.fillRect(Canvas::frame, QColor(30, 110, 150, 70));
    anatomy::paintStarCoral(p, oval({160, 328}, 250, 178), 36, QColor(150, 134, 80));

    // Gobies perch with the head a little raised, following the coral's curve.
    const QPainterPath spine = curve({52, 152}, {150, 126}, {246, 150});
    const auto above = [&spine](double t, double offset) { return beside(spine, t, offset); };
    const QPainterPath body = ribbon(spine, {30, 40, 41, 39, 36, 33, 30, 27, 24, 21, 19})
                                  .united(oval(spine.pointAtPercent(0.03), 15, 16));
    const QColor fins(30, 35, 45, 210), rays(90, 110, 130, 130);
    {
        const Saved s(p);
        p.translate(spine.pointAtPercent(1));
        p.rotate(-spine.angleAtPercent(1));
        paintFin(p, tail(TailKind::Rounded, {-4, 0}, 19, 44, 38), QColor(25, 30, 40, 220), rays,
                 12);
    }
    // The short first dorsal, the long second one and the anal fin beneath it.
    paintFin(p, fin(above(0.3, 16), {above(0.33, 32), above(0.42, 30)}, above(0.47, 14)), fins,
             rays, 6);
    paintFin(p, fin(above(0.53, 13), {above(0.57, 29), above(0.9, 22)}, above(0.95, 9)), fins, rays,
             13);
    paintFin(p, fin(above(0.95, -9), {above(0.9, -22), above(0.6, -25)}, above(0.56, -13)),
             QColor(190, 200, 210, 170), rays, 10);

    p.fillPath(body, QColor(16, 18, 24));
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        const QPainterPath belly = ribbon(spine.translated(0, 16), {0, 22, 22, 22, 20, 16, 12});
        fillBody(p, belly, QColor(120, 130, 140), QColor(170, 178, 184), QColor(214, 218, 220));
        // The glow makes the stripe read as the luminous blue it is underwater.
        const QPainterPath stripe = spine.translated(-6, -7);
        p.fillPath(ribbon(stripe, {10, 15, 15, 14, 13.5, 13, 12.5, 12, 11.5, 11, 10}),
                   QColor(40, 170, 255, 90));
        fillBody(p, ribbon(stripe, {5, 9, 9, 8.5, 8, 7.6, 7.2, 6.6, 6.2, 5.6, 5}),
                 QColor(120, 230, 255), QColor(70, 190, 255), QColor(20, 150, 255));
    }
    shadeBody(p, body, QColor(10, 20, 35, 130), 0.6);

    const QPointF eye = above(0.08, 6);
    // The pelvic fins, joined into a cup it props itself on, and the round pectoral.
    paintFin(p,
             fin(eye + QPointF(26, 24), {eye + QPointF(34, 38), eye + QPointF(50, 38)},
                 eye + QPointF(42, 24)),
             QColor(200, 215, 225, 150), QColor(120, 140, 160, 120), 5);
    paintFin(p,
             fin(eye + QPointF(28, 4), {eye + QPointF(48, -2), eye + QPointF(58, 12)},
                 eye + QPointF(30, 18)),
             QColor(200, 215, 225, 110), QColor(120, 140, 160, 120), 8);
    stroke(p, curveThrough({eye + QPointF(24, -10), eye + QPointF(28, 6), eye + QPointF(24, 22)}),
           QColor(70, 80, 90, 160), 1.0);
    stroke(p, curve({38, 160}, {42, 163}, {48, 162}), QColor(150, 160, 170), 1.1);
    anatomy::paintNaturalEye(p, eye, 8.5, QColor(70, 110, 140));
}

// An upright yellow-orange seahorse with small dark dots: a horse's head on
// a long tube snout, a ringed trunk, the tail curled round a sea whip.
void paintLongnosedSeahorse(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.35);
    paintSand(p, Canvas::frame, 222);
    paintSeaFan(p, QPointF(40, 236), 160, QColor(150, 70, 130));
    paintSeaFan(p, QPointF(286, 236), 120, QColor(120, 60, 150));
    // Drawn at a comfortable size, then enlarged so the seahorse fills the picture.
    p.translate(146, 120);
    p.scale(1.14, 1.14);
    p.translate(-146, -120);

    QPainterPath whip(QPointF(196, 240));
    whip.cubicTo(QPointF(186, 160), QPointF(206, 80), QPointF(196, 12));
    const auto paintWhip = [&] {
        stroke(p, whip, QColor(120, 40, 60), 6.0);
        stroke(p, whip, QColor(200, 80, 90), 3.6);
    };
    const QColor yellow(250, 186, 50), orange(228, 120, 30), line(160, 80, 10);
    // Down the trunk, then the tail wound one and a half times round the whip,
    // passing in front of it and behind it in turn.
    QPainterPath spine = curveThrough({{150, 72},
                                       {146, 92},
                                       {142, 114},
                                       {144, 138},
                                       {150, 160},
                                       {160, 178},
                                       {172, 190},
                                       {183, 192}});
    // The tail winds one and a half times round the whip, one smooth coil
    // tapering to its tip; where it passes in front of the whip it hides it.
    const QPointF stalk(193, 192);
    std::vector<QPointF> turns;
    QPainterPath inFront, run;
    QPainterPathStroker band;
    band.setWidth(16);
    band.setCapStyle(Qt::FlatCap);
    for (int i = 0; i <= 30; ++i) {
        const double a = i * 2.8 * std::numbers::pi / 30, r = 10 - i * 0.1;
        const QPointF at = stalk + QPointF(-r * std::cos(a), a * 3.1 + 2 * std::sin(a));
        if (std::sin(a + 0.1) >= 0) {
            if (run.isEmpty())
                run.moveTo(turns.empty() ? at : turns.back());
            run.lineTo(at);
        } else if (!run.isEmpty()) {
            run.lineTo(at);
            inFront.addPath(band.createStroke(run));
            run = QPainterPath();
        }
        turns.push_back(at);
    }
    if (!run.isEmpty())
        inFront.addPath(band.createStroke(run));
    inFront.setFillRule(Qt::WindingFill);
    // A round tube tapering to the tip, so it stays round where it turns.
    const QPainterPath coilLine = curveThrough(turns);
    QPainterPath coil;
    QPainterPathStroker tube;
    tube.setCapStyle(Qt::RoundCap);
    tube.setJoinStyle(Qt::RoundJoin);
    constexpr int pieces = 28;
    for (int k = 0; k < pieces; ++k) {
        QPainterPath piece(coilLine.pointAtPercent(double(k) / pieces));
        for (int j = 1; j <= 4; ++j)
            piece.lineTo(coilLine.pointAtPercent((k + j / 4.0) / pieces));
        tube.setWidth(9.0 - 6.4 * k / pieces);
        coil = coil.united(tube.createStroke(piece));
    }
    const auto paintCoil = [&](bool front, QColor fill) {
        const Saved s(p);
        if (front)
            p.setClipPath(inFront, Qt::IntersectClip);
        fillBody(p, coil, fill, fill, fill.darker(112));
        stroke(p, coilLine.translated(-0.6, -1.2), withAlpha(fill.lighter(125), 140), 1.6);
        stroke(p, coil, withAlpha(QColor(150, 76, 10), 200), 0.7);
        // Fine bony rings go on round the tail, closer as it narrows.
        p.setClipPath(coil, Qt::IntersectClip);
        const double length = coilLine.length();
        for (double d = 2; d < length; d += 2.6 - 1.2 * d / length) {
            const double t = coilLine.percentAtLength(d);
            const QPointF at = coilLine.pointAtPercent(t);
            const double angle = coilLine.angleAtPercent(t) * std::numbers::pi / 180.0;
            const QPointF n = QPointF(std::sin(angle), std::cos(angle)) * 5.0;
            p.setPen(QPen(QColor(170, 90, 20, 110), 0.5));
            p.drawLine(at + n, at - n);
        }
    };
    paintCoil(false, orange);
    paintWhip();
    // The chest keel and belly bulge forward below the neck, the trunk
    // narrowing fast into the tail behind them.
    const QPainterPath trunk = ribbon(spine, {26, 35, 40, 39, 33, 26, 19, 13, 9})
                                   .united(smoothClosedPath({{146, 82},
                                                             {130, 90},
                                                             {117, 106},
                                                             {112, 124},
                                                             {120, 144},
                                                             {140, 160},
                                                             {150, 120}}));
    const QColor membrane(255, 220, 120, 170), rays(200, 120, 30, 160);
    paintFin(p, fin({162, 124}, {{180, 116}, {186, 134}, {178, 154}}, {164, 152}), membrane, rays,
             10);
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
    // The Longnose's coronet is low: a few blunt knobs.
    const QPainterPath coronet = smoothClosedPath(
        {{139, 47}, {141, 40}, {144, 42}, {147, 37}, {150, 42}, {154, 39}, {157, 48}, {148, 50}});
    fillBody(p, coronet, orange.darker(110), orange, yellow);
    {
        // Outlined only where it stands clear of the head.
        const Saved s(p);
        QPainterPath clear;
        clear.addRect(coronet.boundingRect().adjusted(-2, -2, 2, 2));
        p.setClipPath(clear.subtracted(head), Qt::IntersectClip);
        stroke(p, coronet, QColor(150, 70, 10), 0.7);
    }

    paintSpots(p, trunk.united(head), 6, 0.5, 1.0, QColor(90, 40, 10), 37);
    shadeBody(p, trunk, line, 0.7);
    stroke(p, head, line, 0.8);
    paintBonyRings(p, trunk, spine, orange, yellow);
    paintCoil(true, yellow.darker(104));
    paintFin(p, fin({158, 70}, {{170, 64}, {172, 78}}, {162, 80}), membrane, rays, 5);
    stroke(p, curve({148, 58}, {154, 70}, {144, 80}), withAlpha(line, 180), 1.0);
    stroke(p, curve({75, 66}, {78, 65}, {80, 64}), QColor(60, 20, 0), 1.2);
    anatomy::paintNaturalEye(p, QPointF(134, 58), 4.6, QColor(210, 150, 60), 0.5);
}

// A peacock flounder seen from above, lying flat on the sand: both eyes on
// the upper side, one long pectoral fin, a fringe of fin rays all round, and
// a pale sandy body covered with bright blue rings and spots.
void paintFlounder(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    // Looking straight down on sand whose ripples are a third of the fish long.
    paintSeabed(p, Canvas::frame, 60);
    p.translate(160, 124);
    p.rotate(-8);

    // The body proper: a small snout, the forehead hollowed in front of the
    // upper eye, widest behind the middle and drawn in to a short tail stalk.
    const QPainterPath disc =
        smoothClosedPath({{-119, 8}, {-116, -6}, {-108, -16}, {-98, -30}, {-80, -46}, {-40, -62},
                          {6, -67},  {48, -58},  {78, -38},   {94, -16},  {102, -9},  {108, -8},
                          {108, 8},  {102, 9},   {94, 16},    {78, 38},   {48, 58},   {6, 66},
                          {-40, 62}, {-80, 48},  {-104, 34},  {-116, 22}});
    // The dorsal and anal fins run right round it as one fringe of rays, from
    // over the eyes to the tail stalk, widest along the middle of the body.
    constexpr int rayCount = 180;
    std::vector<QPointF> roots, edge;
    for (int i = 0; i < rayCount; ++i) {
        const QPointF at = disc.pointAtPercent(double(i) / rayCount);
        const QPointF d = disc.pointAtPercent(double(i + 1) / rayCount) -
                          disc.pointAtPercent(double((i + rayCount - 1) % rayCount) / rayCount);
        QPointF out = QPointF(d.y(), -d.x()) / std::max(1e-6, std::hypot(d.x(), d.y()));
        if (disc.contains(at + out * 2))
            out = -out;
        const double head = std::clamp((at.x() + 112) / 30, 0.0, 1.0);
        const double stalk = std::clamp((92 - at.x()) / 16, 0.0, 1.0);
        const double width =
            16 * std::sin(head * std::numbers::pi / 2) * stalk * (1 + 0.06 * std::sin(i * 1.7));
        roots.push_back(at - out * 2);
        edge.push_back(at + out * width);
    }
    const QPainterPath fringe = smoothClosedPath(edge.data(), int(edge.size())).united(disc);
    const Fin caudal = tail(TailKind::Rounded, {104, 0}, 20, 46, 58);
    castShadow(p, fringe.united(caudal.shape), QPointF(4, 5), 50);

    const QColor sand(214, 196, 156), ringDark(30, 90, 190), ringBright(80, 170, 255);
    paintFin(p, caudal, QColor(200, 180, 140, 230), QColor(120, 96, 60, 150), 14);
    p.fillPath(fringe, QColor(206, 186, 146, 225));
    {
        const Saved s(p);
        p.setClipPath(fringe.subtracted(disc), Qt::IntersectClip);
        p.setPen(QPen(QColor(120, 96, 60, 120), 0.7));
        for (size_t i = 0; i < roots.size(); ++i)
            p.drawLine(roots[i], edge[i]);
    }
    stroke(p, fringe, QColor(120, 96, 60, 150), 0.6);

    QRadialGradient shade(QPointF(-10, -10), 120);
    shade.setColorAt(0, sand.lighter(108));
    shade.setColorAt(0.8, sand);
    shade.setColorAt(1, QColor(168, 146, 108));
    p.fillPath(disc, shade);
    // Mottling that hides it on the sand, and two dark smudges on its lateral line.
    paintSpots(p, disc, 14, 3, 7, QColor(150, 126, 88, 80), 4101);
    paintSpots(p, disc, 10, 1, 3, QColor(250, 240, 210, 90), 4102);
    for (const QPointF smudge : {QPointF(-6, 2), QPointF(56, 0)})
        paintGlow(p, smudge, 11, QColor(70, 54, 36, 170));
    paintSpots(p, fringe.subtracted(disc), 8, 1.0, 1.8, ringBright, 4103);

    {
        // Bright blue rings of many sizes, some with a spot inside, and blue dots between.
        const Saved s(p);
        p.setClipPath(disc, Qt::IntersectClip);
        QRandomGenerator rng(41);
        for (const QPointF &c : spreadPoints(disc, 14, 5, 4141)) {
            if (c.x() < -70 && std::abs(c.y()) < 24)
                continue;
            const double r = 2.0 + rng.generateDouble() * 4.5;
            const int kind = int(rng.bounded(5));
            const double dot = kind >= 3 ? 1.0 + r * 0.2 : (kind == 0 && r > 4 ? 1.2 : 0.0);
            paintDisc(p, c, dot, dot, ringBright);
            if (kind >= 3)
                continue;
            paintDisc(p, c, r, r * 0.85, Qt::transparent, ringDark, 2.2);
            paintDisc(p, c, r, r * 0.85, Qt::transparent, ringBright, 1.2);
        }
    }
    // Blue dots crowd the head around the eyes.
    paintSpots(p, disc.intersected(oval({-92, 0}, 26, 30)), 5, 0.8, 1.3, ringBright, 4104);
    stroke(p, disc, QColor(140, 116, 80, 140), 0.8);

    // The one long pectoral fin of the upper side, raised off the body like a
    // flag: a narrow blade of fine rays, clear between them, banded dark,
    // its shadow falling well clear of it on the back.
    const Fin pectoral = pairedFin({-62, -22}, 58, -14, 11, 0.85, 13);
    {
        const Saved s(p);
        p.setClipPath(disc, Qt::IntersectClip);
        p.fillPath(pectoral.shape.translated(5, 8), QColor(70, 54, 36, 55));
    }
    paintSheerFin(p, pectoral, QColor(196, 178, 136, 170), QColor(100, 78, 50, 180), 0);
    {
        const Saved s(p);
        p.setClipPath(pectoral.shape, Qt::IntersectClip);
        for (const double x : {-44.0, -28.0, -12.0})
            stroke(p, curve({x, -40}, {x + 2, -24}, {x, -8}), QColor(90, 70, 44, 70), 3.0);
    }
    // The edge of the gill cover, behind which the pectoral fin springs.
    stroke(p, curveThrough({{-76, -40}, {-62, -26}, {-58, -4}, {-66, 20}, {-80, 34}}),
           QColor(120, 96, 64, 130), 1.1);
    // Both eyes on the upper side, one ahead of the other, each raised on a
    // short turret of skin that throws a shadow back.
    for (const QPointF eye : {QPointF(-92, -14), QPointF(-80, 6)}) {
        paintGlow(p, eye + QPointF(2.5, 3.5), 8, QColor(80, 60, 36, 110));
        fillBody(p, oval(eye, 6.0, 5.4), QColor(226, 210, 172), QColor(206, 188, 148),
                 QColor(170, 150, 112));
        anatomy::paintNaturalEye(p, eye, 4.2, QColor(150, 130, 84), 0.5);
    }
    // The mouth is twisted towards the eyed side: the gape climbs from the
    // snout tip up and back below the lower eye, the lower jaw jutting past
    // the upper as a firm, pale lip.
    const QPainterPath lowerJaw = smoothClosedPath(
        {{-121.5, 10}, {-120, 4}, {-115, -1}, {-108, -4}, {-109, 0}, {-114, 6}, {-118, 11}});
    fillBody(p, lowerJaw, QColor(226, 212, 176), QColor(210, 192, 152), QColor(180, 160, 120));
    stroke(p, lowerJaw, QColor(120, 96, 64, 150), 0.6);
    const QPainterPath gape = curveThrough({{-120.5, 5}, {-116, 0}, {-110, -3.5}, {-104, -5}});
    stroke(p, gape.translated(0.6, -0.8), QColor(250, 240, 210, 90), 1.2);
    stroke(p, gape, QColor(80, 60, 40, 220), 1.0);
}

} // namespace fishart
