// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/window_accessible.h"

#include "platform/toolkit/accessibility.h"

#include <QWidget>

namespace tessavundo {

WindowAccessible::WindowAccessible(QWidget* window)
    : QAccessibleWidget(window, QAccessible::Window) {}

QList<QWidget*> WindowAccessible::Controls() const {
    QList<QWidget*> controls;
    for (QObject* child : widget()->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control && !control->isWindow() && !control->isHidden())
            controls.append(control);
    }
    return controls;
}

int WindowAccessible::childCount() const {
    return static_cast<int>(Controls().size());
}

QAccessibleInterface* WindowAccessible::child(int index) const {
    const QList<QWidget*> controls = Controls();
    if (index < 0 || index >= controls.size())
        return nullptr;
    return QAccessible::queryAccessibleInterface(controls.at(index));
}

int WindowAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child || !child->object())
        return -1;
    return static_cast<int>(Controls().indexOf(qobject_cast<QWidget*>(child->object())));
}

QAccessibleInterface* CreateWindowAccessible(const QString& className, QObject* object) {
    // Asked once for each class of the object's hierarchy; only its own class answers.
    const QMetaObject* meta = object->metaObject();
    if (className != QLatin1String(meta->className()) || !object->isWidgetType() ||
        meta->indexOfClassInfo(kControlWindowClassInfo) < 0)
        return nullptr;
    return new WindowAccessible(static_cast<QWidget*>(object));
}

} // namespace tessavundo
