// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

namespace tessavundo::testing {

// What the next message box showed.
struct ShownMessage {
    bool found = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QMessageBox::StandardButton> buttons;
    QStringList buttonTexts;
};

// The message box is modal, so it is looked at from a timer inside its own event loop and then
// closed with its OK button (or rejected when it has none). Call before what opens the box.
inline void InspectNextMessageBox(ShownMessage& shown, int triesLeft = 200) {
    QTimer::singleShot(
        10,
        [&shown, triesLeft] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                if (triesLeft > 0)
                    InspectNextMessageBox(shown, triesLeft - 1);
                return;
            }
            shown.found = true;
            shown.title = box->windowTitle();
            shown.text = box->text();
            shown.icon = box->icon();
            for (QAbstractButton* button : box->buttons()) {
                shown.buttons << box->standardButton(button);
                shown.buttonTexts << button->text();
            }
            if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                QTest::mouseClick(ok, Qt::LeftButton);
            else
                box->reject();
        });
}

} // namespace tessavundo::testing
