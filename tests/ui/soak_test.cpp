// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Thousands of random real events on the headless window: presses, drags and releases on the
// rainbow bar and the shade field, typing and pasting in both fields, swatch clicks and double
// clicks, copies, and the eyedropper against a fake screen. After every event the window is
// alive and its state within bounds; after every pick, swatch click and eyedropper sample the
// preview, both fields and the marker's outline show one color.
//
// TESSAVUNDO_SOAK_SEED replays a run (each run prints its seed); TESSAVUNDO_SOAK_EVENTS sets
// its length.
#include "core/color_readers.h"
#include "core/locate.h"
#include "platform/toolkit/line.h"
#include "platform/toolkit/shape.h"
#include "platform/toolkit/system_colors.h"
#include "platform/toolkit/text_box.h"
#include "platform/toolkit/timer.h"
#include "platform/toolkit/toggle.h"
#include "tests/support/form_harness.h"
#include "tests/support/mouse_events.h"
#include "ui/complement.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>
#include <cmath>
#include <random>

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

constexpr unsigned kDefaultSeed = 20261207;
constexpr int kDefaultEvents = 3000;

unsigned EnvironmentNumber(const char* name, unsigned fallback) {
    bool ok = false;
    const unsigned value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

std::string Separator() {
    return QLocale().decimalPoint().toStdString();
}

// A screen of colors that change from pixel to pixel, with a few unreadable pixels among them.
PackedColor ScreenPixel(QPoint position) {
    const auto hash =
        static_cast<std::uint32_t>(position.x() * 73856093u ^ position.y() * 19349663u);
    if (hash % 29 == 0)
        return kInvalidColor;
    return static_cast<PackedColor>(hash & 0xFFFFFF);
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void randomEvents();

private:
    using Action = void (SoakTest::*)();

    // Actions, each one event as a user makes it.
    void DragOnBar();
    void StepOnBar();
    void DragOnField();
    void TypeInRgbField();
    void TypeInHexField();
    void PasteIntoField();
    void ClickSwatch();
    void DoubleClickSwatch();
    void Copy();
    void SampleScreen();
    void EndSampling();

    // Checks, which fail the test with the event that broke them.
    void VerifyAlive();
    void VerifyOneColor();
    void VerifyFieldPointShowsPreview();
    void VerifyTypedRgbRules(bool changed);
    void VerifyTypedHexRules();

    int Random(int lowest, int highest) {
        return std::uniform_int_distribution<int>(lowest, highest)(generator_);
    }
    bool Chance(int percent) { return Random(1, 100) <= percent; }
    QString RandomText(int maxLength);
    QString Context(const char* what) const {
        return QStringLiteral("event %1 (%2), seed %3: %4")
            .arg(event_)
            .arg(QLatin1String(action_))
            .arg(seed_)
            .arg(QLatin1String(what));
    }
    void ClickInto(TextBox* field);
    void WaitForTick(Timer* timer);
    void Type(QWidget* widget, const QString& text);

    FormHarness harness_;
    Form1* form_ = nullptr;
    std::mt19937 generator_;
    unsigned seed_ = kDefaultSeed;
    int event_ = 0;
    const char* action_ = "";
};

void SoakTest::randomEvents() {
    seed_ = EnvironmentNumber("TESSAVUNDO_SOAK_SEED", kDefaultSeed);
    const int events =
        static_cast<int>(EnvironmentNumber("TESSAVUNDO_SOAK_EVENTS", kDefaultEvents));
    generator_.seed(seed_);
    qInfo("soak seed %u, %d events; replay with TESSAVUNDO_SOAK_SEED=%u", seed_, events, seed_);

    harness_.screen.SetPixelFunction(ScreenPixel);
    form_ = &harness_.Start();
    form_->show();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_));

    struct Weighted {
        Action action;
        const char* name;
        int weight;
    };
    const Weighted actions[] = {
        {&SoakTest::DragOnBar, "drag on the bar", 14},
        {&SoakTest::StepOnBar, "+/- on the bar", 5},
        {&SoakTest::DragOnField, "drag on the field", 16},
        {&SoakTest::TypeInRgbField, "typing in the rgb field", 14},
        {&SoakTest::TypeInHexField, "typing in the hex field", 12},
        {&SoakTest::PasteIntoField, "pasting", 6},
        {&SoakTest::ClickSwatch, "swatch click", 12},
        {&SoakTest::DoubleClickSwatch, "swatch double click", 3},
        {&SoakTest::Copy, "copy", 8},
        {&SoakTest::SampleScreen, "eyedropper", 10},
    };
    int totalWeight = 0;
    for (const Weighted& weighted : actions)
        totalWeight += weighted.weight;

    for (event_ = 0; event_ < events; ++event_) {
        int pick = Random(1, totalWeight);
        for (const Weighted& weighted : actions) {
            pick -= weighted.weight;
            if (pick <= 0) {
                action_ = weighted.name;
                (this->*weighted.action)();
                break;
            }
        }
        if (QTest::currentTestFailed())
            return;
        VerifyAlive();
        if (QTest::currentTestFailed())
            return;
        if (event_ % 100 == 0)
            QVERIFY2(!form_->grab().isNull(), qPrintable(Context("the window paints")));
    }
}

