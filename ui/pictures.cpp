// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictures.h"

#include "runtimeerror.h"

#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

namespace ui {

namespace {

constexpr QLatin1String IconId("ScreenIcon");

QString folderAndSuffix(const QString &id, QString *suffix)
{
    static const QStringList buttons{
        QStringLiteral("BackButtonImage"), QStringLiteral("NextButtonImage"),
        QStringLiteral("ExitButtonImage"), QStringLiteral("FinaleReviewImage"),
        QStringLiteral("FinaleExitImage")};
    if (buttons.contains(id)) {
        *suffix = QStringLiteral(".bmp");
        return QStringLiteral("buttons");
    }
    static const QLatin1String fishPrefix("FishPhoto");
    if (id.startsWith(fishPrefix)) {
        bool ok = false;
        const int n = id.mid(fishPrefix.size()).toInt(&ok);
        if (ok && n >= 1 && n <= 47 && id == fishPrefix + QString::number(n)) {
            *suffix = QStringLiteral(".jpg");
            return QStringLiteral("fish");
        }
    }
    return {};
}

// Read with the handler that the suffix names. Left to guess, Qt loads every
// image plugin (JPEG's, GIF's, ICO's) to ask each whether it knows the file,
// even for a bitmap its own code reads.
QImage decode(const QString &path)
{
    QImageReader reader(path, path.section(QLatin1Char('.'), -1).toLatin1());
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap toPixmap(const QImage &image, bool doubleSize)
{
    QPixmap picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(doubleSize ? 2.0 : 1.0);
    return picture;
}

} // namespace

QString picturePath(const QString &id, bool doubleSize)
{
    QString suffix;
    const QString folder = folderAndSuffix(id, &suffix);
    if (folder.isEmpty())
        return {};
    return QStringLiteral(":/%1/%2%3%4")
        .arg(folder, id, doubleSize ? QStringLiteral("@2x") : QString(), suffix);
}

QStringList iconPaths(const QString &id, bool doubleSize)
{
    if (id != IconId)
        return {};
    const QString scale = doubleSize ? QStringLiteral("@2x") : QString();
    return {QStringLiteral(":/icon/%1%2%3.bmp").arg(id, QStringLiteral("16"), scale),
            QStringLiteral(":/icon/%1%2%3.bmp").arg(id, QStringLiteral("32"), scale)};
}

QPixmap loadPicture(const QString &id, qreal devicePixelRatio)
{
    const bool doubleSize = devicePixelRatio > 1.0;
    const QString path = picturePath(id, doubleSize);
    // Decoded afresh for every load, and not kept in QPixmapCache, which would
    // hold on to every photo visited.
    const QImage image = path.isEmpty() ? QImage() : decode(path);
    if (image.isNull())
        throw RuntimeError("cannot load picture " + id.toStdString());
    return toPixmap(image, doubleSize);
}

QPixmap loadPicture(const QString &id)
{
    return loadPicture(id, qGuiApp->devicePixelRatio());
}

QIcon loadIcon(const QString &id)
{
    const bool doubleSize = qGuiApp->devicePixelRatio() > 1.0;
    const QStringList paths = iconPaths(id, doubleSize);
    if (paths.isEmpty())
        throw RuntimeError("cannot load icon " + id.toStdString());
    QIcon icon;
    for (const QString &path : paths) {
        const QImage image = decode(path);
        if (image.isNull())
            throw RuntimeError("cannot load icon " + id.toStdString());
        icon.addPixmap(toPixmap(image, doubleSize));
    }
    return icon;
}

} // namespace ui
