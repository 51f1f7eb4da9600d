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

// Rays, seen from above resting on the sand or gliding.

namespace fishart {

using namespace fishkit;

namespace {

// A stingray on the sand seen from above, head up, around the origin of a
// frame moved to `at` and turned by `turn` degrees. What tells the stingrays
// apart is the outline of the disc, the tail and the skin `pattern`.
struct Stingray
{
    QPointF at;
    double turn = 0.0;
    QPainterPath disc;
    QPainterPath tailLine; // from under the disc to the tip
    double tailRoot = 10.0, tailTip = 1.0;
    QPainterPath hind;    // pelvic fins peeping out behind, or the fin at the tail's end
    double stingAt = 0.2; // where the sting sits along the tail
    QColor colour;
    QPointF eye; // the right eye; the left one mirrors it
    double eyeSize = 3.0;
    double sting = 10.0; // length of the sting
    double ridge = 0.0;  // half width of the raised body down the middle of the disc
};

// The pelvic fins behind the disc, two separate lobes either side of the
// tail's root, the right one through `right` and the left its mirror image.
QPainterPath pelvicPair(std::initializer_list<QPointF> right)
{
    const QPainterPath lobe = smoothClosedPath(right);
    return lobe.united(QTransform::fromScale(-1, 1).map(lobe));
}

// The serrated venomous spine, lying flat along the top of the tail from
// `root` towards `to`: a slim blade of horn-coloured bone whose fine teeth
// point back towards the root, set off from the skin by its own thin shadow.
void paintSting(QPainter &p, QPointF root, QPointF to, double length, QColor edge)
{
    const QPointF d = (to - root) / std::max(1e-6, QLineF(root, to).length());
    const QPointF n(-d.y(), d.x());
    const double half = std::max(1.5, length * 0.065);
    QPolygonF barb{root + n * half * 0.6};
    for (int i = 1; i <= 9; ++i) {
        const double t = i / 10.0, w = half * (1.0 - t * 0.85);
        barb << root + d * length * (t - 0.05) + n * w << root + d * length * t + n * (w + 0.45);
    }
    barb << root + d * length;
    for (int i = 9; i >= 1; --i) {
        const double t = i / 10.0, w = half * (1.0 - t * 0.85);
        barb << root + d * length * t - n * (w + 0.45) << root + d * length * (t - 0.05) - n * w;
    }
    barb << root - n * half * 0.6;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 24, 12, 70));
    p.drawPolygon(barb.translated(0.6, 0.9));
    p.setPen(QPen(withAlpha(edge.darker(140), 200), 0.5));
    QLinearGradient bone(root + n * half, root - n * half);
    bone.setColorAt(0.0, QColor(214, 204, 176));
    bone.setColorAt(0.5, QColor(176, 162, 130));
    bone.setColorAt(1.0, QColor(112, 100, 76));
    p.setBrush(bone);
    p.drawPolygon(barb);
    QPainterPath keel(root + d * length * 0.05);
    keel.lineTo(root + d * length * 0.92);
    stroke(p, keel, withAlpha(edge.darker(150), 130), 0.45);
}

// A rhombic disc: from an obtuse snout tip at `nose` out along leading edges
// bowed gently forwards to wing tips that come to a point at (`span`,
// `cornerY`), then back along a fuller rounded trailing edge to `rear`.
QPainterPath rhombus(double nose, double span, double cornerY, double rear)
{
    QPainterPath disc(QPointF(0, nose));
    for (const double x : {1.0, -1.0}) {
        if (x < 0)
            disc.moveTo(0, nose);
        const QPointF tip(x * (span - 2.5), cornerY - 1.5);
        const QPointF start(0, nose);
        const QPointF along = tip - start;
        const QPointF bow = QPointF(along.y(), -along.x()) * (x * 0.075);
        disc.cubicTo(start + along * 0.3 + bow * 0.95, start + along * 0.68 + bow * 1.1, tip);
        disc.quadTo(QPointF(x * (span + 0.5), cornerY), QPointF(x * (span - 2.5), cornerY + 2));
        disc.cubicTo(QPointF(x * span * 0.8, cornerY + 30), QPointF(x * span * 0.42, rear - 1),
                     QPointF(x * span * 0.1, rear));
        disc.lineTo(0, rear + 1);
    }
    return disc.simplified();
}

