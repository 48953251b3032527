// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// The tooltips of the real picker, in German, whose texts are the longest: each one, shown
// by resting the pointer on its control, is wrapped to a width that fits a small screen.
#include "tests/e2e/picker_session.h"

using namespace tessavundo::e2e;

namespace {

// Well inside a 1,024-pixel screen, and about eighty characters of the usual tooltip font.
constexpr int kWidestToolTip = 600;

// The width of the first window shown besides `window`, once one is; 0 when none is. The
// picker is the only program on the test's server, and its tooltip windows carry no process
// id.
int ShownWindowWidth(const QString& window) {
    int width = 0;
    const bool shown = QTest::qWaitFor(
        [&] {
            const QList<QByteArray> found =
                Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                         QStringLiteral("--class"), QStringLiteral(".")})
                    .split('\n');
            for (const QByteArray& id : found) {
                const QString other = QString::fromLatin1(id.trimmed());
                if (other.isEmpty() || other == window)
                    continue;
                const QList<QByteArray> shell =
                    Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), other})
                        .split('\n');
                for (const QByteArray& line : shell)
                    if (line.startsWith("WIDTH="))
                        width = line.mid(6).toInt();
                return width > 0;
            }
            return false;
        },
        10000);
    return shown ? width : 0;
}

} // namespace

class ToolTipWidthTest : public QObject {
    Q_OBJECT

private slots:
    void toolTipsFitASmallScreen_data();
    void toolTipsFitASmallScreen();
};

void ToolTipWidthTest::toolTipsFitASmallScreen_data() {
    QTest::addColumn<QPoint>("control");
    QTest::newRow("help") << QPoint(412, 20);
    QTest::newRow("eyedropper") << QPoint(340, 20);
    QTest::newRow("copy rgb") << QPoint(412, 52);
    QTest::newRow("copy hex") << QPoint(412, 84);
}

void ToolTipWidthTest::toolTipsFitASmallScreen() {
    QFETCH(QPoint, control);
    QTemporaryDir configDir;
    PickerSession picker(configDir.path());
    for (const char* name : {"LC_ALL", "LANG"})
        picker.SetEnvironment(QString::fromLatin1(name), QStringLiteral("de_DE.UTF-8"));
    picker.SetEnvironment(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
    QVERIFY2(picker.Start(), "the window titled Tessavundo never appeared");
    picker.Focus();
    // From outside the window onto the control, as a user's pointer comes.
    Xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QStringLiteral("1000"),
             QStringLiteral("700")});
    picker.MoveTo(control.x(), control.y());

    const int width = ShownWindowWidth(picker.Window());
    QVERIFY2(width > 0, "no tooltip appeared");
    QVERIFY2(width <= kWidestToolTip, qPrintable(QStringLiteral("%1 pixels wide").arg(width)));
}

QTEST_GUILESS_MAIN(ToolTipWidthTest)
#include "tooltip_width_test.moc"
