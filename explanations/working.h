#pragma once

#include <QList>
#include <QString>

// The working of a field as structure rather than text: names, numbers as
// values, operators, relations, groups, words and a typed text, in the order
// a student reads them. Every view renders it its own way (the tooltip in
// the regional number format, speech as a Bulgarian voice reads it, MathML,
// TeX) and none reads a number back from a text.

// A number of the working: its value and the form it is shown in.
struct WorkingNumber
{
    enum class Form {
        Shortest, // the double in its shortest exact form: "2,790", "0.1", "1e+300", "∞"
        Fraction, // numerator/denominator, reduced; a whole number alone
        Result, // as a result field shows it: four decimals
        Coordinate, // a clicked canvas coordinate as its field shows it
    };
    Form form = Form::Shortest;
    double value = 0.0; // every form; a fraction's value rounded
    qint64 numerator = 0; // Fraction, with the sign
    qint64 denominator = 1; // Fraction, positive
    bool approximate = false; // only approximately this number: "≈2.5"

    bool isNegative() const { return form == Form::Fraction ? numerator < 0 : value < 0; }
    bool isWhole() const
    {
        return form == Form::Fraction ? denominator == 1 : value == qint64(value);
    }
    bool operator==(const WorkingNumber &) const = default;
};

struct WorkingPart
{
    enum class Kind {
        Words, // Bulgarian words, without the punctuation that ends a clause
        Name, // a quantity: letter and index, "A" "1", "X" "t"; "x", "y" alone in an equation
        Number,
        Operator,
        Relation,
        Group, // brackets around terms, or around a negative or fractional operand
        Aside, // words in brackets: "(извън обхвата на числата)"
        Typed, // a field's own text, quoted „…“ when written, as typed when spoken
        ClauseEnd, // ":", ";" or ",": a pause when spoken
        LineEnd, // a new line when written, a full stop when spoken
    };
    enum class Operator {
        Times, // "·"
        Plus,
        Minus,
        Negate, // a sign before a term: "−C1·B2"
        Divide, // " / " between terms
        Juxtapose, // a coefficient before its letter: "2x"
    };
    enum class Relation { Equals, Approximately, NotEquals };

    Kind kind = Kind::Words;
    QString text; // Words, Typed; a Name's letter
    QString index; // Name
    WorkingNumber number; // Number
    Operator op = Operator::Times;
    Relation relation = Relation::Equals;
    QChar mark; // ClauseEnd
    QList<WorkingPart> children; // Group, Aside

    bool operator==(const WorkingPart &) const = default;
};

using Working = QList<WorkingPart>;

// Builds a working part by part: `w << words(u"Права 1") << clause(u':')`.
namespace working {

WorkingPart words(const QString &text);
WorkingPart name(const QString &letter, const QString &index = QString());
WorkingPart number(const WorkingNumber &value);
WorkingPart op(WorkingPart::Operator which);
WorkingPart relation(WorkingPart::Relation which);
WorkingPart group(const Working &inside);
WorkingPart aside(const Working &inside);
WorkingPart typed(const QString &text);
WorkingPart clause(QChar mark);
WorkingPart lineEnd();

// Numbers of each form.
WorkingNumber shortest(double value);
WorkingNumber result(double value);
WorkingNumber coordinate(double value);

} // namespace working

// The working as the tooltip shows it: the symbols, the numbers in the
// default locale's format, each statement on its own line.
QString writtenText(const Working &working);

// The working as a teacher reads it aloud, for a Bulgarian voice: every
// number in digits with a decimal comma and no grouping, "минус" for a sign,
// results without zeros that say nothing, powers of ten in words; names with
// Bulgarian letter names; operators and relations in words; no punctuation
// a screen reader would speak; each statement ending in a full stop.
QString spokenText(const Working &working);

// A number as the voice reads it, alone.
QString spokenNumber(const WorkingNumber &number);
