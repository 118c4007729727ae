#pragma once
// The sections last opened or saved, newest first, kept between runs in the user's
// configuration folder (app/settings.h). A folder that cannot be written only
// means that no list is kept.

#include <QStringList>

namespace karo::app {

class RecentFiles {
  public:
    static constexpr int kMaxCount = 10;

    // The files, newest first, as they were given.
    static QStringList files();
    // `path` becomes the newest; an older mention of it goes, and so does the eleventh.
    static void add(const QString& path);
    static void remove(const QString& path);
};

} // namespace karo::app
