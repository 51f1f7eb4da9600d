// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "buttons.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>
#include <numbers>
#include <utility>

namespace buttons {

namespace {

const QColor red(255, 0, 0), white(255, 255, 255), nearBlack(4, 4, 4);

struct Button
{
    const char *id;
    QSize size;
    void (*shape)(QPainter &p); // drawn in red unless it says otherwise
    QRectF captionBox;
    const char *caption;
    int largestLettering;
    bool mirrored = false; // the shape only; the caption always reads left to right
};

// The largest lettering that fits the box, so every caption is as bold as the
// button allows.
void drawCaption(QPainter &p, const QRectF &box, const QString &text, int largest)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setWeight(QFont::Bold);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    for (font.setPixelSize(largest); font.pixelSize() > 6;
         font.setPixelSize(font.pixelSize() - 1)) {
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(text) <= box.width() && metrics.capHeight() <= box.height())
            break;
    }
    const QFontMetricsF metrics(font);
    p.setFont(font);
    p.setPen(white);
    // Centred on the capitals themselves rather than on the font's full line box.
    p.drawText(QPointF(std::round(box.center().x() - metrics.horizontalAdvance(text) / 2.0),
                       std::round(box.center().y() + metrics.capHeight() / 2.0)),
               text);
}

// A star around (75, 75) whose corners alternate between the outer and the inner
// radius, starting with the outer.
QPolygonF star(int corners, double outer, double inner, double startDegrees)
{
    QPolygonF polygon;
    for (int i = 0; i < corners; ++i) {
        const double a = (startDegrees + 360.0 * i / corners) * std::numbers::pi / 180.0;
        polygon << QPointF(75, 75) + QPointF(std::cos(a), std::sin(a)) * (i % 2 ? inner : outer);
    }
    return polygon;
}

QImage render(const Button &button, int scale)
{
    QImage canvas(button.size * scale, QImage::Format_RGB32);
    canvas.fill(nearBlack);
    QPainter p(&canvas);
    // Hard edges only, so that every pixel is one of the three colours.
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing, false);
    if (button.mirrored)
        p.setTransform(QTransform(-1, 0, 0, 1, canvas.width(), 0));
    p.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    button.shape(p);
    p.setTransform(QTransform::fromScale(scale, scale));
    drawCaption(p, button.captionBox, QString::fromLatin1(button.caption), button.largestLettering);
    p.end();
    // Snapped to the three colours so no in-between shade sneaks in from glyph rendering.
    return canvas.convertToFormat(QImage::Format_Indexed8,
                                  {nearBlack.rgb(), red.rgb(), white.rgb()});
}

