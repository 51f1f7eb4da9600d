// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QRandomGenerator>
#include <QTransform>

#include <cmath>
#include <tuple>
#include <utility>

// Sharks: the Nurse Shark resting on the sand.

namespace fishart {

using namespace fishkit;

namespace {

// A shark's fin rising from a firm base, `front` to `rear` on the body: a
// convex leading edge to a rounded `apex`, a hollowed trailing edge out to a
// free rear `tip`, and the short inner margin from the tip back to the body.
QPainterPath sharkFin(QPointF front, QPointF apex, QPointF tip, QPointF rear, double round)
{
    const auto unit = [](QPointF v) { return v / std::max(1e-6, std::hypot(v.x(), v.y())); };
    const QPointF lead = apex - front;
    QPointF bulge(-lead.y(), lead.x());
    if (QPointF::dotProduct(bulge, rear - front) > 0)
        bulge = -bulge;
    const QPointF a1 = apex - unit(lead) * round, a2 = apex + unit(tip - apex) * round;
    QPainterPath f(rear);
    f.lineTo(front);
    f.quadTo(front + lead * 0.5 + bulge * 0.12, a1);
    f.quadTo(apex, a2);
    f.quadTo((a2 + tip) / 2 + ((front + rear) / 2 - (a2 + tip) / 2) * 0.16, tip);
    f.lineTo(rear);
    f.closeSubpath();
    return f;
}

// A nurse shark's fin is solid flesh: palest where it swells out of the
// body, with a soft shadow in the crease of the join, its thick leading edge
// rounded into the light and the rest darkening back to a thin trailing edge.
void paintFleshFin(QPainter &p, const QPainterPath &shape, QLineF base, QColor skin, QColor line)
{
    fillBody(p, shape, skin, skin, skin);
    if (Silhouette::active(p))
        return;
    const QPointF far = farthestFrom(shape, base.center());
    QLinearGradient out(base.center(), far);
    out.setColorAt(0.0, skin.lighter(120));
    out.setColorAt(0.3, skin.lighter(106));
    out.setColorAt(1.0, skin.darker(116));
    p.fillPath(shape, out);
    const QPointF along = base.p2() - base.p1();
    QLinearGradient section(base.p1(), base.p2() + along * 0.6);
    section.setColorAt(0.0, withAlpha(skin.lighter(130), 150));
    section.setColorAt(0.3, withAlpha(skin, 0));
    section.setColorAt(1.0, withAlpha(line, 120));
    p.fillPath(shape, section);
    QLinearGradient rim(base.p1(), base.p2() + along * 0.6);
    rim.setColorAt(0.0, withAlpha(skin.lighter(140), 150));
    rim.setColorAt(0.45, withAlpha(skin.lighter(140), 0));
    p.strokePath(shape, QPen(QBrush(rim), 3.2));
    {
        const Saved s(p);
        p.setClipPath(shape, Qt::IntersectClip);
        const QLineF join(base.p1() - along * 0.2, base.p2() + along * 0.2);
        QPainterPath crease(join.p1());
        crease.lineTo(join.p2());
        stroke(p, crease, withAlpha(line, 24), 7);
        stroke(p, crease, withAlpha(line, 40), 3);
        QLinearGradient trailing(base.center(), base.p2() + along * 0.6);
        trailing.setColorAt(0.0, withAlpha(line, 0));
        trailing.setColorAt(1.0, withAlpha(line, 140));
        p.strokePath(shape, QPen(QBrush(trailing), 2.2));
        stroke(p, shape, withAlpha(skin.lighter(135), 50), 0.7);
    }
    // Outlined only where it stands free of the body.
    QPainterPath root(base.p1() - along * 0.05);
    root.lineTo(base.p2() + along * 0.05);
    QPainterPathStroker wide;
    wide.setWidth(4);
    QPainterPath free;
    free.addRect(shape.boundingRect().adjusted(-3, -3, 3, 3));
    const Saved s(p);
    p.setClipPath(free.subtracted(wide.createStroke(root)), Qt::IntersectClip);
    stroke(p, shape, withAlpha(line, 150), 0.6);
}

} // namespace

// Tan all over, resting on the sand: a broad flat head with small eyes and
// barbels at the nostrils, two rounded dorsals set far back over the pelvic
// fins, and the long upper lobe that makes a quarter of its length.
void paintNurseShark(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.55);
    // Seen from a little above, so the sand runs well up the picture behind
    // it; a metre-high sea fan far off tells its size.
    paintSeaFan(p, QPointF(40, 110), 84, QColor(150, 80, 120));
    paintSand(p, Canvas::frame, 104);
    p.translate(0, -34);

