// karo-cli as a user runs it: a separate process, its output and its exit code.

#include "cli_run.h"

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
    EXPECT_TRUE(j.out.contains("\"Alpha0\": -8.95294533252")) << j.out.toStdString();
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
    EXPECT_EQ(overflow.err, "Floating point overflow.\n");

    EXPECT_EQ(cli({"solve", dir.filePath("missing.karo")}).code, 1);
    EXPECT_EQ(cli({"solve", write(dir, "n.karo", "not json")}).code, 1);
    EXPECT_EQ(cli({"solve"}).code, 1);
    EXPECT_EQ(cli({"frobnicate"}).code, 1);
    EXPECT_EQ(cli({}).code, 1);

    const CliRun help = cli({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_TRUE(help.out.contains("solve"));
}
