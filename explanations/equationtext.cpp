#include "explanations/equationtext.h"

#include "explanations/numbertext.h"

#include <span>
#include <utility>

namespace {

using namespace working;
using Operator = WorkingPart::Operator;

// Terms joined as a student writes them; nothing when all are zero or one
// cannot be written.
std::optional<Working> sum(std::span<const std::pair<ExactNumber, const char *>> terms)
{
    Working out;
    for (const auto &[value, letter] : terms) {
        if (value == 0)
            continue;
        const auto magnitude = exactNumber(abs(value));
        if (!magnitude)
            return std::nullopt;
        if (!out.isEmpty())
            out << op(value < 0 ? Operator::Minus : Operator::Plus);
        else if (value < 0)
            out << op(Operator::Negate);
        const bool one = magnitude->form == WorkingNumber::Form::Shortest && magnitude->value == 1;
        if (!*letter) {
            out << number(*magnitude);
            continue;
        }
        if (!one) {
            const bool fraction =
                magnitude->form == WorkingNumber::Form::Fraction && magnitude->denominator != 1;
            out << (fraction ? group({ number(*magnitude) }) : number(*magnitude))
                << op(Operator::Juxtapose);
        }
        out << name(QString::fromLatin1(letter));
    }
    return out.isEmpty() ? std::nullopt : std::optional(out);
}

} // namespace

std::optional<Working> generalEquation(
    const ExactNumber &A, const ExactNumber &B, const ExactNumber &C)
{
    const std::pair<ExactNumber, const char *> terms[] = { { A, "x" }, { B, "y" }, { C, "" } };
    auto equation = sum(terms);
    if (equation)
        *equation << relation(WorkingPart::Relation::Equals) << number(shortest(0.0));
    return equation;
}

std::optional<Working> slopeIntercept(const ExactNumber &k, const ExactNumber &b)
{
    const Working y { name(QStringLiteral("y")), relation(WorkingPart::Relation::Equals) };
    if (k == 0 && b == 0)
        return y + Working { number(shortest(0.0)) };
    const std::pair<ExactNumber, const char *> terms[] = { { k, "x" }, { b, "" } };
    const auto terms_ = sum(terms);
    return terms_ ? std::optional(y + *terms_) : std::nullopt;
}
