// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// What assistive technology and keyboard users get from the window: the accessibility tree with
// names, roles, descriptions and values, the events a screen reader follows, the tab order, and
// the swatches and the eyedropper by keyboard.
#include "platform/toolkit/focus_ring.h"
#include "platform/toolkit/line.h"
#include "platform/toolkit/picture_box.h"
#include "platform/toolkit/shape.h"
#include "platform/toolkit/system_colors.h"
#include "platform/toolkit/text_box.h"
#include "platform/toolkit/timer.h"
#include "platform/toolkit/toggle.h"
#include "tests/support/form_harness.h"
#include "tests/support/keyboard.h"
#include "tests/support/message_box_reader.h"
#include "tests/support/picker_state.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QtTest>
#include <map>

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

// The child of the window's accessible interface that stands for a control, found by walking
// the tree rather than by asking for the control directly.
QAccessibleInterface* ChildFor(QAccessibleInterface* window, const QString& objectName) {
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        if (child && child->object() && child->object()->objectName() == objectName)
            return child;
    }
    return nullptr;
}

QString FocusedName(Form1& form) {
    QAccessibleInterface* focused = QAccessible::queryAccessibleInterface(&form)->focusChild();
    return focused ? focused->text(QAccessible::Name) : QString();
}

QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void controlInTheTree_data();
    void controlInTheTree();
    void everyShownControlHasANameAndTheRenderButtonIsHidden();
    void tabVisitsTheControlsInOrder();
    void copyButtonsWorkFromTheKeyboard_data();
    void copyButtonsWorkFromTheKeyboard();
    void swatchPressActionTakesItsColor();
    void previewAndSwatchesSayTheirColors();
    void barStepIsTheBarsValue();
    void fieldPickIsTheFieldsValue();
    void settingAValueActsAsThePointerThere_data();
    void settingAValueActsAsThePointerThere();
    void swatchKeys_data();
    void swatchKeys();
    void eyedropperIsACheckBox();
    void spaceOnTheEyedropperChecksItAndTheEndSaysTheColor();
    void barKeysPressWhereTheyLead_data();
    void barKeysPressWhereTheyLead();
    void fieldKeysDragWhereTheyLead_data();
    void fieldKeysDragWhereTheyLead();
    void fieldKeysStopAtTheEdges();
    void enterClicksTheFocusedButton_data();
    void enterClicksTheFocusedButton();
    void enterOnHelpShowsTheMessage();
    void aFocusedButtonShowsOnlyTheRing_data();
    void aFocusedButtonShowsOnlyTheRing();
};

void AccessibilityTest::controlInTheTree_data() {
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");

    // clang-format off
    QTest::newRow("shade field") << "Picture1" << "Shade field" << QAccessible::Slider;
    QTest::newRow("rgb field") << "Text1" << "rgb field" << QAccessible::EditableText;
    QTest::newRow("rgb copy") << "Command3" << "Copy rgb text" << QAccessible::Button;
    QTest::newRow("hex field") << "Text2" << "hex field" << QAccessible::EditableText;
    QTest::newRow("hex copy") << "Command4" << "Copy hex text" << QAccessible::Button;
    QTest::newRow("eyedropper") << "Check1" << "Eyedropper" << QAccessible::CheckBox;
    QTest::newRow("rainbow bar") << "Picture2" << "Rainbow bar" << QAccessible::Slider;
    QTest::newRow("preview") << "Picture3" << "Preview" << QAccessible::Graphic;
    for (int i = 1; i <= 6; ++i) {
        QTest::addRow("swatch %d", i) << QStringLiteral("Picture%1").arg(i + 3)
            << QStringLiteral("Swatch %1").arg(i) << QAccessible::Button;
    }
    QTest::newRow("help") << "Command1" << "Help" << QAccessible::Button;
    // clang-format on
}

