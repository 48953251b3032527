#pragma once

#include <QString>

// Where the picker keeps its state between runs. The names are what earlier versions stored,
// so they stay as they are.
namespace tessavundo::settings_keys {

inline const QString kApplication = QStringLiteral("ColorPicker");
inline const QString kSection = QStringLiteral("position");
inline const QString kLeft = QStringLiteral("left");
inline const QString kTop = QStringLiteral("top");
inline const QString kColor = QStringLiteral("color");

// "col1" .. "col6" for swatches 1 to 6.
inline QString SwatchKey(int swatchNumber) {
    return QStringLiteral("col%1").arg(swatchNumber);
}

} // namespace tessavundo::settings_keys
