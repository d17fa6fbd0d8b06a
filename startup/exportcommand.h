#pragma once

#include <optional>

// "vertisel --export FILE X1 Y1 X2 Y2 X1 Y1 X2 Y2": writes the worked
// solution, or the figure for .svg and .png, for the eight inputs (read as
// the fields read them) in the format of FILE's extension, without a display
// or a window. Returns the exit status (0 written; 1 the file could not be
// written, and none is left; 2 a wrong count or an unknown extension), or
// nothing when the command line asks for no export.
std::optional<int> runExportCommand(int argc, char *argv[]);
