// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// What people with low vision see in a light and a dark theme: a focus ring two pixels wide
// that stands out by 3:1 from the window and from the outline inside it, outlines that stand out
// from the window and from an empty swatch, and an eyedropper drawn in the button text color.
// The ring lies in the gaps between the controls: no control moves and no image is drawn over.
//
// With TESSAVUNDO_SCREENSHOT_DIR set, the window of each theme is saved there as
// <theme>.png, with the rainbow bar focused, for a person to look at.
#include "core/contrast.h"
#include "platform/toolkit/eyedropper_picture.h"
#include "platform/toolkit/focus_ring.h"
#include "platform/toolkit/picture_box.h"
#include "platform/toolkit/text_box.h"
#include "platform/toolkit/toggle.h"
#include "tests/support/form_harness.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>
#include <memory>

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

ScreenRgb Rgb(QColor color) {
    return {color.red(), color.green(), color.blue()};
}

double Contrast(QColor a, QColor b) {
    return ContrastRatio(Rgb(a), Rgb(b));
}

QPalette LightPalette() {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    return fusion->standardPalette();
}

// A dark theme as desktops ship it: light text on dark gray, a blue highlight.
QPalette DarkPalette() {
    QPalette palette = LightPalette();
    const QColor window(53, 53, 53);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Base, QColor(42, 42, 42));
    palette.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    palette.setColor(QPalette::Text, Qt::white);
    palette.setColor(QPalette::Button, window);
    palette.setColor(QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Highlight, QColor(42, 130, 218));
    palette.setColor(QPalette::HighlightedText, Qt::black);
    return palette;
}

// The window as it is on screen, its controls included.
QImage Shot(Form1& form) {
    return form.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

Q_DECLARE_METATYPE(QPalette)

class ThemeContrastTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void focusRing_data();
    void focusRing();
    void ringColorInEveryTheme_data();
    void ringColorInEveryTheme();
    void eyedropperStrokesInButtonText_data();
    void eyedropperStrokesInButtonText();
};

void ThemeContrastTest::cleanup() {
    QApplication::setPalette(LightPalette());
}

void ThemeContrastTest::focusRing_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<QString>("focused");
    for (const auto& [theme, palette] :
         {std::pair{"light", LightPalette()}, std::pair{"dark", DarkPalette()}})
        for (const char* control : {"Picture2", "Picture1", "Picture3", "Picture4", "Picture9",
                                    "Text1", "Check1", "Command1"})
            QTest::addRow("%s, %s", theme, control) << palette << QString::fromLatin1(control);
}

void ThemeContrastTest::focusRing() {
    QFETCH(QPalette, palette);
    QFETCH(QString, focused);

    QApplication::setPalette(palette);
    FormHarness harness;
    Form1& form = harness.Start();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* control = form.findChild<QWidget*>(focused);
    QVERIFY(control);
    const QImage image = form.Picture1->PersistentImage().copy();

    form.Text2->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(form.Text2->hasFocus());
    const QImage before = Shot(form);
    control->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(control->hasFocus());
    const QImage after = Shot(form);

    const QColor window = palette.color(QPalette::Window);
    const QColor border = ControlBorderColor(palette);
    const QColor ring = FocusRingColor(palette);
    const QRect inside = control->geometry();
    const QRect outside = FocusRing::Bounds(*control);
    QCOMPARE(outside, inside.adjusted(-2, -2, 2, 2));
    int ringPixels = 0;
    for (int y = outside.top(); y <= outside.bottom(); ++y) {
        for (int x = outside.left(); x <= outside.right(); ++x) {
            if (inside.contains(x, y))
                continue;
            ++ringPixels;
            QCOMPARE(QColor(after.pixel(x, y)), ring);
            // Where the ring is, the window showed before.
            QCOMPARE(QColor(before.pixel(x, y)), window);
        }
    }
    QCOMPARE(ringPixels, 2 * 2 * (inside.width() + inside.height() + 4));
    // One step further out, the window again: the ring is two pixels wide, no more.
    QCOMPARE(QColor(after.pixel(outside.left() - 1, outside.top() + 5)), window);
    QVERIFY2(Contrast(ring, window) >= 3.0, "the ring hardly stands out from the window");

    if (auto* box = qobject_cast<PictureBox*>(control)) {
        // The box itself looks the same with and without the focus, and its image is untouched.
        QCOMPARE(after.copy(inside), before.copy(inside));
        QCOMPARE(form.Picture1->PersistentImage(), image);
        QCOMPARE(QColor(after.pixel(inside.topLeft())), border);
        QCOMPARE(QColor(after.pixel(inside.bottomRight())), border);
        QVERIFY2(Contrast(ring, border) >= 3.0, "the ring hardly stands out from the outline");
        QVERIFY2(Contrast(border, window) >= 3.0, "the outline hardly stands out");
        QVERIFY2(Contrast(border, palette.color(QPalette::Base)) >= 3.0,
                 "an empty swatch's outline hardly stands out from its inside");
        // Every control keeps its place.
        QCOMPARE(box->geometry(), inside);
    }

    const QByteArray folder = qgetenv("TESSAVUNDO_SCREENSHOT_DIR");
    if (!folder.isEmpty() && focused == QLatin1String("Picture2")) {
        const bool dark = palette.color(QPalette::Window).lightness() < 128;
        const QString path = QString::fromLocal8Bit(folder) +
                             (dark ? QStringLiteral("/dark.png") : QStringLiteral("/light.png"));
        QVERIFY(after.save(path));
    }
}

