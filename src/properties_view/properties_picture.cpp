#include "properties_view/properties_picture.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace karo::properties {
namespace {

// The labels' 13-pixel sans-serif font is at most this wide per letter, Cyrillic included.
constexpr double kLabelCharWidth = 7.5;

// Rings as one path filled with the even-odd rule: a cell inside an outline stays open.
QPainterPath areaPath(const std::vector<std::vector<QPointF>>& rings) {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    for (const auto& ring : rings) {
        path.addPolygon(QPolygonF(QList<QPointF>(ring.begin(), ring.end())));
        path.closeSubpath();
    }
    return path;
}

// What the picture is made of, so that the bitmap and the SVG are one drawing.
class Canvas {
  public:
    virtual ~Canvas() = default;
    // Rings filled with the even-odd rule: a cell inside an outline stays open.
    virtual void area(const std::vector<std::vector<QPointF>>& rings, QColor fill, QColor stroke,
                      double width) = 0;
    virtual void line(QPointF a, QPointF b, QColor colour, double width, bool dashed) = 0;
    virtual void text(QPointF at, const QString& s, QColor colour) = 0;
    // How wide `s` is written: the SVG's reader picks its own sans-serif font, so there a
    // generous guess.
    virtual double textWidth(const QString& s) const { return kLabelCharWidth * s.size(); }
};

class PainterCanvas : public Canvas {
  public:
    explicit PainterCanvas(QPainter& p) : p_(p) {}
    void area(const std::vector<std::vector<QPointF>>& rings, QColor fill, QColor stroke,
              double width) override {
        const QPainterPath path = areaPath(rings);
        p_.setPen(width > 0 ? QPen(stroke, width) : QPen(Qt::NoPen));
        p_.setBrush(fill.alpha() == 0 ? QBrush(Qt::NoBrush) : QBrush(fill));
        p_.drawPath(path);
    }
    void line(QPointF a, QPointF b, QColor colour, double width, bool dashed) override {
        QPen pen(colour, width);
        if (dashed)
            pen.setStyle(Qt::DashDotLine);
        p_.setPen(pen);
        p_.drawLine(a, b);
    }
    void text(QPointF at, const QString& s, QColor colour) override {
        p_.setPen(colour);
        p_.drawText(at, s);
    }
    double textWidth(const QString& s) const override {
        return QFontMetricsF(p_.font()).horizontalAdvance(s) + 2;
    }

  private:
    QPainter& p_;
};

class SvgCanvas : public Canvas {
  public:
    QString body;
    void area(const std::vector<std::vector<QPointF>>& rings, QColor fill, QColor stroke,
              double width) override {
        QString d;
        for (const auto& ring : rings) {
            for (std::size_t i = 0; i < ring.size(); ++i)
                d += QStringLiteral("%1%2 %3 ")
                         .arg(i == 0 ? QLatin1Char('M') : QLatin1Char('L'))
                         .arg(ring[i].x(), 0, 'f', 2)
                         .arg(ring[i].y(), 0, 'f', 2);
            d += QStringLiteral("Z ");
        }
        body += QStringLiteral("<path d=\"%1\" fill-rule=\"evenodd\" %2 %3/>\n")
                    .arg(d.trimmed(), paint(QStringLiteral("fill"), fill),
                         width > 0 ? paint(QStringLiteral("stroke"), stroke) +
                                         QStringLiteral(" stroke-width=\"%1\"").arg(width)
                                   : QStringLiteral("stroke=\"none\""));
    }
    void line(QPointF a, QPointF b, QColor colour, double width, bool dashed) override {
        body += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" %5 "
                               "stroke-width=\"%6\"%7/>\n")
                    .arg(a.x(), 0, 'f', 2)
                    .arg(a.y(), 0, 'f', 2)
                    .arg(b.x(), 0, 'f', 2)
                    .arg(b.y(), 0, 'f', 2)
                    .arg(paint(QStringLiteral("stroke"), colour))
                    .arg(width)
                    .arg(dashed ? QStringLiteral(" stroke-dasharray=\"8 3 2 3\"") : QString());
    }
    void text(QPointF at, const QString& s, QColor colour) override {
        body += QStringLiteral("<text x=\"%1\" y=\"%2\" %3>%4</text>\n")
                    .arg(at.x(), 0, 'f', 2)
                    .arg(at.y(), 0, 'f', 2)
                    .arg(paint(QStringLiteral("fill"), colour), s.toHtmlEscaped());
    }

  private:
    static QString paint(const QString& what, QColor c) {
        if (c.alpha() == 0)
            return what + QStringLiteral("=\"none\"");
        QString s = QStringLiteral("%1=\"%2\"").arg(what, c.name(QColor::HexRgb));
        if (c.alpha() < 255)
            s += QStringLiteral(" %1-opacity=\"%2\"").arg(what).arg(c.alphaF(), 0, 'f', 2);
        return s;
    }
};

