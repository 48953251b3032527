// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QKeyEvent>
#include <cstdint>
#include <optional>

namespace tessavundo {

// The codes of the keys the window's routines answer besides the characters they type; a key's
// character code (KeyAscii) and its key code (KeyCode) are the same number for these.
inline constexpr std::int16_t kKeyEnter = 13;
inline constexpr std::int16_t kKeyEscape = 27;
inline constexpr std::int16_t kKeySpace = 32;
// Key codes of the keys that move a marker; they type no character.
inline constexpr std::int16_t kKeyPageUp = 33;
inline constexpr std::int16_t kKeyPageDown = 34;
inline constexpr std::int16_t kKeyEnd = 35;
inline constexpr std::int16_t kKeyHome = 36;
inline constexpr std::int16_t kKeyLeft = 37;
inline constexpr std::int16_t kKeyUp = 38;
inline constexpr std::int16_t kKeyRight = 39;
inline constexpr std::int16_t kKeyDown = 40;

// Mouse buttons as bits.
inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;
inline constexpr std::int16_t kMiddleButton = 4;
// Modifier keys as bits.
inline constexpr std::int16_t kShiftMask = 1;
inline constexpr std::int16_t kControlMask = 2;
inline constexpr std::int16_t kAltMask = 4;

std::int16_t ButtonCode(Qt::MouseButtons buttons);
std::int16_t ShiftCode(Qt::KeyboardModifiers modifiers);
// The character code of a typed key (kKeyEnter, kKeyEscape, kKeySpace, each whatever
// modifiers are held, or the character it types), or nothing for a key that types no character.
std::optional<std::int16_t> KeyAscii(const QKeyEvent& event);
// The same for a key pressed on a button: every key the button presses itself on counts as
// Space, so that the key routine hears what the button then does.
std::optional<std::int16_t> ButtonKeyAscii(const QKeyEvent& event);
// The code of the keys the routines look at beyond the characters they type: kKeyEnter (either
// key), kKeySpace, the arrows, Home, End, Page Up and Page Down; nothing for any other key.
std::optional<std::int16_t> KeyCode(const QKeyEvent& event);
// Focus moves between the window's own controls count; the window being deactivated or a popup
// opening does not.
bool IsFocusMoveInsideWindow(Qt::FocusReason reason);

} // namespace tessavundo
