#include "model/kinds.h"

#include "model/terms.h"

namespace karo {

// What each kind computes, in its module under model/kinds/.
extern const KindRules kDtRules, kShRules, kUnRules, kUrRules, kListRules;

namespace {

constexpr std::string_view kWidth = KARO_TERM("Messages", "Ширина полки");
constexpr std::string_view kHeight = KARO_TERM("Messages", "Высота");
constexpr std::string_view kArea = KARO_TERM("Messages", "Площадь сечения");
constexpr std::string_view kMoment = KARO_TERM("Messages", "Момент инерции");
constexpr std::string_view kCentreDist = KARO_TERM("Messages", "Расстояние до центра тяжести");
constexpr std::string_view kCoord = KARO_TERM("Messages", "Координата центра тяжести");
constexpr std::string_view kThickness = KARO_TERM("Messages", "Толщина полки");
constexpr std::string_view kMinMoment = KARO_TERM("Messages", "Минимальный главный момент инерции");

using enum Unit;
using enum FieldRule;

constexpr bool Catalogue = true; // the catalogue fills it
constexpr bool Placed = false;   // where the profile stands: the user's

constexpr FieldInfo kDtFields[] = {
    {"h", "h", kHeight, Cm, true, None, Catalogue, dt::h, -1},
    {"b", "b", kWidth, Cm, true, None, Catalogue, dt::b, -1},
    {"A", "A", kArea, Cm2, true, None, Catalogue, dt::A, -1},
    {"Ix", "Ix", kMoment, Cm4, true, None, Catalogue, dt::Ix, -1},
    {"Iy", "Iy", kMoment, Cm4, true, None, Catalogue, dt::Iy, -1},
    {"Xc", "Xc", kCoord, Cm, false, None, Placed, dt::Xc, -1},
    {"Yc", "Yc", kCoord, Cm, false, None, Placed, dt::Yc, -1},
};

constexpr FieldInfo kShFields[] = {
    {"h", "h", kHeight, Cm, true, None, Catalogue, sh::h, -1},
    {"b", "b", kWidth, Cm, true, None, Catalogue, sh::b, -1},
    {"A", "A", kArea, Cm2, true, None, Catalogue, sh::A, -1},
    {"Ix", "Ix", kMoment, Cm4, true, None, Catalogue, sh::Ix, -1},
    {"Iy", "Iy", kMoment, Cm4, true, None, Catalogue, sh::Iy, -1},
    {"Zo", "Zo", kCentreDist, Cm, true, None, Catalogue, sh::Zo, -1},
    {"Xc", "Xc", kCoord, Cm, false, None, Placed, sh::Xc, -1},
    {"Yc", "Yc", kCoord, Cm, false, None, Placed, sh::Yc, -1},
};

constexpr FieldInfo kUnFields[] = {
    {"B1", "B", KARO_TERM("Messages", "Ширина большей полки"), Cm, true, None, Catalogue, un::B1,
     -1},
    {"b2", "b", KARO_TERM("Messages", "Ширина меньшей полки"), Cm, true, None, Catalogue, un::b2,
     -1},
    {"d", "d", kThickness, Cm, true, None, Catalogue, un::d, -1},
    {"A", "A", kArea, Cm2, true, None, Catalogue, un::A, -1},
    {"Ix", "Ix", kMoment, Cm4, true, None, Catalogue, un::Ix, -1},
    {"Iy", "Iy", kMoment, Cm4, true, None, Catalogue, un::Iy, -1},
    {"Iu", "Iu", kMinMoment, Cm4, true, DistinctFromIxIy, Catalogue, un::Iu, -1},
    {"Xo", "Xo", kCentreDist, Cm, true, None, Catalogue, un::Xo, -1},
    {"Yo", "Yo", kCentreDist, Cm, true, None, Catalogue, un::Yo, -1},
    {"Xc", "Xc", kCoord, Cm, false, None, Placed, un::Xc, -1},
    {"Yc", "Yc", kCoord, Cm, false, None, Placed, un::Yc, -1},
};

// The equal-leg angle is stored as an angle with two equal legs: one typed value fills
// both places, and its text is kept in the first place only.
constexpr FieldInfo kUrFields[] = {
    {"b", "b", kWidth, Cm, true, None, Catalogue, un::B1, un::b2},
    {"d", "d", kThickness, Cm, true, None, Catalogue, un::d, -1},
    {"A", "A", kArea, Cm2, true, None, Catalogue, un::A, -1},
    {"Ix", "Ix", kMoment, Cm4, true, None, Catalogue, un::Ix, un::Iy},
    {"Iu", "Iu", kMinMoment, Cm4, true, None, Catalogue, un::Iu, -1},
    {"Zo", "Zo", kCentreDist, Cm, true, None, Catalogue, un::Xo, un::Yo},
    {"Xc", "Xc", kCoord, Cm, false, None, Placed, un::Xc, -1},
    {"Yc", "Yc", kCoord, Cm, false, None, Placed, un::Yc, -1},
};

constexpr FieldInfo kListFields[] = {
    {"h", "h", kHeight, Cm, true, None, Catalogue, pl::h, -1},
    {"b", "b", KARO_TERM("Messages", "Ширина"), Cm, true, None, Catalogue, pl::b, -1},
    {"Xc", "Xc", kCoord, Cm, false, None, Placed, pl::Xc, -1},
    {"Yc", "Yc", kCoord, Cm, false, None, Placed, pl::Yc, -1},
};

// The positions of each kind, indexed by code − 1.
constexpr Placement kDtPlacements[] = {{0, false}, {1, false}};
constexpr Placement kShPlacements[] = {{2, false}, {0, false}, {1, false}, {3, false}};
constexpr Placement kUnPlacements[] = {{0, true},  {0, false}, {1, false}, {1, true},
                                       {2, false}, {2, true},  {3, true},  {3, false}};
constexpr Placement kUrPlacements[] = {{1, false}, {0, false}, {2, false}, {3, false}};

// Whether the profile has a long direction, along which Ix must exceed Iy.
constexpr bool LongSide = true;
constexpr bool NoLongSide = false;

constexpr KindInfo kKinds[KindCount] = {
    // clang-format off
    {Kind::Dt, "Dt", KARO_TERM("Messages", "Двутавр"), KARO_TERM("Messages", "Двутавр № "), KARO_TERM("Messages", "Двутавр №"), "20", 1, 2, 1, kDtPlacements, 2, "imdt_", dt::SlotCount, kDtFields, LongSide, &kDtRules},
    {Kind::Sh, "Sh", KARO_TERM("Messages", "Швеллер"), KARO_TERM("Messages", "Швеллер № "), KARO_TERM("Messages", "Швеллер №"), KARO_TERM("Messages", "20У"), 2, 4, 2, kShPlacements, 4, "imsh_", sh::SlotCount, kShFields, LongSide, &kShRules},
    {Kind::Un, "Un", KARO_TERM("Messages", "Уголок неравнополочный"), KARO_TERM("Messages", "Уголок неравнополочный "), KARO_TERM("Messages", "Уголок "), "100x63x8", 3, 8, 2, kUnPlacements, 4, "imUn_", un::SlotCount, kUnFields, LongSide, &kUnRules},
    {Kind::Ur, "Ur", KARO_TERM("Messages", "Уголок равнополочный"), KARO_TERM("Messages", "Уголок равнополочный "), KARO_TERM("Messages", "Уголок "), "100x10", 4, 4, 2, kUrPlacements, 4, "imUr_", un::SlotCount, kUrFields, NoLongSide, &kUrRules},
    {Kind::List, "List", KARO_TERM("Messages", "Лист"), KARO_TERM("Messages", "Лист "), "", "", 5, 0, 0, {}, 4, "imlist", pl::SlotCount, kListFields, NoLongSide, &kListRules},
    // clang-format on
};

// Each kind at its own place, with a position for every code, a start code among them, and
// every field's slots inside its record.
constexpr bool kindTableWhole() {
    for (int i = 0; i < KindCount; ++i) {
        const KindInfo& k = kKinds[i];
        if (kindIndex(k.kind) != i || k.tabNumber != i + 1 ||
            static_cast<int>(k.placements.size()) != k.codeCount ||
            (k.codeCount > 0) != (k.startCode >= 1 && k.startCode <= k.codeCount))
            return false;
        for (const FieldInfo& f : k.fields) {
            if (f.slot < 0 || f.slot >= k.slotCount || f.copySlot >= k.slotCount)
                return false;
        }
    }
    return true;
}
static_assert(kindTableWhole(), "every kind needs its one consistent row, in kind order");

} // namespace

const KindInfo& kindInfo(Kind k) {
    return kKinds[kindIndex(k)];
}

bool kindFromPrefix(std::string_view prefix, Kind& out) {
    for (const KindInfo& info : kKinds) {
        if (info.prefix == prefix) {
            out = info.kind;
            return true;
        }
    }
    return false;
}

int fieldIndex(Kind k, std::string_view key) {
    const auto fields = kindInfo(k).fields;
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (fields[i].key == key)
            return static_cast<int>(i);
    return -1;
}

} // namespace karo
