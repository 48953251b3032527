// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The swatch history driven with real mouse and key events: the push by the copy buttons, a
// click giving a swatch's color back, and the reset by a double click on the last swatch.
#include "platform/toolkit/line.h"
#include "platform/toolkit/shape.h"
#include "platform/toolkit/system_colors.h"
#include "platform/toolkit/text_box.h"
#include "tests/support/form_harness.h"
#include "tests/support/mouse_events.h"

#include <QSignalSpy>
#include <QtTest>
#include <array>

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

using History = std::array<PackedColor, 6>;

History HistoryOf(Form1& form) {
    History history;
    const auto swatches = form.Swatches();
    for (std::size_t i = 0; i < history.size(); ++i)
        history[i] = swatches[i]->BackColor();
    return history;
}

void SeedHistory(FormHarness& harness, const History& history) {
    for (std::size_t i = 0; i < history.size(); ++i)
        harness.settings.Seed(QStringLiteral("col%1").arg(i + 1), QString::number(history[i]));
}

// Types rgb text over whatever the rgb field holds, as a user would.
void TypeRgb(Form1& form, const QString& text) {
    QTest::mouseClick(form.Text1, Qt::LeftButton);
    QTest::keyClick(form.Text1, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(form.Text1->selectedText(), form.Text1->Text());
    QTest::keyClicks(form.Text1, text);
}

} // namespace

class SwatchesTest : public QObject {
    Q_OBJECT

private slots:
    void copiesPushFromTheLeft();
    void sevenPushesDropTheFirst();
    void sameColorTwiceFillsTwoSwatches();
    void clickGivesTheColorBack_data();
    void clickGivesTheColorBack();
    void everySwatchAnswersItsOwnClick();
    void doubleClickOnLastSwatchResets_data();
    void doubleClickOnLastSwatchResets();
    void doubleClickOnOtherSwatchOnlyTakesItsColor();
};

void SwatchesTest::copiesPushFromTheLeft() {
    FormHarness harness;
    SeedHistory(harness, {1, 2, 3, 4, 5, 6});
    QVERIFY(harness.StartWindow());
    Form1& form = *harness.form;

    QTest::mouseClick(form.Command3, Qt::LeftButton);
    QCOMPARE(HistoryOf(form), (History{kRed, 1, 2, 3, 4, 5}));

    TypeRgb(form, QStringLiteral("rgb(0,0,255)"));
    QCOMPARE(form.Picture3->BackColor(), kBlue);
    QTest::mouseClick(form.Command4, Qt::LeftButton);
    QCOMPARE(HistoryOf(form), (History{kBlue, kRed, 1, 2, 3, 4}));
}

void SwatchesTest::sevenPushesDropTheFirst() {
    FormHarness harness;
    QVERIFY(harness.StartWindow());
    Form1& form = *harness.form;
    const QStringList colors = {"rgb(1,0,0)", "rgb(2,0,0)", "rgb(3,0,0)", "rgb(4,0,0)",
                                "rgb(5,0,0)", "rgb(6,0,0)", "rgb(7,0,0)"};
    for (const QString& color : colors) {
        TypeRgb(form, color);
        QTest::mouseClick(form.Command3, Qt::LeftButton);
    }
    QCOMPARE(HistoryOf(form), (History{7, 6, 5, 4, 3, 2}));
}

void SwatchesTest::sameColorTwiceFillsTwoSwatches() {
    FormHarness harness;
    QVERIFY(harness.StartWindow());
    Form1& form = *harness.form;
    QTest::mouseClick(form.Command3, Qt::LeftButton);
    QTest::mouseClick(form.Command4, Qt::LeftButton);
    const PackedColor initial = kWindowBackgroundColor;
    QCOMPARE(HistoryOf(form), (History{kRed, kRed, initial, initial, initial, initial}));
}

void SwatchesTest::clickGivesTheColorBack_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("rgbText");
    QTest::addColumn<QString>("hexText");
    QTest::addColumn<PackedColor>("preview");
    QTest::addColumn<float>("huePosition");
    QTest::addColumn<float>("markerLeft");
    QTest::addColumn<float>("markerTop");

    // The starting color is brown, so a gray keeps brown's hue.
    // clang-format off
    QTest::newRow("blue") << "16711680" << "rgb(0,0,255)" << "#0000FF" << kBlue << 512.0f << 253.0f
        << -2.0f;
    QTest::newRow("dark gray keeps the hue") << "657930" << "rgb(10,10,10)" << "#0A0A0A" << 657930
        << 1449.6666f << -2.0f << 243.0f;
    QTest::newRow("system color splits to near-black") << "" << "rgb(5,1,1)" << "#050101"
        << PackBytes(5, 1, 1) << 0.0f << 202.0f << 248.0f;
    // clang-format on
}

