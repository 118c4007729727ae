// karo-cli props: the properties from the profiles' true shapes (shear, plastic, torsion,
// warping, shear centre, kern).

#include "cli/cli.h"

#include "io/to_qstring.h"
#include "model/messages.h"
#include "properties/properties.h"
#include "properties/section_shape.h"
#include "solver/format.h"
#include "solver/solver.h"
#include "texts/message_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <ostream>

namespace karo::cli {
namespace {

using properties::PropertiesStatus;
using properties::SectionPropertiesResult;

std::string profileName(Kind kind, int number) {
    return std::string(kindInfo(kind).caption) + " " + std::to_string(number);
}

// Five significant digits, as on the result tab; a value that is zero to the accuracy of
// its computation (`zero`) is 0.
std::string shown(double v, double zero) {
    return FormatResult(std::fabs(v) <= zero ? 0.0 : v);
}

void printText(const SectionPropertiesResult& r, std::ostream& out) {
    const properties::OutlineProperties& o = r.outline;
    // What counts as zero: the rounding of exact integrals, the accuracy of the finite
    // elements for the shear centre.
    const double len = 1e-12 * std::sqrt(o.A), mom = 1e-12 * (o.Ix + o.Iy);
    const double fe = 1e-4 * std::sqrt(o.A);
    const auto line = [&](const char* name, const char* symbol, double v, double zero,
                          const char* unit) {
        out << name << " " << symbol << " = " << shown(v, zero) << " " << unit << "\n";
    };
    line("Площадь", "A", o.A, 0, "см²");
    line("Абсцисса центра тяжести", "Xc", o.Xc, len, "см");
    line("Ордината центра тяжести", "Yc", o.Yc, len, "см");
    line("Осевой момент инерции", "Ix", o.Ix, mom, "см⁴");
    line("Осевой момент инерции", "Iy", o.Iy, mom, "см⁴");
    line("Центробежный момент инерции", "Ixy", o.Ixy, mom, "см⁴");
    line("Главный момент инерции", "Iu", o.Iu, mom, "см⁴");
    line("Главный момент инерции", "Iv", o.Iv, mom, "см⁴");
    line("Угол наклона главных осей", "α0", o.Alpha0, 1e-12, "°");
    line("Радиус инерции", "iu", o.iu, len, "см");
    line("Радиус инерции", "iv", o.iv, len, "см");
    line("Статический момент отсечённой части", "Sx", o.Sx_max, o.A * len, "см³");
    line("Статический момент отсечённой части", "Sy", o.Sy_max, o.A * len, "см³");
    line("Пластический момент сопротивления", "Wpl,x", o.Wpl_x, o.A * len, "см³");
    line("Пластический момент сопротивления", "Wpl,y", o.Wpl_y, o.A * len, "см³");
    line("Ось, делящая площадь пополам, от центра тяжести", "y_pl", o.y_pl, len, "см");
    line("Ось, делящая площадь пополам, от центра тяжести", "x_pl", o.x_pl, len, "см");
    line("Момент инерции при кручении", "It", r.It, 0, "см⁴");
    if (r.xs) {
        line("Центр изгиба от центра тяжести", "xs", *r.xs, fe, "см");
        line("Центр изгиба от центра тяжести", "ys", *r.ys, fe, "см");
        line("Секториальный момент инерции", "Iw", *r.Iw, mom * o.A, "см⁶");
    } else {
        out << "Центр изгиба xs, ys и секториальный момент инерции Iw не определены: сечение "
               "состоит из отдельных частей\n";
    }
    line("Ядро сечения по оси +u", "ku+", o.kern_u[0], len, "см");
    line("Ядро сечения по оси −u", "ku−", o.kern_u[1], len, "см");
    line("Ядро сечения по оси +v", "kv+", o.kern_v[0], len, "см");
    line("Ядро сечения по оси −v", "kv−", o.kern_v[1], len, "см");
    out << "Вершины ядра сечения от центра тяжести (x; y), см:";
    for (const properties::Pt& p : o.kern_polygon)
        out << " (" << shown(p.x, len) << "; " << shown(p.y, len) << ")";
    out << "\n";
    out << "Отдельных частей: " << r.parts << ", замкнутых контуров: " << r.closedCells << "\n";
    out << "Сетка: " << r.meshTriangles << " квадратичных треугольников, " << r.meshNodes
        << " узлов";
    if (r.meshes > 1)
        out << "; изменение It на последнем шаге " << FormatShort(r.ItChange);
    out << "\n";
    if (!r.converged)
        out << "Внимание: It не установился до точности " << FormatShort(properties::kItTolerance)
            << " — сетка достигла предельного размера\n";
    for (const auto& [kind, number] : r.sharpAngles)
        out << profileName(kind, number)
            << ": профиля нет в сортаменте — очертание без закруглений\n";
}

QJsonValue optional(const std::optional<double>& v) {
    return v ? QJsonValue(*v) : QJsonValue(QJsonValue::Null);
}

void printJson(const SectionPropertiesResult& r, std::ostream& out) {
    const properties::OutlineProperties& o = r.outline;
    QJsonObject j{{"A", o.A},
                  {"Xc", o.Xc},
                  {"Yc", o.Yc},
                  {"Ix", o.Ix},
                  {"Iy", o.Iy},
                  {"Ixy", o.Ixy},
                  {"Iu", o.Iu},
                  {"Iv", o.Iv},
                  {"Alpha0", o.Alpha0},
                  {"iu", o.iu},
                  {"iv", o.iv},
                  {"Sx_max", o.Sx_max},
                  {"Sy_max", o.Sy_max},
                  {"Wpl_x", o.Wpl_x},
                  {"Wpl_y", o.Wpl_y},
                  {"y_pl", o.y_pl},
                  {"x_pl", o.x_pl},
                  {"It", r.It},
                  {"xs", optional(r.xs)},
                  {"ys", optional(r.ys)},
                  {"Iw", optional(r.Iw)},
                  {"kern_u", QJsonArray{o.kern_u[0], o.kern_u[1]}},
                  {"kern_v", QJsonArray{o.kern_v[0], o.kern_v[1]}},
                  {"parts", r.parts},
                  {"closed_cells", r.closedCells},
                  {"mesh_nodes", static_cast<qint64>(r.meshNodes)},
                  {"mesh_triangles", static_cast<qint64>(r.meshTriangles)},
                  {"It_error", r.meshes > 1 ? QJsonValue(r.ItChange * std::fabs(r.It))
                                            : QJsonValue(QJsonValue::Null)},
                  {"It_converged", r.converged}};
    QJsonArray kern;
    for (const properties::Pt& p : o.kern_polygon)
        kern.append(QJsonArray{p.x, p.y});
    j.insert(u"kern_polygon", kern);
    QJsonArray sharp;
    for (const auto& [kind, number] : r.sharpAngles)
        sharp.append(ToQString(std::string(kindInfo(kind).prefix) + ":" + std::to_string(number)));
    j.insert(u"sharp_corners", sharp);
    out << QJsonDocument(j).toJson(QJsonDocument::Indented).toStdString();
}

int propsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string file;
    std::map<std::string, std::string> options;
    if (!ParseArgs("props", args, {}, {"--json"}, file, options, err))
        return kRefused;
    TSectionModel model;
    TSectionResult solved;
    if (const int code = LoadAndSolve(file, model, solved, err); code >= 0)
        return code;
    const SectionPropertiesResult r = properties::SolveProperties(model);
    switch (r.status) {
    case PropertiesStatus::Solved:
        break;
    case PropertiesStatus::UnknownThicknesses:
        err << MessageString(properties::PropertiesRefusal(r)) << "\n";
        return kRefused;
    case PropertiesStatus::NoSection:
        err << MessageString({MessageCode::InputError, {}}) << " "
            << MessageString(properties::PropertiesRefusal(r)) << "\n";
        return kRefused;
    case PropertiesStatus::ArithmeticFault:
    case PropertiesStatus::Cancelled:
        err << MessageString(properties::PropertiesRefusal(r)) << "\n";
        return kFailure;
    }
    if (options.count("--json"))
        printJson(r, out);
    else
        printText(r, out);
    return kSolved;
}

} // namespace

void AddPropsCommands(std::vector<Command>& commands) {
    commands.push_back(
        {"props",
         "props ФАЙЛ.karo [--json]   сдвиг, пластичность, кручение, центр изгиба, ядро по "
         "действительным очертаниям профилей",
         propsCommand});
}

} // namespace karo::cli
