#include "picture/sketches.h"

#include "model/orientation.h"
#include "picture/outlines.h"
#include "picture/primitives.h"
#include "solver/solver.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <mutex>
#include <numbers>
#include <optional>
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
// Free pixels kept between a letter's box and any other ink.
constexpr int kLetterGap = 4;
// Free pixels kept between the arc of α and any line but the two it joins.
constexpr int kArcGap = 6;
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
    const int width = img.width(), height = img.height();
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < width; ++x)
            if (isInk(line[x]))
                ink.emplace_back(x, y);
    }
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

// Whether the box, grown by `gap`, lies inside the picture on blank ground.
bool clearBox(const QImage& img, const QRect& box, int gap) {
    const QRect grown = box.adjusted(-gap, -gap, gap, gap);
    if (!img.rect().contains(grown))
        return false;
    for (int y = grown.top(); y <= grown.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = grown.left(); x <= grown.right(); ++x)
            if (isInk(line[x]))
                return false;
    }
    return true;
}

// Sets each letter where its whole box keeps kLetterGap from ink already drawn, the lines
// and the letters set before it, so that no line runs through a letter even between its
// strokes: at its own place if that is free, else at the nearest free place along its
// slide, else a little further away from the drawing. Gives the letters' boxes.
std::vector<QRect> placeLetters(QImage& img, const std::vector<Letter>& letters) {
    std::vector<QRect> placed;
    const auto freeAt = [&](const QRect& box) {
        const QRect apart =
            box.adjusted(-kLettersApart, -kLettersApart, kLettersApart, kLettersApart);
        for (const QRect& other : placed)
            if (apart.intersects(other))
                return false;
        return clearBox(img, box, kLetterGap);
    };
    // Steps along the slide and away from the drawing, the shortest moves first, so that a
    // letter beside a short dimension steps back from its ticks rather than off its line.
    static const std::vector<QPoint> moves = [] {
        std::vector<QPoint> m;
        for (int out = 0; out <= 24; out += 2)
            for (int along = -60; along <= 60; along += 3)
                m.emplace_back(along, out);
        std::stable_sort(m.begin(), m.end(), [](QPoint a, QPoint b) {
            return std::abs(a.x()) + a.y() < std::abs(b.x()) + b.y();
        });
        return m;
    }();
    for (const Letter& l : letters) {
        const std::vector<QPoint> ink = letterInk(l.text);
        const QRect shape = inkRect(ink);
        QPoint where = l.at;
        for (const QPoint& m : moves) {
            const QPoint c = l.at + QPointF(l.slide * m.x() + l.away * m.y()).toPoint();
            if (freeAt(shape.translated(c))) {
                where = c;
                break;
            }
        }
        for (const QPoint& q : ink)
            if (img.rect().contains(where + q))
                img.setPixel(where + q, 0xFF000000);
        placed.push_back(shape.translated(where));
    }
    return placed;
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
    kindInfo(kind).rules->sample(m, code, view);
    return m;
}

// Which sides of the profile's box carry dimension lines: how far out the outermost one
// lies (0: none).
struct DimDepth {
    int left = 0, right = 0, top = 0, bottom = 0;
};

// The unit step in the picture (y down) towards `deg` degrees, counted counter-clockwise.
QPointF towards(double deg) {
    const double a = deg * std::numbers::pi / 180;
    return {std::cos(a), -std::sin(a)};
}

// Whether the arc of `radius` about (X, Y) from `a0` to `a1` degrees keeps kArcGap clear
// of ink: of `img` all along, and of `rays` (`img` with the two lines that bound the angle)
// but for its ends, where it meets those lines.
bool clearArc(const QImage& img, const QImage& rays, int X, int Y, double a0, double a1,
              int radius) {
    const double from = a0 * std::numbers::pi / 180, to = a1 * std::numbers::pi / 180;
    const double skip = (kArcGap + 3.0) / radius;
    for (double t = from; t <= to; t += 0.5 / radius) {
        const QPoint p(X + Round(radius * std::cos(t)), Y - Round(radius * std::sin(t)));
        const bool end = t < from + skip || t > to - skip;
        if (!clearBox(end ? img : rays, QRect(p, QSize(1, 1)), kArcGap))
            return false;
    }
    return true;
}

