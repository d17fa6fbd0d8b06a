#include "canvas/pointcapture.h"

#include <limits>

namespace {

// x and y fields of the four points: line 1's first and second point, then
// line 2's.
constexpr int kSlotFields[4][2] = { { 0, 1 }, { 2, 3 }, { 7, 8 }, { 9, 10 } };

} // namespace

CaptureStep PointCaptureStep(qint16 &ClickCount)
{
    CaptureStep step;
    if (ClickCount >= 1 && ClickCount <= 4) {
        step.action = CaptureStep::Action::Record;
        step.xField = kSlotFields[ClickCount - 1][0];
        step.yField = kSlotFields[ClickCount - 1][1];
    } else if (ClickCount == 5) {
        step.action = CaptureStep::Action::DotOnly;
    }
    if (ClickCount < std::numeric_limits<qint16>::max())
        ++ClickCount;
    return step;
}
