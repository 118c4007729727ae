#include "cli/cli.h"

#include "io/safe_file.h"
#include "io/section_file.h"
#include "io/to_qstring.h"
#include "model/arith.h"
#include "model/messages.h"
#include "solver/solver.h"
#include "texts/language.h"
#include "texts/message_text.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <clocale>
#include <ostream>

namespace karo::cli {
namespace {

void printHelp(std::ostream& out) {
    out << Cli::tr("karo-cli — геометрические характеристики плоских сечений без окна.\n\n"
                   "Использование:\n")
               .toStdString();
    for (const Command& c : Commands())
        out << "  karo-cli " << Cli::tr(c.synopsis).toStdString() << "\n";
    out << "  karo-cli --help\n\n"
        << Cli::tr(
               "Аргумент «--» завершает параметры: имя после него может начинаться с «-».\n\n"
               "props: профили, границы которых имеют общий отрезок ненулевой длины, сварены в\n"
               "одно тело; границы, расходящиеся не более чем на 1e-9 большего габарита\n"
               "сечения, считаются соприкасающимися; зазор или касание в точке оставляют\n"
               "отдельные части.\n\n"
               "Коды завершения, одни для всех команд:\n"
               "  0  готово (предупреждения проверок выводятся в stderr);\n"
               "  2  командная строка или исходные данные отвергнуты: неизвестная команда,\n"
               "     недостающий или неверный параметр или аргумент; файл, который не является\n"
               "     принимаемым сечением (не JSON, другой формат, более новая версия, "
               "неизвестный\n"
               "     вид или поле, неверное положение, более 50 профилей, поле, отвергнутое\n"
               "     проверкой); пустое сечение; профиля нет в сортаменте; размещение, которое\n"
               "     правила не допускают;\n"
               "  1  иной сбой: файл не читается или не записывается (нет файла, не обычный файл,\n"
               "     нет доступа, файл защищён от записи, нет места на диске), арифметическая\n"
               "     ошибка.\n"
               "Каждый сбой выводит в stderr строку, которая называет файл так, как он указан.\n")
               .toStdString();
}

DrawingRunner& drawingRunner() {
    static DrawingRunner runner;
    return runner;
}

int solveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    std::string file;
    std::map<std::string, std::string> options;
    if (!ParseArgs("solve", args, {}, {"--json"}, file, options, err))
        return kRefused;
    const bool json = options.count("--json") > 0;
    TSectionModel model;
    TSectionResult r;
    if (const int code = LoadAndSolve(file, model, r, err); code >= 0)
        return code;

    if (!json) {
        for (int i = 0; i < ResultFieldCount; ++i)
            out << ResultFields[static_cast<std::size_t>(i)].name << " = "
                << r.Texts[static_cast<std::size_t>(i)] << "\n";
        return kSolved;
    }
    QJsonObject o;
    for (const ResultFieldInfo& q : kResultQuantities) {
        const QString key = ToQString(q.name);
        if (q.format == ResultFormat::Count)
            o.insert(key, static_cast<int>(q.value(r)));
        else
            o.insert(key, q.value(r));
    }
    out << QJsonDocument(o).toJson(QJsonDocument::Indented).toStdString();
    return kSolved;
}

} // namespace

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = [] {
        std::vector<Command> c = {
            {"solve",
             QT_TRANSLATE_NOOP("Cli", "solve ФАЙЛ.karo [--json]   тринадцать результатов "
                                      "(--json: все значения с полной точностью)"),
             solveCommand},
        };
        AddDrawingCommands(c);
        AddCatalogueCommands(c);
        AddPlaceCommands(c);
        AddPropsCommands(c);
        return c;
    }();
    return commands;
}

int LoadFile(const std::string& path, TSectionModel& model, std::ostream& err) {
    const QString name = FileArgument(path);
    const LoadReport report = LoadSectionFile(name, model, name);
    if (!report.ok()) {
        err << report.message.toStdString() << "\n";
        // Only a file that cannot be read is a failure; any content not taken is refused.
        return report.status == LoadReport::Status::Unreadable ? kFailure : kRefused;
    }
    for (const SectionWarning& w : report.warnings)
        err << WarningText(w).toStdString() << "\n";
    return -1;
}

