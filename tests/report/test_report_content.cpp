// The worked solution as a reader finds it in the written .docx: every expected line was
// worked out by hand from the section's numbers.
#include "report_view.h"

#include "io/section_file.h"
#include "largest_model.h"
#include "report/document.h"
#include "report/report_content.h"
#include "report/report_run.h"
#include "solver/format.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace karo;
using namespace karo::report;
using karo::report::testing::ReadReport;
using karo::report::testing::ReportView;
using karo::report::testing::ViewParagraph;

namespace {

QString u(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QByteArray section(const char* kinds) {
    return QByteArray(R"({"format": "karo-section", "version": 1, "kinds": {)") + kinds + "}}";
}

// One plate b = 20, h = 1 at the origin.
const char* kPlate20x1 = R"("List": {"entries": [{"h": "1", "b": "20", "Xc": "0", "Yc": "0"}]})";
// A square plate: Ix = Iy and Ixy = 0.
const char* kSquare = R"("List": {"entries": [{"h": "2", "b": "2", "Xc": "0", "Yc": "0"}]})";
// The textbook section: an unequal-leg angle (code 2), an I-beam and a channel.
const char* kTextbook =
    R"("Dt": {"entries": [{"orientation": 1, "h": "20", "b": "10", "A": "26.8",
                           "Ix": "1840", "Iy": "115", "Xc": "0", "Yc": "0"}]},
       "Sh": {"entries": [{"orientation": 2, "h": "20", "b": "7.6", "A": "23.4", "Ix": "1520",
                           "Iy": "113", "Zo": "2.07", "Xc": "7.07", "Yc": "0"}]},
       "Un": {"entries": [{"orientation": 2, "B1": "10", "b2": "6.3", "d": "0.8", "A": "12.6",
                           "Ix": "127", "Iy": "39.2", "Iu": "23.4", "Xo": "1.5", "Yo": "3.32",
                           "Xc": "-3.5", "Yc": "-6.68"}]})";
// Two unequal-leg angles (codes 1 and 2) and an I-beam No. 22.5.
const char* kTwoAnglesAndBeam =
    R"("Dt": {"entries": [{"orientation": 1, "h": "22.5", "b": "11", "A": "30.6",
                           "Ix": "2550", "Iy": "157", "Xc": "0", "Yc": "15"}]},
       "Un": {"entries": [{"orientation": 1, "B1": "10", "b2": "6.3", "d": "0.8", "A": "12.6",
                           "Ix": "127", "Iy": "39.2", "Iu": "23.4", "Xo": "1.5", "Yo": "3.32",
                           "Xc": "1", "Yc": "2"},
                          {"orientation": 2, "B1": "10", "b2": "6.3", "d": "0.8", "A": "12.6",
                           "Ix": "127", "Iy": "39.2", "Iu": "23.4", "Xo": "1.5", "Yo": "3.32",
                           "Xc": "-1", "Yc": "2"}]})";
// One equal-leg angle 50x50x5 at the origin: Ix = Iy, Ixy = ±6.57.
QByteArray equalLeg(int code) {
    const QByteArray kinds = QByteArray(R"("Ur": {"entries": [{"orientation": )") +
                             QByteArray::number(code) +
                             R"(, "b": "5", "d": "0.5", "A": "4.8", "Ix": "11.2", "Iu": "4.63",
                                "Zo": "1.42", "Xc": "0", "Yc": "0"}]})";
    return section(kinds.constData());
}

struct Counted {
    int begin = 0, steps = 0, end = 0;
    int stepsAtEnd = -1;
};

struct Made {
    ReportRunResult run;
    ReportView view;
    Counted counted;
    TSectionResult result;
};

Made makeReport(const QByteArray& json, const QString& path, const QImage* picture = nullptr) {
    Made made;
    TSectionModel model;
    const LoadReport load = LoadSection(json, QStringLiteral("test.karo"), model);
    EXPECT_TRUE(load.ok()) << load.message.toStdString();
    ReportRunHooks hooks;
    hooks.begin = [&] { ++made.counted.begin; };
    hooks.step = [&] { ++made.counted.steps; };
    hooks.end = [&] {
        ++made.counted.end;
        made.counted.stepsAtEnd = made.counted.steps;
    };
    made.run = RunReport(model, nullptr, made.result, hooks, path, picture);
    if (made.run.written())
        made.view = ReadReport(made.run.path);
    return made;
}

class ReportContentTest : public ::testing::Test {
  protected:
    Made make(const QByteArray& json, const QImage* picture = nullptr) {
        Made made = makeReport(json, dir.filePath(QStringLiteral("report.docx")), picture);
        EXPECT_TRUE(made.run.written()) << made.run.error.toStdString();
        EXPECT_TRUE(made.view.ok);
        return made;
    }
    QTemporaryDir dir;
};

std::vector<QString> textsFrom(const ReportView& view, int from) {
    std::vector<QString> out;
    for (std::size_t i = static_cast<std::size_t>(std::max(from, 0)); i < view.paragraphs.size();
         ++i)
        out.push_back(view.paragraphs[i].text);
    return out;
}

} // namespace

