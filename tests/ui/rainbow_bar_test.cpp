// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The rainbow bar driven with a real mouse and keyboard: presses, drags with the follow-up
// timer, and the "+" and "-" keys.
#include "platform/toolkit/timer.h"
#include "tests/support/keyboard.h"
#include "tests/support/picker_state.h"
#include "tests/support/pointer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QtTest>
#include <memory>
#include <optional>

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

// The bar's drawable area starts one pixel into the box; pixel row r shows position
// r * 1535 / 256, the way the box converts a pointer row into its scale.
QPoint BarPixel(int row) {
    return {8, row + 1};
}

float BarPosition(int row) {
    return static_cast<float>(row * 1535.0 / 256);
}

// The stored color rgb(200,100,50) puts the field marker inside the field, at the point
// (191, 55), so that the readout shows a shade rather than the pure hue.
constexpr int kMarkerX = 191;
constexpr int kMarkerY = 55;

} // namespace

class RainbowBarTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { harness_.reset(); }

    void leftPressPublishesTheShadeUnderTheMarker_data();
    void leftPressPublishesTheShadeUnderTheMarker();
    void leftPressChangesInOrder();
    void otherButtonsOnlyStopTheFollowUp_data();
    void otherButtonsOnlyStopTheFollowUp();
    void dragMovesTheMarkerAndPublishesOnTheNextTick();
    void holdingStillRendersOnEveryTickUntilRelease();
    void anyPressOrReleaseStopsTheFollowUp();
    void dragOutsideTheBarClamps_data();
    void dragOutsideTheBarClamps();
    void fastPointerStillGetsTicks();
    void keysStepTheHue_data();
    void keysStepTheHue();
    void keysGoPastTheBottomEndUnchanged();
    void minusAtTheTopRendersBelowZero();

private:
    Form1& form() { return *harness_->form; }
    // The state after the field is rendered for `hue` and the color under the marker is
    // published, with the hue marker at `hue`.
    PickerState Published(PickerState state, float hue);

    std::unique_ptr<FormHarness> harness_;
    Pointer pointer_;
};

void RainbowBarTest::init() {
    pointer_ = Pointer();
    harness_ = std::make_unique<FormHarness>();
    QVERIFY(harness_->StartWindow(kStoredShade));
    QCOMPARE(form().Shape1->Left(), float{kMarkerX - 2});
    QCOMPARE(form().Shape1->Top(), float{kMarkerY - 2});
}

PickerState RainbowBarTest::Published(PickerState state, float hue) {
    const PackedColor color = ExpectedFieldColor(form(), hue, kMarkerX, kMarkerY);
    state.shown.huePosition = hue;
    state.shown.hueMarkerY1 = hue;
    state.shown.hueMarkerY2 = hue;
    state.shown.fieldMarkerBorder = Complement(color);
    state.shown.preview = color;
    state.shown.rgbText = RgbText(color);
    state.shown.hexText = HexText(color);
    state.field = ExpectedField(form(), hue);
    return state;
}

void RainbowBarTest::leftPressPublishesTheShadeUnderTheMarker_data() {
    QTest::addColumn<int>("pixelY");
    QTest::addColumn<float>("hue");
    QTest::newRow("top border clamps to 0") << 0 << 0.0f;
    QTest::newRow("top row") << 1 << 0.0f;
    QTest::newRow("row 100") << 101 << BarPosition(100);
    QTest::newRow("row 200") << 201 << BarPosition(200);
    QTest::newRow("bottom row") << 256 << BarPosition(255);
    QTest::newRow("bottom border gives 1535") << 257 << 1535.0f;
}

void RainbowBarTest::leftPressPublishesTheShadeUnderTheMarker() {
    QFETCH(int, pixelY);
    QFETCH(float, hue);
    const PickerState expected = Published(PickerState::Of(form()), hue);

    pointer_.Press(*form().Picture2, QPoint(8, pixelY));
    QCOMPARE(PickerState::Of(form()), expected);
    QVERIFY(!form().Timer2->Enabled());
    // Right after start-up as at any time later, writing the rgb field converted nothing: the
    // color was not located afresh, so the hue stays where the press put it.
    QCOMPARE(QApplication::focusWidget(), form().Picture2);
    QCOMPARE(form().RgbFieldFocused, std::int16_t{0});

    pointer_.Release(*form().Picture2, QPoint(8, pixelY));
    QCOMPARE(PickerState::Of(form()), expected);
}

