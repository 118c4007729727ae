#include "app/single_instance.h"

#include "io/safe_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace karo::app {

namespace {
constexpr int kWaitMs = 1000;
// How long a later copy waits for the answer to its request.
constexpr int kAnswerMs = 5000;
// A connection that has not sent its requests by then is dropped, so idle connections
// cannot use up the descriptors.
constexpr int kIdleMs = 5000;
// After running out of descriptors the waiting connections are looked at again this soon.
constexpr int kRetryMs = 200;
constexpr qsizetype kMaxLine = 65536;
// One request a copy, one line: "raise", or "open <absolute path>" with the path's bytes as
// the system gives them, "%" and control characters percent-encoded. Each line is answered
// with one line: "queued", or "full" when it was dropped.
const QByteArray kRaise = QByteArrayLiteral("raise");
const QByteArray kOpen = QByteArrayLiteral("open ");
const QByteArray kQueued = QByteArrayLiteral("queued");
const QByteArray kFull = QByteArrayLiteral("full");
const char* const kBufferProperty = "karoBuffer";

QByteArray encodePathBytes(const QByteArray& native) {
    QByteArray out;
    for (const char c : native) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F || c == '%')
            out += '%' + QByteArray::number(u, 16).rightJustified(2, '0').toUpper();
        else
            out += c;
    }
    return out;
}

} // namespace

QString SingleInstance::RuntimeFolder() {
    // The socket's whole path must fit its address.
    constexpr auto room = static_cast<qsizetype>(sizeof(sockaddr_un::sun_path)) - 1;
    return io::RuntimeFolder(room - 1 - static_cast<qsizetype>(std::strlen(kInstanceName)));
}

SingleInstance::SingleInstance(const QString& name, QObject* parent) : QObject(parent) {
    if (QDir::isAbsolutePath(name)) {
        path_ = name;
    } else {
        // A folder of the user's alone: two users never block each other, and nobody else
        // can listen in the user's place.
        const QString dir = RuntimeFolder();
        if (!dir.isEmpty())
            path_ = dir + QLatin1Char('/') + name;
    }
}

SingleInstance::~SingleInstance() {
    if (listenFd_ >= 0) {
        delete notifier_;
        ::close(listenFd_);
        ::unlink(io::EncodeFileName(path_).constData());
    }
}

SingleInstance::Answer SingleInstance::askRunningCopy(const QString& fileToOpen) {
    QLocalSocket socket;
    socket.connectToServer(path_);
    if (!socket.waitForConnected(kWaitMs))
        return Answer::NoCopy;
    if (!fileToOpen.isEmpty()) {
        const QString absolute = QDir::isAbsolutePath(fileToOpen)
                                     ? fileToOpen
                                     : QDir::currentPath() + QLatin1Char('/') + fileToOpen;
        socket.write(kOpen + encodePathBytes(io::EncodeFileName(absolute)) + '\n');
    } else {
        socket.write(kRaise + '\n');
    }
    socket.waitForBytesWritten(kWaitMs);
    // The request counts as handed over only when the first copy says it is queued.
    QByteArray answer;
    QElapsedTimer waited;
    waited.start();
    while (!answer.contains('\n') && waited.elapsed() < kAnswerMs &&
           socket.state() == QLocalSocket::ConnectedState) {
        if (socket.waitForReadyRead(static_cast<int>(kAnswerMs - waited.elapsed())))
            answer += socket.readAll();
    }
    answer += socket.readAll();
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kWaitMs);
    return answer.left(answer.indexOf('\n')) == kQueued ? Answer::Queued : Answer::NotTaken;
}

bool SingleInstance::listenOn() {
    const QByteArray native = io::EncodeFileName(path_);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (native.size() >= static_cast<qsizetype>(sizeof addr.sun_path)) {
        errno = ENAMETOOLONG;
        return false;
    }
    std::memcpy(addr.sun_path, native.constData(), static_cast<std::size_t>(native.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::listen(fd, SOMAXCONN) != 0) {
        const int err = errno;
        ::close(fd);
        errno = err;
        return false;
    }
    ::chmod(native.constData(), 0600);
    listenFd_ = fd;
    // The socket stays ours whatever accept() says; Qt's server would close it on the first
    // failed accept and leave the next copy to start a window of its own.
    notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SingleInstance::acceptPending);
    return true;
}

