// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/store/ini_file_settings_store.h"
#include "tests/platform/settings_store_probe_run.h"
#include "tests/support/settings_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using tessavundo::IniFileSettingsStore;
using namespace tessavundo::testing;

namespace {

const QString kSection = "position";
const QString kFileName = "ColorPicker.conf";

// The picker's section of the settings file in `folder`, or another section of it.
IniFileSettingsStore Store(const QString& folder, const QString& section = kSection) {
    return IniFileSettingsStore(QFile::encodeName(folder + "/" + kFileName).toStdString(), section);
}

bool Save(IniFileSettingsStore&& store, const QString& key, const QString& text) {
    return store.SaveSettings({{key, text}});
}
bool Save(IniFileSettingsStore& store, const QString& key, const QString& text) {
    return store.SaveSettings({{key, text}});
}

} // namespace

class SettingsStoreTest : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data();
    void roundTrip();
    void nineValuesAsEarlierVersionsWroteThem();
    void nineKeysShareOneSection();
    void missingKeyGivesDefault();
    void readsAsQtReads_data();
    void readsAsQtReads();
    void valueThatIsNotOneText_data();
    void valueThatIsNotOneText();
    void hostileStoreIsLeftIntact_data();
    void hostileStoreIsLeftIntact();
    void damagedStoreIsRepaired_data();
    void damagedStoreIsRepaired();
    void largeFileKeepsItsOtherContent();
    void platformLocationIgnoresSystemFiles();
    void refusedWriteAsUnprivilegedUser_data();
    void refusedWriteAsUnprivilegedUser();
};

void SettingsStoreTest::roundTrip_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("left") << "left" << "1920";
    QTest::newRow("top") << "top" << "-300";
    QTest::newRow("color") << "color" << "255";
    QTest::newRow("col1") << "col1" << "16711680";
    QTest::newRow("col2") << "col2" << "16777215";
    QTest::newRow("col3 system color") << "col3" << "-2147483643";
    QTest::newRow("col4") << "col4" << "0";
    QTest::newRow("col5 decimal comma") << "col5" << "1,5";
    QTest::newRow("col6 empty") << "col6" << "";
    QTest::newRow("comma and space") << "color" << "a, b";
    QTest::newRow("looks like a byte array") << "color" << "@ByteArray(x)";
    QTest::newRow("surrounding blanks") << "color" << " 255 ";
    QTest::newRow("quotes") << "color" << "\"255\"";
    QTest::newRow("comment and hash") << "color" << ";#FF0000";
    QTest::newRow("line break and backslash") << "color" << "a\nb\\c";
    QTest::newRow("section bracket") << "color" << "[position]";
    QTest::newRow("non-ASCII") << "color" << QString::fromUtf8("grün ✓");
    QTest::newRow("NUL inside") << "color" << QString::fromUtf16(u"a\0b", 3);
    QTest::newRow("escape before a hex digit") << "color" << QString::fromUtf16(u"\x1f" u"a1", 3);
    // clang-format on
}

void SettingsStoreTest::roundTrip() {
    QFETCH(QString, key);
    QFETCH(QString, text);
    QTemporaryDir dir;
    QVERIFY(Save(Store(dir.path()), key, text));

    QCOMPARE(Store(dir.path()).GetSetting(key, "default"), text);
    const ProbeRun probe = RunProbe({dir.path(), "get", key, "default"});
    QCOMPARE(probe.exitCode, 0);
    QCOMPARE(probe.output, "text:" + text);

    // Earlier versions wrote and read the file through QSettings: the same file comes out of
    // both, and each reads what the other wrote.
    QTemporaryDir qtDir;
    {
        QSettings qt(qtDir.filePath(kFileName), QSettings::IniFormat);
        qt.setValue(kSection + "/" + key, text);
    }
    QCOMPARE(ReadFile(dir.filePath(kFileName)), ReadFile(qtDir.filePath(kFileName)));
    QCOMPARE(Store(qtDir.path()).GetSetting(key, "default"), text);
    const QSettings qt(dir.filePath(kFileName), QSettings::IniFormat);
    QCOMPARE(qt.value(kSection + "/" + key), QVariant(text));
}

