// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// What a picture box paints: a one-pixel outline around its image, the same with or without the
// focus (the window rings the focused box outside it).
#include "platform/toolkit/focus_ring.h"
#include "platform/toolkit/picture_box.h"

#include <QImage>
#include <QTest>

using tessavundo::PictureBox;

class PictureBoxPaintTest : public QObject {
    Q_OBJECT

private slots:
    void borderSurroundsImage_data();
    void borderSurroundsImage();
};

void PictureBoxPaintTest::borderSurroundsImage_data() {
    QTest::addColumn<bool>("focused");
    QTest::newRow("without focus") << false;
    QTest::newRow("with focus") << true;
}

void PictureBoxPaintTest::borderSurroundsImage() {
    QFETCH(bool, focused);
    QWidget window;
    window.resize(60, 40);
    PictureBox box(&window);
    box.setGeometry(5, 5, 22, 14);
    box.SetBackColor(0x0000FF);
    box.KeepImage();
    PictureBox other(&window);
    other.setGeometry(30, 5, 10, 10);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    (focused ? box : other).setFocus(Qt::TabFocusReason);
    QTRY_VERIFY((focused ? box : other).hasFocus());

    const QImage shown = box.grab().toImage();
    const QRgb border = tessavundo::ControlBorderColor(box.palette()).rgb();
    const QRgb red = qRgb(255, 0, 0);
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const bool onBorder =
                x == 0 || y == 0 || x == shown.width() - 1 || y == shown.height() - 1;
            QCOMPARE(shown.pixel(x, y), onBorder ? border : red);
        }
    }
}

QTEST_MAIN(PictureBoxPaintTest)
#include "picture_box_paint_test.moc"
