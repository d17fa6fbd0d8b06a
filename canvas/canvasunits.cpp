#include "canvas/canvasunits.h"

#include <limits>

float ToCanvas(double value)
{
    // Beyond the single range the cast itself is undefined; saturate to the
    // infinity that IEEE rounding would give.
    constexpr double largest = std::numeric_limits<float>::max();
    if (value > largest)
        return std::numeric_limits<float>::infinity();
    if (value < -largest)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(value);
}
