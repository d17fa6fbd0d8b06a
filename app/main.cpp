#include "app/applicationinfo.h"
#include "app/vertisel.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Without a display Qt would abort with a long message; say it in one line.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
            "vertisel: no display to open the window on (DISPLAY is not set); "
            "start it in a desktop session or with xvfb-run\n");
        return 1;
    }
#endif
    QApplication app(argc, argv);
    setApplicationInfo();

    Vertisel window;
    window.show();
    return app.exec();
}
