#include "canvas/canvasunits.h"
#include "canvas/clipping.h"
#include "windowprobe.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QLocale>
#include <QScreen>

// The canvas as the user sees it: photo, point capture, construction, Clear.
// Runs at scale 1 and again at QT_SCALE_FACTOR=2; probes are logical pixels.
class TestCanvas : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup();

    void photoAtStartGoneAfterFirstPress();
    void captureSequence_data();
    void captureSequence();
    void pressAfterClearRecordsTwips();
    void anyButtonRecords_data();
    void anyButtonRecords();
    void borderPressesDoNothing();
    void doubleClickCountsEachPressOnce();
    void constructionDrawn();
    void keyboardCapture_data();
    void keyboardCapture();
    void noExtensionsWithoutCrossing();
    void farAwayCrossingDrawnPromptly();
    void clearEmptiesEverything();
    void drawingsSurviveRepaint_data();
    void drawingsSurviveRepaint();
    void clickCountStopsAtMaximum();
    void clipping_data();
    void clipping();
    void clippingEndsFarApart();
    void toCanvasSaturates();
    void nonNumbersDrawNothing();
    void drawingsLastOneRepaintWhenNotPersistent();

private:
    void showWindow();
    Vertisel *m_window = nullptr;
};

void TestCanvas::init()
{
    m_window = new Vertisel;
    showWindow();
}

void TestCanvas::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestCanvas::showWindow()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    // At scale 2 the screen is smaller than the window: the title bar stays on it.
    QVERIFY(m_window->screen()->availableGeometry().contains(m_window->frameGeometry().topLeft()));
}

void TestCanvas::photoAtStartGoneAfterFirstPress()
{
    WindowProbe probe { *m_window };
    QCOMPARE(probe.canvas()->contentsRect().size(), QSize(200, 196));
    QCOMPARE(probe.canvas()->geometry(), QRect(8, 32, 204, 200));
    const QColor blank = probe.canvas()->backgroundColor();
    QImage before = probe.area();
    QVERIFY(probe.at(before, { 10, 10 }) != blank); // sky
    QVERIFY(probe.at(before, { 100, 190 }) != blank); // trees
    probe.press({ 83, 40 });
    const QImage after = probe.area();
    for (const QPoint p : { QPoint(10, 10), QPoint(100, 190), QPoint(83, 40), QPoint(199, 195) })
        QCOMPARE(probe.at(after, p), blank);
    for (int i : FieldTable::kInputFields)
        QCOMPARE(probe.text(i), QString());
}

void TestCanvas::captureSequence_data()
{
    QTest::addColumn<bool>("afterClear");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("filledFields"); // how many of the eight inputs are filled
    QTest::addColumn<int>("dots"); // dots visible after the last press
    QTest::addColumn<int>("clickCount");

    QTest::newRow("start, 1 press blanks") << false << 1 << 0 << 0 << 1;
    QTest::newRow("start, 5 presses record four") << false << 5 << 8 << 4 << 5;
    QTest::newRow("start, 6th press dot only") << false << 6 << 8 << 5 << 6;
    QTest::newRow("start, 7th press blanks") << false << 7 << 8 << 0 << 7;
    QTest::newRow("start, 9 presses keep blanking") << false << 9 << 8 << 0 << 9;
    QTest::newRow("clear, 1 press records") << true << 1 << 2 << 1 << 2;
    QTest::newRow("clear, 4 presses record four") << true << 4 << 8 << 4 << 5;
    QTest::newRow("clear, 5 presses leave five dots") << true << 5 << 8 << 5 << 6;
    QTest::newRow("clear, 6th press blanks") << true << 6 << 8 << 0 << 7;
}

void TestCanvas::captureSequence()
{
    QFETCH(bool, afterClear);
    QFETCH(int, presses);
    QFETCH(int, filledFields);
    QFETCH(int, dots);
    QFETCH(int, clickCount);
    WindowProbe probe { *m_window };
    if (afterClear)
        probe.clear();
    // Dots 12 pixels apart on a diagonal; press n at (20 + 12n, 20 + 12n).
    const auto spot = [](int n) { return QPoint(20 + 12 * n, 20 + 12 * n); };
    for (int n = 0; n < presses; ++n)
        probe.press(spot(n));
    QCOMPARE(m_window->taskState().ClickCount, qint16(clickCount));
    int filled = 0;
    for (int i : FieldTable::kInputFields)
        filled += probe.text(i).isEmpty() ? 0 : 1;
    QCOMPARE(filled, filledFields);
    const QImage image = probe.area();
    int visible = 0;
    for (int n = 0; n < presses; ++n)
        visible += probe.inkNear(image, spot(n)) ? 1 : 0;
    QCOMPARE(visible, dots);
}