void AccessibilityTest::controlInTheTree() {
    QFETCH(QString, objectName);
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);

    FormHarness harness;
    Form1& form = harness.Start();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);
    QVERIFY(window);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Tessavundo"));

    QAccessibleInterface* control = ChildFor(window, objectName);
    QVERIFY2(control, "the control is not a child of the window in the accessibility tree");
    QCOMPARE(control->text(QAccessible::Name), name);
    QCOMPARE(control->role(), role);
    QVERIFY2(!control->text(QAccessible::Description).isEmpty(), "no description");
    QCOMPARE(control->parent(), window);
    QVERIFY(control->state().focusable);
    QVERIFY(!control->state().invisible);
    // Buttons explain themselves on hover too.
    if (auto* button = qobject_cast<QAbstractButton*>(control->object()))
        QVERIFY2(!button->toolTip().isEmpty(), "a button without a tooltip");
}

void AccessibilityTest::everyShownControlHasANameAndTheRenderButtonIsHidden() {
    FormHarness harness;
    Form1& form = harness.Start();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);

    int shown = 0;
    for (int i = 0; i < window->childCount(); ++i) {
        QAccessibleInterface* child = window->child(i);
        QVERIFY(child);
        if (child->state().invisible)
            continue;
        ++shown;
        QVERIFY2(!child->text(QAccessible::Name).isEmpty(),
                 qPrintable(child->object()->objectName() + " has no accessible name"));
    }
    QCOMPARE(shown, 15);
    // The render button is never shown, so a screen reader never meets it.
    QCOMPARE(window->childCount(), 15);
    QVERIFY(!ChildFor(window, QStringLiteral("Command2")));
    QCOMPARE(window->indexOfChild(Accessible(form.Command2)), -1);
    for (int i = 0; i < window->childCount(); ++i)
        QCOMPARE(window->indexOfChild(window->child(i)), i);
    QVERIFY(!window->child(15));
    QVERIFY(!window->child(-1));
}

void AccessibilityTest::tabVisitsTheControlsInOrder() {
    FormHarness harness;
    QVERIFY(harness.StartWindow());
    Form1& form = *harness.form;
    QCOMPARE(FocusedName(form), QStringLiteral("Shade field"));

    const QStringList expected = {"rgb field",  "Copy rgb text", "hex field",  "Copy hex text",
                                  "Eyedropper", "Rainbow bar",   "Preview",    "Swatch 1",
                                  "Swatch 2",   "Swatch 3",      "Swatch 4",   "Swatch 5",
                                  "Swatch 6",   "Help",          "Shade field"};
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(FocusedName(form));
    }
    QCOMPARE(visited, expected);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(FocusedName(form), QStringLiteral("Help"));
    // Walking the fields by keyboard changes no color.
    QCOMPARE(form.Text1->Text(), QStringLiteral("rgb(255,0,0)"));
    QCOMPARE(form.Picture3->BackColor(), 255);
}

void AccessibilityTest::copyButtonsWorkFromTheKeyboard_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("copied");
    // clang-format off
    QTest::newRow("rgb") << "Copy rgb text" << "rgb(200,100,50)";
    QTest::newRow("hex") << "Copy hex text" << "#C86432";
    // clang-format on
}

void AccessibilityTest::copyButtonsWorkFromTheKeyboard() {
    QFETCH(QString, button);
    QFETCH(QString, copied);

    FormHarness harness;
    harness.settings.Seed(QStringLiteral("color"), QStringLiteral("3302600"));
    QVERIFY(harness.StartWindow());
    Form1& form = *harness.form;
    QGuiApplication::clipboard()->clear();

    for (int tabs = 0; FocusedName(form) != button; ++tabs) {
        QVERIFY2(tabs < 16, "the button is not in the tab chain");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), copied);
    QCOMPARE(form.Picture4->BackColor(), 3302600);
}

