#include "properties_view/properties_chapter.h"

#include "io/to_qstring.h"
#include "properties/outlines.h"
#include "properties_view/properties_picture.h"
#include "properties_view/properties_table.h"
#include "report/document.h"
#include "solver/format.h"
#include "solver/result_fields.h"
#include "texts/message_text.h"

#include <QCoreApplication>

#include <cmath>
#include <numbers>

namespace karo::properties {
namespace {

using report::Document;

// The report's texts, Russian as written here, in the language installed.
struct Report {
    Q_DECLARE_TR_FUNCTIONS(Report)
};

QString brief(double v) {
    return ToQString(FormatShort(v));
}

// Rich text of the table's symbols into the document: indices lowered, α from the Symbol
// font as the rest of the report has it.
void symbol(Document& d, QString html) {
    html.remove(QStringLiteral("<small>")).remove(QStringLiteral("</small>"));
    while (!html.isEmpty()) {
        const qsizetype sub = html.indexOf(QStringLiteral("<sub>"));
        QString before = sub < 0 ? html : html.left(sub);
        for (const QChar c : std::as_const(before)) {
            if (c == QChar(0x03B1))
                d.symbol(97);
            else if (c == QChar(0x03C9))
                d.symbol(119);
            else
                d.text(QString(c));
        }
        if (sub < 0)
            break;
        const qsizetype end = html.indexOf(QStringLiteral("</sub>"), sub);
        d.sub(html.mid(sub + 5, end - sub - 5));
        html = html.mid(end + 6);
    }
}

// A unit of the table (in the language on show) as the report writes units: " см." with
// its power raised; the unit of length takes the report's own abbreviation.
void unit(Document& d, const QString& u) {
    if (u.isEmpty())
        return;
    const QString centimetre = PropertyText("см");
    static const std::pair<QChar, const char*> powers[] = {
        {QChar(0x00B2), "2"}, {QChar(0x00B3), "3"}, {QChar(0x2074), "4"}, {QChar(0x2076), "6"}};
    for (const auto& [c, power] : powers)
        if (u.endsWith(c)) {
            d.text(u.chopped(1) == centimetre ? Report::tr(" см.", "before its power")
                                              : QStringLiteral(" ") + u.chopped(1));
            d.sup(QString::fromLatin1(power));
            return;
        }
    d.text(u == QStringLiteral("°") ? u
           : u == centimetre        ? Report::tr(" см.", "after a value")
                                    : QStringLiteral(" ") + u);
}

void heading(Document& d, const QString& text) {
    d.keepWithNext(true);
    d.bold(true);
    d.text(text);
    d.bold(false);
    d.keepWithNext(false);
}

struct Piece {
    double area = 0, y = 0; // y of its centroid from the section's
    bool above = false, below = false;
};

// Sx as the sum of the profiles above the axis, where no profile is cut by it and none
// overlaps another: false where that does not hold, or does not give Sx.
bool workSx(Document& d, const TSectionModel& model, const PropertiesSnapshot& s) {
    const OutlineProperties& o = s.result.outline;
    if (std::fabs(s.profilesArea - o.A) > 1e-9 * o.A)
        return false;
    SectionOutlines outlines;
    try {
        outlines = BuildOutlines(model);
    } catch (...) {
        return false;
    }
    const double tolerance = 1e-9 * std::sqrt(o.A);
    std::vector<Piece> above;
    double sum = 0;
    for (const ProfileOutline& p : outlines.profiles) {
        Piece piece;
        double cy = 0, a2 = 0;
        for (std::size_t i = 0, n = p.ring.size(); i < n; ++i) {
            const Pt& a = p.ring[i];
            const Pt& b = p.ring[(i + 1) % n];
            const double cross = a.x * b.y - b.x * a.y;
            a2 += cross;
            cy += (a.y + b.y) * cross;
            piece.above |= a.y - o.Yc > tolerance;
            piece.below |= a.y - o.Yc < -tolerance;
        }
        if (piece.above && piece.below)
            return false; // cut by the axis
        piece.area = a2 / 2;
        piece.y = cy / (3 * a2) - o.Yc;
        if (piece.above) {
            above.push_back(piece);
            sum += piece.area * piece.y;
        }
    }
    if (above.empty() || std::fabs(sum - o.Sx_max) > 1e-6 * std::fabs(o.Sx_max))
        return false;
    d.text(Report::tr("Ни один профиль не пересекает ось x, поэтому статический момент "
                      "отсечённой части равен сумме по профилям выше оси:") +
           QStringLiteral("\r"));
    d.text(QStringLiteral("S"));
    d.sub(QStringLiteral("x"));
    d.text(QStringLiteral(" = "));
    d.symbol(83);
    d.text(QStringLiteral("A"));
    d.sub(QStringLiteral("i"));
    d.text(QStringLiteral("·y"));
    d.sub(QStringLiteral("i"));
    d.text(QStringLiteral(" = "));
    for (std::size_t i = 0; i < above.size(); ++i)
        d.text((i ? QStringLiteral(" + ") : QString()) + brief(above[i].area) +
               QStringLiteral("·") + brief(above[i].y));
    d.text(QStringLiteral(" = ") + brief(o.Sx_max));
    unit(d, PropertyText("см³"));
    d.text(QStringLiteral("\r"));
    return true;
}

// The kern distances as W / A where the kern reaches as far as the extreme fibre on the far
// side gives: k = I / (A·e).
void workKern(Document& d, const PropertiesSnapshot& s) {
    const OutlineProperties& o = s.result.outline;
    const double a = o.uAngle * std::numbers::pi / 180;
    const Pt u{std::cos(a), std::sin(a)}, v{-std::sin(a), std::cos(a)};
    struct Reach {
        const char *index, *moment, *modulus;
        Pt dir;
        double moment_value, kern;
    };
    const Reach reaches[] = {{"u+", "v", "v", u, o.Iv, o.kern_u[0]},
                             {"u−", "v", "v", {-u.x, -u.y}, o.Iv, o.kern_u[1]},
                             {"v+", "u", "u", v, o.Iu, o.kern_v[0]},
                             {"v−", "u", "u", {-v.x, -v.y}, o.Iu, o.kern_v[1]}};
    bool first = true;
    for (const Reach& r : reaches) {
        // The extreme fibre on the side away from the direction.
        double e = 0;
        for (const Solid& solid : s.solids)
            for (const Pt& p : solid.outer)
                e = std::max(e, -((p.x - o.Xc) * r.dir.x + (p.y - o.Yc) * r.dir.y));
        if (!(e > 0))
            continue;
        const double w = r.moment_value / e;
        if (std::fabs(w / o.A - r.kern) > 1e-6 * std::fabs(r.kern))
            continue;
        if (first)
            d.text(Report::tr("Ядро сечения: k = W / A = I / (A·e), где e — расстояние до "
                              "наиболее удалённой точки по другую сторону от центра тяжести:") +
                   QStringLiteral("\r"));
        first = false;
        d.text(QStringLiteral("k"));
        d.sub(QString::fromUtf8(r.index));
        d.text(QStringLiteral(" = W"));
        d.sub(QString::fromLatin1(r.modulus));
        d.text(QStringLiteral(" / A = I"));
        d.sub(QString::fromLatin1(r.moment));
        d.text(QStringLiteral(" / (A·e) = ") + brief(r.moment_value) + QStringLiteral(" / (") +
               brief(o.A) + QStringLiteral("·") + brief(e) + QStringLiteral(") = ") +
               brief(r.kern));
        unit(d, PropertyText("см"));
        d.text(QStringLiteral("\r"));
    }
}

QString refusal(const SectionPropertiesResult& r) {
    switch (r.status) {
    case PropertiesStatus::UnknownThicknesses:
        return Report::tr("%1 %2: толщины стенки и полок неизвестны — профиль не из сортамента")
            .arg(TermText(kindInfo(r.kind).caption))
            .arg(r.number);
    case PropertiesStatus::NoSection:
        return Report::tr("сечение не имеет площади");
    default:
        return Report::tr("арифметическая ошибка при расчёте свойств сечения");
    }
}

} // namespace

void WritePropertiesChapter(Document& d, const TSectionModel& model, const PropertiesSnapshot& s) {
    d.align(report::AlignLeft);
    heading(d, QStringLiteral("\r") + Report::tr("Дополнительные характеристики:") +
                   QStringLiteral("\r"));
    if (!s.solved()) {
        d.text(
            Report::tr("Дополнительные характеристики не вычислены: %1.").arg(refusal(s.result)) +
            QStringLiteral("\r"));
        return;
    }
    const SectionPropertiesResult& r = s.result;
    d.align(report::AlignJustify);
    d.text(Report::tr("Здесь сечение представлено действительными очертаниями профилей по их "
                      "стандартам (с уклонами полок и закруглениями). Профили, границы которых "
                      "имеют общий отрезок, сварены в одно тело, перекрытия учтены один раз. "
                      "Получено отдельных частей: %1, замкнутых контуров: %2.")
               .arg(r.parts)
               .arg(r.closedCells) +
           QStringLiteral("\r"));
    d.text(Report::tr("Момент инерции при кручении, центр изгиба и секториальный момент инерции "
                      "найдены методом конечных элементов: сетка сгущалась, пока I"));
    d.sub(QStringLiteral("t"));
    d.text(Report::tr(" не перестал меняться. Последняя сетка — %1 квадратичных треугольников, "
                      "%2 узлов; изменение I")
               .arg(r.meshTriangles)
               .arg(r.meshNodes));
    d.sub(QStringLiteral("t"));
    d.text(Report::tr(" на последнем шаге %1, то есть погрешность около %2")
               .arg(brief(r.ItChange), brief(r.ItChange * std::fabs(r.It))));
    unit(d, PropertyText("см⁴"));
    d.text(
        r.converged
            ? QStringLiteral("\r")
            : Report::tr(" Точность %1 не достигнута.").arg(ToQString(FormatShort(kItTolerance))) +
                  QStringLiteral("\r"));
    for (const auto& [kind, number] : r.sharpAngles)
        d.text(Report::tr("%1 %2: профиля нет в сортаменте — очертание без закруглений.")
                   .arg(TermText(kindInfo(kind).caption))
                   .arg(number) +
               QStringLiteral("\r"));
    d.align(report::AlignLeft);

    d.text(Report::tr("Тело сечения, его оси, центр изгиба S и ядро сечения (оранжевое):"));
    d.picture(DrawPropertiesPicture(s, {400, 400, false}));

    QString group;
    for (const PropertiesRow& row : PropertiesTable(s)) {
        if (row.group != group) {
            group = row.group;
            heading(d, QStringLiteral("\r") + group + QStringLiteral(":\r"));
        }
        d.text(row.name + QStringLiteral(" "));
        symbol(d, row.symbol);
        d.text(QStringLiteral(" = ") + row.text);
        if (row.text != QStringLiteral("—"))
            unit(d, row.unit);
        if (!row.note.isEmpty())
            d.text(QStringLiteral(" (") + row.note + QStringLiteral(")"));
        d.text(QStringLiteral("\r"));
        if (row.plain == QStringLiteral("Sy"))
            workSx(d, model, s);
        if (row.plain == QStringLiteral("kv−"))
            workKern(d, s);
    }
}

std::function<void(Document&, const TSectionResult&)>
PropertiesAppendix(const TSectionModel& model) {
    return [&model](Document& d, const TSectionResult& r) {
        PropertiesSnapshot s = ComputePropertiesSnapshot(model);
        s.sectionValues = ResultValues(r);
        WritePropertiesChapter(d, model, s);
    };
}

} // namespace karo::properties
