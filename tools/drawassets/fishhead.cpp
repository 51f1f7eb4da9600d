// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPen>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

// The head as a field guide draws it: the bones of the gill cover as each
// family has them, the jaws and lips, the nostrils and the lateral line.
namespace fishkit {

namespace {

constexpr double pi = std::numbers::pi;

// A bone of the gill cover lying under the skin between `front` and its free
// edge `rim`, both running from top to bottom: the plate bulges, lit high
// and in front, turning into shade low down and along the rim, and casts a
// soft shadow on the skin behind it, towards `away`.
void paintPlate(QPainter &p, const QPainterPath &front, const QPainterPath &rim, QColor line,
                QPointF away, double weight)
{
    // The bone lies under the skin: the only sign of it is a soft shadow
    // where its free edge overlaps the flank behind, and the edge itself as
    // a faint line, with no light of its own.
    QPainterPath plate = rim;
    plate.connectPath(front.toReversed());
    plate.closeSubpath();
    for (int i = 5; i >= 1; --i)
        stroke(p, QTransform::fromTranslate(away.x() * i * 0.6, away.y() * i * 0.6).map(rim),
               withAlpha(line, int(line.alpha() * 0.035 * (6 - i) * weight)), 1.4);
    // The plate is domed: lit across its upper front, rolling into shade
    // towards its lower rear rim.
    QLinearGradient across(front.pointAtPercent(0.25), rim.pointAtPercent(0.7));
    across.setColorAt(0, QColor(255, 255, 255, 0));
    across.setColorAt(0.25, QColor(255, 255, 255, int(26 * weight)));
    across.setColorAt(0.5, QColor(255, 255, 255, 0));
    across.setColorAt(0.7, withAlpha(line, int(14 * weight)));
    across.setColorAt(1, withAlpha(line, int(58 * weight)));
    p.fillPath(plate, across);
    // Just behind the bony rim the thin gill membrane catches the light.
    stroke(p, QTransform::fromTranslate(away.x() * 1.3, away.y() * 1.3).map(rim),
           QColor(255, 255, 255, int(38 * weight)), 0.9);
    QLinearGradient fade(rim.pointAtPercent(0), rim.pointAtPercent(1));
    const QColor edge = withAlpha(line, int(line.alpha() * std::min(0.8, 0.35 + 0.35 * weight)));
    fade.setColorAt(0, withAlpha(edge, 0));
    fade.setColorAt(0.25, edge);
    fade.setColorAt(0.65, edge);
    fade.setColorAt(1, withAlpha(edge, 0));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(fade), 0.45 + 0.25 * weight, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(rim);
}

// Fine teeth along `edge` from `from` to `to` of its length, pointing back
// and down off it, as on the preopercle of a grunt or snapper.
void paintSerrations(QPainter &p, const QPainterPath &edge, QColor line, double from, double to)
{
    const double length = edge.length();
    const int count = std::max(4, int(length * (to - from) / 1.7));
    for (int i = 0; i < count; ++i) {
        // Small bony teeth, not a ruler's marks: set a little unevenly, each
        // its own length, largest round the corner and dying out at the ends.
        const double u = std::clamp((i + 0.3 * std::sin(i * 2.9 + 0.5)) / (count - 1.0), 0.0, 1.0);
        const double at = edge.percentAtLength(length * (from + (to - from) * u));
        const QPointF c = edge.pointAtPercent(at);
        const QPointF dir = QLineF::fromPolar(1, edge.angleAtPercent(at)).p2();
        const QPointF back(dir.y(), -dir.x());
        const double swell = std::sin(std::numbers::pi * (0.15 + 0.85 * u));
        const double tooth = (0.5 + 0.5 * std::abs(std::sin(i * 2.3 + 0.9))) * (0.5 + 0.7 * swell);
        stroke(p, curve(c - back * 0.2, c + back * tooth * 0.55, c + back * tooth + dir * 0.5),
               withAlpha(line, int(line.alpha() * (0.3 + 0.35 * swell))), 0.38);
    }
}

} // namespace

double gillAt(const BodyShape &shape, QPointF eye, double factor)
{
    return (eye.x() - shape.snout.x()) / shape.length * factor;
}

void paintGillCover(QPainter &p, const QPainterPath &body, const BodyShape &shape, QPointF eye,
                    double gill, Opercle kind, QColor line, QColor spine)
{
    if (Silhouette::active(p))
        return;
    const Saved s(p);
    p.setClipPath(body, Qt::IntersectClip);
    const BodyShape &b = shape;
    const double eyeAt = (eye.x() - b.snout.x()) / b.length;
    // A parrotfish's cheek is broad: its preopercle lies close behind the eye.
    const double pre = eyeAt + (gill - eyeAt) * (kind == Opercle::Parrot ? 0.42 : 0.55);
    // Each edge runs from top to bottom; the cheek's front edge lies
    // between the eye and the preopercle.
    std::vector<QPointF> opercle;
    std::vector<QPointF> preopercle;
    double weight = 1.0;
    switch (kind) {
    case Opercle::Perch:
        opercle = {b.at(gill - 0.05, -0.62), b.at(gill - 0.005, -0.3), b.at(gill, 0.05),
                   b.at(gill - 0.025, 0.45), b.at(gill - 0.055, 0.72)};
        // The lower limb turns forward only a little: a long forward hook
        // under the eye reads as a smiling mouth.
        preopercle = {b.at(pre, -0.12), b.at(pre + 0.006, 0.25), b.at(pre - 0.004, 0.46),
                      b.at(pre - 0.02, 0.57), b.at(pre - 0.04, 0.62)};
        break;
    case Opercle::Serrate:
        // A flat spine at the opercle's upper rear angle, and a preopercle
        // with a sharp corner, its rear edge finely toothed.
        opercle = {b.at(gill - 0.06, -0.6), b.at(gill - 0.012, -0.34), b.at(gill + 0.008, -0.1),
                   b.at(gill - 0.008, 0.2), b.at(gill - 0.035, 0.5),   b.at(gill - 0.07, 0.7)};
        preopercle = {b.at(pre, -0.2), b.at(pre + 0.006, 0.2), b.at(pre - 0.002, 0.46),
                      b.at(pre - 0.025, 0.58), b.at(pre - 0.085, 0.63)};
        break;
    case Opercle::Angel:
        opercle = {b.at(gill - 0.03, -0.45), b.at(gill, -0.1), b.at(gill - 0.01, 0.2),
                   b.at(gill - 0.05, 0.42)};
        preopercle = {b.at(pre, -0.18), b.at(pre + 0.004, 0.1), b.at(pre - 0.005, 0.3),
                      b.at(pre - 0.02, 0.42), b.at(pre - 0.07, 0.48)};
        break;
    case Opercle::Butterfly:
        // Small bones close behind the eye, under thin skin.
        opercle = {b.at(gill - 0.045, -0.28), b.at(gill - 0.01, -0.1), b.at(gill - 0.004, 0.1),
                   b.at(gill - 0.03, 0.28), b.at(gill - 0.065, 0.37)};
        preopercle = {b.at(pre - 0.02, -0.08), b.at(pre - 0.012, 0.12), b.at(pre - 0.03, 0.27),
                      b.at(pre - 0.06, 0.32)};
        weight = 0.6;
        break;
    case Opercle::Surgeon:
        // The gill opening is a short steep slit in front of the pectoral,
        // bowed back in the middle and closing forward at the throat; the
        // preopercle shows only as a short low hook turning forward under
        // the cheek, so the two edges never run side by side.
        opercle = {b.at(gill - 0.03, -0.36), b.at(gill + 0.006, -0.1), b.at(gill - 0.004, 0.16),
                   b.at(gill - 0.04, 0.34), b.at(gill - 0.09, 0.43)};
        preopercle = {b.at(pre - 0.004, -0.02), b.at(pre - 0.01, 0.16), b.at(pre - 0.04, 0.28),
                      b.at(pre - 0.09, 0.33)};
        weight = 0.85;
        break;
    case Opercle::Jack:
        // A big rounded opercle bulging back over the pectoral's root.
        opercle = {b.at(gill - 0.07, -0.66), b.at(gill - 0.008, -0.38), b.at(gill + 0.014, 0.02),
                   b.at(gill - 0.01, 0.42), b.at(gill - 0.065, 0.72)};
        preopercle = {b.at(pre - 0.01, -0.3), b.at(pre + 0.01, 0.1), b.at(pre - 0.012, 0.44),
                      b.at(pre - 0.06, 0.62)};
        break;
    case Opercle::Parrot:
        // One large smooth plate, its rim a broad even curve.
        opercle = {b.at(gill - 0.08, -0.7), b.at(gill - 0.012, -0.4), b.at(gill + 0.01, 0.02),
                   b.at(gill - 0.01, 0.44), b.at(gill - 0.07, 0.74)};
        preopercle = {b.at(pre - 0.015, -0.34), b.at(pre + 0.012, 0.06), b.at(pre, 0.42),
                      b.at(pre - 0.05, 0.64)};
        weight = 0.75;
        break;
    }
    const QPainterPath rim = curveThrough(opercle);
    const QPainterPath cheekRim = curveThrough(preopercle);
    // The cheek plate's front edge follows the preopercle forward, towards the eye.
    const double cheek = std::max(2.0, (pre - eyeAt) * b.length * 0.75);
    const QPainterPath cheekFront = QTransform::fromTranslate(-cheek, -1).map(cheekRim);
    paintPlate(p, cheekFront, cheekRim, withAlpha(line, int(150 * weight)), {0.8, 0.5},
               weight * 0.85);
    paintPlate(p, cheekRim, rim, withAlpha(line, int(170 * weight)), {1, 0.1}, weight);
    if (kind == Opercle::Serrate)
        paintSerrations(p, cheekRim, withAlpha(line, 140), 0.12, 0.9);
    if (kind == Opercle::Parrot) {
        // Two rows of large scales over the cheek, below and behind the eye.
        const Saved cheekClip(p);
        QPainterPath area = cheekRim;
        area.connectPath(QTransform::fromTranslate(-b.length * 0.2, 0).map(cheekRim).toReversed());
        p.setClipPath(area, Qt::IntersectClip);
        // They are set in skin and show only as soft overlapping edges,
        // each a little different, fading out towards the eye.
        const double d = b.depth * 0.1;
        p.setBrush(Qt::NoBrush);
        for (int row = 0; row < 3; ++row)
            for (int k = 0; k < 4; ++k) {
                const QPointF c =
                    b.at(eyeAt + 0.01 + (k + 0.5 * (row % 2)) * d / b.length, 0.06 + row * 0.17);
                const double w = d * (0.9 + 0.12 * std::sin(k * 2.3 + row));
                const QRectF box(c.x() - w * 0.35, c.y() - w * 0.5, w * 0.7, w);
                const int a = int((14 + 12 * k) * (1.0 - 0.2 * row));
                p.setPen(QPen(withAlpha(line, a / 2), 1.6, Qt::SolidLine, Qt::RoundCap));
                p.drawArc(box, -50 * 16, 100 * 16);
                p.setPen(QPen(withAlpha(line, a), 0.45, Qt::SolidLine, Qt::RoundCap));
                p.drawArc(box, -45 * 16, 90 * 16);
            }
    }
    if (kind != Opercle::Angel)
        return;
    // The spine at the preopercle's corner grows out of the bone with a broad
    // root, taking the bone's colour there and its own only towards the point.
    const QPointF corner = preopercle[3];
    const QPointF point = b.at(gill + 0.01, 0.5);
    QPainterPath blade(corner + QPointF(-3, -4));
    blade.quadTo((corner + point) / 2 + QPointF(0, -1.4), point);
    blade.quadTo((corner + point) / 2 + QPointF(0, 2.4), corner + QPointF(-3.5, 3));
    blade.quadTo(corner + QPointF(-5, 0), corner + QPointF(-3, -4));
    const QColor fill = spine.isValid() ? spine : line;
    p.fillPath(QTransform::fromTranslate(0.8, 1.4).map(blade), QColor(0, 0, 0, 50));
    QLinearGradient grow(corner + QPointF(-4, 0), point);
    grow.setColorAt(0, withAlpha(line, 60));
    grow.setColorAt(0.45, withAlpha(fill, 200));
    grow.setColorAt(1, fill);
    p.fillPath(blade, grow);
    stroke(p, curve(corner, (corner + point) / 2 + QPointF(0, -0.8), point),
           withAlpha(fill.lighter(160), 150), 0.7);
}

namespace {

// How a family's small mouth sits in its snout.
struct SmallMouth
{
    double slope; // fall of the gape from the snout tip to its corner, share of its length
    double lips;  // thickness of the lips against the mouth's size
    bool jaw;     // the upper jaw bone shows as a plate above the corner
    double pout;  // how far the lips round out ahead of the snout, share of their thickness
};

SmallMouth smallMouthOf(Opercle kind)
{
    switch (kind) {
    case Opercle::Angel:
        // Thick lips on a short, slightly underslung snout.
        return {0.3, 1.3, false, 0.14};
    case Opercle::Butterfly:
        // A tiny mouth at the end of a tapering snout, lips thin and level.
        return {0.08, 0.85, false, 0.22};
    case Opercle::Surgeon:
        // Small and low, the gape falling steeply to a corner under the nostril.
        return {0.42, 1.1, false, 0.1};
    default:
        return {0.18, 1.0, true, 0.06};
    }
}

// A small closed mouth at the snout tip: the gape between two lips that run
// back from the tip, thick in front and thinning into the corner, the upper
// one bounded by the groove of the snout above it, the lower by the chin's
// crease; on a perch-like fish the end of the upper jaw bone shows above the
// corner.
void paintSmallMouth(QPainter &p, const BodyShape &shape, double mouth, QColor line, Opercle kind)
{
    const SmallMouth m = smallMouthOf(kind);
    // Never under a pixel and a quarter thick, or they blur into the snout
    // at the small size.
    const double t = std::max(1.4, mouth * 0.26) * m.lips;
    const QPointF front = shape.snout + QPointF(0, t * 0.15);
    const QPointF corner = front + QPointF(mouth, mouth * m.slope);
    const QPointF middle = (front + corner) / 2 + QPointF(0, t * 0.12);
    // The lower jaw closes a little behind the upper lip's rounded front.
    const QPointF chin = front + QPointF(t * 0.45, t * 0.1);
    const QColor skin = colourUnder(p, corner + QPointF(mouth * 0.6, -t * 2.2), line.lighter(300));
    // The lips stand only a little proud of the head's outline: a pout of
    // flesh at the snout tip, not a clip of pale lips set on in front.
    const Saved proud(p);
    const QPainterPath head = bodyOutline(shape);
    QPainterPathStroker pout;
    pout.setWidth(t * 0.7);
    p.setClipPath(head.united(pout.createStroke(head)));
    // Each lip is a fleshy roll of the head's own skin, lit along the top
    // where it stands out over the water and melting back into the snout
    // towards the corner.
    // A shade deeper than the snout, as lips are, never a paler clip.
    const auto fleshy = [&](const QPainterPath &lip, int shade) {
        QLinearGradient back(front - QPointF(t, 0), corner);
        back.setColorAt(0, skin.darker(shade));
        back.setColorAt(0.6, withAlpha(skin.darker(shade), 200));
        back.setColorAt(1, withAlpha(skin.darker(shade), 40));
        p.fillPath(lip, back);
    };
    QPainterPath upper(corner);
    upper.quadTo(middle + QPointF(0, -t * 0.05), front);
    upper.cubicTo(front + QPointF(-t * m.pout * 1.3, -t * 0.1),
                  front + QPointF(-t * m.pout * 1.1, -t * 1.2), front + QPointF(t * 0.4, -t * 1.2));
    upper.quadTo(middle + QPointF(0, -t * 1.05), corner + QPointF(t * 0.1, -t * 0.35));
    upper.closeSubpath();
    QPainterPath lower(corner);
    lower.quadTo(middle + QPointF(0, t * 0.1), chin);
    lower.cubicTo(chin + QPointF(-t * m.pout, t * 0.1), chin + QPointF(-t * m.pout * 0.8, t * 1.1),
                  chin + QPointF(t * 0.4, t * 1.1));
    lower.quadTo(middle + QPointF(0, t * 1.05), corner + QPointF(-t * 0.1, t * 0.35));
    lower.closeSubpath();
    fleshy(lower, 112);
    fleshy(upper, 103);
    // The groove above the upper lip and the chin's crease under the lower,
    // both running back from behind the front so the head's outline flows
    // on into the lips.
    stroke(p,
           curve(front + QPointF(t * 0.7, -t * 1.2), middle + QPointF(t * 0.2, -t * 1.05),
                 corner + QPointF(t * 0.2, -t * 0.35)),
           withAlpha(line, 60), 0.6);
    stroke(p,
           curve(chin + QPointF(t * 0.6, t * 1.15), middle + QPointF(t * 0.3, t * 1.1),
                 corner + QPointF(0, t * 0.5)),
           withAlpha(line, 55), 0.6);
    // Under the overhang of the upper lip the lower one lies in shadow.
    stroke(p, curve(chin + QPointF(t * 0.1, t * 0.4), middle + QPointF(0, t * 0.45), corner),
           QColor(0, 8, 24, 45), t * 0.5);
    if (m.jaw) {
        // The rounded end of the upper jaw bone, lying in a sheath of skin
        // above and just behind the corner.
        QPainterPath bone(front + QPointF(t * 0.6, -t * 1.15));
        bone.quadTo(corner + QPointF(-t * 0.2, -t * 1.5), corner + QPointF(t * 0.9, -t * 0.9));
        bone.quadTo(corner + QPointF(t * 1.3, -t * 0.2), corner + QPointF(t * 0.3, t * 0.2));
        // Only its rounded rear end shows; forward it lies flush under the
        // skin, so it does not loop round the lips like a clip.
        QLinearGradient shadow(front, corner + QPointF(t, 0));
        shadow.setColorAt(0, QColor(0, 8, 24, 0));
        shadow.setColorAt(0.6, QColor(0, 8, 24, 8));
        shadow.setColorAt(1, QColor(0, 8, 24, 34));
        p.setPen(QPen(QBrush(shadow), t * 0.6));
        p.setBrush(Qt::NoBrush);
        p.drawPath(QTransform::fromTranslate(0.3, 0.5).map(bone));
        QLinearGradient edge(front, corner + QPointF(t, 0));
        edge.setColorAt(0, withAlpha(line, 0));
        edge.setColorAt(0.6, withAlpha(line, 20));
        edge.setColorAt(1, withAlpha(line, 80));
        p.setPen(QPen(QBrush(edge), 0.6));
        p.drawPath(bone);
    } else {
        // The fold of the cheek behind the corner.
        stroke(p,
               curve(corner + QPointF(t * 0.2, t * 0.1), corner + QPointF(t * 0.8, -t * 0.2),
                     corner + QPointF(t * 1.1, -t * 0.9)),
               withAlpha(line, 70), 0.6);
    }
    // The gape, darkest at the front where the lips part over the water.
    QLinearGradient fade(front, corner);
    fade.setColorAt(0, withAlpha(line, 230));
    fade.setColorAt(0.7, withAlpha(line, 180));
    fade.setColorAt(1, withAlpha(line, 70));
    p.setPen(QPen(QBrush(fade), std::max(0.8, t * 0.4), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve(front + QPointF(t * 0.05, 0), middle, corner));
}

} // namespace

void paintMouth(QPainter &p, const BodyShape &shape, double mouth, QColor line, QColor lining,
                Opercle kind)
{
    if (Silhouette::active(p))
        return;
    // The gape slopes down and back from the snout tip; the upper lip rolls
    // over it as a fleshy fold lit from above, the lower jaw closes under it
    // with a shadow along its edge, and on a longer mouth the upper jaw bone
    // shows as a plate that widens back to its rounded end above the corner.
    const QPointF tip = shape.snout + QPointF(0.4, 0.5);
    const QPointF end = tip + QPointF(mouth, mouth * 0.22);
    const QPointF sag(0, mouth * 0.05);
    const QPointF mid = (tip + end) / 2 + sag;
    const double lip = std::clamp(mouth * 0.14, 0.9, 3.0);
    if (mouth < shape.depth * 0.1) {
        paintSmallMouth(p, shape, mouth, line, kind);
        return;
    }
    const QPainterPath gape = curve(tip, mid, end);
    if (lining.isValid()) {
        // The jaws stand a little apart towards the corner, and the red
        // inside shows between them, darkest deep in the corner.
        const double open = lip * 1.2;
        const QPointF from = tip + QPointF(mouth * 0.45, mouth * 0.1);
        QPainterPath inside(from);
        inside.quadTo(mid + QPointF(mouth * 0.1, -open * 0.45), end + QPointF(0, -open * 0.45));
        inside.quadTo(end + QPointF(open * 0.55, 0.1), end + QPointF(-open * 0.1, open * 0.5));
        inside.quadTo(mid + QPointF(mouth * 0.1, open * 0.7), from);
        QLinearGradient deep(from, end);
        deep.setColorAt(0, withAlpha(lining, 150));
        deep.setColorAt(0.5, lining.darker(115));
        deep.setColorAt(1, lining.darker(220));
        p.fillPath(inside, deep);
        // The upper lip's edge shades the lining; the lower catches light.
        stroke(
            p,
            curve(from, mid + QPointF(mouth * 0.1, -open * 0.45), end + QPointF(0, -open * 0.45)),
            withAlpha(line, 200), 0.9);
        stroke(p,
               curve(end + QPointF(-open * 0.1, open * 0.55),
                     mid + QPointF(mouth * 0.1, open * 0.78), from + QPointF(0, 0.3)),
               QColor(255, 255, 255, 70), 0.7);
    }
    {
        // Thick fleshy lips along the gape: each a rounded pad lit along its
        // upper side, with a crease where it folds into the snout above or
        // the chin below.
        // Stripes may cross the snout: the lips take the skin's ground colour,
        // the palest found round the mouth.
        QColor skin = line.lighter(300);
        for (const QPointF at : {QPointF(0, -lip * 3.2), QPointF(-mouth * 0.2, -lip * 2.4),
                                 QPointF(mouth * 0.2, lip * 3.4)}) {
            const QColor c = colourUnder(p, mid + at, skin);
            if (c.lightness() > skin.lightness())
                skin = c;
        }
        // The lips are the snout's own front: its outline is theirs, so they
        // are shaded inside it rather than stuck on in front.
        skin = skin.darker(116);
        const struct
        {
            double side, thick;
            int shade;
        } pads[] = {{-1.0, 1.0, 104}, {1.0, 1.25, 122}};
        for (const auto &pad : pads) {
            const double o = pad.side * lip * 0.8 * pad.thick;
            // Each lip takes the colour of the skin it grows from, so that it
            // reads as part of the snout rather than painted on, unless a
            // dark band crosses there.
            QColor own = colourUnder(p, mid + QPointF(mouth * 0.3, o * 1.8), skin);
            if (own.lightness() < skin.lightness() * 0.6)
                own = skin;
            // The pads round off at the snout tip rather than jut past it
            // as a block, and swell most a little behind it.
            const QPainterPath spine = curve(tip + QPointF(lip * 0.35, o * 0.8),
                                             mid + QPointF(0, o), end + QPointF(0, o * 0.5));
            const double t = lip * pad.thick;
            const QPainterPath pad2 =
                ribbon(spine, {t * 0.7, t * 1.4, t * 1.5, t * 1.15, t * 0.55, 0.0});
            const QRectF r = pad2.boundingRect();
            // Each pad melts into the skin it grows from, the snout above the
            // upper lip and the chin below the lower, so that only the edge
            // along the gape stands out: no lip reads as a pill laid on.
            QLinearGradient round(r.topLeft(), r.bottomLeft());
            if (pad.side < 0) {
                round.setColorAt(0, withAlpha(own, 0));
                round.setColorAt(0.45, own.lighter(103));
                round.setColorAt(1, own.darker(pad.shade - 10));
            } else {
                round.setColorAt(0, own.lighter(106));
                round.setColorAt(0.45, own.darker(pad.shade - 14));
                round.setColorAt(1, withAlpha(own.darker(pad.shade), 0));
            }
            p.fillPath(pad2, round);
            // Towards the gape the lip's skin thins and flushes with blood.
            if (lining.isValid()) {
                QLinearGradient flush(spine.pointAtPercent(0), spine.pointAtPercent(1));
                flush.setColorAt(0, withAlpha(lining, 0));
                flush.setColorAt(0.7, withAlpha(lining, 30));
                flush.setColorAt(1, withAlpha(lining, 10));
                p.fillPath(pad2, flush);
            }
            // The crease is a soft fold, deepest at the corner, not a cut.
            QLinearGradient fold(spine.pointAtPercent(0), spine.pointAtPercent(1));
            fold.setColorAt(0, withAlpha(line, 10));
            fold.setColorAt(1, withAlpha(line, 38));
            p.setPen(QPen(QBrush(fold), 0.7));
            p.setBrush(Qt::NoBrush);
            p.drawPath(QTransform::fromTranslate(0, o * 1.05).map(spine));
        }
        // The light catches the upper lip's roll along its middle only.
        QLinearGradient catchLight(tip, end);
        catchLight.setColorAt(0, QColor(255, 255, 255, 0));
        catchLight.setColorAt(0.45, QColor(255, 255, 255, 36));
        catchLight.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(QPen(QBrush(catchLight), lip * 0.45));
        p.setBrush(Qt::NoBrush);
        p.drawPath(QTransform::fromTranslate(0, -lip * 0.75).map(gape));
    }
    // The line where the lips meet is finest at the snout tip, where they
    // are pressed together, and opens towards the corner.
    const double seam = std::clamp(mouth * 0.08, 0.8, 1.8);
    p.fillPath(
        ribbon(lining.isValid() ? curve(tip, (tip * 2 + end) / 3, tip + (end - tip) * 0.47) : gape,
               {seam * 0.25, seam * 0.8, seam, seam * 1.1}),
        withAlpha(line, 190));
    if (mouth > 6) {
        // The lower jaw is a bone of its own: its edge runs back under the
        // chin from behind the lower lip and rises to the corner, shaded
        // below where the throat turns under, lit along the jaw above.
        // It starts clear of the lower lip, under the chin, so that the
        // lip and jaw read as one piece rather than the lip outlined.
        const QPainterPath chin = curve(tip + QPointF(mouth * 0.22, lip * 4.2),
                                        (tip + end) / 2 + QPointF(0, mouth * 0.34),
                                        end + QPointF(mouth * 0.12, mouth * 0.1));
        QLinearGradient under(chin.pointAtPercent(0), chin.pointAtPercent(1));
        under.setColorAt(0, withAlpha(line, 0));
        under.setColorAt(0.4, withAlpha(line, 60));
        under.setColorAt(1, withAlpha(line, 70));
        stroke(p, QTransform::fromTranslate(0, lip * 0.5).map(chin), QColor(0, 8, 24, 18),
               lip * 1.1);
        p.setPen(QPen(QBrush(under), 0.7));
        p.setBrush(Qt::NoBrush);
        p.drawPath(chin);
        QLinearGradient litJaw(chin.pointAtPercent(0), chin.pointAtPercent(1));
        litJaw.setColorAt(0, QColor(255, 255, 255, 0));
        litJaw.setColorAt(0.6, QColor(255, 255, 255, 34));
        litJaw.setColorAt(1, QColor(255, 255, 255, 10));
        p.setPen(QPen(QBrush(litJaw), 0.6));
        p.drawPath(QTransform::fromTranslate(0, -lip * 0.45).map(chin));
        const QPointF hinge = end + QPointF(mouth * 0.06, -mouth * 0.05);
        QPainterPath bone(tip + QPointF(mouth * 0.3, -lip * 0.6));
        bone.quadTo(end + QPointF(-mouth * 0.25, -mouth * 0.22), hinge + QPointF(0, -mouth * 0.2));
        bone.quadTo(hinge + QPointF(mouth * 0.08, -mouth * 0.16),
                    hinge + QPointF(mouth * 0.07, -mouth * 0.09));
        // A low ridge under the skin, seen only towards its rounded rear
        // end where it stands out from the cheek; forward it slides under
        // the bone below the eye and is lost.
        QLinearGradient ridge(tip, hinge);
        ridge.setColorAt(0, withAlpha(line, 0));
        ridge.setColorAt(0.55, withAlpha(line, 0));
        ridge.setColorAt(1, withAlpha(line, 60));
        p.setPen(QPen(QBrush(ridge), 0.7));
        p.setBrush(Qt::NoBrush);
        p.drawPath(bone);
        QLinearGradient lit(tip, hinge);
        lit.setColorAt(0.5, QColor(255, 255, 255, 0));
        lit.setColorAt(1, QColor(255, 255, 255, 34));
        p.setPen(QPen(QBrush(lit), 0.7));
        p.drawPath(QTransform::fromTranslate(-0.6, -0.7).map(bone));
    }
}
void paintNostril(QPainter &p, const BodyShape &shape, QPointF eye, double size, QColor line)
{
    if (Silhouette::active(p))
        return;
    // One small opening on the snout ahead of the eye, barely darker than
    // the skin round it.
    const QPointF c = shape.snout + (eye - shape.snout) * 0.6 + QPointF(0, -size * 0.4);
    paintDisc(p, c, size * 0.38, size * 0.28, withAlpha(line, 70));
}

void paintLateralLine(QPainter &p, const QPainterPath &body, const BodyShape &shape, double from,
                      double across, QColor colour, double arch)
{
    if (Silhouette::active(p))
        return;
    // The line runs from the top of the gill cover parallel to the back,
    // arching highest over the pectoral fin and dropping to the middle of
    // the stalk. It is no drawn line but a row of pored scales: a faint
    // crease with a small pore on each scale, each lit on its lower lip, the
    // whole fading out at both ends.
    std::vector<QPointF> line;
    for (int k = 0; k <= 20; ++k) {
        const double t = from + (0.99 - from) * k / 20.0;
        const double v = double(k) / 20.0;
        line.push_back(shape.at(t, across * (1.0 - v * v) - arch * std::sin(v * pi) * 0.2));
    }
    const QPainterPath path = curveThrough(line);
    const Saved s(p);
    p.setClipPath(body, Qt::IntersectClip);
    const QPointF a = path.pointAtPercent(0);
    const QPointF b = path.pointAtPercent(1);
    QLinearGradient crease(a, b);
    crease.setColorAt(0, withAlpha(colour, 0));
    crease.setColorAt(0.12, withAlpha(colour, colour.alpha() / 4));
    crease.setColorAt(0.8, withAlpha(colour, colour.alpha() / 5));
    crease.setColorAt(1, withAlpha(colour, 0));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(crease), 0.5));
    p.drawPath(path);
    const double step = std::max(2.2, shape.depth * 0.034);
    const int pores = std::max(4, int(path.length() / step));
    p.setPen(Qt::NoPen);
    for (int i = 1; i < pores; ++i) {
        const double u = double(i) / pores;
        const double t = path.percentAtLength(path.length() * u);
        const QPointF c = path.pointAtPercent(t);
        const double fade = std::min({1.0, u / 0.12, (1.0 - u) / 0.2});
        const double vary = 0.7 + 0.3 * std::sin(i * 2.7);
        const double size = step * (0.24 - 0.08 * u);
        const Saved one(p);
        p.translate(c);
        p.rotate(-path.angleAtPercent(t));
        p.setBrush(withAlpha(colour, int(colour.alpha() * 0.75 * fade * vary)));
        p.drawEllipse(QPointF(0, 0), size, size * 0.45);
        p.setBrush(QColor(255, 255, 255, int(45 * fade * vary)));
        p.drawEllipse(QPointF(0.1 * size, size * 0.7), size * 0.8, size * 0.3);
    }
}

void paintHead(QPainter &p, const QPainterPath &body, const BodyShape &shape, QPointF eye,
               double gill, double mouth, QColor line, QColor lining, Opercle kind)
{
    paintGillCover(p, body, shape, eye, gill, kind, line);
    const Saved s(p);
    p.setClipPath(body, Qt::IntersectClip);
    paintMouth(p, shape, mouth, line, lining, kind);
    paintNostril(p, shape, eye, std::clamp(shape.depth * 0.018, 0.9, 1.8), line);
}

} // namespace fishkit
