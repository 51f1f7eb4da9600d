// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <cmath>
#include <functional>
#include <numbers>
#include <tuple>
#include <utility>
#include <vector>

// Groupers: heavy heads and big mouths.

namespace fishart {

using namespace fishkit;

namespace {

// A grouper's big mouth, just parted, from the front of the upper lip at
// `tip` back to the `corner`: the broad plate of the upper jaw bone widening
// to a rounded rear end past the corner, a thick upper lip, and the heavy
// lower jaw jutting `jut` ahead of the upper with a thick lip of its own, its
// underside running back into the throat without an edge, inside the head's
// `body` but for the jutting lip. The lips and the maxilla are `heft` times
// the usual thickness, each lip rounded by light along its crown and shade
// under it.
void paintGrouperMouth(QPainter &p, const QPainterPath &body, QPointF tip, QPointF corner,
                       double jut, QColor skin, QColor line, double heft, double open = 0.06)
{
    const QPointF d = corner - tip;
    const double l = std::hypot(d.x(), d.y());
    const QPointF down = QPointF(-d.y(), d.x()) / l;
    // A point `u` of the way from tip to corner and `v` mouth-lengths below
    // the upper lip; the lower lip drops `open` below it at the front.
    const auto at = [&](double u, double v) { return tip + d * u + down * (v * l); };
    const auto low = [&](double u, double v) { return at(u, v + open * (1 - u) * (1 - u)); };
    const QPointF front = low(0, 0.02) - d / l * jut;
    const QPainterPath lowerLip =
        ribbon(curveThrough({front + down * (0.035 * l), low(0.3, 0.03), low(0.7, 0.022), corner}),
               {0.07 * l * heft, 0.062 * l * heft, 0.04 * l * heft, 0.01 * l});
    const QPainterPath lowerJaw =
        smoothClosedPath({front + down * (-0.02 * l), low(0.3, 0.0), low(0.7, 0.005), at(1.0, 0.0),
                          at(0.9, 0.16), low(0.5, 0.22), low(0.12, 0.2), front + down * (0.12 * l)})
            .intersected(body.united(lowerLip));
    // The jaw's skin thins out downwards into the throat's, so the scales and
    // the head's shading run on under it without an edge.
    QLinearGradient under(low(0.4, 0), low(0.4, 0.24));
    under.setColorAt(0.0, withAlpha(skin.lighter(104), 210));
    under.setColorAt(0.4, withAlpha(skin, 110));
    under.setColorAt(1.0, withAlpha(skin, 0));
    // A heavy jaw is round: lit on top, shaded below.
    p.fillPath(lowerJaw.subtracted(body), skin.darker(104));
    QLinearGradient chin(low(0.3, 0), low(0.3, 0.24));
    chin.setColorAt(0.0, withAlpha(skin.lighter(115), int(160 * (heft - 1))));
    chin.setColorAt(0.4, withAlpha(skin, 0));
    chin.setColorAt(1.0, withAlpha(line, int(150 * (heft - 1))));
    p.fillPath(lowerJaw, chin);
    p.fillPath(lowerJaw, under);
    // The lower lip is the jaw's own thick rim: lit along the top where it
    // meets the gape, falling into the shade of the jaw below it.
    {
        QLinearGradient rim(low(0.3, 0.0), low(0.3, 0.07 * heft));
        rim.setColorAt(0.0, withAlpha(skin.lighter(108), 140));
        rim.setColorAt(0.5, withAlpha(skin, 120));
        rim.setColorAt(1.0, withAlpha(skin.darker(115), int(180 * (heft - 1))));
        p.fillPath(lowerLip, rim);
    }
    strokeInside(p, lowerJaw,
                 curveThrough({low(0.08, 0.07), low(0.4, 0.065), low(0.8, 0.04), corner}),
                 withAlpha(line, 50), 1.2);
    strokeInside(p, lowerJaw.united(lowerLip),
                 curveThrough({front + down * (-0.01 * l), front + down * (0.07 * l),
                               low(0.06, 0.14), low(0.3, 0.17)}),
                 withAlpha(line, 130), 0.8);
    // The parted gape, dark inside but not black, the pale gum of the lower
    // jaw just showing along its floor; it sags a little along its length
    // and closes to a point at the corner.
    const QPainterPath gape = smoothClosedPath(
        {at(0.02, -0.005), at(0.5, 0.01), corner, low(0.55, 0.02), low(0.02, 0.016)});
    QLinearGradient deep(tip, corner);
    deep.setColorAt(0.0, line.lighter(122));
    deep.setColorAt(0.6, line);
    deep.setColorAt(1.0, line.darker(130));
    p.fillPath(gape, deep);
    strokeInside(p, gape, curveThrough({low(0.06, 0.018), low(0.4, 0.024), at(0.85, 0.012)}),
                 QColor(150, 96, 80, int(1000 * open)), 0.6 * open * l);
    // The broad maxilla under the cheek's skin, only its rear end edged,
    // reaching back past the corner.
    const QPainterPath maxilla = smoothClosedPath(
        {at(0.04, -0.03), at(0.45, -0.06 * heft), at(0.82, -0.14 * heft), at(1.04, -0.2 * heft),
         at(1.13, -0.12 * heft), at(1.08, -0.02), at(0.9, 0.0), at(0.04, 0.0)});
    QLinearGradient plate(at(0.8, -0.2 * heft), at(0.8, 0.0));
    plate.setColorAt(0.0, withAlpha(skin.lighter(108), 120));
    plate.setColorAt(1.0, withAlpha(skin.darker(110), 200));
    p.fillPath(maxilla, plate);
    // Its rear edge is a soft step in the cheek, shaded behind, not a drawn line.
    const QPainterPath rear = curveThrough(
        {at(0.75, -0.12 * heft), at(1.04, -0.205 * heft), at(1.13, -0.12 * heft), at(1.08, -0.02)});
    stroke(p, rear.translated(d / l * 1.0), withAlpha(line, 40), 2.4);
    stroke(p, rear, withAlpha(line, 85), 0.7);
    // The thick upper lip along the front of the gape.
    const QPainterPath upperLip =
        ribbon(curveThrough({at(0.0, -0.015), at(0.35, -0.02), at(0.75, -0.01)}),
               {0.06 * l * heft, 0.048 * l * heft, 0.018 * l});
    {
        QLinearGradient rim(at(0.3, -0.05), at(0.3, 0.0));
        rim.setColorAt(0.0, withAlpha(skin, 0));
        rim.setColorAt(0.6 / heft, withAlpha(skin.lighter(104 + int(8 * (heft - 1))), 160));
        rim.setColorAt(1.0, withAlpha(skin.darker(112), 170));
        p.fillPath(upperLip, rim);
    }
    // The lips stand out from the face: a soft shadow in the fold above the
    // upper lip and under the lower one, and light along the lower lip's crown.
    for (const auto &[from, mid, to, width] :
         {std::tuple{at(0.02, -0.07 * heft), at(0.4, -0.075 * heft), at(0.8, -0.05 * heft), 0.035},
          std::tuple{low(0.02, 0.1 * heft), low(0.4, 0.1 * heft), corner + down * (0.05 * l),
                     0.04}})
        stroke(p, curveThrough({from, mid, to}), withAlpha(line, int(55 * heft)), width * l);
    stroke(p, curveThrough({low(0.04, 0.035 * heft), low(0.35, 0.04 * heft), low(0.7, 0.03)}),
           withAlpha(skin.lighter(120), 60), 0.018 * l);
    stroke(p,
           curve(corner + down * 1.5 - d / l * 2, corner + d / l * 3 + down * 2,
                 corner + d / l * 2 + down * 5),
           withAlpha(line, 75), 1.0);
}

// The two groupers share one heavy build with a rounded tail and a big mouth;
// their size, head and pattern tell them apart.
struct Grouper
{
    BodyShape shape;
    QColor back, flank, belly, fin, ray, pelvic, iris;
    double eye = 7.5;
    double floor = 0; // the bottom it swims over, for its shadow; 0 for none
    double lips = 1;  // how thick its lips and maxilla are
};

// Paints the grouper, its pattern by `marks` (given the body with its dorsal
// and anal fins, and the tail) before the shading.
void paintGrouper(QPainter &p, const Grouper &g,
                  const std::function<void(const QPainterPath &, const QPainterPath &)> &marks)
{
    const BodyShape &s = g.shape;
    if (g.floor > 0)
        paintCastShadow(p, bodyOutline(s), g.floor);
    const Fin caudal = tail(TailKind::Rounded, s.at(1, 0) - QPointF(6, 0), s.depth * s.stalk + 8,
                            s.depth * 0.45, s.depth * 0.7);
    const QPointF lift(0, -s.depth * 0.14);
    // The spiny dorsal, its membrane hollowed a little between the spines,
    // runs into the higher, rounded soft dorsal.
    Fin dorsal;
    dorsal.base = QLineF(s.at(0.32, -0.95), s.at(0.9, -0.8));
    dorsal.edge = QPainterPath(s.at(0.32, -0.95));
    std::vector<std::pair<QPointF, QPointF>> spines;
    for (int i = 0; i < 11; ++i) {
        const double t = 0.335 + i * 0.03;
        // The third and fourth spines are the tallest.
        const double rise = i == 0 ? 0.6 : 1.05 - std::abs(i - 3.0) * 0.035;
        const QPointF tip = s.at(t, -1) + lift * rise + QPointF(2.5, 0);
        if (i > 0)
            dorsal.edge.quadTo(s.at(t - 0.016, -1) + lift * (rise * 0.68), tip);
        else
            dorsal.edge.lineTo(tip);
        spines.emplace_back(s.at(t - 0.004, -0.93), tip);
    }
    {
        // The soft dorsal's rounded edge is made by its ray tips: the
        // membrane dips a little between one tip and the next.
        QPainterPath round(dorsal.edge.currentPosition());
        round.cubicTo(s.at(0.7, -1) + lift * 1.9, s.at(0.88, -1) + lift * 1.9, s.at(0.9, -0.8));
        constexpr int tips = 14;
        QPointF last = round.pointAtPercent(0);
        for (int i = 1; i <= tips; ++i) {
            const QPointF tip = round.pointAtPercent(double(i) / tips);
            const QPointF mid = round.pointAtPercent((i - 0.5) / tips);
            const QPointF d = tip - last;
            const QPointF inward =
                QPointF(-d.y(), d.x()) / std::max(1e-6, std::hypot(d.x(), d.y())) * -1.1;
            dorsal.edge.quadTo(mid + inward * (i == tips ? 0.0 : 1.0), tip);
            last = tip;
        }
    }
    dorsal.shape = dorsal.edge;
    dorsal.shape.closeSubpath();
    const Fin anal =
        fin(s.at(0.7, 0.95), {s.at(0.8, 1) - lift * 1.5, s.at(0.92, 1) - lift}, s.at(0.92, 0.8));
    paintFin(p, caudal, g.fin, g.ray, 14);
    paintFin(p, dorsal, g.fin, g.ray, 20);
    {
        // The spiny part's membrane is dusky, each spine a firm darker line
        // standing just clear of it at the tip.
        const Saved clip(p);
        QPainterPath front;
        front.addRect(QRectF(0, 0, s.at(0.655, -1).x(), 240));
        p.setClipPath(dorsal.shape.intersected(front), Qt::IntersectClip);
        QLinearGradient dusk(s.at(0.4, -1.3), s.at(0.4, -0.9));
        dusk.setColorAt(0.0, withAlpha(g.back.darker(150), 150));
        dusk.setColorAt(1.0, withAlpha(g.back.darker(115), 120));
        p.fillRect(dorsal.shape.boundingRect(), dusk);
    }
    for (const auto &[root, tip] : spines)
        p.fillPath(
            ribbon(curve(root, (root + tip) / 2 + QPointF(0.6, 0), tip + (tip - root) * 0.06),
                   {1.6, 0.9, 0.3}),
            withAlpha(g.back.darker(190), 210));
    paintFin(p, anal, g.fin, g.ray, 8);
    const QPainterPath body = bodyOutline(s);
    fillBody(p, body, g.back, g.flank, g.belly);
    paintScaleRows(p, body, s, 6, withAlpha(g.back.darker(140), 70), 0.5);
    marks(body.united(dorsal.shape).united(anal.shape), caudal.shape);

    // The wide mouth with its jutting lower jaw, the gill cover and the
    // rounded pectoral and pelvic fins.
    modelBody(p, body, s.at(1, 0).x() - 4, g.back.darker(180), 1.1);
    // A big mouth: the gape reaches back below the rear of the eye, and the
    // lower jaw juts past the upper.
    const QPointF lip = s.snout + QPointF(1.5, 1.5), corner = s.at(0.25, 0.16);
    paintGrouperMouth(p, body, lip, corner, 1.5 * g.lips, g.flank.darker(108), QColor(60, 40, 28),
                      g.lips);
    stroke(p, curveThrough({s.at(0.33, -0.85), s.at(0.42, 0), s.at(0.32, 0.9)}),
           withAlpha(g.back.darker(160), 200), 1.5);
    // The pelvic fin sits under the pectoral, angled back and down from the
    // belly, rounded at its tip, its first ray stout along the front.
    const QPointF pelvicRoot = s.at(0.35, 0.88);
    paintFin(p,
             finAt(pelvicRoot,
                   {{0, 0}, {4, 9}, {11, 17}, {21, 22}, {29, 23}, {31, 18}, {25, 9}, {15, 1}}),
             g.pelvic, g.ray, 9);
    p.fillPath(ribbon(curveThrough({pelvicRoot, pelvicRoot + QPointF(6, 11),
                                    pelvicRoot + QPointF(16, 19.5), pelvicRoot + QPointF(27, 23)}),
                      {2.0, 1.5, 0.9, 0.3}),
               withAlpha(g.ray.darker(130), 150));
    const QPointF up = s.at(0.37, -0.02), down = s.at(0.375, 0.18);
    anatomy::paintGrownPectoral(
        p, up, down,
        {up + QPointF(24, -8), up + QPointF(38, 0), down + QPointF(36, 5), down + QPointF(18, 10)},
        withAlpha(g.flank, 225), withAlpha(g.fin.darker(135), 190), withAlpha(g.ray, 150));
    anatomy::paintNaturalEye(p, s.at(0.2, -0.42), g.eye, g.iris);
}

} // namespace

// A heavy tan grouper with five dark bars, a bar through the eye, a dark
// "tuning fork" on the forehead and a black saddle before the tail.
void paintNassauGrouper(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.3, 0, 196, {296, 210}, 46, QColor(150, 140, 100), {16, 206}, 140,
              QColor(150, 70, 140));
    const QColor bar(96, 64, 42, 210);
    const Grouper nassau(BodyShape{{22, 133}, 222, 94, 0.42, 0.66, 0.34, 0.55, 0, 0.03},
                         QColor(180, 154, 114), QColor(218, 196, 156), QColor(238, 226, 200),
                         QColor(196, 168, 128, 200), QColor(90, 60, 40, 160),
                         QColor(140, 100, 70, 220), QColor(180, 140, 70), 7.5, 214, 1.6);
    const BodyShape &s = nassau.shape;
    paintGrouper(p, nassau, [&](const QPainterPath &all, const QPainterPath &) {
        {
            // Ragged bars, slanting a little and running up into the dorsal fin.
            const Saved saved(p);
            p.setClipPath(all, Qt::IntersectClip);
            QRandomGenerator rng(44);
            // Each bar has its own slant and width and bends with the curve
            // of the flank, one coherent band whose edges are only a little
            // ragged.
            const double slants[] = {0.2, 0.07, 0.17, -0.05, 0.12};
            for (int i = 0; i < 5; ++i) {
                const double x = 106 + i * 31 - i * i * 0.6 + rng.bounded(5.0);
                const double half = 7.8 - i * 0.7 + rng.bounded(2.0);
                const auto edge = [&](double y, double side) {
                    const double swell = 1.0 + 0.1 * std::sin(y * 0.04 + i * 1.7);
                    return QPointF(x + side * half * swell + rng.bounded(2.4) - 1.2 -
                                       (y - 120) * slants[i] - (y - 120) * (y - 120) * 0.0012,
                                   y);
                };
                std::vector<QPointF> ring;
                for (double y = 40; y <= 190; y += 4)
                    ring.push_back(edge(y, 1));
                for (double y = 190; y >= 40; y -= 4)
                    ring.push_back(edge(y, -1));
                // The bar shades off at its edges into the tan over a few
                // scales, and is flecked with paler ones.
                const QPainterPath band = smoothClosedPath(ring.data(), int(ring.size()));
                QPainterPathStroker soft;
                soft.setJoinStyle(Qt::RoundJoin);
                for (const auto &[width, alpha] : {std::pair{9.0, 35}, {5.0, 50}}) {
                    soft.setWidth(width);
                    p.fillPath(soft.createStroke(band).united(band), withAlpha(bar, alpha));
                }
                const QColor core = i == 2 ? bar.darker(108) : bar;
                p.fillPath(band, withAlpha(core, 110));
                soft.setWidth(3.0);
                const QPainterPath inner = band.subtracted(soft.createStroke(band));
                p.fillPath(inner, core);
                anatomy::paintFreckles(p, inner.intersected(bodyOutline(s)), 7, 0.5, 2.4,
                                       QColor(214, 190, 150, 90), 4410 + i, s.at(0.5, 0), 80);
            }
            // Over the fins the pale flecks are no stamp: scattered unevenly,
            // some crowded and some alone, each drawn out along the rays,
            // faint or plain, small or as broad as a ray's gap.
            const QPainterPath fins = all.subtracted(bodyOutline(s));
            for (const QPointF &c : scatterPoints(fins, 70, 4420)) {
                const double r = 0.5 + 2.0 * std::pow(rng.generateDouble(), 2.0);
                const QColor fleck(226, 204, 164, 50 + rng.bounded(90));
                const Saved turn(p);
                p.translate(c);
                p.rotate(rng.bounded(40.0) - 20);
                paintDisc(p, {0, 0}, r * (0.5 + 0.3 * rng.generateDouble()), r * 1.4, fleck);
            }
            // The bar through the eye runs from the snout up to the dorsal's
            // origin, swelling behind the eye and fading out at both ends.
            const QPainterPath eyeBar =
                ribbon(curveThrough({s.at(0.03, 0.02), s.at(0.1, -0.2), s.at(0.2, -0.44),
                                     s.at(0.28, -0.72), s.at(0.35, -0.95)}),
                       {2, 4.5, 6.5, 5, 4.5, 1.5});
            QPainterPathStroker blur;
            blur.setWidth(4);
            blur.setJoinStyle(Qt::RoundJoin);
            p.fillPath(blur.createStroke(eyeBar).united(eyeBar), withAlpha(bar, 45));
            p.fillPath(eyeBar, withAlpha(bar, 140));
        }
        {
            // The tuning fork: a dark stem from the upper lip up the middle of
            // the snout, splitting on the forehead into two tines that bend
            // back over the nape and the top of the eye, clear of the eye bar,
            // tapering and softening where they end.
            const Saved saved(p);
            p.setClipPath(all, Qt::IntersectClip);
            const QColor fork(48, 28, 16, 235);
            const QPointF split = s.at(0.1, -0.78);
            const QPainterPath stem = ribbon(
                curveThrough({s.at(0.012, -0.22), s.at(0.035, -0.45), s.at(0.06, -0.64), split}),
                {3.4, 4.4, 5.4, 5.8});
            const QPainterPath upperTine =
                ribbon(curveThrough({split, s.at(0.15, -0.96), s.at(0.2, -1.07), s.at(0.255, -1.1),
                                     s.at(0.3, -1.04)}),
                       {5.4, 5.0, 4.2, 3.0, 0.8});
            const QPainterPath lowerTine =
                ribbon(curveThrough({split, s.at(0.14, -0.7), s.at(0.185, -0.63),
                                     s.at(0.235, -0.64), s.at(0.29, -0.74)}),
                       {5.2, 4.6, 3.8, 2.6, 0.6});
            const QPainterPath mark = stem.united(upperTine).united(lowerTine);
            // Pigment, not ink: the fork's edge thins out into the tan.
            stroke(p, mark, withAlpha(fork, 28), 3.2);
            stroke(p, mark, withAlpha(fork, 60), 1.4);
            p.fillPath(mark, withAlpha(fork, 215));
        }
        const QPainterPath body = bodyOutline(s);
        {
            // The saddle lies in the skin over the tail stalk, behind the soft
            // dorsal, fading at its edges into the tan.
            const Saved saved(p);
            p.setClipPath(body, Qt::IntersectClip);
            const QPointF centre = s.at(0.97, -0.95);
            for (int i = 5; i >= 0; --i) {
                QTransform grow;
                grow.translate(centre.x(), centre.y());
                grow.scale(1 + i * 0.07, 1 + i * 0.09);
                grow.translate(-centre.x(), -centre.y());
                p.fillPath(grow.map(smoothClosedPath({s.at(0.91, -1.3), s.at(1.02, -1.3),
                                                      s.at(1.02, -0.35), s.at(0.93, -0.4)})),
                           QColor(14, 10, 8, i == 0 ? 200 : 36));
            }
        }
        anatomy::paintFreckles(p, body, 11, 0.5, 1.8, QColor(250, 240, 220, 110), 4401,
                               s.at(0.5, 0), 90);
        anatomy::paintFreckles(p, body.intersected(oval(s.at(0.22, -0.1), 30, 20)), 4.6, 0.4, 1.3,
                               QColor(60, 40, 25), 44, s.at(0.2, -0.15), 18);
    });
}

