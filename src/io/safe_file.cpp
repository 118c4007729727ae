#include "io/safe_file.h"

#include "texts/message_text.h"

#include <QRandomGenerator>

#include <string>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace karo::io {
namespace {

constexpr char16_t kEscapeBase = 0xDC00; // a kept byte b is the code unit 0xDC00 + b

// The length of the valid UTF-8 sequence at `p` (at most `n` bytes), or 0.
int validSequence(const unsigned char* p, qsizetype n, char32_t* cp) {
    const unsigned char b = p[0];
    int len;
    char32_t c;
    if (b < 0x80) {
        *cp = b;
        return 1;
    } else if (b >= 0xC2 && b <= 0xDF) {
        len = 2;
        c = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        len = 3;
        c = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        len = 4;
        c = b & 0x07;
    } else {
        return 0;
    }
    if (n < len)
        return 0;
    for (int i = 1; i < len; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (p[i] & 0x3F);
    }
    const bool overlong = (len == 3 && c < 0x800) || (len == 4 && c < 0x10000);
    if (overlong || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        return 0;
    *cp = c;
    return len;
}

QString failWith(QString* reason, const QString& text) {
    if (reason)
        *reason = text;
    return {};
}

bool failErrno(QString* reason, int err) {
    if (reason)
        *reason = SystemReasonText(err);
    return false;
}

int openNoInterrupt(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

// The folder part of a native path ("." for a bare name).
QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    if (slash == 0)
        return QByteArrayLiteral("/");
    return path.left(slash);
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

// A temporary file is named ".NAME.PID-RANDOM.tmp": the writer's process id tells a file
// being written from one a killed writer left behind.
QByteArray temporaryPrefix(const QByteArray& base) {
    return '.' + base.left(200) + '.';
}

// Removes the temporary files of `base` in `folder` whose writers no longer run. Only this
// user's regular files are touched.
void removeLeftovers(const QByteArray& folder, const QByteArray& base) {
    DIR* dir = ::opendir(folder.constData());
    if (!dir)
        return;
    const QByteArray prefix = temporaryPrefix(base);
    while (const dirent* e = ::readdir(dir)) {
        const QByteArray name(e->d_name);
        if (!name.startsWith(prefix) || !name.endsWith(".tmp"))
            continue;
        const QByteArray middle = name.mid(prefix.size(), name.size() - prefix.size() - 4);
        const qsizetype dash = middle.indexOf('-');
        bool ok = false;
        const int pid = dash > 0 ? middle.left(dash).toInt(&ok) : 0;
        if (!ok || pid <= 0 || ::kill(pid, 0) == 0 || errno != ESRCH)
            continue;
        struct stat st {};
        if (::fstatat(::dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            ::unlinkat(::dirfd(dir), e->d_name, 0);
    }
    ::closedir(dir);
}

// Writes `bytes` into a new temporary file of `base` in `folder`, every byte checked and on
// the disk. `keep` (may be null) is the file it will replace, whose owner, group and mode it
// takes; a new file gets `mode` less the umask. Temporary files that killed writers of `base`
// left are removed first. Returns the temporary file's name, or an empty one with the error
// in `err` and nothing left behind.
QByteArray writeTemporary(const QByteArray& folder, const QByteArray& base, const QByteArray& bytes,
                          const struct stat* keep, mode_t mode, int* err) {
    removeLeftovers(folder, base);
    const QByteArray tempStart =
        folder + '/' + temporaryPrefix(base) + QByteArray::number(::getpid()) + '-';
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = tempStart + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        fd = openNoInterrupt(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW,
                             keep ? 0600 : mode);
        if (fd < 0 && errno != EEXIST) {
            *err = errno;
            return {};
        }
    }
    if (fd < 0) {
        *err = EEXIST;
        return {};
    }
    const auto abandon = [&](int e) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temp.constData());
        *err = e;
        return QByteArray();
    };
    if (keep) {
        // The owner and group stay, where this user may set them (root may; others may
        // keep a group they belong to). Before the mode: a change of owner clears set-id bits.
        if (keep->st_uid != ::geteuid() || keep->st_gid != ::getegid()) {
            if (::fchown(fd, keep->st_uid, keep->st_gid) != 0)
                (void)::fchown(fd, static_cast<uid_t>(-1), keep->st_gid);
        }
        if (::fchmod(fd, keep->st_mode & 07777) != 0)
            return abandon(errno);
    }
    if (!writeAll(fd, bytes))
        return abandon(errno);
    // The data must be on the disk before the name moves: some file systems report a full
    // disk only here.
    if (::fsync(fd) != 0)
        return abandon(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0 && errno != EINTR)
        return abandon(errno);
    return temp;
}

// The move of a name into `folder` made lasting too; a failure here no longer risks the data.
void syncFolder(const QByteArray& folder) {
    const int dirFd = openNoInterrupt(folder.constData(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

bool isWriteProtected(const QByteArray& native, const struct stat& st) {
    if (::faccessat(AT_FDCWD, native.constData(), W_OK, AT_EACCESS) != 0)
        return errno == EACCES || errno == EPERM;
    return ::geteuid() == 0 && (st.st_mode & 0222) == 0;
}

} // namespace

QString DecodeFileName(const QByteArray& native) {
    QString out;
    out.reserve(native.size());
    const auto* p = reinterpret_cast<const unsigned char*>(native.constData());
    const qsizetype n = native.size();
    for (qsizetype i = 0; i < n;) {
        char32_t c = 0;
        const int len = validSequence(p + i, n - i, &c);
        if (len == 0) {
            out += QChar(static_cast<char16_t>(kEscapeBase + p[i]));
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            out += QChar(QChar::highSurrogate(c));
            out += QChar(QChar::lowSurrogate(c));
        } else {
            out += QChar(static_cast<char16_t>(c));
        }
        i += len;
    }
    return out;
}

QByteArray EncodeFileName(const QString& name) {
    QByteArray out;
    out.reserve(name.size());
    const auto put = [&out](char32_t c) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    };
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t u = name.at(i).unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < name.size() &&
            QChar::isLowSurrogate(name.at(i + 1).unicode())) {
            put(QChar::surrogateToUcs4(u, name.at(i + 1).unicode()));
            ++i;
        } else if (u >= kEscapeBase + 0x80 && u <= kEscapeBase + 0xFF) {
            out += static_cast<char>(u - kEscapeBase);
        } else if (QChar::isSurrogate(u)) {
            put(0xFFFD);
        } else {
            put(u);
        }
    }
    return out;
}

Message SystemReason(int e) {
    switch (e) {
    case ENOENT:
        return {MessageCode::ReasonNoSuchFile, {}};
    case EACCES:
    case EPERM:
        return {MessageCode::ReasonNoAccess, {}};
    case ENOSPC:
        return {MessageCode::ReasonNoSpace, {}};
    case EDQUOT:
        return {MessageCode::ReasonQuota, {}};
    case EFBIG:
        return {MessageCode::ReasonTooLarge, {}};
    case EROFS:
        return {MessageCode::ReasonReadOnlyDisk, {}};
    case EISDIR:
        return {MessageCode::ReasonIsFolder, {}};
    case ENOTDIR:
        return {MessageCode::ReasonNotFolder, {}};
    case ENAMETOOLONG:
        return {MessageCode::ReasonNameTooLong, {}};
    case ELOOP:
        return {MessageCode::ReasonLinkLoop, {}};
    case EIO:
        return {MessageCode::ReasonIoError, {}};
    case EMFILE:
    case ENFILE:
        return {MessageCode::ReasonTooManyFiles, {}};
    case EEXIST:
        return {MessageCode::ReasonExists, {}};
    case EBUSY:
    case ETXTBSY:
        return {MessageCode::ReasonBusy, {}};
    case ENOMEM:
        return {MessageCode::ReasonNoMemory, {}};
    case EXDEV:
        return {MessageCode::ReasonOtherDisk, {}};
    case ENXIO:
    case ENODEV:
        return {MessageCode::ReasonNoDevice, {}};
    default:
        return {MessageCode::ReasonSystemError, {{std::to_string(e)}}};
    }
}

QString SystemReasonText(int e) {
    return MessageText(SystemReason(e));
}

QString NotRegularFileText() {
    return MessageText(MessageCode::ReasonNotRegularFile);
}

QString WriteProtectedText() {
    return MessageText(MessageCode::ReasonWriteProtected);
}

bool IsWriteProtected(const QString& path) {
    const QByteArray native = EncodeFileName(path);
    struct stat st {};
    return !native.isEmpty() && ::stat(native.constData(), &st) == 0 && S_ISREG(st.st_mode) &&
           isWriteProtected(native, st);
}

bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* reason, mode_t mode) {
    QByteArray target = EncodeFileName(path);
    if (target.isEmpty())
        return failErrno(reason, ENOENT);
    struct stat st {};
    bool exists = ::lstat(target.constData(), &st) == 0;
    if (!exists && errno != ENOENT)
        return failErrno(reason, errno);
    if (exists && S_ISLNK(st.st_mode)) {
        // The link stays; what it points at is replaced.
        char* real = ::realpath(target.constData(), nullptr);
        if (!real)
            return failErrno(reason, errno);
        target = QByteArray(real);
        std::free(real);
        exists = ::lstat(target.constData(), &st) == 0;
        if (!exists)
            return failErrno(reason, errno);
    }
    if (exists && S_ISDIR(st.st_mode))
        return failErrno(reason, EISDIR);
    if (exists && !S_ISREG(st.st_mode)) {
        if (reason)
            *reason = NotRegularFileText();
        return false;
    }
    if (exists && isWriteProtected(target, st)) {
        if (reason)
            *reason = WriteProtectedText();
        return false;
    }

    // A new name beside the target: the rename stays on one file system.
    const QByteArray folder = folderOf(target);
    const QByteArray base = target.mid(target.lastIndexOf('/') + 1);
    int err = 0;
    const QByteArray temp = writeTemporary(folder, base, bytes, exists ? &st : nullptr, mode, &err);
    if (temp.isEmpty())
        return failErrno(reason, err);
    if (::rename(temp.constData(), target.constData()) != 0) {
        err = errno;
        ::unlink(temp.constData());
        return failErrno(reason, err);
    }
    syncFolder(folder);
    return true;
}

