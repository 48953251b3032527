#include "ui/control_descriptions.h"

#include "platform/picture_box.h"
#include "platform/text_box.h"
#include "platform/toggle.h"
#include "ui/form1.h"

#include <QAccessibleWidget>

namespace tessavundo {

namespace {

void Describe(QWidget* control, const QString& name, const QString& description) {
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

// A button's tooltip is also what assistive technology reads as its description.
void DescribeButton(QAbstractButton* button, const QString& name, const QString& toolTip) {
    button->setAccessibleName(name);
    button->setToolTip(toolTip);
}

QAccessibleInterface* CreateWindowAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(Form1::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

} // namespace

void RegisterWindowAccessibility() {
    [[maybe_unused]] static const bool installed = [] {
        QAccessible::installFactory(&CreateWindowAccessible);
        return true;
    }();
}

void DescribeControls(Form1& form) {
    form.setAccessibleName(QStringLiteral("Tessavundo"));
    form.setAccessibleDescription(QStringLiteral("Color picker"));

    Describe(form.Picture1, QStringLiteral("Shade field"),
             QStringLiteral("Every saturation and brightness of the hue; press or drag with the "
                            "left button to pick a color"));
    form.Picture1->SetAccessibleRole(QAccessible::ColorChooser);
    Describe(form.Picture2, QStringLiteral("Rainbow bar"),
             QStringLiteral("The hue; press or drag with the left button to choose it, + and - "
                            "step it by one"));
    form.Picture2->SetAccessibleRole(QAccessible::ColorChooser);
    Describe(form.Text1, QStringLiteral("rgb field"),
             QStringLiteral("The color as rgb(red,green,blue); type a color to go to it"));
    Describe(form.Text2, QStringLiteral("hex field"),
             QStringLiteral("The color as #RRGGBB; type a color to go to it"));
    Describe(form.Picture3, QStringLiteral("Preview"), QStringLiteral("The current color"));

    DescribeButton(form.Command3, QStringLiteral("Copy rgb text"),
                   QStringLiteral("Copy the rgb text and keep the color in the first swatch"));
    DescribeButton(form.Command4, QStringLiteral("Copy hex text"),
                   QStringLiteral("Copy the hex text and keep the color in the first swatch"));
    DescribeButton(form.Check1, QStringLiteral("Eyedropper"), EyedropperToolTip());
    DescribeButton(form.Command1, QStringLiteral("Help"), QStringLiteral("How to use the picker"));

    int number = 1;
    for (PictureBox* swatch : form.Swatches()) {
        Describe(swatch, QStringLiteral("Swatch %1").arg(number++),
                 QStringLiteral("A color copied earlier; click to take it back"));
        swatch->SetAccessibleRole(QAccessible::Button);
    }
    form.Picture9->setAccessibleDescription(
        QStringLiteral("The oldest color copied; click to take it back, double-click to reset "
                       "the picker to red and every swatch to white"));
}

QString EyedropperToolTip() {
    return QStringLiteral("Take the color of any pixel on the screen; Esc or Space ends and "
                          "copies the hex text, Enter copies the rgb text");
}

QString MissingPortalToolTip() {
    return QStringLiteral("Picking a color from the screen needs the desktop's color-picker "
                          "portal, which this desktop does not offer");
}

} // namespace tessavundo
