#include "cli/cli.h"

#include "io/safe_file.h"
#include "model/section_model.h"
#include "picture/fonts.h"
#include "picture/result_sheet.h"
#include "picture/section_picture.h"
#include "picture/sheet_print.h"
#include "solver/solver.h"

#include <QBuffer>
#include <QPageSize>
#include <QPrinter>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <dirent.h>
#include <optional>
#include <ostream>
#include <sys/statvfs.h>
#include <unistd.h>

namespace karo::cli {
namespace {

QString qs(const std::string& s) {
    return io::DecodeFileName(QByteArray::fromStdString(s));
}

std::string native(const QString& path) {
    return io::EncodeFileName(path).toStdString();
}

// A command's FILE, its options, and the section solved and drawn.
struct Drawn {
    std::string file;
    std::map<std::string, std::string> options;
    TSectionModel model;
    TSectionResult result;
    SectionPicture picture;
};

// Reads FILE -o OUT and the options in `valued`; false (with a message) on bad arguments.
bool parse(const std::string& command, const std::vector<std::string>& args,
           const std::vector<std::string>& valued, Drawn& d, std::ostream& err) {
    if (!ParseArgs(command, args, valued, {}, d.file, d.options, err))
        return false;
    if (d.options.count("-o") == 0 || d.options["-o"].empty()) {
        err << "karo-cli " << command << ": не указан выходной файл (-o)\n";
        return false;
    }
    return true;
}

// Loads, solves and draws the section. Returns -1 when done, else the exit code.
int draw(Drawn& d, std::ostream& err) {
    InstallFontSubstitutes();
    return LoadAndSolve(d.file, d.model, d.result, err, &d.picture);
}

int sheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Drawn d;
    if (!parse("sheet", args, {"-o"}, d, err))
        return kFailure;
    if (const int code = draw(d, err); code >= 0)
        return code;
    const QImage sheet = BuildResultSheet(d.picture.image(), ResultFieldTexts(d.result));
    // The same name rule as the save button: the file always ends in ".bmp".
    const QString path = SheetFileName(qs(d.options["-o"]));
    QString error;
    if (!SaveSheetBmp(sheet, path, &error)) {
        err << error.toStdString() << "\n";
        return kFailure;
    }
    out << native(path) << "\n";
    return kSolved;
}

// Writes `bytes` to `path` through a temporary file renamed into place.
bool writeAtomically(const QString& path, const QByteArray& bytes, std::ostream& err) {
    QString reason;
    if (io::WriteFileSafely(path, bytes, &reason))
        return true;
    err << QStringLiteral("Не удалось сохранить «%1»: %2.").arg(path, reason).toStdString() << "\n";
    return false;
}

int pictureCommand(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    Drawn d;
    if (!parse("picture", args, {"-o"}, d, err))
        return kFailure;
    if (const int code = draw(d, err); code >= 0)
        return code;
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!d.picture.image().save(&buffer, "PNG")) {
            err << "Не удалось закодировать рисунок в PNG.\n";
            return kFailure;
        }
    }
    return writeAtomically(qs(d.options["-o"]), bytes, err) ? kSolved : kFailure;
}

const QString kSpoolPrefix = QStringLiteral("print-");

