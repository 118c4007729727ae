// The whole road of a section: file → commit → solve → picture → report, on small sections.
// Any file either is refused with a message or goes all the way, ending in a written
// document or an arithmetic fault that the report run reports.

#include "io/section_file.h"
#include "picture/fonts.h"
#include "picture/section_picture.h"
#include "report/report_run.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {
// Kept for the life of the process: destroying Qt's application object during static
// destruction, after parts of Qt are gone, crashes.
QGuiApplication* gApp = nullptr;
QTemporaryDir* gDir = nullptr;
} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    gApp = new QGuiApplication(*argc, *argv);
    karo::InstallFontSubstitutes();
    gDir = new QTemporaryDir();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray json(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    karo::TSectionModel model;
    if (!karo::LoadSection(json, "fuzz.karo", model).ok())
        return 0;
    karo::TSectionResult result;
    try {
        karo::SolveSection(model, result);
    } catch (const karo::ArithmeticError&) {
    }
    const QImage picture = karo::DrawSectionPicture(model, result);
    const QString out = gDir->filePath("fuzz.docx");
    karo::report::ReportRunHooks hooks;
    int steps = 0;
    hooks.step = [&steps] { ++steps; };
    const karo::report::ReportRunResult run =
        karo::report::RunReport(model, nullptr, result, hooks, out, &picture);
    // Either the document was written, or the run says why not.
    if (run.written() == !run.error.isEmpty())
        std::abort();
    if (steps > karo::report::kReportSteps)
        std::abort();
    QFile::remove(out);
    return 0;
}
