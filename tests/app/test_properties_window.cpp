// The properties window driven as a user drives it: after every road its table is what
// karo-cli props --json gives for the section saved at that moment.

#include "../../bench/largest_model.h"
#include "../cli/cli_run.h"
#include "app/properties_window.h"
#include "catalogue/catalogue.h"
#include "form_fixture.h"
#include "io/section_file.h"
#include "solver/format.h"

#include <QClipboard>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProgressBar>
#include <QUndoStack>

#include <cmath>

namespace karo::app::test {
namespace {

// The picker answers with the row it is given, and remembers what it was asked for.
class CatalogueDialogs : public RecordingDialogs {
  public:
    const catalogue::ProfileRow* answer = nullptr;
    std::vector<Kind> asked;
    const catalogue::ProfileRow* pickProfile(QWidget*, Kind kind, int,
                                             const catalogue::ProfileRow*) override {
        asked.push_back(kind);
        return answer;
    }
};

const catalogue::ProfileRow* row(Kind kind, const char* designation) {
    for (const catalogue::ProfileRow& r : catalogue::rows())
        if (r.kind == kind && r.designation == designation)
            return &r;
    return nullptr;
}

// The JSON key of karo-cli props for each row the window shows.
QJsonValue jsonValue(const QJsonObject& j, const QString& plain) {
    static const std::map<QString, std::pair<const char*, int>> keys = {
        {QStringLiteral("α0"), {"Alpha0", -1}},   {QStringLiteral("Sx"), {"Sx_max", -1}},
        {QStringLiteral("Sy"), {"Sy_max", -1}},   {QStringLiteral("Wpl,x"), {"Wpl_x", -1}},
        {QStringLiteral("Wpl,y"), {"Wpl_y", -1}}, {QStringLiteral("ku+"), {"kern_u", 0}},
        {QStringLiteral("ku−"), {"kern_u", 1}},   {QStringLiteral("kv+"), {"kern_v", 0}},
        {QStringLiteral("kv−"), {"kern_v", 1}}};
    const auto k = keys.find(plain);
    if (k == keys.end())
        return j.value(plain);
    const QJsonValue v = j.value(QString::fromLatin1(k->second.first));
    return k->second.second < 0 ? v : v.toArray().at(k->second.second);
}

class PropertiesWindowTest : public FormTestWith<CatalogueDialogs> {
  protected:
    PropertiesWindow* window() { return form->propertiesWindow(); }

    // F6, as the user presses it, then the run of the section as it stands.
    void openWindow() {
        QTest::keyClick(form.get(), Qt::Key_F6);
        ASSERT_NE(window(), nullptr);
        ASSERT_TRUE(window()->isVisible());
        settle();
    }
    void settle() {
        ASSERT_TRUE(QTest::qWaitFor(
            [this] {
                return !window()->running() && window()->shownRevision() == document.revision();
            },
            120000));
    }

    // The table against karo-cli props --json of the section saved now; gives the number of
    // rows compared.
    void expectTableIsCli() {
        const QString path = dir.filePath(QStringLiteral("now.karo"));
        QString error;
        ASSERT_TRUE(document.save(path, &error)) << error.toStdString();
        const karo::test::CliRun run =
            karo::test::cli({QStringLiteral("props"), path, QStringLiteral("--json")});
        ASSERT_EQ(run.code, 0) << run.err.toStdString();
        const QJsonObject j = QJsonDocument::fromJson(run.out.toUtf8()).object();
        int compared = 0;
        for (const properties::PropertiesRow& r : window()->rows()) {
            const QJsonValue v = jsonValue(j, r.plain);
            if (r.plain.contains(QLatin1Char('/')))
                continue; // the shape factors: not printed by karo-cli
            ASSERT_FALSE(v.isUndefined()) << r.plain.toStdString();
            if (v.isNull()) {
                EXPECT_EQ(r.text, QStringLiteral("—")) << r.plain.toStdString();
                continue;
            }
            // What the window shows as 0 is zero to the accuracy of its computation.
            const double d = v.toDouble();
            if (r.value == 0 && std::fabs(d) < 1e-5 * std::sqrt(j.value(u"A").toDouble()))
                continue;
            EXPECT_EQ(r.text.toStdString(), FormatResult(d)) << r.plain.toStdString();
            ++compared;
        }
        EXPECT_GE(compared, 15);
    }

