#include "solution/workingmarkup.h"

#include <QStringList>

namespace {

enum class Markup { MathMl, Tex, Rich };
using Kind = WorkingPart::Kind;
using Operator = WorkingPart::Operator;

bool isFormula(const WorkingPart &part)
{
    switch (part.kind) {
    case Kind::Name:
    case Kind::Number:
    case Kind::Operator:
    case Kind::Relation:
    case Kind::Group:
        return true;
    default:
        return false;
    }
}

bool isAtom(const WorkingPart &part)
{
    return part.kind == Kind::Name || part.kind == Kind::Number || part.kind == Kind::Group;
}

bool bindsTighter(const WorkingPart &part)
{
    return part.kind == Kind::Operator
        && (part.op == Operator::Times || part.op == Operator::Juxtapose
            || part.op == Operator::Divide);
}

// A number as the tooltip writes it, its sign and an approximation mark apart.
struct NumberText
{
    bool approximate = false;
    bool negative = false;
    QString digits;
};

NumberText numberText(const WorkingNumber &number)
{
    NumberText out;
    out.digits = writtenText({ working::number(number) });
    if (out.digits.startsWith(u'≈')) {
        out.approximate = true;
        out.digits = out.digits.sliced(1).trimmed();
    }
    if (out.digits.startsWith(u'−') || out.digits.startsWith(u'-')) {
        out.negative = true;
        out.digits = out.digits.sliced(1);
    }
    return out;
}

// The whole number N as the tooltips write it, for a fraction's parts.
QString wholeText(qint64 value)
{
    WorkingNumber whole;
    whole.form = WorkingNumber::Form::Fraction;
    whole.numerator = value;
    whole.value = double(value);
    return writtenText({ working::number(whole) });
}

QString escapedHtml(const QString &text)
{
    return text.toHtmlEscaped();
}

// A number's text in TeX's mathematics: the decimal comma as an ordinary
// character, grouping spaces thin.
QString texDigits(const QString &digits)
{
    QString out;
    for (const QChar c : digits) {
        if (c == u',')
            out += QStringLiteral("{,}");
        else if (c == u' ' || c == QChar(0x00A0) || c == QChar(0x202F) || c == QChar(0x2009))
            out += QStringLiteral("\\,");
        else if (c == u'∞')
            out += QStringLiteral("\\infty ");
        else if (c == u'−')
            out += u'-';
        else if (c == u'\'' || c == QChar(0x2019))
            out += QStringLiteral("\\mathrm{'}");
        else if (c.unicode() < 0x80 && c.isPrint() && !QStringLiteral("#$%&_{}~^\\").contains(c))
            out += c;
        else
            out += u'?';
    }
    return out;
}

class Writer
{
public:
    explicit Writer(Markup markup)
        : m_markup(markup)
    {
    }

    QString statement(const Working &parts)
    {
        QStringList pieces; // joined by spaces
        bool glued = false; // the next piece follows the last without a space
        const auto add = [&](const QString &piece) {
            if (glued && !pieces.isEmpty())
                pieces.last() += piece;
            else
                pieces.append(piece);
            glued = false;
        };
        for (qsizetype i = 0; i < parts.size();) {
            const WorkingPart &part = parts[i];
            if (isFormula(part)) {
                qsizetype end = i;
                while (end < parts.size() && isFormula(parts[end]))
                    ++end;
                add(formula(parts.mid(i, end - i)));
                i = end;
                continue;
            }
            switch (part.kind) {
            case Kind::Words:
                add(text(part.text));
                break;
            case Kind::Typed:
                add(text(QStringLiteral("„") + part.text + QStringLiteral("“")));
                break;
            case Kind::Aside:
                add(text(QStringLiteral("(")));
                glued = true;
                add(statement(part.children));
                glued = true;
                add(text(QStringLiteral(")")));
                break;
            case Kind::ClauseEnd:
                glued = true;
                add(text(QString(part.mark)));
                break;
            default:
                break;
            }
            ++i;
        }
        return pieces.join(u' ');
    }

private:
    QString text(const QString &words) const
    {
        return m_markup == Markup::Tex ? texEscaped(words) : escapedHtml(words);
    }

    QString formula(const Working &parts)
    {
        const QString inside = terms(parts);
        switch (m_markup) {
        case Markup::MathMl:
            return QStringLiteral("<math xmlns=\"http://www.w3.org/1998/Math/MathML\">") + inside
                + QStringLiteral("</math>");
        case Markup::Tex:
            return u'$' + inside + u'$';
        case Markup::Rich:
            break;
        }
        return inside;
    }