void AccessibilityTest::swatchPressActionTakesItsColor() {
    FormHarness harness;
    harness.settings.Seed(QStringLiteral("col3"), QStringLiteral("3302600"));
    Form1& form = harness.Start();
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&form);

    QAccessibleActionInterface* swatch =
        ChildFor(window, QStringLiteral("Picture6"))->actionInterface();
    QVERIFY(swatch);
    QVERIFY(swatch->actionNames().contains(QAccessibleActionInterface::pressAction()));
    swatch->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(form.Picture3->BackColor(), 3302600);
    QCOMPARE(form.Text1->Text(), QStringLiteral("rgb(200,100,50)"));
    QCOMPARE(form.Text2->Text(), QStringLiteral("#C86432"));
    QCOMPARE(form.Picture6->BackColor(), 3302600);

    // The field, the bar and the preview are no buttons: nothing to press there.
    for (const char* name : {"Picture1", "Picture2", "Picture3"}) {
        QAccessibleActionInterface* box = ChildFor(window, QLatin1String(name))->actionInterface();
        QVERIFY(!box || !box->actionNames().contains(QAccessibleActionInterface::pressAction()));
    }
}

void AccessibilityTest::previewAndSwatchesSayTheirColors() {
    FormHarness harness;
    harness.settings.Seed(QStringLiteral("col2"), QStringLiteral("3302600"));
    harness.settings.Seed(QStringLiteral("col3"), QStringLiteral("0"));
    Form1& form = harness.Start();
    const auto description = [](QObject* box) {
        return Accessible(box)->text(QAccessible::Description);
    };
    QCOMPARE(Accessible(form.Picture3)->text(QAccessible::Name), QStringLiteral("Preview"));
    QCOMPARE(description(form.Picture3), QStringLiteral("rgb(255,0,0), #FF0000"));
    QCOMPARE(Accessible(form.Picture3)->text(QAccessible::Value),
             QStringLiteral("rgb(255,0,0), #FF0000"));
    QCOMPARE(description(form.Picture4), QStringLiteral("Window background color"));
    QCOMPARE(description(form.Picture5), QStringLiteral("rgb(200,100,50), #C86432"));
    QCOMPARE(description(form.Picture6), QStringLiteral("rgb(0,0,0), #000000"));
    QCOMPARE(Accessible(form.Picture5)->text(QAccessible::Name), QStringLiteral("Swatch 2"));

    // The words follow the color: a swatch taken back, then a copy that pushes the swatches.
    form.Picture5_Click();
    QCOMPARE(description(form.Picture3), QStringLiteral("rgb(200,100,50), #C86432"));
    form.Command4_Click();
    QCOMPARE(description(form.Picture4), QStringLiteral("rgb(200,100,50), #C86432"));
    QCOMPARE(description(form.Picture5), QStringLiteral("Window background color"));
    QCOMPARE(description(form.Picture6), QStringLiteral("rgb(200,100,50), #C86432"));
    QCOMPARE(description(form.Picture7), QStringLiteral("rgb(0,0,0), #000000"));
    // The reset's white, and the name stays.
    form.Picture9_DblClick();
    QCOMPARE(description(form.Picture9), QStringLiteral("rgb(255,255,255), #FFFFFF"));
    QCOMPARE(description(form.Picture3), QStringLiteral("rgb(255,0,0), #FF0000"));
    QCOMPARE(Accessible(form.Picture3)->text(QAccessible::Name), QStringLiteral("Preview"));
}

void AccessibilityTest::barStepIsTheBarsValue() {
    FormHarness harness;
    Form1& form = harness.Start();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QAccessibleValueInterface* bar = Accessible(form.Picture2)->valueInterface();
    QVERIFY(bar);
    QCOMPARE(bar->minimumValue().toDouble(), 0.0);
    QCOMPARE(bar->maximumValue().toDouble(), 1535.0);
    QCOMPARE(bar->minimumStepSize().toDouble(), 1.0);
    QCOMPARE(bar->currentValue().toDouble(), 0.0);

    // As once the rgb field has had and lost the focus: its writes then locate nothing anew.
    form.RgbFieldFocused = 0;
    form.Picture2->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(form.Picture2->hasFocus());
    Type(form, QStringLiteral("++"));
    QCOMPARE(bar->currentValue().toDouble(), 2.0);
    QCOMPARE(Accessible(form.Picture2)->text(QAccessible::Value), QStringLiteral("2"));
    // The preview says the color under the field marker at the new hue.
    QCOMPARE(Accessible(form.Picture3)->text(QAccessible::Description),
             QStringLiteral("%1, %2").arg(form.Text1->Text(), form.Text2->Text()));
    // Stepping neither clamps nor wraps, and the value says where the marker stands.
    Type(form, QStringLiteral("---"));
    QCOMPARE(bar->currentValue().toDouble(), -1.0);
    QCOMPARE(Accessible(form.Picture2)->text(QAccessible::Value), QStringLiteral("-1"));
}

