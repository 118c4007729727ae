#include "cli/cli.h"

#include "io/safe_file.h"
#include "io/to_qstring.h"
#include "model/section_model.h"
#include "picture/fonts.h"
#include "picture/result_sheet.h"
#include "picture/section_picture.h"
#include "picture/sheet_print.h"
#include "solver/solver.h"

#include <QBuffer>
#include <QPageSize>
#include <QPrinter>

#include <cmath>
#include <optional>
#include <ostream>

namespace karo::cli {
namespace {

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
    const int code = LoadAndSolve(d.file, d.model, d.result, err);
    if (code < 0)
        d.picture.draw(d.model, d.result);
    return code;
}

int sheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Drawn d;
    if (!parse("sheet", args, {"-o"}, d, err))
        return kRefused;
    if (const int code = draw(d, err); code >= 0)
        return code;
    const QImage sheet = BuildResultSheet(d.picture.image(), ResultFieldTexts(d.result));
    // The same name rule as the save button: the file always ends in ".bmp".
    const QString path = SheetFileName(FileArgument(d.options["-o"]));
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
        return kRefused;
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
    return writeAtomically(FileArgument(d.options["-o"]), bytes, err) ? kSolved : kFailure;
}

// A number in [lo, hi] (a whole one if `whole`), or nullopt.
std::optional<double> numberOption(const std::string& text, double lo, double hi, bool whole) {
    bool ok = false;
    const double v = ToQString(text).toDouble(&ok); // C locale: "." is the decimal separator
    if (!ok || !std::isfinite(v) || v < lo || v > hi || (whole && v != std::floor(v)))
        return std::nullopt;
    return v;
}

// The screen resolutions --dpi accepts, in dots per inch.
constexpr int kMinDpi = 1;
constexpr int kMaxDpi = 100000;

int printCommand(const std::vector<std::string>& args, std::ostream&, std::ostream& err) {
    Drawn d;
    if (!parse("print", args, {"-o", "--copies", "--dpi"}, d, err))
        return kRefused;
    int copies = 1;
    double dpi = 96; // a screen's usual pixels per inch
    if (d.options.count("--copies")) {
        const auto v = numberOption(d.options["--copies"], 1, 999, true);
        if (!v) {
            err << "karo-cli print: --copies ждёт целое число от 1 до 999\n";
            return kRefused;
        }
        copies = static_cast<int>(*v);
    }
    if (d.options.count("--dpi")) {
        const auto v = numberOption(d.options["--dpi"], kMinDpi, kMaxDpi, false);
        if (!v) {
            err << "karo-cli print: --dpi ждёт число от " << kMinDpi << " до " << kMaxDpi << "\n";
            return kRefused;
        }
        dpi = *v;
    }
    if (const int code = draw(d, err); code >= 0)
        return code;
    const QString path = FileArgument(d.options["-o"]);
    const QImage sheet = BuildResultSheet(d.picture.image(), ResultFieldTexts(d.result));

    // The printer spools privately and puts the finished, checked document in place.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    // A PDF page is printable to its very edge: the sheet is placed from the page's corner.
    printer.setFullPage(true);
    QString error;
    if (!PrintSheet(printer, sheet, copies, dpi, dpi, &error)) {
        err << error.toStdString() << "\n";
        return kFailure;
    }
    return kSolved;
}

} // namespace

// The result sheet, the section picture and the printed sheet.
void AddSheetRuns(std::map<std::string, CommandRun>& runs) {
    runs["sheet"] = sheetCommand;
    runs["picture"] = pictureCommand;
    runs["print"] = printCommand;
}

} // namespace karo::cli