void SettingsStoreTest::nineValuesAsEarlierVersionsWroteThem() {
    QTemporaryDir dir;
    const QStringList texts = {"1920", "-300",  "255",     "16711680", "-2147483643",
                               "0",    "65280", "8421504", "16777215"};
    QList<std::pair<QString, QString>> keyedTexts;
    for (qsizetype i = 0; i < kNineKeys.size(); ++i)
        keyedTexts.append({kNineKeys[i], texts[i]});
    QVERIFY(Store(dir.path()).SaveSettings(keyedTexts));

    QCOMPARE(ReadFile(dir.filePath(kFileName)),
             "[position]\ncol1=16711680\ncol2=-2147483643\ncol3=0\ncol4=65280\ncol5=8421504\n"
             "col6=16777215\ncolor=255\nleft=1920\ntop=-300\n");
    // Saving again over a file with other sections, comments and blanks written by hand.
    WriteFile(dir.filePath(kFileName), "; mine\n[zz]\na = 1\n\n[position]\nleft=5\nextra=x\n"
                                       "[General]\nroot=2\n");
    QVERIFY(Save(Store(dir.path()), "top", "7"));
    QCOMPARE(ReadFile(dir.filePath(kFileName)),
             "[General]\nroot=2\n\n[position]\nextra=x\nleft=5\ntop=7\n\n[zz]\na= 1\n");
}

void SettingsStoreTest::nineKeysShareOneSection() {
    QTemporaryDir dir;
    IniFileSettingsStore store = Store(dir.path());
    for (const QString& key : kNineKeys)
        QVERIFY(Save(store, key, key + "-first"));
    QVERIFY(Save(store, "color", "16711680"));
    QVERIFY(Save(Store(dir.path(), "elsewhere"), "color", "0"));

    for (const QString& key : kNineKeys) {
        const QString expected = key == "color" ? "16711680" : key + "-first";
        QCOMPARE(Store(dir.path()).GetSetting(key), expected);
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{kFileName});
    QVERIFY(ReadFile(dir.filePath(kFileName)).startsWith("[elsewhere]\ncolor=0\n\n[position]\n"));
}

void SettingsStoreTest::missingKeyGivesDefault() {
    QTemporaryDir dir;
    IniFileSettingsStore store = Store(dir.path());
    // No file at all yet.
    QCOMPARE(store.GetSetting("color", "255"), QString("255"));
    QCOMPARE(store.GetSetting("left"), QString(""));

    WriteFile(dir.filePath(kFileName), "[position]\ntop=7\n[other]\ncolor=1\n");
    IniFileSettingsStore reread = Store(dir.path());
    QCOMPARE(reread.GetSetting("color", "255"), QString("255"));
    QCOMPARE(reread.GetSetting("left"), QString(""));
    QCOMPARE(Store(dir.path(), "absent").GetSetting("top", "x"), QString("x"));
    QCOMPARE(reread.GetSetting("top", "x"), QString("7"));
}

void SettingsStoreTest::readsAsQtReads_data() {
    QTest::addColumn<QByteArray>("content");
    // clang-format off
    QTest::newRow("CR LF line ends") << QByteArray("[position]\r\nleft=1500\r\ntop=7\r\n");
    QTest::newRow("blanks and tabs") << QByteArray("  [position]\n\tleft = 1500 \ntop\t=\t7\n");
    QTest::newRow("comments") << QByteArray("; note\n[position]\nleft=1500 ; old\ntop=\"7;8\"\n");
    QTest::newRow("continued line") << QByteArray("[position]\nleft=15\\\n00\ntop=7\n");
    QTest::newRow("key twice") << QByteArray("[position]\nleft=1\nleft=2\n");
    QTest::newRow("section twice")
        << QByteArray("[position]\nleft=1\n[other]\ntop=5\n[position]\ntop=2\n");
    QTest::newRow("other case") << QByteArray("[Position]\nleft=1\n[position]\nLEFT=2\ntop=3\n");
    QTest::newRow("escaped names") << QByteArray("[%70osition]\n%6Ceft=1\nco%U006Cor=2\n");
    QTest::newRow("general section")
        << QByteArray("left=9\n[General]\ntop=8\n[position]\ncolor=1\n");
    QTest::newRow("escapes") << QByteArray("[position]\nleft=\\x41\\101\\t\\q\ntop=\"  a \"  \n");
    QTest::newRow("nothing but a header") << QByteArray("[position]");
    // clang-format on
}

