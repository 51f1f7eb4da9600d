// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "angelkit.h"
#include "fishart.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QPen>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>
#include <vector>

// Angelfish: tall discs with trailing fin points.

namespace fishart {

using namespace fishkit;
using namespace angelkit;

namespace {

// The yellow along the edges of a fin's trailing point, which runs out from
// `from` to its tip at `to`: pigment in the membrane's rim, faint where the
// point leaves the fin and strongest towards its end.
void paintTrailEdge(QPainter &p, const Fin &f, double from, double to, QColor colour)
{
    if (Silhouette::active(p))
        return;
    const Saved s(p);
    p.setClipPath(f.shape, Qt::IntersectClip);
    QPainterPath behind;
    behind.addRect(QRectF(from, 0, to - from + 20, 240));
    p.setClipPath(behind, Qt::IntersectClip);
    p.setBrush(Qt::NoBrush);
    for (const auto &[width, alpha] : {std::pair{5.0, 90}, std::pair{3.0, 235}}) {
        QLinearGradient out(QPointF(from, 0), QPointF(to, 0));
        out.setColorAt(0, withAlpha(colour, 0));
        out.setColorAt(0.3, withAlpha(colour, alpha * 2 / 3));
        out.setColorAt(0.6, withAlpha(colour, alpha));
        out.setColorAt(1, withAlpha(colour, alpha));
        QPen pen(QBrush(out), width);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        p.drawPath(f.edge);
    }
}

// The Gray Angelfish's dorsal fin of `a`, shaped by `form`. The spiny part
// is low and short: its nine spines are joined by membrane almost to their
// tips, so its edge is a row of shallow scallops with only the points of the
// spines standing free, and it runs on up into the tall soft part.
Fin lowSpinyDorsal(const Build &a, const AngelForm &form)
{
    const BodyShape &s = a.shape;
    const double d = s.depth;
    const auto out = [&s, d](double along, double rise) {
        return s.at(along, -1) - QPointF(0, d * rise);
    };
    const auto behind = [&s, d](double x, double height) {
        return QPointF(s.at(1, 0).x() + x, s.snout.y() - d * height);
    };
    constexpr int spines = 9;
    constexpr int count = 33;
    Fin f;
    f.base = QLineF(s.at(0.3, -0.9), s.at(0.96, -0.5));
    f.spines = spines;
    // Each spine a little longer than the one before, some a little short.
    for (int i = 0; i < spines; ++i)
        f.tips.push_back(out(0.318 + 0.02 * i,
                             0.058 + 0.005 * i - 0.008 * std::pow(std::sin(i * 2.7 + 1.3), 2)));
    const QPainterPath soft = curveThrough(
        {out(0.495, 0.1), out(0.54, 0.18), out(0.62, form.lobe * 0.86), out(0.8, form.lobe),
         behind(6, form.corner), behind(form.trail.x(), form.trail.y()),
         behind(2, form.corner - 0.1), f.base.p2()});
    for (int i = spines; i < count; ++i)
        f.tips.push_back(soft.pointAtPercent((i - spines + 0.2) / (count - spines + 0.4)));
    // The membrane reaches to a unit below each spine's point and sags a
    // little between two spines.
    const auto held = [&f](int i) {
        const QPointF down = f.base.pointAt((i + 0.5) / count) - f.tips[size_t(i)];
        return f.tips[size_t(i)] + down / std::hypot(down.x(), down.y());
    };
    f.edge = QPainterPath(f.base.p1());
    f.edge.lineTo(held(0));
    for (int i = 0; i + 1 < spines; ++i) {
        const QPointF mid = (held(i) + held(i + 1)) / 2.0;
        const QPointF down = f.base.pointAt((i + 1.0) / count) - mid;
        f.edge.quadTo(mid + down / std::hypot(down.x(), down.y()) * 3.2, held(i + 1));
    }
    std::vector<QPointF> rest{held(spines - 1)};
    rest.insert(rest.end(), f.tips.begin() + spines, f.tips.end());
    rest.push_back(f.base.p2());
    f.edge.connectPath(curveThrough(rest));
    // Closed inside the body, which hides the fin's root.
    f.shape = f.edge;
    f.shape.quadTo(f.base.center() + QPointF(0, d * 0.15), f.base.p1());
    f.shape.closeSubpath();
    f.shape.setFillRule(Qt::WindingFill);
    return f;
}

} // namespace

// Black, speckled by yellow-edged scales; a yellow eye ring, yellow bars at the
// gill cover and the pectoral base, a pale muzzle and a pale tail rim.
void paintFrenchAngelfish(QPainter &p, double w, double h)
{
    // The smaller frame has room for a band of reef rock only if it starts
    // higher, and the fish drawn a little smaller stays clear of it.
    const Canvas canvas = reef(p, w, h, 0.35);
    if (!Silhouette::active(p)) {
        paintReefRock(p, Canvas::frame, 196);
        paintSeaFan(p, {34, 218}, 96, QColor(170, 70, 150));
        paintCoralHead(p, {266, 226}, 44, QColor(170, 130, 90));
    }
    p.translate(160, 104);
    p.scale(0.86, 0.86);
    p.translate(-160, -120);
    const QColor black(22, 22, 26, 245);
    const QColor yellow(240, 200, 40);
    const AngelForm form{{{50, 132}, 178, 126, 0.4, 0.95, 0.2, 0.6, 0.13, 0, 0.8, 0.018, 0.3},
                         0.42,
                         {72, 0.56},
                         0.68,
                         TailKind::Rounded,
                         {48, 56},
                         0.15,
                         16,
                         // The preopercle spine is as black as the cheek.
                         QColor(22, 22, 26),
                         // The scaled membrane runs right up the spines, so
                         // the fin's edge is smooth.
                         0};
    const Build a = angel(form);
    Livery look(black, black, QColor(70, 70, 70, 170), QColor(40, 40, 40, 200), black,
                QColor(180, 140, 40), 7);
    look.lateral = withAlpha(look.line, 90);
    paintBackFins(p, a, look);
    // The filaments trailing from the fins' rear corners are yellow.
    // Each fin's rear corner is drawn out into its trailing point, black
    // like the rest of the fin; its edges are yellow, the yellow closing in
    // as the point narrows until its thin end is all yellow.
    for (const Fin *f : {&a.dorsal, &a.anal})
        paintTrailEdge(p, *f, a.shape.at(1, 0).x() + 8, a.shape.at(1, 0).x() + form.trail.x(),
                       yellow);
    // The tail is dark right out to its pale rim, which borders it.
    p.fillPath(a.caudal.shape, withAlpha(black, 120));
    paintSoftMargin(p, a.caudal, QColor(235, 225, 170, 230), {2.0, 3.6, 4.4, 3.2, 4.0, 3.4, 1.8});
    {
        // Scales run far out over the soft dorsal and anal fins, in rows that
        // carry on those of the body, growing smaller towards the fins' edges.
        BodyShape wide = a.shape;
        wide.depth *= 1.7;
        paintScaleRows(p, a.dorsal.shape.united(a.anal.shape), wide, 7.2, withAlpha(yellow, 225),
                       0.8, ScaleStyle::Large);
    }
    fillBody(p, a.body, QColor(30, 30, 34), QColor(18, 18, 22), QColor(34, 34, 38));
    // Each black scale is rimmed in yellow all round its free edge.
    paintScaleRows(p, a.body, a.shape, 7.4, withAlpha(yellow, 235), 0.8, ScaleStyle::Large);
    // The scales fade out over the face, which has a grey-white muzzle and
    // chin: pale skin flecked and clouded, its edge breaking up into the
    // black, darkest where the lips turn in.
    paleMuzzle(p, a, QColor(170, 172, 166), QColor(40, 40, 44), 0.78);
    {
        // The yellow round the eye is a ring of skin pigment: broader behind
        // and below, thinner in front, its width wandering as it goes.
        QPainterPath round;
        round.arcMoveTo(QRectF(a.eye - QPointF(8.6, 8.6), QSizeF(17.2, 17.2)), 100);
        round.arcTo(QRectF(a.eye - QPointF(8.6, 8.6), QSizeF(17.2, 17.2)), 100, 358);
        p.fillPath(ribbon(round, {1.6, 2.2, 3.0, 3.4, 2.6, 3.2, 2.4, 1.8, 1.4, 1.7}),
                   withAlpha(yellow, 225));
    }
    modelBody(p, a.body, a.caudal.base.x1(), QColor(10, 10, 12), 0.6);
    blendFinRoots(p, a, QColor(22, 22, 26), 8);
    paintScaleRows(p, finRoots(a, 8), a.shape, 7.4, withAlpha(yellow, 150), 0.8, ScaleStyle::Large);
    // The front fins have the yellow rays the back fins lack.
    paintFront(p, a, {black, black, withAlpha(yellow, 190), look.pectoral, black, look.iris, 7});
    // The yellow bar is pigment a few scales wide along the rear edge of the
    // gill cover and over the pectoral's base, its edges blurring into the
    // black and the scales showing through where it thins.
    const auto rim = [&a](double along, double across) {
        return a.shape.at(a.gill + along, across) + QPointF(3.5, 0);
    };
    const QPainterPath bar =
        curveThrough({rim(-0.035, -0.42), rim(-0.004, -0.1), rim(-0.01, 0.2), rim(-0.05, 0.4)});
    for (int k = 0; k < 7; ++k) {
        const double spread = 3.4 - k * 0.4;
        p.fillPath(
            ribbon(bar, {0.8 * spread, 2.8 * spread, 3.6 * spread, 3.0 * spread, 0.8 * spread})
                .intersected(a.body),
            withAlpha(yellow, 24 + 8 * k));
    }
}

// Blue-green, yellow-rimmed scales, a blue-ringed crown on the forehead, long
// blue-edged trailing points, a bright yellow tail and pectoral fins.
void paintQueenAngelfish(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.4, Floor::Open, {40, 250}, 70, QColor(190, 120, 90),
                               {300, 240}, 120, QColor(130, 60, 150));
    const QColor yellow(250, 200, 20, 250);
    const QColor blue(60, 170, 255);
    // The rays a muted gold, so that the fins' outline shows only where
    // their own margins colour it.
    // The pectoral's yellow is strongest at its fleshy base and thins out
    // between the rays towards the edge, where the blue flank shows through.
    Livery look(yellow, QColor(48, 110, 160, 240), QColor(200, 160, 60, 120),
                QColor(250, 200, 20, 214), yellow, QColor(52, 44, 40), 7);
    look.lateral = withAlpha(look.line, 90);
    const Build a = angel({{{48, 134}, 178, 122, 0.41, 0.76, 0.2, 0.6, 0.12, 0, 0.8, 0.03, 0.5},
                           0.3,
                           {74, 0.74},
                           0,
                           TailKind::Rounded,
                           {44, 66},
                           0.15,
                           10,
                           blue,
                           14,
                           0.16});
    paintBackFins(p, a, look);
    if (!Silhouette::active(p)) {
        // The soft dorsal and anal fins are thick, scaled far out and as
        // opaque as the body: blue-green from the body out along the fin,
        // warming to orange-yellow towards the trailing points, the rays
        // only just showing through.
        for (const Fin *f : {&a.dorsal, &a.anal}) {
            const QRectF box = f->shape.boundingRect();
            QLinearGradient out(box.left(), 0, box.right(), 0);
            out.setColorAt(0, QColor(36, 104, 138, 225));
            out.setColorAt(0.5, QColor(44, 116, 140, 225));
            out.setColorAt(0.75, QColor(130, 146, 84, 225));
            out.setColorAt(1, QColor(240, 176, 36, 235));
            p.fillPath(f->shape, out);
        }
    }
    // The rear of the soft fins turns orange-yellow towards the trailing
    // points; the electric-blue margin is thin in front and broken where
    // the orange runs out to the edge.
    paintFinMargin(p, a.dorsal, QColor(240, 170, 40, 150), {0, 0, 1, 3, 7, 12, 16, 9});
    paintFinMargin(p, a.anal, QColor(240, 170, 40, 150), {0, 1, 3, 6, 11, 14, 8});
    // The electric blue is pigment at the edge of the membrane, brightest
    // at the very rim and blurring inward, not a line laid round the fin.
    // Over the spines it is only a faint tint at their tips, not a rim
    // tracing every notch between them.
    for (const Fin *f : {&a.dorsal, &a.anal}) {
        const double last = f->tips[size_t(std::max(0, f->spines - 1))].x() + 2;
        for (const auto &[from, to, alpha] :
             {std::tuple{0.0, last, 60}, std::tuple{last, 320.0, 170}}) {
            const Saved part(p);
            p.setClipRect(QRectF(from, 0, to - from, 240), Qt::IntersectClip);
            paintSoftMargin(p, *f, withAlpha(blue, alpha),
                            {0.4, 2.2, 3.4, 2.4, 3.8, 2.0, 1.2, 2.8, 0.8});
        }
    }
    // Blue-green: bluer over the back, greener down the flank, where the
    // yellow scale rims tint it towards yellow-green.
    fillBody(p, a.body, QColor(28, 94, 128), QColor(58, 140, 136), QColor(118, 168, 116));
    paintScaleRows(p, a.body, a.shape, 6.8, QColor(240, 200, 45, 230), 1.1);
    // The face is plainer and bluer than the scaled body.
    glow(p, a.body, {78, 126}, 42, QColor(70, 150, 190, 210));
    // The crown: one round black-blue spot on the forehead, ringed with
    // brilliant electric blue and speckled inside with a few fine blue
    // points. It is pigment in the skin, laid before the body is shaded.
    {
        const QPointF crown = a.shape.at(0.3, -0.68);
        // Round, but not ruled: its edge swells and flattens a little.
        const auto spot = [&crown](double rx, double ry) {
            std::vector<QPointF> rim;
            for (int i = 0; i < 16; ++i) {
                const double t = 2.0 * std::numbers::pi * i / 16.0;
                const double r = 1.0 + 0.03 * std::sin(t * 3.0 + 0.8) + 0.015 * std::cos(t * 5.0);
                rim.push_back(QPointF(std::cos(t) * rx * r, std::sin(t) * ry * r));
            }
            return QTransform::fromTranslate(crown.x(), crown.y())
                .rotate(-18)
                .map(smoothClosedPath(rim.data(), int(rim.size())));
        };
        const Saved clip(p);
        p.setClipPath(a.body, Qt::IntersectClip);
        // The blue glows a little into the skin round the ring.
        p.fillPath(spot(14.5, 13), withAlpha(blue, 45));
        p.fillPath(spot(12.4, 11.2), withAlpha(blue, 120));
        QLinearGradient lit(crown + QPointF(-4, -12), crown + QPointF(4, 12));
        lit.setColorAt(0, QColor(120, 214, 255));
        lit.setColorAt(0.5, QColor(50, 160, 255));
        lit.setColorAt(1, QColor(30, 120, 240));
        p.fillPath(spot(11.2, 10.0), lit);
        QRadialGradient core(crown + QPointF(1, 1.5), 10);
        core.setColorAt(0, QColor(6, 10, 28));
        core.setColorAt(0.75, QColor(10, 20, 52));
        core.setColorAt(1, QColor(18, 40, 96));
        p.fillPath(spot(8.8, 7.7), core);
        // Fine points of blue scattered through the black, none near the ring.
        for (int i = 0; i < 7; ++i) {
            const double turn = i * 2.39996 + 0.7;
            const double out = 6.2 * std::sqrt((i + 0.6) / 7.0);
            const QPointF at = crown + QPointF(std::cos(turn) * out, std::sin(turn) * out * 0.85);
            const double r = 0.45 + 0.3 * std::pow(std::sin(i * 1.9 + 0.4), 2);
            paintDisc(p, at, r, r, QColor(90, 190, 255, 230));
        }
    }
    modelBody(p, a.body, a.caudal.base.x1(), QColor(20, 60, 80), 0.7);
    blendFinRoots(p, a, QColor(44, 112, 164), 8);
    paintScaleRows(p, finRoots(a, 8), a.shape, 6.8, QColor(240, 200, 45, 150), 1.1);
    {
        // The scales run on well out over the thick soft fins, smaller and
        // fainter the further out they lie, before the bare membrane.
        BodyShape wide = a.shape;
        wide.depth *= 1.6;
        const QPainterPath fins = a.dorsal.shape.united(a.anal.shape);
        for (const auto &[reach, alpha] :
             {std::pair{24.0, 40}, std::pair{16.0, 50}, std::pair{9.0, 60}})
            paintScaleRows(p, finRoots(a, reach).intersected(fins).subtracted(a.body), wide, 5.6,
                           QColor(240, 200, 45, alpha), 0.9);
    }
    {
        // The dark patch at the pectoral's base is pigment with an uneven
        // edge, its blue margin bright in places and lost in others.
        const QPointF base = a.pectoral.base.center() + QPointF(-1, 0);
        const double tall = a.pectoral.base.length() * 0.7;
        std::vector<QPointF> edge;
        for (int i = 0; i < 10; ++i) {
            const double t = 2.0 * std::numbers::pi * i / 10.0;
            const double r = 1.0 + 0.12 * std::sin(i * 2.3 + 0.5) + 0.07 * std::cos(i * 3.9);
            edge.push_back(base + QPointF(std::cos(t) * 4.6 * r, std::sin(t) * tall * r));
        }
        const QPainterPath patch = smoothClosedPath(edge.data(), int(edge.size()));
        const QRectF box = patch.boundingRect();
        QLinearGradient margin(box.topLeft(), box.bottomRight());
        margin.setColorAt(0, withAlpha(blue, 70));
        margin.setColorAt(0.4, withAlpha(blue, 200));
        margin.setColorAt(0.7, withAlpha(blue, 40));
        margin.setColorAt(1, withAlpha(blue, 150));
        const Saved onBody(p);
        p.setClipPath(a.body, Qt::IntersectClip);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QBrush(margin), 2.6));
        p.drawPath(patch);
        QRadialGradient dark(base, tall);
        dark.setColorAt(0, QColor(16, 30, 72));
        dark.setColorAt(0.7, QColor(22, 40, 90, 235));
        dark.setColorAt(1, QColor(34, 60, 120, 200));
        p.fillPath(patch, dark);
    }
    paintFront(p, a, look);
    {
        // The edges of the gill cover, the preopercle's spine and the lips
        // are electric blue.
        const BodyShape &b = a.shape;
        const double eyeAt = (a.eye.x() - b.snout.x()) / b.length;
        const double pre = eyeAt + (a.gill - eyeAt) * 0.55;
        const Saved clip(p);
        p.setClipPath(a.body, Qt::IntersectClip);
        const QPainterPath preEdge =
            curveThrough({b.at(pre, -0.18), b.at(pre + 0.004, 0.1), b.at(pre - 0.005, 0.3),
                          b.at(pre - 0.02, 0.42), b.at(a.gill + 0.01, 0.5)});
        const QPainterPath coverEdge =
            curveThrough({b.at(a.gill - 0.03, -0.45), b.at(a.gill, -0.1), b.at(a.gill - 0.01, 0.2),
                          b.at(a.gill - 0.05, 0.42)});
        // Painted lines of pigment along the bony edges: they swell and thin
        // along their length, fade out at both ends and blur into the skin.
        for (const auto &[edge, lean] : {std::pair{&preEdge, 0.0}, std::pair{&coverEdge, 1.0}}) {
            const std::initializer_list<double> halo{0.6, 3.6, 4.4, 3.2, 3.8, 1.0};
            const std::initializer_list<double> core{0.2, 1.2, 1.8 - lean * 0.4, 0.8, 1.3, 0.3};
            // Stronger in places and fainter in others, as the pigment lies
            // thicker or thinner along the bone.
            QLinearGradient patchy(edge->pointAtPercent(0), edge->pointAtPercent(1));
            for (int k = 0; k <= 6; ++k)
                patchy.setColorAt(k / 6.0,
                                  withAlpha(blue, int(std::sin(k * 0.5236) * 175 *
                                                      (0.6 + 0.4 * std::sin(k * 2.3 + lean)))));
            p.fillPath(ribbon(*edge, halo), withAlpha(blue, 35));
            p.fillPath(ribbon(*edge, core), patchy);
        }
        // Both lips, either side of the closed gape.
        for (const double side : {-1.3, 1.5}) {
            const QPainterPath lip =
                curve(b.snout + QPointF(0.2, 0.6 + side), b.snout + QPointF(3.5, 1.4 + side),
                      b.snout + QPointF(6.5, 1.8 + side * 0.6));
            stroke(p, lip, withAlpha(blue, 80), 3.2);
            stroke(p, lip, withAlpha(blue.lighter(110), 230), 1.4);
        }
        stroke(p,
               curve(b.snout + QPointF(0, 0.6), b.snout + QPointF(3.5, 1.4),
                     b.snout + QPointF(6.5, 1.8)),
               QColor(10, 30, 70, 230), 0.9);
    }
    // The pelvic fins are edged in the same blue, strongest along the
    // leading spine, a pigment in the membrane rather than a line round it.
    paintSoftMargin(p, a.pelvic, withAlpha(blue, 210), {3.0, 2.6, 1.8, 1.0, 0.6, 0.4});
}

