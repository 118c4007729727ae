#include "app/single_instance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace karo::app {

namespace {
constexpr int kWaitMs = 1000;
const QByteArray kRaise = QByteArrayLiteral("raise\n");
} // namespace

SingleInstance::SingleInstance(const QString& name, QObject* parent) : QObject(parent) {
    if (QDir::isAbsolutePath(name)) {
        path_ = name;
    } else {
        // The runtime folder belongs to the user alone, so two users never block each other.
        QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        if (dir.isEmpty())
            dir = QDir::tempPath();
        path_ = QDir(dir).filePath(name);
    }
}

SingleInstance::~SingleInstance() {
    if (server_)
        server_->close(); // removes the socket file
}

bool SingleInstance::askRunningCopy() {
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (!socket.waitForConnected(kWaitMs))
        return false;
    socket.write(kRaise);
    socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kWaitMs);
    return true;
}

bool SingleInstance::start() {
    if (askRunningCopy())
        return false;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(path_)) {
        if (server_->serverError() == QAbstractSocket::AddressInUseError) {
            // Another copy may have begun listening a moment ago; otherwise the socket was
            // left behind by a copy that crashed or was killed.
            if (askRunningCopy()) {
                delete server_;
                server_ = nullptr;
                return false;
            }
            QLocalServer::removeServer(path_);
            server_->listen(path_);
        }
    }
    // Even a copy that could not listen runs normally: it just cannot be raised by others.
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::onNewConnection);
    return true;
}

void SingleInstance::onNewConnection() {
    while (QLocalSocket* s = server_->nextPendingConnection()) {
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        connect(s, &QLocalSocket::readyRead, this, [this, s] {
            if (s->readAll().contains("raise"))
                emit raiseRequested();
        });
        if (s->bytesAvailable() > 0 && s->readAll().contains("raise"))
            emit raiseRequested();
    }
}

} // namespace karo::app
