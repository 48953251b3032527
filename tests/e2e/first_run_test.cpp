// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The picker's first run on a real X server: the window's size and what its fields show.
#include "core/hue_scale.h"
#include "core/shade_field_reference.h"
#include "tests/e2e/picker_session.h"

#include <cmath>
#include <vector>

using namespace tessavundo;
using namespace tessavundo::e2e;

class FirstRunTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(configDir_.isValid()); }
    void showsTheRedFieldAndTheRainbowBar();

private:
    QTemporaryDir configDir_;
};

void FirstRunTest::showsTheRedFieldAndTheRainbowBar() {
    PickerSession picker(configDir_.path());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    picker.Focus();
    QTest::qWait(300);
    const QImage shot = picker.Grab().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.size(), QSize(441, 273));

    // Every pixel of the shade field but the marker's (the top-right corner, where red sits)
    // is the field computed for hue position 0.
    std::vector<std::uint8_t> field(kShadeFieldBytes, 0xFF);
    RenderShadeFieldReference(0, ShadeFieldPixels(field.data(), kShadeFieldBytes));
    const QRect marker(253, 0, 3, 2);
    int differing = 0;
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            if (marker.contains(x, y))
                continue;
            const std::uint8_t* expected = &field[(y * 256 + x) * 4];
            const QRgb shown = shot.pixel(9 + x, 9 + y);
            if (qBlue(shown) != expected[0] || qGreen(shown) != expected[1] ||
                qRed(shown) != expected[2])
                ++differing;
        }
    }
    QCOMPARE(differing, 0);
    // The marker itself is drawn over the field in cyan, the complement of red.
    QCOMPARE(shot.pixel(9 + 253, 9 + 1), qRgb(0, 255, 255));

    // The rainbow bar: each pixel row shows the last position drawn into it.
    for (int row = 1; row < 256; ++row) {
        int last = 0;
        for (int p = 0; p < kHuePositionCount; ++p)
            if (std::nearbyint(p * 256.0 / 1535) == row)
                last = p;
        const ChannelTriple hue = PureHueColor(last);
        QCOMPARE(shot.pixel(273 + 7, 9 + row), qRgb(hue.red, hue.green, hue.blue));
    }
    // The preview is red.
    QCOMPARE(shot.pixel(296 + 60, 104 + 60), qRgb(255, 0, 0));
}

QTEST_GUILESS_MAIN(FirstRunTest)
#include "first_run_test.moc"
