#include "report/report_content.h"

#include "catalogue/field_texts.h"
#include "io/to_qstring.h"
#include "model/orientation.h"
#include "picture/sketches.h"
#include "report/document.h"
#include "report/docx_writer.h"
#include "report/formula_width.h"
#include "solver/format.h"
#include "texts/message_text.h"
#include "texts/standard_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>

namespace karo::report {

using namespace Qt::Literals::StringLiterals;

namespace {

// The report's texts, Russian as written here, in the language installed.
struct Report {
    Q_DECLARE_TR_FUNCTIONS(Report)
};

// The unit of length, and its forms the report writes: the Russian abbreviation takes a
// period, so the punctuation after it is translated with it.
QString cm() {
    return Report::tr("см");
}
QString cmSpaced() {
    return u" "_s + cm();
}

QString full(double q) {
    return QString::fromStdString(FormatFull(q));
}
QString brief(double q) {
    return QString::fromStdString(FormatShort(q));
}
QString num(int n) {
    return QString::number(n);
}

// The sign text of an angle's own product of inertia: "-" where it is negative.
QString signText(Kind kind, int code) {
    return AngleLayoutOf(kind, code).productSign < 0 ? u"-"_s : QString();
}

// The catalogue row whose values an entry holds, or null for a profile typed by hand. The
// values are compared as the report prints them.
const catalogue::ProfileRow* catalogueRow(const TSectionModel& m, Kind kind, int number) {
    std::vector<std::string> texts;
    for (const FieldInfo& f : kindInfo(kind).fields)
        texts.push_back(FormatFull(m.value(kind, number, f.slot)));
    return catalogue::recognise(kind, m.entryOrientation(kind, number), texts);
}

// " (ГОСТ …)" after the name of a catalogue profile.
QString standardNote(const catalogue::ProfileRow* row) {
    return row ? u" ("_s + StandardText(row->standard) + u")"_s : QString();
}

// ---- formulas ----------------------------------------------------------------------------

// Symbol font characters.
constexpr int kSigma = 83;
constexpr int kAlpha = 97;
constexpr int kInfinity = 165;
constexpr int kDegree = 176;

FormulaNode t(const QString& s) {
    return text(s);
}
// A letter with a subscript or a superscript.
FormulaNode lower(const QString& base, const QString& below) {
    return sub({text(base)}, {text(below)});
}
FormulaNode upper(const QString& base, const QString& above) {
    return sup({text(base)}, {text(above)});
}
// A fraction over 2.
FormulaNode half(const QString& numerator) {
    return fraction({text(numerator)}, {text(u"2"_s)});
}
// α with the subscript o, the angle of the principal axes.
FormulaNode alphaO() {
    return sub({symbol(kAlpha)}, {text(u"o"_s)});
}

Formula operator+(Formula a, const Formula& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A typed number cubed: a script takes the number itself, its sign stays before it.
Formula cubed(const QString& number) {
    if (number.startsWith(u'-'))
        return {t(u"-"_s), upper(number.mid(1), u"3"_s)};
    return {upper(number, u"3"_s)};
}

// "I = (h³·b)/12 = (…³·…)/12 =", the plate's own moment about one axis.
Formula plateMoment(const QString& moment, const QString& across, const QString& along,
                    const QString& acrossValue, const QString& alongValue) {
    return {t(moment + u" = "_s),
            fraction({upper(across, u"3"_s), t(u"·"_s + along)}, {t(u"12"_s)}), t(u" = "_s),
            fraction(cubed(acrossValue) + Formula{t(u"·"_s + alongValue)}, {t(u"12"_s)}),
            t(u" ="_s)};
}

// "x_c = ΣS_y / ΣA = ΣA_i x_i / ΣA_i = (terms) / (areas) = value".
Formula centroid(const QString& axis, const QString& other, const QString& terms,
                 const QString& areas, const QString& value) {
    return {
        lower(axis, u"c"_s),
        t(u" = "_s),
        fraction({symbol(kSigma), t(u" "_s), lower(u"S"_s, other)}, {symbol(kSigma), t(u" A "_s)}),
        t(u" = "_s),
        fraction({symbol(kSigma), t(u" "_s), lower(u"A"_s, u"i"_s), t(u" "_s), lower(axis, u"i"_s)},
                 {symbol(kSigma), t(u" "_s), lower(u"A"_s, u"i"_s)}),
        t(u" = "_s),
        fraction({t(terms)}, {t(areas)}),
        t(u" = "_s + value)};
}

// "i_u = √(I_u / A) = √(… / …) = value".
Formula radius(const QString& axis, const QString& moment, const QString& area,
               const QString& value) {
    return {lower(u"i"_s, axis),
            t(u" = "_s),
            root({fraction({lower(u"I"_s, axis)}, {t(u"A"_s)})}),
            t(u" = "_s),
            root({fraction({t(moment)}, {t(area)})}),
            t(u" = "_s + value)};
}

// "W_u = I_u / v_max = … / … = value см³."
Formula modulus(const QString& axis, const QString& other, const QString& moment,
                const QString& distance, const QString& value) {
    return {lower(u"W"_s, axis),
            t(u" = "_s),
            fraction({lower(u"I"_s, axis)}, {lower(other, u"max"_s)}),
            t(u" = "_s),
            fraction({t(moment)}, {t(distance)}),
            t(u" = "_s + value + u" "_s),
            upper(cm(), u"3"_s),
            t(u"."_s)};
}

// A formula cut before each "=" of its own line (not inside a fraction or a root): the
// steps of a chain of equalities, the first as it starts, each later one starting "= ".
std::vector<Formula> equalitySteps(const Formula& formula) {
    std::vector<Formula> steps(1);
    for (const FormulaNode& node : formula) {
        if (node.kind != FormulaNode::Kind::Text) {
            steps.back().push_back(node);
            continue;
        }
        QString rest = node.text;
        for (qsizetype at = rest.indexOf(u" ="_s); at >= 0; at = rest.indexOf(u" ="_s, 1)) {
            if (at > 0)
                steps.back().push_back(t(rest.left(at)));
            if (!steps.back().empty())
                steps.emplace_back();
            rest = rest.mid(at + 1);
        }
        if (!rest.isEmpty())
            steps.back().push_back(t(rest));
    }
    return steps;
}

// Plates have no orientation code; the report shows them standing or lying.
constexpr int kPlateStanding = 1;
constexpr int kPlateLying = 2;

// " см" with a superscript unit power and the closing text.
void unit(Document& d, const QString& power, const QString& after) {
    d.text(cmSpaced());
    d.sup(power);
    d.text(after);
}

// Writes one solution; each part reads the values of the run that it shows.
class SolutionWriter {
  public:
    SolutionWriter(Document& document, const std::function<void()>& step)
        : doc_(document), step_(step),
          meter_(document.pageSetup().fontName, document.pageSetup().fontSize),
          lineWidth_(kFilledShare * document.pageSetup().textWidth()) {}

    int steps() const { return steps_; }
    void write(const TSectionModel& m, const TSectionResult& r);

  private:
    void step(int times = 1);
    static const EncodedPicture& sketch(Kind kind, int code);

    // A bold heading kept on one page with what follows it; a profile's heading stays on
    // until the first lines of its values are typed (`keepOn`).
    void heading(const QString& text, bool keepOn = false);
    // Ends a profile's heading block after the first lines of its values.
    void endHeadingBlock() { doc_.keepWithNext(false); }
    bool fits(const Formula& formula, const QString& after = {}) const;
    // A formula as one field where it fits the line (with the text `after` that follows it
    // on the line), otherwise broken before its "=" signs into fields on lines of their own.
    void formula(const Formula& formula, const QString& after = {});
    // "lead t1 + t2 + … = total" over as many lines as the terms need, each broken line
    // ending in "+"; then the unit of the total with the given power.
    void sumLines(const Formula& lead, const QStringList& terms, const QString& total,
                  const QString& power);
    void centroidLine(const QString& axis, const QString& other, const QStringList& terms,
                      const QStringList& areas, double moment, double value,
                      const TSectionResult& r, bool& areasSummed);

    void writeProfiles(const TSectionModel& m, const TSectionResult& r);
    void writeAngle(int n, const TUnEntry& e, const SolvedEntry& s, bool equalLegs,
                    const catalogue::ProfileRow* row);
    void writeBeam(int n, const TDtEntry& e, const catalogue::ProfileRow* row);
    void writeChannel(int n, const TShEntry& e, const catalogue::ProfileRow* row);
    // What an I-beam's and a channel's paragraphs share: heading, picture, dimensions, area
    // and moments (their own product of inertia is zero: both are symmetric).
    struct RolledValues {
        double h, b, A, Ix, Iy;
    };
    void writeRolled(int n, Kind kind, int code, const RolledValues& v,
                     const catalogue::ProfileRow* row);
    void writePlate(int n, const TListEntry& e, const SolvedEntry& s);
    void writeCoordinates(int n, double Xc, double Yc);
    void writeCentroid(const TSectionResult& r);
    void writeCentral(const TSectionResult& r);
    void writePrincipal(const TSectionResult& r);
    void writeModuli(const TSectionResult& r);

    // Formulas are measured against this share of the text area: Word sets the cached
    // formulas in its own math font, which runs a little wider than the report's.
    static constexpr double kFilledShare = 0.9;

    Document& doc_;
    const std::function<void()>& step_;
    int steps_ = 0;
    FormulaMeter meter_;
    double lineWidth_;
};

} // namespace

void SolutionWriter::step(int times) {
    for (int i = 0; i < times; ++i) {
        ++steps_;
        if (step_)
            step_();
    }
}

// The orientation pictures are fixed drawings, like bitmaps loaded with the window: each is
// drawn and encoded once per process and shared by every report, so a document holds one
// copy of each. Only the PNG bytes are kept: the pixels are not needed again.
const EncodedPicture& SolutionWriter::sketch(Kind kind, int code) {
    static std::map<std::pair<int, int>, EncodedPicture> drawn;
    const auto key = std::make_pair(static_cast<int>(kind), code);
    auto it = drawn.find(key);
    if (it == drawn.end()) {
        const QImage image =
            kind == Kind::List
                ? PlatePicture(code == kPlateStanding ? PlateView::Vertical : PlateView::Horizontal)
                : OrientationPicture(kind, code);
        const QImage palette = PaletteImage(image);
        it = drawn.emplace(key, EncodedPicture{palette.size(), EncodePng(palette)}).first;
    }
    return it->second;
}

void SolutionWriter::heading(const QString& text, bool keepOn) {
    doc_.keepWithNext(true);
    doc_.bold(true);
    doc_.text(text);
    doc_.bold(false);
    doc_.keepWithNext(keepOn);
}

bool SolutionWriter::fits(const Formula& formula, const QString& after) const {
    return meter_.width(formula) + meter_.textWidth(after) <= lineWidth_;
}

void SolutionWriter::formula(const Formula& formula, const QString& after) {
    if (fits(formula, after)) {
        doc_.formula(formula);
        return;
    }
    const std::vector<Formula> steps = equalitySteps(formula);
    Formula line;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const bool last = i + 1 == steps.size();
        // Steps that share a line get back the blank before their "=".
        const Formula joined = line.empty() ? steps[i] : line + Formula{t(u" "_s)} + steps[i];
        if (!line.empty() && !fits(joined, last ? after : QString())) {
            doc_.formula(line);
            doc_.text(u"\r"_s);
            line = steps[i];
        } else {
            line = joined;
        }
    }
    doc_.formula(line);
}

void SolutionWriter::sumLines(const Formula& lead, const QStringList& terms, const QString& total,
                              const QString& power) {
    const QString unitText = cmSpaced() + power + u"."_s;
    Formula line = lead;
    QString pending; // the terms of the line, joined
    for (qsizetype i = 0; i < terms.size(); ++i) {
        const bool last = i + 1 == terms.size();
        const QString joined = pending.isEmpty() ? terms[i] : pending + u" + "_s + terms[i];
        const QString tail = last ? u" = "_s + total : u" +"_s;
        if (!pending.isEmpty() &&
            !fits(line + Formula{t(joined + tail)}, last ? unitText : QString())) {
            doc_.formula(line + Formula{t(pending + u" +"_s)});
            doc_.text(u"\r"_s);
            line.clear();
            pending = terms[i];
        } else {
            pending = joined;
        }
    }
    doc_.formula(line + Formula{t(pending + u" = "_s + total)});
    unit(doc_, power, u".\r"_s);
}

QImage PaletteImage(const QImage& image) {
    if (image.isNull() || image.format() == QImage::Format_Indexed8)
        return image;
    // A picture of few colours converts exactly; one of more would lose colours, and then
    // it is kept as it is.
    const QImage indexed =
        image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    return indexed.convertToFormat(image.format()) == image ? indexed : image;
}

// ---- the solution in document order -------------------------------------------------------

void SolutionWriter::write(const TSectionModel& m, const TSectionResult& r) {
    if (!r.reachedStage(SolveStage::Centroid))
        return;
    writeProfiles(m, r);
    writeCentroid(r);
    writeCentral(r);
    if (r.reachedStage(SolveStage::Principal))
        writePrincipal(r);
    if (r.reachedStage(SolveStage::Moduli))
        writeModuli(r);
}

// ---- the individual profiles ---------------------------------------------------------------

void SolutionWriter::writeProfiles(const TSectionModel& m, const TSectionResult& r) {
    doc_.align(AlignCenter);
    heading(Report::tr("Геометрические характеристики отдельных профилей:") + u"\r"_s);
    doc_.align(AlignLeft);

    // The run's entries are in the walk order of the report, so their position is the
    // running number.
    int n = 0;
    for (const SolvedEntry& s : r.Entries) {
        ++n;
        const catalogue::ProfileRow* row =
            s.kind == Kind::List ? nullptr : catalogueRow(m, s.kind, s.number);
        switch (s.kind) {
        case Kind::Un:
            writeAngle(n, m.Un.entry(s.number), s, false, row);
            break;
        case Kind::Ur:
            writeAngle(n, m.Ur.entry(s.number), s, true, row);
            break;
        case Kind::Dt:
            writeBeam(n, m.Dt.entry(s.number), row);
            break;
        case Kind::Sh:
            writeChannel(n, m.Sh.entry(s.number), row);
            break;
        case Kind::List:
            writePlate(n, m.List.entry(s.number), s);
            break;
        }
    }
    step(5);
}

void SolutionWriter::writeAngle(int n, const TUnEntry& e, const SolvedEntry& s, bool equalLegs,
                                const catalogue::ProfileRow* row) {
    const Kind kind = equalLegs ? Kind::Ur : Kind::Un;
    const QString sign = signText(kind, e.Orientation);
    // The standard names an equal-leg angle by its leg once; typed by hand, both legs show.
    const QString legs =
        equalLegs && row ? full(e.B1 * 10) : full(e.B1 * 10) + u"x"_s + full(e.b2 * 10);
    heading(u"\r"_s + num(n) + u") "_s + TermText(kindInfo(kind).heading) + legs + u"x"_s +
                full(e.d * 10) + Report::tr(" мм.") + standardNote(row) + u":\r"_s,
            true);
    doc_.picture(sketch(kind, e.Orientation));
    doc_.text(Report::tr("площадь A = ") + full(e.A));
    unit(doc_, u"2"_s, Report::tr(".,") + u"\r"_s);
    endHeadingBlock();

    if (equalLegs) {
        const double Iv = 2 * e.Ix - e.Iu;
        doc_.text(Report::tr("моменты инерции:") + u" "_s);
        doc_.text(u"Ix = Iy = "_s + full(e.Ix));
        unit(doc_, u"4"_s, Report::tr(".,") + u"\r"_s);
        doc_.text(Report::tr("главные моменты инерции:") + u" "_s);
        doc_.text(u"Iu = Imin = "_s + full(e.Iu));
        unit(doc_, u"4"_s, Report::tr("., "));
        doc_.text(u"Iv = Imax = "_s + full(Iv));
        unit(doc_, u"4"_s, Report::tr(".,") + u"\r"_s);
        doc_.text(Report::tr("центробежный момент инерции") + u" "_s);
        formula({t(u"Ixy = ±"_s), half(u"Iu - Iv"_s), t(u"sin(2·45°) = "_s + sign),
                 half(full(e.Iu) + u"-"_s + full(Iv)), t(u" = "_s + brief(s.Ixy))},
                cmSpaced() + u"4"_s + Report::tr(".,"));
        unit(doc_, u"4"_s, Report::tr(".,") + u"\r"_s);
        doc_.text(Report::tr("расстояние до центра тяжести") + u" "_s);
        doc_.text(u"Zo = "_s + full(e.Xo) + Report::tr(" см.,") + u"\r"_s);
    } else {
        const double Iv = e.Ix + e.Iy - e.Iu;
        const double alpha = std::atan(e.TanAlpha) * 180 / std::numbers::pi;
        doc_.text(Report::tr("моменты инерции:") + u" "_s);
        doc_.text(u"Ix = "_s + full(e.Ix));
        unit(doc_, u"4"_s, Report::tr("., "));
        doc_.text(u"Iy = "_s + full(e.Iy));
        unit(doc_, u"4"_s, Report::tr(".,") + u"\r"_s);
        doc_.text(Report::tr("угол наклона главных осей:") + u" "_s);
        doc_.text(Report::tr("tg") + u" "_s);
        doc_.symbol(97);
        doc_.text(u" = "_s + brief(e.TanAlpha) + u", "_s);
        doc_.symbol(97);
        doc_.text(u" = "_s + brief(alpha) + u"°\r"_s);
        doc_.text(Report::tr("главные моменты инерции:") + u" "_s);
        doc_.text(u"Iu = Imin = "_s + full(e.Iu));
        unit(doc_, u"4"_s, Report::tr("., "));
        doc_.text(u"Iv = Imax = Ix+Iy-Iu = "_s + full(Iv));
        unit(doc_, u"4"_s, Report::tr(".,") + u"\r"_s);
        doc_.text(Report::tr("центробежный момент инерции") + u"\r"_s);
        formula({t(u"Ixy = ±"_s), half(u"Iu - Iv"_s), t(u"sin(2"_s), symbol(kAlpha),
                 t(u") = "_s + sign), half(full(e.Iu) + u"-"_s + full(Iv)),
                 t(u"sin(2·"_s + brief(alpha) + u"°) = "_s + brief(s.Ixy))},
                cmSpaced() + u"4"_s + Report::tr(".,"));
        unit(doc_, u"4"_s, Report::tr(".,") + u"\r"_s);
        doc_.text(Report::tr("расстояния до центра тяжести:") + u" "_s);
        doc_.text(u"Xo = "_s + full(e.Xo) + Report::tr(" см.,") + u" "_s);
        doc_.text(u"Yo = "_s + full(e.Yo) + Report::tr(" см.,") + u"\r"_s);
    }
    writeCoordinates(n, e.Xc, e.Yc);
}

void SolutionWriter::writeBeam(int n, const TDtEntry& e, const catalogue::ProfileRow* row) {
    writeRolled(n, Kind::Dt, e.Orientation, {e.h, e.b, e.A, e.Ix, e.Iy}, row);
    writeCoordinates(n, e.Xc, e.Yc);
}

void SolutionWriter::writeChannel(int n, const TShEntry& e, const catalogue::ProfileRow* row) {
    writeRolled(n, Kind::Sh, e.Orientation, {e.h, e.b, e.A, e.Ix, e.Iy}, row);
    doc_.text(Report::tr("расстояние до центра тяжести") + u" "_s);
    doc_.text(u"Zo = "_s + full(e.Zo) + Report::tr(" см.,") + u"\r"_s);
    writeCoordinates(n, e.Xc, e.Yc);
}

void SolutionWriter::writeRolled(int n, Kind kind, int code, const RolledValues& v,
                                 const catalogue::ProfileRow* row) {
    // A catalogue profile goes by the standard's number, a channel's with its series letter.
    const QString number = row ? DesignationText(row->designation) : full(v.h);
    heading(u"\r"_s + num(n) + u") "_s + TermText(kindInfo(kind).heading) + number +
                standardNote(row) + u":\r"_s,
            true);
    doc_.picture(sketch(kind, code));
    doc_.text(Report::tr("высота h = ") + full(v.h) + Report::tr(" см.,") + u"\r"_s);
    doc_.text(Report::tr("ширина полки b = ") + full(v.b) + Report::tr(" см.,") + u"\r"_s);
    endHeadingBlock();
    doc_.text(Report::tr("площадь A = ") + full(v.A));
    unit(doc_, u"2"_s, Report::tr(".,") + u"\r"_s);
    doc_.text(Report::tr("моменты инерции:") + u" "_s);
    doc_.text(u"Ix = "_s + full(v.Ix));
    unit(doc_, u"4"_s, Report::tr("., "));
    doc_.text(u"Iy = "_s + full(v.Iy));
    unit(doc_, u"4"_s, Report::tr("., "));
    doc_.text(u"Ixy = 0"_s + cmSpaced());
    doc_.sup(u"4"_s);
    doc_.text(Report::tr(".,") + u"\r"_s);
}

void SolutionWriter::writePlate(int n, const TListEntry& e, const SolvedEntry& s) {
    heading(u"\r"_s + num(n) + u") "_s + TermText(kindInfo(Kind::List).heading) + full(e.b * 10) +
                u"x"_s + full(e.h * 10) + Report::tr(" мм.") + u":\r"_s,
            true);
    doc_.picture(sketch(Kind::List, e.h > e.b ? kPlateStanding : kPlateLying));
    doc_.text(Report::tr("ширина b = ") + full(e.b) + Report::tr(" см.,") + u"\r"_s);
    doc_.text(Report::tr("высота h = ") + full(e.h) + Report::tr(" см.,") + u"\r"_s);
    endHeadingBlock();
    doc_.text(Report::tr("площадь A = ") + u"b·h = "_s + full(e.b) + u"·"_s + full(e.h) + u" = "_s +
              full(s.A));
    unit(doc_, u"2"_s, Report::tr(".,") + u"\r"_s);
    doc_.text(Report::tr("моменты инерции:") + u"\r"_s);
    formula(plateMoment(u"Ix"_s, u"h"_s, u"b"_s, full(e.h), full(e.b)),
            u" "_s + brief(s.Ix) + cmSpaced() + u"4"_s + Report::tr(".,"));
    doc_.text(u" "_s + brief(s.Ix));
    unit(doc_, u"4"_s, Report::tr(".,") + u"\r"_s);
    formula(plateMoment(u"Iy"_s, u"b"_s, u"h"_s, full(e.b), full(e.h)),
            u" "_s + brief(s.Iy) + cmSpaced() + u"4"_s + Report::tr(".,"));
    doc_.text(u" "_s + brief(s.Iy));
    unit(doc_, u"4"_s, Report::tr(".,") + u"\r"_s);
    doc_.text(u"Ixy = 0"_s + cmSpaced());
    doc_.sup(u"4"_s);
    doc_.text(Report::tr(".,") + u"\r"_s);
    writeCoordinates(n, e.Xc, e.Yc);
}

void SolutionWriter::writeCoordinates(int n, double Xc, double Yc) {
    doc_.text(Report::tr("координаты центра тяжести в общей системе координат x'y':") + u" "_s);
    doc_.text(u"x"_s);
    doc_.sub(num(n));
    doc_.text(u" = "_s + full(Xc) + Report::tr(" см.,") + u" "_s);
    doc_.text(u"y"_s);
    doc_.sub(num(n));
    doc_.text(u" = "_s + full(Yc) + Report::tr(" см.") + u"\r"_s);
}

// ---- the composite solution ----------------------------------------------------------------

void SolutionWriter::writeCentroid(const TSectionResult& r) {
    // The terms of the static moments and of the area, entry by entry: "A·x", "A·y", "A".
    QStringList termsX, termsY, areas;
    for (const SolvedEntry& s : r.Entries) {
        const QString area = full(s.A);
        termsX.push_back(area + u"·"_s + full(s.Xc));
        termsY.push_back(area + u"·"_s + full(s.Yc));
        areas.push_back(area);
    }

    doc_.align(AlignCenter);
    heading(u"\r"_s +
            Report::tr("Координаты центра тяжести всего сечения в общей системе координат x'y':") +
            u"\r"_s);
    bool areasSummed = false;
    centroidLine(u"x"_s, u"y"_s, termsX, areas, r.Sy, r.xc, r, areasSummed);
    centroidLine(u"y"_s, u"x"_s, termsY, areas, r.Sx, r.yc, r, areasSummed);
    doc_.text(Report::tr("Вводим центральную систему координат xy.") + u"\r"_s);
    step();
}

// The centroid as one fraction of the sums where that fits the line; otherwise the way it
// is worked by hand: the sums first, term by term over lines, then the fraction of the two
// totals. The sum of the areas is written once for both coordinates.
void SolutionWriter::centroidLine(const QString& axis, const QString& other,
                                  const QStringList& terms, const QStringList& areas, double moment,
                                  double value, const TSectionResult& r, bool& areasSummed) {
    const auto joined = [](const QStringList& list) { return list.join(u" + "_s); };
    const Formula whole = centroid(axis, other, joined(terms), joined(areas), brief(value));
    if (!fits(whole, Report::tr(" см."))) {
        sumLines({symbol(kSigma), t(u" "_s), lower(u"A"_s, u"i"_s), t(u" "_s), lower(axis, u"i"_s),
                  t(u" = "_s)},
                 terms, brief(moment), u"3"_s);
        if (!areasSummed)
            sumLines({symbol(kSigma), t(u" "_s), lower(u"A"_s, u"i"_s), t(u" = "_s)}, areas,
                     brief(r.A), u"2"_s);
        areasSummed = true;
        doc_.formula(centroid(axis, other, brief(moment), brief(r.A), brief(value)));
    } else {
        doc_.formula(whole);
    }
    doc_.text(Report::tr(" см.") + u"\r"_s);
}

void SolutionWriter::writeCentral(const TSectionResult& r) {
    // Only the entries whose terms were summed have terms to show; the totals follow once
    // every entry is in.
    const auto summed =
        std::min<std::size_t>(static_cast<std::size_t>(r.summedEntries), r.Entries.size());
    const bool complete = r.reachedStage(SolveStage::Central);

    heading(u"\r"_s +
            Report::tr(
                "Координаты центра тяжести отдельных профилей в центральной системе координат:") +
            u"\r"_s);
    doc_.align(AlignLeft);
    // One line per entry, numbered on from the list of profiles.
    for (std::size_t i = 0; i < summed; ++i) {
        const SolvedEntry& s = r.Entries[i];
        const QString n = num(static_cast<int>(i) + 1);
        doc_.text(u"a"_s);
        doc_.sub(n);
        doc_.text(u" = y"_s);
        doc_.sub(n);
        doc_.text(u" - y"_s);
        doc_.sub(u"c"_s);
        doc_.text(u" = "_s + full(s.Yc) + u" - "_s + brief(r.yc) + u" = "_s + brief(s.ai) +
                  Report::tr(" см.,") + u" b"_s);
        doc_.sub(n);
        doc_.text(u" = x"_s);
        doc_.sub(n);
        doc_.text(u" - x"_s);
        doc_.sub(u"c"_s);
        doc_.text(u" = "_s + full(s.Xc) + u" - "_s + brief(r.xc) + u" = "_s + brief(s.bi) +
                  Report::tr(" см.") + u"\r"_s);
    }

    doc_.align(AlignCenter);
    heading(u"\r"_s + Report::tr("Моменты инерции в центральной системе координат:") + u"\r"_s);
    doc_.align(AlignLeft);

    enum class Sum { Ix, Iy, Ixy };
    // "I = Σ[I_i + a_i² A_i] = " followed by one term per entry and the total.
    const auto sumLine = [&](Sum sum) {
        const QString axis = sum == Sum::Ix ? u"x"_s : sum == Sum::Iy ? u"y"_s : u"xy"_s;
        const QString offsets = sum == Sum::Ix ? u"a"_s : sum == Sum::Iy ? u"b"_s : u"ab"_s;
        const bool squared = sum != Sum::Ixy;
        doc_.text(u"I"_s);
        doc_.sub(axis);
        doc_.text(u" = "_s);
        doc_.symbol(83);
        doc_.text(u"[I"_s);
        doc_.sub(axis + u"i"_s);
        doc_.text(u" + "_s);
        for (QChar offset : offsets) {
            doc_.text(offset);
            doc_.sub(u"i"_s);
            if (squared)
                doc_.sup(u"2"_s);
        }
        doc_.text(u"A"_s);
        doc_.sub(u"i"_s);
        doc_.text(u"] = "_s);

        for (std::size_t i = 0; i < summed; ++i) {
            const SolvedEntry& s = r.Entries[i];
            const QString separator = i == 0 ? QString() : u" + "_s;
            const QString a = brief(s.ai);
            const QString b = brief(s.bi);
            const QString area = full(s.A);
            // A plate's own moments are the solver's h³b/12 and b³h/12, shown short; the
            // catalogue values of the other kinds are shown as typed.
            const bool plate = s.kind == Kind::List;
            const bool angle = s.kind == Kind::Un || s.kind == Kind::Ur;
            switch (sum) {
            case Sum::Ix:
                doc_.text(separator + u"["_s + (plate ? brief(s.Ix) : full(s.Ix)) + u" + ("_s + a +
                          u")"_s);
                doc_.sup(u"2"_s);
                doc_.text(u"·"_s + area + u"]"_s);
                break;
            case Sum::Iy:
                doc_.text(separator + u"["_s + (plate ? brief(s.Iy) : full(s.Iy)) + u" + ("_s + b +
                          u")"_s);
                doc_.sup(u"2"_s);
                doc_.text(u"·"_s + area + u"]"_s);
                break;
            case Sum::Ixy:
                doc_.text(separator + u"["_s + (angle ? brief(s.Ixy) : u"0"_s) + u" + ("_s + a +
                          u")"_s + u"·"_s + u"("_s + b + u")"_s);
                doc_.text(u"·"_s + area + u"]"_s);
                break;
            }
        }
        if (complete) {
            const double total = sum == Sum::Ix ? r.Ix : sum == Sum::Iy ? r.Iy : r.Ixy;
            doc_.text(u" = "_s + brief(total) + cmSpaced());
            doc_.sup(u"4"_s);
            doc_.text(u"."_s);
        }
        doc_.text(u"\r"_s);
    };
    sumLine(Sum::Ix);
    sumLine(Sum::Iy);
    sumLine(Sum::Ixy);

    // From here on the text is typed in centred paragraphs.
    doc_.align(AlignCenter);
    step();
    if (complete)
        step(5);
}

void SolutionWriter::writePrincipal(const TSectionResult& r) {
    const QString Ix = brief(r.Ix), Iy = brief(r.Iy), Ixy = brief(r.Ixy);

    // The tangent of the double angle; with Ix = Iy it is infinite, of the sign of −Ixy,
    // unless Ixy is zero as well.
    Formula tangent;
    if (!MomentsEqual(r))
        tangent = {t(brief(-2 * r.Ixy / (r.Ix - r.Iy)))};
    else if (ProductIsZero(r))
        tangent = {t(u"0"_s)};
    else if (r.Ixy > 0)
        tangent = {t(u"-"_s), symbol(kInfinity)};
    else
        tangent = {symbol(kInfinity)};
    heading(u"\r"_s + Report::tr("Угол поворота главных осей:") + u"\r"_s);
    formula(Formula{t(Report::tr("tg") + u" 2"_s), alphaO(), t(u" = - "_s),
                    fraction({t(u"2·"_s), lower(u"I"_s, u"xy"_s)},
                             {lower(u"I"_s, u"x"_s), t(u"-"_s), lower(u"I"_s, u"y"_s)}),
                    t(u" = - "_s), fraction({t(u"2·("_s + Ixy + u")"_s)}, {t(Ix + u"-"_s + Iy)}),
                    t(u" = "_s)} +
            tangent);
    doc_.text(u", "_s);
    doc_.formula({alphaO(), t(u" = "_s + brief(r.Alpha0)), symbol(kDegree)});
    doc_.text(u".\r"_s);
    if (ProductIsZero(r))
        doc_.text(Report::tr("Главные оси uv совпадают с центральными xy.") + u"\r"_s);
    else if (r.Alpha0 > 0)
        doc_.text(Report::tr("Главные оси uv повернуты по отношению к центральным xy против "
                             "часовой стрелки.") +
                  u"\r"_s);
    else
        doc_.text(Report::tr("Главные оси uv повернуты по отношению к центральным xy по часовой "
                             "стрелке.") +
                  u"\r"_s);
    step();

    heading(u"\r"_s + Report::tr("Главные моменты инерции:") + u"\r"_s);
    formula({scripts({t(u"I"_s)}, {{t(u" "_s)}, {t(u" "_s)}, {t(u"max"_s)}, {t(u"min"_s)}}),
             t(u" = "_s),
             fraction({lower(u"I"_s, u"x"_s), t(u" + "_s), lower(u"I"_s, u"y"_s)}, {t(u"2"_s)}),
             t(u" ± "_s), half(u"1"_s), t(u" "_s),
             root({sup({brackets({lower(u"I"_s, u"x"_s), t(u" - "_s), lower(u"I"_s, u"y"_s)})},
                       {t(u"2"_s)}),
                   t(u" + 4·"_s), scripts({t(u"I"_s)}, {{t(u"2"_s)}, {t(u"xy"_s)}})})});
    doc_.text(u".\r"_s);
    const auto principal = [&](const QString& axis, const QString& bound, const QString& sign,
                               double value) {
        formula({lower(u"I"_s, axis), t(u" = "_s), lower(u"I"_s, bound), t(u" = "_s),
                 half(Ix + u"+"_s + Iy), t(u" "_s + sign + u" "_s), half(u"1"_s), t(u" "_s),
                 root({sup({brackets({t(Ix + u"-"_s + Iy)})}, {t(u"2"_s)}), t(u" + 4·"_s),
                       upper(u"("_s + Ixy + u")"_s, u"2"_s)}),
                 t(u" = "_s + brief(value) + u" "_s), upper(cm(), u"4"_s), t(u"."_s)});
        doc_.text(u"\r"_s);
    };
    principal(u"u"_s, u"min"_s, u"-"_s, r.Iu);
    principal(u"v"_s, u"max"_s, u"+"_s, r.Iv);
    step();

    heading(u"\r"_s + Report::tr("Главные радиусы инерции:") + u"\r"_s);
    formula(radius(u"u"_s, brief(r.Iu), brief(r.A), brief(r.iu)));
    doc_.text(Report::tr(" см.") + u"\r"_s);
    formula(radius(u"v"_s, brief(r.Iv), brief(r.A), brief(r.iv)));
    doc_.text(Report::tr(" см.") + u"\r"_s);
    doc_.text(Report::tr("Здесь A = "));
    doc_.symbol(83);
    doc_.text(u"A"_s);
    doc_.sub(u"i"_s);
    doc_.text(u" = "_s + brief(r.A) + Report::tr(" см.", "before its power"));
    doc_.sup(u"2"_s);
    doc_.text(Report::tr(" - площадь всего сечения.") + u"\r"_s);
    doc_.text(Report::tr("Зная радиусы инерции, строим эллипс инерции. Его уравнение:") + u" "_s);
    formula({fraction({upper(u"u"_s, u"2"_s)}, {scripts({t(u"i"_s)}, {{t(u"2"_s)}, {t(u"v"_s)}})}),
             t(u" + "_s),
             fraction({upper(u"v"_s, u"2"_s)}, {scripts({t(u"i"_s)}, {{t(u"2"_s)}, {t(u"u"_s)}})}),
             t(u" = 1"_s)});
    doc_.text(u".\r"_s);
    step();
}

void SolutionWriter::writeModuli(const TSectionResult& r) {
    // v_max divides Iu and u_max divides Iv: which distance that is depends on whether the
    // axis at Alpha0 is u or v.
    const bool atAlphaIsU = AxisAtAlphaIsU(r);
    const double vMax = atAlphaIsU ? r.RotatedYMax : r.RotatedXMax;
    const double uMax = atAlphaIsU ? r.RotatedXMax : r.RotatedYMax;

    heading(u"\r"_s + Report::tr("Моменты сопротивления:") + u"\r"_s);
    formula(modulus(u"u"_s, u"v"_s, brief(r.Iu), brief(vMax), brief(r.Wu)));
    doc_.text(u"\r"_s);
    formula(modulus(u"v"_s, u"u"_s, brief(r.Iv), brief(uMax), brief(r.Wv)));
    doc_.text(u"\r"_s);
    doc_.align(AlignLeft);
    doc_.text(Report::tr("Здесь:") + u"\r"_s);
    doc_.text(u"u"_s);
    doc_.sub(u"max"_s);
    doc_.text(Report::tr(" - расстояние от центра тяжести до наиболее удаленной точки сечения по "
                         "оси u (красная).") +
              u"\r"_s);
    doc_.text(u"v"_s);
    doc_.sub(u"max"_s);
    doc_.text(Report::tr(" - расстояние от центра тяжести до наиболее удаленной точки сечения по "
                         "оси v (синяя).") +
              u"\r"_s);

    const auto point = [&](int number) {
        const bool known = number >= 1 && number <= static_cast<int>(r.OutlinePoints.size());
        return known ? r.OutlinePoints[static_cast<std::size_t>(number - 1)] : TPoint{};
    };
    if (!ProductIsZero(r)) {
        const TPoint p1 = point(r.RotatedYMaxPoint); // farthest from the axis at Alpha0
        const TPoint p2 = point(r.RotatedXMaxPoint); // farthest from the axis across it
        const QString a = brief(r.Alpha0);
        const Formula across = {t(u"|y·sin "_s),
                                alphaO(),
                                t(u" + x·cos "_s),
                                alphaO(),
                                t(u"| = |("_s + brief(p2.y) + u")·sin("_s + a),
                                symbol(kDegree),
                                t(u") + ("_s + brief(p2.x) + u")·cos("_s + a),
                                symbol(kDegree),
                                t(u")| = "_s)};
        const Formula along = {t(u"|y·cos "_s),
                               alphaO(),
                               t(u" - x·sin "_s),
                               alphaO(),
                               t(u"| = |("_s + brief(p1.y) + u")·cos("_s + a),
                               symbol(kDegree),
                               t(u") - ("_s + brief(p1.x) + u")·sin("_s + a),
                               symbol(kDegree),
                               t(u")| = "_s)};
        formula(Formula{lower(u"u"_s, u"max"_s), t(u" = "_s)} + (atAlphaIsU ? across : along) +
                Formula{t(brief(uMax) + Report::tr(" см."))});
        doc_.text(u"\r"_s);
        formula(Formula{lower(u"v"_s, u"max"_s), t(u" = "_s)} + (atAlphaIsU ? along : across) +
                Formula{t(brief(vMax) + Report::tr(" см."))});
        doc_.text(u"\r"_s);
        doc_.text(Report::tr("Здесь x и y координаты наиболее удаленных точек в центральной "
                             "системе координат.") +
                  u"\r"_s);
    }
    step();
}

int WriteSolution(Document& document, const TSectionModel& m, const TSectionResult& r,
                  const std::function<void()>& step) {
    SolutionWriter writer(document, step);
    writer.write(m, r);
    return writer.steps();
}

} // namespace karo::report
