#include "picture/section_picture.h"

#include "picture/outlines.h"

#include <QFont>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace karo {

namespace {

// Distances closer than this to a maximum count as reaching it. A tolerance on lengths in cm,
// not the rule on moments in solver.h, though the number is the same: the marks must follow the
// maxima even if that rule changes.
constexpr double kTiny = 1e-15;
// The section's box is fitted into a square of this side about the picture's centre.
constexpr double kFitSide = 260;
constexpr int kCentre = 195;

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

} // namespace

QPoint PicturePlacement::pixelOf(double x, double y) const {
    return {Round((x - xmin) * k) + offX, Round((ymax - y) * k) + offY};
}

PicturePlacement PlaceSection(const TSectionResult& r) {
    PicturePlacement p;
    p.xmin = r.XMin - r.xc;
    p.xmax = r.XMax - r.xc;
    p.ymin = r.YMin - r.yc;
    p.ymax = r.YMax - r.yc;
    const double W = p.xmax - p.xmin, H = p.ymax - p.ymin;
    // A section without extent has no scale; it is left undrawn rather than divided by zero.
    if (!(std::max(W, H) > 0) || !std::isfinite(W) || !std::isfinite(H))
        return p;
    p.k = W > H ? kFitSide / W : kFitSide / H;
    p.offX = kCentre - Round(W / 2 * p.k);
    p.offY = kCentre - Round(H / 2 * p.k);
    p.O = Round(-p.xmin * p.k) + p.offX;
    p.P = Round(p.ymax * p.k) + p.offY;
    p.valid = true;
    return p;
}

SectionPicture::SectionPicture() : image_(Size, Size, QImage::Format_RGB32) {
    image_.fill(PageColor);
}

