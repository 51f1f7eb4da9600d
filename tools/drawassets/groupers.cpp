// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRandomGenerator>
#include <QTransform>

#include <cmath>
#include <functional>
#include <numbers>

// Groupers and squirrelfish: heavy heads, big mouths or big eyes.

namespace fishart {

using namespace fishkit;

namespace {

// The two groupers share one heavy build with a rounded tail and a big mouth;
// their size, head and pattern tell them apart.
struct Grouper
{
    BodyShape shape;
    QColor back, flank, belly, fin, ray, pelvic, iris;
    double eye = 7.5;
};

// Paints the grouper, its pattern by `marks` (given the body with its dorsal
// and anal fins, and the tail) before the shading; returns the pectoral fin.
Fin paintGrouper(QPainter &p, const Grouper &g,
                 const std::function<void(const QPainterPath &, const QPainterPath &)> &marks)
{
    const BodyShape &s = g.shape;
    const Fin caudal = tail(TailKind::Rounded, s.at(1, 0) - QPointF(6, 0), s.depth * s.stalk + 8,
                            s.depth * 0.45, s.depth * 0.7);
    const QPointF lift(0, -s.depth * 0.14);
    // The spiny dorsal, notched between its spines, runs into the higher,
    // rounded soft dorsal.
    Fin dorsal;
    dorsal.base = QLineF(s.at(0.32, -0.95), s.at(0.9, -0.8));
    dorsal.edge = QPainterPath(s.at(0.32, -0.95));
    for (int i = 0; i < 10; ++i) {
        const double t = 0.33 + i * 0.032;
        dorsal.edge.lineTo(s.at(t, -1) + lift * (i == 0 ? 0.7 : 1.0));
        dorsal.edge.lineTo(s.at(t + 0.016, -1) + lift * 0.55);
    }
    dorsal.edge.cubicTo(s.at(0.7, -1) + lift * 1.9, s.at(0.88, -1) + lift * 1.9, s.at(0.9, -0.8));
    dorsal.shape = dorsal.edge;
    dorsal.shape.closeSubpath();
    const Fin anal =
        fin(s.at(0.7, 0.95), {s.at(0.8, 1) - lift * 1.5, s.at(0.92, 1) - lift}, s.at(0.92, 0.8));
    paintFin(p, caudal, g.fin, g.ray, 14);
    paintFin(p, dorsal, g.fin, g.ray, 20);
    paintFin(p, anal, g.fin, g.ray, 8);
    const QPainterPath body = bodyOutline(s);
    fillBody(p, body, g.back, g.flank, g.belly);
    paintScales(p, body, 6, withAlpha(g.back.darker(140), 70), 0.5);
    const Fin pectoral =
        fanFin(s.at(0.37, -0.05), s.at(0.38, 0.24), s.depth * 0.46, 6, 80, 0.2, 14);
    marks(body.united(dorsal.shape).united(anal.shape), caudal.shape);

    // The wide mouth with its jutting lower jaw, the gill cover and the
    // rounded pectoral and pelvic fins.
    modelBody(p, body, s.at(1, 0).x() - 4, g.back.darker(180), 1.1);
    anatomy::paintJaw(p, s.snout + QPointF(1, 1), s.at(0.2, 0.14), 3.5, g.flank.darker(104),
                      QColor(60, 40, 28));
    stroke(p, curveThrough({s.at(0.33, -0.85), s.at(0.42, 0), s.at(0.32, 0.9)}),
           withAlpha(g.back.darker(160), 200), 1.5);
    paintFin(p, finAt(s.at(0.36, 0.95), {{0, 0}, {8, 18}, {24, 22}, {22, 2}}), g.pelvic, g.ray, 6);
    paintPectoral(p, body, pectoral, withAlpha(g.fin.lighter(110), 190), g.ray);
    anatomy::paintNaturalEye(p, s.at(0.2, -0.42), g.eye, g.iris);
    return pectoral;
}

} // namespace

// Red with silvery-white stripes, a huge dark eye, a spiny dorsal fin with
// yellow tips and a deeply forked tail.
void paintSquirrelfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.45, 0, 200, {270, 222}, 60, QColor(150, 130, 90), {24, 214}, 140,
              QColor(160, 80, 140));
    const QColor fins(220, 66, 56, 195);
    const QColor rays(110, 10, 10, 150);
    const BodyShape s{{40, 122}, 208, 80, 0.45, 0.6, 0.24, 0.54};
    const auto red = [&](const Fin &f, int count) { paintFin(p, f, fins, rays, count); };
    // Deeply forked, the upper lobe drawn out longer than the lower.
    red(finAt({238, 120}, {{0, -11},
                           {22, -30},
                           {50, -52},
                           {80, -70},
                           {60, -40},
                           {40, -12},
                           {36, 0},
                           {42, 14},
                           {58, 36},
                           {64, 50},
                           {36, 36},
                           {16, 22},
                           {0, 11}}),
        16);
    const QPointF soft = s.at(0.8, -0.9);
    const QPointF anal = s.at(0.75, 0.9);
    red(fin(soft, {soft + QPointF(10, -22), soft + QPointF(26, -20), s.at(0.97, -1)},
            s.at(0.99, -0.7)),
        8);
    red(fin(anal, {anal + QPointF(18, 22), anal + QPointF(36, 20)}, s.at(0.99, 0.7)), 8);
    stroke(p, curve(anal, anal + QPointF(8, 12), anal + QPointF(20, 21)), QColor(250, 220, 210),
           1.6);
    // Red membranes between stiff spines, yellow where they reach the spine tips.
    const QPointF tips[] = {{104, 58}, {118, 46}, {132, 42}, {146, 43}, {160, 48},
                            {172, 55}, {184, 63}, {194, 71}, {202, 80}};
    QPolygonF spiny{s.at(0.29, -0.85)};
    for (int i = 0; i < 9; ++i)
        spiny << tips[i] << tips[i] + QPointF(5, 10);
    spiny << s.at(0.8, -0.85);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 36, 190));
    p.drawPolygon(spiny);
    for (int i = 0; i < 9; ++i) {
        const QPointF root = s.at(0.29 + i * 0.06, -0.85);
        const QPointF below = tips[i] + (root - tips[i]) * 0.32;
        const QPointF next = i < 8
                                 ? tips[i + 1] + (s.at(0.35 + i * 0.06, -0.85) - tips[i + 1]) * 0.3
                                 : tips[i] + QPointF(6, 14);
        QLinearGradient tint(tips[i], below);
        tint.setColorAt(0, QColor(255, 226, 60, 235));
        tint.setColorAt(1, QColor(255, 200, 40, 0));
        p.setBrush(tint);
        p.drawPolygon(QPolygonF({tips[i], tips[i] + QPointF(5, 10), next, below}));
        // Each spine tapers to a sharp point.
        const QPointF d = (tips[i] - root) / QLineF(root, tips[i]).length();
        const QPointF n(-d.y() * 0.9, d.x() * 0.9);
        p.setBrush(QColor(246, 214, 200));
        p.drawPolygon(QPolygonF({root + n, tips[i], root - n}));
        // A white spot in each membrane, low between the spines.
        if (i < 8)
            paintDisc(p, root + (tips[i] - root) * 0.42 + QPointF(5.5, 1.5), 2.0, 1.6,
                      QColor(255, 246, 240, 220));
    }

    const QPainterPath body = bodyOutline(s);
    fillBody(p, body, QColor(150, 24, 24), QColor(214, 50, 40), QColor(240, 150, 140));
    paintStripes(p, body, 88, 10, 7, 3.0, QColor(250, 236, 236, 190), 0.5);
    paintScales(p, body, 9, QColor(120, 10, 10, 110), 0.8);
    modelBody(p, body, s.at(1, 0).x() - 4, QColor(110, 10, 10), 1.1);
    stroke(p, curveThrough({{94, 88}, {110, 120}, {94, 150}}), QColor(110, 10, 10, 220), 1.4);
    // The sharp spine at the corner of the cheek.
    p.setBrush(QColor(250, 220, 210));
    p.drawPolygon(QPolygonF({{88, 142}, {112, 147}, {90, 149}}));
    red(finAt(s.at(0.33, 0.92), {{0, 0}, {10, 20}, {24, 24}, {20, 4}}), 5);
    paintFin(p, finAt({104, 122}, {{0, 0}, {20, -10}, {42, -8}, {46, 6}, {26, 14}, {0, 8}}),
             QColor(240, 120, 100, 180), rays, 9);
    stroke(p, curve({41, 124}, {50, 128}, {60, 126}), QColor(100, 10, 10), 1.3);
    // The large night eye: a wide pupil in a red iris with a silvery sheen.
    anatomy::paintNaturalEye(p, {78, 107}, 11.0, QColor(196, 70, 58), 0.58);
}

