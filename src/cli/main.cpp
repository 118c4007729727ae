#include "cli/cli.h"
#include "io/safe_file.h"
#include "picture/fonts.h"

#include <QGuiApplication>

#include <iostream>
#include <memory>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::unique_ptr<QGuiApplication> app;
    if (const karo::cli::Command* c = karo::cli::FindCommand(args); c && c->needsGui) {
        // Pictures and documents are drawn off screen: no display is needed or used.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Qt would warn about a missing runtime folder and make one of its own.
        karo::io::SettleRuntimeFolder();
        app = std::make_unique<QGuiApplication>(argc, argv);
        karo::InstallFontSubstitutes();
    }
    return karo::cli::Run(args, std::cout, std::cerr);
}
