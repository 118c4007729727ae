#include "app/single_instance.h"

#include "io/safe_file.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
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
// How many windows that end while the copy waits it follows before it gives up.
constexpr int kRounds = 10;
// One request a copy, one line: "raise", or "open <absolute path>" with the path's bytes as
// the system gives them, "%" and control characters percent-encoded. The window answers
// "queued", or "full" when it does not take the request. A copy that hears "queued" in time
// answers "wait", and only then may the request be acted on: a copy that gave up has not
// said it. The window answers "done" once it has acted, or "closed" when it goes without
// having acted; a copy that hears "closed" starts as the first copy itself.
const QByteArray kRaise = QByteArrayLiteral("raise");
const QByteArray kOpen = QByteArrayLiteral("open ");
const QByteArray kQueued = QByteArrayLiteral("queued");
const QByteArray kFull = QByteArrayLiteral("full");
const QByteArray kWait = QByteArrayLiteral("wait");
const QByteArray kDone = QByteArrayLiteral("done");
const QByteArray kClosed = QByteArrayLiteral("closed");

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
    // The last word to the copy, and the connection ends.
    void finish(const QByteArray& line) {
        send(line + '\n');
        open = false;
        notifier_.setEnabled(false);
        deleteLater();
    }

    enum class State {
        Reading, // no whole request yet
        Queued,  // in the queue; the copy has not yet said that it waits
        Waiting, // in the queue, and the copy waits for it to be acted on
    };
    State state = State::Reading;
    bool openFile = false; // the request: open `path`, or raise
    QString path;
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
    shutDown();
}

void SingleInstance::stopListening() {
    if (listenFd_ < 0)
        return;
    delete notifier_;
    notifier_ = nullptr;
    ::close(listenFd_);
    listenFd_ = -1;
    ::unlink(io::EncodeFileName(path_).constData());
}

void SingleInstance::shutDown() {
    closed_ = true;
    // First the socket goes, so that a copy told "closed" finds no window and becomes one.
    stopListening();
    for (const QPointer<Connection>& c : queue_) {
        if (c)
            c->finish(kClosed);
    }
    queue_.clear();
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
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return Answer::NotTaken; // a window too busy to take it
        if (n <= 0)
            return Answer::Closed; // the window went away
        sent += n;
    }
    // The request counts as taken only when the first copy says it is queued in time; the
    // copy then waits for it to be acted on, however long a dialog of the first copy holds it.
    QByteArray answer;
    bool waiting = false;
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (const qsizetype end = answer.indexOf('\n'); end >= 0) {
            const QByteArray line = answer.left(end);
            answer.remove(0, end + 1);
            if (!waiting) {
                if (line != kQueued)
                    return Answer::NotTaken;
                // Once this is sent the copy no longer gives up: the request may be acted on.
                // A window that cannot hear it drops the request, and says so.
                const QByteArray wait = kWait + '\n';
                (void)::send(fd, wait.constData(), static_cast<std::size_t>(wait.size()),
                             MSG_NOSIGNAL);
                waiting = true;
                continue;
            }
            return line == kDone ? Answer::Done : Answer::Closed;
        }
        const int left = waiting ? -1 : static_cast<int>(kAnswerMs - waited.elapsed());
        if (!waiting && left <= 0)
            return Answer::NotTaken;
        pollfd ready{fd, POLLIN, 0};
        const int polled = ::poll(&ready, 1, left);
        if (polled < 0 && errno == EINTR)
            continue;
        if (polled < 0)
            return Answer::Closed;
        if (polled == 0)
            continue; // the time is looked at above
        char chunk[256];
        const ssize_t n = ::recv(fd, chunk, sizeof chunk, 0);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) // the first copy went away without a word: it ended
            return Answer::Closed;
        answer.append(chunk, n);
    }
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
    // A window that goes without acting on the request leaves the copy to be the window
    // itself, or to hand the request to the copy that became it first.
    for (int round = 0; round < kRounds; ++round) {
        Answer a = askRunningCopy(fileToOpen);
        if (a == Answer::NoCopy) {
            if (listenOn() || errno != EADDRINUSE)
                return Start::First; // a copy that could not listen just cannot be raised
            // Another copy may have begun listening a moment ago; otherwise the socket was left
            // behind by a copy that crashed or was killed.
            a = askRunningCopy(fileToOpen);
            if (a == Answer::NoCopy) {
                ::unlink(io::EncodeFileName(path_).constData());
                listenOn();
                return Start::First;
            }
        }
        if (a == Answer::Done)
            return Start::HandedOver;
        if (a == Answer::NotTaken)
            return Start::NotTaken;
    }
    return Start::NotTaken; // windows that keep going away: this copy gives up
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
        // A copy that has not said in time that it waits is dropped, so that idle
        // connections cannot use up the descriptors.
        QTimer::singleShot(kIdleMs, c, [this, c] {
            if (c->state != Connection::State::Waiting) {
                std::erase(queue_, c);
                c->finish(kFull);
            }
        });
        readFrom(c);
    }
}

