#ifndef PICTURELOADER_H
#define PICTURELOADER_H

#include <QImage>
#include <QPixmap>
#include <QString>

// Every picture the game shows comes through here. The size is read from the file's header
// first, so that a picture far larger than the field (a modder's 20000 × 20000 icon) is never
// decoded: it is treated exactly like a missing picture.
class PictureLoader
{
public:
    enum class Verdict { Fine, Missing, Unreadable, TooLarge };

    // No picture the game shows comes near this; a side of 4096 decodes to at most 64 MB.
    static constexpr int kMaxSide = 4096;

    static Verdict check(const QString& path);
    // The picture at its own size, or a null image when the verdict is not Fine or the data
    // behind the header is broken.
    static QImage loadImage(const QString& path);
    static QPixmap load(const QString& path);
    // side × side, ignoring the aspect ratio, unsmoothed: the look of a unit on the field.
    static QPixmap loadUnit(const QString& path, int side);
};

#endif