    // A division of two terms stands as a fraction where nothing around it
    // binds tighter.
    QString terms(const Working &parts)
    {
        QString out;
        for (qsizetype i = 0; i < parts.size(); ++i) {
            const bool fraction = m_markup != Markup::Rich && i + 2 < parts.size()
                && isAtom(parts[i]) && parts[i + 1].kind == Kind::Operator
                && parts[i + 1].op == Operator::Divide && isAtom(parts[i + 2])
                && (i == 0 || !bindsTighter(parts[i - 1]))
                && (i + 3 >= parts.size() || !bindsTighter(parts[i + 3]));
            if (fraction) {
                out += stacked(unbracketed(parts[i]), unbracketed(parts[i + 2]));
                i += 2;
            } else {
                out += term(parts[i]);
            }
        }
        return out;
    }

    QString unbracketed(const WorkingPart &part)
    {
        return part.kind == Kind::Group ? terms(part.children) : term(part);
    }

    QString stacked(const QString &over, const QString &under) const
    {
        if (m_markup == Markup::Tex)
            return QStringLiteral("\\frac{%1}{%2}").arg(over, under);
        return QStringLiteral("<mfrac><mrow>%1</mrow><mrow>%2</mrow></mfrac>").arg(over, under);
    }

    QString symbol(const QString &mathMl, const QString &tex, const QString &rich) const
    {
        switch (m_markup) {
        case Markup::MathMl:
            return QStringLiteral("<mo>%1</mo>").arg(mathMl);
        case Markup::Tex:
            return tex;
        case Markup::Rich:
            break;
        }
        return rich;
    }

    // A sign before a term, set close to it.
    QString sign() const
    {
        if (m_markup == Markup::MathMl)
            return QStringLiteral("<mo form=\"prefix\">−</mo>");
        return symbol(QString(), QStringLiteral("-"), QStringLiteral("−"));
    }

    QString digits(const QString &text) const
    {
        switch (m_markup) {
        case Markup::MathMl:
            return QStringLiteral("<mn>%1</mn>").arg(escapedHtml(text));
        case Markup::Tex:
            return texDigits(text);
        case Markup::Rich:
            break;
        }
        return escapedHtml(text);
    }

    QString number(const WorkingNumber &value)
    {
        QString out;
        if (value.form == WorkingNumber::Form::Fraction && value.denominator != 1) {
            if (value.approximate)
                out +=
                    symbol(QStringLiteral("≈"), QStringLiteral("\\approx "), QStringLiteral("≈"));
            if (value.numerator < 0)
                out += sign();
            const QString over =
                digits(wholeText(value.numerator < 0 ? -value.numerator : value.numerator));
            const QString under = digits(wholeText(value.denominator));
            return out + (m_markup == Markup::Rich ? over + u'/' + under : stacked(over, under));
        }
        const NumberText text = numberText(value);
        if (text.approximate)
            out += symbol(QStringLiteral("≈"), QStringLiteral("\\approx "), QStringLiteral("≈"));
        if (text.negative)
            out += sign();
        return out + digits(text.digits);
    }

    QString name(const WorkingPart &part) const
    {
        const QString letter = escapedHtml(part.text);
        const QString index = escapedHtml(part.index);
        switch (m_markup) {
        case Markup::MathMl: {
            const QString mi = QStringLiteral("<mi>%1</mi>").arg(letter);
            if (index.isEmpty())
                return mi;
            bool numeric = false;
            index.toInt(&numeric);
            return QStringLiteral("<msub>%1<%2>%3</%2></msub>")
                .arg(mi, numeric ? QStringLiteral("mn") : QStringLiteral("mi"), index);
        }
        case Markup::Tex:
            return index.isEmpty() ? part.text
                                   : QStringLiteral("%1_{%2}").arg(part.text, part.index);
        case Markup::Rich:
            break;
        }
        return QStringLiteral("<i>%1</i>").arg(letter)
            + (index.isEmpty() ? QString() : QStringLiteral("<sub>%1</sub>").arg(index));
    }

