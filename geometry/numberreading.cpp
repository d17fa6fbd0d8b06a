#include "geometry/numberreading.h"

#include <locale.h>
#include <stdlib.h>
#include <string>

namespace {

bool isSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDecimalDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// Walks the text while skipping blanks, tabs and line feeds, so that no copy
// of a possibly very long field is made.
class Cursor
{
public:
    explicit Cursor(QStringView text)
        : m_text(text)
    {
        skip();
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    char16_t peek() const { return atEnd() ? u'\0' : m_text[m_pos].unicode(); }
    void advance()
    {
        ++m_pos;
        skip();
    }

private:
    void skip()
    {
        while (m_pos < m_text.size() && isSkipped(m_text[m_pos]))
            ++m_pos;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

// Reads the digits after "&H" or "&O" as a non-negative integer. Beyond the
// double range the sum becomes +infinity, never a wrapped-around value.
double readRadixDigits(Cursor &cursor, int radix)
{
    double value = 0.0;
    for (;;) {
        const char16_t c = cursor.peek();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (radix == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (radix == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            break;
        if (digit >= radix)
            break;
        value = value * radix + digit;
        cursor.advance();
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

void appendDigits(Cursor &cursor, std::string &out)
{
    while (isDecimalDigit(cursor.peek())) {
        out.push_back(char(cursor.peek()));
        cursor.advance();
    }
}

} // namespace

double ReadNumber(QStringView text)
{
    Cursor cursor(text);

    if (cursor.peek() == u'&') {
        cursor.advance();
        const char16_t prefix = cursor.peek();
        if (prefix == u'H' || prefix == u'h') {
            cursor.advance();
            return readRadixDigits(cursor, 16);
        }
        if (prefix == u'O' || prefix == u'o') {
            cursor.advance();
            return readRadixDigits(cursor, 8);
        }
        return 0.0;
    }

    std::string number;
    if (cursor.peek() == u'+' || cursor.peek() == u'-') {
        number.push_back(char(cursor.peek()));
        cursor.advance();
    }
    const std::size_t signLength = number.size();
    appendDigits(cursor, number);
    if (cursor.peek() == u'.') {
        number.push_back('.');
        cursor.advance();
        appendDigits(cursor, number);
    }
    // A sign and a period alone are no number.
    const std::size_t mantissaLength = number.size() - signLength;
    if (mantissaLength == 0 || (mantissaLength == 1 && number.back() == '.'))
        return 0.0;

    if (cursor.peek() == u'e' || cursor.peek() == u'E') {
        // The exponent counts only when at least one digit follows its sign.
        std::string exponent = "e";
        cursor.advance();
        if (cursor.peek() == u'+' || cursor.peek() == u'-') {
            exponent.push_back(char(cursor.peek()));
            cursor.advance();
        }
        const std::size_t before = exponent.size();
        appendDigits(cursor, exponent);
        if (exponent.size() > before)
            number += exponent;
    }
    return convertDecimal(number);
}
