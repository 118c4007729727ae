// karo-cli place and extents: the worked cases to the digit, the file written, refusals.

#include "cli_run.h"

namespace {

using karo::test::cli;
using karo::test::CliRun;
using karo::test::write;

QByteArray section(const char* kinds) {
    return QByteArray(R"({"format": "karo-section", "version": 1, "kinds": {)") + kinds + "}}";
}

// An I-beam h = 14.1 and a 9 × 0.75 plate; a 1 × 30 plate and two angles 75 × 8; a channel
// 27 in code 1 standing on y = 0 with its web's back on x = 0, and an angle 100 × 10.
const char* const kBeamPlate =
    R"("Dt": {"entries": [{"h": "14.1", "b": "7.3", "A": "17.4", "Ix": "572", "Iy": "41.9",
        "Xc": "0", "Yc": "0"}]},
       "List": {"entries": [{"h": "0.75", "b": "9", "Xc": "0", "Yc": "0"}]})";
const char* const kPlateAngles =
    R"("Ur": {"entries": [
        {"orientation": 4, "b": "7.5", "d": "0.8", "A": "11.5", "Ix": "59.84", "Iu": "24.8",
         "Zo": "2.15", "Xc": "0", "Yc": "0"},
        {"orientation": 2, "b": "7.5", "d": "0.8", "A": "11.5", "Ix": "59.84", "Iu": "24.8",
         "Zo": "2.15", "Xc": "0", "Yc": "0"}]},
       "List": {"entries": [{"h": "30", "b": "1", "Xc": "0", "Yc": "0"}]})";
const char* const kChannelAngle =
    R"("Sh": {"entries": [{"orientation": 1, "h": "27", "b": "9.5", "A": "35.2", "Ix": "4160",
        "Iy": "262", "Zo": "2.47", "Xc": "-2.47", "Yc": "13.5"}]},
       "Ur": {"entries": [{"orientation": 4, "b": "10", "d": "1", "A": "19.24",
        "Ix": "179.46", "Iu": "74.14", "Zo": "2.83", "Xc": "0", "Yc": "0"}]})";

} // namespace

TEST(CliPlace, WorkedCasesComeOutToTheDigit) {
    const struct {
        const char* kinds;
        QStringList args;
        const char* line;
        const char* saved; // the placed Yc as the file holds it afterwards
    } cases[] = {
        {kBeamPlate,
         {"List:1", "--to", "Dt:1", "--side", "above"},
         "List:1 Xc = 0, Yc = 7.425\n",
         R"("Yc": "7.425")"},
        {kPlateAngles,
         {"Ur:1", "--to", "List:1", "--side", "right", "--align", "top"},
         "Ur:1 Xc = 2.65, Yc = 12.85\n",
         R"("Yc": "12.85")"},
        {kPlateAngles,
         {"Ur:2", "--to", "List:1", "--side", "right", "--align", "bottom"},
         "Ur:2 Xc = 2.65, Yc = -12.85\n",
         R"("Yc": "-12.85")"},
        {kChannelAngle,
         {"Ur:1", "--to", "Sh:1", "--side", "right", "--align", "top", "--gap", "0"},
         "Ur:1 Xc = 2.83, Yc = 24.17\n",
         R"("Yc": "24.17")"},
    };
    for (const auto& c : cases) {
        QTemporaryDir dir;
        const QString file = write(dir, "s.karo", section(c.kinds));
        const CliRun r = cli(QStringList{"place", file} + c.args);
        EXPECT_EQ(r.code, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, c.line);
        QFile saved(file);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_TRUE(saved.readAll().contains(c.saved)) << c.line;
    }
}

TEST(CliPlace, ExtentsAndRefusals) {
    QTemporaryDir dir;
    const QString file = write(dir, "s.karo", section(kChannelAngle));
    const CliRun e = cli({"extents", file});
    EXPECT_EQ(e.code, 0);
    EXPECT_EQ(e.out, "Sh:1\t-9.5\t0\t0\t27\nUr:1\t-2.83\t7.17\t-7.17\t2.83\n");

    // Placed into another file: the first stays as it was.
    const QString out = dir.filePath("out.karo");
    EXPECT_EQ(cli({"place", file, "Sh:1", "--to", "Ur:1", "--side", "below", "--align", "left",
                   "--gap", "1.5", "-o", out})
                  .out,
              "Sh:1 Xc = 4.2, Yc = -22.17\n");
    EXPECT_EQ(cli({"extents", out}).out,
              "Sh:1\t-2.83\t6.67\t-35.67\t-8.67\nUr:1\t-2.83\t7.17\t-7.17\t2.83\n");
    EXPECT_EQ(cli({"extents", file}).out, e.out);

    const struct {
        QStringList args;
        const char* says;
    } refused[] = {
        {{"Ur:1", "--to", "Dt:1", "--side", "left"}, "«Двутавр 1»"},
        {{"Ur:1", "--to", "Sh:1", "--side", "left", "--align", "left"}, "--side left"},
        {{"Ur:1", "--to", "Sh:1", "--side", "up"}, "«up»"},
        {{"Ur:0", "--to", "Sh:1", "--side", "left"}, "«Ur:0»"},
        {{"Ur:1", "--side", "left"}, "--to"},
        {{"Ur:1", "--to", "Sh:1", "--side", "left", "--side", "right"}, "--side указан дважды"},
        {{"Ur:1", "--to", "Sh:1", "--side", "left", "--gap", "1e100"}, "от 0 до 1000"},
        {{"Ur:1", "--to", "Sh:1", "--side", "left", "-o", ""}, "(-o)"},
        {{"--to", "Sh:1", "--side", "left"}, "профиль ВИД:N"},
    };
    for (const auto& c : refused) {
        const CliRun r = cli(QStringList{"place", file} + c.args);
        EXPECT_EQ(r.code, 2) << c.says;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_EQ(cli({"extents", file}).out, e.out); // nothing refused was written
    EXPECT_EQ(cli({"extents", dir.filePath("missing.karo")}).code, 1);

    // "--" ends the options here too, and a decimal comma is taken in the gap.
    EXPECT_EQ(cli({"place", "--to", "Ur:1", "--side", "below", "--align", "left", "--gap", "1,5",
                   "-o", out, "--", file, "Sh:1"})
                  .out,
              "Sh:1 Xc = 4.2, Yc = -22.17\n");
    // An empty section is refused as solve refuses it.
    const CliRun empty = cli({"extents", write(dir, "e.karo", section(""))});
    EXPECT_EQ(empty.code, 2);
    EXPECT_TRUE(empty.err.startsWith("Ошибка в исходных данных.")) << empty.err.toStdString();
}
