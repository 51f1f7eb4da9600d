// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boxfish.h"
#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <utility>

// Boxfish: rigid boxes of bony plate.

namespace fishart {

using namespace fishkit;

namespace {

constexpr double pi = std::numbers::pi;

// The cells of a net round scattered centres about `spacing` apart over
// `area`, each shrunk to `shrink` of its share towards its centre.
std::vector<std::vector<QPointF>> netCells(const QRectF &area, double spacing, double shrink,
                                           quint32 seed)
{
    QPainterPath around;
    around.addRect(area.adjusted(-spacing, -spacing, spacing, spacing));
    const std::vector<QPointF> k = spreadPoints(around, spacing, spacing * 0.3, seed);
    std::vector<std::vector<QPointF>> cells;
    for (const QPointF &a : k) {
        QPolygonF cell(QRectF(a - QPointF(spacing, spacing) * 2, QSizeF(4, 4) * spacing));
        for (const QPointF &b : k) {
            const QPointF n = (a - b) * (4 * spacing / std::max(QLineF(a, b).length(), 1e-3));
            const QPointF m = (a + b) / 2, t(-n.y(), n.x());
            if (a != b && QLineF(a, b).length() < 2.5 * spacing)
                cell = cell.intersected(QPolygonF({m + t, m + t + n, m - t + n, m - t}));
        }
        std::vector<QPointF> ring;
        for (const QPointF &v : cell)
            if (ring.empty() || QLineF(v, ring.back()).length() > 0.5)
                ring.push_back(a + (v - a) * shrink);
        if (ring.size() > 3 && QLineF(ring.front(), ring.back()).length() < 0.5)
            ring.pop_back();
        if (ring.size() > 2)
            cells.push_back(std::move(ring));
    }
    return cells;
}

// The bony plates of the carapace, uneven polygons joined in soft sutures,
// each a little domed.
void paintPlates(QPainter &p, const Carapace &c, const QPainterPath &box, QColor suture)
{
    const double top = c.peak.y(), bottom = c.keel.y();
    const double mid = (top + bottom) / 2, half = (bottom - top) / 2 + 6;
    const Saved s(p);
    p.setClipPath(box, Qt::IntersectClip);
    for (const std::vector<QPointF> &ring : plateCells(c, box, 0.93)) {
        QPointF centre;
        for (const QPointF &q : ring)
            centre += q / double(ring.size());
        const QPainterPath plate = smoothClosedPath(ring.data(), int(ring.size()));
        // The sutures show in the mid-tones of the flank and are lost in the
        // light along the back and the shade low on the side; even there
        // some stretches are worn faint and others stand out.
        const double u = std::clamp((centre.y() - mid) / half, -1.0, 1.0);
        const double seen = std::clamp(1.0 - std::pow(std::abs(u + 0.1) * 1.25, 2.0), 0.15, 1.0);
        constexpr int pieces = 12;
        for (int k = 0; k < pieces; ++k) {
            const double worn =
                0.35 + 0.65 * std::abs(std::sin(centre.x() * 0.37 + k * 1.9 + centre.y() * 0.21));
            QPainterPath edge(plate.pointAtPercent(double(k) / pieces));
            edge.lineTo(plate.pointAtPercent((k + 0.5) / pieces));
            edge.lineTo(plate.pointAtPercent((k + 1.0) / pieces));
            const int alpha = int(suture.alpha() * seen * worn);
            stroke(p, edge, withAlpha(suture, alpha / 3), 1.8);
            stroke(p, edge, withAlpha(suture, alpha * 2 / 3), 0.4);
        }
        paintGlow(p, centre + QPointF(-1.5, -2), 5, QColor(255, 255, 240, int(22 * (0.5 + seen))));
    }
}

// A horn of the Cowfish: the shell's bony ridge at `root` drawn out into a
// short cone of the same skin, tapering to `tip` and curving a little
// forward on its way (`bend` of its length off the straight). Its broad root
// flares into the shell and thins into it within a few pixels of the
// shell's outline `shell`, so the shell's own pattern runs on onto its base
// with no seam; round, so lit along its upper side and shaded below, and a
// little darker at the point.
void paintHorn(QPainter &p, const QPainterPath &shell, QPointF root, QPointF tip, double radius,
               QColor skin, double bend)
{
    const QPointF axis = tip - root;
    const double length = QLineF(root, tip).length();
    const QPointF u = axis / length;
    const QPointF n = QPointF(-axis.y(), axis.x()) / length * radius;
    const QPointF up = n.y() < 0 ? n : -n;
    const QPointF start = root - u * radius * 2.2;
    const QPainterPath spine = curve(start, root + axis * 0.45 + up / radius * length * bend, tip);
    const QPainterPath horn =
        ribbon(spine, {radius * 3.4, radius * 2.7, radius * 1.9, radius * 1.2, radius * 0.65, 0.3});
    // Only the underside of the horn shades the shell below it.
    paintGlow(p, root - up * 1.2 + u * radius, radius * 1.5, QColor(40, 10, 0, 40));
    QLinearGradient round(root + up * 1.3, root - up * 1.3);
    round.setColorAt(0.0, skin.lighter(112));
    round.setColorAt(0.3, skin.lighter(118));
    round.setColorAt(0.55, skin);
    round.setColorAt(1.0, skin.darker(150));
    const QRectF area = horn.boundingRect().adjusted(-1, -1, 1, 1);
    QImage layer((area.size() * 4).toSize() + QSize(1, 1), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.scale(4, 4);
        lp.translate(-area.topLeft());
        lp.fillPath(horn, round);
        lp.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        QLinearGradient point(root + axis * 0.45, tip);
        point.setColorAt(0.0, withAlpha(skin.darker(140), 0));
        point.setColorAt(1.0, withAlpha(skin.darker(140), 150));
        lp.fillRect(area, point);
        // The lit crest of the ridge runs on along the top towards the point.
        lp.setClipPath(horn);
        stroke(lp, curve(start + up * 1.2, root + up * 0.55 + axis * 0.4, tip - u * radius),
               withAlpha(skin.lighter(130), 90), std::max(0.7, radius * 0.35));
        // Whole where it stands free, clearing evenly over the first few
        // pixels inside the shell.
        lp.setClipping(false);
        lp.setCompositionMode(QPainter::CompositionMode_DestinationOut);
        QPainterPathStroker inset;
        constexpr int steps = 6;
        for (int k = 1; k <= steps; ++k) {
            inset.setWidth(2.0 * k);
            lp.fillPath(shell.subtracted(inset.createStroke(shell)),
                        QColor(0, 0, 0, 255 / (steps + 1 - k)));
        }
    }
    p.drawImage(area, layer);
}

// Wandering blue lines, like the scrawls on a Cowfish: no two alike, but
// not strewn at random either: they run the way `flow` gives at each place
// (along the body on the flanks, down from the eye across the cheek),
// wavering about it, some long and broken into dashes, some a short tick,
// some branching off another, most fine and a few broad.
void paintScrawls(QPainter &p, const QPainterPath &area, double spacing, QColor colour,
                  quint32 seed, const std::function<double(QPointF)> &flow)
{
    QRandomGenerator rng(seed);
    const Saved s(p);
    p.setClipPath(area, Qt::IntersectClip);
    const QRectF box = area.boundingRect();
    const int count = int(box.width() * box.height() / (spacing * spacing) * 0.55);
    std::vector<QPointF> starts = scatterPoints(area, count, seed);
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const QPointF start = starts[i];
        QPainterPath scrawl(start);
        QPointF at = start;
        // Along the flow, either way, wavering to and fro about it.
        const double turn = rng.bounded(2) ? pi : 0.0;
        double swing = rng.bounded(0.8) - 0.4;
        const int bends = rng.bounded(5) == 0 ? 1 : 3 + rng.bounded(6);
        for (int k = bends; k > 0; --k) {
            swing = std::clamp(-swing + rng.bounded(0.5) - 0.25, -0.6, 0.6);
            const double heading = flow(at) + turn + rng.bounded(0.3) - 0.15;
            const double step = 1.6 + rng.bounded(2.6);
            const QPointF bend =
                at + QPointF(std::cos(heading + swing), std::sin(heading + swing)) * step;
            at = bend + QPointF(std::cos(heading), std::sin(heading)) * step;
            // A long line breaks now and then and runs on a little out of line.
            if (k < bends && rng.bounded(6) == 0)
                scrawl.moveTo(bend + QPointF(0, rng.bounded(1.2) - 0.6));
            else
                scrawl.quadTo(bend, at);
            // Now and then another line branches off here.
            if (starts.size() < std::size_t(count) * 3 / 2 && rng.bounded(9) == 0)
                starts.push_back(bend);
        }
        // A line that swells and thins like a brush stroke, with only a faint
        // dark edge; the broad ones are few.
        const double w = 0.3 + 0.9 * std::pow(rng.generateDouble(), 2.5);
        const QColor own = withAlpha(colour.lighter(90 + rng.bounded(30)), 150 + rng.bounded(105));
        p.fillPath(ribbon(scrawl, {w * 1.6, w * 2.2, w * 1.8, w * 2.4, w * 1.4}),
                   withAlpha(colour.darker(170), 50));
        p.fillPath(ribbon(scrawl, {w * 0.5, w * 1.3, w, w * 1.4, w * 0.6}), own);
    }
}

} // namespace