void TestCanvas::pressAfterClearRecordsTwips()
{
    WindowProbe probe { *m_window };
    probe.clear();
    probe.press({ 83, 40 });
    QCOMPARE(probe.text(kLine1X1), QStringLiteral("1245"));
    QCOMPARE(probe.text(kLine1Y1), QStringLiteral("600"));
    // A thick dot: ink two pixels from the centre on every side, none at three.
    const QImage image = probe.area();
    for (const QPoint d :
        { QPoint(-2, 0), QPoint(2, 0), QPoint(0, -2), QPoint(0, 2), QPoint(0, 0) })
        QVERIFY(probe.inkNear(image, QPoint(83, 40) + d));
    for (const QPoint d :
        { QPoint(-3, 0), QPoint(3, 0), QPoint(0, -3), QPoint(0, 3), QPoint(2, 2) })
        QVERIFY(!probe.inkNear(image, QPoint(83, 40) + d));
    // The far corner of the area maps to the largest twips.
    probe.press({ 199, 195 });
    QCOMPARE(probe.text(kLine1X2), QStringLiteral("2985"));
    QCOMPARE(probe.text(kLine1Y2), QStringLiteral("2925"));
}

void TestCanvas::anyButtonRecords_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestCanvas::anyButtonRecords()
{
    QFETCH(Qt::MouseButton, button);
    WindowProbe probe { *m_window };
    probe.press({ 5, 5 }, button); // blanks the photo
    probe.press({ 83, 40 }, button);
    QCOMPARE(probe.text(kLine1X1), QStringLiteral("1245"));
    QCOMPARE(probe.text(kLine1Y1), QStringLiteral("600"));
}

void TestCanvas::borderPressesDoNothing()
{
    WindowProbe probe { *m_window };
    DrawingCanvas *canvas = probe.canvas();
    for (const QPoint p : { QPoint(0, 1), QPoint(1, 100), QPoint(203, 100), QPoint(100, 198) })
        probe.click(canvas, p);
    QCOMPARE(m_window->taskState().ClickCount, qint16(0));
    QVERIFY(canvas->hasBackgroundPicture());
}

void TestCanvas::doubleClickCountsEachPressOnce()
{
    WindowProbe probe { *m_window };
    probe.clear();
    // Two quick presses on one spot: the window turns the second into a
    // double click. Both record a point, then a slow press records the third.
    const QPoint spot = probe.canvas()->contentsRect().topLeft() + QPoint(40, 40);
    QTest::mouseDClick(probe.handle(), Qt::LeftButton, {}, probe.inWindow(probe.canvas(), spot));
    probe.press({ 60, 60 });
    QCOMPARE(m_window->taskState().ClickCount, qint16(4));
    const QStringList recorded { probe.text(kLine1X1), probe.text(kLine1Y1), probe.text(kLine1X2),
        probe.text(kLine1Y2), probe.text(kLine2X1), probe.text(kLine2Y1) };
    QCOMPARE(recorded, QStringList({ "600", "600", "600", "600", "900", "900" }));
}

