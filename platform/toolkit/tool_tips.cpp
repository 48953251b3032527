// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
#include "platform/toolkit/tool_tips.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTextDocument>
#include <QToolTip>
#include <QWidget>

namespace tessavundo {

namespace {

// The toolkit wraps a rich-text tooltip's words, at about eighty characters of its font.
QString WrappedText(const QString& plainText) {
    return QStringLiteral("<p>") + plainText.toHtmlEscaped() + QStringLiteral("</p>");
}

class ToolTipWrapper final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        const QString text = widget->toolTip();
        if (text.isEmpty() || Qt::mightBeRichText(text))
            return false;
        const auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), WrappedText(text), widget, QRect(),
                           widget->toolTipDuration());
        return true;
    }
};

} // namespace

void WrapToolTips(QApplication& application) {
    application.installEventFilter(new ToolTipWrapper(&application));
}

} // namespace tessavundo

#include "tool_tips.moc"
