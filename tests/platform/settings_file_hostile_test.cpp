// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

// The settings file on hostile file systems: things that are no regular file at its path, links,
// a full disk, a folder name that is no valid text and a home folder the environment does not
// name. Device nodes and file systems are made in private temporary folders only.
#include "platform/store/ini_file_settings_store.h"
#include "platform/store/user_settings_store.h"
#include "tests/platform/settings_store_probe_run.h"
#include "tests/support/settings_files.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using tessavundo::IniFileSettingsStore;
using namespace tessavundo::testing;

namespace {

const QString kFileName = QStringLiteral("ColorPicker.conf");
const QString kSection = QStringLiteral("position");
const QByteArray kGoodFile = "[position]\ncolor=65280\nleft=1500\ntop=3000\n";
const QList<std::pair<QString, QString>> kNewValues = {
    {"left", "15"}, {"top", "30"}, {"color", "255"}};

QByteArray Bytes(const QString& path) {
    return QFile::encodeName(path);
}

IniFileSettingsStore StoreAt(const QByteArray& file) {
    return IniFileSettingsStore(file.toStdString(), kSection);
}

// What stands at a path, without following a link.
struct Entry {
    mode_t type = 0;
    dev_t device = 0;
    QByteArray linkTarget;
    bool operator==(const Entry&) const = default;
};

Entry EntryAt(const QByteArray& path) {
    struct stat status {};
    if (::lstat(path.constData(), &status) != 0)
        return {};
    Entry entry{status.st_mode & S_IFMT, status.st_rdev, {}};
    if (S_ISLNK(status.st_mode)) {
        char target[PATH_MAX];
        const ssize_t size = ::readlink(path.constData(), target, sizeof target);
        entry.linkTarget = QByteArray(target, size < 0 ? 0 : static_cast<qsizetype>(size));
    }
    return entry;
}

// Every name in a folder, as bytes.
QList<QByteArray> RawEntries(const QByteArray& folder) {
    QList<QByteArray> names;
    DIR* dir = ::opendir(folder.constData());
    if (dir == nullptr)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

// Restores an environment variable the test changed, also when it fails half-way.
class ScopedEnvironment {
public:
    explicit ScopedEnvironment(const char* name)
        : name_(name)
        , had_(std::getenv(name) != nullptr)
        , value_(had_ ? std::getenv(name) : "") {}
    ~ScopedEnvironment() {
        if (had_)
            ::setenv(name_, value_.constData(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray value_;
};

} // namespace

class SettingsFileHostileTest : public QObject {
    Q_OBJECT

private slots:
    void notRegularFileIsNeverTouched_data();
    void notRegularFileIsNeverTouched();
    void linkToFileElsewhereIsFollowed();
    void fullDiskKeepsTheOldFile();
    void folderNameThatIsNoText();
    void homeFromThePasswordDatabase();
};

void SettingsFileHostileTest::notRegularFileIsNeverTouched_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("throughLink");
    for (const bool link : {false, true}) {
        const QString suffix = link ? QStringLiteral(", through a link") : QString();
        for (const QString kind : {"FIFO", "socket", "folder", "character device", "block device"})
            QTest::newRow(qPrintable(kind + suffix)) << kind << link;
    }
    QTest::newRow("link to nothing") << QStringLiteral("nothing") << true;
}

void SettingsFileHostileTest::notRegularFileIsNeverTouched() {
    QFETCH(QString, kind);
    QFETCH(bool, throughLink);
    QTemporaryDir dir;
    const QByteArray file = Bytes(dir.filePath(kFileName));
    const QByteArray thing = throughLink ? Bytes(dir.filePath("elsewhere")) : file;
    if (kind == "FIFO") {
        QCOMPARE(::mkfifo(thing.constData(), 0600), 0);
    } else if (kind == "socket") {
        const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        QVERIFY(static_cast<std::size_t>(thing.size()) < sizeof address.sun_path);
        std::memcpy(address.sun_path, thing.constData(), static_cast<std::size_t>(thing.size()));
        QCOMPARE(::bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        ::close(server);
    } else if (kind == "folder") {
        QCOMPARE(::mkdir(thing.constData(), 0700), 0);
    } else if (kind.endsWith("device")) {
        // The numbers of the null device, but a node of the test's own.
        const mode_t type = kind.startsWith("block") ? S_IFBLK : S_IFCHR;
        if (::mknod(thing.constData(), type | 0600, makedev(1, 3)) != 0)
            QSKIP("Making a device node needs root (CAP_MKNOD)");
    }
    if (throughLink)
        QCOMPARE(::symlink(thing.constData(), file.constData()), 0);
    const Entry before = EntryAt(file);
    const QList<QByteArray> entriesBefore = RawEntries(Bytes(dir.path()));

    QElapsedTimer clock;
    clock.start();
    IniFileSettingsStore store = StoreAt(file);
    QCOMPARE(store.GetSetting("color", "255"), QString("255"));
    QCOMPARE(store.GetSetting("left"), QString());
    QVERIFY(!store.SaveSettings(kNewValues));
    // Opening a FIFO for reading would wait for a writer for ever.
    QVERIFY(clock.elapsed() < 5000);

    QVERIFY(EntryAt(file) == before);
    if (throughLink && kind != "nothing")
        QCOMPARE(EntryAt(thing).type, kind == "FIFO"             ? S_IFIFO
                                      : kind == "socket"         ? S_IFSOCK
                                      : kind == "folder"         ? S_IFDIR
                                      : kind.startsWith("block") ? S_IFBLK
                                                                 : S_IFCHR);
    QCOMPARE(RawEntries(Bytes(dir.path())), entriesBefore);
    if (kind == "folder")
        QVERIFY(RawEntries(thing).isEmpty());
}

void SettingsFileHostileTest::linkToFileElsewhereIsFollowed() {
    // Dotfile managers keep the real file in a folder of their own and link to it.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("dotfiles"));
    QVERIFY(QDir(dir.path()).mkdir("config"));
    const QString target = dir.filePath("dotfiles/" + kFileName);
    WriteFile(target, "[other]\nkept=1\n\n" + kGoodFile);
    QVERIFY(::chmod(Bytes(target).constData(), 0640) == 0);
    const QByteArray link = Bytes(dir.filePath("config/" + kFileName));
    QCOMPARE(::symlink("../dotfiles/" + kFileName.toUtf8(), link.constData()), 0);
    const Entry linkBefore = EntryAt(link);

    IniFileSettingsStore store = StoreAt(link);
    QCOMPARE(store.GetSetting("color"), QString("65280"));
    QVERIFY(store.SaveSettings(kNewValues));

    QVERIFY(EntryAt(link) == linkBefore);
    QCOMPARE(ReadFile(target), "[other]\nkept=1\n\n[position]\ncolor=255\nleft=15\ntop=30\n");
    struct stat status {};
    QCOMPARE(::stat(Bytes(target).constData(), &status), 0);
    QCOMPARE(status.st_mode & 07777, mode_t(0640));
    QCOMPARE(FolderEntries(dir.filePath("dotfiles")), QStringList{kFileName});
    QCOMPARE(FolderEntries(dir.filePath("config")), QStringList{kFileName});
}

void SettingsFileHostileTest::fullDiskKeepsTheOldFile() {
    if (::geteuid() != 0)
        QSKIP("Mounting a small file system to fill needs root");
    QTemporaryDir dir;
    const QByteArray mountPoint = Bytes(dir.path());
    if (::mount("tessavundo-test", mountPoint.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                "size=64k,mode=0700") != 0)
        QSKIP("This machine does not allow mounting a tmpfs here (a container without "
              "CAP_SYS_ADMIN)");
    struct Unmount {
        QByteArray point;
        ~Unmount() { ::umount2(point.constData(), MNT_DETACH); }
    } unmount{mountPoint};

    const QString file = dir.filePath(kFileName);
    WriteFile(file, kGoodFile);
    // Fills every block left, so that the next block written has no room.
    QFile filler(dir.filePath("filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();

    const ProbeRun run = RunProbe({dir.path(), "save", "left", "15", "top", "30", "color", "255"},
                                  QProcessEnvironment::systemEnvironment());
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(ReadFile(file), kGoodFile);
    QCOMPARE(FolderEntries(dir.path()), QStringList({kFileName, "filler"}));
    // One line that names the file and the reason.
    QCOMPARE(run.errors.count('\n'), 1);
    QVERIFY2(run.errors.contains(Bytes(file)) && run.errors.contains(std::strerror(ENOSPC)),
             run.errors.constData());
}

void SettingsFileHostileTest::folderNameThatIsNoText() {
    QTemporaryDir dir;
    // "für" in Latin-1 and a byte no text has: no valid UTF-8.
    const QByteArray configHome = Bytes(dir.path()) + "/f\xfcr-\xff";
    QCOMPARE(::mkdir(configHome.constData(), 0700), 0);
    // QTemporaryDir cannot remove a name that is no text.
    struct RemoveConfigHome {
        QByteArray folder;
        ~RemoveConfigHome() {
            ::unlink((folder + "/ColorPicker.conf").constData());
            ::rmdir(folder.constData());
        }
    } removeConfigHome{configHome};
    const ScopedEnvironment restore("XDG_CONFIG_HOME");
    QCOMPARE(::setenv("XDG_CONFIG_HOME", configHome.constData(), 1), 0);

    QVERIFY(tessavundo::CreateUserSettingsStore("ColorPicker", kSection)->SaveSettings(kNewValues));
    QCOMPARE(tessavundo::CreateUserSettingsStore("ColorPicker", kSection)->GetSetting("color"),
             QString("255"));
    // The same folder, byte for byte, and no other one made beside it.
    QCOMPARE(RawEntries(configHome), QList<QByteArray>{kFileName.toUtf8()});
    QCOMPARE(RawEntries(Bytes(dir.path())), QList<QByteArray>{"f\xfcr-\xff"});
}

void SettingsFileHostileTest::homeFromThePasswordDatabase() {
    // The user's home folder must not be written, so the store runs as nobody, whose home
    // folder does not exist: the failed save names the file it tried.
    const passwd* nobody = ::getpwnam("nobody");
    if (::geteuid() != 0 || nobody == nullptr ||
        QStandardPaths::findExecutable("setpriv").isEmpty())
        QSKIP("Needs root, the user nobody and setpriv, to run without HOME away from the "
              "user's files");
    const QByteArray nobodyHome = nobody->pw_dir;
    if (QFileInfo::exists(QFile::decodeName(nobodyHome)) || nobodyHome == "/")
        QSKIP("The home folder of nobody exists here, and the test must not write into it");

    QProcessEnvironment environment; // neither HOME nor XDG_CONFIG_HOME
    environment.insert("PATH", qEnvironmentVariable("PATH"));
    const ProbeRun run = RunProbe({"-", "save", "color", "255"}, environment, true);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.errors.contains(": the settings were not saved to " + nobodyHome +
                                 "/.config/ColorPicker.conf: "),
             run.errors.constData());
}

QTEST_GUILESS_MAIN(SettingsFileHostileTest)
#include "settings_file_hostile_test.moc"