void TestCanvas::constructionDrawn()
{
    WindowProbe probe { *m_window };
    probe.clear();
    // Line 1 from (20, 100) to (60, 100); line 2 from (150, 20) to (150, 60):
    // they cross at (150, 100), beyond both segments.
    for (const QPoint p : { QPoint(20, 100), QPoint(60, 100), QPoint(150, 20), QPoint(150, 60) })
        probe.press(p);
    probe.calculate();
    QCOMPARE(probe.text(kXt), QStringLiteral("2,250.0000"));
    QCOMPARE(probe.text(kYt), QStringLiteral("1,500.0000"));
    // The same construction in words, with the numbers the fields show.
    const QString told =
        QAccessible::queryAccessibleInterface(probe.canvas())->text(QAccessible::Description);
    for (const char *part : { "Точка 1 на права 1, хикс е равно на 300, игрек е равно на 1500.",
             "Точка 2 на права 2, хикс е равно на 2250, игрек е равно на 900.",
             "Отсечка на права 1 от 300, 1500 до 900, 1500.",
             "Правите се пресичат в точката, хикс е равно на 2250, игрек е равно на 1500," })
        QVERIFY2(told.contains(QString::fromUtf8(part)), qPrintable(told));
    QVERIFY2(!told.contains("празен"), qPrintable(told)); // what it shows now, not its history
    const QImage image = probe.area();
    const QColor blank = probe.canvas()->backgroundColor();
    // Solid segment: every pixel between the dots, one pixel wide.
    for (int x = 24; x <= 56; ++x)
        QVERIFY2(probe.inkNear(image, { x, 100 }), qPrintable(QString::number(x)));
    QVERIFY(!probe.inkNear(image, { 40, 101 }));
    // Dotted extension from (60, 100) on to the ring: ink with gaps.
    int ink = 0, gaps = 0;
    for (int x = 70; x <= 140; ++x)
        (probe.at(image, { x, 100 }) == blank ? gaps : ink)++;
    QVERIFY(ink > 10);
    QVERIFY(gaps > 10);
    // The ring (radius 2 pixels) around the crossing, its centre left clear.
    QVERIFY(probe.inkNear(image, { 150, 98 }, 0) || probe.inkNear(image, { 150, 97 }, 0));
    QVERIFY(probe.inkNear(image, { 152, 100 }, 0) || probe.inkNear(image, { 153, 100 }, 0));
    // Nothing drawn far from the figure.
    QCOMPARE(probe.at(image, { 100, 180 }), blank);
}

namespace {
constexpr int kByTab = 0, kByPress = 1, kByAssistive = 2;
// A press, then another window is active for a while and this one again.
constexpr int kByPressThenAway = 3;
}

void TestCanvas::keyboardCapture_data()
{
    // How the canvas gets the focus: Tab, a press at the pixel, or a screen
    // reader's focus action.
    QTest::addColumn<int>("focusBy");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("repeats"); // auto-repeated presses of the last key
    QTest::addColumn<QPoint>("pixel");

    const auto shift = [](Qt::Key key) {
        return QKeyCombination(Qt::ShiftModifier, key).toCombined();
    };
    QTest::newRow("Space at the centre")
        << kByTab << QList<int> { Qt::Key_Space } << 0 << QPoint(100, 98);
    QTest::newRow("arrows move the cross-hair")
        << kByTab
        << QList<int> { Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return }
        << 0 << QPoint(103, 99);
    QTest::newRow("Shift moves ten, keypad Enter")
        << kByTab
        << QList<int> { Qt::Key_Left, shift(Qt::Key_Left), shift(Qt::Key_Up),
               QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter).toCombined() }
        << 0 << QPoint(89, 88);
    QTest::newRow("stops at the edge")
        << kByTab
        << (QList<int> { Qt::Key_Up } << QList<int>(12, shift(Qt::Key_Up)) << Qt::Key_Space) << 0
        << QPoint(100, 0);
    QTest::newRow("held Space records once")
        << kByTab << QList<int> { Qt::Key_Space } << 6 << QPoint(100, 98);
    QTest::newRow("Space after a screen reader's focus")
        << kByAssistive << QList<int> { Qt::Key_Space } << 0 << QPoint(100, 98);
    QTest::newRow("stray Space after a click")
        << kByPress << QList<int> { Qt::Key_Space } << 0 << QPoint(30, 40);
    QTest::newRow("stray Enter after a click")
        << kByPress << QList<int> { Qt::Key_Return } << 0 << QPoint(30, 40);
    QTest::newRow("stray Space after a click and a visit elsewhere")
        << kByPressThenAway << QList<int> { Qt::Key_Space } << 0 << QPoint(30, 40);
}

