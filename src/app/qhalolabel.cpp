#include "qhalolabel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <array>

namespace {
const QColor kHaloColour(255, 255, 255, 210);
// The eight neighbours of each pixel of a letter: a halo one pixel wide.
const std::array<QPoint, 8> kHaloSteps = { { { -1, -1 }, { 0, -1 }, { 1, -1 }, { -1, 0 }, { 1, 0 }, { -1, 1 }, { 0, 1 }, { 1, 1 } } };
}

QHaloLabel::QHaloLabel(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

// The box is the frame's, the letters are set as a plain label sets them, with the halo beneath.
void QHaloLabel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (text().isEmpty())
        return;
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int flags = static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment()));
    QPalette halo = option.palette;
    halo.setColor(foregroundRole(), kHaloColour);
    for (const QPoint& step : kHaloSteps)
        style()->drawItemText(&painter, area.translated(step), flags, halo, isEnabled(), text(), foregroundRole());
    style()->drawItemText(&painter, area, flags, option.palette, isEnabled(), text(), foregroundRole());
}
