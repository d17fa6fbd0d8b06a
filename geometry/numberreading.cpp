#include "geometry/numberreading.h"

#include <cmath>
#include <locale.h>
#include <stdlib.h>

namespace {

// The digits after "&H" or "&O" as a non-negative integer. Beyond the double
// range the sum becomes +infinity, never a wrapped-around value.
double radixValue(const std::string &digits, int radix)
{
    double value = 0.0;
    for (const char c : digits) {
        const int digit = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
        value = value * radix + digit;
    }
    return value;
}

// Converts a plain ASCII decimal number with a period as separator. The C
// locale is pinned so that the process locale cannot change the separator.
#ifdef _WIN32
const _locale_t cNumericLocale = _create_locale(LC_NUMERIC, "C");
double convertDecimal(const std::string &number)
{
    return _strtod_l(number.c_str(), nullptr, cNumericLocale);
}
#else
const locale_t cNumericLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
double convertDecimal(const std::string &number)
{
    return strtod_l(number.c_str(), nullptr, cNumericLocale);
}
#endif

double numberOf(const LeadingNumber &number)
{
    if (number.smallInteger)
        return *number.smallInteger;
    if (number.radix != 10)
        return radixValue(number.spelling, number.radix);
    return number.spelling.empty() ? 0.0 : convertDecimal(number.spelling);
}

// The text is one number and nothing else, apart from white space at either
// end: a number too small for any double is not one, and a text that starts
// with white space the rule does not drop is one only where its number is 0,
// which is what the rule reads there.
bool isWholeText(const LeadingNumber &number, double value)
{
    if (!number.onlySpaceFollows)
        return false;
    if (!number.spelling.empty())
        return !(value == 0.0 && hasNonZeroDigit(number.spelling));
    return !number.afterLeadingSpace.empty() && !hasNonZeroDigit(number.afterLeadingSpace);
}

ReadingNote noteOf(const QString &text, const LeadingNumber &number, double value)
{
    if (text.isEmpty())
        return ReadingNote::Empty;
    if (std::isinf(value))
        return ReadingNote::BeyondRange;
    if (number.radix != 10)
        return number.radix == 16 ? ReadingNote::Hexadecimal : ReadingNote::Octal;
    if (isWholeText(number, value))
        return ReadingNote::WholeText;
    if (value == 0.0 && !number.hasDigit)
        return ReadingNote::NoNumber;
    return ReadingNote::LeadingPart;
}

} // namespace

double ReadNumber(QStringView text)
{
    return numberOf(scanLeadingNumber(text));
}

InputReading readInput(const QString &text)
{
    const LeadingNumber number = scanLeadingNumber(text);
    InputReading reading;
    reading.text = text;
    reading.number = numberOf(number);
    reading.exact = exactValueOf(number, reading.number);
    reading.note = noteOf(text, number, reading.number);
    reading.smallInteger = number.smallInteger.has_value();
    return reading;
}
