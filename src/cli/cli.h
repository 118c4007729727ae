#pragma once
// karo-cli: the section solved, drawn or reported from a file, without a window.
// Each command lives in a table so that new ones are added in one place.

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace karo::cli {

// Exit codes.
inline constexpr int kSolved = 0;
inline constexpr int kFailure = 1; // unreadable file, arithmetic fault, unwritable output
inline constexpr int kRefused = 2; // the section data were refused, or the section is empty

struct Command {
    std::string name;
    std::string synopsis; // shown by --help
    std::function<int(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)>
        run;
};

// The commands known to this build.
std::vector<Command>& Commands();
void RegisterCommand(Command c);

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace karo::cli
