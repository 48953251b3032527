// What assistive technology and keyboard users get from the window: the accessibility tree with
// names, roles and descriptions, the tab order, and the focus indicator of the picture boxes.
#include "platform/picture_box.h"
#include "platform/text_box.h"
#include "tests/support/form_harness.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QtTest>
#include <cmath>

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

double RelativeLuminance(QColor color) {
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

double ContrastRatio(QColor a, QColor b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
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
    void focusIndicatorIsOnTheBorderOnly_data();
    void focusIndicatorIsOnTheBorderOnly();
    void swatchPressActionTakesItsColor();
};

void AccessibilityTest::controlInTheTree_data() {
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");

    QTest::newRow("shade field") << "Picture1"
                                 << "Shade field" << QAccessible::ColorChooser;
    QTest::newRow("rgb field") << "Text1"
                               << "rgb field" << QAccessible::EditableText;
    QTest::newRow("rgb copy") << "Command3"
                              << "Copy rgb text" << QAccessible::Button;
    QTest::newRow("hex field") << "Text2"
                               << "hex field" << QAccessible::EditableText;
    QTest::newRow("hex copy") << "Command4"
                              << "Copy hex text" << QAccessible::Button;
    QTest::newRow("eyedropper") << "Check1"
                                << "Eyedropper" << QAccessible::CheckBox;
    QTest::newRow("rainbow bar") << "Picture2"
                                 << "Rainbow bar" << QAccessible::ColorChooser;
    QTest::newRow("preview") << "Picture3"
                             << "Preview" << QAccessible::Graphic;
    for (int i = 1; i <= 6; ++i) {
        QTest::addRow("swatch %d", i) << QStringLiteral("Picture%1").arg(i + 3)
                                      << QStringLiteral("Swatch %1").arg(i) << QAccessible::Button;
    }
    QTest::newRow("help") << "Command1"
                          << "Help" << QAccessible::Button;
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
    QAccessibleInterface* render = ChildFor(window, QStringLiteral("Command2"));
    QVERIFY(render);
    QVERIFY(render->state().invisible);
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
    QTest::newRow("rgb") << "Copy rgb text"
                         << "rgb(200,100,50)";
    QTest::newRow("hex") << "Copy hex text"
                         << "#C86432";
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

void AccessibilityTest::focusIndicatorIsOnTheBorderOnly_data() {
    QTest::addColumn<QString>("objectName");
    QTest::newRow("shade field") << "Picture1";
    QTest::newRow("rainbow bar") << "Picture2";
    QTest::newRow("preview") << "Picture3";
    QTest::newRow("first swatch") << "Picture4";
    QTest::newRow("last swatch") << "Picture9";
}

void AccessibilityTest::focusIndicatorIsOnTheBorderOnly() {
    QFETCH(QString, objectName);

    FormHarness harness;
    QVERIFY(harness.StartWindow());
    Form1& form = *harness.form;
    auto* box = form.findChild<PictureBox*>(objectName);
    QVERIFY(box);
    const QImage imageBefore = box->PersistentImage().copy();

    form.Command1->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(!box->hasFocus());
    const QImage unfocused = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    box->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(box->hasFocus());
    const QImage focused = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(focused.size(), box->size());

    const QColor indicator = box->palette().color(QPalette::Highlight);
    const QRect inner = box->DrawableRect();
    int borderPixels = 0;
    for (int y = 0; y < focused.height(); ++y) {
        for (int x = 0; x < focused.width(); ++x) {
            if (inner.contains(x, y)) {
                QCOMPARE(focused.pixel(x, y), unfocused.pixel(x, y));
            } else {
                ++borderPixels;
                QCOMPARE(QColor(focused.pixel(x, y)), indicator);
                QVERIFY(focused.pixel(x, y) != unfocused.pixel(x, y));
            }
        }
    }
    QCOMPARE(borderPixels, 2 * box->width() + 2 * box->height() - 4);
    // Visible against the window around it, by the usual 3:1 rule for focus indicators.
    QVERIFY2(ContrastRatio(indicator, form.palette().color(QPalette::Window)) >= 3.0,
             "the focus indicator hardly stands out from the window background");
    // The picker reads colors back from the image, so the indicator must never reach it.
    QCOMPARE(box->PersistentImage(), imageBefore);
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

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
