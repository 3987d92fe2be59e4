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

// A disabled widget refuses mouse events, and Qt then hands the press to the window, which
// would send the selected pony to the button.
bool QMyButton::event(QEvent* event)
{
    if (isEnabled())
        return QPushButton::event(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
            Q_EMIT clicked_ex(this, false);
        Q_FALLTHROUGH();
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        event->accept();
        return true;
    default:
        return QPushButton::event(event);
    }
}
