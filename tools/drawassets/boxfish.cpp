// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

// Boxfish, puffers and triggerfish: rigid boxes, spiny balls, deep triggers.

namespace fishart {

using namespace fishkit;

namespace {

constexpr double pi = std::numbers::pi;

// The three boxfish share one build, a rigid carapace of bony plates,
// triangular in section: a sharp ridge along the back and a flat belly
// between two keels. What tells them apart is the outline of the box, the
// pattern on it, the colour and the horns of the Cowfish.
struct Carapace
{
    // Corners of the box in side view, round from the mouth: up the forehead
    // to the brow, the peak of the back's ridge, the two rear corners where
    // the tail stalk leaves the box, the lowest point of the keel, the chin.
    QPointF mouth, brow, peak, rearTop, rearBottom, keel, chin;

    QPointF eye() const { return brow + QPointF(30, 7); }
    // A point `t` of the way along the back (peak to rear) or along the keel.
    QPointF back(double t) const { return peak + (rearTop - peak) * t; }
    QPointF under(double t) const { return keel + (rearBottom - keel) * t; }
};

struct Boxfish
{
    Carapace box;
    QColor back, flank, belly, fin, ray, lips, iris;
    bool plates = false; // the honeycomb of plates shows through the pattern
};

// Straight sides of bony plate meeting at tight corners: a rigid box, the
// stalk and the tail the only parts of the fish that can bend.
QPainterPath carapace(const Carapace &c)
{
    const std::vector<QPointF> v{c.mouth, c.brow, c.peak, c.rearTop, c.rearBottom, c.keel, c.chin};
    const size_t n = v.size();
    // `from` moved 6 towards `to`, or less on a short side.
    const auto towards = [](QPointF from, QPointF to) {
        const double length = QLineF(from, to).length();
        return from + (to - from) * (std::min(6.0, length / 3.0) / length);
    };
    QPainterPath box(towards(v[0], v[n - 1]));
    for (size_t i = 0; i < n; ++i) {
        const QPointF prev = v[(i + n - 1) % n], next = v[(i + 1) % n];
        const QPointF d = v[i] - prev;
        box.quadTo((prev + v[i]) / 2 + QPointF(d.y(), -d.x()) * 0.025, towards(v[i], prev));
        box.quadTo(v[i], towards(v[i], next));
    }
    box.closeSubpath();
    return box;
}

// A horn or spine of the carapace, from `from` out to `tip` and back to `to`.
// Its sides are hollowed a little, so that it tapers like a thorn.
QPainterPath spike(QPointF from, QPointF tip, QPointF to)
{
    const QPointF middle = (from + to) / 2;
    QPainterPath path(from);
    path.quadTo(middle + (tip - middle) * 0.45 + (from - middle) * 0.25, tip);
    path.quadTo(middle + (tip - middle) * 0.45 + (to - middle) * 0.25, to);
    path.closeSubpath();
    return path;
}

// Paints the boxfish, its pattern by `marks` (given the box and the tail)
// before the shading. Only the fins behind the box and the tail can move.
void paintBoxfish(QPainter &p, const Boxfish &b,
                  const std::function<void(const QPainterPath &, const QPainterPath &)> &marks)
{
    const Carapace &c = b.box;
    const Fin caudal = tail(TailKind::Rounded, {244, 122}, 18, 50, 66);
    paintFin(p, caudal, b.fin, b.ray, 10);
    // Small dorsal and anal fins stand on the box just before the tail stalk.
    const QPointF dorsal = c.back(0.74), anal = c.under(0.8);
    paintFin(p, finAt(dorsal, {{0, 0}, {8, -22}, {24, -20}, {18, 6}}), b.fin, b.ray, 7);
    paintFin(p, finAt(anal, {{0, 0}, {8, 20}, {24, 18}, {18, -6}}), b.fin, b.ray, 7);
    // The short tail stalk leaves the rear of the box in a sleeve of soft skin.
    const QPointF stalkTop = c.rearTop + (c.rearBottom - c.rearTop) * 0.2;
    const QPointF stalkBottom = c.rearTop + (c.rearBottom - c.rearTop) * 0.8;
    const QPainterPath stalk = smoothClosedPath({stalkTop + QPointF(-12, 0),
                                                 stalkTop + QPointF(10, -1),
                                                 {236, 114},
                                                 {248, 115},
                                                 {248, 129},
                                                 {236, 130},
                                                 stalkBottom + QPointF(10, 1),
                                                 stalkBottom + QPointF(-12, 0)});
    fillBody(p, stalk, b.back, b.flank, b.belly);
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
        // The stalk is round, unlike the box: it darkens to both edges.
        const Saved s(p);
        p.setClipPath(stalk.subtracted(box), Qt::IntersectClip);
        QLinearGradient round(QPointF(0, 112), QPointF(0, 132));
        round.setColorAt(0.0, QColor(0, 0, 0, 90));
        round.setColorAt(0.4, QColor(255, 255, 255, 30));
        round.setColorAt(1.0, QColor(0, 0, 0, 90));
        p.fillRect(stalk.boundingRect(), round);
        stroke(p, stalk, withAlpha(b.back.darker(220), 150), 0.8);
    }
    const Saved s(p);
    p.setClipPath(box, Qt::IntersectClip);
    // The bony plates, each a flat hexagon, joined in fine sutures.
    paintMesh(p, box, 15, withAlpha(b.back.darker(170), b.plates ? 40 : 30), 0.6);
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
    stroke(p, ridge, QColor(255, 255, 240, 150), 1.6);
    stroke(p, ridge.translated(0, 2.5), QColor(255, 255, 240, 50), 2.4);
    const QPainterPath keel = curveThrough(
        {c.chin + QPointF(4, -10), c.keel + QPointF(0, -11), c.rearBottom + QPointF(-6, -7)});
    stroke(p, keel.translated(0, -1.3), QColor(255, 255, 240, 110), 1.2);
    stroke(p, keel.translated(0, 1.2), QColor(20, 20, 30, 120), 1.4);
    // The carapace's rear rim stands proud of the stalk it sleeves.
    stroke(
        p,
        curveThrough({c.rearTop + QPointF(-3, 3), (c.rearTop + c.rearBottom) / 2 + QPointF(-1, 0),
                      c.rearBottom + QPointF(-3, -3)}),
        QColor(20, 20, 30, 90), 1.2);
    p.setClipping(false);
    stroke(p, box, withAlpha(b.back.darker(230), 190), 0.9);

