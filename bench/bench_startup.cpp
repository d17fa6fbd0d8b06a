// Start-up of the real program: what main() does, ending after the first frame.
#include "app/vertisel.h"
#include "startup/applicationinfo.h"
#include "startup/commandline.h"
#include "startup/platformchoice.h"
#include "startupexit.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const std::optional<int> status = handleCommandLine(argc, argv))
        return *status;
    beginPlatformStart(argc, argv);
    QApplication app(argc, argv);
    endPlatformStart();
    setApplicationInfo();
    Vertisel window;
    QuitAfterFirstFrame quit;
    window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
