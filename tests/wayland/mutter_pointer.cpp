// SPDX-FileCopyrightText: 2026 The Tessavundo developers
// SPDX-License-Identifier: MIT
// Moves mutter's pointer as a remote-desktop client does, for tests on a real compositor
// (with-mutter): one RemoteDesktop session with a ScreenCast stream of the monitor CONNECTOR
// (default Meta-0, the first virtual monitor), whose PipeWire node it prints as "node <id>".
// Then, line by line on standard input:
//
//   move X Y    the pointer to (X, Y) in the monitor's pixels; answers "moved"
//
// Mutter ends both sessions when this process leaves, at the end of its input.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QSocketNotifier>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

namespace {

const QString kRemoteDesktop = QStringLiteral("org.gnome.Mutter.RemoteDesktop");
const QString kScreenCast = QStringLiteral("org.gnome.Mutter.ScreenCast");
// The cursor as metadata beside the frames, as the eyedropper asks of a desktop's portal.
constexpr unsigned kCursorAsMetadata = 2;

void Say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

[[noreturn]] void Fail(const QString& what) {
    std::fprintf(stderr, "mutter_pointer: %s\n", qPrintable(what));
    std::exit(1);
}

QDBusObjectPath CallForPath(QDBusInterface& target, const QString& method,
                            const QList<QVariant>& arguments) {
    const QDBusReply<QDBusObjectPath> reply =
        target.callWithArgumentList(QDBus::Block, method, arguments);
    if (!reply.isValid())
        Fail(method + ": " + reply.error().message());
    return reply.value();
}

class PointerMover : public QObject {
    Q_OBJECT

public:
    explicit PointerMover(const QString& connector) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        QDBusInterface remoteDesktop(kRemoteDesktop, "/org/gnome/Mutter/RemoteDesktop",
                                     kRemoteDesktop, bus);
        const QDBusObjectPath remotePath = CallForPath(remoteDesktop, "CreateSession", {});
        remoteSession_ = new QDBusInterface(kRemoteDesktop, remotePath.path(),
                                            kRemoteDesktop + ".Session", bus, this);
        const QString sessionId = remoteSession_->property("SessionId").toString();

        QDBusInterface screenCast(kScreenCast, "/org/gnome/Mutter/ScreenCast", kScreenCast, bus);
        const QDBusObjectPath castPath = CallForPath(
            screenCast, "CreateSession", {QVariantMap{{"remote-desktop-session-id", sessionId}}});
        QDBusInterface castSession(kScreenCast, castPath.path(), kScreenCast + ".Session", bus);
        stream_ = CallForPath(castSession, "RecordMonitor",
                              {connector, QVariantMap{{"cursor-mode", kCursorAsMetadata}}});
        bus.connect(kScreenCast, stream_.path(), kScreenCast + ".Stream", "PipeWireStreamAdded",
                    this, SLOT(OnStreamAdded(uint)));
        const QDBusMessage started = remoteSession_->call("Start");
        if (started.type() == QDBusMessage::ErrorMessage)
            Fail("Start: " + started.errorMessage());

        input_ = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
        connect(input_, &QSocketNotifier::activated, this, &PointerMover::OnInput);
    }

private slots:
    void OnStreamAdded(uint node) { Say(QStringLiteral("node %1").arg(node)); }

private:
    void OnInput() {
        char chunk[4096];
        const ssize_t got = read(STDIN_FILENO, chunk, sizeof chunk);
        if (got <= 0) {
            remoteSession_->call("Stop");
            QCoreApplication::quit();
            return;
        }
        pending_ += QString::fromUtf8(chunk, static_cast<int>(got));
        for (qsizetype end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
            const QStringList words = pending_.left(end).split(' ', Qt::SkipEmptyParts);
            pending_.remove(0, end + 1);
            if (words.size() == 3 && words[0] == "move") {
                const QDBusMessage moved =
                    remoteSession_->call("NotifyPointerMotionAbsolute", stream_.path(),
                                         words[1].toDouble(), words[2].toDouble());
                if (moved.type() == QDBusMessage::ErrorMessage)
                    Fail("NotifyPointerMotionAbsolute: " + moved.errorMessage());
                Say("moved");
            }
        }
    }

    QDBusInterface* remoteSession_ = nullptr;
    QDBusObjectPath stream_;
    QSocketNotifier* input_ = nullptr;
    QString pending_;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    PointerMover mover(arguments.size() > 1 ? arguments[1] : QStringLiteral("Meta-0"));
    return QCoreApplication::exec();
}

#include "mutter_pointer.moc"
