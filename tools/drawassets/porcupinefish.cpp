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
// a stout quill, about four times as long as it is broad at the skin.
double spineHalf(double length)
{
    return std::max(0.8, length / 8);
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
// quill of the skin's own tan, round in section, so lit along the side
// towards the light and shaded along the other, darkening to brown over
// its outer half to the point. A spine lying back on the skin (`shadow`
// valid) stands a little off it, so its shadow leaves the root and falls
// away from the light, further off towards the point.
void paintSpine(QPainter &p, QPointF root, QPointF dir, double length, QColor skin,
                QColor shadow = {})
{
    const double half = spineHalf(length);
    const QPointF lit = litSide(dir);
    if (shadow.isValid()) {
        QPointF fall = dir - lit * 0.22;
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
    across.setColorAt(0.0, skin.lighter(106));
    across.setColorAt(0.3, skin.lighter(116));
    across.setColorAt(0.55, skin.darker(106));
    across.setColorAt(1.0, skin.darker(160));
    p.fillPath(rod, across);
    // The point darkens to brown, the shading still showing through it.
    const QColor tip(78, 52, 26);
    QLinearGradient along(root, root + dir * length);
    along.setColorAt(0.0, withAlpha(tip, 0));
    along.setColorAt(0.25, withAlpha(tip, 0));
    along.setColorAt(0.7, withAlpha(tip, 160));
    along.setColorAt(1.0, withAlpha(tip, 230));
    p.fillPath(rod, along);
    stroke(p, rod, withAlpha(skin.darker(220), 60), 0.25);
}

// The skin raised into a low mound round the root of a spine `length` long
// at `root` lying back along `dir`: drawn out along the spine, lit on the
// side towards the light and shaded on the other, its edge swelling out of
// the body with no line.
void paintSocket(QPainter &p, QPointF root, QPointF dir, double length, QColor skin)
{
    const Saved s(p);
    const double angle = std::atan2(dir.y(), dir.x());
    const double size = std::min(length * 0.32, 4.2);
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

    QRandomGenerator rng(3001);
    const auto unit = [](QPointF v) { return v / std::max(1e-6, std::hypot(v.x(), v.y())); };
    // Longest over the nape and shoulders, about an eye across, short on the
    // snout and the stalk, and no two quite alike.
    const auto reach = [&rng](double x) {
        const double hump = std::exp(-std::pow((x - 118) / 56, 2));
        return (5 + 9 * hump) * (0.8 + 0.35 * rng.generateDouble());
    };
    // Turned by up to `spread` degrees either way.
    const auto veer = [&rng](QPointF v, double spread) {
        const double a = (rng.generateDouble() * 2 - 1) * spread * pi / 180;
        return QPointF(v.x() * std::cos(a) - v.y() * std::sin(a),
                       v.x() * std::sin(a) + v.y() * std::cos(a));
    };
    // Along the back and belly the laid-back spines stand well off the skin,
    // so their points break the outline; their roots are under the skin.
    for (double t = 0.02; t < 0.98; t += 0.02 + 0.02 * rng.generateDouble()) {
        const QPointF at = body.pointAtPercent(t);
        if (at.x() < 56 || at.x() > 226)
            continue;
        const double a = body.angleAtPercent(t) * pi / 180;
        QPointF along(std::cos(a), -std::sin(a));
        if (along.x() < 0)
            along = -along;
        const QPointF out(0, at.y() < 123 ? -1 : 1);
        const QPointF dir = unit(veer(along + out * 0.7, 10));
        const QColor skin = at.y() < 123 ? QColor(150, 130, 84) : QColor(196, 182, 146);
        paintSpine(p, at - out * 1.2 - dir * 1.5, dir, reach(at.x()) * 1.1, skin);
    }

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
        // Over the skin the spines lie back towards the tail, each from its
        // own low socket, scattered unevenly rather than in rows: each root
        // keeps a little room round it. Drawn from the tail forwards, so each
        // front spine lies over the roots of those behind.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        std::vector<QPointF> roots;
        for (int k = 0; k < 4000; ++k) {
            const QPointF at(48 + 188 * rng.generateDouble(), 80 + 90 * rng.generateDouble());
            const double room = 8 + 4 * rng.generateDouble();
            if (body.contains(at) && std::none_of(roots.begin(), roots.end(), [&](QPointF r) {
                    return QLineF(r, at).length() < room;
                }))
                roots.push_back(at);
        }
        std::sort(roots.begin(), roots.end(),
                  [](QPointF a, QPointF b) { return a.x() + a.y() * 0.2 > b.x() + b.y() * 0.2; });
        for (const QPointF &root : roots) {
            if (QLineF(root, {78, 103}).length() < 14 || root.x() < 50 || root.x() > 232 ||
                QLineF(root, {116, 124}).length() < 20)
                continue;
            // The spines follow the taper of the body towards the tail stalk,
            // splaying a little outward over the back and belly, each at its
            // own slant.
            const QPointF dir = unit(
                veer(unit(QPointF(246, 123) - root) + QPointF(0.6, (root.y() - 123) / 120), 16));
            // Each quill is the colour of the skin it grows from, darkening
            // with it into the shade of the lower flank.
            const double down = std::clamp((root.y() - 80) / 86, 0.0, 1.0);
            const QColor tone = down < 0.5 ? blend(back, flank, down * 2)
                                           : blend(flank, belly.darker(112), down * 2 - 1);
            const QColor skin = tone.darker(98 + rng.bounded(12));
            const double length = reach(root.x()) * 1.1;
            // The spine grows out of a small raised socket of skin and, lying
            // close along the body, throws a soft shadow on it below.
            paintSocket(p, root, dir, length, skin);
            paintSpine(p, root, dir, length, skin, withAlpha(spineShade, 150));
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
