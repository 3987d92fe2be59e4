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
// every size and position in the game, the 2x file only how sharp it looks. A loader is made for
// one screen's pixel ratio, by the window that shows its pictures, and handed to whoever loads them.
class PictureLoader
{
public:
    enum class Verdict { Fine, Missing, Unreadable, TooLarge, NotRegular, FileTooLarge };

    // No picture the game shows comes near this; a side of 4096 decodes to at most 64 MB.
    static constexpr int kMaxSide = 4096;

    // Pictures for a screen of this many device pixels per logical pixel; below 1 counts as 1.
    explicit PictureLoader(qreal pixelRatio = 1);

    static Verdict check(const QString& path);
    // Why a picture of the verdict is not drawn, in a few words naming the limit; empty when Fine.
    static QString problem(Verdict verdict);
    // "images/name.png" -> "images/name@2x.png".
    static QString sharpPath(const QString& path);
    // The size a picture takes in the window, whatever its pixel ratio.
    static QSize logicalSize(const QPixmap& picture);
    // The picture at its own size, or a null image when the verdict is not Fine or the data
    // behind the header is broken.
    static QImage loadImage(const QString& path);
    QPixmap load(const QString& path) const;
    // side × side, ignoring the aspect ratio, unsmoothed: the look of a unit on the field.
    QPixmap loadUnit(const QString& path, int side) const;

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
    // The picture of logicalSize for the loader's pixel ratio, from the 2x file when there is one.
    QPixmap forScreen(const QString& path, const QPixmap& plain, const QSize& logicalSize) const;

    qreal ratio;
};

#endif