// Sides of bony plate meeting at rounded corners: a rigid box, but one that
// grew, so each side swells a little, unevenly, and no corner is sharp. The
// stalk and the tail are the only parts of the fish that can bend.
QPainterPath carapace(const Carapace &c)
{
    const std::vector<QPointF> v{c.mouth, c.brow, c.peak, c.rearTop, c.rearBottom, c.keel, c.chin};
    const size_t n = v.size();
    // `from`, corner `i`, moved its rounding towards `to`, or less on a short side.
    const auto towards = [&c](QPointF from, size_t i, QPointF to) {
        const double length = QLineF(from, to).length();
        const double round = i == 2 ? c.peakRound : c.corner;
        return from + (to - from) * (std::min(round, length / 3.0) / length);
    };
    QPainterPath box(towards(v[0], 0, v[n - 1]));
    for (size_t i = 0; i < n; ++i) {
        const size_t before = (i + n - 1) % n;
        const QPointF prev = v[before], next = v[(i + 1) % n];
        const QPointF d = v[i] - prev;
        const QPointF out(d.y(), -d.x());
        // The swell leans towards one end of the side, a different one on
        // each side, so that the box is not ruled.
        const double lean = i % 2 ? 0.06 : 0.035;
        const QPointF a = towards(prev, before, v[i]), b = towards(v[i], i, prev);
        box.cubicTo(a + (b - a) * 0.3 + out * lean * c.swell,
                    a + (b - a) * 0.7 + out * (0.095 - lean) * c.swell, b);
        box.quadTo(v[i], towards(v[i], i, next));
    }
    box.closeSubpath();
    return box;
}

