#ifndef BUILDING_H
#define BUILDING_H

#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>

#include <memory>

class GameWorld;
class HealthBar;
class PictureLoader;
class Pony;
class QClickLabel;
class QLabel;
class QWidget;

// A farm, mine or hospital: a picture, cells the ponies work in, and a health bar.
class Building
{
public:
    enum Kind { Farm = 0, Mine = 1, Hospital = 2 };

    // The game's three buildings, farm, mine and hospital, each added to the world as it is made,
    // their pictures from the window's loader.
    static void createAll(QWidget* parent, GameWorld* world, const PictureLoader& pictureLoader);

    Building(QWidget* parent, GameWorld* world, int maxHealth, int kind, int midX, int midY,
             const QList<QPoint>& cellSteps, const QPixmap& picture, const QString& name);
    ~Building();
    Building(const Building&) = delete;
    Building& operator=(const Building&) = delete;

    void damage(float amount);
    void repair(float amount);
    void step(float dt);
    const QList<QClickLabel*>& cellList() const { return *cells; }
    QLabel* healthBarLabel() const;
    // Where the full bar lies.
    QRect healthBarPlace() const;
    // Hit by a fruit in the last step.
    bool wasHit() const;

    float health;
    const int maxHealth;
    const int kind;
    const int width;
    const int height;
    const int midX;
    const int midY;
    const QString name;

private:
    void createHealthBar();
    void letPonyWork(Pony* pony, float dt);

    QWidget* parent;
    GameWorld* world;
    std::unique_ptr<QList<QClickLabel*>> cells;
    std::unique_ptr<HealthBar> healthBar;
};

#endif