// A massive grouper filling the picture, small grunts schooling behind it
// for its size: a broad, flat-topped head with a small eye and a jutting
// lower jaw, rounded fins, brown-yellow to olive with small black spots over
// head, body and fins and faint dark blotches.
void paintSpottedJewfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.45, 0, 214, {}, 0, {});
    // French grunts of a hand's length schooling up and behind a fish of
    // more than 2 m, clear of its fins: a ruler any diver can read.
    paintGruntSchool(p, QRectF(120, 4, 170, 46), 26, 11, 45);

    // A broad, flattish head sloping straight down to the snout, the back
    // rising behind it in a low hump, a long straight belly, a deep tail
    // stalk, and the heavy lower jaw jutting past the upper.
    const QPainterPath body =
        smoothClosedPath({{5, 137},   {14, 124},  {30, 109},  {56, 96},   {90, 82},   {122, 70},
                          {160, 64},  {200, 66},  {236, 80},  {260, 100}, {276, 110}, {276, 156},
                          {258, 166}, {224, 182}, {176, 194}, {128, 200}, {90, 198},  {60, 188},
                          {34, 178},  {16, 170},  {6, 162},   {2, 154},   {3, 145}});
    paintCastShadow(p, body, 228);
    const QColor olive(132, 116, 66), dark(90, 76, 40), pale(196, 182, 130);
    const QColor membrane(118, 102, 60, 205), rays(56, 46, 26, 160);
    const QColor black(22, 18, 12);
    const Fin caudal =
        finAt({270, 133}, {{0, -24}, {22, -54}, {44, -40}, {50, 0}, {44, 40}, {22, 54}, {0, 24}});
    // One long, low dorsal: the short spines rise little from the back and
    // run on without a notch into the soft part, a little higher and
    // rounded behind.
    const Fin spiny = fin({118, 72}, {{125, 63}, {140, 59}, {156, 57}, {170, 56}}, {182, 64});
    const Fin soft = fin({172, 64}, {{190, 55}, {220, 51}, {246, 60}, {261, 84}}, {262, 104});
    const Fin anal = fin({216, 180}, {{230, 204}, {250, 204}, {262, 184}}, {266, 158});
    const QPainterPath fins =
        caudal.shape.united(spiny.shape).united(soft.shape).united(anal.shape);
    paintFin(p, caudal, membrane, rays, 18);
    paintFin(p, spiny, membrane.darker(110), rays, 9);
    paintFin(p, soft, membrane, rays, 15);
    paintFin(p, anal, membrane, rays, 9);
    fillBody(p, body, dark, olive, pale, 0.5);
    // Small scales in rows that follow the body's own curve, finer on the
    // head and towards the tail stalk.
    paintScaleRows(p, body, BodyShape{{3, 142}, 270, 134, 0.45, 0.85, 0.34, 0.58}, 5,
                   withAlpha(dark.darker(140), 60), 0.5, ScaleStyle::Fine);
    {
        // Faint, irregular dark blotches gathered into broken slanting bars.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        QRandomGenerator rng(45);
        for (const double x : {108.0, 150.0, 192.0, 232.0, 266.0}) {
            for (double y = 76 + rng.bounded(10.0); y < 200; y += 24 + rng.bounded(14.0)) {
                const QPointF c(x + rng.bounded(14.0) - (y - 130) * 0.18, y);
                std::vector<QPointF> ragged;
                const double r = 8 + rng.bounded(7.0);
                for (int k = 0; k < 13; ++k) {
                    const double a = k * 2 * std::numbers::pi / 13;
                    const double reach = r * (0.72 + rng.bounded(0.4));
                    ragged.push_back(c + QPointF(std::cos(a) * reach * 0.8, std::sin(a) * reach));
                }
                // Each blotch melts into the olive from a denser core, with no edge.
                const QPainterPath blotch = smoothClosedPath(ragged.data(), int(ragged.size()));
                const int alpha = 50 + int(rng.bounded(45));
                QRadialGradient melt(c, r * 1.3);
                melt.setColorAt(0.0, QColor(58, 46, 20, alpha));
                melt.setColorAt(0.55, QColor(58, 46, 20, alpha * 4 / 5));
                melt.setColorAt(1.0, QColor(58, 46, 20, 0));
                p.fillPath(QTransform()
                               .translate(c.x(), c.y())
                               .scale(1.3, 1.3)
                               .translate(-c.x(), -c.y())
                               .map(blotch),
                           melt);
            }
        }
    }
    {
        // Small dark spots, spaced as pigment spots are, not in random
        // clumps: crowded and largest on the head, fewer and smaller back
        // over the flank, finer again out on the fins; each a little out of
        // round and foreshortened where the body turns away at the back and
        // belly, some crisp and some blurred.
        const Saved s(p);
        p.setClipPath(body.united(fins), Qt::IntersectClip);
        QRandomGenerator rng(4500);
        const QRectF box = body.boundingRect();
        for (const QPointF &c : spreadPoints(body.united(fins), 5.2, 2.0, 451)) {
            const bool onFin = !body.contains(c);
            const double back = std::clamp((c.x() - 40) / 200.0, 0.0, 1.0);
            const double keep = onFin ? 0.45 : 0.8 - 0.62 * back;
            if (rng.generateDouble() >= keep)
                continue;
            const double edge = std::abs(c.y() - box.center().y() + 6) / (box.height() / 2);
            const double r =
                (0.5 + 0.55 * (1.0 - back) + rng.generateDouble() * 0.35) * (onFin ? 0.75 : 1.0);
            const double squash = onFin ? 1.0 : 1.0 - 0.45 * std::clamp(edge, 0.0, 1.0) * edge;
            const QColor ink(24, 18, 10, 130 + int(rng.bounded(100)));
            if (rng.bounded(3) == 0)
                paintDisc(p, c, r * 1.6, r * 1.5 * squash, withAlpha(ink, ink.alpha() / 4));
            paintDisc(p, c, r * (1.0 + 0.2 * rng.generateDouble()), r * squash, ink);
        }
    }
    modelBody(p, body, 270, QColor(60, 48, 24), 1.1);

    // The huge mouth closed as a resting Goliath breathes: the broad upper
    // jaw plate reaching back past the eye, thick lips, and the heavy lower
    // jaw jutting past the upper.
    paintGrouperMouth(p, body, {8, 142}, {70, 156}, 5.0, olive.darker(106), QColor(34, 24, 16), 1,
                      0.03);
    // The gill cover far back on the broad head, in bony plates: the
    // preopercle's rounded edge behind the cheek, sweeping forward under it,
    // then the broad opercle whose rear edge bears three flat blunt spines,
    // the gill flap overlapping the flank behind it, and the seam of the
    // interopercle below.
    // On so big a head the seams are soft folds of thick skin, barely
    // darker than it, not drawn lines.
    const QColor bone = dark.darker(118);
    paintGlow(p, {104, 118}, 20, withAlpha(pale, 55));
    // The head is broad and flat on top: that flat face catches the light
    // from above in a band along the profile, and the head's side turns
    // down from it at a soft shoulder over the eye.
    strokeInside(p, body, curveThrough({{16, 125}, {32, 112.5}, {58, 100.5}, {92, 87.5}}),
                 withAlpha(pale.lighter(108), 50), 9.0);
    strokeInside(p, body, curveThrough({{22, 131}, {38, 119.5}, {62, 107.5}, {94, 95}}),
                 withAlpha(dark, 26), 5.0);
    paintGlow(p, {80, 134}, 16, withAlpha(pale, 35));
    anatomy::paintPlateEdge(
        p, curveThrough({{83, 100}, {87.5, 120}, {88.5, 140}, {85, 156}, {77, 165}, {65, 170}}),
        {1.6, 0.3}, olive, bone, 0.75);
    // The interopercle's seam leaves the preopercle's corner without crossing it.
    anatomy::paintPlateEdge(p, curveThrough({{80, 166.5}, {88, 172.5}, {97, 176.5}}), {0.2, 0.9},
                            olive, bone, 0.5);
    anatomy::paintPlateEdge(p,
                            curveThrough({{104, 96},
                                          {110.5, 110},
                                          {114, 120},
                                          {115.5, 123},
                                          {113.5, 127.5},
                                          {116, 133},
                                          {114, 141},
                                          {110, 153},
                                          {103.5, 166},
                                          {96, 178}}),
                            {2.4, 0.4}, olive, bone, 1.0);
    // The pelvic fin hangs under the pectoral, angled back and down from
    // the belly, its stout first ray along the front; the pectoral is a big
    // rounded fan, lying back against the flank, its rim shaped by the tips
    // of its rays, the longest in the middle.
    const Fin pelvic =
        fin({106, 191}, {{111, 201}, {121, 211}, {135, 218}, {148, 219}, {151, 213}}, {130, 195});
    paintFin(p, pelvic, withAlpha(membrane, 225), rays, 9);
    p.fillPath(ribbon(curveThrough({{107, 191}, {118, 206}, {134, 216.5}, {147, 218.6}}),
                      {2.4, 1.8, 1.1, 0.4}),
               withAlpha(dark, 170));
    const QPainterPath pectoral = anatomy::paintGrownPectoral(
        p, {113, 127}, {115, 153},
        {{128, 121}, {148, 121}, {165, 127}, {175, 139}, {171, 152}, {155, 160}, {133, 161}},
        QColor(128, 112, 66, 225), QColor(122, 108, 66, 150), withAlpha(rays, 120));
    // The fins carry the body's small spots, smaller and crowding out
    // towards their rims, few on the fleshy bases.
    for (const auto &[f, base] :
         {std::pair{pelvic.shape, QPointF(110, 193)}, std::pair{pectoral, QPointF(114, 140)}}) {
        const double reach = f.boundingRect().width();
        for (const QPointF &c : scatterPoints(f, 70, 4545)) {
            const double out = QLineF(base, c).length() / reach;
            const double hash = std::fmod(c.x() * 37.0 + c.y() * 53.0, 90.0) / 90.0;
            if (hash > out * 1.3)
                continue;
            const double r = 0.28 + 0.35 * hash + 0.2 * (1.0 - out);
            paintDisc(p, c, r * 1.1, r, withAlpha(black, 140 + int(70 * hash)));
        }
    }
    anatomy::paintNaturalEye(p, {56, 114}, 5.2, QColor(160, 130, 60), 0.55);
}

} // namespace fishart
