// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictures.h"

#include "runtimeerror.h"

#include <QGuiApplication>
#include <QImage>

namespace ui {

namespace {

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
    if (id == QLatin1String("ScreenIcon")) {
        *suffix = QStringLiteral(".ico");
        return QStringLiteral("icon");
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

QPixmap loadPicture(const QString &id, qreal devicePixelRatio)
{
    const bool doubleSize = devicePixelRatio > 1.0;
    const QString path = picturePath(id, doubleSize);
    // Decoded afresh for every load, and not kept in QPixmapCache, which would
    // hold on to every photo visited.
    const QImage image = path.isEmpty() ? QImage() : QImage(path);
    if (image.isNull())
        throw RuntimeError("cannot load picture " + id.toStdString());
    QPixmap picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(doubleSize ? 2.0 : 1.0);
    return picture;
}

QPixmap loadPicture(const QString &id)
{
    return loadPicture(id, qGuiApp->devicePixelRatio());
}

QIcon loadIcon(const QString &id)
{
    // Only the file this screen shows; reading both would slow every start.
    const QString path = picturePath(id, qGuiApp->devicePixelRatio() > 1.0);
    QIcon icon(path);
    if (path.isEmpty() || icon.isNull())
        throw RuntimeError("cannot load icon " + id.toStdString());
    return icon;
}

} // namespace ui
