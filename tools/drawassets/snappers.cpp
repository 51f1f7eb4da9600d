// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishart.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QTransform>

#include <cmath>
#include <numbers>
#include <tuple>
#include <vector>

// Snapper and jack: streamlined open-water fish with forked tails.

namespace fishart {

using namespace fishkit;

namespace {

// The snapper's outline: bodyOutline's, but the lower jaw juts `jut` ahead
// of the upper one, whose tip is the shape's snout, as in a hunter that
// snaps up its prey from below.
QPainterPath snapperOutline(const BodyShape &s, double jut)
{
    constexpr int samples = 18;
    const double from = jut * 2.5 / s.length;
    // Samples crowd towards the head, where the outline bends most.
    const auto sample = [from](int i) {
        return from + (1 - from) * std::pow(double(i) / samples, 1.25);
    };
    std::vector<QPointF> ring{s.snout, s.snout + QPointF(-jut, s.depth * 0.045)};
    for (int i = 0; i <= samples; ++i)
        ring.push_back(s.at(sample(i), 1));
    ring.push_back(s.at(1, 0) + QPointF(s.depth * s.stalk * 0.15, 0));
    for (int i = samples; i >= 0; --i)
        ring.push_back(s.at(sample(i), -1));
    return smoothClosedPath(ring.data(), int(ring.size()));
}

} // namespace

// A bluish-silver snapper whose one yellow stripe runs from the snout into
// an all-yellow, deeply forked tail; yellow spots on the olive-blue back.
void paintYellowtailSnapper(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.3);
    paintSand(p, Canvas::frame, 208);
    paintSeaFan(p, QPointF(296, 236), 70, QColor(160, 80, 150));
    paintCoralHead(p, QPointF(40, 240), 56, QColor(160, 140, 90));
    paintCoralHead(p, QPointF(200, 244), 40, QColor(120, 140, 100));
    // Rising a little as it cruises up off the bottom.
    canvas.tilt({150, 124}, -3.5);

    const QColor yellow(250, 214, 40);
    // Streamlined, the depth 0.3 of the length, back and belly curving
    // almost alike to a pointed snout.
    const BodyShape s{{28, 124}, 206, 62, 0.4, 0.5, 0.2, 0.5, 0, 0, 0.6};
    const double d = s.depth;
    const QColor ray(190, 150, 20, 120);
    // The tail grows out of the yellow stalk and is drawn over it, so that the
    // stripe runs on into it as one sweep of yellow. Deeply forked, but each
    // pointed lobe firm and broad at its base, only about as long as the head.
    const Fin caudal = tail(TailKind::Forked, s.at(0.94, 0), d * s.stalk * 1.3, 46, 86, 0.56);
    // A low spiny dorsal running straight on into the soft one; a short anal fin.
    const auto out = [&s, d](double along, double side, double rise) {
        return s.at(along, side) + QPointF(0, side * d * rise);
    };
    paintFin(p,
             spinyFin(s.at(0.3, -0.92),
                      {out(0.34, -1, 0.3), out(0.55, -1, 0.22), out(0.7, -1, 0.24),
                       out(0.88, -0.9, 0.2)},
                      s.at(0.93, -0.7), 10, 13, 0.12),
             QColor(245, 215, 80, 215), QColor(160, 140, 60, 120), 0);
    paintFin(p,
             spinyFin(s.at(0.68, 0.92), {out(0.72, 1, 0.34), out(0.88, 0.9, 0.2)}, s.at(0.93, 0.7),
                      3, 8),
             QColor(245, 220, 150, 170), QColor(180, 150, 90, 120), 0);

