#include "explanations/calculationexplanation.h"
#include "explanations/working.h"
#include "geometry/calculation.h"
#include "geometry/numberformat.h"
#include "geometry/numberreading.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

class TestGeometry : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void readNumber_data();
    void readNumber();
    void readNumberLongTexts();
    void formatResult_data();
    void formatResult();
    void coordinateText_data();
    void coordinateText();
    void linesThroughPoints_data();
    void linesThroughPoints();
    void intersection_data();
    void intersection();
    void explanations_data();
    void explanations();
};

namespace {
constexpr double kInf = std::numeric_limits<double>::infinity();

// The eight texts of a Calculate: x1 y1 x2 y2 of line 1, then line 2.
PerInput<QString> inputTexts(const QStringList &texts)
{
    PerInput<QString> out;
    for (std::size_t i = 0; i < kEveryInput.size(); ++i)
        out[kEveryInput[i]] = texts.value(qsizetype(i));
    return out;
}
}

void TestGeometry::readNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    // The exact reading, where the double is not it: "p/q", or "none".
    QTest::addColumn<QString>("exact");

    QTest::newRow("empty") << "" << 0.0 << QString();
    QTest::newRow("letters only") << "abc" << 0.0 << QString();
    QTest::newRow("blanks, sign, trailing letters") << "  -7.5xyz" << -7.5 << QString();
    QTest::newRow("exponent") << "1e3" << 1000.0 << QString();
    QTest::newRow("capital exponent, negative") << "2E-2" << 0.02 << QString("1/50");
    QTest::newRow("comma is no separator") << "1,5" << 1.0 << QString();
    QTest::newRow("comma stops reading") << "3,5" << 3.0 << QString();
    QTest::newRow("blank inside number") << "1 2" << 12.0 << QString();
    QTest::newRow("tab and line feed inside") << "\t3\n4" << 34.0 << QString();
    QTest::newRow("blank inside exponent") << "1 e 2" << 100.0 << QString();
    QTest::newRow("carriage return stops") << "\r5" << 0.0 << QString();
    QTest::newRow("trailing letters") << "12abc" << 12.0 << QString();
    QTest::newRow("leading period") << ".5" << 0.5 << QString();
    QTest::newRow("sign and period") << "-.5" << -0.5 << QString();
    QTest::newRow("plus sign") << "+4" << 4.0 << QString();
    QTest::newRow("period alone") << "." << 0.0 << QString();
    QTest::newRow("sign alone") << "-" << 0.0 << QString();
    QTest::newRow("sign and period alone") << "-.e5" << 0.0 << QString();
    QTest::newRow("exponent without digits") << "1e" << 1.0 << QString();
    QTest::newRow("exponent sign without digits") << "1e+" << 1.0 << QString();
    QTest::newRow("D is no exponent") << "1D3" << 1.0 << QString();
    QTest::newRow("second period stops") << "1.5.5" << 1.5 << QString();
    QTest::newRow("two signs") << "--5" << 0.0 << QString();
    QTest::newRow("other digits are no digits")
        << QString::fromUtf16(u"\u0661\u0662") << 0.0 << QString();
    QTest::newRow("full-width digit stops") << QString::fromUtf16(u"7\uFF18") << 7.0 << QString();
    QTest::newRow("hex") << "&H1F" << 31.0 << QString();
    QTest::newRow("hex lower case") << "&hff" << 255.0 << QString();
    QTest::newRow("hex stays non-negative") << "&HFFFF" << 65535.0 << QString();
    QTest::newRow("hex stops at non-digit") << "&H1G" << 1.0 << QString();
    QTest::newRow("octal") << "&O17" << 15.0 << QString();
    QTest::newRow("octal stops at 8") << "&o18" << 1.0 << QString();
    QTest::newRow("prefix without digits") << "&H" << 0.0 << QString();
    QTest::newRow("unknown prefix") << "&X1" << 0.0 << QString();
    QTest::newRow("sign before prefix") << "-&H10" << 0.0 << QString();
    QTest::newRow("beyond double range") << "1e400" << kInf << QString("none");
    QTest::newRow("beyond double range, negative") << "-1e400" << -kInf << QString("none");
    QTest::newRow("too small for a double: beyond range") << "1e-330" << 0.0 << QString("none");
    QTest::newRow("zero with an exponent is zero") << "0e-999" << 0.0 << QString();
    QTest::newRow("huge exponent digits") << "1e99999999999999999999" << kInf << QString("none");
    QTest::newRow("decimal fraction, exactly") << "0.1" << 0.1 << QString("1/10");
    QTest::newRow("exponent, exactly") << "-1e-3" << -0.001 << QString("-1/1000");
    QTest::newRow("digits past the double's")
        << "0.30000000000000000001" << 0.3
        << QString("3" + QString(18, u'0') + "1/1" + QString(20, u'0'));
    QTest::newRow("hex beyond double range")
        << "&H" + QString(300, u'F') << kInf << QString("none");
}

