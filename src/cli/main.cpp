#include "cli/cli.h"

#include <QGuiApplication>

#include <iostream>

int main(int argc, char** argv) {
    // Pictures and documents are drawn off screen: no display is needed or used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::vector<std::string> args(argv + 1, argv + argc);
    return karo::cli::Run(args, std::cout, std::cerr);
}
