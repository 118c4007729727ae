// karo-cli-print: the print command of karo-cli, started by karo-cli with its own arguments.
// A program of its own, since printing needs Qt Print Support and Qt Widgets, which the other
// drawing commands do without.
#include "cli/cli.h"
#include "cli/drawn_section.h"

int main(int argc, char** argv) {
    std::map<std::string, karo::cli::CommandRun> runs;
    karo::cli::AddPrintRuns(runs);
    return karo::cli::RunDrawingProgram(argc, argv, std::move(runs));
}
