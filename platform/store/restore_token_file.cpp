// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/store/restore_token_file.h"

#include "platform/store/settings_file_unix.h"
#include "platform/store/user_folders_unix.h"

#include <algorithm>
#include <utility>

namespace tessavundo {

namespace {

// Desktops hand out UUIDs; anything far longer, or not plain printable ASCII, was not written
// by this program and is no token.
constexpr qsizetype kLongestToken = 1024;

bool IsTokenText(const QByteArray& bytes) {
    return !bytes.isEmpty() && bytes.size() <= kLongestToken &&
           std::all_of(
               bytes.begin(), bytes.end(), [](char c) { return c > ' ' && c < 127; });
}

} // namespace

RestoreTokenFile RestoreTokenFile::OfUser() {
    const std::string folder = UserStateFolder();
    return RestoreTokenFile(folder.empty() ? std::string()
                                           : folder + "/tessavundo/screen-cast-token");
}

RestoreTokenFile::RestoreTokenFile(std::string path)
    : path_(std::move(path)) {}

QString RestoreTokenFile::Read() const {
    if (path_.empty())
        return {};
    const SettingsFile::Content content = SettingsFile(path_).Read();
    if (content.state != SettingsFile::Content::State::Read)
        return {};
    const QByteArray token = content.bytes.trimmed();
    return IsTokenText(token) ? QString::fromLatin1(token) : QString();
}

void RestoreTokenFile::Write(const QString& token) const {
    if (path_.empty())
        return;
    const QByteArray bytes = token.toLatin1();
    // A token that is not kept means one more dialog, nothing else: the failure is not reported.
    (void)SettingsFile(path_).Replace([&](const SettingsFile::Content&) {
        return IsTokenText(bytes) ? bytes + '\n' : QByteArray();
    });
}

} // namespace tessavundo
