// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The eyedropper with the real D-Bus client of the desktop's color picker, against a fake
// portal on a bus of the test's own: the picked color end to end, a desktop without a portal,
// and Esc while the desktop's interface is open.
#include "core/locate.h"
#include "platform/portal/desktop_color_portal.h"
#include "platform/toolkit/text_box.h"
#include "platform/toolkit/timer.h"
#include "platform/toolkit/toggle.h"
#include "tests/sampling/sampling_window.h"
#include "tests/support/fake_desktop_portal.h"
#include "tests/support/private_session_bus.h"
#include "ui/control_descriptions.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>
#include <memory>

using namespace tessavundo;
using namespace tessavundo::testing;

namespace {

// The picker window on a screen that cannot be read continuously, asking the desktop over D-Bus.
struct PortalPicker {
    explicit PortalPicker(const QDBusConnection& bus)
        : portal(bus) {
        screen.SetCanReadContinuously(false);
    }

    bool Open() {
        form = std::make_unique<Form1>(FormServices{settings, clipboard, screen, portal});
        form->show();
        if (!QTest::qWaitForWindowActive(form.get()))
            return false;
        QGuiApplication::clipboard()->setText(kClipboardBefore, QClipboard::Clipboard);
        return true;
    }

    void ClickToggle() { QTest::mouseClick(form->Check1, Qt::LeftButton); }
    bool Up() const { return form->Check1->Value() == 0 && !form->Timer1->Enabled(); }

    MemorySettingsStore settings;
    SystemClipboard clipboard;
    FakeScreenSource screen;
    DesktopColorPortal portal;
    std::unique_ptr<Form1> form;
};

} // namespace

class EyedropperDesktopPortalTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pressingTheToggleTakesTheDesktopsColor();
    void withoutAPortalTheToggleComesBackUp();
    void escWhileTheDesktopPicksClosesItsInterface();

private:
    std::unique_ptr<PrivateSessionBus> bus_;
    std::unique_ptr<FakeDesktopPortal> desktop_;
    std::unique_ptr<PortalPicker> picker_;
    int connections_ = 0;
};

void EyedropperDesktopPortalTest::init() {
    bus_ = std::make_unique<PrivateSessionBus>();
    if (const QString problem = bus_->Start(); !problem.isEmpty())
        QSKIP(qPrintable(problem));
    ++connections_;
    desktop_ = std::make_unique<FakeDesktopPortal>(
        bus_->Connect(QStringLiteral("desktop%1").arg(connections_)));
    picker_ =
        std::make_unique<PortalPicker>(bus_->Connect(QStringLiteral("picker%1").arg(connections_)));
}

void EyedropperDesktopPortalTest::cleanup() {
    picker_.reset();
    desktop_.reset();
    bus_.reset();
}

void EyedropperDesktopPortalTest::pressingTheToggleTakesTheDesktopsColor() {
    desktop_->AnswerEveryRequestWith(0, FakeDesktopPortal::ColorResults(0.2, 0.4, 0.6));
    QVERIFY(desktop_->Register());
    QVERIFY(picker_->Open());
    const PackedColor color = 51 + 102 * 256 + 153 * 65536;

    picker_->ClickToggle();

    QTRY_VERIFY(picker_->Up());
    Form1& form = *picker_->form;
    QCOMPARE(form.Picture3->BackColor(), color);
    QCOMPARE(form.Text1->Text(), QStringLiteral("rgb(51,102,153)"));
    QCOMPARE(form.Text2->Text(), QStringLiteral("#336699"));
    QCOMPARE(form.Shape1->BorderColor(), Complement(color));
    const auto location = LocateColor("rgb(51,102,153)", ".");
    QVERIFY(location && location->huePosition);
    QCOMPARE(form.HuePosition, *location->huePosition);
    QCOMPARE(form.Shape1->Left(), location->markerLeft);
    QCOMPARE(form.Shape1->Top(), location->markerTop);
    QCOMPARE(ClipboardText(), QStringLiteral("#336699"));
    QCOMPARE(desktop_->Requests().size(), 1);
    QVERIFY(!desktop_->Requests()[0].options.value("handle_token").toString().isEmpty());
    QCOMPARE(picker_->screen.TakenContexts(), 0);
}

void EyedropperDesktopPortalTest::withoutAPortalTheToggleComesBackUp() {
    QVERIFY(picker_->Open());
    Form1& form = *picker_->form;
    const PickerState before = PickerState::Of(form);

    picker_->ClickToggle();

    QTRY_VERIFY(picker_->Up());
    QCOMPARE(form.Check1->toolTip(), UnreadableScreenToolTip(ScreenReading::ForbiddenByDesktop));
    QCOMPARE(PickerState::Of(form), before);
    QCOMPARE(ClipboardText(), kClipboardBefore);
}

void EyedropperDesktopPortalTest::escWhileTheDesktopPicksClosesItsInterface() {
    QVERIFY(desktop_->Register());
    QVERIFY(picker_->Open());
    Form1& form = *picker_->form;
    const PickerState before = PickerState::Of(form);

    picker_->ClickToggle();
    QTRY_COMPARE(desktop_->Requests().size(), 1);
    QCOMPARE(form.Check1->Value(), std::int16_t{1});
    QTest::keyClick(form.Check1, Qt::Key_Escape);
    QVERIFY(picker_->Up());
    QCOMPARE(ClipboardText(), before.shown.hexText);
    // Once at Esc, and once more if the portal's reply came only after it.
    QTRY_VERIFY(desktop_->Requests()[0].closeCalls >= 1);

    // The desktop answers anyway, then the next press is cancelled: once that is through, the
    // late color would have come before it.
    desktop_->Answer(0, FakeDesktopPortal::ColorResults(0, 0, 1));
    QGuiApplication::clipboard()->setText(kClipboardBefore, QClipboard::Clipboard);
    picker_->ClickToggle();
    QTRY_COMPARE(desktop_->Requests().size(), 2);
    desktop_->Answer(1);
    QTRY_VERIFY(picker_->Up());
    QCOMPARE(PickerState::Of(form), before);
    QCOMPARE(ClipboardText(), kClipboardBefore);
}

QTEST_MAIN(EyedropperDesktopPortalTest)
#include "eyedropper_desktop_portal_test.moc"
