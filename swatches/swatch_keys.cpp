// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/input_codes.h"
#include "ui/form1.h"

namespace tessavundo {

namespace {

// Space and Enter press a focused swatch as a click does, whatever modifier is held.
bool IsPressKey(std::int16_t keyCode) {
    return keyCode == kKeyEnter || keyCode == kKeySpace;
}

} // namespace

void Form1::Picture4_KeyDown(std::int16_t keyCode, std::int16_t) {
    if (IsPressKey(keyCode))
        Picture4_Click();
}

void Form1::Picture5_KeyDown(std::int16_t keyCode, std::int16_t) {
    if (IsPressKey(keyCode))
        Picture5_Click();
}

void Form1::Picture6_KeyDown(std::int16_t keyCode, std::int16_t) {
    if (IsPressKey(keyCode))
        Picture6_Click();
}

void Form1::Picture7_KeyDown(std::int16_t keyCode, std::int16_t) {
    if (IsPressKey(keyCode))
        Picture7_Click();
}

void Form1::Picture8_KeyDown(std::int16_t keyCode, std::int16_t) {
    if (IsPressKey(keyCode))
        Picture8_Click();
}

// Shift+Enter on the last swatch is its double click: the click first, then the reset.
void Form1::Picture9_KeyDown(std::int16_t keyCode, std::int16_t shift) {
    if (!IsPressKey(keyCode))
        return;
    Picture9_Click();
    if (keyCode == kKeyEnter && (shift & kShiftMask))
        Picture9_DblClick();
}

} // namespace tessavundo
