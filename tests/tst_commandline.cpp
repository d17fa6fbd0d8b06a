#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

// The installed command as a user or a desktop starts it: options, and what
// happens when it has no display to open the window on.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
    void exportFile_data();
    void exportFile();
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
                          << QString("  -v, --version    Displays version information.\n"
                                     "  --export <FILE>  Writes the worked solution")
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
    const QStringList task { "1", "15", "10", "15", "5", "1", "5", "25" };
    QTest::newRow("export, unknown extension")
        << (QStringList { "--export", "key.doc" } + task) << none << 2 << QString()
        << QString("cannot tell the format of 'key.doc' from its extension; use .pdf, .html");
    QTest::newRow("export, seven numbers") << (QStringList { "--export", "key.pdf" } + task.mid(1))
                                           << none << 2 << QString() << QString("got 7 numbers");
    QTest::newRow("export, no file")
        << QStringList { "--export" } << none << 2 << QString() << QString("got no file");
    QTest::newRow("export, folder missing")
        << (QStringList { "--export", "/nonexistent/key.pdf" } + task) << none << 1 << QString()
        << QString("cannot write '/nonexistent/key.pdf'");
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

// The export without any display, in each format, checked by what a reader
// of the file finds: the results as the fields show them in the user's
// locale, coordinates for machines with a decimal point.
void TestCommandLine::exportFile_data()
{
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QStringList>("contains");

    const QString task = "1 15 10 15 5 1 5 25"; // crossing at (5; 15)
    const QString third = "0 0 1 2 0 1 1 0"; // at (1/3; 2/3)
    const QString parallel = "0 0 10 10 0 5 10 15";
    const QString mathMl = "<math xmlns=\"http://www.w3.org/1998/Math/MathML\">";
    QTest::newRow("task, text") << task << "C"
                                << "txt"
                                << QStringList { "A2 = y1 − y2 = 1 − 25 = −24.0000", "999.9999",
                                       "T (5.0000; 15.0000)" };
    QTest::newRow("task, HTML") << task << "C"
                                << "html"
                                << QStringList { "lang=\"bg\"", mathMl, "<mn>15.0000</mn>",
                                       "<title id=\"figure-title\">Чертеж" };
    QTest::newRow("task, LaTeX") << task << "C"
                                 << "tex"
                                 << QStringList { "\\usepackage[bulgarian]{babel}", "{tikzpicture}",
                                        "$T\\left(5.0000;" };
    QTest::newRow("task, SVG") << task << "C"
                               << "svg"
                               << QStringList { "width=\"52.9mm\" height=\"51.9mm\"", "<desc" };
    QTest::newRow("task, PDF") << task << "C"
                               << "pdf" << QStringList { "/MediaBox [0 0 595.000000 842.000000]" };
    QTest::newRow("task, PNG") << task << "C"
                               << "png" << QStringList();
    QTest::newRow("fraction, text, Bulgarian")
        << third << "bg_BG.UTF-8"
        << "txt" << QStringList { "= 1/3 ≈ 0,3333", "T (0,3333; 0,6667)" };
    QTest::newRow("fraction, HTML, Bulgarian")
        << third << "bg_BG.UTF-8"
        << "html"
        << QStringList { "<mfrac><mrow><mn>1</mn></mrow><mrow><mn>3</mn></mrow></mfrac>",
               "<mn>0,6667</mn>", "cx=\"0.3\" cy=\"0.7\"" };
    QTest::newRow("fraction, LaTeX, Bulgarian")
        << third << "bg_BG.UTF-8"
        << "tex" << QStringList { "\\frac{2}{3}", "0{,}6667", "(0.3,0.7) circle" };
    QTest::newRow("fraction, SVG, Bulgarian") << third << "bg_BG.UTF-8"
                                              << "svg" << QStringList { "cx=\"0.3\" cy=\"0.7\"" };
    QTest::newRow("parallel, text")
        << parallel << "C"
        << "txt" << QStringList { "успоредни", "нямат една пресечна точка" };
    QTest::newRow("parallel, HTML") << parallel << "C"
                                    << "html" << QStringList { "успоредни", mathMl };
    QTest::newRow("parallel, SVG") << parallel << "C"
                                   << "svg" << QStringList { "<line" };
}

void TestCommandLine::exportFile()
{
    QFETCH(QString, numbers);
    QFETCH(QString, locale);
    QFETCH(QString, extension);
    QFETCH(QStringList, contains);

    QTemporaryDir folder;
    const QString file = folder.filePath("key." + extension);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANG" })
        env.remove(QString::fromLatin1(name));
    env.insert("LC_ALL", locale);
    QProcess program;
    program.setProcessEnvironment(env);
    program.start(VERTISEL_EXECUTABLE, QStringList { "--export", file } + numbers.split(' '));
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.readAllStandardError(), QByteArray());
    QCOMPARE(program.exitCode(), 0);
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    const QString text = QString::fromUtf8(bytes);
    for (const QString &part : contains)
        QVERIFY2(text.contains(part), qPrintable(part + " missing from\n" + text.left(4000)));
    if (extension == "svg" || extension == "html") {
        QXmlStreamReader xml(bytes);
        while (!xml.atEnd())
            xml.readNext();
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    } else if (extension == "png") {
        QCOMPARE(QImage::fromData(bytes, "PNG").size(), QSize(800, 784));
    } else if (extension == "pdf") {
        QCOMPARE(bytes.count("/Type /Page\n"), 1);
    }
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
