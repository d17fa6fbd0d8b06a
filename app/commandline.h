#pragma once

#include <optional>

// Reads the command line before any window exists, so that --help and
// --version work without a display. Returns the exit status when the program
// should end at once (help or version printed: 0; a wrong argument: 2), or
// nothing when the window should open. Qt's own options (-platform, -style,
// -display, ...) are accepted and left for the application object.
std::optional<int> handleCommandLine(int argc, char *argv[]);