TEST_F(ReportContentTest, IntroductionPictureAndPageSetUp) {
    const Made m = make(section(kPlate20x1));
    const auto& p = m.view.paragraphs;
    ASSERT_GE(p.size(), 10u);
    const char* intro[] = {"\tДля заданного составного сечения необходимо определить:",
                           "\t- положение центра тяжести,",
                           "\t- положение главных центральных осей,",
                           "\t- главные моменты инерции,",
                           "\t- главные радиусы инерции,",
                           "\t- моменты сопротивления."};
    for (std::size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(p[i].text, u(intro[i]));
        EXPECT_EQ(p[i].boldText, u(intro[i])) << i;
        EXPECT_EQ(p[i].alignment, u("both")) << i;
    }
    // An empty centred line, the section picture centred on its own, an empty left line.
    EXPECT_EQ(p[6].text, QString());
    EXPECT_EQ(p[6].alignment, u("center"));
    EXPECT_EQ(p[7].text, u("#"));
    EXPECT_EQ(p[7].alignment, u("center"));
    EXPECT_EQ(p[8].text, QString());
    EXPECT_EQ(p[8].alignment, u("left"));
    EXPECT_EQ(p[9].text, u("Геометрические характеристики отдельных профилей:"));
    EXPECT_EQ(p[9].boldText, p[9].text);
    EXPECT_EQ(p[9].alignment, u("center"));

    // A4, 595 x 842 pt, margins 57 / 57 / 57 / 28 pt, in twentieths of a point.
    EXPECT_EQ(m.view.pageWidth, 11900);
    EXPECT_EQ(m.view.pageHeight, 16840);
    EXPECT_EQ(m.view.marginTop, 1140);
    EXPECT_EQ(m.view.marginBottom, 1140);
    EXPECT_EQ(m.view.marginLeft, 1140);
    EXPECT_EQ(m.view.marginRight, 560);
    // The section picture drawn by the run stands in for the result tab's picture.
    EXPECT_FALSE(m.run.picture.isNull());
    EXPECT_EQ(m.run.picture.width(), 390);
}

TEST_F(ReportContentTest, OnePlateLineByLine) {
    const Made m = make(section(kPlate20x1));
    const int heading = m.view.find(u("Геометрические характеристики отдельных профилей:"));
    ASSERT_GE(heading, 0);
    const std::vector<const char*> expected = {
        "Геометрические характеристики отдельных профилей:",
        "",
        "1) Лист 200x10 мм.:",
        "#",
        "ширина b = 20 см.,",
        "высота h = 1 см.,",
        "площадь A = b·h = 20·1 = 20 см^{2}.,",
        "моменты инерции:",
        "{eq Ix = \\f(h\\s(3; )·b;12) = \\f(1\\s(3; )·20;12) =} 1.6667 см^{4}.,",
        "{eq Iy = \\f(b\\s(3; )·h;12) = \\f(20\\s(3; )·1;12) =} 666.67 см^{4}.,",
        "Ixy = 0 см^{4}.,",
        "координаты центра тяжести в общей системе координат x'y': x_{1} = 0 см., y_{1} = 0 см.",
        "",
        "Координаты центра тяжести всего сечения в общей системе координат x'y':",
        "{eq x\\s( ;c) = \\f([83] S\\s( ;y);[83] A ) = \\f([83] A\\s( ;i) x\\s( ;i);[83] "
        "A\\s( ;i)) = \\f(20·0;20) = 0} см.",
        "{eq y\\s( ;c) = \\f([83] S\\s( ;x);[83] A ) = \\f([83] A\\s( ;i) y\\s( ;i);[83] "
        "A\\s( ;i)) = \\f(20·0;20) = 0} см.",
        "Вводим центральную систему координат xy.",
        "",
        "Координаты центра тяжести отдельных профилей в центральной системе координат:",
        "a_{1} = y_{1} - y_{c} = 0 - 0 = 0 см., b_{1} = x_{1} - x_{c} = 0 - 0 = 0 см.",
        "",
        "Моменты инерции в центральной системе координат:",
        "I_{x} = [83][I_{xi} + a_{i}^{2}A_{i}] = [1.6667 + (0)^{2}·20] = 1.6667 см^{4}.",
        "I_{y} = [83][I_{yi} + b_{i}^{2}A_{i}] = [666.67 + (0)^{2}·20] = 666.67 см^{4}.",
        "I_{xy} = [83][I_{xyi} + a_{i}b_{i}A_{i}] = [0 + (0)·(0)·20] = 0 см^{4}.",
        "",
        "Угол поворота главных осей:",
        "{eq tg 2[97]\\s( ;o) = - \\f(2·I\\s( ;xy);I\\s( ;x)-I\\s( ;y)) = - "
        "\\f(2·(0);1.6667-666.67) = 0}, {eq [97]\\s( ;o) = 0[176]}.",
        "Главные оси uv совпадают с центральными xy.",
        "",
        "Главные моменты инерции:",
        "{eq I\\s( ; ;max;min) = \\f(I\\s( ;x) + I\\s( ;y);2) ± \\f(1;2) \\r(\\b(I\\s( ;x) - "
        "I\\s( ;y))\\s(2; ) + 4·I\\s(2;xy))}.",
        "{eq I\\s( ;u) = I\\s( ;min) = \\f(1.6667+666.67;2) - \\f(1;2) "
        "\\r(\\b(1.6667-666.67)\\s(2; ) + 4·(0)\\s(2; )) = 1.6667 см\\s(4; ).}",
        "{eq I\\s( ;v) = I\\s( ;max) = \\f(1.6667+666.67;2) + \\f(1;2) "
        "\\r(\\b(1.6667-666.67)\\s(2; ) + 4·(0)\\s(2; )) = 666.67 см\\s(4; ).}",
        "",
        "Главные радиусы инерции:",
        "{eq i\\s( ;u) = \\r(\\f(I\\s( ;u);A)) = \\r(\\f(1.6667;20)) = 0.28868} см.",
        "{eq i\\s( ;v) = \\r(\\f(I\\s( ;v);A)) = \\r(\\f(666.67;20)) = 5.7735} см.",
        "Здесь A = [83]A_{i} = 20 см.^{2} - площадь всего сечения.",
        "Зная радиусы инерции, строим эллипс инерции. Его уравнение: {eq \\f(u\\s(2; );i\\s(2;v)) "
        "+ \\f(v\\s(2; );i\\s(2;u)) = 1}.",
        "",
        "Моменты сопротивления:",
        // Ix < Iy: v_max is the distance from the axis at 0° (h/2), u_max from the other (b/2).
        "{eq W\\s( ;u) = \\f(I\\s( ;u);v\\s( ;max)) = \\f(1.6667;0.5) = 3.3333 см\\s(3; ).}",
        "{eq W\\s( ;v) = \\f(I\\s( ;v);u\\s( ;max)) = \\f(666.67;10) = 66.667 см\\s(3; ).}",
        "Здесь:",
        "u_{max} - расстояние от центра тяжести до наиболее удаленной точки сечения по оси u "
        "(красная).",
        "v_{max} - расстояние от центра тяжести до наиболее удаленной точки сечения по оси v "
        "(синяя).",
        "",
    };
    std::vector<QString> want;
    for (const char* line : expected)
        want.push_back(u(line));
    EXPECT_EQ(textsFrom(m.view, heading), want);

    const auto& p = m.view.paragraphs;
    const auto at = [&](const char* text) -> const ViewParagraph& {
        const int i = m.view.find(u(text));
        EXPECT_GE(i, 0) << text;
        return p[static_cast<std::size_t>(std::max(i, 0))];
    };
    // Profile headings bold and left; the picture centred; the lines left.
    EXPECT_EQ(at("1) Лист 200x10 мм.:").boldText, u("1) Лист 200x10 мм.:"));
    EXPECT_EQ(at("1) Лист 200x10 мм.:").alignment, u("left"));
    EXPECT_EQ(p[static_cast<std::size_t>(heading) + 3].alignment, u("center"));
    EXPECT_EQ(at("ширина b = 20 см.,").alignment, u("left"));
    EXPECT_TRUE(at("ширина b = 20 см.,").boldText.isEmpty());
    // The composite solution is centred, but the coordinate and moment lines are left.
    EXPECT_EQ(at("Вводим центральную систему координат xy.").alignment, u("center"));
    EXPECT_EQ(p[static_cast<std::size_t>(m.view.findPrefix(u("a_{1} =")))].alignment, u("left"));
    EXPECT_EQ(p[static_cast<std::size_t>(m.view.findPrefix(u("I_{xy} =")))].alignment, u("left"));
    EXPECT_EQ(at("Угол поворота главных осей:").alignment, u("center"));
    EXPECT_EQ(at("Угол поворота главных осей:").boldText, u("Угол поворота главных осей:"));
    EXPECT_EQ(at("Здесь:").alignment, u("left"));

    // Two formulas per plate, then 2 + 2 + 3 + 2 + 1 + 2; none for the extreme points.
    EXPECT_EQ(m.view.fieldCount(), 14);
    EXPECT_FALSE(m.view.documentXml.contains("###"));
}

