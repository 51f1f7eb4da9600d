// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

// The face and the paired fins as a field guide draws them.
namespace fishkit {

namespace {

constexpr double pi = std::numbers::pi;

QPointF heading(double degrees)
{
    const double a = degrees * pi / 180.0;
    return {std::cos(a), std::sin(a)};
}

// A line of the head: a soft shadow on the side away from the light, then the
// edge itself and a glint along the lit side, as a bony edge shows on skin.
void paintEdge(QPainter &p, const QPainterPath &line, QColor colour, QPointF away, double weight)
{
    for (int i = 4; i >= 1; --i)
        stroke(p, QTransform::fromTranslate(away.x() * i * 1.1, away.y() * i * 1.1).map(line),
               withAlpha(colour, int(colour.alpha() * 0.09 * (5 - i) * weight)), 1.6);
    stroke(p, QTransform::fromTranslate(-away.x() * 1.1, -away.y() * 1.1).map(line),
           QColor(255, 255, 255, int(40 * weight)), 1.4);
    stroke(p, line, colour, 0.9 * weight);
}

} // namespace

void paintNaturalEye(QPainter &p, QPointF centre, double radius, QColor iris)
{
    const Saved s(p);
    p.setPen(Qt::NoPen);
    // The socket: skin darkening softly towards the eyeball, lit below.
    QRadialGradient socket(centre, radius * 1.5);
    socket.setColorAt(0.6, QColor(0, 0, 0, 70));
    socket.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setBrush(socket);
    p.drawEllipse(centre, radius * 1.5, radius * 1.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 55), radius * 0.14));
    p.drawArc(QRectF(centre.x() - radius * 1.18, centre.y() - radius * 1.18, radius * 2.36,
                     radius * 2.36),
              200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(14, 14, 18));
    p.drawEllipse(centre, radius, radius);
    QRadialGradient ring(centre, radius * 0.92);
    ring.setColorAt(0.45, iris.lighter(125));
    ring.setColorAt(0.75, iris);
    ring.setColorAt(1.0, iris.darker(190));
    p.setBrush(ring);
    p.drawEllipse(centre, radius * 0.9, radius * 0.9);
    // The fold of skin above the eye shades its upper part.
    QLinearGradient lid(centre - QPointF(0, radius), centre);
    lid.setColorAt(0, QColor(0, 0, 0, 120));
    lid.setColorAt(1, QColor(0, 0, 0, 0));
    p.setBrush(lid);
    p.drawEllipse(centre, radius * 0.9, radius * 0.9);
    QRadialGradient pupil(centre, radius * 0.5);
    pupil.setColorAt(0, QColor(0, 0, 0));
    pupil.setColorAt(0.85, QColor(6, 8, 12));
    pupil.setColorAt(1, QColor(20, 22, 28));
    p.setBrush(pupil);
    p.drawEllipse(centre, radius * 0.5, radius * 0.5);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(centre + QPointF(-0.28, -0.3) * radius, radius * 0.12, radius * 0.11);
}

double gillAt(const BodyShape &shape, QPointF eye, double factor)
{
    return (eye.x() - shape.snout.x()) / shape.length * factor;
}

