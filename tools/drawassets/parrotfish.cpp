// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "labrid.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <tuple>

// Parrotfish: heavy wrasses with beaks and crescent tails.

namespace fishart {

using namespace fishkit;
using namespace labrid;

// Paints the fish, its colour pattern by `marks` before the shading.
void labrid::tintScales(QPainter &p, const BodyShape &shape, double size, QColor cool, QColor warm,
                        double strength)
{
    if (Silhouette::active(p))
        return;
    for (const ScaleSite &site :
         scaleSites(shape, size, int(std::ceil(shape.depth / (size * 0.62))))) {
        const double hash = std::sin(site.index * 9.13 + site.row * 41.7 + 0.2) * 31871.3;
        const double own = hash - std::floor(hash);
        const Saved one(p);
        p.translate(site.centre);
        p.rotate(site.angle);
        // Soft, with no edge of its own: the scale's margin is drawn apart.
        const QColor tone = own < 0.5 ? cool : warm;
        QRadialGradient shine(QPointF(site.length * 0.1, 0), site.length * 0.5);
        shine.setColorAt(0, withAlpha(tone, int(strength * 2 * std::abs(own - 0.5))));
        shine.setColorAt(1, withAlpha(tone, 0));
        p.fillPath(oval({site.length * 0.1, 0}, site.length * 0.5, site.height * 0.5), shine);
    }
}

void labrid::paintWrasse(QPainter &p, const Wrasse &f,
                         const std::function<void(const WrasseParts &)> &marks)
{
    const BodyShape &s = f.shape;
    const QPointF lift(0, -s.depth * f.lift);
    WrasseParts parts;
    parts.tail =
        followBend(s, tail(TailKind::Lunate, (s.at(1, -1) + s.at(1, 1)) / 2 - QPointF(6, 0),
                           s.depth * s.stalk + 6, f.tail.x(), f.tail.y(), f.notch));
    // Both fins long and even, their flexible spines hardly standing out.
    parts.dorsal = spinyFin(s.at(f.dorsalFrom, -0.9),
                            {s.at(f.dorsalFrom + 0.03, -1) + lift * 0.8, s.at(0.55, -1) + lift,
                             s.at(0.82, -1) + lift * 0.95, s.at(0.93, -0.9) + lift * 0.7},
                            s.at(0.97, -0.75), f.spines, f.softRays, 0.04);
    parts.anal = spinyFin(s.at(f.analFrom, 0.88),
                          {s.at(f.analFrom + 0.04, 1) - lift * 0.8, s.at(0.84, 1) - lift * 0.9,
                           s.at(0.94, 0.9) - lift * 0.6},
                          s.at(0.97, 0.75), 3, 9, 0.08);
    paintFin(p, parts.tail, f.fin, f.ray, 16);
    // The long dorsal and anal fins are thin membrane: clearer out towards
    // their edges, so the water shows through between the rays.
    // A parrotfish's are thicker and carry the body's colour out to the edge.
    const bool parrot = f.teeth.alpha() > 0;
    for (const Fin *fin : {&parts.dorsal, &parts.anal}) {
        if (f.ownFins)
            break;
        // A wrasse's spines are flexible and hardly stand out from the soft
        // rays: the membrane hangs between them without pleats.
        Fin flexible = *fin;
        flexible.spines = 0;
        if (parrot) {
            paintFin(p, flexible, f.fin, f.ray, 0);
            if (!Silhouette::active(p)) {
                // The fleshy membrane evens out the folds between the rays,
                // which show only as fine lines running out through it,
                // each a little off the even spacing and fading before the
                // edge.
                p.fillPath(fin->shape, withAlpha(f.fin, 205));
                const Saved rays(p);
                p.setClipPath(fin->shape, Qt::IntersectClip);
                paintMembraneFolds(p, flexible, fin->tips, 0.3);
                const int n = int(fin->tips.size());
                const QPointF back = (fin->base.p2() - fin->base.p1()) / fin->base.length();
                for (int i = 0; i < n; ++i) {
                    const double u = (i + 0.5 + 0.25 * std::sin(i * 2.7)) / n;
                    const QPointF root = fin->base.pointAt(std::clamp(u, 0.0, 1.0));
                    const QPointF tip = fin->tips[size_t(i)];
                    const QPointF d = tip - root;
                    // Each ray sweeps back a little as it rises, the front
                    // ones stouter than those behind.
                    const QPointF bow = -back * std::hypot(d.x(), d.y()) * 0.06;
                    QLinearGradient fade(root, tip);
                    fade.setColorAt(0, withAlpha(f.ray, f.ray.alpha() / 2));
                    fade.setColorAt(0.7, withAlpha(f.ray, f.ray.alpha() / 3));
                    fade.setColorAt(1, withAlpha(f.ray, 0));
                    p.setPen(QPen(QBrush(fade), 0.7 - 0.35 * i / n));
                    p.setBrush(Qt::NoBrush);
                    p.drawPath(curve(root, root + d * 0.5 + bow, tip));
                }
            }
        } else {
            paintSheerFin(p, flexible, f.fin, f.ray, 0);
        }
    }
    parts.body = bodyOutline(s);
    fillBody(p, parts.body, f.back, f.flank, f.belly);
    // A parrotfish's scales are large and plain to see; a wrasse's smaller,
    // showing only as soft edges.
    if (!f.ownScales)
        paintScaleRows(p, parts.body, s, std::max(8.0, s.depth * (parrot ? 0.15 : 0.115)),
                       withAlpha(f.back.darker(150), parrot ? 90 : 95), 0.9,
                       parrot ? ScaleStyle::Large : ScaleStyle::Crescent);
    marks(parts);

    modelBody(p, parts.body, parts.tail.base.x1() + 2, f.back.darker(200), f.modelling);
    if (f.ownFins)
        growFinRoots(p, parts.body, {&parts.tail}, 3.5);
    else
        growFinRoots(p, parts.body, {&parts.dorsal, &parts.anal, &parts.tail}, 3.5);
    const QPointF eye = s.at(f.eye.x(), f.eye.y());
    const double gill = f.pectoralAt - 0.04;
    // Parrotfish mouths are closed by the beak; wrasses have a small mouth.
    paintHead(p, parts.body, s, eye, gill, s.depth * (f.teeth.alpha() > 0 ? 0.05 : 0.09),
              f.back.darker(220), {}, f.teeth.alpha() > 0 ? Opercle::Parrot : Opercle::Perch);
    paintPelvicPair(
        p, pelvicFin(parts.body, s.at(f.pectoralAt + 0.02, 0), s.depth * 0.08, s.depth * 0.26, 62),
        f.fin, f.ray);
    // A dark-tipped pectoral is the long pointed wing of a wrasse that rows
    // with it.
    // A parrotfish's is a long blade held close along the flank; one with a
    // coloured margin is held spread, a rounded fan on a short base, wider
    // at its free edge, thin enough for the flank to show through it.
    const bool spread = parrot && f.pectoralEdge.isValid();
    const double reach = s.depth * (f.pectoralTip.isValid() ? 0.5 : spread ? 0.38 : 0.46);
    // It grows from just behind the gill cover's edge.
    const double root = f.pectoralAt + (parrot ? -0.012 : 0.0);
    const Fin pectoral =
        spread ? fanFin(s.at(root + 0.01, 0.02), s.at(root, 0.2), reach, 12, 84, 0.0, 19)
               : fanFin(s.at(root + 0.015, -0.02), s.at(root, 0.3), reach,
                        f.pectoralTip.isValid() ? 8 : 2, f.pectoralTip.isValid() ? 40 : 30,
                        f.pectoralTip.isValid() ? 0.85 : 1.0, 14);
    if (!Silhouette::active(p)) {
        // Held close along the flank, the fin throws a soft shadow on the
        // body below and behind it, which sets it on the skin, not over it.
        const Saved shade(p);
        p.setClipPath(parts.body, Qt::IntersectClip);
        for (const auto &[dx, dy, alpha] : {std::tuple{2.4, 3.2, 22}, std::tuple{1.4, 1.9, 30}})
            p.fillPath(QTransform::fromTranslate(dx, dy).map(pectoral.shape),
                       QColor(0, 12, 24, alpha));
    }
    // A parrotfish's pectoral is fleshy and coloured like its other fins,
    // a little deeper in tone than the flank it lies on; a wrasse's clear.
    // A dark-tipped one is otherwise clear: the colours of the flank show
    // through it, and only its rays and lit edge make it out.
    const QColor membrane = spread                    ? withAlpha(f.fin, 215)
                            : parrot                  ? withAlpha(f.fin.darker(112), 225)
                            : f.pectoralTip.isValid() ? QColor(206, 226, 236, 60)
                                                      : withAlpha(f.fin.lighter(115), 180);
    // The fan's fine rays are a deeper shade of the membrane.
    paintPectoral(p, parts.body, pectoral, membrane,
                  spread ? withAlpha(f.fin.darker(125), 170) : f.ray);
    if (f.pectoralEdge.isValid() && !Silhouette::active(p)) {
        // The margin colours only the rays' ends, out at the fin's tip,
        // the pigment gathering gradually with no line of its own.
        QRadialGradient out(pectoral.base.center(), reach * 1.02);
        out.setColorAt(spread ? 0.55 : 0.62, withAlpha(f.pectoralEdge, 0));
        out.setColorAt(1, withAlpha(f.pectoralEdge, f.pectoralEdge.alpha() * 3 / 4));
        p.fillPath(pectoral.shape, out);
    }
    if (f.pectoralTip.isValid() && !Silhouette::active(p)) {
        // The outer third of the fin is dark pigment in the membrane: it
        // gathers gradually along the rays, the rays themselves showing
        // through it, and its edge catches the light so that it shows even
        // where it lies over dark bands.
        const Saved tip(p);
        p.setClipPath(pectoral.shape, Qt::IntersectClip);
        const QPointF root = pectoral.base.center();
        QRadialGradient dark(root, reach * 1.05);
        dark.setColorAt(0, withAlpha(f.pectoralTip, 0));
        dark.setColorAt(0.64, withAlpha(f.pectoralTip, 0));
        dark.setColorAt(0.76, withAlpha(f.pectoralTip, f.pectoralTip.alpha() / 4));
        dark.setColorAt(0.9, withAlpha(f.pectoralTip, f.pectoralTip.alpha() * 2 / 3));
        dark.setColorAt(1, withAlpha(f.pectoralTip, f.pectoralTip.alpha() * 5 / 6));
        p.fillPath(pectoral.shape, dark);
        // The rays catch the light where the dark of the tip lies behind
        // them; each grows from its own place on the fin's base and is
        // barely seen over the clear part nearer the body.
        const int n = int(pectoral.tips.size());
        for (int i = 0; i < n; i += 2) {
            const QPointF from = pectoral.base.pointAt((i + 0.5) / n);
            const QPointF end = pectoral.tips[size_t(i)];
            QLinearGradient glint(from, end);
            glint.setColorAt(0, QColor(200, 226, 236, 10));
            glint.setColorAt(0.55, QColor(200, 226, 236, 30));
            glint.setColorAt(0.85, QColor(200, 226, 236, 75 - 3 * i));
            glint.setColorAt(1, QColor(200, 226, 236, 40));
            p.setPen(QPen(QBrush(glint), 0.5, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(curve(from, (from + end) / 2 + QPointF(0, 0.4), end + (end - from) * 0.1));
        }
        p.setClipping(false);
        QRadialGradient rim(root, reach * 1.05);
        rim.setColorAt(0, QColor(220, 240, 250, 0));
        rim.setColorAt(0.6, QColor(220, 240, 250, 0));
        rim.setColorAt(0.8, QColor(220, 240, 250, 80));
        rim.setColorAt(1, QColor(220, 240, 250, 55));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QBrush(rim), 0.8));
        p.drawPath(pectoral.edge);
    }
    if (f.teeth.alpha() > 0)
        paintBeakPlates(p, parts.body, s.snout + QPointF(-1.5, 0.5), s.depth * f.beak, f.teeth,
                        f.lips);
    paintNaturalEye(p, eye, std::max(4.2, s.depth * 0.047), f.iris, familyEye(Opercle::Parrot));
}

namespace {

// One large scale of a parrotfish: where it lies, the direction of its row
// in degrees, the length it shows along the row and the spacing of the rows,
// where it lies on the body (see BodyShape::at), its row and its column.
struct Scale
{
    QPointF centre;
    double angle = 0, length = 0, height = 0, along = 0, across = 0;
    int row = 0, column = 0;
};

// Between 0 and 1, the same for the same arguments: the small differences
// from scale to scale.
double own(int column, int row, double salt)
{
    const double hash = std::sin(column * 12.99 + row * 78.23 + salt) * 43758.5;
    return hash - std::floor(hash);
}

// The scales of `s` from the gill opening back, in `rows` rows from back to
// belly, `size` long over the middle of the flank. Every other row sits half
// a scale back, and all share the same columns, so the scales also line up in
// regular diagonal rows that bend with the body. They are smaller towards the
// head and down the stalk, and the rows close up towards back and belly as
// the flank turns away.
std::vector<Scale> laidScales(const BodyShape &s, double size, int rows)
{
    const auto rowAt = [rows](int row) {
        const double u = -1.0 + 2.0 * row / rows;
        return 1.12 * (0.4 * u + 0.6 * std::sin(u * std::numbers::pi / 2));
    };
    std::vector<Scale> scales;
    for (int row = 0; row <= rows; ++row) {
        const double across = rowAt(row);
        // The rows along the back and belly are of smaller scales than those
        // of the mid-flank.
        const double edge = 1.0 - 0.38 * std::min(1.0, across * across);
        std::vector<double> columns;
        for (double t = 0.3; t < 1.06;) {
            columns.push_back(t);
            const double head = 0.6 + 0.4 * std::clamp((t - 0.3) / 0.22, 0.0, 1.0);
            const double stalk = 1.0 - 0.45 * std::clamp((t - 0.6) / 0.4, 0.0, 1.0);
            t += size * edge * head * stalk / s.length;
        }
        for (size_t k = 0; k + 1 < columns.size(); ++k) {
            // Each a little out of line with its neighbours.
            const double t = (row % 2 ? (columns[k] + columns[k + 1]) / 2 : columns[k]) +
                             (own(int(k), row, 5.3) - 0.5) * 0.16 * (columns[k + 1] - columns[k]);
            const QPointF c = s.at(t, across + (own(int(k), row, 2.9) - 0.5) * 0.025);
            const QPointF ahead = s.at(t + 0.01, across) - c;
            const QPointF below = s.at(t, rowAt(row + 1)) - c;
            scales.push_back({c, std::atan2(ahead.y(), ahead.x()) * 180 / std::numbers::pi,
                              (columns[k + 1] - columns[k]) * s.length,
                              std::hypot(below.x(), below.y()), t, across, row, int(k)});
        }
    }
    return scales;
}

// How plainly a scale at `across` and `along` the body shows: best on the lit
// upper flank, less along the back as it turns away, sinking into the shade
// of the belly, and coming in from nothing behind the gill cover.
double scaleLight(const Scale &k)
{
    const double a = k.across;
    const double lit = a < 0 ? 1.0 - 0.6 * a * a : 1.0 - 0.95 * std::min(1.0, a / 0.85);
    // The light on the flank lies in broad, uneven patches.
    const double sheen = 0.64 + 0.36 * std::sin(k.along * 9.0 + a * 2.6 + 0.7) *
                                    std::sin(k.along * 4.3 - a * 3.9 + 1.9);
    return std::max(0.0, lit) * sheen * std::clamp((k.along - 0.31) / 0.12, 0.0, 1.0) *
           (1.0 - 0.75 * std::clamp((k.along - 0.82) / 0.18, 0.0, 1.0));
}

// Each scale within `area` as a soft crescent of `rim`, the skin's darker
// tone, scaled by `weight`, along its free edge behind a slightly lighter
// face: strongest where the light falls on the flank, each a little stronger
// or weaker than the next.
void paintScaleEdges(QPainter &p, const QPainterPath &area, const std::vector<Scale> &scales,
                     QColor rim, double weight)
{
    if (Silhouette::active(p))
        return;
    const Saved clip(p);
    p.setClipPath(area, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    for (const Scale &k : scales) {
        const double strength = scaleLight(k) * (0.75 + 0.4 * own(k.column, k.row, 3.1));
        const int alpha = std::min(255, int(rim.alpha() * std::min(1.35, 1.2 * strength)));
        if (alpha <= 0)
            continue;
        const double rx = k.length * 0.56 * (0.96 + 0.08 * own(k.column, k.row, 1.7));
        const double ry = k.height * 0.62;
        const Saved one(p);
        p.translate(k.centre);
        p.rotate(k.angle);
        // The scale's free edge lies a little behind its centre.
        p.translate(rx * 0.12, 0);
        p.scale(1.0, ry / rx);
        QRadialGradient face(QPointF(0, 0), rx, QPointF(-rx * 0.8, 0));
        face.setColorAt(0.0, QColor(255, 255, 255, alpha / 6));
        face.setColorAt(0.45, QColor(255, 255, 255, 0));
        p.setBrush(face);
        p.drawEllipse(QPointF(0, 0), rx, rx);
        // Its front lies under the scale ahead, so only the rear half of its
        // rim shows: a soft crescent, fading out towards both horns.
        QPainterPath arc;
        arc.arcMoveTo(QRectF(-rx * 0.9, -rx * 0.9, rx * 1.8, rx * 1.8), 80);
        arc.arcTo(QRectF(-rx * 0.9, -rx * 0.9, rx * 1.8, rx * 1.8), 80, -160);
        QLinearGradient horns(QPointF(0, 0), QPointF(rx * 0.9, 0));
        horns.setColorAt(0.0, withAlpha(rim, 0));
        horns.setColorAt(0.7, withAlpha(rim, int(alpha * weight * 0.65)));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QBrush(horns), rx * 0.28, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(arc);
        p.setPen(Qt::NoPen);
    }
}

// Each scale's exposed face tinted its own way, by up to `strength` of
// `cool` or `warm`, as large scales catch the light at slightly different
// angles: soft, with no edge of its own.
void tintScaleFaces(QPainter &p, const QPainterPath &area, const std::vector<Scale> &scales,
                    QColor cool, QColor warm, double strength)
{
    if (Silhouette::active(p))
        return;
    const Saved clip(p);
    p.setClipPath(area, Qt::IntersectClip);
    for (const Scale &k : scales) {
        const double o = own(k.column, k.row, 0.6);
        const int alpha = int(strength * 2 * std::abs(o - 0.5) * scaleLight(k));
        const QColor tone = o < 0.5 ? cool : warm;
        QRadialGradient shine(k.centre, std::max(k.length, k.height) * 0.7);
        shine.setColorAt(0, withAlpha(tone, alpha));
        shine.setColorAt(1, withAlpha(tone, 0));
        const Saved one(p);
        p.translate(k.centre);
        p.rotate(k.angle);
        p.translate(-k.centre);
        p.fillPath(oval(k.centre, k.length * 0.55, k.height * 0.95), shine);
    }
}

// A parrotfish's few rows of big cheek scales under the eye, starting
// `along` the body and `drop` apart: their rims faint in the bare skin of the
// head, each its own size and a little out of line with the next.
void paintCheekScales(QPainter &p, const BodyShape &s, double along, double drop, QColor rim,
                      QColor light)
{
    for (int row = 0; row < 2; ++row)
        for (int k = 0; k < 3 - row; ++k) {
            const double grow = 0.85 + 0.3 * std::pow(std::sin(k * 2.3 + row * 1.7), 2);
            const QPointF c = s.at(along + 0.045 * k + 0.02 * row + 0.006 * std::sin(k * 3.1),
                                   0.08 + drop * row + 0.04 * std::cos(k * 2.7 + row));
            const QRectF box(c - QPointF(4.5, 4) * grow, QSizeF(9, 8) * grow);
            QPainterPath arc;
            arc.arcMoveTo(box, -60);
            arc.arcTo(box, -60, 120);
            stroke(p, arc, rim, 0.8);
            stroke(p, QTransform::fromTranslate(-0.8, -0.4).map(arc), light, 0.6);
        }
}

} // namespace

// A heavy, uniformly powder-blue parrotfish with a rounded hump on the
// forehead and a white-blue beak.
void paintBlueParrotfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.35, 0, 0, {240, 252}, 80, QColor(180, 150, 90), {20, 240}, 110,
              QColor(150, 70, 130));
    // Deep in front, where the rounded hump of the forehead rises steeply
    // from the beak; behind it the back runs nearly straight down to a tail
    // stalk that tapers, over a firm belly line. Long tail lobes stream out behind a deep crescent.
    Wrasse blue(BodyShape{{24, 146}, 228, 100, 0.36, 0.96, 0.32, 0.58, 0.16, 0.04, 0.95},
                QColor(74, 132, 206), QColor(116, 170, 228), QColor(170, 206, 240),
                QColor(110, 160, 220, 230), QColor(60, 100, 170, 140), QColor(176, 208, 242),
                QColor(230, 200, 110), {72, 150}, 0.44);
    blue.ownScales = true;
    // The fused teeth are grown into the snout: the lips, in the head's own
    // blue skin, cover their base, and only the pale cutting edges show.
    blue.beak = 0.2;
    blue.lips = QColor(104, 156, 220);
    const BodyShape &s = blue.shape;
    paintWrasse(p, blue, [&](const WrasseParts &parts) {
        paintFinMargin(p, parts.tail, QColor(190, 220, 250, 170),
                       {1.4, 3.0, 3.6, 2.2, 3.4, 2.8, 1.4});
        // The rounded bony hump of an old fish overhangs the beak: lit on
        // its crown, darker under its brow above the mouth, and the head in
        // front of the scales plain, bare skin.
        const Saved saved(p);
        p.setClipPath(parts.body, Qt::IntersectClip);
        paintGlow(p, s.at(0.1, -0.75), s.depth * 0.3, QColor(200, 226, 250, 110));
        paintGlow(p, s.at(0.04, -0.15), s.depth * 0.16, QColor(30, 70, 140, 70));
        // The cheek below the eye is a paler, greyer blue.
        paintGlow(p, s.at(0.16, 0.25), s.depth * 0.22, QColor(170, 200, 230, 90));
        // Each large scale holds the light its own way, paler or deeper
        // blue; the scales lie flat under the skin's own shading, each
        // rimmed a deeper blue, largest on the mid-flank.
        const std::vector<Scale> scales = laidScales(s, 16.0, 18);
        tintScaleFaces(p, parts.body, scales, QColor(40, 80, 170), QColor(190, 216, 246), 40);
        paintScaleEdges(p, parts.body, scales, QColor(40, 84, 164, 110), 1.0);
        paintCheekScales(p, s, 0.15, 0.2, QColor(40, 80, 150, 70), QColor(225, 238, 252, 60));
    });
}

