// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "anatomy.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

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
    // Fine radial flecks give the iris its grain.
    p.setPen(QPen(QColor(0, 0, 0, 30), radius * 0.06));
    for (int i = 0; i < 18; ++i) {
        const double a = i * 2 * std::numbers::pi / 18 + 0.1;
        const QPointF d(std::cos(a), std::sin(a));
        p.drawLine(centre + d * radius * (pupil + 0.08), centre + d * radius * 0.92);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(6, 6, 10));
    p.drawEllipse(centre, radius * pupil, radius * pupil * 0.96);
    // The brow's shadow over the top of the eyeball.
    QRadialGradient brow(centre - QPointF(0, radius * 1.1), radius * 1.2);
    brow.setColorAt(0.0, QColor(0, 0, 0, 110));
    brow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setBrush(brow);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(255, 255, 255, 170));
    const double glint = std::max(0.35, radius * 0.11);
    p.drawEllipse(centre + QPointF(-0.3, -0.35) * radius * pupil, glint, glint);
    p.restore();
}

void paintTooth(QPainter &p, QPointF root, double down, double length)
{
    const double x = root.x(), y = root.y(), half = 0.35 + length * 0.14;
    QPainterPath t(QPointF(x - half, y));
    t.quadTo(QPointF(x - half * 0.2, y + down * length * 0.6),
             QPointF(x + half * 1.2, y + down * length));
    t.quadTo(QPointF(x + half * 0.6, y + down * length * 0.4), QPointF(x + half, y));
    t.closeSubpath();
    p.save();
    p.setPen(QPen(QColor(90, 90, 96, 170), 0.3));
    p.setBrush(QColor(250, 250, 244));
    p.drawPath(t);
    p.restore();
}

} // namespace anatomy