int LoadAndSolve(const std::string& path, TSectionModel& model, TSectionResult& result,
                 std::ostream& err) {
    if (const int code = LoadFile(path, model, err); code >= 0)
        return code;
    try {
        const SolveOutcome o = SolveSection(model, result);
        if (o.status == SolveStatus::EmptySection) {
            err << MessageString({MessageCode::InputError, {}}) << " "
                << MessageString(EmptySectionMessage(model)) << "\n";
            return kRefused;
        }
    } catch (const ArithmeticError& e) {
        err << ArithmeticFailureText(path, e) << "\n";
        return kFailure;
    }
    return -1;
}

QString FileArgument(const std::string& arg) {
    return io::DecodeFileName(QByteArray::fromStdString(arg));
}

Message EmptySectionMessage(const TSectionModel& model) {
    return {EmptySectionReason(model.totalCount()), {}};
}

bool ParseCommandLine(const std::string& command, const std::vector<std::string>& args,
                      const ArgRules& rules, std::vector<std::string>& positional,
                      std::map<std::string, std::string>& options, std::ostream& err) {
    const auto has = [](const std::vector<std::string>& v, const std::string& a) {
        return std::find(v.begin(), v.end(), a) != v.end();
    };
    const auto refuse = [&](const QString& why) {
        err << "karo-cli " << command << ": " << why.toStdString() << "\n";
        return false;
    };
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!optionsEnded && a == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (has(rules.flags, a) || has(rules.valued, a))) {
            if (options.count(a))
                return refuse(Cli::tr("параметр %1 указан дважды").arg(ToQString(a)));
            if (has(rules.flags, a)) {
                options[a] = std::string(1, '1');
                continue;
            }
            if (i + 1 >= args.size())
                return refuse(Cli::tr("после %1 нужно значение").arg(ToQString(a)));
            options[a] = args[++i];
            if (a == "-o" && options[a].empty())
                return refuse(Cli::tr("не указан выходной файл (-o)"));
        } else if (!optionsEnded && a.starts_with("-")) {
            return refuse(Cli::tr("лишний аргумент «%1»").arg(ToQString(a)));
        } else if (positional.size() < rules.names.size()) {
            positional.push_back(a);
        } else if (rules.restJoined && !positional.empty()) {
            positional.back() += " " + a;
        } else {
            return refuse(Cli::tr("лишний аргумент «%1»").arg(ToQString(a)));
        }
    }
    if (positional.size() < rules.required)
        return refuse(Cli::tr("не указан %1").arg(Cli::tr(rules.names[positional.size()])));
    return true;
}

bool ParseArgs(const std::string& command, const std::vector<std::string>& args,
               const std::vector<std::string>& valued, const std::vector<std::string>& flags,
               std::string& file, std::map<std::string, std::string>& options, std::ostream& err) {
    std::vector<std::string> positional;
    if (!ParseCommandLine(command, args, {{kSectionFile}, 1, false, valued, flags}, positional,
                          options, err))
        return false;
    file = positional.front();
    return true;
}

std::string ArithmeticFailureText(const std::string& file, const std::exception& fault) {
    return "«" + file + "»: " + fault.what() + ".";
}

void InstallSystemLanguage(QCoreApplication& app) {
    // The source texts need no translation, and the command line shows none of Qt's own
    // texts: in Russian nothing is loaded, which keeps the start quick.
    if (const QString language = SystemLanguage(); language != InterfaceLanguages().front())
        InstallLanguage(app, language);
    std::setlocale(LC_NUMERIC, "C");
}

const Command* FindCommand(const std::vector<std::string>& args) {
    if (args.empty())
        return nullptr;
    for (const Command& c : Commands()) {
        if (c.name == args[0])
            return &c;
    }
    return nullptr;
}

void SetDrawingRunner(DrawingRunner runner) {
    drawingRunner() = std::move(runner);
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        printHelp(err);
        return kRefused;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printHelp(out);
        return kSolved;
    }
    for (const Command& c : Commands()) {
        if (c.name != args[0])
            continue;
        if (c.program)
            return drawingRunner()(c.name, {args.begin() + 1, args.end()}, out, err);
        return c.run({args.begin() + 1, args.end()}, out, err);
    }
    err << Cli::tr("karo-cli: неизвестная команда «%1» (см. karo-cli --help)")
               .arg(ToQString(args[0]))
               .toStdString()
        << "\n";
    return kRefused;
}

} // namespace karo::cli
