// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fishkit.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

// The eye of each family, in its orbit.
namespace fishkit {

namespace {

constexpr double pi = std::numbers::pi;

} // namespace

EyeLook familyEye(Opercle kind)
{
    EyeLook look;
    switch (kind) {
    case Opercle::Jack:
        look.notch = 0.35;
        look.ring = QColor(226, 196, 110);
        look.pupil = 0.5;
        look.rim = 0.16;
        look.glint = {-0.34, -0.22};
        break;
    case Opercle::Serrate:
        look.notch = 0.3;
        look.ring = QColor(214, 176, 86);
        look.pupil = 0.5;
        look.glintSize = 0.16;
        break;
    case Opercle::Parrot:
        look.spokes = QColor(60, 150, 150);
        look.ring = QColor(236, 150, 60);
        look.pupil = 0.42;
        look.rim = 0.22;
        look.glint = {-0.2, -0.36};
        look.glintSize = 0.14;
        look.glintAlpha = 90;
        break;
    case Opercle::Butterfly:
        look.bar = QColor(14, 14, 18, 215);
        look.pupil = 0.6;
        look.glintAlpha = 80;
        break;
    case Opercle::Angel:
        look.pupil = 0.5;
        look.rim = 0.12;
        look.glint = {-0.18, -0.38};
        look.glintSize = 0.24;
        look.glintAlpha = 80;
        break;
    case Opercle::Surgeon:
        look.pupil = 0.58;
        look.rim = 0.18;
        look.glint = {-0.3, -0.18};
        look.glintSize = 0.12;
        break;
    case Opercle::Perch:
        look.notch = 0.2;
        look.pupil = 0.64;
        look.glint = {-0.36, -0.26};
        look.glintSize = 0.26;
        look.glintAlpha = 100;
        break;
    }
    return look;
}

void paintNaturalEye(QPainter &p, QPointF centre, double radius, QColor iris, const EyeLook &look)
{
    const Saved s(p);
    p.setPen(Qt::NoPen);
    // A fleshy rim stands round the orbit in the colour of the skin it
    // grows from, lit along its lower edge.
    if (look.rim > 0) {
        const QColor skin = colourUnder(p, centre + QPointF(radius * 1.9, radius * 0.4), iris);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(skin.lighter(112), 150), radius * look.rim * 1.4));
        p.drawEllipse(centre, radius * (1.06 + look.rim * 0.5), radius * (1.04 + look.rim * 0.5));
        p.setPen(QPen(withAlpha(skin.darker(150), 110), radius * look.rim * 0.5));
        p.drawArc(QRectF(centre.x() - radius * 1.02, centre.y() - radius * 1.02, radius * 2.04,
                         radius * 2.04),
                  200 * 16, 150 * 16);
        p.setPen(Qt::NoPen);
    }
    // The socket: skin darkening softly towards the eyeball, lit below.
    QRadialGradient socket(centre, radius * 1.45);
    socket.setColorAt(0.62, QColor(0, 0, 0, 60));
    socket.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setBrush(socket);
    p.drawEllipse(centre, radius * 1.45, radius * 1.45);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 40), radius * 0.12));
    p.drawArc(QRectF(centre.x() - radius * 1.14, centre.y() - radius * 1.14, radius * 2.28,
                     radius * 2.28),
              210 * 16, 120 * 16);
    p.setPen(Qt::NoPen);
    // The eyeball is a dome: the iris darkens towards its rim and into the
    // shadow of the orbit above, and is lit from the front below.
    QRadialGradient ring(centre + QPointF(-0.15, 0.2) * radius, radius * 1.05);
    ring.setColorAt(0.0, iris.darker(105));
    ring.setColorAt(0.5, iris);
    ring.setColorAt(0.82, iris.darker(115));
    ring.setColorAt(1.0, iris.darker(220));
    p.setBrush(ring);
    p.drawEllipse(centre, radius, radius);
    // Fine radial fibres and flecks keep the iris from reading as a flat ring.
    if (radius > 2.5) {
        const Saved fibres(p);
        p.setClipPath(oval(centre, radius * 0.95, radius * 0.95), Qt::IntersectClip);
        const int count = 18 + int(radius * 2);
        for (int i = 0; i < count; ++i) {
            const double a = 2.0 * pi * i / count + 0.13 * std::sin(i * 7.1);
            const QPointF dir(std::cos(a), std::sin(a));
            const bool lit = i % 3 == 0;
            p.setPen(QPen(lit ? withAlpha(iris.lighter(150), 45) : withAlpha(iris.darker(200), 55),
                          radius * 0.06, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(centre + dir * radius * 0.55, centre + dir * radius * (0.8 + 0.1 * (i % 2)));
        }
    }
    // Some irises are streaked boldly from the pupil outwards, unevenly.
    if (look.spokes.isValid() && radius > 2.5) {
        const Saved streaks(p);
        p.setClipPath(oval(centre, radius * 0.94, radius * 0.94), Qt::IntersectClip);
        for (int i = 0; i < 7; ++i) {
            const double a = 2.0 * pi * i / 7.0 + 0.35 * std::sin(i * 2.3);
            const QPointF dir(std::cos(a), std::sin(a));
            p.setPen(QPen(withAlpha(look.spokes, 120 + 60 * (i % 2)),
                          radius * (0.12 + 0.06 * std::abs(std::sin(i * 1.7))), Qt::SolidLine,
                          Qt::RoundCap));
            p.drawLine(centre + dir * radius * 0.45, centre + dir * radius * 0.9);
        }
    }
    // Pigment of a bar through the head runs on across the iris.
    if (look.bar.isValid()) {
        const Saved barClip(p);
        p.setClipPath(oval(centre, radius, radius), Qt::IntersectClip);
        QLinearGradient across(centre - QPointF(radius, 0), centre + QPointF(radius, 0));
        across.setColorAt(0.0, withAlpha(look.bar, look.bar.alpha() / 3));
        across.setColorAt(0.3, look.bar);
        across.setColorAt(0.7, look.bar);
        across.setColorAt(1.0, withAlpha(look.bar, look.bar.alpha() / 3));
        p.setBrush(across);
        p.drawEllipse(centre, radius, radius);
    }
    // A dark limbus where the iris meets the skin.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(iris.darker(300), 110), std::max(0.4, radius * 0.1)));
    p.drawEllipse(centre, radius * 0.96, radius * 0.96);
    p.setPen(Qt::NoPen);
    // The pupil, a little forward of centre as a fish's is, soft at the edge.
    const QPointF pupilAt = centre + QPointF(-0.04, 0.02) * radius;
    const double pr = radius * look.pupil;
    if (look.ring.isValid()) {
        QRadialGradient band(pupilAt, pr * 1.45);
        band.setColorAt(0.6, withAlpha(look.ring, 0));
        band.setColorAt(0.72, withAlpha(look.ring, 220));
        band.setColorAt(0.84, withAlpha(look.ring, 150));
        band.setColorAt(1.0, withAlpha(look.ring, 0));
        p.setBrush(band);
        p.drawEllipse(pupilAt, pr * 1.45, pr * 1.45);
    }
    QRadialGradient pupil(pupilAt, pr);
    pupil.setColorAt(0, QColor(2, 3, 6));
    pupil.setColorAt(0.78, QColor(6, 8, 12));
    pupil.setColorAt(0.9, QColor(16, 18, 24, 200));
    pupil.setColorAt(1, QColor(20, 22, 28, 0));
    p.setBrush(pupil);
    p.drawEllipse(pupilAt, pr, pr);
    // Many fish have a gap in front of the lens: the pupil runs forward
    // into a soft point towards the snout.
    if (look.notch > 0) {
        QPainterPath gap(pupilAt + QPointF(-pr * 0.3, -pr * 0.55));
        gap.quadTo(pupilAt + QPointF(-pr * (1.0 + look.notch * 0.6), -pr * 0.1),
                   pupilAt + QPointF(-pr * (1.0 + look.notch), pr * 0.08));
        gap.quadTo(pupilAt + QPointF(-pr * (1.0 + look.notch * 0.5), pr * 0.3),
                   pupilAt + QPointF(-pr * 0.3, pr * 0.55));
        gap.closeSubpath();
        p.fillPath(gap, QColor(6, 8, 12, 235));
    }
    // The rim of the orbit overhangs the eye: a shadowed crescent along the
    // top, deepest at the edge, with a soft lid line above it.
    {
        const Saved lidClip(p);
        p.setClipPath(oval(centre, radius, radius), Qt::IntersectClip);
        QLinearGradient lid(centre - QPointF(0, radius), centre + QPointF(0, radius * 0.15));
        lid.setColorAt(0, QColor(0, 0, 0, 165));
        lid.setColorAt(0.35, QColor(0, 0, 0, 70));
        lid.setColorAt(1, QColor(0, 0, 0, 0));
        p.setBrush(lid);
        p.drawEllipse(centre, radius, radius);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 90), std::max(0.5, radius * 0.16), Qt::SolidLine, Qt::RoundCap));
    p.drawArc(
        QRectF(centre.x() - radius * 1.05, centre.y() - radius * 1.08, radius * 2.1, radius * 2.1),
        25 * 16, 130 * 16);
    p.setPen(Qt::NoPen);
    // The flat cornea of a fish catches the light only as a small soft
    // patch, never a glossy ball.
    const QPointF glint = centre + look.glint * radius;
    const int bright = int(look.glintAlpha);
    paintGlow(p, glint, radius * look.glintSize, QColor(255, 255, 255, bright));
    paintGlow(p, glint + QPointF(0.05, 0.04) * radius, radius * look.glintSize * 0.35,
              QColor(255, 255, 255, bright * 11 / 10));
}

} // namespace fishkit