void AccessibilityTest::fieldPickIsTheFieldsValue() {
    FormHarness harness;
    Form1& form = harness.Start();
    QAccessibleValueInterface* field = Accessible(form.Picture1)->valueInterface();
    QVERIFY(field);
    // One number for both: row * 256 + column.
    QCOMPARE(field->maximumValue().toDouble(), 65535.0);
    QCOMPARE(field->currentValue().toDouble(), 255.0);
    QCOMPARE(Accessible(form.Picture1)->text(QAccessible::Value),
             QStringLiteral("column 255, row 0"));

    form.Picture1_MouseUp(1, 0, 10, 20);
    QCOMPARE(field->currentValue().toDouble(), 20 * 256 + 10.0);
    QCOMPARE(Accessible(form.Picture1)->text(QAccessible::Value),
             QStringLiteral("column 10, row 20"));
    // Dragged far outside, the marker sticks to the edge, and so does the value.
    form.Picture1_MouseMove(1, 0, -30, 300);
    QCOMPARE(field->currentValue().toDouble(), 255 * 256.0);
    QCOMPARE(Accessible(form.Picture1)->text(QAccessible::Value),
             QStringLiteral("column 0, row 255"));
    // The preview, the swatches and the text fields have no value to set.
    QVERIFY(!Accessible(form.Picture3)->valueInterface());
    QVERIFY(!Accessible(form.Picture4)->valueInterface());
}

void AccessibilityTest::settingAValueActsAsThePointerThere_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("bar") << "Picture2" << QVariant(700.0) << 700.0;
    QTest::newRow("bar, a fraction") << "Picture2" << QVariant(700.25) << 700.25;
    QTest::newRow("bar, its last position") << "Picture2" << QVariant(1535) << 1535.0;
    QTest::newRow("bar, below it") << "Picture2" << QVariant(-5.0) << 0.0;
    QTest::newRow("bar, past it") << "Picture2" << QVariant(2000.0) << 0.0;
    QTest::newRow("bar, no number") << "Picture2" << QVariant(QStringLiteral("abc")) << 0.0;
    QTest::newRow("bar, nothing") << "Picture2" << QVariant() << 0.0;
    QTest::newRow("field, a column of the top row") << "Picture1" << QVariant(10.0) << 10.0;
    QTest::newRow("field, column and row") << "Picture1" << QVariant(20 * 256 + 10) << 5130.0;
    QTest::newRow("field, the bottom-right corner") << "Picture1" << QVariant(65535) << 65535.0;
    // Anything that is no point of the field leaves the marker at (255, 0).
    QTest::newRow("field, past it") << "Picture1" << QVariant(65536.0) << 255.0;
    QTest::newRow("field, below it") << "Picture1" << QVariant(-1.0) << 255.0;
    QTest::newRow("field, a fraction") << "Picture1" << QVariant(10.5) << 255.0;
    QTest::newRow("field, no number") << "Picture1" << QVariant(QStringLiteral("x")) << 255.0;
}

