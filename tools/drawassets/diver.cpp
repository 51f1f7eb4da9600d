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

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <tuple>
#include <vector>

// The far-off diver that gives the very large fish their size.
namespace backdrop {

namespace {

// A limb or piece of kit lit from the surface: pale on top, in shade below.
QBrush litFrom(const QPainterPath &path, QColor colour)
{
    const QRectF box = path.boundingRect();
    // Round like a limb: the brightest band just below the top edge, the
    // core of the shadow low down and a little light thrown back from below.
    QLinearGradient lit(box.topLeft(), box.bottomLeft());
    lit.setColorAt(0.0, colour.lighter(125));
    lit.setColorAt(0.2, colour.lighter(155));
    lit.setColorAt(0.45, colour);
    lit.setColorAt(0.8, colour.darker(185));
    lit.setColorAt(1.0, colour.darker(140));
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

// The tank, a metal cylinder lying in `body`, lit along its crest `crest`
// of the way down from its top edge, bound by the jacket's straps at `straps`.
void paintTank(QPainter &p, const QRectF &body, double crest, QColor tank, QColor strap,
               std::initializer_list<double> straps)
{
    QLinearGradient round(QPointF(0, body.top()), QPointF(0, body.bottom()));
    if (crest > 0)
        round.setColorAt(0.0, tank.darker(150));
    round.setColorAt(crest, tank.lighter(128));
    round.setColorAt(crest + 0.25, tank);
    round.setColorAt(1.0, tank.darker(215));
    p.setPen(Qt::NoPen);
    p.setBrush(round);
    const double r = body.height() / 2;
    p.drawRoundedRect(body, r, r);
    for (const double x : straps)
        p.fillRect(QRectF(x, body.top() - 0.1, 1.1, body.height() + 0.2), strap);
}

// The hooded head through `outline`, rounded by the light falling on `crown`.
void paintHood(QPainter &p, const QPainterPath &outline, QPointF crown, double radius, QColor suit)
{
    QRadialGradient hood(crown, radius);
    hood.setColorAt(0.0, suit.lighter(170));
    hood.setColorAt(0.55, suit);
    hood.setColorAt(1.0, suit.darker(160));
    p.fillPath(outline, hood);
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
    // The neoprene creases behind the bent knee and under the seat.
    for (const auto &[from, via, to] :
         {std::tuple{QPointF(34.2, 4.2), QPointF(35.6, 3.2), QPointF(37.4, 3.6)},
          std::tuple{QPointF(35.0, 5.0), QPointF(36.6, 4.2), QPointF(38.2, 4.6)},
          std::tuple{QPointF(24.6, 3.4), QPointF(27.4, 2.2), QPointF(30.0, 3.0)}})
        stroke(p, curve(from, via, to), withAlpha(suit.darker(200), 170), 0.45);
    // The tank on the back, a lit cylinder with its strap, the valve towards
    // the head and the hose over the shoulder to the mouth; it shades the
    // jacket under it.
    {
        const fishkit::Saved s(p);
        p.setClipPath(torso, Qt::IntersectClip);
        for (int i = 1; i <= 3; ++i)
            stroke(p, curve({5, -3.8}, {14, -3.4}, {23, -2.4}), QColor(0, 0, 10, 40), i * 1.2);
    }
    {
        const fishkit::Saved s(p);
        p.translate(14, -7.4);
        p.rotate(4);
        paintTank(p, QRectF(-9.5, -2.9, 19, 5.8), 0.0, tank, jacket.darker(150), {-6.0, 0.5});
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
        paintHood(p,
                  smoothClosedPath({{4.4, -1.4},
                                    {1.6, -4.2},
                                    {-2.2, -3.9},
                                    {-4.6, -1.2},
                                    {-4.0, 2.0},
                                    {-1.0, 3.6},
                                    {3.6, 2.8}}),
                  {-0.5, -2.8}, 6.0, suit);
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

// The same diver seen from straight above, as a ray gliding over him sees
// him: swimming to the left, head at the origin and about 66 long; the tank
// down the middle of his back between the wings of the jacket, the elbows
// out to the sides, the legs a little apart in the kick and the fins flat to
// us, and the bubbles of his last breath rising towards us round the head.
void paintDiverFromAboveFigure(QPainter &p)
{
    const QColor suit(38, 44, 56), fin(26, 28, 34), rail(120, 160, 190), jacket(44, 62, 96),
        trim(70, 120, 170), tank(178, 182, 180), metal(120, 124, 126), belt(18, 18, 20),
        glint(200, 230, 250);
    // Legs and fins first: the far leg (above in the picture) a little
    // shorter, drawn up on the kick.
    for (const auto &[hip, knee, ankle, flex, shade] :
         {std::tuple{QPointF(25, -2.6), QPointF(35, -5.0), QPointF(44.5, -5.4), -1.2, 118},
          std::tuple{QPointF(25, 2.6), QPointF(36, 4.8), QPointF(46.5, 6.2), 1.0, 100}}) {
        const QPointF d = (ankle - knee) / QLineF(knee, ankle).length();
        paintDiveFin(p, ankle, d, QPointF(-d.y(), d.x()), flex, fin.darker(shade),
                     withAlpha(rail, 100));
        fillLit(p, fishkit::ribbon(fishkit::curveThrough({hip, knee, ankle}), {5.6, 4.4, 3.2, 2.4}),
                suit.darker(shade));
    }
    // The arms folded in front of the chest, the elbows out beyond the
    // shoulders, the forearms going in under the body.
    for (const double side : {-1.0, 1.0})
        fillLit(p,
                fishkit::ribbon(
                    fishkit::curveThrough(
                        {{5, side * 5.6}, {9.5, side * 9.2}, {5.6, side * 8.4}, {2.0, side * 5.2}}),
                    {3.0, 2.6, 2.2, 1.8}),
                side < 0 ? suit.darker(110) : suit);
    // Broad at the shoulders, narrowing to the waist over the hips.
    // The two sides mirror each other about the spine.
    static constexpr QPointF side[] = {{0.8, 0},  {2.0, 5.6},  {8, 7.0}, {16, 5.8},
                                       {22, 4.4}, {27.6, 4.0}, {28.8, 0}};
    std::vector<QPointF> rim(std::begin(side), std::end(side));
    for (int i = 5; i >= 1; --i)
        rim.emplace_back(side[i].x(), -side[i].y());
    const QPainterPath torso = smoothClosedPath(rim.data(), int(rim.size()));
    fillLit(p, torso, suit);
    {
        const fishkit::Saved s(p);
        p.setClipPath(torso, Qt::IntersectClip);
        const QPainterPath vest = smoothClosedPath(
            {{2.2, -6.2}, {10, -7.6}, {18.6, -6.0}, {18.6, 6.0}, {10, 7.6}, {2.2, 6.2}});
        fillLit(p, vest, jacket);
        for (const double side : {-1.0, 1.0})
            stroke(p, curve({3.4, side * 5.4}, {11, side * 6.8}, {18, side * 5.2}),
                   withAlpha(trim, 170), 0.7);
        stroke(p, curve({20.4, -5}, {21, 0}, {20.4, 5}), belt, 1.6);
        p.fillRect(QRectF(20.0, -0.9, 1.6, 1.8), metal.lighter(150));
    }
    // The tank along the spine: a cylinder lit along its crest, with its
    // two straps and the valve towards the head.
    {
        const fishkit::Saved s(p);
        p.translate(11, -0.3);
        paintTank(p, QRectF(-8.6, -3.0, 17.6, 6.0), 0.3, tank, jacket.darker(150), {-4.0, 3.4});
        p.setBrush(metal);
        p.drawRoundedRect(QRectF(-11, -1.3, 2.8, 2.6), 0.6, 0.6);
    }
    stroke(p, curve({0.2, -0.8}, {-1.0, 3.4}, {-3.6, 3.0}), belt, 0.7);
    // The hooded head from above, the mask strap round its back and the
    // rim of the mask showing in front.
    {
        paintHood(p, fishkit::oval({-1.7, 0}, 3.7, 3.8), {-1.6, -0.8}, 5.0, suit);
        stroke(p, curve({-3.0, -3.6}, {0.4, 0}, {-3.0, 3.6}), fin, 0.8);
        stroke(p, curve({-4.8, -2.6}, {-6.0, 0}, {-4.8, 2.6}), fin, 1.3);
        stroke(p, curve({-5.2, -1.6}, {-5.9, 0}, {-5.2, 1.6}), withAlpha(glint, 140), 0.4);
    }
    // Bubbles rising towards us, spread round the head, each a ring of light.
    static constexpr double spot[][3] = {{-7.4, -3.0, 0.9},  {-9.0, 1.6, 1.3},  {-6.2, 4.4, 0.7},
                                         {-11.6, -1.2, 1.6}, {-4.6, -5.4, 0.6}, {-10.4, 4.6, 0.8}};
    for (const auto &[x, y, r] : spot) {
        p.setPen(QPen(withAlpha(glint, 220), 0.35));
        p.setBrush(withAlpha(glint, 60));
        p.drawEllipse(QPointF(x, y), r, r);
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(QColor(255, 255, 255), 200));
        p.drawEllipse(QPointF(x - r * 0.35, y - r * 0.35), r * 0.25, r * 0.25);
    }
}

// Paints `figure` solid on a layer, then lays it in at the haze's strength,
// so the overlapping limbs do not show through each other.
void layDiver(QPainter &p, QPointF head, double length, QColor colour, void (*figure)(QPainter &))
{
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
        figure(d);
        // The water between takes his colours towards its own blue and
        // flattens his light and shade, the more the farther off he is.
        // The light comes from the surface, so the haze is paler over his
        // upper side and deeper below.
        d.resetTransform();
        d.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        QLinearGradient light(QPointF(0, 0), QPointF(0, layer.height()));
        light.setColorAt(0.0, withAlpha(colour.lighter(118), colour.alpha()));
        light.setColorAt(1.0, withAlpha(colour.darker(122), std::min(255, colour.alpha() + 25)));
        d.fillRect(layer.rect(), light);
    }
    p.save();
    p.resetTransform();
    p.drawImage(area.topLeft(), layer);
    p.restore();
}

} // namespace

void paintDiver(QPainter &p, QPointF head, double length, QColor colour)
{
    layDiver(p, head, length, colour, paintDiverFigure);
}

void paintDiverFromAbove(QPainter &p, QPointF head, double length, QColor colour)
{
    layDiver(p, head, length, colour, paintDiverFromAboveFigure);
}

} // namespace backdrop
