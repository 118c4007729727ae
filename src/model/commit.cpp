#include "model/commit.h"

#include "model/arith.h"
#include "model/messages.h"
#include "model/number_parse.h"
#include "model/orientation.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace karo {

double Stored::operator[](int slot) const {
    return model.value(kind, entry, slot);
}

namespace {

// The message of each rule a typed value must keep; its arguments name the field.
const std::pair<RejectRule, MessageCode> kRules[] = {
    {RejectRule::NotANumber, MessageCode::FieldNotANumber},
    {RejectRule::NotAPositiveNumber, MessageCode::FieldNotAPositiveNumber},
    {RejectRule::NotPositive, MessageCode::FieldNotPositive},
    {RejectRule::IuNotBelowIxAndIy, MessageCode::FieldIuNotBelowIxAndIy},
};

std::span<const CrossCheck> checksOf(Kind k) {
    return kindInfo(k).rules->checks;
}

// Iu of the unequal-leg angle must differ from Ix and Iy, and must not lie between them:
// then the principal axes' tangent would need the square root of a negative ratio.
bool iuAcceptable(double iu, double ix, double iy) {
    if (iu == ix || iu == iy)
        return false;
    return !(iu > std::min(ix, iy) && iu < std::max(ix, iy));
}

} // namespace

std::string EntryTexts::fieldText(Kind kind, int field) const {
    const FieldInfo& f = kindInfo(kind).fields[static_cast<std::size_t>(field)];
    return model_.text(kind, entry_, f.slot);
}

namespace {

CommitResult commitFields(TSectionModel& model, Kind kind, int entryNumber, const FieldTexts& in) {
    const KindInfo& info = kindInfo(kind);
    const TSectionModel& current = model;
    // A text as the entry holds it reads as the value it holds, while nothing else wrote them:
    // most commits are of entries on show that nobody typed into.
    const bool valuesFromTexts =
        model.visit(kind, [&](const auto& list) { return list.valuesFromTexts(entryNumber); });

    // The code on show reaches the entry even when a field is then rejected.
    if (info.codeCount > 0)
        model.setEntryOrientation(kind, entryNumber, model.state(kind).Orientation);

    CommitResult result;
    bool untouched = true;
    for (std::size_t i = 0; i < info.fields.size(); ++i) {
        const FieldInfo& f = info.fields[i];
        const std::string text = in.fieldText(kind, static_cast<int>(i));
        const bool held = valuesFromTexts && text == current.text(kind, entryNumber, f.slot);
        const std::optional<double> value =
            held ? std::optional<double>(current.value(kind, entryNumber, f.slot))
                 : ParseNumber(text);
        RejectRule broken = RejectRule::None;
        if (!value)
            broken = f.positive ? RejectRule::NotAPositiveNumber : RejectRule::NotANumber;
        else if (f.positive && !(*value > 0))
            broken = RejectRule::NotPositive;
        else if (f.rule == FieldRule::DistinctFromIxIy &&
                 !iuAcceptable(*value, current.value(kind, entryNumber, un::Ix),
                               current.value(kind, entryNumber, un::Iy)))
            broken = RejectRule::IuNotBelowIxAndIy;
        if (broken != RejectRule::None) {
            result.Code = 1;
            result.rejectedField = static_cast<int>(i);
            result.rule = broken;
            model.fault(kind, entryNumber, f.slot) = RejectionMessage(kind, result);
            return result;
        }
        // What follows from a field follows from it and the fields before it: while every
        // field so far is held, so is all that was stored and derived from them.
        untouched = untouched && held;
        if (untouched)
            continue;
        model.text(kind, entryNumber, f.slot) = text;
        model.value(kind, entryNumber, f.slot) = *value;
        if (f.copySlot >= 0)
            model.value(kind, entryNumber, f.copySlot) = *value;
        if (info.rules->deriveAfter)
            info.rules->deriveAfter(model, entryNumber, f.slot);
    }
    model.visit(kind, [&](auto& list) { list.markValuesFromTexts(entryNumber); });

    const Stored stored{model, kind, entryNumber, model.entryOrientation(kind, entryNumber)};
    const auto checks = checksOf(kind);
    for (std::size_t i = 0; i < checks.size(); ++i) {
        if (checks[i].fails(stored)) {
            result.warning = static_cast<int>(i);
            model.verdict(kind, entryNumber).warning = result.warning;
            break;
        }
    }
    return result;
}

} // namespace

