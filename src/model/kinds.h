#pragma once
// The five profile kinds and the per-kind field tables. One table per kind drives the
// commit, the section files and the tab widgets, so a field is described exactly once; what a
// kind computes (its checks, corners, moments and outline) is in its own module,
// model/kinds/*.cpp, which its row names.

#include "model/kind_shape.h"
#include "model/messages.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace karo {

enum class Kind : int { Dt = 0, Sh = 1, Un = 2, Ur = 3, List = 4 };

inline constexpr int KindCount = 5;
inline constexpr int MaxEntriesPerKind = 50;

// Where the whole section is summed, drawn or reported.
inline constexpr std::array<Kind, KindCount> WalkOrder = {Kind::Un, Kind::Ur, Kind::Dt, Kind::Sh,
                                                          Kind::List};
// Where the entries on show are committed: the order of the tabs.
inline constexpr std::array<Kind, KindCount> TabOrder = {Kind::Dt, Kind::Sh, Kind::Un, Kind::Ur,
                                                         Kind::List};

constexpr int kindIndex(Kind k) {
    return static_cast<int>(k);
}

// Unit of a typed field: cm, cm² or cm⁴ (the superscript shown after "см.").
enum class Unit { Cm = 1, Cm2 = 2, Cm4 = 4 };

// Extra rule a field carries beyond positivity.
enum class FieldRule {
    None,
    DistinctFromIxIy, // Iu of the unequal-leg angle
};

// A value slot of the kind's entry record (the order of the record's value fields).
// Entry records and text records share these indices.
struct FieldInfo {
    std::string_view key;   // name in files and in the widget name "me" + prefix + key
    std::string_view label; // symbol shown beside the field
    std::string_view hint;  // tooltip of the label
    Unit unit;
    bool positive;  // must be > 0
    FieldRule rule; // extra check
    bool catalogue; // filled by a pick from the catalogue (the shape, not the position)
    int slot;       // primary value/text slot
    int copySlot;   // second value slot that receives the same value, or -1
};

// A position: the profile as drawn in its own frame (I-beam and channel: web along y, a
// channel's flanges pointing to +x; angles: heel at the origin, B1 along +y, b2 along +x),
// turned counter-clockwise by `quarterTurns` quarters and then, if `mirrored`, mirrored
// left to right.
struct Placement {
    int quarterTurns = 0; // 0..3
    bool mirrored = false;
};

class TSectionModel;

// Read-only view of one stored entry for the cross-checks.
struct Stored {
    const TSectionModel& model;
    Kind kind;
    int entry;
    int code;
    double operator[](int slot) const;
};

// A check of the typed values against each other: it warns, and stores everything.
struct CrossCheck {
    MessageCode code;
    bool (*fails)(const Stored&);
};

// What a kind does with an entry, in the kind's own module.
struct KindRules {
    // The cross-checks, in the order they are tried.
    std::span<const CrossCheck> checks;
    // Values that follow from the typed ones as soon as field slot `slot` is stored, or null.
    void (*deriveAfter)(TSectionModel& model, int entry, int slot);
    int cornerCount; // of OutlineCorners
    // The corners of the entry's outline in its position, unchecked.
    OutlineCorners (*corners)(const TSectionModel& model, int entry);
    OwnValues (*ownValues)(const TSectionModel& model, int entry);
    // The outline as the picture draws it, in the profile's own frame.
    void (*outline)(const TSectionModel& model, int entry, OutlineSink& pen);
    // A sketch of the kind: entry 1 of an empty model made a profile of catalogue-like
    // proportions in position `code` (a plate's view for a kind without codes), and what the
    // sketch of an entry marks.
    void (*sample)(TSectionModel& model, int code, PlateView view);
    SketchMarks (*sketch)(const TSectionModel& model, int entry);
};

struct KindInfo {
    Kind kind;
    std::string_view prefix;         // "Dt", "Sh", "Un", "Ur", "List"
    std::string_view caption;        // tab caption
    std::string_view heading;        // the report's heading before the size: "Двутавр № "
    std::string_view catalogueTitle; // a catalogue row's title before its designation
    std::string_view catalogueExample; // a designation as the catalogue's filter suggests it
    int tabNumber;                     // 1..5
    int codeCount;                     // orientation codes 1..codeCount; 0 for plates
    int startCode;                     // start orientation; 0 for plates
    // The position of each code (code − 1), and the quarter turns after which the outline
    // looks the same: an I-beam is symmetric about both of its axes, so half a turn brings
    // it back.
    std::span<const Placement> placements;
    int period;
    std::string_view pictureName;      // the tab's orientation pictures: "imdt_" + code
    int slotCount;                     // number of value (and text) slots of the entry record
    std::span<const FieldInfo> fields; // typed fields in input order
    // Whether the profile has a long direction, along which Ix must exceed Iy.
    bool longSide;
    const KindRules* rules;
};

const KindInfo& kindInfo(Kind k);
// The place in input order of the kind's typed field `key` ("Xc", "Iu"), or -1.
int fieldIndex(Kind k, std::string_view key);
// The kind whose file key / prefix is `prefix`, or false.
bool kindFromPrefix(std::string_view prefix, Kind& out);

// Value slot indices of each entry record (declaration order, Orientation excluded).
namespace dt {
enum Slot { h, b, WebDrawThickness, FlangeDrawThickness, A, Ix, Iy, Xc, Yc, SlotCount };
}
namespace sh {
enum Slot { h, b, WebDrawThickness, FlangeDrawThickness, A, Ix, Iy, Zo, Xc, Yc, SlotCount };
}
namespace un { // also the layout of the equal-leg angle
enum Slot { B1, b2, d, A, Yo, Xo, Ix, Iy, Iu, TanAlpha, Xc, Yc, SlotCount };
}
namespace pl {
enum Slot { h, b, Xc, Yc, SlotCount };
}

} // namespace karo
