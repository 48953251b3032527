// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Text that no one means as a color, pasted or typed into either entry field: the window keeps
// working, the field keeps what it can hold, and the readers' rules decide what changes.
#include "core/color_readers.h"
#include "core/locate.h"
#include "platform/toolkit/line.h"
#include "platform/toolkit/shape.h"
#include "platform/toolkit/text_box.h"
#include "tests/support/form_harness.h"
#include "tests/support/picker_state.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

// What QLineEdit holds at most unless told otherwise.
constexpr int kFieldCapacity = 32767;

std::string Separator() {
    return QLocale().decimalPoint().toStdString();
}

// The hex field's text for rgb text: one piece per channel that reads as a number.
QString HexFieldFor(const std::string& rgbText) {
    std::string hex = "#";
    const auto channels = ReadRgbChannels(rgbText);
    for (std::size_t i = 0; i < 3 && i < channels.size(); ++i)
        if (const auto digits = ChannelHexDigits(channels[i], Separator()))
            hex += *digits;
    return QString::fromStdString(hex);
}

// Either the whole picker moved to the located color, or nothing but what the rgb field's
// own reading may change did.
void VerifyLocatedOrUnmoved(Form1& form, const PickerState& before) {
    const auto location = LocateColor(form.Text1->Text().toStdString(), Separator());
    if (!location) {
        QCOMPARE(form.Shape1->Left(), before.shown.fieldMarkerLeft);
        QCOMPARE(form.Shape1->Top(), before.shown.fieldMarkerTop);
        QCOMPARE(form.Shape1->BorderColor(), before.shown.fieldMarkerBorder);
        QCOMPARE(form.HuePosition, before.shown.huePosition);
        QVERIFY(FieldBytes(form) == before.field);
        return;
    }
    QCOMPARE(form.Picture3->BackColor(), location->preview);
    QCOMPARE(form.Shape1->Left(), location->markerLeft);
    QCOMPARE(form.Shape1->Top(), location->markerTop);
    QCOMPARE(form.Shape1->BorderColor(), location->border);
    QCOMPARE(form.HuePosition, location->huePosition.value_or(before.shown.huePosition));
    QCOMPARE(form.Line1->Y1(), form.HuePosition);
}

} // namespace

class HostileTypingTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pasteIntoRgbField_data();
    void pasteIntoRgbField();
    void pasteIntoHexField_data();
    void pasteIntoHexField();
    void typedControlCharacters();

private:
    void StartFocused(TextBox*(Form1::*field));
    void Paste(TextBox* field, const QString& text);
    void VerifyStillWorks();

    FormHarness harness_;
};

void HostileTypingTest::init() {
    QVERIFY(harness_.StartWindow());
}

void HostileTypingTest::cleanup() {
    harness_.form.reset();
}

