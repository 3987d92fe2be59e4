#include "qmybutton.h"

#include <QMouseEvent>

QMyButton::QMyButton(QWidget* parent)
    : QPushButton(parent)
{
}

void QMyButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton)
        Q_EMIT clicked_ex(this, false);
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked_ex(this, true);
}
