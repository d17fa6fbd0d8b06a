// Start-up of the real program: what main() does, ending after the first frame.
#include "app/applicationinfo.h"
#include "app/vertisel.h"
#include "startupexit.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setApplicationInfo();
    Vertisel window;
    QuitAfterFirstFrame quit;
    window.installEventFilter(&quit);
    window.show();
    return app.exec();
}
