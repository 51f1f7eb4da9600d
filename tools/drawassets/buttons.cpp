// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "buttons.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <array>
#include <climits>
#include <cmath>
#include <functional>
#include <numbers>

namespace buttons {

namespace {

const QColor red(255, 0, 0);
const QColor white(255, 255, 255);
const QColor nearBlack(4, 4, 4);

using Drawing = std::function<void(QPainter &)>;

QImage render(QSize logical, int scale, const Drawing &draw)
{
    QImage canvas(logical * scale, QImage::Format_RGB32);
    canvas.fill(nearBlack);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.scale(scale, scale);
    draw(p);
    return canvas;
}

// Every pixel is snapped to the nearest of the three colours so that no
// in-between shade can sneak in from glyph rendering.
QImage toThreeColours(const QImage &rgb)
{
    const std::array<QRgb, 3> palette = {nearBlack.rgb(), red.rgb(), white.rgb()};
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(QList<QRgb>(palette.begin(), palette.end()));
    for (int y = 0; y < rgb.height(); ++y) {
        const QRgb *src = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *dst = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            int best = 0;
            int bestDistance = INT_MAX;
            for (int i = 0; i < int(palette.size()); ++i) {
                const int dr = qRed(src[x]) - qRed(palette[i]);
                const int dg = qGreen(src[x]) - qGreen(palette[i]);
                const int db = qBlue(src[x]) - qBlue(palette[i]);
                const int distance = dr * dr + dg * dg + db * db;
                if (distance < bestDistance) {
                    bestDistance = distance;
                    best = i;
                }
            }
            dst[x] = uchar(best);
        }
    }
    return indexed;
}

QFont letteringFont(double pixelSize)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setWeight(QFont::Bold);
    font.setPixelSize(int(std::lround(pixelSize)));
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// The largest lettering that fits the box, so every caption is as bold as the
// button allows.
void drawCaption(QPainter &p, const QRectF &box, const QString &text, int maxPixelSize,
                 QColor colour = white)
{
    int size = maxPixelSize;
    while (size > 6) {
        const QFontMetricsF metrics(letteringFont(size));
        if (metrics.horizontalAdvance(text) <= box.width() && metrics.capHeight() <= box.height())
            break;
        --size;
    }
    const QFont font = letteringFont(size);
    const QFontMetricsF metrics(font);
    const double textWidth = metrics.horizontalAdvance(text);
    // Centre on the capitals themselves rather than on the font's full line box.
    const QPointF origin(box.center().x() - textWidth / 2.0,
                         box.center().y() + metrics.capHeight() / 2.0);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPointF(std::round(origin.x()), std::round(origin.y())), text);
}

void fillPolygon(QPainter &p, const QPolygonF &polygon, QColor colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(polygon);
}

void drawLeftArrow(QPainter &p)
{
    fillPolygon(p, QPolygonF({QPointF(2, 21), QPointF(47, 1), QPointF(47, 41)}), red);
}

QImage backImage(int scale, bool mirrored, const QString &caption)
{
    QImage arrow = render(QSize(50, 60), scale, drawLeftArrow);
    if (mirrored)
        arrow = arrow.mirrored(true, false);
    QPainter p(&arrow);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.scale(scale, scale);
    drawCaption(p, QRectF(1, 45, 48, 14), caption, 18);
    p.end();
    return toThreeColours(arrow);
}

void drawExit(QPainter &p)
{
    fillPolygon(p, QPolygonF({QPointF(25, 1), QPointF(49, 48), QPointF(1, 48)}), red);
    drawCaption(p, QRectF(4, 33, 42, 13), QStringLiteral("EXIT"), 16);
}

QPolygonF regularPolygon(QPointF centre, int corners, const std::function<double(int)> &radius,
                         double startDegrees)
{
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i) {
        const double a = (startDegrees + 360.0 * i / corners) * std::numbers::pi / 180.0;
        polygon << centre + QPointF(std::cos(a), std::sin(a)) * radius(i);
    }
    return polygon;
}

void drawFinaleReview(QPainter &p)
{
    const QPointF centre(75, 75);
    fillPolygon(p,
                regularPolygon(
                    centre, 16, [](int i) { return i % 2 ? 47.0 : 75.0; }, -90.0),
                red);
    const double apothem = 38.0;
    const double circumradius = apothem / std::cos(std::numbers::pi / 8);
    fillPolygon(p,
                regularPolygon(
                    centre, 8, [=](int) { return circumradius; }, 22.5),
                nearBlack);
    drawCaption(p, QRectF(39, 60, 72, 30), QStringLiteral("REVIEW"), 20);
}

void drawFinaleExit(QPainter &p)
{
    for (int ring = 0; ring <= 40; ++ring)
        p.fillRect(QRect(ring, ring, 81 - 2 * ring, 81 - 2 * ring), ring % 2 ? nearBlack : red);
    p.fillRect(QRect(4, 25, 73, 31), nearBlack);
    drawCaption(p, QRectF(6, 27, 69, 27), QStringLiteral("EXIT"), 26);
}

ButtonImage simple(const QString &id, QSize size, const Drawing &draw)
{
    return {id, toThreeColours(render(size, 1, draw)), toThreeColours(render(size, 2, draw))};
}

} // namespace

QList<ButtonImage> drawAll()
{
    return {
        {QStringLiteral("BackButtonImage"), backImage(1, false, QStringLiteral("BACK")),
         backImage(2, false, QStringLiteral("BACK"))},
        {QStringLiteral("NextButtonImage"), backImage(1, true, QStringLiteral("NEXT")),
         backImage(2, true, QStringLiteral("NEXT"))},
        simple(QStringLiteral("ExitButtonImage"), QSize(50, 50), drawExit),
        simple(QStringLiteral("FinaleReviewImage"), QSize(150, 150), drawFinaleReview),
        simple(QStringLiteral("FinaleExitImage"), QSize(81, 81), drawFinaleExit),
    };
}

} // namespace buttons
