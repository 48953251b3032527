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
    // A family named and installed with a bold face is the one shown, which is known without
    // loading the face: that waits until the caption is first drawn, after the window is up.
    // Only another name (an alias, or a family the system replaces) needs the face loaded to
    // learn what it becomes.
    if (HasBoldFace(font.family()) || HasBoldFace(QFontInfo(font).family()))
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
