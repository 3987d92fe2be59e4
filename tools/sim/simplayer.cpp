#include "simplayer.h"

#include "building.h"
#include "dataschema.h"
#include "gameworld.h"
#include "monster.h"
#include "pony.h"
#include "ponycatalogue.h"
#include "qclicklabel.h"
#include "qmybutton.h"
#include "simwindow.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <cmath>
#include <limits>
#include <utility>

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
constexpr float kCasualCureBelow = 0.25f;
constexpr float kCasualRepairBelow = 0.3f;
// A newcomer looks at the field every 8 to 12 seconds, and one look in ten sees nothing.
constexpr int kNewcomerShortestGlance = 80;
constexpr int kNewcomerGlanceSpread = 41;
constexpr unsigned kDistractedOneIn = 10;
// Below this share a pony or a building alarms the newcomer: she gives two commands, not one.
constexpr float kAlarming = 0.3f;
constexpr float kNewcomerRepairBelow = 0.25f;
constexpr int kNewcomerFoodLow = 50;
// A hand aims at a widget's centre and lands up to this many pixels off it either way.
constexpr int kAimSpread = 6;
// Within this distance a pony stands on a cell's centre and works there.
constexpr float kOnCell = 2.0f;

using DataSchema::PonyRule;
const PonyRule kFarmFoodWorker{ PonyRule::By::Bonus, DataSchema::kFarmFood };
const PonyRule kFarmStoneWorker{ PonyRule::By::Bonus, DataSchema::kFarmStone };
const PonyRule kRepairer{ PonyRule::By::Bonus, DataSchema::kFastRepair };
const PonyRule kHealer{ PonyRule::By::Code, DataSchema::kFastHeal };
const PonyRule kMagicMaker{ PonyRule::By::Code, DataSchema::kFastMagic };
const PonyRule kStriker{ PonyRule::By::Code, DataSchema::kSummonStrike };

float share(float health, int maxHealth)
{
    return maxHealth > 0 ? health / maxHealth : 1.0f;
}

// A player sees a pony fighting once its monster stands within the game's reach, in whole
// pixels: the strategies were tuned with that judgement, and their games must not change.
bool seenFighting(const Monster* monster, const Pony* pony)
{
    return monster->distanceTo(pony->centerX(), pony->centerY()) <= std::floor(GameWorld::reach(pony));
}
}

QStringList SimPlayer::strategies()
{
    return { QStringLiteral("passive"), QStringLiteral("casual"), QStringLiteral("reference"), QStringLiteral("newcomer") };
}

SimPlayer::SimPlayer(SimWindow* window, const QString& strategy, unsigned seed)
    : window(window)
    , strategy(static_cast<Strategy>(qMax(0, strategies().indexOf(strategy))))
    , glances(seed)
    , hand(seed + 1)
{
    chooseSummons();
}

// The ponies are known by the rules they carry, so that any data can be played. The casual
// player summons the workers, the repairer, the magic maker, the healer and the striker in turn,
// then the kinds that carry no rule in column order; the reference player takes the workers and
// the magic maker at once, saves for the striker and buys the rest in the casual order.
void SimPlayer::chooseSummons()
{
    const PonyCatalogue& kinds = *window->ponyKinds();
    const auto carriers = [&kinds](std::initializer_list<PonyRule> rules) {
        QStringList codes;
        for (const PonyRule& rule : rules) {
            const QString code = rule.carrierIn(kinds);
            if (!code.isEmpty() && !codes.contains(code))
                codes << code;
        }
        return codes;
    };
    firstSummons = carriers({ kFarmFoodWorker, kFarmStoneWorker, kMagicMaker });
    striker = kStriker.carrierIn(kinds);
    casualSummons = carriers({ kFarmFoodWorker, kFarmStoneWorker, kRepairer, kMagicMaker, kHealer, kStriker });
    for (const QString& code : kinds.codes()) {
        if (!casualSummons.contains(code))
            casualSummons << code;
    }
    for (const QString& code : std::as_const(casualSummons)) {
        if (!firstSummons.contains(code) && code != striker)
            laterSummons << code;
    }
}

// A left press on the widget, as the mouse gives it; hidden or disabled widgets take none. A
// pony is clicked on her health bar, which always means her: on her picture, with another pony
// selected, the click would go to a fruit beneath her.
bool SimPlayer::click(QWidget* widget) const
{
    if (!widget || !widget->isVisible() || !widget->isEnabled())
        return false;
    if (const Pony* pony = qobject_cast<const Pony*>(widget))
        widget = pony->healthBarLabel();
    const QPoint centre = widget->rect().center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    return true;
}

bool SimPlayer::press(const QList<QMyButton*>& column, const char* property, const QString& code) const
{
    for (QMyButton* button : column) {
        if (button->property(property).toString() == code)
            return click(button);
    }
    return false;
}

QWidget* SimPlayer::cell(int kind, int index) const
{
    for (const Building* building : window->gameWorld()->buildings()) {
        if (building->kind == kind && index < building->cellList().size())
            return building->cellList().at(index);
    }
    return nullptr;
}