    const QColor back(146, 112, 60), flank(186, 150, 96), line(104, 76, 38);
    // The trunk narrows to the tail stalk behind the second dorsal and anal
    // fins; the caudal fin is a quarter of the length, its big upper lobe
    // rising at a low angle to a notch near the tip, with a short rounded
    // lower lobe hanging under its base.
    const QPainterPath trunk = smoothClosedPath(
        {{7.5, 192}, {9, 185.5},   {15, 180.5}, {30, 176},  {60, 169},  {100, 159}, {140, 154},
         {180, 156}, {214, 164},   {236, 170},  {248, 173}, {250, 196}, {234, 200}, {214, 204},
         {170, 211}, {120, 212.5}, {70, 211},   {36, 207},  {16, 203},  {9.5, 199}});
    // Lying on the sand the tail is held only a little above the line of the
    // back, its upper lobe straight and stiff, a quarter of the whole length.
    QTransform lift;
    lift.translate(240, 184);
    lift.rotate(-4);
    lift.scale(0.93, 1.0);
    lift.translate(-240, -184);
    const QPainterPath caudal = lift.map(smoothClosedPath({{238, 171},
                                                           {256, 171},
                                                           {280, 167},
                                                           {300, 163.5},
                                                           {312, 162},
                                                           {319, 163.2},
                                                           {318.5, 166.5},
                                                           {312, 170.5},
                                                           {305, 172.6},
                                                           {301, 174.5},
                                                           {294, 180},
                                                           {284, 188},
                                                           {272, 197},
                                                           {263, 204.5},
                                                           {255, 206.5},
                                                           {248, 202},
                                                           {240, 199}}));
    const QPainterPath shark = trunk.united(caudal);
    // The pectoral braced on the sand, its near face towards us: a broad
    // fleshy fin, the leading edge bowed, the tip wide and round, the rear
    // margin rounded too, as in all nurse sharks, ending in a short free
    // inner tip by the body.
    // Spread out towards us and seen from a little above, its upper face
    // is foreshortened: broad but short, not a paddle hanging down.
    const QPainterPath pectoral = smoothClosedPath({{62, 197},
                                                    {70, 206},
                                                    {80, 214.5},
                                                    {92, 221},
                                                    {104, 224.5},
                                                    {113, 224},
                                                    {117, 220},
                                                    {115, 215},
                                                    {109, 211.5},
                                                    {104.5, 209.8},
                                                    {101, 208.2},
                                                    {98, 206}});
    const QPainterPath pelvic = sharkFin({156, 206}, {178, 224}, {196, 214}, {182, 207}, 5);
    {
        // Where its belly rests, the sand under it lies in deep shade, and a
        // softer shadow spreads out on the side away from the light.
        const Saved s(p);
        p.translate(136, 212);
        p.scale(1.0, 0.11);
        paintGlow(p, {0, 0}, 134, QColor(40, 28, 10, 120));
    }
    anatomy::paintSoftShadow(p, shark.united(pectoral).united(pelvic), QPointF(6, 11), 80);

