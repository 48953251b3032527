// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Start-up and shut-down of the picker window with seeded settings.
#include "platform/toolkit/line.h"
#include "platform/toolkit/shape.h"
#include "platform/toolkit/system_colors.h"
#include "platform/toolkit/text_box.h"
#include "tests/support/form_harness.h"

#include <QFontDatabase>
#include <QScreen>
#include <QWindow>
#include <QtTest>

using namespace tessavundo;
using namespace tessavundo::testing;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void storedColor_data();
    void storedColor();
    void firstRunShowsRedWithSystemColorSwatches();
    void controlsShareOneInstalledFont();
    void swatchesRestoreOneByOne();
    void positionNeedsBothCoordinates();
    void positionOffEveryScreenComesBack();
    void maximizedAnywaySavesTheNormalPosition();
    void shutdownWritesTheNineValuesInOrder();
    void shutdownWritesEvenWhenStoreRefuses();
};

void StartupTest::storedColor_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("missing");
    QTest::addColumn<QString>("rgbText");
    QTest::addColumn<QString>("hexText");
    QTest::addColumn<float>("huePosition");
    QTest::addColumn<float>("markerLeft");
    QTest::addColumn<float>("markerTop");
    QTest::addColumn<int>("border");

    // clang-format off
    QTest::newRow("missing gives red") << QString() << true << "rgb(255,0,0)" << "#FF0000" << 0.0f
        << 253.0f << -2.0f << 0xFFFF00;
    QTest::newRow("gray 128") << "8421504" << false << "rgb(128,128,128)" << "#808080" << 0.0f
        << -2.0f << 125.0f << 0x7F7F7F;
    QTest::newRow("-1 splits to red") << "-1" << false << "rgb(255,0,0)" << "#FF0000" << 0.0f
        << 253.0f << -2.0f << 0xFFFF00;
    QTest::newRow("not a number gives black") << "abc" << false << "rgb(0,0,0)" << "#000000" << 0.0f
        << -2.0f << 253.0f << 0xFFFFFF;
    QTest::newRow("present but empty gives black") << "" << false << "rgb(0,0,0)" << "#000000"
        << 0.0f << -2.0f << 253.0f << 0xFFFFFF;
    QTest::newRow("only the low 24 bits count") << "16777471" << false << "rgb(255,0,0)"
        << "#FF0000" << 0.0f << 253.0f << -2.0f << 0xFFFF00;
    QTest::newRow("brown") << "3302600" << false << "rgb(200,100,50)" << "#C86432" << 1449.6666f
        << 189.0f << 53.0f << PackBytes(55, 155, 205);
    QTest::newRow("blanks around") << " 16711680 " << false << "rgb(0,0,255)" << "#0000FF" << 512.0f
        << 253.0f << -2.0f << 0x00FFFF;
    // clang-format on
}

void StartupTest::storedColor() {
    QFETCH(QString, stored);
    QFETCH(bool, missing);
    QFETCH(QString, rgbText);
    QFETCH(QString, hexText);
    QFETCH(float, huePosition);
    QFETCH(float, markerLeft);
    QFETCH(float, markerTop);
    QFETCH(int, border);

    FormHarness harness;
    if (!missing)
        harness.settings.Seed(QStringLiteral("color"), stored);
    Form1& form = harness.Start();

    QCOMPARE(form.Text1->Text(), rgbText);
    QCOMPARE(form.Text2->Text(), hexText);
    QCOMPARE(form.HuePosition, huePosition);
    QCOMPARE(form.Line1->Y1(), huePosition);
    QCOMPARE(form.Line1->Y2(), huePosition);
    QCOMPARE(form.Shape1->Left(), markerLeft);
    QCOMPARE(form.Shape1->Top(), markerTop);
    QCOMPARE(form.Shape1->BorderColor(), border);
    const ChannelTriple channels = SplitColor(form.Picture3->BackColor());
    QCOMPARE(QString::fromStdString(FormatRgbText(channels)), rgbText);
    QVERIFY(FieldBytes(form) == ExpectedField(form, huePosition));
    // The field point shows the current color: the marker never hides a different one.
    QCOMPARE(form.Picture1->Point(markerLeft + 2, markerTop + 2), form.Picture3->BackColor());
}

void StartupTest::firstRunShowsRedWithSystemColorSwatches() {
    FormHarness harness;
    Form1& form = harness.Start();
    for (PictureBox* swatch : form.Swatches())
        QCOMPARE(swatch->BackColor(), kWindowBackgroundColor);
    QCOMPARE(form.Picture3->BackColor(), 255);
    // The flag located the stored color during start-up and is clear once it is done.
    QCOMPARE(form.RgbFieldFocused, std::int16_t{0});
    QCOMPARE(form.HexFieldFocused, std::int16_t{0});
    QCOMPARE(form.size(), QSize(441, 273));
    QCOMPARE(form.windowTitle(), QStringLiteral("Tessavundo"));
    // The rainbow bar: several positions share a pixel row and the last one drawn stays, so the
    // top row is position 2 and the bottom row position 1532; blue a third of the way down.
    QCOMPARE(form.Picture2->Point(0, 0), 255 + 65536 * 2);
    QCOMPARE(form.Picture2->Point(0, 1532), 255 + 256 * 3);
    QCOMPARE(form.Picture2->Point(0.5f, 512), 0xFF0000);
}

