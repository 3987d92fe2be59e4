#include "strikeflash.h"

#include <QPainter>
#include <QRadialGradient>
#include <QPolygon>
#include <QTimer>

#include <utility>

namespace {
// Well under half a second: a flash, not a picture that stays.
constexpr int kFlashMilliseconds = 350;
constexpr int kGlowRadius = 32;
const QColor kGlowCentre(255, 255, 255, 220);
const QColor kGlowEdge(255, 240, 90, 0);
const QColor kBoltFill(255, 232, 60);
const QColor kBoltEdge(110, 60, 0);

// A zigzag bolt about a unit's height, around (0, 0).
QPolygon boltShape()
{
    return QPolygon({ { 7, -34 }, { -12, 4 }, { -1, 4 }, { -8, 34 }, { 14, -7 }, { 3, -7 }, { 14, -34 } });
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
    for (const QPoint& centre : std::as_const(centres)) {
        QRadialGradient glow(centre, kGlowRadius);
        glow.setColorAt(0, kGlowCentre);
        glow.setColorAt(1, kGlowEdge);
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(centre, kGlowRadius, kGlowRadius);
        painter.setPen(QPen(kBoltEdge, 2));
        painter.setBrush(kBoltFill);
        painter.drawPolygon(bolt.translated(centre));
    }
}
