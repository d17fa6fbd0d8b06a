#pragma once

#include "explanations/working.h"
#include "presentation/construction.h"

#include <QPoint>

// What the canvas shows, told in words for a user who cannot see it: the
// photo or the empty canvas, each point a press recorded, the segments and
// the crossing Calculate drew, each from the shape itself, the numbers as
// the fields show them; then how to set points from the keyboard. Repeated
// Calculates draw over each other: only the newest shapes are told.
Working describeConstruction(const Construction &construction, const Working &finding);

// One shape in a sentence, as it is announced when it is drawn; nothing for
// a shape another sentence tells (the dotted extensions, by the crossing's).
Working describeShape(const ConstructionItem &item);

// The canvas blanked, or as at start.
Working describeBackground(Construction::Background background);

// What a Calculate without a point found: that the lines have no one
// crossing, and why.
Working noCrossingFinding(const Working &reason);

// Where the keyboard's cross-hair stands, in twips.
Working describeCursor(QPoint twips);
