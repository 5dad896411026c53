#include "shell/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A runtime folder only its owner can enter; anything else (another owner, open to others) is not
// trusted with the name.
bool isPrivateRuntimeDir(const QByteArray& dir) {
    struct stat info {};
    return !dir.isEmpty() && ::stat(dir.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::getuid() && (info.st_mode & 077) == 0;
}

QString displayName() {
    QString display = qEnvironmentVariable("DISPLAY", qEnvironmentVariable("WAYLAND_DISPLAY", "none"));
    display.replace('/', '_');
    return display;
}

// Whoever is on the other end must be this user: an abstract name can be taken by anyone.
bool peerIsThisUser(qintptr descriptor) {
    struct ucred peer {};
    socklen_t length = sizeof peer;
    return ::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 && peer.uid == ::getuid();
}

} // namespace

bool SingleInstance::usesAbstractName() {
    return !isPrivateRuntimeDir(qgetenv("XDG_RUNTIME_DIR"));
}

// One classroom a user on one display: a second desktop session (or a test's private X server)
// has a classroom of its own. The name lives where no other user can take it first: in the user's
// private runtime folder, or else in the abstract namespace, where a caller is asked who it is.
QString SingleInstance::serverName() {
    if (usesAbstractName())
        return QString("pipkins-classroom-%1-%2").arg(::getuid()).arg(displayName());
    return QString("%1/pipkins-classroom-%2").arg(qEnvironmentVariable("XDG_RUNTIME_DIR"), displayName());
}

bool SingleInstance::alreadyRunning() {
    QLocalSocket socket;
    if (usesAbstractName())
        socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(500))
        return false;
    // A listener of another user is no classroom of ours: start as if nobody were there.
    if (!peerIsThisUser(socket.socketDescriptor()))
        return false;
    socket.write("forward\n");
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

SingleInstance::SingleInstance(std::function<void()> comeForward)
    : server_(new QLocalServer(this)), comeForward_(std::move(comeForward)) {
    if (usesAbstractName()) {
        server_->setSocketOptions(QLocalServer::AbstractNamespaceOption);
    } else {
        // A classroom that ended without tidying up leaves its socket behind; nobody answers on it.
        QLocalServer::removeServer(serverName());
        server_->setSocketOptions(QLocalServer::UserAccessOption);
    }
    server_->listen(serverName());
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = server_->nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            if (!peerIsThisUser(caller->socketDescriptor())) {
                caller->abort();
                continue;
            }
            if (comeForward_)
                comeForward_();
        }
    });
}
