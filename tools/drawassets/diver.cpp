// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backdrop.h"

#include "fishkit.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

// The far-off diver that gives the very large fish their size.
namespace backdrop {

namespace {

// A fin on the foot at `ankle`, running on along `d` and flexing towards `n`
// with the kick: a blade widening to a square tip, with stiff rails.
void paintDiveFin(QPainter &p, QPointF ankle, QPointF d, QPointF n, double flex, QColor blade,
                  QColor rail)
{
    const QPainterPath spine =
        curve(ankle, ankle + d * 10 + n * flex, ankle + d * 20 + n * flex * 2.6);
    p.fillPath(fishkit::ribbon(spine, {3.6, 4.6, 5.6, 6.0}), blade);
    for (const double side : {-1.0, 1.0}) {
        const QPointF off = n * side * 2.4;
        stroke(p,
               curve(ankle + off * 0.8, ankle + d * 10 + n * flex + off * 1.1,
                     ankle + d * 19.6 + n * flex * 2.5 + off * 1.2),
               rail, 0.8);
    }
}

// A diver swimming to the left, head at the origin and about 66 long, in
// shades of one opaque `colour`: fins and legs in a slow flutter kick, the
// arms folded under the chest, a jacket with its tank and weight belt, the
// hooded head turned forward with mask and regulator, and a few bubbles of
// the last breath rising.
void paintDiverFigure(QPainter &p, QColor colour)
{
    const QColor shade = colour.darker(135), light = colour.lighter(130);
    const QColor deep = colour.darker(170), glint(200, 230, 250);
    // The far leg and arm first, in shadow behind the body.
    p.fillPath(fishkit::ribbon(fishkit::curveThrough({{24, -1.2}, {34, -3.4}, {44.5, -4.8}}),
                               {5.0, 3.8, 2.8, 2.2}),
               shade);
    paintDiveFin(p, {44, -4.7}, {0.98, -0.2}, {0.2, 0.98}, -1.0, deep, withAlpha(light, 90));
    p.fillPath(
        fishkit::ribbon(fishkit::curveThrough({{9, 0}, {14, 4.6}, {8.5, 7.2}}), {2.6, 2.2, 1.6}),
        shade);
    // The torso: shoulders over the chest, the back dipping to the waist and
    // rising over the seat, lit from above.
    const QPainterPath torso = smoothClosedPath({{2.6, -3.2},
                                                 {7, -4.6},
                                                 {16, -4.4},
                                                 {22, -2.8},
                                                 {27.6, -2.6},
                                                 {28.4, 1.4},
                                                 {21, 3.6},
                                                 {12, 4.8},
                                                 {4, 3.8}});
    {
        QLinearGradient lit(QPointF(0, -5), QPointF(0, 5));
        lit.setColorAt(0.0, light);
        lit.setColorAt(0.45, colour);
        lit.setColorAt(1.0, shade);
        p.fillPath(torso, lit);
        const fishkit::Saved s(p);
        p.setClipPath(torso, Qt::IntersectClip);
        stroke(p, curve({19.5, -4}, {20.6, 0}, {19.5, 4.4}), deep, 1.5);
        p.fillRect(QRectF(19.3, 0.8, 1.5, 1.7), light);
        stroke(p, curve({4, 3.6}, {12, 5.2}, {21, 3.4}), withAlpha(deep, 120), 1.0);
    }
    // The near leg, knee bent on the down-stroke.
    p.fillPath(fishkit::ribbon(fishkit::curveThrough({{25, 0.4}, {36, 2.8}, {46.5, 1.2}}),
                               {5.4, 4.2, 3.0, 2.2}),
               colour);
    stroke(p, fishkit::curveThrough({{27, 2.6}, {36, 4.6}, {46, 2.4}}), withAlpha(shade, 150), 1.0);
    paintDiveFin(p, {46, 1.2}, {0.99, -0.12}, {0.12, 0.99}, 1.4, shade, withAlpha(light, 130));
    // The tank on the back, a lit cylinder with its strap, the valve towards
    // the head and the hose over the shoulder to the mouth.
    {
        const fishkit::Saved s(p);
        p.translate(14, -7.4);
        p.rotate(4);
        QLinearGradient round(QPointF(0, -2.9), QPointF(0, 2.9));
        round.setColorAt(0.0, light);
        round.setColorAt(0.4, colour.lighter(112));
        round.setColorAt(1.0, shade);
        p.setPen(Qt::NoPen);
        p.setBrush(round);
        p.drawRoundedRect(QRectF(-9.5, -2.9, 19, 5.8), 2.9, 2.9);
        p.fillRect(QRectF(0.5, -3.0, 1.2, 6.0), deep);
        p.setBrush(shade);
        p.drawRoundedRect(QRectF(-12, -1.6, 2.8, 2.8), 0.6, 0.6);
    }
    stroke(p, curve({2.6, -7.0}, {-2.4, -7.4}, {-3.4, 1.2}), deep, 0.7);
    // The near arm folded under the chest, the hand relaxed.
    p.fillPath(fishkit::ribbon(fishkit::curveThrough({{7, 0.4}, {12.8, 5.2}, {6.4, 7.6}}),
                               {3.0, 2.5, 1.9}),
               colour);
    p.fillPath(smoothClosedPath({{6.8, 6.6}, {4.2, 6.8}, {3.4, 8.0}, {4.6, 8.8}, {6.8, 8.6}}),
               colour);
    // The hooded head, a little longer than high, turned forward; the mask's
    // glass catching the light, its strap round the hood, the regulator.
    {
        const QPainterPath head = smoothClosedPath({{4.4, -1.4},
                                                    {1.6, -4.2},
                                                    {-2.2, -3.9},
                                                    {-4.6, -1.2},
                                                    {-4.0, 2.0},
                                                    {-1.0, 3.6},
                                                    {3.6, 2.8}});
        QRadialGradient hood(QPointF(-0.5, -2.4), 6.0);
        hood.setColorAt(0.0, colour.lighter(118));
        hood.setColorAt(1.0, shade);
        p.fillPath(head, hood);
        stroke(p, curve({-2.6, -2.4}, {1, -2.8}, {4.2, -1.2}), deep, 0.7);
        const QPainterPath mask =
            smoothClosedPath({{-2.0, -3.4}, {-5.0, -2.9}, {-5.6, -0.7}, {-2.2, -0.3}});
        p.fillPath(mask, deep);
        p.fillPath(smoothClosedPath({{-2.5, -3.0}, {-4.7, -2.6}, {-5.1, -1.0}, {-2.6, -0.7}}),
                   withAlpha(glint, 200));
        stroke(p, curve({-4.4, -2.6}, {-4.6, -2.0}, {-4.5, -1.4}), QColor(255, 255, 255), 0.35);
        p.setPen(Qt::NoPen);
        p.setBrush(deep);
        p.drawEllipse(QPointF(-4.4, 1.6), 1.2, 1.1);
    }
    // The bubbles of the last breath, in a loose wobbling trail, growing as
    // they rise.
    static constexpr double drift[] = {0.0, 1.6, -1.0, 0.8, 2.2, -0.4, 1.2};
    static constexpr double size[] = {0.5, 0.9, 0.6, 1.3, 0.8, 1.6, 1.1};
    for (int i = 0; i < 7; ++i) {
        const double r = size[i];
        const QPointF at(-5.6 + drift[i] - i * 0.5, -2.4 - i * 3.2 - i * i * 0.12);
        p.setPen(QPen(withAlpha(glint, 220), 0.35));
        p.setBrush(withAlpha(glint, 70));
        p.drawEllipse(at, r, r * 0.9);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(QColor(255, 255, 255), 200));
        p.drawEllipse(at + QPointF(-r * 0.35, -r * 0.35), r * 0.25, r * 0.22);
    }
}

} // namespace

void paintDiver(QPainter &p, QPointF head, double length, QColor colour)
{
    // Painted solid on a layer, then laid in at the haze's strength, so the
    // overlapping limbs do not show through each other.
    const QRectF local(-18, -36, 92, 52);
    QTransform place = p.transform();
    place.translate(head.x(), head.y());
    place.scale(length / 66.0, length / 66.0);
    place.rotate(-6);
    const QRect area = place.mapRect(local).toAlignedRect();
    QImage layer(area.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter d(&layer);
        d.setRenderHint(QPainter::Antialiasing);
        d.setTransform(place * QTransform::fromTranslate(-area.left(), -area.top()));
        paintDiverFigure(d, QColor(colour.red(), colour.green(), colour.blue()));
    }
    p.save();
    p.resetTransform();
    p.setOpacity(p.opacity() * colour.alphaF());
    p.drawImage(area.topLeft(), layer);
    p.restore();
}

} // namespace backdrop
