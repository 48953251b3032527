// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Typing, pasting and deleting in the two entry fields with a real keyboard and mouse: the
// conversion into the other notation, the locate routine, the caret and the focus flags.
#include "core/locate.h"
#include "tests/support/keyboard.h"
#include "tests/support/picker_state.h"
#include "tests/support/pointer.h"

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>
#include <algorithm>
#include <memory>

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

// rgb(200,100,50), where the window starts in every test.
constexpr float kStartHue = 1449.6666f;

} // namespace

class EntryFieldsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { locale_ = QLocale(); }
    void init();
    void cleanup();

    void typingRgbOneCharacterAtATime();
    void rgbFieldText_data();
    void rgbFieldText();
    void pastingAndDeletingConvertToo();
    void hexFieldText_data();
    void hexFieldText();
    void enterInTheRgbFieldRelocatesUnchangedText();
    void enterInTheHexFieldDoesNothing();
    void caretStaysWhereTheUserPutIt();
    void pastingFromTheContextMenuConverts();
    void focusFlagsFollowTheFocus();
    void writingIdenticalTextRunsNothing();
    void commaLocale_data();
    void commaLocale();

private:
    Form1& form() { return *harness_->form; }
    void OpenWindow();
    // Clicks into a field and selects all of its text, so that typing replaces it.
    void SelectAllOf(QWidget& field);
    void ClearRgbField();
    // Gives the rgb field the focus once and takes it away again: from then on its flag is
    // true only while it holds the focus.
    // The picker as the locate routine leaves it for a color.
    void CheckLocated(float hue, float left, float top, PackedColor preview, PackedColor border);

    QLocale locale_;
    std::unique_ptr<FormHarness> harness_;
    Pointer pointer_;
};

void EntryFieldsTest::init() {
    OpenWindow();
}

void EntryFieldsTest::cleanup() {
    harness_.reset();
    QLocale::setDefault(locale_);
}

void EntryFieldsTest::OpenWindow() {
    pointer_ = Pointer();
    harness_ = std::make_unique<FormHarness>();
    QVERIFY(harness_->StartWindow(kStoredShade));
    QCOMPARE(form().HuePosition, kStartHue);
}

void EntryFieldsTest::SelectAllOf(QWidget& field) {
    pointer_.Click(field, QPoint(40, 12));
    PressKey(form(), Qt::Key_A, Qt::ControlModifier);
}

void EntryFieldsTest::ClearRgbField() {
    SelectAllOf(*form().Text1);
    PressKey(form(), Qt::Key_Delete);
}

void EntryFieldsTest::CheckLocated(float hue, float left, float top, PackedColor preview,
                                   PackedColor border) {
    QCOMPARE(form().HuePosition, hue);
    QCOMPARE(form().Line1->Y1(), form().HuePosition);
    QCOMPARE(form().Line1->Y2(), form().HuePosition);
    QCOMPARE(form().Shape1->Left(), left);
    QCOMPARE(form().Shape1->Top(), top);
    QCOMPARE(form().Picture3->BackColor(), preview);
    QCOMPARE(form().Shape1->BorderColor(), border);
    QVERIFY(FieldBytes(form()) == ExpectedField(form(), form().HuePosition));
}

