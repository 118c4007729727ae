#include "app/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace karo::app {

namespace {
constexpr int kWaitMs = 1000;
// One request a line: "open <absolute path in UTF-8>" and "raise".
const QByteArray kRaise = QByteArrayLiteral("raise\n");
const QByteArray kOpen = QByteArrayLiteral("open ");
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

bool SingleInstance::askRunningCopy(const QString& fileToOpen) {
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (!socket.waitForConnected(kWaitMs))
        return false;
    if (!fileToOpen.isEmpty()) {
        QByteArray path = QFileInfo(fileToOpen).absoluteFilePath().toUtf8();
        path.replace('\n', ' '); // a name cannot break the line protocol
        socket.write(kOpen + path + '\n');
    }
    socket.write(kRaise);
    socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kWaitMs);
    return true;
}

bool SingleInstance::start(const QString& fileToOpen) {
    if (askRunningCopy(fileToOpen))
        return false;
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(path_)) {
        if (server_->serverError() == QAbstractSocket::AddressInUseError) {
            // Another copy may have begun listening a moment ago; otherwise the socket was
            // left behind by a copy that crashed or was killed.
            if (askRunningCopy(fileToOpen)) {
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
        const auto readLines = [this, s] {
            // Requests arrive in pieces; only whole lines are acted on.
            QByteArray buffer = s->property("karoBuffer").toByteArray() + s->readAll();
            if (buffer.size() > 65536)
                buffer.clear(); // nobody sends that much; drop it rather than grow
            qsizetype end;
            while ((end = buffer.indexOf('\n')) >= 0) {
                handleLine(buffer.left(end));
                buffer.remove(0, end + 1);
            }
            s->setProperty("karoBuffer", buffer);
        };
        connect(s, &QLocalSocket::readyRead, this, readLines);
        if (s->bytesAvailable() > 0)
            readLines();
    }
}

void SingleInstance::handleLine(const QByteArray& line) {
    if (line == kRaise.trimmed())
        emit raiseRequested();
    else if (line.startsWith(kOpen))
        emit openRequested(QString::fromUtf8(line.mid(kOpen.size())));
}

} // namespace karo::app
