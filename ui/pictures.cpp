#include "pictures.h"

#include "runtimeerror.h"

#include <QGuiApplication>

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
    QPixmap picture;
    if (path.isEmpty() || !picture.load(path))
        throw RuntimeError("cannot load picture " + id.toStdString());
    picture.setDevicePixelRatio(doubleSize ? 2.0 : 1.0);
    return picture;
}

QPixmap loadPicture(const QString &id)
{
    return loadPicture(id, qGuiApp->devicePixelRatio());
}

QIcon loadIcon(const QString &id)
{
    const QString path = picturePath(id, false);
    if (path.isEmpty())
        throw RuntimeError("cannot load icon " + id.toStdString());
    QIcon icon(path);
    icon.addFile(picturePath(id, true));
    if (icon.isNull())
        throw RuntimeError("cannot load icon " + id.toStdString());
    return icon;
}

} // namespace ui
