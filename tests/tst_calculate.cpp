#include "windowprobe.h"

#include "app/solutioncommands.h"
#include "assistive/announcer.h"

#include <QAccessible>
#include <QClipboard>
#include <QHelpEvent>
#include <QLocale>
#include <QMimeData>
#include <QToolTip>

#include <limits>

// Pressing "Изчисли" on the real window, under United States English.
class TestCalculate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void examples_data();
    void examples();
    void secondRunClearsOldPoint();
    void resultsShowTheirBeginning();
    void keepsClickCountAndInputs();
    void storesPointOnlyWhenFinite();
    void explanationsFollowCalculateAndClear();
    void copyKeys_data();
    void copyKeys();
};

#ifdef VERTISEL_COUNT_SCANS
#include "geometry/leadingnumber.h"

// The test links the scanner wrapped, so that every pass over a field's
// text is counted.
namespace {
int scans = 0;
}
extern "C" LeadingNumber __real__Z17scanLeadingNumber11QStringView(QStringView text);
extern "C" LeadingNumber __wrap__Z17scanLeadingNumber11QStringView(QStringView text)
{
    ++scans;
    return __real__Z17scanLeadingNumber11QStringView(text);
}
#define EXPECT_SCANS(count) QCOMPARE(scans, count)
#else
#define EXPECT_SCANS(count)
#endif

namespace {
// Inputs x1 y1 x2 y2 of line 1, then line 2; results A1 B1 C1 k1 A2 B2 C2 k2 X Y.
constexpr auto kInputs = FieldTable::kInputFields;
constexpr auto kResults = FieldTable::kResultFields;

// The offscreen platform cannot raise the tooltip window, and says so at
// every tooltip shown.
QtMessageHandler testLog = nullptr;
void withoutRaiseWarning(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text != QLatin1String("This plugin does not support raise()"))
        testLog(type, context, text);
}

// Types x1 y1 x2 y2 of line 1, then of line 2.
void typeInputs(const WindowProbe &probe, const QStringList &inputs)
{
    for (int i = 0; i < 8; ++i)
        probe.type(kInputs[i], inputs[i]);
}
}

void TestCalculate::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    testLog = qInstallMessageHandler(withoutRaiseWarning);
}

