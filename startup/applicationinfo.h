#pragma once

// Names the application: its name, version "1.0.0.0" and the desktop entry
// that gives it its launcher icon. Call after the application object exists.
void setApplicationInfo();
