// karo-cli props: every quantity printed, the JSON keys, and a profile without thicknesses
// refused.

#include "cli_run.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

using karo::test::cli;
using karo::test::CliRun;
using karo::test::write;

TEST(CliProps, PrintsEveryQuantityAndRefusesUnknownThicknesses) {
    const QString box = QStringLiteral(KARO_SOURCE_DIR "/examples/two-channels-plates.karo");
    const CliRun text = cli({"props", box});
    EXPECT_EQ(text.code, 0) << text.err.toStdString();
    for (const char* symbol :
         {"Sx =", "Wpl,x =", "It =", "xs =", "Iw =", "ku+ =", "замкнутых контуров: 1"})
        EXPECT_TRUE(text.out.contains(QString::fromUtf8(symbol))) << symbol;

    const CliRun json = cli({"props", box, "--json"});
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
    for (const char* key : {"A", "Sx_max", "Wpl_x", "It", "xs", "Iw", "kern_polygon", "parts",
                            "closed_cells", "mesh_nodes", "It_error"})
        EXPECT_TRUE(o.contains(QString::fromUtf8(key))) << key;
    EXPECT_EQ(o.value(u"parts").toInt(), 1);

    QTemporaryDir dir;
    const CliRun refused =
        cli({"props", write(dir, "d.karo", R"({"format": "karo-section", "version": 1, "kinds": {
            "Dt": {"entries": [{"h": "21", "b": "10", "A": "26.8", "Ix": "1840", "Iy": "115",
                                "Xc": "0", "Yc": "0"}]}}})")});
    EXPECT_EQ(refused.code, 2);
    EXPECT_TRUE(refused.err.contains(
        QString::fromUtf8("Двутавр 1: толщины стенки и полок неизвестны — выберите профиль из "
                          "сортамента")))
        << refused.err.toStdString();
}

} // namespace
