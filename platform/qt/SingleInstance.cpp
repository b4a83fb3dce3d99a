#include "platform/qt/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>

#include <cerrno>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ombrix::platform {

namespace {

constexpr int ConnectTimeoutMs = 2000;
// A sender that stays silent this long is dropped, so it cannot block the first copy.
constexpr int SenderIdleMs = 10000;

// A folder the user alone owns and reaches, not a symbolic link.
bool OwnPrivateFolder(const QByteArray& path) {
    struct stat info {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

// Nothing at the name, or a file of the expected type that the user owns.
bool OwnedOrAbsent(const QByteArray& path, mode_t type) {
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0) {
        return errno == ENOENT;
    }
    return (info.st_mode & S_IFMT) == type && info.st_uid == ::getuid();
}

// The process at the other end of a connected local socket runs as this user.
bool PeerIsThisUser(int descriptor) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return descriptor >= 0 &&
           ::getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           size == sizeof peer && peer.uid == ::getuid();
}

} // namespace

QString InstanceSocketName() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray file = "/ombrixgo-" + QByteArray::number(::getuid());
    if (!runtime.isEmpty() && OwnPrivateFolder(runtime)) {
        return QFile::decodeName(runtime + file);
    }
    // The shared temporary folder: a folder of the user's own in it, so
    // nobody else can take or block the names the copies meet at.
    const QByteArray folder = QFile::encodeName(QDir::tempPath()) + file;
    ::mkdir(folder.constData(), 0700); // when it exists already, the check below decides
    if (!OwnPrivateFolder(folder)) {
        return {};
    }
    return QFile::decodeName(folder + file);
}

LocalInstanceChannel::LocalInstanceChannel(QString socketName, int answerTimeoutMs)
    : name_(std::move(socketName)), answerTimeoutMs_(answerTimeoutMs) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &LocalInstanceChannel::Accept);
}

bool LocalInstanceChannel::HandOverToRunningCopy(const std::string& commandLine,
                                                 CommandLineReceiver receive) {
    failure_.reset();
    alone_.reset();
    if (name_.isEmpty()) {
        return RunAlone("the folder for meeting a running copy is not private to this user");
    }
    const QByteArray lockName = QFile::encodeName(name_ + QStringLiteral(".lock"));
    if (!OwnedOrAbsent(lockName, S_IFREG) || !OwnedOrAbsent(QFile::encodeName(name_), S_IFSOCK)) {
        return RunAlone("the meeting place of running copies holds a file this user does not own");
    }
    // The lock makes "find the first copy, else become it" one step, so two
    // copies started together end with exactly one listening.
    QLockFile lock(QFile::decodeName(lockName));
    // Stale only when its holder is gone: a holder that is merely slow or
    // stopped may still be about to listen.
    lock.setStaleLockTime(0);
    const bool locked = lock.tryLock(answerTimeoutMs_);
    switch (SendTo(commandLine)) {
    case Sent::Delivered:
        return true;
    case Sent::Failed:
        return true;
    case Sent::Untrusted:
        return RunAlone("the copy listening for this user runs under another user");
    case Sent::NobodyListens:
        break;
    }
    if (!locked) {
        // Another copy, alive, is between finding nobody and listening:
        // taking the name now would leave two copies.
        failure_ = "another Quavomat is starting and does not answer; "
                   "the command line was not handed over";
        return true;
    }
    // Refused: whatever is left at the name belongs to a copy that is gone.
    QLocalServer::removeServer(name_);
    receive_ = std::move(receive);
    server_.listen(name_);
    return false;
}

bool LocalInstanceChannel::RunAlone(const char* why) {
    alone_ = why;
    // Said at once: the start may go on into a message box.
    std::fprintf(stderr, "ombrixgo: %s; this copy runs on its own.\n", why);
    return false;
}

LocalInstanceChannel::Sent LocalInstanceChannel::SendTo(const std::string& commandLine) {
    QLocalSocket socket;
    socket.connectToServer(name_);
    if (!socket.waitForConnected(ConnectTimeoutMs)) {
        // Only a refusal, or no socket at all, proves nobody listens. A copy
        // that is busy or whose queue is full still runs: never take its name.
        if (socket.error() == QLocalSocket::ConnectionRefusedError ||
            socket.error() == QLocalSocket::ServerNotFoundError) {
            return Sent::NobodyListens;
        }
        failure_ = "Quavomat is already running but does not answer; "
                   "the command line was not handed over";
        return Sent::Failed;
    }
    if (!PeerIsThisUser(static_cast<int>(socket.socketDescriptor()))) {
        socket.abort();
        return Sent::Untrusted;
    }
    const auto message = EncodeHandOver(commandLine);
    if (!message) {
        socket.abort();
        failure_ = "the command line is longer than " + std::to_string(HandOverLimit / 1024) +
                   " KiB and cannot be handed over to the running Quavomat";
        return Sent::Failed;
    }
    socket.write(message->data(), static_cast<qint64>(message->size()));
    socket.waitForBytesWritten(answerTimeoutMs_);
    char answer = 0;
    const bool confirmed =
        (socket.bytesAvailable() > 0 || socket.waitForReadyRead(answerTimeoutMs_)) &&
        socket.read(&answer, 1) == 1 && answer == HandOverDone;
    socket.disconnectFromServer();
    if (!confirmed) {
        failure_ = "the running Quavomat did not confirm the command line";
        return Sent::Failed;
    }
    return Sent::Delivered;
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
                QTimer::singleShot(0, this, [this, text = decoder->Text()] {
                    ++receiving_;
                    receive_(text);
                    --receiving_;
                });
            }
        });
    }
}

} // namespace ombrix::platform
