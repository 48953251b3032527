// settings_store_probe FOLDER get KEY [DEFAULT]   prints "text:" and the value, or "not text"
// settings_store_probe FOLDER save KEY TEXT       exits with 0 when saved, 1 when refused
// FOLDER "-" is the platform's per-user location. Application "ColorPicker", section "position".
#include "platform/store/qt_settings_store.h"

#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

int main(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4)
        return 2;
    tessavundo::QtSettingsStore store(args[1] == "-" ? QString() : args[1]);
    const QString application = "ColorPicker";
    const QString section = "position";
    if (args[2] == "get") {
        const auto text = store.GetSetting(application, section, args[3], args.value(4));
        std::fputs(text ? ("text:" + *text).toUtf8().constData() : "not text", stdout);
        return 0;
    }
    if (args[2] == "save" && args.size() == 5)
        return store.SaveSetting(application, section, args[3], args[4]) ? 0 : 1;
    return 2;
}