constexpr int kMargin = 28;

// The tints of separate parts, in turn.
const QColor kPartTints[] = {QColor(176, 196, 222), QColor(200, 220, 180), QColor(230, 205, 170),
                             QColor(210, 190, 225)};

void draw(const PropertiesSnapshot& s, const PictureOptions& opt, Canvas& c) {
    if (!s.solved() || s.solids.empty())
        return;
    const OutlineProperties& o = s.result.outline;
    // Everything about the centroid: the solid's box, and the shear centre that may stand
    // outside it.
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
    const auto extend = [&](double x, double y) {
        xmin = std::min(xmin, x), xmax = std::max(xmax, x);
        ymin = std::min(ymin, y), ymax = std::max(ymax, y);
    };
    for (const Solid& solid : s.solids)
        for (const Pt& p : solid.outer)
            extend(p.x - o.Xc, p.y - o.Yc);
    if (s.result.xs)
        extend(*s.result.xs, *s.result.ys);
    const double w = opt.width - 2 * kMargin, h = opt.height - 2 * kMargin;
    const double k = std::min(w / std::max(xmax - xmin, 1e-12), h / std::max(ymax - ymin, 1e-12));
    const double ox = kMargin + (w - k * (xmax - xmin)) / 2 - k * xmin;
    const double oy = kMargin + (h - k * (ymax - ymin)) / 2 + k * ymax;
    const auto at = [&](double x, double y) { return QPointF(ox + k * x, oy - k * y); };
    const auto ring = [&](const Ring& r, double dx, double dy) {
        std::vector<QPointF> out;
        out.reserve(r.size());
        for (const Pt& p : r)
            out.push_back(at(p.x - dx, p.y - dy));
        return out;
    };

    int part = 0;
    QPainterPath body; // whose outlines a label must not cross
    for (const Solid& solid : s.solids) {
        std::vector<std::vector<QPointF>> rings{ring(solid.outer, o.Xc, o.Yc)};
        for (const Ring& cell : solid.cells)
            rings.push_back(ring(cell, o.Xc, o.Yc));
        c.area(rings, kPartTints[part++ % std::size(kPartTints)], QColor(30, 30, 30), 1.2);
        body.addPath(areaPath(rings));
    }
    if (opt.mesh)
        for (const auto& t : s.mesh.triangles) {
            const auto node = [&](int i) {
                const Pt& p = s.mesh.nodes[static_cast<std::size_t>(i)];
                return at(p.x, p.y);
            };
            c.area({{node(t[0]), node(t[1]), node(t[2])}}, QColor(0, 0, 0, 0), QColor(90, 90, 90),
                   0.4);
        }

    // The kern over the solid, seen through.
    if (o.kern_polygon.size() >= 3)
        c.area({ring(o.kern_polygon, 0, 0)}, QColor(255, 140, 0, 110), QColor(200, 90, 0), 1.2);

    // Axes through the whole picture: central x and y, principal u and v, the plastic axes.
    const double reach = std::hypot(opt.width, opt.height) / k;
    std::vector<std::pair<QPointF, QPointF>> axes; // a point and the direction, in pixels
    // Labels at the picture's edge: the central and principal axes' on their positive side,
    // the plastic axes' on the other, so that both show where the axes coincide.
    const auto axis = [&](double x, double y, double degrees, QColor colour, bool dashed,
                          const QString& label, double side) {
        const double a = degrees * std::numbers::pi / 180;
        const double dx = std::cos(a), dy = std::sin(a);
        c.line(at(x - reach * dx, y - reach * dy), at(x + reach * dx, y + reach * dy), colour, 1,
               dashed);
        axes.emplace_back(at(x, y), QPointF(dx, -dy));
        const double labelWidth = 8.0 * label.size();
        const auto inside = [&](double tt) {
            const QPointF p = at(x + tt * dx, y + tt * dy);
            return p.x() >= 4 && p.x() + labelWidth <= opt.width - 2 && p.y() >= 16 &&
                   p.y() <= opt.height - 6;
        };
        double t = side * reach;
        while (std::fabs(t) > 0 && !inside(t))
            t -= side * reach / 200;
        c.text(at(x + t * dx, y + t * dy) + QPointF(2, -3), label, colour);
    };
    axis(0, o.y_pl, 0, QColor(0, 130, 0), false, QStringLiteral("x_pl"), -1);
    axis(o.x_pl, 0, 90, QColor(0, 130, 0), false, QStringLiteral("y_pl"), -1);
    axis(0, 0, 0, Qt::black, true, QStringLiteral("x"), 1);
    axis(0, 0, 90, Qt::black, true, QStringLiteral("y"), 1);
    if (std::fabs(o.Ixy) > 1e-12 * (o.Ix + o.Iy)) {
        axis(0, 0, o.uAngle, QColor(0, 0, 200), true, QStringLiteral("u"), 1);
        axis(0, 0, o.uAngle + 90, QColor(200, 0, 0), true, QStringLiteral("v"), 1);
    }

    // The centroid, and the shear centre marked as a ring with a cross.
    const auto mark = [&](double x, double y, QColor colour, const QString& label,
                          QPointF labelAt) {
        const QPointF p = at(x, y);
        std::vector<QPointF> circle;
        for (int i = 0; i < 24; ++i)
            circle.push_back(p + 5.0 * QPointF(std::cos(i * std::numbers::pi / 12),
                                               std::sin(i * std::numbers::pi / 12)));
        c.area({circle}, QColor(255, 255, 255), colour, 1.6);
        c.line(p - QPointF(7, 0), p + QPointF(7, 0), colour, 1.2, false);
        c.line(p - QPointF(0, 7), p + QPointF(0, 7), colour, 1.2, false);
        if (!label.isEmpty())
            c.text(p + labelAt, label, colour);
    };
    // The centroid's label above to the left. The shear centre's, long, goes below to the right
    // where it crosses neither the solid's outline nor an axis, else to the nearest
    // place about the mark that does, with a line back to it when it stands off.
    mark(0, 0, Qt::black, QStringLiteral("C"), QPointF(-16, -8));
    if (!s.result.xs)
        return;
    const QString label = QCoreApplication::translate("PropertiesTable", "S — центр изгиба");
    const QColor colour(160, 0, 160);
    const QPointF centre = at(*s.result.xs, *s.result.ys);
    const QSizeF size(c.textWidth(label), 17); // the descenders included
    const auto clear = [&](const QRectF& r) {
        if (r.left() < 2 || r.right() > opt.width - 2 || r.top() < 2 || r.bottom() > opt.height - 2)
            return false;
        // Wholly on the solid or wholly off it, the letters stay readable; the kern, seen
        // through, may lie under them.
        if (body.intersects(r) && !body.contains(r))
            return false;
        const QPointF corners[] = {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()};
        for (const auto& [p, d] : axes) { // crossed when the corners lie on both sides
            int sides = 0;
            for (const QPointF& q : corners)
                sides |= (d.x() * (q.y() - p.y()) - d.y() * (q.x() - p.x()) > 0) ? 1 : 2;
            if (sides == 3)
                return false;
        }
        return true;
    };
    // The label's box at `gap` pixels from the mark's centre in the direction `angle`, the
    // box's nearest corner towards it.
    const auto boxAt = [&](double gap, double angle) {
        const QPointF d(std::cos(angle), std::sin(angle));
        const QPointF corner = centre + gap * d;
        return QRectF(d.x() >= 0 ? corner.x() : corner.x() - size.width(),
                      d.y() >= 0 ? corner.y() : corner.y() - size.height(), size.width(),
                      size.height());
    };
    QRectF box = boxAt(9, std::numbers::pi / 4);
    bool found = clear(box);
    for (double gap = 9; gap <= 180 && !found; gap += 9)
        for (int i = 0; i < 16 && !found; ++i) {
            const QRectF candidate = boxAt(gap, std::numbers::pi / 4 + i * std::numbers::pi / 8);
            if (clear(candidate))
                box = candidate, found = true;
        }
    mark(*s.result.xs, *s.result.ys, colour, QString(), QPointF());
    const QPointF near(std::clamp(centre.x(), box.left(), box.right()),
                       std::clamp(centre.y(), box.top(), box.bottom()));
    if (QLineF(centre, near).length() > 12)
        c.line(centre, near, colour, 0.8, false);
    c.text(box.bottomLeft() - QPointF(0, 4), label, colour);
}

} // namespace

QImage DrawPropertiesPicture(const PropertiesSnapshot& s, const PictureOptions& options) {
    QImage image(std::max(1, options.width), std::max(1, options.height), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f = p.font();
    f.setPixelSize(13);
    p.setFont(f);
    PainterCanvas canvas(p);
    draw(s, options, canvas);
    return image;
}

QByteArray PropertiesPictureSvg(const PropertiesSnapshot& s, const PictureOptions& options) {
    SvgCanvas canvas;
    draw(s, options, canvas);
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                          "viewBox=\"0 0 %1 %2\" font-family=\"sans-serif\" font-size=\"13\">\n"
                          "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n%3</svg>\n")
        .arg(options.width)
        .arg(options.height)
        .arg(canvas.body)
        .toUtf8();
}

} // namespace karo::properties
