#pragma once
// Printing the result sheet: in black and white, at the size it has on the screen, 50 screen
// pixels in from the top-left of the printable area, one page per copy in a single job.
//
//     QPrinter printer;
//     QPrintDialog dialog(&printer, window);
//     if (dialog.exec() == QDialog::Accepted) {
//         QString error;
//         if (!karo::PrintSheet(printer, sheet, printer.copyCount(), window->logicalDpiX(),
//                               window->logicalDpiY(), &error))
//             ... show `error` ...
//     }

#include <QImage>
#include <QRect>
#include <QString>

class QPrinter;

namespace karo {

// The rectangle the sheet is stretched into, in printer pixels: right and bottom exclusive.
struct SheetPrintTarget {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    QRect rect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
};

// (Round(50·scaleX), Round(50·scaleY)) to (Round((width + 50)·scaleX),
// Round((height + 50)·scaleY)), halves to even; the scales are printer dpi over window dpi.
SheetPrintTarget SheetPrintRect(double scaleX, double scaleY, QSize sheetSize);

// Prints `copies` pages (at least one), each with the monochrome sheet in SheetPrintRect for
// the printer's logical dpi over the window's. The copies are drawn as pages of one job, so
// the printer's own copy count is set to 1 first. The job is ended whatever happens. Returns
// false with a message in `error` (may be null) when the job cannot be started or a page
// cannot be added.
//
// A printer that prints to a PDF file writes to a spool file in the user's private folder
// first; the document is checked whole and then written in place of the file the printer
// names, so that a full disk leaves the old file as it was and is reported.
bool PrintSheet(QPrinter& printer, const QImage& sheet, int copies, double windowDpiX,
                double windowDpiY, QString* error);

// True when `pdf` ends in a trailer whose cross-reference table is where the trailer says:
// a document cut short, or missing a piece in the middle, fails this.
bool IsCompletePdf(const QByteArray& pdf);

} // namespace karo