void AccessibilityTest::settingAValueActsAsThePointerThere() {
    QFETCH(QString, box);
    QFETCH(QVariant, value);
    QFETCH(double, expected);

    FormHarness harness;
    Form1& form = harness.Start();
    // As once the rgb field has had and lost the focus: its writes then locate nothing anew.
    form.RgbFieldFocused = 0;
    auto* picture = form.findChild<PictureBox*>(box);
    QAccessibleValueInterface* control = Accessible(picture)->valueInterface();
    control->setCurrentValue(value);
    QCOMPARE(control->currentValue().toDouble(), expected);
    if (picture == form.Picture2) {
        QCOMPARE(form.HuePosition, static_cast<float>(expected));
        // As a click there: the shade field and the color follow the hue at once.
        QCOMPARE(FieldBytes(form), ExpectedField(form, static_cast<float>(expected)));
    } else {
        // As a click on that column and row.
        const int column = static_cast<int>(expected) % 256;
        const int row = static_cast<int>(expected) / 256;
        QCOMPARE(form.Shape1->Left(), static_cast<float>(column - 2));
        QCOMPARE(form.Shape1->Top(), static_cast<float>(row - 2));
        QCOMPARE(form.Picture3->BackColor(),
                 form.Picture1->Point(static_cast<float>(column), static_cast<float>(row)));
    }
    QCOMPARE(form.Text2->Text(),
             QString::fromStdString(FormatHexText(SplitColor(form.Picture3->BackColor()))));
}

void AccessibilityTest::swatchKeys_data() {
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("rgbText");
    QTest::addColumn<bool>("reset");

    const int none = Qt::NoModifier;
    const int shift = Qt::ShiftModifier;
    // clang-format off
    QTest::newRow("Space on swatch 1") << "Picture4" << int(Qt::Key_Space) << none
        << "rgb(200,100,50)" << false;
    QTest::newRow("Enter on swatch 1") << "Picture4" << int(Qt::Key_Return) << none
        << "rgb(200,100,50)" << false;
    QTest::newRow("keypad Enter on swatch 1") << "Picture4" << int(Qt::Key_Enter)
        << int(Qt::KeypadModifier) << "rgb(200,100,50)" << false;
    QTest::newRow("Shift+Enter on swatch 1 is only a press") << "Picture4" << int(Qt::Key_Return)
        << shift << "rgb(200,100,50)" << false;
    QTest::newRow("Space on swatch 6") << "Picture9" << int(Qt::Key_Space) << none << "rgb(0,0,255)"
        << false;
    QTest::newRow("Shift+Space on swatch 6 is only a press") << "Picture9" << int(Qt::Key_Space)
        << shift << "rgb(0,0,255)" << false;
    QTest::newRow("Shift+Enter on swatch 6 resets") << "Picture9" << int(Qt::Key_Return) << shift
        << "rgb(255,0,0)" << true;
    QTest::newRow("a letter does nothing") << "Picture4" << int(Qt::Key_A) << none
        << "rgb(10,20,30)" << false;
    QTest::newRow("Esc does nothing") << "Picture9" << int(Qt::Key_Escape) << none
        << "rgb(10,20,30)" << false;
    // clang-format on
}

void AccessibilityTest::swatchKeys() {
    QFETCH(QString, swatch);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, rgbText);
    QFETCH(bool, reset);

    FormHarness harness;
    harness.settings.Seed(QStringLiteral("color"), QStringLiteral("1971210"));
    harness.settings.Seed(QStringLiteral("col1"), QStringLiteral("3302600"));
    harness.settings.Seed(QStringLiteral("col6"), QStringLiteral("16711680"));
    Form1& form = harness.Start();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto* box = form.findChild<PictureBox*>(swatch);
    box->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(box->hasFocus());

    PressKey(form, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(form.Text1->Text(), rgbText);
    const std::map<QString, PackedColor> colors = {{"rgb(200,100,50)", 3302600},
                                                   {"rgb(0,0,255)", 16711680},
                                                   {"rgb(255,0,0)", 255},
                                                   {"rgb(10,20,30)", 1971210}};
    QCOMPARE(form.Picture3->BackColor(), colors.at(rgbText));
    const PackedColor white = 0xFFFFFF;
    QCOMPARE(form.Picture4->BackColor() == white, reset);
    QCOMPARE(form.Picture9->BackColor() == white, reset);
    if (reset) {
        QCOMPARE(form.Line1->Y1(), 0.0f);
        QCOMPARE(form.Shape1->Left(), 253.0f);
        QCOMPARE(form.Shape1->BorderColor(), 0xFFFF00);
    }
    // The focus stays where it was, for the next swatch.
    QVERIFY(box->hasFocus());
}

