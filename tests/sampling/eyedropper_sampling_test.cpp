// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// What each tick of the eyedropper takes from the screen and where it leaves it.
#include "core/locate.h"
#include "platform/toolkit/line.h"
#include "platform/toolkit/shape.h"
#include "tests/sampling/sampling_window.h"

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

struct PickerView {
    PackedColor preview;
    float huePosition;
    float markerLeft;
    float markerTop;
    std::vector<std::uint8_t> field;

    explicit PickerView(Form1& form)
        : preview(form.Picture3->BackColor())
        , huePosition(form.HuePosition)
        , markerLeft(form.Shape1->Left())
        , markerTop(form.Shape1->Top())
        , field(FieldBytes(form)) {}

    friend bool operator==(const PickerView&, const PickerView&) = default;
};

} // namespace

class EyedropperSamplingTest : public QObject {
    Q_OBJECT

private slots:
    void samplesAreLocatedOnTheBarAndTheField();
    void exclusionRectangle_data();
    void exclusionRectangle();
    void ownControlsAreSampledLikeAnyPixel_data();
    void ownControlsAreSampledLikeAnyPixel();
    void unreadablePixelsAreSkipped();
    void restingPointerIsSampledAgainOnceThePickerChanged();
};

void EyedropperSamplingTest::samplesAreLocatedOnTheBarAndTheField() {
    SamplingWindow window;
    QVERIFY(window.Open());
    Form1& form = *window.form;
    const QPoint pointer = form.frameGeometry().bottomRight() + QPoint(20, 20);
    window.PointAtScreen(pointer);
    window.ClickToggle();

    const PackedColor colors[] = {0x3264C8, 0x808080, 0x00FF00, 0x2A7F3C};
    for (const PackedColor color : colors) {
        window.harness.screen.SetPixel(pointer, color);
        QTRY_VERIFY(window.Shows(color));
        const auto location = LocateColor(RgbText(color).toStdString(), ".");
        QVERIFY(location);
        if (location->huePosition)
            QCOMPARE(form.HuePosition, *location->huePosition);
        QCOMPARE(form.Line1->Y1(), form.HuePosition);
        QCOMPARE(form.Shape1->Left(), location->markerLeft);
        QCOMPARE(form.Shape1->Top(), location->markerTop);
        QCOMPARE(form.Shape1->BorderColor(), location->border);
        QVERIFY(FieldBytes(form) == ExpectedField(form, form.HuePosition));
    }

    // Onto the shade field: the last sample stays, although the screen there shows another
    // color.
    const PickerView before(form);
    window.harness.screen.SetPixelFunction([](QPoint) { return 0x0000FF; });
    window.PointAtClient(QPoint(100, 100));
    QVERIFY(window.WaitForTicks(5));
    QVERIFY(window.Sampling());
    QVERIFY(window.Shows(0x2A7F3C));
    QVERIFY(PickerView(form) == before);
}

void EyedropperSamplingTest::exclusionRectangle_data() {
    QTest::addColumn<qreal>("scaleFactor");
    QTest::addColumn<QPoint>("client");
    // Physical pixels added after scaling, to reach each pixel of a scaled logical one.
    QTest::addColumn<QPoint>("physicalOffset");
    QTest::addColumn<bool>("excluded");

    const QPoint none;
    // clang-format off
    QTest::newRow("field top-left corner") << 1.0 << QPoint(8, 8) << none << true;
    QTest::newRow("field bottom-left corner") << 1.0 << QPoint(8, 266) << none << true;
    QTest::newRow("bar top-right corner") << 1.0 << QPoint(289, 8) << none << true;
    QTest::newRow("bar bottom-right corner") << 1.0 << QPoint(289, 266) << none << true;
    QTest::newRow("middle of the field") << 1.0 << QPoint(128, 128) << none << true;
    QTest::newRow("gap between field and bar") << 1.0 << QPoint(268, 50) << none << true;
    QTest::newRow("left of the field") << 1.0 << QPoint(7, 100) << none << false;
    QTest::newRow("above the field") << 1.0 << QPoint(100, 7) << none << false;
    QTest::newRow("right of the bar") << 1.0 << QPoint(290, 100) << none << false;
    QTest::newRow("below the field") << 1.0 << QPoint(100, 267) << none << false;

    QTest::newRow("scale 2, first pixel of the field") << 2.0 << QPoint(8, 8) << none << true;
    QTest::newRow("scale 2, last pixel of the bar") << 2.0 << QPoint(289, 266) << QPoint(1, 1)
        << true;
    QTest::newRow("scale 2, left of the field") << 2.0 << QPoint(8, 100) << QPoint(-1, 0) << false;
    QTest::newRow("scale 2, above the field") << 2.0 << QPoint(100, 8) << QPoint(0, -1) << false;
    QTest::newRow("scale 2, right of the bar") << 2.0 << QPoint(289, 100) << QPoint(2, 0) << false;
    QTest::newRow("scale 2, below the field") << 2.0 << QPoint(100, 266) << QPoint(0, 2) << false;
    // clang-format on
}

