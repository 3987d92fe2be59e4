#include "pictureloader.h"

#include <QFileInfo>
#include <QImageReader>

#include <cmath>

qreal PictureLoader::ratio = 1;

void PictureLoader::setPixelRatio(qreal screenRatio)
{
    ratio = screenRatio > 1 ? screenRatio : 1;
}

qreal PictureLoader::pixelRatio()
{
    return ratio;
}

QString PictureLoader::sharpPath(const QString& path)
{
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    if (dot <= slash)
        return path + QStringLiteral("@2x");
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

QSize PictureLoader::logicalSize(const QPixmap& picture)
{
    const qreal pictureRatio = picture.devicePixelRatio();
    return QSize(qRound(picture.width() / pictureRatio), qRound(picture.height() / pictureRatio));
}

QPixmap PictureLoader::forScreen(const QString& path, const QPixmap& plain, const QSize& logicalSize)
{
    if (ratio <= 1 || plain.isNull())
        return plain;
    const QImage sharp = loadImage(sharpPath(path));
    if (sharp.isNull())
        return plain;
    const QSize pixels(static_cast<int>(std::lround(logicalSize.width() * ratio)), static_cast<int>(std::lround(logicalSize.height() * ratio)));
    // At 125 % or 150 % the 2x picture is scaled down, which keeps more of its detail than the
    // 1x picture scaled up.
    QPixmap picture = QPixmap::fromImage(sharp.size() == pixels ? sharp : sharp.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    picture.setDevicePixelRatio(ratio);
    return picture;
}

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
    if (image.isNull())
        return QPixmap();
    return forScreen(path, QPixmap::fromImage(image), image.size());
}

QPixmap PictureLoader::loadUnit(const QString& path, int side)
{
    // Decoded at full size and scaled here, not shrunk by the reader: the reader smooths, and
    // a unit's look is the unsmoothed one.
    const QImage image = loadImage(path);
    if (image.isNull())
        return QPixmap();
    const QPixmap plain = QPixmap::fromImage(image).scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return forScreen(path, plain, QSize(side, side));
}