void paintGillCover(QPainter &p, const QPainterPath &body, const BodyShape &shape, QPointF eye,
                    double gill, Opercle kind, QColor line, QColor spine)
{
    if (Silhouette::active(p))
        return;
    const Saved s(p);
    p.setClipPath(body, Qt::IntersectClip);
    const BodyShape &b = shape;
    const double eyeAt = (eye.x() - b.snout.x()) / b.length;
    const double pre = eyeAt + (gill - eyeAt) * 0.55;
    QPainterPath opercle;
    QPainterPath preopercle;
    switch (kind) {
    case Opercle::Perch:
        // The opercle runs from its upper angle behind the eye back to its
        // rounded rear edge, then forward under the throat; the preopercle
        // is an L with a rounded corner between the eye and the opercle.
        opercle =
            curveThrough({b.at(gill - 0.05, -0.62), b.at(gill - 0.005, -0.3), b.at(gill, 0.05),
                          b.at(gill - 0.025, 0.45), b.at(gill - 0.055, 0.72)});
        preopercle = curveThrough({b.at(pre, -0.1), b.at(pre + 0.005, 0.25), b.at(pre - 0.01, 0.46),
                                   b.at(pre - 0.03, 0.56)});
        break;
    case Opercle::Angel: {
        // A short, upright preopercle whose corner runs out into a long spine
        // lying back along the lower cheek; the opercle behind it is small.
        opercle = curveThrough({b.at(gill - 0.03, -0.45), b.at(gill, -0.1), b.at(gill - 0.01, 0.2),
                                b.at(gill - 0.05, 0.42)});
        const QPointF corner = b.at(pre - 0.02, 0.42);
        preopercle = curveThrough({b.at(pre, -0.18), b.at(pre + 0.004, 0.1), b.at(pre - 0.005, 0.3),
                                   corner, b.at(pre - 0.07, 0.48)});
        const QPointF point = b.at(gill + 0.01, 0.5);
        // The spine grows out of the bone with a broad root, so it takes
        // the bone's colour there and its own only towards the point.
        QPainterPath blade(corner + QPointF(-3, -4));
        blade.quadTo((corner + point) / 2 + QPointF(0, -1.4), point);
        blade.quadTo((corner + point) / 2 + QPointF(0, 2.4), corner + QPointF(-3.5, 3));
        blade.quadTo(corner + QPointF(-5, 0), corner + QPointF(-3, -4));
        const QColor fill = spine.isValid() ? spine : line;
        p.fillPath(QTransform::fromTranslate(0.8, 1.4).map(blade), QColor(0, 0, 0, 50));
        QLinearGradient grow(corner + QPointF(-4, 0), point);
        grow.setColorAt(0, withAlpha(line, 60));
        grow.setColorAt(0.45, withAlpha(fill, 200));
        grow.setColorAt(1, fill);
        p.fillPath(blade, grow);
        stroke(p, curve(corner, (corner + point) / 2 + QPointF(0, -0.8), point),
               withAlpha(fill.lighter(160), 150), 0.7);
        break;
    }
    case Opercle::Butterfly:
        // A small rounded opercle behind the eye; the preopercle hides under
        // the skin, and drawn it reads as a mark behind the eye.
        opercle = curveThrough({b.at(gill - 0.04, -0.3), b.at(gill - 0.005, -0.1), b.at(gill, 0.1),
                                b.at(gill - 0.03, 0.3), b.at(gill - 0.07, 0.4)});
        break;
    case Opercle::Surgeon:
        // One long edge from high behind the eye, sloping down and forward
        // to the throat, with the preopercle a faint line beside the eye.
        opercle = curveThrough({b.at(gill - 0.01, -0.62), b.at(gill + 0.012, -0.3),
                                b.at(gill - 0.005, 0.1), b.at(gill - 0.045, 0.5),
                                b.at(gill - 0.1, 0.85)});
        preopercle = curveThrough({b.at(pre - 0.02, -0.2), b.at(pre - 0.01, 0.15),
                                   b.at(pre - 0.04, 0.45), b.at(pre - 0.085, 0.62)});
        break;
    }
    // A butterflyfish's thin skin hides the bone's edge but for a faint line.
    const double shown = kind == Opercle::Butterfly ? 0.4 : 1.0;
    paintEdge(p, opercle, withAlpha(line, int(150 * shown)), {1, 0}, shown);
    paintEdge(p, preopercle, withAlpha(line, 55), {0.8, 0.5}, 0.5);
}

