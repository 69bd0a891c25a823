#pragma once
// --export-png and --export-svg: the plan of a layout file drawn into a picture file with the
// toolkit started but no window opened.

#include "app/command_line.h"

/// Reads `line.file`, starts the toolkit with the program's arguments, writes `line.output` and
/// stops the toolkit again. Messages go to standard error; returns the program's exit code.
int RunPictureExport(const CommandLine& line, int argc, char** argv);
