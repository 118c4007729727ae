#include "picture/primitives.h"

#include <QFontMetrics>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <numbers>
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

void RotateSegment(int OriginX, int OriginY, TRotatedSegment s, TPixelSegment& p) {
    const double c = std::cos(s.Angle), sn = std::sin(s.Angle);
    p.X1 = OriginX + Round(s.X1 * c - s.Y1 * sn);
    p.Y1 = OriginY - Round(s.X1 * sn + s.Y1 * c);
    p.X2 = OriginX + Round(s.X2 * c - s.Y2 * sn);
    p.Y2 = OriginY - Round(s.X2 * sn + s.Y2 * c);
}

void RotateSegmentMirrored(int OriginX, int OriginY, TRotatedSegment s, TPixelSegment& p) {
    const double c = std::cos(s.Angle), sn = std::sin(s.Angle);
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

namespace {

// One blank layer per thread, kept white between uses and reused while the picture size
// stays the same: a section of many profiles draws each on it in turn.
QImage& blankLayer(QSize size) {
    thread_local QImage layer;
    if (layer.size() != size) {
        layer = QImage(size, QImage::Format_RGB32);
        layer.fill(PageColor);
    }
    return layer;
}

} // namespace

void Canvas::beginLayer() {
    endLayer();
    endPainting();
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
    QPainter& p = painter();
    p.setPen(QPen(penColor_, penWidth_));
    p.drawLine(X1, Y1, X2, Y2);
    touch(X1, Y1);
    touch(X2, Y2);
}

void Canvas::DrawArc(int X, int Y, double StartAngle, double EndAngle, double Radius) {
    const int R = Round(Radius);
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

    QPainter& p = painter();
    p.setPen(QPen(penColor_, penWidth_));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(X - R, Y - R, 2.0 * R, 2.0 * R), static_cast<int>(std::lround(a0 * 16)),
              static_cast<int>(std::lround(span * 16)));

    touch(X + Round(R * std::cos(a0 / deg)), Y - Round(R * std::sin(a0 / deg)));
    touch(X + Round(R * std::cos((a0 + span) / deg)), Y - Round(R * std::sin((a0 + span) / deg)));
    // The arc's outermost points where it crosses the axis directions.
    for (int q = -360; q <= 720; q += 90) {
        if (q > a0 && q < a0 + span)
            touch(X + Round(R * std::cos(q / deg)), Y - Round(R * std::sin(q / deg)));
    }
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
