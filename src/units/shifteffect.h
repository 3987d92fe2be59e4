#ifndef SHIFTEFFECT_H
#define SHIFTEFFECT_H

#include <QGraphicsEffect>

// Draws a widget a few pixels sideways of its place, in its own look, as it paints itself now:
// a unit of a crowd is seen beside the others while its place stays where the rules put it.
class ShiftEffect : public QGraphicsEffect
{
    Q_OBJECT

public:
    explicit ShiftEffect(int shift, QObject* parent = nullptr);

    int shift() const { return offset; }
    void setShift(int shift);
    QRectF boundingRectFor(const QRectF& rect) const override;

protected:
    void draw(QPainter* painter) override;

private:
    int offset;
};

#endif
