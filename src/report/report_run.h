#pragma once
// One report run: the section solved once more, then a new document written in order (the
// introduction, the section picture and the worked solution from the run's result), and the
// document saved as a .docx file.
//
// The window runs it from the report button:
//
//     karo::report::ReportRunHooks hooks;
//     hooks.begin = [&] { Panel9->show(); };
//     hooks.step = [&] { ProgressBar1->setValue(ProgressBar1->value() + 1); };
//     hooks.end = [&] { Panel9->hide(); ProgressBar1->setValue(0); };
//     const SolveOutcome committed = commitEntriesOnShow();
//     const auto run = karo::report::RunReport(model, &committed, result, hooks, QString(),
//                                              &image1);
//
// The solution is written in document order once the solve has given its result.

#include "model/arith.h"
#include "solver/solver.h"

#include <QImage>
#include <QString>
#include <functional>
#include <optional>

namespace karo::report {

// Progress steps of a complete report: 3 before the solve, 16 inside it, 1 after it.
inline constexpr int kReportSteps = 20;

struct ReportRunHooks {
    std::function<void()> begin; // the run starts: show the progress panel
    std::function<void()> step;  // one progress step
    std::function<void()> end;   // always called last, also after a fault: hide and reset
};

struct ReportRunResult {
    SolveOutcome outcome;                 // Solved, or why the solver refused the section
    QString path;                         // the file written; empty when none was written
    QString error;                        // why no file was written (a write failure or the fault)
    std::optional<ArithmeticError> fault; // the arithmetic fault that stopped the solve
    QImage picture;                       // the section picture drawn by this run's solve
    int steps = 0;                        // progress steps made

    bool written() const { return !path.isEmpty(); }
};

// Solves the section (unless `committed`, the caller's commit of the entries on show, was
// refused), and writes the
// whole report to `outputPath`, replacing that file only once the new
// one is complete. An empty `outputPath` means a new "Отчет N.docx" in this user's private
// folder inside the temporary folder.
//
// A section that the solver refuses still gives a document with the introduction and the
// picture. An arithmetic fault during the solve writes no file (the solution would stop in
// the middle) and is returned in `fault`, with its message and a full stop in `error`.
// `hooks.end` is called in every case.
ReportRunResult RunReport(const TSectionModel& model, const SolveOutcome* committed,
                          TSectionResult& result, const ReportRunHooks& hooks,
                          const QString& outputPath = QString(), const QImage* picture = nullptr);

// Writes `docx` as a new file "Отчет N.docx" in `folder`, N one more than the largest number
// there (of any length), so numbers keep rising and no file is ever overwritten. The name
// appears only with the whole document behind it, readable by this user only; a writer
// killed meanwhile leaves no name, and its temporary file goes at the next report. Returns
// the path, or an empty string with the reason in `reason` (may be null).
QString WriteNewReport(const QString& folder, const QByteArray& docx, QString* reason = nullptr);

// The text of the message box shown when the report could not be written, with the reason
// on a line of its own.
QString ReportFailureText(const QString& reason);
// The text shown when the report was written but nothing on the desktop opened it.
QString ReportWrittenText(const QString& writtenPath);

} // namespace karo::report
