#pragma once
// The result sheet: the section picture and the thirteen result values on one framed bitmap
// of 610 × 460 pixels, as it is saved to a file and printed.
//
//     const QImage sheet = karo::BuildResultSheet(picture.image(), fieldTexts);
//     QString error;
//     if (!karo::SaveSheetBmp(sheet, karo::SheetFileName(chosen), &error))
//         ... show `error` ...
//
// Drawing needs a QGuiApplication (fonts); call InstallFontSubstitutes (picture/fonts.h) at
// start-up so that "Tahoma" does not fall to a wider face.

#include "solver/solver.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <array>

namespace karo {

inline constexpr int SheetWidth = 610;
inline constexpr int SheetHeight = 460;

// Where the section picture lands on the sheet (its top-left pixel).
inline constexpr int SheetPictureX = 2;
inline constexpr int SheetPictureY = 21;

// X of the three texts of a value line: the name, "=", the value with its unit.
inline constexpr int SheetNameX = 419;
inline constexpr int SheetEqualsX = 451;
inline constexpr int SheetValueX = 475;

// Y of the value line of a quantity's row (ResultFieldInfo::row).
constexpr int SheetRowY(int row) {
    return 54 + 24 * row;
}

// The texts of the result fields, in the order of the result tab.
using SheetTexts = std::array<QString, ResultFieldCount>;

// The texts a solve wrote into the result fields.
SheetTexts ResultFieldTexts(const TSectionResult& r);

// Fonts of the sheet, in pixels as a 96 dpi screen sizes them, without antialiasing:
// the title ("Tahoma" 10, bold) and the value lines ("Times New Roman" 14, its
// superscripts 10).
QFont SheetTitleFont();
QFont SheetValueFont();
QFont SheetSuperscriptFont();

// Composes the sheet from the picture (390 × 390; PageColor pixels become the sheet's white)
// and the texts the result fields show. Format_RGB32.
QImage BuildResultSheet(const QImage& picture, const SheetTexts& fieldTexts);

// The file name the sheet is saved under: whatever extension the chosen name has is replaced
// by ".bmp", and a name without one gets ".bmp" appended. Only the last path component is
// looked at; a leading dot (a hidden file's name) is not an extension.
QString SheetFileName(QString chosen);

// SheetFileName(chosen) when the chosen name may be written: a regular file or a new name in
// a writable folder. A device, a FIFO or a folder is refused with the message in `error`
// (may be null): its name with ".bmp" would be a new file beside it, not what was chosen.
QString SheetTarget(const QString& chosen, QString* error);

// Writes `sheet` to `path` as a 24-bit BMP. The file is written to a temporary file and renamed
// into place, so a failure leaves neither a truncated file nor a changed old one. On failure
// returns false with the system's reason in `error` (may be null).
bool SaveSheetBmp(const QImage& sheet, const QString& path, QString* error);

// The sheet in black and white, as a printer takes it: white pixels stay white, every other
// pixel turns black. Format_Mono.
QImage MonochromeSheet(const QImage& sheet);

} // namespace karo