// The terminal male: green with salmon-pink scale edges, pink-orange blotches
// over the lower head and cheek, a yellow spot at the top of the gill cover,
// a yellow-orange bar across the tail base and an orange crescent in the tail.
void paintStoplightParrotfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.3, 0, 206, {286, 226}, 50, QColor(160, 150, 100), {20, 220}, 120,
              QColor(150, 70, 140));
    const QColor salmon(250, 130, 110);
    // A long oval, about two and a third times as long as deep, the head
    // rounded over a beak of pale green fused teeth.
    Wrasse stoplight(BodyShape{{34, 130}, 218, 92, 0.44, 0.82, 0.27, 0.55, 0.1, 0.02, 0.8},
                     QColor(14, 104, 84), QColor(30, 160, 110), QColor(70, 190, 130),
                     QColor(40, 150, 130, 235), QColor(10, 70, 60, 150), QColor(140, 214, 170),
                     QColor(240, 170, 60), {48, 100}, 0.12);
    // Its scales are edged salmon, not a darker green; its beak is big and
    // the pale green of old teeth.
    stoplight.ownScales = true;
    stoplight.beak = 0.27;
    const BodyShape &s = stoplight.shape;
    paintWrasse(p, stoplight, [&](const WrasseParts &parts) {
        for (const Fin *f : {&parts.dorsal, &parts.anal})
            paintFinMargin(p, *f, withAlpha(salmon, 220), {1.4, 2.2, 2.8, 2.2, 2.6, 2.2, 1.4});
        // Each scale edged salmon all round its free edge, so that the
        // edges join into a net over the green rather than loose crescents.
        paintScaleRows(p, parts.body, s, s.depth * 0.105, withAlpha(salmon, 170), 1.0,
                       ScaleStyle::Large);
        const QPointF root = s.at(1, 0);
        {
            // The orange crescent swells at its middle and runs out thin
            // along each lobe.
            const Saved onTail(p);
            p.setClipPath(parts.tail.shape, Qt::IntersectClip);
            // Pigment across the rays: a dense core whose edges blur into
            // the green membrane, the rays showing faintly through it.
            const QPainterPath arc =
                curve(root + QPointF(44, -46), root + QPointF(12, 0), root + QPointF(44, 46));
            p.fillPath(ribbon(arc, {3.0, 7.0, 10.0, 11.4, 10.2, 7.2, 3.2}),
                       QColor(250, 140, 40, 70));
            p.fillPath(ribbon(arc, {2.0, 5.0, 7.4, 8.6, 7.6, 5.2, 2.2}), QColor(250, 140, 40, 225));
        }
        const Saved saved(p);
        p.setClipPath(parts.body.united(parts.tail.shape), Qt::IntersectClip);
        // The bar at the tail base wraps round the stalk, bowed like it and
        // thinning where it runs out onto the fin's edges.
        // Pigment in the scales of the stalk: its edges blur over a scale's
        // width, it is deeper orange-yellow at its heart, and the scale rows
        // run on through it.
        const auto bar = [&s](double f) {
            return wanderingEdges(bandAcross(s, 0.985,
                                             {3 * f, 7 * f, 10 * f, 10 * f, 10 * f, 7 * f, 3 * f},
                                             0, -0.02, -1.6, 1.6),
                                  4.1, 0.6);
        };
        p.fillPath(bar(1.3), QColor(252, 200, 40, 70));
        p.fillPath(bar(1.0), QColor(252, 204, 46, 235));
        p.fillPath(bar(0.6), QColor(248, 180, 36, 120));
        p.setClipPath(parts.body);
        paintScaleRows(p, bar(1.1).intersected(parts.body), s, s.depth * 0.105,
                       QColor(200, 130, 20, 110), 1.0, ScaleStyle::Flat);
        // Three salmon-pink blotches on the lower head, each with green
        // between it and the next: the largest on the cheek behind and below
        // the eye, one over the throat, a smaller, more orange one before
        // them towards the mouth. Their outlines are rounded but uneven, and
        // their edges soften over a little less than a scale's width.
        const std::vector<QPointF> cheek{{0.17, -0.1}, {0.22, -0.17}, {0.28, -0.13}, {0.32, 0.0},
                                         {0.3, 0.2},   {0.25, 0.3},   {0.2, 0.26},   {0.175, 0.08}};
        const std::vector<QPointF> throat{{0.13, 0.5},  {0.19, 0.43}, {0.26, 0.46}, {0.3, 0.58},
                                          {0.27, 0.76}, {0.21, 0.86}, {0.16, 0.78}, {0.125, 0.64}};
        const std::vector<QPointF> mouth{{0.095, 0.12}, {0.125, 0.08}, {0.145, 0.18},
                                         {0.14, 0.32},  {0.115, 0.37}, {0.095, 0.28}};
        const std::pair<const std::vector<QPointF> &, QColor> washes[] = {
            {cheek, QColor(240, 118, 112, 150)},
            {throat, QColor(222, 100, 122, 150)},
            {mouth, QColor(252, 150, 76, 170)}};
        QPainterPath pink;
        for (const auto &[corners, tone] : washes) {
            std::vector<QPointF> outline;
            for (const QPointF &c : corners)
                outline.push_back(s.at(c.x(), c.y()));
            const QPainterPath area = smoothClosedPath(outline.data(), int(outline.size()));
            for (const double width : {3.6, 1.8})
                stroke(p, area, withAlpha(tone, 36), width);
            p.fillPath(area, tone);
            pink = pink.united(area);
        }
        {
            // One wash of pigment over all three, more orange towards the
            // mouth and rosier back on the cheek, lying in the skin: the green
            // tints it, and it greys where the cheek turns away.
            const Saved inPink(p);
            p.setClipPath(pink, Qt::IntersectClip);
            QLinearGradient hue(s.at(0.06, 0.2), s.at(0.34, 0.2));
            hue.setColorAt(0, QColor(246, 138, 92, 150));
            hue.setColorAt(1, QColor(232, 112, 116, 145));
            p.fillRect(pink.boundingRect().adjusted(-4, -4, 4, 4), hue);
            QLinearGradient turn(s.at(0.2, -0.1), s.at(0.2, 0.8));
            turn.setColorAt(0, QColor(255, 240, 220, 45));
            turn.setColorAt(0.4, QColor(255, 240, 220, 0));
            turn.setColorAt(0.55, QColor(90, 120, 100, 0));
            turn.setColorAt(1, QColor(70, 110, 96, 110));
            p.fillRect(pink.boundingRect().adjusted(-4, -4, 4, 4), turn);
        }
        // The cheek's big green-edged scales show through the pink.
        paintCheekScales(p, s, 0.17, 0.22, QColor(10, 96, 72, 85), QColor(255, 226, 206, 40));
        // The gill cover's rear edge, darker where the flap overlaps the body,
        // so that the spot reads as lying on the cover itself.
        stroke(p,
               curveThrough(
                   {s.at(0.3, -0.62), s.at(0.335, -0.42), s.at(0.345, -0.1), s.at(0.325, 0.25)}),
               QColor(6, 60, 50, 120), 1.6);
        // The yellow spot on the upper edge of the gill cover: a patch of
        // pigment drawn out along the cover's edge, wider above than below,
        // its outline as uneven as the scales it covers.
        const QPointF spotAt = s.at(0.318, -0.5);
        const QPointF along = s.at(0.335, -0.42) - s.at(0.3, -0.62);
        const QPointF u = along / std::hypot(along.x(), along.y());
        const QPointF v(-u.y(), u.x());
        std::vector<QPointF> rim;
        for (int i = 0; i < 11; ++i) {
            const double a = 2 * std::numbers::pi * i / 11;
            const double r = 1.0 + 0.16 * std::sin(i * 2.3 + 0.4) + 0.1 * std::cos(i * 3.7);
            const double wide = 4.8 + 1.2 * std::cos(a);
            rim.push_back(spotAt + u * (7.2 * std::cos(a) * r) - v * (wide * std::sin(a) * r));
        }
        const QPainterPath patch = smoothClosedPath(rim.data(), int(rim.size()));
        const QRectF box = patch.boundingRect();
        QLinearGradient tone(box.topLeft(), box.bottomRight());
        tone.setColorAt(0, QColor(250, 224, 50));
        tone.setColorAt(1, QColor(232, 184, 28));
        stroke(p, patch, QColor(226, 190, 30, 90), 1.6);
        p.fillPath(patch, tone);
        // The cover's scales show faintly through the pigment.
        paintScaleRows(p, patch, s, std::max(8.0, s.depth * 0.15), QColor(150, 120, 10, 70), 0.7,
                       ScaleStyle::Large);
    });
}