// The outlines of the carapace's bony plates, each shrunk `shrink` of the
// way to its own seed: uneven polygons that crowd together and flatten
// towards the ridge and the keel, where the side of the box turns away.
std::vector<std::vector<QPointF>> plateCells(const Carapace &c, const QPainterPath &box,
                                             double shrink)
{
    const double top = c.peak.y(), bottom = c.keel.y();
    const double mid = (top + bottom) / 2, half = (bottom - top) / 2 + 6;
    std::vector<std::vector<QPointF>> cells = netCells(box.boundingRect(), 15, shrink, 77);
    for (std::vector<QPointF> &ring : cells)
        for (QPointF &q : ring) {
            const double u = std::clamp((q.y() - mid) / half, -1.0, 1.0);
            q = QPointF(q.x(), mid + half * std::sin(u * pi / 2));
        }
    return cells;
}

void paintPlateRelief(QPainter &p, const Carapace &c, const QPainterPath &box, double strength)
{
    const double top = c.peak.y(), bottom = c.keel.y();
    const Saved s(p);
    p.setClipPath(box, Qt::IntersectClip);
    for (const std::vector<QPointF> &ring : plateCells(c, box, 0.97)) {
        QPointF centre;
        for (const QPointF &q : ring)
            centre += q / double(ring.size());
        const double lit =
            strength * std::clamp(1.15 - (centre.y() - top) / (bottom - top), 0.15, 1.0);
        const QPainterPath plate = smoothClosedPath(ring.data(), int(ring.size()));
        const QRectF r = plate.boundingRect();
        // Light from above: the upper half of each dome catches it, the
        // lower turns a little away, and the groove round it lies in shade.
        QLinearGradient dome(r.topLeft() + QPointF(r.width() * 0.3, 0),
                             r.bottomLeft() + QPointF(r.width() * 0.7, 0));
        dome.setColorAt(0.0, QColor(255, 255, 245, int(34 * lit)));
        dome.setColorAt(0.45, QColor(255, 255, 245, int(10 * lit)));
        dome.setColorAt(0.7, QColor(0, 0, 20, 0));
        dome.setColorAt(1.0, QColor(0, 0, 20, int(26 * lit)));
        p.fillPath(plate, dome);
        stroke(p, plate, QColor(0, 0, 20, int(30 * lit)), 0.7);
        stroke(p, plate.translated(0, 0.8), QColor(255, 255, 245, int(16 * lit)), 0.5);
    }
}

