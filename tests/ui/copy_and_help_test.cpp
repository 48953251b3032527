// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The copy buttons and the help button, clicked for real; the clipboard is read back through
// QClipboard.
#include "platform/toolkit/system_colors.h"
#include "platform/toolkit/text_box.h"
#include "tests/support/message_box_reader.h"
#include "tests/support/picker_state.h"

#include <QClipboard>
#include <QMessageBox>
#include <QMimeData>
#include <QtTest>

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

// rgb(12,34,56)
const QString kStoredColor = QString::number(PackBytes(12, 34, 56));

// A clipboard that takes nothing, like one held by another program.
class RefusingClipboard : public Clipboard {
public:
    void Clear() override { calls << QStringLiteral("clear"); }
    void SetText(const QString& text) override { calls << QStringLiteral("set ") + text; }
    QStringList calls;
};

void PutHtmlOnClipboard() {
    auto* data = new QMimeData;
    data->setHtml(QStringLiteral("<b>before</b>"));
    data->setText(QStringLiteral("before"));
    QGuiApplication::clipboard()->setMimeData(data);
}

} // namespace

class CopyAndHelpTest : public QObject {
    Q_OBJECT

private slots:
    // The program names itself so; the end-to-end tests see the title the program really sets.
    void initTestCase() { QApplication::setApplicationDisplayName(QStringLiteral("Tessavundo")); }
    void copyPutsTheFieldsTextAlone_data();
    void copyPutsTheFieldsTextAlone();
    void unconfirmedTextIsCopiedWithThePreviewsColor_data();
    void unconfirmedTextIsCopiedWithThePreviewsColor();
    void refusingClipboardStillPushes();
    void helpShowsTheMessageAndChangesNothing();
};

void CopyAndHelpTest::copyPutsTheFieldsTextAlone_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("copied");
    // clang-format off
    QTest::newRow("rgb field") << "Command3" << "rgb(12,34,56)";
    QTest::newRow("hex field, upper case") << "Command4" << "#0C2238";
    // clang-format on
}

void CopyAndHelpTest::copyPutsTheFieldsTextAlone() {
    QFETCH(QString, button);
    QFETCH(QString, copied);
    FormHarness harness;
    QVERIFY(harness.StartWindow(kStoredColor));
    Form1& form = *harness.form;
    PutHtmlOnClipboard();
    // The copy and help buttons change nothing the picker shows besides the swatches.
    const PickerState before = PickerState::Of(form);

    QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data);
    QCOMPARE(data->text(), copied);
    // What was there before is gone: plain text is the one format offered.
    QCOMPARE(data->formats(), QStringList{QStringLiteral("text/plain")});
    QCOMPARE(form.Picture4->BackColor(), PackBytes(12, 34, 56));
    QCOMPARE(PickerState::Of(form), before);
}

void CopyAndHelpTest::unconfirmedTextIsCopiedWithThePreviewsColor_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("typed");
    // clang-format off
    QTest::newRow("rgb field") << "Text1" << "Command3" << "rgb(1,2,";
    QTest::newRow("hex field") << "Text2" << "Command4" << "#12";
    // clang-format on
}

void CopyAndHelpTest::unconfirmedTextIsCopiedWithThePreviewsColor() {
    QFETCH(QString, field);
    QFETCH(QString, button);
    QFETCH(QString, typed);
    FormHarness harness;
    QVERIFY(harness.StartWindow(kStoredColor));
    Form1& form = *harness.form;
    const PackedColor preview = form.Picture3->BackColor();

    auto* text = form.findChild<TextBox*>(field);
    QTest::mouseClick(text, Qt::LeftButton);
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(text, typed);
    QCOMPARE(text->Text(), typed);
    QTest::mouseClick(form.findChild<QPushButton*>(button), Qt::LeftButton);

    QCOMPARE(QGuiApplication::clipboard()->text(), typed);
    QCOMPARE(form.Picture3->BackColor(), preview);
    QCOMPARE(form.Picture4->BackColor(), preview);
}

void CopyAndHelpTest::refusingClipboardStillPushes() {
    MemorySettingsStore settings;
    RefusingClipboard clipboard;
    FakeScreenSource screen;
    FakeColorPortal portal;
    settings.Seed(QStringLiteral("color"), kStoredColor);
    settings.Seed(QStringLiteral("col1"), QStringLiteral("255"));
    Form1 form({settings, clipboard, screen, portal});
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));

    QTest::mouseClick(form.Command3, Qt::LeftButton);
    QTest::mouseClick(form.Command4, Qt::LeftButton);

    const PackedColor color = PackBytes(12, 34, 56);
    QCOMPARE(form.Picture4->BackColor(), color);
    QCOMPARE(form.Picture5->BackColor(), color);
    QCOMPARE(form.Picture6->BackColor(), 255);
    const QStringList expectedCalls = {"clear", "set rgb(12,34,56)", "clear", "set #0C2238"};
    QCOMPARE(clipboard.calls, expectedCalls);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
}

void CopyAndHelpTest::helpShowsTheMessageAndChangesNothing() {
    FormHarness harness;
    QVERIFY(harness.StartWindow(kStoredColor));
    Form1& form = *harness.form;
    // The copy and help buttons change nothing the picker shows besides the swatches.
    const PickerState before = PickerState::Of(form);
    const QString expected = QString::fromLatin1(
        "Click the eyedropper button to enable the Pick Screen Color function.\x0D\x0A"
        "To pick the color your mouse is hovering press <RETURN>.\x0D\x0A"
        "Press <ESC> to quit the function.\x0D\x0A"
        "To get a more exact value on the rainbow bar use the +/- key on your keyboard.\x0D\x0A"
        "The <COPY> Button copies the selected color value (either rgb or Hex) to the "
        "clipboard.\x0D\x0A\x0D\x0A"
        "Coded by Maraveld");

    ShownMessage shown;
    InspectNextMessageBox(shown);
    QTest::mouseClick(form.Command1, Qt::LeftButton);

    QVERIFY2(shown.found, "no modal message box appeared");
    QCOMPARE(shown.text.toUtf8(), expected.toUtf8());
    QCOMPARE(shown.icon, QMessageBox::Question);
    QCOMPARE(shown.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    QCOMPARE(shown.title, QStringLiteral("Tessavundo"));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(PickerState::Of(form), before);
    QCOMPARE(form.Picture4->BackColor(), kWindowBackgroundColor);
}

QTEST_MAIN(CopyAndHelpTest)
#include "copy_and_help_test.moc"
