// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"
#include "fishart.h"
#include "fishkit.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <utility>

// Slender fish: needlefish, barracuda and silversides.

namespace fishart {

using namespace fishkit;

namespace {

// One fish of a group: where, turned how, and how large and clear for its
// distance; how far it is turned from side-on (`side` 1 is broadside, less
// shows it foreshortened) and how far its tail is swept (`beat`, degrees);
// `depth` makes one fish a little deeper or slimmer than the next,
// `shine` is how much light its flank catches and `bend` how far its head
// is turned (degrees), so that with the tail's sweep the body curves.
struct Member
{
    double x, y, scale, angle, opacity;
    double side = 1.0, beat = 0.0, depth = 1.0, shine = 1.0, bend = 0.0;
};

void paintGroup(QPainter &p, std::initializer_list<Member> group,
                void (*paintOne)(QPainter &, const Member &))
{
    for (const Member &m : group) {
        const Saved s(p);
        p.setOpacity(m.opacity);
        p.translate(m.x, m.y);
        p.rotate(m.angle);
        p.scale(m.scale * (0.6 + 0.4 * m.side), m.scale * m.depth);
        paintOne(p, m);
    }
}

// A school spread out in depth, every member drawn alike: each is solid,
// not see-through, and the water between it and the eye turns it towards
// the water's own colour, the more the farther off (the smaller) it is,
// so the far fish are pale, blue and low in contrast, the near ones clear.
void paintSchoolInDepth(QPainter &p, const std::vector<Member> &group, double nearScale,
                        void (*paintOne)(QPainter &, const Member &))
{
    if (Silhouette::active(p)) {
        for (const Member &m : group) {
            const Saved s(p);
            p.translate(m.x, m.y);
            p.rotate(m.angle);
            p.scale(m.scale * (0.6 + 0.4 * m.side), m.scale * m.depth);
            paintOne(p, m);
        }
        return;
    }
    std::vector<QColor> water;
    for (const Member &m : group)
        water.push_back(waterBehind(p, QPointF(m.x, std::min(m.y, 120.0))));
    const QSize size(p.device()->width(), p.device()->height());
    for (std::size_t i = 0; i < group.size(); ++i) {
        const Member &m = group[i];
        const double haze = std::clamp((nearScale - m.scale) / (nearScale * 0.62), 0.0, 0.78);
        QImage layer(size, QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        {
            QPainter lp(&layer);
            lp.setRenderHints(p.renderHints());
            lp.setTransform(p.transform());
            lp.translate(m.x, m.y);
            lp.rotate(m.angle);
            lp.scale(m.scale * (0.6 + 0.4 * m.side), m.scale * m.depth);
            paintOne(lp, m);
            lp.resetTransform();
            lp.setCompositionMode(QPainter::CompositionMode_SourceAtop);
            lp.fillRect(layer.rect(), withAlpha(water[i], int(255 * haze)));
        }
        const Saved s(p);
        p.resetTransform();
        p.drawImage(0, 0, layer);
    }
}

// A needlefish around the origin, snout to the left: a body fifteen times
// as long as deep, both jaws drawn out into one long needle, the dorsal and
// anal fins far back opposite each other and the lower tail lobe the longer.
void paintNeedlefishBody(QPainter &p, const Member &)
{
    p.translate(-160, -120);
    const QColor rays(30, 70, 80, 140);
    paintFin(
        p,
        finAt({266, 120}, {{0, -3.5}, {14, -8}, {28, -15}, {21, 1}, {36, 19}, {16, 8}, {0, 3.5}}),
        QColor(80, 140, 150, 210), QColor(40, 80, 90, 140), 10);
    // The upper and lower jaws, slightly parted, with the fine teeth between.
    // The lower jaw reaches a little further than the upper.
    const QPainterPath upper = smoothClosedPath({{14, 119.3}, {60, 116.6}, {96, 114}, {96, 120}});
    const QPainterPath lower = smoothClosedPath({{2, 121.2}, {60, 122.4}, {96, 126}, {96, 120.6}});
    for (const QPainterPath &jaw : {lower, upper}) {
        fillBody(p, jaw, QColor(24, 66, 84), QColor(140, 172, 180), QColor(215, 225, 225));
        stroke(p, jaw, QColor(20, 50, 60, 180), 0.5);
    }
    // Needle-fine teeth, only a glint along the gape.
    p.setPen(QPen(QColor(235, 240, 235, 110), 0.3));
    for (double x = 18; x < 80; x += 1.7)
        p.drawLine(QPointF(x, 120.4 - (x - 10) * 0.017), QPointF(x + 0.2, 121 - (x - 10) * 0.012));
    // The head swells out of the jaws and runs on into the body without a
    // neck, the jaws' roots lying under its skin.
    const QPainterPath body = smoothClosedPath({{50, 120},
                                                {66, 117.6},
                                                {84, 115.4},
                                                {98, 113.4},
                                                {114, 112.5},
                                                {150, 112.3},
                                                {200, 113.2},
                                                {240, 115.6},
                                                {270, 116.9},
                                                {271, 120},
                                                {270, 123.1},
                                                {240, 124.6},
                                                {200, 127.2},
                                                {150, 128},
                                                {114, 127.6},
                                                {98, 126.4},
                                                {84, 124.4},
                                                {66, 122.2}});
    // Dark green-blue over the back, to hide it from birds above.
    fillBody(p, body, QColor(14, 58, 78), QColor(190, 210, 214), QColor(246, 248, 248), 0.45);
    paintStripes(p, body, 119, 4, 1, 1.6, QColor(50, 100, 160, 170), 0);
    paintStripes(p, body, 122, 4, 1, 1.0, QColor(255, 255, 255, 180), 0);
    {
        // The blue stripe begins behind the head.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        QLinearGradient head(QPointF(96, 0), QPointF(122, 0));
        head.setColorAt(0.0, QColor(150, 176, 186));
        head.setColorAt(1.0, QColor(150, 176, 186, 0));
        p.fillRect(QRectF(58, 118, 64, 6), head);
    }
    shadeBody(p, body, QColor(10, 20, 35, 130), 0.7);
    strokeInside(p, body, curve({50, 120.6}, {76, 120.8}, {97, 121.6}), QColor(20, 50, 60, 200),
                 0.6);
    strokeInside(p, body, curve({107, 115}, {110, 119}, {107, 123.5}), QColor(20, 50, 60, 90), 0.6);
    // The dorsal and anal fins face each other far back: low and long-based,
    // the front rays the longest and the edge sloping away behind them, each
    // fin grown from the skin it stands on, blue-green above and silver below.
    paintFin(p,
             fin({215, 114.9},
                 {{217.4, 110.4}, {220.4, 107.6}, {224, 108.4}, {234, 111.6}, {248, 114.2}},
                 {258, 116.8}),
             QColor(24, 72, 88, 235), QColor(8, 36, 48, 60), 20);
    paintFin(p,
             fin({214, 126.2},
                 {{215.6, 130.2}, {218.4, 132.8}, {222, 132.4}, {232, 129.4}, {246, 126.2}},
                 {256, 124.2}),
             QColor(176, 194, 200, 230), QColor(96, 116, 124, 70), 20);
    anatomy::paintGrownPectoral(
        p, {113, 117.2}, {113.5, 120.2}, {{121, 115.6}, {128, 116.8}, {130, 119.2}},
        QColor(150, 180, 188, 230), QColor(150, 196, 204, 150), QColor(40, 80, 90, 130));
    paintFin(p, fin({176, 126}, {{186, 131}}, {188, 126}), QColor(180, 205, 210, 170), rays, 3);
    anatomy::paintNaturalEye(p, QPointF(101, 118.5), 3.8, QColor(190, 200, 170));
}

// One silverside around the origin, snout to the left, 100 units long: a
// blunt rounded snout with a small upturned mouth, big eye, a slender body
// of even depth, two small dorsal fins far apart, a clear green-grey body
// with one narrow silver stripe. Each in the school bends and beats its tail
// its own way, and is seen a little from above or below.
void paintSilversideBody(QPainter &p, const Member &m)
{
    // Clear fins, but each a crisp fan of fine rays with a smooth margin.
    const QColor fins(196, 220, 212, 120);
    const QColor rays(96, 126, 118, 150);
    // No two of the school quite alike: some a little longer and slimmer,
    // some shorter, as fish of one year's brood are.
    p.scale(0.92 + 0.16 * std::fmod(std::abs(m.x * 0.37 + m.y * 0.13), 1.0), 1.0);
    // Each fish holds its fins raised or folded its own way.
    const double raise = 0.75 + 0.5 * std::clamp(0.5 + m.beat / 24.0, 0.0, 1.0);
    const QTransform sweep = QTransform().translate(70, 0).rotate(m.beat).translate(-70, 0);
    {
        const Saved s(p);
        p.setTransform(sweep, true);
        paintFin(p, tail(TailKind::Forked, {82, 0}, 6, 18, 24, 0.6), fins, rays, 13);
    }
    // The fins are rooted inside the outline, so the body covers their
    // bases and they grow out of it. The first dorsal is a tiny spiny fan
    // over the middle of the body, the soft second well behind it over the
    // rear of the long anal fin.
    paintFin(p,
             fin({39, -6.2},
                 {{40, -6.2 - 3.2 * raise}, {41.6, -6.2 - 3.4 * raise}, {44, -6 - 1.2 * raise}},
                 {45, -5.9}),
             fins, rays, 4);
    paintFin(p,
             fin({60, -4.6},
                 {{61.5, -4.6 - 5.4 * raise},
                  {64, -4.5 - 5.2 * raise},
                  {68, -4 - 2.6 * raise},
                  {71, -3.6 - 1.1 * raise}},
                 {72.5, -3.4}),
             fins, rays, 9);
    paintFin(p,
             fin({73, 3.4},
                 {{71, 3.6 + 1.4 * raise},
                  {66, 4.2 + 3.4 * raise},
                  {58, 4.8 + 5 * raise},
                  {54, 5 + 5.4 * raise}},
                 {52, 5}),
             fins, rays, 11);
    // A body of nearly even depth from the nape to the tail's root, arched a
    // little one way or the other as it swims; the rear follows the tail
    // round and the head turns the other way or the same.
    const BodyShape shape{{0, 0}, 84, 15.5, 0.42, 0.9, 0.5, 0.5, 0, 0, 0.15, 0, 0, m.bend * 0.002};
    const QTransform turn = QTransform().translate(24, 0).rotate(-m.bend).translate(-24, 0);
    const QPainterPath front = bodyOutline(shape);
    QPainterPath head;
    head.addRect(QRectF(-4, -20, 30, 40));
    QPainterPath middle;
    middle.addRect(QRectF(22, -20, 48, 40));
    QPainterPath behind;
    behind.addRect(QRectF(66, -20, 30, 40));
    const QPainterPath body = turn.map(front.intersected(head))
                                  .united(front.intersected(middle))
                                  .united(sweep.map(front.intersected(behind)))
                                  .simplified();
    // A clear green-grey body, greenest over the back: the water shows
    // through, and the silvery gut faintly.
    fillBody(p, body, QColor(80, 138, 102, 160), QColor(134, 176, 148, 80),
             QColor(176, 202, 192, 75));
    {
        QRadialGradient gut(QPointF(0, 0), 1.0);
        gut.setColorAt(0.0, QColor(220, 230, 234, 70));
        gut.setColorAt(1.0, QColor(220, 230, 234, 0));
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        p.translate(32, 3.8);
        p.scale(16, 4);
        p.fillRect(QRectF(-1, -1, 2, 2), gut);
    }
    // Seen a little from above, more of the back shows and the stripe sits
    // lower; seen from below, it rides higher.
    const double lift = 1.2 * (1.0 - m.side) + 0.9 * std::sin(m.x * 0.7 + m.y * 1.3);
    const auto along = [&](double t, double dy) {
        const QPointF at = shape.at(t, 0) + QPointF(0, lift + dy);
        return at.x() > 68 ? sweep.map(at) : at;
    };
    // The backbone shows through the clear flesh as a faint line just above
    // the stripe.
    strokeInside(p, body, curveThrough({along(0.22, -3.0), along(0.5, -3.1), along(1.0, -2.0)}),
                 QColor(60, 90, 88, 120), 0.6);
    // The stripe: narrow, bright and crisp, edged above by a thin dark line.
    const QPainterPath stripeLine =
        curveThrough({along(0.21, -0.3), along(0.5, -0.4), along(0.8, -0.3), along(1.0, 0)});
    const int shine = std::clamp(int(255 * m.shine), 0, 255);
    p.fillPath(body.intersected(ribbon(stripeLine, {1.1, 1.6, 1.5, 1.2, 0.8})),
               QColor(235, 242, 248, shine));
    p.fillPath(body.intersected(ribbon(stripeLine.translated(0, -0.25), {0.5, 0.7, 0.6, 0.4})),
               QColor(255, 255, 255, shine));
    strokeInside(
        p, body,
        curveThrough({along(0.21, -1.2), along(0.5, -1.3), along(0.8, -1.0), along(1.0, -0.6)}),
        QColor(36, 54, 70, 170), 0.4);
    // A fish rolled away from the light shows a duller side.
    p.fillPath(body, QColor(40, 70, 84, int(110 * std::clamp((0.8 - m.shine) * 3.3, 0.0, 1.0))));
    if (m.side < 0.9) {
        // Turned away, more of the dark back shows.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        p.fillPath(body.translated(0, -5), QColor(60, 100, 96, 70));
    }
    anatomy::paintShadedEdge(p, body, QColor(60, 90, 80, 110), 0.8);
    paintFin(p, fin({18, -1.6}, {{24, -3}, {28, -1.2}, {27, 0.6}}, {18, 0.4}), fins, rays, 6);
    // The head's parts turn with it.
    p.setTransform(turn, true);
    // The silvery gill cover, its rear edge a clear arc; the small mouth at
    // the very tip of the blunt snout, its short gape slanting up to the
    // front, the lower jaw closing it from below.
    p.fillPath(front.intersected(oval({11, 1}, 7, 5.5)), QColor(200, 218, 224, 60));
    strokeInside(p, front, curveThrough({{13.5, -5.5}, {17, -1}, {16, 3}, {12.5, 6.2}}),
                 QColor(60, 90, 90, 150), 0.6);
    strokeInside(p, front, curve({0.6, -1.5}, {1.8, -0.9}, {3.2, 0.1}), QColor(50, 60, 64), 0.6);
    stroke(p, curve({0.9, 0.2}, {2.0, 0.8}, {3.1, 0.6}), QColor(120, 140, 140, 150), 0.45);
    paintDisc(p, QPointF(3.6, -3.6), 0.45, 0.4, QColor(40, 50, 54, 180));
    // Large for so small a fish, yet well inside the head: a third of its
    // depth, the iris a dull silver round a wide dark pupil.
    anatomy::paintNaturalEye(p, QPointF(8, -0.9), 2.5, QColor(132, 146, 150), 0.56);
}

} // namespace

// Two needlefish cruising just under the surface, the far one small and hazy.
void paintNeedlefish(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.1);
    // Seen from just below, the surface is a bright rippled ceiling.
    QLinearGradient surface(QPointF(0, 0), QPointF(0, 34));
    surface.setColorAt(0.0, QColor(230, 255, 255, 230));
    surface.setColorAt(0.4, QColor(170, 235, 245, 120));
    surface.setColorAt(1.0, QColor(170, 235, 245, 0));
    p.fillRect(QRectF(0, 0, 320, 34), surface);
    // The underside of the wavelets: facets tilted to mirror the sky flash
    // white, those tilted the other way show the dark water below, in a
    // broken mosaic that grows finer and flatter towards the horizon.
    QRandomGenerator facets(707);
    for (double y = 31; y > 0.5;) {
        const double near = y / 31.0, tall = 0.6 + 3.2 * near;
        for (double x = -10 + facets.bounded(8.0); x < 330;) {
            const double wide = (4 + 14 * near) * (0.5 + facets.generateDouble());
            const QPointF c(x + wide / 2, y + facets.bounded(tall) - tall / 2);
            const bool bright = facets.bounded(3) != 0;
            QRadialGradient flash(c, wide / 2);
            const QColor tone = bright ? QColor(240, 255, 255) : QColor(40, 110, 140);
            const int alpha = int((bright ? 60 + facets.bounded(110) : 40 + facets.bounded(40)) *
                                  (1.1 - near * 0.5));
            flash.setColorAt(0.0, withAlpha(tone, alpha));
            flash.setColorAt(0.7, withAlpha(tone, alpha / 2));
            flash.setColorAt(1.0, withAlpha(tone, 0));
            const Saved squash(p);
            p.translate(c);
            p.scale(1.0, tall / wide * (0.8 + 0.6 * facets.generateDouble()));
            p.translate(-c);
            p.setPen(Qt::NoPen);
            p.setBrush(flash);
            p.drawEllipse(c, wide / 2, wide / 2);
            x += wide * (0.6 + 0.5 * facets.generateDouble());
        }
        y -= tall * 0.8;
    }
    // The far one is turning away and down, so it shows foreshortened.
    paintGroup(p, {{214, 182, 0.6, 9, 0.42, 0.45, 0, 1.25}, {172, 78, 1.0, -4, 1}},
               paintNeedlefishBody);
}

// A long silver torpedo with a jutting, fanged lower jaw: dark slanting bars
// on the upper side, black blotches low on the rear, a dark pale-tipped tail.
void paintGreatBarracuda(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintReef(p, 0.45, 220, 0, {}, 0, {});
    const QColor tailColour(50, 60, 70, 235);
    const Fin caudal = tail(TailKind::Forked, {248, 127}, 12, 62, 98, 0.52);
    paintFin(p, caudal, tailColour, QColor(20, 25, 30, 150), 14);
    {
        // Both lobes end in pale tips, sharply set off from the dark fin.
        const Saved s(p);
        p.setClipPath(caudal.shape, Qt::IntersectClip);
        for (const auto &[tip, inner] : {std::pair{QPointF(308, 78), QPointF(290, 100)},
                                         std::pair{QPointF(308, 176), QPointF(290, 154)}}) {
            QLinearGradient pale(inner, tip);
            pale.setColorAt(0.0, QColor(235, 240, 240, 0));
            pale.setColorAt(0.3, QColor(235, 240, 240, 150));
            pale.setColorAt(0.6, QColor(240, 244, 244, 235));
            p.fillRect(QRectF(tip - QPointF(30, 30), QSizeF(60, 60)), pale);
        }
    }
    const BodyShape shape{{23, 126.5}, 233, 54, 0.45, 0.52, 0.2, 0.56, 0, 0.04, 0.85};
    const QColor pale(170, 180, 185, 200);
    const QColor rays(30, 40, 45, 150);
    // A fin from `from` to `to` of the length on the back (side -1) or belly (1).
    const auto finOn = [&](double from, double to, double side, QPointF tip, int count) {
        const QPointF a = shape.at(from, side * 0.85);
        const QPointF b = shape.at(to, side * 0.85);
        paintSheerFin(p, fin(a, {a + tip, (a + tip + b) / 2 + QPointF(0, tip.y() * 0.2)}, b),
                      side < 0 ? QColor(70, 85, 95, 200) : pale, rays, count + 3);
    };
    finOn(0.43, 0.57, -1, {12, -24}, 7);
    finOn(0.78, 0.88, -1, {8, -16}, 6);
    finOn(0.8, 0.9, 1, {8, 16}, 6);
    const QPainterPath body = bodyOutline(shape);
    paintCastShadow(p, body, 232);
    fillBody(p, body, QColor(72, 88, 100), QColor(196, 206, 212), QColor(242, 244, 245), 0.45);
    paintScaleRows(p, body, shape, 3.6, QColor(255, 255, 255, 45), 0.45);
    // About eighteen dark bars slanting back from the back towards the
    // lateral line, each its own width, lean and reach, a few broken short.
    {
        static constexpr double gaps[] = {8.2, 11.4, 9.0, 12.6, 7.4, 10.2, 13.0, 8.8, 10.6};
        static constexpr double reach[] = {1.0, 0.72, 0.92, 0.58, 1.05, 0.85, 0.66, 0.98, 0.8};
        int i = 0;
        for (double x = 78; x < 244; x += gaps[i % 9], ++i) {
            const double r = reach[(i * 5) % 9];
            const double lean = 7 + (i % 4) * 1.6;
            strokeInside(p, body,
                         curve({x, 95}, {x - lean * 0.55, 96 + 11 * r}, {x - lean, 96 + 22 * r}),
                         QColor(40, 50, 60, 62 + (i * 37) % 36), 3.0 + (i * 7) % 5 * 0.5);
        }
    }
    QPainterPath rear;
    rear.addRect(150, 124, 90, 17);
    {
        // Blotches of every size, rounder where the flank faces us.
        const Saved s(p);
        p.setClipPath(rear, Qt::IntersectClip);
        anatomy::paintFreckles(p, body, 11, 1.2, 3.4, QColor(15, 15, 20, 210), 8,
                               rear.boundingRect().center(), 45);
    }
    // The stalk darkens into the tail, so the fin grows out of it.
    {
        QLinearGradient into(QPointF(226, 0), QPointF(254, 0));
        into.setColorAt(0, withAlpha(tailColour, 0));
        into.setColorAt(1, tailColour);
        p.fillPath(body, into);
    }
    modelBody(p, body, 246);
    // The heavy lower jaw juts past the upper and tilts up at its tip; the
    // mouth stands a little open along a gape that runs back under the eye,
    // showing the big uneven fangs at the front of both jaws and a row of
    // small sharp teeth behind them.
    // The lower jaw hangs only a little open, turned down about its hinge
    // under the eye, so the mouth reads as a long slit between bony jaws.
    // The underside of the head at `x`, where the jaw's rear edge runs into it.
    const auto belly = [&body](double x) {
        double y = 112;
        while (y < 160 && body.contains(QPointF(x, y + 0.5)))
            y += 0.5;
        return QPointF(x, y);
    };
    const QTransform drop = QTransform().translate(68, 134).rotate(-2.4).translate(-68, -134);
    const QPainterPath jaw = drop.map(smoothClosedPath({{11, 125.4},
                                                        {15, 128.4},
                                                        {28, 132.2},
                                                        {46, 134.0},
                                                        {64, 134.8},
                                                        {76, 135.8},
                                                        belly(88),
                                                        belly(66) + QPointF(0, 0.4),
                                                        {40, 141.6},
                                                        {22, 135.6},
                                                        {13, 130.4},
                                                        {8.6, 126.6}}));
    const QPainterPath gape = smoothClosedPath({{14, 126.8},
                                                {22, 128},
                                                {36, 130},
                                                {52, 132},
                                                {66, 133.6},
                                                drop.map(QPointF(50, 133.6)),
                                                drop.map(QPointF(32, 131.6)),
                                                drop.map(QPointF(20, 129.4)),
                                                drop.map(QPointF(14, 128.2))});
    {
        // The dark mouth, its lining greyish pink at the front where the
        // light gets in, deepest in shadow under the upper lip and at the back.
        QLinearGradient dark(QPointF(14, 0), QPointF(66, 0));
        dark.setColorAt(0.0, QColor(92, 70, 76));
        dark.setColorAt(0.4, QColor(40, 34, 40));
        dark.setColorAt(1.0, QColor(12, 12, 16));
        p.fillPath(gape, dark);
        const Saved s(p);
        p.setClipPath(gape, Qt::IntersectClip);
        QLinearGradient lip(QPointF(0, 126), QPointF(0, 131));
        lip.setColorAt(0.0, QColor(8, 10, 14, 200));
        lip.setColorAt(1.0, QColor(8, 10, 14, 0));
        p.fillRect(gape.boundingRect(), lip);
    }
    // Where it hangs below the head the jaw is part of the fish's outline.
    if (!Silhouette::record(p, jaw.subtracted(body))) {
        const Saved s(p);
        // The jaw is the head's own silver, darker along its upper edge
        // where it turns in under the upper jaw, palest on the chin.
        // A flat bony side, not a round tube: one even silver down to the
        // angle where it turns under, then the pale underside.
        QLinearGradient chin(QPointF(0, 128), QPointF(0, 144));
        chin.setColorAt(0.0, QColor(132, 144, 154));
        chin.setColorAt(0.18, QColor(184, 192, 198));
        chin.setColorAt(0.55, QColor(194, 202, 207));
        chin.setColorAt(0.66, QColor(228, 231, 233));
        chin.setColorAt(1.0, QColor(240, 242, 243));
        // Where it hangs below the head the jaw is the profile; behind the
        // gape it is only the throat's skin, thinning out into the body
        // there instead of ending at an edge.
        p.fillPath(jaw.subtracted(body), chin);
        for (double x = 0; x < 88; x += 1.0) {
            const Saved strip(p);
            p.setOpacity(std::clamp((86.0 - x) / 24.0, 0.0, 1.0));
            p.setClipRect(QRectF(x, 110, 1.0, 40), Qt::IntersectClip);
            p.setClipPath(body, Qt::IntersectClip);
            p.fillPath(jaw, chin);
        }
        p.setClipPath(jaw, Qt::IntersectClip);
        p.setClipRect(QRectF(0, 110, 54, 40), Qt::IntersectClip);
        // The bone of the lower jaw shows as a faint ridge along its side.
        stroke(p, curve({14, 129.6}, {36, 137.4}, {70, 139.6}), QColor(40, 50, 60, 50), 1.6);
        stroke(p, curve({14, 128.8}, {36, 136.4}, {70, 138.6}), QColor(255, 255, 255, 50), 0.8);
    }
    {
        // No line round the jaw: only its underside turns away into shade.
        const Saved s(p);
        p.setClipRect(QRectF(0, 132, 58, 20));
        anatomy::paintShadedEdge(p, jaw, QColor(60, 74, 86, 90), 1.4);
    }
    // The upper lip and the long plate of the upper jaw above it, its rear
    // end broad under the eye.
    const QPainterPath maxilla = smoothClosedPath({{22, 126.4},
                                                   {40, 127.4},
                                                   {56, 128.6},
                                                   {68, 129.4},
                                                   {69, 133.4},
                                                   {50, 132.2},
                                                   {30, 129.2}});
    {
        // The bony plate is the head's skin over bone: the body's silver,
        // shaded along its lower rim where it folds over the gape.
        QLinearGradient plate(QPointF(0, 126), QPointF(0, 133.6));
        plate.setColorAt(0.0, QColor(184, 194, 200, 0));
        plate.setColorAt(0.5, QColor(176, 186, 194, 200));
        plate.setColorAt(1.0, QColor(110, 122, 132, 230));
        p.fillPath(maxilla, plate);
    }
    stroke(p, curve({34, 127.6}, {52, 129.2}, {68, 131.4}), QColor(60, 72, 84, 60), 0.7);
    stroke(p, curve({22, 127.6}, {44, 130.6}, {66, 133.8}), QColor(25, 20, 24, 150), 0.5);
    // Rows of small, sharp teeth of uneven sizes line both jaws, set so
    // close along the gape that they read as a saw edge, not as pegs; only a
    // few big fangs stand out of them: the first of the lower jaw up in front
    // of the snout's tip, a canine at the front of the upper jaw and one more
    // in the lower jaw.
    anatomy::paintFangRow(p, {28, 129.4}, {62, 133.2}, 1, 9, 2.4);
    anatomy::paintFangRow(p, drop.map(QPointF(26, 131)), drop.map(QPointF(58, 134)), -1, 8, 2.0);
    // The great fangs show only where the lips part: the lower front pair
    // rising just past the upper lip at the snout's tip, the upper canines
    // reaching down to the lower lip, not beyond it.
    anatomy::paintFang(p, drop.map(QPointF(15.2, 128.6)), -1, 4.4);
    anatomy::paintFang(p, drop.map(QPointF(18.2, 129.4)), -1, 3.2);
    anatomy::paintFang(p, {21.5, 128.0}, 1, 3.8);
    anatomy::paintFang(p, {25.4, 128.7}, 1, 2.8);
    anatomy::paintFang(p, drop.map(QPointF(34, 131.8)), -1, 2.8);
    {
        // The teeth further back are lost in the shadow of the mouth.
        const Saved s(p);
        p.setClipPath(gape, Qt::IntersectClip);
        QLinearGradient gloom(QPointF(34, 0), QPointF(66, 0));
        gloom.setColorAt(0.0, QColor(12, 12, 16, 0));
        gloom.setColorAt(1.0, QColor(12, 12, 16, 190));
        p.fillRect(gape.boundingRect().adjusted(-4, -4, 4, 4), gloom);
    }
    stroke(p, curve({86, 103}, {96, 124}, {84, 143}), QColor(50, 60, 70, 140), 1.1);
    anatomy::paintGrownPectoral(p, {89, 120.5}, {91, 131.5}, {{110, 122}, {128, 130}, {121, 139}},
                                QColor(176, 186, 194, 230), QColor(96, 110, 120, 170),
                                QColor(30, 38, 44, 150));
    // The pelvic fin hangs from the belly under the first dorsal, angled back
    // and down, its first ray the stoutest.
    const Fin pelvic =
        fin({131, 144.5}, {{134, 151}, {141, 158.5}, {150, 161}, {152, 157.5}}, {149, 146.5});
    paintSheerFin(p, pelvic, pale, rays, 7);
    p.fillPath(ribbon(curveThrough({{131.5, 144.5}, {135, 151.5}, {142, 158.4}, {149.5, 160.8}}),
                      {1.4, 1.0, 0.6, 0.2}),
               QColor(120, 132, 140, 170));
    anatomy::paintNaturalEye(p, QPointF(60, 115), 5.6, QColor(190, 186, 150), 0.52);
}

// A school of small clear silversides, each with one shining silver stripe,
// passing close over a star coral whose polyp cups, a centimetre across, are
// a seventh of a fish long; the rest of the school fades into the blue.
void paintSilverside(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.15, Water::Coastal);
    {
        QLinearGradient haze(QPointF(0, 120), QPointF(0, 240));
        haze.setColorAt(0, QColor(40, 120, 160, 0));
        haze.setColorAt(1, QColor(40, 120, 160, 110));
        p.fillRect(Canvas::frame, haze);
    }
    // Below, a bed of turtle grass rising out of the haze, its blades a
    // centimetre wide telling how small the fish are.
    QRandomGenerator grass(909);
    for (int i = 0; i < 90; ++i) {
        const double x = grass.bounded(336.0) - 8, near = double(i) / 90;
        const QPointF foot(x, 244);
        const double tall = (10 + 22 * grass.generateDouble()) * (0.6 + 0.7 * near),
                     lean = (grass.generateDouble() - 0.3) * tall * 0.5;
        const QPainterPath blade = ribbon(
            curve(foot, foot + QPointF(lean * 0.2, -tall * 0.6), foot + QPointF(lean, -tall)),
            {1.6 + 1.4 * near, 1.6 + 1.4 * near, 1.4 + 1.1 * near});
        // The far blades are hazed almost to the water's blue.
        const double fog = 0.75 - 0.55 * near;
        const QColor own(70 + grass.bounded(40), 120 + grass.bounded(30), 70);
        const QColor tint = blend(own, QColor::fromRgbF(0.18f, 0.45f, 0.58f), fog);
        // Strap-like blades with blunt ends, the older ones browned at the tip.
        QLinearGradient lit(foot, foot + QPointF(lean, -tall));
        lit.setColorAt(0.0, tint.darker(140));
        lit.setColorAt(0.75, tint.lighter(112));
        lit.setColorAt(1.0, grass.bounded(3) == 0 ? blend(tint, QColor(120, 104, 60), 0.6)
                                                  : tint.lighter(112));
        p.fillPath(blade, lit);
    }
    // Far members first, so the near ones pass in front: smaller, paler and
    // bluer the farther off. Each holds its own bend; a few are turning
    // towards us or away, seen short, and some of the near ones are half
    // behind the grass. The nearest three pass close, each a third of the
    // picture long, so the stripe, the eye and the fins read plainly.
    std::vector<Member> school{{214, 26, 0.2, -4, 1, 1.0, 6, 1.0, 0.6, -5},
                               {92, 40, 0.22, 6, 1, 0.5, -4, 1.08, 0.5, 3},
                               {262, 52, 0.24, 2, 1, 1.0, -8, 0.95, 0.7, 6},
                               {150, 18, 0.25, -9, 1, 0.8, 3, 1.0, 0.6, 0},
                               {40, 62, 0.27, 11, 1, 1.0, 9, 1.04, 0.8, -8},
                               {176, 66, 0.3, 1, 1, 0.35, -2, 1.12, 0.5, 4},
                               {300, 96, 0.31, -7, 1, 1.0, 10, 0.96, 0.9, -10},
                               {118, 94, 0.34, 4, 1, 0.9, -7, 1.0, 0.75, 9},
                               {226, 112, 0.37, 13, 1, 1.0, 5, 1.05, 0.9, -4},
                               {58, 126, 0.38, -3, 1, 0.45, -11, 1.1, 0.6, 7},
                               {144, 46, 0.41, -12, 1, 1.0, 8, 0.94, 1.0, -12},
                               {270, 140, 0.44, 7, 1, 0.85, -6, 1.02, 0.85, 10},
                               {28, 96, 0.46, 2, 1, 0.3, 12, 1.12, 0.5, -3},
                               {196, 150, 0.5, -6, 1, 1.0, -3, 0.97, 1.0, 6},
                               {102, 158, 0.53, 9, 1, 0.9, 7, 1.03, 0.9, -9},
                               {250, 78, 0.56, -2, 1, 0.55, -9, 1.1, 0.65, 2},
                               {262, 196, 0.6, -10, 1, 1.0, 4, 0.95, 1.0, 11},
                               {24, 146, 0.94, -8, 1, 1.0, -7, 0.98, 1.0, 9},
                               {176, 98, 1.08, 4, 1, 0.95, 6, 1.0, 1.0, -6},
                               {118, 192, 0.88, -3, 1, 1.0, -10, 1.02, 0.95, 5}};
    paintSchoolInDepth(p, school, 0.72, paintSilversideBody);
    // A few tall blades close in front, standing over the lowest of the
    // near fish and hiding part of them.
    if (Silhouette::active(p))
        return;
    for (const auto &[foot, top, width] : {std::tuple{QPointF(88, 246), QPointF(76, 150), 2.6},
                                           std::tuple{QPointF(94, 246), QPointF(104, 164), 2.2},
                                           std::tuple{QPointF(252, 246), QPointF(240, 146), 2.8},
                                           std::tuple{QPointF(262, 246), QPointF(276, 172), 2.0}}) {
        const QPainterPath blade =
            ribbon(curve(foot, (foot + top) / 2 + QPointF((top.x() - foot.x()) * -0.3, 0), top),
                   {width, width * 0.95, width * 0.5});
        QLinearGradient lit(foot, top);
        lit.setColorAt(0.0, QColor(40, 80, 50));
        lit.setColorAt(1.0, QColor(96, 140, 80));
        p.fillPath(blade, lit);
        // A flat blade: a faint midrib, the tip worn brown, a crust of
        // growth on its older lower part.
        stroke(p, blade, QColor(30, 60, 40, 120), 0.4);
        const Saved clip(p);
        p.setClipPath(blade, Qt::IntersectClip);
        stroke(p, curve(foot, (foot + top) / 2 + QPointF((top.x() - foot.x()) * -0.3, 0), top),
               QColor(130, 170, 110, 70), width * 0.25);
        QLinearGradient worn(top + (foot - top) * 0.25, top);
        worn.setColorAt(0.0, QColor(120, 110, 60, 0));
        worn.setColorAt(1.0, QColor(130, 112, 66, 200));
        p.fillPath(blade, worn);
        QRandomGenerator crust(int(foot.x() * 7));
        for (int i = 0; i < 7; ++i) {
            const double t = 0.1 + 0.45 * crust.generateDouble();
            const QPointF at =
                foot + (top - foot) * t + QPointF((crust.generateDouble() - 0.5) * width, 0);
            paintDisc(p, at, 0.5 + 0.5 * crust.generateDouble(), 0.4, QColor(190, 180, 150, 110));
        }
    }
}

} // namespace fishart
