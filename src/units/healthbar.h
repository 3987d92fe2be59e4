#ifndef HEALTHBAR_H
#define HEALTHBAR_H

#include <QString>

class QLabel;
class QWidget;

// Health after a change of either sign, as data may give it: between 0 and the maximum
// (0 for a maximum below 0).
inline float boundedHealth(float health, int maxHealth)
{
    if (health > maxHealth)
        health = static_cast<float>(maxHealth);
    return health < 0 ? 0.0f : health;
}

// The 5-pixel bar under a unit or a building. Its width follows the health; it turns red at a
// hit and green again on the second update after the last one.
class HealthBar
{
public:
    static QString greenStyle();
    static QString redStyle();

    // A bar of the full width with its top-left corner at (x, y), shown at once.
    HealthBar(QWidget* parent, int x, int y, int fullWidth, bool red);
    ~HealthBar();
    HealthBar(const HealthBar&) = delete;
    HealthBar& operator=(const HealthBar&) = delete;

    void moveTo(int x, int y);
    void hit();
    // Once per update: the width for the health, and green unless hit since the last update.
    void update(float health, int maxHealth, int fullWidth);
    QLabel* label() const { return bar; }
    // Hit since the last update: in a world step, hit by a fruit in this step's fight.
    bool wasHit() const { return hurt; }

private:
    void paintRed(bool red);

    QLabel* bar;
    bool hurt = false;
    bool red;
};

#endif
