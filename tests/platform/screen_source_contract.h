// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

// What every screen source promises the eyedropper about its device contexts and coordinates,
// as one table run against the real sources and against the fake the window's tests use
// instead: a fake that kept another contract would let those tests pass against a screen that
// behaves differently.

#include "platform/screen_source.h"

#include <QTest>

namespace tessavundo::test {

// One promise, checked on a source whose pixel at `readable` is `color`.
using ContractClause = void (*)(ScreenSource& source, QPoint readable, PackedColor color);

} // namespace tessavundo::test

Q_DECLARE_METATYPE(tessavundo::test::ContractClause)

namespace tessavundo::test::contract {

inline void NullContextReadsNothing(ScreenSource& source, QPoint readable, PackedColor) {
    QCOMPARE(source.GetPixel(0, readable.x(), readable.y()), kInvalidColor);
}

inline void HeldContextReads(ScreenSource& source, QPoint readable, PackedColor color) {
    const ScreenDC dc = source.GetWindowDC();
    QVERIFY(dc != 0);
    QCOMPARE(source.GetPixel(dc, readable.x(), readable.y()), color);
    source.ReleaseDC(dc);
}

// One context at a time: taking another makes the older one stale, and releasing the stale
// one leaves the held one alone.
inline void NewerContextReplacesTheOlder(ScreenSource& source, QPoint readable, PackedColor color) {
    const ScreenDC first = source.GetWindowDC();
    const ScreenDC second = source.GetWindowDC();
    QVERIFY(second != 0);
    QVERIFY(second != first);
    QCOMPARE(source.GetPixel(first, readable.x(), readable.y()), kInvalidColor);
    QCOMPARE(source.GetPixel(second, readable.x(), readable.y()), color);
    source.ReleaseDC(first);
    QCOMPARE(source.GetPixel(second, readable.x(), readable.y()), color);
    source.ReleaseDC(second);
}

// A released context reads nothing, and releasing it again does no harm to the next one.
inline void ReleasedContextReadsNothing(ScreenSource& source, QPoint readable, PackedColor color) {
    const ScreenDC dc = source.GetWindowDC();
    source.ReleaseDC(dc);
    QCOMPARE(source.GetPixel(dc, readable.x(), readable.y()), kInvalidColor);
    source.ReleaseDC(dc);
    const ScreenDC next = source.GetWindowDC();
    QCOMPARE(source.GetPixel(next, readable.x(), readable.y()), color);
    source.ReleaseDC(next);
}

// At a display scale of 1, logical and physical pixels are the same.
inline void UnscaledRectanglesStayAsTheyAre(ScreenSource& source, QPoint, PackedColor) {
    const QRect logical(10, 20, 30, 40);
    QCOMPARE(source.ToPhysicalPixels(logical), logical);
}

} // namespace tessavundo::test::contract

namespace tessavundo::test {

// The rows of the contract table, for a test's `_data` function; the test function fetches
// "clause" and runs it on its source.
inline void AddContractRows() {
    QTest::addColumn<ContractClause>("clause");
    QTest::newRow("a null context reads nothing") << &contract::NullContextReadsNothing;
    QTest::newRow("a held context reads") << &contract::HeldContextReads;
    QTest::newRow("a newer context replaces the older") << &contract::NewerContextReplacesTheOlder;
    QTest::newRow("a released context reads nothing") << &contract::ReleasedContextReadsNothing;
    QTest::newRow("unscaled rectangles stay as they are")
        << &contract::UnscaledRectanglesStayAsTheyAre;
}

} // namespace tessavundo::test
