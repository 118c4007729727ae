#include "picture/primitives.h"

#include <utility>

#include <QFontMetrics>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <tuple>
#include <vector>

namespace karo {

int Round(double v) {
    if (std::isnan(v))
        return 0;
    const double r = std::nearbyint(v); // the default rounding mode: halves to even
    if (r > PixelLimit)
        return PixelLimit;
    if (r < -PixelLimit)
        return -PixelLimit;
    return static_cast<int>(r);
}

namespace {

// The cosine and sine of a segment's angle; the segments of a profile share one angle.
struct Turn {
    double c, s;
};

Turn turnOf(double angle) {
    thread_local double last = std::numeric_limits<double>::quiet_NaN();
    thread_local Turn turn{1, 0};
    if (angle != last) {
        turn = {std::cos(angle), std::sin(angle)};
        last = angle;
    }
    return turn;
}

} // namespace

void RotateSegment(int OriginX, int OriginY, TRotatedSegment s, TPixelSegment& p) {
    const auto [c, sn] = turnOf(s.Angle);
    p.X1 = OriginX + Round(s.X1 * c - s.Y1 * sn);
    p.Y1 = OriginY - Round(s.X1 * sn + s.Y1 * c);
    p.X2 = OriginX + Round(s.X2 * c - s.Y2 * sn);
    p.Y2 = OriginY - Round(s.X2 * sn + s.Y2 * c);
}

void RotateSegmentMirrored(int OriginX, int OriginY, TRotatedSegment s, TPixelSegment& p) {
    const auto [c, sn] = turnOf(s.Angle);
    p.X1 = OriginX - Round(s.X1 * c - s.Y1 * sn);
    p.Y1 = OriginY - Round(s.X1 * sn + s.Y1 * c);
    p.X2 = OriginX - Round(s.X2 * c - s.Y2 * sn);
    p.Y2 = OriginY - Round(s.X2 * sn + s.Y2 * c);
}

Canvas::Canvas(QImage& image) : image_(image) {}

Canvas::~Canvas() {
    endLayer();
    endPainting();
}

QPainter& Canvas::painter() {
    if (!painter_) {
        painter_.emplace(&target());
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, false);
    }
    return *painter_;
}

void Canvas::endPainting() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

void Canvas::setPen(QColor color, int width) {
    penColor_ = color;
    penWidth_ = width;
}

void Canvas::setBrush(QColor color) {
    brushColor_ = color;
}

void Canvas::setFont(const QFont& font) {
    font_ = font;
}

void Canvas::touch(int x, int y) {
    const QRect r(x - penWidth_, y - penWidth_, 2 * penWidth_ + 1, 2 * penWidth_ + 1);
    touched_ = touched_.isNull() ? r : touched_.united(r);
}

void Canvas::resetTouched() {
    touched_ = QRect();
}

// The pixels one stroke sets, as runs along rows about the stroke's origin pixel. The raster
// engine sets the same pixels for a stroke moved by whole pixels, so each shape is drawn
// once, on a scratch image, and then copied wherever it is drawn again: a section draws the
// same corners and edges for every profile of a kind.
struct Stamp {
    struct Run {
        int y, x0, x1;
    };
    std::vector<Run> runs;
};

namespace {

// One blank layer per thread, kept white between uses and reused while the picture size
// stays the same: a section of many profiles draws each on it in turn.
thread_local QImage threadLayer;

QImage& blankLayer(QSize size) {
    if (threadLayer.size() != size) {
        threadLayer = QImage(size, QImage::Format_RGB32);
        threadLayer.fill(PageColor);
    }
    return threadLayer;
}

// What identifies a stroke's shape: for a line its extent and pen, for an arc its radius,
// angles (sixteenths of a degree) and pen.
struct StampKey {
    int kind, a, b, c, width;
    bool operator<(const StampKey& o) const {
        return std::tie(kind, a, b, c, width) < std::tie(o.kind, o.a, o.b, o.c, o.width);
    }
};

// Draws with `draw` on a scratch image whose origin pixel is at (origin, origin), and
// collects the pixels it set.
template <class Draw> Stamp makeStamp(int side, int origin, int penWidth, Draw draw) {
    QImage scratch(side, side, QImage::Format_RGB32);
    constexpr QRgb kWhite = 0xFFFFFFFF;
    scratch.fill(kWhite);
    {
        QPainter p(&scratch);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(Qt::black, penWidth));
        p.setBrush(Qt::NoBrush);
        draw(p);
    }
    Stamp s;
    for (int y = 0; y < side; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < side;) {
            if (row[x] == kWhite) {
                ++x;
                continue;
            }
            const int from = x;
            while (x < side && row[x] != kWhite)
                ++x;
            s.runs.push_back({y - origin, from - origin, x - 1 - origin});
        }
    }
    return s;
}

