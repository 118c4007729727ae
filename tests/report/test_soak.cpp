// A long run on the largest section: add, erase, solve with the picture, and the report, over
// and over in one process. Memory must stay flat and no file may stay open. CI runs a few
// cycles in the sanitizer build (LeakSanitizer checks at exit); scripts/soak.sh runs 10,000.

#include "largest_model.h"

#include "model/commit.h"
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

// Erases entry `n` of a kind the way the erase button does, and adds it back from its texts.
void eraseAndAddBack(TSectionModel& m, Kind k, int n) {
    TKindState& st = m.state(k);
    const TSectionModel before = m;
    for (int i = n; i < st.Count; ++i)
        m.copyEntry(k, i + 1, i);
    // The erased profile comes back as the last entry, typed again from its own texts.
    st.CurrentNumber = st.Count;
    st.Orientation = before.entryOrientation(k, n);
    ASSERT_FALSE(CommitEntry(m, k, st.Count, EntryTexts(before, n)).rejected());
}

} // namespace

TEST(Soak, RepeatedCyclesKeepMemoryAndFilesFlat) {
    const int cycles = qEnvironmentVariableIntValue("KARO_SOAK_CYCLES") > 0
                           ? qEnvironmentVariableIntValue("KARO_SOAK_CYCLES")
                           : 12;
    TSectionModel model;
    bench::FillLargestModel(model);
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
        eraseAndAddBack(model, k, 1 + c % MaxEntriesPerKind);
        ASSERT_EQ(model.totalCount(), KindCount * MaxEntriesPerKind);

        SectionPicture picture;
        ASSERT_EQ(SolveSection(model, nullptr, result, &picture).status, SolveStatus::Solved);

        steps = 0;
        const report::ReportRunResult run =
            report::RunReport(model, nullptr, result, hooks, out, &picture.image());
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
