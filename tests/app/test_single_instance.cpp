// One running copy per user: a second copy hands its request to the first and ends; requests
// wait while a dialog of the program is open.

#include "form_fixture.h"

#include "app/single_instance.h"
#include "io/safe_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QMimeData>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <memory>

namespace karo::app {
namespace {

using Start = SingleInstance::Start;

// A later copy as another process runs it, on a thread of its own: it waits for the first
// copy's answer, which the first copy (this thread) gives from its event loop meanwhile.
class LaterCopy {
  public:
    explicit LaterCopy(const QString& socket, const QString& file = QString())
        : thread_(QThread::create(
              [this, socket, file] { result_ = SingleInstance(socket).start(file); })) {
        thread_->start();
    }
    ~LaterCopy() { result(); }
    LaterCopy(const LaterCopy&) = delete;
    LaterCopy& operator=(const LaterCopy&) = delete;

    bool finished() const { return thread_->isFinished(); }
    Start result() {
        while (!thread_->isFinished())
            QTest::qWait(5);
        return result_;
    }

  private:
    std::atomic<Start> result_{Start::NotTaken};
    std::unique_ptr<QThread> thread_;
};

Start handOver(const QString& socket, const QString& file = QString()) {
    return LaterCopy(socket, file).result();
}

// A copy that speaks the protocol line by line, as a copy that misbehaves or gives up would.
class RawCopy {
  public:
    explicit RawCopy(const QString& socket) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        std::strncpy(addr.sun_path, io::EncodeFileName(socket).constData(),
                     sizeof addr.sun_path - 1);
        EXPECT_EQ(::connect(fd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    }
    ~RawCopy() { hangUp(); }
    RawCopy(const RawCopy&) = delete;
    RawCopy& operator=(const RawCopy&) = delete;

    void say(const QByteArray& lines) { ::send(fd_, lines.constData(), lines.size(), 0); }
    // The next line of answer, the event loop running meanwhile; empty once the other end has
    // closed without one, or after two seconds.
    QByteArray hear() {
        for (int i = 0; i < 400 && !heard_.contains('\n'); ++i) {
            QCoreApplication::processEvents();
            pollfd ready{fd_, POLLIN, 0};
            if (::poll(&ready, 1, 5) > 0) {
                char chunk[64];
                const ssize_t n = ::recv(fd_, chunk, sizeof chunk, 0);
                if (n <= 0)
                    break;
                heard_.append(chunk, n);
            }
        }
        const qsizetype end = heard_.indexOf('\n');
        const QByteArray line = end < 0 ? QByteArray() : heard_.left(end);
        heard_.remove(0, end + 1);
        return line;
    }
    void hangUp() {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

  private:
    int fd_;
    QByteArray heard_;
};

// Waits until `done` holds, running the event loop, for at most two seconds.
template <class F> bool eventually(F done) {
    for (int i = 0; i < 100 && !done(); ++i)
        QTest::qWait(20);
    return done();
}

TEST(SingleInstance, ASecondCopyAsksTheFirstToRaise) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("karo_2006"));
    SingleInstance first(path);
    ASSERT_EQ(first.start(), Start::First);
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    EXPECT_EQ(handOver(path), Start::HandedOver);
    EXPECT_TRUE(raised.count() > 0 || raised.wait(2000));
}

TEST(SingleInstance, ASecondCopyHandsOverItsFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("karo_2006"));
    SingleInstance first(path);
    ASSERT_EQ(first.start(), Start::First);
    QSignalSpy opened(&first, &SingleInstance::openRequested);
    EXPECT_EQ(handOver(path, QStringLiteral("relative/Сечение 1.karo")), Start::HandedOver);
    EXPECT_TRUE(opened.count() > 0 || opened.wait(2000));
    ASSERT_EQ(opened.count(), 1);
    const QString got = opened.at(0).at(0).toString();
    EXPECT_TRUE(got.endsWith(QStringLiteral("/relative/Сечение 1.karo"))) << got.toStdString();
    EXPECT_TRUE(QDir::isAbsolutePath(got));
}

TEST(SingleInstance, AStaleSocketIsTakenOver) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("karo_2006"));
    // A socket file nobody listens on, as a crashed copy leaves it.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(path);
    std::strncpy(addr.sun_path, native.constData(), sizeof(addr.sun_path) - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(path));

    SingleInstance copy(path);
    EXPECT_EQ(copy.start(), Start::First);
    EXPECT_EQ(handOver(path), Start::HandedOver);
}