// QTest types Latin-1 only; other characters arrive as keys that type them, as an input
// method delivers them.
void SoakTest::Type(QWidget* widget, const QString& text) {
    for (const QChar character : text) {
        if (character.unicode() < 0x80)
            QTest::keyClick(widget, static_cast<char>(character.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                                Qt::NoModifier);
    }
}

// A short wait would not do: the event loop may sleep past a tick that falls due.
void SoakTest::WaitForTick(Timer* timer) {
    if (!timer->Enabled())
        return;
    QSignalSpy ticks(timer, &Timer::Tick);
    QVERIFY2(ticks.wait(5000), qPrintable(Context("an enabled timer ticks")));
}

void SoakTest::ClickInto(TextBox* field) {
    QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, QPoint(Random(1, 80), 12));
}

QString SoakTest::RandomText(int maxLength) {
    // No tab: it would take the focus on to another control halfway through the text.
    static const QString kAlphabet = QStringLiteral("0123456789,,,((())).. -+#rgbABCDEFabcdefx") +
                                     QChar(0x200F) + QChar(0x202E) + QChar(0x0661);
    QString text;
    const int length = Random(0, maxLength);
    for (int i = 0; i < length; ++i)
        text += kAlphabet.at(Random(0, static_cast<int>(kAlphabet.size()) - 1));
    return text;
}

void SoakTest::DragOnBar() {
    QWidget* bar = form_->Picture2;
    const Qt::MouseButton button = Chance(85) ? Qt::LeftButton : Qt::RightButton;
    // A press lands on the bar; the moves and the release that follow it reach the bar wherever
    // the pointer goes, since the bar holds the pointer while a button is down.
    QPoint position(Random(0, 16), Random(0, 257));
    QTest::mousePress(bar, button, Qt::NoModifier, position);
    if (button == Qt::LeftButton) {
        VerifyOneColor();
        VerifyFieldPointShowsPreview();
    }
    const int moves = Random(0, 6);
    for (int i = 0; i < moves; ++i) {
        position = QPoint(Random(-50, 60), Random(-100, 360));
        // QTest's moves carry the buttons held since its press.
        QTest::mouseMove(bar, position);
        // Lets the follow-up timer render the field now and then, as it does between moves.
        if (Chance(40))
            WaitForTick(form_->Timer2);
    }
    QTest::mouseRelease(bar, button, Qt::NoModifier, position);
    QVERIFY2(!form_->Timer2->Enabled(), qPrintable(Context("a release stops the bar's timer")));
    if (button == Qt::LeftButton) {
        VerifyOneColor();
        VerifyFieldPointShowsPreview();
    }
}

