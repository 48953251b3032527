// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// settings_store_probe FOLDER get KEY [DEFAULT]   prints "text:" and the value, or "not text"
// settings_store_probe FOLDER save KEY TEXT...    saves the pairs in one write; exits with 0
//                                                 when saved, 1 when refused
// FOLDER "-" is the platform's per-user location. Application "ColorPicker", section "position".
#include "platform/store/ini_file_settings_store.h"
#include "platform/store/user_settings_store.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4)
        return 2;
    const QString section = "position";
    const std::unique_ptr<tessavundo::SettingsStore> store =
        args[1] == "-"
            ? tessavundo::CreateUserSettingsStore("ColorPicker", section)
            : std::make_unique<tessavundo::IniFileSettingsStore>(
                  QFile::encodeName(args[1] + "/ColorPicker.conf").toStdString(), section);
    if (args[2] == "get") {
        const auto text = store->GetSetting(args[3], args.value(4));
        const QByteArray output = text ? ("text:" + *text).toUtf8() : QByteArray("not text");
        std::fwrite(output.constData(), 1, static_cast<std::size_t>(output.size()), stdout);
        return 0;
    }
    if (args[2] == "save" && args.size() % 2 == 1) {
        QList<std::pair<QString, QString>> keyedTexts;
        for (qsizetype i = 3; i < args.size(); i += 2)
            keyedTexts.append({args[i], args[i + 1]});
        return store->SaveSettings(keyedTexts) ? 0 : 1;
    }
    return 2;
}
