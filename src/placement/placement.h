#pragma once
// Placing one profile against another: the moved profile's Xc and Yc computed so that its
// box stands beside the other profile's box on the side asked, aligned along that side and
// a gap apart. Boxes are the profiles' extents as their outlines are drawn.
//
// The moved profile needs only its shape: the window places the profile on show from its
// typed texts before they are committed, the command line a loaded file's entry.
//
//     ProfilePlacer placer(model, {Kind::List, 1}, typedTexts);
//     if (placer.status() == PlaceStatus::Placed) {
//         PlaceOutcome o = placer.place({{Kind::Dt, 1}, PlaceSide::Above});
//         // o.XcText, o.YcText: the texts to fill in
//     }
//
// Plain C++, no Qt.

#include "model/commit.h"
#include "model/messages.h"
#include "model/section_model.h"
#include "solver/outline_points.h"

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace karo {

// A profile of the section: its kind and its entry number from 1.
struct ProfileRef {
    Kind kind = Kind::Dt;
    int number = 0;
    bool operator==(const ProfileRef&) const = default;
};

enum class PlaceSide { Left, Right, Above, Below };
enum class PlaceAlign { Top, Middle, Bottom, Left, Right, Centroid };

// The alignments that go with a side, as the dialog lists them: beside a profile (left,
// right) top, middle, bottom, centroid; over or under it left, middle, right, centroid.
std::span<const PlaceAlign> AlignmentsOf(PlaceSide side);
bool AlignmentFits(PlaceSide side, PlaceAlign align);

// The words for a side and an alignment: "слева", "по верху", "по центру тяжести".
std::string_view SideLabel(PlaceSide side);
std::string_view AlignLabel(PlaceAlign align);

enum class PlaceStatus {
    Placed,
    UnknownProfile,   // the moved or the other profile is not in the section
    ShapeRefused,     // the moved profile's shape values: see the commit
    NoOtherProfile,   // no other profile of the section has all its values
    SameProfile,      // a profile against itself
    TargetIncomplete, // the other profile lacks a value or has one refused
    BadAlignment,     // an alignment that does not go with the side
    GapOutOfRange,    // a gap below zero, above kMaxGap, or not a number
};

// The largest gap, in cm: ten metres are far beyond any section of rolled profiles, and keep
// the coordinates small enough that every sum the solver makes stays exact to the digits shown.
inline constexpr double kMaxGap = 1000;

// A typed gap: a number of centimetres, with "." or "," before its decimals, as the
// catalogue's designations take it. Nothing when the text is not a number.
std::optional<double> ParseGap(std::string_view text);

// What a gap must be, as a refused gap is told.
Message GapRule();

struct PlaceRequest {
    ProfileRef target;
    PlaceSide side = PlaceSide::Right;
    PlaceAlign align = PlaceAlign::Middle;
    double gap = 0; // cm
};

struct PlaceOutcome {
    PlaceStatus status = PlaceStatus::Placed;
    Message message; // why it was refused; none when placed
    std::string XcText, YcText;
    double Xc = 0, Yc = 0; // the values the texts read as

    bool placed() const { return status == PlaceStatus::Placed; }
};

// A placed coordinate as text: rounded to six decimals, trailing zeros dropped, "0" for a
// value that rounds to zero (never "-0"). 7.05 + 0.375 gives "7.425".
std::string PlacedText(double value);

// "Двутавр 1": the kind's name and the entry's number.
std::string ProfileName(ProfileRef profile);

// Whether the profile is an entry of the section (1..Count of its kind).
bool InSection(const TSectionModel& model, ProfileRef profile);

class ProfilePlacer {
  public:
    // The moved profile as typed on its tab: its fields' texts and its kind's code on show.
    // Its Xc and Yc texts are not read, so they may be empty.
    ProfilePlacer(const TSectionModel& model, ProfileRef moved, const FieldTexts& typed);
    // The moved profile as the model holds it.
    ProfilePlacer(const TSectionModel& model, ProfileRef moved);

    // Placed when a placement can be asked for; otherwise UnknownProfile, ShapeRefused (the
    // refused field in shapeCommit()) or NoOtherProfile, with the message.
    PlaceStatus status() const { return status_; }
    const Message& message() const { return message_; }
    const CommitResult& shapeCommit() const { return commit_; }

    ProfileRef moved() const { return moved_; }
    // The other profiles with every value accepted, in tab order and by number.
    const std::vector<ProfileRef>& targets() const { return targets_; }

    // Where the moved profile goes. Throws ArithmeticError when a coordinate overflows.
    PlaceOutcome place(const PlaceRequest& request) const;

    // The section with the moved profile's shape as given and its Xc and Yc texts (and
    // values) those of `outcome`; nothing else differs from the model given.
    TSectionModel placedSection(const PlaceOutcome& outcome) const;

  private:
    // `typed` null: the texts the model holds.
    ProfilePlacer(const TSectionModel& model, ProfileRef moved, const FieldTexts* typed);
    void findTargets(const TSectionModel& model);
    PlaceOutcome refuse(PlaceStatus status, Message message) const;

    std::shared_ptr<TSectionModel> model_; // moved profile at Xc = Yc = 0
    ProfileRef moved_;
    PlaceStatus status_ = PlaceStatus::Placed;
    Message message_;
    CommitResult commit_;
    std::vector<ProfileRef> targets_;
};

} // namespace karo
