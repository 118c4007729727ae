// karo-cli sheet, picture and print, run as a user runs them: the files they write, where
// the printed sheet lands, and the exit codes.

#include "../picture/pdf_probe.h"
#include "cli_run.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using karo::test::probePdf;

namespace {

using karo::test::cli;
using karo::test::CliRun;
using karo::test::write;

const QString kTextbook = QStringLiteral(KARO_SOURCE_DIR "/examples/textbook.karo");

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList filesIn(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
}

} // namespace

// The sheet's file format and the picture's size are the picture library's to show
// (SheetFile.WrittenAsTwentyFourBitBmpAndReadBackUnchanged and the section picture's tests);
// here the names the commands write under and print.
TEST(CliSheet, SheetIsABmpUnderTheBmpNameAndThePictureAPng) {
    QTemporaryDir dir;
    const CliRun r = cli({QStringLiteral("sheet"), kTextbook, QStringLiteral("-o"),
                          dir.filePath(QStringLiteral("Results.txt"))});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QString bmp = dir.filePath(QStringLiteral("Results.bmp"));
    EXPECT_EQ(r.out, bmp + QLatin1Char('\n'));
    EXPECT_EQ(filesIn(dir), QStringList{QStringLiteral("Results.bmp")});
    EXPECT_EQ(readAll(bmp).left(2), QByteArray("BM"));

    // The section picture alone.
    const QString png = dir.filePath(QStringLiteral("section.png"));
    const CliRun p = cli({QStringLiteral("picture"), kTextbook, QStringLiteral("-o"), png});
    ASSERT_EQ(p.code, 0) << p.err.toStdString();
    EXPECT_EQ(readAll(png).mid(1, 3), QByteArray("PNG"));
}

TEST(CliSheet, RefusedSectionsAndUnwritableOutputsWriteNothing) {
    QTemporaryDir dir;
    const QString refused = write(dir, "r.karo", R"({"format": "karo-section", "version": 1,
        "kinds": {"List": {"entries": [{"h": "0", "b": "1", "Xc": "0", "Yc": "0"}]}}})");
    const QString empty = write(dir, "e.karo", R"({"format": "karo-section", "version": 1,
        "kinds": {"List": {"entries": []}}})");
    const QString out = dir.filePath(QStringLiteral("out.bmp"));
    for (const QString& cmd :
         {QStringLiteral("sheet"), QStringLiteral("picture"), QStringLiteral("print")}) {
        SCOPED_TRACE(cmd.toStdString());
        EXPECT_EQ(cli({cmd, refused, QStringLiteral("-o"), out}).code, 2);
        EXPECT_EQ(cli({cmd, empty, QStringLiteral("-o"), out}).code, 2);
        EXPECT_FALSE(QFile::exists(out));
        // No output named.
        const CliRun noOut = cli({cmd, kTextbook});
        EXPECT_EQ(noOut.code, 2);
        EXPECT_TRUE(noOut.err.contains(QStringLiteral("-o"))) << noOut.err.toStdString();
        // A folder that is really a file: the system's reason, exit 1, nothing written.
        const CliRun bad =
            cli({cmd, kTextbook, QStringLiteral("-o"), refused + QStringLiteral("/out.bmp")});
        EXPECT_EQ(bad.code, 1);
        EXPECT_TRUE(bad.err.contains(QStringLiteral("out.bmp"))) << bad.err.toStdString();
    }
    // Nothing was written. (A folder in the output's place stays a folder:
    // SheetFile.UnwritableTargetGivesTheReasonAndNoFile.)
    EXPECT_EQ(filesIn(dir), (QStringList{QStringLiteral("e.karo"), QStringLiteral("r.karo")}));
}

