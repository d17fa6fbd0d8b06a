#include "canvas/clipping.h"

#include <cmath>

std::optional<TwipsSegment> clipSegment(
    const TwipsSegment &s, double left, double top, double right, double bottom)
{
    if (std::isnan(s.x1) || std::isnan(s.y1) || std::isnan(s.x2) || std::isnan(s.y2))
        return std::nullopt;
    // Infinite end points have no direction to clip along.
    if (!std::isfinite(s.x1) || !std::isfinite(s.y1) || !std::isfinite(s.x2)
        || !std::isfinite(s.y2))
        return std::nullopt;

    // Work in the parameter t of P(t) = P1 + t * (P2 - P1). The differences
    // may overflow to infinity for end points near the double limit, so the
    // direction is scaled down first; t only needs the ratio.
    double dx = s.x2 - s.x1;
    double dy = s.y2 - s.y1;
    const double scale = std::fmax(std::fabs(dx), std::fabs(dy));
    if (!std::isfinite(scale)) {
        dx = s.x2 / 2 - s.x1 / 2;
        dy = s.y2 / 2 - s.y1 / 2;
    }
    double t0 = 0.0;
    double t1 = !std::isfinite(scale) ? 2.0 : 1.0;

    const double p[4] = { -dx, dx, -dy, dy };
    const double q[4] = { s.x1 - left, right - s.x1, s.y1 - top, bottom - s.y1 };
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1)
                return std::nullopt;
            if (t > t0)
                t0 = t;
        } else {
            if (t < t0)
                return std::nullopt;
            if (t < t1)
                t1 = t;
        }
    }
    return TwipsSegment { s.x1 + t0 * dx, s.y1 + t0 * dy, s.x1 + t1 * dx, s.y1 + t1 * dy };
}
