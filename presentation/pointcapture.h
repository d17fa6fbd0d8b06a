#pragma once

#include "geometry/task.h"

#include <QtGlobal>

// What one press on the canvas does. ClickCount (0 after start, 1 after Clear)
// decides: below 1 and above 5 a press only blanks the canvas; 1 to 4 record
// the next point of the lines and leave a thick dot; 5 leaves a dot only.
struct CaptureStep
{
    enum class Action { Blank, Record, DotOnly };
    Action action = Action::Blank;
    // For Record: the point that takes the press's x and y.
    PointSlot slot;
};

// The width of the dot a recording press leaves, in pixels.
inline constexpr int kCaptureDotWidth = 5;

// Decides the step for the current ClickCount and raises ClickCount by one.
// The count stops at its 16-bit maximum instead of wrapping around, so every
// later press keeps blanking the canvas.
CaptureStep pointCaptureStep(qint16 &ClickCount);
