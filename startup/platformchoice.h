#pragma once

// The display platform on Linux: which of Qt's platform plugins to try, and
// one clear line instead of Qt's abort when none of them can open a window.

// Call right before the application object is made. Unless -platform or
// QT_QPA_PLATFORM chose one, lets Qt fall back between Wayland and X11
// (XWayland). Until endPlatformStart(), Qt's messages are held back; a failure
// to start any platform ends the program with one line naming what is missing
// and exit status 1.
void beginPlatformStart(int argc, char *argv[]);
// Call once the application object exists: shows the held messages as usual.
void endPlatformStart();
// Whether the command line names the platform (-platform offscreen, vnc, ...):
// then Qt needs no display variable.
bool platformNamed(int argc, char *argv[]);
