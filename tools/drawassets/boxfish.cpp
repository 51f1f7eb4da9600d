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
#include <tuple>
#include <utility>

// Boxfish, puffers and triggerfish: rigid boxes, spiny balls, deep triggers.

namespace fishart {

using namespace fishkit;

namespace {

constexpr double pi = std::numbers::pi;

QColor mix(QColor a, QColor b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

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
    // Small dorsal and anal fins stand on the box just before the tail stalk:
    // the dorsal taller and rounded, the anal lower and set further back.
    const QPointF dorsal = c.back(0.72), anal = c.under(0.84);
    paintFin(p, finAt(dorsal, {{0, 0}, {3, -20}, {11, -26}, {21, -22}, {22, -12}, {17, 5}}), b.fin,
             b.ray, 8);
    paintFin(p, finAt(anal, {{0, 0}, {9, 13}, {20, 17}, {27, 12}, {22, 2}, {16, -5}}), b.fin, b.ray,
             7);
    // The tail stalk leaves the rear opening of the box in soft skin: full
    // at the box, pinched to a waist, then flaring into the root of the tail.
    const QPointF stalkTop = c.rearTop + (c.rearBottom - c.rearTop) * 0.1;
    const QPointF stalkBottom = c.rearTop + (c.rearBottom - c.rearTop) * 0.9;
    const QPainterPath stalk = smoothClosedPath({stalkTop + QPointF(-12, 0),
                                                 stalkTop + QPointF(5, 2),
                                                 {222, 112.5},
                                                 {230, 116.5},
                                                 {240, 115.5},
                                                 {249, 111},
                                                 {249, 133},
                                                 {240, 128.5},
                                                 {230, 127.5},
                                                 {222, 131.5},
                                                 stalkBottom + QPointF(5, -2),
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
        // The stalk is soft and round, unlike the box: it darkens to both
        // edges, lies in the box's shadow where it leaves the shell, and
        // creases as it bends.
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
        for (const double x : {c.rearTop.x() + 9, c.rearTop.x() + 15})
            stroke(p, curveThrough({{x, 117}, {x + 1.4, 122}, {x, 127}}),
                   withAlpha(b.back.darker(200), 60), 0.8);
        QPainterPath away;
        away.addRect(QRectF(0, 0, 246, 240));
        p.setClipPath(away, Qt::IntersectClip);
        stroke(p, stalk, withAlpha(b.back.darker(220), 110), 0.7);
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

    // The pectoral fin whirring behind the eye, from a base as long as the
    // gill slit before it.
    paintFin(p,
             finAt(c.eye() + QPointF(30, 4),
                   {{0, 0}, {12, -10}, {24, -9}, {30, 0}, {24, 14}, {12, 20}, {0, 14}}),
             withAlpha(b.fin.lighter(108), 236), b.ray, 9);
    stroke(p, curve(c.eye() + QPointF(27, 2), c.eye() + QPointF(25, 10), c.eye() + QPointF(27, 19)),
           withAlpha(b.back.darker(220), 140), 0.9);
    // The small mouth at the snout tip: thick lips of soft skin, the colour
    // of the box but paler, pushed a little out of the carapace, the upper
    // lip over the lower with the dark gape between them.
    const QPointF m = c.mouth + QPointF(0.5, 1);
    const QColor skin = mix(b.flank, b.lips, 0.5);
    const QPainterPath upperLip =
        smoothClosedPath({m + QPointF(7, -5.5), m + QPointF(0, -4.4), m + QPointF(-3.4, -2.2),
                          m + QPointF(-3.2, 0.2), m + QPointF(2, 0.2), m + QPointF(7, 1)});
    const QPainterPath lowerLip =
        smoothClosedPath({m + QPointF(6, 1.6), m + QPointF(-2.2, 1.2), m + QPointF(-2.6, 3.2),
                          m + QPointF(0.5, 4.6), m + QPointF(6, 4.6)});
    {
        const Saved clip(p);
        QPainterPath front;
        front.addRect(QRectF(m.x() - 8, m.y() - 9, 12, 18));
        p.setClipPath(front, Qt::IntersectClip);
        paintDisc(p, m + QPointF(-0.5, 0.8), 2.6, 1.2, QColor(40, 22, 20));
        for (const QPainterPath &lip : {lowerLip, upperLip}) {
            QLinearGradient g(lip.boundingRect().topLeft(), lip.boundingRect().bottomLeft());
            g.setColorAt(0.0, skin.lighter(106));
            g.setColorAt(1.0, skin.darker(118));
            p.fillPath(lip, g);
            stroke(p, lip, withAlpha(b.back.darker(200), 110), 0.55);
        }
    }
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
    const double half = std::clamp(length * 0.09, 0.8, 1.9);
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
    paintGlow(p, root + QPointF(0.5, 0.7), size * 1.8, QColor(40, 30, 10, 60));
    paintGlow(p, root - QPointF(0.4, 0.5), size * 1.3, withAlpha(skin.lighter(110), 150));
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
    // The first dorsal: a stout, rough spine that locks upright, half
    // raised here, with a dark membrane back to the much shorter second spine
    // and a stub of a third.
    const QPointF trigger = shape.at(0.47, -0.95);
    const QPointF tip1 = trigger + QPointF(11, -29), tip2 = trigger + QPointF(18, -14);
    const QPainterPath web = smoothClosedPath({trigger + QPointF(1, 2), tip1 + QPointF(1.5, 2),
                                               tip2 + QPointF(0.6, 0.5), trigger + QPointF(24, 1)});
    p.fillPath(web, QColor(58, 80, 70, 210));
    stroke(p, web, QColor(40, 52, 46, 160), 0.6);
    for (const auto &[root, end, width] :
         {std::tuple{trigger, tip1, 4.2}, std::tuple{trigger + QPointF(10, 2), tip2, 2.4},
          std::tuple{trigger + QPointF(19, 2), trigger + QPointF(22, -4), 1.6}}) {
        const QPainterPath spine =
            ribbon(curve(root, (root + end) / 2 + QPointF(-1, 0), end), {width, width * 0.6, 0.4});
        fillBody(p, spine, QColor(92, 120, 110), QColor(70, 92, 84), QColor(44, 56, 50));
        stroke(p, spine, QColor(30, 40, 36, 200), 0.5);
    }
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
        // Short dark lines spread out of the eye over the face like the
        // spokes of a wheel, tapering and fading well inside the head.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        for (const auto &[a, r] : {std::pair{-168.0, 19.0},
                                   {-142.0, 14.0},
                                   {150.0, 18.0},
                                   {126.0, 13.0},
                                   {20.0, 16.0},
                                   {-14.0, 13.0}}) {
            const QPointF d(std::cos(a * pi / 180), std::sin(a * pi / 180));
            const QPointF from = eye + d * 7.0, to = eye + d * (7.0 + r);
            const QPainterPath spoke =
                ribbon(curve(from, (from + to) / 2 + QPointF(-d.y(), d.x()) * 1.2, to), {2.2, 0.5});
            p.fillPath(spoke, QColor(36, 44, 54, 150));
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

    // Blown up, the spines stand straight out from the ball, only a little
    // swept back; round the rim they show their whole length, drawn first so
    // that the ball hides their roots.
    const auto swept = [](QPointF out) {
        const QPointF d = out + QPointF(0.25, 0);
        return d / std::hypot(d.x(), d.y());
    };
    for (int k = 0; k < 36; ++k) {
        const double a = 2 * pi * (k + 0.3) / 36;
        const QPointF out(std::cos(a), std::sin(a));
        if (out.x() < -0.6 || (out.x() > 0.92 && std::abs(out.y()) < 0.3))
            continue;
        const double length = 20 + 6 * std::sin(k * 1.7) + (out.y() < 0 ? 3 : 0);
        paintSpine(p, c + QPointF(out.x() * (rx - 6), out.y() * (ry - 6)), swept(out), length,
                   QColor(220, 204, 160), spineShade);
    }
    const QPainterPath body = oval(c, rx, ry);
    fillBody(p, body, QColor(122, 104, 62), QColor(192, 168, 112), QColor(244, 236, 214));
    paintSpots(p, body.intersected(oval(c + QPointF(0, -28), rx + 4, ry - 12)), 10, 1.3, 2.6,
               QColor(28, 22, 16), 30);
    {
        // On the face of the ball the spines point out at the viewer, so
        // they are foreshortened: short near the middle of the ball, longer
        // towards its rim, each rising from a low swelling of skin.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        for (int i = 6; i < 120; ++i) {
            const double t = std::sqrt(i / 120.0);
            const QPointF out(std::cos(i * 2.39996), std::sin(i * 2.39996));
            const QPointF root = c + QPointF(out.x() * rx, out.y() * ry) * t * 0.9;
            if (QLineF(root, {108, 97}).length() < 17 || QLineF(root, {88, 124}).length() < 12)
                continue;
            const QColor skin =
                root.y() > c.y() + 20 ? QColor(226, 214, 184) : QColor(176, 154, 104);
            paintSpineBase(p, root, 1.6, skin);
            paintSpine(p, root, swept(out), 3 + 15 * t * t, skin.lighter(104),
                       withAlpha(spineShade, 200));
        }
    }
    shadeBody(p, body, QColor(90, 72, 40, 160));
    paintFin(p, fin({132, 112}, {{150, 98}, {168, 104}, {162, 134}}, {136, 126}),
             QColor(215, 190, 120, 180), QColor(120, 90, 40, 160), 8);
    // The blunt snout is only the front of the ball, a little paler round the mouth.
    paintGlow(p, {88, 124}, 12, QColor(236, 226, 200, 150));
    // A broad mouth across the front of the snout, the lips parted on the
    // fused beak: the upper and lower tooth plates, each one piece of
    // ivory with a groove down its middle where the two halves fused.
    const QPainterPath lips = smoothClosedPath(
        {{80, 117.5}, {86, 116}, {94, 118.5}, {97, 124}, {93, 129.5}, {86, 131}, {80.5, 128}});
    fillBody(p, lips, QColor(190, 168, 114), QColor(198, 176, 124), QColor(226, 214, 184));
    {
        // The lips are the front of the ball itself: outlined only where they stand clear.
        const Saved s(p);
        p.setClipPath(oval(c, rx, ry).subtracted(oval(c, rx - 3, ry - 3)), Qt::IntersectClip);
        stroke(p, lips, QColor(90, 72, 40, 160), 0.8);
    }
    p.fillPath(smoothClosedPath(
                   {{82, 121}, {87, 119.8}, {92.5, 121.6}, {93, 126.6}, {87, 128}, {82, 127}}),
               QColor(52, 30, 24));
    const QPainterPath upperPlate = smoothClosedPath(
        {{82.2, 121.3}, {87, 120.3}, {92, 121.9}, {91, 123.6}, {86.5, 123.3}, {82.6, 123.4}});
    const QPainterPath lowerPlate = smoothClosedPath(
        {{82.6, 124.9}, {86.5, 124.6}, {91.2, 124.8}, {92, 126.3}, {87, 127.4}, {82.4, 126.6}});
    for (const QPainterPath &plate : {upperPlate, lowerPlate}) {
        fillBody(p, plate, QColor(236, 230, 210), QColor(222, 214, 190), QColor(190, 180, 152));
        stroke(p, plate, QColor(120, 104, 80, 160), 0.4);
    }
    stroke(p, curve({86.6, 120.6}, {86.4, 122}, {86.6, 123.2}), QColor(150, 130, 100, 150), 0.4);
    stroke(p, curve({86.6, 124.8}, {86.8, 126}, {86.6, 127.2}), QColor(150, 130, 100, 150), 0.4);
    stroke(p, curve({96, 124}, {99, 127}, {98, 131}), QColor(110, 90, 60, 130), 0.8);
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
    p.fillPath(spike({82, 95}, {68, 79}, {102, 91}), deep.darker(120));
    p.fillPath(spike({170, 160}, {226, 176}, {186, 154}), deep);
    const Carapace shell{{40, 142},  {62, 98},   {120, 84}, {212, 104},
                         {216, 142}, {120, 172}, {50, 164}};
    const Boxfish look(shell, deep, orange, QColor(246, 218, 150), QColor(240, 200, 120, 210),
                       QColor(170, 110, 40, 160), QColor(226, 176, 96), QColor(150, 120, 60));
    paintBoxfish(p, look, [&](const QPainterPath &box, const QPainterPath &tail) {
        paintScrawls(p, box, 20, blue, 4040);
        paintSpots(p, box, 13, 1.1, 1.9, blue, 4041);
        paintSpots(p, tail, 9, 1.0, 1.6, blue, 4042);
    });
    // The near horn: a short, stout cone of bone growing out of the brow
    // just in front of the eye and pointing forward and up, lit along
    // its upper side and shaded along its root.
    const QPainterPath horn = spike({70, 104}, {58, 84}, {95, 97});
    QLinearGradient bone(QPointF(66, 88), QPointF(74, 100));
    bone.setColorAt(0.0, orange.lighter(125));
    bone.setColorAt(0.5, orange);
    bone.setColorAt(1.0, deep.darker(110));
    p.fillPath(horn, bone);
    stroke(p, curve({67, 90}, {72, 92}, {84, 95}), withAlpha(orange.lighter(140), 200), 1.0);
    stroke(p, curve({74, 101}, {83, 97.5}, {92, 97}), withAlpha(deep.darker(150), 150), 1.0);
    stroke(p, horn, QColor(150, 70, 10), 0.8);
}

} // namespace fishart
