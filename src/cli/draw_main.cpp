// karo-cli-draw: the drawing commands of karo-cli (sheet, picture, print, report), started by
// karo-cli with its own arguments. Loads Qt Gui, which the other commands do without.
#include "cli/cli.h"
#include "io/safe_file.h"
#include "picture/fonts.h"

#include <QGuiApplication>

#include <iostream>
#include <map>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    // Pictures and documents are drawn off screen: no display is needed or used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt would warn about a missing runtime folder and make one of its own.
    karo::io::SettleRuntimeFolder();
    QGuiApplication app(argc, argv);
    karo::InstallFontSubstitutes();

    std::map<std::string, karo::cli::CommandRun> runs;
    karo::cli::AddSheetRuns(runs);
    karo::cli::AddReportRuns(runs);
    karo::cli::SetDrawingRunner(
        [&runs](const std::string& name, const std::vector<std::string>& rest, std::ostream& out,
                std::ostream& err) { return runs.at(name)(rest, out, err); });
    return karo::cli::Run(args, std::cout, std::cerr);
}
