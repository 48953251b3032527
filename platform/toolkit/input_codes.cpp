// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/input_codes.h"

namespace tessavundo {

std::int16_t ButtonCode(Qt::MouseButtons buttons) {
    std::int16_t code = 0;
    if (buttons & Qt::LeftButton)
        code |= kLeftButton;
    if (buttons & Qt::RightButton)
        code |= kRightButton;
    if (buttons & Qt::MiddleButton)
        code |= kMiddleButton;
    return code;
}

std::int16_t ShiftCode(Qt::KeyboardModifiers modifiers) {
    std::int16_t code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= kShiftMask;
    if (modifiers & Qt::ControlModifier)
        code |= kControlMask;
    if (modifiers & Qt::AltModifier)
        code |= kAltMask;
    return code;
}

std::optional<std::int16_t> KeyAscii(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kKeyEnter;
    case Qt::Key_Escape:
        return kKeyEscape;
    // With Control held the key types no space (the window system turns it into a control
    // character or nothing), yet it is still the Space key.
    case Qt::Key_Space:
        return kKeySpace;
    default:
        break;
    }
    const QString text = event.text();
    if (text.size() != 1)
        return std::nullopt;
    return static_cast<std::int16_t>(text.front().unicode());
}

std::optional<std::int16_t> ButtonKeyAscii(const QKeyEvent& event) {
    // The keys on which the toolkit's buttons press themselves, whatever modifiers are held.
    if (event.key() == Qt::Key_Space || event.key() == Qt::Key_Select)
        return kKeySpace;
    return KeyAscii(event);
}

std::optional<std::int16_t> KeyCode(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kKeyEnter;
    case Qt::Key_Space:
        return kKeySpace;
    case Qt::Key_PageUp:
        return kKeyPageUp;
    case Qt::Key_PageDown:
        return kKeyPageDown;
    case Qt::Key_End:
        return kKeyEnd;
    case Qt::Key_Home:
        return kKeyHome;
    case Qt::Key_Left:
        return kKeyLeft;
    case Qt::Key_Up:
        return kKeyUp;
    case Qt::Key_Right:
        return kKeyRight;
    case Qt::Key_Down:
        return kKeyDown;
    default:
        return std::nullopt;
    }
}

bool IsFocusMoveInsideWindow(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace tessavundo