TEST_F(ReportContentTest, TextbookSectionTermsSeparatorsAndNumbering) {
    const Made m = make(section(kTextbook));
    const ReportView& v = m.view;
    // Walk order: angles, I-beams, channels, numbered on across the kinds.
    const int un = v.find(u("1) Уголок неравнополочный 100x63x8 мм.:"));
    // The I-beam and the channel hold catalogue values, the angle rounded ones.
    const int dt = v.find(u("2) Двутавр № 20 (ГОСТ 8239-89):"));
    const int sh = v.find(u("3) Швеллер № 20У (ГОСТ 8240-97):"));
    ASSERT_GE(un, 0);
    EXPECT_GT(dt, un);
    EXPECT_GT(sh, dt);
    EXPECT_GE(v.find(u("расстояние до центра тяжести Zo = 2.07 см.,"), sh), 0);
    EXPECT_GE(v.find(u("координаты центра тяжести в общей системе координат x'y': x_{3} = 7.07 "
                       "см., y_{3} = 0 см.")),
              0);

    // xc = (12.6·-3.5 + 23.4·7.07) / 62.8 = 1.9321, yc = 12.6·-6.68 / 62.8 = -1.3403.
    EXPECT_GE(v.find(u("{eq x\\s( ;c) = \\f([83] S\\s( ;y);[83] A ) = \\f([83] A\\s( ;i) "
                       "x\\s( ;i);[83] A\\s( ;i)) = \\f(12.6·-3.5 + 26.8·0 + 23.4·7.07;12.6 + "
                       "26.8 + 23.4) = 1.9321} см.")),
              0);
    const int a1 = v.find(u("a_{1} = y_{1} - y_{c} = -6.68 - -1.3403 = -5.3397 см., b_{1} = "
                            "x_{1} - x_{c} = -3.5 - 1.9321 = -5.4321 см."));
    ASSERT_GE(a1, 0);
    EXPECT_EQ(v.paragraphs[static_cast<std::size_t>(a1) + 1].text,
              u("a_{2} = y_{2} - y_{c} = 0 - -1.3403 = 1.3403 см., b_{2} = x_{2} - x_{c} = 0 - "
                "1.9321 = -1.9321 см."));
    EXPECT_EQ(v.paragraphs[static_cast<std::size_t>(a1) + 2].text,
              u("a_{3} = y_{3} - y_{c} = 0 - -1.3403 = 1.3403 см., b_{3} = x_{3} - x_{c} = 7.07 "
                "- 1.9321 = 5.1379 см."));
    EXPECT_EQ(v.paragraphs[static_cast<std::size_t>(a1) + 3].text, QString());

    // Ix = 127 + 28.513·12.6 + 1840 + 1.7963·26.8 + 1520 + 1.7963·23.4 = 3936.4.
    EXPECT_GE(v.find(u("I_{x} = [83][I_{xi} + a_{i}^{2}A_{i}] = [127 + (-5.3397)^{2}·12.6] + "
                       "[1840 + (1.3403)^{2}·26.8] + [1520 + (1.3403)^{2}·23.4] = 3936.4 "
                       "см^{4}.")),
              0)
        << v.allText().toStdString();
    // The angle's own product is negative in code 2; an I-beam's term begins "[0 + (".
    const int ixy = v.findPrefix(u("I_{xy} = [83][I_{xyi} + a_{i}b_{i}A_{i}] = [-40.458 + "
                                   "(-5.3397)·(-5.4321)·12.6] + [0 + (1.3403)·(-1.9321)·26.8] + "
                                   "[0 + (1.3403)·(5.1379)·23.4] = "));
    EXPECT_GE(ixy, 0) << v.allText().toStdString();

    // Ix > Iy: u_max is measured from the axis at Alpha0, with the point farthest from it.
    EXPECT_GE(v.find(u("Главные оси uv повернуты по отношению к центральным xy по часовой "
                       "стрелке.")),
              0);
    const int umax = v.findPrefix(u("{eq u\\s( ;max) = |y·cos [97]\\s( ;o) - x·sin [97]\\s( "
                                    ";o)| = |("));
    ASSERT_GE(umax, 0);
    EXPECT_TRUE(v.paragraphs[static_cast<std::size_t>(umax) + 1].text.startsWith(
        u("{eq v\\s( ;max) = |y·sin [97]\\s( ;o) + x·cos [97]\\s( ;o)| = |(")));
    EXPECT_EQ(v.paragraphs[static_cast<std::size_t>(umax) + 2].text,
              u("Здесь x и y координаты наиболее удаленных точек в центральной системе "
                "координат."));

    // 1 (angle) + 2 + 2 + 3 + 2 + 1 + 2 + 2 (extreme points).
    EXPECT_EQ(v.fieldCount(), 15);
    EXPECT_FALSE(v.documentXml.contains("###"));
    EXPECT_EQ(m.counted.steps, kReportSteps);
}

