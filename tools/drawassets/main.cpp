// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "buttons.h"
#include "contactsheet.h"
#include "fishart.h"
#include "icon.h"
#include "palettewriter.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QTextStream>

#include <set>

namespace {

// The 1x pictures should land between about 7 and 30 KB; start high and only
// give up quality when a busy picture would grow past that.
constexpr int startQuality = 90, lowestQuality = 60;
constexpr qint64 largestJpeg = 29 * 1024;

struct Selection
{
    std::set<int> fish;
    bool buttons = false;
    bool icon = false;
};

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

// One --only value: "buttons", "icon", "fish" or "fish:" with numbers and ranges, e.g. 1,4-6.
bool parseSelection(QString choice, Selection &selection)
{
    if (choice == QLatin1String("buttons") || choice == QLatin1String("icon")) {
        (choice == QLatin1String("icon") ? selection.icon : selection.buttons) = true;
        return true;
    }
    if (choice == QLatin1String("fish"))
        choice = QStringLiteral("fish:1-%1").arg(fishart::fishCount);
    if (!choice.startsWith(QLatin1String("fish:")))
        return false;
    for (const QString &part : choice.mid(5).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList ends = part.split(QLatin1Char('-'));
        bool okFirst = false, okLast = ends.size() == 1;
        const int first = ends.first().trimmed().toInt(&okFirst);
        const int last = ends.size() == 2 ? ends.last().trimmed().toInt(&okLast) : first;
        if (ends.size() > 2 || !okFirst || !okLast || first < 1 || last > fishart::fishCount ||
            first > last)
            return false;
        for (int n = first; n <= last; ++n)
            selection.fish.insert(n);
    }
    return true;
}

QImage renderFish(int number, int scale)
{
    const QSize logical = number == 4 ? QSize(250, 188) : QSize(320, 240);
    QImage image(logical * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                     QPainter::TextAntialiasing);
    p.scale(scale, scale);
    fishart::paintFish(number, p, logical.width(), logical.height());
    return image;
}

// How big the picture comes out as a baseline JPEG at this quality.
qint64 jpegSize(const QImage &image, int quality)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "jpeg", quality);
    return buffer.size();
}

bool writeFish(const QDir &out, int number, QList<contactsheet::Swatch> &drawn)
{
    const QImage normal = renderFish(number, 1);
    int quality = startQuality;
    while (quality > lowestQuality && jpegSize(normal, quality) > largestJpeg)
        quality -= 4;
    const QString base = out.filePath(QStringLiteral("fish/FishPhoto%1").arg(number));
    if (!normal.save(base + QStringLiteral(".jpg"), "jpeg", quality) ||
        !renderFish(number, 2).save(base + QStringLiteral("@2x.jpg"), "jpeg", quality)) {
        err() << "could not write " << base << ".jpg\n";
        return false;
    }
    drawn.append({QStringLiteral("%1  %2").arg(number).arg(fishart::fishName(number)), normal});
    return true;
}

QImage forSheet(const QImage &indexed)
{
    return indexed.convertToFormat(QImage::Format_RGB32);
}

bool writeButtons(const QDir &out, QList<contactsheet::Swatch> &swatches)
{
    bool ok = true;
    for (const buttons::ButtonImage &button : buttons::drawAll()) {
        const QString base = out.filePath(QStringLiteral("buttons/") + button.id);
        if (!palettewriter::writeBmp8(base + QStringLiteral(".bmp"), button.normal) ||
            !palettewriter::writeBmp8(base + QStringLiteral("@2x.bmp"), button.doubled)) {
            err() << "could not write " << base << ".bmp\n";
            ok = false;
        }
        swatches.append({button.id, forSheet(button.normal)});
    }
    return ok;
}

bool writeIcon(const QDir &out, QList<contactsheet::Swatch> &swatches)
{
    // 16-colour bitmaps, which Qt reads without a plugin, unlike icon files.
    bool ok = true;
    for (int size : {16, 32}) {
        const QString base = QStringLiteral("icon/ScreenIcon%1").arg(size);
        ok = icon::draw(size).save(out.filePath(base + QStringLiteral(".bmp")), "BMP") && ok;
        ok = icon::draw(2 * size).save(out.filePath(base + QStringLiteral("@2x.bmp")), "BMP") && ok;
    }
    for (int size : {16, 32, 128}) {
        const QImage image = forSheet(icon::draw(size));
        const QString name = QStringLiteral("reefwise-%1.png").arg(size);
        ok = image.save(out.filePath(QStringLiteral("icon/") + name), "PNG") && ok;
        swatches.append({name, image});
    }
    if (!ok)
        err() << "could not write the icon files\n";
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    // The tool never shows a window; without this it would need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("reefwise-draw"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws the Reefwise fish pictures, buttons and icon."));
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("Assets folder to write into."),
                                       QStringLiteral("dir"));
    const QCommandLineOption sheetOption(QStringLiteral("sheet"),
                                         QStringLiteral("Also write a contact sheet PNG."),
                                         QStringLiteral("file"));
    const QCommandLineOption onlyOption(
        QStringLiteral("only"),
        QStringLiteral("Draw only this (fish, fish:N, fish:A-B[,...], buttons, icon); may be "
                       "given more than once."),
        QStringLiteral("choice"));
    parser.addOptions({outOption, sheetOption, onlyOption});
    parser.process(app);
    if (!parser.isSet(outOption)) {
        err() << "--out is required\n";
        return 2;
    }

    Selection selection;
    const QStringList everything = {QStringLiteral("fish"), QStringLiteral("buttons"),
                                    QStringLiteral("icon")};
    for (const QString &choice :
         parser.isSet(onlyOption) ? parser.values(onlyOption) : everything) {
        if (!parseSelection(choice, selection)) {
            err() << "unknown --only value: " << choice << "\n";
            return 2;
        }
    }

    const QDir out(parser.value(outOption));
    for (const char *sub : {"fish", "buttons", "icon"}) {
        if (!out.mkpath(QLatin1String(sub))) {
            err() << "cannot create " << out.filePath(QLatin1String(sub)) << "\n";
            return 1;
        }
    }

    bool ok = true;
    QList<contactsheet::Swatch> drawn, swatches;
    for (int number : selection.fish)
        ok = writeFish(out, number, drawn) && ok;
    if (selection.buttons)
        ok = writeButtons(out, swatches) && ok;
    if (selection.icon)
        ok = writeIcon(out, swatches) && ok;

    if (parser.isSet(sheetOption) &&
        !contactsheet::write(parser.value(sheetOption), drawn, swatches)) {
        err() << "could not write the contact sheet\n";
        ok = false;
    }
    return ok ? 0 : 1;
}
