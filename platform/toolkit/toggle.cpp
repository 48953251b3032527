// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/toggle.h"

#include "platform/toolkit/input_codes.h"

#include <QAccessibleWidget>

namespace tessavundo {

namespace {

// Qt announces a checkable push button as a check box. A button that is checkable, and pressed
// while checked, is how toggle buttons are told apart from check boxes on every platform.
class ToggleAccessible : public QAccessibleWidget {
public:
    explicit ToggleAccessible(Toggle* toggle)
        : QAccessibleWidget(toggle, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Button()->isChecked();
        state.pressed = Button()->isChecked();
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

QAccessibleInterface* CreateToggleAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(Toggle::staticMetaObject.className()))
        return nullptr;
    return new ToggleAccessible(static_cast<Toggle*>(object));
}

} // namespace

Toggle::Toggle(QWidget* parent)
    : QPushButton(parent) {
    // Once per program: assistive technology asks this factory for the toggle's interface.
    [[maybe_unused]] static const bool accessibleFactoryInstalled = [] {
        QAccessible::installFactory(&CreateToggleAccessible);
        return true;
    }();
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