TEST_F(ReportContentTest, AnglesSignsAndBeamNumberAcrossKinds) {
    const Made m = make(section(kTwoAnglesAndBeam));
    const ReportView& v = m.view;
    const int first = v.find(u("1) Уголок неравнополочный 100x63x8 мм.:"));
    const int second = v.find(u("2) Уголок неравнополочный 100x63x8 мм.:"));
    const int beam = v.find(u("3) Двутавр № 22.5:"));
    ASSERT_GE(first, 0);
    ASSERT_GT(second, first);
    ASSERT_GT(beam, second);
    EXPECT_EQ(v.paragraphs[static_cast<std::size_t>(beam) + 2].text, u("высота h = 22.5 см.,"));

    // tg α = √((39.2 − 23.4) / (127 − 23.4)) = 0.39052, α = 21.332°;
    // (Ix + Iy − 2·Iu)/2 · sin 2α = 59.7 · 0.67769 = 40.458.
    const QString tangent = u("угол наклона главных осей: tg [97] = 0.39052, [97] = 21.332°");
    EXPECT_GE(v.find(tangent, first), 0);
    EXPECT_EQ(v.paragraphs[static_cast<std::size_t>(first) + 6].text,
              u("центробежный момент инерции"));
    EXPECT_EQ(v.paragraphs[static_cast<std::size_t>(first) + 7].text,
              u("{eq Ixy = ±\\f(Iu - Iv;2)sin(2[97]) = \\f(23.4-142.8;2)sin(2·21.332°) = "
                "40.458} см^{4}.,"));
    EXPECT_EQ(v.paragraphs[static_cast<std::size_t>(second) + 7].text,
              u("{eq Ixy = ±\\f(Iu - Iv;2)sin(2[97]) = -\\f(23.4-142.8;2)sin(2·21.332°) = "
                "-40.458} см^{4}.,"));
    EXPECT_GE(v.find(u("главные моменты инерции: Iu = Imin = 23.4 см^{4}., Iv = Imax = "
                       "Ix+Iy-Iu = 142.8 см^{4}.,")),
              0);
    // Coordinate lines and central coordinates numbered 1, 2, 3.
    // The formula and its unit share a line: the coordinates are the tenth line.
    EXPECT_EQ(v.paragraphs[static_cast<std::size_t>(second) + 9].text,
              u("координаты центра тяжести в общей системе координат x'y': x_{2} = -1 см., "
                "y_{2} = 2 см."));
    EXPECT_GE(v.find(u("координаты центра тяжести в общей системе координат x'y': x_{3} = 0 "
                       "см., y_{3} = 15 см.")),
              0);
    const int a1 = v.findPrefix(u("a_{1} = y_{1} - y_{c} = 2 - "));
    ASSERT_GE(a1, 0);
    EXPECT_TRUE(v.paragraphs[static_cast<std::size_t>(a1) + 1].text.startsWith(
        u("a_{2} = y_{2} - y_{c} = 2 - ")));
    EXPECT_TRUE(v.paragraphs[static_cast<std::size_t>(a1) + 2].text.startsWith(
        u("a_{3} = y_{3} - y_{c} = 15 - ")));
    // The own products in the Ixy terms: +40.458, −40.458 and the I-beam's 0.
    const int ixy = v.findPrefix(u("I_{xy} = [83][I_{xyi} + a_{i}b_{i}A_{i}] = [40.458 + ("));
    ASSERT_GE(ixy, 0);
    const QString& line = v.paragraphs[static_cast<std::size_t>(ixy)].text;
    EXPECT_TRUE(line.contains(u("·12.6] + [-40.458 + ("))) << line.toStdString();
    EXPECT_TRUE(line.contains(u("·12.6] + [0 + ("))) << line.toStdString();
}

