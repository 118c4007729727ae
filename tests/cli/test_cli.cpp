// karo-cli as a user runs it: a separate process, its output and its exit code.

#include "cli_run.h"

#include "../as_nobody.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

using karo::test::cli;
using karo::test::CliRun;
using karo::test::write;

QByteArray plates(const char* entries) {
    return QByteArray(
               R"({"format": "karo-section", "version": 1, "kinds": {"List": {"entries": [)") +
           entries + "]}}}";
}

} // namespace

TEST(Cli, SolvePrintsTheThirteenResultTexts) {
    const CliRun r = cli({"solve", KARO_SOURCE_DIR "/examples/plate.karo"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "Xc = 0\nYc = 0\nA = 20\nIx = 6.6667\nIy = 166.67\nIxy = 0\nAlpha0 = 0\n"
                     "Iu = 6.6667\nIv = 166.67\niu = 0.57735\niv = 2.8868\nWu = 6.6667\n"
                     "Wv = 33.333\n");
    EXPECT_TRUE(r.err.isEmpty());

    const CliRun j = cli({"solve", KARO_SOURCE_DIR "/examples/textbook.karo", "--json"});
    EXPECT_EQ(j.code, 0);
    EXPECT_TRUE(j.out.contains("\"Alpha0\": -12.9628964427")) << j.out.toStdString();
    EXPECT_TRUE(j.out.contains("\"PointCount\": 13"));
}

TEST(Cli, ExitCodesTellRefusedFromFailed) {
    QTemporaryDir dir;
    // A warning goes to standard error and the section is still solved.
    const CliRun warned = cli({"solve", write(dir, "w.karo", R"({"format": "karo-section",
        "version": 1, "kinds": {"Dt": {"entries": [{"h": "10", "b": "10", "A": "26.8",
        "Ix": "1840", "Iy": "115", "Xc": "0", "Yc": "0"}]}}})")});
    EXPECT_EQ(warned.code, 0);
    EXPECT_TRUE(warned.err.contains("Ширина полки b не меньше высоты h."));
    EXPECT_TRUE(warned.out.startsWith("Xc = 0\n"));

    const CliRun refused = cli(
        {"solve", write(dir, "r.karo", plates(R"({"h": "0", "b": "1", "Xc": "0", "Yc": "0"})"))});
    EXPECT_EQ(refused.code, 2);
    EXPECT_TRUE(refused.err.startsWith("Ошибка в исходных данных.")) << refused.err.toStdString();
    EXPECT_TRUE(
        refused.err.contains("Лист, профиль 1, поле h.\nВысота h: ожидается число больше нуля."));
    EXPECT_TRUE(refused.out.isEmpty());

    const CliRun empty = cli({"solve", write(dir, "e.karo", plates(""))});
    EXPECT_EQ(empty.code, 2);
    EXPECT_TRUE(empty.err.startsWith("Ошибка в исходных данных."));

    const CliRun overflow = cli({"solve", write(dir, "o.karo", plates(R"({"h": "1e200",
        "b": "1e200", "Xc": "0", "Yc": "0"})"))});
    EXPECT_EQ(overflow.code, 1);
    EXPECT_EQ(overflow.err, QStringLiteral("«%1»: Floating point overflow.\n")
                                .arg(dir.filePath(QStringLiteral("o.karo"))));
}

// One rule for every command: 2 when the command line or the input is refused, 1 when a file
// cannot be read or written. Every failure says so in one line that names the file as given.
TEST(Cli, EveryCommandFollowsTheExitCodeRule) {
    QTemporaryDir dir;
    const QString savedCurrent = QDir::currentPath();
    QDir::setCurrent(dir.path()); // the relative names below are the user's
    const QString plate = QStringLiteral(KARO_SOURCE_DIR "/examples/plate.karo");
    QString many;
    for (int i = 0; i < 51; ++i)
        many += QStringLiteral("%1{\"h\": \"1\", \"b\": \"2\", \"Xc\": \"0\", \"Yc\": \"%2\"}")
                    .arg(i ? "," : "")
                    .arg(i);
    struct Input {
        const char* what;
        QString file;
        int code;
    };
    const Input inputs[] = {
        {"not JSON", write(dir, "n.karo", "not json"), 2},
        {"a bad code", write(dir, "c.karo", R"({"format": "karo-section", "version": 1,
            "kinds": {"Dt": {"orientation": 9, "entries": []}}})"),
         2},
        {"more than 50 entries", write(dir, "m.karo", plates(many.toUtf8().constData())), 2},
        {"a missing file", QStringLiteral("missing.karo"), 1},
        {"a folder", QStringLiteral("/"), 1},
    };
    struct Command {
        QString name;
        QStringList output; // the options that name an output
    };
    const Command commands[] = {
        {"solve", {}},
        {"props", {}},
        {"sheet", {"-o", dir.filePath("o.bmp")}},
        {"picture", {"-o", dir.filePath("o.png")}},
        {"print", {"-o", dir.filePath("o.pdf")}},
        {"report", {"-o", dir.filePath("o.docx")}},
    };
    for (const Command& c : commands) {
        for (const Input& in : inputs) {
            SCOPED_TRACE((c.name + " with " + in.what).toStdString());
            const CliRun r = cli(QStringList{c.name, in.file} + c.output);
            EXPECT_EQ(r.code, in.code);
            EXPECT_TRUE(r.err.contains(QStringLiteral("«%1»").arg(in.file))) << r.err.toStdString();
        }
        SCOPED_TRACE(c.name.toStdString());
        EXPECT_EQ(cli({c.name, plate, "--bad"}).code, 2);
        EXPECT_EQ(cli({c.name}).code, 2);
        const CliRun emptyOut = cli({c.name, plate, "-o", ""});
        EXPECT_EQ(emptyOut.code, 2);
        EXPECT_TRUE(emptyOut.out.isEmpty()) << "nothing written";
    }

    struct Line {
        QStringList args;
        int code;
        QString err; // a part of the message
    };
    const Line lines[] = {
        {{}, 2, "Использование"},
        {{"frobnicate"}, 2, "«frobnicate»"},
        {{"print", plate, "-o", "p.pdf", "--dpi", "1e300"}, 2, "--dpi ждёт число от 1 до 100000"},
        {{"solve", "--", "-x.karo"}, 1, "«-x.karo»"},
        {{"solve", plate, "--json", "--json"}, 2, "--json указан дважды"},
        {{"catalogue", "Dt", "20", "--orientation", "1", "--orientation", "2"}, 2, "дважды"},
    };
    for (const Line& l : lines) {
        SCOPED_TRACE(l.args.join(' ').toStdString());
        const CliRun r = cli(l.args);
        EXPECT_EQ(r.code, l.code);
        EXPECT_TRUE(r.err.contains(l.err)) << r.err.toStdString();
    }
    // "--" ends the options: a section whose name starts with "-".
    QFile::copy(plate, dir.filePath("-x.karo"));
    EXPECT_EQ(cli({"solve", "--", "-x.karo"}).code, 0);
    EXPECT_TRUE(cli({"--help"}).out.contains("2  командная строка или исходные данные отвергнуты"));
    QDir::setCurrent(savedCurrent);
}

// A file the user may not write is refused as editors refuse it, and kept.
TEST(Cli, AWriteProtectedOutputIsKept) {
    QTemporaryDir dir;
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 01777), 0);
    if (!karo::test::NobodyCanReach(QFile::encodeName(dir.path()).toStdString()))
        GTEST_SKIP() << "the user nobody cannot reach the temporary folder "
                     << dir.path().toStdString() << "; point TMPDIR at a folder others may enter";
    // The programs nobody runs and the section it reads are copied where nobody reaches them:
    // the build and source trees may lie in a folder closed to others.
    const QString cliCopy = dir.filePath(QStringLiteral("karo-cli"));
    for (const QString& program : {cliCopy, dir.filePath(QStringLiteral("karo-cli-draw"))}) {
        ASSERT_TRUE(QFile::copy(QFileInfo(KARO_CLI).dir().filePath(QFileInfo(program).fileName()),
                                program));
        ::chmod(QFile::encodeName(program).constData(), 0755);
    }
    const QString plate = dir.filePath(QStringLiteral("plate.karo"));
    ASSERT_TRUE(QFile::copy(KARO_SOURCE_DIR "/examples/plate.karo", plate));
    ::chmod(QFile::encodeName(plate).constData(), 0644);
    const QString ro = write(dir, "ro.png", "old");
    ::chmod(QFile::encodeName(ro).constData(), 0444);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(QFile::encodeName(ro).constData(), karo::test::kNobody, 0), 0);
    }
    const QString errFile = write(dir, "err.txt", "");
    ::chmod(QFile::encodeName(errFile).constData(), 0666);
    const QByteArray exe = QFile::encodeName(cliCopy), roName = QFile::encodeName(ro),
                     plateName = QFile::encodeName(plate);
    const int err = ::open(QFile::encodeName(errFile).constData(), O_WRONLY);
    ASSERT_GE(err, 0);
    const int code = karo::test::AsNobody([&] {
        ::dup2(err, 2);
        ::execl(exe.constData(), exe.constData(), "picture", plateName.constData(), "-o",
                roName.constData(), static_cast<char*>(nullptr));
        return 124;
    });
    ::close(err);
    ASSERT_NE(code, karo::test::kNoNobody) << "could not become nobody";
    EXPECT_EQ(code, 1);
    QFile e(errFile), kept(ro);
    ASSERT_TRUE(e.open(QIODevice::ReadOnly) && kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(e.readAll()),
              QStringLiteral("Не удалось сохранить «%1»: файл защищён от записи.\n").arg(ro));
    EXPECT_EQ(kept.readAll(), "old");
}

