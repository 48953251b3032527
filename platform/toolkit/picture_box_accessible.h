// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

namespace tessavundo {

class PictureBox;

// What assistive technology sees of a picture box: the role the box was given; for a box that
// acts as a button a press action that clicks it; for a box that shows a color that color in
// words; and for a box with a marker the marker's position as a value.
class PictureBoxAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit PictureBoxAccessible(PictureBox* box);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    PictureBox* Box() const;
};

// Qt builds the accessible interface of a widget through factories chosen by class name.
QAccessibleInterface* CreatePictureBoxAccessible(const QString& className, QObject* object);

} // namespace tessavundo