void paintBackRidge(QPainter &p, const QPainterPath &box, const QPainterPath &ridge, QColor face,
                    QColor crest, double crestWidth, QColor shade, double drop)
{
    {
        const Saved faces(p);
        p.setClipPath(box, Qt::IntersectClip);
        QPainterPath top = ridge;
        top.lineTo(240, 40);
        top.lineTo(20, 40);
        top.closeSubpath();
        p.fillPath(top, face);
    }
    strokeInside(p, box, ridge.translated(0, drop), shade, 5.0);
    strokeInside(p, box, ridge, crest, crestWidth);
}

void paintKeelFace(QPainter &p, const QPainterPath &box, const QPainterPath &keel, double from,
                   double to, QColor upper, QColor lower, QColor crest, double crestWidth)
{
    const Saved faces(p);
    p.setClipPath(box, Qt::IntersectClip);
    QPainterPath under = keel;
    under.lineTo(240, 200);
    under.lineTo(20, 200);
    under.closeSubpath();
    QLinearGradient turn(QPointF(0, from), QPointF(0, to));
    turn.setColorAt(0.0, upper);
    turn.setColorAt(1.0, lower);
    p.fillPath(under, turn);
    stroke(p, keel, crest, crestWidth);
}

// Paints the boxfish, its pattern by `marks` (given the box and the tail)
// before the shading. Only the fins behind the box and the tail can move.
void paintBoxfish(QPainter &p, const Boxfish &b,
                  const std::function<void(const QPainterPath &, const QPainterPath &)> &marks)
{
    const Carapace &c = b.box;
    const Fin caudal = tail(TailKind::Rounded, {244, 122}, 18, 50, 66);
    paintSheerFin(p, caudal, b.fin, b.ray, 15);
    // Small, rounded dorsal and anal fins rise out of the box just before
    // the tail stalk, their bases hidden under the rim of the shell: thin
    // rayed membranes the water shows through, the dorsal the taller.
    const QPointF dorsal = c.back(0.56) + QPointF(0, 5), dorsalEnd = c.back(0.93) + QPointF(0, 5);
    const QPointF anal = c.under(0.62) + QPointF(0, -5), analEnd = c.under(0.95) + QPointF(0, -5);
    for (const Fin &f : {fin(dorsal,
                             {dorsal + QPointF(5, -17), (dorsal + dorsalEnd) / 2 + QPointF(7, -27),
                              dorsalEnd + QPointF(9, -19), dorsalEnd + QPointF(11, -8)},
                             dorsalEnd),
                         fin(anal,
                             {anal + QPointF(6, 13), (anal + analEnd) / 2 + QPointF(8, 20),
                              analEnd + QPointF(9, 13), analEnd + QPointF(10, 5)},
                             analEnd)})
        paintSheerFin(p, f, b.fin, b.ray, 9);
    // The tail stalk leaves the rear opening of the box in soft skin: full
    // at the box, narrowing in one smooth sweep and flaring a little into
    // the root of the tail.
    const QPointF stalkTop = c.rearTop + (c.rearBottom - c.rearTop) * 0.1;
    const QPointF stalkBottom = c.rearTop + (c.rearBottom - c.rearTop) * 0.9;
    const QPainterPath stalk = smoothClosedPath({stalkTop + QPointF(-12, 0),
                                                 stalkTop + QPointF(5, 2),
                                                 {224, 114.5},
                                                 {234, 117},
                                                 {242, 116.2},
                                                 {249, 112.5},
                                                 {249, 131.5},
                                                 {242, 127.8},
                                                 {234, 127},
                                                 {224, 129.5},
                                                 stalkBottom + QPointF(5, -2),
                                                 stalkBottom + QPointF(-12, 0)});
    fillBody(p, stalk, b.back, b.flank, b.belly);
    {
        // The skin of the stalk runs on over the roots of the tail's rays.
        const Saved s(p);
        p.setClipPath(caudal.shape.subtracted(stalk), Qt::IntersectClip);
        paintGlow(p, {248, 122}, 14, withAlpha(b.flank, 210));
    }
    const QPainterPath box = carapace(c);
    fillBody(p, box, b.back, b.flank, b.belly);
    // The flat belly between the keels, seen from a little below.
    QPainterPath belly(c.chin + QPointF(4, -10));
    belly.lineTo(c.keel + QPointF(0, -11));
    belly.lineTo(c.rearBottom + QPointF(-6, -7));
    belly.lineTo(c.rearBottom + QPointF(0, 40));
    belly.lineTo(c.chin + QPointF(-10, 40));
    belly.closeSubpath();
    const QPainterPath plate = box.intersected(belly);
    fillBody(p, plate, b.belly.darker(112), b.belly.darker(106), b.belly.darker(130));
    marks(box, caudal.shape.united(stalk));
    if (Silhouette::active(p))
        return;
    {
        // The stalk is soft and round, unlike the box: it darkens to both
        // edges and lies in the box's shadow where it leaves the shell.
        const Saved s(p);
        p.setClipPath(stalk.subtracted(box), Qt::IntersectClip);
        QLinearGradient round(QPointF(0, 110), QPointF(0, 134));
        round.setColorAt(0.0, QColor(0, 0, 0, 70));
        round.setColorAt(0.35, QColor(255, 255, 255, 26));
        round.setColorAt(0.6, QColor(0, 0, 0, 0));
        round.setColorAt(1.0, QColor(0, 0, 0, 80));
        p.fillRect(stalk.boundingRect(), round);
        QLinearGradient shade(QPointF(c.rearTop.x(), 0), QPointF(c.rearTop.x() + 16, 0));
        shade.setColorAt(0.0, QColor(0, 0, 20, 90));
        shade.setColorAt(1.0, QColor(0, 0, 20, 0));
        p.fillRect(stalk.boundingRect(), shade);
        QPainterPath away;
        away.addRect(QRectF(0, 0, 246, 240));
        p.setClipPath(away, Qt::IntersectClip);
        stroke(p, stalk, withAlpha(b.back.darker(220), 110), 0.7);
    }
    paintPlates(p, c, box, withAlpha(b.back.darker(170), b.plates ? 60 : 46));
    const Saved s(p);
    p.setClipPath(box, Qt::IntersectClip);
    // Flat sides, not a rounded body: the flank is one plane, lit evenly and
    // only a little darker towards the keel; the back of the box, facing the
    // tail, and the front of the face, are planes turned away from the light.
    QLinearGradient side(c.peak, c.peak + QPointF(0, c.keel.y() - c.peak.y()));
    side.setColorAt(0.0, QColor(255, 255, 245, 40));
    side.setColorAt(0.15, QColor(255, 255, 245, 0));
    side.setColorAt(0.75, QColor(0, 0, 0, 0));
    side.setColorAt(0.9, QColor(0, 0, 20, 40));
    p.fillRect(box.boundingRect(), side);
    QPainterPath rearFace(c.rearTop + QPointF(-12, -6));
    rearFace.lineTo(c.rearTop + QPointF(20, -6));
    rearFace.lineTo(c.rearBottom + QPointF(20, 6));
    rearFace.lineTo(c.rearBottom + QPointF(-12, 6));
    rearFace.closeSubpath();
    QLinearGradient away(c.rearTop + QPointF(-12, 0), c.rearTop + QPointF(2, 0));
    away.setColorAt(0.0, QColor(0, 0, 20, 0));
    away.setColorAt(0.25, QColor(0, 0, 20, 70));
    away.setColorAt(1.0, QColor(0, 0, 20, 90));
    p.fillPath(rearFace, away);
    QLinearGradient face(c.mouth + QPointF(-2, 0), c.mouth + QPointF(14, -6));
    face.setColorAt(0.0, QColor(0, 0, 20, 60));
    face.setColorAt(1.0, QColor(0, 0, 20, 0));
    p.fillRect(box.boundingRect(), face);
    // The sharp ridge of the back catching the light, and the keel between
    // flank and belly: light along its crest, shadow under it.
    const QPainterPath ridge = curveThrough(
        {c.brow + QPointF(4, 1.5), c.peak + QPointF(0, 2.2), c.rearTop + QPointF(-6, 1.5)});
    stroke(p, ridge, QColor(255, 255, 240, 70), 1.2);
    stroke(p, ridge.translated(0, 2.5), QColor(255, 255, 240, 30), 3.0);
    const QPainterPath keel = curveThrough(
        {c.chin + QPointF(4, -10), c.keel + QPointF(0, -11), c.rearBottom + QPointF(-6, -7)});
    // The keel is where two faces of the shell meet: the flat belly below
    // turns away from the light at once, and the crest catches a soft sheen
    // on the plates, not a drawn line.
    {
        // Run on past both ends to the outline, so the face has no corner.
        const QPainterPath edge = keel.translated(0, 0.6);
        QPainterPath under(edge.pointAtPercent(0) + QPointF(-30, 0));
        under.connectPath(edge);
        under.lineTo(edge.currentPosition() + QPointF(30, 0));
        under.lineTo(edge.currentPosition() + QPointF(30, 40));
        under.lineTo(edge.pointAtPercent(0) + QPointF(-30, 40));
        under.closeSubpath();
        const QPointF mid = keel.pointAtPercent(0.5);
        QLinearGradient turn(mid, mid + QPointF(0, 12));
        turn.setColorAt(0.0, QColor(20, 20, 40, 70));
        turn.setColorAt(1.0, QColor(20, 20, 40, 30));
        p.fillPath(under, turn);
        stroke(p, keel.translated(0, -1.6), QColor(255, 255, 240, 22), 3.6);
        stroke(p, keel.translated(0, -0.8), QColor(255, 255, 240, 26), 1.2);
    }
    // The carapace's rear rim stands proud of the stalk it sleeves.
    stroke(
        p,
        curveThrough({c.rearTop + QPointF(-3, 3), (c.rearTop + c.rearBottom) / 2 + QPointF(-1, 0),
                      c.rearBottom + QPointF(-3, -3)}),
        QColor(20, 20, 30, 90), 1.2);
    p.setClipping(false);
    anatomy::paintShadedEdge(p, box, withAlpha(b.back.darker(230), 150), 1.4);

    // The small pectoral rooted behind the eye in a notch of the shell, the
    // gill opening hidden in the front of that notch.
    const QPointF e = c.eye();
    // A small fan, narrow at its root and spreading back and a little down,
    // its rays the fin's structure, never a round disc.
    anatomy::paintClearPectoral(p, e + QPointF(29, 4.5), e + QPointF(30, 16.5),
                                {e + QPointF(36, 1.5), e + QPointF(45, 2.5), e + QPointF(53, 6.5),
                                 e + QPointF(57, 11.5), e + QPointF(55, 17.5),
                                 e + QPointF(46, 21.5), e + QPointF(37, 20.5)},
                                b.fin, b.flank);
    // The small mouth at the snout tip: a pair of pursed lips of soft skin,
    // paler than the box and set close against it, the upper lip over the
    // lower with a short dark gape between them.
    const QPointF m = c.mouth + QPointF(2.6, 1);
    const QColor skin = blend(b.flank, b.lips, 0.25);
    const QPainterPath upperLip =
        smoothClosedPath({m + QPointF(6, -4.2), m + QPointF(0.6, -3.4), m + QPointF(-1.8, -1.8),
                          m + QPointF(-1.6, -0.1), m + QPointF(2, 0.2), m + QPointF(6, 0.4)});
    const QPainterPath lowerLip =
        smoothClosedPath({m + QPointF(5, 1.2), m + QPointF(-0.8, 1.0), m + QPointF(-1.1, 2.5),
                          m + QPointF(1, 3.5), m + QPointF(5, 3.6)});
    {
        const Saved clip(p);
        QPainterPath front;
        front.addRect(QRectF(m.x() - 8, m.y() - 9, 15, 18));
        p.setClipPath(front, Qt::IntersectClip);
        // A soft shadow under the lips keeps them on the face, not stuck on.
        paintGlow(p, m + QPointF(0.6, 2.2), 4.2, withAlpha(b.back.darker(170), 70));
        paintDisc(p, m + QPointF(-0.4, 0.6), 1.7, 0.8, QColor(40, 22, 20));
        for (const QPainterPath &lip : {lowerLip, upperLip}) {
            QLinearGradient g(lip.boundingRect().topLeft(), lip.boundingRect().bottomLeft());
            g.setColorAt(0.0, skin.lighter(104));
            g.setColorAt(1.0, skin.darker(122));
            p.fillPath(lip, g);
            stroke(p, lip, withAlpha(b.back.darker(200), 90), 0.45);
        }
        // The lips grow out of the shell's skin, with no seam at their root.
        p.setClipPath(upperLip.united(lowerLip), Qt::IntersectClip);
        paintGlow(p, m + QPointF(7.5, 0), 5.5, withAlpha(b.flank, 230));
    }
    anatomy::paintNaturalEye(p, c.eye(), 6.2, b.iris, 0.5);
    // The eye is wet and bulges from the shell: the sky shows in it as a
    // soft window high on the front, with a brighter point inside.
    const QPointF glint = c.eye() + QPointF(-1.9, -2.3);
    paintGlow(p, glint, 2.6, QColor(220, 236, 245, 70));
    paintDisc(p, glint, 1.0, 0.8, QColor(240, 248, 250, 170));
}

