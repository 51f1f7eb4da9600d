// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

// The squirrelfish: a red night fish with a huge eye and a spiny dorsal fin.

namespace fishart {

using namespace fishkit;

// Red with silvery-white stripes, a huge dark eye, a spiny dorsal fin with
// yellow tips and a deeply forked tail.
void paintSquirrelfish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.55, 0, 200, {270, 222}, 60, QColor(150, 130, 90), {24, 214}, 140,
              QColor(160, 80, 140));
    const QColor fins(220, 66, 56, 195);
    const QColor rays(110, 10, 10, 150);
    const BodyShape s{{40, 122}, 208, 80, 0.45, 0.6, 0.24, 0.54};
    paintCastShadow(p, bodyOutline(s), 216);
    const auto red = [&](const Fin &f, int count) { paintSheerFin(p, f, fins, rays, count + 3); };
    // Deeply forked, the upper lobe drawn out longer than the lower, the
    // lobes about a quarter of the body's length.
    red(finAt({238, 120}, {{0, -11},
                           {17, -23},
                           {38, -40},
                           {61, -53},
                           {46, -30},
                           {30, -9},
                           {27, 0},
                           {32, 11},
                           {44, 27},
                           {49, 38},
                           {27, 27},
                           {12, 17},
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
    // About eleven stout spines, longest near the front and shortening along
    // a smooth curve, each a little longer or shorter than its neighbours.
    // The red membrane is deeply notched between them, so every spine tip
    // stands free; a white band runs low along it and the tips are yellow.
    constexpr int spines = 11;
    QPointF roots[spines], tips[spines], holds[spines];
    for (int i = 0; i < spines; ++i) {
        const double u = i / double(spines - 1);
        const double length = (18 + 26 * std::exp(-std::pow((u - 0.22) / 0.45, 2))) *
                              (1 + 0.07 * std::sin(i * 2.7 + 0.5));
        const double lean = 0.15 + 0.35 * u;
        const QPointF dir = QPointF(lean, -1) / std::hypot(lean, 1.0);
        roots[i] = s.at(0.29 + i * 0.048, -0.85);
        tips[i] = roots[i] + dir * length;
        // Where the membrane lets go of the spine, below its free tip.
        holds[i] = roots[i] + dir * length * (0.86 - 0.05 * std::sin(i * 1.9 + 0.3));
    }
    QPainterPath edge(holds[0]);
    for (int i = 0; i + 1 < spines; ++i) {
        const double depth = 0.66 + 0.07 * std::sin(i * 2.3 + 1.1);
        const QPointF notch = (roots[i] + roots[i + 1]) / 2.0 +
                              ((holds[i] - roots[i]) + (holds[i + 1] - roots[i + 1])) / 2.0 * depth;
        const double sag = 1.5 + std::abs(std::sin(i * 1.7));
        edge.cubicTo(holds[i] + QPointF(sag, 2.5), notch + QPointF(-2.2, -0.6), notch);
        edge.cubicTo(notch + QPointF(2.0, -0.8), holds[i + 1] + QPointF(-1.2, sag + 2),
                     holds[i + 1]);
    }
    QPainterPath membrane(s.at(0.28, -0.82));
    membrane.lineTo(holds[0]);
    membrane.connectPath(edge);
    membrane.cubicTo(holds[spines - 1] + QPointF(3, 4), s.at(0.79, -1.05), s.at(0.8, -0.85));
    membrane.closeSubpath();
    QLinearGradient reds(QPointF(0, 44), QPointF(0, 90));
    reds.setColorAt(0, QColor(222, 60, 46, 215));
    reds.setColorAt(1, QColor(180, 30, 30, 220));
    p.fillPath(membrane, reds);
    {
        const Saved c(p);
        p.setClipPath(membrane, Qt::IntersectClip);
        std::vector<QPointF> band;
        for (int i = 0; i < spines; ++i)
            band.push_back(roots[i] + (holds[i] - roots[i]) * 0.38);
        const QPainterPath white = curveThrough(band);
        for (int k = 0; k < 6; ++k)
            stroke(p, white, QColor(255, 236, 228, 22), 7.0 - k * 1.1);
        // Yellow pigment gathers at the top of each panel and thins down
        // along the notched edge.
        for (int k = 0; k < 3; ++k)
            stroke(p, edge, QColor(255, 206, 70, 48), 4.5 - k * 1.4);
        for (int i = 0; i < spines; ++i)
            paintGlow(p, holds[i] + QPointF(1, 1), 7 + 1.5 * std::abs(std::sin(i * 2.1)),
                      QColor(255, 208, 64, 245));
    }
    stroke(p, edge, QColor(140, 20, 20, 90), 0.5);
    for (int i = 0; i < spines; ++i) {
        // Each spine is a round rod: lit along its front, shaded behind, and
        // yellow towards its sharp free tip.
        const QPainterPath rod =
            curve(roots[i], (roots[i] + tips[i]) / 2 + QPointF(-0.6, 0), tips[i]);
        QLinearGradient tone(roots[i], tips[i]);
        tone.setColorAt(0, QColor(214, 120, 104, 235));
        tone.setColorAt(0.6, QColor(240, 196, 170, 235));
        tone.setColorAt(1, QColor(255, 214, 90, 240));
        p.fillPath(ribbon(rod, {1.8, 1.1, 0.25}), tone);
        stroke(p, QTransform::fromTranslate(0.55, 0.15).map(rod), QColor(120, 16, 16, 90), 0.45);
        stroke(p, QTransform::fromTranslate(-0.35, -0.05).map(rod), QColor(255, 246, 236, 150),
               0.4);
    }

    const QPainterPath body = bodyOutline(s);
    fillBody(p, body, QColor(150, 24, 24), QColor(214, 50, 40), QColor(240, 150, 140));
    {
        // Silvery stripes along the scale rows, following the body's curve
        // and closing up over the back and belly, each of its own width
        // that swells and thins along it, some broken, fading out at the
        // head and into the tail.
        const Saved c(p);
        p.setClipPath(body, Qt::IntersectClip);
        struct Stripe
        {
            double across, width, from, to, gap;
        };
        static constexpr Stripe stripes[] = {
            {-0.74, 1.6, 0.36, 0.86, 0.0}, {-0.5, 2.8, 0.3, 0.93, 0.62},
            {-0.24, 2.4, 0.33, 0.95, 0.0}, {0.02, 4.0, 0.3, 0.98, 0.0},
            {0.27, 3.3, 0.32, 0.96, 0.74}, {0.5, 2.2, 0.35, 0.9, 0.0},
            {0.72, 1.5, 0.4, 0.82, 0.58}};
        QRandomGenerator wave(4301);
        for (const Stripe &k : stripes) {
            const auto piece = [&](double from, double to) {
                std::vector<QPointF> line;
                std::vector<double> widths;
                for (int j = 0; j <= 8; ++j) {
                    const double t = from + (to - from) * j / 8.0;
                    line.push_back(s.at(t, k.across * (1.0 - 0.12 * std::pow(t - 0.6, 2.0))) +
                                   QPointF(0, wave.bounded(0.4) - 0.2));
                    const double end = std::min(j, 8 - j) / 2.0;
                    widths.push_back(k.width * std::min(1.0, 0.25 + end) *
                                     (0.85 + 0.3 * wave.generateDouble()));
                }
                QLinearGradient fade(line.front(), line.back());
                fade.setColorAt(0.0, QColor(250, 236, 236, 120));
                fade.setColorAt(0.3, QColor(250, 236, 236, 200));
                fade.setColorAt(1.0, QColor(250, 236, 236, 110));
                p.fillPath(ribbon(curveThrough(line), widths), fade);
            };
            if (k.gap > 0) {
                piece(k.from, k.gap - 0.03);
                piece(k.gap + 0.02, k.to);
            } else {
                piece(k.from, k.to);
            }
        }
    }
    paintScaleRows(p, body, s, 9, QColor(120, 10, 10, 110), 0.8);
    modelBody(p, body, s.at(1, 0).x() - 4, QColor(110, 10, 10), 1.1);
    stroke(p, curveThrough({{94, 88}, {110, 120}, {94, 150}}), QColor(110, 10, 10, 220), 1.4);
    // The cheek bone's rim, with the long sharp spine at its corner pointing
    // back over the gill cover.
    stroke(p, curveThrough({{90, 96}, {93, 118}, {93, 136}, {80, 146}}), QColor(120, 14, 14, 170),
           1.1);
    const QPainterPath cheekSpine =
        ribbon(curve({90, 136.4}, {99, 139.6}, {109, 139.4}), {3.8, 1.9, 0.2});
    p.fillPath(cheekSpine.translated(0.6, 0.9), QColor(90, 10, 10, 110));
    fillBody(p, cheekSpine, QColor(255, 236, 228), QColor(236, 190, 180), QColor(190, 120, 110));
    red(finAt(s.at(0.33, 0.92), {{0, 0}, {10, 20}, {24, 24}, {20, 4}}), 5);
    // A long fan swept back and a little up, its upper rays the longest.
    anatomy::paintGrownPectoral(
        p, {101, 116.5}, {103, 128},
        {{111, 110}, {127, 106.5}, {145, 109}, {153, 114.5}, {146, 122}, {131, 129}, {116, 133}},
        QColor(214, 56, 44, 235), QColor(240, 130, 112, 100), QColor(120, 14, 14, 130));
    {
        // A straight mouth sloping a little down and back: the upper jaw bone
        // a plate widening to below the front of the eye, full lips, and the
        // gape only a dark seam between them.
        const QPointF tip(40.5, 122.2), corner(64.5, 130.2);
        const QPainterPath maxilla = smoothClosedPath({tip + QPointF(4, -1.6),
                                                       {56, 123.4},
                                                       {66.5, 122.6},
                                                       {70.5, 125.6},
                                                       {68.5, 130.4},
                                                       corner + QPointF(-3, -0.8),
                                                       {52, 126.4}});
        QLinearGradient bone(QPointF(0, 122), QPointF(0, 131));
        bone.setColorAt(0.0, QColor(226, 92, 80, 200));
        bone.setColorAt(1.0, QColor(168, 34, 30, 200));
        p.fillPath(maxilla, bone);
        anatomy::paintPlateEdge(
            p, curveThrough({{58, 123.2}, {66.5, 122.6}, {70.5, 125.6}, {68.5, 130.4}}), {1.2, 0.6},
            QColor(214, 70, 60), QColor(110, 12, 12), 0.8);
        const QPainterPath gape = curveThrough({tip, {52, 126.6}, corner});
        p.fillPath(
            ribbon(curveThrough({tip + QPointF(0.2, -0.6), {52, 125.6}, corner + QPointF(0, -0.8)}),
                   {2.4, 2.0, 0.8}),
            QColor(236, 128, 112));
        p.fillPath(
            ribbon(curveThrough({tip + QPointF(1.6, 1.8), {52, 128.4}, corner + QPointF(-1, 0.9)}),
                   {2.6, 2.2, 0.7}),
            QColor(212, 84, 72));
        stroke(p, gape, QColor(70, 6, 8, 230), 0.9);
    }
    // The large night eye, a third of the head's depth: a broad pupil in a
    // dark red iris that catches the light, darker than the head round it.
    anatomy::paintNaturalEye(p, {77, 106.5}, 13.2, QColor(150, 30, 30), 0.5);
}

} // namespace fishart
