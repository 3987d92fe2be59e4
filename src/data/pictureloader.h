#ifndef PICTURELOADER_H
#define PICTURELOADER_H

#include <QImage>
#include <QPixmap>
#include <QString>

class QImageReader;

// Every picture the game shows comes through here. The file is read whole into memory, up to
// DataLimits::kPictureBytes, and only if it is a regular file; its size is read from the
// header in those bytes first, so that a picture far larger than the field (a modder's
// 20000 × 20000 icon) is never decoded: it is treated exactly like a missing picture.
//
// On a screen of more than one device pixel per logical pixel, a picture "name.png" is drawn
// from "name@2x.png" when there is one, at the logical size of "name.png": the 1x file decides
// every size and position in the game, the 2x file only how sharp it looks.
class PictureLoader
{
public:
    enum class Verdict { Fine, Missing, Unreadable, TooLarge, NotRegular, FileTooLarge };

    // No picture the game shows comes near this; a side of 4096 decodes to at most 64 MB.
    static constexpr int kMaxSide = 4096;

    static Verdict check(const QString& path);
    // Why a picture of the verdict is not drawn, in a few words naming the limit; empty when Fine.
    static QString problem(Verdict verdict);
    // The device pixel ratio pictures are loaded for: the screen's, set once at start.
    static void setPixelRatio(qreal ratio);
    static qreal pixelRatio();
    // "images/name.png" -> "images/name@2x.png".
    static QString sharpPath(const QString& path);
    // The size a picture takes in the window, whatever its pixel ratio.
    static QSize logicalSize(const QPixmap& picture);
    // The picture at its own size, or a null image when the verdict is not Fine or the data
    // behind the header is broken.
    static QImage loadImage(const QString& path);
    static QPixmap load(const QString& path);
    // side × side, ignoring the aspect ratio, unsmoothed: the look of a unit on the field.
    static QPixmap loadUnit(const QString& path, int side);

private:
    struct Checked
    {
        Verdict verdict = Verdict::Missing;
        QImage image; // null unless Fine and asked for
    };
    // The file read within its limit, its header checked, and its pixels decoded when asked
    // for and the header gives a size within kMaxSide.
    static Checked loadChecked(const QString& path, bool wantPixels);
    static Verdict checkHeader(QImageReader& reader);
    // The picture of logicalSize for the current pixel ratio, from the 2x file when there is one.
    static QPixmap forScreen(const QString& path, const QPixmap& plain, const QSize& logicalSize);

    static qreal ratio;
};

#endif