void TestGeometry::readNumber()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QFETCH(QString, exact);
    QCOMPARE(ReadNumber(text), expected);
    QCOMPARE(readInput(text).number, expected);
    const auto value = readInput(text).exact;
    QCOMPARE(value.has_value(), exact != u"none");
    if (value)
        QCOMPARE(QString::fromStdString(value->rational().str()),
            exact.isEmpty() ? QString::fromStdString(ExactNumber(expected).str()) : exact);
}

void TestGeometry::readNumberLongTexts()
{
    // The longest text a field takes, and longer, in digits and in blanks.
    QCOMPARE(ReadNumber(QString(32767, u'9')), kInf);
    QCOMPARE(ReadNumber("0." + QString(100000, u'0') + "1"), 0.0);
    QCOMPARE(ReadNumber(QString(100000, u' ') + "42"), 42.0);
    QCOMPARE(ReadNumber("1" + QString(300, u'0')), 1e300);
}

void TestGeometry::formatResult_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero") << "en_US" << 0.0 << "0.0000";
    QTest::newRow("negative half") << "en_US" << -0.5 << "-0.5000";
    QTest::newRow("one third") << "en_US" << 1.0 / 3 << "0.3333";
    QTest::newRow("two thirds rounds up") << "en_US" << 2.0 / 3 << "0.6667";
    QTest::newRow("grouping") << "en_US" << 1080.0 << "1,080.0000";
    QTest::newRow("negative") << "en_US" << -135.0 << "-135.0000";
    QTest::newRow("vertical slope") << "en_US" << VerticalSlope << "999.9999";
    QTest::newRow("millions") << "en_US" << 1234567.891 << "1,234,567.8910";
    QTest::newRow("negative zero") << "en_US" << -0.0 << "0.0000";
    QTest::newRow("tiny negative") << "en_US" << -0.00004 << "0.0000";
    QTest::newRow("small negative keeps sign") << "en_US" << -0.00006 << "-0.0001";
    QTest::newRow("infinity") << "en_US" << kInf << "";
    QTest::newRow("minus infinity") << "en_US" << -kInf << "";
    QTest::newRow("not a number") << "en_US" << std::nan("") << "";
    QTest::newRow("German separators") << "de_DE" << 1080.5 << "1.080,5000";
    QTest::newRow("German negative zero") << "de_DE" << -0.0 << "0,0000";
    QTest::newRow("German four digits") << "de_DE" << 1350.0 << "1.350,0000";
    QTest::newRow("Bulgarian four digits") << "bg_BG" << 1350.0 << "1350,0000";
    QTest::newRow("Bulgarian five digits")
        << "bg_BG" << 12345.0 << QStringLiteral("12\u00A0345,0000");
    QTest::newRow("Bulgarian seven digits")
        << "bg_BG" << 2227500.0 << QStringLiteral("2\u00A0227\u00A0500,0000");
    QTest::newRow("Bulgarian negative")
        << "bg_BG" << -4665600.0 << QStringLiteral("-4\u00A0665\u00A0600,0000");
    QTest::newRow("Polish ten digits")
        << "pl_PL" << 1234567890.0 << QStringLiteral("1\u00A0234\u00A0567\u00A0890,0000");
    QTest::newRow("French four digits") << "fr_FR" << 1350.0 << QStringLiteral("1\u202F350,0000");
    QTest::newRow("Indian grouping") << "hi_IN" << 2227500.0 << "22,27,500.0000";
    QTest::newRow("Arabic keeps digits 0-9")
        << "ar_EG" << -1080.5 << QStringLiteral("\u061C-1\u066C080\u066B5000");
}

