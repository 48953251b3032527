// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT

// The command line of the real program: help and the version with no display at all, refused
// options, and the one-shot pick on the test's X server (clicked with xdotool, at two display
// scales, over the root and over another program's window, cancelled, or refused a grab held
// elsewhere) and in a Wayland session through a fake desktop portal. No option may create the
// settings file.
#include "tests/e2e/fake_portal_process.h"
#include "tests/e2e/picker_session.h"
#include "tests/support/private_session_bus.h"

#include <QDir>
#include <cstdlib>
#include <functional>
#include <memory>
#include <xcb/xcb.h>

using namespace tessavundo::e2e;
using tessavundo::testing::PrivateSessionBus;

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

template <typename Reply> std::unique_ptr<Reply, decltype(&std::free)> Own(Reply* reply) {
    return {reply, &std::free};
}

// The picker with settings and runtime folders of its own and the rest of the test's
// environment as `changes` leave it (an empty value removes a variable).
class PickerRun {
public:
    explicit PickerRun(const QMap<QString, QString>& changes = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        for (auto change = changes.begin(); change != changes.end(); ++change)
            if (change.value().isEmpty())
                environment.remove(change.key());
            else
                environment.insert(change.key(), change.value());
        process_.setProcessEnvironment(environment);
    }

    void Start(const QStringList& arguments) {
        process_.start(QStringLiteral(TESSAVUNDO_BINARY), arguments);
    }

    Outcome Finish() {
        Outcome outcome;
        if (!process_.waitForFinished(15000)) {
            process_.kill();
            process_.waitForFinished();
            return outcome;
        }
        outcome.exitCode = process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
        outcome.out = process_.readAllStandardOutput();
        outcome.err = process_.readAllStandardError();
        return outcome;
    }

    void Kill() {
        process_.kill();
        process_.waitForFinished();
    }

    Outcome Run(const QStringList& arguments) {
        Start(arguments);
        return Finish();
    }

