// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "bench/table/machine.h"

#include <QFile>
#include <QStringList>
#include <QSysInfo>
#include <QThread>

namespace tessavundo::table {
namespace {

// The value of the first "name : value" line of /proc/cpuinfo with that name.
QString CpuInfoField(const QByteArray& cpuInfo, const QByteArray& name) {
    for (const QByteArray& line : cpuInfo.split('\n')) {
        const auto colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed() == name)
            return QString::fromUtf8(line.mid(colon + 1).trimmed());
    }
    return {};
}

} // namespace

QString DescribeMachine() {
    QFile file(QStringLiteral("/proc/cpuinfo"));
    const QByteArray cpuInfo = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const QStringList flags = CpuInfoField(cpuInfo, "flags").split(QLatin1Char(' '));
    QStringList sets;
    for (const char* set : {"avx512f", "avx512bw", "avx2", "fma"})
        if (flags.contains(QLatin1String(set)))
            sets << QString::fromLatin1(set).toUpper();
    return QStringLiteral("%1, %2 logical cores (%3); %4 %5, Qt %6")
        .arg(CpuInfoField(cpuInfo, "model name"))
        .arg(QThread::idealThreadCount())
        .arg(sets.isEmpty() ? QStringLiteral("no AVX2, FMA or AVX-512")
                            : sets.join(QLatin1String(", ")),
             QSysInfo::kernelType(), QSysInfo::kernelVersion(), QString::fromLatin1(qVersion()));
}

} // namespace tessavundo::table
