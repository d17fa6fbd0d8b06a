// Stands in for the working's builders and its written text until the
// explanations room provides them; removed when it does.
#include "explanations/working.h"

#include "geometry/numberformat.h"

namespace working {

WorkingPart words(const QString &text)
{
    WorkingPart part;
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
    WorkingNumber n;
    n.value = value;
    return n;
}

WorkingNumber result(double value)
{
    WorkingNumber n;
    n.form = WorkingNumber::Form::Result;
    n.value = value;
    return n;
}

WorkingNumber coordinate(double value)
{
    WorkingNumber n;
    n.form = WorkingNumber::Form::Coordinate;
    n.value = value;
    return n;
}

} // namespace working

namespace {

QString numberText(const WorkingNumber &n)
{
    QString text;
    switch (n.form) {
    case WorkingNumber::Form::Shortest:
        text = ::numberText(n.value);
        break;
    case WorkingNumber::Form::Fraction:
        text = QString::number(n.numerator)
            + (n.denominator == 1 ? QString() : u'/' + QString::number(n.denominator));
        break;
    case WorkingNumber::Form::Result:
        text = FormatResult(n.value);
        break;
    case WorkingNumber::Form::Coordinate:
        text = CoordinateText(float(n.value));
        break;
    }
    text.replace(u'-', u'−');
    return n.approximate ? u'≈' + text : text;
}

QString partsText(const Working &working)
{
    QString out;
    for (const WorkingPart &part : working) {
        using Kind = WorkingPart::Kind;
        const bool spaced = !out.isEmpty() && !out.endsWith(u'\n') && !out.endsWith(u'(');
        switch (part.kind) {
        case Kind::Words:
            out += (spaced ? QStringLiteral(" ") : QString()) + part.text;
            break;
        case Kind::Name:
            out += (spaced && !out.endsWith(u"−") && !out.endsWith(u"·") ? QStringLiteral(" ")
                                                                         : QString())
                + part.text + part.index;
            break;
        case Kind::Number:
            out += (spaced && !out.endsWith(u"−") && !out.endsWith(u"·") ? QStringLiteral(" ")
                                                                         : QString())
                + numberText(part.number);
            break;
        case Kind::Operator: {
            static const char16_t *const kOps[] = { u"·", u" +", u" −", u" −", u" /", u"" };
            out += QString::fromUtf16(kOps[int(part.op)]);
            break;
        }
        case Kind::Relation: {
            static const char16_t *const kRelations[] = { u" =", u" ≈", u" ≠" };
            out += QString::fromUtf16(kRelations[int(part.relation)]);
            break;
        }
        case Kind::Group:
            out += (spaced ? QStringLiteral(" (") : QStringLiteral("(")) + partsText(part.children)
                + u')';
            break;
        case Kind::Aside:
            out += QStringLiteral(" (") + partsText(part.children) + u')';
            break;
        case Kind::Typed:
            out += QStringLiteral(" „") + part.text + QStringLiteral("“");
            break;
        case Kind::ClauseEnd:
            out += part.mark;
            break;
        case Kind::LineEnd:
            out += u'\n';
            break;
        }
    }
    return out;
}

} // namespace

QString writtenText(const Working &working)
{
    return partsText(working).trimmed();
}
