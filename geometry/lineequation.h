#pragma once

#include <optional>

// The slope shown for a vertical line, which has none.
inline constexpr double VerticalSlope = 999.9999;

// A·x + B·y + C = 0 through two points, and the slope k shown beside it.
struct LineEquation
{
    double A = 0.0;
    double B = 0.0;
    double C = 0.0;
    double k = 0.0;
};

struct PlanePoint
{
    double x = 0.0;
    double y = 0.0;
};

// A = y1 - y2, B = x2 - x1, C = x1·y2 - x2·y1, k = (y2 - y1) / B, or
// VerticalSlope when B is 0. Two equal points give A = B = C = 0.
LineEquation lineThrough(double x1, double y1, double x2, double y2);

// True when A2·B1 differs from A1·B2, compared exactly: the only test of
// whether two lines cross in one point. The slopes take no part in it.
bool linesIntersect(const LineEquation &first, const LineEquation &second);

// The crossing point by Cramer's rule, when the lines intersect and both
// coordinates are finite numbers; otherwise nothing.
std::optional<PlanePoint> intersectionOf(const LineEquation &first, const LineEquation &second);
