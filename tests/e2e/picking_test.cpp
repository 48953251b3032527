// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Picking as a user does it on a real X server: pressing and dragging on the rainbow bar,
// dragging on the shade field out of the window, and typing into both entry fields.
#include "tests/e2e/picker_session.h"
#include "tests/e2e/window_shot.h"

#include <vector>

using namespace tessavundo;
using namespace tessavundo::e2e;

namespace {

// Client-area geometry of the window.
constexpr int kBarX = 280;
constexpr int kBarTop = 9;
constexpr QPoint kRgbField(340, 52);
constexpr QPoint kHexField(340, 84);
constexpr QPoint kRgbCopy(412, 52);
constexpr QPoint kHexCopy(412, 84);

// The text the Copy button beside a field puts on the clipboard: each copy here differs from
// the one before it.
QString Copied(const PickerSession& picker, QPoint button) {
    const QString before = ClipboardText();
    picker.Click(button.x(), button.y());
    if (!QTest::qWaitFor([&] { return ClipboardText() != before; }))
        return QStringLiteral("(nothing copied)");
    return ClipboardText();
}

void MouseButton(const char* action) {
    Xdotool({QString::fromLatin1(action), QStringLiteral("1")});
}

// A drag with the button held, in small steps as a hand moves, to a point that may lie
// outside the window.
void DragThrough(const PickerSession& picker, const std::vector<QPoint>& points) {
    for (const QPoint& point : points) {
        Xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QStringLiteral("--window"),
                 picker.Window(), QStringLiteral("--"), QString::number(point.x()),
                 QString::number(point.y())});
        // The pace of a hand: the picker sees each step as a motion of its own.
        QTest::qWait(20);
    }
}

} // namespace

class PickingTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(configDir_.isValid()); }
    void pickOnTheBarTheFieldAndByTyping();

private:
    QTemporaryDir configDir_;
};

void PickingTest::pickOnTheBarTheFieldAndByTyping() {
    PickerSession picker(configDir_.path());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    // Away from the screen's corner, so that a drag can leave the window on every side.
    Xdotool({QStringLiteral("windowmove"), QStringLiteral("--sync"), picker.Window(),
             QStringLiteral("300"), QStringLiteral("200")});
    picker.Focus();
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(255, 0, 0));

    // A press on the bar a hundred rows down: the field marker stands in the top-right corner,
    // so the preview shows the pure hue there, and the hue marker moves to that row.
    picker.Click(kBarX, kBarTop + 100);
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(0, 87, 255));
    QCOMPARE(picker.Grab().pixel(kBarX, kBarTop + 100), qRgb(0, 0, 0));

    // A drag on the bar follows the pointer down to row 150.
    picker.MoveTo(kBarX, kBarTop + 100);
    MouseButton("mousedown");
    DragThrough(picker, {{kBarX, kBarTop + 120}, {kBarX, kBarTop + 140}, {kBarX, kBarTop + 150}});
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(0, 255, 123));
    MouseButton("mouseup");
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(0, 255, 123));
    QCOMPARE(picker.Grab().pixel(kBarX, kBarTop + 150), qRgb(0, 0, 0));
    QCOMPARE(Copied(picker, kRgbCopy), QStringLiteral("rgb(0,255,123)"));

    // A drag on the field that leaves the window on the left picks from the field's left
    // edge, a gray.
    picker.MoveTo(kFieldOrigin.x() + 100, kFieldOrigin.y() + 100);
    MouseButton("mousedown");
    DragThrough(
        picker,
        {{kFieldOrigin.x() + 50, kFieldOrigin.y() + 60}, {5, kFieldOrigin.y() + 60}, {-30, 69}});
    MouseButton("mouseup");
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(195, 195, 195));
    QCOMPARE(Copied(picker, kHexCopy), QStringLiteral("#C3C3C3"));
    // The marker's right edge, in the complement, at the field's left edge.
    QCOMPARE(picker.Grab().pixel(kFieldOrigin + QPoint(1, 60)), qRgb(60, 60, 60));

    // Typing a color into the rgb field converts it and locates it.
    picker.Click(kRgbField.x(), kRgbField.y());
    picker.Key(QStringLiteral("ctrl+a"));
    picker.Type(QStringLiteral("rgb(10,20,30)"));
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(10, 20, 30));
    QCOMPARE(Copied(picker, kHexCopy), QStringLiteral("#0A141E"));
    // The field of the typed color's hue, away from the marker around its point.
    QCOMPARE(FieldPixelsDiffering(picker.Grab(), 640, QRect(168, 223, 4, 4)), 0);

    // Typing into the hex field: the rgb field follows, the hex field keeps what was typed.
    picker.Click(kHexField.x(), kHexField.y());
    picker.Key(QStringLiteral("ctrl+a"));
    picker.Type(QStringLiteral("#00ff80"));
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(0, 255, 128));
    QCOMPARE(Copied(picker, kRgbCopy), QStringLiteral("rgb(0,255,128)"));
    QCOMPARE(Copied(picker, kHexCopy), QStringLiteral("#00ff80"));
}

QTEST_GUILESS_MAIN(PickingTest)
#include "picking_test.moc"