void TestCanvas::keyboardCapture()
{
    QFETCH(int, focusBy);
    const bool clickFirst = focusBy == kByPress || focusBy == kByPressThenAway;
    QFETCH(QList<int>, keys);
    QFETCH(int, repeats);
    QFETCH(QPoint, pixel);
    WindowProbe probe { *m_window };
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    probe.clear();
    DrawingCanvas *canvas = probe.canvas();
    // Another window may have taken the activation meanwhile.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    probe.field(kK2)->setFocus();
    if (clickFirst)
        probe.press(pixel);
    else if (focusBy == kByTab)
        QTest::keyClick(probe.handle(), Qt::Key_Tab);
    else
        QAccessible::queryAccessibleInterface(canvas)->actionInterface()->doAction(
            QAccessibleActionInterface::setFocusAction());
    if (focusBy == kByPressThenAway) {
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }
    QTRY_COMPARE(QApplication::focusWidget(), canvas);
    for (const int key : keys) {
        const auto combination = QKeyCombination::fromCombined(key);
        QTest::keyClick(probe.handle(), combination.key(), combination.keyboardModifiers());
    }
    for (int i = 0; i < repeats; ++i)
        qt_handleKeyEvent(probe.handle(), QEvent::KeyPress, keys.last(), {}, QString(), true);
    // The same fields and dot as a mouse press on that pixel.
    QCOMPARE(probe.text(kLine1X1), QString::number(pixel.x() * 15));
    QCOMPARE(probe.text(kLine1Y1), QString::number(pixel.y() * 15));
    QCOMPARE(m_window->taskState().ClickCount, qint16(2));
    const QColor cue = canvas->palette().color(QPalette::Highlight);
    const auto cueInArea = [&](const QImage &image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == cue)
                    return true;
        return false;
    };
    if (clickFirst) { // the sunken border stays: no focus cue for the mouse
        QVERIFY(!cueInArea(canvas->grab().toImage()));
        return;
    }
    QTRY_VERIFY(cueInArea(probe.area())); // the cross-hair shows while focused
    // Without the focus neither the cross-hair nor the border cue is left.
    probe.field(kLine1X1)->setFocus();
    const QImage unfocused = probe.area();
    QVERIFY(probe.inkNear(unfocused, pixel));
    QVERIFY(!cueInArea(unfocused));
    QVERIFY(!cueInArea(canvas->grab().toImage()));
    // A mouse press hides the cross-hair.
    canvas->setFocus();
    probe.press({ 20, 20 });
    QVERIFY(!canvas->keyboardCursorShown());
}

void TestCanvas::noExtensionsWithoutCrossing()
{
    WindowProbe probe { *m_window };
    probe.clear();
    for (const QPoint p : { QPoint(20, 100), QPoint(60, 100), QPoint(20, 140), QPoint(60, 140) })
        probe.press(p);
    probe.calculate();
    QCOMPARE(probe.text(kXt), QString());
    const QImage image = probe.area();
    const QColor blank = probe.canvas()->backgroundColor();
    // No dotted line toward the stale point (0, 0), and no ring there.
    QCOMPARE(probe.at(image, { 10, 50 }), blank);
    QCOMPARE(probe.at(image, { 1, 1 }), blank);
    QCOMPARE(probe.at(image, { 30, 120 }), blank);
}

void TestCanvas::farAwayCrossingDrawnPromptly()
{
    WindowProbe probe { *m_window };
    probe.clear();
    // Line 1 runs right from (20, 100); line 2 is almost parallel, so they
    // cross about 10^300 twips away to the right.
    probe.type(kLine1X1, "300");
    probe.type(kLine1Y1, "1500");
    probe.type(kLine1X2, "900");
    probe.type(kLine1Y2, "1500");
    probe.type(kLine2X1, "0");
    probe.type(kLine2Y1, "0");
    probe.type(kLine2X2, "1e297");
    probe.type(kLine2Y2, "1500");
    QElapsedTimer timer;
    timer.start();
    probe.calculate();
    QVERIFY2(timer.elapsed() < 5000, "the clipped extension must not take long");
    QVERIFY(!probe.text(kXt).isEmpty());
    const QImage image = probe.area();
    const QColor blank = probe.canvas()->backgroundColor();
    // Dotted ink from line 1's end to the right edge, nothing to the left of its start.
    int ink = 0;
    for (int x = 80; x < 200; ++x)
        ink += probe.at(image, { x, 100 }) == blank ? 0 : 1;
    QVERIFY(ink > 20);
    QCOMPARE(probe.at(image, { 10, 100 }), blank);
}

