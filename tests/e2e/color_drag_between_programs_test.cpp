// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Colors dragged between the real picker and other programs on one X server, through the
// desktop's own drag protocol (XDND): out of the preview and a swatch into another program's
// window, and from another program's window onto the preview. The pointer is moved by xdotool
// as a hand moves it: a press, a path of moves, a release.
#include "tests/e2e/picker_session.h"

using namespace tessavundo::e2e;

namespace {

// rgb(10,20,30) current, and swatch 1 holding rgb(200,100,50).
const char* const kSettings = "[position]\ncolor=1971210\ncol1=3302600\n";
const QPoint kFirstSwatch(304, 256);
const QPoint kRgbCopyButton(412, 52);
const QPoint kHexCopyButton(412, 84);

// Where the windows are put: the picker, and the other programs' beside it and apart.
const QPoint kPickerOrigin(0, 0);
const QPoint kTargetOrigin(700, 100);
const QPoint kSourceOrigin(700, 500);
// The other programs' windows are 300 x 200.
const QPoint kPeerMiddle(150, 100);

constexpr int kDragSteps = 8;
// Between two moves: each is an XDND position message the other side answers.
constexpr int kStepPauseMs = 40;
// Over the target before the release, so that its answer to the last position has come.
constexpr int kSettleMs = 250;
constexpr int kDropTimeoutMs = 10000;

void PointerTo(QPoint at) {
    Xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()),
             QString::number(at.y())});
}

// A drag from one point of the screen to another with the left button.
void DragWithThePointer(QPoint from, QPoint to) {
    PointerTo(from);
    Xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
    for (int step = 1; step <= kDragSteps; ++step) {
        PointerTo(from + (to - from) * step / kDragSteps);
        QTest::qWait(kStepPauseMs);
    }
    // A last small move over the target, as a hand never rests quite still.
    PointerTo(to + QPoint(1, 1));
    QTest::qWait(kSettleMs);
    Xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
}

// Another program's window on the test's display, and what it has printed so far.
class Peer {
public:
    Peer(const QString& program, const QStringList& arguments, const QString& runtimeDir) {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
        process_.setProcessEnvironment(environment);
        process_.start(program, arguments);
    }

    ~Peer() {
        process_.kill();
        process_.waitForFinished();
    }

    Peer(const Peer&) = delete;
    Peer& operator=(const Peer&) = delete;

    // True once its window is mapped.
    bool WaitForWindow(const QString& title) {
        if (!process_.waitForStarted())
            return false;
        return !Run(QStringLiteral("xdotool"),
                    {QStringLiteral("search"), QStringLiteral("--sync"), QStringLiteral("--all"),
                     QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                     QString::number(process_.processId()), QStringLiteral("--name"),
                     QLatin1Char('^') + title + QLatin1Char('$')},
                    kDropTimeoutMs)
                    .trimmed()
                    .isEmpty();
    }

    QStringList Lines() {
        output_ += process_.readAllStandardOutput();
        return QString::fromUtf8(output_).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    void ForgetOutput() {
        Lines();
        output_.clear();
    }

private:
    QProcess process_;
    QByteArray output_;
};

QString WriteSettings(const QTemporaryDir& configDir) {
    const QString path = configDir.filePath(QStringLiteral("ColorPicker.conf"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(kSettings) < 0)
        return {};
    return path;
}

} // namespace

class ColorDragBetweenProgramsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void previewGivesItsColorInBothFormats();
    void swatchGivesItsColorAndStaysUnclicked();
    void droppedColorBecomesCurrent_data();
    void droppedColorBecomesCurrent();
    void cleanupTestCase();

private:
    QPoint OnPicker(QPoint client) const { return kPickerOrigin + client; }

    QTemporaryDir configDir_;
    // The toolkit's runtime folder, private to the test rather than one in /tmp for everyone.
    QTemporaryDir runtimeDir_;
    std::unique_ptr<PickerSession> picker_;
    std::unique_ptr<Peer> target_;
};

void ColorDragBetweenProgramsTest::initTestCase() {
    QVERIFY(!WriteSettings(configDir_).isEmpty());
    picker_ = std::make_unique<PickerSession>(configDir_.path());
    picker_->SetEnvironment(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir_.path());
    QVERIFY2(picker_->Start(), "the window titled Tessavundo never appeared");
    // With no window manager the window goes exactly where it is told.
    Xdotool({QStringLiteral("windowmove"), QStringLiteral("--sync"), picker_->Window(),
             QString::number(kPickerOrigin.x()), QString::number(kPickerOrigin.y())});
    E2E_TRY_COMPARE(PreviewColor(*picker_), qRgb(10, 20, 30));

    target_ = std::make_unique<Peer>(
        QStringLiteral(COLOR_DROP_TARGET),
        QStringList{QString::number(kTargetOrigin.x()), QString::number(kTargetOrigin.y())},
        runtimeDir_.path());
    QVERIFY2(target_->WaitForWindow(QStringLiteral("Color drop target")),
             "the drop target's window never appeared");
}

