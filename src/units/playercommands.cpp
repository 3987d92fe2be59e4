#include "playercommands.h"

#include "actioncatalogue.h"
#include "dialogunitinfo.h"
#include "gameevents.h"
#include "gameworld.h"
#include "monster.h"
#include "monstercatalogue.h"
#include "pony.h"
#include "ponycatalogue.h"
#include "qclicklabel.h"
#include "qmybutton.h"

#include <QMouseEvent>

PlayerCommands::PlayerCommands(QWidget* window, GameWorld* world, PonyCatalogue* ponies,
                               const MonsterCatalogue* monsters, ActionCatalogue* actions, GameEvents* events)
    : window(window)
    , world(world)
    , ponyCatalogue(ponies)
    , monsterCatalogue(monsters)
    , actionCatalogue(actions)
    , events(events)
{
}

void PlayerCommands::ponyClicked(QMyLabel* sender, bool isleft)
{
    Pony* pony = qobject_cast<Pony*>(sender);
    if (!pony)
        return;
    if (isleft)
        world->selectPony(pony);
    else
        DialogUnitInfo::showUnitInfo(window, pony->name, ponyCatalogue->infoText(pony->code));
}

void PlayerCommands::summonButtonClicked(const QMyButton* sender, bool isleft)
{
    const QString code = sender->property("ponycode").toString();
    if (isleft)
        summon(code);
    else
        DialogUnitInfo::showUnitInfo(window, ponyCatalogue->name(code), ponyCatalogue->infoText(code));
}

void PlayerCommands::summon(const QString& code)
{
    Pony* pony = ponyCatalogue->createPony(code);
    if (!pony)
        return;
    // By the slot's name, as the cells and the monsters are connected: the window is a room above.
    QObject::connect(pony, SIGNAL(clicked(QMyLabel*,bool)), window, SLOT(pony_clicked(QMyLabel*,bool)));
    world->addPony(pony);
    events->reportSummon(code);
    if (!world->struckBySummon().isEmpty())
        events->reportStrike(world->struckBySummon());
}

void PlayerCommands::actionButtonClicked(const QMyButton* sender, bool isleft)
{
    const QString code = sender->property("actioncode").toString();
    if (isleft) {
        if (actionCatalogue->apply(code))
            events->reportAction(code);
    } else
        DialogUnitInfo::showUnitInfo(window, actionCatalogue->name(code), actionCatalogue->infoText(code));
}

void PlayerCommands::cellClicked(const QClickLabel* sender, bool isleft)
{
    if (isleft)
        sendSelectedPonyTo(sender->centerX(), sender->centerY());
}

void PlayerCommands::monsterClicked(const QMyLabel* sender, bool isleft)
{
    if (isleft) {
        sendSelectedPonyTo(sender->centerX(), sender->centerY());
        return;
    }
    if (const Monster* monster = qobject_cast<const Monster*>(sender))
        DialogUnitInfo::showUnitInfo(window, monster->name, monsterCatalogue->infoText(monster->code));
}

// Only presses that no clickable widget took come here, so a click on a unit, a cell or a
// button never also sends the selected pony.
void PlayerCommands::fieldPressed(const QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        sendSelectedPonyTo(event->pos().x(), event->pos().y());
}

void PlayerCommands::sendSelectedPonyTo(int x, int y)
{
    if (Pony* pony = world->selectedPony())
        pony->moveTo(x, y);
}
