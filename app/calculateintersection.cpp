#include "app/vertisel.h"

#include "app/fieldtable.h"
#include "app/windowcontrols.h"
#include "assistive/canvasnarration.h"
#include "assistive/fieldexplanations.h"
#include "canvas/drawingcanvas.h"
#include "presentation/calculatepresentation.h"
#include "presentation/narration.h"

#include <memory>

// The eight inputs are read once, and everything shown is rendered from
// what was worked out of them: the fields' texts, the shapes drawn, the
// fields' workings and what the narration tells.
void Vertisel::CalculateIntersection()
{
    PerInput<QString> texts;
    for (const InputName name : kEveryInput)
        texts[name] = readField(FieldTable::field(name));
    const auto shown =
        std::make_shared<const CalculatePresentation>(std::make_shared<const Calculation>(texts));

    for (const ResultName name : kEveryResult)
        writeField(FieldTable::field(name), shown->fieldText(name));
    m_explanations->setCalculation(shown);
    for (const auto which : { CrossingCoordinate::X, CrossingCoordinate::Y })
        writeField(FieldTable::field(which), shown->fieldText(which));
    if (const auto point = shown->calculation().point()) {
        m_state.StoredXt = point->x;
        m_state.StoredYt = point->y;
    }

    for (const ConstructionItem &shape : shown->shapes())
        m_construction->add(shape);
    const Working finding = shown->finding();
    m_narration->setFinding(finding);
    showConstruction(
        spokenText(finding.isEmpty() ? describeShape(shown->shapes().back()) : finding));
}
