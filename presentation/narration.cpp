#include "presentation/narration.h"

namespace {

using namespace working;
using Kind = ConstructionItem::Kind;

// Repeated Calculates draw over each other: the text keeps only the newest part.
constexpr qsizetype kMostShapesTold = 23;

// "X = 1245, Y = 600", in the form the fields show.
Working coordinates(const WorkingNumber &x, const WorkingNumber &y)
{
    const WorkingPart equals = relation(WorkingPart::Relation::Equals);
    return { name(QStringLiteral("X")), equals, number(x), clause(u','), name(QStringLiteral("Y")),
        equals, number(y) };
}

} // namespace

Working describeShape(const ConstructionItem &item)
{
    switch (item.kind) {
    case Kind::Point:
        return Working {
            words(QStringLiteral("Точка %1 на права %2").arg(item.point + 1).arg(item.line + 1)),
            clause(u':')
        }
        + coordinates(coordinate(item.x1), coordinate(item.y1)) + Working { lineEnd() };
    case Kind::Dot:
        return Working { words(QStringLiteral("Точка без запис")), clause(u':') }
        + coordinates(coordinate(item.x1), coordinate(item.y1)) + Working { lineEnd() };
    case Kind::Segment:
        return { words(QStringLiteral("Отсечка на права %1 от").arg(item.line + 1)),
            group({ number(shortest(item.x1)), clause(u';'), number(shortest(item.y1)) }),
            words(QStringLiteral("до")),
            group({ number(shortest(item.x2)), clause(u';'), number(shortest(item.y2)) }),
            lineEnd() };
    case Kind::Ring:
        return Working { words(QStringLiteral("Правите се пресичат в точката")), clause(u':') }
        + coordinates(result(item.x1), result(item.y1))
            + Working { clause(u';'),
                  words(QStringLiteral("пунктир води от първата точка на всяка права до нея, "
                                       "кръгче я отбелязва")),
                  lineEnd() };
    case Kind::Extension:
        break;
    }
    return {};
}

Working describeBackground(Construction::Background background)
{
    if (background == Construction::Background::Photo)
        return { words(QStringLiteral("Начална снимка")), clause(u';'),
            words(QStringLiteral("първото натискане я изчиства")), lineEnd() };
    return { words(QStringLiteral("Чертежът е празен")), lineEnd() };
}

Working noCrossingFinding(const Working &reason)
{
    return Working { words(QStringLiteral("Правите нямат една пресечна точка")), lineEnd() }
    + reason + Working { lineEnd() };
}

Working describeConstruction(const Construction &construction, const Working &finding)
{
    Working out;
    // On the blank canvas, what is drawn is all there is to tell.
    if (construction.background() == Construction::Background::Photo
        || (construction.isEmpty() && finding.isEmpty()))
        out += describeBackground(construction.background());
    const QList<ConstructionItem> &items = construction.items();
    qsizetype told = 0;
    qsizetype first = items.size();
    while (first > 0 && told < kMostShapesTold)
        if (items[--first].kind != Kind::Extension)
            ++told;
    for (qsizetype i = first; i < items.size(); ++i)
        out += describeShape(items[i]);
    out += finding;
    out += Working { words(QStringLiteral("От клавиатурата")), clause(u':'),
        words(QStringLiteral("стрелките местят курсора с 1 точка, Shift и стрелка с 10, Интервал "
                             "или Enter поставя точка там")),
        lineEnd() };
    return out;
}

Working describeCursor(QPoint twips)
{
    return Working { words(QStringLiteral("Курсор")), clause(u':') }
    + coordinates(coordinate(twips.x()), coordinate(twips.y())) + Working { lineEnd() };
}
