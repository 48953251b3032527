// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// How sampling ends, and what each way leaves on the clipboard, driven by real clicks and keys.
#include "platform/toolkit/shape.h"
#include "tests/sampling/sampling_window.h"

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

enum class ClipboardAfter { Untouched, HexText, RgbText };
} // namespace

class EyedropperEndingTest : public QObject {
    Q_OBJECT

private slots:
    void waysToEnd_data();
    void waysToEnd();
    void enterCopiesTheRgbTextAndSamplingGoesOn();
    void keysWithModifiersOnThePressedToggle_data();
    void keysWithModifiersOnThePressedToggle();
    void keysOnTheRaisedToggle();
    void closingWhileSamplingKeepsTheFieldColor();
};

void EyedropperEndingTest::waysToEnd_data() {
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("clientPoint");
    QTest::addColumn<ClipboardAfter>("clipboard");
    QTest::addColumn<bool>("sampleStays");

    const QPoint none;
    // clang-format off
    QTest::newRow("toggle clicked again") << Ending::ToggleClicked << QString() << none
        << ClipboardAfter::Untouched << true;
    QTest::newRow("Esc") << Ending::Escape << QString() << none << ClipboardAfter::HexText << true;
    QTest::newRow("Space") << Ending::Space << QString() << none << ClipboardAfter::HexText << true;
    QTest::newRow("Tab to the next control") << Ending::Tab << QString() << none
        << ClipboardAfter::HexText << true;
    QTest::newRow("click on the rgb field") << Ending::ClickOnControl << "Text1" << none
        << ClipboardAfter::HexText << true;
    QTest::newRow("click on the hex field") << Ending::ClickOnControl << "Text2" << none
        << ClipboardAfter::HexText << true;
    QTest::newRow("click on the preview") << Ending::ClickOnControl << "Picture3" << none
        << ClipboardAfter::HexText << true;
    // The click goes on to act on the control as usual: the field picks its own color, the bar
    // its hue, the copy button copies after the end of sampling has.
    QTest::newRow("click on the shade field") << Ending::ClickOnControl << "Picture1" << none
        << ClipboardAfter::HexText << false;
    QTest::newRow("click on the rainbow bar") << Ending::ClickOnControl << "Picture2" << none
        << ClipboardAfter::HexText << false;
    QTest::newRow("click on the rgb copy button") << Ending::ClickOnControl << "Command3" << none
        << ClipboardAfter::RgbText << true;
    QTest::newRow("click on the background between bar and preview") << Ending::ClickOnBackground
        << QString() << QPoint(290, 140) << ClipboardAfter::Untouched << true;
    QTest::newRow("click on the background below the shade field") << Ending::ClickOnBackground
        << QString() << QPoint(150, 270) << ClipboardAfter::Untouched << true;
    QTest::newRow("another window active") << Ending::AnotherWindowActive << QString() << none
        << ClipboardAfter::HexText << true;
    // clang-format on
}

void EyedropperEndingTest::waysToEnd() {
    QFETCH(Ending, ending);
    QFETCH(QString, control);
    QFETCH(QPoint, clientPoint);
    QFETCH(ClipboardAfter, clipboard);
    QFETCH(bool, sampleStays);

    SamplingWindow window;
    QVERIFY(window.Open());
    Form1& form = *window.form;
    const QPoint pointer = window.AwayFromWindow();
    const PackedColor sample = ScreenPattern(pointer);
    QVERIFY(window.StartSamplingAt(pointer, sample));
    QVERIFY(window.Sampling());
    QCOMPARE(QApplication::focusWidget(), form.Check1);

    window.End(ending, control, clientPoint);
    if (QTest::currentTestFailed())
        return;

    QTRY_VERIFY(window.Off());
    QCOMPARE(window.harness.screen.HeldContexts(), 0);
    QCOMPARE(window.harness.screen.MostHeldContexts(), 1);
    switch (clipboard) {
    case ClipboardAfter::Untouched:
        QCOMPARE(ClipboardText(), kClipboardBefore);
        break;
    case ClipboardAfter::HexText:
        QCOMPARE(ClipboardText(), HexText(sample));
        break;
    case ClipboardAfter::RgbText:
        QCOMPARE(ClipboardText(), RgbText(sample));
        QCOMPARE(form.Picture4->BackColor(), sample);
        break;
    }
    if (sampleStays)
        QVERIFY(window.Shows(sample));
    else
        QVERIFY(form.Picture3->BackColor() != sample);
}

