// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRandomGenerator>
#include <QTransform>

#include <cmath>
#include <tuple>
#include <vector>

// The trumpetfish, a slender fish hanging head down among its sea rods.

namespace fishart {

using namespace fishkit;

namespace {

// Soft-coral sea rods a trumpetfish hides among: a few bending stems from
// one holdfast, each its own height and thickness, some forking once.
void paintSeaRods(QPainter &p, QPointF base, double height, QColor colour, quint32 seed,
                  int stems = 4)
{
    // Near as they are, they stand in the same water as the fish and take a
    // little of its colour.
    colour = blend(colour, waterBehind(p, base - QPointF(0, height * 0.6)), 0.22);
    QRandomGenerator rng(seed);
    p.setPen(Qt::NoPen);
    for (int stem = 0; stem < stems; ++stem) {
        const double lean = rng.bounded(70.0) - 35.0;
        const QPointF top = base + QPointF(lean, -height * (0.65 + rng.bounded(0.35)));
        const double sway = rng.bounded(20.0) - 10;
        const double bend = rng.bounded(24.0) - 12;
        QPainterPath rod(base);
        rod.cubicTo(base + QPointF(lean * 0.1 + sway, -height * 0.4),
                    top + QPointF(bend, height * 0.3), top);
        const double width = 6.2 + 2.4 * rng.generateDouble();
        if (rng.bounded(2) == 0) {
            const double at = 0.4 + 0.25 * rng.generateDouble();
            const QPointF fork = rod.pointAtPercent(at);
            const double out = (lean > 0 ? 1.0 : -1.0) * (10 + 14 * rng.generateDouble());
            const double rise = height * (0.2 + 0.15 * rng.generateDouble());
            anatomy::paintRodStem(
                p, curve(fork, fork + QPointF(out * 0.9, -rise * 0.3), fork + QPointF(out, -rise)),
                width * (0.9 - 0.4 * at), colour.darker(108), rng);
        }
        anatomy::paintRodStem(p, rod, width, colour, rng);
    }
}

} // namespace

// A long brown stick of a fish hanging head down among sea rods: tube snout,
// a row of separate spines along the back, pale lines and small dark spots.
void paintTrumpetfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.35, 0, 216, {}, 0, {}, {30, 228}, 120, QColor(120, 80, 130));
    paintSeaRods(p, QPointF(232, 240), 200, QColor(130, 70, 110), 4201);
    paintSeaRods(p, QPointF(120, 240), 150, QColor(150, 110, 70), 4202);
    // Laid out level, snout at the origin, then stood on its head.
    const Saved s(p);
    const QTransform scene = p.transform();
    p.translate(86, 234);
    p.rotate(-56);
    p.scale(0.87, 0.87);
    const QColor membrane(176, 100, 62, 225);
    const QColor rays(70, 30, 20, 160);
    const QPainterPath body =
        ribbon(curve({0, 0}, {140, 0}, {280, 0}), {7, 8, 9, 14, 19, 22, 23, 22, 19, 14, 9});
    const QColor fineRays = withAlpha(rays, 110);
    // The tail is a small fan, rounded to a blunt diamond, no longer than a
    // twentieth of the fish, with fine rays spreading from the narrow stalk.
    paintFin(
        p,
        fin({278, -3.6},
            {{283, -6}, {289, -6.8}, {294, -4.2}, {296.4, 0}, {294, 4.2}, {289, 6.8}, {283, 6}},
            {278, 3.6}),
        QColor(150, 80, 50, 235), fineRays, 13);
    // Each dorsal spine stands on its own, with no membrane between them but
    // a narrow flap trailing from it; they are short and few, at odd
    // spacings, most laid back along the back and only a few half raised,
    // so the back reads as a row of separate spines and not as a saw.
    struct Spine
    {
        double x, height, lean;
    };
    static constexpr Spine spines[] = {{122, 3.6, 1.8}, {137, 5.0, 1.3}, {149, 6.4, 0.8},
                                       {165, 5.6, 1.6}, {178, 6.8, 0.9}, {194, 4.6, 2.0},
                                       {203, 5.2, 1.4}, {215, 3.4, 2.2}};
    for (const Spine &k : spines) {
        const double top = body.intersected(oval({k.x, -20}, 0.5, 20)).boundingRect().top();
        const QPointF root(k.x, top + 1.5);
        const double tall = k.height * 1.35;
        const QPointF tip = root + QPointF(tall * k.lean * 0.8, -tall);
        // The flap: a narrow sliver of the body's own skin, from the spine's
        // upper part down to the back close behind it.
        const QPainterPath flap = smoothClosedPath(
            {root + QPointF(0.6, 0), root + (tip - root) * 0.55 + QPointF(0.9, 0),
             tip + QPointF(0.4, 1.0), root + (tip - root) * 0.5 + QPointF(tall * 0.18 + 0.8, 0.6),
             root + QPointF(tall * 0.3 + 1.4, 0.6)});
        p.fillPath(flap, withAlpha(membrane, 130));
        // The spine itself: stiff, thick where it leaves the back, lit on
        // its front edge.
        const QPainterPath spine =
            ribbon(curve(root, (root + tip) / 2.0 + QPointF(-0.3, -0.2), tip), {2.2, 1.2, 0.25});
        p.fillPath(spine, QColor(100, 44, 26));
        stroke(p, curve(root + QPointF(-0.6, 0), (root + tip) / 2.0 + QPointF(-0.7, -0.2), tip),
               QColor(214, 150, 110, 110), 0.4);
    }
    // The soft dorsal and anal fins face each other far back, just ahead of
    // the tail stalk: low, short-based and rounded like small flags, the
    // front rays the longest.
    paintFin(p,
             fin({230, -7.8}, {{233, -13.4}, {238, -15}, {245, -14.2}, {251.5, -11.6}, {255.6, -8}},
                 {256, -5.4}),
             membrane, fineRays, 14);
    paintFin(p,
             fin({256, 5.4}, {{255.6, 8}, {251.5, 11.6}, {245, 14.2}, {238, 15}, {233, 13.4}},
                 {230, 7.8}),
             membrane, fineRays, 14);
    fillBody(p, body, QColor(112, 52, 34), QColor(170, 84, 50), QColor(210, 140, 96));
    {
        // Pale lines along the back and flank, wavering a little, each
        // swelling and thinning and fading out at its ends, drawn together
        // towards the snout and the tail as the body narrows.
        const Saved lines(p);
        p.setClipPath(body.intersected(oval({184, 0}, 110, 20)), Qt::IntersectClip);
        for (const double across : {-7.0, 0.0, 7.0}) {
            std::vector<QPointF> run;
            std::vector<double> widths;
            for (int k = 0; k <= 10; ++k) {
                const double x = 80 + k * 20.0;
                const double narrow = 1.0 - 0.45 * std::abs(x - 190) / 110;
                run.emplace_back(x, across * narrow + 0.5 * std::sin(k * 1.7 + across));
                widths.push_back(1.4 * (0.7 + 0.5 * std::abs(std::sin(k * 0.9 + across * 0.3))));
            }
            QLinearGradient fade(run.front(), run.back());
            fade.setColorAt(0.0, QColor(240, 210, 170, 0));
            fade.setColorAt(0.2, QColor(240, 210, 170, 170));
            fade.setColorAt(0.85, QColor(240, 210, 170, 150));
            fade.setColorAt(1.0, QColor(240, 210, 170, 0));
            p.fillPath(ribbon(curveThrough(run), widths), fade);
        }
    }
    anatomy::paintFreckles(p, body.intersected(oval({196, 0}, 96, 20)), 5.5, 0.4, 1.8,
                           QColor(50, 20, 10), 42, {214, 0}, 70);
    for (const QPointF spot : {QPointF(270, -3), QPointF(274, 3)})
        paintDisc(p, spot, 2.0, 2.0, QColor(30, 10, 5));
    shadeBody(p, body, QColor(70, 30, 20, 160), 0.8);
    // The tube ends in a small oblique mouth, the lower jaw's tip turned up
    // a little past the upper's, the fleshy barbel hanging from the chin.
    const QPainterPath jaws = smoothClosedPath(
        {{-2.6, -1.6}, {1, -3.9}, {6, -3.8}, {6, 3.8}, {1, 3.6}, {-3.2, 1.8}, {-3.6, 0}});
    fillBody(p, jaws, QColor(112, 52, 34), QColor(160, 80, 48), QColor(200, 130, 88));
    {
        // Outlined only round its free front, so that no seam shows where it joins the snout.
        const Saved front(p);
        p.setClipRect(QRectF(-8, -8, 10, 16), Qt::IntersectClip);
        stroke(p, jaws, QColor(70, 30, 20, 170), 0.6);
    }
    stroke(p, curve({-3.4, 0.4}, {1, -0.2}, {5, 0.8}), QColor(50, 20, 12), 0.8);
    // The barbel: a pale, fleshy thread as long as the eye is wide twice
    // over, hanging from the chin and curling back a little.
    const QPainterPath barbel = ribbon(
        curveThrough({{0.4, 3.2}, {-0.4, 7.5}, {0.2, 11.5}, {2.6, 14.6}}), {1.7, 1.3, 0.9, 0.5});
    p.fillPath(barbel.translated(0.5, 0.4), QColor(40, 16, 8, 90));
    fillBody(p, barbel, QColor(240, 206, 150), QColor(224, 176, 120), QColor(170, 110, 70));
    stroke(p, barbel, QColor(90, 40, 25, 150), 0.35);
    // Dark lines run along the snout above and below, closing in towards its tip.
    for (const auto &[from, mid, to] :
         {std::tuple{QPointF(4, -2.6), QPointF(44, -4), QPointF(86, -6.4)},
          std::tuple{QPointF(4, 2.4), QPointF(44, 3.6), QPointF(86, 5.6)}})
        strokeInside(p, body.united(jaws), curve(from, mid, to), QColor(60, 24, 14, 200), 0.9);
    stroke(p, curve({108, -11}, {120, 0}, {108, 11}), QColor(70, 30, 20, 180), 1.0);
    // The small pectoral, a clear fan of soft rays, low behind the gill cover.
    paintFin(p, fin({114, 1}, {{121, -4}, {131, -4}, {136, 1}, {131, 6}}, {114, 5}),
             QColor(220, 160, 110, 120), withAlpha(rays, 120), 8);
    anatomy::paintNaturalEye(p, QPointF(96, -2), 4.6, QColor(220, 170, 80));
    // It hides among the rods, not before them: a few nearer stems of the
    // same colony cross in front of its body.
    if (Silhouette::active(p))
        return;
    p.setTransform(scene);
    paintSeaRods(p, QPointF(150, 240), 170, QColor(156, 114, 72), 4203, 2);
}

} // namespace fishart