void RainbowBarTest::leftPressChangesInOrder() {
    const PickerState before = PickerState::Of(form());
    std::optional<PickerState> atRgbWrite;
    std::optional<PickerState> atHexWrite;
    connect(
        form().Text1, &TextBox::Change, this, [&] { atRgbWrite = PickerState::Of(form()); });
    connect(form().Text2, &TextBox::Change, this, [&] { atHexWrite = PickerState::Of(form()); });

    const float hue = BarPosition(100);
    const PickerState after = Published(before, hue);
    pointer_.Press(*form().Picture2, BarPixel(100));
    QVERIFY(atRgbWrite && atHexWrite);

    // Writing the rgb field: the field is rendered and the preview set, while the marker's
    // border, the hex field and the hue marker still show the old color.
    PickerState expected = before;
    expected.shown.huePosition = hue;
    expected.field = after.field;
    expected.shown.preview = after.shown.preview;
    expected.shown.rgbText = after.shown.rgbText;
    QCOMPARE(*atRgbWrite, expected);
    // Writing the hex field: the border has changed, the hue marker not yet.
    expected.shown.fieldMarkerBorder = after.shown.fieldMarkerBorder;
    expected.shown.hexText = after.shown.hexText;
    QCOMPARE(*atHexWrite, expected);
    QCOMPARE(PickerState::Of(form()), after);
    pointer_.Release(*form().Picture2, BarPixel(100));
}

void RainbowBarTest::otherButtonsOnlyStopTheFollowUp_data() {
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void RainbowBarTest::otherButtonsOnlyStopTheFollowUp() {
    QFETCH(Qt::MouseButton, button);
    pointer_.Press(*form().Picture2, BarPixel(50));
    pointer_.Move(*form().Picture2, BarPixel(120));
    QVERIFY(form().Timer2->Enabled());
    const PickerState before = PickerState::Of(form());

    pointer_.Press(*form().Picture2, BarPixel(120), button);
    QVERIFY(!form().Timer2->Enabled());
    QCOMPARE(PickerState::Of(form()), before);

    // On its own, too, the press changes nothing.
    pointer_.Release(*form().Picture2, BarPixel(120), button);
    pointer_.Release(*form().Picture2, BarPixel(120));
    pointer_.Press(*form().Picture2, BarPixel(20), button);
    pointer_.Release(*form().Picture2, BarPixel(20), button);
    QCOMPARE(PickerState::Of(form()), before);
}

void RainbowBarTest::dragMovesTheMarkerAndPublishesOnTheNextTick() {
    pointer_.Press(*form().Picture2, BarPixel(50));
    const PickerState afterPress = PickerState::Of(form());
    QSignalSpy ticks(form().Timer2, &Timer::Tick);

    pointer_.Move(*form().Picture2, BarPixel(120));
    const float hue = BarPosition(120);
    PickerState moved = afterPress;
    moved.shown.huePosition = hue;
    moved.shown.hueMarkerY1 = hue;
    moved.shown.hueMarkerY2 = hue;
    QCOMPARE(PickerState::Of(form()), moved);
    QVERIFY(form().Timer2->Enabled());
    QCOMPARE(ticks.count(), 0);

    QVERIFY(ticks.wait(1000));
    QCOMPARE(PickerState::Of(form()), Published(afterPress, hue));
    pointer_.Release(*form().Picture2, BarPixel(120));
}

void RainbowBarTest::holdingStillRendersOnEveryTickUntilRelease() {
    pointer_.Press(*form().Picture2, BarPixel(50));
    pointer_.Move(*form().Picture2, BarPixel(80));
    QSignalSpy ticks(form().Timer2, &Timer::Tick);
    QTRY_VERIFY(ticks.count() >= 3);
    const PickerState held = PickerState::Of(form());

    // Spoil the field: the next tick renders it again although the hue has not changed.
    form().Picture1->PersistentImage().fill(Qt::black);
    QVERIFY(ticks.wait(1000));
    QCOMPARE(PickerState::Of(form()), held);

    pointer_.Release(*form().Picture2, BarPixel(80));
    QVERIFY(!form().Timer2->Enabled());
    const auto ticksAtRelease = ticks.count();
    // A while for another tick to come: none may.
    QTest::qWait(30);
    QCOMPARE(ticks.count(), ticksAtRelease);
}

void RainbowBarTest::anyPressOrReleaseStopsTheFollowUp() {
    QWidget& bar = *form().Picture2;
    pointer_.Press(bar, BarPixel(50));
    pointer_.Move(bar, BarPixel(60));
    QVERIFY(form().Timer2->Enabled());

    pointer_.Press(bar, BarPixel(60), Qt::RightButton);
    QVERIFY(!form().Timer2->Enabled());
    // Left and right together: the move does nothing at all.
    pointer_.Move(bar, BarPixel(70));
    QVERIFY(!form().Timer2->Enabled());
    QCOMPARE(form().HuePosition, BarPosition(60));
    QCOMPARE(form().Line1->Y1(), BarPosition(60));

    pointer_.Release(bar, BarPixel(70), Qt::RightButton);
    QVERIFY(!form().Timer2->Enabled());
    // The left button alone again: the next move starts the follow-up once more.
    pointer_.Move(bar, BarPixel(80));
    QVERIFY(form().Timer2->Enabled());
    QCOMPARE(form().HuePosition, BarPosition(80));

    pointer_.Release(bar, BarPixel(80));
    QVERIFY(!form().Timer2->Enabled());
}

void RainbowBarTest::dragOutsideTheBarClamps_data() {
    QTest::addColumn<QPoint>("target");
    QTest::addColumn<float>("hue");
    QTest::newRow("above the window") << QPoint(8, -40) << 0.0f;
    QTest::newRow("one pixel above the bar") << QPoint(8, -1) << 0.0f;
    QTest::newRow("below the window") << QPoint(8, 400) << 1535.0f;
    QTest::newRow("beside the bar, row 100") << QPoint(160, 101) << BarPosition(100);
}

void RainbowBarTest::dragOutsideTheBarClamps() {
    QFETCH(QPoint, target);
    QFETCH(float, hue);
    pointer_.Press(*form().Picture2, BarPixel(128));
    const PickerState afterPress = PickerState::Of(form());
    QSignalSpy ticks(form().Timer2, &Timer::Tick);

    pointer_.Move(*form().Picture2, target);
    QCOMPARE(form().HuePosition, hue);
    QCOMPARE(form().Line1->Y1(), hue);
    QVERIFY(ticks.wait(1000));
    QCOMPARE(PickerState::Of(form()), Published(afterPress, hue));

    pointer_.Release(*form().Picture2, target);
    QVERIFY(!form().Timer2->Enabled());
}

void RainbowBarTest::fastPointerStillGetsTicks() {
    QWidget& bar = *form().Picture2;
    pointer_.Press(bar, BarPixel(10));
    QSignalSpy ticks(form().Timer2, &Timer::Tick);

    // A move every fifth of a millisecond, more often than the timer's interval: were each
    // move to restart the timer, it would never get to tick.
    constexpr qint64 kMoveIntervalNs = 200'000;
    QElapsedTimer clock;
    clock.start();
    int moves = 0;
    while (clock.elapsed() < 100) {
        pointer_.Move(bar, BarPixel(10 + moves % 200));
        ++moves;
        QCoreApplication::processEvents();
        while (clock.nsecsElapsed() < moves * kMoveIntervalNs) {
        }
    }
    QVERIFY2(ticks.count() >= 10,
             qPrintable(QStringLiteral("%1 ticks during %2 moves").arg(ticks.count()).arg(moves)));

    // The last tick published the position the pointer had reached by then; one more tick
    // publishes where it stopped.
    const int lastRow = 10 + (moves - 1) % 200;
    QVERIFY(ticks.wait(1000));
    QCOMPARE(PickerState::Of(form()), Published(PickerState::Of(form()), BarPosition(lastRow)));
    pointer_.Release(bar, BarPixel(lastRow));
}

void RainbowBarTest::keysStepTheHue_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<float>("step");
    QTest::newRow("+") << "+" << 1.0f;
    QTest::newRow("-") << "-" << -1.0f;
    QTest::newRow("+ three times") << "+++" << 3.0f;
    QTest::newRow("+ - +") << "+-+" << 1.0f;
    QTest::newRow("other keys") << "a=0 *" << 0.0f;
}

