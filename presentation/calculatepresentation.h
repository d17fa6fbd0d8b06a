#pragma once

#include "explanations/calculationexplanation.h"
#include "geometry/calculation.h"
#include "presentation/construction.h"

#include <QString>

#include <memory>
#include <optional>

// What one Calculate shows, worked out once from its Calculation: the texts
// of the result fields, the shapes it draws, each field's working and, where
// no point is drawn, why. The workings are made the first time a view asks
// for them (a tooltip, assistive technology, an export), so that Calculate
// itself stays cheap.
class CalculatePresentation
{
public:
    explicit CalculatePresentation(std::shared_ptr<const Calculation> calculation);

    const Calculation &calculation() const { return *m_calculation; }
    QString fieldText(ResultName name) const;
    // Empty where the lines have no point to show.
    QString fieldText(CrossingCoordinate which) const;
    const QList<ConstructionItem> &shapes() const { return m_shapes; }

    // The workings of every result and of the crossing, without the inputs,
    // which their views explain as they are now.
    const CalculationExplanation &workings() const;
    // Why no point is drawn: the last statement of Xt's working; nothing
    // where a point is drawn.
    Working finding() const;

private:
    std::shared_ptr<const Calculation> m_calculation;
    QList<ConstructionItem> m_shapes;
    mutable std::optional<CalculationExplanation> m_workings;
};
