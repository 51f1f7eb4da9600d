// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "buttons.h"
#include "fishart.h"
#include "fishkit.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDebug>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <set>

using namespace Qt::StringLiterals;

namespace {

using Swatch = std::pair<QString, QImage>; // a label and its picture

struct Selection
{
    std::set<int> fish;
    bool buttons = false, icon = false;
};

// One --only value: "buttons", "icon", "fish" or "fish:" with numbers and ranges, e.g. 1,4-6.
bool parseSelection(QString choice, Selection &selection)
{
    if (choice == u"buttons" || choice == u"icon") {
        (choice == u"icon" ? selection.icon : selection.buttons) = true;
        return true;
    }
    if (choice == u"fish")
        choice = u"fish:1-%1"_s.arg(fishart::fishCount);
    if (!choice.startsWith(u"fish:"))
        return false;
    for (const QString &part : choice.mid(5).split(u',', Qt::SkipEmptyParts)) {
        const QStringList ends = part.split(u'-');
        bool okFirst = false, okLast = false;
        const int first = ends.first().toInt(&okFirst);
        const int last = ends.last().toInt(&okLast);
        if (ends.size() > 2 || !okFirst || !okLast || first < 1 || last > fishart::fishCount ||
            first > last)
            return false;
        for (int n = first; n <= last; ++n)
            selection.fish.insert(n);
    }
    return true;
}

// Both sizes share one JPEG quality: 90, or lower where a busy 1x picture would
// pass 29 KB, so that every picture lands between about 7 and 30 KB.
bool writeFish(const QDir &out, int number, QList<Swatch> &drawn)
{
    const fishart::Fish &fish = fishart::catalogue[number - 1];
    auto render = [&fish, logical = number == 4 ? QSize(250, 188) : QSize(320, 240)](int scale) {
        QImage image(logical * scale, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        fish.paint(p, logical.width(), logical.height());
        return image;
    };
    auto jpegSize = [](const QImage &image, int quality) {
        QBuffer buffer;
        image.save(&buffer, "jpeg", quality);
        return buffer.size();
    };
    const QImage normal = render(1);
    int quality = 90;
    while (quality > 60 && jpegSize(normal, quality) > 29 * 1024)
        quality -= 4;
    const QString base = out.filePath(u"fish/FishPhoto%1"_s.arg(number));
    drawn.append({u"%1  %2"_s.arg(number).arg(QLatin1String(fish.name)), normal});
    return normal.save(base + u".jpg"_s, "jpeg", quality) &&
           render(2).save(base + u"@2x.jpg"_s, "jpeg", quality);
}

bool writeIcon(const QDir &out, QList<Swatch> &swatches)
{
    // 16-colour bitmaps, which Qt reads without a plugin, unlike icon files.
    bool ok = true;
    for (int size : {16, 32}) {
        const QString base = out.filePath(u"icon/ScreenIcon%1"_s.arg(size));
        ok = buttons::drawIcon(size).save(base + u".bmp"_s, "BMP") && ok;
        ok = buttons::drawIcon(2 * size).save(base + u"@2x.bmp"_s, "BMP") && ok;
    }
    for (int size : {16, 32, 128}) {
        swatches.append({u"reefwise-%1.png"_s.arg(size),
                         buttons::drawIcon(size).convertToFormat(QImage::Format_RGB32)});
        ok = swatches.last().second.save(out.filePath(u"icon/"_s + swatches.last().first)) && ok;
    }
    return ok;
}

// A PNG of `rows` of labelled pictures, `paper` round them and the labels in `ink`.
bool writeSheet(const QString &path, const QList<QList<Swatch>> &rows, QColor paper, QColor ink)
{
    constexpr int gap = 14, columns = 6, cellWidth = 320, cellHeight = 240, labelHeight = 26;
    constexpr int across = cellWidth + gap, down = cellHeight + labelHeight + gap;
    QImage sheet(gap + columns * across, gap + int(rows.size()) * down, QImage::Format_RGB32);
    sheet.fill(paper);
    QPainter p(&sheet);
    p.setPen(ink);
    QFont font(u"DejaVu Sans"_s);
    font.setPixelSize(15);
    p.setFont(font);
    for (int row = 0; row < rows.size(); ++row) {
        for (int i = 0; i < rows.at(row).size(); ++i) {
            const QRect box(gap + i * across, gap + row * down, cellWidth, cellHeight);
            const Swatch &swatch = rows.at(row).at(i);
            // Smaller pictures sit centred in their cell, so sizes stay comparable.
            p.drawImage(box.center() - swatch.second.rect().center(), swatch.second);
            p.drawText(QRect(box.left(), box.bottom() + 1, box.width(), labelHeight),
                       Qt::AlignCenter, swatch.first);
        }
    }
    p.end();
    return sheet.save(path, "PNG");
}

// Everything the tool drew in rows of six, for checking the pictures side by
// side the way a player meets them.
bool writeContactSheet(const QString &path, const QList<Swatch> &swatches)
{
    QList<QList<Swatch>> rows;
    for (qsizetype i = 0; i < swatches.size(); i += 6)
        rows.append(swatches.mid(i, 6));
    return writeSheet(path, rows, QColor(46, 46, 50), QColor(225, 225, 225));
}

// The outlines of the chosen fish, black on white, one family to a row, so
// that the fish one might take for each other stand side by side.
bool writeOutlineSheet(const QString &path, const std::set<int> &chosen)
{
    const std::vector<std::vector<int>> families{
        {4, 19, 31, 34},      {10, 18, 39},      {11, 29, 35, 36},     {5, 12, 21, 13},
        {16, 25, 27, 38, 47}, {1, 2, 6, 20, 33}, {14, 23, 40, 28, 30}, {43, 44, 45},
        {15, 22, 17, 26, 32}, {24, 46},          {7, 8, 9, 42},        {3, 37, 41}};
    QList<QList<Swatch>> rows;
    for (const std::vector<int> &family : families) {
        QList<Swatch> row;
        for (const int number : family) {
            if (!chosen.contains(number))
                continue;
            const fishart::Fish &fish = fishart::catalogue[number - 1];
            // All at the design size, so that one fish's outline measures against another's.
            fishkit::Silhouette image(QSize(320, 240));
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            fish.paint(p, 320, 240);
            p.end();
            row.append({u"%1  %2"_s.arg(number).arg(QLatin1String(fish.name)), image.outline()});
        }
        if (!row.isEmpty())
            rows.append(row);
    }
    return writeSheet(path, rows, QColor(200, 200, 204), QColor(20, 20, 24));
}

} // namespace

int main(int argc, char *argv[])
{
    // The tool never shows a window; without this it would need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Draws the Reefwise fish pictures, buttons and icon."_s);
    parser.addHelpOption();
    parser.addOptions(
        {{u"out"_s, u"Assets folder to write into."_s, u"dir"_s},
         {u"sheet"_s, u"Also write a contact sheet PNG."_s, u"file"_s},
         {u"outlines"_s, u"Also write a PNG of the chosen fish's outlines, black on white."_s,
          u"file"_s},
         {u"only"_s,
          u"Draw only this (fish, fish:N, fish:A-B[,...], buttons, icon); may be "
          "given more than once."_s,
          u"choice"_s}});
    parser.process(app);
    if (!parser.isSet(u"out"_s))
        parser.showHelp(2);

    Selection selection;
    // What the tool draws, each kind into its own folder.
    const QStringList kinds{u"fish"_s, u"buttons"_s, u"icon"_s};
    for (const QString &choice : parser.isSet(u"only"_s) ? parser.values(u"only"_s) : kinds) {
        if (!parseSelection(choice, selection)) {
            qCritical().noquote() << "unknown --only value:" << choice;
            return 2;
        }
    }

    bool ok = true;
    auto check = [&ok](bool written, const QString &what) {
        if (!written)
            qCritical().noquote() << "could not write" << what;
        ok = ok && written;
    };
    const QDir out(parser.value(u"out"_s));
    for (const QString &sub : kinds)
        check(out.mkpath(sub), out.filePath(sub));
    if (!ok)
        return 1;

    QList<Swatch> drawn;
    for (int number : selection.fish)
        check(writeFish(out, number, drawn), u"fish %1"_s.arg(number));
    if (selection.buttons)
        check(buttons::writeAll(QDir(out.filePath(u"buttons"_s)), drawn), u"the buttons"_s);
    if (selection.icon)
        check(writeIcon(out, drawn), u"the icon files"_s);
    if (parser.isSet(u"sheet"_s))
        check(writeContactSheet(parser.value(u"sheet"_s), drawn), u"the contact sheet"_s);
    if (parser.isSet(u"outlines"_s))
        check(writeOutlineSheet(parser.value(u"outlines"_s), selection.fish), u"the outlines"_s);
    return ok ? 0 : 1;
}
