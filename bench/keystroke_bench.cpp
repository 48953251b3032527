// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// One keystroke in an entry field, from a plain color to a field filled to its limit with
// text that no one means as a color: the work of each keystroke stays bounded by the field's
// capacity. Each iteration types one character at the end and erases it again.
#include "platform/toolkit/text_box.h"
#include "tests/support/form_harness.h"

#include <QTest>
#include <benchmark/benchmark.h>

using namespace tessavundo;

namespace {

// QLineEdit's default capacity, less the one character each iteration types.
constexpr int kRoomForOneMore = 32767 - 1;

enum class Field { Rgb, Hex };

struct Contents {
    const char* name;
    Field field;
    QString text;
};

Contents ContentsFor(int index) {
    switch (index) {
    case 0:
        return {"rgb field, a color", Field::Rgb, QStringLiteral("rgb(200,100,5")};
    case 1:
        return {"rgb field, full of digits", Field::Rgb, QString(kRoomForOneMore, QChar('7'))};
    case 2:
        return {"rgb field, a color and full of commas", Field::Rgb,
                QStringLiteral("rgb(1,2,3") + QString(kRoomForOneMore - 9, QChar(','))};
    case 3:
        return {"rgb field, a color and full of junk", Field::Rgb,
                QStringLiteral("rgb(200,100,50)") + QString(kRoomForOneMore - 15, QChar('x'))};
    case 4:
        return {"hex field, a color", Field::Hex, QStringLiteral("#C8643")};
    default:
        return {"hex field, a color and full of digits", Field::Hex,
                QStringLiteral("#C86432") + QString(kRoomForOneMore - 7, QChar('F'))};
    }
}

} // namespace

static void BM_TypeAndEraseOneCharacter(benchmark::State& state) {
    const Contents contents = ContentsFor(static_cast<int>(state.range(0)));
    state.SetLabel(contents.name);
    testing::FormHarness window;
    if (!window.StartWindow()) {
        state.SkipWithError("the window never became active");
        return;
    }
    TextBox* field = contents.field == Field::Rgb ? window.form->Text1 : window.form->Text2;
    field->setFocus(Qt::TabFocusReason);
    field->SetText(contents.text);
    field->SetSelStart(static_cast<int>(contents.text.size()));

    for (auto _ : state) {
        QTest::keyClick(field, '6');
        QTest::keyClick(field, Qt::Key_Backspace);
    }
    if (field->Text() != contents.text)
        state.SkipWithError("the field did not take the keystrokes");
    state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_TypeAndEraseOneCharacter)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);
