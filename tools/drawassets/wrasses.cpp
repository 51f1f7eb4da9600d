// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "labrid.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <vector>

// Wrasses: cigar-shaped, small-mouthed, crescent tails.

namespace fishart {

using namespace fishkit;
using namespace labrid;

// The bluehead wrasse's terminal male: a blue head, then two black bands with
// a pale band between them behind the pectoral fin, and a green body.
void paintBluegreenWrasse(QPainter &p, double w, double h)
{
    Canvas canvas(p, w, h);
    paintReef(p, 0.3, 0, 0, {70, 250}, 80, QColor(190, 160, 90), {270, 240}, 120,
              QColor(120, 60, 140));
    canvas.faceRight();
    const QColor green(40, 170, 120);
    // A slender cigar, its depth under a quarter of its length: a small
    // pointed snout, the back and belly curving alike and gently, and the
    // body tapering little by little to a narrow stalk, flexing a little as
    // the fish rows along with its pectorals.
    Wrasse wrasse(
        BodyShape{{38, 122}, 214, 50, 0.36, 0.62, 0.26, 0.53, 0.05, 0.04, 0.7, 0.0, 0, 0.03},
        green.darker(140), green, QColor(140, 220, 180), QColor(60, 150, 150, 225),
        QColor(20, 80, 90, 140), Qt::transparent, QColor(210, 90, 80), {42, 76}, 0.56, 0.27, 0.5,
        0.22, 0.27, {0.1, -0.36}, QColor(10, 20, 40, 230));
    // Round in section, not flat like a parrotfish: it is shaded deeply
    // over the back and under the belly.
    wrasse.modelling = 1.7;
    wrasse.spines = 8;
    wrasse.softRays = 12;
    const BodyShape &s = wrasse.shape;
    paintWrasse(p, wrasse, [&](const WrasseParts &parts) {
        // The dark edging broadest out along the lobes, thin in the crescent.
        paintSoftMargin(p, parts.tail, QColor(20, 60, 90, 230),
                        {5.0, 4.2, 2.6, 1.4, 2.6, 4.2, 5.0});
        const Saved saved(p);
        p.setClipPath(parts.body, Qt::IntersectClip);
        // The green is not one flat tone: each scale shines its own way,
        // some bluer, some more yellow-green.
        tintScales(p, s, std::max(8.0, s.depth * 0.115), QColor(40, 150, 170), QColor(120, 200, 90),
                   35);
        // The blue of the head ends just behind the gill opening and follows
        // its curve: furthest back at mid-flank, sweeping forward over the
        // nape and the throat.
        QPainterPath head(s.snout - QPointF(20, 60));
        for (int k = 0; k <= 10; ++k) {
            const double across = -1.3 + 0.26 * k;
            head.lineTo(s.at(0.32 - 0.045 * across * across + 0.006 * std::sin(k * 2.1), across));
        }
        head.lineTo(s.snout + QPointF(-20, 60));
        head.closeSubpath();
        // The head is a solid: lit on the cheek, turning away into deeper
        // blue over the forehead and nape and under the throat.
        QRadialGradient blue(s.at(0.15, 0.12), s.depth * 0.8, s.at(0.13, 0.25));
        blue.setColorAt(0, QColor(86, 146, 240));
        blue.setColorAt(0.5, QColor(44, 96, 216));
        blue.setColorAt(1, QColor(14, 40, 160));
        p.fillPath(head, blue);
        // Two black bands with a pale one between, wrapping round the body
        // behind the head and narrowing over the back and belly.
        const QColor black(14, 16, 24);
        // Each follows the curve of the head behind it, a little uneven in width.
        p.fillPath(bandAcross(s, 0.29, {7, 12, 16, 18, 17, 13, 8}, 0.01, 0.07, -1.3, 1.3), black);
        p.fillPath(bandAcross(s, 0.445, {6, 10, 13, 12, 11, 9, 5}, -0.01, 0.045, -1.3, 1.3), black);
        const QPainterPath pale =
            bandAcross(s, 0.38, {7, 12, 14, 13, 14, 11, 7}, 0, 0.055, -1.3, 1.3);
        p.fillPath(pale, QColor(175, 218, 238));
        // Pigment, not tape: the black blurs a little into the pale band.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(black, 70), 1.6));
        p.drawPath(pale);
        // The bands are colour in the scaled skin: the scale rows run on
        // through them, lit edges on the black, shaded ones on the pale.
        const double size = std::max(8.0, s.depth * 0.115);
        paintScaleRows(p, parts.body.intersected(pale), s, size, QColor(60, 110, 140, 80), 0.9);
        paintScaleRows(
            p,
            bandAcross(s, 0.29, {7, 12, 16, 18, 17, 13, 8}, 0.01, 0.07, -1.3, 1.3)
                .united(bandAcross(s, 0.445, {6, 10, 13, 12, 11, 9, 5}, -0.01, 0.045, -1.3, 1.3))
                .subtracted(pale),
            s, size, QColor(120, 140, 170, 70), 0.9);
    });
    // The small terminal mouth at the tip of the snout: thin lips a deeper
    // blue than the head, closed on a short gape.
    const QPointF tip = s.snout + QPointF(0.8, 0.6);
    const QColor lip(22, 46, 140);
    p.fillPath(ribbon(curve(s.at(0.05, -0.16), tip + QPointF(3, -1.6), tip), {0.6, 1.5, 1.1}),
               withAlpha(lip, 200));
    p.fillPath(ribbon(curve(tip + QPointF(0, 0.6), tip + QPointF(3, 2), s.at(0.045, 0.12)),
                      {1.0, 1.2, 0.5}),
               withAlpha(lip.lighter(130), 190));
    stroke(p, curve(tip + QPointF(-0.2, 0.3), tip + QPointF(3.4, 0.6), s.at(0.04, 0.03)),
           QColor(8, 16, 50, 190), 0.7);
}

// A big pinkish wrasse with a long pig-like snout, a dark patch over the
// snout, three long dorsal filaments and a black spot at the rear of the dorsal.
void paintHogfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.4, 212, 0, {46, 226}, 40, QColor(160, 130, 150));
    Wrasse hogfish(BodyShape{{20, 140}, 236, 96, 0.4, 0.25, 0.26, 0.64, 0.12, 0.05, 0.5},
                   QColor(214, 160, 156), QColor(236, 200, 194), QColor(248, 238, 232),
                   QColor(214, 146, 144, 235), QColor(150, 86, 86, 150), Qt::transparent,
                   QColor(210, 80, 60), {70, 156}, 0.42, 0.36, 0.62, 0.21, 0.44, {0.27, -0.6});
    // Fourteen spines, the first three drawn out into filaments.
    hogfish.spines = 14;
    hogfish.softRays = 11;
    const BodyShape &s = hogfish.shape;
    paintWrasse(p, hogfish, [&](const WrasseParts &parts) {
        // The first three dorsal spines run on as long filaments, leaning
        // back side by side like the spines behind them; the membrane joins
        // each to the next for part of its height and the rest stands free.
        const Fin &dorsal = parts.dorsal;
        const double count = double(dorsal.tips.size());
        QPainterPath water;
        water.addRect(Canvas::frame);
        const Saved outside(p);
        p.setClipPath(water.subtracted(parts.body), Qt::IntersectClip);
        const auto root = [&](int i) { return dorsal.base.pointAt((i + 0.5) / count); };
        // They fan apart as they rise, the first nearly upright and each
        // behind it leaning further back, so that all three stand clear.
        const auto spineEnd = [&](int i) {
            if (i >= 3)
                return dorsal.tips[size_t(i)];
            const QPointF lean(0.22 + 0.36 * i, -1);
            return root(i) + lean / std::hypot(lean.x(), lean.y()) * (74.0 - 5.0 * i);
        };
        const QColor spineColour(176, 104, 104);
        // Each filament is a flexible spine: it springs from the fin's base
        // stiff and nearly straight, then bows and its tip trails back in
        // the water, each a little differently.
        const auto filamentOf = [&](int i) {
            const QPointF a = root(i), end = spineEnd(i);
            const QPointF up = end - a;
            const double bend = 1.0 + 0.35 * i;
            return curveThrough({a, a + up * 0.38 + QPointF(-1.4 * bend, 0),
                                 a + up * 0.72 + QPointF(0.4 * bend, 0.6),
                                 end + QPointF(6.5 * bend, 5.5 + 1.5 * i)});
        };
        for (int i = 2; i >= 0; --i) {
            const QPointF a = root(i);
            const QPointF next = spineEnd(i + 1);
            const QPointF nextRoot = root(i + 1);
            const QPainterPath filament = filamentOf(i);
            // The membrane climbs most of the way up each filament, thinning
            // as it goes, and its edge sags between them.
            const QPointF high = filament.pointAtPercent(0.74);
            const QPointF low = i < 2 ? filamentOf(i + 1).pointAtPercent(0.7) : next;
            QPainterPath membrane(a);
            for (int k = 1; k <= 12; ++k)
                membrane.lineTo(filament.pointAtPercent(0.74 * k / 12.0));
            membrane.quadTo((high + low) / 2 + QPointF(4, 6), low);
            membrane.lineTo(nextRoot);
            membrane.closeSubpath();
            QLinearGradient thin(a, high);
            thin.setColorAt(0, withAlpha(hogfish.fin, 235));
            thin.setColorAt(1, withAlpha(hogfish.fin.lighter(106), 175));
            p.fillPath(membrane, thin);
            // Fine folds in the membrane fan up from the base towards its edge.
            {
                const Saved folds(p);
                p.setClipPath(membrane, Qt::IntersectClip);
                for (int k = 1; k <= 3; ++k) {
                    const double u = k / 4.0 + 0.04 * std::sin(i * 2.1 + k);
                    const QPointF from = a + (nextRoot - a) * u;
                    const QPointF to = high + (low - high) * u;
                    stroke(p, curve(from, (from + to) / 2 + QPointF(-0.6, 0), to),
                           withAlpha(spineColour, 45), 0.5);
                }
            }
            // Past the membrane's edge a narrow flag of skin trails each
            // filament, so that it grows thinner rather than ending in a stick.
            const QPointF tip = filament.pointAtPercent(1.0);
            p.fillPath(ribbon(QTransform::fromTranslate(1.4, 0.6).map(
                                  curve(high, filament.pointAtPercent(0.87), tip)),
                              {2.6, 1.6, 0.3}),
                       withAlpha(hogfish.fin, 110));
            // A stout spine, round in section: shaded along its rear side,
            // lit along its front, broad at its root and tapering to a hair.
            QLinearGradient ray(a, tip);
            ray.setColorAt(0, withAlpha(spineColour.darker(118), 240));
            ray.setColorAt(0.6, withAlpha(spineColour, 220));
            ray.setColorAt(1, withAlpha(spineColour.lighter(115), 160));
            p.fillPath(ribbon(filament, {3.4, 2.4, 1.4, 0.8, 0.3}), ray);
            p.fillPath(ribbon(QTransform::fromTranslate(-0.5, 0).map(filament), {1.2, 0.8, 0.4, 0}),
                       QColor(255, 226, 222, 110));
        }
        p.setClipping(false);
        // The black spot at the rear base of the soft dorsal fin, half on the
        // fin: pigment, so its edge is uneven and soft, denser on the body
        // than on the thin membrane above, where the rays cross it.
        const QPointF spot = rimPoint(parts.body, dorsal.base.pointAt(0.95), -1) + QPointF(0, -1);
        std::vector<QPointF> rim;
        for (int i = 0; i < 10; ++i) {
            const double a = 2 * std::numbers::pi * i / 10;
            const double r = 1.0 + 0.12 * std::sin(i * 2.9 + 1.1) + 0.07 * std::cos(i * 4.3);
            rim.push_back(spot + QPointF(std::cos(a) * 7.2 * r, std::sin(a) * 6.2 * r));
        }
        const QPainterPath patch = smoothClosedPath(rim.data(), int(rim.size()));
        for (const auto &[grow, alpha] : {std::pair{1.16, 60}, std::pair{1.06, 150},
                                          std::pair{0.96, 225}, std::pair{0.84, 250}}) {
            const QTransform t = QTransform::fromTranslate(spot.x(), spot.y())
                                     .scale(grow, grow)
                                     .translate(-spot.x(), -spot.y());
            p.fillPath(t.map(patch).intersected(parts.body), QColor(20, 15, 18, alpha));
            p.fillPath(t.map(patch).subtracted(parts.body).intersected(dorsal.shape),
                       QColor(20, 15, 18, alpha * 3 / 4));
        }
        const Saved rays(p);
        p.setClipPath(patch.subtracted(parts.body).intersected(dorsal.shape));
        for (int i = 0; i < 4; ++i) {
            const QPointF root = spot + QPointF(-6 + i * 4.0, 1);
            stroke(p, curve(root, root + QPointF(1.5, -4), root + QPointF(3.5, -9)),
                   QColor(120, 90, 95, 90), 0.6);
        }
        p.setClipPath(parts.body);
        // The male's dark patch covers the whole upper snout and forehead
        // above a line from the lips to over the eye and back to the nape;
        // pigment, so it is dense within and its edge soft.
        // Its lower edge is not ruled: it dips and bulges as it climbs from
        // the lips past the eye to the nape.
        const QPainterPath mask = smoothClosedPath(
            {s.at(0.0, -0.08), s.at(0.04, -1.4), s.at(0.34, -1.5), s.at(0.385, -1.02),
             s.at(0.345, -0.92), s.at(0.3, -0.76), s.at(0.262, -0.7), s.at(0.235, -0.54),
             s.at(0.2, -0.5), s.at(0.16, -0.34), s.at(0.12, -0.3), s.at(0.08, -0.17),
             s.at(0.04, -0.13), s.at(0.02, -0.05)});
        const QPointF middle = s.at(0.16, -0.7);
        for (const auto &[grow, alpha] : {std::pair{1.12, 35}, std::pair{1.06, 70},
                                          std::pair{1.0, 120}, std::pair{0.92, 150}}) {
            const QTransform t = QTransform::fromTranslate(middle.x(), middle.y())
                                     .scale(grow, grow)
                                     .translate(-middle.x(), -middle.y());
            p.fillPath(t.map(mask), QColor(92, 40, 44, alpha));
        }
        // The pigment is uneven, clouded darker and lighter, and lies on
        // the rounded head: lit along the ridge of the snout and forehead,
        // deepest where it turns down over the cheek.
        const Saved onPatch(p);
        p.setClipPath(mask, Qt::IntersectClip);
        for (int i = 0; i < 9; ++i) {
            const QPointF at = s.at(0.04 + 0.035 * i + 0.012 * std::sin(i * 2.7),
                                    -0.35 - 0.55 * std::abs(std::sin(i * 1.9 + 0.4)));
            paintGlow(p, at, 5.0 + 3.5 * std::abs(std::sin(i * 3.3)),
                      i % 2 ? QColor(50, 16, 22, 70) : QColor(150, 84, 84, 45));
        }
        QLinearGradient round(s.at(0.15, -1.1), s.at(0.15, -0.3));
        round.setColorAt(0, QColor(255, 230, 225, 24));
        round.setColorAt(0.35, QColor(255, 230, 225, 0));
        round.setColorAt(0.75, QColor(40, 10, 16, 0));
        round.setColorAt(1, QColor(40, 10, 16, 70));
        p.fillPath(mask, round);
    });
    // The thick, fleshy lips at the tip of the snout, which it roots in the
    // sand with.
    const QPointF tip = s.snout + QPointF(1.5, 1);
    const QColor lip(150, 90, 90);
    p.fillPath(ribbon(curve(s.at(0.075, -0.15), tip + QPointF(4, -3), tip + QPointF(-0.5, -0.5)),
                      {0.8, 2.4, 2.2, 1.2}),
               withAlpha(lip, 210));
    p.fillPath(ribbon(curve(tip + QPointF(0, 0.7), tip + QPointF(4, 3.2), s.at(0.065, 0.11)),
                      {1.0, 2.0, 1.7, 0.7}),
               withAlpha(lip.lighter(118), 200));
    // The gape between them, shadowed where the lips part.
    stroke(p, curve(tip + QPointF(-0.3, 0.15), tip + QPointF(4, 0.6), s.at(0.06, 0.01)),
           QColor(60, 30, 34, 170), 0.7);
}

} // namespace fishart
