// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include "core/color.h"
#include "platform/toolkit/line.h"
#include "platform/toolkit/picture_box.h"
#include "platform/toolkit/shape.h"
#include "platform/toolkit/text_box.h"
#include "sampling/sample_outcome.h"
#include "tests/support/form_harness.h"
#include "ui/form1.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QString>
#include <QTest>
#include <vector>

namespace tessavundo::testing {

// Everything of the picker state that the pointer, the keys and the entry fields can change,
// for checks that an event changed exactly what it should and nothing else: what the window
// shows, in the record the eyedropper compares its samples with, and the field's image.
struct PickerState {
    SampleOutcome shown;
    std::vector<std::uint8_t> field;

    // Read from the controls here rather than through the window's own record, so that a
    // fault in that record cannot hide a fault in what the window shows.
    static PickerState Of(Form1& form) {
        const SampleOutcome shown{.preview = form.Picture3->BackColor(),
                                  .rgbText = form.Text1->Text(),
                                  .hexText = form.Text2->Text(),
                                  .huePosition = form.HuePosition,
                                  .hueMarkerY1 = form.Line1->Y1(),
                                  .hueMarkerY2 = form.Line1->Y2(),
                                  .fieldMarkerLeft = form.Shape1->Left(),
                                  .fieldMarkerTop = form.Shape1->Top(),
                                  .fieldMarkerBorder = form.Shape1->BorderColor()};
        return {shown, FieldBytes(form)};
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
    const SampleOutcome& shown = state.shown;
    const QString text =
        QStringLiteral("hue %1, bar marker %2/%3, field marker (%4, %5) border %6, preview %7, "
                       "\"%8\", \"%9\", field %10")
            .arg(shown.huePosition)
            .arg(shown.hueMarkerY1)
            .arg(shown.hueMarkerY2)
            .arg(shown.fieldMarkerLeft)
            .arg(shown.fieldMarkerTop)
            .arg(shown.fieldMarkerBorder, 6, 16, QLatin1Char('0'))
            .arg(shown.preview, 6, 16, QLatin1Char('0'))
            .arg(shown.rgbText, shown.hexText, QString::fromLatin1(digest));
    return qstrdup(text.toUtf8().constData());
}

// The color that the field must show at a field point once rendered for a hue position.
inline PackedColor ExpectedFieldColor(Form1& form, float huePosition, int x, int y) {
    const std::vector<std::uint8_t> field = ExpectedField(form, huePosition);
    const std::uint8_t* pixel = &field[static_cast<std::size_t>((y * 256 + x) * 4)];
    return PackBytes(pixel[2], pixel[1], pixel[0]);
}

// The color of the field under the field marker, as the field shows it now.
inline PackedColor ColorUnderMarker(Form1& form) {
    return form.Picture1->Point(form.Shape1->Left() + 2, form.Shape1->Top() + 2);
}

inline PackedColor Complement(PackedColor color) {
    return kWhite - color;
}

inline QString RgbText(PackedColor color) {
    return QString::fromStdString(FormatRgbText(SplitColor(color)));
}

inline QString HexText(PackedColor color) {
    return QString::fromStdString(FormatHexText(SplitColor(color)));
}

} // namespace tessavundo::testing