void ColorDragBetweenProgramsTest::previewGivesItsColorInBothFormats() {
    target_->ForgetOutput();
    DragWithThePointer(OnPicker(kPreview), kTargetOrigin + kPeerMiddle);
    const QStringList expected = {QStringLiteral("application/x-color #0a141e"),
                                  QStringLiteral("text/plain #0A141E"),
                                  QStringLiteral("end of drop")};
    E2E_TRY_COMPARE_WITH_TIMEOUT(target_->Lines(), expected, kDropTimeoutMs);
}

void ColorDragBetweenProgramsTest::swatchGivesItsColorAndStaysUnclicked() {
    target_->ForgetOutput();
    DragWithThePointer(OnPicker(kFirstSwatch), kTargetOrigin + kPeerMiddle);
    const QStringList expected = {QStringLiteral("application/x-color #c86432"),
                                  QStringLiteral("text/plain #C86432"),
                                  QStringLiteral("end of drop")};
    E2E_TRY_COMPARE_WITH_TIMEOUT(target_->Lines(), expected, kDropTimeoutMs);
    // A click on the swatch would have made its color current; the drag leaves it as it was.
    QCOMPARE(PreviewColor(*picker_), qRgb(10, 20, 30));
}

void ColorDragBetweenProgramsTest::droppedColorBecomesCurrent_data() {
    QTest::addColumn<QStringList>("formats");
    // The action the drag source was told when the drag ended.
    QTest::addColumn<QString>("action");
    QTest::addColumn<QRgb>("current");
    QTest::addColumn<QString>("rgbText");
    QTest::addColumn<QString>("hexText");
    QTest::newRow("application/x-color") << QStringList{"--color", "#3366cc"} << "CopyAction"
                                         << qRgb(51, 102, 204) << "rgb(51,102,204)"
                                         << "#3366CC";
    QTest::newRow("hex text") << QStringList{"--text", "#0A8040"} << "CopyAction"
                              << qRgb(10, 128, 64) << "rgb(10,128,64)"
                              << "#0A8040";
    QTest::newRow("rgb text") << QStringList{"--text", "rgb(1,2,3)"} << "CopyAction"
                              << qRgb(1, 2, 3) << "rgb(1,2,3)"
                              << "#010203";
    // What no reader takes is refused, so the source does not count it as dropped, and the
    // color stays as the row before made it.
    QTest::newRow("text that is no color")
        << QStringList{"--text", "rgb(1,2"} << "IgnoreAction" << qRgb(1, 2, 3) << "rgb(1,2,3)"
        << "#010203";
}

void ColorDragBetweenProgramsTest::droppedColorBecomesCurrent() {
    QFETCH(QStringList, formats);
    QFETCH(QString, action);
    QFETCH(QRgb, current);
    QFETCH(QString, rgbText);
    QFETCH(QString, hexText);
    Peer source(
        QStringLiteral(COLOR_DRAG_SOURCE),
        QStringList{QString::number(kSourceOrigin.x()), QString::number(kSourceOrigin.y())} +
            formats,
        runtimeDir_.path());
    QVERIFY2(source.WaitForWindow(QStringLiteral("Color drag source")),
             "the drag source's window never appeared");

    DragWithThePointer(kSourceOrigin + kPeerMiddle, OnPicker(kPreview));
    E2E_TRY_COMPARE_WITH_TIMEOUT(source.Lines(), QStringList{action}, kDropTimeoutMs);
    E2E_TRY_COMPARE(PreviewColor(*picker_), current);
    // What the fields show, through their copy buttons. The two alternate on the clipboard,
    // so the text of the copy before never passes for the one asked for.
    picker_->Click(kRgbCopyButton.x(), kRgbCopyButton.y());
    E2E_TRY_COMPARE(ClipboardText(), rgbText);
    picker_->Click(kHexCopyButton.x(), kHexCopyButton.y());
    E2E_TRY_COMPARE(ClipboardText(), hexText);
}

void ColorDragBetweenProgramsTest::cleanupTestCase() {
    target_.reset();
    picker_.reset();
}

QTEST_GUILESS_MAIN(ColorDragBetweenProgramsTest)
#include "color_drag_between_programs_test.moc"
