// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>
#include <optional>
#include <utility>

namespace tessavundo {

// Text values in the registry of the current user, under a key path below HKEY_CURRENT_USER
// such as "Software\\VB and VBA Program Settings\\ColorPicker\\position".

// The REG_SZ value `name` of the key; nullopt when the key or the value does not exist, when
// the value holds another type (a number, REG_EXPAND_SZ, binary data) or cannot be read.
std::optional<QString> ReadRegistryText(const QString& keyPath, const QString& name);

// Stores every (name, text) pair as a REG_SZ value of the key, creating the key as needed. All or
// nothing: when one value cannot be written, the values written before it get their earlier
// contents back (or are deleted again when they did not exist) and false is returned. A text
// holding a NUL character cannot be a REG_SZ value whole, so such a list is refused unwritten.
bool WriteRegistryTexts(const QString& keyPath,
                        const QList<std::pair<QString, QString>>& namedTexts);

} // namespace tessavundo