void EyedropperEndingTest::enterCopiesTheRgbTextAndSamplingGoesOn() {
    SamplingWindow window;
    QVERIFY(window.Open());
    Form1& form = *window.form;
    const PackedColor swatchBefore = form.Picture4->BackColor();
    const QPoint first = window.AwayFromWindow();
    QVERIFY(window.StartSamplingAt(first, ScreenPattern(first)));

    QTest::keyClick(form.Check1, Qt::Key_Return);
    QCOMPARE(ClipboardText(), RgbText(ScreenPattern(first)));
    QCOMPARE(form.Picture4->BackColor(), ScreenPattern(first));
    QCOMPARE(form.Picture5->BackColor(), swatchBefore);
    QVERIFY(window.Sampling());

    // Still sampling: the next pixel is taken, and Esc then replaces the clipboard.
    const QPoint second = first + QPoint(7, 3);
    window.PointAtScreen(second);
    QTRY_VERIFY(window.Shows(ScreenPattern(second)));
    QTest::keyClick(form.Check1, Qt::Key_Escape);
    QVERIFY(window.Off());
    QCOMPARE(ClipboardText(), HexText(ScreenPattern(second)));
    // Only Enter pushed a swatch.
    QCOMPARE(form.Picture4->BackColor(), ScreenPattern(first));
    QCOMPARE(form.Picture5->BackColor(), swatchBefore);
}

void EyedropperEndingTest::keysWithModifiersOnThePressedToggle_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    // The text as the X server's keyboard mapping delivers it with those modifiers.
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("keyAscii");
    QTest::addColumn<ClipboardAfter>("clipboard");

    const Qt::KeyboardModifiers none;
    const QString space = QStringLiteral(" ");
    const QString enter = QStringLiteral("\r");
    const QString escape = QStringLiteral("\x1b");
    // clang-format off
    QTest::newRow("Space") << Qt::Key_Space << none << space << 32 << ClipboardAfter::HexText;
    QTest::newRow("Shift+Space") << Qt::Key_Space << Qt::KeyboardModifiers(Qt::ShiftModifier)
        << space << 32 << ClipboardAfter::HexText;
    // Control turns the space into the NUL control character, or into no text at all.
    QTest::newRow("Ctrl+Space typing NUL") << Qt::Key_Space
        << Qt::KeyboardModifiers(Qt::ControlModifier) << QString(QChar(0)) << 32
        << ClipboardAfter::HexText;
    QTest::newRow("Ctrl+Space typing nothing") << Qt::Key_Space
        << Qt::KeyboardModifiers(Qt::ControlModifier) << QString() << 32 << ClipboardAfter::HexText;
    QTest::newRow("Ctrl+Shift+Space") << Qt::Key_Space << (Qt::ControlModifier | Qt::ShiftModifier)
        << QString() << 32 << ClipboardAfter::HexText;
    QTest::newRow("Alt+Space") << Qt::Key_Space << Qt::KeyboardModifiers(Qt::AltModifier) << space
        << 32 << ClipboardAfter::HexText;
    QTest::newRow("Meta+Space") << Qt::Key_Space << Qt::KeyboardModifiers(Qt::MetaModifier) << space
        << 32 << ClipboardAfter::HexText;
    QTest::newRow("Select") << Qt::Key_Select << none << QString() << 32 << ClipboardAfter::HexText;
    QTest::newRow("Enter") << Qt::Key_Return << none << enter << 13 << ClipboardAfter::RgbText;
    QTest::newRow("Ctrl+Enter") << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ControlModifier)
        << QStringLiteral("\n") << 13 << ClipboardAfter::RgbText;
    QTest::newRow("Shift+Enter") << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ShiftModifier)
        << enter << 13 << ClipboardAfter::RgbText;
    QTest::newRow("keypad Enter") << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier)
        << enter << 13 << ClipboardAfter::RgbText;
    QTest::newRow("Esc") << Qt::Key_Escape << none << escape << 27 << ClipboardAfter::HexText;
    QTest::newRow("Ctrl+Esc") << Qt::Key_Escape << Qt::KeyboardModifiers(Qt::ControlModifier)
        << escape << 27 << ClipboardAfter::HexText;
    QTest::newRow("Shift+Alt+Esc") << Qt::Key_Escape << (Qt::ShiftModifier | Qt::AltModifier)
        << escape << 27 << ClipboardAfter::HexText;
    // clang-format on
}

