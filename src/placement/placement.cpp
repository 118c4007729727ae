#include "placement/placement.h"

#include "model/arith.h"
#include "model/messages.h"
#include "model/number_parse.h"
#include "model/terms.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace karo {
namespace {

constexpr PlaceAlign kBesideAligns[] = {PlaceAlign::Top, PlaceAlign::Middle, PlaceAlign::Bottom,
                                        PlaceAlign::Centroid};
constexpr PlaceAlign kOverAligns[] = {PlaceAlign::Left, PlaceAlign::Middle, PlaceAlign::Right,
                                      PlaceAlign::Centroid};

bool beside(PlaceSide side) {
    return side == PlaceSide::Left || side == PlaceSide::Right;
}

// The typed field `key` ("Xc", "Yc") of a kind.
const FieldInfo& fieldOf(Kind kind, std::string_view key) {
    return kindInfo(kind).fields[static_cast<std::size_t>(fieldIndex(kind, key))];
}

// A profile's typed texts with its position left out: Xc and Yc read as 0, so that the
// shape alone decides and the box comes out about the profile's own centroid.
class ShapeTexts : public FieldTexts {
  public:
    ShapeTexts(const FieldTexts& typed, Kind kind)
        : typed_(typed), xc_(fieldIndex(kind, "Xc")), yc_(fieldIndex(kind, "Yc")) {}
    std::string fieldText(Kind kind, int field) const override {
        if (field == xc_ || field == yc_)
            return "0";
        return typed_.fieldText(kind, field);
    }

  private:
    const FieldTexts& typed_;
    int xc_, yc_;
};

// Commits `texts` into entry `p` of `model` as an entry in position `code`.
CommitResult commitAs(TSectionModel& model, ProfileRef p, int code, const FieldTexts& texts) {
    TKindState& st = model.state(p.kind);
    const int onShow = st.Orientation;
    st.Orientation = code;
    const CommitResult c = CommitEntry(model, p.kind, p.number, texts);
    st.Orientation = onShow;
    return c;
}

// A message naming a profile by its kind's name and its number.
Message aboutProfile(MessageCode code, ProfileRef p) {
    return {code, {{std::string(kindInfo(p.kind).caption), true}, {std::to_string(p.number)}}};
}

} // namespace

std::span<const PlaceAlign> AlignmentsOf(PlaceSide side) {
    if (beside(side))
        return kBesideAligns;
    return kOverAligns;
}

bool AlignmentFits(PlaceSide side, PlaceAlign align) {
    const auto list = AlignmentsOf(side);
    return std::find(list.begin(), list.end(), align) != list.end();
}

std::string PlacedText(double value) {
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 6);
    std::string s(buf, r.ptr);
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
    }
    if (s == "-0")
        s = "0";
    return s;
}

std::optional<double> ParseGap(std::string_view text) {
    std::string point(text);
    std::replace(point.begin(), point.end(), ',', '.');
    return ParseNumber(point);
}

Message GapRule() {
    return {MessageCode::PlaceGapOutOfRange, {{PlacedText(kMaxGap)}}};
}

std::string ProfileName(ProfileRef p) {
    return std::string(kindInfo(p.kind).caption) + " " + std::to_string(p.number);
}

bool InSection(const TSectionModel& model, ProfileRef p) {
    return p.number >= 1 && p.number <= model.state(p.kind).Count;
}

ProfilePlacer::ProfilePlacer(const TSectionModel& model, ProfileRef moved, const FieldTexts& typed)
    : ProfilePlacer(model, moved, &typed) {}

ProfilePlacer::ProfilePlacer(const TSectionModel& model, ProfileRef moved)
    : ProfilePlacer(model, moved, nullptr) {}

ProfilePlacer::ProfilePlacer(const TSectionModel& model, ProfileRef moved, const FieldTexts* typed)
    : model_(std::make_shared<TSectionModel>(model)), moved_(moved) {
    if (!InSection(model, moved)) {
        status_ = PlaceStatus::UnknownProfile;
        message_ = aboutProfile(MessageCode::PlaceNoSuchProfile, moved);
        return;
    }
    // Typed texts are meant for the position on the tab, stored ones for the entry's own.
    const EntryTexts stored(model, moved.number);
    const int code = typed ? model.state(moved.kind).Orientation
                           : model.entryOrientation(moved.kind, moved.number);
    commit_ = commitAs(*model_, moved, code, ShapeTexts(typed ? *typed : stored, moved.kind));
    if (commit_.rejected()) {
        status_ = PlaceStatus::ShapeRefused;
        message_ = {MessageCode::InputError, {}};
        return;
    }
    findTargets(model);
}

void ProfilePlacer::findTargets(const TSectionModel& model) {
    // A profile counts when its stored texts go through the commit again; the trial commits
    // write into a copy.
    const auto trial = std::make_unique<TSectionModel>(model);
    for (Kind k : TabOrder) {
        for (int n = 1; n <= model.state(k).Count; ++n) {
            const ProfileRef p{k, n};
            if (p == moved_)
                continue;
            if (!commitAs(*trial, p, model.entryOrientation(k, n), EntryTexts(model, n)).rejected())
                targets_.push_back(p);
        }
    }
    if (targets_.empty()) {
        status_ = PlaceStatus::NoOtherProfile;
        message_ = {MessageCode::PlaceNoOtherProfile, {}};
    }
}