void TestCalculate::examples_data()
{
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<QStringList>("results");

    QTest::newRow("task example") << QStringList { "1", "15", "10", "15", "5", "1", "5", "25" }
                                  << QStringList { "0.0000", "9.0000", "-135.0000", "0.0000",
                                         "-24.0000", "0.0000", "120.0000", "999.9999", "5.0000",
                                         "15.0000" };
    QTest::newRow("parallel") << QStringList { "0", "0", "10", "10", "0", "5", "10", "15" }
                              << QStringList { "-10.0000", "10.0000", "0.0000", "1.0000",
                                     "-10.0000", "10.0000", "-50.0000", "1.0000", "", "" };
    QTest::newRow("both vertical") << QStringList { "1", "0", "1", "5", "2", "0", "2", "5" }
                                   << QStringList { "-5.0000", "0.0000", "5.0000", "999.9999",
                                          "-5.0000", "0.0000", "10.0000", "999.9999", "", "" };
    QTest::newRow("all empty") << QStringList(8)
                               << QStringList { "0.0000", "0.0000", "0.0000", "999.9999", "0.0000",
                                      "0.0000", "0.0000", "999.9999", "", "" };
    QTest::newRow("diagonals") << QStringList { "0", "0", "2", "2", "0", "2", "2", "0" }
                               << QStringList { "-2.0000", "2.0000", "0.0000", "1.0000", "2.0000",
                                      "2.0000", "-4.0000", "-1.0000", "1.0000", "1.0000" };
    QTest::newRow("clicked twips, grouping")
        << QStringList { "1245", "600", "2400", "1680", "300", "2100", "2700", "450" }
        << QStringList { "-1,080.0000", "1,155.0000", "651,600.0000", "0.9351", "1,650.0000",
               "2,400.0000", "-5,535,000.0000", "-0.6875", "1,769.0545", "1,090.0250" };
    QTest::newRow("leftward horizontal: no negative zero")
        << QStringList { "10", "3", "0", "3", "0", "0", "0", "1" }
        << QStringList { "0.0000", "-10.0000", "30.0000", "0.0000", "-1.0000", "0.0000", "0.0000",
               "999.9999", "0.0000", "3.0000" };
    QTest::newRow("unreadable text")
        << QStringList { "abc", "1,5", "&H1F", "1e1", " 2 0 ", "x", "20", "9" }
        << QStringList { "-9.0000", "31.0000", "-31.0000", "0.2903", "-9.0000", "0.0000",
               "180.0000", "999.9999", "20.0000", "6.8065" };
    QTest::newRow("overflowing input leaves non-numbers empty")
        << QStringList { "1e400", "0", "0", "1", "0", "0", "1", "0" }
        << QStringList { "-1.0000", "", "", "0.0000", "0.0000", "1.0000", "0.0000", "0.0000", "",
               "" };
    // Decimals that no double holds: the lines as typed decide.
    QTest::newRow("parallel decimals")
        << QStringList { "0", "0", "0.1", "0.3", "1", "1", "1.1", "1.3" }
        << QStringList { "-0.3000", "0.1000", "0.0000", "3.0000", "-0.3000", "0.1000", "0.2000",
               "3.0000", "", "" };
    QTest::newRow("parallel decimals, far apart")
        << QStringList { "0", "0", "3", "0.3", "0", "0.1", "3", "0.4" }
        << QStringList { "-0.3000", "3.0000", "0.0000", "0.1000", "-0.3000", "3.0000", "-0.3000",
               "0.1000", "", "" };
    QTest::newRow("coinciding decimals")
        << QStringList { "0", "0", "0.1", "0.3", "0.2", "0.6", "0.7", "2.1" }
        << QStringList { "-0.3000", "0.1000", "0.0000", "3.0000", "-1.5000", "0.5000", "0.0000",
               "3.0000", "", "" };
    QTest::newRow("nearly parallel still cross")
        << QStringList { "0", "0", "1", "3", "0", "1", "1", "4.000001" }
        << QStringList { "-3.0000", "1.0000", "0.0000", "3.0000", "-3.0000", "1.0000", "-1.0000",
               "3.0000", "-1,000,000.0000", "-3,000,000.0000" };
    QTest::newRow("exponent and hex inputs")
        << QStringList { "1e-3", "0", "&H10", "1e1", "0", "&O10", "4", "0.004e3" }
        << QStringList { "-10.0000", "15.9990", "0.0100", "0.6250", "4.0000", "4.0000", "-32.0000",
               "-1.0000", "4.9233", "3.0767" };
    // Just above the largest double, the crossing rounds to it, as C1 does.
    const QString largest = QLocale().toString(std::numeric_limits<double>::max(), 'f', 4);
    QTest::newRow("crossing rounds to the largest double")
        << QStringList { "1.7976931348623158e308", "0", "1.7976931348623158e308", "1", "0", "5",
               "1", "5" }
        << QStringList { "-1.0000", "0.0000", largest, "999.9999", "0.0000", "1.0000", "-5.0000",
               "0.0000", largest, "5.0000" };
    // Too small for a double is beyond the range, as 1e400 is: 0 decides.
    for (const char *tiny : { "1e-330", "1e-401", "1e-402" })
        QTest::addRow("%s counts as 0", tiny)
            << QStringList { "1", tiny, "1", "0", "0", "1", "1", "0" }
            << QStringList { "0.0000", "0.0000", "0.0000", "999.9999", "1.0000", "1.0000",
                   "-1.0000", "-1.0000", "", "" };
    QTest::newRow("slope and point beyond range")
        << QStringList { "0", "0", "1e-300", "1e10", "1", "0", "1", "1" }
        << QStringList { "-10,000,000,000.0000", "0.0000", "0.0000", "", "-1.0000", "0.0000",
               "1.0000", "999.9999", "", "" };
}