// A white box with no horns, covered with round black spots, smaller on the
// face and kept whole round the eye and the small white-lipped mouth.
void paintSpottedTrunkfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.4, 200, 0, {282, 212}, 58, QColor(150, 130, 170), {30, 215}, 130,
              QColor(170, 90, 60));
    const QColor black(22, 22, 28);
    // Deep at the ridge of the back and flat beneath: near a triangle in
    // side view.
    Carapace shell{{44, 142}, {64, 108}, {128, 62}, {210, 110}, {212, 140}, {118, 174}, {54, 166}};
    shell.peakRound = 24;
    shell.swell = 0.35;
    shell.corner = 9;
    const Boxfish look(shell, QColor(212, 214, 220), QColor(238, 238, 240), QColor(206, 206, 214),
                       QColor(225, 222, 210, 200), QColor(150, 148, 140, 140),
                       QColor(255, 255, 252), QColor(150, 118, 66), true);
    paintCastShadow(p, carapace(shell), 216);
    paintBoxfish(p, look, [&](const QPainterPath &box, const QPainterPath &tail) {
        anatomy::paintFreckles(p, tail, 7, 1.3, 2.8, black, 140, tail.boundingRect().center(), 34);
        paintPlateRelief(p, shell, box, 1.0);
        const QPainterPath ridge =
            curveThrough({shell.brow + QPointF(14, 1), shell.peak + QPointF(0, 16),
                          shell.back(0.55) + QPointF(-2, 14), shell.back(0.9) + QPointF(-4, 8)});
        paintBackRidge(p, box, ridge, QColor(255, 255, 255, 90), QColor(255, 255, 255, 80), 2.6,
                       QColor(100, 104, 124, 70), 3.6);
        // Under the keel low on the side the flat belly turns away into
        // shade, the edge between the faces sharp.
        paintKeelFace(p, box,
                      curveThrough({{58, 155}, {100, 161}, {150, 158}, {186, 149}, {210, 137}}),
                      150, 176, QColor(90, 94, 120, 140), QColor(70, 74, 100, 200),
                      QColor(255, 255, 255, 70), 2.2);
        // Spots are never cut: one that would touch the eye or the lips is left out.
        const Saved s(p);
        p.setClipPath(box, Qt::IntersectClip);
        p.setPen(Qt::NoPen);
        p.setBrush(black);
        QRandomGenerator rng(1400);
        // The spots grade with the plates they sit on: small and crowded on
        // the snout, along the ridge and over the keel, where the box turns
        // away; broadest and looser over the middle of the flank. Each its own
        // size within that, a little out of round, and never touching another.
        const QRectF bounds = box.boundingRect();
        const QPointF middle = bounds.center() + QPointF(14, 4);
        std::vector<std::pair<QPointF, double>> placed;
        for (const QPointF &c : spreadPoints(box, 7.2, 3.0, 14)) {
            if (rng.bounded(7) == 0)
                continue;
            const double face = std::clamp((c.x() - shell.mouth.x()) / 80.0, 0.0, 1.0);
            // The box turns away at its top and bottom, foreshortening the spots there.
            const double edge = std::abs(c.y() - bounds.center().y()) / (bounds.height() / 2);
            const double centre = std::exp(-std::pow(QLineF(c, middle).length() / 62.0, 2.0));
            const double r = (1.1 + 2.6 * centre) * (0.55 + 0.45 * face) *
                             (0.45 + 1.1 * std::pow(rng.generateDouble(), 1.4));
            const double squash = 1.0 - 0.3 * edge * edge;
            if (QLineF(c, shell.eye()).length() < 10.5 + r ||
                QLineF(c, shell.mouth).length() < 9 + r)
                continue;
            if (std::any_of(placed.begin(), placed.end(), [&](const auto &o) {
                    return QLineF(c, o.first).length() < r + o.second + 1.6;
                }))
                continue;
            placed.emplace_back(c, r);
            std::vector<QPointF> rim;
            const double start = rng.generateDouble() * 2 * pi;
            for (int k = 0; k < 7; ++k) {
                const double a = start + k * 2 * pi / 7,
                             wander = 0.78 + 0.36 * rng.generateDouble();
                rim.push_back(c +
                              QPointF(std::cos(a) * r * wander, std::sin(a) * r * wander * squash));
            }
            // Pigment in the skin, not ink on it: each spot's edge a little
            // soft, and the spots on the upper face, turned to the light,
            // greyed by the sheen on the shell like the white round them.
            const QPainterPath spot = smoothClosedPath(rim.data(), int(rim.size()));
            const double lit = std::clamp((middle.y() - c.y()) / 46.0, 0.0, 1.0);
            const QColor tone =
                blend(black, QColor(96, 98, 110), 0.4 * lit * lit + 0.12 * rng.generateDouble());
            p.setBrush(withAlpha(tone, 70));
            p.drawPath(QTransform()
                           .translate(c.x(), c.y())
                           .scale(1.18, 1.18)
                           .translate(-c.x(), -c.y())
                           .map(spot));
            p.setBrush(tone);
            p.drawPath(spot);
        }
    });
}

