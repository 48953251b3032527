// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/screen/magnifier_placement.h"

#include <algorithm>

namespace tessavundo {
namespace {

// The start of the view along one axis: after the pointer where it fits, else before it,
// else on the side with more room, kept on the monitor.
int PlaceAlong(int pointer, int length, int first, int last, int clearance) {
    const int after = pointer + clearance + 1;
    const int before = pointer - clearance - length;
    if (after + length - 1 <= last)
        return after;
    if (before >= first)
        return before;
    const int start = last - pointer >= pointer - first ? after : before;
    return std::clamp(start, first, std::max(first, last - length + 1));
}

} // namespace

QPoint MagnifierWindowPlace(QPoint pointer, QSize view, const QRect& monitor, int clearance) {
    return {PlaceAlong(pointer.x(), view.width(), monitor.left(), monitor.right(), clearance),
            PlaceAlong(pointer.y(), view.height(), monitor.top(), monitor.bottom(), clearance)};
}

} // namespace tessavundo