void paintMouth(QPainter &p, const BodyShape &shape, double mouth, QColor line)
{
    if (Silhouette::active(p))
        return;
    // The gape slopes down and back from the snout tip; the upper lip rolls
    // over it as a fleshy fold lit from above, the lower jaw closes under it
    // with a shadow along its edge, and on a longer mouth the upper jaw bone
    // shows as a plate that widens back to its rounded end above the corner.
    const QPointF tip = shape.snout + QPointF(0.4, 0.5);
    const QPointF end = tip + QPointF(mouth, mouth * 0.22);
    const QPointF sag(0, mouth * 0.05);
    const double lip = std::clamp(mouth * 0.14, 0.9, 2.6);
    const QPainterPath gape = curve(tip, (tip + end) / 2 + sag, end);
    stroke(p, QTransform::fromTranslate(0, lip * 0.7).map(gape), withAlpha(line, 45), lip * 1.2);
    stroke(p, QTransform::fromTranslate(0, -lip * 0.55).map(gape), QColor(255, 255, 255, 45),
           lip * 0.8);
    stroke(p, gape, withAlpha(line, 210), std::clamp(mouth * 0.08, 0.8, 1.4));
    // The chin: the lower jaw's edge curving back under the gape.
    stroke(p,
           curve(tip + QPointF(0.6, lip * 1.6),
                 (tip + end) / 2 + QPointF(0, lip * 1.9 + mouth * 0.05),
                 end + QPointF(-mouth * 0.15, lip * 1.2)),
           withAlpha(line, 55), 0.7);
    if (mouth > 6) {
        const QPointF hinge = end + QPointF(mouth * 0.06, -mouth * 0.05);
        QPainterPath bone(tip + QPointF(mouth * 0.3, -lip * 0.6));
        bone.quadTo(end + QPointF(-mouth * 0.25, -mouth * 0.22), hinge + QPointF(0, -mouth * 0.2));
        bone.quadTo(hinge + QPointF(mouth * 0.1, -mouth * 0.08), hinge);
        stroke(p, bone, withAlpha(line, 85), 0.8);
        stroke(p, QTransform::fromTranslate(-0.6, -0.7).map(bone), QColor(255, 255, 255, 35), 0.7);
    }
}

void paintNostril(QPainter &p, const BodyShape &shape, QPointF eye, double size, QColor line)
{
    if (Silhouette::active(p))
        return;
    // Two small openings on the snout ahead of the eye, the front one
    // raised on a short rim.
    const QPointF a = shape.snout + (eye - shape.snout) * 0.55 + QPointF(0, -size * 0.4);
    const QPointF b = a + QPointF(size * 1.3, -size * 0.15);
    for (const QPointF &c : {a, b}) {
        paintDisc(p, c, size * 0.5, size * 0.36, withAlpha(line, 150));
        stroke(p,
               curve(c + QPointF(-size * 0.5, size * 0.35), c + QPointF(0, size * 0.6),
                     c + QPointF(size * 0.5, size * 0.35)),
               QColor(255, 255, 255, 50), 0.5);
    }
}

