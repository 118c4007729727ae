#pragma once
// karo-cli: the section solved, drawn or reported from a file, without a window.
// Each group of commands lives in a file of its own and adds itself to the table.

#include "model/messages.h"

#include <QCoreApplication>
#include <QString>

#include <exception>
#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace karo {
class TSectionModel;
struct TSectionResult;
} // namespace karo

namespace karo::cli {

// The command line's texts, Russian as written here, in the language installed at start.
struct Cli {
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

// Installs the system's language, when the programs speak it, into `app`; LC_NUMERIC stays
// "C", so that the C library reads and writes numbers with a point whatever the system's.
void InstallSystemLanguage(QCoreApplication& app);

// Exit codes, one rule for every command.
inline constexpr int kSolved = 0;
// A file that cannot be read or written (missing, not a regular file, no permission,
// write-protected, a full disk), an arithmetic fault.
inline constexpr int kFailure = 1;
// The command line or the input was refused: an unknown command, a missing or bad option or
// argument, a file that is not a section this program accepts, an empty section, a
// designation not in the catalogue, a placement the rules refuse.
inline constexpr int kRefused = 2;

struct Command {
    std::string name;
    // One line of --help: its Russian source, marked for translation in the context "Cli" and
    // translated when printed.
    const char* synopsis;
    std::function<int(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)>
        run;
    // The program that runs a command which draws pictures or documents; null for the
    // commands karo-cli runs itself.
    const char* program = nullptr;
};

// The programs that draw: one with Qt Gui alone, and the printer's, which needs Qt Print
// Support and through it Qt Widgets.
inline constexpr char kDrawingProgram[] = "karo-cli-draw";
inline constexpr char kPrintingProgram[] = "karo-cli-print";

// The drawing commands (sheet, picture, print, report) need Qt Gui; the commands that draw
// nothing start faster without loading it. So karo-cli lists them but hands them to the
// program the table names, which runs them with this same table.
using CommandRun =
    std::function<int(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)>;
// What runs a drawing command: karo-cli starts the command's program, which sets the commands'
// own work here. `name` is the command, `args` what follows it.
using DrawingRunner =
    std::function<int(const std::string& name, const std::vector<std::string>& args,
                      std::ostream& out, std::ostream& err)>;
void SetDrawingRunner(DrawingRunner runner);

// The command named by the first argument, or null.
const Command* FindCommand(const std::vector<std::string>& args);

// The commands known to this build.
const std::vector<Command>& Commands();

void AddDrawingCommands(std::vector<Command>& commands);   // sheet, picture, print, report
void AddCatalogueCommands(std::vector<Command>& commands); // catalogue
void AddPlaceCommands(std::vector<Command>& commands);     // place, extents
void AddPropsCommands(std::vector<Command>& commands);     // props

// Loads FILE, as the user named it; warnings and errors go to `err`. Returns -1 when loaded,
// else the exit code to end with.
int LoadFile(const std::string& path, TSectionModel& model, std::ostream& err);

// Loads FILE and solves it; warnings and errors go to `err`. Returns -1 when solved, else the
// exit code to end with.
int LoadAndSolve(const std::string& path, TSectionModel& model, TSectionResult& result,
                 std::ostream& err);

// A file name from the command line, every byte kept (see io::DecodeFileName).
QString FileArgument(const std::string& arg);

// Why a solved section counts as empty: no profile at all, or a total area too small.
Message EmptySectionMessage(const TSectionModel& model);

// The name of the one positional argument of most commands.
inline constexpr char kSectionFile[] = QT_TRANSLATE_NOOP("Cli", "файл сечения");

// What a command's arguments may be: its positional arguments, named as a message about a
// missing one names them (kSectionFile), and its options.
struct ArgRules {
    // The positional arguments in order, by their Russian names marked for translation.
    std::vector<const char*> names;
    std::size_t required = 1;        // how many of them must be given
    bool restJoined = false;         // further ones join the last, a blank between each
    std::vector<std::string> valued; // options that take a value
    std::vector<std::string> flags;  // options that take none (their value is "1")
};

// The one parser of every command's arguments: positional arguments and options in any order;
// after "--" every argument is positional, even one that starts with "-". An option given
// twice, an unknown one, a missing value, an empty output name (-o ""), a missing or extra
// positional argument are refused: false, with a message in `err`; the command then ends
// with kRefused.
bool ParseCommandLine(const std::string& command, const std::vector<std::string>& args,
                      const ArgRules& rules, std::vector<std::string>& positional,
                      std::map<std::string, std::string>& options, std::ostream& err);

// Arguments of the form FILE [options]: ParseCommandLine with the file as the one positional
// argument.
bool ParseArgs(const std::string& command, const std::vector<std::string>& args,
               const std::vector<std::string>& valued, const std::vector<std::string>& flags,
               std::string& file, std::map<std::string, std::string>& options, std::ostream& err);

// The line an arithmetic fault in FILE ends with: the file named as given, and the fault.
std::string ArithmeticFailureText(const std::string& file, const std::exception& fault);

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The drawing commands' work, for the programs that draw.
void AddSheetRuns(std::map<std::string, CommandRun>& runs);  // sheet, picture
void AddReportRuns(std::map<std::string, CommandRun>& runs); // report
void AddPrintRuns(std::map<std::string, CommandRun>& runs);  // print

} // namespace karo::cli
