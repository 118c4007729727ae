#pragma once
// The section as the user typed it: for every kind a fixed-capacity list of entries, each
// kept both as the typed texts and as the numbers parsed from them, and with what the last
// commit of each text found wrong with it.

#include "model/arith.h"
#include "model/kinds.h"
#include "model/messages.h"

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>

namespace karo {

// The member of value slot `i` of an entry record, whose members are listed in slot order.
template <class E, std::size_t N> double& PickSlot(E& e, double E::*const (&members)[N], int i) {
    if (i < 0 || static_cast<std::size_t>(i) >= N)
        throw std::out_of_range("value slot out of range");
    return e.*members[i];
}

// Each record's slot() is defined in its kind's module, beside what the kind computes.
struct TDtEntry {
    std::uint16_t Orientation = 0;
    double h = 0, b = 0, WebDrawThickness = 0, FlangeDrawThickness = 0, A = 0, Ix = 0, Iy = 0,
           Xc = 0, Yc = 0;
    double& slot(int i);
    double slot(int i) const { return const_cast<TDtEntry*>(this)->slot(i); }
};

struct TShEntry {
    std::uint16_t Orientation = 0;
    double h = 0, b = 0, WebDrawThickness = 0, FlangeDrawThickness = 0, A = 0, Ix = 0, Iy = 0,
           Zo = 0, Xc = 0, Yc = 0;
    double& slot(int i);
    double slot(int i) const { return const_cast<TShEntry*>(this)->slot(i); }
};

// Both angle kinds share this layout; an equal-leg angle has B1 = b2, Xo = Yo, Ix = Iy and
// TanAlpha = 1.
struct TUnEntry {
    std::uint16_t Orientation = 0;
    double B1 = 0, b2 = 0, d = 0, A = 0, Yo = 0, Xo = 0, Ix = 0, Iy = 0, Iu = 0, TanAlpha = 0,
           Xc = 0, Yc = 0;
    double& slot(int i);
    double slot(int i) const { return const_cast<TUnEntry*>(this)->slot(i); }
};
struct TUrEntry : TUnEntry {};

struct TListEntry {
    double h = 0, b = 0, Xc = 0, Yc = 0;
    double& slot(int i);
    double slot(int i) const { return const_cast<TListEntry*>(this)->slot(i); }
};

// A typed field as the section holds it: the text as typed and why the last commit of the
// text refused its value, or no message while it was accepted or not reached. The value
// itself is the entry record's at the same slot.
struct TypedField {
    std::string text;
    Message fault;
};

// Texts as typed, one per value slot; derived and copied slots stay empty.
using i_DT_str = std::array<TypedField, dt::SlotCount>;
using i_SH_str = std::array<TypedField, sh::SlotCount>;
using i_U_str = std::array<TypedField, un::SlotCount>;
using i_List_str = std::array<TypedField, pl::SlotCount>;

// What the last commit of an entry found beyond its fields: the first cross-check that
// failed, or the arithmetic fault that stopped it.
struct EntryVerdict {
    int warning = -1;
    std::optional<ArithmeticError> fault;
};

struct TKindState {
    int Count = 0;         // entries 1..Count are in the section
    int CurrentNumber = 0; // the entry on show, 1..Count while Count > 0
    int Orientation = 0;   // the code on show on the tab; 0 for plates
};

// A stamp no other write of an entry has had in this process, on any thread; never 0.
std::uint64_t NewRevision();

template <class Entry, class Texts> struct TKindList : TKindState {
    using EntryType = Entry;
    using TextType = Texts;

    // Entries are numbered from 1. Asking for an entry to write it gives the entry a new
    // revision, so that what was computed from it is known to hold while its revision stands:
    // a reference handed out is for writing at once, not to keep across a solve.
    Entry& entry(int n) {
        Revisions.at(index(n)) = NewRevision();
        return Entries[index(n)];
    }
    const Entry& entry(int n) const { return Entries.at(index(n)); }
    // Writing the texts leaves the values alone but parts them from the texts.
    Texts& texts(int n) {
        Committed.at(index(n)) = 0;
        return Texts_[index(n)];
    }
    const Texts& texts(int n) const { return Texts_.at(index(n)); }
    // What the commit found, written by the commit only: texts and values stay as they were.
    Message& fault(int n, int slot) {
        return Texts_.at(index(n)).at(static_cast<std::size_t>(slot)).fault;
    }
    EntryVerdict& verdict(int n) { return Verdicts.at(index(n)); }
    const EntryVerdict& verdict(int n) const { return Verdicts.at(index(n)); }

    // 0 for an entry never written since the list was made.
    std::uint64_t revision(int n) const { return Revisions.at(index(n)); }
    // Whether every typed value still is what its text reads, as the last commit of the
    // entry that accepted every field left them.
    bool valuesFromTexts(int n) const {
        const std::size_t i = index(n);
        return Committed.at(i) != 0 && Committed[i] == Revisions[i];
    }
    void markValuesFromTexts(int n) { Committed.at(index(n)) = Revisions.at(index(n)); }

    // Entry `to` and its texts become a copy of entry `from`, with its revision: the same
    // content keeps whatever was computed from it.
    void copy(int from, int to) {
        const std::size_t f = index(from), t = index(to);
        Entries.at(t) = Entries.at(f);
        Texts_.at(t) = Texts_.at(f);
        Revisions.at(t) = Revisions.at(f);
        Committed.at(t) = Committed.at(f);
        Verdicts.at(t) = Verdicts.at(f);
    }

  private:
    static std::size_t index(int n) { return static_cast<std::size_t>(n - 1); }

    std::array<Entry, MaxEntriesPerKind> Entries{};
    std::array<Texts, MaxEntriesPerKind> Texts_{};
    std::array<std::uint64_t, MaxEntriesPerKind> Revisions{};
    std::array<std::uint64_t, MaxEntriesPerKind> Committed{}; // revision of the last clean commit
    std::array<EntryVerdict, MaxEntriesPerKind> Verdicts{};
};

class TSectionModel {
  public:
    TSectionModel() { reset(); }

