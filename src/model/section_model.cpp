#include "model/section_model.h"

#include <atomic>
#include <utility>

namespace karo {

std::uint64_t NewRevision() {
    // Each thread counts in a range of its own.
    static std::atomic<std::uint64_t> threads{0};
    thread_local std::uint64_t next = (threads.fetch_add(1, std::memory_order_relaxed) << 40) + 1;
    return next++;
}

void TSectionModel::reset() {
    Dt = {};
    Sh = {};
    Un = {};
    Ur = {};
    List = {};
    for (Kind k : TabOrder)
        state(k).Orientation = kindInfo(k).startCode;
}

TKindState& TSectionModel::state(Kind k) {
    return visit(k, [](auto& list) -> TKindState& { return list; });
}

const TKindState& TSectionModel::state(Kind k) const {
    return const_cast<TSectionModel*>(this)->state(k);
}

double& TSectionModel::value(Kind k, int entry, int slot) {
    return visit(k, [&](auto& list) -> double& { return list.entry(entry).slot(slot); });
}

double TSectionModel::value(Kind k, int entry, int slot) const {
    return visit(k, [&](const auto& list) { return list.entry(entry).slot(slot); });
}

std::string& TSectionModel::text(Kind k, int entry, int slot) {
    return visit(k, [&](auto& list) -> std::string& {
        return list.texts(entry).at(static_cast<std::size_t>(slot)).text;
    });
}

const std::string& TSectionModel::text(Kind k, int entry, int slot) const {
    return visit(k, [&](const auto& list) -> const std::string& {
        return list.texts(entry).at(static_cast<std::size_t>(slot)).text;
    });
}

Message& TSectionModel::fault(Kind k, int entry, int slot) {
    return visit(k, [&](auto& list) -> Message& { return list.fault(entry, slot); });
}

const Message& TSectionModel::fault(Kind k, int entry, int slot) const {
    return visit(k, [&](const auto& list) -> const Message& {
        return list.texts(entry).at(static_cast<std::size_t>(slot)).fault;
    });
}

EntryVerdict& TSectionModel::verdict(Kind k, int entry) {
    return visit(k, [&](auto& list) -> EntryVerdict& { return list.verdict(entry); });
}

const EntryVerdict& TSectionModel::verdict(Kind k, int entry) const {
    return visit(k, [&](const auto& list) -> const EntryVerdict& { return list.verdict(entry); });
}

int TSectionModel::entryOrientation(Kind k, int entry) const {
    return visit(k, [&](const auto& list) -> int {
        if constexpr (requires { list.entry(entry).Orientation; })
            return list.entry(entry).Orientation;
        else
            return 0;
    });
}

void TSectionModel::setEntryOrientation(Kind k, int entry, int code) {
    // Only the low 16 bits reach the entry record. The same code again writes nothing.
    auto c = static_cast<std::uint16_t>(code & 0xFFFF);
    if (entryOrientation(k, entry) == c)
        return;
    visit(k, [&](auto& list) {
        if constexpr (requires { list.entry(entry).Orientation; })
            list.entry(entry).Orientation = c;
    });
}

void TSectionModel::copyEntry(Kind k, int from, int to) {
    visit(k, [&](auto& list) { list.copy(from, to); });
}

int TSectionModel::totalCount() const {
    int n = 0;
    for (Kind k : TabOrder)
        n += state(k).Count;
    return n;
}

} // namespace karo
