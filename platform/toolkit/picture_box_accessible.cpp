// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/picture_box_accessible.h"

#include "platform/toolkit/picture_box.h"

namespace tessavundo {

PictureBoxAccessible::PictureBoxAccessible(PictureBox* box)
    : QAccessibleWidget(box) {}

PictureBox* PictureBoxAccessible::Box() const {
    return static_cast<PictureBox*>(widget());
}

QAccessible::Role PictureBoxAccessible::role() const {
    return Box()->AccessibleRole();
}

QString PictureBoxAccessible::text(QAccessible::Text t) const {
    const PictureBox& box = *Box();
    if ((t == QAccessible::Description || t == QAccessible::Value) && box.BackColorWords())
        return box.BackColorWords()(box.BackColor());
    if (t == QAccessible::Value && box.Marker())
        return box.Marker()->words();
    return QAccessibleWidget::text(t);
}

void* PictureBoxAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface && Box()->Marker())
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QStringList PictureBoxAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (role() == QAccessible::Button)
        names.prepend(pressAction());
    return names;
}

void PictureBoxAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && role() == QAccessible::Button)
        emit Box()->Click();
    else
        QAccessibleWidget::doAction(actionName);
}

QVariant PictureBoxAccessible::currentValue() const {
    const auto& marker = Box()->Marker();
    return marker ? QVariant(marker->current()) : QVariant();
}

void PictureBoxAccessible::setCurrentValue(const QVariant& value) {
    const auto& marker = Box()->Marker();
    bool isNumber = false;
    const double number = value.toDouble(&isNumber);
    // Outside its range a value is no place on the box.
    if (marker && isNumber && number >= marker->minimum && number <= marker->maximum)
        marker->set(number);
}

QVariant PictureBoxAccessible::maximumValue() const {
    const auto& marker = Box()->Marker();
    return marker ? QVariant(marker->maximum) : QVariant();
}

QVariant PictureBoxAccessible::minimumValue() const {
    const auto& marker = Box()->Marker();
    return marker ? QVariant(marker->minimum) : QVariant();
}

QVariant PictureBoxAccessible::minimumStepSize() const {
    const auto& marker = Box()->Marker();
    return marker ? QVariant(marker->step) : QVariant();
}

QAccessibleInterface* CreatePictureBoxAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(PictureBox::staticMetaObject.className()))
        return nullptr;
    return new PictureBoxAccessible(static_cast<PictureBox*>(object));
}

} // namespace tessavundo
