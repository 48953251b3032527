// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Windows' focus cues: the focus ring of a window stays hidden while the focus moves by the
// mouse or by a program, and shows from the first Tab, arrow key or Alt on; other keys, such as
// Space clicking a button, show nothing. The user's setting for keyboard cues is set in the test
// process alone (the test's Wine prefix keeps none of it): with it on, the ring shows at once.
#include "platform/toolkit/focus_cues.h"
#include "platform/toolkit/focus_ring.h"

#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <windows.h>

namespace tessavundo {
namespace {

class RingWindow : public QWidget {
public:
    RingWindow()
        : first(new QPushButton(QStringLiteral("One"), this))
        , second(new QPushButton(QStringLiteral("Two"), this))
        , ring(new FocusRing(*this)) {
        setFixedSize(200, 60);
        first->setGeometry(10, 10, 80, 30);
        second->setGeometry(110, 10, 80, 30);
    }

    // The ring's band left of a button, in the window's own pixels.
    QColor Band(const QWidget& control) {
        const QImage image = grab().toImage();
        return image.pixelColor(control.x() - 1, control.y() + control.height() / 2);
    }

    QPushButton* first;
    QPushButton* second;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), palette().color(QPalette::Window));
        ring->Paint(painter);
    }

private:
    FocusRing* ring;
};

class FocusCuesTest : public QObject {
    Q_OBJECT

private slots:
    void init() { SetKeyboardCues(false); }
    void cleanup() { SetKeyboardCues(true); }

    void HiddenUntilTheKeyboardMovesTheFocus_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Tab") << int(Qt::Key_Tab);
        QTest::newRow("Right") << int(Qt::Key_Right);
        QTest::newRow("Alt") << int(Qt::Key_Alt);
    }

    void HiddenUntilTheKeyboardMovesTheFocus() {
        QFETCH(int, key);
        RingWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QColor ring = FocusRingColor(window.palette());
        const QColor background = window.palette().color(QPalette::Window);
        QVERIFY(ring != background);

        window.first->setFocus(Qt::MouseFocusReason);
        QCOMPARE(window.Band(*window.first), background);
        // Space clicks the button; it is no navigation, and shows nothing.
        QTest::keyClick(window.first, Qt::Key_Space);
        QCOMPARE(window.Band(*window.first), background);

        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
        const QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused == window.first || focused == window.second);
        QCOMPARE(window.Band(*focused), ring);
    }

    void AlwaysShownWhenTheUserAsksForThem() {
        SetKeyboardCues(true);
        RingWindow window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.second->setFocus(Qt::MouseFocusReason);
        QCOMPARE(window.Band(*window.second), FocusRingColor(window.palette()));
    }

private:
    static void SetKeyboardCues(bool always) {
        QVERIFY(SystemParametersInfoW(SPI_SETKEYBOARDCUES, 0,
                                      reinterpret_cast<void*>(static_cast<UINT_PTR>(always)), 0));
        QCOMPARE(FocusCuesShownFromStart(), always);
    }
};

} // namespace
} // namespace tessavundo

QTEST_MAIN(tessavundo::FocusCuesTest)
#include "focus_cues_test.moc"
