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
#include <numbers>
#include <tuple>

// The Bonnethead Shark, seen from above as it cruises over the sand.

namespace fishart {

using namespace fishkit;

namespace {

// A shark's fin of firm flesh growing out of the body along `base`: as thick
// as the body at its root, so the same colour there, thinning towards its free
// edge, rounded by shade along its rim, and outlined only where it stands free.
void paintFirmFin(QPainter &p, const QPainterPath &shape, QLineF base, QColor root, QColor edge,
                  QColor line)
{
    fillBody(p, shape, root, root, root);
    if (Silhouette::active(p))
        return;
    const QPointF far = farthestFrom(shape, base.center());
    QLinearGradient thin(base.center(), far);
    thin.setColorAt(0.0, withAlpha(edge, 0));
    thin.setColorAt(1.0, edge);
    p.fillPath(shape, thin);
    // A fin is curved in section, not a flat blade: its thick leading edge
    // rounds into the light and the thin trailing part falls into shade.
    const QPointF front = base.p1() + (base.p1() - base.p2()) * 0.1,
                  rear = base.p2() + (base.p2() - base.p1()) * 0.4;
    QLinearGradient section(front, rear);
    section.setColorAt(0.0, withAlpha(root.lighter(125), 140));
    section.setColorAt(0.4, withAlpha(root, 0));
    section.setColorAt(1.0, withAlpha(line, 130));
    p.fillPath(shape, section);
    {
        // The thin trailing margin is darker, where the fin is least flesh.
        const Saved s(p);
        p.setClipPath(shape, Qt::IntersectClip);
        QLinearGradient margin(base.center(), rear);
        margin.setColorAt(0.0, withAlpha(line, 0));
        margin.setColorAt(1.0, withAlpha(line, 150));
        p.strokePath(shape, QPen(QBrush(margin), 2.4));
    }
    {
        const Saved s(p);
        p.setClipPath(shape, Qt::IntersectClip);
        stroke(p, shape, withAlpha(line, 30), 6);
        stroke(p, shape, withAlpha(line, 30), 2.5);
        paintGlow(p, base.center() + (far - base.center()) * 0.3, base.length() * 0.45,
                  withAlpha(root.lighter(118), 110));
        // The stiff horny fibres inside the fin show as fine striations
        // running out from its base, strongest midway and lost at both ends.
        for (int k = 0; k < 14; ++k) {
            const double t = (k + 0.5 + 0.3 * std::sin(k * 2.7)) / 14.0;
            const QPointF from = base.pointAt(t);
            const QPointF to = far + (from - base.center()) * 0.9;
            QLinearGradient fibre(from, to);
            fibre.setColorAt(0.0, withAlpha(line, 0));
            fibre.setColorAt(0.4, withAlpha(line, 26 + (k * 7) % 14));
            fibre.setColorAt(1.0, withAlpha(line, 0));
            p.strokePath(curve(from, (from + to) / 2.0 + QPointF(0.6, 0.4), to),
                         QPen(fibre, 0.5, Qt::SolidLine, Qt::RoundCap));
        }
        // The thin trailing margin lets the light through.
        stroke(p, shape, withAlpha(edge.lighter(150), 40), 1.4);
    }
    const QPointF along = base.p2() - base.p1();
    const QPointF across = QPointF(-along.y(), along.x()) / std::max(1e-6, base.length()) * 2.0;
    QPainterPath free;
    free.addRect(shape.boundingRect().adjusted(-3, -3, 3, 3));
    QPainterPath root2;
    root2.addPolygon(
        QPolygonF({base.p1() - along * 0.05 - across, base.p2() + along * 0.05 - across,
                   base.p2() + along * 0.05 + across, base.p1() - along * 0.05 + across}));
    const Saved s(p);
    p.setClipPath(free.subtracted(root2), Qt::IntersectClip);
    stroke(p, shape, withAlpha(line, 130), 0.6);
}

} // namespace

// Seen from straight above as it cruises over the sand: the rounded shovel
// of the head wider than the body, with an eye at each end of it; the
// pectorals spread, the dorsal fins and the tall tail standing edge-on.
void paintBonnetheadShark(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    // A shark a metre long: sand ripples a hand apart.
    paintSeabed(p, Canvas::frame, 26);
    p.translate(170, 112);
    p.rotate(-98);
    p.scale(0.86, 0.86);

    // Nose up: the shovel, a short neck behind it, a spindle of a body.
    // The shovel's front is an even arc out to a blunt corner at each side
    // where the eye sits; behind the eyes its rear edge runs in, nearly
    // straight, to the neck.
    const QPainterPath trunk = mirroredOutline({{0, -158},
                                                {12, -157},
                                                {22, -153},
                                                {30, -146.5},
                                                {35.5, -138.5},
                                                {38.6, -131},
                                                {39.4, -127},
                                                {37.6, -124.6},
                                                {31.5, -121.6},
                                                {26, -117.6},
                                                {23.8, -109},
                                                {24, -100},
                                                {24, -70},
                                                {23, -40},
                                                {19, 0},
                                                {13, 40},
                                                {7, 72},
                                                {5, 98},
                                                {4, 104}});
    // A shark's pectoral: a bowed leading edge, a narrow tip swept back, the
    // trailing edge hollowed and ending in a free rear tip by the body.
    const QPainterPath pectoral = smoothClosedPath({{18, -77},
                                                    {30, -72},
                                                    {43, -62},
                                                    {55, -48},
                                                    {63, -34},
                                                    {67, -25},
                                                    {64.5, -23.5},
                                                    {57, -30},
                                                    {47, -36.5},
                                                    {37, -40},
                                                    {29.5, -40.5},
                                                    {26, -42.5},
                                                    {22, -50}});
    // The pelvic fins, a pair of small flaps spread at the sides of the
    // body by the vent, well behind the pectorals, their rear edges hollowed
    // to a free inner tip.
    const QPainterPath pelvic = smoothClosedPath({{10, 35},
                                                  {16, 38.5},
                                                  {22, 44},
                                                  {27, 52},
                                                  {25.5, 55},
                                                  {21, 53},
                                                  {17, 52.2},
                                                  {13, 54},
                                                  {9, 52}});
    // The tail, canted in mid-beat so its face shows from above: the tall
    // upper lobe runs straight on from the spine to a small terminal lobe set
    // off by the notch, its trailing edge hollowed to the fork, and the short
    // pointed lower lobe beside it.
    const QPainterPath tailBlade = smoothClosedPath({{-4.5, 92},
                                                     {4.5, 92},
                                                     {7.5, 106},
                                                     {11, 122},
                                                     {15, 138},
                                                     {19, 152},
                                                     {22.5, 161},
                                                     {21.5, 166},
                                                     {16.5, 164},
                                                     {13.5, 157.5},
                                                     {8, 147},
                                                     {2, 135},
                                                     {-3, 124},
                                                     {-5, 110}});
    const QPainterPath lowerLobe = smoothClosedPath({{-2, 104},
                                                     {-8, 109},
                                                     {-15, 117},
                                                     {-22, 127},
                                                     {-26, 134.5},
                                                     {-23, 135},
                                                     {-17, 129},
                                                     {-11, 125.5},
                                                     {-6, 124},
                                                     {-3, 122}});
    // The blade is the spine running on, shaded with the body without a seam.
    const QPainterPath body = trunk.united(tailBlade);
    const QTransform mirror = QTransform::fromScale(-1, 1);
    const QPainterPath shark = body.united(pectoral)
                                   .united(mirror.map(pectoral))
                                   .united(pelvic)
                                   .united(mirror.map(pelvic))
                                   .united(lowerLobe);
    // The dorsal fins stand upright on the midline, the first tall, the
    // second small, so from above each is seen nearly edge-on: a narrow
    // blade swept back along the back, its root a little wider, its convex
    // leading edge rising to the apex and its hollowed trailing edge falling
    // back to the free rear tip. The shark rolls a little, so the fin leans
    // towards the shaded flank and its lit face shows; the other face shows
    // only as a shaded sliver beyond the crest. Light slanting from the upper
    // left throws each fin's shadow down onto the sand with the body's.
    struct Dorsal
    {
        QPainterPath face, far, cast, crest;
    };
    const auto dorsal = [](double front, double len, double height, double thick) {
        // The fin's side, as (share of its base, share of its height).
        static constexpr QPointF side[] = {{0, 0},       {0.12, 0.3},  {0.3, 0.62},  {0.5, 0.86},
                                           {0.66, 0.99}, {0.72, 0.98}, {0.73, 0.86}, {0.76, 0.62},
                                           {0.81, 0.4},  {0.88, 0.2},  {0.98, 0.08}, {1.08, 0.03},
                                           {1.02, 0.0},  {0.92, 0}};
        // Where a point of the fin's side falls, leaning `lean` of its height
        // across the back and `back` of it towards the tail.
        const auto seen = [&](QPointF q, double lean, double back) {
            return QPointF(lean * q.y() * height, front + q.x() * len + back * q.y() * height);
        };
        Dorsal d;
        std::vector<QPointF> face, crest, shadow;
        for (const QPointF &q : side) {
            face.push_back(seen(q, -0.24, 0.12));
            if (crest.size() < 12)
                crest.push_back(face.back());
            // Light scattered in the water blurs the shadow of the broad
            // low part of the fin away; what stays is the narrow shadow of
            // its upper part, drawn out from the root to the apex.
            shadow.push_back(
                seen({0.7 + (q.x() - 0.7) * (0.35 + 0.4 * q.y()), q.y()}, -1.12, 0.54));
        }
        d.face = smoothClosedPath(face.data(), int(face.size()));
        d.crest = curveThrough(crest);
        // The far face shows only as a sliver beyond the crest, thin where
        // the fin leaves the back, widest low on the leading edge and fading
        // out towards the apex and the rear tip.
        d.far = ribbon(d.crest.translated(-thick * 0.3, 0),
                       {thick * 0.3, thick, thick * 0.8, thick * 0.5, thick * 0.2});
        d.cast = smoothClosedPath(shadow.data(), int(shadow.size()));
        return d;
    };
    const Dorsal dorsals[] = {dorsal(-44, 33, 30, 3.4), dorsal(48, 14, 10, 1.6)};
    // Swimming a hand above the bottom in light from high overhead: the
    // shadow falls just clear of the shark, drawn out a little along the slant of
    // the light and spread by the light the water scatters, so that only the
    // solid body and the upright dorsal fins darken the sand fully; the
    // broad fins and the thin tail blade leave a faint trace, the pelvics
    // none.
    {
        const Saved s(p);
        p.translate(QTransform().rotate(98).map(QPointF(20, 30)));
        p.rotate(-2);
        p.scale(1.03, 1.05);
        const QPainterPath fleshy = trunk.united(dorsals[0].cast).united(dorsals[1].cast);
        const QPainterPath thin = tailBlade.united(pectoral).united(mirror.map(pectoral));
        for (int ring = 5; ring >= 0; --ring) {
            const double blur = ring * 2.6;
            for (int k = 0; k < 8; ++k) {
                const double a = k * std::numbers::pi / 4 + ring * 0.4;
                const QPointF off(std::cos(a) * blur, std::sin(a) * blur);
                p.fillPath(fleshy.translated(off), QColor(60, 46, 22, 3));
                p.fillPath(thin.translated(off), QColor(60, 46, 22, 2));
            }
        }
    }
    // A hand of water between shark and sand: the bottom and its shadow lie
    // a little hazed and cooler, the shark over them in clear colour.
    p.fillRect(QRectF(-400, -400, 800, 800), QColor(96, 150, 160, 46));

    const QColor grey(112, 122, 130), pale(150, 158, 164), dark(70, 78, 86), line(52, 58, 66);
    // Fins of firm flesh, thick at the root and thinning to the edge.
    for (const double side : {1.0, -1.0}) {
        const QTransform m = QTransform::fromScale(side, 1);
        paintFirmFin(p, m.map(pectoral), m.map(QLineF(19, -76, 23, -48)), grey, pale.darker(106),
                     line);
        paintFirmFin(p, m.map(pelvic), m.map(QLineF(10, 36, 8, 52)), grey, pale.darker(106), line);
    }
    paintFirmFin(p, lowerLobe, QLineF(-3, 102, -3, 124), grey.darker(108), dark, line);
    // Lit from the upper left of the picture: one flank catches the light,
    // the back is darkest along its middle, the other flank falls away.
    QLinearGradient across(QPointF(0, -36), QPointF(0, 36));
    across.setColorAt(0.0, withAlpha(pale.lighter(122), 235));
    across.setColorAt(0.22, withAlpha(pale.lighter(110), 120));
    across.setColorAt(0.4, withAlpha(grey, 0));
    across.setColorAt(0.5, withAlpha(dark, 110));
    across.setColorAt(0.66, withAlpha(grey, 0));
    across.setColorAt(1.0, withAlpha(dark.darker(145), 235));
    fillBody(p, body, grey, grey, grey);
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        const Saved turn(p);
        p.rotate(90);
        p.fillRect(QRectF(-170, -40, 300, 80), across);
        p.rotate(-90);
        // A soft sheen runs down the lit side of the back, where the round
        // of the body turns towards the light.
        const QPainterPath sheen =
            curveThrough({{12, -104}, {15, -60}, {13, -10}, {8, 40}, {4, 80}});
        for (const double width : {9.0, 6.0, 3.5})
            stroke(p, sheen, QColor(214, 222, 228, 20), width);
    }
    {
        // Tilted a little as it swims, the shark shows a sliver of its white
        // belly along the flank turned away from us.
        const Saved s(p);
        QPainterPath flank;
        flank.addRect(QRectF(-40, -104, 80, 168));
        const QPainterPath belly = body.subtracted(body.translated(2.4, 0)).intersected(flank);
        QLinearGradient along(QPointF(0, -104), QPointF(0, 64));
        along.setColorAt(0.0, QColor(226, 230, 232, 0));
        along.setColorAt(0.15, QColor(226, 230, 232, 170));
        along.setColorAt(0.8, QColor(226, 230, 232, 150));
        along.setColorAt(1.0, QColor(226, 230, 232, 0));
        p.fillPath(belly, along);
    }
    {
        // The gill slits lie on the sides of the neck, out of sight from
        // above but for their upper ends, short nicks at the body's edge
        // with the rear lip catching the light; and a fine grain of
        // denticles dulls the skin.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        for (const double side : {-1.0, 1.0})
            for (int i = 0; i < 5; ++i) {
                const double y = -97 + i * 5.4, reach = 1.8 - i * 0.15;
                const QPainterPath slit =
                    curve({side * (24.5 - reach), y - 1.5}, {side * (23.5 - reach * 0.4), y + 0.4},
                          {side * 24.6, y + 2.2});
                stroke(p, slit, withAlpha(dark.darker(130), side > 0 ? 80 : 60), 0.7);
                stroke(p, slit.translated(0, 1.0), withAlpha(pale.lighter(115), 45), 0.6);
            }
        QRandomGenerator grain(2202);
        for (const QPointF &pt : spreadPoints(body, 2.6, 1.2, 2203))
            paintDisc(p, pt, 0.35, 0.35,
                      grain.bounded(2) ? QColor(40, 46, 54, 22) : QColor(200, 208, 214, 18));
    }
    {
        // The shovel is thin and flat, paler at its rim.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        const Saved narrow(p);
        p.scale(1.0, 0.5);
        paintGlow(p, {0, -272}, 28, QColor(200, 206, 210, 90));
    }
    {
        // Fin, not flesh, past the tail stalk: smooth skin darkening to its
        // margins, the rays hidden under it.
        const Saved s(p);
        p.setClipPath(tailBlade.subtracted(trunk), Qt::IntersectClip);
        QLinearGradient thin(QPointF(0, 100), QPointF(16, 164));
        thin.setColorAt(0.0, withAlpha(dark, 0));
        thin.setColorAt(1.0, withAlpha(dark, 190));
        p.fillPath(tailBlade, thin);
        strokeInside(p, tailBlade, curve({13.5, 157.5}, {17, 160}, {21, 162}), withAlpha(line, 150),
                     0.7);
    }
    anatomy::paintShadedEdge(p, body, line, 1.4);

