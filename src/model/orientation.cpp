#include "model/orientation.h"

namespace karo {
namespace {

// Transition tables, indexed by the current code (index 0 unused).
constexpr int kDtRotate[] = {0, 2, 1};
constexpr int kShRotate[] = {0, 4, 3, 1, 2};
constexpr int kUrRotate[] = {0, 3, 1, 4, 2};
constexpr int kUnRotate[] = {0, 7, 3, 5, 1, 8, 4, 6, 2};
constexpr int kUnMirror[] = {0, 2, 1, 4, 3, 6, 5, 8, 7};

using enum AnglePointOrder;
// Unequal-leg angle, codes 1..8: heel corner, which leg stands, point order, product sign.
constexpr AngleLayout kUnLayouts[] = {
    {-1, +1, true, First, +1},   // 1: heel bottom right, B1 up, b2 left
    {+1, +1, true, Second, -1},  // 2: heel bottom left, B1 up, b2 right
    {-1, +1, false, First, +1},  // 3: heel bottom right, b2 up, B1 left
    {+1, +1, false, Second, -1}, // 4: heel bottom left, b2 up, B1 right
    {-1, -1, true, First, -1},   // 5: heel top right, B1 down, b2 left
    {+1, -1, true, Third, +1},   // 6: heel top left, B1 down, b2 right
    {-1, -1, false, First, -1},  // 7: heel top right, b2 down, B1 left
    {+1, -1, false, Third, +1},  // 8: heel top left, b2 down, B1 right
};
// Equal-leg angle, codes 1..4.
constexpr AngleLayout kUrLayouts[] = {
    {-1, +1, true, First, +1},  // 1: heel bottom right
    {+1, +1, true, Second, -1}, // 2: heel bottom left
    {-1, -1, true, First, -1},  // 3: heel top right
    {+1, -1, true, Third, +1},  // 4: heel top left
};

template <std::size_t N> int step(const int (&table)[N], int code) {
    if (code < 1 || static_cast<std::size_t>(code) >= N)
        return code;
    return table[code];
}

} // namespace

bool IsValidCode(Kind k, int code) {
    const int count = kindInfo(k).codeCount;
    return count == 0 ? code == 0 : code >= 1 && code <= count;
}

int RotateCode(Kind k, int code) {
    switch (k) {
    case Kind::Dt:
        return step(kDtRotate, code);
    case Kind::Sh:
        return step(kShRotate, code);
    case Kind::Un:
        return step(kUnRotate, code);
    case Kind::Ur:
        return step(kUrRotate, code);
    case Kind::List:
        break;
    }
    return code;
}

int MirrorCode(Kind k, int code) {
    return k == Kind::Un ? step(kUnMirror, code) : code;
}

bool LongAlongY(Kind k, int code) {
    switch (k) {
    case Kind::Dt:
        return code == 1;
    case Kind::Sh:
        return code == 1 || code == 2;
    case Kind::Un:
        return code == 1 || code == 2 || code == 5 || code == 6;
    case Kind::Ur:
    case Kind::List:
        break;
    }
    return false;
}

AngleLayout AngleLayoutOf(Kind k, int code) {
    if (k == Kind::Ur)
        return kUrLayouts[IsValidCode(k, code) ? code - 1 : 0];
    return kUnLayouts[IsValidCode(Kind::Un, code) ? code - 1 : 0];
}

} // namespace karo
