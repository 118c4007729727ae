#pragma once
// The thirteen result fields: their names, symbols, units and meanings, kept once for the
// result tab, the result sheet and the command line.

#include <array>
#include <string_view>

namespace karo {

struct TSectionResult;

// The result fields, in the order of the result tab.
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
    ResultFieldCount
};

struct ResultFieldInfo {
    std::string_view name;   // "Ix": the name on the sheet and in the command line's output
    std::string_view letter; // the symbol: a letter with a lowered index ("I", "x")
    std::string_view index;
    std::string_view unit; // "см." or "°"
    int power;             // the unit's exponent; 0 for none
    std::string_view hint; // what the value is
};

inline constexpr std::array<ResultFieldInfo, ResultFieldCount> ResultFields = {{
    {"Xc", "X", "c", "см.", 0, "Координата центра тяжести"},
    {"Yc", "Y", "c", "см.", 0, "Координата центра тяжести"},
    {"A", "A", "", "см.", 2, "Площадь сечения"},
    {"Ix", "I", "x", "см.", 4, "Осевой момент инерции"},
    {"Iy", "I", "y", "см.", 4, "Осевой момент инерции"},
    {"Ixy", "I", "xy", "см.", 4, "Центробежный момент инерции"},
    {"Alpha0", "α", "o", "°", 0, "Угол поворота главных осей"},
    {"Iu", "I", "u", "см.", 4, "Минимальный главный момент инерции"},
    {"Iv", "I", "v", "см.", 4, "Максимальный главный момент инерции"},
    {"iu", "i", "u", "см.", 0, "Минимальный радиус инерции"},
    {"iv", "i", "v", "см.", 0, "Максимальный радиус инерции"},
    {"Wu", "W", "u", "см.", 3, "Момент сопротивления"},
    {"Wv", "W", "v", "см.", 3, "Момент сопротивления"},
}};

// The value shown in each result field.
std::array<double, ResultFieldCount> ResultValues(const TSectionResult& r);

} // namespace karo
