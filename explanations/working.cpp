#include "explanations/working.h"

#include "explanations/numbertext.h"
#include "geometry/numberformat.h"

namespace working {

WorkingPart words(const QString &text)
{
    WorkingPart part;
    part.kind = WorkingPart::Kind::Words;
    part.text = text;
    return part;
}

WorkingPart name(const QString &letter, const QString &index)
{
    WorkingPart part;
    part.kind = WorkingPart::Kind::Name;
    part.text = letter;
    part.index = index;
    return part;
}

WorkingPart number(const WorkingNumber &value)
{
    WorkingPart part;
    part.kind = WorkingPart::Kind::Number;
    part.number = value;
    return part;
}

WorkingPart op(WorkingPart::Operator which)
{
    WorkingPart part;
    part.kind = WorkingPart::Kind::Operator;
    part.op = which;
    return part;
}

WorkingPart relation(WorkingPart::Relation which)
{
    WorkingPart part;
    part.kind = WorkingPart::Kind::Relation;
    part.relation = which;
    return part;
}

WorkingPart group(const Working &inside)
{
    WorkingPart part;
    part.kind = WorkingPart::Kind::Group;
    part.children = inside;
    return part;
}

WorkingPart aside(const Working &inside)
{
    WorkingPart part;
    part.kind = WorkingPart::Kind::Aside;
    part.children = inside;
    return part;
}

WorkingPart typed(const QString &text)
{
    WorkingPart part;
    part.kind = WorkingPart::Kind::Typed;
    part.text = text;
    return part;
}

WorkingPart clause(QChar mark)
{
    WorkingPart part;
    part.kind = WorkingPart::Kind::ClauseEnd;
    part.mark = mark;
    return part;
}

WorkingPart lineEnd()
{
    WorkingPart part;
    part.kind = WorkingPart::Kind::LineEnd;
    return part;
}

WorkingNumber shortest(double value)
{
    WorkingNumber number;
    number.form = WorkingNumber::Form::Shortest;
    number.value = value;
    return number;
}

WorkingNumber result(double value)
{
    WorkingNumber number;
    number.form = WorkingNumber::Form::Result;
    number.value = value;
    return number;
}

WorkingNumber coordinate(double value)
{
    WorkingNumber number;
    number.form = WorkingNumber::Form::Coordinate;
    number.value = value;
    return number;
}

} // namespace working
