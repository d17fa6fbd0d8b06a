#pragma once

#include "explanations/working.h"
#include "geometry/numberreading.h"
#include "geometry/task.h"

#include <QString>

// What an input holds: "x на първата точка на права 1".
Working inputRole(InputName name);

// Its role, then how its text was read: "„1,5“ е прочетено като 1 (чете се
// само началното число; десетичният знак е точка)".
Working explainInput(InputName name, const InputReading &reading);
