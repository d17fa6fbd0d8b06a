#include "windowprobe.h"

#include "app/captioncolours.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

#include <memory>

// The window's layout as designed, in logical pixels (twips / 15).
class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void window();
    void geometry_data();
    void geometry();
    void fields_data();
    void fields();
    void colours_data();
    void colours();
    void framesClearTheirControls();
    void focusOrder();
    void enterPressesFocusedButton_data();
    void enterPressesFocusedButton();
    void resultFieldsRejectTyping();
    void accessibility_data();
    void accessibility();
    void contextMenus_data();
    void contextMenus();
};

void TestWindow::window()
{
    Vertisel w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Аналитична геометрия - пресечна точка"));
    QCOMPARE(w.size(), QSize(487, 424));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!w.windowIcon().isNull());
    QCOMPARE(w.font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(w.font().pointSize(), 12);
    // Picture2 exists but is never shown.
    QWidget *hidden = w.findChild<QWidget *>(QStringLiteral("Picture2"));
    QVERIFY(hidden);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(!hidden->isVisible());
    // The whole frame, title bar included, stands in the middle of the screen.
    QCOMPARE(w.frameGeometry().center(), w.screen()->availableGeometry().center());
    QCOMPARE(hidden->geometry(), QRect(-8, 168, 41, 17));
    QCOMPARE(w.taskState().ClickCount, qint16(0));
    // The window font resolves to a serif face that has Cyrillic letters.
    const QFontInfo info(w.font());
    QVERIFY2(QFontMetrics(w.font()).inFontUcs4(U'Ж'), qPrintable(info.family()));
    QVERIFY2(!info.fixedPitch(), qPrintable(info.family()));
}

void TestWindow::geometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QString>("caption");

    QTest::newRow("Calculate") << "Command1_0"
                               << "" << QRect(8, 0, 65, 25) << "Изчисли";
    QTest::newRow("Title") << "Label1_0"
                           << "" << QRect(80, 0, 329, 25)
                           << "Геометрия - пресечна точка на две прави\r\n";
    QTest::newRow("Clear") << "Command1_1"
                           << "" << QRect(424, 0, 65, 25) << "Изчисти";
    QTest::newRow("Canvas") << "Picture1"
                            << "" << QRect(8, 32, 204, 200) << "";
    QTest::newRow("Line 1") << "Frame1_0"
                            << "" << QRect(216, 32, 265, 121) << "Права 1:";
    QTest::newRow("Line 2") << "Frame1_1"
                            << "" << QRect(216, 160, 265, 121) << "Права 2:";
    QTest::newRow("Crossing") << "Frame1_2"
                              << "" << QRect(8, 232, 201, 41) << "Координати на пресечна т.";
    QTest::newRow("Task text") << "Text1_0"
                               << "" << QRect(8, 288, 473, 129) << "";
    QTest::newRow("X1 of line 1") << "Label2_0"
                                  << "Frame1_0" << QRect(8, 24, 25, 21) << "X1:";
    QTest::newRow("k1") << "Label2_16"
                        << "Frame1_0" << QRect(136, 96, 25, 21) << "k1:";
    QTest::newRow("Y1 of line 2") << "Label2_8"
                                  << "Frame1_1" << QRect(136, 24, 33, 21) << "Y1:";
    QTest::newRow("k2") << "Label2_17"
                        << "Frame1_1" << QRect(136, 96, 33, 21) << "k2:";
    QTest::newRow("X caption") << "Label2_14"
                               << "Frame1_2" << QRect(8, 16, 17, 21) << "X:";
    QTest::newRow("Y caption") << "Label2_15"
                               << "Frame1_2" << QRect(104, 16, 17, 21) << "Y:";
}

void TestWindow::geometry()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, rect);
    QFETCH(QString, caption);
    Vertisel w;
    QWidget *control = w.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), parent.isEmpty() ? w.objectName() : parent);
    QCOMPARE(control->geometry(), rect);
    if (auto *button = qobject_cast<QPushButton *>(control))
        QCOMPARE(button->text(), caption);
    else if (auto *label = qobject_cast<QLabel *>(control))
        QCOMPARE(label->text(), caption);
    else if (auto *frame = qobject_cast<QGroupBox *>(control))
        QCOMPARE(frame->title(), caption);
}

