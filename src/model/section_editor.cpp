#include "model/section_editor.h"

#include "model/orientation.h"

#include <algorithm>
#include <utility>

namespace karo {

namespace {

bool sameState(const TKindState& a, const TKindState& b) {
    return a.Count == b.Count && a.CurrentNumber == b.CurrentNumber &&
           a.Orientation == b.Orientation;
}

} // namespace

bool KindDelta::empty() const {
    return sameState(before, after) && erased == 0 &&
           std::all_of(entries.begin(), entries.end(),
                       [](const EntryDelta& e) { return e.before == e.after; });
}

// Notes the kind's state and every entry an edit is about to write, and at the end what
// they hold then.
class SectionEditor::Recorder {
  public:
    Recorder(const SectionEditor& editor, Kind k) : editor_(editor) {
        d_.kind = k;
        d_.before = editor.model_.state(k);
        shownBefore_ = d_.before.Count > 0 ? d_.before.CurrentNumber : 0;
    }
    void touch(int n) {
        for (const EntryDelta& e : d_.entries)
            if (e.number == n)
                return;
        d_.entries.push_back({n, editor_.stored(d_.kind, n), {}});
    }
    void erasing(int n) {
        d_.erased = n;
        d_.erasedEntry = editor_.stored(d_.kind, n);
    }
    SectionDelta finish() {
        d_.after = editor_.model_.state(d_.kind);
        // The entries on show before and after are kept whole on both sides even where the
        // edit left them alone: commits outside any edit write into an entry on show, and
        // undoing or redoing past them must give back what it held when the edit was made.
        const int shown = d_.after.Count > 0 ? d_.after.CurrentNumber : 0;
        if (shown > 0)
            touch(shown);
        for (EntryDelta& e : d_.entries)
            e.after = editor_.stored(d_.kind, e.number);
        std::erase_if(d_.entries, [&](const EntryDelta& e) {
            return e.before == e.after && e.number != shown && e.number != shownBefore_;
        });
        SectionDelta out;
        if (!d_.empty())
            out.kinds.push_back(std::move(d_));
        return out;
    }