// A heavy tan grouper with five dark bars, a bar through the eye, a dark
// "tuning fork" on the forehead and a black saddle before the tail.
void paintNassauGrouper(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.45, 0, 196, {296, 210}, 46, QColor(150, 140, 100), {16, 206}, 140,
              QColor(150, 70, 140));
    const QColor bar(96, 64, 42, 210);
    const Grouper nassau(BodyShape{{22, 134}, 222, 114, 0.5, 0.5, 0.3, 0.61}, QColor(180, 154, 114),
                         QColor(218, 196, 156), QColor(238, 226, 200), QColor(196, 168, 128, 200),
                         QColor(90, 60, 40, 160), QColor(140, 100, 70, 220), QColor(180, 140, 70));
    const BodyShape &s = nassau.shape;
    paintGrouper(p, nassau, [&](const QPainterPath &all, const QPainterPath &) {
        {
            // Ragged bars, slanting a little and running up into the dorsal fin.
            const Saved saved(p);
            p.setClipPath(all, Qt::IntersectClip);
            QRandomGenerator rng(44);
            for (int i = 0; i < 5; ++i) {
                const double x = 108 + i * 31 - i * i * 0.5;
                const double half = 7.5 - i * 0.8;
                std::vector<QPointF> ring;
                for (double y = 40; y <= 190; y += 15)
                    ring.emplace_back(x + half + rng.bounded(4.0) - 2 - (y - 120) * 0.08, y);
                for (double y = 190; y >= 40; y -= 15)
                    ring.emplace_back(x - half + rng.bounded(4.0) - 2 - (y - 120) * 0.08, y);
                p.fillPath(smoothClosedPath(ring.data(), int(ring.size())), bar);
            }
            // The bar through the eye runs from the snout up to the dorsal's origin.
            p.fillPath(ribbon(curveThrough({s.at(0.03, 0.02), s.at(0.2, -0.42), s.at(0.35, -0.95)}),
                              {5, 8, 9, 8, 7}),
                       bar);
        }
        {
            // The tuning fork: a dark stem from the upper lip up the middle of
            // the snout, splitting on the forehead into two tines that run
            // back over the nape, clear of the eye bar.
            const Saved saved(p);
            p.setClipPath(all, Qt::IntersectClip);
            const QColor fork(62, 38, 24, 235);
            const QPointF split = s.at(0.12, -0.78);
            stroke(p, curve(s.at(0.03, -0.45), s.at(0.07, -0.66), split), fork, 3.4);
            stroke(p, curve(split, s.at(0.17, -1.02), s.at(0.27, -1.1)), fork, 3.0);
            stroke(p, curve(split, s.at(0.18, -0.8), s.at(0.26, -0.82)), fork, 3.0);
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
        paintSpots(p, body, 11, 0.8, 1.4, QColor(250, 240, 220, 110), 4401);
        paintSpots(p, body.intersected(oval(s.at(0.22, -0.1), 30, 20)), 6, 0.6, 1.1,
                   QColor(60, 40, 25), 44);
    });
}