// Spool files of runs that were killed: their process is gone.
void removeStaleSpoolFiles(const QString& folder) {
    const QByteArray nativeFolder = io::EncodeFileName(folder);
    DIR* dir = ::opendir(nativeFolder.constData());
    if (!dir)
        return;
    const QByteArray prefix = kSpoolPrefix.toUtf8();
    while (const dirent* e = ::readdir(dir)) {
        const QByteArray name(e->d_name);
        if (!name.startsWith(prefix) || !name.endsWith(".pdf"))
            continue;
        bool ok = false;
        const qlonglong pid =
            name.mid(prefix.size(), name.size() - prefix.size() - 4).toLongLong(&ok);
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

// True when `pdf` ends in a trailer whose cross-reference table is where the trailer says:
// a document cut short or missing a piece in the middle fails this.
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

// A number in [lo, hi] (a whole one if `whole`), or nullopt.
std::optional<double> numberOption(const std::string& text, double lo, double hi, bool whole) {
    bool ok = false;
    const double v = qs(text).toDouble(&ok); // C locale: "." is the decimal separator
    if (!ok || !std::isfinite(v) || v < lo || v > hi || (whole && v != std::floor(v)))
        return std::nullopt;
    return v;
}

int printCommand(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    Drawn d;
    if (!parse("print", args, {"-o", "--copies", "--dpi"}, d, err))
        return kFailure;
    int copies = 1;
    double dpi = 96; // a screen's usual pixels per inch
    if (d.options.count("--copies")) {
        const auto v = numberOption(d.options["--copies"], 1, 999, true);
        if (!v) {
            err << "karo-cli print: --copies ждёт целое число от 1 до 999\n";
            return kFailure;
        }
        copies = static_cast<int>(*v);
    }
    if (d.options.count("--dpi")) {
        const auto v = numberOption(d.options["--dpi"], 1, 100000, false);
        if (!v) {
            err << "karo-cli print: --dpi ждёт положительное число\n";
            return kFailure;
        }
        dpi = *v;
    }
    if (const int code = draw(d, err); code >= 0)
        return code;
    const QString path = qs(d.options["-o"]);
    const QImage sheet = BuildResultSheet(d.picture.image(), ResultFieldTexts(d.result));

    // The printer writes to a spool file of its own in the user's private folder; the
    // finished document is checked whole and then put in place at once, so that a failed run
    // leaves no half-written PDF behind.
    QString reason;
    const QString folder = io::UserTemporaryFolder(&reason);
    if (folder.isEmpty()) {
        err << QStringLiteral("Не удалось создать временную папку в «%1»: %2.")
                   .arg(io::TemporaryFolder(), reason)
                   .toStdString()
            << "\n";
        return kFailure;
    }
    removeStaleSpoolFiles(folder);
    const QString spool = QStringLiteral("%1/%2%3.pdf").arg(folder, kSpoolPrefix).arg(::getpid());
    const QByteArray spoolNative = io::EncodeFileName(spool);
    ::unlink(spoolNative.constData()); // left by a killed run of a process with this number
    struct RemoveSpool {
        QByteArray name;
        ~RemoveSpool() { ::unlink(name.constData()); }
    } removeSpool{spoolNative};
    if (!io::CreateNewFile(spool, nullptr, &reason)) {
        err << QStringLiteral("Не удалось создать временный файл «%1»: %2.")
                   .arg(spool, reason)
                   .toStdString()
            << "\n";
        return kFailure;
    }
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(spool);
        printer.setPageSize(QPageSize(QPageSize::A4));
        // A PDF page is printable to its very edge: the sheet is placed from the page's corner.
        printer.setFullPage(true);
        QString error;
        if (!PrintSheet(printer, sheet, copies, dpi, dpi, &error)) {
            err << QStringLiteral("Не удалось напечатать в файл «%1»: %2 (%3).")
                       .arg(spool, error.chopped(error.endsWith(u'.') ? 1 : 0),
                            spoolFailure(folder))
                       .toStdString()
                << "\n";
            return kFailure;
        }
    }
    QByteArray pdf;
    if (!io::ReadRegularFile(spool, qint64(1) << 32, &pdf, &reason)) {
        err << QStringLiteral("Не удалось прочитать напечатанное «%1»: %2.")
                   .arg(spool, reason)
                   .toStdString()
            << "\n";
        return kFailure;
    }
    // The printer does not report failed writes: a full disk shows as a document whose
    // cross-reference table is missing or out of place.
    if (!IsCompletePdf(pdf)) {
        err << QStringLiteral("Не удалось записать временный файл «%1»: %2.")
                   .arg(spool, spoolFailure(folder))
                   .toStdString()
            << "\n";
        return kFailure;
    }
    return writeAtomically(path, pdf, err) ? kSolved : kFailure;
}

} // namespace

// The result sheet, the section picture and the printed sheet.
void AddSheetCommands(std::vector<Command>& commands) {
    commands.push_back({"sheet",
                        "sheet ФАЙЛ.karo -o ЛИСТ.bmp   лист результатов 610×460 в BMP "
                        "(расширение всегда .bmp)",
                        sheetCommand, true});
    commands.push_back({"picture", "picture ФАЙЛ.karo -o РИСУНОК.png   рисунок сечения 390×390",
                        pictureCommand, true});
    commands.push_back({"print",
                        "print ФАЙЛ.karo -o ЛИСТ.pdf [--copies N] [--dpi D]   печать листа в "
                        "PDF, по странице на копию (D — точек на дюйм экрана, 96)",
                        printCommand, true});
}

} // namespace karo::cli
