// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string>

namespace tessavundo {

// The desktop's permission to share the screen again without its dialog: the restore token of
// the last screen-cast session, kept in a file of its own beside, never among, the settings.
// A missing, unreadable or malformed file holds no token; a file that cannot be written costs
// only the dialog next time.
class RestoreTokenFile {
public:
    // The file screen-cast-token in the program's folder of the user's state folder.
    static RestoreTokenFile OfUser();

    // An empty path keeps no token.
    explicit RestoreTokenFile(std::string path);

    [[nodiscard]] QString Read() const;
    // Replaced as the settings file is, so a crash leaves the old token or the new one; an
    // empty token empties the file.
    void Write(const QString& token) const;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

} // namespace tessavundo
