// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Another application's window that gives a color to a drag begun on it, as a paint program's
// palette does. The drag carries each format named on the command line; when the drag ends the
// window prints the action the drop target answered on standard output: "CopyAction" for a drop
// taken, "IgnoreAction" for one refused.
// Usage: color_drag_source left top [--color #rrggbb] [--text TEXT]
#include <QApplication>
#include <QColor>
#include <QDrag>
#include <QMetaEnum>
#include <QMimeData>
#include <QMouseEvent>
#include <QWidget>
#include <cstdio>

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 200;

class DragSource : public QWidget {
public:
    DragSource(QColor color, QString text)
        : color_(color)
        , text_(std::move(text)) {
        setWindowTitle(QStringLiteral("Color drag source"));
        resize(kWidth, kHeight);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        pressPosition_ = event->position().toPoint();
    }

    void mouseMoveEvent(QMouseEvent* event) override {
        if (!(event->buttons() & Qt::LeftButton) ||
            (event->position().toPoint() - pressPosition_).manhattanLength() <
                QApplication::startDragDistance())
            return;
        auto* mime = new QMimeData;
        if (color_.isValid())
            mime->setColorData(color_);
        if (!text_.isNull())
            mime->setText(text_);
        auto* drag = new QDrag(this);
        drag->setMimeData(mime);
        const Qt::DropAction action = drag->exec(Qt::CopyAction);
        std::puts(QMetaEnum::fromType<Qt::DropAction>().valueToKey(action));
        std::fflush(stdout);
    }

private:
    QColor color_;
    QString text_;
    QPoint pressPosition_;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 3)
        return 2;
    QColor color;
    QString text;
    for (qsizetype i = 3; i + 1 < arguments.size(); i += 2)
        if (arguments[i] == QLatin1String("--color"))
            color = QColor(arguments[i + 1]);
        else if (arguments[i] == QLatin1String("--text"))
            text = arguments[i + 1];
        else
            return 2;
    DragSource window(color, text);
    window.move(arguments[1].toInt(), arguments[2].toInt());
    window.show();
    return QApplication::exec();
}