QString WriteNewFileSafely(const QString& folder, const QString& family,
                           const std::function<QString(int)>& nameAt, const QByteArray& bytes,
                           QString* reason, mode_t mode) {
    const QByteArray dir = EncodeFileName(folder);
    int err = 0;
    const QByteArray temp = writeTemporary(dir, EncodeFileName(family), bytes, nullptr, mode, &err);
    if (temp.isEmpty())
        return failWith(reason, SystemReasonText(err));
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = nameAt(attempt);
        const QByteArray target = dir + '/' + EncodeFileName(name);
        // Never over a file: the name appears only with the whole content behind it.
        int moved =
            ::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE);
        if (moved != 0 && (errno == EINVAL || errno == ENOSYS)) {
            // A file system without that rename: a second link, which never replaces either.
            moved = ::link(temp.constData(), target.constData());
            if (moved == 0)
                ::unlink(temp.constData());
        }
        if (moved == 0) {
            syncFolder(dir);
            return folder + QLatin1Char('/') + name;
        }
        if (errno != EEXIST) {
            err = errno;
            break;
        }
        err = EEXIST; // another writer took the name meanwhile: the next one
    }
    ::unlink(temp.constData());
    return failWith(reason, SystemReasonText(err));
}

bool IsWritableTarget(const QString& path, QString* reason) {
    const QByteArray native = EncodeFileName(path);
    if (native.isEmpty())
        return failErrno(reason, ENOENT);
    struct stat st {};
    if (::stat(native.constData(), &st) == 0) {
        if (S_ISREG(st.st_mode))
            return true;
        if (S_ISDIR(st.st_mode))
            return failErrno(reason, EISDIR);
        if (reason)
            *reason = NotRegularFileText();
        return false;
    }
    if (errno != ENOENT)
        return failErrno(reason, errno);
    if (::faccessat(AT_FDCWD, folderOf(native).constData(), W_OK | X_OK, AT_EACCESS) != 0)
        return failErrno(reason, errno);
    return true;
}

