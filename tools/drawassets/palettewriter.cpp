// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palettewriter.h"

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QString>

namespace palettewriter {

namespace {

int paddedRowBytes(int width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

// A BITMAPINFOHEADER and its palette. Unused palette entries repeat the first
// colour, so the palette names no colour that the picture does not use.
void putBitmapHeader(QDataStream &out, const QImage &image, int height, int bits, int colours,
                     quint32 imageBytes)
{
    out << quint32(40) << quint32(image.width()) << quint32(height) << quint16(1) << quint16(bits)
        << quint32(0) << imageBytes << quint32(2835) << quint32(2835) << quint32(colours)
        << quint32(0);
    const QList<QRgb> table = image.colorTable();
    for (int i = 0; i < colours; ++i) {
        const QRgb c = table.value(i < table.size() ? i : 0, qRgb(0, 0, 0));
        out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    }
}

// Bottom-up rows of `bits`-wide palette indexes, each padded to whole 32-bit words.
void putPixels(QDataStream &out, const QImage &image, int bits)
{
    const int perByte = 8 / bits;
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(paddedRowBytes(image.width(), bits), '\0');
        const uchar *src = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const int shift = bits * (perByte - 1 - x % perByte);
            row[x / perByte] =
                char(uchar(row[x / perByte]) | ((src[x] & ((1 << bits) - 1)) << shift));
        }
        out.writeRawData(row.constData(), int(row.size()));
    }
}

// Assembled in memory first, so a refused image leaves no half-written file behind.
bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

} // namespace

bool writeBmp8(const QString &path, const QImage &image)
{
    if (image.format() != QImage::Format_Indexed8 || image.colorCount() > 256)
        return false;
    const quint32 pixelBytes = quint32(paddedRowBytes(image.width(), 8) * image.height());
    // A full 256-entry palette, as readers of 256-colour bitmaps expect.
    const quint32 offset = 14 + 40 + 4 * 256;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint8('B') << quint8('M') << offset + pixelBytes << quint32(0) << offset;
    putBitmapHeader(out, image, image.height(), 8, 256, pixelBytes);
    putPixels(out, image, 8);
    return writeFile(path, bytes);
}

} // namespace palettewriter