void EntryFieldsTest::typingRgbOneCharacterAtATime() {
    ClearRgbField();
    QCOMPARE(form().Text1->Text(), QString());
    QCOMPARE(form().Text2->Text(), QStringLiteral("#"));
    const PickerState cleared = PickerState::Of(form());
    QCOMPARE(cleared.shown.huePosition, kStartHue);
    QCOMPARE(cleared.shown.preview, PackBytes(200, 100, 50));

    const QString typed = QStringLiteral("rgb(255,0,0)");
    const QStringList hexAfterEach = {"#",   "#",   "#",     "#",     "#02",     "#19",
                                      "#FF", "#FF", "#FF00", "#FF00", "#FF0000", "#FF0000"};
    for (int i = 0; i < typed.size(); ++i) {
        Type(form(), typed.mid(i, 1));
        const QString sofar = typed.left(i + 1);
        QCOMPARE(form().Text1->Text(), sofar);
        QCOMPARE(form().Text1->SelStart(), i + 1);
        QCOMPARE(form().Text2->Text(), hexAfterEach[i]);
        if (sofar.size() < QStringLiteral("rgb(255,0,0").size()) {
            // Fewer than three channels: nothing but the hex field changes.
            PickerState expected = cleared;
            expected.shown.rgbText = sofar;
            expected.shown.hexText = hexAfterEach[i];
            QCOMPARE(PickerState::Of(form()), expected);
        } else {
            CheckLocated(0, 253, -2, PackBytes(255, 0, 0), PackBytes(0, 255, 255));
        }
    }
}

void EntryFieldsTest::rgbFieldText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("hex");
    // -1: the preview keeps its color.
    QTest::addColumn<int>("preview");
    QTest::addColumn<bool>("located");
    QTest::addColumn<float>("hue");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<int>("border");

    // clang-format off
    QTest::newRow("no brackets") << "255,0,0" << "#FF0000" << PackBytes(255, 0, 0) << true << 0.0f
        << 253.0f << -2.0f << PackBytes(0, 255, 255);
    QTest::newRow("blanks around channels") << "rgb( 10 , 20 , 30 )" << "#0A141E"
        << PackBytes(10, 20, 30) << true << 640.0f << 168.0f << 223.0f << PackBytes(245, 235, 225);
    QTest::newRow("another prefix") << "hsl(1,2,3)" << "#010203" << PackBytes(1, 2, 3) << true
        << 640.0f << 168.0f << 250.0f << PackBytes(254, 253, 252);
    QTest::newRow("a fraction compares rounded, computes exact") << "rgb(12.5,0,0)" << "#0C0000"
        << PackBytes(12, 0, 0) << true << 0.0f << 253.0f << 240.5f << PackBytes(242, 255, 255);
    // On the way, 'rgb(128,128,12' located a yellow at 1279.
    QTest::newRow("a gray keeps the hue") << "rgb(128,128,128)" << "#808080"
        << PackBytes(128, 128, 128) << true << 1279.0f << -2.0f << 125.0f
        << PackBytes(127, 127, 127);
    QTest::newRow("a channel above 255 only reaches the preview") << "rgb(300,0,0)" << "#12C0000"
        << PackBytes(255, 0, 0) << false << 0.0f << 0.0f << 0.0f << 0;
    QTest::newRow("two channels") << "rgb(1,2)" << "#0102" << -1 << false << 0.0f << 0.0f << 0.0f
        << 0;
    QTest::newRow("a letter") << "rgb(a,0,0)" << "#0000" << -1 << false << 0.0f << 0.0f << 0.0f
        << 0;
    QTest::newRow("a negative channel") << "rgb(-1,0,0)" << "#0000" << -1 << false << 0.0f << 0.0f
        << 0.0f << 0;
    QTest::newRow("empty brackets") << "rgb()" << "#" << -1 << false << 0.0f << 0.0f << 0.0f << 0;
    // clang-format on
}

void EntryFieldsTest::rgbFieldText() {
    QFETCH(QString, typed);
    QFETCH(QString, hex);
    QFETCH(int, preview);
    QFETCH(bool, located);
    QFETCH(float, hue);
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(int, border);
    const PickerState before = PickerState::Of(form());

    SelectAllOf(*form().Text1);
    Type(form(), typed);
    QCOMPARE(form().Text1->Text(), typed);
    QCOMPARE(form().Text2->Text(), hex);
    if (located) {
        CheckLocated(hue, left, top, preview, border);
    } else {
        // The bar, the field marker and the field stay where they were.
        PickerState expected = before;
        expected.shown.rgbText = typed;
        expected.shown.hexText = hex;
        if (preview != -1)
            expected.shown.preview = preview;
        QCOMPARE(PickerState::Of(form()), expected);
    }
}

