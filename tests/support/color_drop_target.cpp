// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Another application's window that takes dropped colors, as a paint program or a color dialog
// does, for the picker's drags to end on. Each drop prints what it carried on standard output,
// one line a format, then "end of drop":
//   application/x-color #rrggbb
//   text/plain <the text>
// Usage: color_drop_target [left top]
#include <QApplication>
#include <QColor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>
#include <cstdio>

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 200;

class DropTarget : public QWidget {
public:
    DropTarget() {
        setWindowTitle(QStringLiteral("Color drop target"));
        setAcceptDrops(true);
        resize(kWidth, kHeight);
    }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override {
        if (event->mimeData()->hasColor() || event->mimeData()->hasText())
            event->acceptProposedAction();
    }

    void dropEvent(QDropEvent* event) override {
        const QMimeData& mime = *event->mimeData();
        if (mime.hasColor())
            Print("application/x-color " + qvariant_cast<QColor>(mime.colorData()).name());
        if (mime.hasText())
            Print("text/plain " + mime.text());
        Print(QStringLiteral("end of drop"));
        event->acceptProposedAction();
    }

private:
    // Flushed at once: the test reads the lines while this program still runs.
    static void Print(const QString& line) {
        std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
        std::fflush(stdout);
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    DropTarget window;
    if (argc > 2)
        window.move(QString::fromLocal8Bit(argv[1]).toInt(),
                    QString::fromLocal8Bit(argv[2]).toInt());
    window.show();
    return QApplication::exec();
}
