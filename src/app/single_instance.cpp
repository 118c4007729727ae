#include "app/single_instance.h"

#include "io/safe_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
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

// The socket's address; false when the path does not fit it.
bool socketAddress(const QString& path, sockaddr_un& addr) {
    const QByteArray native = io::EncodeFileName(path);
    addr = sockaddr_un{};
    addr.sun_family = AF_UNIX;
    if (native.size() >= static_cast<qsizetype>(sizeof addr.sun_path))
        return false;
    std::memcpy(addr.sun_path, native.constData(), static_cast<std::size_t>(native.size()));
    return true;
}

} // namespace

// One later copy's connection, on the plain descriptor: the window needs nothing more for a
// line each way, and Qt's network library would add its own and a dozen more libraries to
// every start.
class SingleInstance::Connection : public QObject {
  public:
    Connection(int fd, QObject* parent)
        : QObject(parent), fd_(fd), notifier_(fd, QSocketNotifier::Read, this) {}
    ~Connection() override {
        notifier_.setEnabled(false);
        ::close(fd_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QSocketNotifier& notifier() { return notifier_; }
    // Appends what has come to `buffer`; false once the other copy has closed its end.
    bool receive() {
        char chunk[4096];
        for (;;) {
            const ssize_t n = ::recv(fd_, chunk, sizeof chunk, 0);
            if (n > 0) {
                buffer.append(chunk, n);
                // The rest waits for the next turn: a copy that never stops sending must not
                // hold the window.
                if (buffer.size() > kMaxLine)
                    return true;
            } else if (n < 0 && errno == EINTR)
                continue;
            else
                return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
        }
    }
    // A line of answer; it is short, and a copy that has gone is no matter.
    void send(const QByteArray& line) {
        (void)::send(fd_, line.constData(), line.size(), MSG_NOSIGNAL);
    }

    QByteArray buffer; // the part of a line read so far
    bool open = true;

  private:
    int fd_;
    QSocketNotifier notifier_;
};

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
    sockaddr_un addr;
    if (!socketAddress(path_, addr))
        return Answer::NoCopy;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return Answer::NoCopy;
    const struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    // A first copy whose queue of connections is full keeps the connect and the request
    // waiting no longer than this.
    const timeval wait{kWaitMs / 1000, (kWaitMs % 1000) * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0)
        return Answer::NoCopy;
    QByteArray request = kRaise + '\n';
    if (!fileToOpen.isEmpty()) {
        const QString absolute = QDir::isAbsolutePath(fileToOpen)
                                     ? fileToOpen
                                     : QDir::currentPath() + QLatin1Char('/') + fileToOpen;
        request = kOpen + encodePathBytes(io::EncodeFileName(absolute)) + '\n';
    }
    for (qsizetype sent = 0; sent < request.size();) {
        const ssize_t n = ::send(fd, request.constData() + sent,
                                 static_cast<std::size_t>(request.size() - sent), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return Answer::NotTaken;
        sent += n;
    }
    // The request counts as handed over only when the first copy says it is queued.
    QByteArray answer;
    QElapsedTimer waited;
    waited.start();
    while (!answer.contains('\n') && waited.elapsed() < kAnswerMs) {
        pollfd ready{fd, POLLIN, 0};
        const int polled = ::poll(&ready, 1, static_cast<int>(kAnswerMs - waited.elapsed()));
        if (polled < 0 && errno == EINTR)
            continue;
        if (polled <= 0)
            break;
        char chunk[256];
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        answer.append(chunk, n);
    }
    return answer.left(answer.indexOf('\n')) == kQueued ? Answer::Queued : Answer::NotTaken;
}

bool SingleInstance::listenOn() {
    const QByteArray native = io::EncodeFileName(path_);
    sockaddr_un addr;
    if (!socketAddress(path_, addr)) {
        errno = ENAMETOOLONG;
        return false;
    }
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
        auto* c = new Connection(fd, this);
        connect(&c->notifier(), &QSocketNotifier::activated, this, [this, c] { readFrom(c); });
        QTimer::singleShot(kIdleMs, c, [c] { c->deleteLater(); });
        readFrom(c);
    }
}

void SingleInstance::readFrom(Connection* c) {
    // Requests arrive in pieces; only whole lines are queued. Nothing here waits or shows
    // anything, so the connection outlives the handler.
    if (!c->open)
        return;
    c->open = c->receive();
    qsizetype end;
    while ((end = c->buffer.indexOf('\n')) >= 0) {
        const bool queued = queueLine(c->buffer.left(end));
        c->buffer.remove(0, end + 1);
        if (c->open)
            c->send((queued ? kQueued : kFull) + '\n');
    }
    if (c->buffer.size() > kMaxLine)
        c->buffer.clear(); // nobody sends that much; drop it rather than grow
    if (!c->open) {
        c->notifier().setEnabled(false);
        c->deleteLater();
    }
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