// Bright yellow head, front and tail; the large rear of the body and most of
// both fins black; blue over the eye and on the lips.
void paintRockAngelBeauty(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.4, Floor::Rock, {290, 226}, 44, QColor(160, 140, 90),
                               {34, 222}, 170, QColor(170, 80, 150));
    const QColor yellow(255, 204, 20, 245);
    Livery look(yellow, yellow, QColor(200, 130, 0, 170), QColor(255, 214, 60, 218), yellow,
                QColor(150, 110, 50), 6.5);
    look.lateral = withAlpha(look.line, 90);
    // An oval rather than a disc: longer than the other angels, the soft
    // fins rounded off behind rather than squared.
    const Build a =
        angel({{{54, 132}, 180, 108, 0.42, 0.8, 0.22, 0.58, 0.05, 0.02, 0.75, 0.02, 0.4},
               0.27,
               {8, 0.34},
               0,
               TailKind::Lunate,
               {42, 80},
               0.1,
               0,
               QColor(214, 150, 10)});
    paintBackFins(p, a, look);
    fillBody(p, a.body, QColor(250, 196, 10), QColor(255, 204, 20), QColor(255, 226, 90));
    paintScaleRows(p, a.body, a.shape, 5.6, QColor(210, 150, 0, 130));
    // The black: an oval over the rear of the body that runs out over the
    // soft dorsal and anal fins, leaving the head, the belly and the front
    // of both fins yellow.
    const QPainterPath fins = a.body.united(a.dorsal.shape).united(a.anal.shape);
    // The edge wanders a little, as pigment does, following no ruler.
    const QPainterPath outline = smoothClosedPath({{232, 6},
                                                   {192, 30},
                                                   {171, 50},
                                                   {157, 67},
                                                   {145, 84},
                                                   {136, 105},
                                                   {134, 126},
                                                   {139, 147},
                                                   {150, 160},
                                                   {165, 171},
                                                   {184, 175},
                                                   {201, 179},
                                                   {224, 200},
                                                   {250, 240},
                                                   {320, 240},
                                                   {320, 0}});
    // Close to, the pigment stops scale by scale: the line breaks into
    // shallow scallops a scale wide, and drifts in and out over a few.
    QPolygonF wandering;
    {
        const double length = outline.length();
        for (double d = 0; d < length; d += 1.2) {
            const double t = outline.percentAtLength(d);
            const QPointF at = outline.pointAtPercent(t);
            const double a = outline.angleAtPercent(t) * std::numbers::pi / 180.0;
            const QPointF normal(std::sin(a), std::cos(a));
            const bool inside = at.x() > 1 && at.x() < 319 && at.y() > 1 && at.y() < 239;
            const double scallop =
                (0.6 + 0.7 * std::pow(std::sin(d * 0.31 + 0.5), 2)) *
                std::abs(std::sin(d * std::numbers::pi / (5.6 + 0.9 * std::sin(d * 0.05))));
            const double drift = 1.6 * std::sin(d * 0.09 + 0.4) + 0.9 * std::sin(d * 0.23 + 1.7);
            wandering << at + normal * (inside ? scallop + drift : 0.0);
        }
    }
    QPainterPath traced;
    traced.addPolygon(wandering);
    traced.closeSubpath();
    const QPainterPath black = traced.intersected(fins);
    // A pigment boundary: crisp, only the last pixel blended, the black
    // laid into the skin so the scale rows run on across it.
    p.fillPath(QTransform::fromTranslate(-0.7, 0).map(black).intersected(fins),
               QColor(14, 14, 20, 110));
    p.fillPath(black, QColor(14, 14, 20));
    glow(p, black, {204, 104}, 104, QColor(50, 50, 64));
    paintScaleRows(p, black.intersected(a.body), a.shape, 5.6, QColor(78, 78, 96, 95));
    for (const Fin *f : {&a.dorsal, &a.anal})
        paintSoftMargin(p, *f, QColor(250, 110, 30, 190), {1.0, 2.4, 3.2, 2.2, 3.0, 2.4, 1.2});
    modelBody(p, a.body, a.caudal.base.x1(), QColor(40, 30, 10), 0.6);
    // Where the fins grow from the body no outline shows, in either colour.
    {
        const Saved saved(p);
        p.setClipPath(black, Qt::IntersectClip);
        blendFinRoots(p, a, QColor(20, 20, 28), 6);
    }
    {
        const Saved saved(p);
        QPainterPath frame;
        frame.addRect(QRectF(0, 0, w, h));
        p.setClipPath(frame.subtracted(black), Qt::IntersectClip);
        blendFinRoots(p, a, QColor(250, 198, 16), 6);
    }
    paintFront(p, a, look);
    // Electric blue crescents above and, smaller, below the eye, thickest
    // over its middle and running out to points at either side: pigment in
    // the skin, so each is dense at its heart and fades at its rim, the
    // upper one brighter where it catches the light.
    const auto arc = [&a](double from, double to, double radius) {
        std::vector<QPointF> points;
        for (int i = 0; i <= 6; ++i) {
            const double t = (from + (to - from) * i / 6.0) * std::numbers::pi / 180.0;
            points.push_back(a.eye + QPointF(std::cos(t), std::sin(t)) * radius);
        }
        return curveThrough(points);
    };
    const QPainterPath over = arc(192, 348, 8.4);
    const QPainterPath under = arc(28, 152, 7.9);
    for (const auto &[grow, alpha] :
         {std::pair{1.7, 45}, std::pair{1.35, 90}, std::pair{1.0, 235}}) {
        const double g = grow;
        QLinearGradient lit(a.eye + QPointF(-9, -10), a.eye + QPointF(9, -2));
        lit.setColorAt(0, QColor(70, 150, 255, alpha));
        lit.setColorAt(1, QColor(30, 90, 220, alpha));
        p.fillPath(ribbon(over, {0.2, 2.2 * g, 3.6 * g, 3.2 * g, 1.8 * g, 0.2}), lit);
        p.fillPath(ribbon(under, {0.2, 1.4 * g, 2.4 * g, 1.8 * g, 0.2}),
                   QColor(40, 100, 230, alpha * 4 / 5));
    }
}

