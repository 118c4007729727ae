#pragma once
// Sections built straight into the model for the picture tests (no typed texts).

#include "model/section_model.h"
#include "picture/section_picture.h"
#include "solver/solver.h"

#include <QImage>

namespace karo::test {

inline void addPlate(TSectionModel& m, double h, double b, double xc, double yc) {
    TListEntry& e = m.List.entry(++m.List.Count);
    e = {h, b, xc, yc};
    m.List.CurrentNumber = m.List.Count;
}

// I-beam 20: h 20, b 10.
inline void addDt(TSectionModel& m, int code, double xc, double yc, double h = 20, double b = 10) {
    TDtEntry& e = m.Dt.entry(++m.Dt.Count);
    e.Orientation = static_cast<std::uint16_t>(code);
    e.h = h, e.b = b, e.WebDrawThickness = b / 12, e.FlangeDrawThickness = b / 10;
    e.A = 26.8;
    e.Ix = code == 1 ? 1840 : 115, e.Iy = code == 1 ? 115 : 1840;
    e.Xc = xc, e.Yc = yc;
    m.Dt.CurrentNumber = m.Dt.Count;
}

// Channel 20: h 20, b 7.6, Zo 2.07.
inline void addSh(TSectionModel& m, int code, double xc, double yc) {
    TShEntry& e = m.Sh.entry(++m.Sh.Count);
    e.Orientation = static_cast<std::uint16_t>(code);
    e.h = 20, e.b = 7.6, e.WebDrawThickness = 0.76, e.FlangeDrawThickness = 7.6 / 6;
    e.A = 23.4, e.Zo = 2.07;
    const bool upright = code == 1 || code == 2;
    e.Ix = upright ? 1520 : 113, e.Iy = upright ? 113 : 1520;
    e.Xc = xc, e.Yc = yc;
    m.Sh.CurrentNumber = m.Sh.Count;
}

// Equal-leg angle 100 × 10: b 10, d 1, Zo 2.83.
inline void addUr(TSectionModel& m, int code, double xc, double yc) {
    TUrEntry& e = m.Ur.entry(++m.Ur.Count);
    e.Orientation = static_cast<std::uint16_t>(code);
    e.B1 = e.b2 = 10, e.d = 1, e.A = 19.2, e.Xo = e.Yo = 2.83;
    e.Ix = e.Iy = 179, e.Iu = 74.1, e.TanAlpha = 1;
    e.Xc = xc, e.Yc = yc;
    m.Ur.CurrentNumber = m.Ur.Count;
}

// Unequal-leg angle 125 × 80 × 10, with Xo and Yo as the offsets along x' and y' for
// the code.
inline void addUn(TSectionModel& m, int code, double xc, double yc, double Xo, double Yo) {
    TUnEntry& e = m.Un.entry(++m.Un.Count);
    e.Orientation = static_cast<std::uint16_t>(code);
    e.B1 = 12.5, e.b2 = 8, e.d = 1, e.A = 19.7, e.Xo = Xo, e.Yo = Yo;
    const bool b1Up = code == 1 || code == 2 || code == 5 || code == 6;
    e.Ix = b1Up ? 312 : 100, e.Iy = b1Up ? 100 : 312, e.Iu = 59.3, e.TanAlpha = 0.406;
    e.Xc = xc, e.Yc = yc;
    m.Un.CurrentNumber = m.Un.Count;
}
// The same with the catalogue offsets of that angle in its position.
inline void addUn(TSectionModel& m, int code, double xc, double yc) {
    const bool b1Up = code == 1 || code == 2 || code == 5 || code == 6;
    addUn(m, code, xc, yc, b1Up ? 1.92 : 4.14, b1Up ? 4.14 : 1.92);
}

// Solves the model, drawing the picture.
inline QImage solvePicture(TSectionModel& m, TSectionResult* out = nullptr,
                           PicturePlacement* place = nullptr) {
    SectionPicture pic;
    TSectionResult r;
    SolveSection(m, r);
    pic.draw(m, r);
    if (out)
        *out = r;
    if (place)
        *place = pic.placement();
    return pic.image();
}

} // namespace karo::test
