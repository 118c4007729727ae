#include "cli/cli.h"
#include "cli/drawn_section.h"

#include "io/to_qstring.h"
#include "picture/result_sheet.h"
#include "picture/sheet_print.h"

#include <QPageSize>
#include <QPrinter>

#include <cmath>
#include <optional>
#include <ostream>

namespace karo::cli {
namespace {

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
    DrawnSection d;
    if (!ParseDrawing("print", args, {"-o", "--copies", "--dpi"}, d, err))
        return kRefused;
    int copies = 1;
    double dpi = 96; // a screen's usual pixels per inch
    if (d.options.count("--copies")) {
        const auto v = numberOption(d.options["--copies"], 1, 999, true);
        if (!v) {
            err << "karo-cli print: "
                << Cli::tr("--copies ждёт целое число от 1 до 999").toStdString() << "\n";
            return kRefused;
        }
        copies = static_cast<int>(*v);
    }
    if (d.options.count("--dpi")) {
        const auto v = numberOption(d.options["--dpi"], kMinDpi, kMaxDpi, false);
        if (!v) {
            err << "karo-cli print: "
                << Cli::tr("--dpi ждёт число от %1 до %2").arg(kMinDpi).arg(kMaxDpi).toStdString()
                << "\n";
            return kRefused;
        }
        dpi = *v;
    }
    if (const int code = DrawSection(d, err); code >= 0)
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

// The printed sheet.
void AddPrintRuns(std::map<std::string, CommandRun>& runs) {
    runs["print"] = printCommand;
}

} // namespace karo::cli