  private:
    const SectionEditor& editor_;
    KindDelta d_;
    int shownBefore_ = 0;
};

CommitResult SectionEditor::commitInto(Recorder& r, Kind k, int n, const FieldTexts& in) {
    // An arithmetic fault goes on to the caller; what the commit stored before it stays, as
    // a commit's stores do.
    r.touch(n);
    return CommitEntry(model_, k, n, in);
}

EditOutcome SectionEditor::commit(Kind k, const FieldTexts& onShow) {
    EditOutcome out;
    const TKindState& st = model_.state(k);
    if (st.Count < 1)
        return out;
    Recorder r(*this, k);
    out.commit = commitInto(r, k, st.CurrentNumber, onShow);
    out.status = out.commit.rejected() ? EditStatus::Refused : EditStatus::Done;
    out.delta = r.finish();
    return out;
}

OnShowCommit SectionEditor::commitOnShow(const FieldTexts& onShow, const CommitNotice& notice) {
    OnShowCommit out;
    for (Kind k : TabOrder) {
        if (model_.state(k).Count <= 0)
            continue;
        // No step records it: the commits of the entries on show change nothing the user sees.
        const CommitResult c = CommitEntry(model_, k, model_.state(k).CurrentNumber, onShow);
        if (notice)
            notice(k, c);
        if (c.rejected()) {
            out.refusedKind = k;
            out.refused = c;
            break;
        }
    }
    return out;
}

EditOutcome SectionEditor::add(Kind k, const FieldTexts& onShow) {
    EditOutcome out;
    TKindState& st = model_.state(k);
    if (st.Count >= MaxEntriesPerKind)
        return out;
    Recorder r(*this, k);
    if (st.Count >= 1) {
        // The entry on show is left for the new one: it keeps what was typed, or the add
        // does not take place.
        out.commit = commitInto(r, k, st.CurrentNumber, onShow);
        if (out.commit.rejected()) {
            out.status = EditStatus::Refused;
            out.delta = r.finish();
            return out;
        }
    }
    const int n = st.Count + 1;
    // A place freed by an erase still holds the old content; the new entry starts empty, in
    // the position on show.
    r.touch(n);
    StoredEntry fresh;
    fresh.orientation = k == Kind::List ? 0 : st.Orientation;
    put(k, n, fresh);
    st.Count = n;
    st.CurrentNumber = n;
    out.status = EditStatus::Done;
    out.delta = r.finish();
    return out;
}

EditOutcome SectionEditor::erase(Kind k) {
    EditOutcome out;
    TKindState& st = model_.state(k);
    if (st.Count < 1)
        return out;
    Recorder r(*this, k);
    int n = st.CurrentNumber;
    r.erasing(n);
    removeEntry(k, n, st.Count);
    st.Count -= 1;
    if (n > st.Count)
        n = st.Count;
    if (st.Count == 0)
        n = 0;
    st.CurrentNumber = n;
    // The entry now on show brings its own code; an emptied kind keeps the one on show.
    if (st.Count > 0 && k != Kind::List)
        st.Orientation = model_.entryOrientation(k, n);
    out.status = EditStatus::Done;
    out.delta = r.finish();
    return out;
}

EditOutcome SectionEditor::select(Kind k, int n, const FieldTexts& onShow) {
    EditOutcome out;
    TKindState& st = model_.state(k);
    if (st.Count < 1 || n < 1 || n > st.Count)
        return out;
    Recorder r(*this, k);
    out.commit = commitInto(r, k, st.CurrentNumber, onShow);
    if (out.commit.rejected()) {
        out.status = EditStatus::Refused;
        out.delta = r.finish();
        return out;
    }
    show(k, n);
    out.status = EditStatus::Done;
    out.delta = r.finish();
    return out;
}

void SectionEditor::show(Kind k, int n) {
    TKindState& st = model_.state(k);
    if (n < 1 || n > st.Count)
        return;
    st.CurrentNumber = n;
    if (k != Kind::List)
        st.Orientation = model_.entryOrientation(k, n);
}

EditOutcome SectionEditor::rotate(Kind k) {
    return setOrientation(k, RotateCode(k, model_.state(k).Orientation));
}

EditOutcome SectionEditor::mirror(Kind k) {
    return setOrientation(k, MirrorCode(k, model_.state(k).Orientation));
}

EditOutcome SectionEditor::setOrientation(Kind k, int code) {
    EditOutcome out;
    if (k == Kind::List || !IsValidCode(k, code))
        return out;
    Recorder r(*this, k);
    TKindState& st = model_.state(k);
    st.Orientation = code;
    // The profile on show turns with its tab; commits never change an entry's code.
    if (st.Count > 0) {
        r.touch(st.CurrentNumber);
        model_.setEntryOrientation(k, st.CurrentNumber, code);
    }
    out.status = EditStatus::Done;
    out.delta = r.finish();
    return out;
}

EditOutcome SectionEditor::setTexts(Kind k, const std::vector<std::pair<int, std::string>>& texts) {
    EditOutcome out;
    const TKindState& st = model_.state(k);
    if (st.Count < 1)
        return out;
    Recorder r(*this, k);
    r.touch(st.CurrentNumber);
    for (const auto& [field, text] : texts)
        setText(k, st.CurrentNumber, field, text);
    out.status = EditStatus::Done;
    out.delta = r.finish();
    return out;
}

void SectionEditor::setText(Kind k, int n, int field, const std::string& text) {
    const FieldInfo& f = kindInfo(k).fields[static_cast<std::size_t>(field)];
    if (std::as_const(model_).text(k, n, f.slot) != text)
        model_.text(k, n, f.slot) = text;
}

void SectionEditor::reset() {
    model_.reset();
}

void SectionEditor::replace(const TSectionModel& loaded) {
    model_ = loaded;
}

void SectionEditor::undo(const SectionDelta& delta) {
    for (auto d = delta.kinds.rbegin(); d != delta.kinds.rend(); ++d) {
        for (auto e = d->entries.rbegin(); e != d->entries.rend(); ++e)
            put(d->kind, e->number, e->before);
        if (d->erased > 0)
            insertEntry(d->kind, d->erased, d->before.Count, d->erasedEntry);
        model_.state(d->kind) = d->before;
    }
}

void SectionEditor::redo(const SectionDelta& delta) {
    for (const KindDelta& d : delta.kinds) {
        if (d.erased > 0)
            removeEntry(d.kind, d.erased, d.before.Count);
        for (const EntryDelta& e : d.entries)
            put(d.kind, e.number, e.after);
        model_.state(d.kind) = d.after;
    }
}

StoredEntry SectionEditor::stored(Kind k, int n) const {
    StoredEntry e;
    e.orientation = model_.entryOrientation(k, n);
    const int slots = kindInfo(k).slotCount;
    for (int s = 0; s < slots; ++s) {
        e.values[static_cast<std::size_t>(s)] = model_.value(k, n, s);
        e.texts[static_cast<std::size_t>(s)] = model_.text(k, n, s);
    }
    return e;
}

void SectionEditor::put(Kind k, int n, const StoredEntry& e) {
    model_.setEntryOrientation(k, n, e.orientation);
    const int slots = kindInfo(k).slotCount;
    for (int s = 0; s < slots; ++s) {
        model_.value(k, n, s) = e.values[static_cast<std::size_t>(s)];
        model_.text(k, n, s) = e.texts[static_cast<std::size_t>(s)];
    }
}

void SectionEditor::removeEntry(Kind k, int n, int count) {
    // The last place keeps its old content; it lies beyond the new count.
    for (int i = n; i < count; ++i)
        model_.copyEntry(k, i + 1, i);
}

void SectionEditor::insertEntry(Kind k, int n, int count, const StoredEntry& e) {
    for (int i = count - 1; i >= n; --i)
        model_.copyEntry(k, i, i + 1);
    put(k, n, e);
}

std::string StoredTexts::fieldText(Kind kind, int field) const {
    const FieldInfo& f = kindInfo(kind).fields[static_cast<std::size_t>(field)];
    return entry_.texts[static_cast<std::size_t>(f.slot)];
}

} // namespace karo