PlaceOutcome ProfilePlacer::refuse(PlaceStatus status, Message message) const {
    PlaceOutcome o;
    o.status = status;
    o.message = std::move(message);
    return o;
}

PlaceOutcome ProfilePlacer::place(const PlaceRequest& rq) const {
    if (status_ != PlaceStatus::Placed)
        return refuse(status_, message_);
    const ProfileRef t = rq.target;
    if (t == moved_)
        return refuse(PlaceStatus::SameProfile, {MessageCode::PlaceSameProfile, {}});
    if (!InSection(*model_, t))
        return refuse(PlaceStatus::UnknownProfile,
                      aboutProfile(MessageCode::PlaceNoSuchProfile, t));
    if (std::find(targets_.begin(), targets_.end(), t) == targets_.end())
        return refuse(PlaceStatus::TargetIncomplete,
                      aboutProfile(MessageCode::PlaceTargetIncomplete, t));
    if (!AlignmentFits(rq.side, rq.align))
        return refuse(PlaceStatus::BadAlignment, {MessageCode::PlaceBadAlignment,
                                                  {{std::string(AlignLabel(rq.align)), true},
                                                   {std::string(SideLabel(rq.side)), true}}});
    if (!(rq.gap >= 0 && rq.gap <= kMaxGap))
        return refuse(PlaceStatus::GapOutOfRange, GapRule());

    // The moved profile's box about its own centroid, the other's where it stands.
    const ProfileBox m = EntryExtent(*model_, moved_.kind, moved_.number);
    const ProfileBox b = EntryExtent(*model_, t.kind, t.number);
    double Xc = 0, Yc = 0;
    switch (rq.side) {
    case PlaceSide::Left:
        Xc = b.left - rq.gap - m.right;
        break;
    case PlaceSide::Right:
        Xc = b.right + rq.gap - m.left;
        break;
    case PlaceSide::Above:
        Yc = b.top + rq.gap - m.bottom;
        break;
    case PlaceSide::Below:
        Yc = b.bottom - rq.gap - m.top;
        break;
    }
    double& along = beside(rq.side) ? Yc : Xc;
    switch (rq.align) {
    case PlaceAlign::Top:
        along = b.top - m.top;
        break;
    case PlaceAlign::Bottom:
        along = b.bottom - m.bottom;
        break;
    case PlaceAlign::Left:
        along = b.left - m.left;
        break;
    case PlaceAlign::Right:
        along = b.right - m.right;
        break;
    case PlaceAlign::Middle:
        along = beside(rq.side) ? (b.bottom + b.top) / 2 - (m.bottom + m.top) / 2
                                : (b.left + b.right) / 2 - (m.left + m.right) / 2;
        break;
    case PlaceAlign::Centroid:
        along =
            model_->value(t.kind, t.number, fieldOf(t.kind, beside(rq.side) ? "Yc" : "Xc").slot);
        break;
    }

    PlaceOutcome o;
    o.XcText = PlacedText(Checked(Xc));
    o.YcText = PlacedText(Checked(Yc));
    o.Xc = ParseNumber(o.XcText).value_or(0);
    o.Yc = ParseNumber(o.YcText).value_or(0);
    return o;
}

TSectionModel ProfilePlacer::placedSection(const PlaceOutcome& o) const {
    TSectionModel m = *model_;
    const int xc = fieldOf(moved_.kind, "Xc").slot, yc = fieldOf(moved_.kind, "Yc").slot;
    m.text(moved_.kind, moved_.number, xc) = o.XcText;
    m.text(moved_.kind, moved_.number, yc) = o.YcText;
    m.value(moved_.kind, moved_.number, xc) = o.Xc;
    m.value(moved_.kind, moved_.number, yc) = o.Yc;
    return m;
}

std::string_view SideLabel(PlaceSide side) {
    switch (side) {
    case PlaceSide::Left:
        return KARO_TERM("Messages", "слева");
    case PlaceSide::Right:
        return KARO_TERM("Messages", "справа");
    case PlaceSide::Above:
        return KARO_TERM("Messages", "сверху");
    case PlaceSide::Below:
        break;
    }
    return KARO_TERM("Messages", "снизу");
}

std::string_view AlignLabel(PlaceAlign align) {
    switch (align) {
    case PlaceAlign::Top:
        return KARO_TERM("Messages", "по верху");
    case PlaceAlign::Middle:
        return KARO_TERM("Messages", "по середине");
    case PlaceAlign::Bottom:
        return KARO_TERM("Messages", "по низу");
    case PlaceAlign::Left:
        return KARO_TERM("Messages", "по левому краю");
    case PlaceAlign::Right:
        return KARO_TERM("Messages", "по правому краю");
    case PlaceAlign::Centroid:
        break;
    }
    return KARO_TERM("Messages", "по центру тяжести");
}

} // namespace karo
