#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The installed command as a user or a desktop starts it: options, and what
// happens when it has no display to open the window on.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
};

void TestCommandLine::run_data()
{
    QTest::addColumn<QStringList>("arguments");
    // NAME=value pairs, on top of an environment without any display.
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // standard output contains this, or is empty
    QTest::addColumn<QString>("error"); // the one line on standard error contains this

    const QStringList none;
    QTest::newRow("help") << QStringList { "--help" } << none << 0
                          << QString("Options:\n  -h, --help     Displays this help and exits.\n"
                                     "  -v, --version  Displays version information.\n")
                          << QString();
    QTest::newRow("version") << QStringList { "--version" } << none << 0
                             << QString("Vertisel 1.0.0.0\n") << QString();
    QTest::newRow("short version after a Qt option")
        << QStringList { "-platform", "offscreen", "-v" } << none << 0
        << QString("Vertisel 1.0.0.0\n") << QString();
    // Qt takes its own options out first, and needs a platform for that.
    const QStringList offscreen { "QT_QPA_PLATFORM=offscreen" };
    QTest::newRow("unknown option") << QStringList { "--frobnicate" } << offscreen << 2 << QString()
                                    << QString("Unknown option 'frobnicate'");
    QTest::newRow("stray argument") << QStringList { "-style", "fusion", "points.txt" } << offscreen
                                    << 2 << QString() << QString("'points.txt'");
    QTest::newRow("unknown option, no display")
        << QStringList { "-style", "fusion", "--no-such-option" } << none << 2 << QString()
        << QString("Unknown option 'no-such-option'");
    QTest::newRow("platform on the command line, no display variable")
        << QStringList { "-platform", "nosuch" } << none << 1 << QString()
        << QString("platform plugin 'nosuch' is not installed");
    QTest::newRow("Qt's own options go to Qt")
        << QStringList { "-qwindowtitle", "T", "-qwindowicon", "i.png", "-plugin", "p",
               "-platformpluginpath", "/nonexistent", "--platform", "nosuch" }
        << none << 1 << QString() << QString("platform plugin 'nosuch' is not installed");
    QTest::newRow("no display variable")
        << QStringList() << none << 1 << QString() << QString("DISPLAY is not set");
    QTest::newRow("X server gone") << QStringList() << QStringList { "DISPLAY=:4093" } << 1
                                   << QString() << QString("no X server answers (DISPLAY=:4093)");
    QTest::newRow("Wayland compositor gone, no X server")
        << QStringList() << QStringList { "WAYLAND_DISPLAY=vertisel-gone" } << 1 << QString()
        << QString("no Wayland compositor answers (WAYLAND_DISPLAY=vertisel-gone)");
    QTest::newRow("chosen platform plugin missing")
        << QStringList() << QStringList { "QT_QPA_PLATFORM=nosuch" } << 1 << QString()
        << QString("platform plugin 'nosuch' is not installed");
    QTest::newRow("Wayland plugin missing, X server gone")
        << QStringList() << QStringList { "QT_QPA_PLATFORM=wayland-none;xcb", "DISPLAY=:4093" } << 1
        << QString()
        << QString("Qt's Wayland plugin is not installed, no X server answers (DISPLAY=:4093); "
                   "install the package qt6-wayland");
}

void TestCommandLine::run()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, environment);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, error);

    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" })
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    for (const QString &pair : environment)
        env.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));

    QProcess program;
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(VERTISEL_EXECUTABLE), arguments);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit); // never an abort
    QCOMPARE(program.exitCode(), exitCode);
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    const QString err = QString::fromUtf8(program.readAllStandardError());
    if (output.isEmpty())
        QCOMPARE(out, QString());
    else
        QVERIFY2(out.contains(output), qPrintable(out));
    if (error.isEmpty()) {
        QCOMPARE(err, QString());
    } else {
        QVERIFY2(
            err.startsWith(QStringLiteral("vertisel: ")) && err.count(u'\n') == 1, qPrintable(err));
        QVERIFY2(err.contains(error), qPrintable(err));
    }
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