void SettingsStoreTest::readsAsQtReads() {
    // Files written by hand or by other programs read here as they read in QSettings, which
    // earlier versions of the picker read them with.
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    WriteFile(dir.filePath(kFileName), content);
    IniFileSettingsStore store = Store(dir.path());
    QSettings qt(dir.filePath(kFileName), QSettings::IniFormat);
    qt.beginGroup(kSection);
    for (const QString& key : kNineKeys) {
        const QVariant expected = qt.contains(key) ? qt.value(key) : QVariant(QString("missing"));
        const auto value = store.GetSetting(key, "missing");
        QVERIFY2(value.has_value() == (expected.typeId() == QMetaType::QString), qPrintable(key));
        QCOMPARE(value.value_or(QString()), value ? expected.toString() : QString());
    }
}

void SettingsStoreTest::valueThatIsNotOneText_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("isText");
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("unquoted list") << QByteArray("color=a, b") << false << "";
    QTest::newRow("byte array") << QByteArray("color=@ByteArray(255)") << false << "";
    QTest::newRow("rectangle") << QByteArray("color=@Rect(1 2 3 4)") << false << "";
    QTest::newRow("invalid") << QByteArray("color=@Invalid()") << false << "";
    QTest::newRow("unknown variant") << QByteArray("color=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x3QTr)")
        << false << "";
    QTest::newRow("quoted list") << QByteArray("color=\"a, b\"") << true << "a, b";
    QTest::newRow("escaped at sign") << QByteArray("color=@@255") << true << "@255";
    QTest::newRow("present but empty") << QByteArray("color=") << true << "";
    QTest::newRow("invalid UTF-8") << QByteArray("color=\xff\xfe") << true << "\ufffd\ufffd";
    // clang-format on
}

void SettingsStoreTest::valueThatIsNotOneText() {
    QFETCH(QByteArray, line);
    QFETCH(bool, isText);
    QFETCH(QString, text);
    QTemporaryDir dir;
    WriteFile(dir.filePath(kFileName), "[position]\nleft=1500\n" + line + "\ntop=9\n");
    IniFileSettingsStore store = Store(dir.path());

    const auto value = store.GetSetting("color", "255");
    QCOMPARE(value.has_value(), isText);
    QCOMPARE(value.value_or(""), text);
    // A bad value costs only itself.
    QCOMPARE(store.GetSetting("left"), QString("1500"));
    QCOMPARE(store.GetSetting("top"), QString("9"));
}

void SettingsStoreTest::hostileStoreIsLeftIntact_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("relativeFolder");
    // A file named "blocker" sits in the temporary folder when relativeFolder runs through it.
    QTest::newRow("folder instead of file") << QByteArray() << "";
    QTest::newRow("folder path through a file") << QByteArray("not a folder") << "blocker/sub";
}

void SettingsStoreTest::hostileStoreIsLeftIntact() {
    QFETCH(QByteArray, content);
    QFETCH(QString, relativeFolder);
    QTemporaryDir dir;
    const QString blocker =
        relativeFolder.isEmpty() ? dir.filePath(kFileName) : dir.filePath("blocker");
    const bool folderInstead = content.isEmpty();
    if (folderInstead)
        QVERIFY(QDir(dir.path()).mkdir(kFileName));
    else
        WriteFile(blocker, content);
    IniFileSettingsStore store = Store(dir.filePath(relativeFolder));

    for (const QString& key : kNineKeys) {
        // Whatever the file holds, nothing of it reads as the program's settings.
        const auto value = store.GetSetting(key, "default");
        QVERIFY(!value || *value == "default" || (key == "left" && *value == "1500"));
    }
    QVERIFY(!Save(store, "color", "255"));

    QCOMPARE(QFileInfo(blocker).isDir(), folderInstead);
    if (!folderInstead)
        QVERIFY(ReadFile(blocker) == content);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QFileInfo(blocker).fileName()});
}

void SettingsStoreTest::damagedStoreIsRepaired_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("random bytes") << RandomBytes(64 * 1024, 1);
    QTest::newRow("random bytes, 20 MB") << RandomBytes(20 * 1024 * 1024, 2);
    QTest::newRow("truncated section header") << QByteArray("[position]\nleft=1500\n[posi");
}