    // The pectoral fin whirring behind the eye.
    paintFin(p, finAt(c.eye() + QPointF(32, 10), {{0, 0}, {16, -12}, {28, -6}, {16, 16}, {0, 10}}),
             withAlpha(b.fin.lighter(115), 170), b.ray, 8);
    // The small mouth at the snout tip: one rounded muzzle of thick pale lip
    // pushed a little out of the carapace, the gape a short straight slit.
    const QPointF m = c.mouth + QPointF(1.5, 1);
    const QPainterPath muzzle = smoothClosedPath(
        {m + QPointF(7, -5), m + QPointF(0, -4.6), m + QPointF(-3.6, -2.4), m + QPointF(-4, 0.8),
         m + QPointF(-2, 3.8), m + QPointF(3, 5), m + QPointF(8, 4)});
    {
        QRadialGradient lip(m + QPointF(-1.5, -1.5), 8);
        lip.setColorAt(0.0, b.lips.lighter(108));
        lip.setColorAt(0.6, b.lips);
        lip.setColorAt(1.0, withAlpha(b.lips.darker(115), 0));
        p.fillPath(muzzle, lip);
        const Saved front(p);
        p.setClipRect(QRectF(m.x() - 6, m.y() - 7, 8, 14));
        stroke(p, muzzle, withAlpha(b.back.darker(230), 150), 0.7);
    }
    stroke(p, curve(m + QPointF(-3.9, 0.6), m + QPointF(-0.5, 0.9), m + QPointF(2.8, 0.5)),
           QColor(50, 30, 28, 220), 0.9);
    stroke(p, curve(m + QPointF(-3.6, 1.6), m + QPointF(-0.5, 1.9), m + QPointF(2.4, 1.5)),
           QColor(255, 255, 255, 60), 0.6);
    anatomy::paintNaturalEye(p, c.eye(), 6.2, b.iris, 0.5);
}

// Short wandering strokes, like the scrawls on a Cowfish.
void paintScrawls(QPainter &p, const QPainterPath &area, double spacing, QColor colour,
                  quint32 seed)
{
    QRandomGenerator rng(seed);
    for (const QPointF &start : spreadPoints(area, spacing, spacing * 0.4, seed)) {
        QPainterPath scrawl(start);
        QPointF at = start;
        // Mostly lengthwise and gently wavy, broken off after a few bends.
        double heading = rng.bounded(1.0) - 0.5 + (rng.bounded(2) ? pi : 0);
        double turn = rng.bounded(0.4) - 0.2;
        for (int k = 3 + rng.bounded(4); k > 0; --k) {
            turn = std::clamp(turn + rng.bounded(0.3) - 0.15, -0.3, 0.3);
            const QPointF bend =
                at + QPointF(std::cos(heading + turn), std::sin(heading + turn)) * 5;
            heading += 2 * turn;
            at = bend + QPointF(std::cos(heading), std::sin(heading)) * 5;
            scrawl.quadTo(bend, at);
        }
        strokeInside(p, area, scrawl, withAlpha(colour.darker(160), 150), 2.4);
        strokeInside(p, area, scrawl, colour, 1.3);
    }
}

// A pale net of rounded, uneven links over `area`, like the chain marks of a
// Trunkfish: what is left between the rounded cells round scattered centres,
// where paintMesh lays an even honeycomb.
void paintChain(QPainter &p, const QPainterPath &area, double spacing, QColor colour, quint32 seed)
{
    QPainterPath around;
    around.addRect(area.boundingRect().adjusted(-spacing, -spacing, spacing, spacing));
    const std::vector<QPointF> k = spreadPoints(around, spacing, spacing * 0.3, seed);
    QPainterPath cells;
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
                ring.push_back(a + (v - a) * 0.7);
        if (ring.size() > 3 && QLineF(ring.front(), ring.back()).length() < 0.5)
            ring.pop_back();
        cells.addPath(smoothClosedPath(ring.data(), int(ring.size())));
    }
    p.fillPath(area.subtracted(cells), colour);
}

