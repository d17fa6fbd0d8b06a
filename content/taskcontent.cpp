#include "content/taskcontent.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QResource>
#include <QString>

QString taskText()
{
    // A resource built into the program, so it always opens.
    QFile file(QStringLiteral(":/content/tasktext.txt"));
    file.open(QIODevice::ReadOnly);
    return QString::fromUtf8(file.readAll());
}

QImage startupPhoto()
{
    // Raw 24-bit pixels stored uncompressed in the program: the image reads
    // them in place, so start-up needs no image decoder and no decompressor.
    constexpr int kWidth = 200;
    constexpr int kHeight = 196;
    constexpr int kBytesPerLine = kWidth * 3;
    const QResource pixels(QStringLiteral(":/content/photo.rgb"));
    if (!pixels.isValid() || pixels.compressionAlgorithm() != QResource::NoCompression
        || pixels.size() != qint64(kBytesPerLine) * kHeight)
        return QImage();
    return QImage(pixels.data(), kWidth, kHeight, kBytesPerLine, QImage::Format_RGB888);
}

// The format is named so that no image reader is probed for it.

QIcon applicationIcon()
{
    // Read by the built-in PNG reader alone: without this, every image
    // plugin installed would be loaded to look at the file first.
    QImageReader reader(QStringLiteral(":/content/vertisel.png"), "PNG");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}