QFont SectionPicture::labelFont() {
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(19); // 14 points on a 96 dpi screen
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

void SectionPicture::clear() {
    place_ = PicturePlacement();
    Canvas c(image_);
    c.setBrush(QColor::fromRgb(PageColor));
    c.FillRect(0, 0, Size, Size);
}

void SectionPicture::draw(const TSectionModel& m, const TSectionResult& r) {
    clear();
    if (!r.reachedStage(SolveStage::Centroid))
        return;
    place_ = PlaceSection(r);
    if (!place_.valid)
        return;
    // Each entry is outlined once its central terms are summed, in walk order.
    const auto summed =
        std::min<std::size_t>(static_cast<std::size_t>(r.summedEntries), r.Entries.size());
    for (std::size_t i = 0; i < summed; ++i) {
        const SolvedEntry& s = r.Entries[i];
        const QPoint at = place_.pixelOf(s.Xc - r.xc, s.Yc - r.yc);
        Canvas c(image_);
        DrawEntryOutline(c, at.x(), at.y(), m, s.kind, s.number, place_.k);
    }
    if (r.reachedStage(SolveStage::Principal))
        drawAxes(r);
    if (r.reachedStage(SolveStage::Extremes))
        drawMarks(r);
}

QImage DrawSectionPicture(const TSectionModel& m, const TSectionResult& r) {
    SectionPicture picture;
    picture.draw(m, r);
    return picture.image();
}

void SectionPicture::drawAxes(const TSectionResult& r) {
    const double k = place_.k;
    const int O = place_.O, P = place_.P;
    constexpr int lo = FrameMin, hi = FrameMax;

    Canvas c(image_);
    c.setPen(Qt::black, 1);
    c.setFont(labelFont());
    c.setBrush(QColor::fromRgb(PageColor));

    const auto horizontalAxis = [&](int row, const QString& label) {
        c.DrawLine(lo, row, hi, row);
        c.DrawLine(hi - 7, row + 3, hi, row);
        c.DrawLine(hi - 7, row - 3, hi, row);
        c.TextOut(hi, row - 25, label);
    };
    const auto verticalAxis = [&](int col, const QString& label) {
        c.DrawLine(col, hi, col, lo);
        c.DrawLine(col - 3, lo + 7, col, lo);
        c.DrawLine(col + 3, lo + 7, col, lo);
        c.TextOut(col, 0, label);
    };
    // The common axes pass where x' = 0 and y' = 0; they may lie off the picture.
    horizontalAxis(P + Round(r.yc * k), QStringLiteral("x'"));
    verticalAxis(O - Round(r.xc * k), QStringLiteral("y'"));
    horizontalAxis(P, QStringLiteral("x "));
    verticalAxis(O, QStringLiteral("y "));

    const bool equal = MomentsEqual(r);
    const double theta = r.Alpha0 * std::numbers::pi / 180;
    const double cs = std::cos(theta);
    TRotatedSegment seg;
    seg.Angle = theta;
    TPixelSegment px;
    const auto draw = [&](double x1, double y1, double x2, double y2) {
        seg.X1 = x1, seg.Y1 = y1, seg.X2 = x2, seg.Y2 = y2;
        RotateSegment(O, P, seg, px);
        c.DrawLine(px.X1, px.Y1, px.X2, px.Y2);
    };

    // The principal axis along θ, clipped to the frame.
    int t1 = Round((lo - O) / cs), t2 = Round((hi - O) / cs);
    if (theta > 0) {
        const double sn = std::sin(theta);
        const int a = -Round((hi - P) / sn), b = Round((P - lo) / sn);
        if (a > t1)
            t1 = a;
        if (b < t2)
            t2 = b;
    } else if (theta < 0) {
        const double sn = std::sin(-theta);
        const int a = -Round((P - lo) / sn), b = Round((hi - P) / sn);
        if (a > t1)
            t1 = a;
        if (b < t2)
            t2 = b;
    }
    draw(t1, 0, t2, 0);
    c.TextOut(px.X2, px.Y2 - 25,
              equal ? QStringLiteral("v")
                    : (r.Ix > r.Iy ? QStringLiteral("v ") : QStringLiteral("u ")));
    draw(t2 - 7, -3, t2, 0);
    draw(t2 - 7, 3, t2, 0);

    // The principal axis across it.
    int s1 = Round((P - lo) / cs), s2 = -Round((hi - P) / cs);
    if (theta > 0) {
        const double sn = std::sin(theta);
        const int a = -Round((lo - O) / sn), b = -Round((hi - O) / sn);
        if (a < s1)
            s1 = a;
        if (b > s2)
            s2 = b;
    } else if (theta < 0) {
        const double sn = std::sin(-theta);
        const int a = Round((hi - O) / sn), b = Round((lo - O) / sn);
        if (a < s1)
            s1 = a;
        if (b > s2)
            s2 = b;
    }
    draw(0, s1, 0, s2);
    c.TextOut(px.X1, px.Y1 - 25,
              equal ? QStringLiteral("u")
                    : (r.Ix < r.Iy ? QStringLiteral("v ") : QStringLiteral("u ")));
    draw(0, s1, -3, s1 - 7);
    draw(0, s1, 3, s1 - 7);

    // The ellipse of inertia u²/iv² + v²/iu² = 1, as two polylines of 50 chords each.
    const double a = r.iv * k, b = r.iu * k;
    if (!(a > 0) || !std::isfinite(a) || !std::isfinite(b))
        return;
    constexpr int steps = 50;
    const bool alongThetaIsV = r.Ix > r.Iy || equal;
    for (const double side : {1.0, -1.0}) {
        double px0 = alongThetaIsV ? 0 : -a, py0 = alongThetaIsV ? -a : 0;
        for (int j = 1; j <= steps; ++j) {
            const double t = -a + j * (2 * a / steps);
            const double across = side * (b / a) * std::sqrt(std::fabs(a * a - t * t));
            const double x = alongThetaIsV ? across : t;
            const double y = alongThetaIsV ? t : across;
            draw(px0, py0, x, y);
            px0 = x, py0 = y;
        }
    }
}

void SectionPicture::drawMarks(const TSectionResult& r) {
    const double k = place_.k;
    Canvas c(image_);
    c.setPen(Qt::black, 1);
    c.setBrush(kRed);
    // The axis at Alpha0 is u when Ix < Iy; red marks the largest distance from v, blue the
    // largest distance from u.
    const bool thetaIsU = AxisAtAlphaIsU(r);
    const std::size_t n = std::min(r.OutlinePoints.size(), r.PointDistances.size());
    for (std::size_t i = 0; i < n; ++i) {
        const TPoint& pt = r.OutlinePoints[i];
        const TPoint& dist = r.PointDistances[i];
        const bool atX = std::fabs(dist.x - r.RotatedXMax) < kTiny;
        const bool atY = std::fabs(dist.y - r.RotatedYMax) < kTiny;
        const bool red = thetaIsU ? atX : atY;
        const bool blue = thetaIsU ? atY : atX;
        const int X = place_.O + Round(pt.x * k), Y = place_.P - Round(pt.y * k);
        if (red)
            c.Ellipse(X - 5, Y + 5, X + 5, Y - 5);
        if (blue) {
            c.setBrush(kBlue);
            if (red)
                c.Ellipse(X - 3, Y + 3, X + 3, Y - 3);
            else
                c.Ellipse(X - 5, Y + 5, X + 5, Y - 5);
            c.setBrush(kRed);
        }
    }
    c.setBrush(QColor::fromRgb(PageColor));
}

} // namespace karo