    // Start state: every kind empty, codes Dt 1, Sh 2, Un 2, Ur 2.
    void reset();

    TKindList<TDtEntry, i_DT_str> Dt;
    TKindList<TShEntry, i_SH_str> Sh;
    TKindList<TUnEntry, i_U_str> Un;
    TKindList<TUrEntry, i_U_str> Ur;
    TKindList<TListEntry, i_List_str> List;

    TKindState& state(Kind k);
    const TKindState& state(Kind k) const;

    // Kind-independent access for the table-driven code (commit, files, list editing).
    double& value(Kind k, int entry, int slot);
    double value(Kind k, int entry, int slot) const;
    std::string& text(Kind k, int entry, int slot);
    const std::string& text(Kind k, int entry, int slot) const;
    // Why the last commit of the slot's text refused it; no message when it did not.
    Message& fault(Kind k, int entry, int slot);
    const Message& fault(Kind k, int entry, int slot) const;
    EntryVerdict& verdict(Kind k, int entry);
    const EntryVerdict& verdict(Kind k, int entry) const;
    // The entry's own code; plates have none and read as 0.
    int entryOrientation(Kind k, int entry) const;
    void setEntryOrientation(Kind k, int entry, int code);

    // Copies entry `from` and its texts over entry `to` (both 1..MaxEntriesPerKind).
    void copyEntry(Kind k, int from, int to);

    // Visits the kind's list with its concrete record types.
    template <class F> decltype(auto) visit(Kind k, F&& f) {
        switch (k) {
        case Kind::Dt:
            return f(Dt);
        case Kind::Sh:
            return f(Sh);
        case Kind::Un:
            return f(Un);
        case Kind::Ur:
            return f(Ur);
        case Kind::List:
        default:
            return f(List);
        }
    }
    template <class F> decltype(auto) visit(Kind k, F&& f) const {
        return const_cast<TSectionModel*>(this)->visit(
            k, [&](auto& list) -> decltype(auto) { return f(std::as_const(list)); });
    }

    int totalCount() const;
};

} // namespace karo
