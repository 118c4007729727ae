#include "app/settings.h"

#include "io/safe_file.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>

namespace karo::app {

namespace {

const QString kLanguageKey = QStringLiteral("Interface/language");

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

QString StoredLanguage() {
    if (!SettingsUsable())
        return {};
    return QSettings(SettingsPath(), QSettings::IniFormat).value(kLanguageKey).toString();
}

void StoreLanguage(const QString& language) {
    if (!SettingsUsable())
        return;
    QSettings(SettingsPath(), QSettings::IniFormat).setValue(kLanguageKey, language);
}

} // namespace karo::app
