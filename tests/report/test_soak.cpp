// A long run on the largest section: add, erase, solve with the picture, and the report, over
// and over in one process. Memory must stay flat and no file may stay open. CI runs a few
// cycles in the sanitizer build (LeakSanitizer checks at exit); scripts/soak.sh runs 10,000.

#include "largest_model.h"

#include "model/commit.h"
#include "model/section_editor.h"
#include "picture/section_picture.h"
#include "report/report_run.h"
#include "solver/solver.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dirent.h>

#include <fstream>
#include <string>

namespace {

using namespace karo;

int openFiles() {
    int n = 0;
    if (DIR* d = opendir("/proc/self/fd")) {
        while (readdir(d))
            ++n;
        closedir(d);
    }
    return n;
}

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(256, '\n');
    }
    return 0;
}

// Erases entry `n` of a kind with the window's own editor, and adds the profile back as the
// last entry, typed again from its own texts in its own position.
void eraseAndAddBack(SectionEditor& editor, Kind k, int n) {
    const TSectionModel& m = editor.model();
    const auto onShow = [&] { return EntryTexts(m, m.state(k).CurrentNumber); };
    ASSERT_TRUE(editor.select(k, n, onShow()).done());
    const StoredEntry erased = editor.stored(k, n);
    ASSERT_TRUE(editor.erase(k).done());
    ASSERT_TRUE(editor.add(k, onShow()).done());
    if (k != Kind::List)
        editor.setOrientation(k, erased.orientation);
    ASSERT_FALSE(editor.commit(k, StoredTexts(erased)).commit.rejected());
}

} // namespace

TEST(Soak, RepeatedCyclesKeepMemoryAndFilesFlat) {
    const int cycles = qEnvironmentVariableIntValue("KARO_SOAK_CYCLES") > 0
                           ? qEnvironmentVariableIntValue("KARO_SOAK_CYCLES")
                           : 12;
    TSectionModel model;
    bench::FillLargestModel(model);
    SectionEditor editor(model);
    TSectionResult result;
    QTemporaryDir dir;
    const QString out = dir.filePath("soak.docx");
    report::ReportRunHooks hooks;
    int steps = 0;
    hooks.step = [&steps] { ++steps; };

    long rssAfterWarmUp = 0;
    int filesAfterWarmUp = 0;
    const int warmUp = std::min(2, cycles - 1);
    for (int c = 0; c < cycles; ++c) {
        const Kind k = TabOrder[static_cast<std::size_t>(c % KindCount)];
        eraseAndAddBack(editor, k, 1 + c % MaxEntriesPerKind);
        ASSERT_FALSE(HasFatalFailure());
        ASSERT_EQ(model.totalCount(), KindCount * MaxEntriesPerKind);

        ASSERT_EQ(SolveSection(model, result).status, SolveStatus::Solved);
        const QImage picture = DrawSectionPicture(model, result);

        steps = 0;
        const report::ReportRunResult run =
            report::RunReport(model, nullptr, result, hooks, out, &picture);
        ASSERT_TRUE(run.written()) << run.error.toStdString();
        ASSERT_EQ(steps, report::kReportSteps);
        ASSERT_TRUE(QFile::remove(out));

        if (c == warmUp) {
            rssAfterWarmUp = residentKiB();
            filesAfterWarmUp = openFiles();
        }
    }
    EXPECT_EQ(openFiles(), filesAfterWarmUp) << "a file or socket stayed open";
#ifndef __SANITIZE_ADDRESS__
    // Allocators keep some slack; a leak of one report per cycle would be far larger. Under
    // AddressSanitizer freed memory sits in quarantine, so there LeakSanitizer judges instead.
    EXPECT_LT(residentKiB() - rssAfterWarmUp, 16 * 1024) << "resident memory grew";
#else
    (void)rssAfterWarmUp;
#endif
}
