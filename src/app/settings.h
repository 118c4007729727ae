#pragma once
// The user's settings between runs: one file in the configuration folder
// ($XDG_CONFIG_HOME/karo/karo.conf), a line "key=value" for each value, the value's bytes
// percent-encoded, written as every other file of the program is (io/safe_file.h). A folder
// that cannot be written only means that nothing is kept.

#include <QByteArray>
#include <QList>
#include <QString>

namespace karo::app {

// Looked up anew each time, so that it follows the configuration folder the environment
// names now.
QString SettingsPath();

// Whether the file may be read and replaced: missing, or a regular file of a size this
// program writes. Anything else (a FIFO would block the start, a huge file would take seconds
// and gigabytes) is left alone and said once.
bool SettingsUsable();

// The values stored under `key`, in their order; none when the file is missing or not usable.
QList<QByteArray> StoredValues(const QString& key);
// Replaces the values of `key`, keeping every other key's.
void StoreValues(const QString& key, const QList<QByteArray>& values);

// The interface language the user chose in the menu ("ru", "en"), empty when none.
QString StoredLanguage();
void StoreLanguage(const QString& language);

} // namespace karo::app