void TestCalculate::examples()
{
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, results);
    Vertisel w;
    WindowProbe probe { w };
    typeInputs(probe, inputs);
    probe.calculate();
    QStringList shown;
    for (int index : kResults)
        shown << probe.text(index);
    QCOMPARE(shown, results);
    // Inputs are never rewritten.
    for (int i = 0; i < 8; ++i)
        QCOMPARE(probe.text(kInputs[i]), inputs[i]);
    // Explaining changes no field and no drawing, and each result's
    // explanation ends in the text its field shows, or says why it is empty.
    const QImage drawn = probe.area();
    QHelpEvent hover(QEvent::ToolTip, QPoint(1, 1), probe.field(kA1)->mapToGlobal(QPoint(1, 1)));
    QCoreApplication::sendEvent(probe.field(kA1), &hover);
    QToolTip::hideText();
    QCOMPARE(probe.area(), drawn);
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(probe.text(kResults[i]), results[i]);
        const QString tip = probe.field(kResults[i])->toolTip();
        const QString end = results[i].isEmpty() ? QStringLiteral("полето остава празно")
                                                 : QString(results[i]).replace(u'-', u'\u2212');
        QVERIFY2(tip.endsWith(end), qPrintable(tip));
    }
    // Announced: the crossing, or why there is none as its field tells it.
    const QString told = QAccessible::queryAccessibleInterface(w.findChild<QWidget *>("Announcer"))
                             ->text(QAccessible::Name);
    const QString why = probe.field(kXt)->accessibleDescription().section(QStringLiteral(". "), -1);
    QVERIFY2(results[8].isEmpty() ? told.endsWith(why) : told.contains("се пресичат в точката"),
        qPrintable(told));
}

void TestCalculate::secondRunClearsOldPoint()
{
    Vertisel w;
    WindowProbe probe { w };
    const QStringList crossing { "0", "0", "2", "2", "0", "2", "2", "0" };
    typeInputs(probe, crossing);
    probe.calculate();
    QCOMPARE(probe.text(kXt), QStringLiteral("1.0000"));
    probe.type(kLine2Y1, "4"); // line 2 now parallel to line 1
    probe.type(kLine2Y2, "6");
    probe.calculate();
    QCOMPARE(probe.text(kXt), QString());
    QCOMPARE(probe.text(kYt), QString());
    // The stored point is kept from the run that found one.
    QCOMPARE(w.taskState().StoredXt, 1.0);
    QCOMPARE(w.taskState().StoredYt, 1.0);
}

void TestCalculate::resultsShowTheirBeginning()
{
    Vertisel w;
    WindowProbe probe { w };
    const QStringList inputs { "1245", "600", "2400", "1680", "300", "2100", "2700", "450" };
    typeInputs(probe, inputs);
    probe.calculate();
    for (int index : kResults)
        QCOMPARE(probe.field(index)->cursorPosition(), 0);
}

void TestCalculate::keepsClickCountAndInputs()
{
    Vertisel w;
    WindowProbe probe { w };
    probe.calculate();
    QCOMPARE(w.taskState().ClickCount, qint16(0));
    probe.calculate();
    QCOMPARE(probe.text(kA1), QStringLiteral("0.0000"));
}

void TestCalculate::storesPointOnlyWhenFinite()
{
    Vertisel w;
    WindowProbe probe { w };
    const QStringList inputs { "0", "0", "1e-300", "1e10", "1", "0", "1", "1" };
    typeInputs(probe, inputs);
    probe.calculate();
    QCOMPARE(w.taskState().StoredXt, 0.0);
    QCOMPARE(w.taskState().StoredYt, 0.0);
}

