#include "app/vertisel.h"
#include "startup/applicationinfo.h"
#include "startup/commandline.h"
#include "startup/exportcommand.h"
#include "startup/platformchoice.h"
#ifdef Q_OS_WASM
#include "startup/webaccessibility.h"
#include "startup/webpage.h"
#endif

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = runExportCommand(argc, argv))
        return *status;
    if (const std::optional<int> status = handleCommandLine(argc, argv))
        return *status;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_WASM)
    // Without a display Qt would abort with a long message; say it in one line.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !platformNamed(argc, argv)) {
        std::fprintf(stderr,
            "vertisel: no display to open the window on (DISPLAY is not set); "
            "start it in a desktop session or with xvfb-run\n");
        return 1;
    }
    beginPlatformStart(argc, argv);
#endif
#ifdef Q_OS_WASM
    // The page's own elements take the on-screen keyboards' text; Qt's input
    // context would open a hidden element of its own for them.
    qputenv("QT_IM_MODULE", "none");
#endif
    QApplication app(argc, argv);
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_WASM)
    endPlatformStart();
#endif
    if (const std::optional<int> status = rejectUnknownArguments())
        return *status;
    setApplicationInfo();
#ifdef Q_OS_WASM
    loadWebFont();
    listenForWebAccessibility();
    Vertisel window;
    showInWebPage(window);
#else
    Vertisel window;
    window.show();
#endif
    return app.exec();
}