// The socket's folder: XDG_RUNTIME_DIR only when it is an absolute folder of the user's alone
// with room for the socket's name; else a private folder of the user's own.
TEST(SingleInstance, TheSocketLivesInAPrivateFolderThatFitsIt) {
    SingleInstance copy;
    EXPECT_TRUE(copy.serverPath().endsWith(QStringLiteral("/karo_2006")));

    QTemporaryDir dir;
    const auto folder = [&](const char* name, QFile::Permissions p) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QDir().mkpath(path);
        QFile::setPermissions(path, p);
        return path;
    };
    constexpr auto owner = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    const QString good = folder("good", owner);
    const QString open =
        folder("open", owner | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
    const QString deep = folder(QByteArray(110, 'd').constData(), owner);
    struct Case {
        QByteArray xdg;
        bool taken; // the folder named is the one used
    };
    const Case cases[] = {
        {io::EncodeFileName(good), true},
        {io::EncodeFileName(open), false},
        {io::EncodeFileName(deep), false}, // the socket's path would not fit its address
        {"good", false},                   // relative: another folder in every directory
    };
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    const QString savedCurrent = QDir::currentPath();
    QDir::setCurrent(dir.path()); // where the relative "good" would be the good folder
    for (const Case& c : cases) {
        qputenv("XDG_RUNTIME_DIR", c.xdg);
        const QString used = SingleInstance::RuntimeFolder();
        EXPECT_EQ(used == io::DecodeFileName(c.xdg), c.taken) << c.xdg.toStdString();
        EXPECT_TRUE(io::IsPrivateFolder(used)) << used.toStdString();
        EXPECT_TRUE(QDir::isAbsolutePath(used));
        EXPECT_LT(io::EncodeFileName(SingleInstance().serverPath()).size(), 108);
    }
    QDir::setCurrent(savedCurrent);
    qputenv("XDG_RUNTIME_DIR", saved);
}

// Dialogs for the hand-over: each box is modal for a while, and meanwhile a later copy hands
// over a file.
class HandOverDialogs : public UserDialogs {
  public:
    std::function<void()> whileOpen;
    void warning(QWidget*, const QString&, const QString&) override {
        DialogScope open(*this);
        if (whileOpen)
            whileOpen();
    }
    void error(QWidget*, const QString&, const QString&) override {}
};

// A hand-over is acted on only when no dialog of the program is open; until then the copy
// waits and the window is raised. Each copy takes one place in the queue and hears whether it
// got one.
TEST(SingleInstance, HandOversWaitForTheDialogsAndAnswer) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("karo_2006"));
    SingleInstance first(path);
    ASSERT_EQ(first.start(), Start::First);
    HandOverDialogs dialogs;
    first.setHoldWhile([&dialogs] { return dialogs.openCount() > 0; });
    dialogs.setOnAllClosed([&first] { first.resume(); });
    QStringList opened;
    QObject::connect(&first, &SingleInstance::openRequested, &first,
                     [&](const QString& file) { opened << QFileInfo(file).fileName(); });
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    const auto file = [&](int n) { return dir.filePath(QStringLiteral("%1.karo").arg(n)); };

    // Inside a dialog: taken, raised, not acted on until the dialog has closed; the copy
    // waits until then.
    std::unique_ptr<LaterCopy> waiting;
    dialogs.whileOpen = [&] {
        EXPECT_EQ(dialogs.openCount(), 1);
        waiting = std::make_unique<LaterCopy>(path, file(0));
        QTest::qWait(300);
        EXPECT_FALSE(waiting->finished());
        EXPECT_TRUE(opened.isEmpty()) << "acted on inside the dialog";
        EXPECT_GE(raised.count(), 1);
    };
    dialogs.warning(nullptr, {}, {});
    EXPECT_EQ(dialogs.openCount(), 0);
    EXPECT_EQ(waiting->result(), Start::HandedOver);
    EXPECT_EQ(opened, QStringList{"0.karo"});

    // A full queue says so, and the copy hears it; a raise is still taken.
    opened.clear();
    std::vector<std::unique_ptr<RawCopy>> queued;
    dialogs.whileOpen = [&] {
        for (std::size_t n = 1; n <= SingleInstance::kMaxQueued; ++n) {
            queued.push_back(std::make_unique<RawCopy>(path));
            queued.back()->say("open " + io::EncodeFileName(file(int(n))) + "\n");
            ASSERT_EQ(queued.back()->hear(), "queued") << n;
            queued.back()->say("wait\n");
        }
        EXPECT_EQ(handOver(path, file(999)), Start::NotTaken);
        EXPECT_EQ(handOver(path), Start::HandedOver);
    };
    dialogs.warning(nullptr, {}, {});
    for (const auto& c : queued)
        EXPECT_EQ(c->hear(), "done");
    EXPECT_EQ(opened.size(), int(SingleInstance::kMaxQueued));
    EXPECT_FALSE(opened.contains(QStringLiteral("999.karo")));
}

