// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The picker's first run on a real X server: the window's size and what its fields show.
#include "tests/e2e/picker_session.h"
#include "tests/e2e/window_shot.h"

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
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(255, 0, 0));
    const QImage shot = picker.Grab().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.size(), QSize(441, 273));

    // Every pixel of the shade field but the marker's (the top-right corner, where red sits)
    // is the field computed for hue position 0.
    QCOMPARE(FieldPixelsDiffering(shot, 0, QRect(253, 0, 3, 2)), 0);
    // The marker itself is drawn over the field in cyan, the complement of red.
    QCOMPARE(shot.pixel(9 + 253, 9 + 1), qRgb(0, 255, 255));

    // The rainbow bar, but for its top row where the hue marker lies: each pixel row shows the
    // last position drawn into it.
    QCOMPARE(BarPixelsDiffering(shot, QRect(0, 0, kBarSize.width(), 1)), 0);
    // The preview is red.
    QCOMPARE(shot.pixel(296 + 60, 104 + 60), qRgb(255, 0, 0));
}

QTEST_GUILESS_MAIN(FirstRunTest)
#include "first_run_test.moc"
