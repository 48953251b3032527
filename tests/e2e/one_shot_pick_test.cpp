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
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <unistd.h>
#include <utility>
#include <xcb/xcb.h>
#include <xcb/xfixes.h>

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

    // Runs in the picker's process before the program starts: to close or replace its streams.
    void PrepareChild(const std::function<void()>& prepare) {
        process_.setChildProcessModifier(prepare);
    }

    bool Running() const { return process_.state() == QProcess::Running; }

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

// Where xdotool finds the pointer, in the root's pixels.
QPoint PointerPosition() {
    QPoint position(-1, -1);
    for (const QByteArray& line :
         Xdotool({QStringLiteral("getmouselocation"), QStringLiteral("--shell")}).split('\n'))
        if (line.startsWith("X="))
            position.setX(line.mid(2).toInt());
        else if (line.startsWith("Y="))
            position.setY(line.mid(2).toInt());
    return position;
}

// A process has ended once it is gone or only waits to be reaped.
bool Ended(pid_t pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray fields = stat.readAll();
    return fields.mid(fields.lastIndexOf(')') + 2, 1) == "Z";
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
    void pickWithStandardOutputClosed();
    void pickGivesTheDesktopBackBeforePrinting();
    void pickReadsTheScreenOfTheClick();
    void pickSteersByThePixelFromTheKeyboard_data();
    void pickSteersByThePixelFromTheKeyboard();
    void pickShowsTheMagnifiedPixels_data();
    void pickShowsTheMagnifiedPixels();
    void pickCopiesToTheClipboard_data();
    void pickCopiesToTheClipboard();
    void pickCopiesToTheClipboardManager();
    void pickAsksThePortalOnWayland_data();
    void pickAsksThePortalOnWayland();

private:
    // Starts a pick, waits for its grab, does `act` and returns what the picker printed.
    Outcome Pick(PickerRun& run, const QStringList& arguments, const std::function<void()>& act);
    std::uint8_t TryGrabPointer();
    bool WaitForGrab();
    bool PointerIsFree();
    QImage CursorImage(QPoint* hotSpot);
    pid_t ClipboardOwnerPid();
    void PaintRoot(const QStringList& xsetrootArguments);
    void PaintChecker();

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

// What the server answers a grab of the pointer by the test; a grab that succeeds is let go
// at once.
std::uint8_t OneShotPickTest::TryGrabPointer() {
    const auto reply = Own(xcb_grab_pointer_reply(
        connection_,
        xcb_grab_pointer(connection_, 0, root_, 0, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC,
                         XCB_WINDOW_NONE, XCB_CURSOR_NONE, XCB_CURRENT_TIME),
        nullptr));
    xcb_ungrab_pointer(connection_, XCB_CURRENT_TIME);
    xcb_flush(connection_);
    return reply ? reply->status : std::uint8_t{XCB_GRAB_STATUS_INVALID_TIME};
}

// The picker holds the pointer once a grab of the test's own is refused; the picker tries
// again for a while when ours came first.
bool OneShotPickTest::WaitForGrab() {
    return QTest::qWaitFor([this] { return TryGrabPointer() == XCB_GRAB_STATUS_ALREADY_GRABBED; },
                           10000);
}

// Another program can take the pointer: the picker has let it go.
bool OneShotPickTest::PointerIsFree() {
    return QTest::qWaitFor([this] { return TryGrabPointer() == XCB_GRAB_STATUS_SUCCESS; }, 5000);
}

// The pointer's image as the server shows it now, and its hot spot.
QImage OneShotPickTest::CursorImage(QPoint* hotSpot) {
    const auto version = Own(xcb_xfixes_query_version_reply(
        connection_, xcb_xfixes_query_version(connection_, 4, 0), nullptr));
    const auto reply = Own(xcb_xfixes_get_cursor_image_reply(
        connection_, xcb_xfixes_get_cursor_image(connection_), nullptr));
    if (!version || !reply)
        return {};
    *hotSpot = QPoint(reply->xhot, reply->yhot);
    QImage image(reply->width, reply->height, QImage::Format_ARGB32_Premultiplied);
    const std::uint32_t* pixels = xcb_xfixes_get_cursor_image_cursor_image(reply.get());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, pixels[y * image.width() + x]);
    return image;
}

