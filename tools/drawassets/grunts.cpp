// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

// Grunts and the Porkfish: deep, striped, sloping heads.

namespace fishart {

using namespace fishkit;

namespace {

// The grunts share one plan: a tall spiny dorsal fin running on into a lower
// soft one, a forked tail, a big closed mouth; each has its own proportions
// and fin heights, and its stripes and fin colours.
struct Grunt
{
    BodyShape shape;
    QColor back, flank, belly;
    QColor fin, lowerFin, tailFin, ray, pectoral, iris;
    double spiny = 0.26;  // height of the spiny dorsal, as a share of the depth
    double soft = 0.17;   // height of the soft dorsal and the anal fin
    QPointF tail{54, 96}; // length and span
    double notch = 0.45;
    double lip = 0;      // how broadly the lips round off the snout; 0 leaves it pointed
    double eyeAt = 0.18; // the eye's place along the length
    double mouth = 0.22; // length of the closed mouth, as a share of the depth
};

// A grunt's snout does not end in a point: the thick lips of its big mouth
// make a blunt rounded front that the head profile runs into. Rolling a
// disc `lip` across round the inside of the outline rounds off the tip and
// leaves the gentler curves as they are.
QPainterPath gruntOutline(const BodyShape &s, double lip)
{
    const QPainterPath plain = bodyOutline(s);
    if (lip <= 0)
        return plain;
    QPainterPathStroker disc;
    disc.setWidth(lip);
    disc.setJoinStyle(Qt::RoundJoin);
    disc.setCapStyle(Qt::RoundCap);
    const QPainterPath inner = plain.subtracted(disc.createStroke(plain));
    return inner.united(disc.createStroke(inner)).simplified();
}

// Draws the grunt with `marks` painted on its body before it is shaded; they
// are given the body and the pectoral fin that will lie over them.
void paintGrunt(QPainter &p, const Grunt &g,
                const std::function<void(const QPainterPath &, const QPainterPath &)> &marks)
{
    const BodyShape &s = g.shape;
    const double d = s.depth;
    const auto out = [&s, d](double along, double side, double rise) {
        return s.at(along, side) + QPointF(0, side * d * rise);
    };
    const Fin caudal = tail(TailKind::Forked, s.at(1, 0) - QPointF(5, 0), d * s.stalk + 3,
                            g.tail.x(), g.tail.y(), g.notch);
    paintFin(p, caudal, g.tailFin, g.ray, 16);
    // One fin, cut down low where the spines end and the soft rays begin.
    const Fin dorsal =
        spinyFin(s.at(0.3, -0.93),
                 {out(0.36, -1, g.spiny), out(0.46, -1, g.spiny * 0.85),
                  out(0.6, -1, g.soft * 0.45), out(0.7, -1, g.soft), out(0.9, -0.9, g.soft)},
                 s.at(0.95, -0.7), 12, 15, 0.12);
    const Fin anal = spinyFin(s.at(0.7, 0.93), {out(0.75, 1, g.soft * 1.2), out(0.9, 0.9, g.soft)},
                              s.at(0.95, 0.7), 3, 8);
    paintFin(p, dorsal, g.fin, g.ray, 0);
    paintFin(p, anal, g.lowerFin, g.ray, 0);
    const QPainterPath body = gruntOutline(s, g.lip);
    const QPointF eye = s.at(g.eyeAt, -0.38);
    const double gill = gillAt(s, eye, 1.9);
    const Fin pectoral =
        fanFin(s.at(gill + 0.03, 0.1), s.at(gill + 0.015, 0.42), d * 0.42, 12, 44, 0.85, 15);
    fillBody(p, body, g.back, g.flank, g.belly);
    marks(body, pectoral.shape);
    modelBody(p, body, s.at(0.99, 0).x(), g.back.darker(200), 0.8);
    growFinRoots(p, body, {&dorsal, &anal, &caudal}, 3.5);
    // Grunts have a long mouth reaching back under the front of the eye.
    paintLateralLine(p, body, s, gill - 0.02, -0.55, withAlpha(g.back.darker(250), 110));
    // Grunts are named for the noise they make grinding their teeth; the
    // inside of the mouth is red, and shows at the corner of the closed jaws.
    paintHead(p, body, s, eye, gill, d * g.mouth, g.back.darker(260), QColor(206, 58, 50));
    paintPelvicPair(p, pelvicFin(body, s.at(gill + 0.02, 0), d * 0.08, d * 0.3, 62), g.lowerFin,
                    g.ray);
    paintPectoral(p, body, pectoral, g.pectoral, g.ray);
    paintNaturalEye(p, eye, d * 0.065, g.iris, familyEye(Opercle::Serrate));
}

} // namespace

// A deep, steep-headed grunt: silver-blue with yellow lengthwise stripes
// behind two black bars, one slanting through the eye and one from the nape
// to the pectoral fin; yellow fins.
void paintPorkfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.35, 0, 200, {}, 0, {}, {292, 230}, 90, QColor(150, 80, 160));
    const QColor yellow(252, 208, 30);
    // Deep, the head profile steep but evenly convex from the nape down to
    // a small, slightly pointed snout, the mouth set low on it.
    const Grunt pork(BodyShape{{50, 148}, 198, 106, 0.42, 0.7, 0.17, 0.63, 0.13, 0.09, 0.8},
                     QColor(140, 165, 185), QColor(200, 215, 228), QColor(240, 242, 245),
                     withAlpha(yellow, 225), withAlpha(yellow, 225), withAlpha(yellow, 235),
                     QColor(170, 120, 20, 140), withAlpha(yellow, 228), QColor(210, 190, 120), 0.3,
                     0.18, {48, 90}, 0.38, 7);
    const BodyShape &s = pork.shape;
    paintGrunt(p, pork, [&](const QPainterPath &body, const QPainterPath &) {
        paintScaleRows(p, body, s, 3.6, QColor(255, 255, 255, 80), 0.7, ScaleStyle::Fine);
        QPainterPath behindBars;
        // The stripes start behind the second bar, following its slant.
        // Below the bar the stripes are not cut off: each tapers out on its own.
        behindBars.addPolygon(QPolygonF({s.at(0.48, -1.6), s.at(0.36, 0.3), s.at(0.22, 0.7),
                                         s.at(0.12, 1.6), QPointF(320, 240), QPointF(320, 0)}));
        // Yellow stripes take turns with blue-grey ones between them. They
        // run lengthwise: those high on the body follow the curve of the
        // back, those lower down lie nearly level, all closing in a little
        // as the body narrows to the stalk. Each wavers and swells along its
        // own length, and ends where the body's outline cuts it off.
        const auto stripe = [&](double across, int k, std::vector<double> widths) {
            const double follow = std::clamp(0.9 - (across + 0.9) * 0.55, 0.1, 0.9);
            const double backAt = s.at(0.4, -1).y();
            std::vector<QPointF> spine;
            for (int j = 0; j <= 14; ++j) {
                const double t = 0.3 + 0.72 * j / 14.0;
                const double rise = (s.at(std::min(t, 1.0), -1).y() - backAt) * follow;
                const double level = s.at(0.4, across).y() + rise;
                const double narrowing = s.at(std::min(t, 1.0), across).y() - level;
                spine.push_back(QPointF(
                    s.at(t, 0).x(), level + narrowing * 0.3 + 1.4 * std::sin(t * 5.3 + k * 1.9) +
                                        0.5 * std::sin(t * 19.0 + across * 7.0)));
            }
            for (size_t j = 0; j < widths.size(); ++j)
                widths[j] *= 0.82 + 0.3 * std::pow(std::sin(k * 2.7 + double(j) * 1.3), 2);
            return ribbon(curveThrough(spine), widths).intersected(body.intersected(behindBars));
        };
        for (int i = 0; i < 8; ++i)
            p.fillPath(stripe(-0.74 + i * 0.24 + 0.025 * std::sin(i * 2.1), i,
                              {0.6, 2.6, 3.2, 3.0, 2.6, 2.2}),
                       QColor(96, 128, 168, 190));
        for (int i = 0; i < 9; ++i)
            p.fillPath(stripe(-0.86 + i * 0.24 + 0.02 * std::sin(i * 1.3 + 0.5), i + 11,
                              {0.9, 4.0, 5.0, 4.6, 4.2, 3.6}),
                       yellow);
        const Saved saved(p);
        p.setClipPath(body, Qt::IntersectClip);
        // The snout in front of the eye bar is yellow-bronze.
        paintGlow(p, s.snout + QPointF(8, -4), 28, QColor(240, 196, 70, 230));
        // One bar slants down and forward from the nape through the eye to
        // the corner of the mouth, the other from the front of the dorsal fin
        // to the base of the pectoral fin.
        const QColor black(18, 18, 22);
        QPainterPath bars =
            ribbon(curveThrough({s.at(0.42, -1.3), s.at(0.28, -0.86), s.at(0.18, -0.38),
                                 s.at(0.14, -0.04), s.at(0.122, 0.12)}),
                   {16, 16, 15, 13, 9, 3});
        bars.addPath(bandAcross(s, 0.37, {15, 18, 19, 18, 16, 12}, -0.085, 0.01, -1.5, 0.42));
        // Black pigment whose edge blurs over a scale's width into the silver.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(black, 60), 2.6));
        p.drawPath(bars);
        p.fillPath(bars, black);
    });
}

