// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tessavundo::table {

// What the figures were measured on: processor, cores, the instruction sets the shade field
// can use, kernel and Qt version.
QString DescribeMachine();

} // namespace tessavundo::table