// The raised body down the middle of the disc, lit from the upper left, with
// its row of thorny bumps along the spine.
void paintRidge(QPainter &p, const Stingray &ray)
{
    const Saved c(p);
    p.setClipPath(ray.disc, Qt::IntersectClip);
    const QRectF box = ray.disc.boundingRect();
    const double w = ray.ridge, top = box.top() + box.height() * 0.22, bottom = box.bottom();
    // The flat wings thin out to a paler, almost translucent margin.
    {
        const Saved r(p);
        p.setClipPath(ray.disc, Qt::IntersectClip);
        stroke(p, ray.disc, withAlpha(ray.colour.lighter(122), 70), 9);
        stroke(p, ray.disc, withAlpha(ray.colour.lighter(130), 60), 3.5);
    }
    // The body is a long low dome from behind the eyes to the tail, widest at
    // the shoulders, rising out of the wings: lit on its left flank, in its own
    // shade on the right.
    {
        const Saved d(p);
        const double mid = top + (bottom - top) * 0.4, squeeze = 0.4;
        p.scale(squeeze, 1.0);
        paintGlow(p, {-w * 0.55 / squeeze, mid}, (bottom - top) * 0.58, QColor(255, 245, 210, 75));
        paintGlow(p, {w * 0.75 / squeeze, mid + 6}, (bottom - top) * 0.5, QColor(40, 30, 10, 55));
    }
    // Where the dome meets the wing the skin creases in a soft shadow.
    for (const double x : {-1.0, 1.0})
        stroke(p,
               curveThrough({{x * w * 0.9, top + 14},
                             {x * w * 1.35, top + (bottom - top) * 0.36},
                             {x * w * 1.1, top + (bottom - top) * 0.68},
                             {x * w * 0.45, bottom - 6}}),
               withAlpha(ray.colour.darker(150), x > 0 ? 55 : 30), 2.2);
    // Thorny tubercles stand out of the skin unevenly along the spine, a few
    // of them doubled, lit on their upper left and shaded behind.
    const QColor pale = ray.colour.lighter(140);
    QRandomGenerator rng(quint32(ray.ridge * 7));
    // They sit mostly over the middle of the back, with gaps, and one or
    // two stray ones off the line on the shoulders.
    const double from = top + (bottom - top) * 0.28, to = bottom - (bottom - top) * 0.12;
    for (double y = from; y < to; y += 5.0 + rng.generateDouble() * 12.0) {
        const double r =
            0.6 + rng.generateDouble() * 0.8 + 0.5 * std::sin((y - from) / (to - from) * 3.1);
        const double x = (rng.generateDouble() - 0.5) * 3.0;
        const double stray = rng.bounded(6) == 0 ? (rng.bounded(2) ? 1.0 : -1.0) : 0.0;
        const QPointF c(x + stray * w * (0.3 + rng.generateDouble() * 0.3), y);
        paintGlow(p, c + QPointF(0.8, 1.0), r * 1.7, withAlpha(ray.colour.darker(190), 60));
        paintGlow(p, c - QPointF(0.3, 0.4), r * 1.2, withAlpha(pale, 150));
    }
}