// Without a valid runtime folder Qt would warn and make one of its own, even at the root.
TEST(Cli, NoRuntimeFolderWarningAndNoneMadeOutsideTheUsersOwn) {
    QTemporaryDir dir;
    for (const char* xdg : {"", "relative/run"}) {
        SCOPED_TRACE(xdg);
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        if (*xdg)
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QString::fromLatin1(xdg));
        env.insert(QStringLiteral("TMPDIR"), dir.path());
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(KARO_CLI),
                {QStringLiteral("picture"), QStringLiteral(KARO_SOURCE_DIR "/examples/plate.karo"),
                 QStringLiteral("-o"), dir.filePath("p.png")});
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitCode(), 0);
        EXPECT_EQ(p.readAllStandardError(), QByteArray());
        const QStringList made = QDir(dir.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        EXPECT_TRUE(made.isEmpty() ||
                    made == QStringList{QStringLiteral("karo-%1").arg(::geteuid())})
            << made.join(' ').toStdString();
    }
}

// With an English system every text karo-cli writes is English; the numbers stay as they are.
TEST(Cli, SpeaksEnglishWhenTheSystemDoes) {
    const QString english = QStringLiteral("en_US.UTF-8");
    const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    const CliRun help = cli({"--help"}, {}, english);
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.startsWith("karo-cli — sectional properties of plane sections"));
    EXPECT_FALSE(help.out.contains(cyrillic)) << help.out.toStdString();

    const CliRun unknown = cli({"solv"}, {}, english);
    EXPECT_EQ(unknown.code, 2);
    EXPECT_EQ(unknown.err, "karo-cli: unknown command “solv” (see karo-cli --help)\n");

    const CliRun props = cli({"props", KARO_SOURCE_DIR "/examples/plate.karo"}, {}, english);
    EXPECT_EQ(props.code, 0);
    EXPECT_TRUE(props.out.startsWith("Area A = 20 cm²\nCentroid abscissa Xc = 0 cm\n"))
        << props.out.toStdString();
    EXPECT_FALSE(props.out.contains(cyrillic)) << props.out.toStdString();

    const CliRun beams = cli({"catalogue", "Dt"}, {}, english);
    EXPECT_TRUE(beams.out.startsWith("Dt\tGOST 8239-89\t10\th=100 b=55 s=4.5 t=7.2 R=7.0 r=2.5 "
                                     "slope=12% mm\n"))
        << beams.out.left(200).toStdString();

    QTemporaryDir dir;
    const QString docx = dir.filePath(QStringLiteral("textbook.docx"));
    ASSERT_EQ(
        cli({"report", KARO_SOURCE_DIR "/examples/textbook.karo", "-o", docx}, {}, english).code,
        0);
    if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
        GTEST_SKIP() << "unzip is not installed";
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), docx, "word/document.xml"});
    ASSERT_TRUE(unzip.waitForFinished(30000));
    const QString body = QString::fromUtf8(unzip.readAllStandardOutput());
    for (const char* text : {"For the given composite section, determine:",
                             "Geometric properties of the individual profiles:", "(GOST 8239-89):",
                             "area A = ", "Section moduli:", "Further properties:"})
        EXPECT_TRUE(body.contains(QString::fromUtf8(text))) << text;
    EXPECT_FALSE(body.contains(QString::fromUtf8("площадь")));
}
