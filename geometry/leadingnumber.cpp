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

} // namespace

LeadingNumber scanLeadingNumber(QStringView text)
{
    Cursor cursor(text);
    LeadingNumber number;

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
        return number;
    }

    std::string &out = number.spelling;
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
    if (mantissaLength == 0 || (mantissaLength == 1 && out.back() == '.')) {
        out.clear();
        return number;
    }

    if (cursor.peek() == u'e' || cursor.peek() == u'E') {
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
    }
    return number;
}

bool LeadingNumber::isSmallInteger() const
{
    if (radix != 10)
        return spelling.size() <= (radix == 16 ? 4u : 5u);
    const std::size_t sign = !spelling.empty() && (spelling[0] == '-' || spelling[0] == '+');
    return spelling.size() - sign <= 5
        && spelling.find_first_not_of("0123456789", sign) == std::string::npos;
}
