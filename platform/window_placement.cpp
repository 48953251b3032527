#include "platform/window_placement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

namespace tessavundo {

namespace {
// About the height of a title bar; enough of it must be visible to grab.
constexpr int kTitleBandHeight = 20;
} // namespace

bool IsTitleBandReachable(QPoint topLeft, int width) {
    const QRect titleBand(topLeft, QSize(width, kTitleBandHeight));
    const auto screens = QGuiApplication::screens();
    for (const QScreen* screen : screens)
        if (screen->availableGeometry().intersects(titleBand))
            return true;
    return false;
}

} // namespace tessavundo
