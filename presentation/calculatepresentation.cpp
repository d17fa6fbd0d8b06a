#include "presentation/calculatepresentation.h"

#include "explanations/crossingexplanation.h"
#include "geometry/numberformat.h"
#include "presentation/narration.h"

CalculatePresentation::CalculatePresentation(std::shared_ptr<const Calculation> calculation)
    : m_calculation(std::move(calculation))
    , m_shapes(calculationShapes(*m_calculation))
{
}

QString CalculatePresentation::fieldText(ResultName name) const
{
    return FormatResult(m_calculation->result(name));
}

QString CalculatePresentation::fieldText(CrossingCoordinate which) const
{
    const auto point = m_calculation->point();
    if (!point)
        return QString();
    return FormatResult(which == CrossingCoordinate::X ? point->x : point->y);
}

const CalculationExplanation &CalculatePresentation::workings() const
{
    if (!m_workings)
        m_workings = explainResults(m_calculation.get());
    return *m_workings;
}

Working CalculatePresentation::finding() const
{
    if (m_calculation->point())
        return {};
    return noCrossingFinding(whyNoPoint(workings().crossing));
}
