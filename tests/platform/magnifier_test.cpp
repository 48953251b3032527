// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

// The one-shot pick's magnifier: the pixels it takes from a read block, the picture it draws of
// them, and where a window showing it goes beside the pointer.
#include "platform/screen/magnifier_placement.h"
#include "platform/screen/magnifier_view.h"

#include <QTest>

using tessavundo::ComposeMagnifierView;
using tessavundo::kMagnifierCells;
using tessavundo::MagnifierArea;
using tessavundo::MagnifierPixelsFrom;
using tessavundo::MagnifierWindowPlace;
using tessavundo::PackBytes;
using tessavundo::PackedColor;

namespace {

constexpr int kZoom = 8;
constexpr int kMiddle = kMagnifierCells / 2;
constexpr QSize kView(kMagnifierCells* kZoom, kMagnifierCells* kZoom);
constexpr int kClearance = 40;
const QRect kFullHd(0, 0, 1920, 1080);
// A second monitor to the left of the first, at negative coordinates.
const QRect kLeftMonitor(-1280, 0, 1280, 1024);

// A color that tells every pixel of a 2000-pixel-wide screen apart.
PackedColor ColorAt(int x, int y) {
    return PackBytes(x % 256, y % 256, (x / 256) * 16 + y / 256);
}

// The block a read of `area` returns, row by row.
std::vector<PackedColor> BlockOf(const QRect& area) {
    std::vector<PackedColor> block;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            block.push_back(ColorAt(x, y));
    return block;
}

QRgb Rgb(PackedColor color) {
    const auto channels = tessavundo::SplitColor(color);
    return qRgb(channels.red, channels.green, channels.blue);
}

// The picture's pixel in the middle of a cell.
QRgb CellMiddle(const QImage& image, int row, int column) {
    return image.pixel(column * kZoom + kZoom / 2, row * kZoom + kZoom / 2);
}

} // namespace

class MagnifierTest : public QObject {
    Q_OBJECT

private slots:
    void cellsComeFromTheirOwnPixels();
    void cellsOffTheScreenStayEmpty();
    void aBlockOfTheWrongSizeGivesNoCells();
    void pictureShowsEachPixelAsOneCell();
    void centreCellIsFramedOutsideItsOwnPixels();
    void placement_data();
    void placement();
};

void MagnifierTest::cellsComeFromTheirOwnPixels() {
    const QPoint centre(500, 300);
    const QRect area = MagnifierArea(centre);
    QCOMPARE(area, QRect(493, 293, kMagnifierCells, kMagnifierCells));
    const auto pixels = MagnifierPixelsFrom(centre, area, BlockOf(area));
    for (int row = 0; row < kMagnifierCells; ++row)
        for (int column = 0; column < kMagnifierCells; ++column)
            QCOMPARE(pixels[static_cast<std::size_t>(row * kMagnifierCells + column)],
                     ColorAt(area.left() + column, area.top() + row));
}

void MagnifierTest::cellsOffTheScreenStayEmpty() {
    // The pointer on the screen's top-left pixel: only the lower-right quarter is on it.
    const QPoint centre(0, 0);
    const QRect read = MagnifierArea(centre).intersected(kFullHd);
    const auto pixels = MagnifierPixelsFrom(centre, read, BlockOf(read));
    for (int row = 0; row < kMagnifierCells; ++row)
        for (int column = 0; column < kMagnifierCells; ++column) {
            const auto& cell = pixels[static_cast<std::size_t>(row * kMagnifierCells + column)];
            if (row < kMiddle || column < kMiddle)
                QVERIFY(!cell.has_value());
            else
                QCOMPARE(cell, ColorAt(column - kMiddle, row - kMiddle));
        }
}

void MagnifierTest::aBlockOfTheWrongSizeGivesNoCells() {
    const QPoint centre(100, 100);
    const QRect area = MagnifierArea(centre);
    std::vector<PackedColor> block = BlockOf(area);
    block.pop_back();
    for (const auto& cell : MagnifierPixelsFrom(centre, area, block))
        QVERIFY(!cell.has_value());
    for (const auto& cell : MagnifierPixelsFrom(centre, QRect(), {}))
        QVERIFY(!cell.has_value());
}

