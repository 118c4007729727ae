#include "picture/sketches.h"

#include "model/orientation.h"
#include "picture/outlines.h"
#include "picture/primitives.h"
#include "solver/solver.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>
#include <vector>

namespace karo {

using namespace Qt::Literals::StringLiterals;

namespace {

// The profile's box takes at most this many pixels along its longer side; the sketch is
// drawn smaller when its axes, dimensions and letters would not fit otherwise.
constexpr double kSketchSide = 200;
// Free border kept round the whole drawing.
constexpr int kMargin = 8;
// Side of the canvas a sketch is first drawn on, about its centre, before it is cut out.
constexpr int kTrialSide = 800;
constexpr int kTrialMid = kTrialSide / 2;
// Axes run this far past the outline on their negative side, short of any dimension line,
// and this far past the outermost dimension line on their positive side.
constexpr int kAxisTail = 12;
constexpr int kAxisHead = 22;
// Distances of the two rows of dimension lines from the profile's box.
constexpr int kDimNear = 20;
constexpr int kDimFar = 56;
// Free pixels kept between a letter and any other ink.
constexpr int kLetterGap = 3;
// Letters keep further apart from each other, so that two never read as one word.
constexpr int kLettersApart = 7;

QImage blankImage(int side) {
    QImage img(side, side, QImage::Format_RGB32);
    img.fill(PageColor);
    return img;
}

QImage blankSketch() {
    return blankImage(SketchSize);
}

QFont letterFont(int px) {
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(px);
    f.setItalic(true);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

bool isInk(QRgb p) {
    return (p & 0x00FFFFFF) != (PageColor & 0x00FFFFFF);
}

QRect inkRect(const std::vector<QPoint>& ink) {
    QRect r;
    for (const QPoint& q : ink)
        r |= QRect(q, QSize(1, 1));
    return r;
}

// A dimension letter as ink pixels about its centre; a trailing "o" (Zo, Xo, Yo) is a
// subscript.
std::vector<QPoint> letterInk(const QString& text) {
    const bool sub = text.size() == 2 && text.endsWith(QLatin1Char('o'));
    const QString main = sub ? text.left(1) : text;
    const QFont big = letterFont(22), small = letterFont(14);
    const QFontMetrics fb(big), fs(small);
    const int w =
        fb.horizontalAdvance(main) + (sub ? fs.horizontalAdvance(QStringLiteral("o")) : 0) + 8;
    const int h = fb.height() + 8;
    QImage img = blankImage(std::max(w, h));
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setPen(Qt::black);
        p.setFont(big);
        p.drawText(QPoint(4, 4 + fb.ascent()), main);
        if (sub) {
            p.setFont(small);
            p.drawText(QPoint(4 + fb.horizontalAdvance(main), 4 + fb.ascent() + 5), u"o"_s);
        }
    }
    std::vector<QPoint> ink;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (isInk(img.pixel(x, y)))
                ink.emplace_back(x, y);
    const QPoint centre = inkRect(ink).center();
    for (QPoint& q : ink)
        q -= centre;
    return ink;
}

// A letter waiting for its place: where it would stand, the direction it may slide in
// (along its dimension line, across its axis) and the direction away from the drawing.
struct Letter {
    QPoint at;
    QString text;
    QPointF slide;
    QPointF away;
};

// Sets each letter where none of its pixels comes within kLetterGap of ink already drawn,
// the lines and the letters set before it: at its own place if that is free, else at the
// nearest free place along its slide, else a little further away from the drawing.
void placeLetters(QImage& img, const std::vector<Letter>& letters) {
    std::vector<QRect> placed; // the letters set so far, with their own wider gap
    const auto freeAt = [&](const std::vector<QPoint>& ink, QPoint c) {
        const QRect box = inkRect(ink).translated(c).adjusted(-kLettersApart, -kLettersApart,
                                                              kLettersApart, kLettersApart);
        for (const QRect& other : placed)
            if (box.intersects(other))
                return false;
        for (const QPoint& q : ink)
            for (int dy = -kLetterGap; dy <= kLetterGap; ++dy)
                for (int dx = -kLetterGap; dx <= kLetterGap; ++dx) {
                    const QPoint p = c + q + QPoint(dx, dy);
                    if (!img.rect().contains(p) || isInk(img.pixel(p)))
                        return false;
                }
        return true;
    };
    for (const Letter& l : letters) {
        const std::vector<QPoint> ink = letterInk(l.text);
        QPoint where = l.at;
        bool found = false;
        for (int out = 0; out <= 24 && !found; out += 4)
            for (int i = 0; i <= 40 && !found; ++i) {
                const int along = (i + 1) / 2 * 3 * (i % 2 ? 1 : -1);
                const QPoint c = l.at + QPointF(l.slide * along + l.away * out).toPoint();
                if (freeAt(ink, c))
                    where = c, found = true;
            }
        for (const QPoint& q : ink)
            if (img.rect().contains(where + q))
                img.setPixel(where + q, 0xFF000000);
        placed.push_back(inkRect(ink).translated(where));
    }
}

// Dimension lines: the measured stretch with end ticks; the letter beside its middle, on
// the side `side` (+1 below or right, −1 above or left).
void dimH(Canvas& c, std::vector<Letter>& letters, int y, int x1, int x2, const QString& text,
          int side) {
    c.setPen(Qt::black, 1);
    c.DrawLine(x1, y, x2, y);
    c.DrawLine(x1, y - 5, x1, y + 5);
    c.DrawLine(x2, y - 5, x2, y + 5);
    letters.push_back({QPoint((x1 + x2) / 2, y + side * 14), text, {1, 0}, {0, double(side)}});
}
void dimV(Canvas& c, std::vector<Letter>& letters, int x, int y1, int y2, const QString& text,
          int side) {
    c.setPen(Qt::black, 1);
    c.DrawLine(x, y1, x, y2);
    c.DrawLine(x - 5, y1, x + 5, y1);
    c.DrawLine(x - 5, y2, x + 5, y2);
    letters.push_back({QPoint(x + side * 16, (y1 + y2) / 2), text, {0, 1}, {double(side), 0}});
}

// An axis through (X, Y) at `deg` degrees (counter-clockwise), from `tail` pixels behind the
// centre to `head` pixels ahead of it, with an arrowhead and its letter at the head.
void axis(Canvas& c, std::vector<Letter>& letters, int X, int Y, double deg, int tail, int head,
          const QString& name) {
    const double a = deg * std::numbers::pi / 180;
    TPixelSegment p;
    c.setPen(Qt::black, 1);
    RotateSegment(X, Y, {a, -double(tail), 0, double(head), 0}, p);
    c.DrawLine(p.X1, p.Y1, p.X2, p.Y2);
    for (int side : {-1, 1}) {
        RotateSegment(X, Y, {a, head - 8.0, 3.0 * side, double(head), 0}, p);
        c.DrawLine(p.X1, p.Y1, p.X2, p.Y2);
    }
    RotateSegment(X, Y, {a, head + 12.0, 0, 0, 0}, p);
    const QPointF along(std::cos(a), -std::sin(a));
    letters.push_back({QPoint(p.X1, p.Y1), name, {-along.y(), along.x()}, along});
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
        const bool upright = LongAlongY(kind, code);
        e.FlangeDrawThickness = 1, e.A = 26.8, e.Ix = upright ? 1840 : 115;
        e.Iy = upright ? 115 : 1840;
        break;
    }
    case Kind::Sh: {
        TShEntry& e = m.Sh.entry(1);
        e.Orientation = u16(code), e.h = 20, e.b = 8, e.WebDrawThickness = 0.8;
        e.FlangeDrawThickness = 8.0 / 6, e.A = 23.4, e.Zo = 2.1;
        const bool upright = LongAlongY(kind, code);
        e.Ix = upright ? 1520 : 113, e.Iy = upright ? 113 : 1520;
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

// Which sides of the profile's box carry dimension lines: how far out the outermost one
// lies (0: none).
struct DimDepth {
    int left = 0, right = 0, top = 0, bottom = 0;
};

// The sketch drawn about the middle of a kTrialSide canvas with the profile's box
// `k` × its size in pixels; an empty image when the sample cannot be solved.
QImage drawTrial(Kind kind, int code, PlateView view, double k) {
    TSectionModel m = sampleModel(kind, code, view);
    TSectionResult r;
    try {
        SolveSection(m, r);
    } catch (...) {
        return {};
    }
    QImage img = blankImage(kTrialSide);
    // Pixel of a point in x'y' (the entry's centroid is at the origin).
    const auto px = [&](double x) { return kTrialMid + Round((x - (r.XMin + r.XMax) / 2) * k); };
    const auto py = [&](double y) { return kTrialMid - Round((y - (r.YMin + r.YMax) / 2) * k); };
    const int X = px(0), Y = py(0);
    const int L = px(r.XMin), R = px(r.XMax), T = py(r.YMax), B = py(r.YMin);
    const auto s = [](const char* t) { return QString::fromUtf8(t); };

    std::vector<Letter> letters;
    DimDepth depth;
    {
        Canvas c(img);
        DrawEntryOutline(c, X, Y, m, kind, 1, k);

        switch (kind) {
        case Kind::Dt: {
            const bool upright = LongAlongY(kind, code);
            dimH(c, letters, B + kDimNear, L, R, s(upright ? "b" : "h"), 1);
            dimV(c, letters, L - kDimNear, T, B, s(upright ? "h" : "b"), -1);
            depth.bottom = depth.left = kDimNear;
            break;
        }
        case Kind::Sh: {
            const bool upright = LongAlongY(kind, code);
            // The back of the web is on the left or at the bottom while the flanges point to +x or
            // +y, that is after 0 or 1 quarter turns.
            const bool backFirst = PlacementOf(kind, code).quarterTurns < 2;
            dimH(c, letters, B + kDimNear, L, R, s(upright ? "b" : "h"), 1);
            dimV(c, letters, L - kDimNear, T, B, s(upright ? "h" : "b"), -1);
            depth.bottom = depth.left = kDimNear;
            // Zo: from the back of the web to the axis across it.
            if (upright) {
                dimH(c, letters, B + kDimFar, backFirst ? L : R, X, s("Zo"), 1);
                depth.bottom = kDimFar;
            } else {
                dimV(c, letters, L - kDimFar, backFirst ? B : T, Y, s("Zo"), -1);
                depth.left = kDimFar;
            }
            break;
        }
        case Kind::Un:
        case Kind::Ur: {
            const AngleLayout lay = AngleLayoutOf(kind, code);
            const bool un = kind == Kind::Un;
            const int hx = lay.sx > 0 ? L : R, hy = lay.sy > 0 ? B : T;
            const QString vLeg = un ? s(lay.verticalIsB1 ? "B" : "b") : s("b");
            const QString hLeg = un ? s(lay.verticalIsB1 ? "b" : "B") : s("b");
            // Legs on the heel's sides, offsets further out on the same sides.
            dimH(c, letters, hy + lay.sy * kDimNear, L, R, hLeg, lay.sy);
            dimV(c, letters, hx - lay.sx * kDimNear, T, B, vLeg, -lay.sx);
            dimH(c, letters, hy + lay.sy * kDimFar, hx, X, un ? s("Xo") : s("Zo"), lay.sy);
            dimV(c, letters, hx - lay.sx * kDimFar, hy, Y, un ? s("Yo") : s("Zo"), -lay.sx);
            (lay.sy > 0 ? depth.bottom : depth.top) = kDimFar;
            (lay.sx > 0 ? depth.left : depth.right) = kDimFar;
            // d across a leg near its tip, lettered on the open side: on the leg whose open
            // side lies further from the central axis along it, where the letter has room.
            const int thick = Round((un ? m.Un.entry(1).d : m.Ur.entry(1).d) * k);
            c.setPen(Qt::black, 1);
            if (std::abs(X - hx) >= std::abs(Y - hy)) {
                const int tipY = (lay.sy > 0 ? T : B) + lay.sy * 25;
                const int inner = hx + lay.sx * thick;
                c.DrawLine(hx, tipY, inner, tipY);
                letters.push_back({QPoint(inner + lay.sx * 14, tipY),
                                   s("d"),
                                   {0, double(lay.sy)},
                                   {double(lay.sx), 0}});
            } else {
                const int tipX = (lay.sx > 0 ? R : L) - lay.sx * 25;
                const int inner = hy - lay.sy * thick;
                c.DrawLine(tipX, hy, tipX, inner);
                letters.push_back({QPoint(tipX, inner - lay.sy * 14),
                                   s("d"),
                                   {double(-lay.sx), 0},
                                   {0, double(-lay.sy)}});
            }
            // The principal axis u, as long as the farthest corner, and its angle α to the
            // nearer central axis.
            const bool atAlphaIsU = AxisAtAlphaIsU(r);
            const double uDeg = atAlphaIsU ? r.Alpha0 : r.Alpha0 + 90;
            const int reach = Round(std::hypot(std::max(X - L, R - X), std::max(Y - T, B - Y)));
            axis(c, letters, X, Y, uDeg, reach + kAxisTail, reach + kAxisHead, s("u"));
            const double from = atAlphaIsU ? 0 : 90;
            const double a0 = std::min(from, uDeg), a1 = std::max(from, uDeg);
            c.setPen(Qt::black, 1);
            c.DrawArc(X, Y, a0 * std::numbers::pi / 180, a1 * std::numbers::pi / 180, 70);
            const double mid = (a0 + a1) / 2 * std::numbers::pi / 180;
            const QPointF radial(std::cos(mid), -std::sin(mid));
            letters.push_back({QPoint(X + Round(88 * radial.x()), Y + Round(88 * radial.y())),
                               s("α"),
                               radial,
                               {-radial.y(), radial.x()}});
            break;
        }
        case Kind::List:
            dimH(c, letters, B + kDimNear, L, R, s("b"), 1);
            dimV(c, letters, L - kDimNear, T, B, s("h"), -1);
            depth.bottom = depth.left = kDimNear;
            break;
        }
        // The central axes stop short of the dimension lines behind them and reach past the
        // ones ahead of them.
        axis(c, letters, X, Y, 0, X - L + kAxisTail, R - X + depth.right + kAxisHead, s("x"));
        axis(c, letters, X, Y, 90, B - Y + kAxisTail, Y - T + depth.top + kAxisHead, s("y"));
    }
    placeLetters(img, letters);
    return img;
}

// The box of every pixel that is not the ground.
QRect inkBox(const QImage& img) {
    int l = img.width(), r = -1, t = img.height(), b = -1;
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x)
            if (isInk(line[x])) {
                l = std::min(l, x), r = std::max(r, x);
                t = std::min(t, y), b = std::max(b, y);
            }
    }
    return r < 0 ? QRect() : QRect(QPoint(l, t), QPoint(r, b));
}

bool fits(const QRect& box) {
    return !box.isEmpty() && box.width() <= SketchSize - 2 * kMargin &&
           box.height() <= SketchSize - 2 * kMargin;
}

// The largest scale, up to a box of kSketchSide, at which the whole sketch keeps its margin.
double fittedScale(Kind kind, int code, PlateView view) {
    TSectionModel m = sampleModel(kind, code, view);
    TSectionResult r;
    try {
        SolveSection(m, r);
    } catch (...) {
        return 0;
    }
    double k = kSketchSide / std::max(r.XMax - r.XMin, r.YMax - r.YMin);
    for (int i = 0; i < 40; ++i, k *= 0.95) {
        const QImage trial = drawTrial(kind, code, view, k);
        if (trial.isNull() || fits(inkBox(trial)))
            break;
    }
    return k;
}

// One scale for all positions of a kind, so that turning a profile does not resize it.
double kindScale(Kind kind, PlateView view) {
    static const auto scales = [] {
        std::map<std::pair<int, int>, double> s;
        for (Kind k : {Kind::Dt, Kind::Sh, Kind::Un, Kind::Ur}) {
            double least = 0;
            for (int code = 1; IsValidCode(k, code); ++code) {
                const double f = fittedScale(k, code, PlateView::Tab);
                least = code == 1 ? f : std::min(least, f);
            }
            s[{int(k), 0}] = least;
        }
        for (PlateView v : {PlateView::Tab, PlateView::Horizontal, PlateView::Vertical})
            s[{int(Kind::List), int(v)}] = fittedScale(Kind::List, 0, v);
        return s;
    }();
    return scales.at({int(kind), kind == Kind::List ? int(view) : 0});
}

QImage drawSketch(Kind kind, int code, PlateView view) {
    const QImage trial = drawTrial(kind, code, view, kindScale(kind, view));
    const QRect box = trial.isNull() ? QRect() : inkBox(trial);
    if (box.isEmpty())
        return blankSketch();
    // Cut out about the middle of the whole drawing, letters included.
    const QPoint c = box.center();
    QImage sketch =
        trial.copy(c.x() - SketchSize / 2, c.y() - SketchSize / 2, SketchSize, SketchSize);
    return sketch.convertToFormat(QImage::Format_RGB32);
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