void TestGeometry::formatResult()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(FormatResult(value), expected);
}

void TestGeometry::coordinateText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("clicked twips") << "en_US" << 1245.0f << "1245";
    QTest::newRow("zero") << "en_US" << 0.0f << "0";
    QTest::newRow("negative zero") << "en_US" << -0.0f << "0";
    QTest::newRow("no grouping") << "en_US" << 2985.0f << "2985";
    QTest::newRow("fraction") << "en_US" << 1.5f << "1.5";
    QTest::newRow("seven digits") << "en_US" << 123456.7f << "123456.7";
    QTest::newRow("single rounding hidden") << "en_US" << 0.1f << "0.1";
    QTest::newRow("German fraction") << "de_DE" << 1.5f << "1,5";
    QTest::newRow("German no grouping") << "de_DE" << 2985.0f << "2985";
    QTest::newRow("Arabic digits 0-9") << "ar_EG" << 150.0f << "150";
    QTest::newRow("Bengali digits 0-9") << "bn_BD" << 2985.0f << "2985";
}

void TestGeometry::coordinateText()
{
    QFETCH(QString, locale);
    QFETCH(float, value);
    QFETCH(QString, expected);
    QLocale::setDefault(QLocale(locale));
    const QString text = CoordinateText(value);
    QCOMPARE(text, expected);
    if (locale == "en_US" || value == std::trunc(value)) // reads back to the same value
        QCOMPARE(float(ReadNumber(text)), value);
}

void TestGeometry::linesThroughPoints_data()
{
    QTest::addColumn<double>("x1");
    QTest::addColumn<double>("y1");
    QTest::addColumn<double>("x2");
    QTest::addColumn<double>("y2");
    QTest::addColumn<double>("A");
    QTest::addColumn<double>("B");
    QTest::addColumn<double>("C");
    QTest::addColumn<double>("k");

    QTest::newRow("horizontal") << 1.0 << 15.0 << 10.0 << 15.0 << 0.0 << 9.0 << -135.0 << 0.0;
    QTest::newRow("vertical") << 5.0 << 1.0 << 5.0 << 25.0 << -24.0 << 0.0 << 120.0
                              << VerticalSlope;
    QTest::newRow("rising") << 0.0 << 0.0 << 2.0 << 2.0 << -2.0 << 2.0 << 0.0 << 1.0;
    QTest::newRow("falling") << 0.0 << 2.0 << 2.0 << 0.0 << 2.0 << 2.0 << -4.0 << -1.0;
    QTest::newRow("equal points") << 3.0 << 4.0 << 3.0 << 4.0 << 0.0 << 0.0 << 0.0 << VerticalSlope;
}

void TestGeometry::linesThroughPoints()
{
    QFETCH(double, x1);
    QFETCH(double, y1);
    QFETCH(double, x2);
    QFETCH(double, y2);
    const QStringList points { QString::number(x1), QString::number(y1), QString::number(x2),
        QString::number(y2) };
    const Calculation calculation(inputTexts(points));
    const LineCalculation &line = calculation.line(0);
    QTEST(line.result(LineResult::A), "A");
    QTEST(line.result(LineResult::B), "B");
    QTEST(line.result(LineResult::C), "C");
    QTEST(line.result(LineResult::K), "k");
    // Both points lie on the line.
    const LineTerms<double> &t = line.terms;
    QCOMPARE(t.A * x1 + t.B * y1 + t.C, 0.0);
    QCOMPARE(t.A * x2 + t.B * y2 + t.C, 0.0);
}