void AccessibilityTest::eyedropperIsACheckBox() {
    FormHarness harness;
    Form1& form = harness.Start();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QAccessibleInterface* toggle = Accessible(form.Check1);
    QCOMPARE(toggle->role(), QAccessible::CheckBox);
    QVERIFY(toggle->state().checkable);
    QVERIFY(!toggle->state().checked);
    QCOMPARE(toggle->actionInterface()->actionNames().value(0),
             QAccessibleActionInterface::toggleAction());

    toggle->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(form.Check1->Value(), 1);
    QVERIFY(form.Timer1->Enabled());
    QVERIFY(toggle->state().checked);

    toggle->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(form.Check1->Value(), 0);
    QVERIFY(!form.Timer1->Enabled());
    QVERIFY(!toggle->state().checked);
}

// The events themselves reach only a platform that listens (screen_reader_test hears them
// through AT-SPI); here the state and the words they announce.
void AccessibilityTest::spaceOnTheEyedropperChecksItAndTheEndSaysTheColor() {
    FormHarness harness;
    QVERIFY(harness.StartWindow(kStoredShade));
    Form1& form = *harness.form;
    form.Check1->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(form.Check1->hasFocus());
    QAccessibleInterface* toggle = Accessible(form.Check1);
    const QString toolTip = toggle->text(QAccessible::Description);
    QCOMPARE(toolTip, form.Check1->toolTip());

    PressKey(form, Qt::Key_Space);
    QCOMPARE(form.Check1->Value(), 1);
    QVERIFY(toggle->state().checked);
    PressKey(form, Qt::Key_Space);
    QCOMPARE(form.Check1->Value(), 0);
    QVERIFY(!toggle->state().checked);
    // The end says the color that sampling left, on the focused button itself.
    const QString color = QStringLiteral("%1, %2").arg(form.Text1->Text(), form.Text2->Text());
    QCOMPARE(toggle->text(QAccessible::Description), QStringLiteral("Took ") + color);
    QCOMPARE(form.Check1->toolTip(), toolTip);
    // Sampling again, the button describes itself by its tooltip as before.
    PressKey(form, Qt::Key_Space);
    QCOMPARE(toggle->text(QAccessible::Description), toolTip);
    PressKey(form, Qt::Key_Escape);
    QCOMPARE(form.Check1->Value(), 0);
}

void AccessibilityTest::barKeysPressWhereTheyLead_data() {
    QTest::addColumn<float>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<float>("expected");
    QTest::newRow("Down") << 700.0f << int(Qt::Key_Down) << 701.0f;
    QTest::newRow("Up") << 700.0f << int(Qt::Key_Up) << 699.0f;
    QTest::newRow("Page Down") << 700.0f << int(Qt::Key_PageDown) << 764.0f;
    QTest::newRow("Page Up") << 700.0f << int(Qt::Key_PageUp) << 636.0f;
    QTest::newRow("Home") << 700.0f << int(Qt::Key_Home) << 0.0f;
    QTest::newRow("End") << 700.0f << int(Qt::Key_End) << 1535.0f;
    // As a press there: from a fraction the step keeps it, and beyond the bar it is clamped.
    QTest::newRow("Down from a fraction") << 700.25f << int(Qt::Key_Down) << 701.25f;
    QTest::newRow("Page Up near the top") << 30.0f << int(Qt::Key_PageUp) << 0.0f;
    QTest::newRow("Page Down near the bottom") << 1500.0f << int(Qt::Key_PageDown) << 1535.0f;
    QTest::newRow("Up at the top stays") << 0.0f << int(Qt::Key_Up) << 0.0f;
    QTest::newRow("Down at the end stays") << 1535.0f << int(Qt::Key_Down) << 1535.0f;
    // Left and Right are no moves on a vertical bar.
    QTest::newRow("Right") << 700.0f << int(Qt::Key_Right) << 700.0f;
}

