#include "strikeflash.h"

#include <QPainter>
#include <QPolygon>
#include <QTimer>

namespace {
// Well under half a second: a flash, not a picture that stays.
constexpr int kFlashMilliseconds = 350;
constexpr int kGlowRadius = 26;
const QColor kGlow(255, 255, 170, 120);
const QColor kBoltFill(255, 232, 60);
const QColor kBoltEdge(110, 60, 0);

// A zigzag bolt about a unit's height, around (0, 0).
QPolygon boltShape()
{
    return QPolygon({ { 5, -24 }, { -9, 3 }, { -1, 3 }, { -6, 24 }, { 10, -5 }, { 2, -5 }, { 10, -24 } });
}
}

StrikeFlash::StrikeFlash(QWidget* field)
    : QWidget(field)
    , fadeTimer(new QTimer(this))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(field->rect());
    fadeTimer->setSingleShot(true);
    fadeTimer->setInterval(kFlashMilliseconds);
    connect(fadeTimer, &QTimer::timeout, this, &StrikeFlash::fade);
    hide();
}

void StrikeFlash::strike(const QVector<QPoint>& struck)
{
    centres = struck;
    setGeometry(parentWidget()->rect());
    raise();
    show();
    update();
    fadeTimer->start();
}

void StrikeFlash::fade()
{
    hide();
    centres.clear();
}

void StrikeFlash::paintEvent(QPaintEvent* /*event*/)
{
    static const QPolygon bolt = boltShape();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const QPoint& centre : qAsConst(centres)) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kGlow);
        painter.drawEllipse(centre, kGlowRadius, kGlowRadius);
        painter.setPen(QPen(kBoltEdge, 2));
        painter.setBrush(kBoltFill);
        painter.drawPolygon(bolt.translated(centre));
    }
}