void TestGeometry::intersection_data()
{
    QTest::addColumn<QStringList>("points"); // x1 y1 x2 y2 of line 1, then line 2
    QTest::addColumn<bool>("crosses");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");

    using P = QStringList;
    QTest::newRow("task example") << P { "1", "15", "10", "15", "5", "1", "5", "25" } << true << 5.0
                                  << 15.0;
    QTest::newRow("diagonals") << P { "0", "0", "2", "2", "0", "2", "2", "0" } << true << 1.0
                               << 1.0;
    QTest::newRow("crossing beyond segments")
        << P { "0", "0", "1", "1", "10", "0", "11", "-1" } << true << 5.0 << 5.0;
    QTest::newRow("parallel") << P { "0", "0", "10", "10", "0", "5", "10", "15" } << false << 0.0
                              << 0.0;
    QTest::newRow("coincident") << P { "0", "0", "1", "1", "2", "2", "3", "3" } << false << 0.0
                                << 0.0;
    QTest::newRow("both vertical")
        << P { "1", "0", "1", "5", "2", "0", "2", "5" } << false << 0.0 << 0.0;
    QTest::newRow("all zero") << P(8) << false << 0.0 << 0.0;
    QTest::newRow("degenerate line 1")
        << P { "3", "3", "3", "3", "0", "0", "5", "1" } << false << 0.0 << 0.0;
    QTest::newRow("quotient beyond range")
        << P { "0", "0", "1e-300", "1", "1e300", "0", "1e300", "1" } << false << 0.0 << 0.0;
    QTest::newRow("infinite input")
        << P { "0", "0", "1e400", "1", "0", "1", "1", "0" } << false << 0.0 << 0.0;
}

void TestGeometry::intersection()
{
    QFETCH(QStringList, points);
    QFETCH(bool, crosses);
    const auto point = Calculation(inputTexts(points)).point();
    QCOMPARE(point.has_value(), crosses);
    if (crosses) {
        QTEST(point->x, "x");
        QTEST(point->y, "y");
    }
}

namespace {

const Working &workingOf(const CalculationExplanation &explained, const QString &item)
{
    if (item == u"Xt" || item == u"Yt")
        return explained.of(item == u"Xt" ? CrossingCoordinate::X : CrossingCoordinate::Y);
    const int line = item.back().digitValue() - 1;
    if (item.contains(u" of line "))
        return explained.inputs[{
            line, LineInput(QStringList { "x1", "y1", "x2", "y2" }.indexOf(item.first(2))) }];
    return explained.results[{ line, LineResult(QStringLiteral("ABCk").indexOf(item.front())) }];
}

QString explanationOf(const CalculationExplanation &explained, const QString &item)
{
    if (item.startsWith(u"spoken "))
        return spokenText(workingOf(explained, item.sliced(7)));
    return writtenText(workingOf(explained, item));
}

} // namespace