void ThemeContrastTest::ringColorInEveryTheme_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<bool>("reachable");
    QTest::newRow("light") << LightPalette() << true;
    QTest::newRow("dark") << DarkPalette() << true;
    QPalette pale = LightPalette();
    pale.setColor(QPalette::Highlight, QColor(204, 232, 255));
    QTest::newRow("a pale highlight") << pale << true;
    QPalette contrast = DarkPalette();
    contrast.setColor(QPalette::Window, Qt::black);
    contrast.setColor(QPalette::WindowText, Qt::yellow);
    contrast.setColor(QPalette::Highlight, QColor(0, 255, 255));
    QTest::newRow("high contrast") << contrast << true;
    QPalette gray = LightPalette();
    gray.setColor(QPalette::Window, QColor(170, 170, 170));
    gray.setColor(QPalette::WindowText, QColor(63, 63, 63));
    gray.setColor(QPalette::Highlight, QColor(120, 120, 120));
    // A light gray window wants a ring darker than the dark gray outline allows: no shade stands
    // out by 3:1 from both, and the ring takes the one that stands out most.
    QTest::newRow("two grays") << gray << false;
}

void ThemeContrastTest::ringColorInEveryTheme() {
    QFETCH(QPalette, palette);
    QFETCH(bool, reachable);

    const QColor window = palette.color(QPalette::Window);
    const QColor border = ControlBorderColor(palette);
    const QColor ring = FocusRingColor(palette);
    const double least = std::min(Contrast(ring, window), Contrast(ring, border));
    QCOMPARE(least >= 3.0, reachable);
    if (!reachable) {
        const QColor highlight = palette.color(QPalette::Highlight);
        QVERIFY(least > std::min(Contrast(highlight, window), Contrast(highlight, border)));
        QVERIFY(least >= std::min(Contrast(Qt::white, window), Contrast(Qt::white, border)));
        QVERIFY(least >= std::min(Contrast(Qt::black, window), Contrast(Qt::black, border)));
    }
    // A highlight that stands out already is kept as the theme has it.
    if (std::min(Contrast(palette.color(QPalette::Highlight), window),
                 Contrast(palette.color(QPalette::Highlight), border)) >= 3.0)
        QCOMPARE(ring, palette.color(QPalette::Highlight));
}

void ThemeContrastTest::eyedropperStrokesInButtonText_data() {
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<int>("scale");
    QTest::newRow("light") << LightPalette() << 1;
    QTest::newRow("dark") << DarkPalette() << 1;
    QTest::newRow("dark, display scale 2") << DarkPalette() << 2;
}

void ThemeContrastTest::eyedropperStrokesInButtonText() {
    QFETCH(QPalette, palette);
    QFETCH(int, scale);

    QApplication::setPalette(palette);
    const QIcon icon = EyedropperPicture();
    const int size = kEyedropperPictureSize * scale;
    const QImage picture = icon.pixmap(QSize(size, size), 1.0).toImage();
    QCOMPARE(picture.size(), QSize(size, size));
    const QColor text = palette.color(QPalette::ButtonText);
    // The middle of the bulb, a filled stroke; the corner opposite the tip, empty.
    QCOMPARE(QColor(picture.pixel(14 * scale, 5 * scale)).rgb(), text.rgb());
    QCOMPARE(qAlpha(picture.pixel(14 * scale, 5 * scale)), 255);
    QCOMPARE(qAlpha(picture.pixel(1, size - 18 * scale)), 0);
    QVERIFY(Contrast(text, palette.color(QPalette::Button)) >= 4.5);

    // The toggle shows the same picture, and a change of theme redraws it.
    FormHarness harness;
    Form1& form = harness.Start();
    const QImage shown = form.Check1->icon().pixmap(QSize(19, 19), 1.0).toImage();
    QCOMPARE(QColor(shown.pixel(14, 5)).rgb(), text.rgb());
    QApplication::setPalette(palette == LightPalette() ? DarkPalette() : LightPalette());
    const QImage redrawn = form.Check1->icon().pixmap(QSize(19, 19), 1.0).toImage();
    QCOMPARE(QColor(redrawn.pixel(14, 5)).rgb(),
             QApplication::palette().color(QPalette::ButtonText).rgb());
}

QTEST_MAIN(ThemeContrastTest)
#include "theme_contrast_test.moc"