// The stamps made so far on this thread, dropped all at once when they grow many.
template <class Make> const Stamp& stampFor(const StampKey& key, Make make) {
    thread_local std::map<StampKey, Stamp> stamps;
    auto it = stamps.find(key);
    if (it == stamps.end()) {
        if (stamps.size() >= 4096)
            stamps.clear();
        it = stamps.emplace(key, make()).first;
    }
    return it->second;
}

} // namespace

void Canvas::stamp(const Stamp& s, int X, int Y) {
    QImage& image = target();
    const QRgb ink = penColor_.rgb();
    const int w = image.width(), h = image.height();
    QRgb* const bits = reinterpret_cast<QRgb*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    for (const Stamp::Run& r : s.runs) {
        const int y = Y + r.y;
        if (y < 0 || y >= h)
            continue;
        const int x0 = std::max(X + r.x0, 0), x1 = std::min(X + r.x1, w - 1);
        QRgb* row = bits + y * stride;
        for (int x = x0; x <= x1; ++x)
            row[x] = ink;
    }
}

void Canvas::beginLayer() {
    endLayer();
    endPainting();
    if (std::exchange(nextLayerOnGround_, false))
        return;
    layer_ = &blankLayer(image_.size());
}

void Canvas::endLayer() {
    if (!layer_)
        return;
    endPainting();
    // The pen's reach beyond the touched points, and a margin, bound everything drawn.
    const int reach = penWidth_ + 2;
    const QRect box = touched_.adjusted(-reach, -reach, reach, reach) & image_.rect();
    constexpr QRgb kWhite = 0xFFFFFFFF;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        auto* from = reinterpret_cast<QRgb*>(layer_->scanLine(y));
        auto* to = reinterpret_cast<QRgb*>(image_.scanLine(y));
        for (int x = box.left(); x <= box.right(); ++x) {
            if ((from[x] & 0x00FFFFFF) == 0)
                to[x] = from[x];
            from[x] = kWhite;
        }
    }
    layer_ = nullptr;
}

void Canvas::DrawLine(int X1, int Y1, int X2, int Y2) {
    const int dx = X2 - X1, dy = Y2 - Y1, pen = penWidth_;
    // A line as long as the picture is drawn directly: it will not come again.
    if (std::abs(dx) + std::abs(dy) > 512) {
        QPainter& p = painter();
        p.setPen(QPen(penColor_, penWidth_));
        p.drawLine(X1, Y1, X2, Y2);
    } else {
        const int margin = pen + 2;
        const int origin = std::max(std::abs(dx), std::abs(dy)) + margin;
        stamp(stampFor({0, dx, dy, 0, pen},
                       [&] {
                           return makeStamp(2 * origin + 1, origin, pen, [&](QPainter& p) {
                               p.drawLine(origin, origin, origin + dx, origin + dy);
                           });
                       }),
              X1, Y1);
    }
    touch(X1, Y1);
    touch(X2, Y2);
}

namespace {

// An arc about its centre pixel: the rounded radius and angles it is drawn with, and the
// points it reaches, about the centre.
struct ArcShape {
    int R = 0, start16 = 0, span16 = 0;
    std::vector<QPoint> reach;
};

ArcShape arcShape(double StartAngle, double EndAngle, double Radius) {
    ArcShape a;
    const int R = a.R = Round(Radius);
    const int sx = Round(Radius * std::cos(StartAngle)), sy = Round(Radius * std::sin(StartAngle));
    const int ex = Round(Radius * std::cos(EndAngle)), ey = Round(Radius * std::sin(EndAngle));
    // The arc runs from the ray through the start point to the ray through the end point.
    constexpr double deg = 180 / std::numbers::pi;
    const double a0 = std::atan2(sy, sx) * deg;
    double span = std::atan2(ey, ex) * deg - a0;
    while (span <= 0)
        span += 360;
    if (sx == ex && sy == ey)
        span = 360;
    a.start16 = static_cast<int>(std::lround(a0 * 16));
    a.span16 = static_cast<int>(std::lround(span * 16));

    const auto at = [&](double degrees) {
        return QPoint(Round(R * std::cos(degrees / deg)), -Round(R * std::sin(degrees / deg)));
    };
    a.reach.push_back(at(a0));
    a.reach.push_back(at(a0 + span));
    // The arc's outermost points where it crosses the axis directions.
    for (int q = -360; q <= 720; q += 90) {
        if (q > a0 && q < a0 + span)
            a.reach.push_back(at(q));
    }
    return a;
}

// The same arcs come again for every profile of a kind: their shapes are kept, by the exact
// angles and radius asked for.
const ArcShape& arcShapeFor(double StartAngle, double EndAngle, double Radius) {
    if (!std::isfinite(StartAngle) || !std::isfinite(EndAngle) || !std::isfinite(Radius)) {
        thread_local ArcShape odd;
        odd = arcShape(StartAngle, EndAngle, Radius);
        return odd;
    }
    thread_local std::map<std::tuple<double, double, double>, ArcShape> shapes;
    const auto key = std::make_tuple(StartAngle, EndAngle, Radius);
    auto it = shapes.find(key);
    if (it == shapes.end()) {
        if (shapes.size() >= 4096)
            shapes.clear();
        it = shapes.emplace(key, arcShape(StartAngle, EndAngle, Radius)).first;
    }
    return it->second;
}

} // namespace