TEST(CliSheet, PrintGivesOnePagePerCopyAtTheScreenSize) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    const CliRun r = cli({QStringLiteral("print"), kTextbook, QStringLiteral("-o"), pdf,
                          QStringLiteral("--copies"), QStringLiteral("3")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const auto probe = probePdf(pdf, 610, 460);
    EXPECT_EQ(probe.pages, 3);
    EXPECT_EQ(probe.monoImages, 1);
    // The PDF printer has 1200 dpi; against 96 the scale is 12.5: (625, 625)–(8250, 6375).
    EXPECT_EQ(probe.placements, QList<QRectF>(3, QRectF(QPointF(625, 625), QPointF(8250, 6375))));
    if (!QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) {
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        ASSERT_TRUE(info.waitForFinished(30000));
        EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                        .contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
    }

    // A window of 800 dpi: scale 1.5, as a 144 dpi printer against a 96 dpi screen. (The
    // rounding of other scales is SheetPrint.TargetIsTheScreenSizeFiftyPixelsInRoundedHalfToEven.)
    const CliRun r15 = cli({QStringLiteral("print"), kTextbook, QStringLiteral("-o"), pdf,
                            QStringLiteral("--dpi"), QStringLiteral("800")});
    ASSERT_EQ(r15.code, 0) << r15.err.toStdString();
    EXPECT_EQ(probePdf(pdf, 610, 460).placements,
              QList<QRectF>{QRectF(QPointF(75, 75), QPointF(990, 765))});

    // Counts and resolutions that make no sense are refused before anything is written.
    for (const char* bad : {"0", "-1", "2.5", "x", "1000"})
        EXPECT_EQ(cli({QStringLiteral("print"), kTextbook, QStringLiteral("-o"),
                       dir.filePath(QStringLiteral("bad.pdf")), QStringLiteral("--copies"),
                       QString::fromLatin1(bad)})
                      .code,
                  2)
            << bad;
    for (const char* bad : {"0", "-96", "nan", "inf"})
        EXPECT_EQ(cli({QStringLiteral("print"), kTextbook, QStringLiteral("-o"),
                       dir.filePath(QStringLiteral("bad.pdf")), QStringLiteral("--dpi"),
                       QString::fromLatin1(bad)})
                      .code,
                  2)
            << bad;
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("bad.pdf"))));
}

// A full disk (here: the file size limit, which fails writes the same way), a FIFO and a
// section too small to have an area: exit codes, messages, and the old file kept.
TEST(CliSheet, FullDisksAndSpecialFilesEndInAMessageAndKeepTheOldFile) {
    QTemporaryDir dir;
    const QString old = write(dir, "old.out", "old");
    for (const char* cmd : {"sheet", "picture", "print"}) {
        SCOPED_TRACE(cmd);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TMPDIR"), dir.path());
        p.setProcessEnvironment(env);
        p.setChildProcessModifier([] {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit small{2000, 2000};
            ::setrlimit(RLIMIT_FSIZE, &small);
        });
        const QString target =
            QString::fromLatin1(cmd) == u"sheet" ? dir.filePath(QStringLiteral("old.bmp")) : old;
        if (target != old)
            QFile::copy(old, target);
        p.start(QStringLiteral(KARO_CLI),
                {QString::fromLatin1(cmd), kTextbook, QStringLiteral("-o"), target});
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 1);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        EXPECT_TRUE(err.contains(QStringLiteral("Не удалось"))) << err.toStdString();
        EXPECT_EQ(readAll(target), "old");
    }

    const QString fifo = dir.filePath(QStringLiteral("fifo.karo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const CliRun in = cli({QStringLiteral("solve"), fifo});
    EXPECT_EQ(in.code, 1);
    EXPECT_TRUE(in.err.contains(QStringLiteral("«%1»: это не обычный файл").arg(fifo)))
        << in.err.toStdString();
    EXPECT_EQ(cli({QStringLiteral("picture"), kTextbook, QStringLiteral("-o"), fifo}).code, 1);
    EXPECT_TRUE(QFileInfo(fifo).isFile() == false && QFileInfo::exists(fifo));
    // The sheet's own extension never makes a new file beside a special file.
    const QString beside[] = {dir.filePath(QStringLiteral("fifo.bmp")), "/dev/null.bmp"};
    for (const QString& special : {fifo, QStringLiteral("/dev/null")}) {
        const CliRun r = cli({QStringLiteral("sheet"), kTextbook, QStringLiteral("-o"), special});
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(r.err.contains(QStringLiteral("«%1»: это не обычный файл").arg(special)))
            << r.err.toStdString();
    }
    for (const QString& name : beside)
        EXPECT_FALSE(QFileInfo::exists(name)) << name.toStdString();

    const QString tiny = write(dir, "tiny.karo", R"({"format": "karo-section", "version": 1,
        "kinds": {"List": {"entries": [{"h": "1e-160", "b": "1e-160", "Xc": "0", "Yc": "0"}]}}})");
    const CliRun small = cli({QStringLiteral("solve"), tiny});
    EXPECT_EQ(small.code, 2);
    EXPECT_TRUE(small.err.contains(QStringLiteral("Площадь сечения слишком мала.")))
        << small.err.toStdString();
}
