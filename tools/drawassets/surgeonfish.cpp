// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <utility>

// Surgeonfish and spadefish: ovals and discs with crescent tails, the
// surgeons with a scalpel at the tail base.

namespace fishart {

using namespace fishkit;

namespace {

// What sets one surgeonfish's outline apart: the body, how tall its fins
// stand and how deep the crescent of its tail is cut.
struct SurgeonForm
{
    BodyShape shape;
    bool disc = false;     // full behind the deepest point, as the Blue Tang
    double fins = 0.14;    // height of the dorsal and anal fins, share of the depth
    QPointF tail{56, 100}; // length and span
    double notch = 0.25;
    QPointF eye{0.19, -0.52}; // along and across, as BodyShape::at takes them
    double dorsalFrom = 0.2;  // where the dorsal fin rises from the nape
    double rear = 1.05;       // height of the soft rear of both fins, share of `fins`
    bool sickle = false;      // a deep crescent whose lobes run out into fine points
    bool even = false;        // dorsal and anal fins with one clean margin, the low spines
                              // standing no higher than the fine soft rays behind them
};

// A deep crescent tail growing back from the stalk at `root`, `rootDepth`
// deep there, `length` long and `span` from tip to tip, cut in by `notch` of
// its length: the two lobes mirror each other about the stalk, each with a
// convex leading edge that sweeps out to a fine point, where the trailing
// edge turns back in a smooth arc through the middle of the crescent.
Fin sickleTail(QPointF root, double rootDepth, double length, double span, double notch)
{
    const double x = root.x(), y = root.y();
    const QPointF top(x, y - rootDepth / 2), bottom(x, y + rootDepth / 2);
    const QPointF upper(x + length, y - span / 2), lower(x + length, y + span / 2);
    const QPointF cut(x + length * (1.0 - notch), y);
    // The leading edge bows out a little from the stalk, then runs in
    // almost straight to the tip.
    const auto leading = [&](QPointF from, QPointF to, int side) {
        const QPointF chord = to - from;
        const QPointF out(0, side * length);
        return std::pair{from + chord * 0.35 + out * 0.06, to - chord * 0.3 + out * 0.015};
    };
    const auto [a1, a2] = leading(top, upper, -1);
    const auto [b1, b2] = leading(bottom, lower, 1);
    Fin f;
    f.base = QLineF(top, bottom);
    // The trailing edge leaves each tip at a narrow angle to the leading
    // edge, so the point is fine, then bows in to meet its mirror at the cut.
    f.edge = QPainterPath(upper);
    f.edge.cubicTo(upper + QPointF(-length * 0.14, span * 0.17), cut + QPointF(0, -span * 0.2),
                   cut);
    f.edge.cubicTo(cut + QPointF(0, span * 0.2), lower + QPointF(-length * 0.14, -span * 0.17),
                   lower);
    f.shape = QPainterPath(top);
    f.shape.cubicTo(a1, a2, upper);
    f.shape.connectPath(f.edge);
    f.shape.cubicTo(b2, b1, bottom);
    f.shape.closeSubpath();
    f.shape.setFillRule(Qt::WindingFill);
    return f;
}

// The surgeons: one long even dorsal fin from the nape to the tail stalk, a
// long anal fin, a small mouth low and forward under a steep rounded
// forehead, the eye set high, a pointed pectoral fin and small spined pelvic
// fins.
Build surgeon(const SurgeonForm &f)
{
    const BodyShape &s = f.shape;
    const QPainterPath body = f.disc ? discOutline(s) : bodyOutline(s);
    const double rise = s.depth * f.fins;
    // A point `share` of the fins' height out from the rim, or inside it if negative.
    const auto out = [&](double along, int side, double share) {
        return rimPoint(body, s.at(along, 0), side) + QPointF(0, side * rise * share);
    };
    // The eye sits high and well back, under the steep forehead.
    const QPointF eye = s.at(f.eye.x(), f.eye.y());
    const double gill = gillAt(s, eye, 1.95);
    const double from = f.dorsalFrom;
    return Build(s, body,
                 spinyFin(out(from, -1, -0.3),
                          {out(from + 0.04, -1, 0.7), out(0.45, -1, 1), out(0.75, -1, f.rear),
                           out(0.9, -1, f.rear * 0.86)},
                          out(0.95, -1, -0.6), f.even ? 0 : 9, f.even ? 36 : 26, 0.1),
                 spinyFin(out(0.46, 1, -0.3),
                          {out(0.5, 1, 0.8), out(0.75, 1, f.rear), out(0.9, 1, f.rear * 0.86)},
                          out(0.95, 1, -0.6), f.even ? 0 : 3, f.even ? 28 : 23, 0.1),
                 followBend(s, f.sickle
                                   ? sickleTail(s.at(0.98, 0), s.depth * s.stalk * 1.3, f.tail.x(),
                                                f.tail.y(), f.notch)
                                   : tail(TailKind::Lunate, s.at(0.98, 0), s.depth * s.stalk * 1.3,
                                          f.tail.x(), f.tail.y(), f.notch)),
                 fanFin(s.at(gill + 0.035, -0.04), s.at(gill + 0.015, 0.24), s.depth * 0.42, 4, 40,
                        0.95, 15),
                 pelvicFin(body, s.at(gill - 0.01, 0), s.depth * 0.09, s.depth * 0.3, 58), eye,
                 gill, Opercle::Surgeon);
}

// Lines running the length of `fin` in `colour`, each following the fin's
// own outline part way out from its base and wavering a little.
void paintFinLines(QPainter &p, const Fin &fin, QColor colour)
{
    if (Silhouette::active(p))
        return;
    const Saved inFin(p);
    p.setClipPath(fin.shape, Qt::IntersectClip);
    const int n = int(fin.tips.size());
    for (const double share : {0.3, 0.52, 0.74}) {
        std::vector<QPointF> line;
        for (int k = fin.spines; k < n; k += 2) {
            const QPointF root = fin.base.pointAt((k + 0.5) / n);
            const double wave = 0.03 * std::sin(k * 0.9 + share * 11.0);
            line.push_back(root + (fin.tips[size_t(k)] - root) * (share + wave));
        }
        if (line.size() >= 3)
            stroke(p, curveThrough(line), colour, 0.9);
    }
}

// A band of pigment `widths` wide running along the free edge of `fin`, but
// `inset` inside it: the rim dips between the ray tips, and a band laid on
// the rim itself would show in those dips, against the water, as a light
// round the fin rather than a margin in it.
void paintInsetMargin(QPainter &p, const Fin &fin, QColor colour,
                      std::initializer_list<double> widths, double inset)
{
    if (Silhouette::active(p))
        return;
    const std::vector<double> rim(widths.size(), inset * 2);
    std::vector<double> band;
    for (const double w : widths)
        band.push_back((inset + w) * 2);
    const Saved s(p);
    p.setClipPath(fin.shape.subtracted(ribbon(fin.edge, rim)), Qt::IntersectClip);
    p.fillPath(ribbon(fin.edge, band), colour);
}

// The surgeons' skin is covered in minute scales, too small to draw one by
// one: they show as a fine, even grain, each speck a shade lighter or darker
// than its neighbours, fading out towards the edges where the body turns
// away.
void paintSkinGrain(QPainter &p, const Build &s, QColor dark, QColor light)
{
    if (Silhouette::active(p))
        return;
    const Saved saved(p);
    p.setClipPath(s.body, Qt::IntersectClip);
    const BodyShape &b = s.shape;
    const int rows = int(b.depth / 2.2), columns = int(b.length / 2.4);
    for (int j = 0; j <= rows; ++j) {
        const double across = -1.05 + 2.1 * j / rows;
        const double edge = 1.0 - 0.7 * across * across;
        for (int i = 0; i < columns; ++i) {
            const double along = 0.14 + 0.84 * (i + 0.5 * (j % 2)) / columns;
            const double n = std::sin(i * 12.9898 + j * 78.233) * 43758.5453;
            const double speck = n - std::floor(n);
            const QPointF at = b.at(along, across);
            if (speck < 0.5)
                paintDisc(p, at, 0.5, 0.4, withAlpha(dark, int(dark.alpha() * edge * speck * 2)));
            else
                paintDisc(p, at, 0.45, 0.38,
                          withAlpha(light, int(light.alpha() * edge * (speck - 0.5) * 2)));
        }
    }
}

// A ring of paler skin round the tail stalk, `at` of the way along the body
// just ahead of the tail, laid in `strokes` (colour, width) so that it blurs
// out into the flank at both sides.
void paintStalkRing(QPainter &p, const Build &s, double at,
                    std::initializer_list<std::pair<QColor, double>> strokes)
{
    const QPointF ring = s.shape.at(at, 0);
    const QPainterPath round =
        curve(ring + QPointF(2, -20), ring + QPointF(-2, 0), ring + QPointF(2, 20));
    for (const auto &[colour, width] : strokes)
        strokeInside(p, s.body, round, colour, width);
}

// The scalpel: a slim blade of bone `length` long and a fifth as wide, folded
// flat into a shallow groove along the tail stalk at `at`, its sharp point
// towards the head and its rounded hinge behind. It is pale bone with no rim
// of its own: light from above catches its upper edge, and it stands off the
// skin only by the thin soft shadow it throws into the groove below it.
// `spot`, if valid, is the patch of pale skin round it.
void paintScalpel(QPainter &p, QPointF at, double length, QColor blade, QColor shadow,
                  QColor spot = {})
{
    if (Silhouette::active(p))
        return;
    if (spot.isValid()) {
        const Saved s(p);
        p.translate(at);
        p.scale(1.0, 0.5);
        paintGlow(p, {0, 0}, length * 0.72, spot);
    }
    const double w = length / 5;
    const QPointF tip = at - QPointF(length * 0.5, 0);
    const QPointF heel = at + QPointF(length * 0.5, 0);
    const QPointF top = at + QPointF(length * 0.15, -w / 2);
    const QPointF bottom = at + QPointF(length * 0.15, w / 2);
    QPainterPath bone(tip);
    bone.cubicTo(tip + QPointF(length * 0.3, -w * 0.3), top - QPointF(length * 0.25, 0), top);
    bone.cubicTo(top + QPointF(length * 0.2, 0), heel + QPointF(0, -w * 0.45), heel);
    bone.cubicTo(heel + QPointF(0, w * 0.45), bottom + QPointF(length * 0.2, 0), bottom);
    bone.cubicTo(bottom - QPointF(length * 0.25, 0), tip + QPointF(length * 0.3, w * 0.3), tip);
    // The groove: a faint, soft hollow in the skin along the blade's lower
    // side, and in it the blade's own shadow, a little below and behind it.
    const QPainterPath groove =
        curve(tip + QPointF(length * 0.1, w * 0.55), at + QPointF(length * 0.1, w * 0.95),
              heel + QPointF(-length * 0.02, w * 0.5));
    stroke(p, groove, withAlpha(shadow, shadow.alpha() / 8), w * 1.3);
    stroke(p, groove, withAlpha(shadow, shadow.alpha() / 8), w * 0.7);
    const QPainterPath cast = bone.translated(length * 0.03, w * 0.4);
    stroke(p, cast, withAlpha(shadow, shadow.alpha() / 6), w * 0.5);
    p.fillPath(cast, withAlpha(shadow, shadow.alpha() * 2 / 3));
    QLinearGradient lit(top, bottom);
    lit.setColorAt(0, blade.lighter(112));
    lit.setColorAt(0.35, blade);
    lit.setColorAt(1, blade.darker(118));
    p.fillPath(bone, lit);
    // The sheen along the upper edge, from just behind the point to the hinge.
    stroke(p,
           curve(tip + QPointF(length * 0.12, -w * 0.12), top + QPointF(0, w * 0.14),
                 heel - QPointF(length * 0.06, w * 0.1)),
           QColor(255, 255, 255, 150), w * 0.22);
}
} // namespace

// All powder-blue to royal blue with fine darker wavy lines, dark-edged fins,
// a moderate crescent tail and a pale yellow scalpel spot at the tail base.
void paintBlueTang(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.3, Floor::Sand, {60, 244}, 60, QColor(190, 160, 100),
                               {290, 236}, 80, QColor(200, 110, 60));
    // The deepest of the surgeons, its back rising high and round behind an
    // almost vertical forehead; the small mouth sits low on a short snout,
    // the eye high, and the soft fins are tall and rounded at the rear over a
    // moderate crescent tail.
    const Build s =
        surgeon({{{58, 140}, 190, 118, 0.42, 0.84, 0.13, 0.66, 0.12, 0.0, 0.5, 0.02, 0.35},
                 false,
                 0.12,
                 {44, 92},
                 0.2,
                 {0.19, -0.5},
                 0.16,
                 1.35});
    const QColor blue(30, 70, 200, 235);
    const Livery look(blue, blue, QColor(15, 30, 90, 150), QColor(60, 110, 225, 150),
                      QColor(50, 100, 215, 230), QColor(40, 70, 160), 5.2);
    paintBackFins(p, s, look);
    paintSoftMargin(p, s.caudal, QColor(110, 180, 255, 210), {1.2, 2.6, 3.4, 2.4, 3.2, 2.6, 1.2});
    // The margins of the long fins are a brighter blue, swelling and
    // thinning along them, not a dark line drawn round.
    paintSoftMargin(p, s.dorsal, QColor(90, 150, 245, 170), {0.8, 2.2, 3.0, 2.0, 2.8, 2.2, 1.0});
    paintSoftMargin(p, s.anal, QColor(90, 150, 245, 170), {0.8, 2.4, 2.0, 2.8, 1.8, 0.8});
    // The body's fine dark lines run on along the soft fins.
    for (const Fin *fin : {&s.dorsal, &s.anal})
        paintFinLines(p, *fin, QColor(16, 34, 120, 70));
    fillBody(p, s.body, QColor(28, 58, 176), QColor(66, 126, 228), QColor(120, 170, 240));
    {
        // Not one flat blue: powder blue where the light falls on the upper
        // flank and cheek, deepening to royal blue over the back, towards
        // the stalk and under the belly.
        const Saved tone(p);
        p.setClipPath(s.body, Qt::IntersectClip);
        paintGlow(p, s.shape.at(0.4, -0.3), 60, QColor(150, 196, 255, 70));
        paintGlow(p, s.shape.at(0.16, 0.1), 26, QColor(160, 200, 255, 60));
        paintGlow(p, s.shape.at(0.85, 0.1), 46, QColor(20, 36, 130, 80));
        paintGlow(p, s.shape.at(0.55, 0.95), 50, QColor(20, 36, 130, 60));
    }
    // Fine lines run the length of the body, following its rows and roughly
    // parallel: each starts and ends at its own place, wavers gently and
    // slowly, and fades towards the pale belly and into the head.
    for (int i = 0; i < 27; ++i) {
        const double across = -1.25 + i * 0.094 + 0.02 * std::sin(i * 2.9);
        const double pace = 9 + 3 * std::sin(i * 2.3);
        const double from = 0.12 + 0.07 * std::abs(std::sin(i * 3.1));
        const double to = 0.97 - 0.06 * std::abs(std::cos(i * 2.2));
        const double strength =
            (0.7 + 0.3 * std::abs(std::sin(i * 1.3))) * (1.0 - 0.6 * std::clamp(across, 0.0, 1.0));
        const double width = 0.4 + 0.15 * std::abs(std::cos(i * 0.9));
        std::vector<QPointF> line;
        for (double t = from; t <= to; t += 0.02)
            line.push_back(s.shape.at(t, across) +
                           QPointF(0, 1.9 * std::sin(t * pace + i * 0.8) +
                                          0.55 * std::sin(t * pace * 2.7 + i)));
        // The middle of each line shows plainest; its ends thin out.
        const QPainterPath path = curveThrough(line);
        for (int k = 0; k < 3; ++k) {
            const double cut = 0.12 * k;
            QPolygonF part;
            for (double u = cut; u <= 1.0 - cut; u += 0.01)
                part << path.pointAtPercent(u);
            QPainterPath piece;
            piece.addPolygon(part);
            strokeInside(p, s.body, piece, QColor(12, 28, 104, int(30 * strength)), width);
        }
    }
    modelBody(p, s.body, s.caudal.base.x1(), QColor(30, 50, 130, 80), 0.8);
    paintScalpel(p, s.shape.at(0.93, 0.02), 22, QColor(252, 230, 120), QColor(16, 24, 66, 210),
                 QColor(250, 220, 90, 110));
    paintFront(p, s, look);
}

