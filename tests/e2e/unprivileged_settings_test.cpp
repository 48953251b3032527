// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The real picker, run as an unprivileged user, with a settings file it may not read or a
// settings folder it may not write: the window opens, and closing it ends the program normally
// and leaves the file as it was.
#include "tests/e2e/picker_session.h"
#include "tests/support/settings_files.h"

#include <QFile>
#include <QStandardPaths>
#include <sys/stat.h>

using namespace tessavundo::e2e;
using tessavundo::testing::ReadFile;
using tessavundo::testing::SetMode;

namespace {

const QString kFileName = QStringLiteral("ColorPicker.conf");

} // namespace

class UnprivilegedSettingsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startsAndClosesWithoutAccess_data();
    void startsAndClosesWithoutAccess();
};

void UnprivilegedSettingsTest::initTestCase() {
    if (QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
        QSKIP("setpriv is not installed, so the picker cannot run as an unprivileged user");
}

void UnprivilegedSettingsTest::startsAndClosesWithoutAccess_data() {
    QTest::addColumn<int>("folderMode");
    QTest::addColumn<int>("fileMode"); // -1: no file
    QTest::addColumn<QRgb>("preview");
    QTest::newRow("unreadable file") << 0777 << 0222 << qRgb(255, 0, 0);
    QTest::newRow("unwritable folder") << 0555 << 0644 << qRgb(0, 255, 0);
    QTest::newRow("unwritable folder, no file yet") << 0555 << -1 << qRgb(255, 0, 0);
}

void UnprivilegedSettingsTest::startsAndClosesWithoutAccess() {
    QFETCH(int, folderMode);
    QFETCH(int, fileMode);
    QFETCH(QRgb, preview);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString folder = dir.filePath(QStringLiteral("config"));
    const QString file = folder + QLatin1Char('/') + kFileName;
    const QByteArray content = "[position]\ncolor=65280\ncol1=255\n";
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("config")));
    if (fileMode >= 0) {
        QFile settings(file);
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(content);
        settings.close();
        SetMode(file, fileMode);
    }
    SetMode(folder, folderMode);
    SetMode(dir.path(), 0755);

    PickerSession picker(folder);
    picker.RunAsNobody();
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    picker.Focus();
    E2E_TRY_COMPARE(PreviewColor(picker), preview);
    QVERIFY2(picker.Close(), "the picker did not end normally when its window was closed");

    SetMode(folder, 0755);
    if (fileMode >= 0)
        QCOMPARE(ReadFile(file), content);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             fileMode >= 0 ? QStringList{kFileName} : QStringList{});
}

QTEST_GUILESS_MAIN(UnprivilegedSettingsTest)
#include "unprivileged_settings_test.moc"
