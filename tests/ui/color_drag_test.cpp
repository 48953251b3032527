// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Colors dragged out of the preview and the swatches, and colors and texts dropped onto the
// preview, through the window's own drag and drop events.
#include "platform/toolkit/color_drag.h"
#include "platform/toolkit/system_colors.h"
#include "platform/toolkit/text_box.h"
#include "tests/support/form_harness.h"
#include "tests/support/picker_state.h"
#include "tests/support/pointer.h"

#include <QColor>
#include <QDrag>
#include <QMimeData>
#include <QtTest>

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

// What the source of a drag hears from a step of it: the action taken, or none.
Qt::DropAction Answer(const QDropEvent& event) {
    return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
}

struct DragAnswers {
    Qt::DropAction enter;
    QList<Qt::DropAction> moves;
    Qt::DropAction drop;
};

constexpr int kMoves = 2;

// Drags `data` onto the preview as the toolkit delivers a drag from another program: enter,
// moves that come carrying the answer before them, and the drop, delivered even after
// refusals, as from a source that does not heed them.
DragAnswers DragOntoPreview(Form1& form, const QMimeData& data) {
    const QPoint at = form.Picture3->rect().center();
    DragAnswers answers;
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.Picture3, &enter);
    answers.enter = Answer(enter);
    Qt::DropAction last = answers.enter;
    for (int i = 0; i < kMoves; ++i) {
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        move.setDropAction(last);
        move.setAccepted(last != Qt::IgnoreAction);
        QApplication::sendEvent(form.Picture3, &move);
        last = Answer(move);
        answers.moves.append(last);
    }
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    if (last != Qt::IgnoreAction)
        QApplication::sendEvent(form.Picture3, &drop);
    else
        // The toolkit routes no drop to a box that refused the drag; one that comes anyway
        // goes to the box itself.
        static_cast<QObject*>(form.Picture3)->event(&drop);
    answers.drop = Answer(drop);
    return answers;
}

void VerifyRefused(const DragAnswers& answers) {
    QCOMPARE(answers.enter, Qt::IgnoreAction);
    QCOMPARE(answers.moves, QList<Qt::DropAction>(kMoves, Qt::IgnoreAction));
    QCOMPARE(answers.drop, Qt::IgnoreAction);
}

// True when the preview took the whole drag as the copy it was offered.
bool DropOnPreview(Form1& form, const QMimeData& data) {
    const DragAnswers answers = DragOntoPreview(form, data);
    return answers.enter == Qt::CopyAction &&
           answers.moves == QList<Qt::DropAction>(kMoves, Qt::CopyAction) &&
           answers.drop == Qt::CopyAction;
}

std::unique_ptr<QMimeData> TextData(const QString& text) {
    auto data = std::make_unique<QMimeData>();
    data->setText(text);
    return data;
}

} // namespace

class ColorDragTest : public QObject {
    Q_OBJECT

private slots:
    void dragCarriesTheColorAndItsHexText_data();
    void dragCarriesTheColorAndItsHexText();
    void dropMakesTheColorCurrentAsTypingItDoes_data();
    void dropMakesTheColorCurrentAsTypingItDoes();
    void dropOfWhatNoReaderAcceptsIsRefusedAndChangesNothing_data();
    void dropOfWhatNoReaderAcceptsIsRefusedAndChangesNothing();
    void dragsWithoutAReadableColorAreRefused();
    void aDragOutOfASwatchIsNoClick();
    void aPressWithoutADragIsStillAClick();
};

void ColorDragTest::dragCarriesTheColorAndItsHexText_data() {
    QTest::addColumn<PackedColor>("color");
    QTest::addColumn<QColor>("xColor");
    QTest::addColumn<QString>("text");
    QTest::newRow("copper") << PackedColor{3302600} << QColor(200, 100, 50) << "#C86432";
    QTest::newRow("black") << PackedColor{0} << QColor(0, 0, 0) << "#000000";
    // An empty swatch gives what a click on it would: its channels 5, 1, 1.
    QTest::newRow("window background") << kWindowBackgroundColor << QColor(5, 1, 1) << "#050101";
}

void ColorDragTest::dragCarriesTheColorAndItsHexText() {
    QFETCH(PackedColor, color);
    QFETCH(QColor, xColor);
    QFETCH(QString, text);
    const auto data = ColorMimeData(color);
    QVERIFY(data->hasFormat(QStringLiteral("application/x-color")));
    QCOMPARE(qvariant_cast<QColor>(data->colorData()), xColor);
    QVERIFY(data->hasFormat(QStringLiteral("text/plain")));
    QCOMPARE(data->text(), text);
}

void ColorDragTest::dropMakesTheColorCurrentAsTypingItDoes_data() {
    QTest::addColumn<bool>("asXColor");
    QTest::addColumn<QString>("dropped");
    QTest::addColumn<QString>("typed");
    QTest::newRow("application/x-color") << true << ""
                                         << "rgb(200,100,50)";
    QTest::newRow("rgb text") << false << "rgb(200,100,50)"
                              << "rgb(200,100,50)";
    QTest::newRow("rgb text with a line break") << false << " rgb(0,0,255)\n"
                                                << "rgb(0,0,255)";
    QTest::newRow("hex text") << false << "#C86432"
                              << "rgb(200,100,50)";
    QTest::newRow("gray hex text") << false << "#808080"
                                   << "rgb(128,128,128)";
}

