#pragma once

#include <QPoint>

namespace tessavundo {

// Whether a window of the given width, with its frame's top-left at `topLeft`, would have part
// of its title band inside the available area of some screen, so that the user can still reach
// and drag it.
bool IsTitleBandReachable(QPoint topLeft, int width);

} // namespace tessavundo
