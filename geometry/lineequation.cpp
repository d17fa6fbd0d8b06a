#include "geometry/lineequation.h"

#include <cmath>

// The products below are written in the order the task text derives them; the
// build turns off floating-point contraction so that each product is rounded
// on its own, as the formulas say.

LineEquation lineThrough(double x1, double y1, double x2, double y2)
{
    LineEquation line;
    line.A = y1 - y2;
    line.B = x2 - x1;
    line.C = x1 * y2 - x2 * y1;
    line.k = line.B != 0.0 ? (y2 - y1) / line.B : VerticalSlope;
    return line;
}

bool linesIntersect(const LineEquation &first, const LineEquation &second)
{
    return second.A * first.B != first.A * second.B;
}

std::optional<PlanePoint> intersectionOf(const LineEquation &first, const LineEquation &second)
{
    if (!linesIntersect(first, second))
        return std::nullopt;
    const double d = first.A * second.B - second.A * first.B;
    const PlanePoint point { (second.B * -first.C + first.B * second.C) / d,
        (second.C * -first.A + first.C * second.A) / d };
    if (!std::isfinite(point.x) || !std::isfinite(point.y))
        return std::nullopt;
    return point;
}
