// karo-cli: the commands that draw nothing run here, with Qt Core alone; a drawing command
// replaces this process with the program that draws it (karo-cli-draw, or karo-cli-print to
// print), which gets the same arguments, output and exit code.
#include "cli/cli.h"
#include "io/safe_file.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <cerrno>
#include <iostream>
#include <unistd.h>

#ifndef KARO_DRAW_INSTALLED
#define KARO_DRAW_INSTALLED "../lib/karo"
#endif

namespace {

// The folder of this program, from the link the kernel keeps.
std::string ownFolder() {
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return ".";
    const std::string self(path, static_cast<std::size_t>(n));
    const auto slash = self.rfind('/');
    return slash == std::string::npos ? std::string(".") : self.substr(0, slash);
}

// Beside this program in a build tree, else where the package installs it.
std::string drawingProgram(const std::string& command) {
    const std::string folder = ownFolder();
    const std::string name = karo::cli::FindCommand({command})->program;
    const std::string beside = folder + "/" + name;
    if (access(beside.c_str(), X_OK) == 0)
        return beside;
    return folder + "/" KARO_DRAW_INSTALLED "/" + name;
}

int startDrawing(const std::string& name, const std::vector<std::string>& args, std::ostream& out,
                 std::ostream& err) {
    const std::string program = drawingProgram(name);
    std::vector<std::string> all{program, name};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    out.flush();
    err.flush();
    execv(program.c_str(), argv.data());
    const int error = errno;
    err << karo::cli::Cli::tr("karo-cli: программа рисования «%1» не запускается: %2")
               .arg(QString::fromStdString(program), karo::io::SystemReasonText(error))
               .toStdString()
        << "\n";
    return karo::cli::kFailure;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    // For the translations alone: the commands here need no event loop.
    QCoreApplication app(argc, argv);
    karo::cli::InstallSystemLanguage(app);
    karo::cli::SetDrawingRunner(startDrawing);
    return karo::cli::Run(args, std::cout, std::cerr);
}
