#include "presentation/pointcapture.h"

#include <limits>

CaptureStep pointCaptureStep(qint16 &ClickCount)
{
    CaptureStep step;
    if (ClickCount >= 1 && ClickCount <= 4) {
        step.action = CaptureStep::Action::Record;
        step.slot = kCaptureOrder[ClickCount - 1];
    } else if (ClickCount == 5) {
        step.action = CaptureStep::Action::DotOnly;
    }
    if (ClickCount < std::numeric_limits<qint16>::max())
        ++ClickCount;
    return step;
}
