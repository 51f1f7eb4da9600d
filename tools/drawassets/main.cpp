// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "buttons.h"
#include "fishart.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDebug>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>

#include <algorithm>
#include <set>

using namespace Qt::StringLiterals;

namespace {

// The 1x pictures should land between about 7 and 30 KB; start high and only
// give up quality when a busy picture would grow past that.
constexpr int startQuality = 90, lowestQuality = 60;
constexpr qint64 largestJpeg = 29 * 1024;

struct Swatch
{
    QString label;
    QImage image;
};

struct Selection
{
    std::set<int> fish;
    bool buttons = false;
    bool icon = false;
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
        const int first = ends.first().trimmed().toInt(&okFirst);
        const int last = ends.last().trimmed().toInt(&okLast);
        if (ends.size() > 2 || !okFirst || !okLast || first < 1 || last > fishart::fishCount ||
            first > last)
            return false;
        for (int n = first; n <= last; ++n)
            selection.fish.insert(n);
    }
    return true;
}

// How big the picture comes out as a baseline JPEG at this quality.
qint64 jpegSize(const QImage &image, int quality)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "jpeg", quality);
    return buffer.size();
}

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
    const QImage normal = render(1);
    int quality = startQuality;
    while (quality > lowestQuality && jpegSize(normal, quality) > largestJpeg)
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
        const QImage image = buttons::drawIcon(size).convertToFormat(QImage::Format_RGB32);
        const QString name = u"reefwise-%1.png"_s.arg(size);
        ok = image.save(out.filePath(u"icon/"_s + name), "PNG") && ok;
        swatches.append({name, image});
    }
    return ok;
}

// One PNG showing everything the tool drew, for checking the pictures side by side
// the way a player meets them: the fish in rows of six, the extras (buttons, icons)
// in one row below.
bool writeContactSheet(const QString &path, const QList<Swatch> &fish, const QList<Swatch> &extras)
{
    constexpr int gap = 14, columns = 6, labelHeight = 26;
    const QSize cell(320, 240 + labelHeight), slot(160, 160 + labelHeight);
    const int fishRows = (int(fish.size()) + columns - 1) / columns;
    const int extrasWidth = int(extras.size()) * (slot.width() + gap);
    QImage sheet(gap + std::max(columns * (cell.width() + gap), extrasWidth),
                 gap + fishRows * (cell.height() + gap) + slot.height() + gap,
                 QImage::Format_RGB32);
    sheet.fill(QColor(46, 46, 50));
    QPainter p(&sheet);
    p.setPen(QColor(225, 225, 225));
    auto place = [&p](const Swatch &swatch, const QRect &box, int fontSize) {
        QFont font(u"DejaVu Sans"_s);
        font.setPixelSize(fontSize);
        p.setFont(font);
        // Smaller pictures sit centred in their box, so sizes stay comparable.
        const QRect picture = box.adjusted(0, 0, 0, -labelHeight);
        p.drawImage(picture.center() - swatch.image.rect().center(), swatch.image);
        p.drawText(box.adjusted(0, picture.height(), 0, 0), Qt::AlignCenter, swatch.label);
    };
    for (int i = 0; i < fish.size(); ++i) {
        const QPoint at(gap + i % columns * (cell.width() + gap),
                        gap + i / columns * (cell.height() + gap));
        place(fish.at(i), QRect(at, cell), 15);
    }
    for (int i = 0; i < extras.size(); ++i) {
        const QPoint at(gap + i * (slot.width() + gap), gap + fishRows * (cell.height() + gap));
        place(extras.at(i), QRect(at, slot), 11);
    }
    p.end();
    return sheet.save(path, "PNG");
}

} // namespace

int main(int argc, char *argv[])
{
    // The tool never shows a window; without this it would need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"reefwise-draw"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Draws the Reefwise fish pictures, buttons and icon."_s);
    parser.addHelpOption();
    parser.addOptions({{u"out"_s, u"Assets folder to write into."_s, u"dir"_s},
                       {u"sheet"_s, u"Also write a contact sheet PNG."_s, u"file"_s},
                       {u"only"_s,
                        u"Draw only this (fish, fish:N, fish:A-B[,...], buttons, icon); may be "
                        "given more than once."_s,
                        u"choice"_s}});
    parser.process(app);
    if (!parser.isSet(u"out"_s)) {
        qCritical("--out is required");
        return 2;
    }

    Selection selection;
    const QStringList choices = parser.isSet(u"only"_s)
                                    ? parser.values(u"only"_s)
                                    : QStringList{u"fish"_s, u"buttons"_s, u"icon"_s};
    for (const QString &choice : choices) {
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
    for (const QString &sub : {u"fish"_s, u"buttons"_s, u"icon"_s})
        check(out.mkpath(sub), out.filePath(sub));
    if (!ok)
        return 1;

    QList<Swatch> drawn, extras;
    for (int number : selection.fish)
        check(writeFish(out, number, drawn), u"fish %1"_s.arg(number));
    if (selection.buttons) {
        for (const buttons::ButtonImage &button : buttons::drawAll()) {
            extras.append({button.id, button.normal.convertToFormat(QImage::Format_RGB32)});
            check(buttons::save(button, QDir(out.filePath(u"buttons"_s))), button.id);
        }
    }
    if (selection.icon)
        check(writeIcon(out, extras), u"the icon files"_s);
    if (parser.isSet(u"sheet"_s))
        check(writeContactSheet(parser.value(u"sheet"_s), drawn, extras), u"the contact sheet"_s);
    return ok ? 0 : 1;
}