// A request is acted on only while its copy waits for it: one that gave up has said the file
// was not opened. One request a connection.
TEST(SingleInstance, ARequestWhoseCopyGaveUpIsNeverActedOn) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("karo_2006"));
    SingleInstance first(path);
    ASSERT_EQ(first.start(), Start::First);
    bool hold = true; // the copies act while the window is busy, as a stopped window is
    first.setHoldWhile([&hold] { return hold; });
    QStringList opened;
    QObject::connect(&first, &SingleInstance::openRequested, &first,
                     [&](const QString& file) { opened << QFileInfo(file).fileName(); });
    const struct {
        const char* what;
        bool hearsTheAnswer; // it reads "queued"
        QByteArray then;     // and says this
        bool stays;          // and does not hang up
    } cases[] = {
        {"gone before the answer", false, "", false},
        {"gone after the answer", true, "", false},
        {"gone after saying it waits", true, "wait\n", false},
        {"a second request", true, "open b.karo\nwait\n", true},
        {"waits", true, "wait\n", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        opened.clear();
        hold = true;
        RawCopy copy(path);
        copy.say("open " + io::EncodeFileName(dir.filePath("a.karo")) + "\n");
        if (c.hearsTheAnswer) {
            EXPECT_EQ(copy.hear(), "queued");
            copy.say(c.then);
        }
        if (!c.stays)
            copy.hangUp();
        QTest::qWait(100);
        hold = false;
        first.resume();
        QTest::qWait(100);
        const bool acted = std::strcmp(c.what, "waits") == 0;
        EXPECT_EQ(opened, acted ? QStringList{"a.karo"} : QStringList());
        if (c.stays) {
            EXPECT_EQ(copy.hear(), acted ? "done" : "full");
        }
    }
}

// Once the window has agreed to close, nothing waiting is acted on: each copy that waits is
// told, and starts as the first copy itself.
TEST(SingleInstance, AWindowThatClosesSendsItsWaitingCopiesOnTheirWay) {
    for (const bool withFile : {true, false}) {
        SCOPED_TRACE(withFile ? "a file" : "a raise");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("karo_2006"));
        SingleInstance first(path);
        ASSERT_EQ(first.start(), Start::First);
        first.setHoldWhile([] { return true; }); // the question «Сохранить изменения…?»
        QSignalSpy opened(&first, &SingleInstance::openRequested);
        LaterCopy copy(path, withFile ? dir.filePath(QStringLiteral("a.karo")) : QString());
        QTest::qWait(300);
        ASSERT_FALSE(copy.finished());
        first.shutDown();
        EXPECT_EQ(copy.result(), Start::First);
        first.resume();
        QTest::qWait(50);
        EXPECT_EQ(opened.count(), 0);
    }

    // A window killed while a copy waits says nothing; the copy takes its place all the same.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("karo_2006"));
    const int window = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, io::EncodeFileName(path).constData(), sizeof addr.sun_path - 1);
    ASSERT_EQ(::bind(window, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ASSERT_EQ(::listen(window, 4), 0);
    LaterCopy copy(path, dir.filePath(QStringLiteral("a.karo")));
    const int taken = ::accept(window, nullptr, nullptr);
    ASSERT_GE(taken, 0);
    ::close(taken);
    ::close(window); // the socket's file stays behind, as after a kill
    EXPECT_EQ(copy.result(), Start::First);
}

// The real dialogs count themselves as open while they are on show.
TEST(SingleInstance, TheProgramsDialogsCountThemselves) {
    MessageBoxDialogs dialogs;
    int seen = -1;
    QTimer::singleShot(50, [&] {
        seen = dialogs.openCount();
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    dialogs.warning(nullptr, QStringLiteral("Внимание!"), QStringLiteral("x"));
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(dialogs.openCount(), 0);
}

using HandOverForm = test::FormTest;

// A handed-over or dropped file that will not open is said at once, without the question
// about the section on show; a drop is taken as a copy, never as a move.
TEST_F(HandOverForm, AFileThatWillNotOpenIsSaidFirst) {
    click("bbDtAdd");
    typeDt("20");
    ASSERT_TRUE(form->hasUnsavedChanges());
    dialogs.saveChangesAnswer = SaveChangesAnswer::Discard;
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.karo"));
    form->openHandedOver(missing);
    EXPECT_TRUE(dialogs.saveChangesAsked.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(
        QStringLiteral("Не удается прочитать файл «missing.karo»")));
    EXPECT_EQ(model.Dt.Count, 1);

    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(missing)});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                    Qt::NoModifier);
    drop.setDropAction(Qt::MoveAction);
    static_cast<QObject*>(form.get())->event(&drop); // as the drag manager hands it over
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
    EXPECT_TRUE(dialogs.saveChangesAsked.empty());
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

// The window says when it has agreed to close, and only then: the program then sends the
// waiting copies on their way.
TEST_F(HandOverForm, AnAcceptedCloseIsAnnounced) {
    click("bbDtAdd");
    typeDt("20");
    QSignalSpy accepted(form.get(), &TMainForm::closeAccepted);
    for (const auto answer : {SaveChangesAnswer::Cancel, SaveChangesAnswer::Discard}) {
        dialogs.saveChangesAnswer = answer;
        form->close();
    }
    EXPECT_EQ(accepted.count(), 1);
    EXPECT_FALSE(form->isVisible());
}

// A handed-over file whose message box is on show when more requests arrive: the box runs
// outside the socket's handler, and the next request waits until it is closed.
TEST(SingleInstance, RequestsAreActedOnOneAtATime) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("karo_2006"));
    SingleInstance first(path);
    ASSERT_EQ(first.start(), Start::First);
    QStringList opened;
    int depth = 0, deepest = 0;
    std::vector<std::unique_ptr<LaterCopy>> later;
    QObject::connect(&first, &SingleInstance::openRequested, &first, [&](const QString& file) {
        opened << QFileInfo(file).fileName();
        deepest = std::max(deepest, ++depth);
        if (opened.size() == 1) {
            // A modal box: its own event loop, while two more copies hand over files.
            for (const char* name : {"b.karo", "c.karo"}) {
                later.push_back(
                    std::make_unique<LaterCopy>(path, dir.filePath(QString::fromLatin1(name))));
                QTest::qWait(100); // in this order
            }
            QEventLoop box;
            QTimer::singleShot(300, &box, &QEventLoop::quit);
            box.exec();
        }
        --depth;
    });
    EXPECT_EQ(handOver(path, dir.filePath(QStringLiteral("a.karo"))), Start::HandedOver);
    for (const auto& copy : later)
        EXPECT_EQ(copy->result(), Start::HandedOver);
    EXPECT_EQ(opened, QStringList({"a.karo", "b.karo", "c.karo"}));
    EXPECT_EQ(deepest, 1);
}