    const QPainterPath body = snapperOutline(s, 4.5);
    fillBody(p, body, QColor(70, 96, 130), QColor(176, 196, 214), QColor(238, 236, 240), 0.55);
    paintScaleRows(p, body, s, 3.4, QColor(255, 255, 255, 75), 0.7, ScaleStyle::Fine);
    paintStripes(p, body, s.snout.y() + 12, 6, 3, 1.4, QColor(245, 210, 90, 90), 0.2);
    // The stripe: thin from the very tip of the snout, through the eye, widening until it fills the
    // stalk and runs into the tail.
    const QPainterPath stripe =
        smoothClosedPath({s.at(0, -0.1) - QPointF(3, 0), s.at(0.13, -0.46), s.at(0.3, -0.34),
                          s.at(0.5, -0.26), s.at(0.75, -0.34), s.at(1, -1.4) + QPointF(14, 0),
                          s.at(1, 1.4) + QPointF(14, 0), s.at(0.75, 0.15), s.at(0.5, 0.04),
                          s.at(0.3, -0.08), s.at(0.13, -0.2), s.at(0, -0.02) - QPointF(3, 0)});
    p.fillPath(stripe.intersected(body), yellow);
    QPainterPath upperBack;
    upperBack.addRect(QRectF(s.at(0.25, 0).x(), 0, s.length * 0.62, s.snout.y() - 8));
    {
        // The spots are pigment in the scales, each of its own size and a
        // little drawn out along its row, soft at the edge, fewer and fainter
        // high on the back where it turns into shadow.
        const QPainterPath spotted = body.intersected(upperBack).subtracted(stripe);
        const Saved spots(p);
        p.setClipPath(spotted, Qt::IntersectClip);
        // Each lies on a scale, so they run in the scale rows, crowding and
        // shrinking as the rows do over the back; about half the scales
        // carry one, in no order.
        const double size = 6.8;
        for (const ScaleSite &site : scaleSites(s, size, int(std::ceil(d / (size * 0.62))))) {
            const QPointF c = site.centre;
            if (!spotted.contains(c))
                continue;
            const double hash = std::sin(site.index * 12.99 + site.row * 78.23 + 1.7) * 43758.5;
            const double own = hash - std::floor(hash);
            if (own < 0.42)
                continue;
            const double high = std::clamp(
                (s.at((c.x() - s.snout.x()) / s.length, -0.6).y() - c.y()) / (d * 0.25), 0.0, 1.0);
            const double r =
                (0.5 + 1.9 * (own - 0.42)) * (1.0 - 0.35 * high) * site.height / size * 1.6;
            const int alpha = int(230 * (1.0 - 0.5 * high));
            paintGlow(p, c, r * 1.9, QColor(250, 220, 60, alpha / 3));
            const Saved one(p);
            p.translate(c);
            p.rotate(site.angle - 6 + 12 * own);
            p.fillPath(oval({0, 0}, r * 1.3, r * 0.85), QColor(250, 220, 60, alpha));
        }
    }
    modelBody(p, body, caudal.base.x1(), QColor(10, 20, 35, 130));
    paintFin(p, caudal, yellow, ray, 18);

    const QPointF eye = s.at(0.13, -0.28);
    const double gill = gillAt(s, eye, 1.9);
    paintLateralLine(p, body, s, gill - 0.02, -0.5, QColor(40, 60, 90, 110));
    paintHead(p, body, s, eye, gill, d * 0.34, QColor(40, 50, 70));
    paintPelvicPair(p, pelvicFin(body, s.at(gill + 0.03, 0), d * 0.1, d * 0.4, 58),
                    QColor(245, 225, 170, 190), QColor(180, 150, 90, 120));
    paintPectoral(
        p, body,
        fanFin(s.at(gill + 0.025, 0.1), s.at(gill + 0.015, 0.4), d * 0.55, 10, 36, 0.9, 15),
        QColor(240, 220, 200, 150), QColor(170, 140, 120, 120));
    // The snapper's eye is only subtly reddish, with no ring of its own.
    EyeLook plain = familyEye(Opercle::Serrate);
    plain.ring = QColor();
    paintNaturalEye(p, eye, 6.0, QColor(136, 94, 80), plain);
}