// Grey, freckled by dark scale centres; a pale mouth, a squared-off tail with a
// pale rim, and dorsal and anal fins drawn out into grey points (the French
// Angelfish's end in yellow streamers).
void paintGrayAngelfish(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.45, Floor::Rock, {24, 230}, 40, QColor(150, 150, 100),
                               {300, 226}, 170, QColor(120, 60, 140));
    // Nearly as deep as long, the forehead climbing steeply from a short,
    // blunt snout with a small mouth at its tip.
    const AngelForm form{{{54, 132}, 176, 134, 0.45, 0.8, 0.2, 0.57, 0.1, 0.02, 0.8, 0.035, 0.62},
                         0.36,
                         {30, 0.7},
                         0.6,
                         TailKind::Truncate,
                         {40, 76},
                         0,
                         12,
                         QColor(56, 58, 66)};
    Build a = angel(form);
    a.dorsal = lowSpinyDorsal(a, form);
    const QColor grey(96, 100, 108, 250);
    Livery look(grey, grey, QColor(40, 40, 46, 140), QColor(196, 200, 206, 120),
                QColor(90, 94, 100, 220), QColor(190, 170, 90), 7);
    look.lateral = withAlpha(look.line, 90);
    paintBackFins(p, a, look);
    paintStreamers(p, a, form, QColor(70, 74, 82, 235));
    {
        // The tail is thick and dark at its root and thins out towards the
        // edge, where the water shows through between the rays, and it is
        // shaded a little along each lobe as the fin bends.
        const Saved clip(p);
        p.setClipPath(a.caudal.shape, Qt::IntersectClip);
        const QLineF root = a.caudal.base;
        const QPointF out = root.center() + QPointF(form.tailSize.x(), 0);
        QLinearGradient thin(root.center(), out);
        thin.setColorAt(0, QColor(40, 42, 50, 110));
        thin.setColorAt(0.35, QColor(40, 42, 50, 30));
        thin.setColorAt(0.75, QColor(150, 170, 190, 40));
        thin.setColorAt(1, QColor(150, 170, 190, 70));
        p.fillPath(a.caudal.shape, thin);
        QLinearGradient bend(out + QPointF(0, -form.tailSize.y() / 2),
                             out + QPointF(0, form.tailSize.y() / 2));
        bend.setColorAt(0, QColor(255, 255, 255, 26));
        bend.setColorAt(0.45, QColor(255, 255, 255, 0));
        bend.setColorAt(1, QColor(0, 8, 24, 50));
        p.fillPath(a.caudal.shape, bend);
    }
    // The pale rim follows the tail's edge and fades into the grey inside it.
    paintSoftMargin(p, a.caudal, QColor(236, 238, 240, 200), {3.9, 5.2, 4.5, 5.5, 4.2});
    fillBody(p, a.body, QColor(104, 108, 116), QColor(146, 150, 156), QColor(158, 162, 166));
    {
        // Each scale has a dark centre, so the whole fish is freckled: on
        // the fins the small scales lie in a close, slightly uneven mesh,
        // their centres fading out towards the face.
        const QPainterPath fins = a.dorsal.shape.united(a.anal.shape);
        const QPainterPath area = a.body.united(fins);
        const Saved saved(p);
        p.setClipPath(area, Qt::IntersectClip);
        p.setPen(Qt::NoPen);
        const BodyShape &b = a.shape;
        // Out on the fins the scales grow smaller and their centres fainter
        // towards the free edge, in no ruled order.
        int n = 0;
        for (const QPointF &c : spreadPoints(fins.subtracted(a.body), 5.2, 2.0, 3407)) {
            ++n;
            const double t = (c.x() - b.snout.x()) / b.length;
            const double fade = std::clamp((t - 0.16) / 0.16, 0.0, 1.0);
            const QPointF rim =
                rimPoint(a.body, {c.x(), b.snout.y()}, c.y() < b.snout.y() ? -1 : 1);
            const double out = std::clamp(std::abs(c.y() - rim.y()) / 60.0, 0.0, 1.0);
            const double r = (1.8 - 0.7 * out) * (1.0 + 0.2 * std::sin(n * 5.7));
            QRadialGradient pigment(c, r * 1.2);
            pigment.setColorAt(0, QColor(40, 44, 52, int(170 * fade * (1.0 - 0.4 * out))));
            pigment.setColorAt(1, QColor(44, 48, 56, 0));
            p.setBrush(pigment);
            p.drawEllipse(c, r * 1.2, r * (0.9 + 0.2 * std::cos(n * 2.3)));
        }
        // On the body the centres lie in the scale rows, which follow its
        // curve: largest mid-flank, smaller and closer towards the head,
        // back, belly and stalk, each set along its row.
        for (const ScaleSite &site : scaleSites(b, 6.4, 22)) {
            const double d = site.length;
            const double fade = std::clamp((site.along - 0.16) / 0.16, 0.0, 1.0);
            const int n = site.index;
            const int row = site.row;
            const Saved one(p);
            p.translate(site.centre + QPointF(0.9 * std::sin(n * 3.1 + row),
                                              0.7 * std::cos(n * 1.3 + row * 2.0)));
            p.rotate(site.angle);
            // The pigment lies in the base of the scale, so it is densest
            // towards the front, where the scale before overlaps it, and
            // thins out into the pale rim without an edge of its own.
            // Some centres dense, some hardly there, in no order.
            const double hash = std::sin(n * 12.99 + row * 78.23) * 43758.5;
            const double depth = fade * (0.3 + 0.7 * (hash - std::floor(hash))) *
                                 (1.0 - 0.45 * std::clamp(site.across, 0.0, 1.0));
            // And each of its own size, some spreading into the next.
            const double spread = 0.75 + 0.55 * std::abs(std::sin(n * 7.31 + row * 3.17));
            p.scale(1.0, 0.86);
            const double r = d * 0.5 * spread;
            QRadialGradient pigment(QPointF(-d * 0.08, 0), r, QPointF(-d * 0.16, 0));
            pigment.setColorAt(0, QColor(36, 40, 48, int(210 * depth)));
            pigment.setColorAt(0.55, QColor(44, 48, 56, int(140 * depth)));
            pigment.setColorAt(1, QColor(44, 48, 56, 0));
            p.setBrush(pigment);
            p.drawEllipse(QPointF(-d * 0.08, 0), r, r);
        }
    }
    paintScaleRows(p, a.body, a.shape, 6.4, QColor(200, 204, 210, 150), 1.0);
    // The pale mouth and chin fade back into the grey of the head.
    paleMuzzle(p, a, QColor(236, 236, 234), QColor(128, 132, 140), 1.6);
    modelBody(p, a.body, a.caudal.base.x1(), QColor(40, 42, 48), 0.8);
    blendFinRoots(p, a, QColor(130, 134, 142), 8);
    paintScaleRows(p, finRoots(a, 8), a.shape, 6.4, QColor(200, 204, 210, 110), 1.0);
    paintFront(p, a, look);
    // The yellow on the base of the pectoral fin: pigment in the fleshy
    // root and on the membrane just beyond it, the clear fin and its rays
    // running on past it.
    const Fin &pec = a.pectoral;
    {
        // Clear as it is, the fin shows by the soft shadow it casts on the
        // flank below it, blurred as the fin stands off the body, and by the
        // faint sheen of its membrane, strongest near the root and lost
        // towards the edge, where only the rays catch the light.
        const Saved clip(p);
        p.setClipPath(a.body, Qt::IntersectClip);
        for (int i = 1; i <= 4; ++i)
            p.fillPath(QTransform::fromTranslate(0.5 + 0.4 * i, 1.0 + 0.8 * i)
                           .map(pec.shape)
                           .subtracted(pec.shape),
                       QColor(20, 24, 32, 14));
    }
    const double reach = pec.shape.boundingRect().width();
    QRadialGradient sheen(pec.base.center(), reach);
    sheen.setColorAt(0, QColor(226, 230, 236, 70));
    sheen.setColorAt(0.6, QColor(226, 230, 236, 30));
    sheen.setColorAt(1, QColor(226, 230, 236, 0));
    p.fillPath(pec.shape, sheen);
    const double r = pec.base.length();
    QRadialGradient yellow(pec.base.center(), r * 0.6);
    yellow.setColorAt(0, QColor(246, 200, 40, 200));
    yellow.setColorAt(0.6, QColor(246, 200, 40, 150));
    yellow.setColorAt(1, QColor(246, 200, 40, 0));
    // The yellow runs out further along some rays than others.
    QPolygonF reachOut;
    for (int i = 0; i < 32; ++i) {
        const double a = 2.0 * std::numbers::pi * i / 32.0;
        const double out = 1.0 + 0.22 * std::sin(a * 5.0 + 0.6) + 0.1 * std::sin(a * 11.0);
        reachOut << pec.base.center() + QPointF(std::cos(a) * r * 0.6, std::sin(a) * r * 0.7) * out;
    }
    QPainterPath patch;
    patch.addPolygon(reachOut);
    patch.closeSubpath();
    p.fillPath(pec.shape.intersected(patch), yellow);
    stroke(p, curve(pec.base.p1(), pec.base.center() + QPointF(-1.5, 0), pec.base.p2()),
           QColor(200, 150, 20, 200), 1.6);
}

} // namespace fishart