void paintStingray(QPainter &p, const Stingray &ray,
                   const std::function<void(const QPainterPath &)> &pattern)
{
    const Saved s(p);
    p.translate(ray.at);
    p.rotate(ray.turn);
    const QPainterPath tail = ribbon(ray.tailLine, {ray.tailRoot, ray.tailTip});
    castShadow(p, ray.disc.united(ray.hind).united(tail), QPointF(5, 7), 60);

    const QColor line = ray.colour.darker(170);
    for (const QPainterPath &part : {ray.hind, tail}) {
        fillBody(p, part, ray.colour.darker(110), ray.colour, ray.colour.darker(104));
        pattern(part);
        stroke(p, part, line, 0.8);
    }
    {
        // The sting lies along the tail's upper face, a little to the lit side.
        const double along = ray.stingAt;
        const QPointF root = ray.tailLine.pointAtPercent(along);
        const QPointF ahead = ray.tailLine.pointAtPercent(std::min(1.0, along + 0.12));
        const QPointF d = (ahead - root) / std::max(1e-6, QLineF(root, ahead).length());
        const QPointF lift = QPointF(-d.y(), d.x()) * ray.tailRoot * 0.12;
        paintSting(p, root + lift, root + lift + d * ray.sting, ray.sting, line);
    }

    QRadialGradient g(QPointF(0, -6), ray.disc.boundingRect().width() * 0.55);
    g.setColorAt(0, ray.colour.darker(110));
    g.setColorAt(0.6, ray.colour);
    g.setColorAt(1, ray.colour.lighter(112));
    p.fillPath(ray.disc, g);
    pattern(ray.disc);
    {
        // The body rises in the middle of the flat disc.
        const Saved c(p);
        p.setClipPath(ray.disc, Qt::IntersectClip);
        p.scale(0.55, 1.0);
        paintGlow(p, {0, -6}, ray.disc.boundingRect().height() * 0.6, QColor(255, 240, 190, 70));
    }
    if (ray.ridge > 0)
        paintRidge(p, ray);
    shadeBody(p, ray.disc, withAlpha(line, 150), 0.6);

    for (const double x : {-1.0, 1.0})
        anatomy::paintRayEye(p, QPointF(ray.eye.x() * x, ray.eye.y()), ray.eyeSize, ray.colour, x);
}

} // namespace

// Grey-brown on a rhombus of a disc with sharp outer corners and a raised
// ridge down the middle, lying on rippled sand; a whip of a tail far longer
// than the Yellow Stingray's stub, with the serrated sting near its root.
void paintSouthernStingray(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    // A disc a metre and more across: the ripples, a hand apart, look small beside it.
    paintSeabed(p, Canvas::frame, 22);

    QPainterPath whip(QPointF(0, 58));
    whip.cubicTo(QPointF(2, 120), QPointF(60, 136), QPointF(190, 150));
    const Stingray ray{.at = QPointF(150, 96),
                       .turn = -8,
                       .disc = rhombus(-84, 132, 0, 62),
                       .tailLine = whip,
                       .tailRoot = 11,
                       .tailTip = 1,
                       .hind =
                           pelvicPair({{4, 56}, {12, 54}, {17, 58}, {16.5, 64}, {11, 69}, {5, 68}}),
                       .stingAt = 0.17,
                       .colour = QColor(128, 116, 86),
                       .eye = QPointF(15, -46),
                       .eyeSize = 3.2,
                       .sting = 26,
                       .ridge = 30};
    // Plain grey-brown, its only pattern a faint, cloudy mottling of tone; the
    // rest is form: the disc a low dome, its left slope catching the light and
    // its right falling into shade, thinning to the wings' margins.
    paintStingray(p, ray, [&p, &ray](const QPainterPath &part) {
        const QRectF box = part.boundingRect();
        anatomy::paintMottle(p, part, 14, withAlpha(ray.colour.darker(135), 46),
                             withAlpha(ray.colour.lighter(125), 38),
                             quint32(box.width() * 13 + box.height()));
        const Saved s(p);
        p.setClipPath(part, Qt::IntersectClip);
        if (box.width() < 100)
            return;
        QLinearGradient slope(QPointF(box.left(), 0), QPointF(box.right(), 0));
        slope.setColorAt(0.0, QColor(255, 244, 214, 0));
        slope.setColorAt(0.3, QColor(255, 244, 214, 70));
        slope.setColorAt(0.47, QColor(255, 244, 214, 20));
        slope.setColorAt(0.55, QColor(40, 30, 14, 30));
        slope.setColorAt(0.72, QColor(40, 30, 14, 75));
        slope.setColorAt(1.0, QColor(40, 30, 14, 10));
        p.fillRect(box, slope);
        // The dome falls away towards the snout and the rear edge as well.
        QLinearGradient length(QPointF(0, box.top()), QPointF(0, box.bottom()));
        length.setColorAt(0.0, QColor(255, 244, 214, 30));
        length.setColorAt(0.35, QColor(255, 244, 214, 0));
        length.setColorAt(0.8, QColor(40, 30, 14, 0));
        length.setColorAt(1.0, QColor(40, 30, 14, 45));
        p.fillRect(box, length);
    });
}

