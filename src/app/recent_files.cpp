#include "app/recent_files.h"

#include "app/settings.h"
#include "io/safe_file.h"

namespace karo::app {

namespace {

const QString kKey = QStringLiteral("recent");

void store(const QStringList& files) {
    // The names are kept as the system's bytes, so that a name that is not valid UTF-8
    // comes back as it was.
    QList<QByteArray> names;
    for (const QString& f : files)
        names.append(io::EncodeFileName(f));
    StoreValues(kKey, names);
}

} // namespace

QStringList RecentFiles::files() {
    QStringList files;
    for (const QByteArray& name : StoredValues(kKey)) {
        const QString f = io::DecodeFileName(name);
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