void SwatchesTest::clickGivesTheColorBack() {
    QFETCH(QString, stored);
    QFETCH(QString, rgbText);
    QFETCH(QString, hexText);
    QFETCH(PackedColor, preview);
    QFETCH(float, huePosition);
    QFETCH(float, markerLeft);
    QFETCH(float, markerTop);

    FormHarness harness;
    harness.settings.Seed(QStringLiteral("color"), QStringLiteral("3302600"));
    if (!stored.isEmpty())
        harness.settings.Seed(QStringLiteral("col1"), stored);
    QVERIFY(harness.StartWindow());
    Form1& form = *harness.form;
    const History before = HistoryOf(form);

    QTest::mouseClick(form.Picture4, Qt::LeftButton);

    QCOMPARE(form.Text1->Text(), rgbText);
    QCOMPARE(form.Text2->Text(), hexText);
    QCOMPARE(form.Picture3->BackColor(), preview);
    QCOMPARE(form.HuePosition, huePosition);
    QCOMPARE(form.Line1->Y1(), huePosition);
    QCOMPARE(form.Shape1->Left(), markerLeft);
    QCOMPARE(form.Shape1->Top(), markerTop);
    const ChannelTriple channels = SplitColor(preview);
    QCOMPARE(form.Shape1->BorderColor(),
             PackColor(255 - channels.red, 255 - channels.green, 255 - channels.blue).value());
    QVERIFY(FieldBytes(form) == ExpectedField(form, huePosition));
    QCOMPARE(form.Picture1->Point(markerLeft + 2, markerTop + 2), preview);
    // Taking a color back leaves the history as it was.
    QCOMPARE(HistoryOf(form), before);
}

void SwatchesTest::everySwatchAnswersItsOwnClick() {
    FormHarness harness;
    const History history = {0x0000C8, 0x00C800, 0xC80000, 0x00C8C8, 0xC800C8, 0xC8C800};
    SeedHistory(harness, history);
    QVERIFY(harness.StartWindow());
    Form1& form = *harness.form;
    const auto swatches = form.Swatches();
    for (std::size_t i = 0; i < swatches.size(); ++i) {
        QTest::mouseClick(swatches[i], Qt::LeftButton);
        QCOMPARE(form.Picture3->BackColor(), history[i]);
    }
    QCOMPARE(HistoryOf(form), history);
}

void SwatchesTest::doubleClickOnLastSwatchResets_data() {
    QTest::addColumn<bool>("throughWindowSystem");
    // Once the rgb field has had the focus and lost it, the reset's own text writes no longer
    // locate the color: the reset alone must put the marker in place.
    QTest::addColumn<bool>("rgbFieldHadFocus");
    QTest::newRow("X event sequence") << false << false;
    // Press, release, press, release on the window: Qt makes the double-click event itself.
    QTest::newRow("through the window system") << true << false;
    QTest::newRow("after typing in the rgb field") << true << true;
}

void SwatchesTest::doubleClickOnLastSwatchResets() {
    QFETCH(bool, throughWindowSystem);
    QFETCH(bool, rgbFieldHadFocus);
    FormHarness harness;
    SeedHistory(harness, {1, 2, 3, 4, 5, kBlue});
    QVERIFY(harness.StartWindow(kStoredShade));
    Form1& form = *harness.form;
    if (rgbFieldHadFocus)
        TypeRgb(form, QStringLiteral("rgb(200,100,50)"));
    QSignalSpy clicks(form.Picture9, &PictureBox::Click);
    QSignalSpy doubleClicks(form.Picture9, &PictureBox::DblClick);

    if (throughWindowSystem) {
        const QPoint center = form.Picture9->mapTo(&form, form.Picture9->rect().center());
        QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {}, center);
    } else {
        SendX11DoubleClick(form.Picture9);
    }

    // The first click takes swatch 6's color, then the reset follows, and nothing after it.
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(doubleClicks.count(), 1);
    QCOMPARE(HistoryOf(form), (History{kWhite, kWhite, kWhite, kWhite, kWhite, kWhite}));
    QCOMPARE(form.Picture3->BackColor(), kRed);
    QCOMPARE(form.Text1->Text(), QStringLiteral("rgb(255,0,0)"));
    QCOMPARE(form.Text2->Text(), QStringLiteral("#FF0000"));
    QCOMPARE(form.HuePosition, 0.0f);
    QCOMPARE(form.Line1->Y1(), 0.0f);
    QCOMPARE(form.Line1->Y2(), 0.0f);
    QCOMPARE(form.Shape1->Left(), 253.0f);
    QCOMPARE(form.Shape1->Top(), -2.0f);
    QCOMPARE(form.Shape1->BorderColor(), 0xFFFF00);
    QVERIFY(FieldBytes(form) == ExpectedField(form, 0));
    QCOMPARE(form.Picture1->Point(255, 0), kRed);
}

void SwatchesTest::doubleClickOnOtherSwatchOnlyTakesItsColor() {
    FormHarness harness;
    const History history = {1, 2, kBlue, 4, 5, 6};
    SeedHistory(harness, history);
    QVERIFY(harness.StartWindow());
    Form1& form = *harness.form;
    QSignalSpy clicks(form.Picture6, &PictureBox::Click);

    SendX11DoubleClick(form.Picture6);

    QCOMPARE(clicks.count(), 1);
    QCOMPARE(HistoryOf(form), history);
    QCOMPARE(form.Picture3->BackColor(), kBlue);
    QCOMPARE(form.Text1->Text(), QStringLiteral("rgb(0,0,255)"));
    QCOMPARE(form.HuePosition, 512.0f);
}

QTEST_MAIN(SwatchesTest)
#include "swatches_test.moc"