void SettingsStoreTest::damagedStoreIsRepaired() {
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    WriteFile(dir.filePath(kFileName), content);
    IniFileSettingsStore store = Store(dir.path());

    for (const QString& key : kNineKeys) {
        const auto value = store.GetSetting(key, "default");
        QVERIFY(!value || *value == "default" || (key == "left" && *value == "1500"));
    }
    // The picker can save again, and the file it leaves is a whole one.
    QVERIFY(Save(store, "color", "255"));
    IniFileSettingsStore reopened = Store(dir.path());
    QCOMPARE(reopened.GetSetting("color"), QString("255"));
    // What the damage looked like is not written back.
    QVERIFY(QFileInfo(dir.filePath(kFileName)).size() < 1024);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{kFileName});
}

void SettingsStoreTest::largeFileKeepsItsOtherContent() {
    QTemporaryDir dir;
    const QByteArray blob(20 * 1024 * 1024, 'x');
    WriteFile(dir.filePath(kFileName), "[other]\nblob=" + blob + "\n\n[position]\nleft=7\n");
    IniFileSettingsStore store = Store(dir.path());

    QCOMPARE(store.GetSetting("left"), QString("7"));
    QVERIFY(Save(store, "top", "8"));
    QCOMPARE(store.GetSetting("top"), QString("8"));
    QVERIFY(ReadFile(dir.filePath(kFileName)).contains("blob=" + blob + "\n"));
}

void SettingsStoreTest::platformLocationIgnoresSystemFiles() {
#if !defined(Q_OS_UNIX) || defined(Q_OS_MACOS)
    QSKIP("The per-user store is an INI file in XDG_CONFIG_HOME only on Linux and the BSDs");
#endif
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath("system"));
    WriteFile(dir.filePath("system/" + kFileName), "[position]\ncolor=16711680\nleft=5\n");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", dir.path());
    environment.insert("XDG_CONFIG_HOME", dir.filePath("user"));
    environment.insert("XDG_CONFIG_DIRS", dir.filePath("system"));

    QCOMPARE(RunProbe({"-", "get", "color", "255"}, environment).output, "text:255");
    QCOMPARE(RunProbe({"-", "save", "color", "65280"}, environment).exitCode, 0);
    QCOMPARE(ReadFile(dir.filePath("user/" + kFileName)), "[position]\ncolor=65280\n");
    QCOMPARE(RunProbe({"-", "get", "left", "none"}, environment).output, "text:none");
}

void SettingsStoreTest::refusedWriteAsUnprivilegedUser_data() {
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("fileMode"); // -1: no file
    QTest::addColumn<QString>("left");
    // The file itself is writable, so only a write that replaces the file as a whole fails.
    QTest::newRow("read-only folder") << 0555 << 0666 << "text:1500";
    QTest::newRow("read-only file") << 0777 << 0444 << "text:1500";
    QTest::newRow("unreadable file") << 0777 << 0222 << "text:default";
    QTest::newRow("new file in read-only folder") << 0555 << -1 << "text:default";
}

void SettingsStoreTest::refusedWriteAsUnprivilegedUser() {
    QFETCH(int, folderMode);
    QFETCH(int, fileMode);
    QFETCH(QString, left);
    if (::geteuid() == 0 && QStandardPaths::findExecutable("setpriv").isEmpty())
        QSKIP("Running as root, which ignores permissions, and setpriv is not installed");
    QTemporaryDir dir;
    const QString folder = dir.filePath("settings");
    const QString file = folder + "/" + kFileName;
    const QByteArray content = "[position]\nleft=1500\ntop=2\n";
    QVERIFY(QDir(dir.path()).mkdir("settings"));
    SetMode(dir.path(), 0755);
    if (fileMode >= 0) {
        WriteFile(file, content);
        SetMode(file, fileMode);
    }
    SetMode(folder, folderMode);

    QCOMPARE(RunProbe({folder, "get", "left", "default"}, {}, true).output, left);
    QCOMPARE(RunProbe({folder, "save", "top", "3"}, {}, true).exitCode, 1);

    SetMode(folder, 0755);
    SetMode(dir.path(), 0700);
    if (fileMode >= 0)
        QCOMPARE(ReadFile(file), content);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             fileMode >= 0 ? QStringList{kFileName} : QStringList{});
}

QTEST_GUILESS_MAIN(SettingsStoreTest)
#include "settings_store_test.moc"