TEST_F(ReportContentTest, EqualLegAngleOnOneLineAndInfiniteTangent) {
    // Code 1: own product +(11.2 + 11.2 − 2·4.63)/2 = 6.57, Ix = Iy, so tg 2α is −∞,
    // Alpha0 = −45 and the turn is clockwise.
    const Made m = make(equalLeg(1));
    const ReportView& v = m.view;
    const int head = v.find(u("1) Уголок равнополочный 50x5 мм. (ГОСТ 8509-93):"));
    ASSERT_GE(head, 0);
    const std::vector<const char*> lines = {
        "площадь A = 4.8 см^{2}.,",
        "моменты инерции: Ix = Iy = 11.2 см^{4}.,",
        "главные моменты инерции: Iu = Imin = 4.63 см^{4}., Iv = Imax = 17.77 см^{4}.,",
        "центробежный момент инерции {eq Ixy = ±\\f(Iu - Iv;2)sin(2·45°) = "
        "\\f(4.63-17.77;2) = 6.57} см^{4}.,",
        "расстояние до центра тяжести Zo = 1.42 см.,",
        "координаты центра тяжести в общей системе координат x'y': x_{1} = 0 см., y_{1} = 0 см.",
    };
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(v.paragraphs[static_cast<std::size_t>(head) + 2 + i].text, u(lines[i]));
    EXPECT_EQ(v.paragraphs[static_cast<std::size_t>(head) + 1].text, u("#"));

    const int angle = v.find(u("{eq tg 2[97]\\s( ;o) = - \\f(2·I\\s( ;xy);I\\s( ;x)-I\\s( ;y)) "
                               "= - \\f(2·(6.57);11.2-11.2) = -[165]}, {eq [97]\\s( ;o) = "
                               "-45[176]}."));
    ASSERT_GE(angle, 0) << v.allText().toStdString();
    EXPECT_EQ(v.paragraphs[static_cast<std::size_t>(angle) + 1].text,
              u("Главные оси uv повернуты по отношению к центральным xy по часовой стрелке."));
    EXPECT_GE(v.find(u("I_{xy} = [83][I_{xyi} + a_{i}b_{i}A_{i}] = [6.57 + (0)·(0)·4.8] = 6.57 "
                       "см^{4}.")),
              0);
    // Ixy is not zero: the extreme points are written out, Ix ≥ Iy so u_max comes from the
    // point farthest from the axis at Alpha0.
    EXPECT_GE(v.findPrefix(u("{eq u\\s( ;max) = |y·cos [97]\\s( ;o) - x·sin [97]\\s( ;o)| = |(")),
              0);
    EXPECT_EQ(v.fieldCount(), 15);

    // Code 2 turns the sign: −6.57, tg 2α = +∞, Alpha0 = 45, counter-clockwise.
    const Made turned = make(equalLeg(2));
    const ReportView& t = turned.view;
    EXPECT_GE(t.find(u("центробежный момент инерции {eq Ixy = ±\\f(Iu - Iv;2)sin(2·45°) = "
                       "-\\f(4.63-17.77;2) = -6.57} см^{4}.,")),
              0);
    const int turnedAngle =
        t.find(u("{eq tg 2[97]\\s( ;o) = - \\f(2·I\\s( ;xy);I\\s( ;x)-I\\s( ;y)) = - "
                 "\\f(2·(-6.57);11.2-11.2) = [165]}, {eq [97]\\s( ;o) = 45[176]}."));
    ASSERT_GE(turnedAngle, 0) << t.allText().toStdString();
    EXPECT_EQ(t.paragraphs[static_cast<std::size_t>(turnedAngle) + 1].text,
              u("Главные оси uv повернуты по отношению к центральным xy против часовой "
                "стрелки."));
}

TEST_F(ReportContentTest, EqualMomentsWithoutProductCoincideAndOmitExtremePoints) {
    // A square plate 2 x 2: Ix = Iy = 16/12 = 1.3333, Ixy = 0.
    const Made m = make(section(kSquare));
    const ReportView& v = m.view;
    const int angle = v.find(u("{eq tg 2[97]\\s( ;o) = - \\f(2·I\\s( ;xy);I\\s( ;x)-I\\s( ;y)) "
                               "= - \\f(2·(0);1.3333-1.3333) = 0}, {eq [97]\\s( ;o) = 0[176]}."));
    ASSERT_GE(angle, 0) << v.allText().toStdString();
    EXPECT_EQ(v.paragraphs[static_cast<std::size_t>(angle) + 1].text,
              u("Главные оси uv совпадают с центральными xy."));
    // Ix ≥ Iy: v_max is the distance from the axis across Alpha0 (b/2 = 1).
    EXPECT_GE(v.find(u("{eq W\\s( ;u) = \\f(I\\s( ;u);v\\s( ;max)) = \\f(1.3333;1) = 1.3333 "
                       "см\\s(3; ).}")),
              0);
    // The two explaining lines stay; the extreme-point formulas and their sentence go.
    EXPECT_GE(v.findPrefix(u("u_{max} - расстояние")), 0);
    EXPECT_GE(v.findPrefix(u("v_{max} - расстояние")), 0);
    EXPECT_LT(v.findPrefix(u("{eq u\\s( ;max)")), 0);
    EXPECT_LT(v.findPrefix(u("{eq v\\s( ;max)")), 0);
    EXPECT_LT(v.findPrefix(u("Здесь x и y")), 0);
    EXPECT_EQ(v.fieldCount(), 14);
    // The profile's picture follows its heading.
    const int head = v.find(u("1) Лист 20x20 мм.:"));
    ASSERT_GE(head, 0);
    EXPECT_EQ(v.paragraphs[static_cast<std::size_t>(head) + 1].text, u("#"));
}

