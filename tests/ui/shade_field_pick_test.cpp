// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Picking a shade on the field with a real mouse: release and left drags pick, the pointer is
// captured and clamped to the field's edges, other buttons only pick on release.
#include "tests/support/keyboard.h"
#include "tests/support/picker_state.h"
#include "tests/support/pointer.h"

#include <QApplication>
#include <QtTest>
#include <memory>

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

// The field's drawable area starts one pixel into the box, one pixel per unit.
QPoint FieldPixel(int x, int y) {
    return {x + 1, y + 1};
}

} // namespace

class ShadeFieldPickTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { harness_.reset(); }

    void pressDoesNothingReleasePicks();
    void leftDragPicksAndClampsToTheEdges_data();
    void leftDragPicksAndClampsToTheEdges();
    void otherButtonsPickOnlyOnRelease();
    void leftAndRightTogetherMoveNothing();
    void pickedColorInBothNotations_data();
    void pickedColorInBothNotations();
    void readsTheFieldNeverTheMarker();

private:
    Form1& form() { return *harness_->form; }
    QWidget& field() { return *form().Picture1; }
    // The state after picking the field point (x, y) of the field as rendered for the hue.
    PickerState Picked(PickerState state, int x, int y);

    std::unique_ptr<FormHarness> harness_;
    Pointer pointer_;
};

void ShadeFieldPickTest::init() {
    pointer_ = Pointer();
    harness_ = std::make_unique<FormHarness>();
    QVERIFY(harness_->StartWindow(kStoredShade));
}

PickerState ShadeFieldPickTest::Picked(PickerState state, int x, int y) {
    const PackedColor color = ExpectedFieldColor(form(), state.shown.huePosition, x, y);
    state.shown.rgbText = RgbText(color);
    state.shown.hexText = HexText(color);
    state.shown.preview = color;
    state.shown.fieldMarkerLeft = static_cast<float>(x - 2);
    state.shown.fieldMarkerTop = static_cast<float>(y - 2);
    state.shown.fieldMarkerBorder = Complement(color);
    return state;
}

void ShadeFieldPickTest::pressDoesNothingReleasePicks() {
    const PickerState before = PickerState::Of(form());

    // Hovering and pressing change nothing; the press takes the focus.
    pointer_.Move(field(), FieldPixel(30, 40));
    pointer_.Move(field(), FieldPixel(10, 20));
    pointer_.Press(field(), FieldPixel(10, 20));
    QCOMPARE(PickerState::Of(form()), before);
    QCOMPARE(QApplication::focusWidget(), &field());
    QCOMPARE(form().RgbFieldFocused, std::int16_t{0});

    pointer_.Release(field(), FieldPixel(10, 20));
    const PickerState picked = Picked(before, 10, 20);
    QCOMPARE(PickerState::Of(form()), picked);
    QCOMPARE(form().Shape1->Left(), 8.0f);
    QCOMPARE(form().Shape1->Top(), 18.0f);
}

void ShadeFieldPickTest::leftDragPicksAndClampsToTheEdges_data() {
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QPoint>("fieldPoint");
    QTest::newRow("inside") << QPoint(100, 150) << QPoint(100, 150);
    QTest::newRow("left of the field") << QPoint(-30, 100) << QPoint(0, 100);
    QTest::newRow("x -1 on the border") << QPoint(-1, 100) << QPoint(0, 100);
    QTest::newRow("right of the field") << QPoint(300, 100) << QPoint(255, 100);
    QTest::newRow("above the window") << QPoint(100, -30) << QPoint(100, 0);
    QTest::newRow("below the window") << QPoint(100, 300) << QPoint(100, 255);
    QTest::newRow("beyond the bottom-left corner") << QPoint(-50, 400) << QPoint(0, 255);
    QTest::newRow("the bottom-right corner") << QPoint(255, 255) << QPoint(255, 255);
}

void ShadeFieldPickTest::leftDragPicksAndClampsToTheEdges() {
    QFETCH(QPoint, pointer);
    QFETCH(QPoint, fieldPoint);
    const PickerState before = PickerState::Of(form());
    const QPoint at = FieldPixel(pointer.x(), pointer.y());

    // The first drag after start-up: each pick writes the rgb field without locating the color
    // anew, so the hue and the field stay as they were.
    pointer_.Press(field(), FieldPixel(128, 128));
    pointer_.Move(field(), FieldPixel(128, 129));
    QCOMPARE(PickerState::Of(form()), Picked(before, 128, 129));
    // Outside the field, even outside the window, the moves still come to the field.
    pointer_.Move(field(), at);
    const PickerState expected = Picked(before, fieldPoint.x(), fieldPoint.y());
    QCOMPARE(PickerState::Of(form()), expected);
    pointer_.Release(field(), at);
    QCOMPARE(PickerState::Of(form()), expected);
}

