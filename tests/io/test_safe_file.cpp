// The one road for files: failed writes keep the old file, only regular files are read or
// replaced, names keep their bytes, private folders stay private.

#include "io/safe_file.h"

#include "../as_nobody.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

namespace karo::io {
namespace {

QByteArray native(const QString& path) {
    return EncodeFileName(path);
}

QByteArray contents(const QString& path) {
    QByteArray out;
    EXPECT_TRUE(ReadRegularFile(path, 1 << 20, &out, nullptr));
    return out;
}

// A write that the system stops half-way leaves the old file and no temporary file. The
// file size limit fails writes the way a full disk does, without needing a disk to fill.
TEST(SafeFile, AFailedWriteKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.karo"));
    ASSERT_TRUE(WriteFileSafely(path, "old contents", nullptr));

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    QString reason;
    const bool written = WriteFileSafely(path, QByteArray(100000, 'x'), &reason);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(reason, QStringLiteral("файл слишком велик"));
    EXPECT_EQ(contents(path), "old contents");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// FIFOs and devices are neither read (no hang) nor replaced; folders are named as such.
TEST(SafeFile, OnlyRegularFilesAreReadOrReplaced) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.karo"));
    ASSERT_EQ(::mkfifo(native(fifo).constData(), 0600), 0);
    const QString device = dir.filePath(QStringLiteral("null"));
    const bool haveDevice = ::mknod(native(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;

    struct Case {
        QString path;
        QString reason;
    };
    std::vector<Case> cases = {{fifo, NotRegularFileText()},
                               {dir.path(), QStringLiteral("это папка, а не файл")}};
    if (haveDevice)
        cases.push_back({device, NotRegularFileText()});
    for (const Case& c : cases) {
        QString reason;
        EXPECT_FALSE(ReadRegularFile(c.path, 100, nullptr, &reason)) << c.path.toStdString();
        EXPECT_EQ(reason, c.reason);
        EXPECT_FALSE(WriteFileSafely(c.path, "x", &reason));
        EXPECT_EQ(reason, c.reason);
    }
    struct stat st {};
    ASSERT_EQ(::stat(native(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    if (haveDevice) {
        ASSERT_EQ(::stat(native(device).constData(), &st), 0);
        EXPECT_TRUE(S_ISCHR(st.st_mode));
    }

    // A link to a regular file is followed: the link stays, its target gets the new bytes.
    const QString target = dir.filePath(QStringLiteral("target.karo"));
    ASSERT_TRUE(WriteFileSafely(target, "a", nullptr));
    const QString link = dir.filePath(QStringLiteral("link.karo"));
    ASSERT_EQ(::symlink(native(target).constData(), native(link).constData()), 0);
    ASSERT_TRUE(WriteFileSafely(link, "b", nullptr));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(contents(target), "b");

    QString reason;
    EXPECT_FALSE(ReadRegularFile(target, 0, nullptr, &reason));
    EXPECT_EQ(reason, QStringLiteral("файл слишком велик"));
}

TEST(SafeFile, NamesKeepBytesThatAreNotUtf8) {
    const QByteArray bytes("\xd0\xa1\xd0\xb5\xd1\x87 \xff\xfe\xc3(\xe2\x82.karo");
    const QString name = DecodeFileName(bytes);
    EXPECT_EQ(EncodeFileName(name), bytes);
    EXPECT_TRUE(name.startsWith(QStringLiteral("Сеч ")));

    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    ASSERT_TRUE(WriteFileSafely(path, "data", nullptr));
    struct stat st {};
    EXPECT_EQ(::stat((native(dir.path()) + '/' + bytes).constData(), &st), 0);
    EXPECT_EQ(contents(path), "data");
}

TEST(SafeFile, ReasonsAreRussianWords) {
    for (int e = 1; e < 134; ++e) {
        const QString text = SystemReasonText(e);
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            << e << " " << text.toStdString();
    }
}

// A private folder is the user's alone: a path taken by somebody else or by a file gives a
// fresh folder; a folder of the user's own is closed to others.
TEST(SafeFile, PrivateFoldersStayPrivate) {
    QTemporaryDir dir;
    const auto check = [](const QString& folder) {
        EXPECT_TRUE(IsPrivateFolder(folder)) << folder.toStdString();
    };
    const QString made = PrivateFolder(dir.path(), QStringLiteral("fresh"), nullptr);
    EXPECT_EQ(made, dir.filePath(QStringLiteral("fresh")));
    check(made);

    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("open")));
    ::chmod(native(dir.filePath(QStringLiteral("open"))).constData(), 0777);
    EXPECT_EQ(PrivateFolder(dir.path(), QStringLiteral("open"), nullptr),
              dir.filePath(QStringLiteral("open")));
    check(dir.filePath(QStringLiteral("open")));

    std::vector<QString> hostile;
    ASSERT_TRUE(WriteFileSafely(dir.filePath(QStringLiteral("file")), "x", nullptr));
    hostile.push_back(QStringLiteral("file"));
    ASSERT_EQ(::symlink(native(made).constData(), native(dir.filePath("link")).constData()), 0);
    hostile.push_back(QStringLiteral("link"));
    if (::geteuid() == 0) { // only root can give a folder away
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("theirs")));
        ASSERT_EQ(::chown(native(dir.filePath("theirs")).constData(), 65534, 65534), 0);
        ::chmod(native(dir.filePath("theirs")).constData(), 0700);
        hostile.push_back(QStringLiteral("theirs"));
    }
    for (const QString& name : hostile) {
        const QString folder = PrivateFolder(dir.path(), name, nullptr);
        EXPECT_EQ(folder, dir.filePath(name + QStringLiteral(".1")));
        check(folder);
        EXPECT_EQ(PrivateFolder(dir.path(), name, nullptr), folder); // the same every time
    }

    // Every name taken by others: one folder in the user's cache, the same every time.
    const QByteArray savedCache = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", native(dir.filePath(QStringLiteral("cache"))));
    for (int n = 0; n <= 9; ++n)
        ASSERT_TRUE(WriteFileSafely(
            dir.filePath(n ? QStringLiteral("taken.%1").arg(n) : QStringLiteral("taken")), "x",
            nullptr));
    const QString cached = PrivateFolder(dir.path(), QStringLiteral("taken"), nullptr);
    EXPECT_EQ(cached, dir.filePath(QStringLiteral("cache/karo")));
    check(cached);
    EXPECT_EQ(PrivateFolder(dir.path(), QStringLiteral("taken"), nullptr), cached);
    qputenv("XDG_CACHE_HOME", savedCache);

    // A TMPDIR that does not exist is not used.
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", native(dir.filePath(QStringLiteral("missing"))));
    EXPECT_EQ(TemporaryFolder(), QStringLiteral("/tmp"));
    qputenv("TMPDIR", native(dir.path()));
    EXPECT_EQ(TemporaryFolder(), dir.path());
    qputenv("TMPDIR", saved);
}

// The rename needs only the folder's permission, and a killed writer leaves its temporary
// file: each row is a fault of the write path that once went unseen.
TEST(SafeFile, ProtectedTargetsLeftoversAndOwners) {
    QTemporaryDir dir;
    // A shared folder everybody may write in, as /tmp is.
    ASSERT_EQ(::chmod(native(dir.path()).constData(), 01777), 0);
    const auto file = [&](const char* name, mode_t mode, uid_t owner) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        EXPECT_TRUE(WriteFileSafely(path, "old", nullptr));
        EXPECT_EQ(::chmod(native(path).constData(), mode), 0);
        if (owner != ::geteuid()) {
            EXPECT_EQ(::chown(native(path).constData(), owner, owner), 0);
        }
        return path;
    };
    const auto temporaries = [&] {
        return QDir(dir.path()).entryList({QStringLiteral(".*.tmp")}, QDir::Files | QDir::Hidden);
    };
    const bool root = ::geteuid() == 0;
    struct Case {
        const char* name;
        bool needsRoot;
        std::function<void()> check;
    };
    const Case cases[] = {
        {"a read-only file is refused, as a user", false,
         [&] {
             const QString path = file("ro.png", 0444, root ? test::kNobody : ::geteuid());
             const int code = test::AsNobody([&] {
                 QString reason;
                 return !WriteFileSafely(path, "new", &reason) && reason == WriteProtectedText()
                            ? 0
                            : 1;
             });
             ASSERT_NE(code, test::kNoNobody) << "could not become nobody";
             EXPECT_EQ(code, 0);
             EXPECT_EQ(contents(path), "old");
             EXPECT_TRUE(IsWriteProtected(path));
         }},
        {"a file with no write bit is refused even for root", true,
         [&] {
             const QString path = file("ro.karo", 0444, 0);
             QString reason;
             EXPECT_FALSE(WriteFileSafely(path, "new", &reason));
             EXPECT_EQ(reason, WriteProtectedText());
             EXPECT_EQ(contents(path), "old");
         }},
        {"the owner of a replaced file stays", true,
         [&] {
             const QString path = file("users.karo", 0640, test::kNobody);
             ASSERT_TRUE(WriteFileSafely(path, "new", nullptr));
             struct stat st {};
             ASSERT_EQ(::stat(native(path).constData(), &st), 0);
             EXPECT_EQ(st.st_uid, test::kNobody);
             EXPECT_EQ(st.st_gid, test::kNobody);
             EXPECT_EQ(st.st_mode & 07777, 0640u);
         }},
        {"writers killed mid-save leave nothing after the next save", false,
         [&] {
             const QString path = dir.filePath(QStringLiteral("t.bmp"));
             const QByteArray big(4 << 20, 'x');
             for (int round = 0; round < 5; ++round) {
                 const pid_t writer = ::fork();
                 if (writer == 0) {
                     for (;;)
                         WriteFileSafely(path, big, nullptr);
                 }
                 std::this_thread::sleep_for(std::chrono::milliseconds(20 + 15 * round));
                 ::kill(writer, SIGKILL);
                 ::waitpid(writer, nullptr, 0);
             }
             ASSERT_TRUE(WriteFileSafely(path, "new", nullptr));
             EXPECT_TRUE(temporaries().isEmpty()) << temporaries().join(' ').toStdString();
             // A file being written by a live writer is left alone.
             const QString live = dir.filePath(QStringLiteral(".t.bmp.%1-x.tmp").arg(::getpid()));
             ASSERT_TRUE(CreateNewFile(live, nullptr, nullptr));
             ASSERT_TRUE(WriteFileSafely(path, "newer", nullptr));
             EXPECT_TRUE(QFileInfo::exists(live));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.needsRoot && !root)
            continue; // only root can set up another user's file
        c.check();
    }
}

} // namespace
} // namespace karo::io