// A small round disc, yellow-brown under a fine mesh of dark and pale spots
// and squiggles, with a short thick tail ending in a fin.
void paintYellowStingray(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    // A disc no wider than a dinner plate: ripples a hand apart look broad beside it.
    paintSeabed(p, Canvas::frame, 46);

    const QColor dark(70, 50, 22), pale(246, 226, 140);
    QPainterPath stub(QPointF(0, 56));
    stub.cubicTo(QPointF(1, 86), QPointF(4, 116), QPointF(2, 152));
    // A little longer than wide, not a coin: a blunt bump of a snout, the
    // widest point ahead of the middle, the rear edge flatter where the
    // pelvic fins reach out behind.
    const QPainterPath disc = mirroredOutline({{0, -70},
                                               {7, -69.5},
                                               {12.6, -66},
                                               {28.8, -61},
                                               {46.8, -49},
                                               {59.4, -30},
                                               {64.8, -8},
                                               {63, 14},
                                               {55.8, 33},
                                               {43.2, 48},
                                               {28.8, 56},
                                               {14.4, 59},
                                               {0, 57}});
    // The tail narrows from a thick root to the caudal fin that wraps its end.
    const QPainterPath caudal = mirroredOutline(
        {{0, 108}, {3.5, 114}, {6.5, 126}, {7.5, 136}, {6, 146}, {3, 153}, {0, 156}});
    const QPainterPath pelvics =
        pelvicPair({{3, 55}, {13, 54}, {22, 59}, {23, 68}, {17, 76}, {9, 77}, {4, 70}});
    const Stingray ray(QPointF(130, 92), -30, disc, stub, 13, 3.5, pelvics.united(caudal), 0.42,
                       QColor(184, 146, 62), QPointF(12, -38), 3.8, 17);
    paintStingray(p, ray, [&](const QPainterPath &area) {
        const Saved s(p);
        p.setClipPath(area, Qt::IntersectClip);
        const int many = int(area.boundingRect().width() * area.boundingRect().height() / 22);
        QRandomGenerator rng(26);
        for (const QPointF &pt : scatterPoints(area, many / 2, 262)) {
            const double a = rng.generateDouble() * 2 * std::numbers::pi;
            const QPointF d = QPointF(std::cos(a), std::sin(a)) * (2 + rng.generateDouble() * 3);
            const QPointF bend = QPointF(-d.y(), d.x()) * (rng.generateDouble() - 0.5) * 1.4;
            stroke(p, curveThrough({pt - d, pt + bend, pt + d}), withAlpha(dark, 190), 1.0);
        }
        paintSpots(p, area, 6.0, 0.8, 1.8, withAlpha(dark, 210), 26);
        p.setPen(QPen(withAlpha(dark, 150), 0.7));
        p.setBrush(withAlpha(pale, 220));
        for (const QPointF &pt : scatterPoints(area, many / 4, 263)) {
            // Drawn height first: the order the checked-in picture was made with.
            const double ry = 1.0 + rng.generateDouble();
            p.drawEllipse(pt, 1.0 + rng.generateDouble(), ry);
        }
    });
    // The caudal fin round the end of the tail is thin skin over fine rays:
    // the pattern fades on it towards its rim, and the rays show through.
    const Saved s(p);
    p.translate(ray.at);
    p.rotate(ray.turn);
    const QPainterPath fin = caudal.subtracted(ribbon(stub, {ray.tailRoot * 0.6, ray.tailTip}));
    p.setClipPath(fin, Qt::IntersectClip);
    QRadialGradient veil(QPointF(0, 132), 11);
    veil.setColorAt(0.0, QColor(190, 156, 76, 60));
    veil.setColorAt(1.0, QColor(206, 176, 104, 200));
    p.fillPath(fin, veil);
    for (int i = 0; i < 9; ++i) {
        const double y = 111 + i * 5.2;
        for (const double side : {-1.0, 1.0})
            stroke(p, curve({0, y}, {side * 3.5, y + 2.6}, {side * 8.5, y + 6.5 - i * 0.9}),
                   withAlpha(dark, 80), 0.5);
    }
}