SingleInstance::Start SingleInstance::start(const QString& fileToOpen) {
    if (path_.isEmpty())
        return Start::First; // no private folder: run alone, unreachable by others
    const auto asked = [&](Answer a) {
        return a == Answer::Queued ? Start::HandedOver : Start::NotTaken;
    };
    if (const Answer a = askRunningCopy(fileToOpen); a != Answer::NoCopy)
        return asked(a);
    if (!listenOn() && errno == EADDRINUSE) {
        // Another copy may have begun listening a moment ago; otherwise the socket was left
        // behind by a copy that crashed or was killed.
        if (const Answer a = askRunningCopy(fileToOpen); a != Answer::NoCopy)
            return asked(a);
        ::unlink(io::EncodeFileName(path_).constData());
        listenOn();
    }
    // Even a copy that could not listen runs normally: it just cannot be raised by others.
    return Start::First;
}

// The sanitizer's check of a member call needs a spare descriptor to read the object with,
// and this runs exactly when none is left: unchecked, it would report a false fault here.
__attribute__((no_sanitize("vptr"))) void SingleInstance::acceptPending() {
    for (;;) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK) {
                // Out of descriptors or memory: the connection waits in the queue until some
                // are free again. Not looked at meanwhile, so as not to spin.
                notifier_->setEnabled(false);
                QTimer::singleShot(kRetryMs, this, [this] {
                    notifier_->setEnabled(true);
                    acceptPending();
                });
            }
            return;
        }
        auto* s = new QLocalSocket(this);
        if (!s->setSocketDescriptor(fd, QLocalSocket::ConnectedState, QIODevice::ReadWrite)) {
            ::close(fd);
            delete s;
            continue;
        }
        connect(s, &QLocalSocket::readyRead, this, [this, s] { readFrom(s); });
        connect(s, &QLocalSocket::disconnected, this, [this, s] {
            readFrom(s);
            s->deleteLater();
        });
        QTimer::singleShot(kIdleMs, s, [s] { s->deleteLater(); });
        readFrom(s);
    }
}

void SingleInstance::readFrom(QLocalSocket* s) {
    // Requests arrive in pieces; only whole lines are queued. Nothing here waits or shows
    // anything, so the socket outlives the handler.
    QByteArray buffer = s->property(kBufferProperty).toByteArray() + s->readAll();
    qsizetype end;
    while ((end = buffer.indexOf('\n')) >= 0) {
        const bool queued = queueLine(buffer.left(end));
        buffer.remove(0, end + 1);
        if (s->state() == QLocalSocket::ConnectedState) {
            s->write((queued ? kQueued : kFull) + '\n');
            s->flush();
        }
    }
    if (buffer.size() > kMaxLine)
        buffer.clear(); // nobody sends that much; drop it rather than grow
    s->setProperty(kBufferProperty, buffer);
}

bool SingleInstance::queueLine(const QByteArray& line) {
    Request r;
    if (line == kRaise) {
        // A raise is never refused: one stands for many, and when the queue is full or
        // held back, the window comes up at once.
        if (!queue_.empty() && !queue_.back().open)
            return true;
        if (queue_.size() >= kMaxQueued || acting_ || held()) {
            emit raiseRequested();
            return true;
        }
    } else if (line.startsWith(kOpen)) {
        r.open = true;
        r.path = io::DecodeFileName(QByteArray::fromPercentEncoding(line.mid(kOpen.size())));
    } else {
        return false;
    }
    if (queue_.size() >= kMaxQueued)
        return false;
    queue_.push_back(r);
    if (acting_ || held())
        emit raiseRequested(); // the user sees the dialog that holds the request back
    scheduleNext();
    return true;
}

void SingleInstance::scheduleNext() {
    if (scheduled_ || acting_ || queue_.empty() || held())
        return;
    scheduled_ = true;
    QTimer::singleShot(0, this, &SingleInstance::actOnNext);
}

void SingleInstance::actOnNext() {
    scheduled_ = false;
    if (acting_ || queue_.empty() || held())
        return;
    // While a request is acted on (a message box may be on show), the next ones wait.
    struct Acting {
        SingleInstance* self;
        explicit Acting(SingleInstance* s) : self(s) { self->acting_ = true; }
        ~Acting() {
            self->acting_ = false;
            self->scheduleNext();
        }
    } acting(this);
    const Request r = queue_.front();
    queue_.pop_front();
    if (r.open)
        emit openRequested(r.path);
    else
        emit raiseRequested();
}

} // namespace karo::app
