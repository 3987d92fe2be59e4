#include "simplayer.h"

#include "building.h"
#include "gameworld.h"
#include "monster.h"
#include "pony.h"
#include "qclicklabel.h"
#include "qmybutton.h"
#include "simwindow.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <limits>

namespace {
// A pony below this share of its health goes to the hospital and stays until it is well.
constexpr float kBadlyHurt = 0.4f;
constexpr float kWell = 0.9f;
constexpr float kCureBelow = 0.35f;
constexpr float kRepairBelow = 0.4f;
constexpr int kFoodLow = 25;
// The lightning of the strike pony is kept until it hits several monsters at once, or
// monsters with much health between them.
constexpr int kSeveralMonsters = 3;
constexpr float kWorthALightning = 600;
// A pony sent at a walking monster is sent again every second so that it follows it.
constexpr int kFollowTicks = 10;
// A person looks at the field every 4 to 6 seconds and then gives one or two commands.
constexpr int kShortestGlance = 40;
constexpr int kGlanceSpread = 21;
constexpr int kCommandsPerLook = 2;
// Beyond this distance a pony and its monster are not fighting yet.
constexpr float kFightingDistance = 56;
constexpr float kCasualCureBelow = 0.25f;
constexpr float kCasualRepairBelow = 0.3f;
const char* const kSummonOrder[] = { "clover", "flint", "crafter", "fastmagic", "fastheal", "summonstrike" };

float share(float health, int maxHealth)
{
    return maxHealth > 0 ? health / maxHealth : 1.0f;
}
}

QStringList SimPlayer::strategies()
{
    return { QStringLiteral("passive"), QStringLiteral("casual"), QStringLiteral("reference") };
}

SimPlayer::SimPlayer(SimWindow* window, const QString& strategy, unsigned seed)
    : window(window)
    , strategy(static_cast<Strategy>(qMax(0, strategies().indexOf(strategy))))
    , glances(seed)
{
}

// A left press on the widget, as the mouse gives it; hidden or disabled widgets take none.
bool SimPlayer::click(QWidget* widget) const
{
    if (!widget || !widget->isVisible() || !widget->isEnabled())
        return false;
    const QPoint centre = widget->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    return true;
}

bool SimPlayer::press(const QList<QMyButton*>& column, const char* property, const char* code) const
{
    for (QMyButton* button : column) {
        if (button->property(property).toString() == QLatin1String(code))
            return click(button);
    }
    return false;
}

QWidget* SimPlayer::cell(int kind, int index) const
{
    for (const Building* building : *window->gameWorld()->buildings()) {
        if (building->kind == kind && index < building->cellList()->size())
            return building->cellList()->at(index);
    }
    return nullptr;
}

// The monster closest to any building is the one to stop first.
Monster* SimPlayer::mostThreatening() const
{
    Monster* nearest = nullptr;
    float best = std::numeric_limits<float>::max();
    for (Monster* monster : *window->gameWorld()->monsters()) {
        for (const Building* building : *window->gameWorld()->buildings()) {
            const float distance = monster->distanceTo(building->midX, building->midY);
            if (distance < best) {
                best = distance;
                nearest = monster;
            }
        }
    }
    return nearest;
}

int SimPlayer::weakestBuilding(float* lowest) const
{
    const Building* weakest = window->gameWorld()->buildings()->first();
    for (const Building* building : *window->gameWorld()->buildings()) {
        if (share(building->health, building->maxHealth) < share(weakest->health, weakest->maxHealth))
            weakest = building;
    }
    *lowest = share(weakest->health, weakest->maxHealth);
    return weakest->kind;
}

// Select the pony, then click where it should go; a standing order is not given twice.
void SimPlayer::order(Pony* pony, QWidget* target, bool follow)
{
    if (!target || (orders.value(pony) == target && !(follow && ticks % kFollowTicks == 0)))
        return;
    if (click(pony) && click(target))
        orders.insert(pony, target);
}

void SimPlayer::command(Pony* pony)
{
    const float health = share(pony->health, pony->maxHealth);
    if (health < kBadlyHurt)
        healing.insert(pony);
    else if (health >= kWell)
        healing.remove(pony);
    float lowest = 1;
    if (healing.contains(pony))
        order(pony, cell(Building::Hospital, window->gameWorld()->ponies()->indexOf(pony) % 2), false);
    else if (pony->bonus == QLatin1String("farmfood"))
        order(pony, cell(Building::Farm, 0), false);
    else if (pony->bonus == QLatin1String("farmstone"))
        order(pony, cell(Building::Mine, 0), false);
    else if (qobject_cast<Monster*>(orders.value(pony)))
        order(pony, orders.value(pony), true);
    else if (Monster* monster = mostThreatening())
        order(pony, monster, true);
    else // idle fighters wait in the weakest building, which they repair meanwhile
        order(pony, cell(weakestBuilding(&lowest), 1), false);
}

void SimPlayer::act()
{
    if (strategy == Reference)
        actLikeAMachine();
    if (strategy == Casual && ticks++ == nextLook) {
        nextLook += kShortestGlance + static_cast<int>(glances() % kGlanceSpread);
        lookAtTheField();
    }
}