// How far the nearest and the farthest point of `box` lie from the pixel `c`.
double nearestDistance(const QRect& box, QPoint c) {
    const int dx = std::max({box.left() - c.x(), 0, c.x() - box.right()});
    const int dy = std::max({box.top() - c.y(), 0, c.y() - box.bottom()});
    return std::hypot(dx, dy);
}
double farthestDistance(const QRect& box, QPoint c) {
    const int dx = std::max(std::abs(box.left() - c.x()), std::abs(box.right() - c.x()));
    const int dy = std::max(std::abs(box.top() - c.y()), std::abs(box.bottom() - c.y()));
    return std::hypot(dx, dy);
}

// The arc that marks the angle α between u and the nearer central axis, and where its
// letter stands.
struct AlphaMark {
    double a0 = 0, a1 = 0; // degrees, counter-clockwise from a0 to a1
    int radius = 0;
    QPoint letter;     // centre of the letter
    bool ahead = true; // between the arrowed ends of the two axes, not their tails
};

// The letter α beside the arc of `radius` on the wedge's middle line: just outside the arc,
// else just inside it, wherever its box keeps clear of `img`.
std::optional<QPoint> alphaBeside(const QImage& img, QPoint c, double midDeg, int radius) {
    static const QRect shape = inkRect(letterInk(QStringLiteral("α")));
    const QPointF dir = towards(midDeg);
    for (int side : {1, -1})
        for (int off = 1; off < 40; ++off) {
            const QPoint at = c + (dir * (radius + side * off)).toPoint();
            const QRect box = shape.translated(at);
            const bool apart = side > 0 ? nearestDistance(box, c) > radius + kLetterGap
                                        : farthestDistance(box, c) < radius - kLetterGap;
            if (!apart)
                continue;
            if (clearBox(img, box, kLetterGap))
                return at;
            break;
        }
    return std::nullopt;
}

// The α mark nearest the centre (X, Y) whose arc and letter keep clear of the drawing
// `img`, where the angle between the rays at `fromDeg` (the central axis) and `uDeg` is
// open: ahead of the centre, or behind it within `behindLimit` pixels. Where the profile
// fills the angle near the centre, the arc goes round outside the profile, so that the hatch
// hides none of it.
std::optional<AlphaMark> findAlphaMark(const QImage& img, int X, int Y, double fromDeg, double uDeg,
                                       int behindLimit) {
    const double a0 = std::min(fromDeg, uDeg), a1 = std::max(fromDeg, uDeg);
    const int least = std::max(36, int(std::ceil(20 / ((a1 - a0) * std::numbers::pi / 180))));
    std::optional<AlphaMark> best;
    for (const bool ahead : {true, false}) {
        const double turn = ahead ? 0 : 180;
        // The two lines run on beyond the mark, so the mark must keep clear of them too.
        QImage rays = img.copy();
        {
            Canvas c(rays);
            c.setPen(Qt::black, 1);
            for (double deg : {a0 + turn, a1 + turn}) {
                const QPointF end = QPointF(X, Y) + towards(deg) * (kTrialSide / 2.0);
                c.DrawLine(X, Y, Round(end.x()), Round(end.y()));
            }
        }
        const int most = std::min(ahead ? kTrialMid - 40 : behindLimit - 10,
                                  best ? best->radius - 1 : kTrialSide);
        for (int r = least; r <= most; ++r) {
            if (!clearArc(img, rays, X, Y, a0 + turn, a1 + turn, r))
                continue;
            if (const auto at = alphaBeside(rays, QPoint(X, Y), (a0 + a1) / 2 + turn, r)) {
                best = AlphaMark{a0 + turn, a1 + turn, r, *at, ahead};
                break;
            }
        }
    }
    return best;
}

// The sketch drawn about the middle of a kTrialSide canvas with the profile's box
// `k` × its size in pixels, with and without its letters, and the letters' boxes; empty
// images when the sample cannot be solved.
struct Trial {
    QImage picture;
    QImage lines; // null unless asked for
    std::vector<QRect> letters;
};

// The lines without the letters are a copy of the whole canvas: made only when asked for.
enum class Lines { Dropped, Kept };

