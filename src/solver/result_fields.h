#pragma once
// The section's result and the one table of its quantities: the thirteen the result tab, the
// result sheet and the command line show, and the further ones the command line's JSON gives.
// Every list of result values is built from the table, so a quantity is described once.

#include "model/kinds.h"
#include "model/terms.h"
#include "solver/outline_points.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace karo {

// The quantities, keyed in the order of the table: the shown ones in the order of the result
// tab, then those only the JSON output gives.
enum ResultField {
    rfXc,
    rfYc,
    rfA,
    rfIx,
    rfIy,
    rfIxy,
    rfAlpha0,
    rfIu,
    rfIv,
    rfiu,
    rfiv,
    rfWu,
    rfWv,
    ResultFieldCount, // the shown quantities
    rfSx = ResultFieldCount,
    rfSy,
    rfXMin,
    rfXMax,
    rfYMin,
    rfYMax,
    rfPointCount,
    rfRotatedXMax,
    rfRotatedYMax,
    rfRotatedXMaxPoint,
    rfRotatedYMaxPoint,
    ResultQuantityCount
};

// One profile of the section as the run sees it, in walk order.
struct SolvedEntry {
    Kind kind = Kind::Dt;
    int number = 0;      // 1-based entry number within its kind
    int orientation = 0; // the entry's code (0 for plates)
    double A = 0, Xc = 0, Yc = 0;
    double Ix = 0, Iy = 0, Ixy = 0;        // own values about the profile's central axes
    double xL = 0, xR = 0, yB = 0, yT = 0; // bounding box in x'y'
    int firstPoint = 0;                    // index of its first outline point (0-based)
    int pointCount = 0;                    // 4, or 5 for an angle
    double ai = 0, bi = 0;                 // Yc − yc and Xc − xc, set in the central sums
};

// How far a run got. Each stage includes the ones before it.
enum class SolveStage {
    None,      // nothing computed yet
    Areas,     // entries, outline points, extents, A, Sx and Sy
    Centroid,  // xc and yc
    Central,   // Ix, Iy and Ixy, with every entry's ai and bi
    Principal, // Alpha0, Iu, Iv, iu and iv
    Extremes,  // points about the centroid, their distances and the maxima
    Moduli,    // Wu and Wv
    Done,      // the result texts
};

struct TSectionResult {
    double A = 0, Sx = 0, Sy = 0, yc = 0, xc = 0;
    double Ix = 0, Iy = 0, Ixy = 0;
    double Alpha0 = 0; // degrees, counter-clockwise from x, within −45..45
    double Iu = 0, Iv = 0, iu = 0, iv = 0, Wu = 0, Wv = 0;
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0;

    // Outline corners of every entry: in x'y' while collected, central (x, y) after the
    // extreme distances are found.
    std::vector<TPoint> OutlinePoints;
    // Per point: x = RotatedXDist (from the axis across Alpha0), y = RotatedYDist (from the
    // axis at Alpha0).
    std::vector<TPoint> PointDistances;
    double RotatedXMax = 0, RotatedYMax = 0;
    int RotatedXMaxPoint = 0, RotatedYMaxPoint = 0; // 1-based; 0 when none

    std::vector<SolvedEntry> Entries; // walk order Un, Ur, Dt, Sh, List

    std::array<std::string, ResultFieldCount> Texts; // what the result fields show

    SolveStage reached = SolveStage::None;
    int summedEntries = 0; // entries whose central terms are in Ix, Iy and Ixy

    // Kept by the solver from run to run, so that an entry nobody wrote since is not computed
    // again: per place in Entries the revision of the model's entry it was computed from
    // (NoRevision where none), and every entry's corners in x'y', in walk order.
    static constexpr std::uint64_t NoRevision = ~std::uint64_t{0};
    std::vector<std::uint64_t> EntryRevisions;
    std::vector<TPoint> LocalPoints;

    bool reachedStage(SolveStage stage) const { return reached >= stage; }
};

// How a quantity's value is written.
enum class ResultFormat {
    Result, // the result field's text (FormatResult); the JSON output gives the number
    Number, // a number, in the JSON output only
    Count,  // a whole number, in the JSON output only
};

struct ResultFieldInfo {
    ResultField key;
    std::string_view name;   // "Ix": the name on the sheet and the key of the JSON output
    std::string_view letter; // the symbol: a letter with a lowered index ("I", "x")
    std::string_view index;
    std::string_view unit; // "см." or "°"
    int power;             // the unit's exponent; 0 for none
    std::string_view hint; // what the value is
    ResultFormat format;
    int row;                     // row on the result tab and the sheet; -1 where not shown
    std::string_view objectName; // the result tab's field
    double (*value)(const TSectionResult&);
};

namespace detail {
template <auto Member> constexpr double resultMember(const TSectionResult& r) {
    return static_cast<double>(r.*Member);
}
constexpr double pointCount(const TSectionResult& r) {
    return static_cast<double>(r.OutlinePoints.size());
}
} // namespace detail