namespace {

// The big mouth of a hunter: a gape from the blunt snout back to below the
// eye, the broad plate of the upper jaw bone above it and the lower jaw's
// edge beneath.
void paintJackJaws(QPainter &p, const QPainterPath &body, QPointF tip, QPointF eye)
{
    if (Silhouette::active(p))
        return;
    const Saved s(p);
    p.setClipPath(body, Qt::IntersectClip);
    // The gape slants down and back from the snout to below the rear of the eye.
    // It is nearly straight, bowing down a little so that the corner turns
    // up, as a jack's closed jaws do.
    const QPointF end(eye.x() + 4, eye.y() + 27);
    const QPointF sag = (tip + end) / 2 + QPointF(-0.8, 1.4);
    // The upper jaw bone: narrow at the snout, widening to a rounded end.
    QPainterPath jaw(tip + QPointF(0.5, -1.5));
    jaw.quadTo((tip + end) / 2 + QPointF(-1, -4.5), end + QPointF(-1, -5.5));
    jaw.quadTo(end + QPointF(3.5, -3), end + QPointF(0.5, 0.5));
    jaw.quadTo(sag, tip);
    jaw.closeSubpath();
    // A bony plate under thin skin: shaded below, lit along its top, its
    // rear end standing out over the cheek.
    QLinearGradient plate(end + QPointF(0, -6), end + QPointF(0, 1));
    plate.setColorAt(0, QColor(236, 236, 222, 80));
    plate.setColorAt(0.6, QColor(160, 166, 150, 100));
    plate.setColorAt(1, QColor(96, 104, 90, 150));
    p.fillPath(jaw, plate);
    paintGlow(p, end + QPointF(-3, -3.5), 4, QColor(255, 255, 240, 80));
    // Its edge shows where the plate stands free of the cheek at its rear;
    // forward it lies flush under the skin of the snout and is lost.
    for (const auto &[shift, colour, width] : {std::tuple{0.8, QColor(0, 10, 0, 40), 1.4},
                                               std::tuple{0.0, QColor(50, 60, 50, 120), 0.6}}) {
        QLinearGradient fade(tip, end);
        fade.setColorAt(0, withAlpha(colour, 0));
        fade.setColorAt(0.45, withAlpha(colour, colour.alpha() / 4));
        fade.setColorAt(1, colour);
        p.setPen(QPen(QBrush(fade), width));
        p.setBrush(Qt::NoBrush);
        p.drawPath(QTransform::fromTranslate(shift, shift).map(jaw));
    }
    // The gape itself, in shadow under the jaw bone's lower edge.
    // It closes tight at the snout and is deepest in shadow there, fading
    // where the jaw bone overlaps it towards the corner.
    QLinearGradient shut(tip, end);
    shut.setColorAt(0, QColor(24, 28, 24, 235));
    shut.setColorAt(1, QColor(24, 28, 24, 120));
    p.setPen(QPen(QBrush(shut), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve(tip, sag, end + QPointF(0.5, 0.5)));
    // The lower jaw, its edge running back under the gape to the throat.
    const QPainterPath chin =
        curve(tip + QPointF(1, 2.5), sag + QPointF(-1, 5), end + QPointF(-2, 8));
    stroke(p, QTransform::fromTranslate(0, 0.9).map(chin), QColor(255, 255, 240, 50), 0.8);
    stroke(p, chin, QColor(60, 70, 60, 130), 0.9);
    // Firm lips round the front of both jaws, the lower jutting a little
    // past the upper, each a rounded pad of the snout's own silver.
    const QColor skin = colourUnder(p, tip + QPointF(8, -7), QColor(200, 204, 196));
    p.setClipping(false);
    const QPointF along = (end - tip) / 3.0;
    for (const auto &[off, thick, shade] :
         {std::tuple{-1.0, 1.2, 108}, std::tuple{1.6, 1.6, 125}}) {
        const QPainterPath spine =
            curve(tip + QPointF(-1.2, off * 0.6), tip + along * 0.5 + QPointF(0, off), tip + along);
        const QPainterPath pad = ribbon(spine, {thick * 0.9, thick, thick * 0.7, thick * 0.25});
        const QRectF r = pad.boundingRect();
        QLinearGradient round(r.topLeft(), r.bottomLeft());
        round.setColorAt(0, skin.lighter(112));
        round.setColorAt(1, skin.darker(shade));
        p.fillPath(pad, round);
        stroke(p, QTransform::fromTranslate(0, off * 0.6).map(spine), QColor(40, 48, 40, 80), 0.5);
    }
}

} // namespace

// A deep silvery jack with a steep blunt head and a greenish-bronze back:
// black spots on the gill cover and at the pectoral base, a keel of scutes
// before the yellowish, deeply forked tail.
void paintCrevalleJack(QPainter &p, double w, double h)
{
    const Canvas canvas(p, w, h);
    paintWater(p, Canvas::frame, 0.5);

    const BodyShape shape{{38, 134}, 220, 96, 0.4, 0.62, 0.1, 0.62, 0.06, -0.02, 0.7, 0, 0.88};
    const QPainterPath body = bodyOutline(shape);
    const Fin caudal = tail(TailKind::Forked, {252, 123}, 12, 62, 136, 0.55);

    const QColor olive(90, 105, 80, 200), yellow(220, 190, 90, 215);
    const QColor oliveRay(40, 50, 40, 150), yellowRay(130, 110, 50, 140);
    paintFin(p, caudal, QColor(215, 190, 90, 225), yellowRay, 18);
    // A low spiny first dorsal; the second dorsal and the anal fin rise to a
    // sickle lobe in front and run on low to the tail.
    paintFin(p,
             spinyFin(shape.at(0.38, -0.97), {shape.at(0.41, -1.2), shape.at(0.47, -1.16)},
                      shape.at(0.52, -0.97), 8, 0, 0.25),
             olive, oliveRay, 0);
    paintFin(p,
             spinyFin(shape.at(0.55, -0.94),
                      {shape.at(0.57, -1.5), shape.at(0.6, -2.35) + QPointF(16, 0),
                       shape.at(0.66, -1.3), shape.at(0.72, -1.12), shape.at(0.85, -1.18)},
                      shape.at(0.95, -0.6), 1, 20, 0.1),
             olive, oliveRay, 0);
    paintFin(p,
             spinyFin(shape.at(0.62, 0.92),
                      {shape.at(0.65, 1.55), shape.at(0.68, 2.3) + QPointF(16, 0),
                       shape.at(0.74, 1.3), shape.at(0.78, 1.14), shape.at(0.87, 1.22)},
                      shape.at(0.95, 0.6), 1, 17, 0.1),
             yellow, yellowRay, 0);

    fillBody(p, body, QColor(78, 100, 66), QColor(200, 206, 200), QColor(232, 214, 140), 0.45);
    {
        // A bronze sheen high on the flank.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        paintGlow(p, {150, 95}, 90, QColor(200, 170, 90, 90));
    }
    {
        // Silver is a mirror: the flank throws back the light in long soft
        // bands that run with the scale rows, brighter and darker by turns,
        // each starting and fading out at its own place.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        for (int k = 0; k < 9; ++k) {
            const double across = -0.7 + k * 0.19 + 0.04 * std::sin(k * 2.7);
            const double from = 0.2 + 0.08 * std::abs(std::sin(k * 1.9));
            const double to = 0.78 + 0.14 * std::abs(std::cos(k * 2.3));
            const double wide = 1.6 + 1.4 * std::abs(std::sin(k * 1.3));
            const QPainterPath band = stripeAlong(
                shape, across, from, to, {0.2 * wide, wide, 1.3 * wide, wide, 0.2 * wide}, 0.012);
            const bool lit = k % 3 != 1;
            QLinearGradient fade(shape.at(from, across), shape.at(to, across));
            const QColor tone = lit ? QColor(255, 255, 250) : QColor(60, 76, 70);
            const int alpha = lit ? 34 + int(16 * std::sin(k * 2.1)) : 30;
            fade.setColorAt(0, withAlpha(tone, 0));
            fade.setColorAt(0.3, withAlpha(tone, alpha));
            fade.setColorAt(0.7, withAlpha(tone, alpha));
            fade.setColorAt(1, withAlpha(tone, 0));
            p.fillPath(band, fade);
        }
        // The breast in front of the pelvic fins is bare of scales but for
        // a small patch, smooth and a shade paler than the scaled flank.
        paintGlow(p, shape.at(0.25, 0.62), 16, QColor(246, 240, 214, 80));
    }
    // The scales are small and set close, showing as a fine grain that
    // catches the light in the mid-tones, lost on the bare breast.
    paintScaleRows(p, body.subtracted(oval(shape.at(0.25, 0.66), 16, 11)), shape, 2.6,
                   QColor(255, 255, 255, 100), 0.6, ScaleStyle::Fine);
    paintScaleRows(p, body.subtracted(oval(shape.at(0.25, 0.66), 16, 11)), shape, 2.6,
                   QColor(50, 60, 50, 60), 0.5, ScaleStyle::Crescent);
    {
        // The bronze of the back does not fade evenly into the silver: it
        // breaks up along its lower edge in soft clouds over the scale rows.
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        for (int k = 0; k < 9; ++k) {
            const double along = 0.2 + k * 0.085 + 0.02 * std::sin(k * 2.9);
            paintGlow(p, shape.at(along, -0.45 + 0.08 * std::sin(k * 1.7)),
                      9 + 4 * std::abs(std::sin(k * 2.3)), QColor(90, 100, 60, 65));
        }
    }
    modelBody(p, body, caudal.base.x1());

