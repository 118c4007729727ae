#include "app/glyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace karo::app {

namespace {

constexpr int kGlyph = 16;

QPixmap blankGlyph() {
    QPixmap p(kGlyph, kGlyph);
    p.fill(Qt::transparent);
    return p;
}

QIcon withDisabled(const QPixmap& normal) {
    QIcon icon(normal);
    return icon;
}

} // namespace

QIcon AddGlyph() {
    QPixmap p = blankGlyph();
    QPainter g(&p);
    g.setPen(QPen(QColor(0, 100, 0), 1));
    g.setBrush(QColor(40, 170, 40));
    // A plus made of two bars with a dark rim.
    QPainterPath plus;
    plus.addRect(6.5, 2.5, 3, 11);
    plus.addRect(2.5, 6.5, 11, 3);
    plus.setFillRule(Qt::WindingFill);
    g.drawPath(plus.simplified());
    return withDisabled(p);
}

QIcon EraseGlyph() {
    QPixmap p = blankGlyph();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(120, 0, 0), 4.2, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(4, 4), QPointF(12, 12));
    g.drawLine(QPointF(12, 4), QPointF(4, 12));
    g.setPen(QPen(QColor(220, 40, 40), 2.4, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(4, 4), QPointF(12, 12));
    g.drawLine(QPointF(12, 4), QPointF(4, 12));
    return withDisabled(p);
}

QIcon PlaceGlyph() {
    QPixmap p = blankGlyph();
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    // The profile in place: a grey block; the one placed against it: a blue block on top,
    // with an arrow pointing down at the contact.
    g.setPen(QPen(QColor(60, 60, 60), 1));
    g.setBrush(QColor(170, 170, 170));
    g.drawRect(QRectF(1.5, 9.5, 13, 5));
    g.setPen(QPen(QColor(0, 60, 140), 1));
    g.setBrush(QColor(70, 130, 210));
    g.drawRect(QRectF(4.5, 4.5, 7, 5));
    g.setPen(QPen(QColor(0, 60, 140), 1.4, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(8, 0.5), QPointF(8, 3.5));
    return withDisabled(p);
}

QPixmap AboutPicture(int size) {
    QPixmap p(size, size);
    p.fill(Qt::white);
    QPainter g(&p);
    const double s = size / 100.0;
    // Hatched I-beam section.
    QPainterPath beam;
    beam.addRect(25 * s, 15 * s, 50 * s, 10 * s);
    beam.addRect(45 * s, 25 * s, 10 * s, 50 * s);
    beam.addRect(25 * s, 75 * s, 50 * s, 10 * s);
    beam.setFillRule(Qt::WindingFill);
    beam = beam.simplified();
    g.setPen(Qt::NoPen);
    g.setBrush(QBrush(Qt::black, Qt::BDiagPattern));
    g.drawPath(beam);
    g.setPen(QPen(Qt::black, 1.5));
    g.setBrush(Qt::NoBrush);
    g.drawPath(beam);
    // Central axes.
    g.setPen(QPen(Qt::blue, 1, Qt::DashDotLine));
    g.drawLine(QPointF(8 * s, 50 * s), QPointF(92 * s, 50 * s));
    g.drawLine(QPointF(50 * s, 5 * s), QPointF(50 * s, 95 * s));
    QFont f(QStringLiteral("Times New Roman"));
    f.setPixelSize(std::max(10, static_cast<int>(11 * s)));
    f.setItalic(true);
    g.setFont(f);
    g.setPen(Qt::black);
    g.drawText(QPointF(86 * s, 46 * s), QStringLiteral("x"));
    g.drawText(QPointF(54 * s, 10 * s), QStringLiteral("y"));
    return p;
}

} // namespace karo::app
