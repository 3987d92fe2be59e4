#ifndef GAMEWORLD_H
#define GAMEWORLD_H

#include <QList>
#include <QPoint>
#include <QString>
#include <QVector>

#include <memory>

class Building;
class Monster;
class MonsterCatalogue;
class Pony;
class PonyCatalogue;
class QWidget;
class WaveScript;

// The state of one game: resources, clock, units, buildings and the wave schedule,
// and the rules that advance it one step at a time.
class GameWorld
{
public:
    explicit GameWorld(QWidget* owner);
    ~GameWorld();
    GameWorld(const GameWorld&) = delete;
    GameWorld& operator=(const GameWorld&) = delete;

    void setCatalogues(MonsterCatalogue* monsters, PonyCatalogue* ponies);

    int getFood() const;
    int getStone() const;
    int getMagic() const;
    // Stone and magic never go below 0, whatever the sign of the amount; food has no bound.
    void addFood(float amount);
    void addStone(float amount);
    void spendMagic(float amount);
    void spendStone(float amount);
    // A game set up in a given state, by a test or a tool; the same bounds hold.
    void setFood(float amount);
    void setStone(float amount);
    void setMagic(float amount);
    // The exact stores and clock, for charts and tests; the game shows the truncated stores.
    float foodAmount() const { return food; }
    float stoneAmount() const { return stone; }
    float magicAmount() const { return magic; }
    float timeElapsed() const { return gameTime; }

    const QList<Pony*>& ponies() const { return *ponyList; }
    const QList<Monster*>& monsters() const { return *monsterList; }
    const QList<Building*>& buildings() const { return *buildingList; }
    void addBuilding(Building* building);
    // A monster on the field, as the schedule releases one; the world deletes it when it dies.
    void addMonster(Monster* monster);
    // The monster the schedule let in during the last step, if any.
    const Monster* enteredLastStep() const { return entered; }

    bool hasPony(const QString& code) const;
    void addPony(Pony* pony);
    // The centres of the monsters that the last summon struck; empty after any other summon.
    const QVector<QPoint>& struckBySummon() const { return struck; }
    void selectPony(Pony* pony);
    Pony* selectedPony() const;

    // Ponies and monsters that move in the next step, and all of them.
    int walkingUnits() const;
    int units() const { return ponyList->size() + monsterList->size(); }
    // The scheduled monsters not yet on the field, and the whole seconds, rounded up, until the
    // next of them may enter (0 when it is already due).
    int monstersToCome() const;
    int secondsToNextMonster() const;

    bool isOver() const;
    bool isLost() const;
    QString defeatText() const { return message; }
    void lose(const QString& text);
    void step(float dt);

    // A monster reaches a pony within the pony's whole diagonal, centre to centre: the step's
    // test, exact for any size, and the reach that the headless player judges fights by.
    static bool reaches(const Monster* monster, const Pony* pony);
    static double reach(const Pony* pony);

private:
    void stepPonies(float dt);
    void stepBuildings(float dt);
    void walkMonsters(float dt);
    bool fightMonsters(float dt);
    void removeDeadMonsters();
    void releaseDueMonster();

    float food = 100.0f;
    float stone = 50.0f;
    float magic = 250.0f;
    float gameTime = 0.0f;
    int state = 0;
    QString message;
    const Monster* entered = nullptr;
    QVector<QPoint> struck;
    std::unique_ptr<QList<Pony*>> ponyList;
    std::unique_ptr<QList<Monster*>> monsterList;
    std::unique_ptr<QList<Building*>> buildingList;
    std::unique_ptr<WaveScript> waveScript;
    // The window the world plays on, which owns it; the world draws nothing through it.
    QWidget* owner;
    MonsterCatalogue* monsterCatalogue = nullptr;
    PonyCatalogue* ponyCatalogue = nullptr;
};

#endif
