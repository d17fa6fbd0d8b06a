#include "geometry/leadingnumber.h"

namespace {

bool isSkipped(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDecimalDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

int radixDigit(char16_t c, int radix)
{
    int digit = -1;
    if (c >= u'0' && c <= u'9')
        digit = c - u'0';
    else if (c >= u'a' && c <= u'f')
        digit = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        digit = c - u'A' + 10;
    return digit < radix ? digit : -1;
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
    QStringView rest() const { return m_text.sliced(m_pos); }

private:
    void skip()
    {
        while (m_pos < m_text.size() && isSkipped(m_text[m_pos]))
            ++m_pos;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

void appendDigits(Cursor &cursor, std::string &out)
{
    while (isDecimalDigit(cursor.peek())) {
        out.push_back(char(cursor.peek()));
        cursor.advance();
    }
}

// A decimal number at the cursor, or the empty text; the cursor stops right
// after the characters that belong to it.
std::string decimalAt(Cursor &cursor)
{
    std::string out;
    if (cursor.peek() == u'+' || cursor.peek() == u'-') {
        out.push_back(char(cursor.peek()));
        cursor.advance();
    }
    const std::size_t signLength = out.size();
    appendDigits(cursor, out);
    if (cursor.peek() == u'.') {
        out.push_back('.');
        cursor.advance();
        appendDigits(cursor, out);
    }
    // A sign and a period alone are no number.
    const std::size_t mantissaLength = out.size() - signLength;
    if (mantissaLength == 0 || (mantissaLength == 1 && out.back() == '.'))
        return {};

    if (cursor.peek() == u'e' || cursor.peek() == u'E') {
        Cursor atExponent = cursor;
        std::string exponent = "e";
        cursor.advance();
        if (cursor.peek() == u'+' || cursor.peek() == u'-') {
            exponent.push_back(char(cursor.peek()));
            cursor.advance();
        }
        const std::size_t before = exponent.size();
        appendDigits(cursor, exponent);
        if (exponent.size() > before)
            out += exponent;
        else
            cursor = atExponent; // an "e" without digits is not part of the number
    }
    return out;
}

// A whole number short enough for its value to be read digit by digit.
std::optional<double> smallIntegerOf(int radix, const std::string &spelling)
{
    std::size_t start = 0;
    if (radix == 10 && !spelling.empty() && (spelling[0] == '-' || spelling[0] == '+'))
        start = 1;
    if (spelling.size() - start > (radix == 16 ? 4u : 5u))
        return std::nullopt;
    int value = 0;
    for (std::size_t i = start; i < spelling.size(); ++i) {
        const int digit = radixDigit(char16_t(spelling[i]), radix);
        if (digit < 0)
            return std::nullopt; // a point or an exponent
        value = value * radix + digit;
    }
    // "-0" stays the negative zero that strtod makes of it.
    return start == 1 && spelling[0] == '-' ? -double(value) : double(value);
}

bool onlySpace(QStringView text)
{
    for (const QChar c : text)
        if (!c.isSpace())
            return false;
    return true;
}

bool containsDigit(QStringView text)
{
    for (const QChar c : text)
        if (isDecimalDigit(c.unicode()))
            return true;
    return false;
}

} // namespace

LeadingNumber scanLeadingNumber(QStringView text)
{
    Cursor cursor(text);
    LeadingNumber number;
    number.hasDigit = containsDigit(text);

    if (cursor.peek() == u'&') {
        cursor.advance();
        const char16_t prefix = cursor.peek();
        if (prefix == u'H' || prefix == u'h')
            number.radix = 16;
        else if (prefix == u'O' || prefix == u'o')
            number.radix = 8;
        else
            return number;
        cursor.advance();
        while (radixDigit(cursor.peek(), number.radix) >= 0) {
            number.spelling.push_back(char(cursor.peek()));
            cursor.advance();
        }
        number.onlySpaceFollows = onlySpace(cursor.rest());
        number.smallInteger = smallIntegerOf(number.radix, number.spelling);
        return number;
    }

    if (QChar(cursor.peek()).isSpace() && !cursor.atEnd()) {
        while (!cursor.atEnd() && QChar(cursor.peek()).isSpace())
            cursor.advance();
        number.afterLeadingSpace = decimalAt(cursor);
    } else {
        number.spelling = decimalAt(cursor);
    }
    number.onlySpaceFollows = onlySpace(cursor.rest());
    number.smallInteger = smallIntegerOf(number.radix, number.spelling);
    return number;
}

bool hasNonZeroDigit(const std::string &spelling)
{
    return spelling.substr(0, spelling.find('e')).find_first_of("123456789") != std::string::npos;
}
