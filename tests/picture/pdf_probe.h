#pragma once
// Reads back what the printer wrote into a PDF file: the number of pages, and where each
// page's image was placed, from the page content streams (Flate-compressed, as QPrinter
// writes them).

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QRectF>
#include <QRegularExpression>
#include <QString>

#include <cmath>

namespace karo::test {

struct PdfProbe {
    int pages = 0;
    int monoImages = 0;       // images of one bit per pixel
    QList<QRectF> placements; // one per image drawn, in printer pixels
};

inline QByteArray inflate(const QByteArray& zlib) {
    // qUncompress wants the expected length first; a generous one is fine.
    QByteArray withLength(4, '\0');
    const quint32 n = 64u << 20;
    withLength[0] = char(n >> 24), withLength[1] = char(n >> 16);
    withLength[2] = char(n >> 8), withLength[3] = char(n);
    return qUncompress(withLength + zlib);
}

// Images are drawn as "sx 0 0 sy x y cm" then "W 0 0 -H 0 H cm /Im Do" in a painter
// space whose unit is the printer pixel.
inline PdfProbe probePdf(const QString& path, int imageWidth, int imageHeight) {
    PdfProbe p;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return p;
    const QByteArray pdf = f.readAll();
    const QString text = QString::fromLatin1(pdf);
    p.pages = static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
    p.monoImages = static_cast<int>(text.count(
        QRegularExpression(QStringLiteral("/Subtype /Image[^>]*/BitsPerComponent 1\\b"))));
    const QRegularExpression place(
        QStringLiteral("([-\\d.]+) 0 0 ([-\\d.]+) ([-\\d.]+) ([-\\d.]+) cm\\s*%1 0 0 -%2 0 %2 cm")
            .arg(imageWidth)
            .arg(imageHeight));
    qsizetype at = 0;
    while ((at = pdf.indexOf("stream", at)) >= 0) {
        qsizetype start = at + 6;
        if (pdf.mid(start, 2) == "\r\n")
            start += 2;
        else if (pdf.mid(start, 1) == "\n")
            start += 1;
        const qsizetype end = pdf.indexOf("endstream", start);
        if (end < 0)
            break;
        const QString content = QString::fromLatin1(inflate(pdf.mid(start, end - start)));
        for (auto it = place.globalMatch(content); it.hasNext();) {
            const auto m = it.next();
            // The scale is written with eight decimals: corners to a thousandth of a pixel.
            const auto milli = [](double v) { return std::round(v * 1000) / 1000; };
            const double sx = m.captured(1).toDouble(), sy = m.captured(2).toDouble();
            const double x = m.captured(3).toDouble(), y = m.captured(4).toDouble();
            p.placements.append(
                QRectF(QPointF(milli(x), milli(y)),
                       QPointF(milli(x + sx * imageWidth), milli(y + sy * imageHeight))));
        }
        at = end + 9;
    }
    return p;
}

} // namespace karo::test
