// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

#include "platform/store/registry_values.h"

#include <memory>
#include <type_traits>
#include <vector>
#include <windows.h>

namespace tessavundo {
namespace {

struct KeyCloser {
    void operator()(HKEY key) const { ::RegCloseKey(key); }
};
using OpenKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

LPCWSTR Wide(const QString& text) {
    return reinterpret_cast<LPCWSTR>(text.utf16());
}

// A value as the registry holds it, to be put back after a failed write.
struct RawValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

// The value's type and bytes; nullopt when it does not exist or cannot be read. The value may
// grow between asking for its size and reading it, so the read is repeated until it fits.
std::optional<RawValue> ReadRawValue(HKEY key, const QString& name) {
    RawValue value;
    DWORD size = 0;
    LSTATUS status = ::RegQueryValueExW(key, Wide(name), nullptr, &value.type, nullptr, &size);
    while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
        value.data.resize(size);
        status =
            ::RegQueryValueExW(key, Wide(name), nullptr, &value.type, value.data.data(), &size);
        if (status == ERROR_SUCCESS) {
            value.data.resize(size);
            return value;
        }
    }
    return std::nullopt;
}

bool WriteRawValue(HKEY key, const QString& name, DWORD type, const BYTE* data, std::size_t size) {
    return ::RegSetValueExW(key, Wide(name), 0, type, data, static_cast<DWORD>(size)) ==
           ERROR_SUCCESS;
}

bool WriteText(HKEY key, const QString& name, const QString& text) {
    // REG_SZ data ends with its NUL character, which utf16() provides.
    return WriteRawValue(key, name, REG_SZ, reinterpret_cast<const BYTE*>(text.utf16()),
                         (static_cast<std::size_t>(text.size()) + 1) * sizeof(char16_t));
}

// Puts back what `name` held before this program wrote it, or removes it when it was absent.
void Restore(HKEY key, const QString& name, const std::optional<RawValue>& earlier) {
    if (earlier)
        WriteRawValue(key, name, earlier->type, earlier->data.data(), earlier->data.size());
    else
        ::RegDeleteValueW(key, Wide(name));
}

} // namespace

std::optional<QString> ReadRegistryText(const QString& keyPath, const QString& name) {
    HKEY handle = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, Wide(keyPath), 0, KEY_QUERY_VALUE, &handle) !=
        ERROR_SUCCESS)
        return std::nullopt;
    const OpenKey key(handle);
    const std::optional<RawValue> value = ReadRawValue(key.get(), name);
    if (!value || value->type != REG_SZ)
        return std::nullopt;
    // Stored data need not end with its NUL, nor have an even length; the text ends at the first
    // NUL, as Windows's own readers end it.
    const auto* characters = reinterpret_cast<const char16_t*>(value->data.data());
    const qsizetype count = static_cast<qsizetype>(value->data.size() / sizeof(char16_t));
    qsizetype length = 0;
    while (length < count && characters[length] != u'\0')
        ++length;
    return QString::fromUtf16(characters, length);
}

bool WriteRegistryTexts(const QString& keyPath,
                        const QList<std::pair<QString, QString>>& namedTexts) {
    for (const auto& [name, text] : namedTexts)
        if (text.contains(QChar(u'\0')))
            return false;
    HKEY handle = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, Wide(keyPath), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &handle,
                          nullptr) != ERROR_SUCCESS)
        return false;
    const OpenKey key(handle);
    std::vector<std::pair<QString, std::optional<RawValue>>> written;
    for (const auto& [name, text] : namedTexts) {
        std::optional<RawValue> earlier = ReadRawValue(key.get(), name);
        if (!WriteText(key.get(), name, text)) {
            for (auto it = written.rbegin(); it != written.rend(); ++it)
                Restore(key.get(), it->first, it->second);
            return false;
        }
        written.emplace_back(name, std::move(earlier));
    }
    return true;
}

} // namespace tessavundo
