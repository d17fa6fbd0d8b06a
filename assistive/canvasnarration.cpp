#include "assistive/canvasnarration.h"

#include "presentation/narration.h"

void CanvasNarration::show(const Construction &construction)
{
    m_construction = construction;
}

void CanvasNarration::setFinding(const Working &finding)
{
    m_finding = finding;
}

QString CanvasNarration::text() const
{
    return spokenText(describeConstruction(m_construction, m_finding));
}
