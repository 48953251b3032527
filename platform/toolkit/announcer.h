// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessible>
#include <QObject>
#include <QString>

class QWidget;

namespace tessavundo {

// Tells a screen reader a short message without moving the focus, such as the color that
// sampling leaves. Qt 6.4 sends a changed name or description to AT-SPI with the object in
// place of the new text, and Orca cannot speak that; a notification that shows itself Orca
// speaks by its name. The notification is no child of the window, so that the window's
// controls stay as they were to a screen reader.
class Announcer : public QObject {
    Q_OBJECT

public:
    explicit Announcer(QWidget* window);

    // Says the message once control returns to the event loop; an empty one says nothing.
    void Announce(const QString& message);
    // The last message, which the notification is named.
    QString Message() const { return message_; }
    QWidget* Window() const;

private:
    QString message_;
};

// The announcer's accessible interface, for the toolkit's accessibility factories.
QAccessibleInterface* CreateAnnouncerAccessible(const QString& className, QObject* object);

} // namespace tessavundo
