// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>
#include <vector>

// The Porcupinefish: a puffer with its spines laid back along the skin.

namespace fishart {

using namespace fishkit;

namespace {

constexpr double pi = std::numbers::pi;

// How wide a Porcupinefish spine `length` long is at its root, each side:
// a slender quill, some ten times as long as it is broad at the skin.
double spineHalf(double length)
{
    return 0.45 + length * 0.04;
}

// The outline of a Porcupinefish spine from `root` along `dir`, `half` wide
// at its root each side: rounded off where it sinks into the skin, then a
// cone whose sides curve in a little to a sharp point.
QPainterPath spineOutline(QPointF root, QPointF dir, double length, double half)
{
    const QPointF n(-dir.y(), dir.x());
    QPolygonF left, right;
    constexpr int steps = 16;
    for (int k = 0; k <= steps; ++k) {
        const double t = double(k) / steps;
        const double w =
            t < 0.06 ? half * std::sqrt(t / 0.06) : half * std::pow(1.0 - (t - 0.06) / 0.94, 1.2);
        const QPointF c = root + dir * length * t;
        left << c + n * w;
        right.prepend(c - n * w);
    }
    QPainterPath path;
    path.addPolygon(left + right);
    path.closeSubpath();
    return path;
}

// Which side of a spine along `dir` faces the light, from the upper left.
QPointF litSide(QPointF dir)
{
    const QPointF n(-dir.y(), dir.x());
    return n.x() + n.y() > 0 ? -n : n;
}

// A spine of the Porcupinefish from `root` along `dir`, `length` long: a
// pale quill, round in section, so lit along the side towards the light and
// shaded along the other, darkening over its outer third to a sharp dark
// point. Lying back, it stands a little off the skin, so its shadow leaves
// the root and falls away from the light, further off towards the point;
// the shadow falls only on the skin (`body`), not on the water.
void paintSpine(QPainter &p, QPointF root, QPointF dir, double length, QColor skin, QColor shadow,
                const QPainterPath &body)
{
    const double half = spineHalf(length);
    const QPointF lit = litSide(dir);
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        QPointF fall = dir - lit * 0.2;
        fall /= std::hypot(fall.x(), fall.y());
        const QPointF from = root - lit * half * 0.6 + dir * 0.6;
        for (const auto &[grow, share] : {std::pair{1.8, 0.4}, std::pair{1.1, 0.85}}) {
            QLinearGradient fade(from, from + fall * length);
            fade.setColorAt(0.0, withAlpha(shadow, int(shadow.alpha() * share)));
            fade.setColorAt(0.6, withAlpha(shadow, int(shadow.alpha() * share * 0.6)));
            fade.setColorAt(1.0, withAlpha(shadow, 0));
            p.fillPath(spineOutline(from, fall, length * 0.95, half * grow), fade);
        }
    }
    const QPainterPath rod = spineOutline(root, dir, length, half);
    QLinearGradient across(root + lit * half, root - lit * half);
    across.setColorAt(0.0, skin.lighter(112));
    across.setColorAt(0.3, skin.lighter(132));
    across.setColorAt(0.6, skin.darker(104));
    across.setColorAt(1.0, skin.darker(170));
    p.fillPath(rod, across);
    // The point darkens to brown, the shading still showing through it.
    const QColor tip(58, 38, 20);
    QLinearGradient along(root, root + dir * length);
    along.setColorAt(0.0, withAlpha(tip, 0));
    along.setColorAt(0.45, withAlpha(tip, 0));
    along.setColorAt(0.8, withAlpha(tip, 150));
    along.setColorAt(1.0, withAlpha(tip, 240));
    p.fillPath(rod, along);
    stroke(p, rod, withAlpha(skin.darker(240), 90), 0.25);
}

// The skin raised into a low mound round the root of a spine `length` long
// at `root` lying back along `dir`: drawn out along the spine, lit on the
// side towards the light and shaded on the other, its edge swelling out of
// the body with no line.
void paintSocket(QPainter &p, QPointF root, QPointF dir, double length, QColor skin)
{
    const Saved s(p);
    const double angle = std::atan2(dir.y(), dir.x());
    const double size = std::min(0.6 + length * 0.12, 3.6);
    p.translate(root + dir * size * 0.1);
    p.rotate(angle * 180.0 / pi);
    // Squashed across the spine, so each soft round patch becomes an oval
    // that fades out on every side.
    p.scale(1.0, 0.6);
    // The light, from the upper left, turned into the socket's frame.
    const QPointF light =
        QPointF(-std::cos(angle) - std::sin(angle), std::sin(angle) - std::cos(angle)) /
        std::sqrt(2.0);
    paintGlow(p, -light * size * 0.4, size * 1.25, withAlpha(skin.darker(170), 200));
    paintGlow(p, light * size * 0.3, size * 0.95, withAlpha(skin.lighter(122), 230));
}

} // namespace

