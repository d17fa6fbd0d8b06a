#include "explanations/numbertext.h"
#include "explanations/working.h"
#include "geometry/numberformat.h"

namespace {

using Kind = WorkingPart::Kind;
using Operator = WorkingPart::Operator;

QString writtenNumber(const WorkingNumber &number)
{
    QString text;
    switch (number.form) {
    case WorkingNumber::Form::Shortest:
        text = computedNumber(number.value);
        break;
    case WorkingNumber::Form::Fraction:
        text = (number.numerator < 0 ? QStringLiteral("−") : QString())
            + QString::number(qAbs(number.numerator));
        if (number.denominator != 1)
            text += u'/' + QString::number(number.denominator);
        break;
    case WorkingNumber::Form::Result:
        text = withMinusSign(FormatResult(number.value));
        break;
    case WorkingNumber::Form::Coordinate:
        text = CoordinateText(float(number.value));
        break;
    }
    return number.approximate ? QStringLiteral("≈") + text : text;
}

QString writtenOperator(Operator which)
{
    switch (which) {
    case Operator::Times:
        return QStringLiteral("·");
    case Operator::Plus:
        return QStringLiteral("+");
    case Operator::Minus:
    case Operator::Negate:
        return QStringLiteral("−");
    case Operator::Divide:
        return QStringLiteral("/");
    case Operator::Juxtapose:
        break;
    }
    return QString();
}

QString writtenPart(const WorkingPart &part)
{
    switch (part.kind) {
    case Kind::Words:
        return part.text;
    case Kind::Name:
        return part.text + part.index;
    case Kind::Number:
        return writtenNumber(part.number);
    case Kind::Operator:
        return writtenOperator(part.op);
    case Kind::Relation:
        switch (part.relation) {
        case WorkingPart::Relation::Equals:
            return QStringLiteral("=");
        case WorkingPart::Relation::Approximately:
            return QStringLiteral("≈");
        case WorkingPart::Relation::NotEquals:
            return QStringLiteral("≠");
        }
        break;
    case Kind::Group:
    case Kind::Aside:
        return u'(' + writtenText(part.children) + u')';
    case Kind::Typed:
        return QStringLiteral("„") + part.text + QStringLiteral("“");
    case Kind::ClauseEnd:
        return part.mark;
    case Kind::LineEnd:
        return QStringLiteral("\n");
    }
    return QString();
}

bool binds(const WorkingPart &part)
{
    return part.kind == Kind::Operator
        && (part.op == Operator::Times || part.op == Operator::Juxtapose);
}

// Parts are set apart by a space, except at a line's start, before a
// clause's or line's end, around a product and after a sign.
bool spaceBetween(const WorkingPart &before, const WorkingPart &part)
{
    if (before.kind == Kind::LineEnd || part.kind == Kind::ClauseEnd || part.kind == Kind::LineEnd)
        return false;
    if (binds(before) || binds(part))
        return false;
    return !(before.kind == Kind::Operator && before.op == Operator::Negate);
}

} // namespace

QString writtenText(const Working &working)
{
    QString out;
    for (qsizetype i = 0; i < working.size(); ++i) {
        if (i > 0 && spaceBetween(working[i - 1], working[i]))
            out += u' ';
        out += writtenPart(working[i]);
    }
    return out;
}