void ShadeFieldPickTest::otherButtonsPickOnlyOnRelease() {
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        const PickerState before = PickerState::Of(form());
        pointer_.Press(field(), FieldPixel(50, 60), button);
        pointer_.Move(field(), FieldPixel(70, 80));
        QCOMPARE(PickerState::Of(form()), before);
        pointer_.Release(field(), FieldPixel(70, 80), button);
        QCOMPARE(PickerState::Of(form()), Picked(before, 70, 80));
        pointer_.Click(field(), FieldPixel(0, 0), button);
        QCOMPARE(PickerState::Of(form()), Picked(before, 0, 0));
    }
}

void ShadeFieldPickTest::leftAndRightTogetherMoveNothing() {
    const PickerState before = PickerState::Of(form());
    pointer_.Press(field(), FieldPixel(50, 60));
    pointer_.Press(field(), FieldPixel(50, 60), Qt::RightButton);
    pointer_.Move(field(), FieldPixel(70, 80));
    QCOMPARE(PickerState::Of(form()), before);

    // Any release picks; the left button alone then drags again.
    pointer_.Release(field(), FieldPixel(70, 80), Qt::RightButton);
    QCOMPARE(PickerState::Of(form()), Picked(before, 70, 80));
    pointer_.Move(field(), FieldPixel(90, 100));
    QCOMPARE(PickerState::Of(form()), Picked(before, 90, 100));
    pointer_.Release(field(), FieldPixel(90, 100));
    QCOMPARE(PickerState::Of(form()), Picked(before, 90, 100));
}

void ShadeFieldPickTest::pickedColorInBothNotations_data() {
    QTest::addColumn<QPoint>("fieldPoint");
    QTest::addColumn<QString>("rgbText");
    QTest::addColumn<QString>("hexText");
    QTest::addColumn<int>("border");
    // clang-format off
    QTest::newRow("red 255, green 10, blue 0") << QPoint(255, 0) << "rgb(255,10,0)" << "#FF0A00"
        << PackBytes(0, 245, 255);
    QTest::newRow("black on the bottom row") << QPoint(100, 255) << "rgb(0,0,0)" << "#000000"
        << 0xFFFFFF;
    QTest::newRow("white in the top-left corner") << QPoint(0, 0) << "rgb(255,255,255)" << "#FFFFFF"
        << 0;
    // clang-format on
}

void ShadeFieldPickTest::pickedColorInBothNotations() {
    QFETCH(QPoint, fieldPoint);
    QFETCH(QString, rgbText);
    QFETCH(QString, hexText);
    QFETCH(int, border);
    // The hue whose top-right corner is (255, 10, 0).
    pointer_.Click(*form().Text1, QPoint(40, 12));
    PressKey(form(), Qt::Key_A, Qt::ControlModifier);
    Type(form(), QStringLiteral("rgb(255,10,0)"));

    pointer_.Click(field(), FieldPixel(fieldPoint.x(), fieldPoint.y()));
    QCOMPARE(form().Text1->Text(), rgbText);
    QCOMPARE(form().Text2->Text(), hexText);
    QCOMPARE(form().Shape1->BorderColor(), border);
    QCOMPARE(RgbText(form().Picture3->BackColor()), rgbText);
}

void ShadeFieldPickTest::readsTheFieldNeverTheMarker() {
    const PickerState before = PickerState::Of(form());
    pointer_.Click(field(), FieldPixel(40, 40));
    const PickerState first = PickerState::Of(form());
    QCOMPARE(first, Picked(before, 40, 40));

    // Again on the same point, and on a point under the marker's outline.
    pointer_.Click(field(), FieldPixel(40, 40));
    QCOMPARE(PickerState::Of(form()), first);
    pointer_.Click(field(), FieldPixel(38, 38));
    QCOMPARE(PickerState::Of(form()), Picked(before, 38, 38));
}

QTEST_MAIN(ShadeFieldPickTest)
#include "shade_field_pick_test.moc"
