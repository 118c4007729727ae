// karo-cli catalogue: the standards' profiles, and the texts a pick fills into a kind tab.

#include "cli/cli.h"

#include "catalogue/field_texts.h"
#include "catalogue/lookup.h"
#include "io/to_qstring.h"
#include "model/orientation.h"
#include "texts/standard_text.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <ostream>

namespace karo::cli {
namespace {

constexpr Kind kCatalogueKinds[] = {Kind::Dt, Kind::Sh, Kind::Un, Kind::Ur};

std::string noCatalogue(const std::string& kind) {
    return "karo-cli catalogue: " + Cli::tr("нет сортамента для вида «%1» (есть Dt, Sh, Un, Ur)")
                                        .arg(ToQString(kind))
                                        .toStdString();
}

// "Dt", "dt", "DT": the kinds that have a catalogue.
bool catalogueKind(const std::string& name, Kind& out) {
    for (Kind k : kCatalogueKinds) {
        const std::string_view prefix = kindInfo(k).prefix;
        if (name.size() == prefix.size() &&
            std::equal(name.begin(), name.end(), prefix.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) ==
                       std::tolower(static_cast<unsigned char>(b));
            })) {
            out = k;
            return true;
        }
    }
    return false;
}

// The nominal dimensions as the standard prints them, in millimetres.
std::string dimensions(const catalogue::ProfileRow& r) {
    std::string out;
    const auto add = [&](const char* name, const std::string& v) {
        if (v.empty())
            return;
        if (!out.empty())
            out += ' ';
        out.append(name).append("=").append(v);
    };
    add("h", r.h);
    add("B", r.B);
    add("b", r.b);
    add("s", r.s);
    add("t", r.t);
    add("R", r.R);
    add("r", r.r);
    // Appended piece by piece: a string put before another made GCC 12 warn of an overlapping
    // copy that cannot happen.
    if (!r.slope.empty())
        out.append(" ")
            .append(Cli::tr("уклон").toStdString())
            .append("=")
            .append(r.slope)
            .append("%");
    return out.append(" ").append(Cli::tr("мм").toStdString());
}

int list(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<Kind> kinds(std::begin(kCatalogueKinds), std::end(kCatalogueKinds));
    if (!args.empty()) {
        Kind k;
        if (!catalogueKind(args[0], k)) {
            err << noCatalogue(args[0]) << "\n";
            return kRefused;
        }
        kinds = {k};
    }
    for (Kind k : kinds) {
        for (const catalogue::ProfileRow* r : catalogue::kindRows(k)) {
            out << kindInfo(k).prefix << '\t' << StandardText(r->standard).toStdString() << '\t'
                << r->designation << '\t' << dimensions(*r);
            if (r->computed)
                out << '\t' << Cli::tr("расчётные значения").toStdString();
            out << '\n';
        }
    }
    return kSolved;
}

int catalogueCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    // The numbers of "Un 100 63 8" typed unquoted make one designation.
    if (!ParseCommandLine(
            "catalogue", args,
            {{QT_TRANSLATE_NOOP("Cli", "вид"), QT_TRANSLATE_NOOP("Cli", "обозначение")},
             0,
             true,
             {"--orientation"},
             {}},
            positional, options, err))
        return kRefused;
    const bool oriented = options.count("--orientation") > 0;
    const std::string orientation = oriented ? options["--orientation"] : std::string();
    if (positional.size() < 2) {
        if (oriented) {
            err << "karo-cli catalogue: "
                << Cli::tr("--orientation относится к профилю: укажите вид и обозначение")
                       .toStdString()
                << "\n";
            return kRefused;
        }
        return list(positional, out, err);
    }

    Kind kind;
    if (!catalogueKind(positional[0], kind)) {
        err << noCatalogue(positional[0]) << "\n";
        return kRefused;
    }
    const KindInfo& info = kindInfo(kind);
    int code = info.startCode;
    if (oriented) {
        char* end = nullptr;
        const long n = std::strtol(orientation.c_str(), &end, 10);
        if (orientation.empty() || *end != '\0' || !IsValidCode(kind, static_cast<int>(n)) ||
            n != static_cast<int>(n)) {
            err << "karo-cli catalogue: "
                << Cli::tr("положение «%1» вне 1..%2 для вида %3")
                       .arg(ToQString(orientation))
                       .arg(info.codeCount)
                       .arg(ToQString(info.prefix))
                       .toStdString()
                << "\n";
            return kRefused;
        }
        code = static_cast<int>(n);
    }
    const catalogue::ProfileRow* row = catalogue::findProfile(kind, positional[1]);
    if (!row) {
        const auto near = catalogue::nearestProfiles(kind, positional[1]);
        err << "karo-cli catalogue: "
            << Cli::tr("профиля «%1» нет в сортаменте вида %2")
                   .arg(ToQString(positional[1]), ToQString(info.prefix))
                   .toStdString();
        if (!near.empty())
            err << " (" << StandardText(near.front()->standard).toStdString() << ")";
        err << ". " << Cli::tr("Ближайшие:").toStdString();
        for (std::size_t i = 0; i < near.size(); ++i)
            err << (i ? ", " : " ") << near[i]->designation;
        err << "\n";
        return kRefused;
    }
    for (const catalogue::FieldText& f : catalogue::fieldTexts(*row, code))
        out << f.key << " = " << f.text << "\n";
    return kSolved;
}

} // namespace

void AddCatalogueCommands(std::vector<Command>& commands) {
    commands.push_back(
        {"catalogue",
         QT_TRANSLATE_NOOP("Cli",
                           "catalogue [ВИД]   профили сортамента: ВИД, ГОСТ, обозначение, "
                           "размеры (ВИД: Dt, Sh, Un, Ur)\n"
                           "  karo-cli catalogue ВИД ОБОЗНАЧЕНИЕ [--orientation N]   тексты "
                           "полей, которые заполняет выбор профиля в положении N (по умолчанию "
                           "начальное)"),
         catalogueCommand});
}

} // namespace karo::cli
