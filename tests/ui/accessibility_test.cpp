// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// What assistive technology and keyboard users get from the window: the accessibility tree with
// names, roles, descriptions and values, the events a screen reader follows, the tab order, and
// the swatches and the eyedropper by keyboard.
#include "platform/toolkit/line.h"
#include "platform/toolkit/picture_box.h"
#include "platform/toolkit/shape.h"
#include "platform/toolkit/text_box.h"
#include "platform/toolkit/timer.h"
#include "platform/toolkit/toggle.h"
#include "tests/support/form_harness.h"
#include "tests/support/keyboard.h"

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
    void eyedropperIsAToggleButton();
};

void AccessibilityTest::controlInTheTree_data() {
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");

    // clang-format off
    QTest::newRow("shade field") << "Picture1" << "Shade field" << QAccessible::ColorChooser;
    QTest::newRow("rgb field") << "Text1" << "rgb field" << QAccessible::EditableText;
    QTest::newRow("rgb copy") << "Command3" << "Copy rgb text" << QAccessible::Button;
    QTest::newRow("hex field") << "Text2" << "hex field" << QAccessible::EditableText;
    QTest::newRow("hex copy") << "Command4" << "Copy hex text" << QAccessible::Button;
    QTest::newRow("eyedropper") << "Check1" << "Eyedropper" << QAccessible::Button;
    QTest::newRow("rainbow bar") << "Picture2" << "Rainbow bar" << QAccessible::ColorChooser;
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
    QCOMPARE(field->maximumValue().toDouble(), 255.0);
    QCOMPARE(field->currentValue().toDouble(), 255.0);
    QCOMPARE(Accessible(form.Picture1)->text(QAccessible::Value),
             QStringLiteral("column 255, row 0"));

    form.Picture1_MouseUp(1, 0, 10, 20);
    QCOMPARE(field->currentValue().toDouble(), 10.0);
    QCOMPARE(Accessible(form.Picture1)->text(QAccessible::Value),
             QStringLiteral("column 10, row 20"));
    // Dragged far outside, the marker sticks to the edge, and so does the value.
    form.Picture1_MouseMove(1, 0, -30, 300);
    QCOMPARE(field->currentValue().toDouble(), 0.0);
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
    QTest::newRow("field") << "Picture1" << QVariant(10.0) << 10.0;
    QTest::newRow("field, past it") << "Picture1" << QVariant(300.0) << 255.0;
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
        // As a click on that column, in the marker's row.
        QCOMPARE(form.Shape1->Top(), -2.0f);
        QCOMPARE(form.Picture3->BackColor(), form.Picture1->Point(static_cast<float>(expected), 0));
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

void AccessibilityTest::eyedropperIsAToggleButton() {
    FormHarness harness;
    Form1& form = harness.Start();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QAccessibleInterface* toggle = Accessible(form.Check1);
    QCOMPARE(toggle->role(), QAccessible::Button);
    QVERIFY(toggle->state().checkable);
    QVERIFY(!toggle->state().checked);
    QVERIFY(!toggle->state().pressed);
    QCOMPARE(toggle->actionInterface()->actionNames().value(0),
             QAccessibleActionInterface::toggleAction());

    toggle->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(form.Check1->Value(), 1);
    QVERIFY(form.Timer1->Enabled());
    QVERIFY(toggle->state().checked);
    QVERIFY(toggle->state().pressed);

    toggle->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(form.Check1->Value(), 0);
    QVERIFY(!form.Timer1->Enabled());
    QVERIFY(!toggle->state().pressed);
}

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
