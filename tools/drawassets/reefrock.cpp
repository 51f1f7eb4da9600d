// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reefrock.h"

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
#include <numeric>
#include <vector>

namespace fishart::reefrock {

using namespace fishkit;

namespace {

constexpr double pi = std::numbers::pi;

// A rough outline about `r` across round `c`, squashed by `flat`.
QPainterPath roughBlob(QRandomGenerator &rng, QPointF c, double r, double flat)
{
    QPointF rim[9];
    for (int k = 0; k < 9; ++k) {
        const double a = k * 2 * std::numbers::pi / 9 + 0.3 * rng.generateDouble(),
                     reach = r * (0.7 + 0.4 * rng.generateDouble());
        rim[k] = c + QPointF(std::cos(a) * reach, std::sin(a) * reach * flat);
    }
    return smoothClosedPath(rim, 9);
}

// The stone darkens into a crevice over a band rather than at a rim.
void darkenRim(QPainter &p, const QPainterPath &opening)
{
    for (int i = 10; i >= 1; --i)
        stroke(p, opening, QColor(10, 8, 6, 14), i * 2.6);
}

} // namespace

QPainterPath lumpyOutline(std::initializer_list<QPointF> points, quint32 seed)
{
    QRandomGenerator rng(seed);
    const std::vector<QPointF> corners(points);
    std::vector<QPointF> rim;
    const QPointF middle =
        std::accumulate(corners.begin(), corners.end(), QPointF()) / double(corners.size());
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const QPointF a = corners[i], b = corners[(i + 1) % corners.size()];
        rim.push_back(a);
        // The sides along the frame's edges stay straight.
        if (std::min(a.y(), b.y()) > 240 || std::min(a.x(), b.x()) > 320)
            continue;
        const int steps = std::max(2, int(QLineF(a, b).length() / 8));
        for (int k = 1; k < steps; ++k) {
            const QPointF on = a + (b - a) * (double(k) / steps), out = on - middle;
            // Mostly small knobs and dents, now and then a block standing out.
            double bump = (rng.generateDouble() - 0.45) * 6.0;
            if (rng.bounded(3) == 0)
                bump += 4 + 6 * rng.generateDouble();
            rim.push_back(on + out / std::hypot(out.x(), out.y()) * bump);
        }
    }
    return smoothClosedPath(rim.data(), int(rim.size()));
}