// A small grunt: bold yellow stripes on blue-white, level along the back
// above the lateral line and slanting down and forward below it; yellow
// fins, and no black bars.
void paintFrenchGrunt(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.4, 0, 0, {270, 250}, 80, QColor(170, 150, 110), {40, 240}, 110,
              QColor(180, 90, 80));
    const QColor yellow(250, 205, 40);
    const QColor finColour = withAlpha(yellow.darker(105), 225);
    // Small and deep, the depth 0.42 of the length, with a high arched back
    // and a short rounded head: deeper than the Bluestriped Grunt, clearly
    // shallower than the Porkfish, whose head is steeper still.
    const Grunt french(BodyShape{{50, 134}, 196, 88, 0.38, 0.7, 0.2, 0.62, 0.07, 0.03, 0.8},
                       QColor(128, 152, 190), QColor(196, 212, 232), QColor(232, 236, 238),
                       finColour, finColour, finColour, QColor(160, 120, 20, 140),
                       withAlpha(yellow, 222), QColor(200, 170, 80), 0.34, 0.15, {54, 82}, 0.46, 8,
                       0.165);
    const BodyShape &s = french.shape;
    paintGrunt(p, french, [&](const QPainterPath &body, const QPainterPath &fin) {
        paintScaleRows(p, body, s, 3.6, QColor(120, 140, 170, 90), 0.7, ScaleStyle::Fine);
        const auto lateral = [](double t) { return -0.4 + 0.3 * t * t; };
        // The lateral line parts the two sets of stripes: each ends cleanly
        // against it.
        QPolygonF low;
        for (int k = 0; k <= 20; ++k)
            low << s.at(k / 20.0, lateral(k / 20.0));
        low << QPointF(330, low.back().y()) << QPointF(330, 250) << QPointF(-10, 250)
            << QPointF(-10, low.front().y());
        QPainterPath below;
        below.addPolygon(low);
        below = below.intersected(body);
        const QPainterPath above = body.subtracted(below);
        // Pigment in the skin, crisp-edged but never ruled: each band swells
        // and thins a little along its length, and all grow thinner towards
        // the tail. `gap` pinches a band out where it breaks.
        QPainterPath high, slanting;
        const auto band = [](const std::vector<QPointF> &spine, const std::vector<double> &along,
                             double wide, double phase, double gap = -1) {
            std::vector<double> widths;
            for (size_t i = 0; i < along.size(); ++i) {
                const double t = along[i];
                const double u = double(i) / double(along.size() - 1);
                const double swell = 1.0 + 0.14 * std::sin(u * 9.0 + phase);
                const double broken = gap < 0 ? 1.0 : std::min(1.0, std::abs(u - gap) / 0.07);
                widths.push_back(wide * swell * broken *
                                 (1.0 - 0.6 * std::clamp((t - 0.4) / 0.6, 0.0, 1.0)));
            }
            return ribbon(curveThrough(spine), widths);
        };
        // Above the line the stripes lie level, parallel to the back over
        // the head and closing in with it behind the deepest point.
        const double top = s.at(s.deepestAt, 0).y() - s.at(s.deepestAt, -1).y();
        for (const auto &[across, wide] :
             {std::pair{-0.85, 4.0}, std::pair{-0.66, 5.0}, std::pair{-0.47, 4.4}}) {
            std::vector<QPointF> spine;
            std::vector<double> along;
            for (int k = 0; k <= 20; ++k) {
                const double t = k / 20.0;
                const QPointF follow = t < s.deepestAt
                                           ? s.at(t, -1) + QPointF(0, (across + 1) * top)
                                           : s.at(t, across);
                spine.push_back(follow);
                along.push_back(t);
            }
            high.addPath(band(spine, along, wide, across * 7));
        }
        // Below it they run obliquely up and back from the belly and throat
        // to the line, not quite evenly spaced, easing towards the level as
        // they round the belly, as the scale rows do; one breaks on the
        // flank and one forks into its neighbour.
        constexpr std::array<double, 7> widths{6.6, 5.4, 7.0, 5.8, 6.2, 5.0, 5.6};
        constexpr std::array<double, 7> shifts{0, 0.012, -0.01, 0.008, -0.006, 0.01, 0};
        for (int k = 0; k < 7; ++k) {
            const double meet = 0.22 + k * 0.15 + shifts[k];
            const QPointF at(s.snout.x() + s.length * meet,
                             s.at(std::min(meet, 1.0), lateral(std::min(meet, 1.0))).y());
            std::vector<QPointF> spine;
            std::vector<double> along;
            for (double u = -12; u <= 130; u += 4) {
                const double slant = (30 - 10 * std::max(0.0, u) / 130) * std::numbers::pi / 180;
                spine.push_back(at + QPointF(-std::cos(slant), std::sin(slant)) * u);
                along.push_back((spine.back().x() - s.snout.x()) / s.length);
            }
            slanting.addPath(band(spine, along, widths[k], k * 1.7, k == 4 ? 0.55 : -1));
            if (k == 2) {
                // A short spur from the throat end of this band joins the next.
                const QPointF from = spine[spine.size() * 2 / 3];
                const QPointF to = from + QPointF(s.length * 0.15, 0) + QPointF(-6, -8);
                slanting.addPath(
                    ribbon(curve(from, (from + to) / 2 + QPointF(2, 4), to), {4.0, 3.0, 3.6}));
            }
        }
        const QPainterPath stripes =
            high.intersected(above).united(slanting.intersected(below)).simplified();
        // The pectoral fin lies over them, and only a trace shows through it.
        const QPainterPath bare = stripes.subtracted(fin);
        p.fillPath(stripes.intersected(fin), withAlpha(yellow, 70));
        p.fillPath(bare, yellow);
        stroke(p, bare, QColor(196, 146, 28, 120), 0.6);
        std::vector<QPointF> line;
        for (double t = 0.22; t <= 1.0; t += 0.05)
            line.push_back(s.at(t, lateral(t)));
        stroke(p, curveThrough(line), QColor(110, 130, 160, 110), 0.8);
    });
}

