// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The picker at a display scale of 2 on a real X server: the window twice as large, the shade
// field and the rainbow bar enlarged without smoothing, and the eyedropper reading the physical
// pixel under the pointer.
#include "tests/e2e/picker_session.h"
#include "tests/e2e/window_shot.h"

using namespace tessavundo;
using namespace tessavundo::e2e;

namespace {

constexpr int kScale = 2;

} // namespace

class DisplayScaleTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(configDir_.isValid()); }
    void fieldAndBarAreEnlargedWithoutSmoothing();
    void eyedropperReadsThePhysicalPixelUnderThePointer();

private:
    QTemporaryDir configDir_;
};

void DisplayScaleTest::fieldAndBarAreEnlargedWithoutSmoothing() {
    PickerSession picker(configDir_.path());
    picker.SetEnvironment(QStringLiteral("QT_SCALE_FACTOR"), QString::number(kScale));
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    picker.Focus();
    E2E_TRY_COMPARE(picker.Grab().pixel(kPreview * kScale), qRgb(255, 0, 0));
    const QImage shot = picker.Grab().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.size(), QSize(441 * kScale, 273 * kScale));

    // First run: the field of hue position 0, its marker in the top-right corner.
    QCOMPARE(FieldPixelsDiffering(shot, 0, QRect(253, 0, 3, 2), kScale), 0);
    // The marker sits on the field, whole logical pixels in its complement of red.
    QCOMPARE(shot.pixel((9 + 253) * kScale + 1, (9 + 1) * kScale + 1), qRgb(0, 255, 255));

    // The bar, but for its top row where the hue marker lies.
    QCOMPARE(BarPixelsDiffering(shot, QRect(0, 0, kBarSize.width(), 1), kScale), 0);

    // The field's one-pixel border is two physical pixels of one color all round.
    const QRgb border = shot.pixel(8 * kScale, 8 * kScale);
    QVERIFY(border != shot.pixel(8 * kScale - 1, 8 * kScale));
    for (int i = 8 * kScale; i < (8 + 258) * kScale; ++i) {
        for (int edge :
             {8 * kScale, 8 * kScale + 1, (8 + 258) * kScale - 2, (8 + 258) * kScale - 1}) {
            QCOMPARE(shot.pixel(i, edge), border);
            QCOMPARE(shot.pixel(edge, i), border);
        }
    }
}

void DisplayScaleTest::eyedropperReadsThePhysicalPixelUnderThePointer() {
    PickerSession picker(configDir_.path());
    picker.SetEnvironment(QStringLiteral("QT_SCALE_FACTOR"), QString::number(kScale));
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    picker.Focus();

    // The root window in one-pixel columns: red at even x, blue at odd x. At a scale of 2 no
    // logical position reaches an odd physical column. Set while the picker is connected: the
    // server resets the root when its last client leaves.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QFile bitmap(dir.filePath(QStringLiteral("columns.xbm")));
    QVERIFY(bitmap.open(QIODevice::WriteOnly));
    bitmap.write("#define columns_width 2\n#define columns_height 1\n"
                 "static unsigned char columns_bits[] = {\n   0x01};\n");
    bitmap.close();
    Run(QStringLiteral("xsetroot"),
        {QStringLiteral("-bitmap"), bitmap.fileName(), QStringLiteral("-fg"),
         QStringLiteral("#FF0000"), QStringLiteral("-bg"), QStringLiteral("#0000FF")});

    const QByteArray geometry =
        Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), picker.Window()});
    QVERIFY2(geometry.contains("WIDTH=882") && geometry.contains("HEIGHT=546"), geometry);

    const auto previewColor = [&] {
        return picker.Grab().pixel((296 + 68) * kScale, (104 + 68) * kScale);
    };

    // The eyedropper toggle, then the pointer out over the root window, far from the window.
    picker.Click((296 + 44) * kScale, (8 + 12) * kScale);
    MovePointerTo({1001, 701});
    E2E_TRY_COMPARE_WITH_TIMEOUT(previewColor(), qRgb(0, 0, 255), 5000);
    MovePointerTo({1000, 701});
    E2E_TRY_COMPARE_WITH_TIMEOUT(previewColor(), qRgb(255, 0, 0), 5000);
    MovePointerTo({999, 701});
    E2E_TRY_COMPARE_WITH_TIMEOUT(previewColor(), qRgb(0, 0, 255), 5000);

    // Esc ends sampling and copies the hex text of the last sample.
    picker.Key(QStringLiteral("Escape"));
    E2E_TRY_COMPARE_WITH_TIMEOUT(ClipboardText(), QStringLiteral("#0000FF"), 5000);
}

QTEST_GUILESS_MAIN(DisplayScaleTest)
#include "display_scale_test.moc"
