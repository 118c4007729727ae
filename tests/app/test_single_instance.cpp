// One running copy per user: a second copy raises the first and ends with code 0.

#include "app/single_instance.h"
#include "io/safe_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace karo::app {
namespace {

TEST(SingleInstance, ASecondCopyAsksTheFirstToRaise) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("karo_2006"));
    SingleInstance first(path);
    ASSERT_TRUE(first.start());
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    {
        SingleInstance second(path);
        EXPECT_FALSE(second.start());
    }
    EXPECT_TRUE(raised.count() > 0 || raised.wait(2000));
}

TEST(SingleInstance, ASecondCopyHandsOverItsFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("karo_2006"));
    SingleInstance first(path);
    ASSERT_TRUE(first.start());
    QSignalSpy opened(&first, &SingleInstance::openRequested);
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    {
        SingleInstance second(path);
        EXPECT_FALSE(second.start(QStringLiteral("relative/Сечение 1.karo")));
    }
    EXPECT_TRUE(opened.count() > 0 || opened.wait(2000));
    ASSERT_EQ(opened.count(), 1);
    const QString got = opened.at(0).at(0).toString();
    EXPECT_TRUE(got.endsWith(QStringLiteral("/relative/Сечение 1.karo"))) << got.toStdString();
    EXPECT_TRUE(QDir::isAbsolutePath(got));
    EXPECT_TRUE(raised.count() > 0 || raised.wait(2000));
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
    EXPECT_TRUE(copy.start());
    SingleInstance second(path);
    EXPECT_FALSE(second.start());
}

TEST(SingleInstance, TheSocketLivesInTheUsersRuntimeFolder) {
    SingleInstance copy;
    EXPECT_TRUE(copy.serverPath().endsWith(QStringLiteral("/karo_2006")));

    // XDG_RUNTIME_DIR counts only when nobody else can get in.
    QTemporaryDir dir;
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir.path()));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(SingleInstance::RuntimeFolder(), dir.path());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                          QFile::ReadOther | QFile::WriteOther | QFile::ExeOther);
    const QString fallback = SingleInstance::RuntimeFolder();
    qputenv("XDG_RUNTIME_DIR", saved);
    EXPECT_NE(fallback, dir.path());
    EXPECT_TRUE(io::IsPrivateFolder(fallback)) << fallback.toStdString();
}

// A handed-over file whose message box is on show when more requests arrive: the box runs
// outside the socket's handler, and the next request waits until it is closed.
TEST(SingleInstance, RequestsAreActedOnOneAtATime) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("karo_2006"));
    SingleInstance first(path);
    ASSERT_TRUE(first.start());
    QStringList opened;
    int depth = 0, deepest = 0;
    QObject::connect(&first, &SingleInstance::openRequested, &first, [&](const QString& file) {
        opened << QFileInfo(file).fileName();
        deepest = std::max(deepest, ++depth);
        if (opened.size() == 1) {
            // A modal box: its own event loop, while two more copies hand over files.
            for (const char* name : {"b.karo", "c.karo"})
                EXPECT_FALSE(SingleInstance(path).start(dir.filePath(QString::fromLatin1(name))));
            QEventLoop box;
            QTimer::singleShot(300, &box, &QEventLoop::quit);
            box.exec();
        }
        --depth;
    });
    EXPECT_FALSE(SingleInstance(path).start(dir.filePath(QStringLiteral("a.karo"))));
    for (int i = 0; i < 100 && opened.size() < 3; ++i)
        QTest::qWait(20);
    EXPECT_EQ(opened, QStringList({"a.karo", "b.karo", "c.karo"}));
    EXPECT_EQ(deepest, 1);
}

// Running out of descriptors makes accept() fail; the copy must still answer afterwards.
TEST(SingleInstance, KeepsListeningThroughFailedAccepts) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("karo_2006"));
    SingleInstance first(path);
    ASSERT_TRUE(first.start());
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
    EXPECT_FALSE(SingleInstance(path).start());
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