void SimPlayer::actLikeAMachine()
{
    ++ticks;
    const GameWorld* world = window->gameWorld();
    float lowestPony = 1;
    for (const Pony* pony : *world->ponies())
        lowestPony = qMin(lowestPony, share(pony->health, pony->maxHealth));
    float lowestBuilding = 1;
    weakestBuilding(&lowestBuilding);
    // Emergencies come before summons: they get the magic first.
    const QList<QMyButton*>& actions = window->actionColumn();
    if (lowestPony < kCureBelow)
        press(actions, "actioncode", "cure");
    if (lowestBuilding < kRepairBelow)
        press(actions, "actioncode", "repair");
    if (world->getFood() < kFoodLow)
        press(actions, "actioncode", "incfood");
    const QList<QMyButton*>& summons = window->summonButtons();
    for (const char* code : { "clover", "flint", "fastmagic" })
        press(summons, "ponycode", code);
    float monsterHealth = 0;
    for (const Monster* monster : *world->monsters())
        monsterHealth += monster->health;
    if (world->monsters()->size() >= kSeveralMonsters || monsterHealth >= kWorthALightning)
        press(summons, "ponycode", "summonstrike");
    // Until the strike pony is out, only the magic beyond her price goes to other ponies.
    const int reserve = world->hasPony(QStringLiteral("summonstrike")) ? 0 : window->ponyKinds()->info(QStringLiteral("summonstrike")).needMagic;
    for (const char* code : { "crafter", "fastheal" }) {
        if (world->getMagic() - reserve >= window->ponyKinds()->info(QLatin1String(code)).needMagic)
            press(summons, "ponycode", code);
    }
    for (Pony* pony : *world->ponies())
        command(pony);
}

// A command counts against the look's budget only if it was given.
bool SimPlayer::giveCommand(bool given)
{
    commandsLeft -= given ? 1 : 0;
    return given;
}

void SimPlayer::lookAtTheField()
{
    commandsLeft = kCommandsPerLook;
    const GameWorld* world = window->gameWorld();
    float lowestPony = 1;
    for (Pony* pony : *world->ponies()) {
        lowestPony = qMin(lowestPony, share(pony->health, pony->maxHealth));
        if (share(pony->health, pony->maxHealth) >= kWell)
            healing.remove(pony);
    }
    float lowestBuilding = 1;
    weakestBuilding(&lowestBuilding);
    const QList<QMyButton*>& actions = window->actionColumn();
    if (lowestPony < kCasualCureBelow)
        giveCommand(press(actions, "actioncode", "cure"));
    if (lowestBuilding < kCasualRepairBelow && commandsLeft > 0)
        giveCommand(press(actions, "actioncode", "repair"));
    for (Pony* pony : *world->ponies()) {
        if (commandsLeft > 0)
            sendToHospital(pony);
    }
    if (commandsLeft > 0)
        summonNext();
    for (Pony* pony : *world->ponies()) {
        if (commandsLeft > 0 && !putToWork(pony))
            sendFighter(pony);
    }
}

bool SimPlayer::sendToHospital(Pony* pony)
{
    if (healing.contains(pony) || share(pony->health, pony->maxHealth) >= kBadlyHurt)
        return false;
    QWidget* bed = cell(Building::Hospital, healing.size() % 2);
    if (!giveCommand(click(pony) && click(bed)))
        return false;
    healing.insert(pony);
    orders.insert(pony, bed);
    return true;
}

bool SimPlayer::summonNext()
{
    for (const char* code : kSummonOrder) {
        if (!window->gameWorld()->hasPony(QLatin1String(code)))
            return giveCommand(press(window->summonButtons(), "ponycode", code));
    }
    return false;
}

// The farm and the mine get their own pony first; the others are fighters. Returns whether
// the pony is a worker, busy or not.
bool SimPlayer::putToWork(Pony* pony)
{
    const bool farmer = pony->bonus == QLatin1String("farmfood");
    if (!farmer && pony->bonus != QLatin1String("farmstone"))
        return healing.contains(pony);
    QWidget* place = healing.contains(pony) ? orders.value(pony).data() : cell(farmer ? Building::Farm : Building::Mine, 0);
    if (orders.value(pony) != place && giveCommand(click(pony) && click(place)))
        orders.insert(pony, place);
    return true;
}

// A fighter without a living monster is sent at the one nearest a building; one that stands
// apart from its monster is sent at it again. Without monsters it waits in a cell.
bool SimPlayer::sendFighter(Pony* pony)
{
    Monster* monster = qobject_cast<Monster*>(orders.value(pony));
    const bool fighting = monster && monster->distanceTo(pony->centerX(), pony->centerY()) <= kFightingDistance;
    if (fighting || (monster && pony->isMoving()))
        return false;
    float lowest = 1;
    QWidget* target = monster ? monster : mostThreatening();
    if (!target)
        target = cell(weakestBuilding(&lowest), 1);
    if (orders.value(pony) == target && !monster)
        return false;
    if (!giveCommand(click(pony) && click(target)))
        return false;
    orders.insert(pony, target);
    return true;
}