void EntryFieldsTest::pastingAndDeletingConvertToo() {
    QGuiApplication::clipboard()->setText(QStringLiteral("rgb(10,20,30)"));
    SelectAllOf(*form().Text1);
    PressKey(form(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(form().Text1->Text(), QStringLiteral("rgb(10,20,30)"));
    QCOMPARE(form().Text2->Text(), QStringLiteral("#0A141E"));
    CheckLocated(640, 168, 223, PackBytes(10, 20, 30), PackBytes(245, 235, 225));

    PressKey(form(), Qt::Key_Backspace);
    PressKey(form(), Qt::Key_Backspace);
    QCOMPARE(form().Text2->Text(), QStringLiteral("#0A1403"));
    // Green above red above blue: 1024 + (10 - 3) / ((20 - 3) / 256).
    CheckLocated(1129.4117f, 214, 233, PackBytes(10, 20, 3), PackBytes(245, 235, 252));
}

void EntryFieldsTest::hexFieldText_data() {
    QTest::addColumn<QString>("typed");
    // Empty: the rgb field keeps its text.
    QTest::addColumn<QString>("rgb");
    QTest::addColumn<float>("hue");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");

    // clang-format off
    QTest::newRow("#00ff80") << "#00ff80" << "rgb(0,255,128)" << 894.49805f << 253.0f << -2.0f;
    QTest::newRow("#00ff8") << "#00ff8" << "rgb(0,255,8)" << 1014.9686f << 253.0f << -2.0f;
    QTest::newRow("#3366CC") << "#3366CC" << "rgb(51,102,204)" << 597.3333f << 189.0f << 49.0f;
    QTest::newRow("#abcdef") << "#abcdef" << "rgb(171,205,239)" << 640.0f << 70.0f << 14.0f;
    QTest::newRow("#00ff") << "#00ff" << QString() << kStartHue << 189.0f << 53.0f;
    QTest::newRow("#00gg80") << "#00gg80" << QString() << kStartHue << 189.0f << 53.0f;
    QTest::newRow("no # drops the first digit") << "FF0000" << "rgb(240,0,0)" << 0.0f << 253.0f
        << 13.0f;
    // clang-format on
}

void EntryFieldsTest::hexFieldText() {
    QFETCH(QString, typed);
    QFETCH(QString, rgb);
    QFETCH(float, hue);
    QFETCH(float, left);
    QFETCH(float, top);
    const QString rgbBefore = form().Text1->Text();

    // Right after start-up: only the hex field converts what is typed into it.
    SelectAllOf(*form().Text2);
    QCOMPARE(form().RgbFieldFocused, std::int16_t{0});
    QCOMPARE(form().HexFieldFocused, std::int16_t{-1});
    Type(form(), typed);
    // The hex field keeps what was typed, lower case included.
    QCOMPARE(form().Text2->Text(), typed);
    QCOMPARE(form().Text2->SelStart(), typed.size());
    const QString shown = rgb.isEmpty() ? rgbBefore : rgb;
    QCOMPARE(form().Text1->Text(), shown);
    // Every keystroke locates what the rgb field holds.
    const auto channels = SplitColor(form().Picture3->BackColor());
    QCOMPARE(QString::fromStdString(FormatRgbText(channels)), shown);
    CheckLocated(hue, left, top, form().Picture3->BackColor(),
                 Complement(form().Picture3->BackColor()));
}

void EntryFieldsTest::enterInTheRgbFieldRelocatesUnchangedText() {
    pointer_.Click(*form().Picture2, QPoint(8, 101));
    const float pressed = form().HuePosition;
    const QString text = form().Text1->Text();
    pointer_.Click(*form().Text1, QPoint(20, 12));
    const int caret = form().Text1->SelStart();
    QCOMPARE(form().HuePosition, pressed);

    PressKey(form(), Qt::Key_Return);
    QCOMPARE(form().Text1->Text(), text);
    QCOMPARE(form().Text1->SelStart(), caret);
    const auto location = LocateColor(text.toStdString(), ".");
    QVERIFY(location && location->huePosition);
    QVERIFY(*location->huePosition != pressed);
    CheckLocated(*location->huePosition, location->markerLeft, location->markerTop,
                 location->preview, location->border);

    // Enter on text that is no color changes nothing.
    SelectAllOf(*form().Text1);
    Type(form(), QStringLiteral("rgb(1,2"));
    const PickerState unreadable = PickerState::Of(form());
    PressKey(form(), Qt::Key_Enter);
    QCOMPARE(PickerState::Of(form()), unreadable);
}

void EntryFieldsTest::enterInTheHexFieldDoesNothing() {
    pointer_.Click(*form().Picture2, QPoint(8, 101));
    pointer_.Click(*form().Text2, QPoint(20, 12));
    const PickerState before = PickerState::Of(form());
    PressKey(form(), Qt::Key_Return);
    PressKey(form(), Qt::Key_Enter);
    QCOMPARE(PickerState::Of(form()), before);
}

void EntryFieldsTest::caretStaysWhereTheUserPutIt() {
    SelectAllOf(*form().Text1);
    Type(form(), QStringLiteral("rgb(255,0,0)"));
    PressKey(form(), Qt::Key_Home);
    for (int i = 0; i < 6; ++i)
        PressKey(form(), Qt::Key_Right);
    PressKey(form(), Qt::Key_Backspace);
    QCOMPARE(form().Text1->Text(), QStringLiteral("rgb(25,0,0)"));
    QCOMPARE(form().Text1->SelStart(), 5);
    QCOMPARE(form().Text2->Text(), QStringLiteral("#190000"));
    CheckLocated(0, 253, 228, PackBytes(25, 0, 0), PackBytes(230, 255, 255));
    Type(form(), QStringLiteral("0"));
    QCOMPARE(form().Text1->Text(), QStringLiteral("rgb(205,0,0)"));
    QCOMPARE(form().Text1->SelStart(), 6);
    QCOMPARE(form().Text2->Text(), QStringLiteral("#CD0000"));

    SelectAllOf(*form().Text2);
    Type(form(), QStringLiteral("#00ff80"));
    PressKey(form(), Qt::Key_Home);
    for (int i = 0; i < 3; ++i)
        PressKey(form(), Qt::Key_Right);
    PressKey(form(), Qt::Key_Delete);
    QCOMPARE(form().Text2->Text(), QStringLiteral("#00f80"));
    QCOMPARE(form().Text2->SelStart(), 3);
    QCOMPARE(form().Text1->Text(), QStringLiteral("rgb(0,248,0)"));
    Type(form(), QStringLiteral("F"));
    QCOMPARE(form().Text2->Text(), QStringLiteral("#00Ff80"));
    QCOMPARE(form().Text2->SelStart(), 4);
    QCOMPARE(form().Text1->Text(), QStringLiteral("rgb(0,255,128)"));
}

// The context menu takes the focus for as long as it is open, which is no focus move inside
// the window: the rgb field stays the one typed in, and what is pasted from the menu converts.
void EntryFieldsTest::pastingFromTheContextMenuConverts() {
    QGuiApplication::clipboard()->setText(QStringLiteral("rgb(10,20,30)"));
    SelectAllOf(*form().Text1);
    QCOMPARE(form().RgbFieldFocused, std::int16_t{-1});

    const QPoint inField(40, 12);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, inField,
                                 form().Text1->mapToGlobal(inField));
    QApplication::sendEvent(form().Text1, &rightClick);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY2(menu, "the rgb field opened no context menu");
    QCOMPARE(form().RgbFieldFocused, std::int16_t{-1});

    const QList<QAction*> actions = menu->actions();
    const auto paste = std::find_if(actions.begin(), actions.end(), [](const QAction* action) {
        return action->text().contains(QStringLiteral("Paste"));
    });
    QVERIFY2(paste != actions.end(), "the context menu has no Paste entry");
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(*paste).center());
    QTRY_VERIFY(!QApplication::activePopupWidget());

    QCOMPARE(form().RgbFieldFocused, std::int16_t{-1});
    QCOMPARE(form().Text1->Text(), QStringLiteral("rgb(10,20,30)"));
    QCOMPARE(form().Text2->Text(), QStringLiteral("#0A141E"));
    CheckLocated(640, 168, 223, PackBytes(10, 20, 30), PackBytes(245, 235, 225));
}