void TestCanvas::clearEmptiesEverything()
{
    WindowProbe probe { *m_window };
    for (int i = 0; i < 18; ++i)
        probe.field(i)->setText("7");
    probe.calculate(); // draws over the photo
    probe.clear();
    for (int i = 0; i < 18; ++i)
        QCOMPARE(probe.text(i), QString());
    QCOMPARE(m_window->taskState().ClickCount, qint16(1));
    QVERIFY(!probe.canvas()->hasBackgroundPicture());
    const QImage image = probe.area();
    const QColor blank = probe.canvas()->backgroundColor();
    for (int y = 0; y < 196; y += 7)
        for (int x = 0; x < 200; x += 7)
            QCOMPARE(probe.at(image, { x, y }), blank);
    // Then Calculate computes with zeros and finds no crossing.
    probe.calculate();
    QCOMPARE(probe.text(kA1), QStringLiteral("0.0000"));
    QCOMPARE(probe.text(kXt), QString());
}

void TestCanvas::drawingsSurviveRepaint_data()
{
    QTest::addColumn<bool>("otherScale"); // else hidden, shown, minimised and restored
    QTest::newRow("hidden and minimised") << false;
    QTest::newRow("moved to a screen of another scale") << true;
}

void TestCanvas::drawingsSurviveRepaint()
{
    QFETCH(bool, otherScale);
    WindowProbe probe { *m_window };
    probe.clear();
    for (const QPoint p : { QPoint(20, 100), QPoint(60, 100), QPoint(150, 20), QPoint(150, 60) })
        probe.press(p);
    probe.calculate();
    probe.area(); // painted once where it is
    if (otherScale) {
        const qreal before = probe.canvas()->devicePixelRatioF();
        const QList<QScreen *> screens = QGuiApplication::screens();
        const auto other = std::find_if(screens.begin(), screens.end(),
            [before](const QScreen *screen) { return screen->devicePixelRatio() != before; });
        if (other == screens.end())
            QSKIP("no screen of another scale");
        m_window->move((*other)->availableGeometry().topLeft() + QPoint(40, 40));
        QTRY_COMPARE(probe.canvas()->devicePixelRatioF(), (*other)->devicePixelRatio());
    } else {
        m_window->hide();
        showWindow();
        m_window->showMinimized();
        m_window->showNormal();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }
    const QImage image = probe.area();
    for (const QPoint p : { QPoint(20, 100), QPoint(150, 60), QPoint(40, 100), QPoint(152, 100) })
        QVERIFY(probe.inkNear(image, p, 1));
    // Sharp at the pixels of this screen: ink or background, nothing between.
    const QColor blank = probe.canvas()->backgroundColor();
    const QColor ink = probe.canvas()->foregroundColor();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c != blank && c != ink)
                QFAIL(qPrintable(
                    QStringLiteral("%1 at device pixel %2, %3").arg(c.name()).arg(x).arg(y)));
        }
}

void TestCanvas::clickCountStopsAtMaximum()
{
    WindowProbe probe { *m_window };
    DrawingCanvas *canvas = probe.canvas();
    // Press through the whole 16-bit range by signal, as the canvas reports presses.
    for (int i = 0; i < 32767 + 3; ++i)
        emit canvas->mouseDown(Qt::LeftButton, {}, 150.0f, 150.0f);
    QCOMPARE(m_window->taskState().ClickCount, qint16(32767));
    probe.press({ 10, 10 });
    QCOMPARE(m_window->taskState().ClickCount, qint16(32767));
    QCOMPARE(probe.at(probe.area(), { 10, 10 }), canvas->backgroundColor());
    QCOMPARE(probe.text(kLine1X1), QStringLiteral("150"));
}

void TestCanvas::clipping_data()
{
    QTest::addColumn<QList<double>>("segment"); // x1 y1 x2 y2, clipped to [0, 100] x [0, 50]
    QTest::addColumn<QList<double>>("expected"); // empty: nothing visible

    using L = QList<double>;
    constexpr double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("inside") << L { 10, 10, 90, 40 } << L { 10, 10, 90, 40 };
    QTest::newRow("leaves right") << L { 50, 25, 250, 25 } << L { 50, 25, 100, 25 };
    QTest::newRow("enters from left, keeps direction")
        << L { -50, 0, 50, 50 } << L { 0, 25, 50, 50 };
    QTest::newRow("crosses whole area") << L { -100, 25, 200, 25 } << L { 0, 25, 100, 25 };
    QTest::newRow("passes above") << L { -10, -5, 110, -5 } << L {};
    QTest::newRow("wholly right") << L { 150, 10, 300, 40 } << L {};
    QTest::newRow("point inside") << L { 5, 5, 5, 5 } << L { 5, 5, 5, 5 };
    QTest::newRow("towards 1e300") << L { 50, 25, 1e300, 25 } << L { 50, 25, 100, 25 };
    QTest::newRow("not a number") << L { std::nan(""), 0, 10, 10 } << L {};
    QTest::newRow("infinite end") << L { 10, 10, inf, 10 } << L {};
}

