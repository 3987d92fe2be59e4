#include "qhalolabel.h"

#include <QEvent>
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

// The box is the frame's; the letters come from their picture, made again only when the text,
// the size, the screen's scale or the look changed.
void QHaloLabel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (text().isEmpty())
        return;
    if (text() != lettersText || letters.size() != size() * devicePixelRatioF()
        || !qFuzzyCompare(letters.devicePixelRatio(), devicePixelRatioF()))
        drawLetters();
    QPainter(this).drawPixmap(0, 0, letters);
}

void QHaloLabel::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange
        || event->type() == QEvent::StyleChange)
        lettersText.clear();
    QLabel::changeEvent(event);
}

// Set as a plain label sets its text, with the halo beneath.
void QHaloLabel::drawLetters()
{
    const qreal ratio = devicePixelRatioF();
    letters = QPixmap(size() * ratio);
    letters.setDevicePixelRatio(ratio);
    letters.fill(Qt::transparent);
    lettersText = text();
    QPainter painter(&letters);
    painter.setFont(font());
    QStyleOption option;
    option.initFrom(this);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int flags = static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment()));
    QPalette halo = option.palette;
    halo.setColor(foregroundRole(), kHaloColour);
    for (const QPoint& step : kHaloSteps)
        style()->drawItemText(&painter, area.translated(step), flags, halo, isEnabled(), lettersText, foregroundRole());
    style()->drawItemText(&painter, area, flags, option.palette, isEnabled(), lettersText, foregroundRole());
}