    // Two broadly rounded dorsals, the first over the pelvic fins and the
    // second nearly as large: a long convex leading edge over a round top,
    // the trailing edge falling almost straight down to a short free tip.
    const QPainterPath firstDorsal = smoothClosedPath({{146, 160},
                                                       {148, 151},
                                                       {154, 140},
                                                       {162, 132},
                                                       {171, 128},
                                                       {180, 129},
                                                       {186, 134},
                                                       {189, 142},
                                                       {190, 150},
                                                       {192.5, 157},
                                                       {186, 160.5},
                                                       {168, 162}});
    const QPainterPath secondDorsal = smoothClosedPath({{201, 166},
                                                        {203, 158},
                                                        {207, 150},
                                                        {213, 145},
                                                        {220, 144},
                                                        {225.5, 147.5},
                                                        {228, 154},
                                                        {229, 161},
                                                        {232, 167},
                                                        {226, 170},
                                                        {214, 169}});
    const QPainterPath anal = sharkFin({212, 201}, {226, 216}, {246, 202}, {234, 199}, 4);
    paintFleshFin(p, pelvic, {{156, 206}, {182, 207}}, blend(flank, back, 0.4), line);
    paintFleshFin(p, anal, {{212, 201}, {234, 199}}, blend(flank, back, 0.4), line);
    paintFleshFin(p, firstDorsal, {{147, 156}, {189, 158}}, back, line);
    paintFleshFin(p, secondDorsal, {{202, 164}, {229, 168}}, back, line);
    fillBody(p, shark, back, flank, QColor(212, 184, 134), 0.55);
    {
        // The skin is rough with denticles: a fine grain, stronger along the
        // back and finer on the head, under a faint cloudy mottle and a few
        // small freckles, so that the tan still reads as one colour.
        const Saved s(p);
        p.setClipPath(shark, Qt::IntersectClip);
        anatomy::paintMottle(p, shark, 16, QColor(110, 80, 40, 46), QColor(244, 220, 170, 40),
                             1501);
        QRandomGenerator grain(1502);
        p.setPen(Qt::NoPen);
        for (const QPointF &c : scatterPoints(shark, 1400, 1503)) {
            const double head = std::clamp((c.x() - 20) / 80.0, 0.35, 1.0);
            const double r = (0.25 + 0.35 * grain.generateDouble()) * head;
            const bool lit = grain.bounded(3) == 0;
            p.setBrush(lit ? QColor(250, 228, 180, 20 + int(grain.bounded(30)))
                           : QColor(90, 64, 30, 18 + int(grain.bounded(34))));
            p.drawEllipse(c, r, r);
        }
        for (const QPointF &c : scatterPoints(shark, 70, 15)) {
            const double r = 0.5 + 0.9 * std::pow(grain.generateDouble(), 2.0);
            p.setBrush(QColor(110, 80, 40, 26 + int(grain.bounded(30))));
            p.drawEllipse(c, r * 1.2, r);
        }
    }
    {
        // The caudal is fin, not trunk: smooth skin like the rest, only thinner
        // and darker out to its margins, with no rays to show.
        const Saved s(p);
        p.setClipPath(caudal.subtracted(trunk), Qt::IntersectClip);
        QLinearGradient thin(lift.map(QPointF(246, 186)), lift.map(QPointF(316, 164)));
        thin.setColorAt(0.0, withAlpha(back, 0));
        thin.setColorAt(0.6, withAlpha(back.darker(112), 120));
        thin.setColorAt(1.0, withAlpha(back.darker(128), 190));
        p.fillPath(caudal, thin);
        // The upper lobe is a round fold of flesh: lit along its top, shaded below.
        stroke(p, lift.map(curveThrough({{250, 174}, {280, 170}, {306, 166}})),
               QColor(230, 200, 150, 60), 3.0);
        stroke(p, caudal, withAlpha(line, 50), 4);
    }
    // The crease of the notch that sets off the tip of the upper lobe.
    strokeInside(p, shark, lift.map(curve({305, 172.6}, {306.5, 169.5}, {309, 166.5})),
                 withAlpha(line, 90), 0.7);
    // Firm fins rise out of the back, so no outline crosses their roots.
    const QColor outline(95, 70, 35);
    shadeBody(p, shark, withAlpha(outline, 0));
    {
        const Saved s(p);
        QPainterPath away;
        away.addRect(Canvas::frame);
        p.setClipPath(
            away.subtracted(oval({168, 157}, 20, 4)).subtracted(oval({215, 166}, 13, 3.5)),
            Qt::IntersectClip);
        anatomy::paintShadedEdge(p, shark, outline, 1.4);
    }
    for (const auto &[root, span] :
         {std::pair{QPointF(168, 158), 20.0}, {QPointF(215, 167), 13.0}}) {
        // The back's shade fades where the fin's flesh swells out of it.
        const Saved s(p);
        p.setClipPath(shark.united(firstDorsal).united(secondDorsal), Qt::IntersectClip);
        p.translate(root);
        p.scale(1.0, 0.3);
        paintGlow(p, {0, 0}, span, withAlpha(back, 230));
    }
    {
        // A round, heavy body: light along the top of the flank, the lower
        // flank turning away into shade where it rests on the sand.
        const Saved s(p);
        p.setClipPath(trunk, Qt::IntersectClip);
        for (const auto &[at, reach, squash, tone] :
             {std::tuple{QPointF(120, 172), 118.0, 0.1, QColor(236, 210, 160, 140)},
              std::tuple{QPointF(130, 209), 124.0, 0.09, QColor(80, 54, 24, 130)},
              std::tuple{QPointF(130, 156), 110.0, 0.06, QColor(96, 68, 30, 90)},
              std::tuple{QPointF(40, 182), 30.0, 0.3, QColor(236, 210, 160, 70)},
              // The long muscle of the flank swells above a shallow groove
              // along the middle of the side.
              std::tuple{QPointF(165, 180), 80.0, 0.07, QColor(240, 216, 170, 60)},
              std::tuple{QPointF(170, 189), 90.0, 0.04, QColor(96, 68, 32, 50)}}) {
            const Saved one(p);
            p.translate(at);
            p.scale(1.0, squash);
            paintGlow(p, {0, 0}, reach, tone);
        }
        // The belly is soft and spreads on the sand: a fold runs along it,
        // lit on its upper face, with the skin below it tucked into shade.
        const QPainterPath fold =
            curveThrough({{112, 204.5}, {135, 206.2}, {160, 206.2}, {178, 204.8}});
        stroke(p, fold.translated(0, -1.2), QColor(236, 210, 160, 40), 2.0);
        stroke(p, fold, QColor(86, 60, 28, 55), 0.8);
    }
    // Five small gill slits close together just ahead of the pectoral, the
    // last two over its root: each a short crease bowed a little back,
    // shaded in front where the skin dips into it, its rear lip lit.
    static constexpr double xs[] = {56.0, 59.4, 62.6, 65.6, 68.4};
    static constexpr double tops[] = {184.5, 184.0, 184.2, 185.0, 186.2};
    static constexpr double lows[] = {193.0, 193.6, 194.0, 194.0, 193.6};
    for (int i = 0; i < 5; ++i) {
        const double x = xs[i], mid = (tops[i] + lows[i]) / 2;
        const QPainterPath slit = curveThrough({{x - 0.2, tops[i]}, {x + 0.5, mid}, {x, lows[i]}});
        stroke(p, slit.translated(-0.7, 0), QColor(96, 66, 34, 26), 1.4);
        stroke(p, slit.translated(0.6, 0), QColor(238, 212, 166, 60), 0.5);
        p.fillPath(ribbon(slit, {0.1, 0.5, 0.45, 0.1}), QColor(84, 56, 28, 130));
    }
    // The small mouth lies under the snout ahead of the eyes, seen nearly
    // edge-on: a narrow dark gape between a shaded upper lip and a fleshy
    // lower lip that catches the light, the labial fold curling round its
    // corner, and a groove running up from it to the nostril.
    const QPainterPath gape = smoothClosedPath(
        {{19, 202.2}, {25, 201.6}, {31, 202.2}, {33.5, 203.2}, {26, 203.3}, {20, 203.2}});
    p.fillPath(ribbon(curveThrough({{18, 201.2}, {25, 200.2}, {33, 201.6}}), {1.2, 2.0, 1.0}),
               QColor(110, 78, 40, 120));
    p.fillPath(gape, QColor(58, 36, 20, 230));
    const QPainterPath lowerLip =
        ribbon(curveThrough({{19.5, 204.2}, {26, 204.6}, {33.5, 203.8}}), {1.0, 1.8, 0.8});
    fillBody(p, lowerLip, QColor(214, 184, 134), QColor(196, 164, 114), QColor(150, 116, 70));
    stroke(p, curve({33.5, 203.2}, {36.5, 201.8}, {37.5, 204.5}), QColor(90, 62, 32, 150), 0.8);
    stroke(p, curve({37.5, 204.5}, {38.5, 206.5}, {41, 207.5}), QColor(90, 62, 32, 110), 0.7);
    stroke(p, curve({20.5, 201.6}, {21.5, 199.5}, {22, 197.4}), QColor(100, 70, 36, 110), 0.6);
    // A short fleshy barbel points forward from each nostril on the snout's underside.
    for (const double x : {15.0, 20.0}) {
        const QPainterPath barbel =
            ribbon(curveThrough({{x + 2, 197.5}, {x - 1.5, 199.5}, {x - 4.5, 201}}), {2.2, 0.9});
        p.fillPath(barbel, QColor(174, 136, 84));
        stroke(p, barbel, QColor(110, 80, 44, 200), 0.5);
        paintDisc(p, QPointF(x + 2.5, 196.6), 1.4, 0.9, QColor(80, 55, 30));
    }
    anatomy::paintSharkEye(p, QPointF(45, 178.5), 2.6, 1.5, back);
    paintDisc(p, QPointF(54, 177.5), 1.2, 0.9, QColor(80, 55, 30));
    // The fin's root is the lower flank's own shaded skin, and the body
    // folds in over it along a shadowed crease where the fin leaves it.
    paintFleshFin(p, pectoral, {{64, 198}, {98, 206}}, blend(flank, back, 0.25), line);
    {
        const Saved s(p);
        p.setClipPath(trunk.subtracted(pectoral), Qt::IntersectClip);
        const QPainterPath crease =
            curveThrough({{60, 195.5}, {74, 198.5}, {90, 202.5}, {100, 205}});
        stroke(p, crease.translated(0, -1.2), QColor(80, 54, 24, 50), 4.0);
        stroke(p, crease.translated(0, -0.4), QColor(70, 46, 20, 90), 1.4);
    }
}

} // namespace fishart