inline constexpr ResultFieldInfo kResultQuantities[] = {
    // clang-format off
    {rfXc, "Xc", "X", "c", KARO_TERM("Messages", "см."), 0, KARO_TERM("Messages", "Координата центра тяжести"), ResultFormat::Result, 0, "edResXc", detail::resultMember<&TSectionResult::xc>},
    {rfYc, "Yc", "Y", "c", KARO_TERM("Messages", "см."), 0, KARO_TERM("Messages", "Координата центра тяжести"), ResultFormat::Result, 1, "edResYc", detail::resultMember<&TSectionResult::yc>},
    {rfA, "A", "A", "", KARO_TERM("Messages", "см."), 2, KARO_TERM("Messages", "Площадь сечения"), ResultFormat::Result, 2, "edResA", detail::resultMember<&TSectionResult::A>},
    {rfIx, "Ix", "I", "x", KARO_TERM("Messages", "см."), 4, KARO_TERM("Messages", "Осевой момент инерции"), ResultFormat::Result, 3, "edResIx", detail::resultMember<&TSectionResult::Ix>},
    {rfIy, "Iy", "I", "y", KARO_TERM("Messages", "см."), 4, KARO_TERM("Messages", "Осевой момент инерции"), ResultFormat::Result, 4, "edResIy", detail::resultMember<&TSectionResult::Iy>},
    {rfIxy, "Ixy", "I", "xy", KARO_TERM("Messages", "см."), 4, KARO_TERM("Messages", "Центробежный момент инерции"), ResultFormat::Result, 5, "edResIxy", detail::resultMember<&TSectionResult::Ixy>},
    {rfAlpha0, "Alpha0", "α", "o", "°", 0, KARO_TERM("Messages", "Угол поворота главных осей"), ResultFormat::Result, 6, "edResAo", detail::resultMember<&TSectionResult::Alpha0>},
    {rfIu, "Iu", "I", "u", KARO_TERM("Messages", "см."), 4, KARO_TERM("Messages", "Минимальный главный момент инерции"), ResultFormat::Result, 7, "edResIu", detail::resultMember<&TSectionResult::Iu>},
    {rfIv, "Iv", "I", "v", KARO_TERM("Messages", "см."), 4, KARO_TERM("Messages", "Максимальный главный момент инерции"), ResultFormat::Result, 8, "edResIv", detail::resultMember<&TSectionResult::Iv>},
    {rfiu, "iu", "i", "u", KARO_TERM("Messages", "см."), 0, KARO_TERM("Messages", "Минимальный радиус инерции"), ResultFormat::Result, 9, "edResru", detail::resultMember<&TSectionResult::iu>},
    {rfiv, "iv", "i", "v", KARO_TERM("Messages", "см."), 0, KARO_TERM("Messages", "Максимальный радиус инерции"), ResultFormat::Result, 10, "edResrv", detail::resultMember<&TSectionResult::iv>},
    {rfWu, "Wu", "W", "u", KARO_TERM("Messages", "см."), 3, KARO_TERM("Messages", "Момент сопротивления"), ResultFormat::Result, 11, "edResWu", detail::resultMember<&TSectionResult::Wu>},
    {rfWv, "Wv", "W", "v", KARO_TERM("Messages", "см."), 3, KARO_TERM("Messages", "Момент сопротивления"), ResultFormat::Result, 12, "edResWv", detail::resultMember<&TSectionResult::Wv>},
    {rfSx, "Sx", "", "", "", 0, "", ResultFormat::Number, -1, "", detail::resultMember<&TSectionResult::Sx>},
    {rfSy, "Sy", "", "", "", 0, "", ResultFormat::Number, -1, "", detail::resultMember<&TSectionResult::Sy>},
    {rfXMin, "XMin", "", "", "", 0, "", ResultFormat::Number, -1, "", detail::resultMember<&TSectionResult::XMin>},
    {rfXMax, "XMax", "", "", "", 0, "", ResultFormat::Number, -1, "", detail::resultMember<&TSectionResult::XMax>},
    {rfYMin, "YMin", "", "", "", 0, "", ResultFormat::Number, -1, "", detail::resultMember<&TSectionResult::YMin>},
    {rfYMax, "YMax", "", "", "", 0, "", ResultFormat::Number, -1, "", detail::resultMember<&TSectionResult::YMax>},
    {rfPointCount, "PointCount", "", "", "", 0, "", ResultFormat::Count, -1, "", detail::pointCount},
    {rfRotatedXMax, "RotatedXMax", "", "", "", 0, "", ResultFormat::Number, -1, "", detail::resultMember<&TSectionResult::RotatedXMax>},
    {rfRotatedYMax, "RotatedYMax", "", "", "", 0, "", ResultFormat::Number, -1, "", detail::resultMember<&TSectionResult::RotatedYMax>},
    {rfRotatedXMaxPoint, "RotatedXMaxPoint", "", "", "", 0, "", ResultFormat::Count, -1, "", detail::resultMember<&TSectionResult::RotatedXMaxPoint>},
    {rfRotatedYMaxPoint, "RotatedYMaxPoint", "", "", "", 0, "", ResultFormat::Count, -1, "", detail::resultMember<&TSectionResult::RotatedYMaxPoint>},
    // clang-format on
};

namespace detail {
// Every key has its row, in key order; the shown quantities come first, each on its own row
// of the tab and the sheet, and have a field there.
constexpr bool resultTableWhole() {
    if (std::size(kResultQuantities) != ResultQuantityCount)
        return false;
    for (int i = 0; i < ResultQuantityCount; ++i) {
        const ResultFieldInfo& q = kResultQuantities[i];
        const bool shown = i < ResultFieldCount;
        // The reader is not checked here: under UBSan a function's address is no constant
        // expression, and a missing reader fails every test that reads the table.
        if (q.key != i || q.name.empty() || (q.format == ResultFormat::Result) != shown ||
            q.row != (shown ? i : -1) || q.objectName.empty() == shown)
            return false;
    }
    return true;
}
static_assert(resultTableWhole(), "every result quantity needs its one row, in key order");
} // namespace detail

// The shown quantities, in the order of the result tab.
inline constexpr std::span<const ResultFieldInfo, ResultFieldCount> ResultFields{kResultQuantities,
                                                                                 ResultFieldCount};

// The value shown in each result field.
std::array<double, ResultFieldCount> ResultValues(const TSectionResult& r);

} // namespace karo
