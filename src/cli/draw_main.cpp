// karo-cli-draw: the drawing commands of karo-cli that need Qt Gui alone (sheet, picture,
// report), started by karo-cli with its own arguments.
#include "cli/cli.h"
#include "cli/drawn_section.h"

int main(int argc, char** argv) {
    std::map<std::string, karo::cli::CommandRun> runs;
    karo::cli::AddSheetRuns(runs);
    karo::cli::AddReportRuns(runs);
    return karo::cli::RunDrawingProgram(argc, argv, std::move(runs));
}