// The barred surgeonfish: bluish grey-brown with about ten faint, uneven
// bars, a pale ring round the tail stalk and a pale scalpel; neither the
// Blue Tang's blue nor the Surgeonfish's plain grey-brown.
void paintDoctorfish(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.45, Floor::Open, {38, 246}, 62, QColor(176, 150, 96),
                               {292, 240}, 150, QColor(150, 70, 130));
    // A grazer, tipped a little nose-down as it heads for the algae below.
    canvas.tilt({150, 128}, 4);
    const QColor fins(92, 100, 112, 235);
    const Livery look(fins, fins, QColor(50, 56, 66, 150), QColor(150, 160, 176, 150),
                      QColor(120, 130, 146, 230), QColor(170, 150, 90), 5.4);
    // The smallest of the three: an oval, not a disc, about half as deep as
    // long, the head's profile gently convex down to a small blunt snout,
    // the back and belly curving alike, low fins, and a tail cut in a
    // moderate crescent with rounded-off lobes.
    const Build s = surgeon({{{60, 128}, 178, 88, 0.46, 0.7, 0.15, 0.53, 0.02, 0.03, 0.75, 0, 0.1},
                             false,
                             0.1,
                             {38, 84},
                             0.19,
                             {0.2, -0.46},
                             0.24,
                             0.9});
    paintBackFins(p, s, look);
    // Narrow blue margins that swell and thin along the long fins, in the
    // fin just inside its rim.
    for (const Fin *f : {&s.dorsal, &s.anal}) {
        paintInsetMargin(p, *f, QColor(80, 120, 176, 80), {0.8, 2.0, 2.6, 2.0, 2.4, 2.0, 0.9}, 1.4);
        paintInsetMargin(p, *f, QColor(80, 120, 176, 150), {0.5, 1.2, 1.6, 1.2, 1.5, 1.2, 0.6},
                         1.4);
    }
    fillBody(p, s.body, QColor(92, 100, 112), QColor(140, 148, 158), QColor(186, 190, 196));
    // About ten narrow bars, strongest on the upper flank and fading out
    // towards the belly at different heights; the gaps between them and
    // their widths vary, and each bows back a little with the body's curve.
    const BodyShape &b = s.shape;
    const struct
    {
        double along, width, reach;
        int alpha;
    } bars[] = {{0.285, 1.0, 0.9, 110}, {0.347, 1.3, 1.0, 120},  {0.412, 0.8, 0.7, 95},
                {0.46, 1.2, 1.05, 120}, {0.541, 1.0, 0.8, 105},  {0.583, 1.3, 0.95, 115},
                {0.657, 0.75, 0.6, 90}, {0.718, 1.1, 0.85, 105}, {0.772, 0.95, 0.7, 90},
                {0.846, 0.8, 0.5, 75}};
    {
        const Saved saved(p);
        p.setClipPath(s.body, Qt::IntersectClip);
        for (const auto &bar : bars) {
            std::vector<QPointF> spine;
            for (int k = 0; k <= 6; ++k) {
                const double across = -1.2 + (1.2 + bar.reach) * k / 6.0;
                // Pigment laid down unevenly: each bar drifts a little off
                // true on its way down, in its own way, and swells and thins.
                const double waver = 0.004 * std::sin(k * 1.1 + bar.along * 41.0) +
                                     0.003 * std::sin(k * 2.9 + bar.along * 17.0);
                spine.push_back(b.at(bar.along + 0.012 * (1 - across * across) + waver, across));
            }
            const auto w = [&bar](int j) {
                return bar.width * (1.0 + 0.28 * std::sin(j * 1.9 + bar.along * 57.0));
            };
            // Bands of pigment a scale or two wide, not drawn lines: broad
            // over the upper flank, pinching and swelling on the way down.
            const auto band = [&](double f) {
                return ribbon(curveThrough(spine),
                              {3.6 * w(0) * f, 5.0 * w(1) * f, 4.2 * w(2) * f, 4.6 * w(3) * f,
                               3.0 * w(4) * f, 1.4 * w(5) * f});
            };
            // The pigment is patchy down its length: stronger in places,
            // almost gone in others, before it fades out towards the belly.
            QLinearGradient fade(spine.front(), spine.back());
            for (int k = 0; k <= 5; ++k) {
                const double u = k / 5.0;
                const double patch = 0.6 + 0.4 * std::sin(k * 2.2 + bar.along * 31.0);
                const double down = u < 0.5 ? 1.0 : 1.0 - (u - 0.5) * 2.0;
                fade.setColorAt(u, QColor(42, 46, 58, int(bar.alpha * 0.95 * patch * down)));
            }
            // A denser core inside edges that blur over a scale's width into
            // the skin.
            for (const auto &[f, share] :
                 {std::pair{1.05, 0.22}, std::pair{0.88, 0.4}, std::pair{0.68, 0.95}}) {
                const Saved layer(p);
                p.setOpacity(share);
                p.fillPath(band(f), fade);
            }
        }
    }
    paintSkinGrain(p, s, QColor(54, 60, 72, 34), QColor(200, 206, 214, 30));
    // The pale ring round the stalk, just ahead of the tail, a band of
    // lighter skin that blurs out at both sides.
    paintStalkRing(p, s, 0.955,
                   {{QColor(225, 230, 236, 60), 9},
                    {QColor(225, 230, 236, 90), 5},
                    {QColor(225, 230, 236, 70), 2.5}});
    modelBody(p, s.body, s.caudal.base.x1(), QColor(40, 46, 56));
    paintScalpel(p, b.at(0.945, 0.02), 13, QColor(236, 238, 240), QColor(24, 28, 36, 230));
    paintFront(p, s, look);
}

