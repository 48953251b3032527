// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/announcer.h"

#include <QAccessibleObject>
#include <QTimer>
#include <QWidget>

namespace tessavundo {

namespace {

class AnnouncerAccessible : public QAccessibleObject {
public:
    explicit AnnouncerAccessible(Announcer* announcer)
        : QAccessibleObject(announcer) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(Self().Window());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? Self().Message() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    const Announcer& Self() const { return *static_cast<const Announcer*>(object()); }
};

} // namespace

QAccessibleInterface* CreateAnnouncerAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String(Announcer::staticMetaObject.className()))
        return nullptr;
    return new AnnouncerAccessible(static_cast<Announcer*>(object));
}

Announcer::Announcer(QWidget* window)
    : QObject(window) {}

QWidget* Announcer::Window() const {
    return static_cast<QWidget*>(parent());
}

// The message goes out after what the change that prompts it tells a screen reader (a toggle's
// state, say): Orca cuts short what it is saying for each new thing, and the message is the one
// to be heard in full.
void Announcer::Announce(const QString& message) {
    message_ = message;
    if (message.isEmpty())
        return;
    QTimer::singleShot(0, this, [this] {
        if (!QAccessible::isActive())
            return;
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    });
}

} // namespace tessavundo
