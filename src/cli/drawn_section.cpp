#include "cli/drawn_section.h"

#include "cli/cli.h"
#include "io/safe_file.h"
#include "picture/fonts.h"

#include <QGuiApplication>

#include <iostream>
#include <malloc.h>

namespace karo::cli {

namespace {
// Blocks from this size up are mapped on their own.
constexpr int kOwnMappingBytes = 256 * 1024;
} // namespace

bool ParseDrawing(const std::string& command, const std::vector<std::string>& args,
                  const std::vector<std::string>& valued, DrawnSection& d, std::ostream& err) {
    if (!ParseArgs(command, args, valued, {}, d.file, d.options, err))
        return false;
    if (d.options.count("-o") == 0 || d.options["-o"].empty()) {
        err << "karo-cli " << command << ": "
            << Cli::tr("не указан выходной файл (-o)").toStdString() << "\n";
        return false;
    }
    return true;
}

int DrawSection(DrawnSection& d, std::ostream& err) {
    InstallFontSubstitutes();
    const int code = LoadAndSolve(d.file, d.model, d.result, err);
    if (code < 0)
        d.picture.draw(d.model, d.result);
    return code;
}

int RunDrawingProgram(int argc, char** argv, std::map<std::string, CommandRun> runs) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    // Pictures of the size of a canvas come and go while the sketches are fitted: each goes
    // back to the system when freed, instead of raising the heap's high-water mark (a fixed
    // threshold also stops the allocator from moving it up after the first such picture).
    mallopt(M_MMAP_THRESHOLD, kOwnMappingBytes);
    // Pictures and documents are drawn off screen: no display is needed or used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt would warn about a missing runtime folder and make one of its own.
    io::SettleRuntimeFolder();
    QGuiApplication app(argc, argv);
    InstallSystemLanguage(app);
    InstallFontSubstitutes();

    SetDrawingRunner([&runs](const std::string& name, const std::vector<std::string>& rest,
                             std::ostream& out,
                             std::ostream& err) { return runs.at(name)(rest, out, err); });
    return Run(args, std::cout, std::cerr);
}

} // namespace karo::cli
