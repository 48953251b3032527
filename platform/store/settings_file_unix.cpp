// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/store/settings_file_unix.h"

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <variant>

namespace tessavundo {

namespace {

// Another copy of the program holds the lock only while it saves, a few milliseconds; one that
// hangs must not keep this copy from saving.
constexpr auto kLockWait = std::chrono::seconds(2);
constexpr auto kLockRetry = std::chrono::milliseconds(10);
constexpr mode_t kNewFolderMode = 0700;
constexpr mode_t kNewFileMode = 0666;
constexpr std::size_t kReadChunk = std::size_t{64} * 1024;
constexpr int kTemporaryNameAttempts = 16;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1)
        : fd_(fd) {}
    FileDescriptor(FileDescriptor&& other) noexcept
        : fd_(std::exchange(other.fd_, -1)) {}
    FileDescriptor& operator=(FileDescriptor&&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }

    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // Closes now, so that an error of the last write that only close reports is seen.
    bool Close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

std::string Reason(const char* step, int error) {
    return std::string(step) + ": " + std::strerror(error);
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file that is really read and replaced: the path itself, or the regular file a symbolic
// link at it leads to.
struct Target {
    std::string path;
    bool exists = false;
};

std::variant<Target, std::string> ResolveTarget(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return Target{path, false};
        return Reason("cannot look at it", errno);
    }
    if (S_ISREG(status.st_mode))
        return Target{path, true};
    if (!S_ISLNK(status.st_mode))
        return std::string("it is not a regular file");
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved) == nullptr)
        return Reason("cannot follow the link", errno);
    if (::lstat(resolved, &status) != 0)
        return Reason("cannot look at the link's target", errno);
    if (!S_ISREG(status.st_mode))
        return std::string("the link leads to something that is not a regular file");
    return Target{resolved, true};
}

// Opens a regular file for reading without ever blocking on it and without following a link
// that appeared since it was resolved.
std::variant<FileDescriptor, int> OpenRegular(int folder, const std::string& name,
                                              struct stat& status) {
    FileDescriptor fd(
        ::openat(folder, name.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC | O_NOCTTY));
    if (!fd.IsOpen())
        return errno;
    if (::fstat(fd.Get(), &status) != 0)
        return errno;
    if (!S_ISREG(status.st_mode))
        return EINVAL;
    return fd;
}

std::optional<QByteArray> ReadAll(int fd) {
    QByteArray bytes;
    char chunk[kReadChunk];
    for (;;) {
        const ssize_t count = ::read(fd, chunk, sizeof chunk);
        if (count == 0)
            return bytes;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        bytes.append(chunk, static_cast<qsizetype>(count));
    }
}

bool WriteAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    auto left = static_cast<std::size_t>(bytes.size());
    while (left > 0) {
        const ssize_t count = ::write(fd, data, left);
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += count;
        left -= static_cast<std::size_t>(count);
    }
    return true;
}

