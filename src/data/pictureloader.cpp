#include "pictureloader.h"

#include "boundedfile.h"
#include "datalimits.h"

#include <QBuffer>
#include <QImageReader>

#include <cmath>

PictureLoader::PictureLoader(qreal pixelRatio)
    : ratio(pixelRatio > 1 ? pixelRatio : 1)
{
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

QPixmap PictureLoader::forScreen(const QString& path, const QPixmap& plain, const QSize& logicalSize) const
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

namespace {
// Qt 6's own bound on what one decode may allocate, in MB: a picture of kMaxSide a side in
// 16-bit colour (128 MB), so that a header that lies about its size cannot make the decoder
// take more. Qt 5 has no such bound; there the side read from the header is the only guard.
constexpr int kDecodeMegabytes = PictureLoader::kMaxSide * PictureLoader::kMaxSide * 8 / (1024 * 1024);

PictureLoader::Verdict verdictOfFile(const BoundedFile& file)
{
    switch (file.verdict()) {
    case BoundedFile::Verdict::Read:
        return PictureLoader::Verdict::Fine;
    case BoundedFile::Verdict::Missing:
        return PictureLoader::Verdict::Missing;
    case BoundedFile::Verdict::NotRegular:
        return PictureLoader::Verdict::NotRegular;
    case BoundedFile::Verdict::TooLarge:
        return PictureLoader::Verdict::FileTooLarge;
    case BoundedFile::Verdict::Unreadable:
        break;
    }
    return PictureLoader::Verdict::Unreadable;
}
}

PictureLoader::Verdict PictureLoader::checkHeader(QImageReader& reader)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QImageReader::setAllocationLimit(kDecodeMegabytes);
#endif
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return Verdict::Unreadable;
    if (size.width() > kMaxSide || size.height() > kMaxSide)
        return Verdict::TooLarge;
    return Verdict::Fine;
}

PictureLoader::Verdict PictureLoader::check(const QString& path)
{
    return loadChecked(path, false).verdict;
}

PictureLoader::Checked PictureLoader::loadChecked(const QString& path, bool wantPixels)
{
    Checked checked;
    const BoundedFile file = BoundedFile::read(path, DataLimits::kPictureBytes);
    checked.verdict = verdictOfFile(file);
    if (wantPixels && (checked.verdict == Verdict::NotRegular || checked.verdict == Verdict::FileTooLarge))
        BoundedFile::sayOnce(path, file.problem(), QStringLiteral("read as a missing picture"));
    if (!file.isRead())
        return checked;
    QBuffer buffer;
    buffer.setData(file.bytes());
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    checked.verdict = checkHeader(reader);
    if (checked.verdict == Verdict::Fine && wantPixels)
        checked.image = reader.read();
    return checked;
}

QString PictureLoader::problem(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Fine:
        return QString();
    case Verdict::Missing:
        return QStringLiteral("the picture is missing");
    case Verdict::Unreadable:
        return QStringLiteral("the picture cannot be read as an image");
    case Verdict::TooLarge:
        return QStringLiteral("the picture is larger than %1 pixels a side").arg(kMaxSide);
    case Verdict::NotRegular:
        return QStringLiteral("this is not a regular file");
    case Verdict::FileTooLarge:
        return QStringLiteral("the file is larger than the %1 bytes the game reads of a picture").arg(DataLimits::kPictureBytes);
    }
    return QString();
}

QImage PictureLoader::loadImage(const QString& path)
{
    return loadChecked(path, true).image;
}

QPixmap PictureLoader::load(const QString& path) const
{
    const QImage image = loadImage(path);
    if (image.isNull())
        return QPixmap();
    return forScreen(path, QPixmap::fromImage(image), image.size());
}

QPixmap PictureLoader::loadUnit(const QString& path, int side) const
{
    // Decoded at full size and scaled here, not shrunk by the reader: the reader smooths, and
    // a unit's look is the unsmoothed one.
    const QImage image = loadImage(path);
    if (image.isNull())
        return QPixmap();
    const QPixmap plain = QPixmap::fromImage(image).scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return forScreen(path, plain, QSize(side, side));
}