TEST_F(ReportContentTest, ReducedGroupsAreNinePointFive) {
    const Made m = make(section(kTextbook));
    int groups = 0;
    for (const ViewParagraph& p : m.view.paragraphs) {
        for (const auto& field : p.fields) {
            EXPECT_TRUE(field.code.startsWith(u("eq "))) << field.code.toStdString();
            for (const auto& [text, size] : field.parts) {
                const bool group = text.startsWith(u("s(")) || text.startsWith(u("S("));
                groups += group ? 1 : 0;
                // A group from its "s" to its ")" at 80 % of 12 pt; the rest at the base size.
                if (group) {
                    EXPECT_EQ(size, 19) << text.toStdString();
                    EXPECT_TRUE(text.endsWith(u(")"))) << text.toStdString();
                } else {
                    EXPECT_TRUE(size == 0 || size == 24) << text.toStdString() << " " << size;
                }
            }
        }
    }
    // Count the groups from the codes themselves: every "\s(" is one.
    int expected = 0;
    for (const ViewParagraph& p : m.view.paragraphs)
        for (const auto& field : p.fields)
            expected += static_cast<int>(field.code.count(u("\\s(")));
    EXPECT_EQ(groups, expected);
    EXPECT_GT(groups, 40);
}

TEST_F(ReportContentTest, GivenPictureIsPastedAndTheRunsPictureReturned) {
    QImage shown(100, 50, QImage::Format_RGB32);
    shown.fill(Qt::red);
    const Made m = make(section(kPlate20x1), &shown);
    // The given picture is pasted (wider than high), the run still returns the one it drew.
    const QByteArray& xml = m.view.documentXml;
    const qsizetype extent = xml.indexOf("<wp:extent ");
    ASSERT_GE(extent, 0);
    const QByteArray tag = xml.mid(extent, xml.indexOf("/>", extent) - extent);
    const QList<QByteArray> values = tag.split('"');
    ASSERT_GE(values.size(), 4);
    EXPECT_EQ(values[1].toLongLong(), 2 * values[3].toLongLong()) << tag.toStdString();
    EXPECT_EQ(m.run.picture.size(), QSize(390, 390));
}

TEST_F(ReportContentTest, CatalogueProfilesAreNamedByTheirStandard) {
    // A profile holding a catalogue row's values in any position takes the standard's name;
    // one typed by hand keeps the plain heading.
    const struct {
        const char* kinds;
        const char* heading;
    } cases[] = {
        {R"("Un": {"entries": [{"orientation": 2, "B1": "10", "b2": "6.3", "d": "0.8",
             "A": "12.57", "Ix": "126.96", "Iy": "39.21", "Iu": "23.38", "Xo": "1.5",
             "Yo": "3.32", "Xc": "0", "Yc": "0"}]})",
         "1) Уголок неравнополочный 100x63x8 мм. (ГОСТ 8510-86):"},
        {R"("Un": {"entries": [{"orientation": 3, "B1": "10", "b2": "6.3", "d": "0.8",
             "A": "12.57", "Ix": "39.21", "Iy": "126.96", "Iu": "23.38", "Xo": "3.32",
             "Yo": "1.5", "Xc": "0", "Yc": "0"}]})",
         "1) Уголок неравнополочный 100x63x8 мм. (ГОСТ 8510-86):"},
        {R"("Ur": {"entries": [{"orientation": 1, "b": "5", "d": "0.5", "A": "4.81",
             "Ix": "11.2", "Iu": "4.63", "Zo": "1.42", "Xc": "0", "Yc": "0"}]})",
         "1) Уголок равнополочный 50x50x5 мм.:"},
        {R"("Sh": {"entries": [{"orientation": 2, "h": "20", "b": "7.6", "A": "23.4",
             "Ix": "1521", "Iy": "113", "Zo": "2.07", "Xc": "0", "Yc": "0"}]})",
         "1) Швеллер № 20:"},
    };
    for (const auto& c : cases) {
        const Made m = make(section(c.kinds));
        EXPECT_GE(m.view.find(u(c.heading)), 0) << c.heading << "\n"
                                                << m.view.allText().toStdString();
    }
}

TEST_F(ReportContentTest, HeadingsStayWithWhatTheyHead) {
    // Kept with the paragraph after: a profile's blank line, heading, picture and first
    // value lines; each heading of the solution, but not its first line.
    const Made m = make(section(kTextbook));
    const auto keeps = [&](int i) {
        return m.view.paragraphs[static_cast<std::size_t>(i)].keepNext;
    };
    const int sh = m.view.find(u("3) Швеллер № 20У (ГОСТ 8240-97):"));
    ASSERT_GE(sh, 1);
    for (int i = sh - 1; i <= sh + 3; ++i)
        EXPECT_TRUE(keeps(i)) << i - sh;
    EXPECT_FALSE(keeps(sh + 4)) << "the area line";
    for (const char* heading :
         {"Моменты инерции в центральной системе координат:", "Моменты сопротивления:"}) {
        const int i = m.view.find(u(heading));
        ASSERT_GE(i, 0) << heading;
        EXPECT_TRUE(keeps(i) && !keeps(i + 1)) << heading;
    }
}