Trial drawTrial(Kind kind, int code, PlateView view, double k, Lines lines = Lines::Dropped) {
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
    const SketchMarks marks = kindInfo(kind).rules->sketch(m, 1);
    // The pixel of an edge of the box, or of the centroid's line, along x or along y.
    const auto edge = [&](SketchEdge e, bool alongX) {
        if (e == SketchEdge::Centre)
            return alongX ? X : Y;
        return alongX ? (e == SketchEdge::Min ? L : R) : (e == SketchEdge::Min ? B : T);
    };

    std::vector<Letter> letters;
    DimDepth depth;
    {
        Canvas c(img);
        // A layer as large as the trial canvas would be twice any picture the window or the
        // report keeps, and the canvas is bare.
        c.drawNextLayerOnGround();
        DrawEntryOutline(c, X, Y, m, kind, 1, k);

        for (int i = 0; i < marks.dimCount; ++i) {
            const SketchDim& d = marks.dims[static_cast<std::size_t>(i)];
            const int out = d.far ? kDimFar : kDimNear;
            const QString text = QString::fromUtf8(d.letter.data(), qsizetype(d.letter.size()));
            const bool alongX = d.side == SketchSide::Bottom || d.side == SketchSide::Top;
            const int from = edge(d.from, alongX), to = edge(d.to, alongX);
            // Letters below a line under the box or right of one beside it, else above or left.
            switch (d.side) {
            case SketchSide::Bottom:
                dimH(c, letters, B + out, from, to, text, 1);
                depth.bottom = std::max(depth.bottom, out);
                break;
            case SketchSide::Top:
                dimH(c, letters, T - out, from, to, text, -1);
                depth.top = std::max(depth.top, out);
                break;
            case SketchSide::Left:
                dimV(c, letters, L - out, from, to, text, -1);
                depth.left = std::max(depth.left, out);
                break;
            case SketchSide::Right:
                dimV(c, letters, R + out, from, to, text, 1);
                depth.right = std::max(depth.right, out);
                break;
            }
        }
        if (marks.legThickness > 0) {
            // d across a leg near its tip, lettered on the open side: on the leg whose open
            // side lies further from the central axis along it, where the letter has room.
            const int sx = marks.heelX, sy = marks.heelY;
            const int hx = sx > 0 ? L : R, hy = sy > 0 ? B : T;
            const int thick = Round(marks.legThickness * k);
            c.setPen(Qt::black, 1);
            if (std::abs(X - hx) >= std::abs(Y - hy)) {
                const int tipY = (sy > 0 ? T : B) + sy * 25;
                const int inner = hx + sx * thick;
                c.DrawLine(hx, tipY, inner, tipY);
                letters.push_back(
                    {QPoint(inner + sx * 14, tipY), s("d"), {0, double(sy)}, {double(sx), 0}});
            } else {
                const int tipX = (sx > 0 ? R : L) - sx * 25;
                const int inner = hy - sy * thick;
                c.DrawLine(tipX, hy, tipX, inner);
                letters.push_back(
                    {QPoint(tipX, inner - sy * 14), s("d"), {double(-sx), 0}, {0, double(-sy)}});
            }
        }
    }
    // The central axes stop short of the dimension lines behind them and reach past the
    // ones ahead of them.
    int headX = R - X + depth.right + kAxisHead, headY = Y - T + depth.top + kAxisHead;
    const int tailX = X - L + kAxisTail, tailY = B - Y + kAxisTail;
    {
        Canvas c(img);
        if (marks.principalAxis) {
            // The principal axis u, as long as the farthest corner, and its angle α to the
            // nearer central axis.
            const bool atAlphaIsU = AxisAtAlphaIsU(r);
            const double uDeg = atAlphaIsU ? r.Alpha0 : r.Alpha0 + 90;
            const int reach = Round(std::hypot(std::max(X - L, R - X), std::max(Y - T, B - Y)));
            const double from = atAlphaIsU ? 0 : 90;
            int uHead = reach + kAxisHead;
            const std::optional<AlphaMark> mark = findAlphaMark(
                img, X, Y, from, uDeg, std::min(reach + kAxisTail, from == 0 ? tailX : tailY));
            const AlphaMark a =
                mark.value_or(AlphaMark{std::min(from, uDeg), std::max(from, uDeg), 70, {}, true});
            c.setPen(Qt::black, 1);
            c.DrawArc(X, Y, a.a0 * std::numbers::pi / 180, a.a1 * std::numbers::pi / 180, a.radius);
            const QPointF mid = towards((a.a0 + a.a1) / 2);
            letters.insert(letters.begin(),
                           {mark ? a.letter : QPoint(X, Y) + (mid * (a.radius + 14)).toPoint(),
                            s("α"),
                            {-mid.y(), mid.x()},
                            mid});
            if (a.ahead) {
                // The arrowheads stay beyond the arc.
                const int past = a.radius + 2 * kAxisTail;
                int& head = from == 0 ? headX : headY;
                uHead = std::max(uHead, past);
                head = std::max(head, past);
            }
            axis(c, letters, X, Y, uDeg, reach + kAxisTail, uHead, s("u"));
        }
        axis(c, letters, X, Y, 0, tailX, headX, s("x"));
        axis(c, letters, X, Y, 90, tailY, headY, s("y"));
    }
    Trial t{img, lines == Lines::Kept ? img : QImage(), {}};
    img = QImage();
    t.letters = placeLetters(t.picture, letters);
    return t;
}

