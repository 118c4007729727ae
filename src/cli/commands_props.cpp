// karo-cli props: the properties from the profiles' true shapes (shear, plastic, torsion,
// warping, shear centre, kern).

#include "cli/cli.h"

#include "io/to_qstring.h"
#include "model/messages.h"
#include "properties/properties.h"
#include "properties/property_table.h"
#include "properties/section_shape.h"
#include "solver/format.h"
#include "solver/solver.h"
#include "texts/message_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <optional>
#include <ostream>

namespace karo::cli {
namespace {

using properties::PropertiesStatus;
using properties::SectionPropertiesResult;

QString propsText(const char* source) {
    return QCoreApplication::translate("PropertiesTable", source);
}

std::string profileName(Kind kind, int number) {
    return (TermText(kindInfo(kind).caption) + QLatin1Char(' ') + QString::number(number))
        .toStdString();
}

// Five significant digits, as on the result tab; a value that is zero to the accuracy of
// its computation (`zero`) is 0.
std::string shown(double v, double zero) {
    return FormatResult(std::fabs(v) <= zero ? 0.0 : v);
}

// The rows of the one table this command prints: those with a key; the warping constant after
// the shear centre, which it is found with, or one line for the three where they are not
// determined.
void printRows(const SectionPropertiesResult& r, std::ostream& out) {
    const auto line = [&](const properties::PropertyRow& row) {
        out << propsText(row.name).toStdString() << " " << row.plain << " = " << row.text << " "
            << propsText(row.unit).toStdString() << "\n";
    };
    std::optional<properties::PropertyRow> warping;
    for (const properties::PropertyRow& row : properties::PropertyRows(r)) {
        if (row.key.empty())
            continue;
        if (row.key == "Iw") {
            warping = row;
            continue;
        }
        if (row.key == "xs" && row.missing)
            out << Cli::tr("Центр изгиба xs, ys и секториальный момент инерции Iw не определены: "
                           "сечение состоит из отдельных частей")
                       .toStdString()
                << "\n";
        if (row.missing)
            continue;
        line(row);
        if (row.key == "ys" && warping)
            line(*warping);
    }
}

void printText(const SectionPropertiesResult& r, std::ostream& out) {
    const properties::OutlineProperties& o = r.outline;
    const double len = 1e-12 * std::sqrt(o.A);
    printRows(r, out);
    out << Cli::tr("Вершины ядра сечения от центра тяжести (x; y), см:").toStdString();
    for (const properties::Pt& p : o.kern_polygon)
        out << " (" << shown(p.x, len) << "; " << shown(p.y, len) << ")";
    out << "\n";
    out << Cli::tr("Отдельных частей: %1, замкнутых контуров: %2")
               .arg(r.parts)
               .arg(r.closedCells)
               .toStdString()
        << "\n";
    out << Cli::tr("Сетка: %1 квадратичных треугольников, %2 узлов")
               .arg(r.meshTriangles)
               .arg(r.meshNodes)
               .toStdString();
    if (r.meshes > 1)
        out << Cli::tr("; изменение It на последнем шаге %1")
                   .arg(ToQString(FormatShort(r.ItChange)))
                   .toStdString();
    out << "\n";
    if (!r.converged)
        out << Cli::tr("Внимание: It не установился до точности %1 — сетка достигла предельного "
                       "размера")
                   .arg(ToQString(FormatShort(properties::kItTolerance)))
                   .toStdString()
            << "\n";
    for (const auto& [kind, number] : r.sharpAngles)
        out << profileName(kind, number)
            << Cli::tr(": профиля нет в сортаменте — очертание без закруглений").toStdString()
            << "\n";
}

void printJson(const SectionPropertiesResult& r, std::ostream& out) {
    const properties::OutlineProperties& o = r.outline;
    QJsonObject j;
    // The table's single values by their keys, as computed; the kern's distances go in pairs.
    for (const properties::PropertyRow& row : properties::PropertyRows(r)) {
        if (!row.key.empty() && row.group != properties::PropertyGroup::Kern)
            j.insert(ToQString(row.key),
                     std::isnan(row.raw) ? QJsonValue(QJsonValue::Null) : QJsonValue(row.raw));
    }
    j.insert(u"kern_u", QJsonArray{o.kern_u[0], o.kern_u[1]});
    j.insert(u"kern_v", QJsonArray{o.kern_v[0], o.kern_v[1]});
    j.insert(u"parts", r.parts);
    j.insert(u"closed_cells", r.closedCells);
    j.insert(u"mesh_nodes", static_cast<qint64>(r.meshNodes));
    j.insert(u"mesh_triangles", static_cast<qint64>(r.meshTriangles));
    j.insert(u"It_error", r.meshes > 1 ? QJsonValue(r.ItChange * std::fabs(r.It))
                                       : QJsonValue(QJsonValue::Null));
    j.insert(u"It_converged", r.converged);
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
         QT_TRANSLATE_NOOP("Cli", "props ФАЙЛ.karo [--json]   сдвиг, пластичность, кручение, "
                                  "центр изгиба, ядро по действительным очертаниям профилей"),
         propsCommand});
}

} // namespace karo::cli
