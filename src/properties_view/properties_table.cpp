#include "properties_view/properties_table.h"

#include "io/to_qstring.h"
#include "properties/property_table.h"
#include "solver/format.h"
#include "solver/result_fields.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <optional>

namespace karo::properties {
namespace {

QString tableText(const char* source) {
    return QCoreApplication::translate("PropertiesTable", source);
}

// How far an outline value stands from the result tab's, and why, when it is far enough to
// say so. The tab's values come from the catalogue's printed figures for each profile, the
// outlines from the standard's drawing; an overlap counts once in the solid and twice there.
// A value that may be zero or change sign (a coordinate, the product of inertia) is weighed
// against `scale`, the section's own size in its unit, and its difference is given in that
// unit: a centroid 0.02 cm off is as far off at the origin as 100 m away. Any other value is
// weighed against itself, and its difference given in per cent.
QString differenceNote(double outline, double tab, double zero, std::optional<double> scale,
                       const QString& unit, bool overlap) {
    const double size = scale ? *scale : std::max(std::fabs(outline), std::fabs(tab));
    if (std::max(std::fabs(outline), std::fabs(tab)) <= zero ||
        std::fabs(outline - tab) <= kNotedDifference * size)
        return {};
    const double difference = scale ? outline - tab : 100 * (outline - tab) / size;
    // Two digits, as the values' own format writes them, but a percentage of 100 or more
    // whole rather than as 1E+02.
    const int digits = !scale && std::fabs(difference) >= 99.5 ? 3 : 2;
    const QString amount = (difference > 0 ? QStringLiteral("+") : QString()) +
                           ToQString(FormatResult(difference, digits)) + QLatin1Char(' ') +
                           (scale ? unit : QStringLiteral("%"));
    return QCoreApplication::translate("PropertiesTable", "%1 от вкладки результатов: %2")
        .arg(amount, overlap ? QCoreApplication::translate(
                                   "PropertiesTable",
                                   "профили перекрываются, общая площадь учтена один раз")
                             : QCoreApplication::translate(
                                   "PropertiesTable", "округление табличных значений сортамента"));
}

} // namespace

QString PropertyText(const char* source) {
    return source && *source ? tableText(source) : QString();
}

std::vector<PropertiesRow> PropertiesTable(const PropertiesSnapshot& s) {
    if (!s.solved())
        return {};
    const OutlineProperties& o = s.result.outline;
    const bool overlap = s.profilesArea - o.A > 1e-9 * o.A;
    std::vector<PropertiesRow> rows;
    for (const PropertyRow& p : PropertyRows(s.result, {s.xExtreme, s.yExtreme})) {
        PropertiesRow r;
        r.group = tableText(PropertyGroupName(p.group));
        r.name = tableText(p.name);
        r.symbol = QString::fromUtf8(p.symbol);
        r.plain = QString::fromUtf8(p.plain);
        r.unit = PropertyText(p.unit);
        r.tip = PropertyText(p.tip);
        r.value = p.value;
        r.text = ToQString(p.text);
        if (p.missing)
            r.note = tableText(p.missing);
        else if (p.resultField >= 0 && s.sectionValues) {
            std::optional<double> scale;
            if (p.resultField == rfXc || p.resultField == rfYc)
                scale = std::sqrt(o.A);
            else if (p.resultField == rfIxy)
                scale = std::sqrt(o.Ix * o.Iy);
            r.note =
                differenceNote(r.value, (*s.sectionValues)[static_cast<std::size_t>(p.resultField)],
                               p.resultField == rfAlpha0 ? 1e-3
                               : p.zero > 0              ? 1e3 * p.zero
                                                         : 0,
                               scale, r.unit, overlap);
        }
        rows.push_back(std::move(r));
    }
    return rows;
}

QStringList PropertiesColumns() {
    return {QCoreApplication::translate("PropertiesTable", "Группа"),
            QCoreApplication::translate("PropertiesTable", "Величина"),
            QCoreApplication::translate("PropertiesTable", "Обозначение"),
            QCoreApplication::translate("PropertiesTable", "Значение"),
            QCoreApplication::translate("PropertiesTable", "Единица"),
            QCoreApplication::translate("PropertiesTable", "Примечание")};
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
