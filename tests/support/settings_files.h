// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

// Settings files as tests lay them out and inspect them.

#include "settings/settings_keys.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <QTest>
#include <sys/stat.h>

namespace tessavundo::testing {

// The nine keys the picker keeps, in the order it saves them: the position, the color and the
// six swatches.
inline const QStringList kNineKeys = [] {
    QStringList keys;
    for (std::string_view key : {settings_keys::kLeft, settings_keys::kTop, settings_keys::kColor})
        keys.append(QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
    for (std::string_view key : settings_keys::kSwatches)
        keys.append(QString::fromLatin1(key.data(), static_cast<qsizetype>(key.size())));
    return keys;
}();

// Noise of a fixed seed, for a settings file damaged beyond reading.
inline QByteArray RandomBytes(qsizetype size, quint32 seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator generator(seed);
    generator.fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

inline void WriteFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(content), content.size());
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Sets a file's permission bits, as chmod does.
inline void SetMode(const QString& path, int mode) {
    QVERIFY2(::chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(mode)) == 0,
             qPrintable(path));
}

// Every entry of a folder, hidden ones included: a failed write must leave nothing behind.
inline QStringList FolderEntries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace tessavundo::testing
