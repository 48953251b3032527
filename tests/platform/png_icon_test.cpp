// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Icons from PNG files, read without loading any image format plugin.
#include "platform/toolkit/png_icon.h"

#include <QFile>
#include <QTest>

using tessavundo::PngIcon;

class PngIconTest : public QObject {
    Q_OBJECT

private slots:
    void readsThePicturesWithoutImagePlugins();
    void unreadableFilesAreLeftOut();
};

namespace {

QString IconFile(int size) {
    return QStringLiteral(TESSAVUNDO_ICON_FOLDER "/tessavundo-%1.png").arg(size);
}

} // namespace

void PngIconTest::readsThePicturesWithoutImagePlugins() {
    const QIcon icon = PngIcon({IconFile(16), IconFile(48)});
    QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(48, 48)}));
    const QImage image = icon.pixmap(48, 48).toImage();
    QVERIFY(qAlpha(image.pixel(24, 24)) > 0);

    QFile maps(QStringLiteral("/proc/self/maps"));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    QVERIFY2(!maps.readAll().contains("imageformats"), "an image format plugin was loaded");
}

void PngIconTest::unreadableFilesAreLeftOut() {
    QVERIFY(PngIcon({QStringLiteral("/nonexistent/picture.png")}).isNull());
    const QIcon icon = PngIcon({QStringLiteral("/nonexistent/picture.png"), IconFile(32)});
    QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(32, 32)});
}

QTEST_MAIN(PngIconTest)
#include "png_icon_test.moc"