// Written by hand so that the file carries exactly the image's palette, padded
// to the 256 entries readers of such bitmaps expect with repeats of the first
// colour, so the palette names no colour that the picture does not use.
bool writeBmp8(const QString &path, const QImage &image)
{
    const int rowBytes = (image.width() + 3) / 4 * 4;
    const quint32 offset = 14 + 40 + 4 * 256, pixelBytes = quint32(rowBytes * image.height());
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint8('B') << quint8('M') << offset + pixelBytes << quint32(0) << offset;
    out << quint32(40) << quint32(image.width()) << quint32(image.height()) << quint16(1)
        << quint16(8) << quint32(0) << pixelBytes << quint32(2835) << quint32(2835) << quint32(256)
        << quint32(0);
    // Each entry is blue, green, red and a zero byte: a QRgb without its alpha.
    const QList<QRgb> table = image.colorTable();
    for (int i = 0; i < 256; ++i)
        out << quint32(table.value(i, table.first()) & 0xffffff);
    // Bottom-up rows, each padded to whole 32-bit words.
    const QByteArray padding(rowBytes - image.width(), '\0');
    for (int y = image.height() - 1; y >= 0; --y) {
        out.writeRawData(reinterpret_cast<const char *>(image.constScanLine(y)), image.width());
        out.writeRawData(padding.constData(), int(padding.size()));
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

bool writeAll(const QDir &folder, QList<std::pair<QString, QImage>> &drawn)
{
    const auto arrow = [](QPainter &p) { p.drawPolygon(QPolygonF{{2, 21}, {47, 1}, {47, 41}}); };
    const auto triangle = [](QPainter &p) { p.drawPolygon(QPolygonF{{25, 1}, {49, 48}, {1, 48}}); };
    // A red sunburst around a black octagon.
    const auto starburst = [](QPainter &p) {
        p.drawPolygon(star(16, 75.0, 47.0, -90.0));
        const double circumradius = 38.0 / std::cos(std::numbers::pi / 8);
        p.setBrush(nearBlack);
        p.drawPolygon(star(8, circumradius, circumradius, 22.5));
    };
    // Concentric red and black square rings behind a black band for the caption.
    const auto rings = [](QPainter &p) {
        for (int ring = 0; ring <= 40; ++ring)
            p.fillRect(QRect(ring, ring, 81 - 2 * ring, 81 - 2 * ring), ring % 2 ? nearBlack : red);
        p.fillRect(QRect(4, 25, 73, 31), nearBlack);
    };
    const Button all[] = {
        {"BackButtonImage", QSize(50, 60), arrow, QRectF(1, 45, 48, 14), "BACK", 18},
        {"NextButtonImage", QSize(50, 60), arrow, QRectF(1, 45, 48, 14), "NEXT", 18, true},
        {"ExitButtonImage", QSize(50, 50), triangle, QRectF(4, 33, 42, 13), "EXIT", 16},
        {"FinaleReviewImage", QSize(150, 150), starburst, QRectF(39, 60, 72, 30), "REVIEW", 20},
        {"FinaleExitImage", QSize(81, 81), rings, QRectF(6, 27, 69, 27), "EXIT", 26},
    };
    bool ok = true;
    for (const Button &button : all) {
        const QString id = QString::fromLatin1(button.id);
        const QImage normal = render(button, 1);
        drawn.append({id, normal.convertToFormat(QImage::Format_RGB32)});
        ok = writeBmp8(folder.filePath(id + QLatin1String(".bmp")), normal) && ok;
        ok = writeBmp8(folder.filePath(id + QLatin1String("@2x.bmp")), render(button, 2)) && ok;
    }
    return ok;
}

QImage drawIcon(int size)
{
    QImage grid(16, 16, QImage::Format_Indexed8);
    // Unused entries repeat black, so the palette names no colour that the
    // icon does not show.
    QList<QRgb> palette(16, qRgb(0, 0, 0));
    palette[1] = qRgb(255, 0, 0);
    grid.setColorTable(palette);
    grid.fill(0);
    // The spiral winds inwards from the top left corner, turning right whenever going
    // on would touch an earlier turn, so a one-cell black gap always separates the arms.
    auto inside = [](int x, int y) { return std::min(x, y) >= 1 && std::max(x, y) <= 14; };
    auto marked = [&](int x, int y) { return inside(x, y) && grid.pixelIndex(x, y) == 1; };
    auto canEnter = [&](int x, int y, int dx, int dy) {
        return inside(x, y) && !marked(x, y) && !marked(x + dx, y + dy);
    };
    int x = 1, y = 1, dx = 1, dy = 0;
    grid.setPixel(x, y, 1);
    // Runs straight as far as it may, then turns; a turn with no room to run ends it.
    for (bool ran = true; ran; std::tie(dx, dy) = std::pair(-dy, dx)) {
        for (ran = false; canEnter(x + dx, y + dy, dx, dy); ran = true) {
            x += dx;
            y += dy;
            grid.setPixel(x, y, 1);
        }
    }
    // Scaling adds a colour to the table that no pixel uses; the palette stays as chosen.
    QImage icon = grid.scaled(size, size);
    icon.setColorTable(palette);
    return icon;
}

} // namespace buttons
