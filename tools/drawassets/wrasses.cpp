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

namespace {

// A long, low fin joined to the body from `front` to `rear`, its free edge
// a smooth curve through `edge`, held up by `spines` spines and `rays` soft
// rays whose tips are spaced evenly along that edge.
Fin lowFin(QPointF front, std::initializer_list<QPointF> edge, QPointF rear, int spines, int rays)
{
    std::vector<QPointF> points{front};
    points.insert(points.end(), edge.begin(), edge.end());
    points.push_back(rear);
    Fin f;
    f.base = QLineF(front, rear);
    f.edge = curveThrough(points);
    f.spines = spines;
    const int n = spines + rays;
    for (int i = 0; i < n; ++i)
        f.tips.push_back(f.edge.pointAtPercent(0.03 + 0.9 * (i + 0.5) / n));
    // The root reaches a little into the body, which is drawn over it.
    QPointF in(f.base.dy(), -f.base.dx());
    if (QPointF::dotProduct(in, f.edge.pointAtPercent(0.5) - f.base.center()) > 0)
        in = -in;
    f.shape = f.edge;
    f.shape.quadTo(f.base.center() + in * 0.12, front);
    f.shape.closeSubpath();
    return f;
}

// A fin as a field guide paints it: solid membrane in `colours` from the
// front of its base to the rear, a little deeper where it grows from the
// body, fine regular rays in `ray` (the spines a touch stouter) that lean
// back from their roots, and a smooth darker margin in `edge`. A `sheer` fin
// has no rim line of its own: its margin only fades in from the free edge.
void paintSolidFin(QPainter &p, const Fin &f, const QGradientStops &colours, QColor ray,
                   QColor edge, bool sheer = false)
{
    if (Silhouette::record(p, f.shape))
        return;
    QLinearGradient along(f.base.p1(), f.base.p2());
    along.setStops(colours);
    p.fillPath(f.shape, along);
    const Saved s(p);
    p.setClipPath(f.shape, Qt::IntersectClip);
    const double length = std::max(1e-9, f.base.length());
    const QPointF back = (f.base.p2() - f.base.p1()) / length;
    QPointF out(back.y(), -back.x());
    if (QPointF::dotProduct(f.edge.pointAtPercent(0.5) - f.base.center(), out) < 0)
        out = -out;
    double height = 1.0;
    for (const QPointF &tip : f.tips)
        height = std::max(height, QPointF::dotProduct(tip - f.base.p1(), out));
    QLinearGradient root(f.base.center(), f.base.center() + out * height);
    root.setColorAt(0, QColor(0, 10, 20, 70));
    root.setColorAt(0.45, QColor(0, 10, 20, 0));
    p.fillPath(f.shape, root);
    for (int i = 0; i < int(f.tips.size()); ++i) {
        const QPointF tip = f.tips[size_t(i)];
        const double rise = QPointF::dotProduct(tip - f.base.p1(), out);
        const double under = QPointF::dotProduct(tip - f.base.p1(), back);
        const QPointF from = f.base.pointAt(std::clamp((under - rise * 0.9) / length, 0.0, 1.0));
        const QPointF d = tip - from;
        p.setPen(QPen(ray, i < f.spines ? 0.5 : 0.36, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(curve(from, from + d * 0.5 + out * rise * 0.08, tip + d * 0.2));
    }
    if (sheer) {
        paintSoftMargin(p, f, edge, {1.0, 1.8, 2.0, 2.0, 2.0, 1.8, 1.0});
        return;
    }
    paintFinMargin(p, f, edge, {1.0, 2.4, 2.6, 2.6, 2.6, 2.4, 1.4});
    stroke(p, f.edge, withAlpha(edge.darker(130), 160), 0.45);
}

// Where the hogfish's dorsal fin joins its back, from the nape to the stalk.
QLineF hogfishDorsalBase(const BodyShape &s)
{
    return {s.at(0.35, -0.88), s.at(0.94, -0.72)};
}

// The hogfish's first three dorsal spines, drawn out into long filaments:
// the front of the dorsal fin, spaced as its other spines are, fanning back
// a little as they rise, each bowing back gently towards its fine tip.
std::vector<QPainterPath> hogfishFilaments(const BodyShape &s)
{
    const QLineF base = hogfishDorsalBase(s);
    std::vector<QPainterPath> axes;
    for (int i = 0; i < 3; ++i) {
        const QPointF root = base.pointAt(0.015 + 0.05 * i);
        const double lean = 0.3 + 0.11 * i, length = 76.0 - 5.0 * i;
        const QPointF dir = QPointF(lean, -1) / std::hypot(lean, 1.0);
        axes.push_back(curve(root, root + dir * length * 0.55,
                             root + dir * length + QPointF(length * 0.07, 0)));
    }
    return axes;
}

// How wide a filament spine stands, from its root to its tip.
const std::vector<double> filamentWidths{2.6, 1.9, 1.4, 1.0, 0.65, 0.3};

// The hogfish's dorsal fin. Its first three spines are long filaments; the
// membrane runs up behind each as a strip narrowing to nothing partway up,
// and from there is cut back in a smooth concave curve down to the front of
// the next spine. The eleven spines behind stand low and even, and the soft
// rays rise into a rounded rear lobe over the tail stalk. Its `edge` is the
// low free edge, which carries the margin; the bare filaments have none.
Fin hogfishDorsal(const BodyShape &s)
{
    const std::vector<QPainterPath> axes = hogfishFilaments(s);
    const QLineF base = hogfishDorsalBase(s);
    const auto up = [&s](double along, double height) {
        return s.at(along, -1) - QPointF(0, s.depth * height);
    };
    const QPainterPath low =
        curveThrough({up(0.475, 0.15), up(0.54, 0.16), up(0.62, 0.165), up(0.7, 0.19),
                      up(0.8, 0.23), up(0.87, 0.22), up(0.92, 0.12), base.p2()});
    const auto direction = [](const QPainterPath &axis, double t) {
        const QPointF d = axis.pointAtPercent(t + 0.02) - axis.pointAtPercent(t - 0.02);
        return d / std::max(1e-9, std::hypot(d.x(), d.y()));
    };
    const auto climb = [](QPainterPath &outline, const QPainterPath &axis, double from, double to) {
        for (int k = 1; k <= 12; ++k)
            outline.lineTo(axis.pointAtPercent(from + (to - from) * k / 12.0));
    };
    // Each cut leaves the back of a spine along it, so the strip of
    // membrane behind it narrows smoothly to nothing, then sags towards the
    // base and rises to meet the next spine, or the low fin, from in front.
    const auto cut = [&](QPainterPath &outline, const QPainterPath &axis, double leave,
                         QPointF meet, QPointF arrive) {
        const QPointF from = axis.pointAtPercent(leave);
        const double span = std::hypot(meet.x() - from.x(), meet.y() - from.y());
        outline.cubicTo(from - direction(axis, leave) * span * 0.55, meet + arrive * span * 0.3,
                        meet);
    };
    constexpr double leave = 0.64, meet = 0.4;
    QPainterPath outline(base.p1());
    outline.lineTo(axes[0].pointAtPercent(0));
    climb(outline, axes[0], 0, leave);
    for (size_t i = 1; i < 3; ++i) {
        cut(outline, axes[i - 1], leave - 0.03 * double(i - 1), axes[i].pointAtPercent(meet),
            -direction(axes[i], meet) * 0.5 + QPointF(-0.7, 0));
        climb(outline, axes[i], meet, leave - 0.03 * double(i));
    }
    cut(outline, axes[2], leave - 0.06, low.pointAtPercent(0), QPointF(-1, 0.35));
    outline.connectPath(low);
    outline.quadTo(base.center() + QPointF(0, base.length() * 0.12), base.p1());
    outline.closeSubpath();
    Fin f;
    f.base = base;
    f.edge = low;
    f.shape = outline;
    for (const QPainterPath &axis : axes)
        f.shape = f.shape.united(ribbon(axis, filamentWidths));
    f.spines = 11;
    for (int i = 0; i < 22; ++i)
        f.tips.push_back(low.pointAtPercent(0.02 + 0.93 * (i + 0.5) / 22));
    return f;
}

} // namespace

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
    // body tapering little by little to a stout stalk, flexing a little as
    // the fish rows along with its pectorals. The tail is a broad crescent,
    // solid rayed membrane right across between its two pointed lobes.
    Wrasse wrasse(
        BodyShape{{38, 122}, 214, 50, 0.36, 0.62, 0.36, 0.53, 0.05, 0.04, 0.55, 0.0, 0, 0.03},
        green.darker(140), green, QColor(140, 220, 180), QColor(52, 146, 138, 250),
        QColor(20, 80, 90, 140), Qt::transparent, QColor(210, 90, 80), {42, 94}, 0.26, 0.27, 0.5,
        0.22, 0.27, {0.1, -0.36}, QColor(10, 20, 40, 230));
    // Round in section, not flat like a parrotfish: it is shaded deeply
    // over the back and under the belly.
    wrasse.modelling = 1.7;
    // Its own solid fins, not the kit's sheer ones.
    wrasse.ownFins = true;
    const BodyShape &s = wrasse.shape;
    // One long, low dorsal fin of eight flexible spines and twelve soft
    // rays, from the nape almost to the tail stalk, standing only about a
    // sixth of the body's depth; the anal fin of three spines and eleven
    // rays starts behind the vent, at mid-body. Both end well ahead of the
    // tail. Each is a thin sheet the water shows through, tinted with the
    // body's blue-green, its rays fine and its free edge only a little darker.
    const QPointF lift(0, -s.depth * 0.17);
    const Fin dorsal =
        lowFin(s.at(0.26, -0.9),
               {s.at(0.28, -1) + lift * 0.7, s.at(0.4, -1) + lift * 0.9, s.at(0.62, -1) + lift,
                s.at(0.8, -1) + lift * 1.05, s.at(0.88, -0.95) + lift * 0.75},
               s.at(0.91, -0.72), 8, 12);
    const Fin anal = lowFin(s.at(0.53, 0.9),
                            {s.at(0.555, 1) - lift * 0.7, s.at(0.68, 1) - lift * 0.92,
                             s.at(0.83, 1) - lift, s.at(0.885, 0.95) - lift * 0.75},
                            s.at(0.91, 0.72), 3, 11);
    const QColor finEdge(24, 96, 110, 80), finRay(24, 96, 100, 150);
    // Over the black bands the dorsal fin takes a bluer tint, turning
    // blue-green behind.
    paintSolidFin(p, dorsal,
                  {{0, QColor(40, 120, 170, 95)},
                   {0.35, QColor(40, 150, 140, 90)},
                   {1, QColor(40, 166, 124, 90)}},
                  finRay, finEdge, true);
    paintSolidFin(p, anal, {{0, QColor(44, 166, 128, 90)}, {1, QColor(40, 160, 126, 90)}}, finRay,
                  finEdge, true);
    paintWrasse(p, wrasse, [&](const WrasseParts &parts) {
        // The dark edging broadest out along the lobes, thin in the crescent.
        paintSoftMargin(p, parts.tail, QColor(14, 48, 80, 240),
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
        p.setClipping(false);
        // The vent, a small dark slit just ahead of the anal fin.
        const QPointF vent = s.at(0.505, 0.9);
        p.fillPath(ribbon(curve(vent - QPointF(1.6, 0.1), vent, vent + QPointF(1.6, 0.1)),
                          {0.2, 0.9, 0.2}),
                   QColor(20, 50, 50, 150));
    });
    // The fins grow out of the shaded back and belly with no seam.
    growFinRoots(p, bodyOutline(s), {&dorsal, &anal}, 2.5);
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
    // A long head, a third of the body: the forehead runs down in one long,
    // nearly straight slope from the nape to the snout tip and the throat
    // rises to meet it, so the snout is the head itself tapering to a cone.
    Wrasse hogfish(BodyShape{{20, 140}, 236, 96, 0.36, 0.42, 0.26, 0.64, 0.03, 0.05, 0.5, 0.0},
                   QColor(214, 160, 156), QColor(236, 200, 194), QColor(248, 238, 232),
                   QColor(214, 146, 144, 235), QColor(150, 86, 86, 150), Qt::transparent,
                   QColor(210, 80, 60), {70, 156}, 0.42, 0.36, 0.62, 0.21, 0.44, {0.27, -0.6});
    // Its own solid fins, not the kit's sheer ones.
    hogfish.ownFins = true;
    const BodyShape &s = hogfish.shape;
    const Fin dorsal = hogfishDorsal(s);
    const Fin anal = lowFin(s.at(0.6, 0.86),
                            {s.at(0.63, 1) + QPointF(0, 13), s.at(0.75, 1) + QPointF(0, 17),
                             s.at(0.86, 0.98) + QPointF(0, 21), s.at(0.91, 0.9) + QPointF(0, 14)},
                            s.at(0.94, 0.7), 3, 10);
    const QColor finPink(214, 146, 144), finEdge(140, 70, 76, 220), finRay(150, 86, 86, 140);
    paintSolidFin(p, dorsal, {{0, finPink.darker(104)}, {1, finPink}}, finRay, finEdge);
    paintSolidFin(p, anal, {{0, finPink}, {1, finPink.darker(104)}}, finRay, finEdge);
    // The first three spines are rays of the same fin, a little stouter and
    // tapering to a hair, lit along their front edge.
    if (!Silhouette::active(p)) {
        const Saved onFin(p);
        p.setClipPath(dorsal.shape, Qt::IntersectClip);
        for (const QPainterPath &spine : hogfishFilaments(s)) {
            p.fillPath(ribbon(spine, {1.0, 0.8, 0.6, 0.45, 0.25}), withAlpha(finRay, 200));
            p.fillPath(ribbon(spine.translated(-0.55, -0.1), {0.5, 0.4, 0.3, 0.15}),
                       QColor(255, 232, 228, 90));
        }
        stroke(p, dorsal.shape, withAlpha(finEdge, 110), 0.4);
    }
    paintWrasse(p, hogfish, [&](const WrasseParts &parts) {
        growFinRoots(p, parts.body, {&dorsal, &anal}, 3.0);
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
    // The thick, fleshy lips at the end of the snout, which it roots in the
    // sand with: each a rounded roll, lit on top, that ends the snout
    // bluntly, like a pig's.
    // Each runs back along the snout's own profile, so the snout swells
    // into them rather than having them stuck on.
    const QPointF m = s.snout + QPointF(0.5, 0.6);
    const QPainterPath upper =
        smoothClosedPath({s.at(0.075, -0.96), s.at(0.04, -1.02), m + QPointF(1.2, -5.4),
                          m + QPointF(-2.6, -3.2), m + QPointF(-3.2, -0.6), m + QPointF(-1.6, 0.1),
                          m + QPointF(5, 0.1), s.at(0.07, -0.1), s.at(0.085, -0.5)});
    const QPainterPath lower = smoothClosedPath(
        {m + QPointF(-1.6, 0.5), m + QPointF(-1.6, 2.0), m + QPointF(1.0, 3.0),
         m + QPointF(3.8, 3.5), s.at(0.04, 1.0), s.at(0.06, 0.6), m + QPointF(5.5, 0.5)});
    if (!Silhouette::record(p, upper.united(lower))) {
        // Fleshy to the front and blending back into the snout's skin.
        for (const auto &[lip, colour] :
             {std::pair{&upper, QColor(124, 62, 68)}, std::pair{&lower, QColor(220, 172, 168)}}) {
            QLinearGradient back(m - QPointF(3, 0), s.at(0.075, 0));
            back.setColorAt(0, colour);
            back.setColorAt(0.55, colour);
            back.setColorAt(1, withAlpha(colour, 0));
            p.fillPath(*lip, back);
        }
        QLinearGradient round(m + QPointF(0, -5), m + QPointF(0, 5));
        round.setColorAt(0, QColor(255, 225, 220, 50));
        round.setColorAt(0.4, QColor(60, 20, 26, 40));
        round.setColorAt(0.6, QColor(255, 225, 220, 40));
        round.setColorAt(1, QColor(60, 20, 26, 50));
        p.fillPath(upper.united(lower).intersected(oval(m + QPointF(2, 0), 6, 6)), round);
        stroke(p, curve(m + QPointF(-1.6, -3.6), m + QPointF(1.5, -5.2), s.at(0.04, -0.9)),
               QColor(255, 220, 216, 60), 0.8);
        // The mouth is a short slit across the end of the snout, the upper
        // jaw a little ahead of the lower.
        const QPointF corner = m + QPointF(6.5, 0.9);
        stroke(p, curve(m + QPointF(-1.8, 0.3), m + QPointF(3, 0.3), corner),
               QColor(60, 30, 34, 200), 0.8);
        stroke(p,
               curve(corner + QPointF(-0.4, -1.4), corner + QPointF(0.8, 0),
                     corner + QPointF(-0.4, 1.4)),
               QColor(90, 50, 54, 90), 0.6);
    }
}

} // namespace fishart
