#pragma once

#include <optional>

struct TwipsSegment
{
    double x1, y1, x2, y2;
};

// Clips a segment to the rectangle [left, right] x [top, bottom] in double
// precision (Liang-Barsky). The part kept keeps its direction, so a dotted
// pattern still starts at the first point when that point is inside. Gives
// nothing when no part is inside or a coordinate is not a number.
std::optional<TwipsSegment> clipSegment(
    const TwipsSegment &segment, double left, double top, double right, double bottom);