    // Whatever the picker did, the settings folder holds nothing.
    QStringList SettingsFiles() const {
        return QDir(config_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

private:
    QTemporaryDir config_;
    QTemporaryDir runtime_;
    QProcess process_;
};

QMap<QString, QString> WithoutDisplay() {
    return {{QStringLiteral("DISPLAY"), QString()},
            {QStringLiteral("WAYLAND_DISPLAY"), QString()},
            {QStringLiteral("XDG_SESSION_TYPE"), QString()},
            {QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
             QStringLiteral("unix:path=/nonexistent/tessavundo-test-bus")}};
}

// A Wayland session's variables: no compositor listens, so only the portal can answer.
QMap<QString, QString> WaylandSessionOn(const QString& busAddress) {
    return {{QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("wayland-absent")},
            {QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland")},
            {QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress}};
}

QList<QByteArray> Lines(const QByteArray& text) {
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

class OneShotPickTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void helpAndVersionNeedNoDisplay();
    void toolkitOptionsStillOpenTheWindow();
    void wrongOptionsAreRefused_data();
    void wrongOptionsAreRefused();
    void pickPrintsTheClickedPixel_data();
    void pickPrintsTheClickedPixel();
    void pickReadsPhysicalPixelsAtAnyScale_data();
    void pickReadsPhysicalPixelsAtAnyScale();
    void pickIsCancelled_data();
    void pickIsCancelled();
    void pickRefusesAGrabHeldElsewhere();
    void pickAsksThePortalOnWayland_data();
    void pickAsksThePortalOnWayland();

private:
    // Starts a pick, waits for its grab, does `act` and returns what the picker printed.
    Outcome Pick(PickerRun& run, const QStringList& arguments, const std::function<void()>& act);
    bool WaitForGrab();
    void PaintRoot(const QStringList& xsetrootArguments);

    // Held for the whole test: Xvfb resets the screen when its last client leaves, which
    // would take xsetroot's background away between its exit and the pick.
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    QTemporaryDir files_;
};

void OneShotPickTest::initTestCase() {
    connection_ = xcb_connect(nullptr, nullptr);
    QVERIFY2(!xcb_connection_has_error(connection_), "no X server on DISPLAY");
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
}

void OneShotPickTest::cleanup() {
    xcb_ungrab_keyboard(connection_, XCB_CURRENT_TIME);
    xcb_flush(connection_);
}

Outcome OneShotPickTest::Pick(PickerRun& run, const QStringList& arguments,
                              const std::function<void()>& act) {
    run.Start(QStringList{QStringLiteral("--pick")} + arguments);
    if (!WaitForGrab()) {
        qWarning("the picker never grabbed the pointer");
        return run.Finish();
    }
    act();
    return run.Finish();
}

// The picker holds the pointer once a grab of the test's own is refused. A grab of ours that
// succeeds meanwhile is let go at once; the picker tries again for a while.
bool OneShotPickTest::WaitForGrab() {
    return QTest::qWaitFor(
        [this] {
            const auto reply = Own(xcb_grab_pointer_reply(
                connection_,
                xcb_grab_pointer(connection_, 0, root_, 0, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC,
                                 XCB_WINDOW_NONE, XCB_CURSOR_NONE, XCB_CURRENT_TIME),
                nullptr));
            if (reply && reply->status == XCB_GRAB_STATUS_ALREADY_GRABBED)
                return true;
            xcb_ungrab_pointer(connection_, XCB_CURRENT_TIME);
            xcb_flush(connection_);
            return false;
        },
        10000);
}

void OneShotPickTest::PaintRoot(const QStringList& xsetrootArguments) {
    Run(QStringLiteral("xsetroot"), xsetrootArguments);
}

void OneShotPickTest::helpAndVersionNeedNoDisplay() {
    PickerRun run(WithoutDisplay());

    const Outcome help = run.Run({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    QVERIFY2(help.out.startsWith("Usage: tessavundo [OPTION]...\n"), help.out);
    for (const char* option : {"--help", "--version", "--pick", "--format"})
        QVERIFY2(help.out.contains(option), option);
    QCOMPARE(help.err, QByteArray());
    QCOMPARE(run.Run({QStringLiteral("-h")}).out, help.out);

    for (const char* option : {"--version", "-v"}) {
        const Outcome version = run.Run({QString::fromLatin1(option)});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QByteArray("Tessavundo 1.00\n"));
        QCOMPARE(version.err, QByteArray());
    }

    // Nothing to read on this machine and no bus: a clear refusal, not a crash.
    const Outcome pick = run.Run({QStringLiteral("--pick")});
    QCOMPARE(pick.exitCode, 2);
    QCOMPARE(pick.out, QByteArray());
    QCOMPARE(Lines(pick.err).size(), 1);
    QVERIFY2(pick.err.contains("org.freedesktop.portal.Screenshot"), pick.err);

    // A display that cannot be reached is no crash either.
    PickerRun unreachable({{QStringLiteral("DISPLAY"), QStringLiteral(":9999")},
                           {QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                            QStringLiteral("unix:path=/nonexistent/tessavundo-test-bus")}});
    const Outcome lost = unreachable.Run({QStringLiteral("--pick")});
    QCOMPARE(lost.exitCode, 2);
    QCOMPARE(lost.out, QByteArray());

    QCOMPARE(run.SettingsFiles(), QStringList());
}

// The toolkit takes its own options; the window opens as without them.
void OneShotPickTest::toolkitOptionsStillOpenTheWindow() {
    PickerRun run({{QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen")}});
    run.Start({QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("-style"),
               QStringLiteral("fusion")});
    const QByteArray window = Xdotool({QStringLiteral("search"), QStringLiteral("--sync"),
                                       QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                                       QStringLiteral("--name"), QStringLiteral("^Tessavundo$")});
    QVERIFY2(!window.isEmpty(), "no window opened");
    run.Kill();
}

void OneShotPickTest::wrongOptionsAreRefused_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("problem");
    QTest::newRow("unknown") << QStringList{"--bogus"} << QByteArray("unknown option '--bogus'");
    QTest::newRow("bad format") << QStringList{"--pick", "--format", "cmyk"}
                                << QByteArray("not 'cmyk'");
    QTest::newRow("a file") << QStringList{"a.png"} << QByteArray("unexpected argument 'a.png'");
    QTest::newRow("beside help") << QStringList{"--help", "-x"} << QByteArray("'-x'");
}

// With and without a display: one line that names the mistake, then the way to help.
void OneShotPickTest::wrongOptionsAreRefused() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, problem);
    for (const auto& environment : {WithoutDisplay(), QMap<QString, QString>()}) {
        PickerRun run(environment);
        const Outcome outcome = run.Run(arguments);
        QCOMPARE(outcome.exitCode, 2);
        QCOMPARE(outcome.out, QByteArray());
        const QList<QByteArray> lines = Lines(outcome.err);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith("tessavundo: ") && lines[0].contains(problem), lines[0]);
        QCOMPARE(lines[1], QByteArray("Try 'tessavundo --help'."));
        QCOMPARE(run.SettingsFiles(), QStringList());
    }
    // No window was shown on the display.
    QCOMPARE(Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                      QStringLiteral("--name"), QStringLiteral("Tessavundo")}),
             QByteArray());
}

void OneShotPickTest::pickPrintsTheClickedPixel_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("overWindow");
    QTest::addColumn<QByteArray>("printed");
    QTest::newRow("root, hex") << QStringList() << false << QByteArray("#123456\n");
    QTest::newRow("root, --format hex")
        << QStringList{"--format", "hex"} << false << QByteArray("#123456\n");
    QTest::newRow("root, --format rgb")
        << QStringList{"--format", "rgb"} << false << QByteArray("rgb(18,52,86)\n");
    QTest::newRow("another window") << QStringList() << true << QByteArray("#AB3210\n");
    QTest::newRow("another window, rgb")
        << QStringList{"--format=rgb"} << true << QByteArray("rgb(171,50,16)\n");
}

