#include "startup/applicationinfo.h"

#include <QGuiApplication>

void setApplicationInfo()
{
    QCoreApplication::setApplicationName(QStringLiteral("Vertisel"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VERTISEL_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(VERTISEL_APP_ID));
}
