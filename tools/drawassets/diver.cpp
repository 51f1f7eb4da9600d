// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "backdrop.h"

#include "fishkit.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

// The far-off diver that gives the very large fish their size.
namespace backdrop {

namespace {

// A limb or piece of kit lit from the surface: pale on top, in shade below.
QBrush litFrom(const QPainterPath &path, QColor colour)
{
    const QRectF box = path.boundingRect();
    QLinearGradient lit(box.topLeft(), box.bottomLeft());
    lit.setColorAt(0.0, colour.lighter(150));
    lit.setColorAt(0.4, colour);
    lit.setColorAt(1.0, colour.darker(170));
    return lit;
}

void fillLit(QPainter &p, const QPainterPath &path, QColor colour)
{
    p.fillPath(path, litFrom(path, colour));
}

// A fin on the foot at `ankle`, running on along `d` and flexing towards `n`
// with the kick: a blade widening to a square tip, with stiff rails.
void paintDiveFin(QPainter &p, QPointF ankle, QPointF d, QPointF n, double flex, QColor blade,
                  QColor rail)
{
    const QPainterPath spine =
        curve(ankle, ankle + d * 10 + n * flex, ankle + d * 20 + n * flex * 2.6);
    fillLit(p, fishkit::ribbon(spine, {3.6, 4.6, 5.6, 6.0}), blade);
    for (const double side : {-1.0, 1.0}) {
        const QPointF off = n * side * 2.4;
        stroke(p,
               curve(ankle + off * 0.8, ankle + d * 10 + n * flex + off * 1.1,
                     ankle + d * 19.6 + n * flex * 2.5 + off * 1.2),
               rail, 0.8);
    }
}

// A diver swimming to the left, head at the origin and about 66 long, in his
// own colours: a dark wetsuit, black fins in a slow flutter kick, the arms
// folded under the chest, a jacket with its tank and weight belt, the hooded
// head turned forward with mask and regulator, and a few bubbles of the last
// breath rising.
void paintDiverFigure(QPainter &p)
{
    const QColor suit(38, 44, 56), suitFar = suit.darker(140), fin(26, 28, 34), rail(120, 160, 190),
                                   jacket(44, 62, 96), trim(70, 120, 170), tank(178, 182, 180),
                                   metal(120, 124, 126), belt(18, 18, 20), glint(200, 230, 250);
    // The far leg and arm first, in shadow behind the body.
    fillLit(p,
            fishkit::ribbon(fishkit::curveThrough({{24, -1.2}, {34, -3.4}, {44.5, -4.8}}),
                            {5.0, 3.8, 2.8, 2.2}),
            suitFar);
    paintDiveFin(p, {44, -4.7}, {0.98, -0.2}, {0.2, 0.98}, -1.0, fin.darker(130),
                 withAlpha(rail, 70));
    fillLit(
        p, fishkit::ribbon(fishkit::curveThrough({{9, 0}, {14, 4.6}, {8.5, 7.2}}), {2.6, 2.2, 1.6}),
        suitFar);
    // The torso in its jacket: shoulders over the chest, the back dipping to
    // the waist and rising over the seat.
    const QPainterPath torso = smoothClosedPath({{2.6, -3.2},
                                                 {7, -4.6},
                                                 {16, -4.4},
                                                 {22, -2.8},
                                                 {27.6, -2.6},
                                                 {28.4, 1.4},
                                                 {21, 3.6},
                                                 {12, 4.8},
                                                 {4, 3.8}});
    fillLit(p, torso, suit);
    {
        const fishkit::Saved s(p);
        p.setClipPath(torso, Qt::IntersectClip);
        const QPainterPath vest = smoothClosedPath(
            {{3.0, -3.6}, {9, -5}, {18, -4.6}, {18.6, 1}, {17.4, 4.6}, {10, 5.2}, {4.4, 3.6}});
        fillLit(p, vest, jacket);
        stroke(p, curve({4.4, 3.0}, {11, 4.6}, {17.6, 3.8}), withAlpha(trim, 200), 0.8);
        stroke(p, curve({9, -4.4}, {10, 0}, {9.4, 4.6}), withAlpha(jacket.darker(170), 200), 0.6);
        stroke(p, curve({19.5, -4}, {20.6, 0}, {19.5, 4.4}), belt, 1.5);
        p.fillRect(QRectF(19.3, 0.8, 1.5, 1.7), metal.lighter(150));
        for (const double x : {17.2, 21.8})
            p.fillRect(QRectF(x, 1.0, 1.6, 2.6), litFrom(torso, metal.darker(160)));
    }
    // The near leg, knee bent on the down-stroke.
    const QPainterPath leg = fishkit::ribbon(
        fishkit::curveThrough({{25, 0.4}, {36, 2.8}, {46.5, 1.2}}), {5.4, 4.2, 3.0, 2.2});
    fillLit(p, leg, suit);
    stroke(p, fishkit::curveThrough({{26, -2}, {35, 0.4}, {45, -0.6}}),
           withAlpha(suit.lighter(200), 90), 0.5);
    paintDiveFin(p, {46, 1.2}, {0.99, -0.12}, {0.12, 0.99}, 1.4, fin, withAlpha(rail, 120));
    // The tank on the back, a lit cylinder with its strap, the valve towards
    // the head and the hose over the shoulder to the mouth.
    {
        const fishkit::Saved s(p);
        p.translate(14, -7.4);
        p.rotate(4);
        QLinearGradient round(QPointF(0, -2.9), QPointF(0, 2.9));
        round.setColorAt(0.0, tank.lighter(125));
        round.setColorAt(0.25, tank);
        round.setColorAt(1.0, tank.darker(210));
        p.setPen(Qt::NoPen);
        p.setBrush(round);
        p.drawRoundedRect(QRectF(-9.5, -2.9, 19, 5.8), 2.9, 2.9);
        p.fillRect(QRectF(0.5, -3.0, 1.2, 6.0), jacket.darker(150));
        p.fillRect(QRectF(-6.0, -3.0, 1.0, 6.0), jacket.darker(150));
        p.setBrush(metal);
        p.drawRoundedRect(QRectF(-12, -1.6, 2.8, 2.8), 0.6, 0.6);
        p.fillRect(QRectF(-12.6, -2.2, 1.2, 1.0), metal.darker(150));
    }
    stroke(p, curve({2.6, -7.0}, {-2.4, -7.4}, {-3.4, 1.2}), belt, 0.7);
    // The near arm folded under the chest, the hand relaxed, a gauge on its hose.
    fillLit(p,
            fishkit::ribbon(fishkit::curveThrough({{7, 0.4}, {12.8, 5.2}, {6.4, 7.6}}),
                            {3.0, 2.5, 1.9}),
            suit);
    p.fillPath(smoothClosedPath({{6.8, 6.6}, {4.2, 6.8}, {3.4, 8.0}, {4.6, 8.8}, {6.8, 8.6}}),
               suit.lighter(115));
    stroke(p, curve({16, 3.8}, {14, 7.8}, {11.6, 7.4}), belt, 0.5);
    p.setPen(QPen(belt, 0.3));
    p.setBrush(QColor(210, 214, 206));
    p.drawEllipse(QPointF(11.2, 7.4), 0.9, 0.9);
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
        QRadialGradient hood(QPointF(-0.5, -2.8), 6.0);
        hood.setColorAt(0.0, suit.lighter(170));
        hood.setColorAt(0.5, suit);
        hood.setColorAt(1.0, suit.darker(160));
        p.fillPath(head, hood);
        stroke(p, curve({-2.6, -2.4}, {1, -2.8}, {4.2, -1.2}), fin, 0.7);
        const QPainterPath mask =
            smoothClosedPath({{-2.0, -3.4}, {-5.0, -2.9}, {-5.6, -0.7}, {-2.2, -0.3}});
        p.fillPath(mask, fin);
        QLinearGradient glass(QPointF(-4, -3), QPointF(-3, -0.8));
        glass.setColorAt(0.0, withAlpha(glint, 220));
        glass.setColorAt(1.0, QColor(60, 90, 110, 220));
        p.fillPath(smoothClosedPath({{-2.5, -3.0}, {-4.7, -2.6}, {-5.1, -1.0}, {-2.6, -0.7}}),
                   glass);
        stroke(p, curve({-4.4, -2.6}, {-4.6, -2.0}, {-4.5, -1.4}), QColor(255, 255, 255), 0.35);
        // The face skin between mask and regulator.
        p.fillPath(smoothClosedPath({{-2.4, -0.4}, {-4.6, -0.6}, {-4.6, 0.6}, {-2.6, 0.8}}),
                   QColor(170, 130, 110));
        p.setPen(Qt::NoPen);
        QRadialGradient reg(QPointF(-4.8, 1.2), 1.4);
        reg.setColorAt(0.0, QColor(90, 94, 100));
        reg.setColorAt(1.0, fin);
        p.setBrush(reg);
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
        paintDiverFigure(d);
        // The water between takes his colours towards its own blue and
        // flattens his light and shade, the more the farther off he is.
        d.resetTransform();
        d.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        d.fillRect(layer.rect(), colour);
    }
    p.save();
    p.resetTransform();
    p.drawImage(area.topLeft(), layer);
    p.restore();
}

} // namespace backdrop
