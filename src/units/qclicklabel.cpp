#include "qclicklabel.h"

#include <QMouseEvent>

QClickLabel::QClickLabel(QWidget* parent)
    : LookLabel(parent)
{
}

void QClickLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        Q_EMIT clicked(this, false);
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked(this, true);
}

int QClickLabel::centerX() const
{
    return x() + width() / 2;
}

int QClickLabel::centerY() const
{
    return y() + height() / 2;
}
