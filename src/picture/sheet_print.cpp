#include "picture/sheet_print.h"

#include "picture/primitives.h"
#include "picture/result_sheet.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace karo {

SheetPrintTarget SheetPrintRect(double scaleX, double scaleY, QSize sheetSize) {
    constexpr int margin = 50; // screen pixels from the printable area's corner
    return {Round(margin * scaleX), Round(margin * scaleY),
            Round((sheetSize.width() + margin) * scaleX),
            Round((sheetSize.height() + margin) * scaleY)};
}

bool PrintSheet(QPrinter& printer, const QImage& sheet, int copies, double windowDpiX,
                double windowDpiY, QString* error) {
    const auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    if (!(windowDpiX > 0) || !(windowDpiY > 0))
        return fail(QStringLiteral("Неизвестно разрешение экрана."));
    const QImage mono = MonochromeSheet(sheet);

    printer.setCopyCount(1);
    QPainter painter;
    if (!painter.begin(&printer))
        return fail(QStringLiteral("Не удалось начать печать на «%1».")
                        .arg(printer.outputFileName().isEmpty() ? printer.printerName()
                                                                : printer.outputFileName()));
    // From here on the job is open: every way out ends it.
    struct EndJob {
        QPainter& p;
        ~EndJob() {
            if (p.isActive())
                p.end();
        }
    } endJob{painter};

    const QRect target = SheetPrintRect(printer.logicalDpiX() / windowDpiX,
                                        printer.logicalDpiY() / windowDpiY, mono.size())
                             .rect();
    for (int copy = 0; copy < std::max(copies, 1); ++copy) {
        if (copy > 0 && !printer.newPage())
            return fail(QStringLiteral("Не удалось начать новую страницу."));
        painter.drawImage(target, mono);
    }
    if (!painter.end())
        return fail(QStringLiteral("Не удалось завершить печать."));
    return true;
}

} // namespace karo
