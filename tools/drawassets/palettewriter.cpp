// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "palettewriter.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

namespace palettewriter {

namespace {

void putU16(QByteArray &out, quint32 value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void putU32(QByteArray &out, quint32 value)
{
    putU16(out, value & 0xffff);
    putU16(out, value >> 16);
}

int paddedRowBytes(int width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

void putInfoHeader(QByteArray &out, int width, int height, int bitsPerPixel, int colours,
                   quint32 imageBytes)
{
    putU32(out, 40);
    putU32(out, quint32(width));
    putU32(out, quint32(height));
    putU16(out, 1);
    putU16(out, quint32(bitsPerPixel));
    putU32(out, 0);
    putU32(out, imageBytes);
    putU32(out, 2835);
    putU32(out, 2835);
    putU32(out, quint32(colours));
    putU32(out, 0);
}

// Unused entries repeat the first colour, so the palette names no colour
// that the picture does not use.
void putPalette(QByteArray &out, const QList<QRgb> &table, int entries)
{
    for (int i = 0; i < entries; ++i) {
        const QRgb c = table.value(i < table.size() ? i : 0, qRgb(0, 0, 0));
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(data) == data.size();
}

} // namespace

bool writeBmp8(const QString &path, const QImage &image)
{
    if (image.format() != QImage::Format_Indexed8 || image.colorCount() > 256)
        return false;
    const int rowBytes = paddedRowBytes(image.width(), 8);
    const quint32 pixelBytes = quint32(rowBytes * image.height());
    // A full 256-entry palette, as readers of 256-colour bitmaps expect.
    const int colours = 256;
    const quint32 offset = 14 + 40 + 4 * quint32(colours);

    QByteArray out;
    out.append("BM");
    putU32(out, offset + pixelBytes);
    putU32(out, 0);
    putU32(out, offset);
    putInfoHeader(out, image.width(), image.height(), 8, colours, pixelBytes);
    putPalette(out, image.colorTable(), colours);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        const uchar *src = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            row[x] = char(src[x]);
        out.append(row);
    }
    return writeFile(path, out);
}

bool writeIco4(const QString &path, const QList<QImage> &images)
{
    QList<QByteArray> entries;
    for (const QImage &image : images) {
        if (image.format() != QImage::Format_Indexed8 || image.colorCount() > 16 ||
            image.width() > 256 || image.height() > 256)
            return false;
        const int xorRow = paddedRowBytes(image.width(), 4);
        const int andRow = paddedRowBytes(image.width(), 1);
        const quint32 bitsBytes = quint32((xorRow + andRow) * image.height());

        QByteArray entry;
        // ICO bitmaps count the XOR and AND masks together, hence twice the height.
        putInfoHeader(entry, image.width(), image.height() * 2, 4, 16, bitsBytes);
        putPalette(entry, image.colorTable(), 16);
        for (int y = image.height() - 1; y >= 0; --y) {
            QByteArray row(xorRow, '\0');
            const uchar *src = image.constScanLine(y);
            for (int x = 0; x < image.width(); ++x) {
                const int shift = (x % 2) ? 0 : 4;
                row[x / 2] = char(uchar(row[x / 2]) | uchar((src[x] & 0x0f) << shift));
            }
            entry.append(row);
        }
        entry.append(QByteArray(andRow * image.height(), '\0'));
        entries.append(entry);
    }

    QByteArray out;
    putU16(out, 0);
    putU16(out, 1);
    putU16(out, quint32(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    for (int i = 0; i < images.size(); ++i) {
        const QImage &image = images.at(i);
        out.append(char(image.width() == 256 ? 0 : image.width()));
        out.append(char(image.height() == 256 ? 0 : image.height()));
        out.append(char(16));
        out.append(char(0));
        putU16(out, 1);
        putU16(out, 4);
        putU32(out, quint32(entries.at(i).size()));
        putU32(out, offset);
        offset += quint32(entries.at(i).size());
    }
    for (const QByteArray &entry : entries)
        out.append(entry);
    return writeFile(path, out);
}

} // namespace palettewriter
