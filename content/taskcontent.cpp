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

namespace {

// Read by the built-in PNG reader alone: without naming the format and
// turning detection off, every image plugin installed would be loaded to
// look at the file first.
QPixmap pngPixmap(const QString &path)
{
    QImageReader reader(path, "PNG");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

} // namespace

QIcon applicationIcon()
{
    // X11 reads every size at once, for the window manager's icon list, so
    // the sizes are decoded here. Title bars and task switchers need no more
    // than 64 pixels; larger pictures come from the icon theme through the
    // launcher entry.
    QIcon icon(pngPixmap(QStringLiteral(":/content/vertisel.png")));
    for (const int size : { 16, 22, 24, 48, 64 })
        icon.addPixmap(pngPixmap(QStringLiteral(":/content/icons/vertisel-%1.png").arg(size)));
    return icon;
}
