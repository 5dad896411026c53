#include "shell/SingleInstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <unistd.h>

// One classroom a user on one display: a second desktop session (or a test's private X server)
// has a classroom of its own.
QString SingleInstance::serverName() {
    QString display = qEnvironmentVariable("DISPLAY", qEnvironmentVariable("WAYLAND_DISPLAY", "none"));
    display.replace('/', '_');
    return QString("pipkins-classroom-%1-%2").arg(getuid()).arg(display);
}

bool SingleInstance::alreadyRunning() {
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(500))
        return false;
    socket.write("forward\n");
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    return true;
}

SingleInstance::SingleInstance(std::function<void()> comeForward)
    : server_(new QLocalServer(this)), comeForward_(std::move(comeForward)) {
    // A classroom that ended without tidying up leaves its socket behind; nobody answers on it.
    QLocalServer::removeServer(serverName());
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    server_->listen(serverName());
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = server_->nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            if (comeForward_)
                comeForward_();
        }
    });
}
