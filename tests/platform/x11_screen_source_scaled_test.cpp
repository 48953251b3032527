// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/create_screen_source.h"
#include "x11_test_support.h"

#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace tessavundo;
using tessavundo::test::SolidWindow;

namespace {

constexpr PackedColor kRootColor = PackBytes(0x12, 0x34, 0x56); // #123456

} // namespace

// Runs with QT_SCALE_FACTOR above 1, where a logical pixel covers several physical ones.
class ScaledX11ScreenSourceTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPhysicalPixelIsReachable();
    void clientRectMapsOntoItsPhysicalPixels_data();
    void clientRectMapsOntoItsPhysicalPixels();

private:
    std::unique_ptr<ScreenSource> source_;
};

void ScaledX11ScreenSourceTest::initTestCase() {
    if (!test::IsOnX11())
        QSKIP("needs an X server: run through ctest, which starts Xvfb with QT_QPA_PLATFORM=xcb");
    if (const QString missing = test::MissingTool({"xsetroot", "xdotool"}); !missing.isEmpty())
        QSKIP(qPrintable(missing + " is not installed"));
    const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    QVERIFY2(factor > 1, "set QT_SCALE_FACTOR above 1");
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), factor);
    source_ = CreateScreenSource();
}

void ScaledX11ScreenSourceTest::everyPhysicalPixelIsReachable() {
    // Tile the root with 1-pixel columns: red at even x, blue at odd x.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString bitmap = dir.filePath("columns.xbm");
    QFile file(bitmap);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#define columns_width 2\n#define columns_height 1\n"
               "static unsigned char columns_bits[] = {\n   0x01};\n");
    file.close();
    QVERIFY(test::RunTool("xsetroot", {"-bitmap", bitmap, "-fg", "#FF0000", "-bg", "#0000FF"}));

    const ScreenDC dc = source_->GetWindowDC();
    QCOMPARE(source_->GetPixel(dc, 100, 51), kRed);
    QCOMPARE(source_->GetPixel(dc, 101, 51), kBlue);

    // An odd pointer position, which no logical position reaches at a scale of 2.
    QVERIFY(test::RunTool("xdotool", {"mousemove", "101", "51"}));
    QTRY_COMPARE(source_->GetCursorPos(), QPoint(101, 51));
    const QPoint pointer = source_->GetCursorPos();
    QCOMPARE(source_->GetPixel(dc, pointer.x(), pointer.y()), kBlue);
    source_->ReleaseDC(dc);
}

void ScaledX11ScreenSourceTest::clientRectMapsOntoItsPhysicalPixels_data() {
    QTest::addColumn<QRect>("logicalGeometry");
    QTest::newRow("even position") << QRect(100, 60, 50, 30);
    QTest::newRow("odd position and size") << QRect(101, 67, 41, 27);
}

void ScaledX11ScreenSourceTest::clientRectMapsOntoItsPhysicalPixels() {
    QFETCH(QRect, logicalGeometry);
    QVERIFY(test::RunTool("xsetroot", {"-solid", "#123456"}));
    SolidWindow window(Qt::green, logicalGeometry);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QRect physical = source_->ToPhysicalPixels(window.LogicalClientRect());
    QCOMPARE(physical.size(), window.size() * window.devicePixelRatio());
    const ScreenDC dc = source_->GetWindowDC();
    const auto pixel = [&](QPoint point) {
        return source_->GetPixel(dc, point.x(), point.y());
    };
    for (const QPoint corner :
         {physical.topLeft(), physical.topRight(), physical.bottomLeft(), physical.bottomRight()})
        QTRY_COMPARE(pixel(corner), kGreen);
    for (const QPoint outside :
         {physical.topLeft() - QPoint(1, 0), physical.topLeft() - QPoint(0, 1),
          physical.bottomRight() + QPoint(1, 0), physical.bottomRight() + QPoint(0, 1)})
        QCOMPARE(pixel(outside), kRootColor);
    source_->ReleaseDC(dc);
}

QTEST_MAIN(ScaledX11ScreenSourceTest)
#include "x11_screen_source_scaled_test.moc"
