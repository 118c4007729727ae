#include "picture/sketches.h"

#include "model/orientation.h"
#include "picture/outlines.h"
#include "picture/primitives.h"
#include "solver/solver.h"

#include <QFontMetrics>

#include <cmath>
#include <numbers>

namespace karo {

namespace {

// The profile's box takes this many pixels along its longer side, centred on the picture.
constexpr double kSketchSide = 200;
constexpr int kMid = SketchSize / 2;

QImage blankSketch() {
    QImage img(SketchSize, SketchSize, QImage::Format_RGB32);
    img.fill(PageColor);
    return img;
}

QFont letterFont(int px) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(px);
    f.setItalic(true);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

// Writes a dimension letter centred on (cx, cy); a trailing "o" (Zo, Xo, Yo) is a subscript.
void letter(Canvas& c, int cx, int cy, const QString& text) {
    const bool sub = text.size() == 2 && text.endsWith(QLatin1Char('o'));
    const QString main = sub ? text.left(1) : text;
    const QFont big = letterFont(22), small = letterFont(14);
    const QFontMetrics fb(big), fs(small);
    const int w =
        fb.horizontalAdvance(main) + (sub ? fs.horizontalAdvance(QStringLiteral("o")) : 0);
    const int x = cx - w / 2, y = cy - fb.height() / 2;
    c.setBrush(QColor::fromRgb(PageColor));
    c.setFont(big);
    c.TextOut(x, y, main);
    if (sub) {
        c.setFont(small);
        c.TextOut(x + fb.horizontalAdvance(main), y + fb.ascent() - fs.ascent() + 5,
                  QStringLiteral("o"));
    }
}

// Dimension lines: the measured stretch with end ticks, the letter beside its middle.
void dimH(Canvas& c, int y, int x1, int x2, const QString& text, int side) {
    c.setPen(Qt::black, 1);
    c.DrawLine(x1, y, x2, y);
    c.DrawLine(x1, y - 5, x1, y + 5);
    c.DrawLine(x2, y - 5, x2, y + 5);
    letter(c, (x1 + x2) / 2, y + side * 14, text);
}
void dimV(Canvas& c, int x, int y1, int y2, const QString& text, int side) {
    c.setPen(Qt::black, 1);
    c.DrawLine(x, y1, x, y2);
    c.DrawLine(x - 5, y1, x + 5, y1);
    c.DrawLine(x - 5, y2, x + 5, y2);
    letter(c, x + side * 16, (y1 + y2) / 2, text);
}

// An axis through (X, Y) at `deg` degrees (counter-clockwise), `half` pixels either way,
// with an arrowhead and its letter at the positive end.
void axis(Canvas& c, int X, int Y, double deg, int half, const QString& name) {
    const double a = deg * std::numbers::pi / 180;
    TRotatedSegment s{a, -double(half), 0, double(half), 0};
    TPixelSegment p;
    c.setPen(Qt::black, 1);
    RotateSegment(X, Y, s, p);
    c.DrawLine(p.X1, p.Y1, p.X2, p.Y2);
    const int ex = p.X2, ey = p.Y2;
    for (int side : {-1, 1}) {
        RotateSegment(X, Y, {a, half - 8.0, 3.0 * side, double(half), 0}, p);
        c.DrawLine(p.X1, p.Y1, p.X2, p.Y2);
    }
    RotateSegment(X, Y, {a, half + 14.0, 0, 0, 0}, p);
    letter(c, p.X1, p.Y1, name);
    (void)ex, (void)ey;
}

// A one-entry section of the kind in the given position, with catalogue-like proportions.
TSectionModel sampleModel(Kind kind, int code, PlateView view) {
    TSectionModel m;
    m.state(kind).Count = 1;
    m.state(kind).CurrentNumber = 1;
    const auto u16 = [](int v) { return static_cast<std::uint16_t>(v); };
    switch (kind) {
    case Kind::Dt: {
        TDtEntry& e = m.Dt.entry(1);
        e.Orientation = u16(code), e.h = 20, e.b = 10, e.WebDrawThickness = 10.0 / 12;
        e.FlangeDrawThickness = 1, e.A = 26.8, e.Ix = code == 1 ? 1840 : 115;
        e.Iy = code == 1 ? 115 : 1840;
        break;
    }
    case Kind::Sh: {
        TShEntry& e = m.Sh.entry(1);
        e.Orientation = u16(code), e.h = 20, e.b = 8, e.WebDrawThickness = 0.8;
        e.FlangeDrawThickness = 8.0 / 6, e.A = 23.4, e.Zo = 2.1;
        e.Ix = code <= 2 ? 1520 : 113, e.Iy = code <= 2 ? 113 : 1520;
        break;
    }
    case Kind::Un: {
        TUnEntry& e = m.Un.entry(1);
        const bool b1Up = AngleLayoutOf(Kind::Un, code).verticalIsB1;
        e.Orientation = u16(code), e.B1 = 12.5, e.b2 = 8, e.d = 1, e.A = 19.7;
        e.Xo = b1Up ? 1.9 : 4.1, e.Yo = b1Up ? 4.1 : 1.9;
        e.Ix = b1Up ? 312 : 100, e.Iy = b1Up ? 100 : 312, e.Iu = 59.3, e.TanAlpha = 0.406;
        break;
    }
    case Kind::Ur: {
        TUrEntry& e = m.Ur.entry(1);
        e.Orientation = u16(code), e.B1 = e.b2 = 10, e.d = 1, e.A = 19.2;
        e.Xo = e.Yo = 2.8, e.Ix = e.Iy = 179, e.Iu = 74.1, e.TanAlpha = 1;
        break;
    }
    case Kind::List: {
        TListEntry& e = m.List.entry(1);
        e.h = view == PlateView::Horizontal ? 2 : 14;
        e.b = view == PlateView::Tab ? 5 : view == PlateView::Horizontal ? 14 : 2;
        break;
    }
    }
    return m;
}

QImage drawSketch(Kind kind, int code, PlateView view) {
    QImage img = blankSketch();
    TSectionModel m = sampleModel(kind, code, view);
    TSectionResult r;
    try {
        SolveSection(m, nullptr, r);
    } catch (...) {
        return img;
    }
    const double W = r.XMax - r.XMin, H = r.YMax - r.YMin;
    const double k = kSketchSide / std::max(W, H);
    // Pixel of a point in x'y' (the entry's centroid is at the origin).
    const auto px = [&](double x) { return kMid + Round((x - (r.XMin + r.XMax) / 2) * k); };
    const auto py = [&](double y) { return kMid - Round((y - (r.YMin + r.YMax) / 2) * k); };
    const int X = px(0), Y = py(0);
    const int L = px(r.XMin), R = px(r.XMax), T = py(r.YMax), B = py(r.YMin);

    Canvas c(img);
    DrawEntryOutline(c, X, Y, m, kind, 1, k);
    axis(c, X, Y, 0, std::max(X - L, R - X) + 30, QStringLiteral("x"));
    axis(c, X, Y, 90, std::max(Y - T, B - Y) + 30, QStringLiteral("y"));

    const auto s = [](const char* t) { return QString::fromUtf8(t); };
    switch (kind) {
    case Kind::Dt:
        dimH(c, B + 20, L, R, s(code == 1 ? "b" : "h"), 1);
        dimV(c, L - 20, T, B, s(code == 1 ? "h" : "b"), -1);
        break;
    case Kind::Sh: {
        const bool upright = code == 1 || code == 2;
        dimH(c, B + 20, L, R, s(upright ? "b" : "h"), 1);
        dimV(c, L - 20, T, B, s(upright ? "h" : "b"), -1);
        // Zo: from the back of the web to the axis across it.
        if (upright)
            dimH(c, B + 55, code == 2 ? L : R, X, s("Zo"), 1);
        else
            dimV(c, L - 60, code == 3 ? B : T, Y, s("Zo"), -1);
        break;
    }
    case Kind::Un:
    case Kind::Ur: {
        const AngleLayout lay = AngleLayoutOf(kind, code);
        const bool un = kind == Kind::Un;
        const int hx = lay.sx > 0 ? L : R, hy = lay.sy > 0 ? B : T;
        const QString vLeg = un ? s(lay.verticalIsB1 ? "B" : "b") : s("b");
        const QString hLeg = un ? s(lay.verticalIsB1 ? "b" : "B") : s("b");
        // Legs on the heel's sides, offsets on the far sides.
        dimH(c, hy + lay.sy * 20, L, R, hLeg, lay.sy);
        dimV(c, hx - lay.sx * 20, T, B, vLeg, -lay.sx);
        dimH(c, hy + lay.sy * 55, hx, X, un ? s("Xo") : s("Zo"), lay.sy);
        dimV(c, hx - lay.sx * 60, hy, Y, un ? s("Yo") : s("Zo"), -lay.sx);
        // d across the upright leg near its tip, lettered on the open side.
        const double d = un ? m.Un.entry(1).d : m.Ur.entry(1).d;
        const int tipY = (lay.sy > 0 ? T : B) + lay.sy * 25;
        const int inner = hx + lay.sx * Round(d * k);
        c.setPen(Qt::black, 1);
        c.DrawLine(hx, tipY, inner, tipY);
        letter(c, inner + lay.sx * 14, tipY, s("d"));
        // The principal axis u and its angle α to the nearer central axis.
        const bool atAlphaIsU = r.Ix < r.Iy;
        const double uDeg = atAlphaIsU ? r.Alpha0 : r.Alpha0 + 90;
        axis(c, X, Y, uDeg, 150, s("u"));
        const double from = atAlphaIsU ? 0 : 90;
        const double a0 = std::min(from, uDeg), a1 = std::max(from, uDeg);
        c.setPen(Qt::black, 1);
        c.DrawArc(X, Y, a0 * std::numbers::pi / 180, a1 * std::numbers::pi / 180, 70);
        const double mid = (a0 + a1) / 2 * std::numbers::pi / 180;
        letter(c, X + Round(88 * std::cos(mid)), Y - Round(88 * std::sin(mid)), s("α"));
        break;
    }
    case Kind::List:
        dimH(c, B + 20, L, R, s("b"), 1);
        dimV(c, L - 20, T, B, s("h"), -1);
        break;
    }
    return img;
}

} // namespace

QImage OrientationPicture(Kind kind, int code) {
    if (kind == Kind::List)
        return PlatePicture(PlateView::Tab);
    if (!IsValidCode(kind, code))
        return blankSketch();
    return drawSketch(kind, code, PlateView::Tab);
}

QImage PlatePicture(PlateView view) {
    return drawSketch(Kind::List, 0, view);
}

} // namespace karo