// A slender spine of the Porcupinefish from `root` along `dir`, lying back
// on the skin: a quill tapering to a point, lit along one side, with a
// little of its shadow on the skin beside it.
void paintSpine(QPainter &p, QPointF root, QPointF dir, double length, QColor colour, QColor edge)
{
    const double half = length > 16 ? 1.1 : 0.7;
    const QPointF side = QPointF(-dir.y(), dir.x()) * half;
    const QPointF tip = root + dir * length;
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(edge, edge.alpha() / 3));
    p.drawPolygon(QPolygonF({root + side * 1.6 + QPointF(0.6, 0.9), tip + QPointF(0.6, 0.9),
                             root - side * 0.4 + QPointF(0.6, 0.9)}));
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({root + side, tip, root - side}));
    p.setPen(QPen(withAlpha(colour.lighter(125), 200), half * 0.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(root - side * 0.4, root + (tip - root) * 0.7 - side * 0.1);
}

// The raised socket a spine grows from, a small knob of skin.
void paintSpineBase(QPainter &p, QPointF root, double size, QColor skin)
{
    paintGlow(p, root + QPointF(0.4, 0.6), size * 1.6, QColor(40, 30, 10, 70));
    paintDisc(p, root, size, size * 0.8, skin.lighter(112));
}

} // namespace

// A white box with no horns, covered with round black spots; white lips.
void paintSpottedTrunkfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.4, 200, 0, {282, 212}, 58, QColor(150, 130, 170), {30, 215}, 130,
              QColor(170, 90, 60));
    const QColor black(22, 22, 28);
    const Carapace shell{{44, 140},  {60, 100}, {132, 70}, {212, 106},
                         {214, 140}, {96, 176}, {52, 162}};
    const Boxfish look(shell, QColor(212, 214, 220), QColor(238, 238, 240), QColor(206, 206, 214),
                       QColor(225, 222, 210, 200), QColor(150, 148, 140, 140),
                       QColor(236, 234, 232), QColor(120, 150, 110), true);
    paintBoxfish(p, look, [&](const QPainterPath &box, const QPainterPath &tail) {
        paintSpots(p, tail, 11, 1.8, 2.8, black, 140);
        const QPainterPath bare = oval(shell.eye(), 12, 12).united(oval(shell.mouth, 9, 9));
        paintSpots(p, box.subtracted(bare), 12, 2.5, 3.8, black, 14);
    });
}

