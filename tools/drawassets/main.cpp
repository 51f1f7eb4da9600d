#include "buttons.h"
#include "contactsheet.h"
#include "fishart.h"
#include "icon.h"
#include "palettewriter.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QSet>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int fishCount = 47;

// The 1x pictures should land between about 7 and 30 KB; start high and only
// give up quality when a busy picture would grow past that.
constexpr int startQuality = 90;
constexpr int lowestQuality = 60;
constexpr qint64 largestJpeg = 29 * 1024;

struct Selection
{
    QSet<int> fish;
    bool buttons = false;
    bool icon = false;
};

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool parseFishRanges(const QString &ranges, QSet<int> &fish)
{
    for (const QString &part : ranges.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList ends = part.split(QLatin1Char('-'));
        bool okFirst = false;
        bool okLast = false;
        const int first = ends.first().trimmed().toInt(&okFirst);
        const int last = ends.size() == 2 ? ends.last().trimmed().toInt(&okLast) : first;
        if (ends.size() > 2 || !okFirst || (ends.size() == 2 && !okLast) || first < 1 ||
            last > fishCount || first > last)
            return false;
        for (int n = first; n <= last; ++n)
            fish.insert(n);
    }
    return true;
}

bool parseSelection(const QString &choice, Selection &selection)
{
    if (choice == QLatin1String("buttons")) {
        selection.buttons = true;
        return true;
    }
    if (choice == QLatin1String("icon")) {
        selection.icon = true;
        return true;
    }
    if (choice == QLatin1String("fish"))
        return parseFishRanges(QStringLiteral("1-%1").arg(fishCount), selection.fish);
    if (choice.startsWith(QLatin1String("fish:")))
        return parseFishRanges(choice.mid(5), selection.fish);
    return false;
}

QSize fishCanvas(int number)
{
    return number == 4 ? QSize(250, 188) : QSize(320, 240);
}

QImage renderFish(int number, int scale)
{
    const QSize logical = fishCanvas(number);
    QImage image(logical * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                     QPainter::TextAntialiasing);
    p.scale(scale, scale);
    fishart::paintFish(number, p, logical.width(), logical.height());
    return image;
}

QByteArray encodeJpeg(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(false);
    writer.write(image);
    return bytes;
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

bool writeFish(const QDir &out, int number, QList<contactsheet::FishPicture> &drawn)
{
    const QImage normal = renderFish(number, 1);
    const QImage doubled = renderFish(number, 2);

    int quality = startQuality;
    QByteArray normalJpeg = encodeJpeg(normal, quality);
    while (normalJpeg.size() > largestJpeg && quality > lowestQuality) {
        quality -= 4;
        normalJpeg = encodeJpeg(normal, quality);
    }
    const QByteArray doubledJpeg = encodeJpeg(doubled, quality);

    const QString base = out.filePath(QStringLiteral("fish/FishPhoto%1").arg(number));
    if (normalJpeg.isEmpty() || doubledJpeg.isEmpty() ||
        !writeBytes(base + QStringLiteral(".jpg"), normalJpeg) ||
        !writeBytes(base + QStringLiteral("@2x.jpg"), doubledJpeg)) {
        err() << "could not write " << base << ".jpg\n";
        return false;
    }
    drawn.append({number, normal});
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
    const QStringList choices = parser.values(onlyOption);
    if (choices.isEmpty()) {
        parseSelection(QStringLiteral("fish"), selection);
        selection.buttons = true;
        selection.icon = true;
    }
    for (const QString &choice : choices) {
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
    QList<contactsheet::FishPicture> drawn;
    QList<int> numbers(selection.fish.begin(), selection.fish.end());
    std::sort(numbers.begin(), numbers.end());
    for (int number : numbers)
        ok = writeFish(out, number, drawn) && ok;

    QList<contactsheet::Swatch> swatches;
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