// The monster closest to any building is the one to stop first.
Monster* SimPlayer::mostThreatening() const
{
    Monster* nearest = nullptr;
    float best = std::numeric_limits<float>::max();
    for (Monster* monster : window->gameWorld()->monsters()) {
        for (const Building* building : window->gameWorld()->buildings()) {
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
    const Building* weakest = window->gameWorld()->buildings().first();
    for (const Building* building : window->gameWorld()->buildings()) {
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
        order(pony, cell(Building::Hospital, window->gameWorld()->ponies().indexOf(pony) % 2), false);
    else if (kFarmFoodWorker.isCarriedBy(pony->code, pony->bonus))
        order(pony, cell(Building::Farm, 0), false);
    else if (kFarmStoneWorker.isCarriedBy(pony->code, pony->bonus))
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
    if (strategy == Newcomer && ticks++ == nextLook) {
        nextLook += kNewcomerShortestGlance + static_cast<int>(glances() % kNewcomerGlanceSpread);
        if (glances() % kDistractedOneIn != 0)
            lookLikeANewcomer();
    }
}

void SimPlayer::actLikeAMachine()
{
    ++ticks;
    const GameWorld* world = window->gameWorld();
    float lowestPony = 1;
    for (const Pony* pony : world->ponies())
        lowestPony = qMin(lowestPony, share(pony->health, pony->maxHealth));
    float lowestBuilding = 1;
    weakestBuilding(&lowestBuilding);
    // Emergencies come before summons: they get the magic first.
    const QList<QMyButton*>& actions = window->actionColumn();
    if (lowestPony < kCureBelow)
        press(actions, "actioncode", QLatin1String(DataSchema::kCure));
    if (lowestBuilding < kRepairBelow)
        press(actions, "actioncode", QLatin1String(DataSchema::kRepair));
    if (world->getFood() < kFoodLow)
        press(actions, "actioncode", QLatin1String(DataSchema::kIncFood));
    const QList<QMyButton*>& summons = window->summonButtons();
    for (const QString& code : std::as_const(firstSummons))
        press(summons, "ponycode", code);
    float monsterHealth = 0;
    for (const Monster* monster : world->monsters())
        monsterHealth += monster->health;
    if (world->monsters().size() >= kSeveralMonsters || monsterHealth >= kWorthALightning)
        press(summons, "ponycode", striker);
    // Until the strike pony is out, only the magic beyond her price goes to other ponies.
    const int reserve = world->hasPony(striker) ? 0 : window->ponyKinds()->info(striker).needMagic;
    for (const QString& code : std::as_const(laterSummons)) {
        if (world->getMagic() - reserve >= window->ponyKinds()->info(code).needMagic)
            press(summons, "ponycode", code);
    }
    for (Pony* pony : world->ponies())
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
    for (Pony* pony : world->ponies()) {
        lowestPony = qMin(lowestPony, share(pony->health, pony->maxHealth));
        if (share(pony->health, pony->maxHealth) >= kWell)
            healing.remove(pony);
    }
    float lowestBuilding = 1;
    weakestBuilding(&lowestBuilding);
    const QList<QMyButton*>& actions = window->actionColumn();
    if (lowestPony < kCasualCureBelow)
        giveCommand(press(actions, "actioncode", QLatin1String(DataSchema::kCure)));
    if (lowestBuilding < kCasualRepairBelow && commandsLeft > 0)
        giveCommand(press(actions, "actioncode", QLatin1String(DataSchema::kRepair)));
    for (Pony* pony : world->ponies()) {
        if (commandsLeft > 0)
            sendToHospital(pony);
    }
    if (commandsLeft > 0)
        summonNext();
    for (Pony* pony : world->ponies()) {
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
    for (const QString& code : std::as_const(casualSummons)) {
        if (!window->gameWorld()->hasPony(code))
            return giveCommand(press(window->summonButtons(), "ponycode", code));
    }
    return false;
}

// The farm and the mine get their own pony first; the others are fighters. Returns whether
// the pony is a worker, busy or not.
bool SimPlayer::putToWork(Pony* pony)
{
    const bool farmer = kFarmFoodWorker.isCarriedBy(pony->code, pony->bonus);
    if (!farmer && !kFarmStoneWorker.isCarriedBy(pony->code, pony->bonus))
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
    const bool fighting = monster && seenFighting(monster, pony);
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

// One look of the newcomer: the alarms first, then the workers, a summon, the fighters and,
// when the barn is nearly empty, food. Each command is a left click or two by a human hand.
void SimPlayer::lookLikeANewcomer()
{
    const GameWorld* world = window->gameWorld();
    Pony* weakest = nullptr;
    for (Pony* pony : world->ponies()) {
        if (!weakest || share(pony->health, pony->maxHealth) < share(weakest->health, weakest->maxHealth))
            weakest = pony;
        if (share(pony->health, pony->maxHealth) > kWell)
            healing.remove(pony);
    }
    const bool ponyInDanger = weakest && share(weakest->health, weakest->maxHealth) < kAlarming;
    float lowestBuilding = 1;
    weakestBuilding(&lowestBuilding);
    commandsLeft = ponyInDanger || lowestBuilding < kAlarming ? 2 : 1;
    const QList<QMyButton*>& actions = window->actionColumn();
    if (ponyInDanger)
        giveCommand(pressIfOffered(actions, "actioncode", QLatin1String(DataSchema::kCure)));
    if (commandsLeft > 0 && lowestBuilding < kNewcomerRepairBelow)
        giveCommand(pressIfOffered(actions, "actioncode", QLatin1String(DataSchema::kRepair)));
    if (commandsLeft > 0 && ponyInDanger)
        takeToHospital(weakest);
    // A pony just summoned is put to work before the next one comes.
    QList<Pony*> fighters;
    for (Pony* pony : world->ponies()) {
        if (commandsLeft > 0 && !keepAtPost(pony))
            fighters.append(pony);
    }
    if (commandsLeft > 0)
        summonTopMost();
    for (Pony* pony : std::as_const(fighters)) {
        if (commandsLeft > 0)
            sendIdleFighter(pony);
    }
    if (commandsLeft > 0 && world->getFood() < kNewcomerFoodLow)
        giveCommand(pressIfOffered(actions, "actioncode", QLatin1String(DataSchema::kIncFood)));
}

// A person clicks only a button she can use: greyed and hidden ones are passed over.
bool SimPlayer::pressIfOffered(const QList<QMyButton*>& column, const char* property, const QString& code)
{
    for (QMyButton* button : column) {
        if (button->property(property).toString() == code && button->isVisible() && button->isEnabled()) {
            clickNear(button);
            return true;
        }
    }
    return false;
}

bool SimPlayer::summonTopMost()
{
    for (QMyButton* button : window->summonButtons()) {
        if (button->isVisible() && button->isEnabled()) {
            clickNear(button);
            return giveCommand(true);
        }
    }
    return false;
}

bool SimPlayer::takeToHospital(Pony* pony)
{
    if (healing.contains(pony) && (pony->isMoving() || inHospital(pony)))
        return false;
    healing.insert(pony);
    return giveCommand(aim(pony, freeHospitalCell()));
}

bool SimPlayer::inHospital(const Pony* pony) const
{
    return standsOn(pony, cell(Building::Hospital, 0)) || standsOn(pony, cell(Building::Hospital, 1));
}

// The first two ponies summoned work the farm and the mine and stay there; a patient stays in
// the hospital until she is well. Returns whether the pony has such a place, busy or not.
bool SimPlayer::keepAtPost(Pony* pony)
{
    if (healing.contains(pony)) {
        if (!pony->isMoving() && !inHospital(pony))
            giveCommand(aim(pony, freeHospitalCell()));
        return true;
    }
    QWidget* place = post(pony);
    if (!place)
        return false;
    if (!pony->isMoving() && !standsOn(pony, place))
        giveCommand(aim(pony, place));
    return true;
}

// A fighter who stands with no fruit in reach is sent at the fruit nearest a building.
bool SimPlayer::sendIdleFighter(Pony* pony)
{
    Monster* monster = mostThreatening();
    if (!monster || pony->isMoving() || inAFight(pony))
        return false;
    return giveCommand(aim(pony, monster));
}

// Select the pony, then click the target: two clicks, each of which may land on whatever
// unit lies on top where the hand comes down.
bool SimPlayer::aim(QWidget* selection, QWidget* target)
{
    if (!selection || !target)
        return false;
    clickNear(selection);
    clickNear(target);
    return true;
}

void SimPlayer::clickNear(QWidget* widget)
{
    std::uniform_int_distribution<int> slip(-kAimSpread, kAimSpread);
    const QPoint aimed = widget->mapTo(window, widget->rect().center()) + QPoint(slip(hand), slip(hand));
    QWidget* hit = window->childAt(aimed);
    if (!hit)
        hit = window;
    const QPoint local = hit->mapFrom(window, aimed);
    QMouseEvent press(QEvent::MouseButtonPress, local, hit->mapToGlobal(local), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(hit, &press);
}

QWidget* SimPlayer::post(const Pony* pony) const
{
    const int summoned = window->gameWorld()->ponies().indexOf(const_cast<Pony*>(pony));
    if (summoned == 0)
        return cell(Building::Farm, 0);
    if (summoned == 1)
        return cell(Building::Mine, 0);
    return nullptr;
}

QWidget* SimPlayer::freeHospitalCell() const
{
    QWidget* bed = cell(Building::Hospital, 0);
    for (const Pony* pony : window->gameWorld()->ponies()) {
        if (standsOn(pony, bed))
            return cell(Building::Hospital, 1);
    }
    return bed;
}

bool SimPlayer::standsOn(const Pony* pony, const QWidget* cell) const
{
    return cell && pony->distanceTo(cell->x() + cell->width() / 2, cell->y() + cell->height() / 2) <= kOnCell;
}

bool SimPlayer::inAFight(const Pony* pony) const
{
    for (const Monster* monster : window->gameWorld()->monsters()) {
        if (seenFighting(monster, pony))
            return true;
    }
    return false;
}