// A long-bodied parrotfish, bronze-orange in front and green behind, with a
// green-blue beak, bronze fins edged green and long streaming tail lobes.
void paintRainbowParrotfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.3, 214, 0, {36, 230}, 40, QColor(160, 150, 100), {300, 230}, 110,
              QColor(160, 80, 140));
    // Heading down to graze, nose tipped towards the bottom.
    canvas.tilt({140, 126}, 6);
    const QColor bronze(222, 120, 36);
    // The rear is green with a bronze cast, deeper along the back.
    const QColor greenBack(46, 110, 52), greenFlank(84, 150, 66), greenBelly(124, 168, 84);
    const QColor margin(34, 150, 96);
    // A long oval about two and a half times as long as deep, back and
    // belly gently curved, a blunt head and a tapering tail stalk.
    Wrasse rainbow(BodyShape{{22, 128}, 238, 92, 0.42, 0.62, 0.3, 0.54, 0.05, 0.03, 0.75},
                   bronze.darker(135), bronze, QColor(244, 172, 92), QColor(226, 132, 48, 225),
                   QColor(140, 70, 26, 150), QColor(56, 172, 160), QColor(240, 170, 60), {60, 176},
                   0.46);
    rainbow.ownScales = true;
    rainbow.beak = 0.25;
    rainbow.pectoralEdge = withAlpha(margin, 200);
    paintWrasse(p, rainbow, [&](const WrasseParts &parts) {
        // Each fin is edged by a narrow, crisp band of green just inside its
        // free edge, a hair of bronze membrane left outside it.
        for (const Fin *f : {&parts.tail, &parts.dorsal, &parts.anal}) {
            const Saved inFin(p);
            QPainterPathStroker rim;
            rim.setWidth(1.4);
            p.setClipPath(f->shape.subtracted(rim.createStroke(f->edge)), Qt::IntersectClip);
            stroke(p, f->edge, withAlpha(margin, 230), 5.4);
        }
        const BodyShape &s = rainbow.shape;
        const Saved saved(p);
        p.setClipPath(parts.body, Qt::IntersectClip);
        // The colour changes scale by scale over several scales' length:
        // each scale bronze or green, the green ones more and more common
        // towards the tail, and only a few at the change of mixed colour.
        const double size = 13.0;
        const QRectF box = parts.body.boundingRect();
        const auto tone = [&](double green) {
            QLinearGradient down(box.topLeft(), box.bottomLeft());
            down.setColorAt(0, blend(bronze.darker(135), greenBack, green));
            down.setColorAt(0.5, blend(bronze, greenFlank, green));
            down.setColorAt(1, blend(QColor(244, 172, 92), greenBelly, green));
            return down;
        };
        const double from = 0.36;
        const double span = 0.3;
        // Under the scales the skin changes smoothly, so no gap between
        // them shows a colour of its own.
        for (int k = 1; k <= 12; ++k) {
            const double at = from + span * (k - 0.5) / 12;
            QPainterPath rear(s.at(at, -1.6));
            rear.lineTo(s.at(1.2, -1.6));
            rear.lineTo(s.at(1.2, 1.6));
            rear.lineTo(s.at(at, 1.6));
            rear.closeSubpath();
            p.setOpacity(1.0 / (13 - k));
            p.fillPath(rear, tone(1));
        }
        p.setOpacity(1);
        std::vector<Scale> scales = laidScales(s, size, 20);
        // From the tail forward, so each scale's free edge lies over the
        // front of the one behind it.
        std::stable_sort(scales.begin(), scales.end(),
                         [](const Scale &a, const Scale &b) { return a.along > b.along; });
        for (const Scale &k : scales) {
            if (k.along < from - 0.08)
                continue;
            const double u = std::clamp((k.along - from + 0.03 * k.across) / span, 0.0, 1.0);
            const double mixed = own(k.column, k.row, 0.8) - 0.5;
            const double odds = u + 0.9 * mixed * std::sin(std::numbers::pi * u);
            const double green = std::abs(odds - 0.5) < 0.05 ? 0.5 : odds > 0.5 ? 1.0 : 0.0;
            const QTransform at =
                QTransform().translate(k.centre.x(), k.centre.y()).rotate(k.angle);
            // Each scale's colour blurs out at its rim, not cut off there.
            for (const auto &[grow, opacity] : {std::pair{1.12, 0.35}, std::pair{0.92, 1.0}}) {
                p.setOpacity(opacity);
                p.fillPath(at.map(oval(QPointF(-k.length * 0.1, 0), k.length * 0.62 * grow,
                                       k.height * 1.05 * grow)),
                           tone(green));
            }
        }
        p.setOpacity(1);
        // The head is a solid of bone under bare skin: the blunt forehead
        // lit on its crown and darker bronze under the brow above the beak,
        // a paler cheek below the eye and the throat turning into shade.
        paintGlow(p, s.at(0.12, -0.65), s.depth * 0.32, QColor(252, 196, 130, 150));
        paintGlow(p, s.at(0.04, -0.25), s.depth * 0.2, QColor(110, 44, 8, 130));
        paintGlow(p, s.at(0.17, 0.25), s.depth * 0.22, QColor(246, 180, 110, 90));
        paintGlow(p, s.at(0.12, 0.85), s.depth * 0.28, QColor(100, 44, 16, 120));
        // Each large scale holds the light its own way, a little warmer or
        // cooler than its neighbours, and its rim is a deeper shade of
        // the colour it lies on, so the rows read from the gill cover to the
        // tail.
        tintScaleFaces(p, parts.body, scales, QColor(30, 70, 40), QColor(236, 176, 96), 24);
        paintScaleEdges(p, parts.body, scales, QColor(64, 46, 8, 130), 1.0);
        paintCheekScales(p, s, 0.13, 0.22, QColor(130, 54, 10, 90), QColor(255, 214, 160, 70));
    });
}

} // namespace fishart
