#include "gameworld.h"

#include "building.h"
#include "dataschema.h"
#include "monster.h"
#include "monstercatalogue.h"
#include "numeric.h"
#include "pony.h"
#include "ponycatalogue.h"
#include "wavescript.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <utility>

namespace {
// Held as texts so that the per-step lookups allocate nothing.
const QString kFastHeal = QLatin1String(DataSchema::kFastHeal);
const QString kFastMagic = QLatin1String(DataSchema::kFastMagic);
const QString kSummonStrike = QLatin1String(DataSchema::kSummonStrike);

constexpr float kFoodPerSecondMoving = 1.0f;
constexpr float kStarvingDamagePerSecond = 1.0f;
constexpr float kHealPerSecond = 2.0f;
constexpr float kFastHealPerSecond = 3.0f;
constexpr float kFoodPerSecondHealing = 2.0f;
constexpr float kMagicPerSecond = 2.0f;
constexpr float kFastMagicPerSecond = 3.0f;

constexpr int kRunning = 0;
constexpr int kWon = 1;
constexpr int kLost = 2;

// Squared distance between two integer points, exact for any widget coordinates.
double squaredDistance(int x1, int y1, int x2, int y2)
{
    const double dx = static_cast<double>(static_cast<qint64>(x1) - x2);
    const double dy = static_cast<double>(static_cast<qint64>(y1) - y2);
    return dx * dx + dy * dy;
}

double squaredDiagonal(const Pony* pony)
{
    const double w = pony->width();
    const double h = pony->height();
    return w * w + h * h;
}

// A monster reaches a building within half the picture's diagonal.
bool reachesBuilding(const Monster* monster, const Building* building)
{
    const qint64 w = building->width;
    const qint64 h = building->height;
    return squaredDistance(monster->centerX(), monster->centerY(), building->midX, building->midY)
        <= static_cast<double>((w * w + h * h) / 4);
}
}

GameWorld::GameWorld(QWidget* owner)
    : ponyList(new QList<Pony*>)
    , monsterList(new QList<Monster*>)
    , buildingList(new QList<Building*>)
    , owner(owner)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    waveScript.reset(new WaveScript);
}

// Ponies and monsters are widgets of the window, which deletes them; the buildings are
// plain objects (only their pictures, cells and bars are widgets), so the world owns them.
GameWorld::~GameWorld()
{
    qDeleteAll(*buildingList);
}

void GameWorld::setCatalogues(MonsterCatalogue* monsters, PonyCatalogue* ponies)
{
    monsterCatalogue = monsters;
    ponyCatalogue = ponies;
}

int GameWorld::getFood() const
{
    return truncateToInt(food);
}

int GameWorld::getStone() const
{
    return truncateToInt(stone);
}

int GameWorld::getMagic() const
{
    return truncateToInt(magic);
}

void GameWorld::addFood(float amount)
{
    food += amount;
}

void GameWorld::addStone(float amount)
{
    setStone(stone + amount);
}

void GameWorld::spendMagic(float amount)
{
    setMagic(magic - amount);
}

void GameWorld::spendStone(float amount)
{
    setStone(stone - amount);
}

void GameWorld::setFood(float amount)
{
    food = amount;
}

void GameWorld::setStone(float amount)
{
    stone = amount < 0 ? 0.0f : amount;
}

void GameWorld::setMagic(float amount)
{
    magic = amount < 0 ? 0.0f : amount;
}

void GameWorld::addBuilding(Building* building)
{
    buildingList->append(building);
}

void GameWorld::addMonster(Monster* monster)
{
    monsterList->append(monster);
}

bool GameWorld::hasPony(const QString& code) const
{
    for (const Pony* pony : std::as_const(*ponyList)) {
        if (pony->code == code)
            return true;
    }
    return false;
}

void GameWorld::addPony(Pony* pony)
{
    struck.clear();
    if (hasPony(pony->code))
        return;
    ponyList->append(pony);
    if (pony->code == kSummonStrike) {
        for (Monster* monster : std::as_const(*monsterList)) {
            monster->damage(static_cast<float>(monster->maxHealth / 2));
            struck.append(QPoint(monster->centerX(), monster->centerY()));
        }
    }
}

void GameWorld::selectPony(Pony* pony)
{
    for (Pony* other : std::as_const(*ponyList)) {
        if (other != pony)
            other->deselect();
        else if (!other->isSelected())
            other->toggleSelected();
    }
}

Pony* GameWorld::selectedPony() const
{
    for (Pony* pony : std::as_const(*ponyList)) {
        if (pony->isSelected())
            return pony;
    }
    return nullptr;
}

