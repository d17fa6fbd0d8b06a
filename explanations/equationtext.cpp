#include "explanations/equationtext.h"

#include "explanations/numbertext.h"

#include <span>
#include <utility>

namespace {

// Terms joined as a student writes them; nothing when all are zero or one
// cannot be written.
std::optional<QString> sumText(std::span<const std::pair<ExactNumber, const char *>> terms)
{
    QString out;
    for (const auto &[value, letter] : terms) {
        if (value == 0)
            continue;
        const auto magnitude = exactText(abs(value));
        if (!magnitude)
            return std::nullopt;
        QString term = *magnitude;
        if (*letter) {
            if (term == u"1")
                term.clear();
            else if (term.contains(u'/'))
                term = u'(' + term + u')';
            term += QLatin1String(letter);
        }
        if (out.isEmpty())
            out = value < 0 ? u'\u2212' + term : term;
        else
            out += (value < 0 ? QStringLiteral(" − ") : QStringLiteral(" + ")) + term;
    }
    return out.isEmpty() ? std::nullopt : std::optional(out);
}

} // namespace

std::optional<QString> generalEquationText(
    const ExactNumber &A, const ExactNumber &B, const ExactNumber &C)
{
    const std::pair<ExactNumber, const char *> terms[] = { { A, "x" }, { B, "y" }, { C, "" } };
    const auto sum = sumText(terms);
    return sum ? std::optional(*sum + QStringLiteral(" = 0")) : std::nullopt;
}

std::optional<QString> slopeInterceptText(const ExactNumber &k, const ExactNumber &b)
{
    if (k == 0 && b == 0)
        return QStringLiteral("y = 0");
    const std::pair<ExactNumber, const char *> terms[] = { { k, "x" }, { b, "" } };
    const auto sum = sumText(terms);
    return sum ? std::optional(QStringLiteral("y = ") + *sum) : std::nullopt;
}