// A massive grouper filling the picture, with a diver behind it not much
// longer than it is: a broad, flat-topped head with a small eye and a jutting
// lower jaw, rounded fins, brown-yellow to olive with small black spots over
// head, body and fins and faint dark blotches.
void paintSpottedJewfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.55, 0, 214, {}, 0, {});
    // A diver of 1.8 m just behind a fish of more than 2 m: nearly as long as it.
    paintDiver(p, QPointF(70, 30), 200, QColor(40, 66, 92, 215));
    const QPainterPath minnow = bodyOutline({{0, 0}, 14, 5, 0.4, 0.5, 0.3})
                                    .united(tail(TailKind::Forked, {14, 0}, 1.5, 6, 7).shape);
    paintShoal(p, minnow, QColor(150, 170, 150, 170),
               {{30, 206, 1}, {48, 214, 0.9}, {18, 220, 0.95}, {40, 226, 0.85}});

    const QColor olive(132, 116, 66), dark(90, 76, 40), pale(196, 182, 130);
    const QColor membrane(118, 102, 60, 205), rays(56, 46, 26, 160);
    const QColor black(22, 18, 12);
    const Fin caudal =
        finAt({270, 133}, {{0, -24}, {22, -54}, {44, -40}, {50, 0}, {44, 40}, {22, 54}, {0, 24}});
    const Fin spiny = fin({118, 72}, {{124, 58}, {138, 56}, {152, 54}, {166, 54}}, {178, 66});
    const Fin soft = fin({174, 66}, {{194, 44}, {222, 40}, {246, 56}, {260, 84}}, {262, 104});
    const Fin anal = fin({216, 180}, {{230, 204}, {250, 204}, {262, 184}}, {266, 158});
    const QPainterPath fins =
        caudal.shape.united(spiny.shape).united(soft.shape).united(anal.shape);
    paintFin(p, caudal, membrane, rays, 18);
    paintFin(p, spiny, membrane.darker(110), rays, 9);
    paintFin(p, soft, membrane, rays, 15);
    paintFin(p, anal, membrane, rays, 9);
    const QPainterPath body = smoothClosedPath(
        {{10, 134},  {20, 116},  {44, 98},   {76, 84},   {112, 72},  {150, 66},  {196, 66},
         {236, 80},  {262, 102}, {276, 112}, {276, 154}, {258, 166}, {222, 184}, {170, 200},
         {120, 204}, {78, 198},  {48, 184},  {22, 164},  {4, 150},   {6, 142}});
    fillBody(p, body, dark, olive, pale, 0.5);
    paintScales(p, body, 5, withAlpha(dark.darker(140), 60), 0.5);
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
                for (int k = 0; k < 9; ++k) {
                    const double a = k * 2 * std::numbers::pi / 9;
                    const double reach = r * (0.6 + rng.bounded(0.6));
                    ragged.push_back(c + QPointF(std::cos(a) * reach * 0.8, std::sin(a) * reach));
                }
                p.fillPath(smoothClosedPath(ragged.data(), int(ragged.size())),
                           QColor(58, 46, 20, 50 + int(rng.bounded(40))));
            }
        }
    }
    {
        // Small black spots, clumped and of uneven size, denser on the head.
        const Saved s(p);
        p.setClipPath(body.united(fins), Qt::IntersectClip);
        QRandomGenerator rng(4500);
        p.setPen(Qt::NoPen);
        p.setBrush(black);
        for (const QPointF &c : scatterPoints(body.united(fins), 900, 451)) {
            const double r = 0.4 + rng.bounded(0.8) * (c.x() < 110 ? 1.0 : 0.8);
            if (rng.bounded(3) != 0 || c.x() < 110)
                p.drawEllipse(c, r * 1.1, r);
        }
    }
    modelBody(p, body, 270, QColor(60, 48, 24), 1.1);

    // The wide mouth shut: one long line between thick lips, the lower jaw
    // jutting a little past the upper, a fold of skin at the corner.
    const QPointF corner(64, 151);
    const QPainterPath gape = curveThrough({{5, 143}, {24, 145}, {46, 148.5}, corner});
    stroke(p, gape.translated(0, 2.6), withAlpha(pale.lighter(108), 120), 3.2);
    stroke(p, gape.translated(0, -2.4), withAlpha(pale, 70), 2.6);
    stroke(p, gape.translated(0, 0.8), QColor(40, 30, 18, 90), 2.6);
    stroke(p, gape, QColor(44, 32, 20), 1.4);
    stroke(p, curve(corner + QPointF(-4, -3), corner + QPointF(3, -1), corner + QPointF(2, 5)),
           QColor(60, 46, 26, 150), 1.1);
    // The gill cover, its edge far back on the broad head.
    stroke(p, curveThrough({{100, 82}, {112, 120}, {110, 150}, {92, 182}}),
           withAlpha(dark.darker(140), 190), 1.6);
    // Rounded fans of soft rays, the pectoral's longest in the middle.
    const Fin pelvic = fin({104, 196}, {{108, 220}, {124, 228}, {136, 218}}, {130, 200});
    const Fin pectoral = fanFin({114, 126}, {117, 152}, 50, 12, 105, 0.0, 15);
    paintFin(p, pelvic, withAlpha(membrane.lighter(112), 225), rays, 9);
    paintPectoral(p, body, pectoral, withAlpha(membrane.lighter(118), 200), rays);
    for (const Fin &f : {pelvic, pectoral})
        for (const QPointF &c : scatterPoints(f.shape, 40, 4545))
            paintDisc(p, c, 0.6, 0.55, withAlpha(black, 200));
    anatomy::paintNaturalEye(p, {60, 112}, 3.4, QColor(160, 130, 60));
}

} // namespace fishart