// An olive box with a humped back and no horns: small white spots all over, a
// pale chain-like mesh on the middle of the side only, and two ragged dark
// blotches, one just behind the pectoral fin and one mid-side in the mesh.
void paintTrunkfish(QPainter &p, double w, double h)
{
    Canvas canvas(p, w, h);
    paintReef(p, 0.45, 200, 0, {40, 214}, 56, QColor(160, 140, 100));
    canvas.faceRight();
    const QColor pale(250, 248, 230);
    const QPainterPath chain = smoothClosedPath(
        {{128, 108}, {170, 96}, {206, 106}, {214, 134}, {190, 152}, {146, 154}, {124, 134}});
    // Ragged, so that neither reads as a round spot or an eye.
    QPainterPath blotches = smoothClosedPath(
        {{152, 104}, {163, 101}, {170, 108}, {170, 124}, {159, 123}, {152, 128}, {149, 115}});
    blotches.addPath(smoothClosedPath(
        {{173, 129}, {184, 123}, {196, 126}, {204, 133}, {197, 141}, {186, 145}, {176, 140}}));
    const Carapace shell{{44, 144},  {62, 106},  {156, 56}, {214, 104},
                         {214, 142}, {100, 178}, {54, 166}};
    const Boxfish look(shell, QColor(88, 78, 44), QColor(128, 114, 68), QColor(214, 204, 166),
                       QColor(170, 164, 118, 210), QColor(96, 92, 56, 140), QColor(190, 178, 128),
                       QColor(150, 140, 70));
    paintBoxfish(p, look, [&](const QPainterPath &box, const QPainterPath &) {
        const QPainterPath patch = chain.intersected(box);
        paintSpots(p, box.subtracted(patch), 9, 1.0, 1.5, withAlpha(pale, 230), 23);
        p.fillPath(patch, QColor(104, 92, 50));
        // The mesh thins out at the edge of the patch instead of stopping there.
        paintChain(p, patch, 12, withAlpha(pale, 120), 230);
        paintChain(
            p, QTransform::fromScale(0.84, 0.84).map(patch).translated(QPointF(170, 125) * 0.16),
            12, withAlpha(pale, 160), 230);
        p.fillPath(blotches, QColor(36, 32, 16, 240));
    });
}

