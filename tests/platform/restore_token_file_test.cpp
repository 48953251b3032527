// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The screen cast's restore token in its file of the user's state folder: kept and read back,
// dropped, and whatever else is found there taken for no token.
#include "platform/store/restore_token_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace tessavundo;

class RestoreTokenFileTest : public QObject {
    Q_OBJECT

private slots:
    void liesInTheStateFolder_data();
    void liesInTheStateFolder();
    void keptDroppedAndReadBack();
    void anythingElseIsNoToken_data();
    void anythingElseIsNoToken();
};

void RestoreTokenFileTest::liesInTheStateFolder_data() {
    QTest::addColumn<QByteArray>("stateHome");
    QTest::addColumn<QString>("expected");
    // clang-format off
    QTest::newRow("XDG_STATE_HOME") << QByteArray("/state")
        << "/state/tessavundo/screen-cast-token";
    QTest::newRow("unset") << QByteArray()
        << "/home/tester/.local/state/tessavundo/screen-cast-token";
    QTest::newRow("relative: ignored") << QByteArray("state")
        << "/home/tester/.local/state/tessavundo/screen-cast-token";
    // clang-format on
}

void RestoreTokenFileTest::liesInTheStateFolder() {
    QFETCH(QByteArray, stateHome);
    QFETCH(QString, expected);
    const QByteArray home = qgetenv("HOME");
    const QByteArray state = qgetenv("XDG_STATE_HOME");
    qputenv("HOME", "/home/tester");
    if (stateHome.isNull())
        qunsetenv("XDG_STATE_HOME");
    else
        qputenv("XDG_STATE_HOME", stateHome);
    const std::string path = RestoreTokenFile::OfUser().Path();
    qputenv("HOME", home);
    qputenv("XDG_STATE_HOME", state);
    QCOMPARE(QString::fromStdString(path), expected);
}

void RestoreTokenFileTest::keptDroppedAndReadBack() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state/tessavundo/screen-cast-token"));
    const RestoreTokenFile file(path.toStdString());
    QVERIFY(file.Read().isEmpty());

    const QString token = QStringLiteral("0f3c2e4a-6b1d-4c8e-9a7f-2d5b8e1c3a60");
    file.Write(token);
    QCOMPARE(file.Read(), token);
    // The folder is made for this user alone, as the settings' folder is.
    QCOMPARE(QFileInfo(QFileInfo(path).path()).permissions() &
                 (QFileDevice::ReadGroup | QFileDevice::ReadOther),
             QFileDevice::Permissions());

    file.Write(QString());
    QVERIFY(file.Read().isEmpty());
    QVERIFY(QFile::exists(path));
    // No temporary file is left beside it.
    QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files), QStringList{"screen-cast-token"});
}

void RestoreTokenFileTest::anythingElseIsNoToken_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("blanks") << QByteArray(" \n\t\n");
    QTest::newRow("two words") << QByteArray("token other\n");
    QTest::newRow("binary") << QByteArray("\x01\xff\xfe token", 9);
    QTest::newRow("not ASCII") << QByteArray("t\xc3\xb6ken\n");
    QTest::newRow("far too long") << QByteArray(100000, 'a');
}

void RestoreTokenFileTest::anythingElseIsNoToken() {
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("screen-cast-token"));
    QFile raw(path);
    QVERIFY(raw.open(QIODevice::WriteOnly));
    raw.write(content);
    raw.close();
    QVERIFY(RestoreTokenFile(path.toStdString()).Read().isEmpty());
    // A token that is no text is never written either.
    RestoreTokenFile(path.toStdString()).Write(QStringLiteral("t\u00f6ken"));
    QVERIFY(RestoreTokenFile(path.toStdString()).Read().isEmpty());
}

QTEST_GUILESS_MAIN(RestoreTokenFileTest)
#include "restore_token_file_test.moc"
