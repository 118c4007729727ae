// karo-cli place and extents: a profile put against another, and how far every profile
// reaches.

#include "cli/cli.h"

#include "io/section_file.h"
#include "io/to_qstring.h"
#include "model/arith.h"
#include "model/messages.h"
#include "placement/placement.h"
#include "texts/message_text.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <ostream>
#include <string_view>

namespace karo::cli {
namespace {

constexpr std::pair<std::string_view, PlaceSide> kSides[] = {{"left", PlaceSide::Left},
                                                             {"right", PlaceSide::Right},
                                                             {"above", PlaceSide::Above},
                                                             {"below", PlaceSide::Below}};
constexpr std::pair<std::string_view, PlaceAlign> kAligns[] = {
    {"top", PlaceAlign::Top},   {"middle", PlaceAlign::Middle}, {"bottom", PlaceAlign::Bottom},
    {"left", PlaceAlign::Left}, {"right", PlaceAlign::Right},   {"centroid", PlaceAlign::Centroid}};

template <class T, std::size_t N>
std::optional<T> lookUp(const std::pair<std::string_view, T> (&table)[N], std::string_view word) {
    for (const auto& [name, value] : table) {
        if (name == word)
            return value;
    }
    return std::nullopt;
}

template <class T, std::size_t N>
std::string_view nameOf(const std::pair<std::string_view, T> (&table)[N], T value) {
    for (const auto& [name, v] : table) {
        if (v == value)
            return name;
    }
    return {};
}

// "Dt:2": the file's kind key and an entry number from 1.
std::optional<ProfileRef> profileArg(const std::string& arg) {
    const auto colon = arg.find(':');
    Kind kind;
    if (colon == std::string::npos || !kindFromPrefix(std::string_view(arg).substr(0, colon), kind))
        return std::nullopt;
    const char* first = arg.data() + colon + 1;
    const char* last = arg.data() + arg.size();
    int n = 0;
    const auto r = std::from_chars(first, last, n);
    if (first == last || *first == '+' || r.ec != std::errc() || r.ptr != last || n < 1)
        return std::nullopt;
    return ProfileRef{kind, n};
}

std::string profileKey(ProfileRef p) {
    return std::string(kindInfo(p.kind).prefix) + ":" + std::to_string(p.number);
}

int placeCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const auto refuse = [&](const QString& why) {
        err << "karo-cli place: " << why.toStdString() << "\n";
        return kRefused;
    };
    std::vector<std::string> positional;
    std::map<std::string, std::string> options;
    if (!ParseCommandLine("place", args,
                          {{kSectionFile, QT_TRANSLATE_NOOP("Cli", "профиль ВИД:N")},
                           2,
                           false,
                           {"--to", "--side", "--align", "--gap", "-o"},
                           {}},
                          positional, options, err))
        return kRefused;
    const std::optional<ProfileRef> moved = profileArg(positional[1]);
    if (!moved)
        return refuse(Cli::tr("«%1» — не профиль ВИД:N (ВИД: Dt, Sh, Un, Ur, List)")
                          .arg(ToQString(positional[1])));
    if (!options.count("--to"))
        return refuse(Cli::tr("не указан профиль, к которому приставить (--to ВИД:M)"));
    const std::optional<ProfileRef> target = profileArg(options["--to"]);
    if (!target)
        return refuse(Cli::tr("«%1» — не профиль ВИД:M (ВИД: Dt, Sh, Un, Ur, List)")
                          .arg(ToQString(options["--to"])));
    if (!options.count("--side"))
        return refuse(Cli::tr("не указана сторона (--side left|right|above|below)"));
    const std::optional<PlaceSide> side = lookUp(kSides, options["--side"]);
    if (!side)
        return refuse(Cli::tr("неизвестная сторона «%1» (left, right, above, below)")
                          .arg(ToQString(options["--side"])));
    PlaceRequest rq{*target, *side};
    if (options.count("--align")) {
        const std::optional<PlaceAlign> align = lookUp(kAligns, options["--align"]);
        if (!align)
            return refuse(
                Cli::tr(
                    "неизвестное выравнивание «%1» (top, middle, bottom, left, right, centroid)")
                    .arg(ToQString(options["--align"])));
        rq.align = *align;
    }
    if (!AlignmentFits(rq.side, rq.align)) {
        std::string fits;
        for (PlaceAlign a : AlignmentsOf(rq.side))
            fits += (fits.empty() ? "" : ", ") + std::string(nameOf(kAligns, a));
        return refuse(
            Cli::tr("--align %1 не подходит к --side %2 (подходят %3)")
                .arg(ToQString(options["--align"]), ToQString(options["--side"]), ToQString(fits)));
    }
    if (options.count("--gap")) {
        const std::optional<double> gap = ParseGap(options["--gap"]);
        if (!gap || !(*gap >= 0 && *gap <= kMaxGap))
            return refuse(QStringLiteral("--gap «%1»: %2")
                              .arg(ToQString(options["--gap"]), MessageText(GapRule())));
        rq.gap = *gap;
    }

