// karo-cli report as a user runs it: the document file, the printed path and the exit code.

#include "cli_run.h"

#include <QDir>

#include <unistd.h>

namespace {

using karo::test::cli;
using karo::test::CliRun;
using karo::test::write;

bool isZip(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.read(4) == QByteArray("PK\x03\x04", 4);
}

} // namespace

TEST(CliReport, WritesTheDocumentAndTellsRefusedFromFailed) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("textbook.docx"));
    const CliRun ok = cli({"report", KARO_SOURCE_DIR "/examples/textbook.karo", "-o", out});
    EXPECT_EQ(ok.code, 0) << ok.err.toStdString();
    EXPECT_EQ(ok.out, out + "\n");
    EXPECT_TRUE(isZip(out));
    EXPECT_GT(QFileInfo(out).size(), 10000); // the pictures are in it

    // An empty section: the document with the introduction and the picture, but refused.
    const QString emptyOut = dir.filePath(QStringLiteral("empty.docx"));
    const CliRun empty = cli(
        {"report", write(dir, "e.karo", R"({"format": "karo-section", "version": 1, "kinds": {}})"),
         "-o", emptyOut});
    EXPECT_EQ(empty.code, 2);
    EXPECT_TRUE(empty.err.contains(QString::fromUtf8("Ошибка в исходных данных.")))
        << empty.err.toStdString();
    EXPECT_TRUE(isZip(emptyOut));

    // An overflow: no document.
    const QString overflowOut = dir.filePath(QStringLiteral("overflow.docx"));
    const CliRun overflow =
        cli({"report", write(dir, "o.karo", R"({"format": "karo-section", "version": 1,
        "kinds": {"List": {"entries": [{"h": "1e200", "b": "1e200", "Xc": "0", "Yc": "0"}]}}})"),
             "-o", overflowOut});
    EXPECT_EQ(overflow.code, 1);
    EXPECT_TRUE(overflow.err.endsWith("Floating point overflow.\n")) << overflow.err.toStdString();
    EXPECT_FALSE(QFile::exists(overflowOut));

    // A folder that does not exist, a missing section file, a missing value of -o.
    const CliRun unwritable = cli({"report", KARO_SOURCE_DIR "/examples/plate.karo", "-o",
                                   dir.filePath(QStringLiteral("none/x.docx"))});
    EXPECT_EQ(unwritable.code, 1);
    EXPECT_FALSE(unwritable.err.isEmpty());
    EXPECT_EQ(cli({"report", dir.filePath(QStringLiteral("missing.karo")), "-o", out}).code, 1);
    EXPECT_EQ(cli({"report", KARO_SOURCE_DIR "/examples/plate.karo", "-o"}).code, 2);
}

// How the name counts up, the folder's rights and a TMPDIR that does not exist are the
// report's and the file road's own (ReportRun.NewFileNamesCountUpAndNeverOverwrite,
// SafeFile.PrivateFoldersStayPrivate); here only that the command takes that road.
TEST(CliReport, WithoutOutputANewNumberedFileInTheUsersOwnTemporaryFolder) {
    QTemporaryDir tmp;
    const CliRun r = cli({"report", KARO_SOURCE_DIR "/examples/plate.karo"}, tmp.path());
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    const QString expected =
        QDir(tmp.path()).filePath(QStringLiteral("karo-%1/Отчет 1.docx").arg(::geteuid()));
    EXPECT_EQ(r.out, expected + "\n");
    EXPECT_TRUE(isZip(expected));
}
