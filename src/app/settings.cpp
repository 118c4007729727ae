#include "app/settings.h"

#include "io/safe_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

namespace karo::app {

namespace {

const QString kLanguageKey = QStringLiteral("language");
// The keys this program writes: a file from an older version, kept by another library with
// sections and other keys, keeps its language and loses the rest once.
const QString kKnownKeys[] = {kLanguageKey, QStringLiteral("recent")};

// Ten names and a language take a few kilobytes; anything much larger was not written by
// this program.
constexpr off_t kMaxSettingsBytes = 1 << 20;

} // namespace

QString SettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/karo/karo.conf");
}

bool SettingsUsable() {
    const QByteArray native = io::EncodeFileName(SettingsPath());
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        return true;
    if (S_ISREG(st.st_mode) && st.st_size <= kMaxSettingsBytes)
        return true;
    static bool said = false;
    if (!said) {
        said = true;
        const QString reason =
            S_ISREG(st.st_mode) ? io::SystemReasonText(EFBIG) : io::NotRegularFileText();
        const QString text = QCoreApplication::translate(
            "karo::app::Settings",
            "karo: «%1» не читается (%2); список последних файлов не ведётся.");
        std::fprintf(stderr, "%s\n",
                     text.arg(QString::fromLocal8Bit(native), reason).toUtf8().constData());
    }
    return false;
}

namespace {

using Entries = QList<std::pair<QString, QByteArray>>;

Entries readEntries() {
    Entries entries;
    QByteArray bytes;
    if (!SettingsUsable() ||
        !io::ReadRegularFile(SettingsPath(), kMaxSettingsBytes, &bytes, nullptr))
        return entries;
    for (const QByteArray& line : bytes.split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0 || line.startsWith('[') || line.startsWith('#'))
            continue;
        const QString key = QString::fromUtf8(line.left(eq)).trimmed();
        if (std::find(std::begin(kKnownKeys), std::end(kKnownKeys), key) != std::end(kKnownKeys))
            entries.append({key, QByteArray::fromPercentEncoding(line.mid(eq + 1).trimmed())});
    }
    return entries;
}

} // namespace

QList<QByteArray> StoredValues(const QString& key) {
    QList<QByteArray> values;
    for (const auto& [k, v] : readEntries())
        if (k == key)
            values.append(v);
    return values;
}

void StoreValues(const QString& key, const QList<QByteArray>& values) {
    if (!SettingsUsable())
        return;
    Entries entries = readEntries();
    entries.removeIf([&](const auto& e) { return e.first == key; });
    for (const QByteArray& v : values)
        entries.append({key, v});
    QByteArray bytes;
    for (const auto& [k, v] : entries)
        bytes += k.toUtf8() + '=' + v.toPercentEncoding() + '\n';
    // The folder is made for this user alone; one that cannot be made only means that
    // nothing is kept, as a failed write does.
    const QString folder = QFileInfo(SettingsPath()).path();
    QDir().mkpath(QFileInfo(folder).path());
    ::mkdir(io::EncodeFileName(folder).constData(), 0700);
    io::WriteFileSafely(SettingsPath(), bytes, nullptr, 0600);
}

QString StoredLanguage() {
    const QList<QByteArray> values = StoredValues(kLanguageKey);
    return values.isEmpty() ? QString() : QString::fromUtf8(values.constFirst());
}

void StoreLanguage(const QString& language) {
    StoreValues(kLanguageKey, {language.toUtf8()});
}

} // namespace karo::app
