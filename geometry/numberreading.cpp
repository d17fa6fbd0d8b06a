#include "geometry/numberreading.h"

#include "geometry/leadingnumber.h"

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

} // namespace

double ReadNumber(QStringView text)
{
    const LeadingNumber number = scanLeadingNumber(text);
    if (number.radix != 10)
        return radixValue(number.spelling, number.radix);
    return number.spelling.empty() ? 0.0 : convertDecimal(number.spelling);
}