// The box of every pixel that is not the ground.
// The size is read once: QImage's accessors are out of line, and this runs over every pixel
// of each trial canvas.
// Most rows of a trial canvas are bare: a row is first compared whole with a bare row (the
// pictures are RGB32, whose unused byte is always 0xFF).
QRect inkBox(const QImage& img) {
    const int width = img.width(), height = img.height();
    const std::vector<QRgb> bare(static_cast<std::size_t>(width), PageColor);
    int l = width, r = -1, t = height, b = -1;
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        if (std::memcmp(line, bare.data(), bare.size() * sizeof(QRgb)) == 0)
            continue;
        int first = 0;
        while (first < width && !isInk(line[first]))
            ++first;
        if (first == width)
            continue;
        int last = width - 1;
        while (!isInk(line[last]))
            --last;
        l = std::min(l, first), r = std::max(r, last);
        t = std::min(t, y), b = y;
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
        const QImage trial = drawTrial(kind, code, view, k).picture;
        if (trial.isNull() || fits(inkBox(trial)))
            break;
    }
    return k;
}

// One scale for all positions of a kind, so that turning a profile does not resize it.
// Fitted when a kind is first drawn, so that the first picture waits for its own kind only.
double kindScale(Kind kind, PlateView view) {
    // Each kind, then the three views of a kind without positions.
    constexpr std::size_t kSlots = KindCount + 3;
    static std::array<std::once_flag, kSlots> once;
    static std::array<double, kSlots> scales{};
    const bool views = kindInfo(kind).codeCount == 0;
    const std::size_t slot = views ? KindCount + static_cast<std::size_t>(view)
                                   : static_cast<std::size_t>(kindIndex(kind));
    std::call_once(once.at(slot), [&] {
        if (views) {
            scales[slot] = fittedScale(kind, 0, view);
            return;
        }
        double least = 0;
        for (int code = 1; IsValidCode(kind, code); ++code) {
            const double f = fittedScale(kind, code, PlateView::Tab);
            least = code == 1 ? f : std::min(least, f);
        }
        scales[slot] = least;
    });
    return scales[slot];
}

SketchParts drawSketch(Kind kind, int code, PlateView view, Lines lines) {
    const Trial trial = drawTrial(kind, code, view, kindScale(kind, view), lines);
    const QRect box = trial.picture.isNull() ? QRect() : inkBox(trial.picture);
    if (box.isEmpty())
        return {blankSketch(), blankSketch(), {}};
    // Cut out about the middle of the whole drawing, letters included.
    const QRect cut(box.center() - QPoint(SketchSize / 2, SketchSize / 2),
                    QSize(SketchSize, SketchSize));
    SketchParts parts{trial.picture.copy(cut).convertToFormat(QImage::Format_RGB32),
                      lines == Lines::Kept
                          ? trial.lines.copy(cut).convertToFormat(QImage::Format_RGB32)
                          : QImage(),
                      {}};
    for (const QRect& l : trial.letters)
        parts.letters.push_back(l.translated(-cut.topLeft()));
    return parts;
}

SketchParts sketchParts(Kind kind, int code, PlateView view, Lines lines) {
    if (kindInfo(kind).codeCount == 0)
        return drawSketch(kind, 0, view, lines);
    if (!IsValidCode(kind, code))
        return {blankSketch(), blankSketch(), {}};
    return drawSketch(kind, code, PlateView::Tab, lines);
}

} // namespace

QImage OrientationPicture(Kind kind, int code) {
    return sketchParts(kind, code, PlateView::Tab, Lines::Dropped).picture;
}

QImage PlatePicture(PlateView view) {
    return sketchParts(Kind::List, 0, view, Lines::Dropped).picture;
}

SketchParts SketchPartsOf(Kind kind, int code, PlateView view) {
    return sketchParts(kind, code, view, Lines::Kept);
}

} // namespace karo
