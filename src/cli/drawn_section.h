#pragma once
// What the drawing commands share: a command's FILE and options, and the section loaded,
// solved and drawn.

#include "cli/cli.h"
#include "model/section_model.h"
#include "picture/section_picture.h"
#include "solver/solver.h"

#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace karo::cli {

struct DrawnSection {
    std::string file;
    std::map<std::string, std::string> options;
    TSectionModel model;
    TSectionResult result;
    SectionPicture picture;
};

// Reads FILE -o OUT and the options in `valued`; false (with a message) on bad arguments.
bool ParseDrawing(const std::string& command, const std::vector<std::string>& args,
                  const std::vector<std::string>& valued, DrawnSection& d, std::ostream& err);

// Loads, solves and draws the section. Returns -1 when done, else the exit code.
int DrawSection(DrawnSection& d, std::ostream& err);

// The main of a program that draws: Qt Gui off screen, then the command in `args` (the
// program's own arguments) run from `runs`.
int RunDrawingProgram(int argc, char** argv, std::map<std::string, CommandRun> runs);

} // namespace karo::cli
