// Fuzzes the leading-number rule on arbitrary bytes. For texts that are
// plainly a decimal number, the value must equal strtod's in the C locale
// and the reading must say the whole text was the number;
// for every text the result is a number or an infinity, never a NaN; and the
// exact reading rounds to the double reading, or is missing for an infinity.
#include "geometry/numberreading.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <locale.h>
#include <regex>
#include <string>

namespace {

bool isPlainDecimal(const std::string &text)
{
    static const std::regex plain("[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?");
    return std::regex_match(text, plain);
}

// strtod with the C locale pinned; MinGW has only the Microsoft names.
#ifdef _WIN32
double strtodC(const std::string &text)
{
    static const _locale_t cLocale = _create_locale(LC_NUMERIC, "C");
    return _strtod_l(text.c_str(), nullptr, cLocale);
}
#else
double strtodC(const std::string &text)
{
    static const locale_t cLocale = newlocale(LC_NUMERIC_MASK, "C", locale_t(nullptr));
    return strtod_l(text.c_str(), nullptr, cLocale);
}
#endif

[[noreturn]] void fail(const char *what, const std::string &text, double got)
{
    std::fprintf(stderr, "ReadNumber: %s for \"%s\": got %.17g\n", what, text.c_str(), got);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const InputReading read = readInput(QString::fromUtf8(bytes.data(), qsizetype(bytes.size())));
    const double value = read.number;
    if (std::isnan(value))
        fail("NaN", bytes, value);
    if (value != ReadNumber(read.text) && !(value == 0.0 && ReadNumber(read.text) == 0.0))
        fail("the reading and the rule differ", bytes, value);
    const std::optional<ExactNumber> exact =
        read.exact ? std::optional(read.exact->rational()) : std::nullopt;
    // Beyond the range, too large or too small to be told from 0, there is
    // no exact reading; every other number has one.
    if (exact && std::isinf(value))
        fail("exact reading present for an infinity", bytes, value);
    if (!exact && std::isfinite(value) && value != 0.0)
        fail("no exact reading for a finite number", bytes, value);
    if (exact && value == 0.0 && *exact != 0)
        fail("exact reading for a number a double cannot tell from 0", bytes, value);
    // A long &H or &O integer is summed in doubles, rounded at every digit.
    const double rounded = exact ? toDouble(*exact) : value;
    const double slack =
        bytes.find('&') == std::string::npos ? 0.0 : std::ldexp(std::abs(value), -48);
    if (std::abs(rounded - value) > slack && std::abs(value) > 1e-300)
        fail("exact reading rounds elsewhere", bytes, value);
    // The regular expression is slow on long texts; the oracle needs no more.
    if (bytes.size() <= 400 && isPlainDecimal(bytes)) {
        const double expected = strtodC(bytes);
        if (value != expected && !(value == 0.0 && expected == 0.0))
            fail("differs from strtod", bytes, value);
        // A plain number in range is the whole text, as its explanation says.
        if (exact && read.note != ReadingNote::WholeText)
            fail("a plain number not read as the whole text", bytes, value);
    }
    return 0;
}
