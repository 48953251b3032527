// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/toggle.h"

#include "platform/toolkit/button_face.h"
#include "platform/toolkit/input_codes.h"

#include <QAccessibleWidget>

namespace tessavundo {

namespace {

// A graphical check box: screen readers say its name, "check box" and whether it is checked,
// and speak each change of that state (which the button announces itself when it flips). As a
// toggle button Orca would say neither the state nor its changes.
class ToggleAccessible : public QAccessibleWidget {
public:
    explicit ToggleAccessible(Toggle* toggle)
        : QAccessibleWidget(toggle, QAccessible::CheckBox) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Button()->isChecked();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList{toggleAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override {
        if (actionName == toggleAction() || actionName == pressAction())
            Button()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    Toggle* Button() const { return static_cast<Toggle*>(widget()); }
};

} // namespace

QAccessibleInterface* CreateToggleAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(Toggle::staticMetaObject.className()))
        return nullptr;
    return new ToggleAccessible(static_cast<Toggle*>(object));
}

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

void Toggle::paintEvent(QPaintEvent*) {
    PaintButtonFace(*this);
}

void Toggle::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    if (IsFocusMoveInsideWindow(event->reason()))
        emit LostFocus();
}

} // namespace tessavundo
