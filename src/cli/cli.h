#pragma once
// karo-cli: the section solved, drawn or reported from a file, without a window.
// Each group of commands lives in a file of its own and adds itself to the table.

#include <QString>

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

// Exit codes.
inline constexpr int kSolved = 0;
inline constexpr int kFailure = 1; // unreadable file, arithmetic fault, unwritable output
inline constexpr int kRefused = 2; // the section data were refused, or the section is empty

struct Command {
    std::string name;
    std::string synopsis; // one line of --help
    std::function<int(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)>
        run;
    bool needsGui = false; // draws pictures or documents: needs a QGuiApplication
};

// The command named by the first argument, or null.
const Command* FindCommand(const std::vector<std::string>& args);

// The commands known to this build.
const std::vector<Command>& Commands();

void AddSheetCommands(std::vector<Command>& commands);     // sheet, picture, print
void AddReportCommands(std::vector<Command>& commands);    // report
void AddCatalogueCommands(std::vector<Command>& commands); // catalogue
void AddPlaceCommands(std::vector<Command>& commands);     // place, extents

// Loads FILE and solves it; warnings and errors go to `err`. Returns -1 when solved, else the
// exit code to end with.
int LoadAndSolve(const std::string& path, TSectionModel& model, TSectionResult& result,
                 std::ostream& err);

// A file name from the command line, every byte kept (see io::DecodeFileName).
QString FileArgument(const std::string& arg);

// Why a solved section counts as empty: no profile at all, or a total area too small.
std::string EmptySectionText(const TSectionModel& model);

// Arguments of the form FILE [-o OUT] [--name value]...: the file, and every option with its
// value ("-o" included). `valued` lists the options that take a value; `flags` those that
// do not (their value is "1"). Returns false, with a message in `err`, on anything else.
bool ParseArgs(const std::string& command, const std::vector<std::string>& args,
               const std::vector<std::string>& valued, const std::vector<std::string>& flags,
               std::string& file, std::map<std::string, std::string>& options, std::ostream& err);

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace karo::cli