// An orange-yellow to tan box with two horns over the eyes, scrawled with
// bright blue lines and spots: the Scrawled Cowfish.
void paintCowfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.3, 206, 0, {20, 226}, 40, QColor(150, 140, 100), {300, 226}, 130,
              QColor(170, 80, 140));
    const QColor orange(236, 182, 84);
    const QColor deep(196, 132, 52);
    const QColor blue(40, 130, 235);
    const Carapace shell{{40, 142},  {62, 98},   {120, 84}, {212, 104},
                         {216, 142}, {120, 172}, {50, 164}};
    const QPainterPath outline = carapace(shell);
    // The far horn sticks out from behind the box, its root hidden by the near one.
    paintHorn(p, outline, {89, 97}, {60, 80}, 5.2, deep.darker(112), 0.14);
    const Boxfish look(shell, deep, orange, QColor(246, 218, 150), QColor(240, 200, 120, 210),
                       QColor(170, 110, 40, 160), QColor(226, 176, 96), QColor(150, 120, 60));
    paintCastShadow(p, outline, 222);
    paintBoxfish(p, look, [&](const QPainterPath &box, const QPainterPath &tail) {
        // On the flanks the lines run along the box, closing in with its
        // top and keel towards the tail; on the cheek they run down and
        // forward from the eye towards the mouth.
        const QPointF eye = shell.eye();
        paintScrawls(p, box, 11, blue, 4040, [eye](QPointF at) {
            const double v = std::clamp((at.y() - 96) / 70.0, 0.0, 1.0);
            const double along = 0.04 * (1 - v) - 0.14 * v;
            const QPointF from = at - eye;
            const double cheek = std::exp(-std::pow(std::hypot(from.x(), from.y()) / 26.0, 2.0));
            const double down = std::atan2(from.y() + 8, from.x() - 4);
            return at.x() < eye.x() + 14 ? along * (1 - cheek) + down * cheek : along;
        });
        anatomy::paintFreckles(p, box, 12, 0.5, 2.1, blue, 4041, {150, 126}, 70);
        anatomy::paintFreckles(p, tail, 9, 0.6, 1.6, blue, 4042);
    });
    // The near horn: the ridge over the eye grown out into a short, stout
    // cone in front of the eye, pointing forward and a little up.
    paintHorn(p, outline, {77, 99}, {50, 87}, 6.0, blend(deep, orange, 0.35), 0.14);
    // The shell's rear spine grows from the near keel's rear corner and
    // points back, in front of the fin that grows from the belly.
    paintHorn(p, outline, {180, 152}, {201, 162}, 4.2, blend(deep, look.belly, 0.3), 0.04);
}

} // namespace fishart