void TestCanvas::clipping()
{
    QFETCH(QList<double>, segment);
    QFETCH(QList<double>, expected);
    const auto clipped =
        clipSegment({ segment[0], segment[1], segment[2], segment[3] }, 0, 0, 100, 50);
    QCOMPARE(clipped.has_value(), !expected.isEmpty());
    if (clipped) {
        const QList<double> got { clipped->x1, clipped->y1, clipped->x2, clipped->y2 };
        for (int i = 0; i < 4; ++i)
            QVERIFY2(qAbs(got[i] - expected[i]) < 1e-9, qPrintable(QString::number(got[i])));
    }
}

void TestCanvas::clippingEndsFarApart()
{
    // Both ends near the double limit: the difference overflows, and the
    // crossing of the area is known only to the precision of such numbers.
    // It must still be finite, on the line, and inside the area.
    const auto clipped = clipSegment({ -1.5e308, 25, 1.5e308, 25 }, 0, 0, 100, 50);
    QVERIFY(clipped);
    for (double x : { clipped->x1, clipped->x2 })
        QVERIFY(x >= 0 && x <= 100);
    QCOMPARE(clipped->y1, 25.0);
    QCOMPARE(clipped->y2, 25.0);
}

void TestCanvas::toCanvasSaturates()
{
    QCOMPARE(ToCanvas(1e300), std::numeric_limits<float>::infinity());
    QCOMPARE(ToCanvas(-1e300), -std::numeric_limits<float>::infinity());
    QCOMPARE(ToCanvas(1245.0), 1245.0f);
    QVERIFY(std::isnan(ToCanvas(std::nan(""))));
}

void TestCanvas::nonNumbersDrawNothing()
{
    WindowProbe probe { *m_window };
    probe.clear();
    DrawingCanvas *canvas = probe.canvas();
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    using Kind = ConstructionItem::Kind;
    Construction construction;
    construction.blank();
    for (const ConstructionItem &item : {
             ConstructionItem { .kind = Kind::Point, .x1 = nan, .y1 = 100 },
             ConstructionItem { .kind = Kind::Dot, .x1 = 1e300, .y1 = 100 },
             ConstructionItem { .kind = Kind::Segment, .x1 = nan, .x2 = 100, .y2 = 100 },
             ConstructionItem { .kind = Kind::Ring, .x1 = nan, .y1 = 100, .radius = 30 },
             ConstructionItem { .kind = Kind::Ring, .x1 = 1500, .y1 = 1500, .radius = inf },
             ConstructionItem { .kind = Kind::Ring, .x1 = 1e300, .y1 = 1500, .radius = 30 },
         })
        construction.add(item);
    canvas->setConstruction(construction);
    const QImage image = probe.area();
    for (int y = 0; y < 196; y += 3)
        for (int x = 0; x < 200; x += 3)
            QCOMPARE(probe.at(image, { x, y }), canvas->backgroundColor());
}

void TestCanvas::drawingsLastOneRepaintWhenNotPersistent()
{
    DrawingCanvas canvas;
    canvas.resize(204, 200);
    Construction construction;
    construction.add(
        { .kind = ConstructionItem::Kind::Extension, .x1 = 0, .y1 = 1500, .x2 = 3000, .y2 = 1500 });
    canvas.setConstruction(construction);
    const QRect area = canvas.contentsRect();
    const QColor ink = canvas.foregroundColor();
    int inkPixels = 0;
    const QImage first = canvas.grab(area).toImage();
    for (int x = 0; x < first.width(); ++x)
        inkPixels += first.pixelColor(x, int(100 * first.devicePixelRatio())) == ink ? 1 : 0;
    QVERIFY(inkPixels > 20);
    const QImage second = canvas.grab(area).toImage();
    QCOMPARE(second.pixelColor(0, int(100 * second.devicePixelRatio())), canvas.backgroundColor());
}

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
