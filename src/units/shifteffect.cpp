#include "shifteffect.h"

#include <QPainter>

ShiftEffect::ShiftEffect(int shift, QObject* parent)
    : QGraphicsEffect(parent)
    , offset(shift)
{
}

void ShiftEffect::setShift(int shift)
{
    if (shift == offset)
        return;
    offset = shift;
    updateBoundingRect();
}

QRectF ShiftEffect::boundingRectFor(const QRectF& rect) const
{
    return rect.translated(offset, 0);
}

// The widget is painted into a pixmap of the screen's ratio, then drawn beside its place: painted
// straight into the field it would be clipped to its place.
void ShiftEffect::draw(QPainter* painter)
{
    QPoint origin;
    const QPixmap picture = sourcePixmap(Qt::LogicalCoordinates, &origin, QGraphicsEffect::NoPad);
    if (!picture.isNull())
        painter->drawPixmap(origin + QPoint(offset, 0), picture);
}