void MagnifierTest::pictureShowsEachPixelAsOneCell() {
    const QPoint centre(1913, 1073);
    const QRect read = MagnifierArea(centre).intersected(kFullHd);
    const QImage image =
        ComposeMagnifierView(MagnifierPixelsFrom(centre, read, BlockOf(read)), kZoom);
    QCOMPARE(image.size(), kView);
    // Left of the centre's row, clear of the frame and of the hex text below the centre.
    for (int column = 1; column < kMiddle - 1; ++column)
        QCOMPARE(CellMiddle(image, kMiddle, column),
                 Rgb(ColorAt(centre.x() - kMiddle + column, centre.y())));
    // Past the screen's right and bottom edges the picture is transparent.
    QCOMPARE(qAlpha(CellMiddle(image, kMiddle, kMagnifierCells - 1)), 0);
    QCOMPARE(qAlpha(CellMiddle(image, kMagnifierCells - 1, 1)), 0);
}

void MagnifierTest::centreCellIsFramedOutsideItsOwnPixels() {
    const PackedColor grey = PackBytes(128, 128, 128);
    const tessavundo::MagnifierPixels pixels(kMagnifierCells * kMagnifierCells, grey);
    const QImage image = ComposeMagnifierView(pixels, kZoom);
    const int first = kMiddle * kZoom;
    const int last = first + kZoom - 1;
    // Every pixel of the centre cell is the color itself, ...
    for (int y = first; y <= last; ++y)
        for (int x = first; x <= last; ++x)
            QCOMPARE(image.pixel(x, y), Rgb(grey));
    // ... the frame around it black, then white, on all four sides.
    for (const QPoint inner : {QPoint(first - 1, first + 3), QPoint(last + 1, first + 3),
                               QPoint(first + 3, first - 1), QPoint(first + 3, last + 1)})
        QCOMPARE(image.pixel(inner), qRgb(0, 0, 0));
    for (const QPoint outer : {QPoint(first - 2, first + 3), QPoint(last + 2, first + 3),
                               QPoint(first + 3, first - 2), QPoint(first + 3, last + 2)})
        QCOMPARE(image.pixel(outer), qRgb(255, 255, 255));
}

void MagnifierTest::placement_data() {
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QRect>("monitor");
    QTest::addColumn<QPoint>("placed");

    const int after = kClearance + 1;
    const int before = kClearance + kView.width();
    // clang-format off
    QTest::newRow("middle: below and to the right") << QPoint(900, 500) << kFullHd
        << QPoint(900 + after, 500 + after);
    QTest::newRow("right edge: to the left") << QPoint(1919, 500) << kFullHd
        << QPoint(1919 - before, 500 + after);
    QTest::newRow("last pixel that still fits to the right") << QPoint(1919 - after - kView.width() + 1, 500)
        << kFullHd << QPoint(1920 - kView.width(), 500 + after);
    QTest::newRow("bottom edge: above") << QPoint(900, 1079) << kFullHd
        << QPoint(900 + after, 1079 - before);
    QTest::newRow("bottom-right corner: above and to the left") << QPoint(1919, 1079) << kFullHd
        << QPoint(1919 - before, 1079 - before);
    QTest::newRow("top-left corner") << QPoint(0, 0) << kFullHd << QPoint(after, after);
    QTest::newRow("left monitor, its right edge") << QPoint(-1, 1023) << kLeftMonitor
        << QPoint(-1 - before, 1023 - before);
    QTest::newRow("left monitor, its left edge") << QPoint(-1280, 10) << kLeftMonitor
        << QPoint(-1280 + after, 10 + after);
    // Too narrow for either side: the side with more room, on the monitor.
    QTest::newRow("narrow monitor") << QPoint(90, 500) << QRect(0, 0, 200, 1080)
        << QPoint(200 - kView.width(), 500 + after);
    // clang-format on
}

void MagnifierTest::placement() {
    QFETCH(QPoint, pointer);
    QFETCH(QRect, monitor);
    QFETCH(QPoint, placed);
    const QPoint place = MagnifierWindowPlace(pointer, kView, monitor, kClearance);
    QCOMPARE(place, placed);
    QVERIFY(monitor.contains(QRect(place, kView)));
}

// The hex text needs the fonts of a GUI application.
QTEST_MAIN(MagnifierTest)
#include "magnifier_test.moc"