bool ReadRegularFile(const QString& path, qint64 maxSize, QByteArray* out, QString* reason) {
    const QByteArray native = EncodeFileName(path);
    if (native.isEmpty())
        return failErrno(reason, ENOENT);
    // Looked at before it is opened, so that opening a device has no effect; opened without
    // blocking, so that a FIFO put in its place meanwhile does not hang the program.
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        return failErrno(reason, errno);
    const auto notRegular = [&](const struct stat& s) {
        if (S_ISDIR(s.st_mode))
            return failErrno(reason, EISDIR);
        if (reason)
            *reason = NotRegularFileText();
        return false;
    };
    if (!S_ISREG(st.st_mode))
        return notRegular(st);
    const int fd = openNoInterrupt(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return failErrno(reason, errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    if (::fstat(fd, &st) != 0)
        return failErrno(reason, errno);
    if (!S_ISREG(st.st_mode))
        return notRegular(st);
    if (st.st_size > maxSize)
        return failErrno(reason, EFBIG);

    QByteArray data;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return failErrno(reason, errno);
        }
        if (n == 0)
            break;
        if (data.size() + n > maxSize)
            return failErrno(reason, EFBIG);
        data.append(buffer, n);
    }
    if (out)
        *out = data;
    return true;
}

QString TemporaryFolder() {
    const QByteArray env = qgetenv("TMPDIR");
    if (!env.isEmpty() && env.startsWith('/')) {
        struct stat st {};
        if (::stat(env.constData(), &st) == 0 && S_ISDIR(st.st_mode))
            return DecodeFileName(env);
    }
    return QStringLiteral("/tmp");
}