void SoakTest::StepOnBar() {
    QTest::mouseClick(form_->Picture2, Qt::LeftButton, Qt::NoModifier,
                      QPoint(Random(1, 15), Random(1, 256)));
    const int steps = Random(1, 5);
    for (int i = 0; i < steps; ++i)
        QTest::keyClick(form_->Picture2, Chance(50) ? '+' : '-');
    VerifyOneColor();
    VerifyFieldPointShowsPreview();
}

void SoakTest::DragOnField() {
    QWidget* field = form_->Picture1;
    QPoint position(Random(0, 257), Random(0, 257));
    QTest::mousePress(field, Qt::LeftButton, Qt::NoModifier, position);
    const int moves = Random(0, 6);
    for (int i = 0; i < moves; ++i) {
        position = QPoint(Random(-300, 560), Random(-300, 560));
        QTest::mouseMove(field, position);
    }
    QTest::mouseRelease(field, Qt::LeftButton, Qt::NoModifier, position);
    VerifyOneColor();
    VerifyFieldPointShowsPreview();
}

void SoakTest::TypeInRgbField() {
    ClickInto(form_->Text1);
    QSignalSpy changes(form_->Text1, &TextBox::Change);
    if (Chance(60))
        QTest::keyClick(form_->Text1, Qt::Key_A, Qt::ControlModifier);
    const int kind = Random(0, 9);
    if (kind < 4) {
        QTest::keyClicks(form_->Text1, QStringLiteral("rgb(%1,%2,%3)")
                                           .arg(Random(-2, 260))
                                           .arg(Random(0, 255))
                                           .arg(Random(0, 255)));
    } else if (kind < 6) {
        // Fractions near a half, which can locate far off the bar.
        const auto near = [this] {
            const bool above = Chance(50);
            return QStringLiteral("%1.%2%3%4")
                .arg(Random(0, 3))
                .arg(above ? '5' : '4')
                .arg(QString(Random(0, 12), QLatin1Char(above ? '0' : '9')))
                .arg(Random(1, 9));
        };
        QTest::keyClicks(form_->Text1, QStringLiteral("rgb(%1,%2,%3)").arg(near(), near(), near()));
    } else {
        Type(form_->Text1, RandomText(14));
    }
    if (Chance(30))
        QTest::keyClick(form_->Text1, Qt::Key_Backspace);
    const bool enter = Chance(30);
    if (enter)
        QTest::keyClick(form_->Text1, Qt::Key_Return);
    // Keys that leave the text as it was start no conversion, and the picker rightly stays
    // wherever the last pick put it.
    if (enter || !changes.isEmpty())
        VerifyTypedRgbRules(!changes.isEmpty());
}

void SoakTest::TypeInHexField() {
    ClickInto(form_->Text2);
    QSignalSpy changes(form_->Text2, &TextBox::Change);
    if (Chance(60))
        QTest::keyClick(form_->Text2, Qt::Key_A, Qt::ControlModifier);
    if (Chance(50))
        QTest::keyClicks(form_->Text2,
                         QStringLiteral("#%1").arg(Random(0, 0xFFFFFF), 6, 16, QLatin1Char('0')));
    else
        Type(form_->Text2, RandomText(10));
    if (!changes.isEmpty())
        VerifyTypedHexRules();
}

void SoakTest::PasteIntoField() {
    TextBox* field = Chance(50) ? form_->Text1 : form_->Text2;
    ClickInto(field);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QString text = RandomText(40);
    if (Chance(10))
        text += QStringLiteral("\t\U0001F600");
    if (Chance(10))
        text += QString(Random(1000, 40000), QLatin1Char(Chance(50) ? ',' : '9'));
    QGuiApplication::clipboard()->setText(text);
    QSignalSpy changes(field, &TextBox::Change);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QVERIFY2(field->Text() == text.left(32767), qPrintable(Context("the field holds the paste")));
    if (changes.isEmpty())
        return;
    if (field == form_->Text1)
        VerifyTypedRgbRules(true);
    else
        VerifyTypedHexRules();
}