void TestWindow::fields_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("result");

    const struct
    {
        int index;
        const char *frame;
        const char *caption;
        QRect rect;
    } rows[] = {
        { 0, "Frame1_0", "X1:", { 32, 24, 97, 21 } },
        { 1, "Frame1_0", "Y1:", { 160, 24, 97, 21 } },
        { 2, "Frame1_0", "X2:", { 32, 48, 97, 21 } },
        { 3, "Frame1_0", "Y2:", { 160, 48, 97, 21 } },
        { 4, "Frame1_0", "A1:", { 32, 72, 97, 22 } },
        { 5, "Frame1_0", "B1:", { 160, 72, 97, 22 } },
        { 6, "Frame1_0", "C1:", { 32, 96, 97, 22 } },
        { 16, "Frame1_0", "k1:", { 160, 96, 97, 22 } },
        { 7, "Frame1_1", "X1:", { 32, 24, 97, 21 } },
        { 8, "Frame1_1", "Y1:", { 168, 24, 89, 21 } },
        { 9, "Frame1_1", "X2:", { 32, 48, 97, 21 } },
        { 10, "Frame1_1", "Y2:", { 168, 48, 89, 21 } },
        { 11, "Frame1_1", "A2:", { 32, 72, 97, 21 } },
        { 12, "Frame1_1", "B2:", { 168, 72, 89, 21 } },
        { 13, "Frame1_1", "C2:", { 32, 96, 97, 21 } },
        { 17, "Frame1_1", "k2:", { 168, 96, 89, 21 } },
        { 14, "Frame1_2", "X:", { 24, 16, 73, 21 } },
        { 15, "Frame1_2", "Y:", { 120, 16, 73, 21 } },
    };
    for (const auto &row : rows) {
        const bool result = !((row.index <= 3) || (row.index >= 7 && row.index <= 10));
        QTest::addRow("Text2_%d", row.index)
            << row.index << row.frame << QString::fromUtf8(row.caption) << row.rect << result;
    }
}

void TestWindow::fields()
{
    QFETCH(int, index);
    QFETCH(QString, frame);
    QFETCH(QString, caption);
    QFETCH(QRect, rect);
    QFETCH(bool, result);
    Vertisel w;
    WindowProbe probe { w };
    QLineEdit *field = probe.field(index);
    QVERIFY(field);
    QCOMPARE(field->parentWidget()->objectName(), frame);
    QCOMPARE(field->geometry(), rect);
    QCOMPARE(field->isReadOnly(), result);
    QCOMPARE(field->text(), QString());
    QCOMPARE(field->font().pointSizeF(), result ? 9.75 : 12.0);
    QCOMPARE(field->font().family(), QStringLiteral("Times New Roman"));
    auto *label = w.findChild<QLabel *>(QStringLiteral("Label2_%1").arg(index));
    QVERIFY(label);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->parentWidget(), field->parentWidget());
    QCOMPARE(label->buddy(), field);
}

void TestWindow::colours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("colour");

    QTest::newRow("window") << "" << int(QPalette::Window) << QColor(192, 192, 255);
    QTest::newRow("Calculate") << "Command1_0" << int(QPalette::Button) << QColor(0, 255, 0);
    QTest::newRow("Clear") << "Command1_1" << int(QPalette::Button) << QColor(255, 0, 0);
    QTest::newRow("title") << "Label1_0" << int(QPalette::Window) << QColor(255, 192, 128);
    QTest::newRow("frame") << "Frame1_2" << int(QPalette::Window) << QColor(192, 192, 255);
    QTest::newRow("caption") << "Label2_17" << int(QPalette::Window) << QColor(128, 128, 255);
}

void TestWindow::colours()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QColor, colour);
    Vertisel w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWidget *control = name.isEmpty() ? &w : w.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->palette().color(QPalette::ColorRole(role)), colour);
    if (role == QPalette::Button) {
        // The face is exactly the colour, raised or pressed, under a style
        // that shades the palette and under one that ignores it.
        auto *button = static_cast<QPushButton *>(control);
        for (const char *styleName : { "Fusion", "Windows" }) {
            std::unique_ptr<QStyle> style(QStyleFactory::create(QLatin1String(styleName)));
            button->setStyle(style.get());
            for (const bool pressed : { false, true }) {
                button->setDown(pressed);
                const QImage shot = button->grab().toImage();
                QCOMPARE(shot.pixelColor(3, 3), colour);
                QCOMPARE(shot.pixelColor(shot.width() - 4, shot.height() - 4), colour);
            }
            button->setDown(false);
            button->setStyle(nullptr);
        }
    }
    if (role == QPalette::Window) {
        // Opaque: the colour is on screen in a corner clear of captions and
        // of a frame's border line.
        const QImage shot = control->grab().toImage();
        const QPoint corner = control == &w ? QPoint(shot.width() - 2, shot.height() - 2)
                                            : QPoint(shot.width() - 2, 1);
        QCOMPARE(shot.pixelColor(corner), colour);
    }
    // Captions keep the desktop's text colour where it reads on their fixed
    // background, as black does here, and turn black under a dark theme.
    const auto text = role == QPalette::Button ? QPalette::ButtonText : QPalette::WindowText;
    QCOMPARE(control->palette().color(text), QApplication::palette().color(text));
    const QPalette desktop = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(53, 53, 53))); // white text
    Vertisel dark;
    QWidget *darkControl = name.isEmpty() ? &dark : dark.findChild<QWidget *>(name);
    const double contrast = contrastRatio(darkControl->palette().color(text), colour);
    QApplication::setPalette(desktop);
    QVERIFY2(contrast >= 4.5, qPrintable(QString::number(contrast)));
}