// The process that owns the clipboard, as its window names it (_NET_WM_PID); 0 if none does.
pid_t OneShotPickTest::ClipboardOwnerPid() {
    const auto atom = [this](const char* name) {
        const auto reply = Own(xcb_intern_atom_reply(
            connection_,
            xcb_intern_atom(connection_, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
            nullptr));
        return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    };
    const auto owner = Own(xcb_get_selection_owner_reply(
        connection_, xcb_get_selection_owner(connection_, atom("CLIPBOARD")), nullptr));
    if (!owner || owner->owner == XCB_WINDOW_NONE)
        return 0;
    const auto property =
        Own(xcb_get_property_reply(connection_,
                                   xcb_get_property(connection_, 0, owner->owner,
                                                    atom("_NET_WM_PID"), XCB_ATOM_CARDINAL, 0, 1),
                                   nullptr));
    if (!property || xcb_get_property_value_length(property.get()) != 4)
        return 0;
    return static_cast<pid_t>(
        *static_cast<const std::uint32_t*>(xcb_get_property_value(property.get())));
}

void OneShotPickTest::PaintRoot(const QStringList& xsetrootArguments) {
    Run(QStringLiteral("xsetroot"), xsetrootArguments);
}

// A checkerboard of single physical pixels on the root: where x + y is even #102030, else
// #405060.
void OneShotPickTest::PaintChecker() {
    const QString bitmap = files_.filePath(QStringLiteral("checker.xbm"));
    QFile file(bitmap);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#define checker_width 2\n#define checker_height 2\n"
               "static unsigned char checker_bits[] = {\n   0x01, 0x02};\n");
    file.close();
    PaintRoot({QStringLiteral("-bitmap"), bitmap, QStringLiteral("-fg"), QStringLiteral("#102030"),
               QStringLiteral("-bg"), QStringLiteral("#405060")});
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
    // clang-format off
    QTest::newRow("unknown") << QStringList{"--bogus"} << QByteArray("unknown option '--bogus'");
    QTest::newRow("bad format") << QStringList{"--pick", "--format", "cmyk"}
        << QByteArray("not 'cmyk'");
    QTest::newRow("a file") << QStringList{"a.png"} << QByteArray("unexpected argument 'a.png'");
    QTest::newRow("beside help") << QStringList{"--help", "-x"} << QByteArray("'-x'");
    QTest::newRow("copy alone") << QStringList{"--copy"} << QByteArray("--copy goes with --pick");
    // clang-format on
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
    // clang-format off
    QTest::newRow("root, hex") << QStringList() << false << QByteArray("#123456\n");
    QTest::newRow("root, --format hex") << QStringList{"--format", "hex"} << false
        << QByteArray("#123456\n");
    QTest::newRow("root, --format rgb") << QStringList{"--format", "rgb"} << false
        << QByteArray("rgb(18,52,86)\n");
    QTest::newRow("another window") << QStringList() << true << QByteArray("#AB3210\n");
    QTest::newRow("another window, rgb") << QStringList{"--format=rgb"} << true
        << QByteArray("rgb(171,50,16)\n");
    // clang-format on
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
        // clang-format off
        QTest::addRow("scale %s, even column, even row", scale) << factor << QPoint(100, 200)
            << QByteArray("#102030\n");
        QTest::addRow("scale %s, odd column, even row", scale) << factor << QPoint(101, 200)
            << QByteArray("#405060\n");
        QTest::addRow("scale %s, odd column, odd row", scale) << factor << QPoint(101, 201)
            << QByteArray("#102030\n");
        // clang-format on
    }
}

