#include "platform/picture_box.h"
#include "platform/settings_store.h"
#include "platform/shape.h"
#include "platform/timer.h"
#include "platform/toggle.h"
#include "settings/setting_values.h"
#include "settings/settings_keys.h"
#include "ui/form1.h"

namespace tessavundo {

namespace keys = settings_keys;

// Shut-down. Closing always proceeds; a value that cannot be written is skipped and the next
// one is still attempted.
void Form1::Form_Unload(bool& /*cancel*/) {
    if (Check1->Value() == 1) {
        Timer1->SetEnabled(false);
        Check1->SetValue(0);
        // The last sampled screen color is dropped: the color chosen on the shade field is the
        // one that is kept.
        Picture3->SetBackColor(Picture1->Point(Shape1->Left() + 2, Shape1->Top() + 2));
    }

    SettingsStore& store = services_.settings;
    const std::string separator = DecimalSeparator();
    auto save = [&](const QString& key, const std::string& text) {
        store.SaveSetting(keys::kApplication, keys::kSection, key, QString::fromStdString(text));
    };
    save(keys::kLeft, FormatSingleSetting(Left(), separator));
    save(keys::kTop, FormatSingleSetting(Top(), separator));
    save(keys::kColor, FormatInteger32Setting(Picture3->BackColor()));
    int number = 1;
    for (const PictureBox* swatch : Swatches())
        save(keys::SwatchKey(number++), FormatInteger32Setting(swatch->BackColor()));
}

} // namespace tessavundo