void RainbowBarTest::keysStepTheHue() {
    QFETCH(QString, keys);
    QFETCH(float, step);
    // The press gives the bar the keyboard focus; the keys go wherever the focus is.
    pointer_.Click(*form().Picture2, BarPixel(100));
    const float hue = BarPosition(100) + step;
    const PickerState expected = Published(PickerState::Of(form()), hue);

    Type(form(), keys);
    QCOMPARE(PickerState::Of(form()), expected);
}

void RainbowBarTest::keysGoPastTheBottomEndUnchanged() {
    pointer_.Click(*form().Picture2, QPoint(8, 257));
    QCOMPARE(form().HuePosition, 1535.0f);
    const PickerState atEnd = PickerState::Of(form());

    // Below the bar's scale nothing is rendered: the marker goes one unit past the end and the
    // same color is published again.
    Type(form(), QStringLiteral("+"));
    PickerState expected = atEnd;
    expected.shown.huePosition = expected.shown.hueMarkerY1 = expected.shown.hueMarkerY2 = 1536;
    QCOMPARE(PickerState::Of(form()), expected);
    Type(form(), QStringLiteral("+"));
    expected.shown.huePosition = expected.shown.hueMarkerY1 = expected.shown.hueMarkerY2 = 1537;
    QCOMPARE(PickerState::Of(form()), expected);

    Type(form(), QStringLiteral("--"));
    QCOMPARE(PickerState::Of(form()), Published(atEnd, 1535));
}

void RainbowBarTest::minusAtTheTopRendersBelowZero() {
    pointer_.Click(*form().Picture2, BarPixel(0));
    QCOMPARE(form().HuePosition, 0.0f);
    const PickerState atTop = PickerState::Of(form());

    Type(form(), QStringLiteral("-"));
    const PickerState expected = Published(atTop, -1);
    QVERIFY(expected.field != atTop.field);
    QCOMPARE(PickerState::Of(form()), expected);
}

QTEST_MAIN(RainbowBarTest)
#include "rainbow_bar_test.moc"
