// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"

#include "backdrop.h"
#include "fishkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace anatomy {

void paintNaturalEye(QPainter &p, QPointF centre, double radius, QColor iris, double pupil)
{
    p.save();
    p.setPen(Qt::NoPen);
    // The skin round the eyeball, only a little darker where the socket is deep.
    QRadialGradient socket(centre - QPointF(0, radius * 0.1), radius * 1.2);
    socket.setColorAt(0.8, QColor(20, 18, 16, 70));
    socket.setColorAt(1.0, QColor(20, 18, 16, 0));
    p.setBrush(socket);
    p.drawEllipse(centre, radius * 1.2, radius * 1.15);
    QRadialGradient ball(centre + QPointF(radius * 0.15, radius * 0.2), radius);
    ball.setColorAt(0.0, iris.lighter(125));
    ball.setColorAt(0.75, iris);
    ball.setColorAt(1.0, iris.darker(190));
    p.setBrush(ball);
    p.drawEllipse(centre, radius, radius);
    // Every eye its own: the grain of the iris, where it is darker, the
    // shape of the pupil and the window of light are drawn from its place.
    QRandomGenerator own(quint32(std::lround(centre.x() * 131 + centre.y() * 71 + radius * 977)));
    // The iris darkens towards one side, most often below, where the
    // pigment is heaviest, and is shaded by the brow above.
    QLinearGradient cast(centre - QPointF(0, radius), centre + QPointF(0, radius));
    const bool darkBelow = own.bounded(4) != 0;
    cast.setColorAt(0.0, QColor(0, 0, 0, darkBelow ? 0 : 70));
    cast.setColorAt(1.0, QColor(0, 0, 0, darkBelow ? 70 : 0));
    p.setBrush(cast);
    p.drawEllipse(centre, radius, radius);
    // Uneven radial flecks and a few pale streaks give the iris its grain.
    const int flecks = 14 + own.bounded(12);
    for (int i = 0; i < flecks; ++i) {
        const double a = (i + own.generateDouble() * 0.7) * 2 * std::numbers::pi / flecks;
        const QPointF d(std::cos(a), std::sin(a));
        const bool pale = own.bounded(5) == 0;
        p.setPen(QPen(pale ? QColor(255, 245, 210, 40) : QColor(0, 0, 0, 20 + own.bounded(25)),
                      radius * (0.04 + own.generateDouble() * 0.05)));
        p.drawLine(centre + d * radius * (pupil + 0.06),
                   centre + d * radius * (0.7 + own.generateDouble() * 0.24));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(6, 6, 10));
    p.drawEllipse(centre, radius * pupil, radius * pupil * 0.96);
    // The gap in front of the lens, through which the fish looks forward,
    // draws the pupil out a little towards the snout on some eyes.
    if (own.bounded(2) == 0) {
        QPainterPath gap(centre + QPointF(0, -radius * pupil * 0.7));
        gap.quadTo(centre + QPointF(-radius * pupil * 1.35, -radius * pupil * 0.1),
                   centre + QPointF(0, radius * pupil * 0.7));
        gap.closeSubpath();
        p.drawPath(gap);
    }
    // The brow's shadow over the top of the eyeball.
    QRadialGradient brow(centre - QPointF(0, radius * 1.1), radius * 1.2);
    brow.setColorAt(0.0, QColor(0, 0, 0, 110));
    brow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setBrush(brow);
    p.drawEllipse(centre, radius, radius);
    // A small soft reflection of the surface, never a bright cartoon dot,
    // and never quite in the same place or of the same strength.
    p.setBrush(QColor(230, 240, 245, 70 + own.bounded(60)));
    const double glint = std::clamp(radius * (0.06 + own.generateDouble() * 0.05), 0.35, 0.9);
    p.drawEllipse(
        centre + QPointF(-0.2 - own.generateDouble() * 0.3, -0.2 - own.generateDouble() * 0.3) *
                     radius * pupil,
        glint * (1.0 + own.generateDouble() * 0.6), glint);
    p.restore();
}

