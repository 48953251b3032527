// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The display taken away from the real program: an X server of the test's own killed under the
// window (the nine values are still saved) and under a one-shot pick (a failure, not a
// cancelled pick), and a display that is not there at all (said in one line, before any
// window).
#include "tests/e2e/picker_session.h"

#include <QFileInfo>
#include <QSettings>
#include <csignal>
#include <memory>
#include <xcb/xcb.h>

using namespace tessavundo::e2e;

namespace {

const QString kFileName = QStringLiteral("ColorPicker.conf");
// No test starts a server with this number, and the test checks that none listens on it.
const QString kAbsentDisplay = QStringLiteral(":7913");

// Xvfb with the display number of its choice, killed with the test at the latest.
class XServer {
public:
    XServer() {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"),
                        QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("640x480x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
        if (process_.waitForStarted() && process_.waitForReadyRead(10000))
            display_ = QLatin1Char(':') + QString::fromLatin1(process_.readLine().trimmed());
    }

    ~XServer() {
        process_.kill();
        process_.waitForFinished();
    }

    // Empty when the server did not start.
    QString Display() const { return display_; }

    // As a log-out of a startx session ends it: no goodbye to the clients.
    void Kill() {
        ::kill(static_cast<pid_t>(process_.processId()), SIGKILL);
        process_.waitForFinished();
    }

private:
    QProcess process_;
    QString display_;
};

// Makes the test's own commands (xdotool) talk to `display`.
void UseDisplay(const QString& display) {
    qputenv("DISPLAY", display.toLatin1());
}

// The pick holds the keyboard once a grab of the test's own is refused.
bool PickHoldsTheKeyboard(const QString& display) {
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(display.toLatin1().constData(), nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get()))
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data->root;
    return QTest::qWaitFor(
        [&] {
            const std::unique_ptr<xcb_grab_keyboard_reply_t, decltype(&std::free)> reply(
                xcb_grab_keyboard_reply(connection.get(),
                                        xcb_grab_keyboard(connection.get(), 0, root,
                                                          XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC,
                                                          XCB_GRAB_MODE_ASYNC),
                                        nullptr),
                &std::free);
            if (reply && reply->status == XCB_GRAB_STATUS_ALREADY_GRABBED)
                return true;
            xcb_ungrab_keyboard(connection.get(), XCB_CURRENT_TIME);
            xcb_flush(connection.get());
            return false;
        },
        10000);
}

struct Ending {
    bool finished = false;
    int exitCode = -1;
    QByteArray err;
};

Ending WaitForEnd(QProcess& process) {
    Ending ending;
    ending.finished =
        process.waitForFinished(15000) && process.exitStatus() == QProcess::NormalExit;
    ending.exitCode = process.exitCode();
    ending.err = process.readAllStandardError();
    return ending;
}

} // namespace

class DisplayLossTest : public QObject {
    Q_OBJECT

private slots:
    void windowSavesWhenTheServerIsKilled();
    void pickFailsWhenTheServerIsKilled();
    void noDisplayIsSaidBeforeAnyWindow_data();
    void noDisplayIsSaidBeforeAnyWindow();
    void offscreenNeedsNoDisplay();
};

void DisplayLossTest::windowSavesWhenTheServerIsKilled() {
    XServer server;
    QVERIFY2(!server.Display().isEmpty(), "Xvfb did not start");
    UseDisplay(server.Display());
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    picker.SetEnvironment(QStringLiteral("DISPLAY"), server.Display());
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    picker.Focus();
    picker.Click(340, 52);
    picker.Key(QStringLiteral("ctrl+a"));
    picker.Type(QStringLiteral("rgb(0,0,255)"));
    picker.Key(QStringLiteral("Return"));
    // The rgb field's text is what the window shows once the typing has reached it.
    E2E_TRY_COMPARE(PreviewColor(picker), qRgb(0, 0, 255));

    server.Kill();
    const Ending ending = WaitForEnd(picker.Process());
    QVERIFY(ending.finished);

    QSettings stored(configDir.filePath(kFileName), QSettings::IniFormat);
    stored.beginGroup(QStringLiteral("position"));
    QCOMPARE(stored.childKeys().size(), 9);
    QCOMPARE(stored.value("color").toString(), QStringLiteral("16711680"));
    for (const char* key : {"col1", "col2", "col3", "col4", "col5", "col6"})
        QCOMPARE(stored.value(key).toString(), QStringLiteral("-2147483643"));
}

void DisplayLossTest::pickFailsWhenTheServerIsKilled() {
    XServer server;
    QVERIFY2(!server.Display().isEmpty(), "Xvfb did not start");
    QTemporaryDir configDir;
    QProcess pick;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), server.Display());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configDir.path());
    pick.setProcessEnvironment(environment);
    pick.start(QStringLiteral(TESSAVUNDO_BINARY), {QStringLiteral("--pick")});
    QVERIFY2(PickHoldsTheKeyboard(server.Display()), "the pick never grabbed the keyboard");

    server.Kill();
    const Ending ending = WaitForEnd(pick);
    QVERIFY(ending.finished);
    // 1 would say the user cancelled.
    QCOMPARE(ending.exitCode, 2);
    QVERIFY2(ending.err.contains("tessavundo: cannot pick: the connection to the display broke\n"),
             ending.err);
    QCOMPARE(pick.readAllStandardOutput(), QByteArray());
}

void DisplayLossTest::noDisplayIsSaidBeforeAnyWindow_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("the window") << QStringList();
    QTest::newRow("the window on X11 by choice") << QStringList{"-platform", "xcb"};
    QTest::newRow("a pick") << QStringList{"--pick"};
}

void DisplayLossTest::noDisplayIsSaidBeforeAnyWindow() {
    QFETCH(QStringList, arguments);
    QVERIFY2(!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + kAbsentDisplay.mid(1)),
             "a server listens on the display that should be absent");
    QTemporaryDir configDir;
    QProcess picker;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), kAbsentDisplay);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configDir.path());
    for (const char* name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
        environment.remove(QString::fromLatin1(name));
    picker.setProcessEnvironment(environment);
    picker.start(QStringLiteral(TESSAVUNDO_BINARY), arguments);

    const Ending ending = WaitForEnd(picker);
    QVERIFY2(ending.finished, "ended by a signal or not at all");
    QCOMPARE(ending.exitCode, 2);
    QCOMPARE(ending.err, QByteArray("tessavundo: cannot open display :7913 (no X server accepts "
                                    "the connection)\n"));
    QCOMPARE(picker.readAllStandardOutput(), QByteArray());
    QVERIFY(QDir(configDir.path()).isEmpty());
}

// The toolkit's offscreen platform needs no display, whatever DISPLAY says.
void DisplayLossTest::offscreenNeedsNoDisplay() {
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    picker.SetEnvironment(QStringLiteral("DISPLAY"), kAbsentDisplay);
    picker.SetEnvironment(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    picker.Process().start(QStringLiteral(TESSAVUNDO_BINARY), QStringList());
    QVERIFY(picker.Process().waitForStarted());
    QVERIFY(!picker.Process().waitForFinished(2000));
    picker.Process().terminate();
    const Ending ending = WaitForEnd(picker.Process());
    QVERIFY(ending.finished);
    QCOMPARE(ending.exitCode, 0);
    QVERIFY(QFileInfo::exists(configDir.filePath(kFileName)));
}

QTEST_GUILESS_MAIN(DisplayLossTest)
#include "display_loss_test.moc"