    // The lateral line arches high over the pectoral fin, then bends down
    // into the keel of scutes along the stalk.
    const double keel = shape.at(0.8, 0).y();
    QPainterPath lateral(shape.at(0.27, -0.55));
    lateral.cubicTo(shape.at(0.45, -0.7), shape.at(0.62, -0.3), shape.at(0.75, 0));
    lateral.lineTo(shape.at(1, 0) + QPointF(4, 0));
    {
        // A row of pored scales, not a drawn line: short dark pores one
        // after the next, a lit edge above them.
        const Saved pores(p);
        p.setClipPath(body, Qt::IntersectClip);
        QPen pen(QColor(60, 72, 62, 95), 0.75, Qt::CustomDashLine, Qt::RoundCap);
        pen.setDashPattern({2.6, 1.2, 2.1, 1.5, 3.0, 1.1, 2.4, 1.6, 1.9, 1.3});
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(lateral);
        stroke(p, QTransform::fromTranslate(0, -0.8).map(lateral), QColor(255, 255, 250, 45), 0.6);
    }
    // The scutes: bony shields, each keeled along the middle and overlapping
    // the one behind it as scales do, largest halfway along the row.
    const double first = shape.at(0.74, 0).x();
    {
        // The row stands proud of the stalk, so it casts a shadow below it.
        const Saved shade(p);
        p.setClipPath(body, Qt::IntersectClip);
        stroke(p, curve({first + 4, keel + 3.5}, {first + 34, keel + 6}, {first + 66, keel + 3}),
               QColor(0, 10, 20, 30), 3.2);
        // The scutes are skin-covered scales, so they take the body's own
        // silver and olive, only a little lighter on the crest.
        // Spaced by their size, closer where they are small at either end,
        // and each set a touch off the line.
        std::vector<double> at{first};
        for (int i = 1; i < 16; ++i)
            at.push_back(at.back() + 2.9 + 1.6 * std::sin(std::numbers::pi * (i + 0.5) / 16.0));
        for (int i = 15; i >= 0; --i) {
            const double x = at[size_t(i)];
            const double y = keel + 0.35 * std::sin(i * 2.3 + 0.4);
            const double half = 1.6 + 2.3 * std::sin(std::numbers::pi * (i + 0.5) / 16.0);
            QPainterPath scute(QPointF(x, y));
            scute.cubicTo(QPointF(x, y - half * 1.2), QPointF(x + 6, y - half),
                          QPointF(x + 9.5, y));
            scute.cubicTo(QPointF(x + 6, y + half), QPointF(x, y + half * 1.2), QPointF(x, y));
            // Each shield stands out of the skin: lit above its keel, in
            // shade below it, its free rear edge darker where it overlaps.
            QLinearGradient g(QPointF(0, y - half), QPointF(0, y + half));
            g.setColorAt(0, QColor(214, 218, 204, 190));
            g.setColorAt(0.45, QColor(198, 202, 188, 190));
            g.setColorAt(0.6, QColor(136, 142, 126, 190));
            g.setColorAt(1, QColor(160, 162, 140, 150));
            p.fillPath(scute, g);
            QLinearGradient rear(QPointF(x, y), QPointF(x + 9.5, y));
            rear.setColorAt(0, QColor(50, 56, 46, 20));
            rear.setColorAt(0.7, QColor(50, 56, 46, 60));
            rear.setColorAt(1, QColor(50, 56, 46, 140));
            p.setPen(QPen(QBrush(rear), 0.6));
            p.setBrush(Qt::NoBrush);
            p.drawPath(scute);
            // The keel: a low ridge, lit along its crest, pointing back.
            stroke(p, curve({x + 1, y - 0.2}, {x + 5.5, y - 0.3}, {x + 9.5, y}),
                   QColor(60, 66, 54, 130), 0.6);
            stroke(p, curve({x + 1, y - 0.8}, {x + 5.5, y - 0.9}, {x + 9, y - 0.6}),
                   QColor(255, 255, 255, 110), 0.45);
        }
    }

