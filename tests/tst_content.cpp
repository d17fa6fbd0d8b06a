#include "content/taskcontent.h"
#include "startup/applicationinfo.h"
#include "windowprobe.h"

#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QPlainTextEdit>
#include <QResource>
#include <QScrollBar>
#include <QTextBlock>

// The built-in content: task text, icon at every size, and version.
class TestContent : public QObject
{
    Q_OBJECT

private slots:
    void taskTextExact();
    void taskTextScrolling();
    void cyrillicInWindowFont();
    void noImageDecodersAtStartUp();
    void images();
    void iconSizes_data();
    void iconSizes();
    void version();
};

namespace {

// The 32 lines as the assignment gives them: double spaces inside some lines,
// a leading space on the last two.
const char16_t *const kTaskLines[] = {
    u"Да се реализира проект, представящ междупредметни връзки Математика и Информатика.",
    u"Тема на проекта: Геометрия - пресечна точка на две прави.",
    u"Координатите на начална и крайна точка на отсечки,  определящи точки от две различни прави "
    u"да се въведат в отделни текстови полета и/или чрез събитие On Click.",
    u"Да се изведат коефициентите от общите уравнения на правите, както и тяхната пресечна точка.",
    u"Пример: (1,15)-(10,15); (5,1)-(5,25)  Изход: (5,15)", u"", u"", u"",
    u"Две точки в равнина M(x1,y1) и N(x2,y2) еднозначно определят права.",
    u"Можем да изчислим коефициентите A, B, C от общото уравнение на правата чрез решението на "
    u"детерминантата:",
    u"I   x   y   1    I", u"I   x1 y1 1    I = 0", u"I   x2 y2 1    I", u"",
    u"(x*y1+y*x2+x1*y2)-(x2*y1+x*y2+y*x1) = 0", u"x*(y1-y2)+y*(x2-x1)+(x1*y2-x2*y1) = 0",
    u"Коефициентите A, B, C от общото уравнение на правата:", u"A = y1 - y2", u"B = x2 - x1",
    u"C = x1 * y2 - x2 * y1", u"ъглов коефициент k = (y2-y1)/(x2-x1)",
    u"Взаимно положение на две прави",
    u"Две прави се пресичат тогава и само тогава, когато ъгловите им коефициенти са различни "
    u"k1<>k2",
    u"Две прави съвпадат тогава и само тогава, когато ъгловите им коефициенти са равни k1 = k2",
    u"Две прави са различни и успоредни тогава и само тогава, когато ъгловите им коефициенти са "
    u"равни k1 = k2, но b1<>b2",
    u"", u"Нека две прави са зададени с общите си уравнения:", u"(g1)  A1x + B1y + C1 = 0",
    u"(g2)  A2x + B2y + C2 = 0",
    u"ако ъгловите им коефициенти са различни k1<>k2, то тяхната пресечна точка (Xt, Yt) се "
    u"изчислява от уравненията:",
    u" Xt = (-C1 * B2 + C2 * B1) / (A1 * B2 - A2 * B1)",
    u" Yt = (-A1 * C2 + A2 * C1) / (A1 * B2 - A2 * B1)"
};

QPlainTextEdit *taskTextOf(Vertisel &w)
{
    return w.findChild<QPlainTextEdit *>(QStringLiteral("Text1_0"));
}

} // namespace

void TestContent::taskTextExact()
{
    Vertisel w;
    QPlainTextEdit *text = taskTextOf(w);
    QVERIFY(text->isReadOnly());
    QStringList expected;
    for (const char16_t *line : kTaskLines)
        expected << QString::fromUtf16(line);
    QCOMPARE(expected.size(), 32);
    // Every line followed by a line break, the last one too.
    QCOMPARE(text->toPlainText(), expected.join(u'\n') + u'\n');
    // Joined by CR LF it is 1566 characters, as stored in windows-1251 bytes.
    QCOMPARE((expected.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).size(), 1566);
    for (const QString &line : expected)
        QVERIFY2(!line.endsWith(u' '), qPrintable(line));
}

void TestContent::taskTextScrolling()
{
    Vertisel w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QPlainTextEdit *text = taskTextOf(w);
    QScrollBar *bar = text->verticalScrollBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->value(), 0);
    QCOMPARE(
        text->cursorForPosition(QPoint(5, 5)).block().text(), QString::fromUtf16(kTaskLines[0]));
    bar->setValue(bar->maximum());
    // Scrolled to the end, line 32 (then the empty line after the final
    // line break) is at the bottom of the view.
    const int bottom = text->viewport()->height() - 4;
    QVERIFY(text->cursorForPosition(QPoint(5, bottom)).blockNumber() >= 31);
    QVERIFY(text->cursorForPosition(QPoint(5, 4)).blockNumber() > 0);
}

void TestContent::cyrillicInWindowFont()
{
    Vertisel w;
    const QFontMetrics metrics(taskTextOf(w)->font());
    for (const char16_t *line : kTaskLines)
        for (const QChar c : QString::fromUtf16(line))
            if (c.script() == QChar::Script_Cyrillic)
                QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
}

void TestContent::noImageDecodersAtStartUp()
{
#ifdef Q_OS_LINUX
    Vertisel w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.grab(); // every control painted once
    QFile maps(QStringLiteral("/proc/self/maps"));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    QVERIFY(!mapped.contains("/imageformats/"));
    QVERIFY(!mapped.contains("libjpeg"));
#endif
}

void TestContent::images()
{
    // The photo is shown straight from the program's data, never decoded.
    const QImage photo = startupPhoto();
    QCOMPARE(photo.size(), QSize(200, 196));
    QCOMPARE(photo.constBits(), QResource(QStringLiteral(":/content/photo.rgb")).data());
    Vertisel w;
    QVERIFY(w.windowIcon().availableSizes().contains(QSize(32, 32)));
    QImageReader reader(QStringLiteral(":/content/vertisel.png"), "PNG");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QVERIFY(image.colorCount() <= 256);
    // A transparency mask: corners clear, the middle drawn.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(16, 16)), 255);
}

void TestContent::iconSizes_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("inWindowIcon"); // larger ones only go to the icon theme
    for (const int size : { 16, 22, 24, 48, 64, 128, 256 })
        QTest::addRow("%d px", size) << size << (size <= 64);
}

void TestContent::iconSizes()
{
    QFETCH(int, size);
    QFETCH(bool, inWindowIcon);
    Vertisel w;
    QCOMPARE(w.windowIcon().availableSizes().contains(QSize(size, size)), inWindowIcon);
    const QImage image(
        QStringLiteral(VERTISEL_SOURCE_DIR "/content/icons/vertisel-%1.png").arg(size));
    QCOMPARE(image.size(), QSize(size, size));
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
    // Drawn smooth: the bun's rounded edge has partly covered pixels, which
    // a scaled-up 32-pixel picture with its on/off mask would not.
    int partial = 0;
    for (int x = 0; x < size; ++x) {
        const int alpha = qAlpha(image.pixel(x, size * 5 / 32));
        partial += alpha > 0 && alpha < 255;
    }
    QVERIFY(partial >= 2);
}

void TestContent::version()
{
    setApplicationInfo();
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.0.0.0"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Vertisel"));
}

QTEST_MAIN(TestContent)
#include "tst_content.moc"