void paintLateralLine(QPainter &p, const QPainterPath &body, const BodyShape &shape, double from,
                      double across, QColor colour, double arch)
{
    if (Silhouette::active(p))
        return;
    // The line runs from the top of the gill cover parallel to the back,
    // arching highest over the pectoral fin and dropping to the middle of
    // the stalk; each scale it pierces shows as a short dash along it.
    std::vector<QPointF> line;
    for (int k = 0; k <= 20; ++k) {
        const double t = from + (0.99 - from) * k / 20.0;
        const double v = double(k) / 20.0;
        line.push_back(shape.at(t, across * (1.0 - v * v) - arch * std::sin(v * pi) * 0.2));
    }
    const QPainterPath path = curveThrough(line);
    const Saved s(p);
    p.setClipPath(body, Qt::IntersectClip);
    stroke(p, QTransform::fromTranslate(0, 0.8).map(path), QColor(255, 255, 255, 40), 0.9);
    QPen pen(colour, 0.9, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({2.6, 1.4});
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void paintHead(QPainter &p, const QPainterPath &body, const BodyShape &shape, QPointF eye,
               double gill, double mouth, QColor line)
{
    paintGillCover(p, body, shape, eye, gill, Opercle::Perch, line);
    const Saved s(p);
    p.setClipPath(body, Qt::IntersectClip);
    paintMouth(p, shape, mouth, line);
    paintNostril(p, shape, eye, std::clamp(shape.depth * 0.018, 0.9, 1.8), line);
}

Fin fanFin(QPointF top, QPointF bottom, double length, double angle, double spread, double point,
           int rays)
{
    const int count = std::max(3, rays);
    const double k = std::clamp(point, 0.0, 1.0);
    std::vector<QPointF> tips;
    for (int i = 0; i < count; ++i) {
        const double u = double(i) / (count - 1);
        const double fan = 0.6 + 0.4 * std::sin(pi * (0.18 + 0.82 * u));
        const double wing = u < 0.15 ? 0.9 + u / 0.15 * 0.1 : 1.0 - 0.78 * (u - 0.15) / 0.85;
        const QPointF root = top + (bottom - top) * ((i + 0.5) / count);
        const QPointF tip =
            root + heading(angle - spread * (0.5 - u)) * length * (fan + (wing - fan) * k);
        tips.push_back(tip);
    }
    // Through every other tip, so the free edge runs smooth past the rays.
    std::vector<QPointF> rim{top};
    for (int i = 0; i < count; i += 2)
        rim.push_back(tips[i]);
    if (count % 2 == 0)
        rim.push_back(tips.back());
    rim.push_back(bottom);
    Fin f = finAlong(rim);
    f.tips = tips;
    return f;
}

Fin pelvicFin(const QPainterPath &body, QPointF inside, double base, double length, double angle,
              double filament, int rays)
{
    // A triangle hinged on the belly: a stiff spine along its leading edge,
    // soft rays fanning back behind it, each shorter than the one before, so
    // that the trailing edge runs back up to the rear of a broad base. The
    // root reaches a little into the body, so the fin grows out of the belly.
    const double span = std::max(base, length * 0.3);
    const QPointF front = rimPoint(body, inside, 1) - QPointF(0, 0.6);
    const QPointF rear = rimPoint(body, inside + QPointF(span, 0), 1) - QPointF(0, 0.6);
    const QPointF along = heading(angle);
    const QPointF out(along.y(), -along.x());
    const QPointF tip = front + along * length;
    const QPointF inner = rear + heading(angle - 30) * length * 0.3;
    Fin f;
    f.base = QLineF(front, rear);
    f.spines = 1;
    f.tips.push_back(front + along * length * 0.86 - out * length * 0.03);
    const int count = std::max(3, rays);
    for (int i = 1; i < count; ++i) {
        const double u = double(i - 1) / (count - 2);
        // The first soft rays reach furthest, the last barely past the base.
        const QPointF a = tip + (inner - tip) * std::pow(u, 0.8);
        f.tips.push_back(a + out * length * 0.05 * std::sin(u * pi));
    }
    if (filament > 0)
        f.tips[1] = tip + heading(angle - 6) * filament;
    std::vector<QPointF> edge{front, front + along * length * 0.5 - out * length * 0.035};
    if (filament > 0) {
        edge.push_back(tip - out * length * 0.02);
        edge.push_back(f.tips[1]);
        edge.push_back(tip + along * length * 0.02 + out * length * 0.1);
    } else {
        edge.push_back(tip + out * length * 0.02);
    }
    // The trailing edge runs nearly straight, a little hollow, between the rays' ends.
    edge.push_back((tip + inner) / 2 + out * length * 0.01);
    edge.push_back(inner);
    edge.push_back(rear);
    f.edge = curveThrough(edge);
    f.shape = f.edge;
    f.shape.lineTo(rear - QPointF(0, 1.2));
    f.shape.lineTo(front - QPointF(0, 1.2));
    f.shape.closeSubpath();
    f.shape.setFillRule(Qt::WindingFill);
    return f;
}

void paintPectoral(QPainter &p, const QPainterPath &body, const Fin &f, QColor membrane, QColor ray)
{
    if (!Silhouette::active(p)) {
        const Saved shade(p);
        p.setClipPath(body, Qt::IntersectClip);
        p.fillPath(QTransform::fromTranslate(1.5, 2.5).map(f.shape), QColor(0, 10, 30, 40));
        // The fleshy base, in the shadow of the gill cover.
        const QPointF mid = f.base.center();
        const QPointF side = QPointF(-f.base.dy(), f.base.dx()) / std::max(1.0, f.base.length());
        paintGlow(p, mid - side * 1.5, f.base.length() * 0.7, QColor(0, 10, 30, 60));
    }
    paintSheerFin(p, f, membrane, ray, 0);
}

void modelBody(QPainter &p, const QPainterPath &body, double tailRoot, QColor outline,
               double strength)
{
    if (Silhouette::active(p))
        return;
    const QRectF r = body.boundingRect();
    const double depth = r.height();
    const auto shifted = [&body](double dy) { return QTransform::fromTranslate(0, dy).map(body); };
    {
        const Saved s(p);
        p.setClipPath(body, Qt::IntersectClip);
        // The back turns away from the light, in bands that follow its line.
        for (int i = 1; i <= 8; ++i)
            p.fillPath(body.subtracted(shifted(depth * 0.032 * i)),
                       QColor(0, 8, 24, int(10 * strength)));
        // The belly curves under into shadow.
        for (int i = 1; i <= 6; ++i)
            p.fillPath(body.subtracted(shifted(-depth * 0.03 * i)),
                       QColor(0, 8, 24, int(9 * strength)));
        // A sheen along the upper flank, shaped by the outline above it.
        QTransform squeeze;
        squeeze.translate(0, r.top() + depth * 0.36);
        for (int i = 0; i < 8; ++i) {
            QTransform band = squeeze;
            band.scale(1.0 - 0.025 * i, 0.34 - 0.04 * i);
            band.translate(0, -(r.top() + depth * 0.36));
            p.fillPath(band.map(body), QColor(255, 255, 255, int(8 * strength)));
        }
    }
    const Saved s(p);
    QPainterPath keep;
    keep.addRect(QRectF(r.left() - 2, r.top() - 2, tailRoot - r.left() + 2, depth + 4));
    p.setClipPath(keep, Qt::IntersectClip);
    p.setPen(QPen(outline, 0.9));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
}

void paintScaleRows(QPainter &p, const QPainterPath &area, const BodyShape &shape, double size,
                    QColor rim, double width)
{
    if (Silhouette::active(p))
        return;
    const Saved s(p);
    p.setClipPath(area, Qt::IntersectClip);
    p.setBrush(Qt::NoBrush);
    const QRectF box = area.boundingRect();
    const double rows = std::ceil(box.height() / (size * 0.62));
    for (int row = 0; row <= int(rows); ++row) {
        // Rows run from the back to the belly, spaced by the body's depth.
        const double across = -1.3 + 2.6 * row / rows;
        double t = 0.18 + (row % 2) * 0.5 * size / shape.length;
        while (t < 1.02) {
            const QPointF c = shape.at(t, across);
            // Largest over the middle of the flank, smaller towards the head,
            // towards the fins along back and belly and down the stalk.
            const double head = 0.6 + 0.4 * std::clamp((t - 0.16) / 0.26, 0.0, 1.0);
            const double stalk = 1.0 - 0.35 * std::clamp((t - 0.72) / 0.28, 0.0, 1.0);
            const double local = std::max(0.45, (1.0 - 0.45 * across * across) * head * stalk);
            const double fade = std::clamp((t - 0.18) / 0.14, 0.0, 1.0) *
                                (1.0 - 0.55 * std::min(1.0, std::abs(across)));
            const double d = size * local;
            // No two scale edges catch the light alike, and each pocket has
            // a lit rim in front of the dark edge of the scale before it.
            const double catchLight = 0.6 + 0.4 * std::sin(t * 97.0 + row * 2.3);
            const int alpha = int(rim.alpha() * fade * catchLight);
            p.setPen(QPen(withAlpha(rim, alpha), width, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(c.x() - d * 0.5, c.y() - d * 0.5, d, d), -60 * 16, 120 * 16);
            p.setPen(
                QPen(QColor(255, 255, 255, alpha / 4), width * 0.8, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(c.x() - d * 0.62, c.y() - d * 0.5, d, d), -45 * 16, 90 * 16);
            t += d / shape.length;
        }
    }
}

void paintScalpel(QPainter &p, QPointF at, double length, QColor blade, QColor socket)
{
    if (Silhouette::active(p))
        return;
    const double w = length * 0.12;
    const QPointF front = at - QPointF(length * 0.55, 0);
    const QPointF back = at + QPointF(length * 0.45, 0);
    // The skin round the groove is pale, so the spine shows from afar.
    {
        const Saved s(p);
        p.translate(at);
        p.scale(1.0, 0.42);
        const QColor pale = blade.lightness() > socket.lightness() ? blade : socket;
        paintGlow(p, {0, 0}, length * 0.85, withAlpha(pale.lighter(105), 150));
    }
    // The groove the spine folds into, a slit a little longer than the spine.
    stroke(
        p,
        curve(front - QPointF(1, -w * 0.6), at + QPointF(0, w * 0.9), back + QPointF(2, w * 0.3)),
        socket, w * 0.7);
    // Sharp in front, broad at its hinge behind, the lower edge straight.
    QPainterPath spine(front);
    spine.quadTo(at + QPointF(length * 0.05, -w * 1.1), back + QPointF(0, -w * 0.7));
    spine.lineTo(back + QPointF(length * 0.04, w * 0.3));
    spine.lineTo(front + QPointF(length * 0.1, w * 0.35));
    spine.closeSubpath();
    p.fillPath(spine, blade);
    stroke(p, spine, blade.darker(170), 0.4);
}

void paintBeakPlates(QPainter &p, const QPainterPath &body, QPointF tip, double size, QColor colour)
{
    if (Silhouette::active(p))
        return;
    // Two plates of fused teeth, an upper and a lower, bulge a little out of
    // the snout; they meet along a dark seam that runs back into the corner
    // of the mouth, and the lips fold over their roots behind.
    const double s = size * 0.9;
    const auto at = [tip, s](double x, double y) { return tip + QPointF((x + 0.14) * s, y * s); };
    QPainterPath upper(at(0.62, -0.5));
    upper.cubicTo(at(0.3, -0.62), at(-0.14, -0.42), at(-0.16, -0.1));
    upper.quadTo(at(-0.15, 0.04), at(-0.06, 0.07));
    upper.quadTo(at(0.28, 0.1), at(0.6, 0.1));
    upper.quadTo(at(0.72, -0.2), at(0.62, -0.5));
    QPainterPath lower(at(0.56, 0.16));
    lower.quadTo(at(0.26, 0.15), at(-0.02, 0.14));
    lower.quadTo(at(-0.1, 0.2), at(-0.04, 0.34));
    lower.cubicTo(at(0.06, 0.52), at(0.3, 0.58), at(0.52, 0.52));
    lower.quadTo(at(0.64, 0.36), at(0.56, 0.16));
    const Saved saved(p);
    // The mouth's shadow behind the plates.
    p.fillPath(QTransform::fromTranslate(s * 0.04, s * 0.05).map(upper.united(lower)),
               QColor(0, 0, 0, 70));
    for (const auto &[plate, lit] : {std::pair{upper, true}, std::pair{lower, false}}) {
        const QRectF r = plate.boundingRect();
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, withAlpha(colour.lighter(lit ? 125 : 110), 250));
        g.setColorAt(1, withAlpha(colour.darker(lit ? 110 : 135), 250));
        p.fillPath(plate, g);
        {
            const Saved clip(p);
            p.setClipPath(plate, Qt::IntersectClip);
            // The fused teeth: small scallops along the cutting edge.
            const double y = lit ? 0.06 : 0.18;
            for (int i = 0; i < 5; ++i) {
                const QPointF c = at(-0.02 + i * 0.13, y + 0.008 * i);
                const double r2 = s * 0.075;
                p.setPen(QPen(withAlpha(colour.darker(170), 110), 0.45));
                p.setBrush(Qt::NoBrush);
                p.drawArc(QRectF(c.x() - r2, c.y() - r2, 2 * r2, 2 * r2), lit ? 180 * 16 : 0,
                          180 * 16);
            }
            paintGlow(p, lit ? at(0.12, -0.36) : at(0.2, 0.44), s * 0.3,
                      lit ? QColor(255, 255, 255, 90) : QColor(0, 0, 0, 50));
        }
        stroke(p, plate, withAlpha(colour.darker(230), 150), 0.5);
    }
    // The seam, running back into the corner of the mouth.
    stroke(p, curve(at(-0.08, 0.11), at(0.3, 0.14), at(0.78, 0.16)), QColor(20, 14, 14, 200),
           std::max(0.7, s * 0.05));
    // The lips: a fold of skin over the root of each plate, shaded on the
    // plate's side and lit along its crest.
    p.setClipPath(body, Qt::IntersectClip);
    for (const QPainterPath &fold : {curve(at(0.18, -0.62), at(0.66, -0.46), at(0.74, 0.08)),
                                     curve(at(0.74, 0.2), at(0.62, 0.55), at(0.22, 0.62))}) {
        stroke(p, QTransform::fromTranslate(-s * 0.06, 0).map(fold), QColor(0, 0, 0, 70), s * 0.12);
        stroke(p, QTransform::fromTranslate(s * 0.04, 0).map(fold), QColor(255, 255, 255, 55),
               s * 0.08);
    }
}

} // namespace fishkit
