#include "cli/cli.h"

#include "io/safe_file.h"
#include "io/section_file.h"
#include "model/messages.h"
#include "properties_view/properties_chapter.h"
#include "report/report_run.h"
#include "solver/solver.h"
#include "texts/message_text.h"

#include <QDir>

#include <ostream>

namespace karo::cli {
namespace {

// The worked solution of the section in FILE, written as a .docx document. Without -o the
// document gets a new name "Отчет N.docx" in the user's own folder inside the temporary
// folder. The written path is
// printed. An empty section still gives the document with the introduction and the picture,
// but ends with the code of refused data.
int reportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string file;
    std::map<std::string, std::string> options;
    if (!ParseArgs("report", args, {"-o"}, {}, file, options, err))
        return kRefused;

    TSectionModel model;
    if (const int code = LoadFile(file, model, err); code >= 0)
        return code;

    const auto o = options.find("-o");
    const QString output = o == options.end() ? QString() : FileArgument(o->second);
    report::ReportRunHooks hooks;
    hooks.appendix = properties::PropertiesAppendix(model);
    TSectionResult result;
    const report::ReportRunResult run = report::RunReport(model, nullptr, result, hooks, output);
    if (run.fault) {
        err << ArithmeticFailureText(file, *run.fault) << "\n";
        return kFailure;
    }
    if (!run.written()) {
        err << run.error.toStdString() << "\n";
        return kFailure;
    }
    out << io::EncodeFileName(run.path).toStdString() << "\n";
    if (run.outcome.status == SolveStatus::EmptySection) {
        err << MessageString({MessageCode::InputError, {}}) << " "
            << MessageString(EmptySectionMessage(model)) << "\n";
        return kRefused;
    }
    return kSolved;
}

} // namespace

void AddReportRuns(std::map<std::string, CommandRun>& runs) {
    runs["report"] = reportCommand;
}

} // namespace karo::cli