// The fields of a written document's paragraphs, one code per field.
std::vector<QString> fieldCodes(const Document& d) {
    std::vector<QString> codes;
    for (const Paragraph& p : d.paragraphs())
        for (const Inline& item : p.items)
            if (item.kind == Inline::Kind::Field)
                codes.push_back(item.field.code);
    return codes;
}

TEST(ReportLayout, LongSumsGoTermByTermOverLinesAndLongChainsBreakBeforeAnEqualsSign) {
    TSectionModel m;
    bench::FillLargestModel(m);
    TSectionResult r;
    ASSERT_EQ(SolveSection(m, r).status, SolveStatus::Solved);
    Document d;
    WriteSolution(d, m, r);
    const std::vector<QString> codes = fieldCodes(d);
    const auto brief = [](double v) { return QString::fromStdString(FormatShort(v)); };
    const auto full = [](double v) { return QString::fromStdString(FormatFull(v)); };

    // The lines from the one that starts with `lead` to the one that ends with the total,
    // joined again: every term once, in the walk order, each broken line ending in "+".
    const auto sum = [&](const QString& lead, const QString& total) {
        auto it = std::find_if(codes.begin(), codes.end(),
                               [&](const QString& c) { return c.startsWith(lead); });
        EXPECT_NE(it, codes.end()) << lead.toStdString();
        QString joined;
        int lines = 0;
        for (; it != codes.end(); ++it, ++lines) {
            joined += it->mid(lines == 0 ? lead.size() : 3);
            if (it->endsWith(u(" = ") + total))
                break;
            EXPECT_TRUE(it->endsWith(u(" +"))) << it->toStdString();
            joined += u(" ");
        }
        EXPECT_GT(lines, 3);
        return joined;
    };
    QString terms, areas;
    for (const SolvedEntry& s : r.Entries) {
        const QString separator = areas.isEmpty() ? QString() : u(" + ");
        terms += separator + full(s.A) + u("·") + full(s.Xc);
        areas += separator + full(s.A);
    }
    EXPECT_EQ(sum(u("eq [83] A\\s( ;i) x\\s( ;i) = "), brief(r.Sy)),
              terms + u(" = ") + brief(r.Sy));
    EXPECT_EQ(sum(u("eq [83] A\\s( ;i) = "), brief(r.A)), areas + u(" = ") + brief(r.A));
    // Then the fraction of the totals.
    const QString x = u("\\f(") + brief(r.Sy) + u(";") + brief(r.A) + u(") = ") + brief(r.xc);
    EXPECT_NE(
        std::find_if(codes.begin(), codes.end(), [&](const QString& c) { return c.endsWith(x); }),
        codes.end());

    // The principal moments of this section are millions: the result moves to a line of
    // its own.
    const auto iu = std::find_if(codes.begin(), codes.end(), [](const QString& c) {
        return c.startsWith(u("eq I\\s( ;u) = I\\s( ;min) = \\f("));
    });
    ASSERT_NE(iu, codes.end());
    ASSERT_NE(iu + 1, codes.end());
    EXPECT_TRUE(iu->endsWith(u("\\s(2; ))"))) << iu->toStdString();
    EXPECT_FALSE(iu->contains(u(")="))) << iu->toStdString(); // the blanks stay
    EXPECT_EQ(*(iu + 1), u("eq = ") + brief(r.Iu) + u(" см\\s(4; )."));
}

TEST(ReportRun, ProgressStepsAndResetInEveryCase) {
    QTemporaryDir dir;
    // A complete report: 3 + 16 + 1 steps, the panel shown once and hidden at the end.
    const Made full = makeReport(section(kTextbook), dir.filePath(QStringLiteral("a.docx")));
    EXPECT_EQ(full.run.outcome.status, SolveStatus::Solved);
    EXPECT_EQ(full.counted.begin, 1);
    EXPECT_EQ(full.counted.steps, 20);
    EXPECT_EQ(full.run.steps, 20);
    EXPECT_EQ(full.counted.end, 1);
    EXPECT_EQ(full.counted.stepsAtEnd, 20);
    EXPECT_TRUE(full.run.error.isEmpty());

    // An empty section is refused by the solver: the document keeps only the introduction
    // and the picture, and is still written.
    const Made empty = makeReport(section(""), dir.filePath(QStringLiteral("b.docx")));
    EXPECT_EQ(empty.run.outcome.status, SolveStatus::EmptySection);
    ASSERT_TRUE(empty.run.written());
    EXPECT_EQ(empty.counted.steps, 4);
    EXPECT_EQ(empty.counted.end, 1);
    EXPECT_EQ(empty.view.paragraphs.size(), 10u);
    EXPECT_EQ(empty.view.paragraphs[7].text, u("#"));
    EXPECT_EQ(empty.view.fieldCount(), 0);
    EXPECT_FALSE(empty.view.documentXml.contains("###"));

    // An overflow while the central moments are summed (a = 1e160 cm): the solution stops
    // halfway, so no file is written; the fault is returned and the run still ends.
    const QString faultPath = dir.filePath(QStringLiteral("c.docx"));
    const Made fault =
        makeReport(section(R"("List": {"entries": [{"h": "1", "b": "1", "Xc": "0", "Yc": "1e160"},
                                        {"h": "1", "b": "1", "Xc": "0", "Yc": "-1e160"}]})"),
                   faultPath);
    ASSERT_TRUE(fault.run.fault.has_value());
    EXPECT_EQ(fault.run.fault->fault(), ArithmeticError::Fault::Overflow);
    EXPECT_EQ(fault.run.error, u("Floating point overflow."));
    EXPECT_FALSE(fault.run.written());
    EXPECT_FALSE(QFile::exists(faultPath));
    // 3 before the solve, then the profiles' 5, the centroid's and the skeleton's before
    // the fault.
    EXPECT_EQ(fault.counted.steps, 10);
    EXPECT_EQ(fault.counted.end, 1);
    EXPECT_EQ(fault.counted.stepsAtEnd, 10);

    // A file that cannot be written: the reason is returned, the run ends.
    const Made unwritable =
        makeReport(section(kPlate20x1), dir.filePath(QStringLiteral("no such folder/d.docx")));
    EXPECT_FALSE(unwritable.run.written());
    EXPECT_FALSE(unwritable.run.error.isEmpty());
    EXPECT_EQ(unwritable.counted.end, 1);
}

