#pragma once
// The user's settings between runs: one file in the configuration folder
// ($XDG_CONFIG_HOME/karo/karo.conf), written by QSettings. A folder that cannot be written
// only means that nothing is kept.

#include <QString>

namespace karo::app {

// Looked up anew each time, so that it follows the configuration folder the environment
// names now.
QString SettingsPath();

// Whether the file may be read and replaced: missing, or a regular file of a size this
// program writes. Anything else (a FIFO would block the start, a huge file would take seconds
// and gigabytes) is left alone and said once.
bool SettingsUsable();

// The interface language the user chose in the menu ("ru", "en"), empty when none.
QString StoredLanguage();
void StoreLanguage(const QString& language);

} // namespace karo::app