void OneShotPickTest::pickPrintsTheClickedPixel() {
    QFETCH(QStringList, arguments);
    QFETCH(bool, overWindow);
    QFETCH(QByteArray, printed);
    PaintRoot({QStringLiteral("-solid"), QStringLiteral("#123456")});
    QProcess window;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    window.setProcessEnvironment(environment);
    QPoint click(900, 600);
    if (overWindow) {
        window.start(QStringLiteral(SOLID_COLOR_WINDOW),
                     {QStringLiteral("#AB3210"), QStringLiteral("100"), QStringLiteral("100")});
        QVERIFY(!Xdotool({QStringLiteral("search"), QStringLiteral("--sync"),
                          QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                          QStringLiteral("^Solid color$")})
                     .isEmpty());
        click = QPoint(250, 200);
    }
    PickerRun run;
    const Outcome outcome = Pick(run, arguments, [click] {
        Xdotool({QStringLiteral("mousemove"), QString::number(click.x()),
                 QString::number(click.y()), QStringLiteral("click"), QStringLiteral("1")});
    });
    window.kill();
    window.waitForFinished();

    QCOMPARE(outcome.out, printed);
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.err, QByteArray());
    QCOMPARE(run.SettingsFiles(), QStringList());
}

void OneShotPickTest::pickReadsPhysicalPixelsAtAnyScale_data() {
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QPoint>("click");
    QTest::addColumn<QByteArray>("printed");
    // A checkerboard of single physical pixels: even sums of x and y show the foreground.
    for (const char* scale : {"1", "2"}) {
        const QString factor = QString::fromLatin1(scale);
        QTest::addRow("scale %s, even column, even row", scale)
            << factor << QPoint(100, 200) << QByteArray("#102030\n");
        QTest::addRow("scale %s, odd column, even row", scale)
            << factor << QPoint(101, 200) << QByteArray("#405060\n");
        QTest::addRow("scale %s, odd column, odd row", scale)
            << factor << QPoint(101, 201) << QByteArray("#102030\n");
    }
}

void OneShotPickTest::pickReadsPhysicalPixelsAtAnyScale() {
    QFETCH(QString, scale);
    QFETCH(QPoint, click);
    QFETCH(QByteArray, printed);
    const QString bitmap = files_.filePath(QStringLiteral("checker.xbm"));
    QFile file(bitmap);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#define checker_width 2\n#define checker_height 2\n"
               "static unsigned char checker_bits[] = {\n   0x01, 0x02};\n");
    file.close();
    PaintRoot({QStringLiteral("-bitmap"), bitmap, QStringLiteral("-fg"), QStringLiteral("#102030"),
               QStringLiteral("-bg"), QStringLiteral("#405060")});

    PickerRun run({{QStringLiteral("QT_SCALE_FACTOR"), scale}});
    const Outcome outcome = Pick(run, {}, [click] {
        Xdotool({QStringLiteral("mousemove"), QString::number(click.x()),
                 QString::number(click.y()), QStringLiteral("click"), QStringLiteral("1")});
    });
    QCOMPARE(outcome.out, printed);
    QCOMPARE(outcome.exitCode, 0);
}

