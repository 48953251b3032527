#include "platform/toggle.h"

#include "platform/input_codes.h"

namespace tessavundo {

Toggle::Toggle(QWidget* parent)
    : QPushButton(parent) {
    setCheckable(true);
    connect(this, &QAbstractButton::toggled, this, &Toggle::Click);
}

void Toggle::keyPressEvent(QKeyEvent* event) {
    if (auto keyAscii = ButtonKeyAscii(*event))
        emit KeyPress(*keyAscii);
    QPushButton::keyPressEvent(event);
}

void Toggle::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    if (IsFocusMoveInsideWindow(event->reason()))
        emit LostFocus();
}

} // namespace tessavundo