// A deep triggerfish with streaming tips on the dorsal, anal and both tail
// lobes, two bright blue bands across the face and thin blue lines running out of
// the eye over the snout and cheek.
void paintQueenTriggerfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.35, 0, 0, {36, 252}, 66, QColor(170, 140, 100), {296, 240}, 90,
              QColor(170, 80, 100));
    const QColor blue(50, 170, 250);
    const QColor finColour(90, 140, 120, 190);
    const QColor rays(60, 90, 70, 140);
    const BodyShape shape{{40, 142}, 206, 134, 0.48, 0.3, 0.26, 0.61};
    // The dorsal (side -1) and anal (1) fins: a low membrane whose first soft
    // rays stream out into a long, narrow trailing tip.
    const auto lobe = [&](double side) {
        return fin(shape.at(0.64, side * 0.95),
                   {shape.at(0.7, side) + QPointF(0, side * 22),
                    {244, 125 + side * 98},
                    {262, 125 + side * 116},
                    {250, 125 + side * 90},
                    shape.at(0.9, side) + QPointF(4, side * 16)},
                   shape.at(0.99, side * 0.8));
    };
    const Fin caudal = tail(TailKind::Lunate, {240, 125}, 32, 76, 146, 0.45);
    for (const Fin &f : {caudal, lobe(-1), lobe(1)}) {
        paintFin(p, f, finColour, rays, 20);
        edgeFin(p, f, blue, 3);
    }
    // The first dorsal: a stout spine that locks upright, raised only a little
    // here, with a low membrane back to two shorter spines.
    const QPointF trigger = shape.at(0.47, -0.95);
    paintFin(
        p,
        spinyFin(trigger,
                 {trigger + QPointF(7, -19), trigger + QPointF(15, -12), trigger + QPointF(23, -8)},
                 trigger + QPointF(30, 3), 3, 0, 0.3),
        finColour.darker(115), rays.darker(140), 3);
    const QPainterPath body = bodyOutline(shape);
    // Blue-green over the back, warming through olive to yellow below.
    fillBody(p, body, QColor(60, 118, 124), QColor(150, 164, 92), QColor(240, 202, 74), 0.5);
    paintScales(p, body, 8, QColor(70, 90, 60, 60));
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        paintGlow(p, {92, 138}, 34, QColor(230, 200, 80, 170));
        for (const QPainterPath &line :
             {curveThrough({{44, 147}, {72, 136}, {106, 126}, {140, 122}, {162, 127}}),
              curveThrough({{50, 157}, {80, 166}, {110, 176}, {140, 188}})}) {
            stroke(p, line, QColor(200, 240, 255, 170), 6);
            stroke(p, line, blue, 4);
        }
        stroke(p, curve({238, 108}, {234, 125}, {238, 140}), blue, 3.5);
    }
    const QPointF eye(118, 100);
    {
        // Thin dark lines radiate out of the eye across the snout and the cheek.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        for (const QPainterPath &line :
             {curveThrough({eye + QPointF(-7, -1), {96, 102}, {74, 116}, {56, 128}}),
              curveThrough({eye + QPointF(-6, 4), {98, 112}, {80, 126}, {62, 138}}),
              curveThrough({eye + QPointF(-2, 7), {108, 118}, {96, 130}, {86, 138}}),
              curveThrough({eye + QPointF(5, 5), {132, 110}, {146, 116}}),
              curveThrough({eye + QPointF(6, -3), {136, 94}, {152, 96}})}) {
            stroke(p, line, QColor(255, 240, 200, 60), 2.4);
            stroke(p, line, QColor(40, 48, 56, 190), 1.1);
        }
    }
    modelBody(p, body, 236, QColor(50, 70, 60), 1.0);
    {
        // The tail springs from the stalk instead of the stalk ending in a knob.
        const Saved s(p);
        QPainterPath root;
        root.addRect(QRectF(230, 0, 90, 240));
        p.setClipPath(root.subtracted(oval({222, 125}, 20, 36)), Qt::IntersectClip);
        paintFin(p, caudal, finColour, rays, 20);
    }
    anatomy::paintNaturalEye(p, eye, 6.2, QColor(170, 120, 50), 0.46);
    stroke(p, curve({40, 142}, {44, 144}, {48, 143}), QColor(40, 40, 40), 1.3);
    stroke(p, curve({142, 104}, {139, 110}, {139, 116}), QColor(60, 70, 60, 90), 1.1);
    paintFin(p, finAt({148, 118}, {{0, 0}, {20, -10}, {36, -2}, {14, 18}, {0, 8}}),
             QColor(160, 170, 120, 180), rays, 7);
}