void OneShotPickTest::pickReadsPhysicalPixelsAtAnyScale() {
    QFETCH(QString, scale);
    QFETCH(QPoint, click);
    QFETCH(QByteArray, printed);
    PaintChecker();

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

// Without a standard output the line cannot be printed, and nothing of it may reach the X
// connection, which would take the closed stream's number.
void OneShotPickTest::pickWithStandardOutputClosed() {
    PaintRoot({QStringLiteral("-solid"), QStringLiteral("#123456")});
    PickerRun run;
    run.PrepareChild([] { ::close(STDOUT_FILENO); });
    const Outcome outcome = Pick(run, {}, [] {
        Xdotool({QStringLiteral("mousemove"), QStringLiteral("300"), QStringLiteral("300"),
                 QStringLiteral("click"), QStringLiteral("1")});
    });
    QCOMPARE(outcome.exitCode, 2);
    QCOMPARE(Lines(outcome.err).size(), 1);
    QVERIFY2(outcome.err.contains("standard output is closed"), outcome.err);
    QVERIFY(PointerIsFree());
    QCOMPARE(run.SettingsFiles(), QStringList());
}

// A pipe already full, that nobody reads yet: the picker waits to print, but the desktop is
// free meanwhile; once the pipe is read the color arrives.
void OneShotPickTest::pickGivesTheDesktopBackBeforePrinting() {
    PaintRoot({QStringLiteral("-solid"), QStringLiteral("#123456")});
    int ends[2] = {-1, -1};
    QCOMPARE(::pipe2(ends, O_NONBLOCK), 0);
    const QByteArray filler(4096, 'x');
    qsizetype filled = 0;
    while (::write(ends[1], filler.constData(), static_cast<std::size_t>(filler.size())) > 0)
        filled += filler.size();
    // The picker's end blocks, as a shell's pipe does.
    ::fcntl(ends[1], F_SETFL, 0);
    PickerRun run;
    const int writeEnd = ends[1];
    run.PrepareChild([writeEnd] { ::dup2(writeEnd, STDOUT_FILENO); });
    run.Start({QStringLiteral("--pick")});
    ::close(ends[1]);
    QVERIFY(WaitForGrab());
    Xdotool({QStringLiteral("mousemove"), QStringLiteral("300"), QStringLiteral("300"),
             QStringLiteral("click"), QStringLiteral("1")});
    QVERIFY(PointerIsFree());
    QVERIFY2(run.Running(), "the picker did not wait for the pipe");

    QByteArray read;
    ::fcntl(ends[0], F_SETFL, 0);
    char buffer[4096];
    for (ssize_t got = 0; (got = ::read(ends[0], buffer, sizeof buffer)) > 0;)
        read.append(buffer, got);
    ::close(ends[0]);
    const Outcome outcome = run.Finish();
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(read.size(), filled + 8);
    QCOMPARE(read.right(8), QByteArray("#123456\n"));
}

// Run on a display of two X screens (--screens 2): each root its own color, and the click on
// the second reads the second.
void OneShotPickTest::pickReadsTheScreenOfTheClick() {
    if (xcb_setup_roots_length(xcb_get_setup(connection_)) < 2)
        QSKIP("the display has one X screen; run under with-xvfb --screens 2");
    const QString display = qEnvironmentVariable("DISPLAY");
    const QString firstScreen = display + QStringLiteral(".0");
    const QString secondScreen = display + QStringLiteral(".1");
    PaintRoot({QStringLiteral("-display"), firstScreen, QStringLiteral("-solid"),
               QStringLiteral("#112233")});
    PaintRoot({QStringLiteral("-display"), secondScreen, QStringLiteral("-solid"),
               QStringLiteral("#AABBCC")});
    for (const auto& [screen, printed] :
         {std::pair{QStringLiteral("1"), QByteArray("#AABBCC\n")},
          std::pair{QStringLiteral("0"), QByteArray("#112233\n")}}) {
        PickerRun run({{QStringLiteral("DISPLAY"), firstScreen}});
        const Outcome outcome = Pick(run, {}, [screen] {
            Xdotool({QStringLiteral("mousemove"), QStringLiteral("--screen"), screen,
                     QStringLiteral("640"), QStringLiteral("400"), QStringLiteral("click"),
                     QStringLiteral("1")});
        });
        QCOMPARE(outcome.out, printed);
        QCOMPARE(outcome.exitCode, 0);
    }
}

void OneShotPickTest::pickSteersByThePixelFromTheKeyboard_data() {
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<QByteArray>("printed");
    // Over the one-pixel checkerboard: even sums of x and y show the foreground.
    for (const char* scale : {"1", "1.5", "2"}) {
        const QString factor = QString::fromLatin1(scale);
        // clang-format off
        QTest::addRow("scale %s, one right, Return", scale) << factor << QPoint(100, 200)
            << QStringList{"Right", "Return"} << QPoint(101, 200) << QByteArray("#405060\n");
        QTest::addRow("scale %s, one down and one left, Space", scale) << factor << QPoint(101, 200)
            << QStringList{"Down", "Left", "space"} << QPoint(100, 201) << QByteArray("#405060\n");
        QTest::addRow("scale %s, ten right and one up, Enter", scale) << factor << QPoint(100, 200)
            << QStringList{"shift+Right", "Up", "KP_Enter"} << QPoint(110, 199)
            << QByteArray("#405060\n");
        QTest::addRow("scale %s, ten down, Return", scale) << factor << QPoint(101, 200)
            << QStringList{"shift+Down", "Return"} << QPoint(101, 210) << QByteArray("#405060\n");
    }
    QTest::newRow("kept on the screen") << QString::fromLatin1("1") << QPoint(3, 5)
        << QStringList{"shift+Left", "shift+Up", "Left", "Return"} << QPoint(0, 0)
        << QByteArray("#102030\n");
    QTest::newRow("kept on the screen, far corner") << QString::fromLatin1("2") << QPoint(1275, 795)
        << QStringList{"shift+Right", "shift+Down", "Down", "Return"} << QPoint(1279, 799)
        << QByteArray("#102030\n");
    // clang-format on
}

// The arrows move the pointer by physical pixels whatever the scale, Shift by ten; the key
// picks where the pointer then is.
void OneShotPickTest::pickSteersByThePixelFromTheKeyboard() {
    QFETCH(QString, scale);
    QFETCH(QPoint, start);
    QFETCH(QStringList, keys);
    QFETCH(QPoint, end);
    QFETCH(QByteArray, printed);
    PaintChecker();
    Xdotool({QStringLiteral("mousemove"), QString::number(start.x()), QString::number(start.y())});
    PickerRun run({{QStringLiteral("QT_SCALE_FACTOR"), scale}});
    QPoint landed;
    const Outcome outcome = Pick(run, {}, [&keys, &landed, end] {
        for (const QString& key : keys.mid(0, keys.size() - 1))
            Xdotool({QStringLiteral("key"), key});
        // The picker moves the pointer once it has read the keys; the last place seen counts.
        const bool arrived = QTest::qWaitFor(
            [&landed, end] {
                landed = PointerPosition();
                return landed == end;
            },
            3000);
        if (!arrived)
            qWarning("the pointer stayed short of where the keys lead");
        Xdotool({QStringLiteral("key"), keys.last()});
    });
    QCOMPARE(landed, end);
    QCOMPARE(outcome.out, printed);
    QCOMPARE(outcome.exitCode, 0);
    QVERIFY(PointerIsFree());
}

void OneShotPickTest::pickShowsTheMagnifiedPixels_data() {
    QTest::addColumn<QString>("scale");
    for (const char* scale : {"1", "1.5", "2"})
        QTest::newRow(scale) << QString::fromLatin1(scale);
}

// While picking, the pointer is the enlarged view of the checkerboard around it: one cell a
// physical pixel, the hot spot in the centre cell, which holds the pixel under the pointer,
// and the view follows the arrows. The pick itself still reads the screen, not the view.
void OneShotPickTest::pickShowsTheMagnifiedPixels() {
    QFETCH(QString, scale);
    PaintChecker();
    Xdotool({QStringLiteral("mousemove"), QStringLiteral("100"), QStringLiteral("200")});
    PickerRun run({{QStringLiteral("QT_SCALE_FACTOR"), scale}});
    QList<QImage> views;
    QList<QPoint> hotSpots;
    const Outcome outcome = Pick(run, {}, [this, &views, &hotSpots] {
        for (const QString& step : {QString(), QStringLiteral("Right")}) {
            if (!step.isEmpty())
                Xdotool({QStringLiteral("key"), step});
            QPoint hotSpot;
            QImage view;
            // The view is drawn once the picker's event loop runs; the checks below say what
            // was wrong with the last one seen.
            const bool shown = QTest::qWaitFor(
                [&] {
                    view = CursorImage(&hotSpot);
                    return view.width() >= 45 &&
                           view.pixel(hotSpot) == (step.isEmpty() ? 0xFF102030u : 0xFF405060u);
                },
                5000);
            if (!shown)
                qWarning("the view never showed the pixel under the pointer");
            views.append(view);
            hotSpots.append(hotSpot);
        }
        Xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    });
    QCOMPARE(outcome.out, QByteArray("#405060\n"));
    QCOMPARE(views.size(), 2);
    for (int i = 0; i < views.size(); ++i) {
        const QImage& view = views[i];
        QVERIFY2(view.width() == view.height() && view.width() % 15 == 0 && view.width() >= 45,
                 qPrintable(QStringLiteral("%1x%2").arg(view.width()).arg(view.height())));
        const int zoom = view.width() / 15;
        const QPoint hotSpot = hotSpots[i];
        // The centre cell's corners, inside its frame, and the hot spot in it.
        QCOMPARE(QPoint(hotSpot.x() / zoom, hotSpot.y() / zoom), QPoint(7, 7));
        const QRgb centre = i == 0 ? 0xFF102030u : 0xFF405060u;
        const QRgb other = i == 0 ? 0xFF405060u : 0xFF102030u;
        const QRect cell(7 * zoom, 7 * zoom, zoom, zoom);
        for (const QPoint& point : {cell.topLeft(), cell.bottomRight(), cell.center()})
            QCOMPARE(QString::number(view.pixel(point), 16), QString::number(centre, 16));
        // Its neighbours hold the neighbouring pixels: the other color on each side, the same
        // one diagonally, three cells out as well.
        for (const QPoint& offset : {QPoint(1, 0), QPoint(-3, 0), QPoint(0, 1), QPoint(0, -1)})
            QCOMPARE(QString::number(view.pixel(cell.center() + offset * zoom), 16),
                     QString::number(other, 16));
        QCOMPARE(QString::number(view.pixel(cell.center() + QPoint(zoom, zoom) * 2), 16),
                 QString::number(centre, 16));
    }
}

void OneShotPickTest::pickCopiesToTheClipboard_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("copied");
    QTest::newRow("hex") << QStringList{"--copy"} << QByteArray("#123456");
    QTest::newRow("rgb") << QStringList{"--format", "rgb", "--copy"} << QByteArray("rgb(18,52,86)");
}

