#include "properties/property_table.h"

#include "model/terms.h"
#include "solver/format.h"
#include "solver/result_fields.h"

#include <cmath>

namespace karo::properties {

const char* PropertyGroupName(PropertyGroup group) {
    switch (group) {
    case PropertyGroup::Outlines:
        return KARO_TERM("PropertiesTable", "По контурам профилей");
    case PropertyGroup::Shear:
        return KARO_TERM("PropertiesTable", "Сдвиг");
    case PropertyGroup::Plastic:
        return KARO_TERM("PropertiesTable", "Пластический изгиб");
    case PropertyGroup::Torsion:
        return KARO_TERM("PropertiesTable", "Кручение");
    case PropertyGroup::Kern:
        return KARO_TERM("PropertiesTable", "Ядро сечения");
    }
    return "";
}

std::vector<PropertyRow> PropertyRows(const SectionPropertiesResult& r, SectionReach reach) {
    const OutlineProperties& o = r.outline;
    // What counts as zero: the rounding of exact integrals, the accuracy of the finite
    // elements for the shear centre.
    const double len = 1e-12 * std::sqrt(o.A), mom = 1e-12 * (o.Ix + o.Iy);
    const double fe = 1e-4 * std::sqrt(o.A);
    const double none = std::numeric_limits<double>::quiet_NaN();
    const char* apart =
        KARO_TERM("PropertiesTable", "Не определён: сечение состоит из отдельных частей");
    const char* kern = KARO_TERM("PropertiesTable",
                                 "Расстояние от центра тяжести до границы ядра: сила, приложенная "
                                 "внутри ядра, вызывает напряжения одного знака по всему сечению");
    const char* shearCentre =
        KARO_TERM("PropertiesTable", "Точка, через которую должна проходить поперечная "
                                     "сила, чтобы сечение не закручивалось");
    const char* cm = KARO_TERM("PropertiesTable", "см");
    const char* cm2 = KARO_TERM("PropertiesTable", "см²");
    const char* cm3 = KARO_TERM("PropertiesTable", "см³");
    const char* cm4 = KARO_TERM("PropertiesTable", "см⁴");
    const char* cm6 = KARO_TERM("PropertiesTable", "см⁶");
    const double wx = reach.y > 0 ? o.Ix / reach.y : none;
    const double wy = reach.x > 0 ? o.Iy / reach.x : none;

    using G = PropertyGroup;
    struct Source {
        G group;
        std::string_view key;
        const char *name, *symbol, *plain;
        double raw, zero;
        const char *unit, *tip;
        int field = -1;
        const char* missing = nullptr;
    };
    // clang-format off
    const Source sources[] = {
        {G::Outlines, "A", KARO_TERM("PropertiesTable", "Площадь"), "A", "A", o.A, 0, cm2,
         KARO_TERM("PropertiesTable", "Площадь сечения по очертаниям профилей"), rfA},
        {G::Outlines, "Xc", KARO_TERM("PropertiesTable", "Абсцисса центра тяжести"), "X<sub>c</sub>", "Xc", o.Xc, len, cm,
         KARO_TERM("PropertiesTable", "Координата центра тяжести в осях сечения"), rfXc},
        {G::Outlines, "Yc", KARO_TERM("PropertiesTable", "Ордината центра тяжести"), "Y<sub>c</sub>", "Yc", o.Yc, len, cm,
         KARO_TERM("PropertiesTable", "Координата центра тяжести в осях сечения"), rfYc},
        {G::Outlines, "Ix", KARO_TERM("PropertiesTable", "Осевой момент инерции"), "I<sub>x</sub>", "Ix", o.Ix, mom, cm4,
         KARO_TERM("PropertiesTable", "∫y² dA относительно центральной оси x"), rfIx},
        {G::Outlines, "Iy", KARO_TERM("PropertiesTable", "Осевой момент инерции"), "I<sub>y</sub>", "Iy", o.Iy, mom, cm4,
         KARO_TERM("PropertiesTable", "∫x² dA относительно центральной оси y"), rfIy},
        {G::Outlines, "Ixy", KARO_TERM("PropertiesTable", "Центробежный момент инерции"), "I<sub>xy</sub>", "Ixy", o.Ixy, mom, cm4,
         KARO_TERM("PropertiesTable", "∫x·y dA в центральных осях"), rfIxy},
        {G::Outlines, "Iu", KARO_TERM("PropertiesTable", "Главный момент инерции"), "I<sub>u</sub>", "Iu", o.Iu, mom, cm4,
         KARO_TERM("PropertiesTable", "Минимальный главный момент инерции"), rfIu},
        {G::Outlines, "Iv", KARO_TERM("PropertiesTable", "Главный момент инерции"), "I<sub>v</sub>", "Iv", o.Iv, mom, cm4,
         KARO_TERM("PropertiesTable", "Максимальный главный момент инерции"), rfIv},
        {G::Outlines, "Alpha0", KARO_TERM("PropertiesTable", "Угол наклона главных осей"), "α<sub><small>o</small></sub>", "α0", o.Alpha0, 1e-12, "°",
         KARO_TERM("PropertiesTable", "Угол поворота главных осей от оси x против часовой стрелки"), rfAlpha0},
        {G::Outlines, "iu", KARO_TERM("PropertiesTable", "Радиус инерции"), "i<sub>u</sub>", "iu", o.iu, len, cm, "√(Iu / A)", rfiu},
        {G::Outlines, "iv", KARO_TERM("PropertiesTable", "Радиус инерции"), "i<sub>v</sub>", "iv", o.iv, len, cm, "√(Iv / A)", rfiv},

        {G::Shear, "Sx_max", KARO_TERM("PropertiesTable", "Статический момент отсечённой части"), "S<sub>x</sub>", "Sx", o.Sx_max, o.A * len, cm3,
         KARO_TERM("PropertiesTable", "Наибольший статический момент части сечения по одну сторону от оси x: "
                                              "он входит в касательное напряжение τ = Q·S / (I·t)")},
        {G::Shear, "Sy_max", KARO_TERM("PropertiesTable", "Статический момент отсечённой части"), "S<sub>y</sub>", "Sy", o.Sy_max, o.A * len, cm3,
         KARO_TERM("PropertiesTable", "Наибольший статический момент части сечения по одну сторону от оси y")},

        {G::Plastic, "Wpl_x", KARO_TERM("PropertiesTable", "Пластический момент сопротивления"), "W<sub>pl,x</sub>", "Wpl,x", o.Wpl_x, o.A * len, cm3,
         KARO_TERM("PropertiesTable", "Сумма статических моментов половин площади относительно оси, делящей "
                                              "площадь пополам, параллельной x")},
        {G::Plastic, "Wpl_y", KARO_TERM("PropertiesTable", "Пластический момент сопротивления"), "W<sub>pl,y</sub>", "Wpl,y", o.Wpl_y, o.A * len, cm3,
         KARO_TERM("PropertiesTable", "То же для оси, параллельной y")},
        {G::Plastic, "y_pl", KARO_TERM("PropertiesTable", "Ось, делящая площадь пополам, от центра тяжести"), "y<sub>pl</sub>", "y_pl", o.y_pl, len, cm,
         KARO_TERM("PropertiesTable", "Пластическая нейтральная ось при изгибе в плоскости y")},
        {G::Plastic, "x_pl", KARO_TERM("PropertiesTable", "Ось, делящая площадь пополам, от центра тяжести"), "x<sub>pl</sub>", "x_pl", o.x_pl, len, cm,
         KARO_TERM("PropertiesTable", "Пластическая нейтральная ось при изгибе в плоскости x")},
        {G::Plastic, "", KARO_TERM("PropertiesTable", "Коэффициент формы"), "W<sub>pl,x</sub>/W<sub>x</sub>", "Wpl,x/Wx", o.Wpl_x / wx, 0, "",
         KARO_TERM("PropertiesTable", "Запас пластического изгиба: W_x = I_x / наибольшее расстояние до оси x")},
        {G::Plastic, "", KARO_TERM("PropertiesTable", "Коэффициент формы"), "W<sub>pl,y</sub>/W<sub>y</sub>", "Wpl,y/Wy", o.Wpl_y / wy, 0, "",
         KARO_TERM("PropertiesTable", "Запас пластического изгиба: W_y = I_y / наибольшее расстояние до оси y")},

        {G::Torsion, "It", KARO_TERM("PropertiesTable", "Момент инерции при кручении"), "I<sub>t</sub>", "It", r.It, 0, cm4,
         KARO_TERM("PropertiesTable", "Жёсткость свободного кручения, по методу конечных элементов")},
        {G::Torsion, "Iw", KARO_TERM("PropertiesTable", "Секториальный момент инерции"), "I<sub>ω</sub>", "Iw", r.Iw ? *r.Iw : none, mom * o.A, cm6,
         KARO_TERM("PropertiesTable", "Жёсткость стеснённого кручения (депланации)"), -1, r.Iw ? nullptr : apart},
        {G::Torsion, "xs", KARO_TERM("PropertiesTable", "Центр изгиба от центра тяжести"), "x<sub>s</sub>", "xs", r.xs ? *r.xs : none, fe, cm,
         shearCentre, -1, r.xs ? nullptr : apart},
        {G::Torsion, "ys", KARO_TERM("PropertiesTable", "Центр изгиба от центра тяжести"), "y<sub>s</sub>", "ys", r.ys ? *r.ys : none, fe, cm,
         shearCentre, -1, r.ys ? nullptr : apart},

        {G::Kern, "ku+", KARO_TERM("PropertiesTable", "Ядро сечения по оси +u"), "k<sub>u+</sub>", "ku+", o.kern_u[0], len, cm, kern},
        {G::Kern, "ku−", KARO_TERM("PropertiesTable", "Ядро сечения по оси −u"), "k<sub>u−</sub>", "ku−", o.kern_u[1], len, cm, kern},
        {G::Kern, "kv+", KARO_TERM("PropertiesTable", "Ядро сечения по оси +v"), "k<sub>v+</sub>", "kv+", o.kern_v[0], len, cm, kern},
        {G::Kern, "kv−", KARO_TERM("PropertiesTable", "Ядро сечения по оси −v"), "k<sub>v−</sub>", "kv−", o.kern_v[1], len, cm, kern},
    };
    // clang-format on
    std::vector<PropertyRow> rows;
    rows.reserve(std::size(sources));
    for (const Source& s : sources) {
        const bool known = !std::isnan(s.raw);
        const double value = known && std::fabs(s.raw) <= s.zero ? 0.0 : s.raw;
        rows.push_back({s.group, s.key, s.name, s.symbol, s.plain, s.unit, s.tip, s.raw, s.zero,
                        value, known ? FormatResult(value) : std::string("—"), s.field, s.missing});
    }
    return rows;
}

} // namespace karo::properties
