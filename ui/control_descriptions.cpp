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
    // The name is no word to translate; everything else is.
    form.setAccessibleDescription(Form1::tr("Color picker"));

    Describe(form.Picture1, Form1::tr("Shade field"),
             Form1::tr("Every saturation and brightness of the hue; press or drag with the "
                       "left button to pick a color"));
    form.Picture1->SetAccessibleRole(QAccessible::ColorChooser);
    Describe(form.Picture2, Form1::tr("Rainbow bar"),
             Form1::tr("The hue; press or drag with the left button to choose it, + and - "
                       "step it by one"));
    form.Picture2->SetAccessibleRole(QAccessible::ColorChooser);
    Describe(form.Text1, Form1::tr("rgb field"),
             Form1::tr("The color as rgb(red,green,blue); type a color to go to it"));
    Describe(form.Text2, Form1::tr("hex field"),
             Form1::tr("The color as #RRGGBB; type a color to go to it"));
    Describe(form.Picture3, Form1::tr("Preview"), Form1::tr("The current color"));

    DescribeButton(form.Command3, Form1::tr("Copy rgb text"),
                   Form1::tr("Copy the rgb text and keep the color in the first swatch"));
    DescribeButton(form.Command4, Form1::tr("Copy hex text"),
                   Form1::tr("Copy the hex text and keep the color in the first swatch"));
    DescribeButton(form.Check1, Form1::tr("Eyedropper"), EyedropperToolTip());
    DescribeButton(form.Command1, Form1::tr("Help"), Form1::tr("How to use the picker"));

    PictureBox* const swatches[] = {form.Picture4, form.Picture5, form.Picture6,
                                    form.Picture7, form.Picture8, form.Picture9};
    for (int i = 0; i < 6; ++i) {
        Describe(swatches[i], Form1::tr("Swatch %1").arg(i + 1),
                 Form1::tr("A color copied earlier; click to take it back"));
        swatches[i]->SetAccessibleRole(QAccessible::Button);
    }
    form.Picture9->setAccessibleDescription(
        Form1::tr("The oldest color copied; click to take it back, double-click to reset "
                  "the picker to red and every swatch to white"));
}

QString EyedropperToolTip() {
    return Form1::tr("Take the color of any pixel on the screen; Esc or Space ends and "
                     "copies the hex text, Enter copies the rgb text");
}

QString UnreadableScreenToolTip(ScreenReading reading) {
    switch (reading) {
    case ScreenReading::ForbiddenByDesktop:
        return Form1::tr("This desktop does not let programs read the screen, and it "
                         "offers no color-picker portal to ask instead");
    case ScreenReading::DisplayNotSupported:
        return Form1::tr("The eyedropper cannot read this display: the way it stores its "
                         "pixels is not supported");
    case ScreenReading::Refused:
    case ScreenReading::Continuous:
        break;
    }
    return Form1::tr("The eyedropper cannot read this screen: the display refuses to show "
                     "its pixels to programs");
}

} // namespace tessavundo
