// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "ui/control_descriptions.h"

#include "core/color.h"
#include "platform/toolkit/line.h"
#include "platform/toolkit/picture_box.h"
#include "platform/toolkit/shape.h"
#include "platform/toolkit/system_colors.h"
#include "platform/toolkit/text_box.h"
#include "platform/toolkit/toggle.h"
#include "ui/form1.h"

#include <cmath>

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

// The field point under the marker, which stands 2 units above and left of it.
float MarkerColumn(const Form1& form) {
    return form.Shape1->Left() + 2;
}

float MarkerRow(const Form1& form) {
    return form.Shape1->Top() + 2;
}

// The rainbow bar's value is the hue marker's position, in the steps of + and -.
void DescribeHueMarker(Form1& form) {
    constexpr double kLastHuePosition = 1535;
    form.Picture2->SpeakMarker({
        .minimum = 0,
        .maximum = kLastHuePosition,
        .step = 1,
        .current = [&form] { return double{form.Line1->Y1()}; },
        .words = [&form] { return QString::number(double{form.Line1->Y1()}); },
        .set =
            [&form](double position) {
                const auto y = static_cast<float>(position);
                form.Picture2_MouseDown(1, 0, 0, y);
                form.Picture2_MouseUp(1, 0, 0, y);
            },
    });
}

// The pixel the field marker stands on, the way a pointer there picks it.
int FieldPixel(float coordinate) {
    constexpr float kLastPixel = 255;
    return static_cast<int>(std::nearbyint(std::fmin(std::fmax(coordinate, 0.0F), kLastPixel)));
}

// The shade field's value names its marker's column and row in one number (see
// kFieldValueRowStride); its words name both. Setting a whole number in range picks that point
// as a click there does; anything else is no point of the field.
void DescribeFieldMarker(Form1& form) {
    constexpr double kLastFieldValue = kFieldValueRowStride * kFieldValueRowStride - 1;
    form.Picture1->SpeakMarker({
        .minimum = 0,
        .maximum = kLastFieldValue,
        .step = 1,
        .current =
            [&form] {
                return static_cast<double>(FieldPixel(MarkerRow(form)) * kFieldValueRowStride +
                                           FieldPixel(MarkerColumn(form)));
            },
        .words =
            [&form] {
                return Form1::tr("column %1, row %2")
                    .arg(double{MarkerColumn(form)})
                    .arg(double{MarkerRow(form)});
            },
        .set =
            [&form](double value) {
                if (value != std::floor(value))
                    return;
                const int point = static_cast<int>(value);
                // The row is the whole number of strides: the division is meant to drop the
                // column.
                const int column = point % kFieldValueRowStride;
                const int row = point / kFieldValueRowStride;
                form.Picture1_MouseUp(1, 0, static_cast<float>(column), static_cast<float>(row));
            },
    });
}

} // namespace

void DescribeControls(Form1& form) {
    form.setAccessibleName(QStringLiteral("Tessavundo"));
    // The name is no word to translate; everything else is.
    form.setAccessibleDescription(Form1::tr("Color picker"));

    Describe(form.Picture1, Form1::tr("Shade field"),
             Form1::tr("Every saturation and brightness of the hue; press or drag with the "
                       "left button to pick a color"));
    // A slider is the role under which screen readers say a control's name and value.
    form.Picture1->SetAccessibleRole(QAccessible::Slider);
    Describe(form.Picture2, Form1::tr("Rainbow bar"),
             Form1::tr("The hue; press or drag with the left button to choose it, + and - "
                       "step it by one"));
    form.Picture2->SetAccessibleRole(QAccessible::Slider);
    DescribeHueMarker(form);
    DescribeFieldMarker(form);
    Describe(form.Text1, Form1::tr("rgb field"),
             Form1::tr("The color as rgb(red,green,blue); type a color to go to it"));
    Describe(form.Text2, Form1::tr("hex field"),
             Form1::tr("The color as #RRGGBB; type a color to go to it"));
    form.Picture3->setAccessibleName(Form1::tr("Preview"));
    form.Picture3->SpeakBackColor(&ColorInWords);

    DescribeButton(form.Command3, Form1::tr("Copy rgb text"),
                   Form1::tr("Copy the rgb text and keep the color in the first swatch"));
    DescribeButton(form.Command4, Form1::tr("Copy hex text"),
                   Form1::tr("Copy the hex text and keep the color in the first swatch"));
    DescribeButton(form.Check1, Form1::tr("Eyedropper"), EyedropperToolTip());
    DescribeButton(form.Command1, Form1::tr("Help"),
                   Form1::tr("How to use the picker. On a swatch, Space or Enter takes its "
                             "color back; Shift+Enter on the last swatch resets the picker to "
                             "red and every swatch to white") +
                       QStringLiteral(". ") + KeysHelp());

    int number = 1;
    for (PictureBox* swatch : form.Swatches()) {
        swatch->setAccessibleName(Form1::tr("Swatch %1").arg(number++));
        swatch->SpeakBackColor(&ColorInWords);
        swatch->SetAccessibleRole(QAccessible::Button);
    }
}

QString ColorInWords(PackedColor color) {
    if (color == kWindowBackgroundColor)
        return Form1::tr("Window background color");
    const ChannelTriple channels = SplitColor(color);
    return QStringLiteral("%1, %2").arg(QString::fromStdString(FormatRgbText(channels)),
                                        QString::fromStdString(FormatHexText(channels)));
}

QString KeysHelp() {
    return Form1::tr("On the rainbow bar, + and - step the hue by one, Up and Down by one "
                     "position, Page Up and Page Down by 64, Home and End go to its top and "
                     "bottom. On the shade field, the arrow keys move the point by one pixel "
                     "(with Shift by 16), Home and End go to its left and right edges, Page Up "
                     "and Page Down to its top and bottom.");
}

QString SampledColorWords(PackedColor color) {
    return Form1::tr("Took %1").arg(ColorInWords(color));
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