    QTemporaryDir dir;
};

TEST_F(PropertiesWindowTest, TheTableFollowsEveryRoadAsKaroCliGivesIt) {
    ASSERT_TRUE(
        form->openSection(QStringLiteral(KARO_SOURCE_DIR "/examples/two-channels-plates.karo")));
    openWindow();
    EXPECT_EQ(window()->windowTitle(), QStringLiteral("Характеристики сечения — Karo"));
    expectTableIsCli();
    const std::vector<properties::PropertiesRow> opened = window()->rows();
    // Two channels welded between two plates: one part, one closed cell, a shear centre.
    EXPECT_EQ(window()->snapshot().result.parts, 1);
    EXPECT_EQ(window()->snapshot().result.closedCells, 1);
    EXPECT_FALSE(window()->snapshot().mesh.triangles.empty());
    // On screen: the solid in its tint, the kern over it, the shear centre's mark.
    {
        const QImage shown =
            window()->findChild<QWidget*>(QStringLiteral("PropertiesPicture"))->grab().toImage();
        const auto has = [&](auto is) {
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    if (is(QColor(shown.pixel(x, y))))
                        return true;
            return false;
        };
        EXPECT_TRUE(has([](QColor c) { return c == QColor(176, 196, 222); }));
        // The kern's orange, seen through, over white.
        EXPECT_TRUE(has([](QColor c) {
            return c.red() == 255 && std::abs(c.green() - 205) < 8 && std::abs(c.blue() - 145) < 8;
        }));
        EXPECT_TRUE(has([](QColor c) { // the shear centre's purple
            return std::abs(c.red() - 160) < 12 && c.green() < 20 && std::abs(c.blue() - 160) < 12;
        }));
    }

    // Typing a plate thicker: the values follow.
    chooseTab(5);
    field("meListh")->setText(QStringLiteral("1.6"));
    settle();
    expectTableIsCli();
    EXPECT_NE(window()->rows()[0].text, opened[0].text);

    // Undo brings the opened values back.
    while (form->undoStack()->canUndo() && field("meListh")->text() != QStringLiteral("1"))
        form->undoStack()->undo();
    settle();
    for (std::size_t i = 0; i < opened.size(); ++i)
        EXPECT_EQ(window()->rows()[i].text, opened[i].text) << opened[i].plain.toStdString();

    // A hand-typed I-beam no catalogue row matches: refused, named, and its catalogue button
    // picks a row for it, after which the table is whole again.
    chooseTab(1);
    click("bbDtAdd");
    typeDt("20", "10", "26.8", "1841");
    settle();
    EXPECT_TRUE(window()->rows().empty());
    auto* refusal = window()->findChild<QLabel*>(QStringLiteral("lbRefusal"));
    EXPECT_TRUE(refusal->isVisible());
    EXPECT_TRUE(refusal->text().startsWith(QStringLiteral("Двутавр 1:")))
        << refusal->text().toStdString();
    dialogs.answer = row(Kind::Dt, "20");
    ASSERT_NE(dialogs.answer, nullptr);
    window()->findChild<QPushButton*>(QStringLiteral("bbRefusalCatalogue"))->click();
    EXPECT_EQ(dialogs.asked, std::vector<Kind>{Kind::Dt});
    settle();
    EXPECT_FALSE(refusal->isVisible());
    expectTableIsCli();

    // «Копировать» and the CSV export: the same rows, units in a column of their own.
    window()->findChild<QPushButton*>(QStringLiteral("bbCopy"))->click();
    const QStringList lines =
        QApplication::clipboard()->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), static_cast<qsizetype>(window()->rows().size() + 1));
    EXPECT_EQ(lines[1].split(QLatin1Char('\t')).mid(1, 4),
              (QStringList{QStringLiteral("Площадь"), QStringLiteral("A"), window()->rows()[0].text,
                           QStringLiteral("см²")}));
    dialogs.saveAnswer = dir.filePath(QStringLiteral("props"));
    form->findChild<QAction*>(QStringLiteral("actExportProperties"))->trigger();
    QFile csv(dir.filePath(QStringLiteral("props.csv")));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll(), properties::PropertiesCsv(window()->rows()));
    EXPECT_TRUE(dialogs.messages.empty());
}

// The largest model: the window answers while it computes, a change cancels the run under
// way, and only the values of the section as it stands are ever shown.
TEST_F(PropertiesWindowTest, ANewerChangeCancelsTheRunUnderWay) {
    {
        const auto m = std::make_unique<TSectionModel>();
        bench::FillLargestModel(*m);
        const QString file = dir.filePath(QStringLiteral("largest.karo"));
        QString error;
        ASSERT_TRUE(SaveSectionFile(file, *m, &error));
        ASSERT_TRUE(form->openSection(file));
    }
    form->showProperties();
    int settled = 0;
    QObject::connect(window(), &PropertiesWindow::settled, [&] { ++settled; });
    ASSERT_TRUE(window()->running());
    EXPECT_TRUE(window()->findChild<QProgressBar*>(QStringLiteral("pbProperties"))->isVisible());
    EXPECT_EQ(window()->findChild<QLabel*>(QStringLiteral("lbStatus"))->text(),
              QStringLiteral("пересчёт…"));
    // Events go on being handled while the run goes on: the window never freezes.
    QTest::qWait(50);
    ASSERT_TRUE(window()->running());
    chooseTab(5);
    field("meListh")->setText(field("meListh")->text() + QStringLiteral("1"));
    settle();
    EXPECT_EQ(settled, 1); // the first run was cancelled, never shown
    EXPECT_FALSE(window()->rows().empty());
    EXPECT_FALSE(window()->findChild<QProgressBar*>(QStringLiteral("pbProperties"))->isVisible());
    // A change, then the window closed and destroyed while it computes: nothing waits long
    // on the cancelled run, and nothing arrives after.
    field("meListh")->setText(field("meListh")->text() + QStringLiteral("1"));
    ASSERT_TRUE(window()->running());
    delete window();
}

} // namespace
} // namespace karo::app::test