void SingleInstance::readFrom(Connection* c) {
    // Requests arrive in pieces; only whole lines are taken. Nothing here waits or shows
    // anything, so the connection outlives the handler.
    if (!c->open)
        return;
    const bool more = c->receive();
    qsizetype end;
    while (c->open && (end = c->buffer.indexOf('\n')) >= 0) {
        const QByteArray line = c->buffer.left(end);
        c->buffer.remove(0, end + 1);
        takeLine(c, line);
    }
    if (c->open && (!more || c->buffer.size() > kMaxLine)) {
        // The copy has gone, or sends what no copy sends: a request it no longer waits for
        // is not acted on.
        std::erase(queue_, c);
        c->finish(kFull);
    }
}

void SingleInstance::takeLine(Connection* c, const QByteArray& line) {
    using State = Connection::State;
    if (c->state == State::Queued && line == kWait) {
        c->state = State::Waiting;
        scheduleNext();
        return;
    }
    // One request a connection: anything after it, or anything else, ends the connection.
    const bool raise = line == kRaise;
    if (c->state != State::Reading || closed_ || (!raise && !line.startsWith(kOpen))) {
        std::erase(queue_, c);
        c->finish(closed_ ? kClosed : kFull);
        return;
    }
    if (queue_.size() >= kMaxQueued) {
        if (raise) {
            // A raise is never refused: one stands for many, and the window comes up at once.
            emit raiseRequested();
            c->send(kQueued + '\n');
            c->finish(kDone);
        } else {
            c->finish(kFull);
        }
        return;
    }
    c->openFile = !raise;
    if (!raise)
        c->path = io::DecodeFileName(QByteArray::fromPercentEncoding(line.mid(kOpen.size())));
    c->state = State::Queued;
    queue_.push_back(c);
    if (acting_ || held())
        emit raiseRequested(); // the user sees the dialog that holds the request back
    c->send(kQueued + '\n');
}

void SingleInstance::scheduleNext() {
    if (scheduled_ || acting_ || queue_.empty() || held() || closed_)
        return;
    scheduled_ = true;
    QTimer::singleShot(0, this, &SingleInstance::actOnNext);
}

void SingleInstance::actOnNext() {
    scheduled_ = false;
    if (acting_ || held() || closed_)
        return;
    std::erase_if(queue_, [](const QPointer<Connection>& c) { return c.isNull(); });
    // The first request whose copy waits for it; one whose copy has not yet said so keeps its
    // place, and its answer schedules the next turn.
    const auto next = std::find_if(queue_.begin(), queue_.end(), [](const QPointer<Connection>& c) {
        return c && c->state == Connection::State::Waiting;
    });
    if (next == queue_.end())
        return;
    const QPointer<Connection> c = *next;
    queue_.erase(next);
    // While a request is acted on (a message box may be on show), the next ones wait.
    struct Acting {
        SingleInstance* self;
        explicit Acting(SingleInstance* s) : self(s) { self->acting_ = true; }
        ~Acting() {
            self->acting_ = false;
            self->scheduleNext();
        }
    } acting(this);
    if (c->openFile)
        emit openRequested(c->path);
    else
        emit raiseRequested();
    // Acted on, unless the window went meanwhile: then the copy opens the file itself.
    if (c)
        c->finish(closed_ ? kClosed : kDone);
}

} // namespace karo::app