// Creates the folder and the folders above it that are missing, private to the user as the
// desktop's base directory rules ask.
bool MakeFolders(const std::string& folder) {
    struct stat status {};
    if (::stat(folder.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return true;
        errno = ENOTDIR;
        return false;
    }
    if (errno != ENOENT)
        return false;
    const std::string parent = FolderOf(folder);
    if (parent != folder && !MakeFolders(parent))
        return false;
    return ::mkdir(folder.c_str(), kNewFolderMode) == 0 || errno == EEXIST;
}

bool LockFolder(int folder) {
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    while (::flock(folder, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(kLockRetry);
    }
    return true;
}

std::string TemporaryPrefix(const std::string& name) {
    return "." + name + ".";
}

constexpr std::string_view kTemporarySuffix = ".tmp";

// Temporary files of saves that were killed before their rename. Only called under the lock,
// so no other copy of the program is writing one at the moment.
void RemoveLeftTemporaries(int folder, const std::string& name) {
    const int scanned = ::dup(folder);
    if (scanned < 0)
        return;
    DIR* entries = ::fdopendir(scanned);
    if (entries == nullptr) {
        ::close(scanned);
        return;
    }
    const std::string prefix = TemporaryPrefix(name);
    while (const dirent* entry = ::readdir(entries)) {
        const std::string_view entryName(entry->d_name);
        if (entryName.size() > prefix.size() + kTemporarySuffix.size() &&
            entryName.substr(0, prefix.size()) == prefix &&
            entryName.substr(entryName.size() - kTemporarySuffix.size()) == kTemporarySuffix)
            ::unlinkat(folder, entry->d_name, 0);
    }
    ::closedir(entries);
}

std::variant<FileDescriptor, std::string> CreateTemporary(int folder, const std::string& name,
                                                          std::string& temporaryName) {
    std::random_device entropy;
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temporaryName =
            TemporaryPrefix(name) + std::to_string(entropy()) + std::string(kTemporarySuffix);
        FileDescriptor fd(::openat(folder, temporaryName.c_str(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                                   kNewFileMode));
        if (fd.IsOpen())
            return fd;
        if (errno != EEXIST)
            return Reason("cannot create a temporary file beside it", errno);
    }
    return std::string("cannot find a free name for a temporary file beside it");
}

} // namespace

SettingsFile::SettingsFile(std::string path)
    : path_(std::move(path)) {}

SettingsFile::Content SettingsFile::Read() const {
    if (path_.empty())
        return {Content::State::Missing, {}};
    const auto target = ResolveTarget(path_);
    if (std::holds_alternative<std::string>(target))
        return {Content::State::Unreadable, {}};
    const Target& file = std::get<Target>(target);
    if (!file.exists)
        return {Content::State::Missing, {}};
    struct stat status {};
    const auto opened = OpenRegular(AT_FDCWD, file.path, status);
    if (const int* error = std::get_if<int>(&opened))
        return {*error == ENOENT ? Content::State::Missing : Content::State::Unreadable, {}};
    auto bytes = ReadAll(std::get<FileDescriptor>(opened).Get());
    if (!bytes)
        return {Content::State::Unreadable, {}};
    return {Content::State::Read, std::move(*bytes)};
}

std::optional<std::string>
SettingsFile::Replace(const std::function<QByteArray(const Content& current)>& makeContent) const {
    if (path_.empty())
        return std::string("no home folder is known");
    const auto resolved = ResolveTarget(path_);
    if (const auto* reason = std::get_if<std::string>(&resolved))
        return *reason;
    const Target& target = std::get<Target>(resolved);
    const std::string folderPath = FolderOf(target.path);
    const std::string name = NameOf(target.path);
    if (!target.exists && !MakeFolders(folderPath))
        return Reason("cannot create its folder", errno);
    const FileDescriptor folder(
        ::open(folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOCTTY));
    if (!folder.IsOpen())
        return Reason("cannot open its folder", errno);
    // Held until the folder is closed. Without it (another copy holds it too long) the save
    // still goes on: the rename keeps the file whole either way.
    if (LockFolder(folder.Get()))
        RemoveLeftTemporaries(folder.Get(), name);

    Content current;
    struct stat status {};
    auto opened = OpenRegular(folder.Get(), name, status);
    if (const int* error = std::get_if<int>(&opened)) {
        if (*error == ELOOP || *error == EINVAL)
            return std::string("it is not a regular file");
        if (*error != ENOENT)
            return Reason("cannot read it", *error);
    } else {
        auto bytes = ReadAll(std::get<FileDescriptor>(opened).Get());
        if (!bytes)
            return Reason("cannot read it", errno);
        current = {Content::State::Read, std::move(*bytes)};
        // A file made read-only is kept as it is, although its folder would let it be
        // replaced.
        if (::faccessat(folder.Get(), name.c_str(), W_OK, AT_EACCESS) != 0)
            return Reason("cannot write it", errno);
    }
    const QByteArray content = makeContent(current);

    std::string temporaryName;
    auto created = CreateTemporary(folder.Get(), name, temporaryName);
    if (const auto* reason = std::get_if<std::string>(&created))
        return *reason;
    FileDescriptor temporary = std::move(std::get<FileDescriptor>(created));
    auto fail = [&](const char* step) {
        const int error = errno;
        ::unlinkat(folder.Get(), temporaryName.c_str(), 0);
        return Reason(step, error);
    };
    if (current.state == Content::State::Read) {
        // The new file keeps the old one's permissions and, where this is allowed, its owner.
        if (::fchmod(temporary.Get(), status.st_mode & 07777) != 0)
            return fail("cannot give the new file the old one's permissions");
        if (::fchown(temporary.Get(), status.st_uid, status.st_gid) != 0 && errno != EPERM)
            return fail("cannot give the new file the old one's owner");
    }
    if (!WriteAll(temporary.Get(), content))
        return fail("cannot write the new content");
    if (::fsync(temporary.Get()) != 0)
        return fail("cannot flush the new content to the disk");
    if (!temporary.Close())
        return fail("cannot write the new content");
    if (::renameat(folder.Get(), temporaryName.c_str(), folder.Get(), name.c_str()) != 0)
        return fail("cannot put the new file in place");
    // The rename is on the disk only once the folder is. It has been made either way, so a
    // folder that cannot be synced (some file systems refuse) is no failure to report.
    ::fsync(folder.Get());
    return std::nullopt;
}

} // namespace tessavundo
