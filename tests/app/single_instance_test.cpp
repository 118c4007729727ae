// One running copy per user: a second copy raises the first and ends with code 0.

#include "app/single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

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
