#pragma once
// The one road by which the program reads and writes its files.
//
// A write goes to a new file beside the target, every byte checked and flushed to the disk,
// and is then renamed over the target, so that a full disk or any other failure leaves the
// old file byte for byte. Only regular files are read or replaced: a FIFO, a device or a
// socket is refused without being opened for writing, and looked at without blocking.
//
// File names travel inside the program as QStrings made by DecodeFileName, which keeps
// every byte of a name that is not valid UTF-8, so the system gets back the name it gave.
//
// Reasons are words for the system's error, ready to follow a colon in a message; their codes
// become texts at the edge (texts/message_text.h).

#include "model/messages.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>

#include <functional>

namespace karo::io {

// A file name as the system gives it (bytes) and back. Bytes that are not part of valid
// UTF-8 are kept as the code units U+DC80..U+DCFF, so the two are exact inverses.
QString DecodeFileName(const QByteArray& native);
QByteArray EncodeFileName(const QString& name);

// The reason for a system error number (errno), never "Unknown error"; as a code, and as
// the words shown.
Message SystemReason(int errorNumber);
QString SystemReasonText(int errorNumber);
// The reason given for a path that exists but is not a regular file.
QString NotRegularFileText();

// The reason given for a file the user may not write.
QString WriteProtectedText();

// True when `path` is an existing file this user may not write: its permissions forbid it,
// or, for root, whom permissions do not bind, it has no write bit at all. Replacing a file
// needs only the folder's permission, so this is asked before, as editors ask it.
bool IsWriteProtected(const QString& path);

// Writes `bytes` as the whole new content of `path`. A new file gets `mode` less the umask;
// a replaced file keeps its own permissions, and its owner and group where this user may
// set them. A write-protected file is refused. A symbolic link is followed and its target
// replaced. Returns false with the reason in `reason` (may be null); the old file, if any,
// is then untouched and no temporary file is left behind. Temporary files that writers of
// the same target left when they were killed are removed.
bool WriteFileSafely(const QString& path, const QByteArray& bytes, QString* reason,
                     mode_t mode = 0666);

// Writes `bytes` as a new file in `folder` under the first of the names `nameAt(0)`,
// `nameAt(1)`, … that nothing has yet, and returns its path. The name appears only with the
// whole content behind it, flushed as above, and never replaces a file. Temporary files are
// named after `family`, so that those of killed writers of the family are removed. Returns
// an empty string with the reason in `reason` (may be null); nothing is then left behind.
QString WriteNewFileSafely(const QString& folder, const QString& family,
                           const std::function<QString(int)>& nameAt, const QByteArray& bytes,
                           QString* reason, mode_t mode = 0600);

// True when `path` may be written as a file: it is a regular file (links followed), or a new
// name in a folder this user may write. Else false with the reason in `reason` (may be null):
// a device, a FIFO or a folder is never taken for a name to write beside.
bool IsWritableTarget(const QString& path, QString* reason);

// Reads the whole of the regular file `path`, at most `maxSize` bytes. Anything else (a
// folder, a FIFO, a device) is refused without blocking; a larger file is refused too.
bool ReadRegularFile(const QString& path, qint64 maxSize, QByteArray* out, QString* reason);

// The temporary folder: TMPDIR when it names an existing folder, else /tmp.
QString TemporaryFolder();

// A folder that belongs to this user alone (mode 0700, owned by the effective user, not a
// symbolic link): `parent`/`name`, created when missing. When that path is taken by someone
// else or is not a folder, the first of `name`.1 … `name`.9 that is or can be made private,
// and past those CacheFolder(). Returns an empty string with the reason in `reason` when none
// can be made.
QString PrivateFolder(const QString& parent, const QString& name, QString* reason);

// The user's private folder "karo" in the cache folder of the user's home ($XDG_CACHE_HOME
// when absolute, else ~/.cache): where the program goes when the temporary folder's names are
// all taken by others.
QString CacheFolder(QString* reason);

// This user's own folder in the temporary folder ("karo-UID"), made private as above: the
// place for numbered reports and print spool files.
QString UserTemporaryFolder(QString* reason);

// The folder for the user's sockets: XDG_RUNTIME_DIR when it is an absolute path to a folder
// of this user's alone, else the user's own temporary folder, else one in /tmp. Folders whose
// path is longer than `maxLength` characters (when not negative) are passed over. Empty when
// there is none.
QString RuntimeFolder(qsizetype maxLength = -1);

// Points XDG_RUNTIME_DIR at RuntimeFolder() when it is unset or not valid, before Qt looks
// at it: Qt would otherwise warn and make a folder of its own, even at the root.
void SettleRuntimeFolder();

// Claims the name `path` by creating it empty with mode 0600, failing if anything, even a
// dangling link, already has that name. `exists` (may be null) tells a clash from a failure.
bool CreateNewFile(const QString& path, bool* exists, QString* reason);

// True when something exists at `path` (links followed), the name taken as the system's bytes.
bool FileExists(const QString& path);

// True when `path` is a folder owned by this user with no access for anybody else.
bool IsPrivateFolder(const QString& path);

} // namespace karo::io