void StartupTest::controlsShareOneInstalledFont() {
    FormHarness harness;
    Form1& form = harness.Start();
    // One family at most, and an installed one: a list or a missing family would make the
    // toolkit sort every installed font for fallbacks before the first text is laid out.
    const QStringList families = form.font().families();
    QVERIFY2(families.size() <= 1, qPrintable(families.join(QLatin1Char(','))));
    if (!families.isEmpty())
        QVERIFY(QFontDatabase::families().contains(families.first(), Qt::CaseInsensitive));
    QCOMPARE(form.font().pointSizeF(), 8.25);
    // The text boxes first lay out in the application's font: it has to be the same one.
    QCOMPARE(QApplication::font(), form.font());
    QCOMPARE(form.Text1->font(), form.font());
    QVERIFY(form.Command1->font().bold());
}

void StartupTest::swatchesRestoreOneByOne() {
    FormHarness harness;
    harness.settings.Seed(QStringLiteral("col1"), QStringLiteral("16711680"));
    harness.settings.Seed(QStringLiteral("col2"), QStringLiteral("-2147483643"));
    harness.settings.Seed(QStringLiteral("col3"), QStringLiteral("xyz"));
    harness.settings.Seed(QStringLiteral("col4"), QStringLiteral("16777216"));
    harness.settings.Seed(QStringLiteral("col5"), QStringLiteral("0"));
    harness.settings.unreadable.insert(QStringLiteral("col6"));
    Form1& form = harness.Start();

    QCOMPARE(form.Picture4->BackColor(), 16711680);
    QCOMPARE(form.Picture5->BackColor(), kWindowBackgroundColor);
    QCOMPARE(form.Picture6->BackColor(), kWindowBackgroundColor);
    // Not an RGB value: refused, the swatch keeps its initial color.
    QCOMPARE(form.Picture7->BackColor(), kWindowBackgroundColor);
    QCOMPARE(form.Picture8->BackColor(), 0);
    QCOMPARE(form.Picture9->BackColor(), kWindowBackgroundColor);
}

void StartupTest::positionNeedsBothCoordinates() {
    FormHarness unmoved;
    unmoved.settings.Seed(QStringLiteral("left"), QStringLiteral("1500"));
    const QPoint platformPlacement = unmoved.Start().pos();

    FormHarness moved;
    moved.settings.Seed(QStringLiteral("left"), QStringLiteral("1500"));
    moved.settings.Seed(QStringLiteral("top"), QStringLiteral("3000"));
    QCOMPARE(moved.Start().pos(), QPoint(100, 200));
    QVERIFY(platformPlacement != QPoint(100, 200));
}

void StartupTest::positionOffEveryScreenComesBack() {
    FormHarness harness;
    harness.settings.Seed(QStringLiteral("left"), QStringLiteral("-900000"));
    harness.settings.Seed(QStringLiteral("top"), QStringLiteral("-900000"));
    // The nearest place wholly on the only (primary) screen: its top-left corner.
    QCOMPARE(harness.Start().pos(), QPoint(0, 0));
}

void StartupTest::maximizedAnywaySavesTheNormalPosition() {
    FormHarness harness;
    harness.settings.Seed(QStringLiteral("left"), QStringLiteral("1500"));
    harness.settings.Seed(QStringLiteral("top"), QStringLiteral("3000"));
    Form1& form = harness.Start();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QList<QWidget*> controls = form.findChildren<QWidget*>();
    QList<QRect> places;
    for (const QWidget* control : controls)
        places.append(control->geometry());

    // What a window manager that ignores the fixed size does: the window covers the screen.
    const QRect screen = form.screen()->availableGeometry();
    form.windowHandle()->setWindowStates(Qt::WindowMaximized);
    form.windowHandle()->setGeometry(screen);
    QTRY_COMPARE(form.frameGeometry(), screen);
    for (qsizetype i = 0; i < controls.size(); ++i)
        QCOMPARE(controls[i]->geometry(), places[i]);

    form.close();
    QCOMPARE(harness.settings.Value("left"), QStringLiteral("1500"));
    QCOMPARE(harness.settings.Value("top"), QStringLiteral("3000"));
}

void StartupTest::shutdownWritesTheNineValuesInOrder() {
    FormHarness harness;
    harness.settings.Seed(QStringLiteral("left"), QStringLiteral("1500"));
    harness.settings.Seed(QStringLiteral("top"), QStringLiteral("3000"));
    harness.settings.Seed(QStringLiteral("color"), QStringLiteral("3302600"));
    harness.settings.Seed(QStringLiteral("col2"), QStringLiteral("657930"));
    Form1& form = harness.Start();
    form.close();

    const QStringList expectedOrder = {"left", "top",  "color", "col1", "col2",
                                       "col3", "col4", "col5",  "col6"};
    QCOMPARE(harness.settings.writeOrder, expectedOrder);
    // All nine in one write, so that the store never holds a mix of old and new values.
    QCOMPARE(harness.settings.saveCount, 1);
    QCOMPARE(harness.settings.Value("left"), QStringLiteral("1500"));
    QCOMPARE(harness.settings.Value("top"), QStringLiteral("3000"));
    QCOMPARE(harness.settings.Value("color"), QStringLiteral("3302600"));
    QCOMPARE(harness.settings.Value("col1"), QStringLiteral("-2147483643"));
    QCOMPARE(harness.settings.Value("col2"), QStringLiteral("657930"));

    // Closing again (or destroying the window) does not save a second time.
    form.close();
    QCOMPARE(harness.settings.saveCount, 1);
}

void StartupTest::shutdownWritesEvenWhenStoreRefuses() {
    FormHarness harness;
    harness.settings.readOnly = true;
    Form1& form = harness.Start();
    QVERIFY(form.close());
    // The window closes although the write fails, and nothing is stored.
    QCOMPARE(harness.settings.writeOrder.size(), 9);
    QVERIFY(harness.settings.values.isEmpty());
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