void TestWindow::framesClearTheirControls()
{
    Vertisel w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (QGroupBox *frame : w.findChildren<QGroupBox *>()) {
        // The border's horizontal edges, seen left of the caption.
        const QImage shot = frame->grab().toImage();
        QList<int> rows;
        for (int y = 0; y < shot.height(); ++y)
            if (shot.pixelColor(4, y) != frame->palette().color(QPalette::Window))
                rows << y;
        QVERIFY(!rows.isEmpty());
        for (const QWidget *child : frame->findChildren<QWidget *>())
            for (int y : rows)
                QVERIFY2(y < child->y() || y > child->geometry().bottom(),
                    qPrintable(child->objectName()));
    }
}

void TestWindow::focusOrder()
{
    Vertisel w;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    const QStringList expected { "Text1_0", "Text2_0", "Text2_1", "Text2_2", "Text2_3", "Text2_4",
        "Text2_5", "Text2_6", "Command1_0", "Command1_1", "Text2_16", "Text2_7", "Text2_8",
        "Text2_9", "Text2_10", "Text2_11", "Text2_12", "Text2_13", "Text2_17", "Picture1",
        "Text2_14", "Text2_15", "Text1_0" };
    QCOMPARE(QApplication::focusWidget()->objectName(), expected.first());
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), expected[i]);
    }
}

void TestWindow::enterPressesFocusedButton_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("calculates");

    QTest::newRow("Return on Calculate") << "Command1_0" << int(Qt::Key_Return) << true;
    QTest::newRow("keypad Enter on Calculate") << "Command1_0" << int(Qt::Key_Enter) << true;
    QTest::newRow("Return in a field") << "Text2_0" << int(Qt::Key_Return) << false;
    QTest::newRow("Return on Clear") << "Command1_1" << int(Qt::Key_Return) << false;
}

void TestWindow::enterPressesFocusedButton()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(bool, calculates);
    Vertisel w;
    WindowProbe probe { w };
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    probe.type(kLine1X1, QStringLiteral("7"));
    w.findChild<QWidget *>(focus)->setFocus();
    const Qt::KeyboardModifiers keypad = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
    QTest::keyClick(w.windowHandle(), Qt::Key(key), keypad);
    QCOMPARE(probe.text(kA1).isEmpty(), !calculates);
    // Clear empties the field that was typed into; nothing else does.
    QCOMPARE(probe.text(kLine1X1).isEmpty(), focus == QLatin1String("Command1_1"));
}

void TestWindow::resultFieldsRejectTyping()
{
    Vertisel w;
    WindowProbe probe { w };
    QTest::keyClicks(probe.field(kLine1X1), "12");
    QCOMPARE(probe.text(kLine1X1), QStringLiteral("12"));
    QTest::keyClicks(probe.field(kA1), "12");
    QCOMPARE(probe.text(kA1), QString());
    // Long text stays whole: nothing limits what a user types.
    probe.type(kLine1Y1, QString(32767, u'7'));
    QCOMPARE(probe.text(kLine1Y1).size(), 32767);
}

void TestWindow::accessibility_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<bool>("editable");

    QTest::newRow("window") << "" << int(QAccessible::Window)
                            << "Аналитична геометрия - пресечна точка" << false;
    QTest::newRow("canvas") << "Picture1" << int(QAccessible::Graphic) << "Чертеж" << false;
    QTest::newRow("title") << "Label1_0" << int(QAccessible::StaticText)
                           << "Геометрия - пресечна точка на две прави" << false;
    QTest::newRow("input") << "Text2_0" << int(QAccessible::EditableText) << "Права 1: X1:" << true;
    QTest::newRow("slope") << "Text2_17" << int(QAccessible::EditableText)
                           << "Права 2: k2:" << false;
    QTest::newRow("crossing") << "Text2_15" << int(QAccessible::EditableText)
                              << "Координати на пресечна т. Y:" << false;
}

