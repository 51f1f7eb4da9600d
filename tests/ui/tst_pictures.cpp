// SPDX-FileCopyrightText: 2026 The Reefwise developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <pictures.h>
#include <runtimeerror.h>

#include <QFile>
#include <QSet>
#include <QTest>

using namespace ui;

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureLoadsAtItsSize_data();
    void everyPictureLoadsAtItsSize();
    void buttonImagesHoldOnlyTheirThreeColours_data();
    void buttonImagesHoldOnlyTheirThreeColours();
    void iconHoldsBothSizesInOpaqueBlackAndRed_data();
    void iconHoldsBothSizesInOpaqueBlackAndRed();
    void iconHoldsBothSizes_data();
    void iconHoldsBothSizes();
    void photosAreBaselineJpeg_data();
    void photosAreBaselineJpeg();
    void unknownIdentifierIsRuntimeError_data();
    void unknownIdentifierIsRuntimeError();
};

namespace {

const QStringList ButtonIds{"BackButtonImage", "NextButtonImage", "ExitButtonImage",
                            "FinaleReviewImage", "FinaleExitImage"};

// The bits per pixel of a bitmap file, from its header.
quint16 bitsPerPixel(const QByteArray &bmp)
{
    return quint16(uchar(bmp[28]) | uchar(bmp[29]) << 8);
}

QSet<QRgb> coloursOf(const QImage &image)
{
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            seen.insert(image.pixel(x, y));
    return seen;
}

} // namespace

void TestPictures::everyPictureLoadsAtItsSize_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QSize>("size");
    // A screen at this ratio or more gets the @2x picture.
    QTest::addColumn<qreal>("highDensity");
    for (int n = 1; n <= 47; ++n)
        QTest::addRow("FishPhoto%d", n) << QStringLiteral("FishPhoto%1").arg(n)
                                        << (n == 4 ? QSize(250, 188) : QSize(320, 240)) << 2.0;
    QTest::newRow("BackButtonImage") << "BackButtonImage" << QSize(50, 60) << 2.0;
    QTest::newRow("NextButtonImage") << "NextButtonImage" << QSize(50, 60) << 2.0;
    QTest::newRow("ExitButtonImage") << "ExitButtonImage" << QSize(50, 50) << 2.0;
    QTest::newRow("FinaleReviewImage") << "FinaleReviewImage" << QSize(150, 150) << 2.0;
    QTest::newRow("FinaleExitImage") << "FinaleExitImage" << QSize(81, 81) << 2.0;
    QTest::newRow("FishPhoto1_at_150_percent") << "FishPhoto1" << QSize(320, 240) << 1.5;
}

void TestPictures::everyPictureLoadsAtItsSize()
{
    QFETCH(QString, id);
    QFETCH(QSize, size);
    QFETCH(qreal, highDensity);
    const QPixmap single = loadPicture(id, 1.0);
    QCOMPARE(single.size(), size);
    QCOMPARE(single.deviceIndependentSize().toSize(), size);
    const QPixmap twice = loadPicture(id, highDensity);
    QCOMPARE(twice.size(), size * 2);
    // Sharp on a high-density screen, and still the same size in the layout.
    QCOMPARE(twice.deviceIndependentSize().toSize(), size);
}

void TestPictures::buttonImagesHoldOnlyTheirThreeColours_data()
{
    QTest::addColumn<QString>("path");
    for (const QString &id : ButtonIds) {
        QTest::addRow("%s", qPrintable(id)) << picturePath(id, false);
        QTest::addRow("%s@2x", qPrintable(id)) << picturePath(id, true);
    }
}

void TestPictures::buttonImagesHoldOnlyTheirThreeColours()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("BM"));
    QCOMPARE(bitsPerPixel(bytes), quint16(8));

    const QImage image(path);
    QVERIFY(!image.isNull());
    const QSet<QRgb> allowed{qRgb(255, 0, 0), qRgb(255, 255, 255), qRgb(4, 4, 4)};
    QCOMPARE(coloursOf(image), allowed);
}

void TestPictures::iconHoldsBothSizesInOpaqueBlackAndRed_data()
{
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QList<int>>("sizes");
    QTest::newRow("ScreenIcon") << iconPaths(QStringLiteral("ScreenIcon"), false)
                                << QList<int>{16, 32};
    QTest::newRow("ScreenIcon@2x")
        << iconPaths(QStringLiteral("ScreenIcon"), true) << QList<int>{32, 64};
}

void TestPictures::iconHoldsBothSizesInOpaqueBlackAndRed()
{
    QFETCH(QStringList, paths);
    QFETCH(QList<int>, sizes);
    QCOMPARE(paths.size(), sizes.size());
    for (int i = 0; i < paths.size(); ++i) {
        QFile file(paths[i]);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(paths[i]));
        const QByteArray bytes = file.readAll();
        // A 16-colour palette: four bits a pixel, sixteen entries.
        QVERIFY(bytes.startsWith("BM"));
        QCOMPARE(bitsPerPixel(bytes), quint16(4));

        const QImage image(paths[i]);
        QVERIFY(!image.isNull());
        QCOMPARE(image.colorCount(), 16);
        QCOMPARE(image.size(), QSize(sizes[i], sizes[i]));
        QCOMPARE(coloursOf(image), (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 0, 0)}));
    }
}

void TestPictures::iconHoldsBothSizes_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("small_16") << 16;
    QTest::newRow("large_32") << 32;
}

void TestPictures::iconHoldsBothSizes()
{
    QFETCH(int, size);
    const QIcon icon = loadIcon(QStringLiteral("ScreenIcon"));
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));
    QCOMPARE(icon.pixmap(size).size(), QSize(size, size));
}

void TestPictures::photosAreBaselineJpeg_data()
{
    QTest::addColumn<QString>("path");
    for (int n = 1; n <= 47; ++n) {
        const QString id = QStringLiteral("FishPhoto%1").arg(n);
        QTest::addRow("%s", qPrintable(id)) << picturePath(id, false);
        QTest::addRow("%s@2x", qPrintable(id)) << picturePath(id, true);
    }
}

void TestPictures::photosAreBaselineJpeg()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xff\xd8"));
    // Walk the markers up to the frame header: SOF0 is baseline.
    int at = 2;
    int frameMarker = -1;
    while (at + 4 <= bytes.size() && uchar(bytes[at]) == 0xff) {
        const int marker = uchar(bytes[at + 1]);
        if (marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 &&
            marker != 0xcc) {
            frameMarker = marker;
            break;
        }
        at += 2 + (uchar(bytes[at + 2]) << 8 | uchar(bytes[at + 3]));
    }
    QCOMPARE(frameMarker, 0xc0);
    const int components = uchar(bytes[at + 9]);
    QCOMPARE(components, 3);
}

void TestPictures::unknownIdentifierIsRuntimeError_data()
{
    QTest::addColumn<QString>("id");
    QTest::newRow("empty") << "";
    QTest::newRow("fish_zero") << "FishPhoto0";
    QTest::newRow("fish_48") << "FishPhoto48";
    QTest::newRow("leading_zero") << "FishPhoto07";
    QTest::newRow("lower_case") << "backbuttonimage";
    QTest::newRow("icon_lower_case") << "screenicon";
}

void TestPictures::unknownIdentifierIsRuntimeError()
{
    QFETCH(QString, id);
    QVERIFY(picturePath(id, false).isEmpty());
    QVERIFY_THROWS_EXCEPTION(RuntimeError, loadPicture(id, 1.0));
    QVERIFY(iconPaths(id, false).isEmpty());
    QVERIFY_THROWS_EXCEPTION(RuntimeError, loadIcon(id));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