// Wide pointed wings, a duck-bill snout and a very long thin tail, gliding in
// open water: blue-black above with white spots and rings, white below.
void paintSpottedEagleRay(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.25);
    // A diver far below, his whole length a third of the ray's span.
    paintDiver(p, QPointF(212, 206), 70, QColor(30, 84, 122, 150));
    p.translate(152, 104);
    p.rotate(-14);

    const QPainterPath whip = curve({0, 50}, {-3, 155}, {20, 260});
    // The tail is thick where it leaves the body and thins to a thread, lit
    // along its upper side.
    p.fillPath(ribbon(whip, {5.0, 3.4, 2.2, 1.5, 1.0, 0.6, 0.3}), QColor(18, 24, 40));
    stroke(p,
           curve(whip.pointAtPercent(0.02) + QPointF(-0.8, 0), QPointF(-3.8, 120),
                 whip.pointAtPercent(0.55) + QPointF(-0.4, 0)),
           QColor(70, 82, 112, 150), 0.8);
    // Two short venomous spines lie on the tail just behind the pelvic fins.
    for (const double at : {0.06, 0.085})
        paintSting(p, whip.pointAtPercent(at) + QPointF(0.8, 0),
                   whip.pointAtPercent(at + 0.05) + QPointF(0.8, 0), 9, QColor(20, 24, 36));

    // Falcate wings: the leading edge bowed forward, the tips swept back and
    // the trailing edge hollowed.
    const std::initializer_list<QPointF> half = {
        {0, -46},  {20, -44}, {40, -41}, {66, -33}, {96, -18}, {126, 0}, {148, 18}, {163, 34},
        {150, 30}, {128, 24}, {104, 23}, {80, 28},  {56, 36},  {36, 46}, {18, 54},  {0, 58}};
    const QPainterPath wings = mirroredOutline(half);
    {
        // Only a sliver of the pale belly catches the light along the banked
        // trailing edge, fading where the wing turns edge-on.
        const Saved s(p);
        p.setClipRect(QRectF(-170, 14, 340, 60));
        p.fillPath(wings.translated(0, 1.6).subtracted(wings), QColor(196, 206, 220, 150));
    }
    // The pelvic fins, slim and pointed, reach back either side of the tail.
    p.fillPath(pelvicPair({{2, 50}, {9, 51}, {13, 58}, {11, 66}, {7, 61}, {3, 57}}),
               QColor(20, 28, 48));
    fillBody(p, wings, QColor(30, 44, 74), QColor(22, 32, 58), QColor(14, 20, 38));
    {
        const Saved c(p);
        p.setClipPath(wings, Qt::IntersectClip);
        {
            const Saved ridge(p);
            p.scale(0.6, 1.0);
            paintGlow(p, {0, -10}, 40, QColor(60, 78, 112, 160));
        }
        // White spots of every size, small and crowded over the head and
        // shoulders, largest over the middle of each wing and shrinking again
        // towards its thin edges; a good few of the larger ones open into rings
        // with a dark centre, no two quite round.
        QRandomGenerator rng(32);
        const QColor white(238, 242, 246);
        const auto inset = [&wings](QPointF pt) {
            for (double d = 2; d < 22; d += 2)
                for (int k = 0; k < 8; ++k)
                    if (!wings.contains(pt + QPointF(std::cos(k * std::numbers::pi / 4),
                                                     std::sin(k * std::numbers::pi / 4)) *
                                                 d))
                        return d;
            return 22.0;
        };
        for (const QPointF &pt : spreadPoints(wings, 8.5, 2.8, 3232)) {
            const double out = std::min(1.0, std::hypot(pt.x() / 150, (pt.y() + 44) / 90));
            if (rng.generateDouble() > 0.97 - out * 0.45)
                continue;
            const double edge = 0.4 + 0.6 * inset(pt) / 22.0;
            const double size = rng.generateDouble();
            const double r = (0.8 + out * 1.6 + size * size * (0.6 + out * 1.4)) * edge;
            const double rx = r * (0.85 + 0.3 * rng.generateDouble());
            const double ry = r * (0.85 + 0.3 * rng.generateDouble());
            if (out > 0.3 && r > 1.7 && rng.bounded(4) == 0) {
                const double hole = 0.36 + 0.24 * rng.generateDouble();
                paintDisc(p, pt, rx * 1.15, ry * 1.15, white);
                paintDisc(p,
                          pt + QPointF(rng.generateDouble() - 0.5, rng.generateDouble() - 0.5) * r *
                                   0.2,
                          rx * 1.15 * hole, ry * 1.15 * hole, QColor(22, 32, 58));
            } else {
                paintDisc(p, pt, rx * 0.8, ry * 0.8, white);
            }
        }
    }
    stroke(p, wings, QColor(8, 12, 24, 200), 0.8);

    // The head stands out before the wings: widest where the eyes bulge on
    // its sides, then narrowing straight into the flat, pointed duck bill.
    const QPainterPath head = mirroredOutline({{0, -94},
                                               {5, -93.3},
                                               {8.8, -90.8},
                                               {11.2, -86.4},
                                               {12.8, -80},
                                               {14.6, -72},
                                               {17, -64},
                                               {19.8, -57},
                                               {21.8, -51},
                                               {21.6, -44},
                                               {16, -37},
                                               {0, -31}});
    fillBody(p, head, QColor(34, 48, 80), QColor(30, 44, 74), QColor(26, 38, 66));
    {
        // The bill dips towards its end, so the light runs along its crown.
        const Saved s(p);
        p.setClipPath(head, Qt::IntersectClip);
        QLinearGradient bill(QPointF(0, -96), QPointF(0, -64));
        bill.setColorAt(0.0, QColor(64, 80, 112, 200));
        bill.setColorAt(0.5, QColor(46, 60, 92, 120));
        bill.setColorAt(1.0, QColor(46, 60, 92, 0));
        p.fillRect(QRectF(-16, -96, 32, 32), bill);
        {
            const Saved narrow(p);
            p.scale(0.35, 1.0);
            paintGlow(p, {0, -82}, 13, QColor(120, 140, 175, 90));
        }
        for (const double side : {-1.0, 1.0})
            stroke(p, curveThrough({{side * 5, -89}, {side * 8.5, -78}, {side * 12.5, -63}}),
                   QColor(12, 18, 32, 90), 1.0);
    }
    paintSpots(p, head.subtracted(oval({0, -83}, 15, 13)), 7, 0.8, 1.3, QColor(235, 240, 245, 200),
               3233);
    {
        // The head runs on into the body, outlined only where it stands clear.
        const Saved s(p);
        QPainterPath clear;
        clear.addRect(head.boundingRect().adjusted(-2, -2, 2, 2));
        p.setClipPath(clear.subtracted(wings), Qt::IntersectClip);
        stroke(p, head, QColor(10, 14, 26), 0.8);
    }
    // The eyes sit on the sides of the head, bulging out past its rim and
    // looking sideways, so from above only their domed tops show.
    for (const double side : {-1.0, 1.0}) {
        paintDisc(p, QPointF(side * 21.6, -51), 3.4, 4.6, QColor(36, 50, 82));
        const Saved s(p);
        p.translate(side * 23.2, -51);
        p.scale(0.55, 1.0);
        anatomy::paintNaturalEye(p, {0, 0}, 2.6, QColor(150, 130, 80), 0.55);
    }
}

} // namespace fishart