// A nearly round silver disc with four black bars, the first through the eye,
// tall pointed rear dorsal and anal lobes; a school fades into the distance.
void paintAtlanticSpadefish(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.35);
    // Deep but longer than deep: a short blunt snout, the profile dipping in
    // above the eye, then rising steeply to the nape.
    const BodyShape shape{{50, 136}, 200, 124, 0.4, 0.66, 0.12, 0.57, 0.16, 0.02, 0.35, 0.03, 0.55};
    const QPainterPath body = bodyOutline(shape);
    // The soft dorsal and anal fins rise at their front into tall pointed
    // lobes that sweep back, then run on low to the tail stalk.
    const auto lobe = [&](int side) {
        const auto rim = [&](double along, double rise) {
            return rimPoint(body, shape.at(along, 0), side) + QPointF(0, side * rise);
        };
        return spinyFin(
            rim(0.5, -3),
            {rim(0.54, 46), rim(0.6, 78) + QPointF(14, 0), rim(0.68, 30), rim(0.84, 14)},
            shape.at(0.98, 0.5 * side), 1, 24, 0.1);
    };
    const QPointF eye = shape.at(0.17, -0.3);
    const Build s(shape, body, lobe(-1), lobe(1),
                  tail(TailKind::Lunate, shape.at(0.99, 0), 22, 50, 92, 0.14),
                  fanFin(shape.at(0.37, 0.02), shape.at(0.355, 0.2), 30, 22, 66, 0.2, 14),
                  pelvicFin(body, shape.at(0.31, 0), 9, 36, 58), eye);
    const QColor silver(126, 134, 146, 245);
    const Livery look(silver, silver, QColor(80, 86, 100, 150), QColor(170, 176, 184, 150),
                      QColor(40, 44, 52, 200), QColor(170, 160, 120), 7.5, 0.095);
    paintBackFins(p, s, look);
    // The short spiny first dorsal, its spines joined low by membrane.
    const auto nape = [&](double along, double rise) {
        return rimPoint(body, shape.at(along, 0), -1) - QPointF(0, rise);
    };
    paintFin(p,
             spinyFin(nape(0.3, -2), {nape(0.33, 14), nape(0.4, 20), nape(0.47, 12)}, nape(0.5, -2),
                      9, 0, 0.22),
             silver, look.ray, 0);
    const QPainterPath all = s.body.united(s.dorsal.shape).united(s.anal.shape);
    fillBody(p, s.body, QColor(128, 138, 150), QColor(190, 198, 206), QColor(226, 229, 232));
    paintScaleRows(p, s.body, s.shape, 3.4, QColor(255, 255, 255, 70), 0.7, ScaleStyle::Fine);
    {
        // The bars wrap round the body and run on, fainter, over the fins.
        const Saved saved(p);
        p.setClipPath(all, Qt::IntersectClip);
        // In an adult they are uneven, the rear ones narrower and faded.
        const struct
        {
            double along, reach, width;
            int alpha;
        } bars[] = {{0.15, 1.7, 1.0, 250},
                    {0.375, 1.8, 1.12, 240},
                    {0.6, 2.1, 0.9, 205},
                    {0.8, 2.8, 0.8, 160}};
        const QRectF box = all.boundingRect();
        int n = 0;
        for (const auto &b : bars) {
            ++n;
            // Each bar wanders as it crosses the scale rows and bows back
            // with the curve of the flank, swelling and pinching unevenly
            // along its length, no two alike.
            std::vector<QPointF> spine;
            std::vector<double> widths;
            constexpr int steps = 12;
            for (int j = 0; j <= steps; ++j) {
                const double across = -b.reach + 2.0 * b.reach * j / steps;
                const double bow = (0.022 + 0.004 * n) * (1.0 - across * across / 2.0);
                const double wander =
                    0.003 * std::sin(j * 1.3 + n * 2.6) + 0.002 * std::sin(j * 3.1 + n * 0.7);
                spine.push_back(s.shape.at(b.along + 0.012 * across + bow + wander, across));
                const double end = std::sin(std::numbers::pi * (j + 0.6) / (steps + 1.2));
                widths.push_back(
                    b.width * (5.0 + 9.0 * std::sqrt(end)) *
                    (1.0 + 0.1 * std::sin(j * 1.4 + n * 1.7) + 0.06 * std::sin(j * 3.3 + n)));
            }
            const QPainterPath line = curveThrough(spine);
            // The edges wander a little as they cross the scale rows, not
            // cut straight like tape.
            const auto band = [&](double f) {
                std::vector<double> scaled;
                for (const double v : widths)
                    scaled.push_back(v * f);
                return wanderingEdges(ribbon(line, scaled), n * 1.7, 0.7);
            };
            // Darkest over the back; the pigment thins towards the pale belly,
            // and unevenly, in clouds, as it fades with age.
            QLinearGradient fade(box.topLeft(), box.bottomLeft());
            for (int k = 0; k <= 6; ++k) {
                const double y = 0.1 + 0.8 * k / 6.0;
                const double down = y < 0.55 ? 1.0 : 1.0 - (y - 0.55) * 1.4;
                const double cloud = 0.82 + 0.18 * std::sin(k * 2.7 + n * 1.3);
                fade.setColorAt(y, QColor(14 + 3 * k, 16 + 3 * k, 22 + 3 * k,
                                          int(b.alpha * std::max(0.3, down) * cloud)));
            }
            // Black pigment with a narrow blended edge, no wider than a
            // scale, round a dense core.
            for (const auto &[f, share] : {std::pair{1.28, 0.14}, std::pair{1.14, 0.26},
                                           std::pair{1.03, 0.42}, std::pair{0.92, 0.85}}) {
                const QPainterPath bar = band(f);
                const Saved layer(p);
                p.setOpacity(share);
                p.fillPath(bar.intersected(s.body), fade);
                p.setOpacity(share * 0.7);
                p.fillPath(bar.subtracted(s.body), fade);
            }
        }
    }
    modelBody(p, s.body, s.caudal.base.x1(), QColor(60, 66, 76));
    paintFront(p, s, look);
}

