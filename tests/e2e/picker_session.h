// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#pragma once

// Drives the real picker binary on the X server of the test (started by xvfb-run), with
// xdotool, xclip and ImageMagick's import, as a user's desktop would.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace tessavundo::e2e {

// How long a change the test caused may take to show on a loaded machine.
constexpr int kSettleTimeoutMs = 10000;

// Runs a command to its end and returns what it printed.
inline QByteArray Run(const QString& program, const QStringList& arguments, int timeoutMs = 10000) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        qWarning() << "timed out:" << program << arguments;
    }
    return process.readAllStandardOutput();
}

inline QByteArray Xdotool(const QStringList& arguments) {
    return Run(QStringLiteral("xdotool"), arguments);
}

// The text on the CLIPBOARD selection (or another, as xclip names it), as another program
// reads it.
inline QString ClipboardText(const QString& selection = QStringLiteral("clipboard")) {
    return QString::fromUtf8(Run(QStringLiteral("xclip"),
                                 {QStringLiteral("-o"), QStringLiteral("-selection"), selection}));
}

class PickerSession {
public:
    // `configDir` holds the settings file; the same folder gives a restart the same settings.
    explicit PickerSession(const QString& configDir) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configDir);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        process_.setProcessEnvironment(environment);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }

    // Call before Start, for instance to run the picker at another display scale.
    void SetEnvironment(const QString& name, const QString& value) {
        QProcessEnvironment environment = process_.processEnvironment();
        environment.insert(name, value);
        process_.setProcessEnvironment(environment);
    }

    void UnsetEnvironment(const QString& name) {
        QProcessEnvironment environment = process_.processEnvironment();
        environment.remove(name);
        process_.setProcessEnvironment(environment);
    }

    ~PickerSession() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished();
        }
    }

    // Runs the picker as the unprivileged user nobody, for whom file permissions hold (the
    // tests run as root, which ignores them).
    void RunAsNobody() { asNobody_ = true; }

    // Starts the picker and waits for its window; returns false when it never appears. Only a
    // mapped window counts: the toolkit's hidden 1 x 1 leader window carries the same title.
    bool Start() {
        if (asNobody_) {
            // setpriv replaces itself with the picker, so the process id stays the picker's.
            process_.start(QStringLiteral("setpriv"),
                           {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                            QStringLiteral("--clear-groups"), QStringLiteral(TESSAVUNDO_BINARY)});
        } else {
            process_.start(QStringLiteral(TESSAVUNDO_BINARY), QStringList());
        }
        if (!process_.waitForStarted())
            return false;
        // Qt also names a hidden leader window after the program; only a shown one counts. The
        // conditions must all hold: xdotool's default is any of them.
        const QByteArray found =
            Run(QStringLiteral("xdotool"),
                {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--all"),
                 QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                 QString::number(process_.processId()), QStringLiteral("--name"),
                 QStringLiteral("^Tessavundo$")},
                20000);
        window_ = found.split('\n').value(0).trimmed();
        return !window_.isEmpty();
    }

    // With no window manager a window is never active until it is given the focus.
    void Focus() const {
        Xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), Window()});
    }

    // Client-area coordinates, as the window's own layout gives them.
    void MoveTo(int x, int y) const {
        Xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QStringLiteral("--window"),
                 Window(), QString::number(x), QString::number(y)});
    }

    void Click(int x, int y, int button = 1) const {
        MoveTo(x, y);
        Xdotool({QStringLiteral("click"), QString::number(button)});
    }

    void Type(const QString& text) const {
        Xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
    }

    void Key(const QString& keys) const { Xdotool({QStringLiteral("key"), keys}); }

    QImage Grab() const {
        return QImage::fromData(Run(QStringLiteral("import"),
                                    {QStringLiteral("-window"), Window(), QStringLiteral("png:-")}),
                                "PNG");
    }

    // Asks the window to close, as its close button does, and waits for the program to end;
    // needs a window manager. Returns false unless the program ended normally with exit code 0.
    bool Close() {
        Run(QStringLiteral("wmctrl"),
            {QStringLiteral("-F"), QStringLiteral("-c"), QStringLiteral("Tessavundo")});
        return process_.waitForFinished(30000) && process_.exitStatus() == QProcess::NormalExit &&
               process_.exitCode() == 0;
    }

    QString Window() const { return QString::fromLatin1(window_); }
    QProcess& Process() { return process_; }

private:
    QProcess process_;
    QByteArray window_;
    bool asNobody_ = false;
};

// A point well inside the preview, in client-area coordinates.
constexpr QPoint kPreview(356, 164);

// The color the preview shows; 0 while the window cannot be captured.
inline QRgb PreviewColor(const PickerSession& picker) {
    const QImage shot = picker.Grab();
    return shot.isNull() ? 0 : shot.pixel(kPreview);
}

// Call it while the picker runs: the server resets the desktop when its last client leaves.
inline void SetDesktopColor(const QString& color) {
    Run(QStringLiteral("xsetroot"), {QStringLiteral("-solid"), color});
}

// Moves the pointer to a point of the screen, outside any window of the picker.
inline void MovePointerTo(QPoint screen) {
    Xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(screen.x()),
             QString::number(screen.y())});
}

} // namespace tessavundo::e2e

// QTRY_VERIFY and QTRY_COMPARE count their polls, not the time that passes: a poll that runs a
// program (xclip, import) stretches their 5 s into minutes on a loaded machine, past the test's
// own time limit, and the test is killed without a word. These wait by the clock; when the time
// runs out they check once more, so that the failure says what was seen.
#define E2E_TRY_VERIFY(condition)                                                                  \
    do {                                                                                           \
        if (!QTest::qWaitFor([&] { return bool(condition); }, tessavundo::e2e::kSettleTimeoutMs))  \
            QVERIFY(condition);                                                                    \
    } while (false)
#define E2E_TRY_COMPARE_WITH_TIMEOUT(actual, expected, timeoutMs)                                  \
    do {                                                                                           \
        if (!QTest::qWaitFor([&] { return (actual) == (expected); }, timeoutMs))                   \
            QCOMPARE(actual, expected);                                                            \
    } while (false)
#define E2E_TRY_COMPARE(actual, expected)                                                          \
    E2E_TRY_COMPARE_WITH_TIMEOUT(actual, expected, tessavundo::e2e::kSettleTimeoutMs)
