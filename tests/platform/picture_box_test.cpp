// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// A picture box read at scale values far off its area: a hue located from fractional channels
// can lie billions of units off the rainbow bar.
#include "platform/toolkit/picture_box.h"

#include <QtTest>
#include <limits>

using namespace tessavundo;

class PictureBoxTest : public QObject {
    Q_OBJECT

private slots:
    void farOffPointReadsNearestEdge_data();
    void farOffPointReadsNearestEdge();
};

void PictureBoxTest::farOffPointReadsNearestEdge_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<QPoint>("edgePixel");
    constexpr float kLargest = std::numeric_limits<float>::max();
    QTest::newRow("billions below") << 10.0f << 1e12f << QPoint(10, 255);
    QTest::newRow("billions above") << 10.0f << -1e12f << QPoint(10, 0);
    QTest::newRow("billions right") << 3e9f << 20.0f << QPoint(255, 20);
    QTest::newRow("billions left") << -3e9f << 20.0f << QPoint(0, 20);
    QTest::newRow("largest float, both ways") << kLargest << -kLargest << QPoint(255, 0);
    QTest::newRow("just past the 32-bit range") << 2147483904.0f << 5.0f << QPoint(255, 5);
}

void PictureBoxTest::farOffPointReadsNearestEdge() {
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(QPoint, edgePixel);
    PictureBox box;
    box.setGeometry(0, 0, 258, 258);
    box.KeepImage();
    box.SetScaleWidth(256);
    box.SetScaleHeight(256);
    QImage& image = box.PersistentImage();
    for (int row = 0; row < image.height(); ++row)
        for (int column = 0; column < image.width(); ++column)
            image.setPixel(column, row, qRgb(column, row, 7));

    QCOMPARE(box.Point(x, y), PackBytes(edgePixel.x(), edgePixel.y(), 7));
}

QTEST_MAIN(PictureBoxTest)
#include "picture_box_test.moc"
