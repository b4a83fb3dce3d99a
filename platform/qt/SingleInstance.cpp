#include "platform/qt/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <memory>

#include <unistd.h>

namespace ombrix::platform {

namespace {

constexpr int ConnectTimeoutMs = 2000;
// A sender that stays silent this long is dropped, so it cannot block the first copy.
constexpr int SenderIdleMs = 10000;

} // namespace

QString InstanceSocketName() {
    QString folder = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) {
        folder = QDir::tempPath();
    }
    return QDir(folder).filePath(QStringLiteral("ombrixgo-%1").arg(::getuid()));
}

LocalInstanceChannel::LocalInstanceChannel(QString socketName, int answerTimeoutMs)
    : name_(std::move(socketName)), answerTimeoutMs_(answerTimeoutMs) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &LocalInstanceChannel::Accept);
}

bool LocalInstanceChannel::HandOverToRunningCopy(const std::string& commandLine,
                                                 CommandLineReceiver receive) {
    // The lock makes "find the first copy, else become it" one step, so two
    // copies started together end with exactly one listening.
    QLockFile lock(name_ + QStringLiteral(".lock"));
    lock.tryLock(answerTimeoutMs_);
    if (SendTo(commandLine)) {
        return true;
    }
    // Nobody answers on the socket: whatever is left there belongs to a copy that died.
    QLocalServer::removeServer(name_);
    receive_ = std::move(receive);
    server_.listen(name_);
    return false;
}

bool LocalInstanceChannel::SendTo(const std::string& commandLine) {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(ConnectTimeoutMs)) {
        return false;
    }
    // A command line over the bound is not handed over; the running copy is still there.
    if (const auto message = EncodeHandOver(commandLine)) {
        socket.write(message->data(), static_cast<qint64>(message->size()));
        socket.waitForBytesWritten(answerTimeoutMs_);
        socket.waitForReadyRead(answerTimeoutMs_);
    }
    socket.disconnectFromServer();
    return true;
}

void LocalInstanceChannel::Accept() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        auto decoder = std::make_shared<HandOverDecoder>();
        auto* idle = new QTimer(socket);
        idle->setSingleShot(true);
        connect(idle, &QTimer::timeout, socket, &QLocalSocket::abort);
        idle->start(SenderIdleMs);
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket, decoder, idle] {
            if (decoder->Current() != HandOverDecoder::State::NeedMore) {
                socket->readAll();
                return;
            }
            // Read only what the message still needs.
            while (socket->bytesAvailable() > 0 && decoder->Needed() > 0) {
                char buffer[4096];
                const qint64 want =
                    static_cast<qint64>(std::min<std::size_t>(decoder->Needed(), sizeof buffer));
                const qint64 got = socket->read(buffer, want);
                if (got <= 0) {
                    break;
                }
                decoder->Feed(std::string_view(buffer, static_cast<std::size_t>(got)));
            }
            if (decoder->Current() == HandOverDecoder::State::Invalid) {
                socket->abort();
                return;
            }
            if (decoder->Current() == HandOverDecoder::State::Complete) {
                idle->stop();
                // Answer first: the copy that handed over ends at once, not
                // when whatever the command opens (a message box) is closed.
                socket->write(&HandOverDone, 1);
                socket->flush();
                socket->disconnectFromServer();
                QTimer::singleShot(0, this, [this, text = decoder->Text()] { receive_(text); });
            }
        });
    }
}

} // namespace ombrix::platform