void AccessibilityTest::barKeysPressWhereTheyLead() {
    QFETCH(float, from);
    QFETCH(int, key);
    QFETCH(float, expected);

    FormHarness harness;
    QVERIFY(harness.StartWindow(kStoredShade));
    Form1& form = *harness.form;
    // As once the rgb field has had and lost the focus: its writes then locate nothing anew.
    form.RgbFieldFocused = 0;
    form.Picture2_MouseDown(1, 0, 0, from);
    form.Picture2_MouseUp(1, 0, 0, from);
    form.Picture2->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(form.Picture2->hasFocus());

    // What the same press with the pointer gives, on a window of its own.
    FormHarness pointerHarness;
    pointerHarness.settings.Seed(QStringLiteral("color"), kStoredShade);
    Form1& pointer = pointerHarness.Start();
    pointer.RgbFieldFocused = 0;
    pointer.Picture2_MouseDown(1, 0, 0, from);
    pointer.Picture2_MouseUp(1, 0, 0, from);
    if (expected != from) {
        pointer.Picture2_MouseDown(1, 0, 0, expected);
        pointer.Picture2_MouseUp(1, 0, 0, expected);
    }

    PressKey(form, static_cast<Qt::Key>(key));
    QCOMPARE(form.HuePosition, expected);
    QCOMPARE(form.Line1->Y1(), expected);
    QCOMPARE(form.Line1->Y2(), expected);
    QCOMPARE(FieldBytes(form), FieldBytes(pointer));
    QCOMPARE(form.Picture3->BackColor(), pointer.Picture3->BackColor());
    QCOMPARE(form.Text1->Text(), pointer.Text1->Text());
    QCOMPARE(form.Text2->Text(), pointer.Text2->Text());
    QCOMPARE(form.Shape1->BorderColor(), pointer.Shape1->BorderColor());
    QVERIFY(!form.Timer2->Enabled());
    QVERIFY(form.Picture2->hasFocus());
    QCOMPARE(Accessible(form.Picture2)->valueInterface()->currentValue().toDouble(),
             double{expected});
}

void AccessibilityTest::fieldKeysDragWhereTheyLead_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QPoint>("expected");
    const int none = Qt::NoModifier;
    const int shift = Qt::ShiftModifier;
    // From the point (191, 55) that rgb(200,100,50) stands on.
    QTest::newRow("Left") << int(Qt::Key_Left) << none << QPoint(190, 55);
    QTest::newRow("Right") << int(Qt::Key_Right) << none << QPoint(192, 55);
    QTest::newRow("Up") << int(Qt::Key_Up) << none << QPoint(191, 54);
    QTest::newRow("Down") << int(Qt::Key_Down) << none << QPoint(191, 56);
    QTest::newRow("Shift+Left") << int(Qt::Key_Left) << shift << QPoint(175, 55);
    QTest::newRow("Shift+Right") << int(Qt::Key_Right) << shift << QPoint(207, 55);
    QTest::newRow("Shift+Up") << int(Qt::Key_Up) << shift << QPoint(191, 39);
    QTest::newRow("Shift+Down") << int(Qt::Key_Down) << shift << QPoint(191, 71);
    QTest::newRow("Home") << int(Qt::Key_Home) << none << QPoint(0, 55);
    QTest::newRow("End") << int(Qt::Key_End) << none << QPoint(255, 55);
    QTest::newRow("Page Up") << int(Qt::Key_PageUp) << none << QPoint(191, 0);
    QTest::newRow("Page Down") << int(Qt::Key_PageDown) << none << QPoint(191, 255);
}

void AccessibilityTest::fieldKeysDragWhereTheyLead() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QPoint, expected);

    FormHarness harness;
    QVERIFY(harness.StartWindow(kStoredShade));
    Form1& form = *harness.form;
    QCOMPARE(form.Shape1->Left() + 2, 191.0f);
    QCOMPARE(form.Shape1->Top() + 2, 55.0f);
    QTRY_VERIFY(form.Picture1->hasFocus());

    // The same drag with the pointer, on a window of its own.
    FormHarness pointerHarness;
    pointerHarness.settings.Seed(QStringLiteral("color"), kStoredShade);
    Form1& pointer = pointerHarness.Start();
    pointer.Picture1_MouseMove(1, 0, static_cast<float>(expected.x()),
                               static_cast<float>(expected.y()));

    PressKey(form, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(form.Shape1->Left(), static_cast<float>(expected.x() - 2));
    QCOMPARE(form.Shape1->Top(), static_cast<float>(expected.y() - 2));
    QCOMPARE(PickerState::Of(form), PickerState::Of(pointer));
    QCOMPARE(Accessible(form.Picture1)->valueInterface()->currentValue().toDouble(),
             double{expected.y() * 256.0 + expected.x()});
    QVERIFY(form.Picture1->hasFocus());
}