void OneShotPickTest::pickIsCancelled_data() {
    QTest::addColumn<QStringList>("action");
    QTest::newRow("Esc") << QStringList{"key", "Escape"};
    QTest::newRow("right click") << QStringList{"click", "3"};
}

void OneShotPickTest::pickIsCancelled() {
    QFETCH(QStringList, action);
    PaintRoot({QStringLiteral("-solid"), QStringLiteral("#123456")});
    PickerRun run;
    // Other keys and the middle button do not end the pick; the Esc or the right click does.
    const Outcome outcome = Pick(run, {}, [action] {
        Xdotool({QStringLiteral("key"), QStringLiteral("a")});
        Xdotool({QStringLiteral("click"), QStringLiteral("2")});
        Xdotool(action);
    });
    QCOMPARE(outcome.exitCode, 1);
    QCOMPARE(outcome.out, QByteArray());
    QCOMPARE(outcome.err, QByteArray());
    QCOMPARE(run.SettingsFiles(), QStringList());
}

void OneShotPickTest::pickRefusesAGrabHeldElsewhere() {
    const auto reply =
        Own(xcb_grab_keyboard_reply(connection_,
                                    xcb_grab_keyboard(connection_, 0, root_, XCB_CURRENT_TIME,
                                                      XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
                                    nullptr));
    QVERIFY(reply && reply->status == XCB_GRAB_STATUS_SUCCESS);

    PickerRun run;
    const Outcome outcome = run.Run({QStringLiteral("--pick")});
    QCOMPARE(outcome.exitCode, 2);
    QCOMPARE(outcome.out, QByteArray());
    QCOMPARE(Lines(outcome.err).size(), 1);
    QVERIFY2(outcome.err.contains("another program holds"), outcome.err);
}

void OneShotPickTest::pickAsksThePortalOnWayland_data() {
    QTest::addColumn<QStringList>("answer");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("printed");
    QTest::newRow("a color") << QStringList{"0.2", "0.4", "0.6"} << QStringList() << 0
                             << QByteArray("#336699\n");
    QTest::newRow("a color as rgb")
        << QStringList{"0.2", "0.4", "0.6"} << QStringList{"--format", "rgb"} << 0
        << QByteArray("rgb(51,102,153)\n");
    QTest::newRow("cancelled") << QStringList{"cancel"} << QStringList() << 1 << QByteArray();
    // Neither is the user's cancel; without the portal on the bus there is nothing to wait for.
    QTest::newRow("the portal vanishes")
        << QStringList{"vanish"} << QStringList() << 2 << QByteArray();
    QTest::newRow("an unknown response code")
        << QStringList{"code", "7"} << QStringList() << 2 << QByteArray();
}

void OneShotPickTest::pickAsksThePortalOnWayland() {
    QFETCH(QStringList, answer);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, printed);
    PrivateSessionBus bus;
    if (const QString problem = bus.Start(); !problem.isEmpty())
        QSKIP(qPrintable(problem));

    {
        const FakePortalProcess portal(bus.Address(), answer);
        QVERIFY2(portal.Ready(), "the fake portal did not start");
        PickerRun run(WaylandSessionOn(bus.Address()));
        const Outcome outcome = run.Run(QStringList{QStringLiteral("--pick")} + arguments);
        QCOMPARE(outcome.exitCode, exitCode);
        QCOMPARE(outcome.out, printed);
        if (exitCode == 2)
            QVERIFY2(outcome.err.contains("PickColor") && Lines(outcome.err).size() == 1,
                     outcome.err);
        else
            QCOMPARE(outcome.err, QByteArray());
        QCOMPARE(run.SettingsFiles(), QStringList());
    }

    // The same bus with no portal on it.
    PickerRun run(WaylandSessionOn(bus.Address()));
    const Outcome outcome = run.Run(QStringList{QStringLiteral("--pick")} + arguments);
    QCOMPARE(outcome.exitCode, 2);
    QCOMPARE(outcome.out, QByteArray());
    QCOMPARE(Lines(outcome.err).size(), 1);
    QVERIFY2(outcome.err.contains("org.freedesktop.portal.Screenshot.PickColor"), outcome.err);
}

QTEST_GUILESS_MAIN(OneShotPickTest)
#include "one_shot_pick_test.moc"