void TestGeometry::explanations_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("inputs"); // x1 y1 x2 y2 of line 1, then line 2; none: no run
    QTest::addColumn<QString>("item"); // as a student names it: "A1", "Xt", "x1 of line 2"
    QTest::addColumn<QStringList>("fragments");

    using L = QStringList;
    const L task { "1", "15", "10", "15", "5", "1", "5", "25" };
    const L twips { "1245", "600", "2400", "1680", "300", "2100", "2700", "450" };
    const L parallel { "0", "0", "10", "10", "0", "5", "10", "15" };
    const L overflow { "1e400", "0", "0", "1", "0", "0", "1", "0" };
    const L pointBeyond { "0", "0", "1e-300", "1e10", "1", "0", "1", "1" };
    const L unreadable { "abc", "1,5", "&H1F", "1e1", " 2 0 ", "x", "20", "9" };

    QTest::newRow("no run: input names its role")
        << "en_US" << L() << "x1 of line 2" << L { "x на първата точка на права 2" };
    QTest::newRow("no run: formula only")
        << "bg_BG" << L() << "Xt" << L { "Xt = (−C1·B2 + C2·B1) / (A1·B2 − A2·B1)" };
    QTest::newRow("crossing: C1 product by product")
        << "en_US" << task << "C1"
        << L { "C1 = x1·y2 − x2·y1 = 1·15 − 10·15 = 15 − 150 = −135.0000" };
    QTest::newRow("crossing: Xt by Cramer's rule")
        << "en_US" << task << "Xt"
        << L { "A1·B2 − A2·B1 = 0·0 − (−24)·9 = 0 − (−216) = 216\n",
               "= (−(−135)·0 + 120·9) / 216 = (0 + 1,080) / 216 = 5.0000" };
    QTest::newRow("crossing: Yt, Bulgarian")
        << "bg_BG" << task << "Yt" << L { "(0 + 3240) / 216 = 15,0000" };
    QTest::newRow("crossing: slope, Bulgarian")
        << "bg_BG" << twips << "k1"
        << L { "k1 = (y2 − y1) / (x2 − x1) = (1680 − 600) / "
               "(2400 − 1245) = 1080 / 1155 = 72/77 ≈ 0,9351" };
    QTest::newRow("crossing: grouping")
        << "en_US" << twips << "C2" << L { "= 135,000 − 5,670,000 = −5,535,000.0000" };
    QTest::newRow("crossing: grouping, Bulgarian")
        << "bg_BG" << twips << "C2"
        << L { QStringLiteral("= 135\u00A0000 − 5\u00A0670\u00A0000 = −5\u00A0535\u00A0000,0000") };
    const L decimals { "0", "0", "0.1", "0.3", "1", "1", "1.1", "1.3" };
    const L fractions { "0", "1", "3", "-10", "0", "4", "1", "3" };
    QTest::newRow("exact: slope as a fraction")
        << "en_US" << fractions << "k1"
        << L { "y = −(11/3)x + 1, b = 1\n", "= (−10 − 1) / (3 − 0) = −11/3 ≈ −3.6667" };
    QTest::newRow("exact: crossing as a fraction")
        << "en_US" << fractions << "Xt"
        << L { "k1 = −11/3 ≠ k2 = −1: пресичат се", "= −9/8 ≈ −1.1250" };
    QTest::newRow("exact: general equation")
        << "en_US" << fractions << "A1" << L { "Права 1: 11x + 3y − 3 = 0\nA1 = y1 − y2" };
    QTest::newRow("exact: decimals, Bulgarian")
        << "bg_BG" << decimals << "C2"
        << L { "Права 2: −0,3x + 0,1y + 0,2 = 0\n", "= 1,3 − 1,1 = 1/5 ≈ 0,2000" };
    QTest::newRow("exact: decimal parallels")
        << "en_US" << decimals << "Yt"
        << L { "k1 = k2 = 3, но b1 = 0 ≠ b2 = −2: успоредни", "= −0.03 − (−0.03) = 0\n",
               "различни: те са успоредни" };
    QTest::newRow("exact: decimal coinciding")
        << "en_US" << L { "0", "0", "0.1", "0.3", "0.2", "0.6", "0.7", "2.1" } << "Xt"
        << L { "k1 = k2 = 3 и b1 = b2 = 0: съвпадат", "правите съвпадат" };
    QTest::newRow("exact: equal points")
        << "en_US" << L { "3", "4", "3", "4", "0", "0", "5", "1" } << "C1"
        << L { "Права 1: двете точки съвпадат и не определят права\n" };
    QTest::newRow("exact: vertical parallels")
        << "en_US" << L { "1", "0", "1", "5", "2", "0", "2", "5" } << "Xt"
        << L { "и двете прави са вертикални, x = 1 и x = 2: успоредни" };
    QTest::newRow("vertical: no slope")
        << "en_US" << task << "k2"
        << L { "x = 5: няма ъглов коефициент\n",
               "x1 = x2 = 5: правата е вертикална, няма ъглов коефициент; показва се 999.9999" };
    QTest::newRow("vertical: no slope, Bulgarian")
        << "bg_BG" << task << "k2" << L { "вертикална", "показва се 999,9999" };
    QTest::newRow("parallel") << "en_US" << parallel << "Xt"
                              << L { "= −100 − (−100) = 0\n", "различни: те са успоредни" };
    QTest::newRow("parallel, Bulgarian") << "bg_BG" << parallel << "Yt" << L { "успоредни" };
    // Slopes 1 and 1 − 10⁻³⁰⁰: no double tells them apart, the typed numbers
    // do, and both lines pass through (1; 1).
    QTest::newRow("crossing by a hair")
        << "en_US" << L { "0", "0", "1", "1", "0", "1e-300", "1", "1" } << "Xt"
        << L { "k1 = 1 ≠ k2 ≈ 1: пресичат се", "= −1e−300\n", "= 1.0000" };
    QTest::newRow("slope beyond range")
        << "en_US" << L { "0", "0", "1", "1", "0", "0", "1e-320", "1" } << "Xt"
        << L { "k1 = 1 ≠ k2 ≈ ∞: пресичат се" };
    QTest::newRow("coinciding") << "en_US" << L { "0", "1", "1", "3", "2", "5", "4", "9" } << "Yt"
                                << L { "= −4 − (−4) = 0\n", "пропорционални: правите съвпадат" };
    QTest::newRow("coinciding horizontals, Bulgarian")
        << "bg_BG" << L { "1", "15", "10", "15", "0", "15", "3", "15" } << "Xt"
        << L { "правите съвпадат" };
    QTest::newRow("equal points: slope")
        << "en_US" << L { "3", "4", "3", "4", "0", "0", "5", "1" } << "k1"
        << L { "x1 = x2 = 3 и y1 = y2 = 4: двете точки съвпадат", "999.9999" };
    QTest::newRow("equal points: no crossing")
        << "en_US" << L { "0", "0", "5", "1", "3", "4", "3", "4" } << "Yt"
        << L { "Двете точки на права 2 съвпадат и не определят права" };
    QTest::newRow("all empty") << "bg_BG" << L(8) << "Xt"
                               << L { "права 1 съвпадат, също и на права 2" };
    QTest::newRow("empty input") << "bg_BG" << L(8) << "x1 of line 1"
                                 << L { "Празното поле е прочетено като 0" };
    QTest::newRow("overflow: input")
        << "en_US" << overflow << "x1 of line 1"
        << L { "„1e400“ е прочетено като ∞ (извън обхвата на числата)" };
    QTest::newRow("overflow: coefficient")
        << "en_US" << overflow << "B1"
        << L { "B1 = x2 − x1 = 0 − ∞ = −∞: резултатът е извън обхвата на числата" };
    QTest::newRow("overflow: point")
        << "en_US" << overflow << "Xt" << L { "извън обхвата на числата" };
    QTest::newRow("overflow: slope")
        << "en_US" << pointBeyond << "k1" << L { "= ∞: резултатът е извън обхвата на числата" };
    QTest::newRow("overflow: other coordinate")
        << "en_US" << pointBeyond << "Xt"
        << L { "= 1.0000, но Yt е извън обхвата на числата; полето остава празно" };
    QTest::newRow("unreadable: no number")
        << "en_US" << unreadable << "x1 of line 1"
        << L { "„abc“ е прочетено като 0 (текстът не започва с число)" };
    QTest::newRow("unreadable: comma, Bulgarian")
        << "bg_BG" << unreadable << "y1 of line 1"
        << L { "„1,5“ е прочетено като 1 (чете се само началното" };
    QTest::newRow("unreadable: hexadecimal")
        << "en_US" << unreadable << "x2 of line 1" << L { "„&H1F“ е прочетено като 31 (&H" };
    QTest::newRow("unreadable: results use the numbers read")
        << "bg_BG" << unreadable << "A1" << L { "A1 = y1 − y2 = 1 − 10 = −9,0000" };
    // What a screen reader says: names, operators and relations in words,
    // numbers in digits with a decimal comma and no grouping, whole results
    // without zeros, a sign before a negative operand that is never "минус
    // минус", the typed text as typed, no punctuation a reader speaks.
    QTest::newRow("spoken: C1 product by product")
        << "en_US" << task << "spoken C1"
        << L { "Це 1 е равно на хикс 1 по игрек 2 минус хикс 2 по игрек 1, равно на 1 по 15 минус "
               "10 по 15, равно на 15 минус 150, равно на минус 135." };
    QTest::newRow("spoken: negative operand, grouped and whole results")
        << "en_US" << task << "spoken Xt"
        << L { "А 1 по Бе 2 минус А 2 по Бе 1 е равно на 0 по 0 минус, в скоби, минус 24 по 9, "
               "равно на 0 минус, в скоби, минус 216, равно на 216.",
               "равно на 0 плюс 1080, делено на 216, равно на 5." };
    QTest::newRow("spoken: no grouping, Bulgarian")
        << "bg_BG" << twips << "spoken C2"
        << L { "равно на 135000 минус 5670000, равно на минус 5535000." };
    QTest::newRow("spoken: division, fraction, Bulgarian")
        << "bg_BG" << fractions << "spoken k1"
        << L { "игрек е равно на минус 11 върху 3 по хикс плюс 1, малко бе е равно на 1.",
               "ка 1 е равно на игрек 2 минус игрек 1, делено на хикс 2 минус хикс 1, равно на "
               "минус 10 минус 1, делено на 3 минус 0, равно на минус 11 върху 3, приблизително "
               "минус 3,6667." };
    QTest::newRow("spoken: not equal, letter names")
        << "en_US" << fractions << "spoken Xt"
        << L { "Взаимно положение, ка 1 е равно на минус 11 върху 3, не е равно на ка 2, равно "
               "на минус 1, пресичат се.",
               "хикс те е равно на минус Це 1 по Бе 2 плюс Це 2 по Бе 1, делено на А 1 по Бе 2 "
               "минус А 2 по Бе 1" };
    QTest::newRow("spoken: power of ten")
        << "en_US" << L { "0", "0", "1", "1", "0", "1e-300", "1", "1" } << "spoken Xt"
        << L { "равно на минус 1 по 10 на степен минус 300." };
    QTest::newRow("spoken: large power of ten")
        << "en_US" << L { "1e15", "0", "1", "1", "0", "0", "1", "0" } << "spoken x1 of line 1"
        << L { "1e15 е прочетено като 1 по 10 на степен 15." };
    QTest::newRow("spoken: typed text as typed")
        << "en_US" << L { "„1“+2/3", "0", "1", "1", "0", "0", "1", "0" } << "spoken x1 of line 1"
        << L { "хикс на първата точка на права 1. „1“+2/3 е прочетено като 0, чете се само" };
    QTest::newRow("long text cut short")
        << "en_US" << L { QString(99, u'7'), "0", "1", "1", "0", "0", "1", "0" } << "x1 of line 1"
        << L { "„" + QString(24, u'7') + "…“" };
}

void TestGeometry::explanations()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, inputs);
    QFETCH(QString, item);
    QFETCH(QStringList, fragments);
    QLocale::setDefault(QLocale(locale));
    std::optional<Calculation> calculation;
    if (!inputs.isEmpty())
        calculation.emplace(inputTexts(inputs));
    const QString text =
        explanationOf(explainCalculation(calculation ? &*calculation : nullptr), item);
    if (!calculation) // nothing but the name or the formula
        QCOMPARE(text, fragments.join(u'\n'));
    for (const QString &fragment : fragments)
        QVERIFY2(text.contains(fragment), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestGeometry)
#include "tst_geometry.moc"
