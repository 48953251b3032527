// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/bold_font.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace tessavundo {
namespace {

// Windows' dialog faces since Vista and XP, then faces most desktops have.
const char* const kFamiliesWithBold[] = {"Segoe UI", "Tahoma",    "Microsoft Sans Serif",
                                         "Arial",    "Noto Sans", "DejaVu Sans"};

} // namespace

bool HasBoldFace(const QString& family) {
    for (const QString& style : QFontDatabase::styles(family))
        if (QFontDatabase::weight(family, style) >= QFont::Bold)
            return true;
    return false;
}

QFont BoldFont(QFont font) {
    font.setBold(true);
    if (HasBoldFace(QFontInfo(font).family()))
        return font;
    for (const char* name : kFamiliesWithBold) {
        const QString family = QString::fromLatin1(name);
        if (HasBoldFace(family)) {
            font.setFamilies({family});
            return font;
        }
    }
    // Nothing better: the toolkit emboldens the face as well as it can.
    return font;
}

} // namespace tessavundo
