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
    // With its size given, a file is only read when that size is asked for.
    QIcon icon;
    icon.addFile(QStringLiteral(":/content/vertisel.png"), QSize(32, 32));
    for (const int size : { 16, 22, 24, 48, 64, 128, 256 })
        icon.addFile(
            QStringLiteral(":/content/icons/vertisel-%1.png").arg(size), QSize(size, size));
    return icon;
}