void SoakTest::ClickSwatch() {
    const auto swatches = form_->Swatches();
    PictureBox* swatch = swatches[Random(0, 5)];
    const ChannelTriple channels = SplitColor(swatch->BackColor());
    QTest::mouseClick(swatch, Qt::LeftButton, Qt::NoModifier, QPoint(Random(1, 15), Random(1, 15)));
    QVERIFY2(form_->Text1->Text() == QString::fromStdString(FormatRgbText(channels)),
             qPrintable(Context("a swatch gives its color to the rgb field")));
    VerifyOneColor();
}

void SoakTest::DoubleClickSwatch() {
    PictureBox* swatch = Chance(70) ? form_->Picture9 : form_->Picture4;
    SendX11DoubleClick(swatch, QPoint(Random(1, 15), Random(1, 15)));
    VerifyOneColor();
    if (swatch == form_->Picture9) {
        QVERIFY2(form_->Picture3->BackColor() == 255, qPrintable(Context("a reset gives red")));
        QVERIFY2(form_->Picture4->BackColor() == 0xFFFFFF,
                 qPrintable(Context("a reset whitens the swatches")));
    }
}

void SoakTest::Copy() {
    const bool rgb = Chance(50);
    const PackedColor preview = form_->Picture3->BackColor();
    const PackedColor newest = form_->Picture4->BackColor();
    QTest::mouseClick(rgb ? form_->Command3 : form_->Command4, Qt::LeftButton);
    const QString copied = rgb ? form_->Text1->Text() : form_->Text2->Text();
    QVERIFY2(QGuiApplication::clipboard()->text() == copied,
             qPrintable(Context("the field's text is on the clipboard")));
    QVERIFY2(form_->Picture4->BackColor() == preview && form_->Picture5->BackColor() == newest,
             qPrintable(Context("the copy pushed the preview into the swatches")));
}

void SoakTest::SampleScreen() {
    harness_.screen.SetActiveWindow(Chance(90) ? form_->winId() : 0);
    QTest::mouseClick(form_->Check1, Qt::LeftButton);
    const int samples = Random(1, 4);
    bool sampled = false;
    for (int i = 0; i < samples && form_->Check1->Value() == 1; ++i) {
        const QPoint cursor(Random(-50, 1300), Random(-50, 820));
        harness_.screen.SetCursorPos(cursor);
        const int reads = harness_.screen.PixelReads();
        WaitForTick(form_->Timer1);
        // Over the field and the bar the pointer reads nothing; an unreadable pixel is no
        // sample either.
        if (form_->Check1->Value() == 1 && harness_.screen.PixelReads() > reads &&
            ScreenPixel(cursor) != kInvalidColor) {
            sampled = true;
            QVERIFY2(form_->Picture3->BackColor() == ScreenPixel(cursor),
                     qPrintable(Context("the preview is the sampled pixel")));
            VerifyOneColor();
            if (QTest::currentTestFailed())
                return;
        }
    }
    // Sampling may have ended already, on a tick while another window was active.
    if (form_->Check1->Value() == 1)
        EndSampling();
    QVERIFY2(form_->Check1->Value() == 0 && !form_->Timer1->Enabled(),
             qPrintable(Context("sampling ended")));
    if (sampled)
        VerifyOneColor();
}

// Each of the ways a user ends sampling.
void SoakTest::EndSampling() {
    switch (Random(0, 5)) {
    case 0:
        QTest::mouseClick(form_->Check1, Qt::LeftButton);
        break;
    case 1:
        QTest::keyClick(form_->Check1, Qt::Key_Escape);
        break;
    case 2:
        QTest::keyClick(form_->Check1, Qt::Key_Space);
        break;
    case 3:
        QTest::keyClick(form_->Check1, Qt::Key_Return);
        QTest::mouseClick(form_->Check1, Qt::LeftButton);
        break;
    case 4:
        QTest::mouseClick(form_, Qt::LeftButton, Qt::NoModifier, QPoint(292, 150));
        break;
    default:
        ClickInto(form_->Text1);
        break;
    }
}