bool FileExists(const QString& path) {
    struct stat st {};
    const QByteArray native = EncodeFileName(path);
    return !native.isEmpty() && ::stat(native.constData(), &st) == 0;
}

bool IsPrivateFolder(const QString& path) {
    struct stat st {};
    return ::lstat(EncodeFileName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

namespace {

// `native` made or taken as a private folder: true when it is one now.
bool claimPrivateFolder(const QByteArray& native, int* err) {
    if (::mkdir(native.constData(), 0700) == 0)
        return true;
    *err = errno;
    if (errno != EEXIST)
        return false;
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    // Ours: whatever its mode was, nobody else gets in from now on.
    return (st.st_mode & 077) == 0 || ::chmod(native.constData(), 0700) == 0;
}

} // namespace

QString PrivateFolder(const QString& parent, const QString& name, QString* reason) {
    const QString path = parent + QLatin1Char('/') + name;
    const QByteArray native = EncodeFileName(path);
    int err = 0;
    if (claimPrivateFolder(native, &err))
        return path;
    if (err != EEXIST)
        return failWith(reason, SystemReasonText(err));
    // Taken by someone else, or not a folder: the same next names every time, so that all of
    // the user's programs meet in one folder; past those, a name nobody can guess.
    for (int n = 1; n <= 9; ++n) {
        const QString next = path + QLatin1Char('.') + QString::number(n);
        if (claimPrivateFolder(EncodeFileName(next), &err))
            return next;
    }
    // Past those the folder is taken from the user's own home, not made anew each time: one
    // folder where all of the user's programs meet again, never left behind in numbers.
    return CacheFolder(reason);
}

QString CacheFolder(QString* reason) {
    QByteArray cache = qgetenv("XDG_CACHE_HOME");
    if (!cache.startsWith('/')) {
        QByteArray home = qgetenv("HOME");
        if (!home.startsWith('/')) {
            const passwd* pw = ::getpwuid(::geteuid());
            home = pw && pw->pw_dir ? QByteArray(pw->pw_dir) : QByteArray();
        }
        if (!home.startsWith('/'))
            return failWith(reason, SystemReasonText(ENOENT));
        cache = home + "/.cache";
    }
    // A cache folder made here is the user's alone, as the desktop makes it.
    if (::mkdir(cache.constData(), 0700) != 0 && errno != EEXIST)
        return failWith(reason, SystemReasonText(errno));
    const QByteArray native = cache + "/karo";
    int err = 0;
    if (!claimPrivateFolder(native, &err))
        return failWith(reason, SystemReasonText(err == EEXIST ? EACCES : err));
    return DecodeFileName(native);
}

QString UserTemporaryFolder(QString* reason) {
    return PrivateFolder(TemporaryFolder(), QStringLiteral("karo-%1").arg(::geteuid()), reason);
}

QString RuntimeFolder(qsizetype maxLength) {
    const auto fits = [maxLength](const QString& dir) {
        return !dir.isEmpty() && (maxLength < 0 || EncodeFileName(dir).size() <= maxLength);
    };
    // A relative path is not valid for XDG_RUNTIME_DIR: it would name another folder in every
    // working directory.
    const QByteArray xdg = qgetenv("XDG_RUNTIME_DIR");
    if (xdg.startsWith('/')) {
        const QString dir = DecodeFileName(xdg);
        if (IsPrivateFolder(dir) && fits(dir))
            return dir;
    }
    if (const QString dir = UserTemporaryFolder(nullptr); fits(dir))
        return dir;
    const QString dir =
        PrivateFolder(QStringLiteral("/tmp"), QStringLiteral("karo-%1").arg(::geteuid()), nullptr);
    return fits(dir) ? dir : QString();
}

void SettleRuntimeFolder() {
    const QByteArray xdg = qgetenv("XDG_RUNTIME_DIR");
    if (xdg.startsWith('/') && IsPrivateFolder(DecodeFileName(xdg)))
        return;
    const QString dir = RuntimeFolder();
    if (dir.isEmpty())
        qunsetenv("XDG_RUNTIME_DIR");
    else
        qputenv("XDG_RUNTIME_DIR", EncodeFileName(dir));
}

bool CreateNewFile(const QString& path, bool* exists, QString* reason) {
    const int fd = openNoInterrupt(EncodeFileName(path).constData(),
                                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0600);
    if (exists)
        *exists = fd < 0 && errno == EEXIST;
    if (fd < 0)
        return failErrno(reason, errno);
    ::close(fd);
    return true;
}

} // namespace karo::io
