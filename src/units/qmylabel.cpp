#include "qmylabel.h"

#include "fieldlayers.h"
#include "healthbar.h"
#include "numeric.h"

#include <QMouseEvent>

#include <cmath>

QMyLabel::QMyLabel(QWidget* parent)
    : LookLabel(parent)
{
}

QMyLabel::~QMyLabel()
{
    if (layers && healthBar)
        layers->removeUnit(healthBar.get());
}

void QMyLabel::mousePressEvent(QMouseEvent* event)
{
    // The press is taken here and never passed on: a click on a unit must not also reach
    // the window, where it would send the selected pony to the click point.
    if (event->button() == Qt::RightButton)
        Q_EMIT clicked(this, false);
    if (event->button() == Qt::LeftButton)
        Q_EMIT clicked(this, true);
}

void QMyLabel::moveTo(int x, int y)
{
    // Units are square: half the width serves for both axes.
    const int half = width() / 2;
    targetX = truncateToPixel(static_cast<double>(x) - half);
    targetY = truncateToPixel(static_cast<double>(y) - half);
    posX = static_cast<float>(this->x());
    posY = static_cast<float>(this->y());
    const float dx = targetX - posX;
    const float dy = targetY - posY;
    const float distance = std::sqrt(dx * dx + dy * dy);
    if (distance == 0.0f) {
        posX = static_cast<float>(targetX);
        posY = static_cast<float>(targetY);
        moving = false;
        return;
    }
    const float time = distance / static_cast<float>(speed);
    velocityX = dx / time;
    velocityY = dy / time;
    moving = true;
}

void QMyLabel::updatePosition(float dt)
{
    if (moving) {
        const float newX = posX + velocityX * dt;
        const float newY = posY + velocityY * dt;
        // The move goes on while the new point is still strictly before the target on
        // at least one axis.
        if ((posX - targetX) * (newX - targetX) > 0 || (posY - targetY) * (newY - targetY) > 0) {
            posX = newX;
            posY = newY;
        } else {
            posX = static_cast<float>(targetX);
            posY = static_cast<float>(targetY);
            moving = false;
        }
        move(truncateToPixel(posX), truncateToPixel(posY));
        if (healthBar)
            healthBar->moveTo(x(), y() + height() - 1);
    }
    if (healthBar)
        healthBar->showHealth(health, maxHealth, width());
}

// The bar hangs under the unit and covers its lowest pixel row.
void QMyLabel::createHealthBar()
{
    if (layers && healthBar)
        layers->removeUnit(healthBar.get());
    healthBar.reset(new HealthBar(parentWidget(), x(), y() + height() - 1, width(), false));
    if (layers)
        layers->addUnit(this, healthBar.get());
}

void QMyLabel::setFieldLayers(FieldLayers* fieldLayers)
{
    layers = fieldLayers;
}

QLabel* QMyLabel::healthBarLabel() const
{
    return healthBar ? healthBar->label() : nullptr;
}

FieldLayers* QMyLabel::fieldLayers() const
{
    return layers.data();
}

QLabel* QMyLabel::healthBarTrack() const
{
    return healthBar ? healthBar->trackLabel() : nullptr;
}

bool QMyLabel::wasHit() const
{
    return healthBar && healthBar->wasHit();
}

void QMyLabel::heal(float amount)
{
    health = boundedHealth(health + amount, maxHealth);
}

void QMyLabel::damage(float amount)
{
    health = boundedHealth(health - amount, maxHealth);
    if (healthBar)
        healthBar->hit();
}

bool QMyLabel::isFullHealth() const
{
    return !(health < maxHealth);
}

bool QMyLabel::isMoving() const
{
    return moving;
}

void QMyLabel::stopMoving()
{
    moving = false;
}

QString QMyLabel::statusText() const
{
    return QString();
}

int QMyLabel::centerX() const
{
    return x() + width() / 2;
}

int QMyLabel::centerY() const
{
    return y() + height() / 2;
}

float QMyLabel::distanceTo(int x, int y) const
{
    // 64-bit differences and double squares: no overflow for any widget position.
    const double dx = static_cast<double>(static_cast<qint64>(x) - this->x() - width() / 2);
    const double dy = static_cast<double>(static_cast<qint64>(y) - this->y() - height() / 2);
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}