void paintFang(QPainter &p, QPointF root, double down, double length)
{
    const fishkit::Saved s(p);
    p.setPen(QPen(QColor(110, 100, 84, 130), 0.18));
    const double half = 0.2 + length * 0.085;
    const QPointF tip = root + QPointF(length * 0.34, down * length);
    // A slender fang curving back to its tip, ivory rather than white, dull
    // where it leaves the gum.
    QPainterPath fang(root - QPointF(half, 0));
    fang.cubicTo(root + QPointF(-half * 0.6, down * length * 0.55),
                 root + QPointF(length * 0.12, down * length * 0.9), tip);
    fang.cubicTo(root + QPointF(half * 1.6, down * length * 0.7),
                 root + QPointF(half * 1.4, down * length * 0.3), root + QPointF(half, 0));
    fang.closeSubpath();
    QLinearGradient along(root, tip);
    along.setColorAt(0.0, QColor(176, 150, 128));
    along.setColorAt(0.35, QColor(226, 216, 190));
    along.setColorAt(1.0, QColor(246, 240, 222));
    p.setBrush(along);
    p.drawPath(fang);
    // Lit on its front face, in shadow along the back one, so it reads round.
    QLinearGradient across(root - QPointF(half, 0), root + QPointF(half * 1.6, 0));
    across.setColorAt(0.0, QColor(255, 255, 250, 70));
    across.setColorAt(0.5, QColor(255, 255, 250, 0));
    across.setColorAt(1.0, QColor(96, 80, 60, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(across);
    p.drawPath(fang);
}

void paintFangRow(QPainter &p, QPointF from, QPointF to, double down, int count, double length)
{
    // Real fangs are uneven: some long, some broken or half grown, and not
    // evenly spaced along the jaw.
    static constexpr double sizes[] = {1.0, 0.42, 0.78, 0.3, 0.92, 0.55, 0.36, 0.7, 0.48};
    static constexpr double gaps[] = {0.0, 0.28, -0.22, 0.15, -0.3, 0.2, -0.1, 0.32, -0.18};
    for (int i = 0; i < count; ++i) {
        const double t = std::clamp((i + 0.5 + gaps[i % 9]) / count, 0.0, 1.0);
        const double l = length * sizes[(i * 4 + count) % 9] * (1.0 - 0.4 * t);
        if (l >= 0.5)
            paintFang(p, from + (to - from) * t, down, l);
    }
}

QPainterPath paintGrownPectoral(QPainter &p, QPointF upper, QPointF lower,
                                std::initializer_list<QPointF> edge, QColor skin, QColor membrane,
                                QColor ray)
{
    const fishkit::Saved s(p);
    std::vector<QPointF> rim{upper};
    rim.insert(rim.end(), edge.begin(), edge.end());
    rim.push_back(lower);
    QPainterPath outer(upper);
    for (std::size_t i = 1; i + 1 < rim.size(); ++i)
        outer.quadTo(rim[i], (rim[i] + rim[i + 1]) / 2);
    outer.lineTo(lower);
    QPainterPath shape = outer;
    const QPointF root = (upper + lower) / 2;
    const QPointF far = rim[rim.size() / 2];
    shape.quadTo(root + (root - far) * 0.08, upper);
    const double span = QLineF(root, far).length();
    const int count = std::clamp(int(span / 2.6), 9, 16);
    std::vector<QPointF> from, to;
    for (int i = 0; i <= count; ++i) {
        const double t = double(i) / count;
        from.push_back(upper + (lower - upper) * t);
        to.push_back(outer.pointAtPercent(0.02 + 0.96 * t));
    }
    // At the rim the membrane is nicked in between the ray tips.
    for (int i = 1; i < count; ++i) {
        const QPointF at = to[i], in = (root - at) / std::max(1e-6, QLineF(root, at).length());
        const QPointF along(-in.y(), in.x());
        QPainterPath nick(at + in * 1.6);
        nick.lineTo(at - in * 1.2 + along * 0.9);
        nick.lineTo(at - in * 1.2 - along * 0.9);
        nick.closeSubpath();
        shape = shape.subtracted(nick);
    }
    // The fin lies close to the flank and shades it a little below.
    p.setPen(Qt::NoPen);
    for (int k = 1; k <= 3; ++k)
        p.fillPath(shape.translated(0.6 * k, 0.9 * k), QColor(0, 0, 0, 16));
    QLinearGradient along(root, far);
    along.setColorAt(0.0, skin);
    along.setColorAt(0.3, backdrop::withAlpha(skin, (skin.alpha() + membrane.alpha()) / 2));
    along.setColorAt(1.0, membrane);
    p.fillPath(shape, along);
    p.setClipPath(shape, Qt::IntersectClip);
    // Rays fan out from the base, more of them on a bigger fin. The membrane
    // between them is pleated, each fold catching the light a little
    // differently.
    for (int i = 0; i < count; ++i) {
        QPainterPath pleat(from[i]);
        pleat.lineTo(to[i] + (to[i] - from[i]) * 0.1);
        pleat.lineTo(to[i + 1] + (to[i + 1] - from[i + 1]) * 0.1);
        pleat.lineTo(from[i + 1]);
        pleat.closeSubpath();
        const double fold = std::sin(i * 2.1 + 0.5) + 0.6 * std::sin(i * 0.9);
        const int shade = int(6 + 8 * std::abs(fold));
        p.fillPath(pleat,
                   fold > 0 ? QColor(255, 250, 240, shade) : backdrop::withAlpha(ray, shade));
    }
    for (int i = 0; i < count; ++i) {
        // The rays are not evenly spaced nor of one weight: the leading ray
        // is the stoutest, the others thin out down the fin, and each bows a
        // little more than the one above it as the fin trails back.
        const double t = std::clamp((i + 0.5 + 0.2 * std::sin(i * 2.7 + 1.1)) / count, 0.02, 0.98);
        const double weight = 0.32 + 0.6 * (1.0 - t) * (1.0 - t) + (i == 0 ? 0.3 : 0.0);
        const QPointF start = upper + (lower - upper) * t;
        const QPointF tip = outer.pointAtPercent(0.05 + 0.9 * t);
        const QPointF end = tip + (tip - start) * 0.1;
        const double length = QLineF(start, end).length();
        QPointF bow = QPointF(-(end - start).y(), (end - start).x()) / std::max(1e-6, length);
        if (bow.y() > 0)
            bow = -bow;
        const QPainterPath axis =
            backdrop::curve(start, (start + end) / 2 + bow * length * (0.025 + 0.05 * t), end);
        // Each ray plain near the base and fading out towards the thin rim.
        QLinearGradient fading(start, end);
        fading.setColorAt(0.0, ray);
        fading.setColorAt(1.0, backdrop::withAlpha(ray, ray.alpha() / 4));
        p.fillPath(fishkit::ribbon(axis, {weight * 1.1, weight, weight * 0.5}), fading);
        backdrop::stroke(p, axis.translated(-0.3, -0.35), QColor(255, 250, 240, 30), weight * 0.6);
    }
    // The fleshy base keeps the body's colour and light.
    QRadialGradient base(root, QLineF(root, far).length() * 0.45);
    base.setColorAt(0.0, backdrop::withAlpha(skin, 200));
    base.setColorAt(1.0, backdrop::withAlpha(skin, 0));
    p.fillPath(shape, base);
    return shape;
}

void paintClearPectoral(QPainter &p, QPointF upper, QPointF lower,
                        std::initializer_list<QPointF> edge, QColor tint, QColor shell)
{
    const fishkit::Saved s(p);
    const QPointF root = (upper + lower) / 2;
    const QPointF across = lower - upper;
    const QPointF back = QPointF(-across.y(), across.x()) * -0.25;
    // The notch the fin sits in, which is also the gill opening: a crescent
    // hollow bowed forward, tapering to nothing at both ends so that it never
    // reads as a ruled edge, shaded inside and lit along its rear lip.
    QPainterPath notch(upper);
    notch.quadTo(root - back * 0.9, lower);
    notch.quadTo(root - back * 0.25, upper);
    p.fillPath(notch, backdrop::withAlpha(shell.darker(240), 55));
    backdrop::stroke(p, backdrop::curve(upper + back * 0.1, root - back * 0.15, lower + back * 0.1),
                     backdrop::withAlpha(shell.lighter(135), 60), 0.6);
    std::vector<QPointF> rim{upper};
    rim.insert(rim.end(), edge.begin(), edge.end());
    rim.push_back(lower);
    QPainterPath outer = fishkit::curveThrough(rim);
    QPainterPath shape = outer;
    shape.quadTo(root - back * 0.2, upper);
    const QPointF far = rim[rim.size() / 2];
    // Held a little off the flank, the thin fin throws a faint shadow on it.
    p.fillPath(shape.translated(0.9, 1.3), backdrop::withAlpha(shell.darker(220), 22));
    // Thin and clear, so the pattern behind shows through almost unveiled:
    // the fin is told by its rays and its rim, not by a tinted patch.
    QLinearGradient veil(root, far);
    veil.setColorAt(0.0, backdrop::withAlpha(tint.lighter(112), 70));
    veil.setColorAt(0.5, backdrop::withAlpha(tint.lighter(118), 30));
    veil.setColorAt(0.75, backdrop::withAlpha(tint.lighter(118), 30));
    veil.setColorAt(1.0, backdrop::withAlpha(tint.lighter(125), 45));
    p.fillPath(shape, veil);
    backdrop::stroke(p, outer, backdrop::withAlpha(shell.darker(190), 70), 0.5);
    p.setClipPath(shape, Qt::IntersectClip);
    // The thin rim of membrane catches the light.
    backdrop::stroke(p, outer, QColor(255, 250, 235, 45), 0.8);
    // At its root the fin is fleshy and keeps the colour of the shell it
    // grows from, clearing within a short way.
    {
        QRadialGradient flesh(root, QLineF(root, far).length() * 0.4);
        flesh.setColorAt(0.0, backdrop::withAlpha(shell, 170));
        flesh.setColorAt(0.6, backdrop::withAlpha(shell, 60));
        flesh.setColorAt(1.0, backdrop::withAlpha(shell, 0));
        p.fillPath(shape, flesh);
    }
    // Many fine soft rays, not quite evenly spaced, each branching out of
    // sight long before the rim: seen as faint creases near the root that
    // fade into the clear membrane.
    const int count = 15;
    for (int i = 0; i < count; ++i) {
        const double t = (i + 0.5 + 0.22 * std::sin(i * 2.3)) / count;
        const QPointF from = upper + across * t;
        const QPointF to = outer.pointAtPercent(0.04 + 0.92 * t);
        const QPointF end =
            from + (to - from) * (0.62 + 0.2 * std::cos(i * 1.7) * std::cos(i * 0.6));
        const QPointF bow = (from + end) / 2 + QPointF(0.4, -0.5);
        QLinearGradient shade(from, end), light(from, end);
        shade.setColorAt(0.0, backdrop::withAlpha(shell.darker(200), 110));
        shade.setColorAt(1.0, backdrop::withAlpha(shell.darker(200), 0));
        light.setColorAt(0.0, QColor(255, 250, 235, 90));
        light.setColorAt(1.0, QColor(255, 250, 235, 0));
        // The leading ray is the stoutest, the rest thinning down the fin.
        const double weight = 0.3 + 0.4 * (1.0 - t) * (1.0 - t) + (i == 0 ? 0.35 : 0.0);
        const QPainterPath ray = backdrop::curve(from, bow, end);
        p.strokePath(ray.translated(0.3, 0.3),
                     QPen(shade, weight * 1.1, Qt::SolidLine, Qt::RoundCap));
        p.strokePath(ray, QPen(light, weight, Qt::SolidLine, Qt::RoundCap));
    }
}

void paintSharkEye(QPainter &p, QPointF centre, double rx, double ry, QColor skin)
{
    p.save();
    p.setPen(Qt::NoPen);
    QPainterPath almond(centre - QPointF(rx, 0));
    almond.quadTo(centre + QPointF(-rx * 0.1, -ry * 1.5), centre + QPointF(rx, -ry * 0.1));
    almond.quadTo(centre + QPointF(rx * 0.1, ry * 1.3), centre - QPointF(rx, 0));
    // The socket sinks a little into the head round the eye.
    QRadialGradient socket(centre, rx * 1.8);
    socket.setColorAt(0.5, QColor(10, 10, 14, 60));
    socket.setColorAt(1.0, QColor(10, 10, 14, 0));
    p.setBrush(socket);
    p.drawEllipse(centre, rx * 1.8, ry * 2.0);
    QRadialGradient iris(centre + QPointF(rx * 0.2, ry * 0.3), rx);
    iris.setColorAt(0.0, QColor(70, 74, 62));
    iris.setColorAt(0.7, QColor(34, 36, 32));
    iris.setColorAt(1.0, QColor(12, 12, 14));
    p.setBrush(iris);
    p.drawPath(almond);
    p.setBrush(QColor(4, 4, 6));
    p.drawEllipse(centre, rx * 0.16, ry * 0.8);
    // The upper lid of skin overhangs the eye.
    QPainterPath lid(centre - QPointF(rx * 1.15, ry * 0.1));
    lid.quadTo(centre + QPointF(0, -ry * 1.9), centre + QPointF(rx * 1.15, -ry * 0.2));
    lid.quadTo(centre + QPointF(0, -ry * 0.9), centre - QPointF(rx * 1.15, ry * 0.1));
    p.setBrush(skin.darker(125));
    p.drawPath(lid);
    p.setBrush(QColor(230, 235, 240, 150));
    p.drawEllipse(centre + QPointF(-rx * 0.35, -ry * 0.25), rx * 0.14, ry * 0.14);
    p.restore();
}

void paintPlateEdge(QPainter &p, const QPainterPath &edge, QPointF behind, QColor skin, QColor line,
                    double weight)
{
    backdrop::stroke(p, edge.translated(behind), backdrop::withAlpha(line, 30), weight * 4.5);
    backdrop::stroke(p, edge.translated(behind * 0.45), backdrop::withAlpha(line, 55),
                     weight * 2.0);
    backdrop::stroke(p, edge, backdrop::withAlpha(line, 175), weight * 0.75);
    backdrop::stroke(p, edge.translated(-behind * 0.55),
                     backdrop::withAlpha(skin.lighter(140), 110), weight * 0.7);
}

void paintStarCoral(QPainter &p, const QPainterPath &dome, double cup, QColor colour)
{
    const QRectF box = dome.boundingRect();
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, colour.lighter(115));
    g.setColorAt(0.5, colour.darker(115));
    g.setColorAt(1, colour.darker(220));
    p.fillPath(dome, g);
    const fishkit::Saved s(p);
    p.setClipPath(dome, Qt::IntersectClip);
    QRandomGenerator rng(303);
    // The living tissue between the cups is mottled, not a flat fill.
    paintMottle(p, dome, cup * 0.8, backdrop::withAlpha(colour.darker(150), 60),
                backdrop::withAlpha(colour.lighter(130), 45), 304);
    for (const QPointF &c :
         fishkit::spreadPoints(dome.united(dome.translated(0, -cup)), cup, cup * 0.42, 33)) {
        // Cups grow to their own sizes, crowding and leaving gaps, and turn
        // away with the dome towards its top and sides.
        if (rng.bounded(9) == 0)
            continue;
        const double r = cup * (0.32 + 0.24 * std::pow(rng.generateDouble(), 1.4));
        const double side = std::abs(c.x() - box.center().x()) / (box.width() / 2);
        const double squash = (0.4 + 0.6 * std::min(1.0, (c.y() - box.top() + cup * 0.3) / 90.0)) *
                              (1.0 - 0.25 * side * side);
        const double light = std::clamp(1.0 - (c.y() - box.top()) / box.height() * 1.4, 0.25, 1.0);
        fishkit::paintDisc(p, c + QPointF(0, r * squash * 0.25), r * 1.1, r * squash * 1.1,
                           QColor(30, 40, 20, 90));
        // Each polyp its own tint, as on a living colony: greenish, brown,
        // grey or ochre at the centre, the wall a little paler or darker.
        static constexpr QRgb hearts[] = {qRgb(70, 140, 84), qRgb(96, 112, 60), qRgb(110, 96, 70),
                                          qRgb(84, 110, 100), qRgb(130, 116, 58)};
        const QColor heart = QColor::fromRgb(hearts[rng.bounded(5)]).darker(90 + rng.bounded(30));
        const QColor wall = colour.lighter(int(92 + rng.bounded(22)));
        QRadialGradient rim(c + QPointF(0, r * 0.08), r);
        rim.setColorAt(0.0, heart);
        rim.setColorAt(0.4, backdrop::blend(heart, colour.darker(150), 0.6));
        rim.setColorAt(0.78, wall.lighter(int(108 + 40 * light)));
        rim.setColorAt(1.0, wall.darker(112));
        const fishkit::Saved q(p);
        p.translate(c);
        p.scale(1.0, squash);
        p.translate(-c);
        // Crowded cups press into each other, so none is a true circle.
        std::vector<QPointF> edge;
        const double start = rng.generateDouble() * 2 * std::numbers::pi;
        for (int k = 0; k < 9; ++k) {
            const double a = start + k * 2 * std::numbers::pi / 9;
            const double reach = r * (0.88 + 0.2 * rng.generateDouble());
            edge.emplace_back(c + QPointF(std::cos(a), std::sin(a)) * reach);
        }
        const QPainterPath cupPath = backdrop::smoothClosedPath(edge.data(), int(edge.size()));
        p.setPen(Qt::NoPen);
        p.fillPath(cupPath, rim);
        p.setPen(QPen(backdrop::withAlpha(colour.lighter(150), int(110 * light)),
                      std::max(0.5, r / 14)));
        const int septa = 12 + 2 * int(rng.bounded(4));
        const double turn = rng.generateDouble();
        for (int k = 0; k < septa; ++k) {
            const double a = (k + turn) * 2 * std::numbers::pi / septa;
            const QPointF d(std::cos(a), std::sin(a));
            p.drawLine(c + d * r * (0.36 + 0.1 * rng.generateDouble()),
                       c + d * r * ((k % 2 ? 0.72 : 0.88) + 0.1 * rng.generateDouble()));
        }
        // The hollow at the centre is shaded on its upper wall, where the
        // rim keeps the light out, and lit low down.
        const double mouth = r * (0.14 + 0.12 * rng.generateDouble());
        fishkit::paintGlow(p, c - QPointF(0, mouth * 0.6), mouth * 2.2,
                           backdrop::withAlpha(heart.darker(260), 150));
        fishkit::paintDisc(p, c - QPointF(0, mouth * 0.25),
                           mouth * (0.9 + 0.4 * rng.generateDouble()), mouth * 0.8,
                           QColor(20, 30, 16, 200 + int(rng.bounded(50))));
        // Some polyps are out, their short tentacles a pale fuzz over the cup.
        if (rng.bounded(4) == 0) {
            const QColor tentacle = backdrop::withAlpha(heart.lighter(160), 110);
            for (int k = 0; k < 16; ++k) {
                const double a = k * 2 * std::numbers::pi / 16 + rng.generateDouble() * 0.3;
                const QPointF d(std::cos(a), std::sin(a));
                backdrop::stroke(
                    p, backdrop::curve(c + d * r * 0.3, c + d * r * 0.7, c + d * r * 1.05),
                    tentacle, std::max(0.4, r / 10));
            }
        }
    }
    // The dome curves away from the light at its foot.
    QLinearGradient foot(box.topLeft(), box.bottomLeft());
    foot.setColorAt(0.3, QColor(0, 20, 30, 0));
    foot.setColorAt(1.0, QColor(0, 20, 30, 150));
    p.fillRect(box, foot);
}

void paintMottle(QPainter &p, const QPainterPath &area, double size, QColor dark, QColor light,
                 quint32 seed)
{
    const fishkit::Saved s(p);
    p.setClipPath(area, Qt::IntersectClip);
    const QRectF box = area.boundingRect();
    QRandomGenerator rng(seed);
    const int patches = int(box.width() * box.height() / (size * size * 0.9));
    for (int i = 0; i < patches; ++i) {
        const QPointF c(box.left() + rng.bounded(box.width()),
                        box.top() + rng.bounded(box.height()));
        const QColor tone = rng.bounded(2) == 0 ? dark : light;
        const fishkit::Saved one(p);
        p.translate(c);
        p.rotate(rng.bounded(180.0));
        p.scale(1.0, 0.45 + rng.bounded(0.55));
        fishkit::paintGlow(p, {0, 0}, size * (0.4 + rng.bounded(0.8)),
                           backdrop::withAlpha(tone, int(tone.alpha() * (0.5 + rng.bounded(0.5)))));
    }
}

void paintRodStem(QPainter &p, const QPainterPath &rod, double width, QColor colour,
                  QRandomGenerator &rng)
{
    const QPainterPath stem =
        fishkit::ribbon(rod, {width, width * 0.9, width * 0.72, width * 0.55});
    const QPointF end = rod.pointAtPercent(1.0);
    const double tipRadius = width * 0.55 / 2;
    p.fillPath(stem, colour.darker(125));
    fishkit::paintDisc(p, end, tipRadius, tipRadius, colour.darker(125));
    fishkit::paintDisc(p, end + QPointF(-0.3, -0.2), tipRadius * 0.7, tipRadius * 0.7,
                       backdrop::withAlpha(colour, 230));
    p.fillPath(fishkit::ribbon(rod, {width * 0.62, width * 0.55, width * 0.44, width * 0.3})
                   .translated(-width * 0.14, -width * 0.06),
               backdrop::withAlpha(colour, 230));
    p.fillPath(fishkit::ribbon(rod, {width * 0.22, width * 0.2, width * 0.16, width * 0.1})
                   .translated(-width * 0.24, -width * 0.1),
               backdrop::withAlpha(colour.lighter(128), 120));
    const double length = rod.length();
    const int pores = int(length / 1.6);
    const fishkit::Saved s(p);
    p.setClipPath(stem, Qt::IntersectClip);
    for (int i = 0; i < pores; ++i) {
        const double t = 0.02 + 0.97 * rng.generateDouble();
        // Clusters: skip about half the pores where a slow wave runs low.
        if (std::sin(t * length * 0.09 + width) + rng.generateDouble() < 0.1)
            continue;
        const double a = rod.angleAtPercent(t) * std::numbers::pi / 180.0;
        const QPointF n(std::sin(a), std::cos(a));
        const double across = rng.generateDouble() * 2 - 1;
        const double half = width * (1 - 0.45 * t) / 2;
        const QPointF at = rod.pointAtPercent(t) + n * across * half * 0.9;
        // Pores on the rounded flanks are seen obliquely, as slits.
        const double r = 0.6 + 0.7 * rng.generateDouble();
        const double squash = std::sqrt(std::max(0.15, 1 - across * across));
        fishkit::paintDisc(p, at, r * (0.6 + 0.4 * squash), r,
                           backdrop::withAlpha(colour.lighter(140), 95));
        fishkit::paintDisc(p, at + QPointF(0.15, 0.15), r * 0.32 * squash, r * 0.36,
                           backdrop::withAlpha(colour.darker(170), 130));
    }
    p.setClipping(false);
    for (int i = 0; i < pores / 5; ++i) {
        const double t = 0.05 + 0.93 * rng.generateDouble();
        const double a = rod.angleAtPercent(t) * std::numbers::pi / 180.0;
        const QPointF d(std::cos(a), -std::sin(a));
        const QPointF n(-d.y(), d.x());
        const double side = rng.bounded(2) ? 1.0 : -1.0;
        const double half = width * (1 - 0.45 * t) / 2;
        const QPointF root = rod.pointAtPercent(t) + n * side * half * 0.85;
        const QPointF tip =
            root + n * side * (1.2 + 1.4 * rng.generateDouble()) + d * (rng.generateDouble() - 0.3);
        backdrop::stroke(p, backdrop::curve(root, (root + tip) / 2 + d * 0.4, tip),
                         backdrop::withAlpha(colour.lighter(160), 110), 0.6);
    }
}

void paintFreckles(QPainter &p, const QPainterPath &area, double spacing, double rMin, double rMax,
                   QColor colour, quint32 seed, QPointF largest, double reach)
{
    QRandomGenerator rng(seed);
    const fishkit::Saved s(p);
    p.setClipPath(area, Qt::IntersectClip);
    for (const QPointF &c : fishkit::spreadPoints(area, spacing, spacing * 0.6, seed)) {
        // Gaps where a spot or two is missing, so the spacing is never even.
        if (rng.bounded(6) == 0)
            continue;
        const double grade =
            reach > 0 ? std::exp(-std::pow(QLineF(c, largest).length() / reach, 2.0)) : 0.6;
        const double r =
            rMin + (rMax - rMin) * grade * (0.45 + 0.7 * rng.generateDouble()) + rMin * 0.1;
        // Where the body turns away near its outline the spot is seen
        // obliquely, narrowed across the edge.
        QPointF away;
        int outside = 0;
        for (int k = 0; k < 8; ++k) {
            const double a = k * std::numbers::pi / 4;
            const QPointF d(std::cos(a), std::sin(a));
            if (!area.contains(c + d * spacing * 1.3)) {
                away += d;
                ++outside;
            }
        }
        const double squash = 1.0 - 0.55 * std::min(1.0, outside / 3.0);
        const double turn = outside > 0 ? std::atan2(away.y(), away.x()) * 180 / std::numbers::pi
                                        : rng.bounded(180.0);
        QPointF rim[7];
        for (int k = 0; k < 7; ++k) {
            const double a = 2 * std::numbers::pi * k / 7,
                         out = r * (0.75 + 0.4 * rng.generateDouble());
            rim[k] = QPointF(std::cos(a) * out * squash, std::sin(a) * out);
        }
        const fishkit::Saved spot(p);
        p.translate(c);
        p.rotate(turn);
        p.fillPath(
            backdrop::smoothClosedPath(rim, 7),
            backdrop::withAlpha(colour, int(colour.alpha() * (0.7 + 0.3 * rng.generateDouble()))));
    }
}

void paintShadedEdge(QPainter &p, const QPainterPath &shape, QColor colour, double width)
{
    // The light comes from above and a little from the left: the edge shows
    // as a darkening of the body's own colour on the far side, and not at
    // all where the body turns towards the light.
    // The light's direction is the picture's, however the painter is turned
    // or mirrored for this body.
    const QTransform inverse = p.worldTransform().inverted();
    QPointF towards = inverse.map(QPointF(-0.5, -1.0)) - inverse.map(QPointF(0, 0));
    towards *= std::hypot(0.5, 1.0) / std::max(1e-9, std::hypot(towards.x(), towards.y()));
    for (const auto &[reach, share] : {std::pair{width * 2.4, 3}, {width, 1}}) {
        const QPainterPath rim = shape.subtracted(shape.translated(towards * reach));
        p.fillPath(rim, backdrop::withAlpha(colour, colour.alpha() / share));
    }
}

void paintSoftShadow(QPainter &p, const QPainterPath &shape, QPointF offset, int alpha)
{
    if (fishkit::Silhouette::active(p))
        return;
    const fishkit::Saved s(p);
    p.translate(offset);
    p.setBrush(Qt::NoBrush);
    // Many fine steps, so the penumbra falls off smoothly with no rings.
    for (int i = 14; i >= 1; --i) {
        p.setPen(QPen(QColor(40, 30, 10, std::max(1, alpha / 12)), i * 1.3, Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(shape);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 30, 10, alpha));
    p.drawPath(shape);
}

} // namespace anatomy