void TestWindow::accessibility()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(QString, accessibleName);
    QFETCH(bool, editable);
    Vertisel w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QObject *control = name.isEmpty() ? &w : w.findChild<QObject *>(name);
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(control);
    QVERIFY(a);
    QCOMPARE(int(a->role()), role);
    QCOMPARE(a->text(QAccessible::Name), accessibleName);
    QCOMPARE(a->state().editable, editable);
    QCOMPARE(bool(a->editableTextInterface()), editable);
    if (auto *field = qobject_cast<QLineEdit *>(control)) {
        QCOMPARE(a->state().readOnly, !editable);
        QVERIFY(a->textInterface());
        // A client cannot write into a result field, whatever it tries.
        a->setText(QAccessible::Value, QStringLiteral("zzz"));
        QCOMPARE(field->text().isEmpty(), !editable);
        // The whole text is one run, and an empty field says so first.
        int start = -1, end = -1;
        a->textInterface()->attributes(0, &start, &end);
        QCOMPARE(QPoint(start, end), QPoint(0, int(field->text().size())));
        QCOMPARE(a->text(QAccessible::Description).startsWith("Празно."), !editable);
    }
    // The hidden picture box is not in the tree.
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&w);
    for (int i = 0; i < window->childCount(); ++i)
        QVERIFY(window->child(i)->object()->objectName() != QLatin1String("Picture2"));
}

void TestWindow::contextMenus_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key"); // 0: a right press
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QStringList>("entries"); // empty: no menu

    // Ctrl+C copies the figure only on the canvas; elsewhere it is the field's own Copy.
    const QStringList commands { "Копирай чертежа", "Копирай решението\tCtrl+Shift+C",
        "Запиши решението…\tCtrl+S", "Отпечатай решението…\tCtrl+P" };
    const QStringList onCanvas = QStringList { "Копирай чертежа\tCtrl+C" } + commands.mid(1);
    // Qt's own entries in Bulgarian, then the commands.
    QTest::newRow("input field") << "Text2_0" << 0 << 0
                                 << (QStringList { "&Отмяна", "&Поставяне", "Избиране на всичко" }
                                        + commands);
    QTest::newRow("result field") << "Text2_17" << 0 << 0
                                  << (QStringList { "&Копиране" } + commands);
    QTest::newRow("task text") << "Text1_0" << 0 << 0 << (QStringList { "&Копиране" } + commands);
    QTest::newRow("canvas, Menu key") << "Picture1" << int(Qt::Key_Menu) << 0 << onCanvas;
    QTest::newRow("canvas, Shift+F10")
        << "Picture1" << int(Qt::Key_F10) << int(Qt::ShiftModifier) << onCanvas;
    // A right press on the canvas sets a point, as every press does.
    QTest::newRow("canvas, right press") << "Picture1" << 0 << 0 << QStringList();
    QTest::newRow("caption") << "Label2_0" << 0 << 0 << commands;
    QTest::newRow("button") << "Command1_0" << 0 << 0 << QStringList();
}

void TestWindow::contextMenus()
{
    QFETCH(QString, name);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QStringList, entries);
    Vertisel w;
    WindowProbe probe { w };
    QWidget *control = w.findChild<QWidget *>(name);
    QWindow *window = probe.handle();
    QStringList shown;
    // The menu runs its own loop; it is read and closed from there.
    QTimer::singleShot(100, &w, [&shown] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (const QAction *action : menu->actions())
                if (!action->isSeparator())
                    shown << action->text().section(u'\t', 0, 0)
                            + (action->shortcut().isEmpty()
                                    ? QString()
                                    : u'\t' + action->shortcut().toString());
            menu->close();
        }
    });
    if (key) {
        control->setFocus();
        QTest::keyClick(window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    } else {
        probe.click(control, control->rect().center(), Qt::RightButton);
    }
    QTest::qWait(200);
    for (const QString &entry : entries)
        QVERIFY2(shown.contains(entry), qPrintable(shown.join(" | ")));
    QCOMPARE(shown.isEmpty(), entries.isEmpty());
    if (name == "Picture1") {
        // A screen reader finds the same commands among the canvas's actions.
        QAccessibleInterface *canvas = QAccessible::queryAccessibleInterface(control);
        for (const QString &command : QStringList { "Копирай чертежа", "Запиши решението…" })
            QVERIFY(canvas->actionInterface()->actionNames().contains(command));
        QVERIFY(canvas->text(QAccessible::Description).contains("Ctrl+Shift+C"));
    }
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