void EyedropperSamplingTest::exclusionRectangle() {
    QFETCH(qreal, scaleFactor);
    QFETCH(QPoint, client);
    QFETCH(QPoint, physicalOffset);
    QFETCH(bool, excluded);

    SamplingWindow window;
    QVERIFY(window.Open());
    Form1& form = *window.form;
    FakeScreenSource& screen = window.harness.screen;
    screen.SetScaleFactor(scaleFactor);
    const QPoint physical =
        (QPointF(form.mapToGlobal(client)) * scaleFactor).toPoint() + physicalOffset;
    screen.SetPixelFunction([](QPoint) { return 0x3264C8; });
    screen.SetCursorPos(physical);
    const PickerView before(form);

    window.ClickToggle();
    if (excluded) {
        QVERIFY(window.WaitForTicks(5));
        QVERIFY(window.Sampling());
        QVERIFY(PickerView(form) == before);
        QCOMPARE(form.Text1->Text(), QStringLiteral("rgb(255,0,0)"));
        QCOMPARE(screen.PixelReads(), 0);
    } else {
        QTRY_VERIFY(window.Shows(0x3264C8));
    }
}

void EyedropperSamplingTest::ownControlsAreSampledLikeAnyPixel_data() {
    QTest::addColumn<QPoint>("client");
    QTest::newRow("preview") << QPoint(360, 170);
    QTest::newRow("first swatch") << QPoint(304, 256);
    QTest::newRow("last swatch") << QPoint(424, 256);
    QTest::newRow("eyedropper toggle") << QPoint(340, 20);
    QTest::newRow("rgb field") << QPoint(320, 50);
    QTest::newRow("help button") << QPoint(410, 20);
    QTest::newRow("background") << QPoint(290, 140);
}

void EyedropperSamplingTest::ownControlsAreSampledLikeAnyPixel() {
    QFETCH(QPoint, client);
    SamplingWindow window;
    QVERIFY(window.Open());
    window.PointAtClient(client);
    window.ClickToggle();
    QTRY_VERIFY(window.Shows(window.ColorAtClient(client)));
}

void EyedropperSamplingTest::unreadablePixelsAreSkipped() {
    SamplingWindow window;
    QVERIFY(window.Open());
    Form1& form = *window.form;
    FakeScreenSource& screen = window.harness.screen;
    const QPoint unreadable = form.frameGeometry().bottomRight() + QPoint(5, 5);
    const QPoint readable = unreadable + QPoint(1, 0);
    screen.MarkUnreadable(unreadable);

    // From the first tick on: the color picked at start-up stays.
    const PickerView startUp(form);
    window.PointAtScreen(unreadable);
    window.ClickToggle();
    QVERIFY(window.WaitForTicks(5));
    QVERIFY(screen.PixelReads() >= 5);
    QVERIFY(window.Sampling());
    QVERIFY(window.Shows(255));
    QVERIFY(PickerView(form) == startUp);

    // After a sample: that sample stays, and sampling goes on.
    window.PointAtScreen(readable);
    QTRY_VERIFY(window.Shows(ScreenPattern(readable)));
    const PickerView sampled(form);
    window.PointAtScreen(unreadable);
    QVERIFY(window.WaitForTicks(5));
    QVERIFY(window.Sampling());
    QVERIFY(window.Shows(ScreenPattern(readable)));
    QVERIFY(PickerView(form) == sampled);
    window.PointAtScreen(readable + QPoint(0, 1));
    QTRY_VERIFY(window.Shows(ScreenPattern(readable + QPoint(0, 1))));
}

void EyedropperSamplingTest::restingPointerIsSampledAgainOnceThePickerChanged() {
    SamplingWindow window;
    QVERIFY(window.Open());
    Form1& form = *window.form;
    const QPoint pointer = form.frameGeometry().bottomRight() + QPoint(20, 20);
    window.harness.screen.SetPixel(pointer, 0x3264C8);
    window.PointAtScreen(pointer);

    // A drag on the rainbow bar goes on while the keyboard moves to the toggle and starts
    // sampling, so the bar moves the hue under a resting pointer.
    const QPoint onBar(8, 40);
    QTest::mousePress(form.Picture2, Qt::LeftButton, Qt::NoModifier, onBar);
    QTest::keyClick(form.Picture2, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), form.Check1);
    QTest::keyClick(form.Check1, Qt::Key_Space);
    QTRY_VERIFY(window.Shows(0x3264C8));
    const float sampledHue = form.HuePosition;

    const QPoint lower = onBar + QPoint(0, 150);
    QMouseEvent drag(QEvent::MouseMove, lower, form.Picture2->mapToGlobal(lower), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.Picture2, &drag);
    QTest::mouseRelease(form.Picture2, Qt::LeftButton, Qt::NoModifier, lower);
    QVERIFY(form.HuePosition != sampledHue);

    QTRY_COMPARE(form.HuePosition, sampledHue);
    QCOMPARE(form.Line1->Y1(), sampledHue);
    QVERIFY(window.Sampling());
}

QTEST_MAIN(EyedropperSamplingTest)
#include "eyedropper_sampling_test.moc"
