#include "platform/picture_box_accessible.h"

#include "platform/picture_box.h"

namespace tessavundo {

PictureBoxAccessible::PictureBoxAccessible(PictureBox* box)
    : QAccessibleWidget(box) {}

PictureBox* PictureBoxAccessible::Box() const {
    return static_cast<PictureBox*>(widget());
}

QAccessible::Role PictureBoxAccessible::role() const {
    return Box()->AccessibleRole();
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

QAccessibleInterface* CreatePictureBoxAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(PictureBox::staticMetaObject.className()))
        return nullptr;
    return new PictureBoxAccessible(static_cast<PictureBox*>(object));
}

} // namespace tessavundo