void ColorDragTest::dropMakesTheColorCurrentAsTypingItDoes() {
    QFETCH(bool, asXColor);
    QFETCH(QString, dropped);
    QFETCH(QString, typed);

    // The text written into the rgb field while it has the focus and confirmed with Enter, on
    // a window of its own.
    FormHarness typing;
    QVERIFY(typing.StartWindow());
    Form1& typed_into = *typing.form;
    typed_into.Text1->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(typed_into.Text1->hasFocus());
    typed_into.Text1->SetText(typed);
    std::int16_t enter = 13;
    typed_into.Text1_KeyPress(enter);
    QCOMPARE(typed_into.Text1->Text(), typed);

    for (const bool rgbFieldHadTheFocus : {false, true}) {
        FormHarness harness;
        QVERIFY(harness.StartWindow());
        Form1& form = *harness.form;
        if (rgbFieldHadTheFocus)
            form.RgbFieldFocused = 0;
        auto data = std::make_unique<QMimeData>();
        if (asXColor)
            data->setColorData(QColor(200, 100, 50));
        else
            data->setText(dropped);
        QVERIFY(DropOnPreview(form, *data));
        QCOMPARE(PickerState::Of(form), PickerState::Of(typed_into));
    }
}

void ColorDragTest::dropOfWhatNoReaderAcceptsIsRefusedAndChangesNothing_data() {
    QTest::addColumn<QString>("dropped");
    QTest::newRow("a word") << "hello";
    QTest::newRow("an empty text") << "";
    QTest::newRow("only blanks") << " \n\t";
    QTest::newRow("half a color") << "rgb(10,20";
    QTest::newRow("a channel out of range") << "rgb(256,0,0)";
    QTest::newRow("a negative channel") << "rgb(-1,0,0)";
    QTest::newRow("a short hex") << "#12";
    QTest::newRow("a hex with a letter past F") << "#12345G";
    QTest::newRow("a huge text") << QString(100000, QLatin1Char('x'));
}

void ColorDragTest::dropOfWhatNoReaderAcceptsIsRefusedAndChangesNothing() {
    QFETCH(QString, dropped);
    FormHarness harness;
    QVERIFY(harness.StartWindow(kStoredShade));
    Form1& form = *harness.form;
    const PickerState before = PickerState::Of(form);
    VerifyRefused(DragOntoPreview(form, *TextData(dropped)));
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(PickerState::Of(form), before);
}

void ColorDragTest::dragsWithoutAReadableColorAreRefused() {
    FormHarness harness;
    QVERIFY(harness.StartWindow(kStoredShade));
    Form1& form = *harness.form;
    const PickerState before = PickerState::Of(form);
    QMimeData nothing;
    nothing.setData(QStringLiteral("application/octet-stream"), QByteArray("x"));
    QMimeData invalidColor;
    invalidColor.setColorData(QColor());
    for (const QMimeData* data : {&nothing, &invalidColor}) {
        VerifyRefused(DragOntoPreview(form, *data));
        if (QTest::currentTestFailed())
            return;
    }
    QCOMPARE(PickerState::Of(form), before);
    // The refusal is of that drag only: the next one, a color, is taken.
    QVERIFY(DropOnPreview(form, *TextData(QStringLiteral("#0A8040"))));
    QCOMPARE(form.Text1->Text(), QStringLiteral("rgb(10,128,64)"));
}

void ColorDragTest::aDragOutOfASwatchIsNoClick() {
    FormHarness harness;
    harness.settings.Seed(QStringLiteral("col1"), QStringLiteral("16711680"));
    QVERIFY(harness.StartWindow(kStoredShade));
    Form1& form = *harness.form;
    const PickerState before = PickerState::Of(form);

    // The drag runs its own loop until the button comes up; that release ends it.
    std::unique_ptr<QMimeData> carried;
    QImage picture;
    QTimer::singleShot(0, [&] {
        if (auto* drag = form.Picture4->findChild<QDrag*>()) {
            picture = drag->pixmap().toImage();
            carried = std::make_unique<QMimeData>();
            carried->setText(drag->mimeData()->text());
            carried->setColorData(drag->mimeData()->colorData());
        }
        QWindow* window = form.windowHandle();
        const QPoint at = form.Picture4->mapTo(&form, QPoint(30, 8));
        QTest::mouseRelease(window, Qt::LeftButton, {}, at);
    });
    Pointer pointer;
    pointer.Press(*form.Picture4, QPoint(8, 8));
    pointer.Move(*form.Picture4, QPoint(30, 8));
    QTRY_VERIFY(carried);
    QCOMPARE(carried->text(), QStringLiteral("#0000FF"));
    QCOMPARE(qvariant_cast<QColor>(carried->colorData()), QColor(0, 0, 255));
    // The pointer carries a square of that color, framed.
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.pixel(picture.width() / 2, picture.height() / 2), qRgb(0, 0, 255));
    QCOMPARE(picture.pixel(0, 0), form.palette().color(QPalette::WindowText).rgb());
    // No click: the swatch's color did not become current.
    QCOMPARE(PickerState::Of(form), before);
}

void ColorDragTest::aPressWithoutADragIsStillAClick() {
    FormHarness harness;
    harness.settings.Seed(QStringLiteral("col1"), QStringLiteral("16711680"));
    QVERIFY(harness.StartWindow(kStoredShade));
    Form1& form = *harness.form;
    Pointer pointer;
    // Moved less than the drag distance.
    pointer.Press(*form.Picture4, QPoint(8, 8));
    pointer.Move(*form.Picture4, QPoint(9, 8));
    pointer.Release(*form.Picture4, QPoint(9, 8));
    QCOMPARE(form.Text1->Text(), QStringLiteral("rgb(0,0,255)"));
    QCOMPARE(form.Picture3->BackColor(), 16711680);
}

QTEST_MAIN(ColorDragTest)
#include "color_drag_test.moc"
