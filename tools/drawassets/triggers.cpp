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

// Triggerfish and puffers: a deep trigger, a ball of spines.

namespace fishart {

using namespace fishkit;

namespace {

constexpr double pi = std::numbers::pi;

// A spine of the Porcupinefish from `root` along `dir`: a quill thick at its
// root and tapering in a gentle curve to a point, coloured like the skin it
// grows from and paling a little towards its tip, lit along one side, with
// its shadow on the skin beside it, darkest where it leaves the skin.
void paintSpine(QPainter &p, QPointF root, QPointF dir, double length, QColor colour, QColor edge)
{
    const double half = std::clamp(length * 0.13, 1.0, 2.8);
    const QPointF side = QPointF(-dir.y(), dir.x()) * half;
    const QPointF tip = root + dir * length, fall(0.7, 1.1);
    QPainterPath shadow(root + side * 0.6 + fall * 0.4);
    shadow.quadTo(root + dir * length * 0.35 + side * 0.8 + fall, tip + fall * 1.3);
    shadow.quadTo(root + dir * length * 0.3 - side * 0.2 + fall, root - side * 0.4 + fall * 0.4);
    QLinearGradient dusk(root, tip);
    dusk.setColorAt(0.0, edge);
    dusk.setColorAt(1.0, withAlpha(edge, 0));
    p.fillPath(shadow, dusk);
    QPainterPath quill(root + side);
    quill.quadTo(root + dir * length * 0.35 + side * 0.6, tip);
    quill.quadTo(root + dir * length * 0.35 - side * 0.6, root - side);
    quill.closeSubpath();
    QLinearGradient along(root, tip);
    along.setColorAt(0.0, colour.darker(106));
    along.setColorAt(0.6, colour.lighter(112));
    along.setColorAt(1.0, withAlpha(colour.lighter(120), 190));
    p.fillPath(quill, along);
    // The lit flank of the quill, and its shaded one.
    stroke(
        p,
        curve(root - side * 0.5, root + dir * length * 0.3 - side * 0.35, tip - dir * length * 0.2),
        withAlpha(colour.lighter(118), 150), half * 0.4);
    stroke(
        p,
        curve(root + side * 0.6, root + dir * length * 0.3 + side * 0.4, tip - dir * length * 0.3),
        withAlpha(colour.darker(140), 110), half * 0.4);
}

// The skin drawn up into a low sheath round the foot of a spine lying back
// along `dir`, lit from above, so the spine grows out of the body.
void paintSpineBase(QPainter &p, QPointF root, QPointF dir, double length, QColor skin)
{
    const Saved s(p);
    p.translate(root + dir * length * 0.08);
    p.rotate(std::atan2(dir.y(), dir.x()) * 180.0 / pi);
    const double along = std::max(2.4, length * 0.26), across = std::clamp(length * 0.17, 1.4, 3.4);
    QRadialGradient mound(QPointF(-along * 0.2, -across * 0.3), along * 1.2);
    mound.setColorAt(0.0, withAlpha(skin.lighter(104), 200));
    mound.setColorAt(0.7, withAlpha(skin.darker(104), 150));
    mound.setColorAt(1.0, withAlpha(skin.darker(120), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 10, 50));
    p.drawEllipse(QPointF(along * 0.15, across * 0.5), along, across);
    p.setBrush(mound);
    p.drawEllipse(QPointF(0, 0), along, across);
}

} // namespace

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
    // The first dorsal: a tall, stout, rough spine that locks upright, and
    // two much shorter spines behind it, the last a stub; a low dark web
    // joins them, hollowed between the spines.
    const QPointF trigger = shape.at(0.45, -0.95);
    const QPointF tip1 = trigger + QPointF(7, -40), tip2 = trigger + QPointF(17, -19),
                  tip3 = trigger + QPointF(23, -8);
    const QPointF root2 = trigger + QPointF(10, 1.5), root3 = trigger + QPointF(18, 2.5);
    QPainterPath web(trigger + QPointF(2, 4));
    web.lineTo(trigger + (tip1 - trigger) * 0.62 + QPointF(2, 0));
    web.quadTo(root2 + (tip2 - root2) * 0.45 + QPointF(-2, 2), tip2);
    web.quadTo(root3 + (tip3 - root3) * 0.4 + QPointF(-1, 1), tip3);
    web.quadTo(root3 + QPointF(5, -1), root3 + QPointF(8, 3));
    web.closeSubpath();
    p.fillPath(web, QColor(58, 80, 70, 200));
    stroke(p, web, QColor(40, 52, 46, 140), 0.5);
    for (const auto &[root, end, width] :
         {std::tuple{trigger, tip1, 6.0}, std::tuple{root2, tip2, 3.2},
          std::tuple{root3, tip3, 2.0}}) {
        const QPainterPath spine = ribbon(curve(root, (root + end) / 2 + QPointF(-1.2, 0), end),
                                          {width, width * 0.62, 0.5});
        fillBody(p, spine, QColor(104, 132, 120), QColor(74, 98, 88), QColor(44, 56, 50));
        stroke(p, spine, QColor(30, 40, 36, 200), 0.5);
    }
    // The trigger's front edge is rough with small knobs.
    for (int k = 1; k < 8; ++k) {
        const QPointF at = trigger + (tip1 - trigger) * (k / 8.5) + QPointF(-2.4 + k * 0.24, 0);
        paintDisc(p, at, 0.45, 0.45, QColor(140, 160, 148, 110));
    }
    const QPainterPath body = bodyOutline(shape);
    // Bright blue-green over the back, warming through yellow to orange below.
    fillBody(p, body, QColor(34, 132, 146), QColor(176, 186, 84), QColor(250, 180, 60), 0.5);
    paintScales(p, body, 8, QColor(70, 90, 60, 60));
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        paintGlow(p, {92, 140}, 36, QColor(252, 168, 56, 170));
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
        // Short dark lines radiate from the eye over the cheek and nape,
        // each its own length, slant and waver; some start a little clear of
        // the eye, a few fork, and they fade out into the skin.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        struct Streak
        {
            double angle, gap, length, bend, width;
        };
        static constexpr Streak streaks[] = {
            {-74, 1.5, 7, 0.8, 1.0},   {-52, 0.4, 11, -1.2, 1.2}, {-33, 2.6, 9, 1.0, 0.9},
            {-14, 0.8, 14, -0.8, 1.3}, {4, 0.2, 10, 1.4, 1.1},    {19, 3.0, 12, -1.0, 1.0},
            {36, 0.6, 9, 0.6, 1.2},    {57, 1.8, 7, -0.7, 0.9},   {-166, 0.8, 5, 0.6, 0.8},
            {-128, 2.2, 4, -0.5, 0.7}, {148, 1.0, 6, 0.8, 0.8}};
        for (const Streak &k : streaks) {
            const QPointF d(std::cos(k.angle * pi / 180), std::sin(k.angle * pi / 180));
            const QPointF n(-d.y(), d.x());
            const QPointF from = eye + d * (7.4 + k.gap * 1.3), to = from + d * k.length;
            const QPainterPath line =
                curveThrough({from, from + d * k.length * 0.4 + n * k.bend, to - n * k.bend * 0.4});
            // Each begins as a faint thread, is darkest along its middle and
            // fades out into the skin.
            p.fillPath(ribbon(line, {k.width * 0.4, k.width, k.width * 0.8, 0.15}),
                       QColor(40, 48, 44, 130));
            if (k.length > 10)
                p.fillPath(ribbon(curve(from + d * k.length * 0.55,
                                        from + d * k.length * 0.7 + n * k.bend * 2.5,
                                        from + d * k.length * 0.8 + n * (k.bend * 4 + 2)),
                                  {k.width * 0.7, 0.15}),
                           QColor(30, 40, 50, 130));
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
    // The groove in the back behind the spines, into which they fold flat.
    strokeInside(p, body,
                 curveThrough({shape.at(0.5, -0.9), shape.at(0.56, -0.88), shape.at(0.62, -0.84)}),
                 QColor(30, 46, 44, 170), 1.2);
    strokeInside(p, body,
                 curveThrough({shape.at(0.5, -0.86), shape.at(0.56, -0.84), shape.at(0.62, -0.8)}),
                 QColor(200, 220, 200, 60), 0.7);
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
    const QColor finColour(160, 140, 90, 160);
    const QColor rays(80, 62, 36, 150);
    const QColor spineShade(110, 90, 55);

    const Fin tailFin = tail(TailKind::Rounded, {222, 118}, 24, 54, 60);
    paintFin(p, tailFin, finColour, rays, 10);
    paintSpots(p, tailFin.shape, 8, 0.9, 1.6, QColor(30, 25, 20), 301);
    const Fin dorsal = fin({200, 66}, {{212, 40}, {234, 44}}, {228, 72});
    const Fin anal = fin({200, 166}, {{212, 192}, {234, 188}}, {228, 160});
    paintFin(p, dorsal, finColour, rays, 6);
    paintFin(p, anal, QColor(200, 185, 140, 160), rays, 6);
    paintSpots(p, dorsal.shape, 9, 0.8, 1.4, QColor(30, 25, 20, 200), 302);
    // Each fin grows out of a fleshy base that carries the skin's colour a
    // little way up its rays before the membrane clears.
    for (const auto &[f, root, skin] :
         {std::tuple{&tailFin, QPointF(233, 118), QColor(176, 150, 98)},
          std::tuple{&dorsal, QPointF(210, 66), QColor(150, 128, 80)},
          std::tuple{&anal, QPointF(210, 166), QColor(214, 198, 160)}}) {
        const Saved s(p);
        p.setClipPath(f->shape, Qt::IntersectClip);
        paintGlow(p, root, 19, withAlpha(skin, 220));
    }

    // Blown up, the spines stand straight out from the ball, only a little
    // swept back; round the rim they show their whole length, drawn first so
    // that the ball hides their roots.
    const auto swept = [](QPointF out) {
        const QPointF d = out + QPointF(0.45, 0);
        return d / std::hypot(d.x(), d.y());
    };
    // Short on the face, longest just behind the head, above and below.
    const auto reach = [&](QPointF out) {
        const double a = std::atan2(out.y(), out.x());
        const double nape = std::max(0.0, 1.0 - std::abs(a + 1.85) / 1.3);
        const double throat = std::max(0.0, 1.0 - std::abs(a - 1.95) / 1.2);
        const double face = std::clamp(-out.x() - 0.75, 0.0, 1.0);
        return 0.62 + 0.5 * nape + 0.3 * throat - 0.9 * face;
    };
    // Each spine leans its own way and grows to its own length, some seen
    // end on and short, so the rim bristles unevenly rather than like a gear.
    QRandomGenerator rng(3001);
    const auto turned = [](QPointF d, double by) {
        return QPointF(d.x() * std::cos(by) - d.y() * std::sin(by),
                       d.x() * std::sin(by) + d.y() * std::cos(by));
    };
    double a = 0.1;
    while (a < 2 * pi) {
        const QPointF out(std::cos(a), std::sin(a));
        a += 2 * pi / 84 * (0.55 + 0.9 * rng.generateDouble());
        if (out.x() > 0.92 && std::abs(out.y()) < 0.3)
            continue;
        const double end = rng.generateDouble();
        const double length = (20 + (out.y() < 0 ? 3 : 0)) * reach(out) *
                              (end < 0.2 ? 0.35 + end : 0.7 + 0.55 * rng.generateDouble());
        const double sink = 4 + 5 * rng.generateDouble();
        paintSpine(p, c + QPointF(out.x() * (rx - sink), out.y() * (ry - sink)),
                   turned(swept(out), 0.7 * (rng.generateDouble() - 0.5)), length,
                   (out.y() > 0.3 ? QColor(214, 200, 168) : QColor(172, 150, 100))
                       .darker(100 + rng.bounded(14)),
                   spineShade);
    }
    const QPainterPath body = oval(c, rx, ry);
    fillBody(p, body, QColor(122, 104, 62), QColor(192, 168, 112), QColor(244, 236, 214));
    paintSpots(p, body.intersected(oval(c + QPointF(0, -28), rx + 4, ry - 12)), 10, 1.3, 2.6,
               QColor(28, 22, 16), 30);
    {
        // Over the face of the ball the spines lie back along the skin like
        // a mane, each from its own low socket, short and crowded on the
        // snout, longest over the nape and shoulders, shortening again
        // towards the tail; they grow at odd spacings and lengths and lean
        // a little every way. Drawn from the tail forwards, each front spine
        // lies over the roots of those behind it.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        std::vector<QPointF> roots = spreadPoints(body, 10.5, 4.6, 3002);
        std::sort(roots.begin(), roots.end(),
                  [](QPointF a, QPointF b) { return a.x() + a.y() * 0.3 > b.x() + b.y() * 0.3; });
        for (const QPointF &root : roots) {
            if (QLineF(root, {108, 97}).length() < 13 || QLineF(root, {88, 124}).length() < 12 ||
                rng.bounded(7) == 0)
                continue;
            const QPointF out((root.x() - c.x()) / rx, (root.y() - c.y()) / ry);
            const double u = (root.x() - (c.x() - rx)) / (2 * rx);
            const double grow = u < 0.45 ? 0.3 + 0.7 * u / 0.45 : 1.0 - 0.5 * (u - 0.45) / 0.55;
            const QPointF lie = QPointF(1.0, 0.25 * out.y()) + out * 0.45;
            const QPointF dir =
                turned(lie / std::hypot(lie.x(), lie.y()), 0.35 * (rng.generateDouble() - 0.5));
            const QColor skin =
                root.y() > c.y() + 20 ? QColor(226, 214, 184) : QColor(176, 154, 104);
            const double length = 17 * grow * (0.55 + 0.7 * rng.generateDouble());
            paintSpineBase(p, root, dir, length, skin);
            paintSpine(p, root, dir, length, skin.darker(104), withAlpha(spineShade, 150));
        }
    }
    shadeBody(p, body, QColor(90, 72, 40, 160));
    anatomy::paintGrownPectoral(p, {134, 110}, {135, 128}, {{150, 100}, {166, 106}, {163, 132}},
                                QColor(200, 176, 120, 220), QColor(215, 190, 120, 150),
                                QColor(120, 90, 40, 140));
    // The blunt snout is only the front of the ball, a little paler round the mouth.
    paintGlow(p, {88, 124}, 12, QColor(236, 226, 200, 150));
    // A small blunt mouth at the front of the snout: thick lips in the skin's
    // colour, closed but for a dark slit, and between them only the rims of
    // the fused beak plates showing, ivory dulled by the shade of the gape.
    const QPainterPath lips = smoothClosedPath({{81, 119},
                                                {87, 117.6},
                                                {93, 119.4},
                                                {95.6, 123.6},
                                                {93, 128},
                                                {87, 129.6},
                                                {81.4, 127.6}});
    fillBody(p, lips, QColor(188, 166, 112), QColor(198, 176, 124), QColor(222, 208, 176));
    {
        // The lips are the front of the ball itself: outlined only where they stand clear.
        const Saved s(p);
        p.setClipPath(oval(c, rx, ry).subtracted(oval(c, rx - 3, ry - 3)), Qt::IntersectClip);
        stroke(p, lips, QColor(90, 72, 40, 160), 0.8);
    }
    // The mouth stands a little open: a dark gape, the ivory rims of the
    // fused upper and lower beak plates set into it, and over them the thick
    // upper and lower lips, each a rounded roll lit on top and shaded below.
    p.fillPath(
        smoothClosedPath(
            {{81.4, 122.6}, {87, 121.6}, {93.6, 122.2}, {94.4, 124.4}, {87, 125.8}, {81.6, 125.4}}),
        QColor(62, 44, 28, 235));
    const auto plate = [&p](std::initializer_list<QPointF> edge, QColor from, QColor to) {
        QLinearGradient g(QPointF(0, 121.8), QPointF(0, 126));
        g.setColorAt(0.0, from);
        g.setColorAt(1.0, to);
        p.fillPath(smoothClosedPath(edge), g);
    };
    plate({{82.2, 122.7}, {87, 121.9}, {92.8, 122.4}, {92.4, 123.9}, {87, 123.5}, {82.4, 123.9}},
          QColor(236, 226, 200), QColor(176, 160, 126));
    plate({{82.6, 124.5}, {87, 124.2}, {91.8, 124.4}, {91.4, 125.6}, {87, 125.9}, {82.8, 125.5}},
          QColor(196, 182, 150), QColor(150, 134, 104));
    const QPainterPath upperLip = smoothClosedPath({{80.4, 122.8},
                                                    {82, 119.4},
                                                    {87, 118.2},
                                                    {92.8, 119.6},
                                                    {95.4, 122.4},
                                                    {92.6, 122.7},
                                                    {87, 122.2},
                                                    {82.4, 123.1}});
    const QPainterPath lowerLip = smoothClosedPath({{81, 125.6},
                                                    {83, 125.2},
                                                    {87, 125.8},
                                                    {91.8, 125.2},
                                                    {94.8, 125},
                                                    {93.4, 128.4},
                                                    {87, 130},
                                                    {82, 128.6}});
    for (const auto &[lip, top, bottom] :
         {std::tuple{&upperLip, QColor(224, 208, 168), QColor(170, 146, 98)},
          std::tuple{&lowerLip, QColor(214, 198, 160), QColor(160, 138, 94)}}) {
        QLinearGradient roll(QPointF(0, lip->boundingRect().top()),
                             QPointF(0, lip->boundingRect().bottom()));
        roll.setColorAt(0.0, top);
        roll.setColorAt(0.45, top.darker(104));
        roll.setColorAt(1.0, bottom);
        p.fillPath(*lip, roll);
        stroke(p, *lip, QColor(96, 74, 42, 90), 0.45);
    }
    stroke(p, curve({96, 124}, {99, 127}, {98, 131}), QColor(110, 90, 60, 130), 0.8);
    // The large eyes bulge out of the ball, dark, with a green-gold iris.
    const QPainterPath socket = oval({108, 97}, 11, 10);
    fillBody(p, socket, QColor(190, 168, 112), QColor(166, 144, 94), QColor(130, 110, 70));
    stroke(p, curve({99, 103}, {108, 109.5}, {118, 103}), QColor(90, 72, 40, 120), 1.1);
    anatomy::paintNaturalEye(p, {108, 96.5}, 7.5, QColor(104, 108, 44), 0.6);
}

} // namespace fishart
