#include "app/recent_files.h"

#include "app/settings.h"
#include "io/safe_file.h"

#include <QSettings>
#include <QVariantList>

namespace karo::app {

namespace {

const QString kKey = QStringLiteral("RecentFiles/files");

void store(const QStringList& files) {
    if (!SettingsUsable())
        return;
    // The names are kept as the system's bytes, so that a name that is not valid UTF-8
    // comes back as it was.
    QVariantList names;
    for (const QString& f : files)
        names.append(io::EncodeFileName(f));
    QSettings settings(SettingsPath(), QSettings::IniFormat);
    settings.setValue(kKey, names);
}

} // namespace

QStringList RecentFiles::files() {
    if (!SettingsUsable())
        return {};
    const QSettings settings(SettingsPath(), QSettings::IniFormat);
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
