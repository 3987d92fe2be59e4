#include "fightoutlines.h"

#include <QImage>
#include <QLabel>
#include <QStyle>

#include <cmath>

namespace {
const QColor kOutlineColour(150, 0, 0);
// The ring's width around the picture's shape, in the field's pixels.
constexpr int kRing = 2;
// A pixel at least this opaque belongs to the picture's shape.
constexpr int kSolid = 128;

bool solidAt(const QImage& image, int x, int y)
{
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() && qAlpha(image.pixel(x, y)) >= kSolid;
}

// Every pixel outside the shape within the ring's width of it.
QImage traceRing(const QImage& shape, int ring)
{
    QImage out(shape.width() + 2 * ring, shape.height() + 2 * ring, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    for (int y = 0; y < out.height(); ++y) {
        for (int x = 0; x < out.width(); ++x) {
            if (solidAt(shape, x - ring, y - ring))
                continue;
            bool near = false;
            for (int dy = -ring; dy <= ring && !near; ++dy) {
                for (int dx = -ring; dx <= ring && !near; ++dx)
                    near = dx * dx + dy * dy <= ring * ring && solidAt(shape, x - ring + dx, y - ring + dy);
            }
            if (near)
                out.setPixelColor(x, y, kOutlineColour);
        }
    }
    return out;
}
}

FightOutlines::FightOutlines(QWidget* field, QWidget* above)
    : field(field)
    , above(above)
{
}

void FightOutlines::begin()
{
    used = 0;
}

void FightOutlines::outline(const QLabel* fruit)
{
    if (used == labels.size()) {
        QLabel* label = new QLabel(field);
        label->setObjectName(QStringLiteral("fightOutline"));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->stackUnder(above);
        labels.push_back(label);
    }
    QLabel* label = labels.at(used++);
    label->setPixmap(outlineOf(shapeOf(fruit)));
    label->setGeometry(shapeRect(fruit).adjusted(-kRing, -kRing, kRing, kRing));
    label->show();
}

// A fruit without a picture is its frame: its whole square is traced.
QPixmap FightOutlines::shapeOf(const QLabel* fruit)
{
    const QPixmap picture = fruit->pixmap(Qt::ReturnByValue);
    if (!picture.isNull())
        return picture;
    if (square.size() != fruit->size()) {
        square = QPixmap(fruit->size());
        square.fill(Qt::black);
    }
    return square;
}

// Where the fruit's label draws its picture: aligned in its contents, as a label aligns it.
QRect FightOutlines::shapeRect(const QLabel* fruit)
{
    const QPixmap picture = fruit->pixmap(Qt::ReturnByValue);
    if (picture.isNull())
        return fruit->geometry();
    const QSize pictureSize = picture.size() / picture.devicePixelRatio();
    return QStyle::alignedRect(fruit->layoutDirection(), fruit->alignment(), pictureSize, fruit->contentsRect())
        .translated(fruit->pos());
}

void FightOutlines::end()
{
    for (size_t i = used; i < labels.size(); ++i)
        labels.at(i)->hide();
}

QPixmap FightOutlines::outlineOf(const QPixmap& picture)
{
    const auto known = traced.constFind(picture.cacheKey());
    if (known != traced.constEnd())
        return *known;
    const qreal ratio = picture.devicePixelRatio();
    QPixmap outline = QPixmap::fromImage(traceRing(picture.toImage(), static_cast<int>(std::lround(kRing * ratio))));
    outline.setDevicePixelRatio(ratio);
    traced.insert(picture.cacheKey(), outline);
    return outline;
}