void paintBoulder(QPainter &p, const QPainterPath &boulder, quint32 seed)
{
    if (Silhouette::active(p))
        return;
    const QRectF box = boulder.boundingRect();
    QLinearGradient stone(box.topLeft(), box.bottomLeft());
    stone.setColorAt(0, QColor(124, 118, 98));
    stone.setColorAt(0.5, QColor(90, 84, 72));
    stone.setColorAt(1, QColor(48, 46, 44));
    p.fillPath(boulder, stone);
    const Saved s(p);
    p.setClipPath(boulder, Qt::IntersectClip);
    QRandomGenerator rng(seed);
    std::vector<QPointF> sites = spreadPoints(boulder, 24, 12, seed);
    std::sort(sites.begin(), sites.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    for (const QPointF &c : sites) {
        const double r = 8 + 16 * std::pow(rng.generateDouble(), 1.5);
        const QPainterPath block = roughBlob(rng, c, r, 0.55);
        const double down = std::clamp((c.y() - box.top()) / box.height(), 0.0, 1.0);
        QLinearGradient face(c - QPointF(0, r * 0.55), c + QPointF(0, r * 0.55));
        face.setColorAt(0, withAlpha(blend(QColor(150, 142, 118), QColor(84, 78, 68), down), 220));
        face.setColorAt(0.45,
                        withAlpha(blend(QColor(112, 104, 88), QColor(66, 62, 56), down), 200));
        face.setColorAt(1, withAlpha(blend(QColor(70, 64, 56), QColor(40, 38, 36), down), 160));
        p.fillPath(block, face);
        anatomy::paintShadedEdge(p, block, QColor(24, 20, 18, 70), r * 0.1);
    }
    // Turf algae stains the stone olive, coralline crust pinkish, in patches.
    anatomy::paintMottle(p, boulder, 9, QColor(70, 80, 36, 70), QColor(176, 140, 144, 50),
                         seed + 1);
    // Boring sponges and worms have pitted it: small dark holes, the lip
    // below each catching the light.
    p.setPen(Qt::NoPen);
    for (const QPointF &c :
         scatterPoints(boulder, int(box.width() * box.height() / 700), seed + 2)) {
        const double r = 0.8 + 1.4 * rng.generateDouble();
        paintDisc(p, c + QPointF(0, r * 0.45), r * 1.1, r * 0.7, QColor(176, 164, 136, 70));
        paintDisc(p, c, r, r * 0.6, QColor(22, 18, 16, 190));
    }
    anatomy::paintEncrusting(p, boulder, 4.5, seed * 10);
    // Light from the surface: the upper faces bright, the foot in shade.
    {
        const Saved light(p);
        p.setCompositionMode(QPainter::CompositionMode_SoftLight);
        QLinearGradient sun(box.topLeft(), box.bottomLeft());
        sun.setColorAt(0, QColor(255, 250, 235, 170));
        sun.setColorAt(0.5, QColor(128, 128, 128, 0));
        sun.setColorAt(1, QColor(0, 0, 0, 190));
        p.fillRect(box, sun);
    }
    shadeBody(p, boulder, QColor(40, 36, 30), 0.6);
}

void paintCoralKnobs(QPainter &p, std::initializer_list<std::tuple<QPointF, double, QColor>> heads,
                     quint32 seed)
{
    if (Silhouette::active(p))
        return;
    QRandomGenerator rng(seed);
    for (const auto &[base, r, colour] : heads) {
        std::vector<QPointF> rim;
        for (int k = 0; k <= 10; ++k) {
            const double a = std::numbers::pi * (1 + k / 10.0),
                         wobble = 0.94 + 0.1 * rng.generateDouble();
            rim.emplace_back(base + QPointF(std::cos(a) * r, std::sin(a) * r * 0.62) * wobble);
        }
        rim.emplace_back(base + QPointF(r * 0.7, r * 0.16));
        rim.emplace_back(base + QPointF(-r * 0.7, r * 0.16));
        const QPainterPath dome = smoothClosedPath(rim.data(), int(rim.size()));
        anatomy::paintSoftShadow(p, dome, QPointF(r * 0.12, r * 0.1), 70);
        QRadialGradient lit(base - QPointF(r * 0.3, r * 0.55), r * 1.3);
        lit.setColorAt(0, colour.lighter(135));
        lit.setColorAt(0.5, colour);
        lit.setColorAt(1, colour.darker(210));
        p.fillPath(dome, lit);
        if (rng.bounded(2) == 0)
            anatomy::paintBrainGrooves(p, dome, std::max(1.6, r * 0.2), colour, rng.generate());
        else
            anatomy::paintStarCups(p, dome, std::max(1.6, r * 0.18), colour, rng.generate());
        anatomy::paintShadedEdge(p, dome, withAlpha(colour.darker(260), 150), r * 0.1);
    }
}

void paintCrevice(QPainter &p, const QPainterPath &opening)
{
    if (Silhouette::active(p))
        return;
    const QRectF r = opening.boundingRect();
    darkenRim(p, opening);
    QRadialGradient dark(r.center() + QPointF(r.width() * 0.05, r.height() * 0.05),
                         r.width() * 0.62);
    dark.setColorAt(0, QColor(4, 5, 6));
    dark.setColorAt(0.55, QColor(12, 12, 12));
    dark.setColorAt(0.85, QColor(40, 34, 28));
    dark.setColorAt(1, QColor(70, 62, 50));
    p.fillPath(opening, dark);
    const Saved s(p);
    p.setClipPath(opening, Qt::IntersectClip);
    // The walls are uneven: lumps of stone half lit at the mouth of the hole
    // give way to soft shadow, with no edge between them.
    QRandomGenerator rng(quint32(r.left() * 7 + r.top()));
    for (int i = 0; i < 14; ++i) {
        const double a = i * 2 * std::numbers::pi / 14 + rng.generateDouble() * 0.3;
        const QPointF at =
            r.center() + QPointF(std::cos(a) * r.width() * 0.46, std::sin(a) * r.height() * 0.44);
        const double size = r.height() * (0.12 + rng.generateDouble() * 0.12);
        paintGlow(p, at, size, QColor(96, 84, 66, 40 + int(rng.generateDouble() * 50)));
    }
    // The overhanging brow of the rock shades the top of the hole deepest.
    QLinearGradient brow(r.topLeft(), QPointF(r.left(), r.center().y()));
    brow.setColorAt(0, QColor(0, 0, 0, 200));
    brow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(r, brow);
    p.scale(1.0, 0.4);
    paintGlow(p, QPointF(r.center().x(), r.bottom() / 0.4), r.width() * 0.45,
              QColor(96, 84, 68, 110));
}

void paintBrow(QPainter &p, const QPainterPath &opening, const QPainterPath &ledge)
{
    if (Silhouette::active(p))
        return;
    const Saved s(p);
    p.setClipPath(opening, Qt::IntersectClip);
    for (int i = 1; i <= 5; ++i)
        stroke(p, ledge.translated(0, 1.6 * i), QColor(0, 0, 0, 34), 3.0 * i);
}

void paintLip(QPainter &p, const QPainterPath &boulder, quint32 seed, const QPainterPath &opening,
              const QPainterPath &lip, QPointF away)
{
    if (Silhouette::active(p))
        return;
    QPainterPath beyond(lip);
    beyond.lineTo(lip.currentPosition() + away);
    beyond.lineTo(lip.pointAtPercent(0) + away);
    beyond.closeSubpath();
    const QPointF step = away / QLineF(QPointF(), away).length();
    const Saved s(p);
    p.setClipPath(opening, Qt::IntersectClip);
    for (int i = 1; i <= 4; ++i)
        stroke(p, lip.translated(step * -1.5 * i), QColor(0, 0, 0, 40), 2.5 * i);
    p.setClipPath(beyond.intersected(boulder).intersected(opening));
    paintBoulder(p, boulder, seed);
    darkenRim(p, opening);
}

} // namespace fishart::reefrock
