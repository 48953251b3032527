// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <functional>
#include <optional>
#include <string>

namespace tessavundo {

// A settings file on a POSIX file system, named by the bytes of its path, so that a folder
// name that is no valid text is still the same folder. Only a regular file, or a symbolic link
// to one, is ever read or replaced; anything else at the path (a device, a FIFO, a socket, a
// folder, a link to one of them) is never opened in a way that can block, and never written.
class SettingsFile {
public:
    explicit SettingsFile(std::string path);

    struct Content {
        enum class State { Missing, Read, Unreadable };
        State state = State::Missing;
        QByteArray bytes;
    };

    const std::string& Path() const { return path_; }

    Content Read() const;

    // Replaces the file with what `makeContent` makes of its current content, read again under
    // a lock on the folder so that two copies of the program do not lose each other's other
    // sections. The new content goes to a temporary file beside it, written in full and
    // synced, and is renamed over the file only then: afterwards the file is either the old one,
    // byte for byte, or the new one. A link to a regular file is kept and its target replaced.
    // Returns why it could not be replaced, or nothing when it was.
    std::optional<std::string>
    Replace(const std::function<QByteArray(const Content& current)>& makeContent) const;

private:
    std::string path_;
};

} // namespace tessavundo
