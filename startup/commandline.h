#pragma once

#include <optional>

// Reads the command line before any window exists, so that --help and
// --version work without a display. Returns the exit status when the program
// should end at once (help or version printed: 0; a mistyped option or a
// stray argument, beside Qt's own options, named: 2), or nothing when the
// window should open. rejectUnknownArguments() checks again what Qt left.
std::optional<int> handleCommandLine(int argc, char *argv[]);

// Once the application object has taken Qt's own options (-platform, -style,
// -qwindowtitle, the platform plugin's, ...) out of the command line: returns
// 2 after saying what is wrong when anything else is left, else nothing.
std::optional<int> rejectUnknownArguments();
