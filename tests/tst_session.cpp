#include "startup/applicationinfo.h"
#include "windowprobe.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QWindow>

// The window on a real display server, Wayland (weston) or X11 (Xvfb), driven
// through its platform window the way the server's input arrives.
class TestSession : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void calculateOnScreen();
    void launcherMatchesWindow();
};

namespace {

// The point at the middle of a control, in the platform window's coordinates.
QPoint centreInWindow(const QWidget *control)
{
    return control->mapTo(control->window(), control->rect().center());
}

QString desktopEntryKey(const QString &key)
{
    QFile entry(QStringLiteral(VERTISEL_DESKTOP_ENTRY));
    if (!entry.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    const QRegularExpression line(
        QStringLiteral("^%1=(.*)$").arg(key), QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(entry.readAll())).captured(1);
}

} // namespace

void TestSession::initTestCase()
{
    const QString platform = QGuiApplication::platformName();
    QVERIFY2(platform == QStringLiteral("wayland") || platform == QStringLiteral("xcb"),
        qPrintable(platform));
    setApplicationInfo();
}

void TestSession::calculateOnScreen()
{
    Vertisel w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QWindow *window = w.windowHandle();
    // The server gave the window its designed size, in logical pixels.
    QTRY_COMPARE(window->size(), QSize(487, 424));
    QCOMPARE(w.size(), QSize(487, 424));

    // The task's example, typed into the fields: (1,15)-(10,15); (5,1)-(5,25).
    WindowProbe probe { w };
    const auto inputs = FieldTable::kInputFields;
    const char *values[8] = { "1", "15", "10", "15", "5", "1", "5", "25" };
    for (int i = 0; i < 8; ++i) {
        QTest::mouseClick(window, Qt::LeftButton, {}, centreInWindow(probe.field(inputs[i])));
        for (const char *c = values[i]; *c; ++c)
            QTest::keyClick(window, *c);
        QCOMPARE(probe.text(inputs[i]), QString::fromLatin1(values[i]));
    }
    QTest::mouseClick(window, Qt::LeftButton, {}, centreInWindow(probe.button(0)));
    QCOMPARE(probe.text(kXt), QStringLiteral("5.0000"));
    QCOMPARE(probe.text(kYt), QStringLiteral("15.0000"));
}

void TestSession::launcherMatchesWindow()
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        QSKIP("a Wayland window is matched by its app id, the desktop entry's name");
    Vertisel w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
        { QStringLiteral("-id"), QString::number(w.winId()), QStringLiteral("WM_CLASS") });
    QVERIFY2(xprop.waitForFinished(10000) && xprop.exitCode() == 0, "xprop did not run");
    // WM_CLASS(STRING) = "instance", "class": docks match the class.
    const QString answer = QString::fromLocal8Bit(xprop.readAllStandardOutput()).trimmed();
    const QString wmClass = answer.section(u'"', 3, 3);
    QVERIFY2(!wmClass.isEmpty(), qPrintable(answer));
    QCOMPARE(wmClass, desktopEntryKey(QStringLiteral("StartupWMClass")));
}

QTEST_MAIN(TestSession)
#include "tst_session.moc"