// Slim, as it cruises when left alone, its spines laid back along the skin:
// a broad, blunt head with large eyes and a beak of fused teeth in thick
// lips; the body tapering behind the broad pectorals to a narrow stalk, the
// short rounded dorsal and anal fins set far back by a rounded tail; tan to
// olive above, pale below, with small black spots over back, flanks and fins.
void paintPorcupinefish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.3, 214, 0, {30, 232}, 48, QColor(176, 150, 96), {296, 232}, 150,
              QColor(140, 70, 130));
    paintCoralHead(p, QPointF(286, 238), 34, QColor(140, 150, 96));
    const QColor back(118, 102, 60), flank(184, 162, 110), belly(240, 232, 210);
    const QColor finColour(170, 150, 100, 190), rays(80, 62, 36, 150), spineShade(96, 76, 44);
    const QColor spot(28, 22, 16);

    // Widest across the head and shoulders, the back arching low over the
    // pectorals and falling to a stalk a fifth of the depth.
    const QPainterPath body = smoothClosedPath(
        {{35, 124},  {39, 108},  {52, 94},   {72, 84},   {100, 78},  {132, 79},  {162, 86},
         {190, 96},  {214, 106}, {232, 112}, {246, 114}, {246, 132}, {232, 134}, {212, 140},
         {188, 150}, {160, 160}, {128, 167}, {98, 167},  {70, 161},  {50, 151},  {38, 139}});

    paintCastShadow(p, body, 222);
    const Fin tailFin = tail(TailKind::Rounded, {240, 123}, 20, 40, 48);
    const Fin dorsal = fin({206, 103}, {{211, 89}, {221, 83}, {231, 90}}, {236, 110});
    const Fin anal = fin({206, 145}, {{211, 158}, {221, 164}, {231, 157}}, {236, 136});
    // Thin soft-rayed fins the water shows through towards their edges.
    paintSheerFin(p, tailFin, finColour, rays, 16);
    paintSheerFin(p, dorsal, finColour, rays, 11);
    paintSheerFin(p, anal, QColor(206, 192, 150, 190), rays, 11);
    for (const auto &[f, root, skin] :
         {std::tuple{&tailFin, QPointF(244, 123), QColor(170, 146, 96)},
          std::tuple{&dorsal, QPointF(218, 104), QColor(150, 128, 80)},
          std::tuple{&anal, QPointF(218, 144), QColor(214, 198, 160)}}) {
        const Saved s(p);
        p.setClipPath(f->shape, Qt::IntersectClip);
        paintGlow(p, root, 14, withAlpha(skin, 200));
    }
    // Fewer, smaller spots out on the fins, none on their clear margins.
    anatomy::paintFreckles(p, tailFin.shape.intersected(oval({258, 123}, 22, 26)), 9, 0.4, 1.4,
                           withAlpha(spot, 210), 301, {248, 123}, 20);
    anatomy::paintFreckles(p, dorsal.shape.intersected(oval({220, 98}, 10, 10)), 8, 0.4, 1.2,
                           withAlpha(spot, 200), 302, {216, 102}, 10);

    fillBody(p, body, back, flank, belly);
    {
        // The spots keep to the back and flanks, largest over the shoulders,
        // smaller on the head and towards the tail, none on the pale belly.
        QPainterPath upper;
        upper.addPolygon(QPolygonF({QPointF(0, 0), QPointF(320, 0), QPointF(320, 128 + 260 * 0.08),
                                    QPointF(0, 128 - 60 * 0.08)}));
        const QPainterPath spotted = body.intersected(upper)
                                         .subtracted(oval({78, 103}, 12, 12))
                                         .subtracted(oval({30, 124}, 18, 40));
        anatomy::paintFreckles(p, spotted, 8, 0.6, 2.3, withAlpha(spot, 225), 3004, {140, 104}, 80);
    }
    {
        // The long spines lie back towards the tail in staggered rows that
        // follow the curve of the body, each from its own low socket. Those
        // along the back, nape and belly lie along the outline, so their
        // outer halves stand clear of it against the water and the outline
        // is a fringe of quills. Drawn from the tail forwards, so each front
        // spine lies over the roots of those behind.
        const QPolygonF edge = body.toFillPolygon();
        // The top and bottom of the body at `x`.
        const auto span = [&edge](double x) {
            double top = 1e9, bottom = -1e9;
            for (qsizetype i = 0; i + 1 < edge.size(); ++i) {
                const QPointF a = edge[i], b = edge[i + 1];
                if ((a.x() - x) * (b.x() - x) > 0 || a.x() == b.x())
                    continue;
                const double y = a.y() + (b.y() - a.y()) * (x - a.x()) / (b.x() - a.x());
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
            return std::pair{top, bottom};
        };
        // A point `v` of the way down from the back to the belly at `x`.
        const auto rowAt = [&span](double x, double v) {
            const auto [top, bottom] = span(x);
            return QPointF(x, top + (bottom - top) * v);
        };
        QRandomGenerator rng(3001);
        const auto unit = [](QPointF v) { return v / std::max(1e-6, std::hypot(v.x(), v.y())); };
        // About an eighth of the body long, a little shorter on the head and
        // forward flank and towards the stalk, and no two quite alike.
        const auto reach = [&rng](double x) {
            const double front = std::clamp((x - 60) / 60, 0.0, 1.0);
            const double rear = std::clamp((228 - x) / 40, 0.0, 1.0);
            return (18 + 8 * front) * (0.7 + 0.3 * rear) * (0.93 + 0.14 * rng.generateDouble());
        };
        struct Spine
        {
            QPointF root, dir;
            double length;
        };
        std::vector<Spine> spines;
        constexpr int rows = 8;
        for (int row = 0; row < rows; ++row) {
            const double v = 0.03 + 0.94 * row / (rows - 1);
            const bool rim = row == 0 || row == rows - 1;
            const double out = v < 0.5 ? -1 : 1;
            const double step = rim ? 13 : 19;
            for (double x = 46 + (row % 2) * step / 2; x < 222; x += step) {
                const double at = x + (rng.generateDouble() - 0.5) * 4;
                if (!rim && at < 56)
                    continue;
                const QPointF root = rowAt(at, v);
                if (QLineF(root, {78, 103}).length() < 14)
                    continue;
                const QPointF ahead = rowAt(at + 3, v) - rowAt(at - 3, v);
                // The rim spines splay a little off the outline, the rest
                // barely lift from the rows.
                const double splay = rim ? 0.3 : 0.06;
                QPointF dir = unit(ahead) + QPointF(0, out * splay);
                const double a = (rng.generateDouble() - 0.5) * 8 * pi / 180;
                dir = unit(QPointF(dir.x() * std::cos(a) - dir.y() * std::sin(a),
                                   dir.x() * std::sin(a) + dir.y() * std::cos(a)));
                spines.push_back({root - QPointF(0, out * (rim ? 1.0 : 0.0)), dir, reach(at)});
            }
        }
        std::sort(spines.begin(), spines.end(), [](const Spine &a, const Spine &b) {
            return a.root.x() + a.root.y() * 0.2 > b.root.x() + b.root.y() * 0.2;
        });
        for (const Spine &spine : spines) {
            // Each quill is a little paler than the skin it grows from,
            // darkening with it into the shade of the lower flank.
            const double down = std::clamp((spine.root.y() - 80) / 86, 0.0, 1.0);
            const QColor tone = down < 0.5 ? blend(back, flank, down * 2)
                                           : blend(flank, belly.darker(112), down * 2 - 1);
            const QColor skin = tone.lighter(108 + rng.bounded(10));
            {
                const Saved s(p);
                p.setClipPath(body, Qt::IntersectClip);
                paintSocket(p, spine.root, spine.dir, spine.length, tone);
            }
            paintSpine(p, spine.root, spine.dir, spine.length, skin, withAlpha(spineShade, 150),
                       body);
        }
    }
    shadeBody(p, body, QColor(90, 72, 40, 160));
    // The small gill opening just in front of the pectoral's base.
    {
        const QPainterPath slit = curveThrough({{103, 113}, {101.5, 122}, {103, 131}});
        p.fillPath(ribbon(slit, {0.3, 1.6, 1.2, 0.3}), QColor(70, 54, 30, 150));
        p.fillPath(ribbon(slit.translated(1.2, 0), {0.2, 1.0, 0.8, 0.2}),
                   QColor(236, 222, 184, 70));
    }
    // A broad fin swept back from a fleshy base, its upper rays the longest,
    // lying back against the flank and seen a little edge-on, the skin's
    // colour running out into it and clearing only towards its wavy edge.
    anatomy::paintGrownPectoral(
        p, {104.5, 109}, {106, 136},
        {{114, 104.5}, {126, 104}, {135, 108}, {138.5, 115}, {137, 123}, {131, 130.5}, {119, 138}},
        QColor(188, 164, 112, 225), QColor(200, 180, 128, 120), QColor(110, 82, 36, 160));
    anatomy::paintFreckles(p, oval({122, 121}, 8, 11), 6, 0.4, 1.0, withAlpha(spot, 110), 303);

    // The broad, blunt snout is paler round the mouth.
    paintGlow(p, {42, 128}, 12, QColor(236, 226, 200, 150));
    {
        // The mouth at the tip of the snout, a little open: the ivory rims of
        // the fused upper and lower beak plates in a dark gape, and over them
        // the thick upper and lower lips, each a rounded roll lit on top.
        const Saved s(p);
        p.translate(-46, 5);
        p.fillPath(smoothClosedPath({{81.4, 122.6},
                                     {87, 121.6},
                                     {93.6, 122.2},
                                     {94.4, 124.4},
                                     {87, 125.8},
                                     {81.6, 125.4}}),
                   QColor(62, 44, 28, 235));
        const auto plate = [&p](std::initializer_list<QPointF> edge, QColor from, QColor to) {
            QLinearGradient g(QPointF(0, 121.8), QPointF(0, 126));
            g.setColorAt(0.0, from);
            g.setColorAt(1.0, to);
            p.fillPath(smoothClosedPath(edge), g);
        };
        // The beak: the fused tooth plates of each jaw, ivory, standing a
        // little proud of the lips at the front, each with its middle seam.
        plate(
            {{81.2, 122.6}, {87, 121.4}, {92.8, 122.2}, {92.4, 124.1}, {87, 123.8}, {81.6, 124.2}},
            QColor(216, 202, 168), QColor(168, 152, 118));
        plate(
            {{81.8, 124.6}, {87, 124.3}, {91.8, 124.5}, {91.4, 126.0}, {87, 126.3}, {82.2, 125.8}},
            QColor(198, 184, 150), QColor(140, 124, 94));
        stroke(p, curve({86.8, 121.6}, {87.1, 122.7}, {86.9, 123.7}), QColor(140, 120, 90, 150),
               0.35);
        stroke(p, curve({86.9, 124.4}, {87.1, 125.3}, {86.9, 126.2}), QColor(120, 100, 76, 150),
               0.35);
        // The thick lips close over most of the beak, so only its front
        // edge and a thin line of plate show between them.
        const QPainterPath upperLip = smoothClosedPath({{82.4, 122.6},
                                                        {85.4, 119.8},
                                                        {90, 119.2},
                                                        {94, 120.4},
                                                        {95.8, 123.4},
                                                        {93.2, 123.4},
                                                        {89, 123.1},
                                                        {85.4, 123.2}});
        const QPainterPath lowerLip = smoothClosedPath({{83.4, 125.2},
                                                        {88, 124.9},
                                                        {92.2, 124.8},
                                                        {95.4, 124.6},
                                                        {93.8, 128.2},
                                                        {89, 129.2},
                                                        {85, 128.2}});
        for (const auto &[lip, top, bottom] :
             {std::tuple{&upperLip, QColor(204, 184, 134), QColor(150, 126, 80)},
              std::tuple{&lowerLip, QColor(208, 192, 150), QColor(146, 124, 82)}}) {
            QLinearGradient roll(QPointF(0, lip->boundingRect().top()),
                                 QPointF(0, lip->boundingRect().bottom()));
            roll.setColorAt(0.0, top);
            roll.setColorAt(0.45, top.darker(104));
            roll.setColorAt(1.0, bottom);
            p.fillPath(*lip, roll);
            stroke(p, *lip, QColor(96, 74, 42, 60), 0.35);
        }
        // The fold of the cheek running back and down from the corner of the mouth.
        stroke(p, curve({96, 124}, {100, 127}, {100, 132}), QColor(110, 90, 60, 60), 1.6);
    }
    // The large eye sits high on the broad head, bulging in a rim of skin
    // with a fold beneath it.
    const QPainterPath socket = oval({78, 103}, 11, 10);
    fillBody(p, socket, QColor(176, 154, 102), QColor(160, 138, 90), QColor(130, 110, 70));
    stroke(p, curve({69, 110}, {78, 115.5}, {88, 110}), QColor(90, 72, 40, 120), 1.1);
    anatomy::paintNaturalEye(p, {78, 102.5}, 7.6, QColor(104, 108, 44), 0.6);
}

} // namespace fishart