void Canvas::DrawArc(int X, int Y, double StartAngle, double EndAngle, double Radius) {
    const ArcShape& a = arcShapeFor(StartAngle, EndAngle, Radius);
    const int R = a.R;
    if (R > 256) {
        QPainter& p = painter();
        p.setPen(QPen(penColor_, penWidth_));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(X - R, Y - R, 2.0 * R, 2.0 * R), a.start16, a.span16);
    } else {
        const int pen = penWidth_;
        const int origin = R + pen + 2;
        stamp(stampFor({1, R, a.start16, a.span16, pen},
                       [&] {
                           return makeStamp(2 * origin + 1, origin, pen, [&](QPainter& p) {
                               p.drawArc(QRectF(origin - R, origin - R, 2.0 * R, 2.0 * R),
                                         a.start16, a.span16);
                           });
                       }),
              X, Y);
    }
    for (const QPoint& p : a.reach)
        touch(X + p.x(), Y + p.y());
}

void Canvas::FillRect(int X1, int Y1, int X2, int Y2) {
    painter().fillRect(QRect(QPoint(X1, Y1), QPoint(X2 - 1, Y2 - 1)), brushColor_);
}

void Canvas::TextOut(int X, int Y, const QString& text) {
    QPainter& p = painter();
    p.setFont(font_);
    const QFontMetrics fm(font_, &image_);
    p.fillRect(QRect(X, Y, fm.horizontalAdvance(text), fm.height()), brushColor_);
    p.setPen(QPen(Qt::black));
    p.drawText(QPoint(X, Y + fm.ascent()), text);
}

void Canvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    const int l = std::min(X1, X2), r = std::max(X1, X2);
    const int t = std::min(Y1, Y2), b = std::max(Y1, Y2);
    QPainter& p = painter();
    p.setPen(QPen(penColor_, penWidth_));
    p.setBrush(brushColor_);
    // A one-pixel pen outlines the box's right and bottom edges as well; the box excludes them.
    p.drawEllipse(QRectF(l, t, r - l - 1, b - t - 1));
}

void Canvas::HatchFill(int X, int Y, const QRect& confine) {
    endPainting();
    QImage& image = target();
    const QRect box = confine & image.rect();
    if (box.isEmpty() || !box.contains(X, Y))
        return;
    QRgb* const bits = reinterpret_cast<QRgb*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    const auto line = [&](int y) { return bits + y * stride; };
    const auto isBorder = [&](int x, int y) { return (line(y)[x] & 0x00FFFFFF) == 0; };
    if (isBorder(X, Y))
        return;

    // Find the region first and paint it afterwards, so that the fill's own hatch lines
    // do not cut the region into strips.
    const int w = box.width(), h = box.height();
    const int x0 = box.left(), y0 = box.top();
    std::vector<unsigned char> mark(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    const auto marked = [&](int x, int y) -> unsigned char& {
        return mark[static_cast<std::size_t>(y - y0) * static_cast<std::size_t>(w) +
                    static_cast<std::size_t>(x - x0)];
    };
    const auto open = [&](int x, int y) { return !marked(x, y) && !isBorder(x, y); };

    std::vector<QPoint> stack{QPoint(X, Y)};
    while (!stack.empty()) {
        const QPoint s = stack.back();
        stack.pop_back();
        const int y = s.y();
        if (!open(s.x(), y))
            continue;
        int xl = s.x(), xr = s.x();
        while (xl > box.left() && open(xl - 1, y))
            --xl;
        while (xr < box.right() && open(xr + 1, y))
            ++xr;
        for (int x = xl; x <= xr; ++x)
            marked(x, y) = 1;
        for (int ny : {y - 1, y + 1}) {
            if (ny < box.top() || ny > box.bottom())
                continue;
            bool inRun = false;
            for (int x = xl; x <= xr; ++x) {
                const bool o = open(x, ny);
                if (o && !inRun)
                    stack.emplace_back(x, ny);
                inRun = o;
            }
        }
    }

    constexpr QRgb black = 0xFF000000, white = 0xFFFFFFFF;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        QRgb* row = line(y);
        for (int x = box.left(); x <= box.right(); ++x) {
            if (marked(x, y))
                row[x] = HatchPixel(x, y) ? black : white;
        }
    }
}

} // namespace karo