// Whatever modifiers are held, a key the toggle acts on reaches its key routine with the code
// of that key, so that sampling ends (or goes on) exactly as with the plain key.
void EyedropperEndingTest::keysWithModifiersOnThePressedToggle() {
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);
    QFETCH(int, keyAscii);
    QFETCH(ClipboardAfter, clipboard);

    SamplingWindow window;
    QVERIFY(window.Open());
    Form1& form = *window.form;
    const QPoint pointer = window.AwayFromWindow();
    const PackedColor sample = ScreenPattern(pointer);
    QVERIFY(window.StartSamplingAt(pointer, sample));

    QList<int> codes;
    connect(form.Check1, &Toggle::KeyPress, this,
            [&codes](const std::int16_t& code) { codes.append(code); });
    QTest::sendKeyEvent(QTest::Click, form.Check1, key, text, modifiers);

    QCOMPARE(codes, QList<int>{keyAscii});
    if (clipboard == ClipboardAfter::HexText) {
        QVERIFY(window.Off());
        QCOMPARE(ClipboardText(), HexText(sample));
        QCOMPARE(window.harness.screen.HeldContexts(), 0);
    } else {
        QVERIFY(window.Sampling());
        QCOMPARE(ClipboardText(), RgbText(sample));
    }
    QVERIFY(window.Shows(sample));
}

void EyedropperEndingTest::keysOnTheRaisedToggle() {
    SamplingWindow window;
    QVERIFY(window.Open());
    Form1& form = *window.form;
    form.Check1->setFocus(Qt::TabFocusReason);
    const PackedColor swatch = form.Picture4->BackColor();
    const PackedColor current = form.Picture3->BackColor();

    QTest::keyClick(form.Check1, Qt::Key_Escape);
    QTest::keyClick(form.Check1, Qt::Key_Return);
    QVERIFY(window.Off());
    QCOMPARE(ClipboardText(), kClipboardBefore);
    QCOMPARE(form.Picture4->BackColor(), swatch);
    QVERIFY(window.Shows(current));

    // Space presses the toggle, and on the pressed toggle lets it up again; each start takes
    // a screen context and each end gives it back.
    const QPoint pointer = window.AwayFromWindow();
    window.PointAtScreen(pointer);
    for (int round = 1; round <= 3; ++round) {
        QTest::keyClick(form.Check1, Qt::Key_Space);
        QVERIFY(window.Sampling());
        QTRY_VERIFY(window.Shows(ScreenPattern(pointer)));
        QTest::keyClick(form.Check1, Qt::Key_Space);
        QVERIFY(window.Off());
        QCOMPARE(ClipboardText(), HexText(ScreenPattern(pointer)));
        QCOMPARE(window.harness.screen.TakenContexts(), round);
        QCOMPARE(window.harness.screen.HeldContexts(), 0);
    }
    QCOMPARE(window.harness.screen.MostHeldContexts(), 1);
}

void EyedropperEndingTest::closingWhileSamplingKeepsTheFieldColor() {
    SamplingWindow window;
    QVERIFY(window.Open());
    Form1& form = *window.form;
    const QPoint pointer = window.AwayFromWindow();
    window.harness.screen.SetPixel(pointer, 0x2A7F3C);
    QVERIFY(window.StartSamplingAt(pointer, 0x2A7F3C));
    const PackedColor fieldColor =
        form.Picture1->Point(form.Shape1->Left() + 2, form.Shape1->Top() + 2);

    QVERIFY(form.close());
    QCOMPARE(window.harness.settings.Value(QStringLiteral("color")), QString::number(fieldColor));
    QCOMPARE(ClipboardText(), kClipboardBefore);
    QCOMPARE(window.harness.screen.HeldContexts(), 0);

    FormHarness next;
    next.settings.values = window.harness.settings.values;
    Form1& restarted = next.Start();
    QCOMPARE(restarted.Check1->Value(), std::int16_t{0});
    QVERIFY(!restarted.Timer1->Enabled());
    QCOMPARE(restarted.Picture3->BackColor(), fieldColor);
    QCOMPARE(next.screen.TakenContexts(), 0);
}

QTEST_MAIN(EyedropperEndingTest)
#include "eyedropper_ending_test.moc"
