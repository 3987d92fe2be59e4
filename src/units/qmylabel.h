#ifndef QMYLABEL_H
#define QMYLABEL_H

#include "looklabel.h"

#include <QPointer>

#include <memory>

class FieldLayers;
class HealthBar;
class QMouseEvent;

// A clickable picture with health and a health bar that glides towards a target point:
// the base of ponies and monsters.
class QMyLabel : public LookLabel
{
    Q_OBJECT

public:
    explicit QMyLabel(QWidget* parent = nullptr);
    ~QMyLabel() override;

    void moveTo(int x, int y);
    void updatePosition(float dt);
    // The field's layers, which the unit joins with its bar; set before createHealthBar().
    void setFieldLayers(FieldLayers* fieldLayers);
    // Also takes the unit's layer on the field: called once, when the unit has its place.
    void createHealthBar();
    void heal(float amount);
    void damage(float amount);
    bool isFullHealth() const;
    bool isMoving() const;
    void stopMoving();
    virtual QString statusText() const;
    int centerX() const;
    int centerY() const;
    float distanceTo(int x, int y) const;
    QLabel* healthBarLabel() const;
    // The faint full-length track behind the bar.
    QLabel* healthBarTrack() const;
    // Hit in the last step's fight.
    bool wasHit() const;

    int speed = 0;
    // Damage per second of fighting, from the unit's kind.
    int attack = 0;
    float health = 0;
    int maxHealth = 0;

Q_SIGNALS:
    void clicked(QMyLabel* sender, bool isleft);

public Q_SLOTS:
    void mousePressEvent(QMouseEvent* event) override;

protected:
    FieldLayers* fieldLayers() const;

private:
    int targetX = 0;
    int targetY = 0;
    float posX = 0;
    float posY = 0;
    bool moving = false;
    float velocityX = 0;
    float velocityY = 0;
    std::unique_ptr<HealthBar> healthBar;
    // The window's children go in turn: the layers may go before the units. None on a bare field.
    QPointer<FieldLayers> layers;
};

#endif
