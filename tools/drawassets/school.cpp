// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backdrop.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <vector>

// Small fish every diver knows at their true size, schooling some way off
// beside a very large fish: they give its size as the reef itself would,
// where a drawn diver only looked pasted into the picture.
namespace backdrop {

namespace {

struct Member
{
    QPointF at;
    double distance = 0; // 0 nearest, 1 farthest
    double angle = 0;
    double size = 1;
    double flex = 0; // how far the tail is bent out of line, in body lengths
    double deep = 1; // each fish a little deeper or slimmer than the next
};

// The members of a school of `count` in `region`, the farther ones smaller
// and higher, all holding one heading give or take a little.
std::vector<Member> gather(const QRectF &region, int count, double heading, quint32 seed)
{
    QRandomGenerator rng(seed);
    auto pick = [&rng](double lo, double hi) { return lo + (hi - lo) * rng.generateDouble(); };
    std::vector<Member> school;
    for (int i = 0; i < count; ++i) {
        Member m;
        m.distance = pick(0, 1);
        // A school is loose at its edges and close in its heart.
        const double u = pick(-1, 1), v = pick(-1, 1);
        m.at = region.center() + QPointF(region.width() * 0.5 * u * std::sqrt(std::abs(u)),
                                         region.height() * 0.5 * v * std::sqrt(std::abs(v)) -
                                             region.height() * 0.15 * m.distance);
        m.angle = heading + pick(-9, 9);
        m.size = (1.0 - 0.35 * m.distance) * pick(0.88, 1.1);
        m.flex = pick(-0.06, 0.06);
        // Some turn a little towards or away from us, and look shorter.
        m.deep = pick(0.88, 1.12);
        school.push_back(m);
    }
    // Paint the far ones first, so the near ones swim in front.
    std::sort(school.begin(), school.end(),
              [](const Member &a, const Member &b) { return a.distance > b.distance; });
    return school;
}

// A grunt one unit long seen from the side, nose at the origin, swimming
// towards -x: a moderately deep oblong body, a sloping head and a forked tail
// bent by `flex`.
QPainterPath gruntSide(double flex)
{
    return smoothClosedPath({{0, 0.01},
                             {0.05, -0.07},
                             {0.16, -0.135},
                             {0.34, -0.17},
                             {0.58, -0.14},
                             {0.76, -0.065},
                             {0.84, -0.05 + flex * 0.5},
                             {1.0, -0.15 + flex},
                             {0.93, 0.0 + flex},
                             {1.0, 0.14 + flex},
                             {0.84, 0.045 + flex * 0.5},
                             {0.7, 0.09},
                             {0.56, 0.13},
                             {0.34, 0.14},
                             {0.14, 0.1},
                             {0.04, 0.05}});
}

// A jack one unit long seen from above, nose at the origin, swimming towards
// -x: a spindle, broad behind the head, a thin stalk and a wide forked tail.
QPainterPath jackAbove(double flex)
{
    return smoothClosedPath({{0, 0},
                             {0.05, -0.07},
                             {0.18, -0.115},
                             {0.25, -0.17},
                             {0.3, -0.11},
                             {0.5, -0.095},
                             {0.78, -0.03 + flex * 0.5},
                             {1.0, -0.19 + flex},
                             {0.9, flex},
                             {1.0, 0.19 + flex},
                             {0.78, 0.03 + flex * 0.5},
                             {0.5, 0.095},
                             {0.3, 0.11},
                             {0.25, 0.17},
                             {0.18, 0.115},
                             {0.05, 0.07}});
}

QTransform placed(const Member &m, double length)
{
    QTransform t;
    t.translate(m.at.x(), m.at.y());
    t.rotate(m.angle);
    t.scale(length * m.size / std::sqrt(m.deep), length * m.size * m.deep);
    t.translate(-0.5, 0);
    return t;
}

} // namespace

void paintGruntSchool(QPainter &p, const QRectF &region, double length, int count, quint32 seed)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (const Member &m : gather(region, count, 0, seed)) {
        const QTransform t = placed(m, length);
        const QPainterPath body = t.map(gruntSide(m.flex));
        const QRectF box = body.boundingRect();
        // The water between takes the fish towards its own colour, the
        // farther ones the more, stripes and all.
        const QColor water = waterBehind(p, m.at);
        const double fog = 0.45 + 0.4 * m.distance;
        // The spiny and soft dorsal as one low fin along the back, and the
        // anal fin under the rear, thin enough for the water to show through.
        const QColor fin = withAlpha(blend(QColor(120, 118, 96), water, fog), 150);
        p.fillPath(t.map(smoothClosedPath({{0.2, -0.13},
                                           {0.27, -0.225},
                                           {0.42, -0.22},
                                           {0.56, -0.2},
                                           {0.66, -0.15},
                                           {0.74, -0.08},
                                           {0.5, -0.12}})),
                   fin);
        p.fillPath(t.map(smoothClosedPath(
                       {{0.56, 0.1}, {0.62, 0.17}, {0.7, 0.15}, {0.75, 0.07}, {0.66, 0.08}})),
                   fin);
        QLinearGradient lit(box.topLeft(), box.bottomLeft());
        lit.setColorAt(0.0, blend(QColor(70, 84, 96), water, fog));
        lit.setColorAt(0.45, blend(QColor(150, 150, 120), water, fog));
        lit.setColorAt(1.0, blend(QColor(206, 206, 190), water, fog));
        p.strokePath(body, QPen(withAlpha(blend(QColor(150, 150, 120), water, fog), 50),
                                0.6 + 1.2 * m.distance));
        p.fillPath(body, lit);
        p.save();
        p.setClipPath(body);
        // French grunts: yellow stripes, nearly level behind and sloping
        // down towards the head.
        const QColor stripe = withAlpha(blend(QColor(236, 196, 70), water, fog), 200);
        for (int k = 0; k < 4; ++k) {
            const double y = -0.09 + 0.055 * k;
            stroke(p,
                   t.map(curve({0.06, y + 0.05}, {0.4, y - 0.01}, {0.86, y * 0.4 + m.flex * 0.5})),
                   stripe, std::max(0.4, length * m.size * 0.022));
        }
        p.restore();
        const QPointF eye = t.map(QPointF(0.1, -0.035));
        const double r = std::max(0.5, length * m.size * 0.03);
        p.setBrush(blend(QColor(30, 30, 30), water, fog * 0.8));
        p.drawEllipse(eye, r, r);
    }
    p.restore();
}

void paintJacksFromAbove(QPainter &p, const QRectF &region, double length, int count,
                         double heading, quint32 seed)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (const Member &m : gather(region, count, heading, seed)) {
        const QTransform t = placed(m, length);
        const QPainterPath body = t.map(jackAbove(m.flex));
        // Seen from above a jack is its dark back with a rim of silver
        // flank on either side, all of it far down and hazed by the water.
        const QColor water = waterBehind(p, m.at);
        const double fog = 0.55 + 0.3 * m.distance;
        p.fillPath(body, blend(QColor(150, 170, 176), water, fog));
        // The light from above catches the flank on the sun's side only.
        const QPainterPath back = t.map(smoothClosedPath(
            {{0.03, 0.01}, {0.2, -0.05}, {0.55, -0.05}, {0.86, 0}, {0.55, 0.07}, {0.2, 0.08}}));
        p.fillPath(back, blend(QColor(40, 56, 70), water, fog));
    }
    p.restore();
}

} // namespace backdrop