    QString term(const WorkingPart &part)
    {
        switch (part.kind) {
        case Kind::Name:
            return name(part);
        case Kind::Number:
            return number(part.number);
        case Kind::Operator:
            switch (part.op) {
            case Operator::Times:
                return symbol(QStringLiteral("·"), QStringLiteral("\\cdot "), QStringLiteral("·"));
            case Operator::Plus:
                return symbol(QStringLiteral("+"), QStringLiteral("+"), QStringLiteral(" + "));
            case Operator::Minus:
                return symbol(QStringLiteral("−"), QStringLiteral("-"), QStringLiteral(" − "));
            case Operator::Negate:
                return sign();
            case Operator::Divide:
                return symbol(QStringLiteral("/"), QStringLiteral("/"), QStringLiteral(" / "));
            case Operator::Juxtapose:
                return symbol(QStringLiteral("&#x2062;"), QString(), QString());
            }
            break;
        case Kind::Relation:
            switch (part.relation) {
            case WorkingPart::Relation::Equals:
                return symbol(QStringLiteral("="), QStringLiteral("="), QStringLiteral(" = "));
            case WorkingPart::Relation::Approximately:
                return symbol(
                    QStringLiteral("≈"), QStringLiteral("\\approx "), QStringLiteral(" ≈ "));
            case WorkingPart::Relation::NotEquals:
                return symbol(QStringLiteral("≠"), QStringLiteral("\\neq "), QStringLiteral(" ≠ "));
            }
            break;
        case Kind::Group: {
            const QString inside = terms(part.children);
            switch (m_markup) {
            case Markup::MathMl:
                return QStringLiteral("<mrow><mo stretchy=\"false\">(</mo>%1<mo "
                                      "stretchy=\"false\">)</mo></mrow>")
                    .arg(inside);
            case Markup::Tex:
                return QStringLiteral("\\left(%1\\right)").arg(inside);
            case Markup::Rich:
                return u'(' + inside + u')';
            }
            break;
        }
        case Kind::ClauseEnd:
            if (m_markup == Markup::MathMl)
                return QStringLiteral("<mo separator=\"true\" lspace=\"0\">%1</mo>").arg(part.mark);
            return symbol(
                QString(), QString(part.mark) + QStringLiteral("\\;"), QString(part.mark) + u' ');
        case Kind::Words:
        case Kind::Typed:
        case Kind::Aside:
            switch (m_markup) {
            case Markup::MathMl:
                return QStringLiteral("<mtext>%1</mtext>").arg(escapedHtml(statement({ part })));
            case Markup::Tex:
                return QStringLiteral("\\text{%1}").arg(statement({ part }));
            case Markup::Rich:
                return u' ' + statement({ part }) + u' ';
            }
            break;
        case Kind::LineEnd:
            break;
        }
        return QString();
    }

    Markup m_markup;
};

} // namespace

QString mathMlStatement(const Working &statement)
{
    return Writer(Markup::MathMl).statement(statement);
}

QString texStatement(const Working &statement)
{
    return Writer(Markup::Tex).statement(statement);
}

QString richTextStatement(const Working &statement)
{
    return Writer(Markup::Rich).statement(statement);
}

QString texEscaped(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        switch (c.unicode()) {
        case u'\\':
            out += QStringLiteral("\\textbackslash{}");
            continue;
        case u'{':
        case u'}':
        case u'#':
        case u'$':
        case u'%':
        case u'&':
        case u'_':
            out += u'\\';
            out += c;
            continue;
        case u'~':
            out += QStringLiteral("\\textasciitilde{}");
            continue;
        case u'^':
            out += QStringLiteral("\\textasciicircum{}");
            continue;
        case u'<':
            out += QStringLiteral("\\textless{}");
            continue;
        case u'>':
            out += QStringLiteral("\\textgreater{}");
            continue;
        case u'|':
            out += QStringLiteral("\\textbar{}");
            continue;
        case u'"':
            out += QStringLiteral("\\textquotedbl{}");
            continue;
        case u'−':
            out += QStringLiteral("\\textminus{}");
            continue;
        case u'·':
            out += QStringLiteral("\\textperiodcentered{}");
            continue;
        case u'≈':
            out += QStringLiteral("$\\approx$");
            continue;
        case u'≠':
            out += QStringLiteral("$\\neq$");
            continue;
        case u'∞':
            out += QStringLiteral("$\\infty$");
            continue;
        case u'…':
            out += QStringLiteral("\\dots{}");
            continue;
        case 0x00A0:
        case 0x202F:
            out += u'~';
            continue;
        case u'„':
        case u'“':
        case u'”':
        case u'–':
        case u'—':
        case u'«':
        case u'»':
            out += c;
            continue;
        default:
            break;
        }
        // Printable ASCII and the Cyrillic letters T2A has; nothing else.
        const char16_t u = c.unicode();
        if ((u >= 0x20 && u < 0x7F) || (u >= 0x0410 && u <= 0x044F) || u == 0x0401 || u == 0x0451
            || u == 0x0406 || u == 0x0456)
            out += c;
        else if (u == u'\t' || u == u'\n')
            out += u' ';
        else if (!c.isLowSurrogate())
            out += u'?';
    }
    return out;
}
