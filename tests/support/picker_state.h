// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"
#include "platform/line.h"
#include "platform/picture_box.h"
#include "platform/shape.h"
#include "platform/text_box.h"
#include "tests/support/form_harness.h"
#include "ui/form1.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>
#include <QTest>
#include <vector>

namespace tessavundo::testing {

// Everything of the picker state that the pointer, the keys and the entry fields can change,
// for checks that an event changed exactly what it should and nothing else.
struct PickerState {
    float huePosition = 0;
    float hueMarkerY1 = 0;
    float hueMarkerY2 = 0;
    float markerLeft = 0;
    float markerTop = 0;
    PackedColor markerBorder = 0;
    PackedColor preview = 0;
    QString rgbText;
    QString hexText;
    std::vector<std::uint8_t> field;

    static PickerState Of(Form1& form) {
        return {form.HuePosition,           form.Line1->Y1(),
                form.Line1->Y2(),           form.Shape1->Left(),
                form.Shape1->Top(),         form.Shape1->BorderColor(),
                form.Picture3->BackColor(), form.Text1->Text(),
                form.Text2->Text(),         FieldBytes(form)};
    }

    friend bool operator==(const PickerState&, const PickerState&) = default;
};

// How QCOMPARE shows a state; the field image by a short digest.
inline char* toString(const PickerState& state) {
    const QByteArray digest =
        QCryptographicHash::hash(
            QByteArrayView(state.field.data(), static_cast<qsizetype>(state.field.size())),
            QCryptographicHash::Md5)
            .toHex()
            .left(8);
    const QString text =
        QStringLiteral("hue %1, bar marker %2/%3, field marker (%4, %5) border %6, preview %7, "
                       "\"%8\", \"%9\", field %10")
            .arg(state.huePosition)
            .arg(state.hueMarkerY1)
            .arg(state.hueMarkerY2)
            .arg(state.markerLeft)
            .arg(state.markerTop)
            .arg(state.markerBorder, 6, 16, QLatin1Char('0'))
            .arg(state.preview, 6, 16, QLatin1Char('0'))
            .arg(state.rgbText, state.hexText, QString::fromLatin1(digest));
    return qstrdup(text.toUtf8().constData());
}

// The color that the field must show at a field point once rendered for a hue position.
inline PackedColor ExpectedFieldColor(Form1& form, float huePosition, int x, int y) {
    const std::vector<std::uint8_t> field = ExpectedField(form, huePosition);
    const std::uint8_t* pixel = &field[static_cast<std::size_t>((y * 256 + x) * 4)];
    return pixel[2] + 256 * pixel[1] + 65536 * pixel[0];
}

// The color of the field under the field marker, as the field shows it now.
inline PackedColor ColorUnderMarker(Form1& form) {
    return form.Picture1->Point(form.Shape1->Left() + 2, form.Shape1->Top() + 2);
}

inline PackedColor Complement(PackedColor color) {
    return 0xFFFFFF - color;
}

inline QString RgbText(PackedColor color) {
    return QString::fromStdString(FormatRgbText(SplitColor(color)));
}

inline QString HexText(PackedColor color) {
    return QString::fromStdString(FormatHexText(SplitColor(color)));
}

} // namespace tessavundo::testing
