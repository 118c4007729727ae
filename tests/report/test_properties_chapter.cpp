// The report's last chapter: after every other chapter, which stay as they were; the table
// of the properties, the working where a value can be worked by hand, and the reason where
// the properties are refused.
#include "io/section_file.h"
#include "properties_view/properties_chapter.h"
#include "properties_view/properties_picture.h"
#include "properties_view/properties_table.h"
#include "report/report_run.h"
#include "report_view.h"
#include "solver/result_fields.h"
#include "solver/solver.h"

#include <QPainterPath>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <map>

using namespace karo;
using report::testing::ReadReport;
using report::testing::ReportView;

namespace {

report::ReportRunHooks withChapter(const TSectionModel& model) {
    report::ReportRunHooks hooks;
    hooks.appendix = properties::PropertiesAppendix(model);
    return hooks;
}

ReportView written(const TSectionModel& model, const QString& path, bool chapter) {
    TSectionResult result;
    const auto run = report::RunReport(
        model, nullptr, result, chapter ? withChapter(model) : report::ReportRunHooks{}, path);
    EXPECT_TRUE(run.written()) << run.error.toStdString();
    return ReadReport(path);
}

TSectionModel load(const QByteArray& json, QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("s.karo"));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(json);
    f.close();
    TSectionModel m;
    EXPECT_TRUE(LoadSectionFile(path, m).ok());
    return m;
}

} // namespace

TEST(PropertiesChapter, ComesLastAndLeavesEveryOtherChapterAsItWas) {
    QTemporaryDir dir;
    TSectionModel model;
    ASSERT_TRUE(
        LoadSectionFile(QStringLiteral(KARO_SOURCE_DIR "/examples/two-channels-plates.karo"), model)
            .ok());
    const ReportView before = written(model, dir.filePath(QStringLiteral("a.docx")), false);
    const ReportView after = written(model, dir.filePath(QStringLiteral("b.docx")), true);
    ASSERT_GT(after.paragraphs.size(), before.paragraphs.size());
    // The last paragraph before was the start of the one the chapter continues.
    for (std::size_t i = 0; i + 1 < before.paragraphs.size(); ++i) {
        EXPECT_EQ(after.paragraphs[i].text, before.paragraphs[i].text) << i;
        EXPECT_EQ(after.paragraphs[i].alignment, before.paragraphs[i].alignment) << i;
        EXPECT_EQ(after.paragraphs[i].fields.size(), before.paragraphs[i].fields.size()) << i;
    }
    const int heading = after.find(QStringLiteral("Дополнительные характеристики:"));
    ASSERT_GT(heading, static_cast<int>(before.paragraphs.size()) - 2);
    const QString text = after.allText();
    EXPECT_TRUE(text.contains(QStringLiteral("сварены в одно тело"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("замкнутых контуров: 1")));
    EXPECT_TRUE(text.contains(QStringLiteral("Центр изгиба от центра тяжести x_{s} = ")));
    EXPECT_TRUE(text.contains(QStringLiteral("Пластический момент сопротивления W_{pl,x} = ")));
    EXPECT_GE(after.paragraphs[static_cast<std::size_t>(heading) + 4].pictures +
                  after.paragraphs[static_cast<std::size_t>(heading) + 3].pictures,
              1);
}

TEST(PropertiesChapter, WorksByHandWhatCanBeAndSaysWhyWhenRefused) {
    QTemporaryDir dir;
    // Two plates one above the other, apart: no plate is cut by the x axis, and the kern of
    // the box they span reaches W / A.
    const TSectionModel apart = load(R"({"format": "karo-section", "version": 1, "kinds": {
        "List": {"entries": [{"h": "2", "b": "10", "Xc": "0", "Yc": "5"},
                             {"h": "2", "b": "10", "Xc": "0", "Yc": "-5"}]}}})",
                                     dir);
    const QString text = written(apart, dir.filePath(QStringLiteral("a.docx")), true).allText();
    EXPECT_TRUE(text.contains(QStringLiteral("S_{x} = [83]A_{i}·y_{i} = 20·5 = 100 см.^{3}")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("k_{v+} = W_{u} / A = I_{u} / (A·e) = ")))
        << text.toStdString();

    // An I-beam typed by hand that no catalogue row holds.
    const TSectionModel typed = load(R"({"format": "karo-section", "version": 1, "kinds": {
        "Dt": {"entries": [{"h": "20", "b": "10", "A": "26.8", "Ix": "1841", "Iy": "115",
                            "Xc": "0", "Yc": "0"}]}}})",
                                     dir);
    const QString refused = written(typed, dir.filePath(QStringLiteral("b.docx")), true).allText();
    EXPECT_TRUE(refused.trimmed().endsWith(QStringLiteral(
        "Дополнительные характеристики не вычислены: Двутавр 1: толщины стенки и полок "
        "неизвестны — профиль не из сортамента.")))
        << refused.right(300).toStdString();
}