TEST(ReportRun, NewFileNamesCountUpAndNeverOverwrite) {
    QTemporaryDir dir;
    const auto contents = [](const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
    };
    const QString first = WriteNewReport(dir.path(), "one");
    EXPECT_EQ(first, dir.filePath(u("Отчет 1.docx")));
    EXPECT_EQ(contents(first), "one");
    EXPECT_EQ(WriteNewReport(dir.path(), "two"), dir.filePath(u("Отчет 2.docx")));
    EXPECT_EQ(contents(first), "one");
    // Numbers keep rising past gaps and foreign names.
    QFile::remove(first);
    QFile(dir.filePath(u("Отчет 7.docx"))).open(QIODevice::WriteOnly);
    QFile(dir.filePath(u("Отчет x.docx"))).open(QIODevice::WriteOnly);
    EXPECT_EQ(WriteNewReport(dir.path(), "x"), dir.filePath(u("Отчет 8.docx")));
    // Numbers have no upper limit, and the file is the user's alone.
    QFile(dir.filePath(u("Отчет 999999999.docx"))).open(QIODevice::WriteOnly);
    QFile(dir.filePath(u("Отчет 1000000000.docx"))).open(QIODevice::WriteOnly);
    const QString big = WriteNewReport(dir.path(), "x");
    EXPECT_EQ(big, dir.filePath(u("Отчет 1000000001.docx")));
    EXPECT_EQ(QFile::permissions(big) & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
    QString reason;
    EXPECT_TRUE(WriteNewReport(dir.filePath(QStringLiteral("missing")), "x", &reason).isEmpty());
    EXPECT_EQ(reason, u("нет такого файла или папки"));
    // A writer killed before its name appeared left only its temporary file (no process has
    // a number above pid_max); the next report removes it.
    const QString left = dir.filePath(u(".Отчет.docx.4194305-x.tmp"));
    QFile(left).open(QIODevice::WriteOnly);
    EXPECT_EQ(WriteNewReport(dir.path(), "y"), dir.filePath(u("Отчет 1000000002.docx")));
    EXPECT_FALSE(QFile::exists(left));
    EXPECT_EQ(QDir(dir.path()).entryList({u("*.tmp")}, QDir::Files | QDir::Hidden), QStringList());

    // Without an output path the report takes the next name in the user's own folder inside
    // the temporary folder.
    QTemporaryDir temp;
    const bool hadTmp = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray saved = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    const Made made = makeReport(section(kPlate20x1), QString());
    if (hadTmp)
        qputenv("TMPDIR", saved);
    else
        qunsetenv("TMPDIR");
    EXPECT_EQ(made.run.path,
              QDir(temp.path()).filePath(u("karo-%1/Отчет 1.docx").arg(::geteuid())));
    EXPECT_TRUE(made.view.ok);
    EXPECT_GT(QFileInfo(made.run.path).size(), 1000);

    // Not written: the reason follows. Written but not opened: where it is and what opens it.
    EXPECT_EQ(ReportFailureText(u("Нет места на диске.")),
              u("Создание отчета невозможно.\nНет места на диске."));
    EXPECT_EQ(ReportWrittenText(u("/tmp/Отчет 3.docx")),
              u("Отчет записан в файл «/tmp/Отчет 3.docx».\nОн открывается в текстовом процессоре, "
                "например в LibreOffice Writer."));
}

TEST(ReportRun, PicturesGetAPaletteOnlyWhenNoColourIsLost) {
    QImage few(40, 30, QImage::Format_RGB32);
    few.fill(Qt::white);
    for (int x = 0; x < 40; ++x)
        few.setPixel(x, 10, qRgb(255, 0, 0)), few.setPixel(x, 20, qRgb(0, 0, 255));
    const QImage indexed = PaletteImage(few);
    EXPECT_EQ(indexed.format(), QImage::Format_Indexed8);
    EXPECT_EQ(indexed.convertToFormat(QImage::Format_RGB32), few);

    // 300 greys and reds cannot be held by a palette without loss.
    QImage many(300, 2, QImage::Format_RGB32);
    for (int x = 0; x < 300; ++x) {
        many.setPixel(x, 0, qRgb(x % 256, x / 256 * 100, 7));
        many.setPixel(x, 1, qRgb(x % 256, x / 256 * 100, 7));
    }
    EXPECT_EQ(PaletteImage(many).format(), QImage::Format_RGB32);
    EXPECT_EQ(PaletteImage(many), many);
}