CommitResult CommitEntry(TSectionModel& model, Kind kind, int entryNumber, const FieldTexts& in) {
    if (entryNumber < 1 || entryNumber > MaxEntriesPerKind)
        throw std::out_of_range("entry number out of range");
    // What this commit finds replaces all the last one found, also in the fields it does not
    // reach after a refusal.
    // Most commits find nothing where the last found nothing: nothing is written then.
    model.visit(kind, [&](auto& list) {
        for (const FieldInfo& f : kindInfo(kind).fields)
            if (Message& fault = list.fault(entryNumber, f.slot); !fault.empty())
                fault = {};
        EntryVerdict& verdict = list.verdict(entryNumber);
        verdict.warning = -1;
        verdict.fault.reset();
    });
    try {
        return commitFields(model, kind, entryNumber, in);
    } catch (const ArithmeticError& e) {
        model.verdict(kind, entryNumber).fault = e;
        throw;
    }
}

CommitResult LastCommit(const TSectionModel& model, Kind kind, int entryNumber) {
    const EntryVerdict& verdict = model.verdict(kind, entryNumber);
    if (verdict.fault)
        throw *verdict.fault;
    CommitResult result;
    const auto& fields = kindInfo(kind).fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const Message& fault = model.fault(kind, entryNumber, fields[i].slot);
        if (fault.empty())
            continue;
        result.Code = 1;
        result.rejectedField = static_cast<int>(i);
        for (const auto& [rule, code] : kRules)
            if (code == fault.code)
                result.rule = rule;
        return result;
    }
    result.warning = verdict.warning;
    return result;
}

CommitResult ShownCommit(const TSectionModel& model, Kind kind) {
    const TKindState& st = model.state(kind);
    return st.Count < 1 ? CommitResult() : LastCommit(model, kind, st.CurrentNumber);
}

CommitResult CommitDtEntry(TSectionModel& m, int n, const FieldTexts& in) {
    return CommitEntry(m, Kind::Dt, n, in);
}
CommitResult CommitShEntry(TSectionModel& m, int n, const FieldTexts& in) {
    return CommitEntry(m, Kind::Sh, n, in);
}
CommitResult CommitUnEntry(TSectionModel& m, int n, const FieldTexts& in) {
    return CommitEntry(m, Kind::Un, n, in);
}
CommitResult CommitUrEntry(TSectionModel& m, int n, const FieldTexts& in) {
    return CommitEntry(m, Kind::Ur, n, in);
}
CommitResult CommitListEntry(TSectionModel& m, int n, const FieldTexts& in) {
    return CommitEntry(m, Kind::List, n, in);
}

int CrossCheckCount(Kind kind) {
    return static_cast<int>(checksOf(kind).size());
}

MessageCode CrossCheckCode(Kind kind, int index) {
    const auto checks = checksOf(kind);
    if (index < 0 || static_cast<std::size_t>(index) >= checks.size())
        return MessageCode::None;
    return checks[static_cast<std::size_t>(index)].code;
}

MessageLines CrossCheckMessage(Kind kind, int index) {
    MessageLines lines{{MessageCode::InputError, {}}};
    if (const MessageCode check = CrossCheckCode(kind, index); check != MessageCode::None)
        lines.push_back({check, {}});
    return lines;
}

Message RejectionMessage(Kind kind, const CommitResult& result) {
    const auto& fields = kindInfo(kind).fields;
    if (result.rejectedField < 0 || static_cast<std::size_t>(result.rejectedField) >= fields.size())
        return {};
    const FieldInfo& f = fields[static_cast<std::size_t>(result.rejectedField)];
    for (const auto& [rule, code] : kRules) {
        if (rule == result.rule)
            return {code, {{std::string(f.hint), true}, {std::string(f.label), false}}};
    }
    return {};
}

MessageLines CommitMessage(Kind kind, const CommitResult& result) {
    if (result.warned() && !result.rejected())
        return CrossCheckMessage(kind, result.warning);
    if (!result.rejected())
        return {};
    MessageLines lines{{MessageCode::InputError, {}}};
    if (Message rule = RejectionMessage(kind, result); !rule.empty())
        lines.push_back(std::move(rule));
    return lines;
}

} // namespace karo
