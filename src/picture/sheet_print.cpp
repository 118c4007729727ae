#include "picture/sheet_print.h"

#include "io/safe_file.h"
#include "picture/primitives.h"
#include "picture/result_sheet.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <dirent.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace karo {

namespace {
// The sheet's texts, Russian as written here, in the language installed.
struct Sheet {
    Q_DECLARE_TR_FUNCTIONS(Sheet)
};
} // namespace

SheetPrintTarget SheetPrintRect(double scaleX, double scaleY, QSize sheetSize) {
    constexpr int margin = 50; // screen pixels from the printable area's corner
    return {Round(margin * scaleX), Round(margin * scaleY),
            Round((sheetSize.width() + margin) * scaleX),
            Round((sheetSize.height() + margin) * scaleY)};
}

namespace {

bool printPages(QPrinter& printer, const QImage& sheet, int copies, double windowDpiX,
                double windowDpiY, QString* error) {
    const auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    if (!(windowDpiX > 0) || !(windowDpiY > 0))
        return fail(Sheet::tr("Неизвестно разрешение экрана."));
    const QImage mono = MonochromeSheet(sheet);

    printer.setCopyCount(1);
    QPainter painter;
    if (!painter.begin(&printer))
        return fail(Sheet::tr("Не удалось начать печать на «%1».")
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
            return fail(Sheet::tr("Не удалось начать новую страницу."));
        painter.drawImage(target, mono);
    }
    if (!painter.end())
        return fail(Sheet::tr("Не удалось завершить печать."));
    return true;
}

const QByteArray kSpoolPrefix = QByteArrayLiteral("print-");

// Spool files of runs that were killed: their process is gone.
void removeStaleSpoolFiles(const QString& folder) {
    const QByteArray nativeFolder = io::EncodeFileName(folder);
    DIR* dir = ::opendir(nativeFolder.constData());
    if (!dir)
        return;
    while (const dirent* e = ::readdir(dir)) {
        const QByteArray name(e->d_name);
        if (!name.startsWith(kSpoolPrefix) || !name.endsWith(".pdf"))
            continue;
        bool ok = false;
        const qlonglong pid =
            name.mid(kSpoolPrefix.size(), name.size() - kSpoolPrefix.size() - 4).toLongLong(&ok);
        if (ok && pid > 0 && pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) != 0 &&
            errno == ESRCH)
            ::unlink((nativeFolder + '/' + name).constData());
    }
    ::closedir(dir);
}

// The printer keeps the system's reason to itself; a full disk is the usual one.
QString spoolFailure(const QString& folder) {
    struct statvfs fs {};
    if (::statvfs(io::EncodeFileName(folder).constData(), &fs) == 0 && fs.f_bavail == 0)
        return io::SystemReasonText(ENOSPC);
    return io::SystemReasonText(EIO);
}

// Puts the printer's output file back however the spooled print is left.
struct OutputName {
    QPrinter& printer;
    QString name;
    ~OutputName() { printer.setOutputFileName(name); }
};

} // namespace

bool IsCompletePdf(const QByteArray& pdf) {
    const QByteArray tail = pdf.right(64).trimmed();
    if (!tail.endsWith("%%EOF"))
        return false;
    const qsizetype at = pdf.lastIndexOf("startxref");
    const qsizetype eof = pdf.lastIndexOf("%%EOF");
    if (at < 0 || eof < at)
        return false;
    bool ok = false;
    const qlonglong offset = pdf.mid(at + 9, eof - at - 9).trimmed().toLongLong(&ok);
    return ok && offset >= 0 && offset < at && pdf.mid(offset, 4) == "xref";
}

bool PrintSheet(QPrinter& printer, const QImage& sheet, int copies, double windowDpiX,
                double windowDpiY, QString* error) {
    const QString target = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || target.isEmpty())
        return printPages(printer, sheet, copies, windowDpiX, windowDpiY, error);

    const auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    // The printer writes to a spool file in the user's private folder and does not report
    // failed writes; the document is checked whole and only then put in place, so that a
    // failed print leaves no half-written PDF and the old file stays.
    QString reason;
    const QString folder = io::UserTemporaryFolder(&reason);
    if (folder.isEmpty())
        return fail(Sheet::tr("Не удалось создать временную папку в «%1»: %2.")
                        .arg(io::TemporaryFolder(), reason));
    removeStaleSpoolFiles(folder);
    const QString spool = QStringLiteral("%1/%2%3.pdf")
                              .arg(folder, QString::fromLatin1(kSpoolPrefix))
                              .arg(::getpid());
    const QByteArray spoolNative = io::EncodeFileName(spool);
    ::unlink(spoolNative.constData()); // left by a killed run of a process with this number
    struct RemoveSpool {
        QByteArray name;
        ~RemoveSpool() { ::unlink(name.constData()); }
    } removeSpool{spoolNative};
    if (!io::CreateNewFile(spool, nullptr, &reason))
        return fail(Sheet::tr("Не удалось создать временный файл «%1»: %2.").arg(spool, reason));

    QByteArray pdf;
    {
        const OutputName restore{printer, target};
        printer.setOutputFileName(spool);
        QString pageError;
        if (!printPages(printer, sheet, copies, windowDpiX, windowDpiY, &pageError)) {
            if (!(windowDpiX > 0) || !(windowDpiY > 0))
                return fail(pageError);
            QString what = pageError.chopped(pageError.endsWith(u'.') ? 1 : 0);
            if (!what.isEmpty())
                what[0] = what[0].toLower();
            return fail(Sheet::tr("Не удалось напечатать в файл «%1»: %2 (%3).")
                            .arg(spool, what, spoolFailure(folder)));
        }
    }
    if (!io::ReadRegularFile(spool, qint64(1) << 32, &pdf, &reason))
        return fail(Sheet::tr("Не удалось прочитать напечатанное «%1»: %2.").arg(spool, reason));
    if (!IsCompletePdf(pdf))
        return fail(Sheet::tr("Не удалось записать временный файл «%1»: %2.")
                        .arg(spool, spoolFailure(folder)));
    if (!io::WriteFileSafely(target, pdf, &reason))
        return fail(Sheet::tr("Не удалось сохранить «%1»: %2.").arg(target, reason));
    return true;
}

} // namespace karo
