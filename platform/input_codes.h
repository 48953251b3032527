// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QKeyEvent>
#include <cstdint>
#include <optional>

namespace tessavundo {

// The character codes of the keys the window's routines answer besides the characters they
// type.
inline constexpr std::int16_t kKeyEnter = 13;
inline constexpr std::int16_t kKeyEscape = 27;
inline constexpr std::int16_t kKeySpace = 32;

// Mouse buttons as bits: 1 left, 2 right, 4 middle.
std::int16_t ButtonCode(Qt::MouseButtons buttons);
// Modifier keys as bits: 1 shift, 2 control, 4 alt.
std::int16_t ShiftCode(Qt::KeyboardModifiers modifiers);
// The character code of a typed key (kKeyEnter, kKeyEscape, kKeySpace, each whatever
// modifiers are held, or the character it types), or nothing for a key that types no character.
std::optional<std::int16_t> KeyAscii(const QKeyEvent& event);
// The same for a key pressed on a button: every key the button presses itself on counts as
// Space, so that the key routine hears what the button then does.
std::optional<std::int16_t> ButtonKeyAscii(const QKeyEvent& event);
// The code of the keys the routines look at beyond the characters they type: 13 Enter (either
// key), 32 Space; nothing for any other key.
std::optional<std::int16_t> KeyCode(const QKeyEvent& event);
// Focus moves between the window's own controls count; the window being deactivated or a popup
// opening does not.
bool IsFocusMoveInsideWindow(Qt::FocusReason reason);

} // namespace tessavundo
