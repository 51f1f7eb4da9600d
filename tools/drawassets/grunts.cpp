// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <QPainter>
#include <QPainterPathStroker>

#include <algorithm>
#include <cmath>
#include <functional>
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

// Draws the grunt with `marks` painted on its body before it is shaded.
void paintGrunt(QPainter &p, const Grunt &g, const std::function<void(const QPainterPath &)> &marks)
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
    fillBody(p, body, g.back, g.flank, g.belly);
    marks(body);
    modelBody(p, body, s.at(0.99, 0).x(), g.back.darker(200), 0.8);
    growFinRoots(p, body, {&dorsal, &anal, &caudal}, 3.5);
    const QPointF eye = s.at(g.eyeAt, -0.38);
    const double gill = gillAt(s, eye, 1.9);
    // Grunts have a long mouth reaching back under the front of the eye.
    paintLateralLine(p, body, s, gill - 0.02, -0.55, withAlpha(g.back.darker(250), 110));
    // Grunts are named for the noise they make grinding their teeth; the
    // inside of the mouth is red, and shows at the corner of the closed jaws.
    paintHead(p, body, s, eye, gill, d * g.mouth, g.back.darker(260), QColor(206, 58, 50));
    paintPelvicPair(p, pelvicFin(body, s.at(gill + 0.02, 0), d * 0.08, d * 0.3, 62), g.lowerFin,
                    g.ray);
    paintPectoral(
        p, body,
        fanFin(s.at(gill + 0.03, 0.1), s.at(gill + 0.015, 0.42), d * 0.42, 12, 44, 0.85, 15),
        g.pectoral, g.ray);
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
    paintGrunt(p, pork, [&](const QPainterPath &body) {
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

// A small grunt: bright yellow stripes on blue-white, level along the back
// above the lateral line and slanting up towards the tail below it; a
// yellow-tinged belly and yellow fins, and no black bars.
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
    const Grunt french(BodyShape{{50, 134}, 196, 82, 0.38, 0.7, 0.2, 0.62, 0.07, 0.03, 0.8},
                       QColor(128, 152, 190), QColor(196, 212, 232), QColor(232, 236, 238),
                       finColour, finColour, finColour, QColor(160, 120, 20, 140),
                       withAlpha(yellow, 180), QColor(200, 170, 80), 0.34, 0.15, {54, 82}, 0.46, 8,
                       0.165);
    const BodyShape &s = french.shape;
    paintGrunt(p, french, [&](const QPainterPath &body) {
        paintScaleRows(p, body, s, 3.6, QColor(120, 140, 170, 90), 0.7, ScaleStyle::Fine);
        const auto lateral = [](double t) { return -0.4 + 0.3 * t * t; };
        const Saved saved(p);
        p.setClipPath(body, Qt::IntersectClip);
        // Each stripe is pigment with a darker bronze edge that softens into
        // the blue-white between, and no two are quite as wide.
        const auto paintStripe = [&](const QPainterPath &spine, double wide) {
            const auto band = [&](double f) {
                const double w = wide * f;
                return ribbon(spine,
                              {2.2 * w, 3.4 * w, 3.9 * w, 4.0 * w, 3.7 * w, 3.1 * w, 2.1 * w});
            };
            p.fillPath(band(1.4), QColor(200, 140, 30, 60));
            p.fillPath(band(1.22), QColor(214, 160, 30, 120));
            p.fillPath(band(1.08), yellow);
        };
        // Above the lateral line the stripes run level with the back.
        for (const double across : {-0.9, -0.72, -0.54}) {
            std::vector<QPointF> spine;
            for (int k = 0; k <= 16; ++k) {
                const double t = 0.03 + 0.97 * k / 16.0;
                spine.push_back(s.at(t, across + 0.015 * std::sin(t * 17.0 + across * 9.0)));
            }
            paintStripe(curveThrough(spine), 1.15 + 0.15 * std::sin(across * 21.0));
        }
        // Below it the stripes run in clean oblique rows up and back along
        // the scale rows, near enough parallel, each ending at the line.
        for (int k = 0; k < 9; ++k) {
            // Not quite parallel, nor evenly spaced, and some give out
            // before they reach the line.
            double t = 0.06 + k * 0.108 + 0.018 * std::sin(k * 2.3) + 0.008 * std::sin(k * 5.1);
            double across = 1.15;
            const double slope = 2.7 + 0.35 * std::sin(k * 1.7 + 0.4);
            const double shortfall = 0.2 * std::max(0.0, std::sin(k * 3.3 + 0.6));
            std::vector<QPointF> stripe;
            while (t < 0.99 && across > lateral(t) + 0.06 + shortfall) {
                stripe.push_back(s.at(t, across + 0.014 * std::sin(t * 9.0 + k * 1.3)));
                t += 0.025;
                across -= 0.025 * slope;
            }
            if (stripe.size() < 3)
                continue;
            paintStripe(curveThrough(stripe), 1.2 + 0.2 * std::abs(std::sin(k * 2.9 + 0.3)));
        }
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
    paintGrunt(p, bluestriped, [&](const QPainterPath &body) {
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
