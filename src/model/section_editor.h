#pragma once
// Every edit of the section's lists goes through this editor: add, erase, choosing the entry
// on show, turning and mirroring, the commit of the entry on show, and replacing the whole
// section. Besides the commit routines it is the only code that writes the model.
//
// Each edit reports what it did and hands back a SectionDelta, the before and after of
// everything it wrote; undo() and redo() play a delta backwards and forwards, so the undo
// history lives with whoever keeps the deltas and the model stays plain data.

#include "model/commit.h"
#include "model/section_model.h"

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace karo {

// One entry as stored, whatever its kind: its own code, values and texts by slot.
struct StoredEntry {
    int orientation = 0;
    std::array<double, un::SlotCount> values{};
    std::array<std::string, un::SlotCount> texts{};
    bool operator==(const StoredEntry&) const = default;
};

struct EntryDelta {
    int number = 0;
    StoredEntry before, after;
};

// What an edit changed in one kind. An erase shifts the entries after the erased one down;
// it is kept as the number and content of the erased entry rather than as the shifted ones.
struct KindDelta {
    Kind kind = Kind::Dt;
    TKindState before, after;
    std::vector<EntryDelta> entries; // written in place
    int erased = 0;                  // number of the erased entry, 0 for none
    StoredEntry erasedEntry;

    bool empty() const;
};

struct SectionDelta {
    std::vector<KindDelta> kinds;
    bool empty() const { return kinds.empty(); }
};

enum class EditStatus {
    Done,    // the edit took place
    Nothing, // there was nothing to do (an empty kind, a full kind)
    Refused, // the commit of the entry on show refused a field; only the commit's stores remain
};

// Told of every commit of an entry on show, refused or warned or not.
using CommitNotice = std::function<void(Kind, const CommitResult&)>;

// What the commit of every entry on show came to: all accepted, or the first refusal.
struct OnShowCommit {
    Kind refusedKind = Kind::Dt;
    CommitResult refused; // Code 0 when every entry was accepted

    bool accepted() const { return !refused.rejected(); }
};

struct EditOutcome {
    EditStatus status = EditStatus::Nothing;
    CommitResult commit; // of the entry on show, where the edit commits it
    SectionDelta delta;  // everything written, the refused commit's stores included

    bool done() const { return status == EditStatus::Done; }
};

class SectionEditor {
  public:
    explicit SectionEditor(TSectionModel& model) : model_(model) {}

    const TSectionModel& model() const { return model_; }

    // Commits the fields into the entry on show. Nothing when the kind is empty.
    EditOutcome commit(Kind k, const FieldTexts& onShow);
    // Commits the entry on show of every kind that has entries, in tab order, telling `notice`
    // (may be empty) of each; stops at the first refusal.
    OnShowCommit commitOnShow(const FieldTexts& onShow, const CommitNotice& notice = {});

    // Commits the entry on show (when there is one), then appends an empty entry and shows
    // it; the kind's code stays as it is. Nothing when the kind holds MaxEntriesPerKind.
    EditOutcome add(Kind k, const FieldTexts& onShow);

    // Removes the entry on show and closes the gap; nothing typed into it is committed. The
    // entry after it is shown, or the new last one, with its own code.
    EditOutcome erase(Kind k);

    // Commits the entry on show, then shows entry `n` with its own code.
    EditOutcome select(Kind k, int n, const FieldTexts& onShow);
    // Shows entry `n` with its own code and commits nothing: undo and redo coming back to the
    // entry a step was taken on.
    void show(Kind k, int n);

    // The kind's code turned by 90° counter-clockwise, mirrored left to right, or set.
    EditOutcome rotate(Kind k);
    EditOutcome mirror(Kind k);
    EditOutcome setOrientation(Kind k, int code);

    // Texts written into fields (input order) of the entry on show, as the user would type
    // them; their values follow at the entry's next commit. Nothing when the kind is empty.
    EditOutcome setTexts(Kind k, const std::vector<std::pair<int, std::string>>& texts);
    // One field's text of entry n, unrecorded: typing keeps its own history.
    void setText(Kind k, int n, int field, const std::string& text);

    // The start state, or a whole loaded section. Neither can be undone.
    void reset();
    void replace(const TSectionModel& loaded);

    void undo(const SectionDelta& d);
    void redo(const SectionDelta& d);

    StoredEntry stored(Kind k, int n) const;

  private:
    class Recorder;

    CommitResult commitInto(Recorder& r, Kind k, int n, const FieldTexts& in);
    void put(Kind k, int n, const StoredEntry& e);
    void removeEntry(Kind k, int n, int count);
    void insertEntry(Kind k, int n, int count, const StoredEntry& e);

    TSectionModel& model_;
};

// The texts of a stored entry, read as fields: to type an entry again from what it held.
class StoredTexts : public FieldTexts {
  public:
    explicit StoredTexts(const StoredEntry& e) : entry_(e) {}
    std::string fieldText(Kind kind, int field) const override;

  private:
    const StoredEntry& entry_;
};

} // namespace karo
