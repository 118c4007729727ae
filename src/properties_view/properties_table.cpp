#include "properties_view/properties_table.h"

#include "io/to_qstring.h"
#include "solver/format.h"
#include "solver/result_fields.h"

#include <cmath>
#include <limits>

namespace karo::properties {
namespace {

struct Builder {
    std::vector<PropertiesRow> rows;
    QString group;

    PropertiesRow& add(const char* name, const char* symbol, const char* plain, double v,
                       double zero, const char* unit, const char* tip) {
        PropertiesRow r;
        r.group = group;
        r.name = QString::fromUtf8(name);
        r.symbol = QString::fromUtf8(symbol);
        r.plain = QString::fromUtf8(plain);
        r.unit = QString::fromUtf8(unit);
        r.tip = QString::fromUtf8(tip);
        r.value = std::isnan(v) ? v : std::fabs(v) <= zero ? 0.0 : v;
        r.text = std::isnan(v) ? QStringLiteral("—") : ToQString(FormatResult(r.value));
        rows.push_back(std::move(r));
        return rows.back();
    }
};

// How far an outline value stands from the result tab's, and why, when it is far enough to
// say so. The tab's values come from the catalogue's printed figures for each profile, the
// outlines from the standard's drawing; an overlap counts once in the solid and twice there.
QString differenceNote(double outline, double tab, double zero, bool overlap) {
    const double scale = std::max(std::fabs(outline), std::fabs(tab));
    if (scale <= zero || std::fabs(outline - tab) <= kNotedDifference * scale)
        return {};
    const double percent = 100 * (outline - tab) / scale;
    return QStringLiteral("%1%2 % от вкладки результатов: %3")
        .arg(percent > 0 ? QStringLiteral("+") : QString())
        .arg(ToQString(FormatGeneral(percent, 2, 2)))
        .arg(overlap ? QStringLiteral("профили перекрываются, общая площадь учтена один раз")
                     : QStringLiteral("округление табличных значений сортамента"));
}

} // namespace

std::vector<PropertiesRow> PropertiesTable(const PropertiesSnapshot& s) {
    if (!s.solved())
        return {};
    const SectionPropertiesResult& r = s.result;
    const OutlineProperties& o = r.outline;
    // What counts as zero: the rounding of exact integrals, the accuracy of the finite
    // elements for the shear centre (as karo-cli props prints them).
    const double len = 1e-12 * std::sqrt(o.A), mom = 1e-12 * (o.Ix + o.Iy);
    const double fe = 1e-4 * std::sqrt(o.A);
    const double none = std::numeric_limits<double>::quiet_NaN();
    Builder b;

    b.group = QStringLiteral("По контурам профилей");
    const bool overlap = s.profilesArea - o.A > 1e-9 * o.A;
    struct Outline {
        const char *name, *symbol, *plain;
        double v, zero;
        const char *unit, *tip;
        int field;
    };
    const Outline outline[] = {
        {"Площадь", "A", "A", o.A, 0, "см²", "Площадь сечения по очертаниям профилей", rfA},
        {"Абсцисса центра тяжести", "X<sub>c</sub>", "Xc", o.Xc, len, "см",
         "Координата центра тяжести в осях сечения", rfXc},
        {"Ордината центра тяжести", "Y<sub>c</sub>", "Yc", o.Yc, len, "см",
         "Координата центра тяжести в осях сечения", rfYc},
        {"Осевой момент инерции", "I<sub>x</sub>", "Ix", o.Ix, mom, "см⁴",
         "∫y² dA относительно центральной оси x", rfIx},
        {"Осевой момент инерции", "I<sub>y</sub>", "Iy", o.Iy, mom, "см⁴",
         "∫x² dA относительно центральной оси y", rfIy},
        {"Центробежный момент инерции", "I<sub>xy</sub>", "Ixy", o.Ixy, mom, "см⁴",
         "∫x·y dA в центральных осях", rfIxy},
        {"Главный момент инерции", "I<sub>u</sub>", "Iu", o.Iu, mom, "см⁴",
         "Минимальный главный момент инерции", rfIu},
        {"Главный момент инерции", "I<sub>v</sub>", "Iv", o.Iv, mom, "см⁴",
         "Максимальный главный момент инерции", rfIv},
        {"Угол наклона главных осей", "α<sub><small>o</small></sub>", "α0", o.Alpha0, 1e-12, "°",
         "Угол поворота главных осей от оси x против часовой стрелки", rfAlpha0},
        {"Радиус инерции", "i<sub>u</sub>", "iu", o.iu, len, "см", "√(Iu / A)", rfiu},
        {"Радиус инерции", "i<sub>v</sub>", "iv", o.iv, len, "см", "√(Iv / A)", rfiv},
    };
    for (const Outline& f : outline) {
        PropertiesRow& row = b.add(f.name, f.symbol, f.plain, f.v, f.zero, f.unit, f.tip);
        if (s.sectionValues)
            row.note =
                differenceNote(row.value, (*s.sectionValues)[static_cast<std::size_t>(f.field)],
                               f.field == rfAlpha0 ? 1e-3
                               : f.zero > 0        ? 1e3 * f.zero
                                                   : 0,
                               overlap);
    }

    b.group = QStringLiteral("Сдвиг");
    b.add("Статический момент отсечённой части", "S<sub>x</sub>", "Sx", o.Sx_max, o.A * len, "см³",
          "Наибольший статический момент части сечения по одну сторону от оси x: "
          "он входит в касательное напряжение τ = Q·S / (I·t)");
    b.add("Статический момент отсечённой части", "S<sub>y</sub>", "Sy", o.Sy_max, o.A * len, "см³",
          "Наибольший статический момент части сечения по одну сторону от оси y");

    b.group = QStringLiteral("Пластический изгиб");
    b.add("Пластический момент сопротивления", "W<sub>pl,x</sub>", "Wpl,x", o.Wpl_x, o.A * len,
          "см³",
          "Сумма статических моментов половин площади относительно оси, делящей "
          "площадь пополам, параллельной x");
    b.add("Пластический момент сопротивления", "W<sub>pl,y</sub>", "Wpl,y", o.Wpl_y, o.A * len,
          "см³", "То же для оси, параллельной y");
    b.add("Ось, делящая площадь пополам, от центра тяжести", "y<sub>pl</sub>", "y_pl", o.y_pl, len,
          "см", "Пластическая нейтральная ось при изгибе в плоскости y");
    b.add("Ось, делящая площадь пополам, от центра тяжести", "x<sub>pl</sub>", "x_pl", o.x_pl, len,
          "см", "Пластическая нейтральная ось при изгибе в плоскости x");
    const double wx = s.yExtreme > 0 ? o.Ix / s.yExtreme : none;
    const double wy = s.xExtreme > 0 ? o.Iy / s.xExtreme : none;
    b.add("Коэффициент формы", "W<sub>pl,x</sub>/W<sub>x</sub>", "Wpl,x/Wx", o.Wpl_x / wx, 0, "",
          "Запас пластического изгиба: W_x = I_x / наибольшее расстояние до оси x");
    b.add("Коэффициент формы", "W<sub>pl,y</sub>/W<sub>y</sub>", "Wpl,y/Wy", o.Wpl_y / wy, 0, "",
          "Запас пластического изгиба: W_y = I_y / наибольшее расстояние до оси y");

    b.group = QStringLiteral("Кручение");
    b.add("Момент инерции при кручении", "I<sub>t</sub>", "It", r.It, 0, "см⁴",
          "Жёсткость свободного кручения, по методу конечных элементов");
    const char* apart = "Не определён: сечение состоит из отдельных частей";
    b.add("Секториальный момент инерции", "I<sub>ω</sub>", "Iw", r.Iw ? *r.Iw : none, mom * o.A,
          "см⁶", "Жёсткость стеснённого кручения (депланации)")
        .note = r.Iw ? QString() : QString::fromUtf8(apart);
    b.add("Центр изгиба от центра тяжести", "x<sub>s</sub>", "xs", r.xs ? *r.xs : none, fe, "см",
          "Точка, через которую должна проходить поперечная сила, чтобы сечение не "
          "закручивалось")
        .note = r.xs ? QString() : QString::fromUtf8(apart);
    b.add("Центр изгиба от центра тяжести", "y<sub>s</sub>", "ys", r.ys ? *r.ys : none, fe, "см",
          "Точка, через которую должна проходить поперечная сила, чтобы сечение не "
          "закручивалось")
        .note = r.ys ? QString() : QString::fromUtf8(apart);

    b.group = QStringLiteral("Ядро сечения");
    const char* kern = "Расстояние от центра тяжести до границы ядра: сила, приложенная внутри "
                       "ядра, вызывает напряжения одного знака по всему сечению";
    b.add("Ядро сечения по оси +u", "k<sub>u+</sub>", "ku+", o.kern_u[0], len, "см", kern);
    b.add("Ядро сечения по оси −u", "k<sub>u−</sub>", "ku−", o.kern_u[1], len, "см", kern);
    b.add("Ядро сечения по оси +v", "k<sub>v+</sub>", "kv+", o.kern_v[0], len, "см", kern);
    b.add("Ядро сечения по оси −v", "k<sub>v−</sub>", "kv−", o.kern_v[1], len, "см", kern);
    return b.rows;
}

QStringList PropertiesColumns() {
    return {QStringLiteral("Группа"),   QStringLiteral("Величина"), QStringLiteral("Обозначение"),
            QStringLiteral("Значение"), QStringLiteral("Единица"),  QStringLiteral("Примечание")};
}

namespace {

QStringList cells(const PropertiesRow& r) {
    return {r.group, r.name, r.plain, r.text, r.unit, r.note};
}

QString csvField(const QString& s) {
    if (!s.contains(QLatin1Char(',')) && !s.contains(QLatin1Char('"')) &&
        !s.contains(QLatin1Char('\n')))
        return s;
    QString q = s;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

} // namespace

QString PropertiesTabText(const std::vector<PropertiesRow>& rows) {
    QString out = PropertiesColumns().join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const PropertiesRow& r : rows)
        out += cells(r).join(QLatin1Char('\t')) + QLatin1Char('\n');
    return out;
}

QByteArray PropertiesCsv(const std::vector<PropertiesRow>& rows) {
    const auto line = [](const QStringList& fields) {
        QStringList quoted;
        for (const QString& f : fields)
            quoted << csvField(f);
        return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    };
    QString out = line(PropertiesColumns());
    for (const PropertiesRow& r : rows)
        out += line(cells(r));
    return out.toUtf8();
}

} // namespace karo::properties
