// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The eyedropper on a real X server with no window manager: sampling the desktop, Enter and
// Esc, and what another program then reads from the clipboard. The depth test runs on servers
// of 15, 16, 24 and 30 bits per pixel too.
#include "core/locate.h"
#include "tests/e2e/picker_session.h"
#include "tests/e2e/window_shot.h"

#include <QHash>

using namespace tessavundo;
using namespace tessavundo::e2e;

namespace {

const QPoint kFirstSwatch(304, 256);
const QPoint kToggle(340, 20);
const QPoint kHexField(340, 84);
const QPoint kRgbCopy(412, 52);

// The bits per pixel of the root window, as the server reports them.
int ServerDepth() {
    const QByteArray info = Run(QStringLiteral("xdpyinfo"), {});
    const QByteArray key = "depth of root window:";
    const qsizetype at = info.indexOf(key);
    if (at < 0)
        return 0;
    return info.mid(at + key.size()).trimmed().split(' ').value(0).toInt();
}

// The shade field as shown, compared with the field computed for the hue of `color`, away
// from the field marker.
int FieldPixelsDifferingFrom(const PickerSession& picker, QRgb color) {
    const QString rgbText =
        QStringLiteral("rgb(%1,%2,%3)").arg(qRed(color)).arg(qGreen(color)).arg(qBlue(color));
    const auto location = LocateColor(rgbText.toStdString(), ".");
    if (!location || !location->huePosition)
        return -1;
    const QRect marker(static_cast<int>(location->markerLeft) - 1,
                       static_cast<int>(location->markerTop) - 1, 6, 6);
    return FieldPixelsDiffering(picker.Grab(), *location->huePosition, marker);
}

} // namespace

class EyedropperTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(configDir_.isValid()); }
    void samplesTheDesktopAndCopiesOnEnterAndEsc();
    void typingAndSamplingAtTheServersDepth();

private:
    QTemporaryDir configDir_;
};

void EyedropperTest::samplesTheDesktopAndCopiesOnEnterAndEsc() {
    PickerSession picker(configDir_.path());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    SetDesktopColor(QStringLiteral("#123456"));
    picker.Focus();
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(255, 0, 0));

    picker.Click(kToggle.x(), kToggle.y());
    MovePointerTo({900, 600});
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(0x12, 0x34, 0x56));
    // The bar and the field follow: the field shows the sampled color's hue.
    E2E_TRY_COMPARE(FieldPixelsDifferingFrom(picker, qRgb(0x12, 0x34, 0x56)), 0);

    // Esc ends it with the hex text on the clipboard; the desktop changing later shows no more.
    picker.Key(QStringLiteral("Escape"));
    E2E_TRY_COMPARE(ClipboardText(), QStringLiteral("#123456"));
    SetDesktopColor(QStringLiteral("#C0FFEE"));
    MovePointerTo({901, 601});
    // A while for a late sample to show: none may come.
    QTest::qWait(300);
    QCOMPARE(PreviewColor(picker), qRgb(0x12, 0x34, 0x56));

    // Sampling again: Enter copies the rgb text and pushes a swatch while sampling goes on,
    // then Space ends it with the hex text.
    picker.Click(kToggle.x(), kToggle.y());
    MovePointerTo({900, 600});
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(0xC0, 0xFF, 0xEE));
    picker.Key(QStringLiteral("Return"));
    E2E_TRY_COMPARE(ClipboardText(), QStringLiteral("rgb(192,255,238)"));
    E2E_TRY_COMPARE(picker.Grab().pixel(kFirstSwatch), qRgb(0xC0, 0xFF, 0xEE));
    SetDesktopColor(QStringLiteral("#654321"));
    MovePointerTo({901, 601});
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(0x65, 0x43, 0x21));
    picker.Key(QStringLiteral("space"));
    E2E_TRY_COMPARE(ClipboardText(), QStringLiteral("#654321"));
    SetDesktopColor(QStringLiteral("#123456"));
    MovePointerTo({900, 600});
    // A while for a late sample to show: none may come.
    QTest::qWait(300);
    QCOMPARE(PreviewColor(picker), qRgb(0x65, 0x43, 0x21));

    // Space with Control held, which types no space, ends it the same way.
    picker.Click(kToggle.x(), kToggle.y());
    MovePointerTo({901, 601});
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(0x12, 0x34, 0x56));
    picker.Key(QStringLiteral("ctrl+space"));
    E2E_TRY_COMPARE(ClipboardText(), QStringLiteral("#123456"));
}

// Typed hex text right after start-up is converted as typed, and the eyedropper reads the
// root at whatever depth the server runs: each channel keeps the bits the depth has for it,
// widened back to 8 bits.
void EyedropperTest::typingAndSamplingAtTheServersDepth() {
    const QHash<int, QString> rootReads = {{15, QStringLiteral("#FF8400")},
                                           {16, QStringLiteral("#FF8200")},
                                           {24, QStringLiteral("#FF8000")},
                                           {30, QStringLiteral("#FF8000")}};
    const int depth = ServerDepth();
    QVERIFY2(rootReads.contains(depth), qPrintable(QStringLiteral("depth %1").arg(depth)));

    PickerSession picker(configDir_.path());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    SetDesktopColor(QStringLiteral("#FF8000"));
    picker.Focus();

    picker.Click(kHexField.x(), kHexField.y());
    picker.Key(QStringLiteral("ctrl+a"));
    picker.Type(QStringLiteral("#3366CC"));
    picker.Click(kRgbCopy.x(), kRgbCopy.y());
    E2E_TRY_COMPARE(ClipboardText(), QStringLiteral("rgb(51,102,204)"));

    picker.Click(kToggle.x(), kToggle.y());
    MovePointerTo({900, 600});
    E2E_TRY_COMPARE(PreviewColor(picker), QColor(rootReads.value(depth)).rgb());
    picker.Key(QStringLiteral("Escape"));
    E2E_TRY_COMPARE(ClipboardText(), rootReads.value(depth));
}

QTEST_GUILESS_MAIN(EyedropperTest)
#include "eyedropper_test.moc"
