#include "picture/result_sheet.h"

#include "io/safe_file.h"
#include "io/to_qstring.h"
#include "picture/primitives.h"
#include "texts/message_text.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetrics>

#include <algorithm>

namespace karo {

namespace {
// The sheet's texts, Russian as written here, in the language installed.
struct Sheet {
    Q_DECLARE_TR_FUNCTIONS(Sheet)
};

constexpr QRgb kWhite = 0xFFFFFFFF;

// Font sizes in points become pixels as on a 96 dpi screen: 10 pt → 13 px, 14 pt → 19 px.
QFont sheetFont(const char* family, int pixels, bool bold) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

// The unit after a value: the degree sign follows the number, other units stand apart.
QString unitText(const ResultFieldInfo& field) {
    const QString unit = TermText(field.unit);
    return field.unit == "°" ? unit : QLatin1Char(' ') + unit;
}

// Copies the picture onto the sheet; pixels of the picture's ground take the sheet's white.
void copyPicture(QImage& sheet, const QImage& picture) {
    const QImage src = picture.convertToFormat(QImage::Format_RGB32);
    const int w = std::min(src.width(), 390), h = std::min(src.height(), 390);
    for (int y = 0; y < h; ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(sheet.scanLine(SheetPictureY + y)) + SheetPictureX;
        for (int x = 0; x < w; ++x)
            out[x] = in[x] == PageColor ? kWhite : in[x];
    }
}

} // namespace

SheetTexts ResultFieldTexts(const TSectionResult& r) {
    SheetTexts t;
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = QString::fromStdString(r.Texts[i]);
    return t;
}

QFont SheetTitleFont() {
    return sheetFont("Tahoma", 13, true);
}

QFont SheetValueFont() {
    return sheetFont("Times New Roman", 19, false);
}

QFont SheetSuperscriptFont() {
    return sheetFont("Times New Roman", 13, false);
}

QImage BuildResultSheet(const QImage& picture, const SheetTexts& fieldTexts) {
    QImage sheet(SheetWidth, SheetHeight, QImage::Format_RGB32);
    sheet.fill(kWhite);
    copyPicture(sheet, picture);

    Canvas c(sheet);
    c.setBrush(QColor::fromRgb(kWhite));
    c.setFont(SheetTitleFont());
    c.TextOut(8, 2, Sheet::tr("Геометрические характеристики плоских сечений"));
    c.TextOut(125, 428, Sheet::tr("Результаты расчета"));

    const QFont value = SheetValueFont();
    const QFontMetrics valueMetrics(value, &sheet);
    c.setFont(value);
    for (std::size_t i = 0; i < ResultFields.size(); ++i) {
        const ResultFieldInfo& field = ResultFields[i];
        const int y = SheetRowY(field.row);
        if (i != rfAlpha0) {
            c.TextOut(SheetNameX, y, ToQString(field.name));
        } else {
            // α with a lowered "o" as its index: the angle of the principal axes.
            c.TextOut(SheetNameX, 192, ToQString(field.letter));
            c.TextOut(435, 198, ToQString(field.index));
        }
        c.TextOut(SheetEqualsX, y, QStringLiteral("="));
        const QString text = fieldTexts[i] + unitText(field);
        c.TextOut(SheetValueX, y, text);
        if (field.power != 0) {
            // Measured, so that a value of any length keeps its index right after it.
            c.setFont(SheetSuperscriptFont());
            c.TextOut(SheetValueX + valueMetrics.horizontalAdvance(text), y - 2,
                      QString::number(field.power));
            c.setFont(value);
        }
    }

    c.setPen(Qt::black, 2);
    c.DrawLine(0, 1, 609, 1);
    c.DrawLine(609, 1, 609, 459);
    c.DrawLine(609, 459, 1, 459);
    c.DrawLine(1, 459, 1, 0);
    c.DrawLine(1, 20, 609, 20);
    c.DrawLine(1, 412, 393, 412);
    c.DrawLine(393, 20, 393, 459);
    return sheet;
}

QString SheetFileName(QString chosen) {
    const qsizetype nameStart = chosen.lastIndexOf(QLatin1Char('/')) + 1;
    if (nameStart >= chosen.size())
        return chosen; // no file name to give an extension to
    const qsizetype dot = chosen.lastIndexOf(QLatin1Char('.'));
    if (dot > nameStart)
        chosen.truncate(dot);
    return chosen + QStringLiteral(".bmp");
}

namespace {

QString notSavedText(const QString& path, const QString& reason) {
    return Sheet::tr("Не удалось сохранить «%1»: %2.").arg(path, reason);
}

} // namespace

QString SheetTarget(const QString& chosen, QString* error) {
    QString reason;
    if (io::IsWritableTarget(chosen, &reason))
        return SheetFileName(chosen);
    if (error)
        *error = notSavedText(chosen, reason);
    return {};
}

bool SaveSheetBmp(const QImage& sheet, const QString& path, QString* error) {
    const auto fail = [&](const QString& reason) {
        if (error)
            *error = notSavedText(path, reason);
        return false;
    };
    // Encoded in memory first: the file is then written in one checked piece.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        // A 32-bit image is written as 24 bits per pixel.
        if (!sheet.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP"))
            return fail(Sheet::tr("ошибка записи изображения"));
    }
    QString reason;
    if (!io::WriteFileSafely(path, bytes, &reason))
        return fail(reason);
    return true;
}

QImage MonochromeSheet(const QImage& sheet) {
    const QImage src = sheet.convertToFormat(QImage::Format_RGB32);
    QImage mono(src.size(), QImage::Format_Mono);
    mono.setColorCount(2);
    mono.setColor(0, qRgb(0, 0, 0));
    mono.setColor(1, qRgb(255, 255, 255));
    mono.fill(0);
    for (int y = 0; y < src.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < src.width(); ++x) {
            if ((in[x] & 0xFFFFFF) == 0xFFFFFF)
                mono.setPixel(x, y, 1);
        }
    }
    mono.setDotsPerMeterX(src.dotsPerMeterX());
    mono.setDotsPerMeterY(src.dotsPerMeterY());
    return mono;
}

} // namespace karo
