#include "pictureloader.h"

#include <QFileInfo>
#include <QImageReader>

PictureLoader::Verdict PictureLoader::check(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return Verdict::Missing;
    if (!info.isFile())
        return Verdict::Unreadable;
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return Verdict::Unreadable;
    if (size.width() > kMaxSide || size.height() > kMaxSide)
        return Verdict::TooLarge;
    return Verdict::Fine;
}

QImage PictureLoader::loadImage(const QString& path)
{
    if (check(path) != Verdict::Fine)
        return QImage();
    QImageReader reader(path);
    return reader.read();
}

QPixmap PictureLoader::load(const QString& path)
{
    const QImage image = loadImage(path);
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

QPixmap PictureLoader::loadUnit(const QString& path, int side)
{
    // Decoded at full size and scaled here, not shrunk by the reader: the reader smooths, and
    // a unit's look is the unsmoothed one.
    const QPixmap picture = load(path);
    if (picture.isNull())
        return picture;
    return picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