    const std::string& file = positional[0];
    TSectionModel model;
    if (const int code = LoadFile(file, model, err); code >= 0)
        return code;
    try {
        const ProfilePlacer placer(model, *moved);
        const PlaceOutcome o = placer.place(rq);
        if (!o.placed())
            return refuse(ToQString(file) + QStringLiteral(": ") + MessageText(o.message));
        const QString path = FileArgument(options.count("-o") ? options["-o"] : file);
        QString reason;
        if (!SaveSectionFile(path, placer.placedSection(o), &reason)) {
            err << Cli::tr("Не удалось сохранить «%1»: %2.").arg(path, reason).toStdString()
                << "\n";
            return kFailure;
        }
        out << profileKey(*moved) << " Xc = " << o.XcText << ", Yc = " << o.YcText << "\n";
    } catch (const ArithmeticError& e) {
        err << ArithmeticFailureText(file, e) << "\n";
        return kFailure;
    }
    return kSolved;
}

int extentsCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string file;
    std::map<std::string, std::string> options;
    if (!ParseArgs("extents", args, {}, {}, file, options, err))
        return kRefused;
    TSectionModel model;
    if (const int code = LoadFile(file, model, err); code >= 0)
        return code;
    if (std::all_of(TabOrder.begin(), TabOrder.end(),
                    [&](Kind k) { return model.state(k).Count == 0; })) {
        err << MessageString({MessageCode::InputError, {}}) << " "
            << MessageString(EmptySectionMessage(model)) << "\n";
        return kRefused;
    }
    try {
        for (Kind k : TabOrder) {
            for (int n = 1; n <= model.state(k).Count; ++n) {
                const ProfileBox b = EntryExtent(model, k, n);
                out << profileKey({k, n}) << '\t' << PlacedText(b.left) << '\t'
                    << PlacedText(b.right) << '\t' << PlacedText(b.bottom) << '\t'
                    << PlacedText(b.top) << '\n';
            }
        }
    } catch (const ArithmeticError& e) {
        err << ArithmeticFailureText(file, e) << "\n";
        return kFailure;
    }
    return kSolved;
}

} // namespace

void AddPlaceCommands(std::vector<Command>& commands) {
    commands.push_back(
        {"place",
         QT_TRANSLATE_NOOP(
             "Cli",
             "place ФАЙЛ.karo ВИД:N --to ВИД:M --side left|right|above|below\n"
             "      [--align top|middle|bottom|left|right|centroid] [--gap СМ] [-o ВЫХОД.karo]\n"
             "      приставить профиль N к профилю M: задать его Xc и Yc (по умолчанию\n"
             "      --align middle, --gap 0; зазор от 0 до 1000 см; без -o файл сохраняется\n"
             "      на месте);\n"
             "      например: karo-cli place sec.karo List:1 --to Dt:1 --side above"),
         placeCommand});
    commands.push_back({"extents",
                        QT_TRANSLATE_NOOP("Cli", "extents ФАЙЛ.karo   границы каждого профиля: "
                                                 "ВИД:N, слева, справа, снизу, сверху (см);\n"
                                                 "      например: karo-cli extents sec.karo"),
                        extentsCommand});
}

} // namespace karo::cli
