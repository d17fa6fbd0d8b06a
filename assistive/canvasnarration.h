#pragma once

#include "assistive/accessibility.h"
#include "explanations/working.h"
#include "presentation/construction.h"

#include <QString>

// The canvas's description for a user who cannot see it: the construction
// the canvas paints, told shape by shape, and what the last Calculate found
// that is not drawn. The words are put together only when an assistive
// client asks for them.
class CanvasNarration final : public PictureDescription
{
public:
    // The canvas as it is now.
    void show(const Construction &construction);
    // Why the last Calculate drew no crossing, if it did not; told until the
    // next Calculate or blank.
    void setFinding(const Working &finding);

    QString text() const;
    QString pictureDescription() const override { return text(); }

private:
    Construction m_construction;
    Working m_finding;
};
