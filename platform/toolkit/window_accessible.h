// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

namespace tessavundo {

// What assistive technology sees of a top-level window: a window, whose children are the
// controls it may ever show. A control hidden on purpose, such as a button that only names a
// routine, is no part of the tree; Qt's own interface would list it as a child that is not
// showing.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QList<QWidget*> Controls() const;
};

// The interface of a top-level widget that carries the class info kControlWindowClassInfo.
QAccessibleInterface* CreateWindowAccessible(const QString& className, QObject* object);

} // namespace tessavundo
