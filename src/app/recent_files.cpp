#include "app/recent_files.h"

#include "io/safe_file.h"

#include <QSettings>
#include <QStandardPaths>
#include <QVariantList>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

namespace karo::app {

namespace {

const QString kKey = QStringLiteral("RecentFiles/files");

// The path is looked up anew each time, so the list follows the configuration folder the
// environment names now.
QString settingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/karo/karo.conf");
}

// Ten names take a few kilobytes; anything much larger was not written by this program.
constexpr off_t kMaxSettingsBytes = 1 << 20;

// Whether the configuration may be read and replaced: missing, or a regular file of a size
// this program writes. Anything else (a FIFO would block the start, a huge file would take
// seconds and gigabytes) is left alone and said once.
bool settingsUsable() {
    const QByteArray native = io::EncodeFileName(settingsPath());
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        return true;
    if (S_ISREG(st.st_mode) && st.st_size <= kMaxSettingsBytes)
        return true;
    static bool said = false;
    if (!said) {
        said = true;
        std::fprintf(stderr, "karo: «%s» не читается (%s); список последних файлов не ведётся.\n",
                     native.constData(),
                     (S_ISREG(st.st_mode) ? io::SystemReasonText(EFBIG) : io::NotRegularFileText())
                         .toUtf8()
                         .constData());
    }
    return false;
}

void store(const QStringList& files) {
    if (!settingsUsable())
        return;
    // The names are kept as the system's bytes, so that a name that is not valid UTF-8
    // comes back as it was.
    QVariantList names;
    for (const QString& f : files)
        names.append(io::EncodeFileName(f));
    QSettings settings(settingsPath(), QSettings::IniFormat);
    settings.setValue(kKey, names);
}

} // namespace

QStringList RecentFiles::files() {
    if (!settingsUsable())
        return {};
    const QSettings settings(settingsPath(), QSettings::IniFormat);
    QStringList files;
    for (const QVariant& v : settings.value(kKey).toList()) {
        const QString f = io::DecodeFileName(v.toByteArray());
        if (!f.isEmpty() && !files.contains(f) && files.size() < kMaxCount)
            files.append(f);
    }
    return files;
}

void RecentFiles::add(const QString& path) {
    QStringList list = files();
    list.removeAll(path);
    list.prepend(path);
    store(list.mid(0, kMaxCount));
}

void RecentFiles::remove(const QString& path) {
    QStringList list = files();
    if (list.removeAll(path) > 0)
        store(list);
}

} // namespace karo::app