void TestCalculate::explanationsFollowCalculateAndClear()
{
    Vertisel w;
    WindowProbe probe { w };
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    // The description says the tooltip's mathematics in words.
    const auto hover = [&](int index, const QString &expected, const QString &spoken) {
        // What the application sends a field once the pointer has rested on
        // it; sent here directly, as the tooltip timer's timing differs from
        // one window system to another.
        QLineEdit *field = probe.field(index);
        const QPoint at(5, 5);
        QHelpEvent rest(QEvent::ToolTip, at, field->mapToGlobal(at));
        QCoreApplication::sendEvent(field, &rest);
        QCOMPARE(field->toolTip(), expected);
        QCOMPARE(field->accessibleDescription(), spoken);
    };
    hover(4, "A1 = y1 − y2", "А 1 е равно на игрек 1 минус игрек 2.");
    hover(1, "y на първата точка на права 1", "игрек на първата точка на права 1.");
    typeInputs(probe, { "1", "15", "10", "15", "5", "1", "5", "25" });
#ifdef VERTISEL_COUNT_SCANS
    scans = 0;
#endif
    probe.calculate();
    EXPECT_SCANS(8); // each text read once
    probe.field(kLine1Y1)->setFocus();
    QTest::keyClick(w.windowHandle(), '7'); // an input explains its current text
    QCOMPARE(probe.text(kLine1Y1), QStringLiteral("157"));
    hover(4, "Права 1: 9y − 135 = 0\nA1 = y1 − y2 = 15 − 15 = 0.0000",
        "Права 1, 9 игрек минус 135 е равно на 0. А 1 е равно на игрек 1 минус игрек 2, равно на "
        "15 минус 15, равно на 0.");
    EXPECT_SCANS(9); // the explanations read only the text typed since
    hover(1, "y на първата точка на права 1\n„157“ е прочетено като 157",
        "игрек на първата точка на права 1. 157 е прочетено като 157.");
    probe.clear();
    hover(4, "A1 = y1 − y2", "А 1 е равно на игрек 1 минус игрек 2.");
    probe.press({ 10, 20 });
    hover(0, "x на първата точка на права 1\n„150“ е прочетено като 150",
        "хикс на първата точка на права 1. 150 е прочетено като 150.");
    // A tooltip is never wider than the screen, however long the number.
    probe.type(kLine1X2, "1e200");
    QHelpEvent rest(
        QEvent::ToolTip, QPoint(5, 5), probe.field(kLine1X2)->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(probe.field(kLine1X2), &rest);
    for (const QString &line : probe.field(kLine1X2)->toolTip().split(u'\n'))
        QVERIFY(QFontMetrics(QToolTip::font()).horizontalAdvance(line)
            <= w.screen()->availableGeometry().width());
}

void TestCalculate::copyKeys_data()
{
    QTest::addColumn<bool>("calculated");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("formats"); // on the clipboard after the key
    QTest::addColumn<QString>("told");

    const int ctrl = Qt::ControlModifier, ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    const QStringList figure { "image/png", "image/svg+xml" };
    const QStringList solution { "text/plain", "text/html" };
    QTest::newRow("Ctrl+C on the canvas: the figure")
        << true << "Picture1" << ctrl << figure << "Чертежът е копиран";
    QTest::newRow("Ctrl+Shift+C in a field: the solution")
        << true << "Text2_0" << ctrlShift << solution << "Решението е копирано";
    QTest::newRow("Ctrl+Shift+C on the canvas: the solution")
        << true << "Picture1" << ctrlShift << solution << "Решението е копирано";
    QTest::newRow("Ctrl+C in a field: its own text")
        << true << "Text2_0" << ctrl << QStringList { "text/plain" } << "";
    QTest::newRow("before Calculate: nothing yet")
        << false << "Picture1" << ctrl << QStringList() << SolutionCommands::nothingYet();
}

void TestCalculate::copyKeys()
{
    QFETCH(bool, calculated);
    QFETCH(QString, focus);
    QFETCH(int, modifiers);
    QFETCH(QStringList, formats);
    QFETCH(QString, told);
    Vertisel w;
    WindowProbe probe { w };
    QWindow *window = probe.handle();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    typeInputs(probe, { "1", "15", "10", "15", "5", "1", "5", "25" });
    if (calculated)
        probe.calculate();
    QGuiApplication::clipboard()->clear();
    auto *control = w.findChild<QWidget *>(focus);
    control->setFocus();
    if (auto *field = qobject_cast<QLineEdit *>(control))
        field->selectAll();
    w.findChild<Announcer *>()->announce(QString());
    QTest::keyClick(window, Qt::Key_C, Qt::KeyboardModifiers(modifiers));
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    QStringList present;
    for (const QString &format :
        QStringList { "text/plain", "text/html", "image/png", "image/svg+xml" })
        if (copied && copied->hasFormat(format))
            present << format;
    QCOMPARE(present, formats);
    QCOMPARE(w.findChild<Announcer *>()->message(), told);
    if (formats == QStringList { "text/plain" })
        QCOMPARE(copied->text(), QStringLiteral("1"));
    else if (formats.contains("text/html")) {
        QVERIFY(copied->text().contains("15.0000"));
        QVERIFY(copied->html().contains("<math xmlns=\"http://www.w3.org/1998/Math/MathML\">"));
    }
}

QTEST_MAIN(TestCalculate)
#include "tst_calculate.moc"
