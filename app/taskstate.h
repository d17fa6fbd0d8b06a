#pragma once

#include <QtGlobal>

// The state the window's commands share between events. The inputs and
// results themselves live only in the field texts.
struct TaskState
{
    // What the next press on the canvas does (see pointCaptureStep).
    qint16 ClickCount = 0;
    // The crossing point of the last calculation that found one; Clear keeps it.
    double StoredXt = 0.0;
    double StoredYt = 0.0;
};