// A coordinate's note weighs and gives its difference as a length, so that it reads the same
// wherever the section lies; at the origin it had read "+1E02 %" for a centroid 0.3 cm off.
TEST(PropertiesTable, NotesTheCentroidAsALengthWhereverTheSectionLies) {
    QTemporaryDir dir;
    std::map<QString, QString> notes[2];
    for (int at = 0; at < 2; ++at) {
        // The heel typed 0.3 cm further from the centroid than the drawing puts it.
        const QByteArray place = at ? "1000" : "0";
        const TSectionModel model = load(R"({"format": "karo-section", "version": 1, "kinds": {
            "Un": {"orientation": 2, "entries": [{"orientation": 2, "B1": "10", "b2": "6.3",
                "d": "0.8", "A": "12.6", "Ix": "127", "Iy": "39.2", "Iu": "23.4", "Xo": "1.8",
                "Yo": "3.32", "Xc": ")" + place +
                                             R"(", "Yc": ")" + place + R"("}]}}})",
                                         dir);
        properties::PropertiesSnapshot s = properties::ComputePropertiesSnapshot(model);
        TSectionResult r;
        ASSERT_EQ(SolveSection(model, r).status, SolveStatus::Solved);
        s.sectionValues = ResultValues(r);
        for (const properties::PropertiesRow& row : properties::PropertiesTable(s))
            notes[at][row.plain] = row.note;
    }
    for (const char* plain : {"Xc", "Yc", "Ixy"})
        EXPECT_EQ(notes[0][QString::fromUtf8(plain)], notes[1][QString::fromUtf8(plain)]) << plain;
    EXPECT_TRUE(
        notes[0][QStringLiteral("Xc")].contains(QStringLiteral(" см от вкладки результатов")))
        << notes[0][QStringLiteral("Xc")].toStdString();
    EXPECT_TRUE(notes[0][QStringLiteral("A")].contains(QStringLiteral(" % от вкладки результатов")))
        << notes[0][QStringLiteral("A")].toStdString();
}

// The shear centre's long label crosses no outline wherever the centre falls: in the web of an
// I-beam, over a flange, inside a plate.
TEST(PropertiesPicture, TheShearCentresLabelCrossesNoOutline) {
    for (const char* name : {"textbook", "ibeam-channel", "angles-plate", "plate"}) {
        SCOPED_TRACE(name);
        TSectionModel model;
        ASSERT_TRUE(
            LoadSectionFile(QStringLiteral(KARO_SOURCE_DIR "/examples/%1.karo").arg(name), model)
                .ok());
        const QString svg = QString::fromUtf8(properties::PropertiesPictureSvg(
            properties::ComputePropertiesSnapshot(model), properties::PictureOptions{}));
        // The solid's rings: the paths stroked in the outline's colour.
        static const QRegularExpression path(R"re(<path d="([^"]*)"[^>]*stroke="#1e1e1e")re"),
            point(R"(([-\d.]+) ([-\d.]+))"),
            text(R"re(<text x="([-\d.]+)" y="([-\d.]+)" fill="#a000a0">(.*)</text>)re");
        QPainterPath body;
        body.setFillRule(Qt::OddEvenFill);
        for (auto m = path.globalMatch(svg); m.hasNext();)
            for (const QString& ring : m.next().captured(1).split('Z')) {
                QPolygonF polygon;
                for (auto p = point.globalMatch(ring); p.hasNext();) {
                    const QRegularExpressionMatch xy = p.next();
                    polygon << QPointF(xy.captured(1).toDouble(), xy.captured(2).toDouble());
                }
                body.addPolygon(polygon);
            }
        ASSERT_FALSE(body.isEmpty());
        const QRegularExpressionMatch label = text.match(svg);
        ASSERT_TRUE(label.hasMatch());
        const double x = label.captured(1).toDouble(), y = label.captured(2).toDouble();
        // The letters above the baseline, a little inside the box the picture keeps clear.
        const QRectF letters(x, y - 11, 7.0 * label.captured(3).size(), 11);
        EXPECT_TRUE(body.contains(letters) || !body.intersects(letters));
    }
}
