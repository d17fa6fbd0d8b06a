#include "content/taskcontent.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QSize>
#include <QString>

QString taskText()
{
    // A resource built into the program, so it always opens.
    QFile file(QStringLiteral(":/content/tasktext.txt"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

// The formats are named so that no image reader is probed for them.

QImage startupPhoto()
{
    return QImage(QStringLiteral(":/content/photo.jpg"), "JPEG");
}

QIcon applicationIcon()
{
    // With its size given, a file is only read when that size is asked for;
    // X11 asks for every size at once, for the window manager's icon list.
    // Title bars and task switchers need no more than 64 pixels; larger
    // pictures come from the icon theme through the launcher entry.
    QIcon icon;
    icon.addFile(QStringLiteral(":/content/vertisel.png"), QSize(32, 32));
    for (const int size : { 16, 22, 24, 48, 64 })
        icon.addFile(
            QStringLiteral(":/content/icons/vertisel-%1.png").arg(size), QSize(size, size));
    return icon;
}