void EntryFieldsTest::focusFlagsFollowTheFocus() {
    // From start-up on, each flag is set exactly while its field holds the focus.
    QCOMPARE(form().RgbFieldFocused, std::int16_t{0});
    QCOMPARE(form().HexFieldFocused, std::int16_t{0});
    pointer_.Click(*form().Text2, QPoint(20, 12));
    QCOMPARE(form().RgbFieldFocused, std::int16_t{0});
    QCOMPARE(form().HexFieldFocused, std::int16_t{-1});
    pointer_.Click(*form().Text1, QPoint(20, 12));
    QCOMPARE(form().RgbFieldFocused, std::int16_t{-1});
    QCOMPARE(form().HexFieldFocused, std::int16_t{0});
    pointer_.Press(*form().Picture1, QPoint(100, 100));
    QCOMPARE(form().RgbFieldFocused, std::int16_t{0});
    pointer_.Release(*form().Picture1, QPoint(100, 100));
    // By keyboard: the shade field comes just before the rgb field in the tab order.
    PressKey(form(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), form().Text1);
    QCOMPARE(form().RgbFieldFocused, std::int16_t{-1});
    PressKey(form(), Qt::Key_Tab);
    QCOMPARE(form().RgbFieldFocused, std::int16_t{0});
    QCOMPARE(form().HexFieldFocused, std::int16_t{0});
}