// Puffed up into a ball of long spines, with big bulging eyes; tan with
// small black spots.
void paintPorcupinefish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.35, 214, 0, {30, 232}, 48, QColor(176, 150, 96), {296, 232}, 150,
              QColor(140, 70, 130));
    paintCoralHead(p, QPointF(286, 238), 34, QColor(140, 150, 96));
    const QPointF c(158, 116);
    const double rx = 76;
    const double ry = 72;
    const QColor finColour(160, 140, 90, 220);
    const QColor rays(80, 62, 36, 150);
    const QColor spineShade(110, 90, 55);

    const Fin tailFin = tail(TailKind::Rounded, {222, 118}, 24, 54, 60);
    paintFin(p, tailFin, finColour, rays, 10);
    paintSpots(p, tailFin.shape, 8, 0.9, 1.6, QColor(30, 25, 20), 301);
    paintFin(p, fin({200, 66}, {{212, 40}, {234, 44}}, {228, 72}), finColour, rays, 6);
    paintFin(p, fin({200, 166}, {{212, 192}, {234, 188}}, {228, 160}), QColor(200, 185, 140, 220),
             rays, 6);

    // The spines lie swept back towards the tail; round the rim they stand
    // off the ball, drawn first so that it hides their roots.
    const auto swept = [](QPointF out) {
        const QPointF d = out + QPointF(1.1, 0);
        return d / std::hypot(d.x(), d.y());
    };
    for (int k = 0; k < 40; ++k) {
        const double a = 2 * pi * (k + 0.5) / 40;
        const QPointF out(std::cos(a), std::sin(a));
        if (out.x() < -0.55 || (out.x() > 0.9))
            continue;
        paintSpine(p, c + QPointF(out.x() * (rx - 5), out.y() * (ry - 5)), swept(out), 22,
                   QColor(214, 198, 156), spineShade);
    }
    const QPainterPath body = oval(c, rx, ry);
    fillBody(p, body, QColor(122, 104, 62), QColor(192, 168, 112), QColor(244, 236, 214));
    paintSpots(p, body.intersected(oval(c + QPointF(0, -28), rx + 4, ry - 12)), 10, 1.3, 2.6,
               QColor(28, 22, 16), 30);
    {
        // On the ball only the bases and the first part of each quill show.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        for (int i = 6; i < 130; ++i) {
            const double t = std::sqrt(i / 130.0);
            const QPointF out(std::cos(i * 2.39996), std::sin(i * 2.39996));
            const QPointF root = c + QPointF(out.x() * rx, out.y() * ry) * t * 0.9;
            const QColor skin =
                root.y() > c.y() + 20 ? QColor(226, 214, 184) : QColor(176, 154, 104);
            paintSpineBase(p, root, 1.5, skin);
            paintSpine(p, root, swept(out * t), 4 + 7 * t, skin.darker(112),
                       withAlpha(spineShade, 200));
        }
    }
    shadeBody(p, body, QColor(90, 72, 40, 160));
    paintFin(p, fin({132, 112}, {{150, 98}, {168, 104}, {162, 134}}, {136, 126}),
             QColor(215, 190, 120, 180), QColor(120, 90, 40, 160), 8);
    // The blunt snout is only the front of the ball, a little paler round the mouth.
    paintGlow(p, {88, 124}, 12, QColor(236, 226, 200, 150));
    // The gape runs back from the snout tip, and the fused beak shows along
    // it: the white cutting edges of the upper and lower tooth plates.
    const QPainterPath gape = curveThrough({{82.6, 122}, {88, 123.2}, {96, 126}});
    stroke(p, gape.translated(0, 1.6), QColor(250, 244, 226, 90), 1.6);
    p.fillPath(
        smoothClosedPath({{82.8, 120.7}, {86, 120.3}, {89.5, 121.4}, {88, 122.3}, {83, 121.9}}),
        QColor(244, 240, 226));
    p.fillPath(smoothClosedPath({{83, 122.4}, {88, 123}, {90, 124.2}, {86, 124.4}, {82.8, 123.4}}),
               QColor(226, 220, 200));
    stroke(p, gape, QColor(60, 44, 28), 0.9);
    stroke(p, curve({96, 126}, {98, 127}, {98, 129.5}), QColor(110, 90, 60, 150), 0.7);
    // The big eyes bulge out of the ball.
    const QPainterPath socket = oval({108, 97}, 14, 13);
    fillBody(p, socket, QColor(190, 168, 112), QColor(166, 144, 94), QColor(130, 110, 70));
    stroke(p, curve({96, 104}, {108, 113}, {121, 104}), QColor(90, 72, 40, 120), 1.2);
    anatomy::paintNaturalEye(p, {108, 96}, 10, QColor(150, 150, 70), 0.56);
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
    // The far horn and the spine at the rear of the belly stick out from behind the box.
    p.fillPath(spike({88, 95}, {56, 76}, {106, 92}), deep.darker(120));
    p.fillPath(spike({170, 160}, {226, 176}, {186, 154}), deep);
    const Carapace shell{{40, 142},  {62, 98},   {120, 84}, {212, 104},
                         {216, 142}, {120, 172}, {50, 164}};
    const Boxfish look(shell, deep, orange, QColor(246, 218, 150), QColor(240, 200, 120, 210),
                       QColor(170, 110, 40, 160), QColor(226, 176, 96), QColor(150, 120, 60));
    paintBoxfish(p, look, [&](const QPainterPath &box, const QPainterPath &tail) {
        paintScrawls(p, box, 20, blue, 4040);
        paintSpots(p, box, 13, 1.1, 1.9, blue, 4041);
        paintSpots(p, tail, 9, 1.0, 1.6, blue, 4042);
        // The near horn: a stout spine growing from the brow right over the
        // eye and pointing forward and a little up.
        const QPainterPath horn = spike({78, 100}, {48, 84}, {100, 96});
        fillBody(p, horn, orange.lighter(110), orange, deep);
        stroke(p, horn, QColor(150, 70, 10), 0.9);
    });
}

} // namespace fishart