// Plain grey-brown with no bars, greyer than the olive Doctorfish and nothing
// like the Blue Tang's blue; thin bluish fin edges, a deep crescent tail with
// a pale margin, and a pale scalpel in a dark groove.
void paintSurgeonfish(QPainter &p, double w, double h)
{
    const Canvas canvas = reef(p, w, h, 0.4, Floor::Open, {292, 250}, 76, QColor(150, 160, 110),
                               {34, 240}, 100, QColor(170, 80, 110));
    // Longer than the Blue Tang, not half as deep as long: a short snout
    // with the small mouth low on it, the forehead rising steep but not
    // sheer, the eye high and well back. The dorsal and anal fins run long,
    // low and even, and the deep crescent tail runs out into long points.
    Build s = surgeon({{{38, 128}, 208, 98, 0.44, 0.8, 0.1, 0.54, 0.03, 0.02, 0.45, 0.0, 0.3},
                       false,
                       0.12,
                       {56, 124},
                       0.5,
                       {0.2, -0.5},
                       0.2,
                       1.0,
                       true,
                       true});
    // The pectoral swings from a root tucked close behind the gill opening;
    // the pelvic fins are small and lie back under the belly.
    s.pectoral = fanFin(s.shape.at(s.gill + 0.012, -0.04), s.shape.at(s.gill - 0.002, 0.22),
                        s.shape.depth * 0.44, 6, 40, 0.95, 15);
    s.pelvic = pelvicFin(s.body, s.shape.at(s.gill - 0.01, 0), s.shape.depth * 0.08,
                         s.shape.depth * 0.26, 38);
    const QColor fins(104, 98, 90, 240);
    // The paired fins are clear and smoky, the flank showing through them;
    // the gill cover's edges are fine creases in the skin, not hard lines.
    const Livery look(fins, fins, QColor(60, 56, 50, 170), QColor(110, 110, 114, 120),
                      QColor(120, 118, 114, 130), QColor(200, 170, 80), 5.2, 0.07,
                      QColor(52, 52, 58));
    paintBackFins(p, s, look);
    // The pale margin is a clear whitish band along the whole trailing
    // edge, broadest at the centre of the crescent and narrowing out along
    // each lobe, its inner edge soft where it meets the grey.
    paintSoftMargin(p, s.caudal, QColor(240, 240, 232, 235),
                    {0.6, 3.0, 5.0, 6.2, 6.6, 6.2, 5.0, 3.0, 0.6});
    // The bluish edge is the fin's own margin: the grey membrane runs on
    // solid nearly to the rim, and the blue is a narrow band of pigment in
    // it just inside the edge, swelling and thinning along it and blurring
    // a little into the grey, not a light round the fin.
    for (const Fin *fin : {&s.dorsal, &s.anal}) {
        paintInsetMargin(p, *fin, withAlpha(fins, 130), {4, 6, 7, 6, 6.5, 6, 4}, 1.6);
        paintInsetMargin(p, *fin, QColor(104, 150, 214, 110), {1.2, 2.6, 3.2, 2.6, 3.0, 2.6, 1.2},
                         1.4);
        paintInsetMargin(p, *fin, QColor(112, 160, 224, 230), {0.7, 1.6, 2.1, 1.6, 1.9, 1.6, 0.8},
                         1.4);
    }
    // Faint bluish lines run the length of the soft dorsal and anal fins.
    for (const Fin *fin : {&s.dorsal, &s.anal})
        paintFinLines(p, *fin, QColor(120, 150, 196, 70));
    fillBody(p, s.body, QColor(88, 84, 80), QColor(146, 140, 132), QColor(204, 200, 192), 0.55);
    {
        // The flank is not one grey: a cooler blue-grey over the upper
        // flank where the light falls, a warmer brown over the back and
        // towards the stalk, the cheek a little paler.
        const Saved tone(p);
        p.setClipPath(s.body, Qt::IntersectClip);
        paintGlow(p, s.shape.at(0.45, -0.25), 56, QColor(160, 178, 204, 80));
        paintGlow(p, s.shape.at(0.8, 0.05), 44, QColor(96, 76, 56, 70));
        paintGlow(p, s.shape.at(0.16, 0.25), 22, QColor(220, 218, 210, 60));
        paintGlow(p, s.shape.at(0.6, -0.85), 46, QColor(70, 62, 56, 60));
    }
    paintSkinGrain(p, s, QColor(58, 56, 60, 34), QColor(196, 204, 214, 30));
    const BodyShape &b = s.shape;
    {
        // Faint narrow darker lines run the length of the flank, following
        // its curve from behind the head to the stalk; each fades in and
        // out at its ends and is lost towards the back and belly.
        const Saved lines(p);
        p.setClipPath(s.body, Qt::IntersectClip);
        for (int k = 0; k < 7; ++k) {
            const double across = -0.54 + 0.18 * k;
            std::vector<QPointF> run;
            for (int j = 0; j <= 10; ++j)
                run.push_back(b.at(s.gill + 0.06 + (0.76 - s.gill - 0.06) * j / 10.0, across));
            const int alpha = int(44 * (1.0 - across * across));
            QLinearGradient fade(run.front(), run.back());
            fade.setColorAt(0, QColor(60, 58, 62, 0));
            fade.setColorAt(0.2, QColor(60, 58, 62, alpha));
            fade.setColorAt(0.55, QColor(60, 58, 62, alpha));
            fade.setColorAt(1, QColor(60, 58, 62, 0));
            p.setPen(QPen(QBrush(fade), 0.8, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(curveThrough(run));
        }
    }
    // A whitish band of skin round the tail stalk, where the scalpel lies,
    // under the body's shading, so that it darkens with the stalk where it
    // turns away, and blurring out into the grey at both sides.
    paintStalkRing(p, s, 0.935,
                   {{QColor(236, 238, 236, 90), 16},
                    {QColor(240, 240, 238, 150), 10},
                    {QColor(246, 246, 244, 170), 5}});
    modelBody(p, s.body, s.caudal.base.x1(), QColor(48, 44, 40, 120), 1.5);
    paintScalpel(p, b.at(0.935, 0.02), 17, QColor(246, 246, 242), QColor(22, 20, 24, 245));
    paintFront(p, s, look);
}

} // namespace fishart