void HostileTypingTest::Paste(TextBox* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    QVERIFY(field->hasFocus());
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// After whatever came before, typing a plain color still places the picker on it, and the
// window paints.
void HostileTypingTest::VerifyStillWorks() {
    Form1& form = *harness_.form;
    QTest::mouseClick(form.Text1, Qt::LeftButton);
    QTest::keyClick(form.Text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(form.Text1, QStringLiteral("rgb(200,100,50)"));
    QCOMPARE(form.Text2->Text(), QStringLiteral("#C86432"));
    QCOMPARE(form.Picture3->BackColor(), PackBytes(200, 100, 50));
    QCOMPARE(form.Shape1->Left(), 189.0f);
    QCOMPARE(form.Shape1->Top(), 53.0f);
    QVERIFY(!form.grab().isNull());
}

// Text that every reader and the text box itself must take apart safely.
static void AddHostileRows() {
    QTest::addColumn<QString>("text");
    const QString bytesOfMegabyte(1 << 20, QLatin1Char('7'));
    QTest::newRow("1 MB of digits") << bytesOfMegabyte;
    QTest::newRow("color, then 1 MB") << QStringLiteral("rgb(10,20,30)") + bytesOfMegabyte;
    QTest::newRow("1 MB, then a color") << bytesOfMegabyte + QStringLiteral("rgb(10,20,30)");
    QTest::newRow("10,000 commas") << QString(10000, QLatin1Char(','));
    QTest::newRow("color with 10,000 commas") << "rgb(1,2,3" + QString(10000, QLatin1Char(','));
    QTest::newRow("brackets only") << QStringLiteral("rgb(((((");
    QTest::newRow("closing brackets first") << QStringLiteral(")))rgb(1,2,3)");
    QTest::newRow("brackets the wrong way") << QStringLiteral("rgb)1,2,3(");
    QTest::newRow("NUL inside") << QString::fromUtf8("rgb(1\0,2,3)", 11);
    QTest::newRow("NUL as first character") << QString::fromUtf8("\0#FF0000", 8);
    QTest::newRow("control characters") << QStringLiteral("rgb(\x01\x1b"
                                                          "1,\t2 ,\x7f"
                                                          "3)");
    QTest::newRow("right-to-left marks") << QStringLiteral("\u200Frgb(\u200F255,\u202E0,0\u202C)");
    QTest::newRow("Arabic digits") << QStringLiteral("rgb(\u0661\u0662,0,0)");
    QTest::newRow("emoji channel") << QStringLiteral("rgb(\U0001F600,0,0)");
    QTest::newRow("emoji first") << QStringLiteral("\U0001F600FF8000");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + QStringLiteral("FF8000");
    QTest::newRow("far off the bar") << QStringLiteral("rgb(0.5000000001,0.5,-0.5)");
    QTest::newRow("hundred digits")
        << QStringLiteral("rgb(") + QString(100, QLatin1Char('9')) + QStringLiteral(",0,0)");
}

void HostileTypingTest::pasteIntoRgbField_data() {
    AddHostileRows();
}

void HostileTypingTest::pasteIntoRgbField() {
    QFETCH(QString, text);
    Form1& form = *harness_.form;
    const PickerState before = PickerState::Of(form);

    Paste(form.Text1, text);

    QCOMPARE(form.Text1->Text(), text.left(kFieldCapacity));
    const std::string typed = form.Text1->Text().toStdString();
    QCOMPARE(form.Text2->Text(), HexFieldFor(typed));
    VerifyLocatedOrUnmoved(form, before);
    QVERIFY(!form.grab().isNull());
    VerifyStillWorks();
}

void HostileTypingTest::pasteIntoHexField_data() {
    AddHostileRows();
}

void HostileTypingTest::pasteIntoHexField() {
    QFETCH(QString, text);
    Form1& form = *harness_.form;
    const PickerState before = PickerState::Of(form);

    Paste(form.Text2, text);

    QCOMPARE(form.Text2->Text(), text.left(kFieldCapacity));
    if (const auto channels = ReadHexChannels(form.Text2->Text().toStdString()))
        QCOMPARE(form.Text1->Text(), QString::fromStdString(FormatRgbText(*channels)));
    else
        QCOMPARE(form.Text1->Text(), before.shown.rgbText);
    VerifyLocatedOrUnmoved(form, before);
    QVERIFY(!form.grab().isNull());
    VerifyStillWorks();
}

void HostileTypingTest::typedControlCharacters() {
    Form1& form = *harness_.form;
    QTest::mouseClick(form.Text1, Qt::LeftButton);
    QTest::keyClick(form.Text1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(form.Text1, QStringLiteral("rgb(9"));
    // Keys whose text is a control character: the key handler sees each of them, the field
    // takes none.
    for (const char16_t code : {u'\x00', u'\x01', u'\x07', u'\x1B', u'\x7F', u'\x9B'}) {
        const QString character(QChar{code});
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(form.Text1, &press);
        QApplication::sendEvent(form.Text1, &release);
    }
    QTest::keyClicks(form.Text1, QStringLiteral(",0,0)"));
    QTest::keyClick(form.Text1, Qt::Key_Return);
    QCOMPARE(form.Text1->Text(), QStringLiteral("rgb(9,0,0)"));
    QCOMPARE(form.Text2->Text(), QStringLiteral("#090000"));
    QCOMPARE(form.Picture3->BackColor(), 9);
    VerifyStillWorks();
}

QTEST_MAIN(HostileTypingTest)
#include "hostile_typing_test.moc"