void AccessibilityTest::fieldKeysStopAtTheEdges() {
    FormHarness harness;
    QVERIFY(harness.StartWindow());
    Form1& form = *harness.form;
    QTRY_VERIFY(form.Picture1->hasFocus());
    // Red stands at the top-right corner (255, 0).
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Up})
        PressKey(form, key, Qt::ShiftModifier);
    QCOMPARE(form.Shape1->Left(), 253.0f);
    QCOMPARE(form.Shape1->Top(), -2.0f);
    for (int i = 0; i < 17; ++i)
        PressKey(form, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(form.Shape1->Left(), -2.0f);
    // A letter or Enter moves nothing.
    PressKey(form, Qt::Key_A);
    PressKey(form, Qt::Key_Return);
    QCOMPARE(form.Shape1->Left(), -2.0f);
    QCOMPARE(form.Shape1->Top(), -2.0f);
}

void AccessibilityTest::enterClicksTheFocusedButton_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("copied");
    QTest::newRow("Enter on rgb") << "Command3" << int(Qt::Key_Return) << int(Qt::NoModifier)
                                  << "rgb(200,100,50)";
    QTest::newRow("keypad Enter on rgb")
        << "Command3" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "rgb(200,100,50)";
    QTest::newRow("Enter on hex") << "Command4" << int(Qt::Key_Return) << int(Qt::NoModifier)
                                  << "#C86432";
    QTest::newRow("keypad Enter on hex")
        << "Command4" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "#C86432";
}

void AccessibilityTest::enterClicksTheFocusedButton() {
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, copied);

    FormHarness harness;
    QVERIFY(harness.StartWindow(kStoredShade));
    Form1& form = *harness.form;
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    auto* command = form.findChild<QPushButton*>(button);
    command->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(command->hasFocus());

    PressKey(form, static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QTRY_COMPARE(QGuiApplication::clipboard()->text(), copied);
    // One click: one swatch pushed.
    QCOMPARE(form.Picture4->BackColor(), 3302600);
    QCOMPARE(form.Picture5->BackColor(), kWindowBackgroundColor);
    QVERIFY(command->hasFocus());
}

void AccessibilityTest::enterOnHelpShowsTheMessage() {
    FormHarness harness;
    QVERIFY(harness.StartWindow());
    Form1& form = *harness.form;
    form.Command1->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(form.Command1->hasFocus());
    ShownMessage shown;
    InspectNextMessageBox(shown);
    PressKey(form, Qt::Key_Return);
    QVERIFY2(shown.found, "Enter on the focused help button showed no message");
    QVERIFY(shown.text.startsWith(QStringLiteral("Click the eyedropper button")));
}

void AccessibilityTest::aFocusedButtonShowsOnlyTheRing_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("Copy") << "Command3";
    QTest::newRow("help") << "Command1";
    QTest::newRow("eyedropper") << "Check1";
}

void AccessibilityTest::aFocusedButtonShowsOnlyTheRing() {
    QFETCH(QString, button);
    FormHarness harness;
    QVERIFY(harness.StartWindow());
    Form1& form = *harness.form;
    auto* control = form.findChild<QWidget*>(button);
    const QImage unfocused = control->grab().toImage();
    // As after Tab, which is when a style draws its focus frame.
    control->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(control->hasFocus());
    const QImage focused = control->grab().toImage();
    QCOMPARE(focused, unfocused);
    // The window's ring stands around it.
    const QImage window = form.grab().toImage();
    const QRect ring = FocusRing::Bounds(*control);
    QCOMPARE(window.pixelColor(ring.topLeft()), FocusRingColor(form.palette()));
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
