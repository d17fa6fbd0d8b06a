#pragma once

class QIcon;
class QImage;
class QString;

// The content built into the program as resources.

// The assignment and the derivation of the formulas, 32 lines.
QString taskText();
// The 200 x 196 photo the canvas shows at start.
QImage startupPhoto();
// The hamburger icon of the window: the 32 x 32, 256-colour picture and the
// same drawing smooth at 16, 22, 24, 48 and 64 pixels.
QIcon applicationIcon();
