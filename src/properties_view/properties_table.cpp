#include "properties_view/properties_table.h"

#include "io/to_qstring.h"
#include "properties/property_table.h"
#include "solver/format.h"
#include "solver/result_fields.h"

#include <QCoreApplication>

#include <cmath>

namespace karo::properties {
namespace {

QString tableText(const char* source) {
    return QCoreApplication::translate("PropertiesTable", source);
}

// How far an outline value stands from the result tab's, and why, when it is far enough to
// say so. The tab's values come from the catalogue's printed figures for each profile, the
// outlines from the standard's drawing; an overlap counts once in the solid and twice there.
QString differenceNote(double outline, double tab, double zero, bool overlap) {
    const double scale = std::max(std::fabs(outline), std::fabs(tab));
    if (scale <= zero || std::fabs(outline - tab) <= kNotedDifference * scale)
        return {};
    const double percent = 100 * (outline - tab) / scale;
    return QCoreApplication::translate("PropertiesTable", "%1%2 % от вкладки результатов: %3")
        .arg(percent > 0 ? QStringLiteral("+") : QString())
        .arg(ToQString(FormatGeneral(percent, 2, 2)))
        .arg(overlap
                 ? QCoreApplication::translate(
                       "PropertiesTable", "профили перекрываются, общая площадь учтена один раз")
                 : QCoreApplication::translate("PropertiesTable",
                                               "округление табличных значений сортамента"));
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
        else if (p.resultField >= 0 && s.sectionValues)
            r.note =
                differenceNote(r.value, (*s.sectionValues)[static_cast<std::size_t>(p.resultField)],
                               p.resultField == rfAlpha0 ? 1e-3
                               : p.zero > 0              ? 1e3 * p.zero
                                                         : 0,
                               overlap);
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