// Running out of descriptors makes accept() fail; the copy must still answer afterwards.
TEST(SingleInstance, KeepsListeningThroughFailedAccepts) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("karo_2006"));
    SingleInstance first(path);
    ASSERT_EQ(first.start(), Start::First);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::strncpy(addr.sun_path, QFile::encodeName(path).constData(), sizeof(addr.sun_path) - 1);

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &saved), 0);
    const int probe = ::dup(0);
    ::close(probe);
    rlimit tight = saved;
    tight.rlim_cur = static_cast<rlim_t>(probe + 40);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &tight), 0);
    std::vector<int> held;
    for (int i = 0; i < 200; ++i) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0)
            break;
        if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
            ::close(fd);
            break;
        }
        held.push_back(fd);
        QCoreApplication::processEvents(); // the copy accepts until it runs out
    }
    QTest::qWait(50);
    for (int fd : held)
        ::close(fd);
    ::setrlimit(RLIMIT_NOFILE, &saved);
    QTest::qWait(500);

    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    EXPECT_EQ(handOver(path), Start::HandedOver);
    EXPECT_TRUE(raised.count() > 0 || raised.wait(2000));
}

// The program itself, twice, with its own runtime folder.
TEST(SingleInstanceProcess, ASecondProgramExitsWithZeroAndTheFirstRuns) {
    QTemporaryDir runtime;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    const QString exe = QStringLiteral(KARO_EXE);

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(exe, {});
    ASSERT_TRUE(first.waitForStarted(5000));
    // Wait until the first copy listens.
    const QString socket = runtime.filePath(QStringLiteral("karo_2006"));
    for (int i = 0; i < 100 && !QFile::exists(socket); ++i)
        QTest::qWait(50);
    ASSERT_TRUE(QFile::exists(socket));

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(exe, {});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(first.state(), QProcess::Running);

    // After the first copy is gone, even killed, a new copy starts as the first.
    first.kill();
    first.waitForFinished(5000);
    QProcess third;
    third.setProcessEnvironment(env);
    third.start(exe, {});
    ASSERT_TRUE(third.waitForStarted(5000));
    EXPECT_FALSE(third.waitForFinished(1500)); // still running: it is the first copy now
    third.kill();
    third.waitForFinished(5000);
}

} // namespace
} // namespace karo::app