    for (const Dorsal &d : dorsals) {
        const QPainterPath blade = d.face.united(d.far);
        fillBody(p, blade, grey.darker(128), grey.darker(128), grey.darker(128));
        if (Silhouette::active(p))
            continue;
        // The fin is the back's own skin drawn up into a blade: its root
        // takes the back's colour, so it rises from it without a seam.
        {
            const Saved s(p);
            p.setClipPath(d.face, Qt::IntersectClip);
            p.fillPath(d.face, grey);
            p.rotate(90);
            p.fillRect(QRectF(-170, -40, 300, 80), across);
        }
        // The face turned to the light pales a little towards the crest.
        const QRectF box = d.face.boundingRect();
        QLinearGradient lit(QPointF(box.right(), 0), QPointF(box.left(), 0));
        lit.setColorAt(0.0, withAlpha(pale, 0));
        lit.setColorAt(1.0, withAlpha(pale, 210));
        p.fillPath(d.face, lit);
        stroke(p, d.crest, withAlpha(line, 110), 0.5);
    }
    // The nostrils lie close inside the front edge of the shovel, each a
    // slit with a shaded groove running on from it along the rim and a lit
    // flap over it; the eyes sit on the blunt corners, looking out sideways,
    // under a ridge of skin, so from above each shows as a bulge with a
    // slice of dark eye along its outer side.
    for (const double side : {-1.0, 1.0}) {
        const QPainterPath groove = curveThrough(
            {{side * 6, -154.6}, {side * 13, -153.6}, {side * 20, -150.6}, {side * 26, -146.4}});
        stroke(p, groove, QColor(50, 56, 64, 70), 2.0);
        const QPainterPath slit =
            curveThrough({{side * 10.5, -152.8}, {side * 14.5, -152.2}, {side * 18.5, -150.4}});
        stroke(p, slit, QColor(30, 34, 40, 150), 0.9);
        stroke(p, slit.translated(0, 1.1), QColor(190, 198, 204, 110), 0.7);
        {
            const Saved brow(p);
            p.setClipPath(body, Qt::IntersectClip);
            paintGlow(p, {side * 35, -128.5}, 5.5, QColor(190, 198, 204, 90));
            stroke(p, curveThrough({{side * 31, -134}, {side * 34, -129}, {side * 33.5, -124}}),
                   QColor(50, 56, 64, 90), 0.9);
        }
        const Saved turn(p);
        p.translate(side * 37.6, -128);
        p.rotate(90);
        anatomy::paintSharkEye(p, {0, 0}, 3.6, 1.9, grey);
    }
}

} // namespace fishart