// The command ends at once, the color stays on the clipboard, served by a process of its own
// that ends when another program takes the clipboard; nothing is printed or saved.
void OneShotPickTest::pickCopiesToTheClipboard() {
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, copied);
    PaintRoot({QStringLiteral("-solid"), QStringLiteral("#123456")});
    PickerRun run;
    const Outcome outcome = Pick(run, arguments, [] {
        Xdotool({QStringLiteral("mousemove"), QStringLiteral("300"), QStringLiteral("300"),
                 QStringLiteral("click"), QStringLiteral("1")});
    });
    QCOMPARE(outcome.exitCode, 0);
    QCOMPARE(outcome.out, QByteArray());
    QCOMPARE(outcome.err, QByteArray());
    QVERIFY(PointerIsFree());
    const pid_t server = ClipboardOwnerPid();
    QVERIFY2(server > 0, "nobody names itself the clipboard's owner");
    QCOMPARE(Run(QStringLiteral("xclip"),
                 {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")}),
             copied);
    QCOMPARE(Run(QStringLiteral("xclip"),
                 {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard"),
                  QStringLiteral("-t"), QStringLiteral("TARGETS")})
                 .contains("UTF8_STRING"),
             true);
    QVERIFY(!Ended(server));

    QProcess taker;
    taker.start(QStringLiteral("xclip"),
                {QStringLiteral("-i"), QStringLiteral("-quiet"), QStringLiteral("-selection"),
                 QStringLiteral("clipboard")});
    QVERIFY(taker.waitForStarted());
    taker.write("taken");
    taker.closeWriteChannel();
    QVERIFY2(QTest::qWaitFor([server] { return Ended(server); }, 5000),
             "the clipboard's server outlived its selection");
    QCOMPARE(Run(QStringLiteral("xclip"),
                 {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")}),
             QByteArray("taken"));
    taker.kill();
    taker.waitForFinished();
    QCOMPARE(run.SettingsFiles(), QStringList());
}

// With a clipboard manager, it saves the color and the background process ends at once.
void OneShotPickTest::pickCopiesToTheClipboardManager() {
    PaintRoot({QStringLiteral("-solid"), QStringLiteral("#123456")});
    QProcess manager;
    manager.start(QStringLiteral(FAKE_CLIPBOARD_MANAGER), QStringList());
    QVERIFY(manager.waitForReadyRead(5000));
    QCOMPARE(manager.readLine().trimmed(), QByteArray("ready"));
    PickerRun run;
    const Outcome outcome = Pick(run, {QStringLiteral("--copy")}, [] {
        Xdotool({QStringLiteral("mousemove"), QStringLiteral("300"), QStringLiteral("300"),
                 QStringLiteral("click"), QStringLiteral("1")});
    });
    QCOMPARE(outcome.exitCode, 0);
    QVERIFY(QTest::qWaitFor([&manager] { return manager.canReadLine(); }, 5000));
    QCOMPARE(manager.readLine().trimmed(), QByteArray("saved #123456"));
    QCOMPARE(Run(QStringLiteral("xclip"),
                 {QStringLiteral("-o"), QStringLiteral("-selection"), QStringLiteral("clipboard")}),
             QByteArray("#123456"));
    const pid_t owner = ClipboardOwnerPid();
    QVERIFY2(owner == 0 || owner == static_cast<pid_t>(manager.processId()),
             "the picker still serves the clipboard");
    manager.kill();
    manager.waitForFinished();
}

void OneShotPickTest::pickAsksThePortalOnWayland_data() {
    QTest::addColumn<QStringList>("answer");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("printed");
    // clang-format off
    QTest::newRow("a color") << QStringList{"0.2", "0.4", "0.6"} << QStringList() << 0
        << QByteArray("#336699\n");
    QTest::newRow("a color as rgb") << QStringList{"0.2", "0.4", "0.6"}
        << QStringList{"--format", "rgb"} << 0 << QByteArray("rgb(51,102,153)\n");
    QTest::newRow("cancelled") << QStringList{"cancel"} << QStringList() << 1 << QByteArray();
    // Neither is the user's cancel; without the portal on the bus there is nothing to wait for.
    QTest::newRow("the portal vanishes") << QStringList{"vanish"} << QStringList() << 2
        << QByteArray();
    QTest::newRow("an unknown response code") << QStringList{"code", "7"} << QStringList() << 2
        << QByteArray();
    // clang-format on
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
