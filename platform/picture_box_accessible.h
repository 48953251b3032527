#pragma once

#include <QAccessibleWidget>

namespace tessavundo {

class PictureBox;

// What assistive technology sees of a picture box: the role the box was given, and for a box
// that acts as a button a press action that clicks it.
class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* box);

    QAccessible::Role role() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    PictureBox* Box() const;
};

// Qt builds the accessible interface of a widget through factories chosen by class name.
QAccessibleInterface* CreatePictureBoxAccessible(const QString& className, QObject* object);

} // namespace tessavundo
