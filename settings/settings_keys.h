// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string_view>

// Where the picker keeps its state between runs. The names are what earlier versions stored,
// so they stay as they are.
namespace tessavundo::settings_keys {

inline constexpr std::string_view kApplication = "ColorPicker";
inline constexpr std::string_view kSection = "position";
inline constexpr std::string_view kLeft = "left";
inline constexpr std::string_view kTop = "top";
inline constexpr std::string_view kColor = "color";
// Swatches 1 to 6.
inline constexpr std::array<std::string_view, 6> kSwatches = {"col1", "col2", "col3",
                                                              "col4", "col5", "col6"};

} // namespace tessavundo::settings_keys