void SoakTest::VerifyAlive() {
    QVERIFY2(form_->isVisible(), qPrintable(Context("the window is open")));
    const auto onField = [](float corner) {
        return corner >= -2 && corner <= 253;
    };
    QVERIFY2(onField(form_->Shape1->Left()) && onField(form_->Shape1->Top()),
             qPrintable(Context("the field marker is on the field")));
    QVERIFY2(std::isfinite(form_->HuePosition), qPrintable(Context("the hue position is finite")));
    QVERIFY2(form_->Line1->Y1() == form_->Line1->Y2(),
             qPrintable(Context("the hue marker is level")));
    const PackedColor preview = form_->Picture3->BackColor();
    QVERIFY2(preview >= 0 && preview <= kLargestRgbColor,
             qPrintable(Context("the preview is a color")));
    QVERIFY2(form_->Text1->Text().size() <= 32767 && form_->Text2->Text().size() <= 32767,
             qPrintable(Context("the fields hold what they can")));
}

// The preview, both fields and the marker's outline show the same color.
void SoakTest::VerifyOneColor() {
    const ChannelTriple channels = SplitColor(form_->Picture3->BackColor());
    QVERIFY2(form_->Text1->Text() == QString::fromStdString(FormatRgbText(channels)),
             qPrintable(Context("the rgb field shows the preview")));
    QVERIFY2(form_->Text2->Text() == QString::fromStdString(FormatHexText(channels)),
             qPrintable(Context("the hex field shows the preview")));
    QVERIFY2(form_->Shape1->BorderColor() == ComplementColor(channels),
             qPrintable(Context("the marker's outline is the complement")));
}

// A pick from the field's image shows the pixel under the marker. While the rgb field holds
// the focus it converts every write, so the written color is located anew and the marker
// lands on the located point instead.
void SoakTest::VerifyFieldPointShowsPreview() {
    if (form_->RgbFieldFocused != 0)
        return;
    const PackedColor shown =
        form_->Picture1->Point(form_->Shape1->Left() + 2, form_->Shape1->Top() + 2);
    QVERIFY2(shown == form_->Picture3->BackColor(),
             qPrintable(Context("the field point shows the preview")));
}

// After typing in the rgb field: a change puts the channels' digits in the hex field, and a
// change or Enter puts the picker on the color whenever all three channels read as bytes.
void SoakTest::VerifyTypedRgbRules(bool changed) {
    const std::string typed = form_->Text1->Text().toStdString();
    if (changed) {
        std::string hex = "#";
        const auto channels = ReadRgbChannels(typed);
        for (std::size_t i = 0; i < 3 && i < channels.size(); ++i)
            if (const auto digits = ChannelHexDigits(channels[i], Separator()))
                hex += *digits;
        QVERIFY2(form_->Text2->Text() == QString::fromStdString(hex),
                 qPrintable(Context("the hex field converts the typed rgb text")));
    }
    if (const auto location = LocateColor(typed, Separator())) {
        QVERIFY2(form_->Picture3->BackColor() == location->preview &&
                     form_->Shape1->Left() == location->markerLeft &&
                     form_->Shape1->Top() == location->markerTop &&
                     form_->Shape1->BorderColor() == location->border,
                 qPrintable(Context("the picker sits on the typed color")));
    }
}

// After typing in the hex field: a text that reads as a color is in the rgb field and the
// preview; the hex field itself keeps the text as typed.
void SoakTest::VerifyTypedHexRules() {
    const auto channels = ReadHexChannels(form_->Text2->Text().toStdString());
    if (!channels)
        return;
    const std::string rgbText = FormatRgbText(*channels);
    QVERIFY2(form_->Text1->Text() == QString::fromStdString(rgbText),
             qPrintable(Context("the rgb field converts the typed hex text")));
    const auto location = LocateColor(rgbText, Separator());
    QVERIFY2(form_->Picture3->BackColor() == location->preview &&
                 form_->Shape1->BorderColor() == location->border,
             qPrintable(Context("the picker sits on the typed color")));
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