// A grunt with a long sloping head: yellow with many blue lengthwise
// stripes; dark dorsal and tail fins.
void paintBluestripedGrunt(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.35, 0, 200, {60, 224}, 40, QColor(170, 150, 100), {300, 220}, 140,
              QColor(160, 90, 140));
    // Fairly deep, the depth 0.38 of the length, the back arched behind a
    // long, evenly sloping head; the snout is blunt, with a big thick-lipped
    // mouth set low that reaches back under the eye.
    const Grunt bluestriped(BodyShape{{24, 140}, 232, 88, 0.42, 0.6, 0.18, 0.64, 0.06, 0.05, 0.8},
                            QColor(232, 180, 20), QColor(252, 210, 40), QColor(255, 232, 120),
                            QColor(55, 52, 48, 235), QColor(220, 186, 60, 225),
                            QColor(66, 62, 54, 235), QColor(20, 20, 20, 150),
                            QColor(196, 140, 36, 236), QColor(230, 200, 80), 0.24, 0.15, {62, 108},
                            0.5, 16, 0.155, 0.32);
    paintGrunt(p, bluestriped, [&](const QPainterPath &body, const QPainterPath &) {
        // The stripes are evenly spaced and run parallel, each a smooth
        // even band of blue finely edged darker: level along the body,
        // closing in a little towards the tail, and over the head turning
        // down and forward across the cheek and snout towards the mouth.
        const BodyShape &s = bluestriped.shape;
        const Saved saved(p);
        p.setClipPath(body, Qt::IntersectClip);
        for (int i = 0; i < 11; ++i) {
            const double a = -1.05 + i * 0.21;
            std::vector<QPointF> spine;
            for (int k = 0; k <= 16; ++k) {
                const double t = -0.02 + 1.04 * k / 16.0;
                const QPointF follow = s.at(t, a);
                const double level = s.snout.y() + a * s.depth * 0.44 - s.depth * 0.03;
                const double head = std::clamp((0.32 - t) / 0.32, 0.0, 1.0);
                spine.push_back({follow.x(), level + (follow.y() - level) * 0.75 +
                                                 head * head * s.depth * (0.1 + 0.06 * a)});
            }
            const QPainterPath line = curveThrough(spine);
            // Lower on the flank the blue sinks a little into the belly's shade.
            const int deep = int(std::clamp(a, 0.0, 1.0) * 40);
            p.fillPath(ribbon(line, {1.2, 2.9, 3.0, 3.0, 2.9, 2.6, 2.2}),
                       QColor(16, 36, 90, 230 - deep));
            p.fillPath(ribbon(line, {0.7, 2.0, 2.1, 2.1, 2.0, 1.8, 1.5}),
                       QColor(44, 126 - deep / 2, 232 - deep));
        }
        paintScaleRows(p, body, bluestriped.shape, 3.6, QColor(160, 110, 0, 100), 0.6,
                       ScaleStyle::Fine);
    });
}

} // namespace fishart