    const QPointF eye = shape.at(0.125, -0.4);
    const double gill = gillAt(shape, eye, 2.2);
    paintGillCover(p, body, shape, eye, gill, Opercle::Jack, QColor(40, 50, 40));
    paintJackJaws(p, body, shape.snout + QPointF(0.5, -1.5), eye);
    {
        // The black spot on the upper rear corner of the gill cover is
        // pigment in its skin: it lies along the curve of the cover's edge,
        // which ends it, blurs out forward, and darkens the cover's own
        // light and shade rather than hiding them.
        const QPainterPath rim =
            curveThrough({shape.at(gill - 0.07, -0.66), shape.at(gill - 0.008, -0.38),
                          shape.at(gill + 0.014, 0.02)});
        QPainterPath cover = rim;
        cover.connectPath(QTransform::fromTranslate(-24, 0).map(rim).toReversed());
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        p.setClipPath(cover, Qt::IntersectClip);
        p.setCompositionMode(QPainter::CompositionMode_Multiply);
        for (int i = 0; i < 7; ++i) {
            const double t = 0.3 + i * 0.045;
            const double a = rim.angleAtPercent(t) * std::numbers::pi / 180.0;
            // Forward of the edge, square to it.
            const QPointF inward(std::sin(a), std::cos(a));
            const double middle = std::sin(std::numbers::pi * (i + 0.5) / 7.0);
            paintGlow(p, rim.pointAtPercent(t) + inward * (2.0 + 0.6 * middle), 3.0 + 2.6 * middle,
                      QColor(20, 24, 20, int(150 + 105 * middle)));
        }
    }
    paintPelvicPair(p, pelvicFin(body, shape.at(gill + 0.02, 0), 10, 26, 62),
                    QColor(230, 210, 150, 200), yellowRay);
    // The long sickle pectoral of an open-water hunter. The black spot at its
    // base lies in the armpit and on the roots of the lowest rays, seen
    // through the fin's thin membrane.
    const Fin pectoral =
        fanFin(shape.at(gill + 0.02, 0.04), shape.at(gill + 0.01, 0.3), 96, 14, 22, 1, 16);
    const QPointF armpit = pectoral.base.p2() + QPointF(4, 0.5);
    paintGlow(p, armpit, 7.5, QColor(15, 15, 15, 150));
    paintPectoral(p, body, pectoral, QColor(206, 172, 70, 232), yellowRay.darker(115));
    {
        // A smudge, not a blot: dark where the rays leave the body and fading
        // out along them, the membrane's sheen and its rays lying over it.
        const Saved onFin(p);
        p.setClipPath(pectoral.shape, Qt::IntersectClip);
        p.translate(armpit + QPointF(7.5, -1.8));
        p.rotate(12);
        p.setCompositionMode(QPainter::CompositionMode_Multiply);
        for (int i = 0; i < 7; ++i)
            paintGlow(p, QPointF(-6 + i * 2.6, 0.6 - 0.15 * i), 6.0 - 0.4 * i,
                      QColor(24, 24, 20, 255 - 20 * i));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        paintGlow(p, QPointF(0, 0.5), 9, QColor(206, 172, 70, 40));
        for (int i = 0; i < 4; ++i)
            stroke(p,
                   curve(QPointF(-7, -1.6 + i * 1.3), QPointF(1, -1.9 + i * 1.35),
                         QPointF(9, -1.3 + i * 0.9)),
                   QColor(200, 180, 120, 45), 0.45);
    }
    paintNaturalEye(p, eye, 6.8, QColor(215, 190, 110), familyEye(Opercle::Jack));
    // The clear fatty eyelid of a jack, a film over the front and back of the eye.
    for (const double side : {-1.0, 1.0})
        paintGlow(p, eye + QPointF(side * 7.5, 0), 5.5, QColor(236, 236, 220, 70));
}

} // namespace fishart