void EntryFieldsTest::writingIdenticalTextRunsNothing() {
    QSignalSpy rgbChanges(form().Text1, &TextBox::Change);
    QSignalSpy hexChanges(form().Text2, &TextBox::Change);
    pointer_.Click(*form().Picture2, QPoint(8, 101));
    QCOMPARE(rgbChanges.count(), 1);
    QCOMPARE(hexChanges.count(), 1);
    // The same color again: both fields are written with the text they hold.
    pointer_.Click(*form().Picture2, QPoint(8, 101));
    QCOMPARE(rgbChanges.count(), 1);
    QCOMPARE(hexChanges.count(), 1);
}

void EntryFieldsTest::commaLocale_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("hex");
    // clang-format off
    QTest::newRow("the comma splits channels") << "rgb(12,5,0,0)" << "#0C0500";
    QTest::newRow("a point is no separator") << "rgb(12.5,0,0)" << "#0000";
    // clang-format on
}

void EntryFieldsTest::commaLocale() {
    QFETCH(QString, typed);
    QFETCH(QString, hex);
    harness_.reset();
    QLocale::setDefault(QLocale(QLocale::German));
    OpenWindow();
    const PickerState before = PickerState::Of(form());

    SelectAllOf(*form().Text1);
    Type(form(), typed);
    QCOMPARE(form().Text2->Text(), hex);
    if (hex.size() == 7) {
        // Red 12, green 5, blue 0; the fourth channel is ignored.
        CheckLocated(1535 - 5 / (12 / 256.0f), 253, 241, PackBytes(12, 5, 0),
                     PackBytes(243, 250, 255));
    } else {
        PickerState expected = before;
        expected.shown.rgbText = typed;
        expected.shown.hexText = hex;
        QCOMPARE(PickerState::Of(form()), expected);
    }
}

QTEST_MAIN(EntryFieldsTest)
#include "entry_fields_test.moc"
