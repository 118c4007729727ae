// karo-cli catalogue: the list, the texts of one profile, and the refusals.

#include "cli_run.h"

using karo::test::cli;
using karo::test::CliRun;

TEST(CliCatalogue, ListsProfilesAndPrintsTheTextsOfOne) {
    const CliRun all = cli({"catalogue"});
    EXPECT_EQ(all.code, 0);
    for (const char* line : {"Dt\tГОСТ 8239-89\t20\t", "Sh\tГОСТ 8240-97\t16аУ\t",
                             "Un\tГОСТ 8510-86\t100×63×8\t", "Ur\tГОСТ 8509-93\t100×10\t"})
        EXPECT_TRUE(all.out.contains(QString::fromUtf8(line))) << line;
    const CliRun angles = cli({"catalogue", "Ur"});
    EXPECT_EQ(angles.code, 0);
    EXPECT_TRUE(angles.out.startsWith(QStringLiteral("Ur\tГОСТ 8509-93\t20×3\t")));
    EXPECT_FALSE(angles.out.contains(QStringLiteral("\nDt\t")));

    const CliRun upright = cli({"catalogue", "Dt", "20"});
    EXPECT_EQ(upright.code, 0);
    EXPECT_EQ(upright.out, "h = 20\nb = 10\nA = 26.8\nIx = 1840\nIy = 115\n");
    const CliRun turned = cli({"catalogue", "un", "100x63x8", "--orientation", "3"});
    EXPECT_EQ(turned.code, 0);
    EXPECT_TRUE(turned.out.startsWith("B1 = 10\nb2 = 6.3\nd = 0.8\n")) << turned.out.toStdString();
    EXPECT_EQ(turned.out.count('\n'), 9);
}

TEST(CliCatalogue, RefusesUnknownProfilesAndPositions) {
    const CliRun unknown = cli({"catalogue", "Dt", "21"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_TRUE(unknown.out.isEmpty());
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("«21»")));
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("Ближайшие: 22, 20")))
        << unknown.err.toStdString();
    EXPECT_EQ(cli({"catalogue", "Dt", "20", "--orientation", "3"}).code, 2);
    EXPECT_EQ(cli({"catalogue", "Sh", "20У", "--orientation", "x"}).code, 2);
    EXPECT_EQ(cli({"catalogue", "List"}).code, 2);
    EXPECT_EQ(cli({"catalogue", "Dt", "20", "--orientation"}).code, 2);
}