int GameWorld::walkingUnits() const
{
    int walking = 0;
    for (const Pony* pony : std::as_const(*ponyList))
        walking += pony->isMoving();
    for (const Monster* monster : std::as_const(*monsterList))
        walking += monster->isMoving();
    return walking;
}

bool GameWorld::reaches(const Monster* monster, const Pony* pony)
{
    return squaredDistance(monster->centerX(), monster->centerY(), pony->centerX(), pony->centerY())
        <= squaredDiagonal(pony);
}

double GameWorld::reach(const Pony* pony)
{
    return std::sqrt(squaredDiagonal(pony));
}

int GameWorld::monstersToCome() const
{
    return waveScript->pendingCount();
}

int GameWorld::secondsToNextMonster() const
{
    if (waveScript->isFinished())
        return 0;
    const int seconds = truncateToInt(std::ceil(static_cast<double>(waveScript->nextReleaseTime()) - gameTime));
    return seconds < 0 ? 0 : seconds;
}

bool GameWorld::isOver() const
{
    return state != kRunning;
}

bool GameWorld::isLost() const
{
    return state == kLost;
}

void GameWorld::lose(const QString& text)
{
    state = kLost;
    message = text;
}

void GameWorld::step(float dt)
{
    if (state != kRunning)
        return;
    entered = nullptr;
    stepPonies(dt);
    stepBuildings(dt);
    walkMonsters(dt);
    if (!fightMonsters(dt))
        return;
    removeDeadMonsters();
    magic += dt * (hasPony(kFastMagic) ? kFastMagicPerSecond : kMagicPerSecond);
    gameTime += dt;
    releaseDueMonster();
    // Tested after the release: the step that lets the last monster in cannot also win.
    if (waveScript->isFinished() && monsterList->isEmpty())
        state = kWon;
}

void GameWorld::stepPonies(float dt)
{
    const float healRate = hasPony(kFastHeal) ? kFastHealPerSecond : kHealPerSecond;
    for (Pony* pony : std::as_const(*ponyList)) {
        pony->updatePosition(dt);
        if (pony->isMoving()) {
            const float ration = dt * kFoodPerSecondMoving;
            // A starving pony loses health but keeps walking and working; only a monster's
            // hit can lose the game.
            if (food > ration)
                food -= ration;
            else
                pony->damage(dt * kStarvingDamagePerSecond);
        }
        const float healingFood = dt * kFoodPerSecondHealing;
        if (!pony->isFullHealth() && food > healingFood) {
            pony->heal(dt * healRate);
            food -= healingFood;
        }
    }
}

void GameWorld::stepBuildings(float dt)
{
    for (Building* building : std::as_const(*buildingList))
        building->step(dt);
}

void GameWorld::walkMonsters(float dt)
{
    for (Monster* monster : std::as_const(*monsterList)) {
        monster->updatePosition(dt);
        if (!monster->isMoving() && !monster->attacking && !buildingList->isEmpty()) {
            const Building* target = buildingList->at(std::rand() % buildingList->size());
            monster->moveTo(target->midX, target->midY);
        }
        monster->attacking = false;
    }
}

// Returns false when a hit has lost the game; the step then ends at once.
bool GameWorld::fightMonsters(float dt)
{
    if (!monsterCatalogue || !ponyCatalogue)
        return true;
    for (Monster* monster : std::as_const(*monsterList)) {
        const float hit = dt * monster->attack;
        for (Pony* pony : std::as_const(*ponyList)) {
            if (!reaches(monster, pony))
                continue;
            pony->damage(hit);
            monster->attacking = true;
            monster->stopMoving();
            if (pony->health <= 0) {
                lose(QCoreApplication::translate("GameWorld", "Пони '%1'' была сильно побита.").arg(pony->name));
                return false;
            }
            monster->damage(dt * pony->attack);
        }
        for (Building* building : std::as_const(*buildingList)) {
            if (!reachesBuilding(monster, building))
                continue;
            building->damage(hit);
            monster->attacking = true;
            monster->stopMoving();
            if (building->health <= 0) {
                lose(QCoreApplication::translate("GameWorld", "Здание '%1'' было разрушено.").arg(building->name));
                return false;
            }
        }
    }
    return true;
}

void GameWorld::removeDeadMonsters()
{
    int i = 0;
    while (i < monsterList->size()) {
        Monster* monster = monsterList->at(i);
        if (monster->health > 0) {
            ++i;
        } else {
            monsterList->removeAt(i);
            delete monster;
        }
    }
}

void GameWorld::releaseDueMonster()
{
    int x = 0;
    int y = 0;
    QString code;
    if (!waveScript->takeDue(gameTime, x, y, code) || !monsterCatalogue)
        return;
    if (Monster* monster = monsterCatalogue->createMonster(code, x, y)) {
        addMonster(monster);
        entered = monster;
    }
}
