#pragma once
// Section files (.karo, UTF-8 JSON): the typed texts of every entry with their orientation
// codes and the entry on show of each kind, saved as they stand. Loading puts every entry through
// the same commit and validation as typing does; saving is atomic.

#include "model/section_model.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace karo {

inline constexpr int kSectionFormatVersion = 1;

// A cross-check that warned while an entry was loaded.
struct SectionWarning {
    Kind kind;
    int entry; // 1-based
    int check; // index for CrossCheckText
};

struct LoadReport {
    enum class Status {
        Loaded,
        Unreadable, // the file could not be read
        Malformed,  // not a section file, or not one this program can take
        Refused,    // a value that the commit refuses
    };
    Status status = Status::Loaded;
    QString message; // names the file and the place; empty when loaded
    std::vector<SectionWarning> warnings;

    bool ok() const { return status == Status::Loaded; }
};

// Whether a file may hold an unfinished entry: a kind's entry on show whose texts the commit
// refuses (empty, not a number, out of range), as a section being typed is saved. Such an
// entry keeps its texts exactly; whoever solves the section refuses it as the window does.
// Every other entry must be accepted, as before.
enum class Unfinished { Refused, Kept };

// Loads the section from `json` (read from a file named `fileName`, used in messages).
// `out` is replaced only when the whole file was accepted.
LoadReport LoadSection(const QByteArray& json, const QString& fileName, TSectionModel& out,
                       Unfinished unfinished = Unfinished::Refused);
// Messages name the file by `label`, by default the file's own name.
LoadReport LoadSectionFile(const QString& path, TSectionModel& out,
                           const QString& label = QString(),
                           Unfinished unfinished = Unfinished::Refused);

QByteArray SaveSection(const TSectionModel& model);
// Writes a new file and renames it over the old one, so a failed save never destroys a
// good file. Returns false with a reason in `error`.
bool SaveSectionFile(const QString& path, const TSectionModel& model, QString* error);

// "Двутавр, профиль 2, поле A": the place of a field in messages.
QString PlaceText(Kind kind, int entry, int field = -1);
// One line for a loaded entry's cross-check warning.
QString WarningText(const SectionWarning& w);

} // namespace karo
